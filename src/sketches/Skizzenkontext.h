#pragma once

#include "sketches/Farbe.h"

#include <QString>

namespace trv {

// What every sketch needs besides the model: the colours, the decimal separator of the user's
// regional settings and the pen width factor (1 on screen, 2 on the printer). Owned by the
// caller and passed to each sketch; sketches change the pen factor only inside a
// StiftFaktorWahrer, so the caller's value is back when they return.
class Skizzenkontext {
public:
    explicit Skizzenkontext(TKFarbe farbe = TKFarbe(), char dezimaltrenner = '.',
                            int stiftFaktor = 1)
        : farbe_(farbe), dezimaltrenner_(dezimaltrenner), stiftFaktor_(stiftFaktor) {}

    const TKFarbe& Farbe() const { return farbe_; }
    char Dezimaltrenner() const { return dezimaltrenner_; }
    int StiftFaktor() const { return stiftFaktor_; }
    void SetStiftFaktor(int faktor) { stiftFaktor_ = faktor; }

    // A number in the general format of the user's locale (shortest form, "0" for zero).
    QString Zahl(double wert) const;

private:
    TKFarbe farbe_;
    char dezimaltrenner_;
    int stiftFaktor_;
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
