#include "model/Belastung.h"

#include <gtest/gtest.h>

#include <vector>

namespace trv {
namespace {

using Profil = std::vector<TKPunkt>;

TEST(LastTest, SetterHaltenFdAktuell) {
    TKLast l;
    EXPECT_EQ(l.Fd(), 0);
    l.SetGk(10);
    l.SetQk(5);
    EXPECT_DOUBLE_EQ(l.Fd(), 21);
    l.SetF1(2);
    EXPECT_DOUBLE_EQ(l.Fd(), 23);
    l.Setgq(1);
    EXPECT_DOUBLE_EQ(l.Fd(), 10 * 1.35 + 5 + 2);
}

TEST(LastTest, BemessungswertDirekt) {
    TKLast l;
    l.SetGk(10);
    l.SetQk(5);
    l.SetFd(30);
    EXPECT_EQ(l.Gk(), 0);
    EXPECT_EQ(l.Qk(), 0);
    EXPECT_EQ(l.F1(), 30);
    EXPECT_EQ(l.Fd(), 30);
    EXPECT_EQ(l.gg(), 1.35);
    l.SetGk(10);
    EXPECT_DOUBLE_EQ(l.Fd(), 43.5);
}

TEST(LastTest, RoheWerteOhneNeuberechnung) {
    TKLast l;
    l.SetAlleWerte(1, 2, 3, 99, 1.1, 1.2);
    EXPECT_EQ(l.Fd(), 99);
    EXPECT_EQ(l.gq(), 1.2);
    l.SetFaktoren(2, 3);
    EXPECT_EQ(l.Fd(), 99);
    EXPECT_EQ(l.gg(), 2);
}

TEST(BelastungTest, NeueBelastung) {
    const TKBelastung b;
    EXPECT_EQ(b.Belastungsfall(), 1);
    EXPECT_EQ(b.beliebigeLast(), (Profil{{0, 0}, {2000, 0}}));
    EXPECT_EQ(b.AnzPunkte(), 2);
    EXPECT_EQ(b.beliebigeLastSumme(), 0);
    EXPECT_EQ(b.LinienLast(), 1);
    EXPECT_EQ(b.LastLaenge(), 2000);
}

TEST(BelastungTest, Resultierende) {
    TKBelastung b;
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 10);
    b.PunktHinzufuegen(2000, 10);
    EXPECT_DOUBLE_EQ(b.beliebigeLastSumme(), 20);
}

TEST(BelastungTest, LastlaengeKuerztProfil) {
    TKBelastung b;
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 10);
    b.PunktHinzufuegen(2000, 20);
    b.SetLastLaenge(1500);
    EXPECT_EQ(b.beliebigeLast(), (Profil{{0, 10}, {1500, 20}}));
    EXPECT_DOUBLE_EQ(b.beliebigeLastSumme(), 22.5);
}

TEST(BelastungTest, EinfuegenSortiertGleichesXDahinter) {
    TKBelastung b;
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 0);
    b.PunktHinzufuegen(2000, 0);
    b.PunktHinzufuegen(1000, 2);
    b.PunktHinzufuegen(1000, 5);
    EXPECT_EQ(b.beliebigeLast(), (Profil{{0, 0}, {1000, 2}, {1000, 5}, {2000, 0}}));
    b.PunktHinzufuegen(-5, 1);
    EXPECT_EQ(b.GetPunkt(0), (TKPunkt{-5, 1}));
    EXPECT_EQ(b.AnzPunkte(), 5);
}

TEST(BelastungTest, LeeresProfil) {
    TKBelastung b;
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 10);
    b.PunktHinzufuegen(2000, 10);
    b.PunkteLoeschen();
    EXPECT_EQ(b.AnzPunkte(), 0);
    // An empty profile carries no load.
    EXPECT_EQ(b.beliebigeLastSumme(), 0);
    EXPECT_EQ(b.GetPunkt(0), TKPunkt{});
    EXPECT_FALSE(b.SetPunkt(0, {1, 1}));
}

TEST(BelastungTest, PunktUeberschreiben) {
    TKBelastung b;
    ASSERT_TRUE(b.SetPunkt(1, {2000, 10}));
    EXPECT_DOUBLE_EQ(b.beliebigeLastSumme(), 10);
    EXPECT_EQ(b.GetPunkt(-1), TKPunkt{});
    EXPECT_EQ(b.GetPunkt(2), TKPunkt{});
}

TEST(BelastungTest, LinienLastForm) {
    TKBelastung b;
    b.LinienLastLinks().SetFd(3);
    b.LinienLastRechts().SetFd(5);
    b.LinienLastBestimmen();
    EXPECT_EQ(b.LinienLast(), 2);
    b.LinienLastLinks().SetFd(5);
    b.LinienLastRechts().SetFd(3);
    b.LinienLastBestimmen();
    EXPECT_EQ(b.LinienLast(), 0);
    b.LinienLastRechts().SetFd(5);
    b.LinienLastBestimmen();
    EXPECT_EQ(b.LinienLast(), 1);
}

TEST(BelastungTest, KopieIstTief) {
    TKBelastung quelle;
    quelle.PunktHinzufuegen(1000, 4);
    quelle.Punktlast().SetGk(7);
    TKBelastung kopie(quelle);
    EXPECT_EQ(kopie.beliebigeLast(), quelle.beliebigeLast());
    EXPECT_EQ(kopie.beliebigeLastSumme(), quelle.beliebigeLastSumme());
    kopie.SetPunkt(1, {1000, 9});
    kopie.Punktlast().SetGk(1);
    kopie.LinienLastLinks().SetFd(8);
    EXPECT_EQ(quelle.GetPunkt(1), (TKPunkt{1000, 4}));
    EXPECT_EQ(quelle.Punktlast().Gk(), 7);
    EXPECT_EQ(quelle.LinienLastLinks().Fd(), 0);
}

TEST(BelastungTest, KopieSortiertInPlatzVerschobenePunkte) {
    TKBelastung quelle;
    ASSERT_TRUE(quelle.SetPunkt(1, {-10, 4}));
    TKBelastung kopie(quelle);
    EXPECT_EQ(kopie.beliebigeLast(), (Profil{{-10, 4}, {0, 0}}));
    EXPECT_DOUBLE_EQ(kopie.beliebigeLastSumme(), 0.02);
    TKBelastung ziel;
    ziel.PunktHinzufuegen(500, 1);
    ziel = quelle;
    EXPECT_EQ(ziel.beliebigeLast(), kopie.beliebigeLast());
    ziel = ziel;
    EXPECT_EQ(ziel.AnzPunkte(), 2);
}

} // namespace
} // namespace trv
