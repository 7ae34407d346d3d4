#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trv {

// Connector types: index 0..13 in catalog order everywhere (results, project file, lists,
// prints). 0..6 are the sizes 18, 22, 24, 30, 35, 42, 52 of the first series ("TRV"),
// 7..13 the same sizes of the second series ("ZEDE").
inline constexpr int AnzDornTypen = 14;
inline constexpr int AnzDornGroessen = 7;
inline constexpr int AnzFugenbreiten = 7; // joint width index 0..6 = 0, 10, ..., 60 mm
inline constexpr int AnzBetongueten = 4;  // C16/20, C20/25, C25/30, C30/37
inline constexpr int AnzStahlgueten = 2;  // 500 N/mm², 450 N/mm²
inline constexpr int AnzStaebe = 9;       // reinforcing bar diameters 6..28 mm

// Index guards of the catalog. Every lookup by index below clamps its index into the valid
// range (a type index above 13 reads type 13, a negative one type 0), so a damaged value
// from a file can never read outside a table. Code that must reject such values checks
// them with these before looking anything up.
bool DornTypGueltig(int typ);
int DornTypBegrenzt(int typ);

// Display name ("TRV 18" ... "ZEDE 52") and identifier ("TRV_18" ... "ZEDE_52", used in
// element names of the project file). An index outside 0..13 gives "".
std::string DornName(int typ);
std::string DornKennung(int typ);

// Per-type design constants, read by the checks (same for both series; index clamped).
double WplDorn(int typ);            // plastic section modulus of the dowel, mm³
double FestigkeitDorn(int typ);     // dowel steel strength, N/mm²
double StreckgrenzeBlech(int typ);  // plate yield strength, N/mm²
double ZugfestigkeitBlech(int typ); // plate tensile strength, N/mm²
double BetonFaktor1(int typ);       // width factor of the concrete struts
double BetonFaktor2(int typ);       // factor of the edge strut
double DurchstanzFaktor(int typ);   // factor of the punching check
double DickeAbzug(int typ);         // thickness offset of the strut reduction, mm
double DickeGrenze(int typ);        // slab thickness up to which the strut force is reduced, mm
double ZuschlagBewY(int typ);       // margin between y-bar zone and available width, mm
double AbstandBewX0(int typ);       // first x-bar spacing, mm
double AbstandBewX1(int typ);       // further x-bar spacings, mm
double AbstandBewY0(int typ);       // central y-bar spacing, mm (differs per series)
double AbstandBewY1(int typ);       // further y-bar spacings, mm
// Catalog values of the record that the checks also read directly (mm).
double PlattenHoeheKatalog(int typ);
double DornDurchmesserKatalog(int typ);
double DickeMinKatalog(int typ);
// Tabulated steel resistance of type typ at joint width index fuge (0..6), kN. Both indexes
// clamped.
double FRdStahlKatalog(int typ, int fuge);

// Whether the joint width with index fuge (0..6) is permitted for the type. A joint width
// index outside 0..6 is never permitted.
bool FugenbreiteZulaessig(int typ, int fuge);

// Material tables (index clamped into its range).
double Fugenbreiten(int fuge);     // joint width, mm, for index 0..6
double BetonFestigkeit(int guete); // N/mm², grade 0..3 (15 for the first grade, not 16)
double TauRd(int guete);           // basic shear strength of the punching check, N/mm²
double Verbundspannung(int guete); // bond stress of the y bars, N/mm²
std::string StahlNamen(int stahl); // "500 N/mm²", "450 N/mm²"
double StahlFyk(int stahl);        // N/mm²
double StahlGammaS(int stahl);     // partial safety factor of the reinforcement
double StabDurchmesser(int stab);  // mm, bar index 0..8
double StabQuerschnitt(int stab);  // mm², area of one bar, bar index 0..8
// Position of a bar diameter (mm) in the bar table; a diameter not in the table gives 0
// (the 6 mm bar), as old project files may carry any value.
int StabIndex(int durchmesser);

// The catalog record of one connector type. Filled from the constant tables with Laden;
// the calculation and the reinforcement dialog rewrite its reinforcement fields, and
// refilling restores the catalog values. All lengths in mm.
class TKDornDaten {
public:
    TKDornDaten(); // filled for type 1 ("TRV 22")
    explicit TKDornDaten(int typ);

    // Fills every field for type typ. A type outside 0..13 leaves the record unchanged and
    // returns false.
    bool Laden(int typ);

