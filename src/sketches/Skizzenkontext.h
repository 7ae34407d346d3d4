#pragma once

#include "sketches/Farbe.h"

#include <QString>

namespace trv {

// What every sketch needs besides the model: the colours, the decimal separator of the user's
// regional settings, the pen width factor and the size of a pixel on the target. Owned by the
// caller and passed to each sketch; sketches change the pen factor only inside a
// StiftFaktorWahrer, so the caller's value is back when they return.
//
// Every length a sketch gives in pixels (pen widths, dot patterns, arrow and text offsets,
// the overhang of cut edges, the slope of a varying load) is a pixel of a 96 dpi screen;
// Bildpunkt is the number of device pixels it covers on the target (1 on the screen, 12.5 on
// a 1200 dpi printer), so that paper and screen show the same drawing.
class Skizzenkontext {
public:
    explicit Skizzenkontext(TKFarbe farbe = TKFarbe(), char dezimaltrenner = '.',
                            int stiftFaktor = 1, double bildpunkt = 1.0);

    const TKFarbe& Farbe() const { return farbe_; }
    char Dezimaltrenner() const { return dezimaltrenner_; }
    // Pen width in screen pixels of the dimension lines and arrows (3 for a point load).
    int StiftFaktor() const { return stiftFaktor_; }
    void SetStiftFaktor(int faktor) { stiftFaktor_ = faktor; }
    double Bildpunkt() const { return bildpunkt_; } // device pixels per screen pixel

    // Screen pixels in device pixels, rounded to the nearest pixel.
    int Px(double bildschirmPixel) const;
    // Width of a pen of the given screen pixels, device pixels.
    double Breite(double bildschirmPixel) const { return bildschirmPixel * bildpunkt_; }

    // A number in the general format of the user's locale (shortest form, "0" for zero).
    QString Zahl(double wert) const;

private:
    TKFarbe farbe_;
    char dezimaltrenner_;
    int stiftFaktor_;
    double bildpunkt_;
};

// Keeps the pen factor of a context and puts it back on every way out of a scope.
class StiftFaktorWahrer {
public:
    explicit StiftFaktorWahrer(Skizzenkontext& kontext)
        : kontext_(kontext), alt_(kontext.StiftFaktor()) {}
    ~StiftFaktorWahrer() { kontext_.SetStiftFaktor(alt_); }
    StiftFaktorWahrer(const StiftFaktorWahrer&) = delete;
    StiftFaktorWahrer& operator=(const StiftFaktorWahrer&) = delete;

    int Alt() const { return alt_; } // the factor on entry

private:
    Skizzenkontext& kontext_;
    int alt_;
};

} // namespace trv
