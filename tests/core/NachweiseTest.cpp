#include "calculation/Nachweise.h"

#include "calculation/Katalog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace trv {

namespace {

constexpr int kTRV18 = 0;
constexpr int kTRV22 = 1;
constexpr int kTRV30 = 3;
constexpr int kC30 = 3;

TKWiderstandsDaten Daten(int typ, int fuge, double h, double gammaMs = 1.05, int guete = kC30) {
    return WiderstandsDatenFuer(TKDornDaten(typ), fuge, gammaMs, guete, h);
}

// Status inputs of a row that passes every check, to be spoilt one value at a time.
TKStatusDaten GuteReihe() {
    TKStatusDaten d;
    d.Anwendungsfall = 1;
    d.BewehrungCalc = 0;
    d.Einbindelaenge = 165;
    d.WandDicke = 400;
    d.FSdIst = 50;
    d.FRd = 100;
    d.DickeMin = 180;
    d.PlatteDicke = 450;
    d.BreiteBewY = 240;
    d.by = 1000;
    d.ZuschlagBewY = 50;
    d.ZulMinAchs = 675;
    d.ZulMinRand = 337.5;
    d.AbstandLinks = 400;
    d.AbstandRechts = 400;
    d.IstMinAchs = 700;
    d.AnzDorn = 2;
    d.GroessterDornAbstand = 700;
    return d;
}

using Codes = std::vector<std::uint16_t>;

} // namespace

TEST(MinAbstaende, GrowWithTheSlab) {
    const TKMinAbstaende m = MinAbstaende(450);
    EXPECT_DOUBLE_EQ(m.ZulMinAchs, 675);
    EXPECT_DOUBLE_EQ(m.ZulMinRand, 337.5);
}

TEST(FRdStahlBerechnen, WorkedValuesTRV22) {
    // Mpl = 1352.381 kN·mm, Vpl = 167.215 kN, V0 = 107.774 kN; plate R2 = 77.143 kN governs.
    const TKStahlWiderstand s = FRdStahlBerechnen(Daten(kTRV22, 2, 450));
    ASSERT_TRUE(s.Gueltig);
    EXPECT_NEAR(static_cast<double>(s.FRd), 100.817, 0.0005);
    EXPECT_EQ(s.Durchlaeufe, 5);
    EXPECT_NEAR(static_cast<double>(s.o1), 77.143, 0.0005);  // min(Rmin, Va)
    EXPECT_NEAR(static_cast<double>(s.o3), 107.774, 0.0005); // 2 FRd >= Vpl: V0
}

TEST(FRdStahlBerechnen, DoesNotDependOnTheSlab) {
    EXPECT_EQ(FRdStahlBerechnen(Daten(kTRV22, 2, 450)).FRd,
              FRdStahlBerechnen(Daten(kTRV22, 2, 180)).FRd);
}

TEST(FRdStahlBerechnen, WorkedValueTRV30WithoutJoint) {
    const TKStahlWiderstand s = FRdStahlBerechnen(Daten(kTRV30, 0, 240));
    ASSERT_TRUE(s.Gueltig);
    EXPECT_NEAR(static_cast<double>(s.FRd), 231.655, 0.0005);
}

TEST(FRdStahlBerechnen, UndefinedInputsAreReportedNotReturned) {
    // A partial factor of 0 (possible only through a damaged settings file) makes every
    // resistance infinite.
    EXPECT_FALSE(FRdStahlBerechnen(Daten(kTRV22, 2, 450, 0.0)).Gueltig);
    EXPECT_FALSE(FRdStahlBerechnen(Daten(kTRV22, 2, 450, std::nan(""))).Gueltig);
    // A negative factor turns the dowel's capacity negative; the iteration must still stop.
    const TKStahlWiderstand s = FRdStahlBerechnen(Daten(kTRV22, 2, 450, -1.05));
    EXPECT_LE(s.Durchlaeufe, MaxStahlDurchlaeufe);
}

