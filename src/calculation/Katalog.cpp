#include "calculation/Katalog.h"

#include <algorithm>

namespace trv {

namespace {

// Tables by size (18, 22, 24, 30, 35, 42, 52) for values shared by both series; by series
// (first, second) and size for values that differ between them.
using ProGroesse = std::array<double, AnzDornGroessen>;
using ProSerie = std::array<ProGroesse, 2>;

constexpr std::array<const char*, AnzDornTypen> kDornName{
    "TRV 18",  "TRV 22",  "TRV 24",  "TRV 30",  "TRV 35",  "TRV 42",  "TRV 52",
    "ZEDE 18", "ZEDE 22", "ZEDE 24", "ZEDE 30", "ZEDE 35", "ZEDE 42", "ZEDE 52"};
constexpr std::array<const char*, AnzDornTypen> kDornKennung{
    "TRV_18",  "TRV_22",  "TRV_24",  "TRV_30",  "TRV_35",  "TRV_42",  "TRV_52",
    "ZEDE_18", "ZEDE_22", "ZEDE_24", "ZEDE_30", "ZEDE_35", "ZEDE_42", "ZEDE_52"};

// clang-format off
// Record values.
//                                   18     22     24     30     35     42     52
constexpr ProGroesse kDickeMin{     160,   180,   200,   240,   300,   350,   400};
constexpr ProSerie kBreiteBewY{{{   220,   240,   400,   260,   400,   400,   540},
                                {   220,   220,   400,   260,   400,   400,   540}}};
constexpr ProGroesse kBreiteBewX{   260,   260,   260,   260,   360,   360,   560};
constexpr std::array<int, 7> kGruppeBewY{1, 1, 1, 1, 1, 1, 1};
constexpr std::array<int, 7> kDurchmesserBewX{10, 10, 12, 12, 14, 14, 16};
constexpr std::array<int, 7> kDurchmesserBewY{10, 10, 10, 12, 14, 16, 16};
constexpr std::array<int, 7> kAnzahlBewX{1, 1, 1, 1, 1, 2, 2};
constexpr std::array<int, 7> kAnzahlBewY{6, 8, 10, 10, 10, 10, 12};
constexpr ProGroesse kAbstandBewX0{  60,    60,    60,    60,    60,    60,    60};
constexpr ProGroesse kAbstandBewX1{  60,    70,    70,    70,    70,    70,    70};
constexpr ProSerie kAbstandBewY0{{{  90,   110,   120,   135,   150,   195,   230},
                                  { 120,   140,   135,   185,   200,   230,   255}}};
constexpr ProGroesse kAbstandBewY1{  50,    50,    40,    50,    60,    60,    60};
constexpr ProGroesse kPlattenBreite{ 70,    90,   100,   115,   132,   175,   210};
constexpr ProGroesse kPlattenHoehe{  75,    95,   110,   140,   160,   180,   220};
constexpr ProGroesse kHuelsenLaenge{ 70,    90,    95,   120,   140,   150,   190};
constexpr ProGroesse kDornDurchmesser{18,   22,    24,    30,    35,    42,    52};
constexpr ProSerie kEinbindelaenge{{{155,  165,   175,   190,   215,   245,   295},
                                    {170,  175,   180,   210,   235,   245,   295}}};
constexpr ProSerie kOeffnungBreite{{{  0,    0,     0,     0,     0,     0,     0},
                                    { 48,   46,    51,    76,    78,    70,    70}}};
constexpr ProSerie kOeffnungHoehe{{{  18,   22,    24,    30,    35,    42,    52},
                                   {  20,   24,    26,    32,    37,    44,    54}}};
constexpr ProSerie kHuelsenBreite{{{ 100,  114,   122,   161,   172,   203,   228},
                                   { 124,  138,   146,   185,   196,   222,   252}}};
constexpr ProGroesse kHuelsenHoehe{  51,    71,    86,   116,   136,   156,   196};
constexpr ProGroesse kBlechdicke{   2.5,     3,     3,     4,     5,     5,     5};
constexpr ProGroesse kStdRandabstand{90,    90,   100,   120,   160,   180,   225};
constexpr ProGroesse kStdAchsabstand{225,  270,   300,   330,   360,   375,   450};

// Steel resistance (kN) per size for joint widths 0, 10, 20, 30, 40, 50, 60 mm.
constexpr std::array<std::array<double, AnzFugenbreiten>, AnzDornGroessen> kFRdStahl{{
    {73.6, 73.6, 60.7, 45.6, 34.9, 28.2, 23.7},
    {115.3, 115.3, 99.5, 81.5, 62.9, 51, 42.9},
    {131.7, 131.7, 116.2, 99.8, 81.6, 66.2, 55.7},
    {203.5, 203.5, 183, 160.9, 136.1, 111.1, 93.8},
    {284.7, 284.7, 260, 233.7, 204.5, 170.8, 144.5},
    {375.7, 375.7, 345.5, 313.3, 277.7, 235.2, 199},
    {514.4, 514.4, 483.8, 452.8, 421.4, 389.5, 357},
}};

// Design constants.
//                                          18     22     24     30     35     42     52
constexpr ProGroesse kWplDorn{             972,  1775,  2304,  4500,  7168, 12348, 23435};
constexpr ProGroesse kFestigkeitDorn{      800,   800,   800,   700,   690,   550,   550};
constexpr ProGroesse kStreckgrenzeBlech{   300,   300,   300,   300,   295,   295,   295};
constexpr ProGroesse kZugfestigkeitBlech{  600,   600,   600,   600,   610,   610,   610};
constexpr ProGroesse kBetonFaktor1{       0.75,  0.75,  0.75,  0.75,  0.75,  0.75,  0.75};
constexpr ProGroesse kBetonFaktor2{       0.36,   0.6,   0.7,   0.7,  0.85,  0.85,  0.85};
constexpr ProGroesse kDurchstanzFaktor{   1.25,  1.25,  1.25,  1.25,   1.5,   1.5,   1.5};
constexpr ProGroesse kDickeAbzug{           50,    20,     0,     0,     0,     0,     0};
constexpr ProGroesse kDickeGrenze{         180,   200,   240,   260,   280,   350,   350};
constexpr ProGroesse kZuschlagBewY{         50,    50,    40,    50,    60,    60,    60};

// Permitted joint widths per size for 0, 10, ..., 60 mm.
constexpr std::array<std::array<bool, AnzFugenbreiten>, AnzDornGroessen> kFugeZulaessig{{
    {true, true, true, true, true, false, false},
    {true, true, true, true, true, true, false},
    {true, true, true, true, true, true, false},
    {true, true, true, true, true, true, true},
    {true, true, true, true, true, true, true},
    {true, true, true, true, true, true, true},
    {true, true, true, true, true, true, true},
}};

// Materials.
constexpr std::array<double, AnzFugenbreiten> kFugenbreiten{0, 10, 20, 30, 40, 50, 60};
constexpr std::array<double, AnzBetongueten> kBetonFestigkeit{15, 20, 25, 30};
constexpr std::array<double, AnzBetongueten> kTauRd{0.22, 0.26, 0.30, 0.34};
constexpr std::array<double, AnzBetongueten> kVerbundspannung{1.9, 2.1, 2.4, 2.7};
constexpr std::array<const char*, AnzStahlgueten> kStahlNamen{"500 N/mm\u00b2",
                                                              "450 N/mm\u00b2"};
constexpr std::array<double, AnzStahlgueten> kStahlFyk{500, 450};
constexpr std::array<double, AnzStahlgueten> kStahlGammaS{1.15, 1.15};
constexpr std::array<int, AnzStaebe> kStabDurchmesser{6, 8, 10, 12, 14, 16, 20, 25, 28};
constexpr std::array<double, AnzStaebe> kStabQuerschnitt{28.3, 50.3, 78.5, 113.1, 154,
                                                         201,  314,  491,  616};

// clang-format on

int Begrenzt(int i, int anzahl) {
    return std::clamp(i, 0, anzahl - 1);
}

int Groesse(int typ) {
    return DornTypBegrenzt(typ) % AnzDornGroessen;
}

int Serie(int typ) {
    return DornTypBegrenzt(typ) / AnzDornGroessen;
}

template <typename T, std::size_t N> T Groessenwert(const std::array<T, N>& t, int typ) {
    return t[static_cast<std::size_t>(Groesse(typ))];
}

double Serienwert(const ProSerie& t, int typ) {
    return t[static_cast<std::size_t>(Serie(typ))][static_cast<std::size_t>(Groesse(typ))];
}

template <typename T, std::size_t N> T Tabellenwert(const std::array<T, N>& t, int i) {
    return t[static_cast<std::size_t>(Begrenzt(i, static_cast<int>(N)))];
}

} // namespace

bool DornTypGueltig(int typ) {
    return typ >= 0 && typ < AnzDornTypen;
}

int DornTypBegrenzt(int typ) {
    return Begrenzt(typ, AnzDornTypen);
}

std::string DornName(int typ) {
    return DornTypGueltig(typ) ? kDornName[static_cast<std::size_t>(typ)] : "";
}

std::string DornKennung(int typ) {
    return DornTypGueltig(typ) ? kDornKennung[static_cast<std::size_t>(typ)] : "";
}

double WplDorn(int typ) {
    return Groessenwert(kWplDorn, typ);
}
double FestigkeitDorn(int typ) {
    return Groessenwert(kFestigkeitDorn, typ);
}
double StreckgrenzeBlech(int typ) {
    return Groessenwert(kStreckgrenzeBlech, typ);
}
double ZugfestigkeitBlech(int typ) {
    return Groessenwert(kZugfestigkeitBlech, typ);
}
double BetonFaktor1(int typ) {
    return Groessenwert(kBetonFaktor1, typ);
}
double BetonFaktor2(int typ) {
    return Groessenwert(kBetonFaktor2, typ);
}
double DurchstanzFaktor(int typ) {
    return Groessenwert(kDurchstanzFaktor, typ);
}
double DickeAbzug(int typ) {
    return Groessenwert(kDickeAbzug, typ);
}
double DickeGrenze(int typ) {
    return Groessenwert(kDickeGrenze, typ);
}
double ZuschlagBewY(int typ) {
    return Groessenwert(kZuschlagBewY, typ);
}
double AbstandBewX0(int typ) {
    return Groessenwert(kAbstandBewX0, typ);
}
double AbstandBewX1(int typ) {
    return Groessenwert(kAbstandBewX1, typ);
}
double AbstandBewY0(int typ) {
    return Serienwert(kAbstandBewY0, typ);
}
double AbstandBewY1(int typ) {
    return Groessenwert(kAbstandBewY1, typ);
}
double PlattenHoeheKatalog(int typ) {
    return Groessenwert(kPlattenHoehe, typ);
}
double DornDurchmesserKatalog(int typ) {
    return Groessenwert(kDornDurchmesser, typ);
}
double DickeMinKatalog(int typ) {
    return Groessenwert(kDickeMin, typ);
}

double FRdStahlKatalog(int typ, int fuge) {
    return Tabellenwert(kFRdStahl[static_cast<std::size_t>(Groesse(typ))], fuge);
}

bool FugenbreiteZulaessig(int typ, int fuge) {
    if (fuge < 0 || fuge >= AnzFugenbreiten) {
        return false;
    }
    return kFugeZulaessig[static_cast<std::size_t>(Groesse(typ))][static_cast<std::size_t>(fuge)];
}

double Fugenbreiten(int fuge) {
    return Tabellenwert(kFugenbreiten, fuge);
}
double BetonFestigkeit(int guete) {
    return Tabellenwert(kBetonFestigkeit, guete);
}
double TauRd(int guete) {
    return Tabellenwert(kTauRd, guete);
}
double Verbundspannung(int guete) {
    return Tabellenwert(kVerbundspannung, guete);
}
std::string StahlNamen(int stahl) {
    return Tabellenwert(kStahlNamen, stahl);
}
double StahlFyk(int stahl) {
    return Tabellenwert(kStahlFyk, stahl);
}
double StahlGammaS(int stahl) {
    return Tabellenwert(kStahlGammaS, stahl);
}
double StabDurchmesser(int stab) {
    return Tabellenwert(kStabDurchmesser, stab);
}
double StabQuerschnitt(int stab) {
    return Tabellenwert(kStabQuerschnitt, stab);
}

int StabIndex(int durchmesser) {
    const auto* it = std::find(kStabDurchmesser.begin(), kStabDurchmesser.end(), durchmesser);
    return it == kStabDurchmesser.end() ? 0 : static_cast<int>(it - kStabDurchmesser.begin());
}

TKDornDaten::TKDornDaten() : TKDornDaten(1) {}

TKDornDaten::TKDornDaten(int typ) {
    Laden(DornTypBegrenzt(typ));
}

bool TKDornDaten::Laden(int typ) {
    if (!DornTypGueltig(typ)) {
        return false;
    }
    const auto g = static_cast<std::size_t>(Groesse(typ));
    dornIndex_ = static_cast<std::uint8_t>(typ);
    dickeMin_ = kDickeMin[g];
    breiteBewY_ = Serienwert(kBreiteBewY, typ);
    breiteBewX_ = kBreiteBewX[g];
    gruppeBewY_ = kGruppeBewY[g];
    durchmesserBewX_ = kDurchmesserBewX[g];
    durchmesserBewY_ = kDurchmesserBewY[g];
    anzahlBewX_ = kAnzahlBewX[g];
    anzahlBewY_ = kAnzahlBewY[g];
    plattenBreite_ = kPlattenBreite[g];
    plattenHoehe_ = kPlattenHoehe[g];
    huelsenLaenge_ = kHuelsenLaenge[g];
    dornDurchmesser_ = kDornDurchmesser[g];
    einbindelaenge_ = Serienwert(kEinbindelaenge, typ);
    oeffnungBreite_ = Serienwert(kOeffnungBreite, typ);
    oeffnungHoehe_ = Serienwert(kOeffnungHoehe, typ);
    huelsenBreite_ = Serienwert(kHuelsenBreite, typ);
    huelsenHoehe_ = kHuelsenHoehe[g];
    blechdicke_ = kBlechdicke[g];
    stdRandabstand_ = kStdRandabstand[g];
    stdRandabstand2_ = kStdRandabstand[g];
    stdAchsabstand_ = kStdAchsabstand[g];
    frdStahlTabelle_ = kFRdStahl[g];

    abstaendeBewX_.assign(static_cast<std::size_t>(anzahlBewX_), AbstandBewX1(typ));
    if (!abstaendeBewX_.empty()) {
        abstaendeBewX_.front() = AbstandBewX0(typ);
    }
    // One side of the connector: n div 2 - 1 spacings, the central one first.
    abstaendeBewY_.assign(static_cast<std::size_t>(anzahlBewY_ / 2 - 1), AbstandBewY1(typ));
    if (!abstaendeBewY_.empty()) {
        abstaendeBewY_.front() = AbstandBewY0(typ);
    }
    return true;
}

double TKDornDaten::AbstandBewX(int i) const {
    return i >= 0 && static_cast<std::size_t>(i) < abstaendeBewX_.size()
               ? abstaendeBewX_[static_cast<std::size_t>(i)]
               : 0.0;
}

double TKDornDaten::AbstandBewY(int i) const {
    return i >= 0 && static_cast<std::size_t>(i) < abstaendeBewY_.size()
               ? abstaendeBewY_[static_cast<std::size_t>(i)]
               : 0.0;
}

} // namespace trv
