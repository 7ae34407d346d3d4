#include "calculation/Bewehrung.h"

#include "calculation/Katalog.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trv {

namespace {

constexpr int kTRV22 = 1;
constexpr int kC20 = 1;

// "TRV 22" in a 450 mm slab of C20/25 with 500 N/mm² bars, 100 kN to carry.
TKBewehrungsDaten Beispiel() {
    TKBewehrungsDaten b = BewehrungsDatenFuer(TKDornDaten(kTRV22), 0, kC20);
    b.PlatteDicke = 450;
    b.DeckungOben = 30;
    b.FRd = 100;
    b.FSdIst = 60;
    b.IstMinAchs = 600;
    b.by = 1000;
    return b;
}

} // namespace

TEST(Bewehrung, TakesBarsAndSpacingsOfTheType) {
    const TKBewehrungsDaten b = Beispiel();
    EXPECT_NEAR(static_cast<double>(b.fyd), 434.78, 0.005);
    EXPECT_DOUBLE_EQ(static_cast<double>(b.fbd), 2.1);
    EXPECT_EQ(b.DurchmesserBewX, 10);
    EXPECT_EQ(b.DurchmesserBewY, 10);
    EXPECT_DOUBLE_EQ(b.FlaecheBewY, 78.5);
    EXPECT_DOUBLE_EQ(b.AbstandBewY0, 110);
}

TEST(Bewehrung, ForceFollowsTheBasis) {
    TKBewehrungsDaten b = Beispiel();
    EXPECT_DOUBLE_EQ(Bemessungskraft(b), 100);
    b.BewehrungCalc = 1;
    EXPECT_DOUBLE_EQ(Bemessungskraft(b), 60);
    // Based on the actual load the required areas are smaller.
    EXPECT_LT(AsyErfBerechnen(b), AsyErfBerechnen(Beispiel()));
}

TEST(Bewehrung, VerticalBars) {
    const TKBewehrungsDaten b = Beispiel();
    EXPECT_NEAR(static_cast<double>(StabKapazitaet(b)), 15.687, 0.0005);
    const long double asy = AsyErfBerechnen(b);
    EXPECT_NEAR(static_cast<double>(asy), 500.7, 0.05);
    // 500.7 / 78.5 needs 7 bars, raised to 8.
    const TKBewehrungY y = BewehrungYAuslegen(asy, b);
    EXPECT_EQ(y.Anzahl, 8);
    // A = min((225 - 30 - 30 + 47.5) / tan 34°, (1000 - 50) / 2) = 315.05;
    // s = (2 A - 110) / 6 = 86.68, rounded down to 86.
    EXPECT_EQ(y.Abstaende, (std::vector<double>{86, 86, 86}));
    EXPECT_DOUBLE_EQ(y.Breite, 110 + 6 * 86);
}

TEST(Bewehrung, NoVerticalBarsNeededStillGivesTwo) {
    const TKBewehrungY y = BewehrungYAuslegen(0, Beispiel());
    EXPECT_EQ(y.Anzahl, 2);
    EXPECT_TRUE(y.Abstaende.empty());
    EXPECT_DOUBLE_EQ(y.Breite, 110);
}

TEST(Bewehrung, CentralSpacingOnTheActualLoadIsSleevePlusBar) {
    TKBewehrungsDaten b = Beispiel();
    b.BewehrungCalc = 1;
    EXPECT_DOUBLE_EQ(BewehrungYAnordnen(2, b, true).Breite, 10 + 114);
}

TEST(Bewehrung, GroupsOfBarsAreThirtyApart) {
    TKBewehrungsDaten b = Beispiel();
    b.GruppeBewY = 2;
    // From the outside in: counter 1 -> 30, 2 -> s, 3 -> 30.
    EXPECT_EQ(BewehrungYAnordnen(8, b, true).Abstaende, (std::vector<double>{30, 86, 30}));
    b.GruppeBewY = 0; // not in the catalog; taken as 1
    EXPECT_EQ(BewehrungYAnordnen(8, b, true).Abstaende, (std::vector<double>{86, 86, 86}));
}

