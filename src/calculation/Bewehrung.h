#pragma once

#include <vector>

namespace trv {

class TKDornDaten;

// The values the reinforcement of one connector type reads.
struct TKBewehrungsDaten {
    int BewehrungCalc = 0;   // 0 based on max. FRd, 1 based on the actual load
    long double fyd = 0;     // design yield strength of the bars, N/mm²
    long double fbd = 0;     // bond stress of the vertical bars, N/mm²
    double PlatteDicke = 0;  // h of the working geometry, mm
    double DeckungOben = 0;  // top cover cO, mm
    double FRd = 0;          // kN
    double FSdIst = 0;       // kN
    double IstMinAchs = 0;   // mm
    double by = 0;           // width available to the vertical bars, mm
    int DurchmesserBewX = 0; // dx, mm
    int DurchmesserBewY = 0; // dy, mm
    double FlaecheBewX = 0;  // area of one x bar, mm²
    double FlaecheBewY = 0;  // area of one y bar, mm²
    double StabBewY = 0;     // listed bar diameter the y bar area belongs to, mm
    int GruppeBewY = 1;      // y bars per group (30 mm apart within a group)
    double Einbindelaenge = 0;
    double DornDurchmesser = 0;
    double HuelsenBreite = 0;
    double PlattenHoehe = 0; // hP, mm
    double ZuschlagBewY = 0; // mm
    double AbstandBewX0 = 0; // first x spacing, mm
    double AbstandBewX1 = 0; // further x spacings, mm
    double AbstandBewY0 = 0; // central y spacing of the catalog, mm
};

// The type's values from catalog record dd (bars and dimensions from the record, spacing
// rows and margins from the catalog) and the steel grade stahl and concrete grade guete;
// the position and result values are left for the caller.
TKBewehrungsDaten BewehrungsDatenFuer(const TKDornDaten& dd, int stahl, int guete);

// Force the required areas are designed for: the resistance or the actual load (kN).
double Bemessungskraft(const TKBewehrungsDaten& b);

long double AsxErfBerechnen(const TKBewehrungsDaten& b); // mm²
// Load one vertical bar can hang up (kN).
long double StabKapazitaet(const TKBewehrungsDaten& b);
long double AsyErfBerechnen(const TKBewehrungsDaten& b); // mm²

// Bars needed for a required area; at least 1. Far more bars than any connector can use come
// only with a load far above every resistance, so the count is capped there.
inline constexpr int MaxStaebe = 1000;
int StaebeFuer(long double erforderlich, double stabflaeche);

struct TKBewehrungX {
    int Anzahl = 0;
    std::vector<double> Abstaende; // mm, first distance then the spacings
    double Breite = 0;             // BreiteBewX, mm
    double bx = 0;                 // mm
};
// Layout of n x bars (n taken as it is, within 0..MaxStaebe).
TKBewehrungX BewehrungXAnordnen(int n, const TKBewehrungsDaten& b);
// Number from the required area, then the layout.
TKBewehrungX BewehrungXAuslegen(long double asxErf, const TKBewehrungsDaten& b);

struct TKBewehrungY {
    int Anzahl = 0;
    std::vector<double> Abstaende; // outer spacings on one side, inside outwards, mm
    double Breite = 0;             // BreiteBewY, mm
};
// Layout of n y bars (n taken as it is within 0..MaxStaebe; an odd n stays odd). With abschneiden
// the width is truncated to 0.01 mm.
TKBewehrungY BewehrungYAnordnen(int n, const TKBewehrungsDaten& b, bool abschneiden);
// Number from the required area (raised to an even number), then the layout.
TKBewehrungY BewehrungYAuslegen(long double asyErf, const TKBewehrungsDaten& b);

// Load the provided bars can carry (kN): always for the actual load.
long double FRdBewehrungBerechnen(const TKBewehrungsDaten& b, double asxIst, int anzahlBewY);

} // namespace trv