    std::uint8_t DornIndex() const { return dornIndex_; }
    double DickeMin() const { return dickeMin_; }
    double BreiteBewY() const { return breiteBewY_; }
    double BreiteBewX() const { return breiteBewX_; }
    int GruppeBewY() const { return gruppeBewY_; }
    int DurchmesserBewX() const { return durchmesserBewX_; }
    int DurchmesserBewY() const { return durchmesserBewY_; }
    int AnzahlBewX() const { return anzahlBewX_; }
    int AnzahlBewY() const { return anzahlBewY_; }
    const std::vector<double>& AbstaendeBewX() const { return abstaendeBewX_; }
    const std::vector<double>& AbstaendeBewY() const { return abstaendeBewY_; }
    // Element i of the spacing arrays; 0 for an index outside the array.
    double AbstandBewX(int i) const;
    double AbstandBewY(int i) const;
    double PlattenBreite() const { return plattenBreite_; }
    double PlattenHoehe() const { return plattenHoehe_; }
    double HuelsenLaenge() const { return huelsenLaenge_; }
    double DornDurchmesser() const { return dornDurchmesser_; }
    double Einbindelaenge() const { return einbindelaenge_; }
    double OeffnungBreite() const { return oeffnungBreite_; }
    double OeffnungHoehe() const { return oeffnungHoehe_; }
    double HuelsenBreite() const { return huelsenBreite_; }
    double HuelsenHoehe() const { return huelsenHoehe_; }
    double Blechdicke() const { return blechdicke_; }
    double StdRandabstand() const { return stdRandabstand_; }
    double StdRandabstand2() const { return stdRandabstand2_; }
    double StdAchsabstand() const { return stdAchsabstand_; }
    // kN, for joint widths 0, 10, ..., 60 mm.
    const std::array<double, AnzFugenbreiten>& FRdStahlTabelle() const { return frdStahlTabelle_; }

    // Setters only store the value. AnzahlBewX/AbstaendeBewX and AnzahlBewY/AbstaendeBewY are
    // set separately; the calculation keeps them consistent.
    void SetDornIndex(std::uint8_t v) { dornIndex_ = v; }
    void SetDickeMin(double v) { dickeMin_ = v; }
    void SetBreiteBewY(double v) { breiteBewY_ = v; }
    void SetBreiteBewX(double v) { breiteBewX_ = v; }
    void SetGruppeBewY(int v) { gruppeBewY_ = v; }
    void SetDurchmesserBewX(int v) { durchmesserBewX_ = v; }
    void SetDurchmesserBewY(int v) { durchmesserBewY_ = v; }
    void SetAnzahlBewX(int v) { anzahlBewX_ = v; }
    void SetAnzahlBewY(int v) { anzahlBewY_ = v; }
    void SetAbstaendeBewX(std::vector<double> v) { abstaendeBewX_ = std::move(v); }
    void SetAbstaendeBewY(std::vector<double> v) { abstaendeBewY_ = std::move(v); }
    void SetPlattenBreite(double v) { plattenBreite_ = v; }
    void SetPlattenHoehe(double v) { plattenHoehe_ = v; }
    void SetHuelsenLaenge(double v) { huelsenLaenge_ = v; }
    void SetDornDurchmesser(double v) { dornDurchmesser_ = v; }
    void SetEinbindelaenge(double v) { einbindelaenge_ = v; }
    void SetOeffnungBreite(double v) { oeffnungBreite_ = v; }
    void SetOeffnungHoehe(double v) { oeffnungHoehe_ = v; }
    void SetHuelsenBreite(double v) { huelsenBreite_ = v; }
    void SetHuelsenHoehe(double v) { huelsenHoehe_ = v; }
    void SetBlechdicke(double v) { blechdicke_ = v; }
    void SetStdRandabstand(double v) { stdRandabstand_ = v; }
    void SetStdRandabstand2(double v) { stdRandabstand2_ = v; }
    void SetStdAchsabstand(double v) { stdAchsabstand_ = v; }
    void SetFRdStahlTabelle(const std::array<double, AnzFugenbreiten>& v) { frdStahlTabelle_ = v; }

private:
    std::uint8_t dornIndex_ = 1;
    double dickeMin_ = 0;
    double breiteBewY_ = 0;
    double breiteBewX_ = 0;
    int gruppeBewY_ = 1;
    int durchmesserBewX_ = 0;
    int durchmesserBewY_ = 0;
    int anzahlBewX_ = 0;
    int anzahlBewY_ = 0;
    std::vector<double> abstaendeBewX_;
    std::vector<double> abstaendeBewY_;
    double plattenBreite_ = 0;
    double plattenHoehe_ = 0;
    double huelsenLaenge_ = 0;
    double dornDurchmesser_ = 0;
    double einbindelaenge_ = 0;
    double oeffnungBreite_ = 0;
    double oeffnungHoehe_ = 0;
    double huelsenBreite_ = 0;
    double huelsenHoehe_ = 0;
    double blechdicke_ = 0;
    double stdRandabstand_ = 0;
    double stdRandabstand2_ = 0;
    double stdAchsabstand_ = 0;
    std::array<double, AnzFugenbreiten> frdStahlTabelle_{};
};

} // namespace trv
