#pragma once

#include "model/Stueckliste.h"
#include "schedule/Stuecklistenregeln.h"

#include <string>
#include <vector>

namespace trv {

class TKModell;

// What the schedule window does to the schedule, apart from its widgets: it edits a working
// copy of the project's schedule and writes it back only on Uebernehmen. Rows count from 0.
// Every change refused by the rules changes nothing and gives false.
class Stuecklistenbearbeitung {
public:
    // The range of "Number of similar positions".
    static constexpr int MinAnzahl = 1;
    static constexpr int MaxAnzahl = 99999;

    explicit Stuecklistenbearbeitung(TKModell& modell) : modell_(modell) {}

    // A fresh working copy of the project's schedule (entries only; the remark is the
    // project's until Uebernehmen).
    void Laden();
    const TKStueckliste& Arbeitskopie() const { return kopie_; }
    int Zeilen() const { return kopie_.AnzEintraege(); }
    bool Gueltig(int zeile) const { return zeile >= 0 && zeile < Zeilen(); }
    // The entry of a row; an empty one outside the rows.
    const StuecklistenEintrag& Eintrag(int zeile) const;

    bool Aktiv(int zeile) const;
    // The status becomes the current language's "Active" or "Not active".
    bool AktivSetzen(int zeile, bool aktiv);
    // The number of similar positions n (MinAnzahl..MaxAnzahl) and with it the total.
    bool AnzahlSetzen(int zeile, int n);
    // The number of similar positions as the spin edit shows it: the whole part, within the
    // range (anything that is no number shows the minimum).
    int Anzahl(int zeile) const;
    bool Loeschen(int zeile);

    // Writes the working copy and the remark lines to the project's schedule.
    void Uebernehmen(const std::string& bemerkung);

    // The remark text of the edit as schedule lines: one per line; a line break after the
    // last line starts no further line; a CR before a break belongs to it; no text is no line.
    static std::vector<std::string> BemerkungZeilen(const std::string& text);
    // The lines as the remark edit shows them.
    static std::string BemerkungText(const std::vector<std::string>& zeilen);

private:
    TKModell& modell_;
    TKStueckliste kopie_;
};

} // namespace trv