// The catalog's tabulated steel resistances for joint widths of 30 mm and more come from the
// same model; most of them are reproduced to 0.1 kN.
TEST(FRdStahlBerechnen, ReproducesTheCatalogTableForWideJoints) {
    int gleich = 0;
    int verglichen = 0;
    for (int groesse = 0; groesse < AnzDornGroessen; ++groesse) {
        for (int fuge = 3; fuge < AnzFugenbreiten; ++fuge) {
            const double berechnet =
                static_cast<double>(FRdStahlBerechnen(Daten(groesse, fuge, 450)).FRd);
            const double tabelle = FRdStahlKatalog(groesse, fuge);
            const bool passt = std::fabs(berechnet - tabelle) <= 0.1 + 1e-9;
            std::printf("%-7s %2.0f mm  table %6.1f  computed %8.3f  %s\n",
                        DornName(groesse).c_str(), Fugenbreiten(fuge), tabelle, berechnet,
                        passt ? "agrees" : "differs");
            ++verglichen;
            gleich += passt ? 1 : 0;
        }
    }
    EXPECT_EQ(verglichen, 28);
    std::printf("%d of %d entries agree to 0.1 kN\n", gleich, verglichen);
    EXPECT_EQ(gleich, 16) << "entries agreeing to 0.1 kN";
    EXPECT_NEAR(static_cast<double>(FRdStahlBerechnen(Daten(kTRV18, 4, 450)).FRd), 34.85, 0.005);
    EXPECT_NEAR(static_cast<double>(FRdStahlBerechnen(Daten(5, 6, 450)).FRd), 199.0, 0.05);
}

TEST(FRdBetonBerechnen, WorkedValuesTRV22) {
    EXPECT_NEAR(static_cast<double>(FRdBetonBerechnen(Daten(kTRV22, 2, 450))), 100.817, 0.0005);
    // Thin slab: the struts reduce the steel resistance by q = 0.826.
    EXPECT_NEAR(static_cast<double>(FRdBetonBerechnen(Daten(kTRV22, 2, 180))), 83.225, 0.0005);
}

TEST(FRdBetonBerechnen, PunchingGovernsTRV30) {
    EXPECT_NEAR(static_cast<double>(FRdBetonBerechnen(Daten(kTRV30, 0, 240))), 170.835, 0.0005);
}

TEST(FRdBetonBerechnen, UndefinedSteelGivesNoValue) {
    EXPECT_FALSE(std::isfinite(FRdBetonBerechnen(Daten(kTRV22, 2, 450, 0.0))));
}

TEST(StatusBestimmen, PassingRow) {
    const TKStatus s = StatusBestimmen(GuteReihe());
    EXPECT_EQ(s.Status, 0);
    EXPECT_TRUE(s.Fehler.empty());
    EXPECT_FALSE(s.Warnung0);
    EXPECT_DOUBLE_EQ(s.EtaQ, 0.5);
}

TEST(StatusBestimmen, LoadComparedInTenths) {
    TKStatusDaten d = GuteReihe();
    d.FRd = 10.00;
    d.FSdIst = 10.04;
    EXPECT_EQ(StatusBestimmen(d).Status, 0);
    d.FSdIst = 10.06;
    EXPECT_EQ(StatusBestimmen(d).Status, 2);
    EXPECT_EQ(StatusBestimmen(d).Fehler, Codes{2});
    // Exact halves go to the even tenth: 102.5 -> 102 passes against 10.2, 107.5 -> 108 fails
    // against 10.7.
    d.FRd = 10.2;
    d.FSdIst = 10.25;
    EXPECT_EQ(StatusBestimmen(d).Status, 0);
    d.FRd = 10.7;
    d.FSdIst = 10.75;
    EXPECT_EQ(StatusBestimmen(d).Status, 2);
}

// Every check at its limit passes, 0.1 mm or 0.1 kN beyond it fails with its codes.
TEST(StatusBestimmen, EachCheckAtItsLimit) {
    struct Fall {
        const char* was;
        void (*setzen)(TKStatusDaten&, double);
        double grenze;
        double darueber;
        Codes fehler;
    };
    const Fall faelle[] = {
        {"load", [](TKStatusDaten& d, double v) { d.FSdIst = v; }, 100, 100.1, {2}},
        {"thickness", [](TKStatusDaten& d, double v) { d.PlatteDicke = v; }, 180, 179.9, {1}},
        // by 1000 less the margin of 50 mm
        {"vertical bars", [](TKStatusDaten& d, double v) { d.BreiteBewY = v; }, 950, 950.1, {5}},
        {"edge, max. FRd",
         [](TKStatusDaten& d, double v) { d.AbstandLinks = v; },
         337.5,
         337.4,
         {8, 4}},
        {"edge, act. load",
         [](TKStatusDaten& d, double v) {
             d.BewehrungCalc = 1;
             d.AbstandRechts = v;
         },
         337.5,
         337.4,
         {4}},
        {"spacing, max. FRd",
         [](TKStatusDaten& d, double v) { d.IstMinAchs = v; },
         675,
         674.9,
         {7, 3}},
        {"spacing, act. load",
         [](TKStatusDaten& d, double v) {
             d.BewehrungCalc = 1;
             d.IstMinAchs = v;
         },
         675,
         674.9,
         {3}},
    };
    for (const Fall& f : faelle) {
        TKStatusDaten d = GuteReihe();
        f.setzen(d, f.grenze);
        EXPECT_EQ(StatusBestimmen(d).Fehler, Codes{}) << f.was;
        f.setzen(d, f.darueber);
        EXPECT_EQ(StatusBestimmen(d).Fehler, f.fehler) << f.was;
        EXPECT_EQ(StatusBestimmen(d).Status, f.fehler.back()) << f.was;
    }
}