TEST(Bewehrung, UserSetOddCountStaysOdd) {
    const TKBewehrungY y = BewehrungYAnordnen(7, Beispiel(), false);
    EXPECT_EQ(y.Anzahl, 7);
    // (2 A - 110) / 5 = 104.02 -> 104; two outer spacings per side.
    EXPECT_EQ(y.Abstaende, (std::vector<double>{104, 104}));
    EXPECT_DOUBLE_EQ(y.Breite, 110 + 4 * 104);
}

TEST(Bewehrung, TopAndBottomBars) {
    const TKBewehrungsDaten b = Beispiel();
    // A1 = 100 / 2 * 1.2 / 434.78 * 1000 = 138.0; A2 = 10 * 600 / (415 * 0.9 * 434.78) * 1000.
    const long double asx = AsxErfBerechnen(b);
    EXPECT_NEAR(static_cast<double>(asx), 138.0, 0.05);
    const TKBewehrungX x = BewehrungXAuslegen(asx, b);
    EXPECT_EQ(x.Anzahl, 2);
    EXPECT_EQ(x.Abstaende, (std::vector<double>{60, 70}));
    EXPECT_DOUBLE_EQ(x.Breite, 130);
    EXPECT_DOUBLE_EQ(x.bx, 165 + 22);
}

TEST(Bewehrung, WideSpacingMakesTheSecondFormulaGovern) {
    TKBewehrungsDaten b = Beispiel();
    b.IstMinAchs = 3000; // A2 = 10 * 3000 / (415 * 0.9 * 434.78) * 1000 = 184.7
    EXPECT_NEAR(static_cast<double>(AsxErfBerechnen(b)), 184.7, 0.05);
}

TEST(Bewehrung, BarCounts) {
    EXPECT_EQ(StaebeFuer(0, 78.5), 1);
    EXPECT_EQ(StaebeFuer(78.5, 78.5), 1); // 1 - 0.01 truncates to 0
    EXPECT_EQ(StaebeFuer(79.5, 78.5), 2);
    EXPECT_EQ(StaebeFuer(-500, 78.5), 1); // a bar that carries nothing still is one bar
    EXPECT_EQ(StaebeFuer(1e30L, 78.5), MaxStaebe);
    EXPECT_EQ(StaebeFuer(std::nanl(""), 78.5), MaxStaebe);
}

TEST(Bewehrung, DiameterOutsideTheListTakesTheSmallestBar) {
    TKDornDaten dd(kTRV22);
    dd.SetDurchmesserBewY(18);
    EXPECT_DOUBLE_EQ(BewehrungsDatenFuer(dd, 0, kC20).FlaecheBewY, 28.3);
}

TEST(Bewehrung, ResistanceOfTheProvidedBars) {
    const TKBewehrungsDaten b = Beispiel();
    const double asxIst = 2 * 78.5;
    // Fx = 157 * 60 / (60 / 2 * 1.2 / fyd * 1000) and Fy = n * C.
    const long double fx = asxIst * 60 / (60 / 2.0L * 1.2L / b.fyd * 1000);
    EXPECT_NEAR(static_cast<double>(FRdBewehrungBerechnen(b, asxIst, 100)), static_cast<double>(fx),
                1e-9);
    EXPECT_NEAR(static_cast<double>(FRdBewehrungBerechnen(b, asxIst, 6)),
                static_cast<double>(6 * StabKapazitaet(b)), 1e-9);
    TKBewehrungsDaten ohneLast = b;
    ohneLast.FSdIst = 0;
    EXPECT_DOUBLE_EQ(static_cast<double>(FRdBewehrungBerechnen(ohneLast, asxIst, 8)), 0);
}

} // namespace trv
