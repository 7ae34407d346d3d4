#pragma once

#include "model/Belastung.h"

#include <cstddef>
#include <vector>

namespace trv {

// Load of the profile segment A-B, always counted positive (kN).
long double Flaeche(const TKPunkt& a, const TKPunkt& b);

// The point on segment A-B at which the load collected from A reaches t (kN). When the whole
// segment carries less than t, the result lies beyond B (x = B.x + 1).
struct TKZielpunkt {
    long double x = 0; // mm
    long double y = 0; // kN/m
};
TKZielpunkt Zielpunkt(const TKPunkt& a, const TKPunkt& b, long double t);

// Centroid (mm) of the load of segment A-B together with a load w (kN) sitting at c (mm).
long double Schwerpunkt(const TKPunkt& a, const TKPunkt& b, long double w, long double c);

// Gaps of the row distribution (mm) that differ by no more than this are equal: far below
// anything built, far above the rounding of the passes.
inline constexpr long double GleicheLuecke = 1e-6L;

// Working lists of one row distribution: the distances found from the left end, those found
// from the right end, and the profile as seen from the right end.
class TKTmpDornAufteilung {
public:
    enum Liste : int { Vorwaerts = 0, Rueckwaerts = 1 };

    TKTmpDornAufteilung();

    // k is Vorwaerts or Rueckwaerts; anything else is a programming error (asserted; ignored
    // in release builds).
    void ListeLeeren(int k);
    void ListeAnfuegen(int k, double wert);
    const std::vector<double>& AbstaendeVorwaerts() const { return FAbstaendeVorwaerts; }
    const std::vector<double>& AbstaendeRueckwaerts() const { return FAbstaendeRueckwaerts; }

    // Mirrors the profile at the joint length l (mm). Returns the number of mirrored points that
    // came out at a negative position, i.e. points that lay beyond the joint.
    std::size_t ProfilSpiegeln(const std::vector<TKPunkt>& profil, double l);
    const std::vector<TKPunkt>& ProfilGespiegelt() const { return FProfilGespiegelt; }

    // Combines the two passes into the distances of the row along a joint of length l (mm):
    // left edge distance, spacings, right edge distance (one entry more than connectors).
    // The leftover gap goes to the first of the largest gaps, gaps within GleicheLuecke
    // counting as equal. Empty when the forward pass placed no connector.
    std::vector<double> Zusammenfuehren(double l) const;

private:
    std::vector<double>* ListeZu(int k);

    std::vector<double> FAbstaendeVorwaerts;
    std::vector<double> FAbstaendeRueckwaerts;
    std::vector<TKPunkt> FProfilGespiegelt;
};

// Outcome of one pass over a profile.
struct TKDurchlauf {
    std::vector<double> Abstaende; // first distance, spacings, end distance (mm)
    bool Ok = true;                // every checked distance below the maximum spacing
    bool Abgebrochen = false;      // more connectors than the limit: the pass was cut short
};

// One pass: places connectors at the centroids of consecutive shares fc (kN) of the profile.
// With unbegrenzt nothing is checked ("Unlimited"); otherwise every distance except the end
// distance must be strictly below smax (mm). At most maxDorne connectors are placed.
TKDurchlauf DurchlaufBerechnen(const std::vector<TKPunkt>& profil, long double fc, bool unbegrenzt,
                               long double smax, std::size_t maxDorne);

// Input of a row distribution.
struct TKVerteilungEingabe {
    std::vector<TKPunkt> Profil; // sorted by x
    double Summe = 0;            // resultant of the profile (kN)
    double Laenge = 0;           // effective joint length (mm)
    double FRd = 0;              // provisional resistance per connector (kN)
    double PlatteDicke = 0;      // slab thickness h (mm)
    double ZulMinAchs = 0;       // minimum connector spacing (mm), bounds the growth
    bool Unbegrenzt = false;     // maximum spacing rule "Unlimited"
};

// Outcome of a row distribution.
struct TKVerteilung {
    unsigned AnzDorn = 1;
    std::vector<double> DornAbstand; // AnzDorn + 1 entries (mm)
    double FSdIst = 0;               // load per connector (kN)
    // Profile points lying beyond the joint (counted once per distribution, not per repetition).
    std::size_t PunkteAusserhalb = 0;
    // Why no valid arrangement exists. The fields still describe a complete, finite
    // arrangement, but the type has failed.
    enum class Scheitern {
        Keins,
        Abstand,        // the maximum spacing rule cannot be kept within the connector limit
        KeinProfil,     // fewer than two profile points, or a resultant or length beyond range
        KeinWiderstand, // a load to carry but no positive resistance per connector
        ZuViele         // the load needs more than MaxDorneJeReihe connectors
    };
    Scheitern Grund = Scheitern::Keins;
};

// Largest number of connectors of one row: far beyond any real joint (a 20 m joint under
// 5000 kN/m needs about 2200 of the weakest type), it only protects memory and time against
// absurd loads: each step of the slab-thickness iteration walks the whole row. A row that
// would need more fails by its arrangement, never by an invented overload.
inline constexpr unsigned MaxDorneJeReihe = 5000;
// The number grows past its start for the maximum spacing only up to this many connectors:
// a start below it that still leaves a spacing above 5 h would need a joint of kilometres.
inline constexpr unsigned MaxDorneWachstum = 2000;

// Number of connectors and their distances for a row: each connector takes an equal share of
// the load at the centroid of its share; the number grows until no spacing exceeds 5 * h
// (unless unlimited). The growth stops once more connectors than L / ZulMinAchs + 1 would be
// needed: such a row cannot keep the minimum spacing, so it fails in any case.
TKVerteilung VerteilungBerechnen(const TKVerteilungEingabe& e);

} // namespace trv
