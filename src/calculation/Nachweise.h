#pragma once

#include <cstdint>
#include <vector>

namespace trv {

class TKDornDaten;

// Minimum connector spacing and minimum edge distance for a slab of thickness h.
struct TKMinAbstaende {
    double ZulMinAchs = 0; // mm
    double ZulMinRand = 0; // mm
};
TKMinAbstaende MinAbstaende(double h);

// The values the resistance checks read for one connector type in one position.
struct TKWiderstandsDaten {
    // Connector type
    double DornDurchmesser = 0;    // d, mm
    double WplDorn = 0;            // mm³
    double FestigkeitDorn = 0;     // fD, N/mm²
    double Blechdicke = 0;         // t, mm
    double PlattenBreite = 0;      // bP, mm
    double PlattenHoehe = 0;       // hP, mm
    double HuelsenLaenge = 0;      // lH, mm
    double StreckgrenzeBlech = 0;  // fyP, N/mm²
    double ZugfestigkeitBlech = 0; // fuP, N/mm²
    double BetonFaktor1 = 0;       // k1
    double BetonFaktor2 = 0;       // k2
    double DurchstanzFaktor = 0;   // kD
    double DickeAbzug = 0;         // c0, mm
    double DickeGrenze = 0;        // hG, mm
    // Position
    double Fugenbreite = 0;     // fw, mm (the width, not the index)
    double GammaMs = 0;         // γM
    double BetonFestigkeit = 0; // fck, N/mm²
    double TauRd = 0;           // N/mm²
    double PlatteDicke = 0;     // h of the working geometry, mm
};

// The resistance inputs of the type of catalog record dd (dimensions from the record, design
// constants from the catalog) in a position with joint width index fuge, partial factor
// gammaMs, concrete grade index guete and slab thickness h (mm).
TKWiderstandsDaten WiderstandsDatenFuer(const TKDornDaten& dd, int fuge, double gammaMs, int guete,
                                        double h);

// Steel resistance: the dowel in shear and bending with bearing inside the sleeve, limited by
// the sleeve plate. Besides the resistance the last pass gives three values the concrete check
// needs.
struct TKStahlWiderstand {
    long double FRd = 0; // kN
    long double o1 = 0;  // kN
    long double o2 = 0;  // kN
    long double o3 = 0;  // kN
    int Durchlaeufe = 0;
    // False when the iteration did not settle within the pass limit or a value is not finite.
    bool Gueltig = false;
};

// The iteration settles in a handful of passes for every catalog type; this only stops it on
// inputs no catalog type produces.
inline constexpr int MaxStahlDurchlaeufe = 1000;

TKStahlWiderstand FRdStahlBerechnen(const TKWiderstandsDaten& w);

// Concrete resistance around the sleeve (struts and punching), kN. Not finite when the
// formulas are undefined for the inputs (the caller reports the type as failed).
long double FRdBetonBerechnen(const TKWiderstandsDaten& w);

// The values the status check reads.
struct TKStatusDaten {
    int Anwendungsfall = 1;    // 0 single connector, 1 slab to slab, 2 slab to wall
    int BewehrungCalc = 0;     // 0 based on max. FRd, 1 based on the actual load
    double Einbindelaenge = 0; // mm
    double WandDicke = 0;      // mm
    double FSdIst = 0;         // kN
    double FRd = 0;            // kN
    double DickeMin = 0;       // mm
    double PlatteDicke = 0;    // h of the working geometry, mm
    double BreiteBewY = 0;     // mm
    double by = 0;             // mm
    double ZuschlagBewY = 0;   // mm
    double ZulMinAchs = 0;     // mm
    double ZulMinRand = 0;     // mm
    double AbstandLinks = 0;   // mm
    double AbstandRechts = 0;  // mm
    double IstMinAchs = 0;     // mm
    unsigned AnzDorn = 1;
    double GroessterDornAbstand = 0; // mm
    bool FugenbreiteZulaessig = true;
    // Failures found before the checks: no usable resistance for the load (code 2), no row
    // that keeps the spacing rules (code 3).
    bool LastNichtAufnehmbar = false;
    bool AnordnungGescheitert = false;
    // A row cut at the connector limit: its load per connector says nothing about the type,
    // so it fails by its arrangement (code 3), not by its load.
    bool ZuVieleDorne = false;
};

struct TKStatus {
    std::uint16_t Status = 0;
    std::vector<std::uint16_t> Fehler; // in the order the checks found them, no duplicates
    bool Warnung0 = false;             // a spacing larger than 5 * slab thickness
    double EtaQ = 0;
};

TKStatus StatusBestimmen(const TKStatusDaten& s);

} // namespace trv
