#pragma once

#include "sketches/TrDaten.h"

class QRect;

namespace trv {

class TKAnwendung;
class TKModell;

// The rectangle a sketch is drawn into, in device pixels, right and bottom exclusive. A
// rectangle whose Links is greater than its Rechts is drawn mirrored (x growing to the left).
struct Skizzenrechteck {
    int Links = 0;
    int Oben = 0;
    int Rechts = 0;
    int Unten = 0;

    // The rectangle of a QRect (x to x + width, y to y + height).
    static Skizzenrechteck Aus(const QRect& r);
    int Breite() const { return Rechts - Links; } // signed
    int Hoehe() const { return Unten - Oben; }    // signed
};

// The selected connector type of a position with the reinforcement the calculation chose and
// the position's geometry: what the view, plan view, section and row are drawn from.
Skizzenquelle ErgebnisQuelle(const TKAnwendung& anwendung);

// The project's preselected connector type with the project-level geometry, and the load and
// application case of the position: what the system and load sketches are drawn from.
Skizzenquelle EingabeQuelle(const TKModell& modell, const TKAnwendung& anwendung);

// The system and load sketches of a result sheet: as EingabeQuelle, but with the position's
// own record of its selected type, which its file keeps, so that a sheet does not depend on
// what the window last loaded into the project's record.
Skizzenquelle BlattQuelle(const TKModell& modell, const TKAnwendung& anwendung);

// SkizzeVorbereiten for a sketch rectangle.
TrDaten SkizzeVorbereiten(QPainter& canvas, const Skizzenrechteck& r, Skizzentyp typ,
                          const Skizzenquelle& quelle, double bildpunkt = 1.0);

} // namespace trv
