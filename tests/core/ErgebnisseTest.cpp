#include "model/Ergebnisse.h"

#include <gtest/gtest.h>

#include <vector>

namespace trv {
namespace {

TEST(MeldungenTest, OhneDoppelteInReihenfolge) {
    TKMeldungen m;
    m.MeldungHinzufuegen(3);
    m.MeldungHinzufuegen(3);
    m.MeldungHinzufuegen(7);
    EXPECT_EQ(m.Codes(), (std::vector<std::uint16_t>{3, 7}));
    EXPECT_EQ(m.Meldung(1), 7);
    EXPECT_EQ(m.Meldung(2), 0);
    m.MeldungenLoeschen();
    EXPECT_EQ(m.Anzahl(), 0);
}

TEST(DornErgebnisTest, AnfangswerteDesTyps) {
    const TKDornErgebnis e(6);
    EXPECT_EQ(e.DornAbstand(), (std::vector<double>{450}));
    EXPECT_EQ(e.AbstandLinks(), 225);
    EXPECT_EQ(e.AbstandRechts(), 225);
    EXPECT_EQ(e.IstMinAchs(), 450);
    EXPECT_EQ(e.Status(), 0);
    EXPECT_TRUE(e.Statusd());
    EXPECT_FALSE(e.AbstandMeldung());
    EXPECT_EQ(e.FRd(), 0);
}

TEST(DornErgebnisTest, FRdIstKleinsterWiderstand) {
    TKDornErgebnis e(0);
    e.SetFRdStahl(50);
    e.SetFRdBeton(40);
    e.SetFRdBewehrung(60);
    EXPECT_EQ(e.FRd(), 40);
    e.SetFRdBeton(70);
    EXPECT_EQ(e.FRd(), 50);
    // Reading a file stores FRd as written.
    e.SetFRd(12);
    EXPECT_EQ(e.FRd(), 12);
    EXPECT_EQ(e.FRdStahl(), 50);
}

TEST(DornErgebnisTest, Abstaende) {
    TKDornErgebnis e(0);
    e.DornAbstandLoeschen();
    EXPECT_EQ(e.GroessterDornAbstand(), 0);
    e.DornAbstandHinzufuegen(200);
    e.DornAbstandHinzufuegen(350);
    e.DornAbstandHinzufuegen(300);
    EXPECT_EQ(e.GroessterDornAbstand(), 350);
    EXPECT_EQ(e.GetDornAbstand(-1), 0);
    EXPECT_EQ(e.GetDornAbstand(3), 0);
    EXPECT_EQ(e.GetDornAbstand(2), 300);
    e.SetDornAbstand({-5, 0});
    EXPECT_EQ(e.GroessterDornAbstand(), 0);
}

TEST(ErgebnisseTest, NeueErgebnisse) {
    const TKErgebnisse r;
    EXPECT_EQ(r.AktDorn(), 1);
    EXPECT_FALSE(r.Berechnet());
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        EXPECT_EQ(r.GetAnzDorn(typ), 1) << typ;
        EXPECT_EQ(r.DornDaten(typ).DornIndex(), typ);
        EXPECT_EQ(r.DornErgebnis(typ).IstMinAchs(), TKDornDaten(typ).StdAchsabstand());
    }
    EXPECT_EQ(r.DornErgebnis(6).DornAbstand(), (std::vector<double>{450}));
    EXPECT_EQ(r.DornErgebnis(6).AbstandLinks(), 225);
    EXPECT_EQ(r.Geometrie().Fugenlaenge(), 2000);
}

TEST(ErgebnisseTest, KopieIstTief) {
    TKErgebnisse quelle;
    quelle.DornErgebnis(3).Fehler().MeldungHinzufuegen(2);
    quelle.DornDaten(3).SetAbstaendeBewX({1, 2, 3});
    quelle.SetAnzDorn(3, 9);
    quelle.SetBerechnet(true);
    TKErgebnisse kopie(quelle);
    EXPECT_EQ(kopie.GetAnzDorn(3), 9);
    EXPECT_TRUE(kopie.Berechnet());
    kopie.DornErgebnis(3).Fehler().MeldungenLoeschen();
    kopie.DornDaten(3).SetAbstaendeBewX({});
    kopie.Geometrie().SetPlatteDicke(1);
    EXPECT_EQ(quelle.DornErgebnis(3).Fehler().Anzahl(), 1);
    EXPECT_EQ(quelle.DornDaten(3).AbstaendeBewX().size(), 3u);
    EXPECT_EQ(quelle.Geometrie().PlatteDicke(), 450);
}

TEST(ErgebnisseTest, DornVorbereitenLaedtKatalogNeu) {
    TKErgebnisse r;
    r.DornDaten(4).SetAnzahlBewY(20);
    r.DornVorbereiten(4);
    EXPECT_EQ(r.AktDorn(), 4);
    EXPECT_EQ(r.DornDaten(4).AnzahlBewY(), 10);
    r.DornVorbereiten(14);
    EXPECT_EQ(r.AktDorn(), 4);
}

TEST(ErgebnisseTest, TypIndexAusserhalb) {
    TKErgebnisse r;
    r.SetAnzDorn(14, 7);
    r.SetAnzDorn(-1, 7);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        EXPECT_EQ(r.GetAnzDorn(typ), 1);
    }
    EXPECT_EQ(r.GetAnzDorn(99), 1);
    EXPECT_EQ(&r.DornErgebnis(99), &r.DornErgebnis(13));
}

} // namespace
} // namespace trv
