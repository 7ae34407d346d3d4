#pragma once

#include "printing/Ergebnisblatt.h"
#include "printing/Positionsskizzen.h"

#include <string>
#include <vector>

class QPrinter;

namespace trv {

class Seitenmasse;
class TKAnwendung;
class TKModell;

// The result sheet of one position of a project, with the sketches it places and the head
// of the project (reasons of the selected connector included). Both must outlive it.
class Positionsblatt {
public:
    Positionsblatt(const TKModell& modell, const TKAnwendung& anwendung);
    Positionsblatt(const Positionsblatt&) = delete;
    Positionsblatt& operator=(const Positionsblatt&) = delete;

    Ergebnisblatt& Blatt() { return blatt_; }

private:
    Positionsskizzen skizzen_;
    Ergebnisblatt blatt_;
};

// What a print of the whole project holds: the numbers (1-based, in order) of the positions
// whose result sheets are printed, those left out because they have no valid results, and
// whether the schedule follows (it has active entries).
struct Projektdruckinhalt {
    std::vector<int> Berechnet;
    std::vector<int> NichtBerechnet;
    bool MitStueckliste = false;
    bool Leer() const { return Berechnet.empty() && !MitStueckliste; }
};

Projektdruckinhalt ProjektdruckInhalt(const TKModell& modell);

// The result sheets of every calculated position in position order, followed by the
// connector schedule, as one print job. A position without valid results is never printed:
// its stored numbers may belong to other inputs. False with a reason when there is nothing
// to print or the printer fails.
bool ProjektDrucken(QPrinter& drucker, Seitenmasse& masse, const TKModell& modell,
                    std::string& fehler);

} // namespace trv
