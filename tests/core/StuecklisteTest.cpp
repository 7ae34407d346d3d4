#include "model/Stueckliste.h"

#include "model/Projektdaten.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv {
namespace {

using Zeilen = std::vector<std::string>;

TKStueckliste DreiEintraege() {
    TKStueckliste s;
    s.EintragHinzufuegen({"A"});
    s.EintragHinzufuegen({"B"});
    s.EintragHinzufuegen({"C"});
    return s;
}

TEST(StuecklisteTest, LoeschenRueckt) {
    TKStueckliste s = DreiEintraege();
    ASSERT_TRUE(s.EintragLoeschen(1));
    ASSERT_EQ(s.AnzEintraege(), 2);
    EXPECT_EQ(s.GetEintrag(1), Zeilen{"B"});
    EXPECT_EQ(s.GetEintrag(2), Zeilen{"C"});
    EXPECT_FALSE(s.EintragLoeschen(0));
    EXPECT_FALSE(s.EintragLoeschen(3));
    EXPECT_EQ(s.AnzEintraege(), 2);
}

TEST(StuecklisteTest, ErsetzenNurImBereich) {
    TKStueckliste s = DreiEintraege();
    EXPECT_FALSE(s.EintragErsetzen({"X"}, 4));
    EXPECT_FALSE(s.EintragErsetzen({"X"}, 0));
    EXPECT_EQ(s.GetEintrag(3), Zeilen{"C"});
    EXPECT_TRUE(s.EintragErsetzen({"X", "Y"}, 2));
    EXPECT_EQ(s.GetEintrag(2), (Zeilen{"X", "Y"}));
    EXPECT_TRUE(s.GetEintrag(4).empty());
}

TEST(StuecklisteTest, BemerkungIstKopie) {
    TKStueckliste s;
    Zeilen z{"eins", "zwei"};
    s.SetBemerkung(z);
    z[0] = "geaendert";
    EXPECT_EQ(s.GetBemerkung(), (Zeilen{"eins", "zwei"}));
    s.EintraegeLoeschen();
    EXPECT_EQ(s.AnzEintraege(), 0);
}

TEST(StuecklisteTest, KopieIstTief) {
    TKStueckliste quelle = DreiEintraege();
    TKStueckliste kopie(quelle);
    kopie.EintragErsetzen({"Z"}, 1);
    EXPECT_EQ(quelle.GetEintrag(1), Zeilen{"A"});
}

TEST(ProjektdatenTest, NeueBeschreibungUndFirmenzeilen) {
    TKProjektdaten p("01.02.2026");
    EXPECT_TRUE(p.Bauvorhaben().empty());
    EXPECT_TRUE(p.Firma().empty());
    EXPECT_TRUE(p.Bearbeiter().empty());
    EXPECT_EQ(p.Datum(), "01.02.2026");
    Zeilen firma{"Firma", "Strasse"};
    p.SetFirma(firma);
    firma.push_back("Ort");
    EXPECT_EQ(p.Firma().size(), 2u);
}

} // namespace
} // namespace trv
