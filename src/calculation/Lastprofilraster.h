#pragma once

#include "calculation/Eingabepruefung.h"

#include <string>
#include <vector>

namespace trv {

class TKBelastung;

// The value pairs of an arbitrary load profile as texts, one row per pair (x in mm from the
// left end of the joint, q in kN/m), as the profile dialog lists them. There is always at
// least one row; a single row with an empty x stands for an empty profile.
class TKProfilraster {
public:
    struct Zeile {
        std::string x;
        std::string q;
        bool operator==(const Zeile&) const = default;
    };

    TKProfilraster() = default;
    explicit TKProfilraster(std::vector<Zeile> zeilen);
    // The profile's points with the regional separator.
    static TKProfilraster AusProfil(const TKBelastung& belastung, char dezimaltrenner);

    const std::vector<Zeile>& Zeilen() const { return zeilen_; }
    int AnzZeilen() const { return static_cast<int>(zeilen_.size()); }

    // The first row whose x text equals x exactly (as text: "1000" and "1000,0" differ), or -1.
    int Suchen(const std::string& x) const;
    // The last row whose x is the number x (a profile keeps equal x in the order entered), or -1.
    int LetzteZeileBei(double x, char dezimaltrenner) const;
    // A new pair: into the only row while it is empty, else appended.
    void Anfuegen(const std::string& x, const std::string& q);
    void Setzen(int zeile, const std::string& x, const std::string& q);
    // Removes a row; the only row is emptied instead. Gives the row to select afterwards.
    int Loeschen(int zeile);

    // Rebuilds the profile from the rows: empty when the first x is empty, else one point per
    // row. False, with the profile as it was, when a cell does not hold a number.
    bool ProfilAusRaster(TKBelastung& belastung, char dezimaltrenner) const;

private:
    std::vector<Zeile> zeilen_{Zeile{}};
};

// The checks of a pair typed for the profile: x from 0 to the effective joint length, q not
// negative; both must be numbers. An empty text is no number here: a pair needs both values.
TEingabeFehler ProfilpaarPruefen(const std::string& x, const std::string& q, double laenge,
                                 char dezimaltrenner);

} // namespace trv