TEST(StatusBestimmen, SpacingBelowMinimum) {
    TKStatusDaten d = GuteReihe();
    d.IstMinAchs = 600;
    d.GroessterDornAbstand = 600;
    EXPECT_EQ(StatusBestimmen(d).Fehler, (Codes{7, 3}));
    EXPECT_EQ(StatusBestimmen(d).Status, 3);
    d.BewehrungCalc = 1;
    EXPECT_EQ(StatusBestimmen(d).Fehler, Codes{3});
    EXPECT_EQ(StatusBestimmen(d).Status, 3);
}

TEST(StatusBestimmen, SingleConnectorNeverFailsTheSpacing) {
    TKStatusDaten d = GuteReihe();
    d.Anwendungsfall = 0;
    d.IstMinAchs = 10;
    EXPECT_EQ(StatusBestimmen(d).Status, 0);
    d.Anwendungsfall = 1;
    d.AnzDorn = 1;
    EXPECT_EQ(StatusBestimmen(d).Status, 0);
}

TEST(StatusBestimmen, JointWidthWinsOverEverything) {
    TKStatusDaten d = GuteReihe();
    d.FugenbreiteZulaessig = false;
    d.FSdIst = 500;
    d.AbstandLinks = 10;
    d.IstMinAchs = 10;
    d.PlatteDicke = 100;
    const TKStatus s = StatusBestimmen(d);
    EXPECT_EQ(s.Status, 6);
    EXPECT_EQ(s.Fehler.back(), 6);
}

TEST(StatusBestimmen, WallThicknessIsThePlainComparisonAndLosesToAll) {
    TKStatusDaten d = GuteReihe();
    d.Anwendungsfall = 2;
    d.Einbindelaenge = 155;
    d.WandDicke = 205;
    EXPECT_EQ(StatusBestimmen(d).Status, 0);
    d.WandDicke = 204.99;
    EXPECT_EQ(StatusBestimmen(d).Status, 9);
    d.FSdIst = 200;
    EXPECT_EQ(StatusBestimmen(d).Fehler, (Codes{9, 2}));
    EXPECT_EQ(StatusBestimmen(d).Status, 2);
}

TEST(StatusBestimmen, EdgeDistanceAndPrecedence) {
    TKStatusDaten d = GuteReihe();
    d.AbstandRechts = 300; // below 337.5: codes 8 and 4
    d.IstMinAchs = 600;    // codes 7 and 3
    d.BreiteBewY = 960;    // code 5
    d.DickeMin = 460;      // code 1
    const TKStatus s = StatusBestimmen(d);
    EXPECT_EQ(s.Fehler, (Codes{1, 5, 8, 7, 3, 4}));
    EXPECT_EQ(s.Status, 4);
}

TEST(StatusBestimmen, WideSpacingWarnsOnly) {
    TKStatusDaten d = GuteReihe();
    d.GroessterDornAbstand = 2250.06; // 5 * 450 = 2250 in tenths
    EXPECT_TRUE(StatusBestimmen(d).Warnung0);
    EXPECT_EQ(StatusBestimmen(d).Status, 0);
    d.GroessterDornAbstand = 2250.04;
    EXPECT_FALSE(StatusBestimmen(d).Warnung0);
}

TEST(StatusBestimmen, NoResistanceGivesNoUsage) {
    TKStatusDaten d = GuteReihe();
    d.FRd = 0;
    d.FSdIst = 0;
    EXPECT_DOUBLE_EQ(StatusBestimmen(d).EtaQ, 0);
}

TEST(StatusBestimmen, FailuresFoundBeforeTheChecks) {
    TKStatusDaten d = GuteReihe();
    d.LastNichtAufnehmbar = true;
    EXPECT_EQ(StatusBestimmen(d).Fehler, Codes{2});
    d.LastNichtAufnehmbar = false;
    d.AnordnungGescheitert = true;
    d.AnzDorn = 1;
    EXPECT_EQ(StatusBestimmen(d).Fehler, Codes{3});
    EXPECT_EQ(StatusBestimmen(d).Status, 3);
}

} // namespace trv
