#include "calculation/Katalog.h"

#include <gtest/gtest.h>

#include <vector>

namespace trv {
namespace {

using Abstaende = std::vector<double>;

TEST(KatalogTest, NeuerDatensatzBeschreibtTrv22) {
    const TKDornDaten d;
    EXPECT_EQ(d.DornIndex(), 1);
    EXPECT_EQ(d.DornDurchmesser(), 22);
    EXPECT_EQ(d.AnzahlBewY(), 8);
    EXPECT_EQ(d.AbstaendeBewY(), (Abstaende{110, 50, 50}));
    EXPECT_EQ(d.AbstaendeBewX(), (Abstaende{60}));
}

TEST(KatalogTest, LadenFuelltZweiteSerieMitEigenenWerten) {
    TKDornDaten d;
    ASSERT_TRUE(d.Laden(13));
    EXPECT_EQ(d.DornIndex(), 13);
    EXPECT_EQ(d.DornDurchmesser(), 52);
    EXPECT_EQ(d.OeffnungBreite(), 70);
    EXPECT_EQ(d.OeffnungHoehe(), 54);
    EXPECT_EQ(d.HuelsenBreite(), 252);
    EXPECT_EQ(d.Einbindelaenge(), 295);
    EXPECT_EQ(d.AbstaendeBewX(), (Abstaende{60, 70}));
    EXPECT_EQ(d.AbstaendeBewY(), (Abstaende{255, 60, 60, 60, 60}));
    EXPECT_EQ(d.FRdStahlTabelle()[6], 357);

    // The sizes shared by both series, but not the series-specific ones.
    ASSERT_TRUE(d.Laden(8));
    EXPECT_EQ(d.BreiteBewY(), 220);
    EXPECT_EQ(d.Einbindelaenge(), 175);
    EXPECT_EQ(d.AbstaendeBewY(), (Abstaende{140, 50, 50}));
    ASSERT_TRUE(d.Laden(1));
    EXPECT_EQ(d.BreiteBewY(), 240);
    EXPECT_EQ(d.OeffnungBreite(), 0);
}

TEST(KatalogTest, LadenFuerKleinstenTyp) {
    TKDornDaten d(0);
    EXPECT_EQ(d.AbstaendeBewX(), (Abstaende{60}));
    EXPECT_EQ(d.AbstaendeBewY(), (Abstaende{90, 50}));
    EXPECT_EQ(d.Blechdicke(), 2.5);
    EXPECT_EQ(d.DickeMin(), 160);
    EXPECT_EQ(d.StdRandabstand(), 90);
    EXPECT_EQ(d.StdRandabstand2(), 90);
    EXPECT_EQ(d.StdAchsabstand(), 225);
}

TEST(KatalogTest, LadenVerwirftRechenwerte) {
    TKDornDaten d(5);
    d.SetAnzahlBewX(4);
    d.SetAbstaendeBewX({1, 2, 3, 4});
    d.SetBreiteBewY(999);
    ASSERT_TRUE(d.Laden(5));
    EXPECT_EQ(d.AnzahlBewX(), 2);
    EXPECT_EQ(d.AbstaendeBewX(), (Abstaende{60, 70}));
    EXPECT_EQ(d.BreiteBewY(), 400);
}

TEST(KatalogTest, UngueltigerTypLaesstDatensatzUnveraendert) {
    TKDornDaten d(4);
    EXPECT_FALSE(d.Laden(14));
    EXPECT_FALSE(d.Laden(-1));
    EXPECT_EQ(d.DornIndex(), 4);
    EXPECT_EQ(d.DornDurchmesser(), 35);
}

TEST(KatalogTest, KopieIstTiefUndBehaeltGeaenderteFelder) {
    TKDornDaten quelle(3);
    quelle.SetAnzahlBewY(14);
    quelle.SetAbstaendeBewY({135, 70, 70, 70, 70, 70});
    TKDornDaten kopie(quelle);
    EXPECT_EQ(kopie.AbstaendeBewY(), quelle.AbstaendeBewY());
    EXPECT_EQ(kopie.AnzahlBewY(), 14);
    kopie.SetAbstaendeBewY({1});
    kopie.SetDornDurchmesser(1);
    EXPECT_EQ(quelle.AbstaendeBewY().size(), 6u);
    EXPECT_EQ(quelle.DornDurchmesser(), 30);
}

TEST(KatalogTest, AbstandAusserhalbDesFeldesIstNull) {
    const TKDornDaten d(0);
    EXPECT_EQ(d.AbstandBewY(1), 50);
    EXPECT_EQ(d.AbstandBewY(2), 0);
    EXPECT_EQ(d.AbstandBewX(-1), 0);
}

TEST(KatalogTest, NamenUndKennungen) {
    EXPECT_EQ(DornName(0), "TRV 18");
    EXPECT_EQ(DornName(6), "TRV 52");
    EXPECT_EQ(DornName(7), "ZEDE 18");
    EXPECT_EQ(DornKennung(13), "ZEDE_52");
    EXPECT_EQ(DornKennung(3), "TRV_30");
    EXPECT_EQ(DornName(14), "");
    EXPECT_EQ(DornKennung(-1), "");
}

TEST(KatalogTest, StabIndexUndQuerschnitt) {
    EXPECT_EQ(StabIndex(6), 0);
    EXPECT_EQ(StabIndex(16), 5);
    EXPECT_EQ(StabIndex(28), 8);
    // A diameter not in the table takes the 6 mm bar.
    EXPECT_EQ(StabIndex(18), 0);
    EXPECT_EQ(StabQuerschnitt(StabIndex(12)), 113.1);
    EXPECT_EQ(StabQuerschnitt(StabIndex(25)), 491);
    EXPECT_EQ(StabDurchmesser(6), 20);
}

TEST(KatalogTest, KonstantenJeTypGeltenFuerBeideSerien) {
    EXPECT_EQ(WplDorn(0), 972);
    EXPECT_EQ(WplDorn(13), 23435);
    EXPECT_EQ(FestigkeitDorn(11), 690);
    EXPECT_EQ(StreckgrenzeBlech(4), 295);
    EXPECT_EQ(ZugfestigkeitBlech(3), 600);
    EXPECT_EQ(BetonFaktor2(7), 0.36);
    EXPECT_EQ(DurchstanzFaktor(4), 1.5);
    EXPECT_EQ(DickeAbzug(8), 20);
    EXPECT_EQ(DickeGrenze(2), 240);
    EXPECT_EQ(ZuschlagBewY(9), 40);
    EXPECT_EQ(AbstandBewY0(2), 120);
    EXPECT_EQ(AbstandBewY0(9), 135);
    EXPECT_EQ(AbstandBewX1(0), 60);
    EXPECT_EQ(AbstandBewX1(7 + 1), 70);
    // The margin of the y-bar zone equals the further y-bar spacing for every type.
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        EXPECT_EQ(ZuschlagBewY(typ), AbstandBewY1(typ)) << typ;
    }
}

TEST(KatalogTest, FugenbreiteZulaessigJeGroesse) {
    EXPECT_TRUE(FugenbreiteZulaessig(0, 4));
    EXPECT_FALSE(FugenbreiteZulaessig(0, 5));
    EXPECT_FALSE(FugenbreiteZulaessig(7, 6));
    EXPECT_TRUE(FugenbreiteZulaessig(8, 5));
    EXPECT_FALSE(FugenbreiteZulaessig(9, 6));
    EXPECT_TRUE(FugenbreiteZulaessig(10, 6));
    EXPECT_FALSE(FugenbreiteZulaessig(10, 7));
    EXPECT_FALSE(FugenbreiteZulaessig(10, -1));
}

TEST(KatalogTest, Materialtabellen) {
    EXPECT_EQ(Fugenbreiten(3), 30);
    EXPECT_EQ(BetonFestigkeit(0), 15); // not 16
    EXPECT_EQ(BetonFestigkeit(3), 30);
    EXPECT_EQ(TauRd(1), 0.26);
    EXPECT_EQ(Verbundspannung(2), 2.4);
    EXPECT_EQ(StahlNamen(1), "450 N/mm\u00b2");
    EXPECT_EQ(StahlFyk(1), 450);
    EXPECT_EQ(StahlGammaS(0), 1.15);
}

TEST(KatalogTest, IndexAusserhalbWirdBegrenzt) {
    EXPECT_EQ(WplDorn(200), WplDorn(13));
    EXPECT_EQ(WplDorn(-5), WplDorn(0));
    EXPECT_EQ(BetonFestigkeit(9), 30);
    EXPECT_EQ(StabQuerschnitt(-1), 28.3);
    EXPECT_EQ(FRdStahlKatalog(0, 99), 23.7);
    EXPECT_EQ(TKDornDaten(99).DornIndex(), 13);
}

} // namespace
} // namespace trv
