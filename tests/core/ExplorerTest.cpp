#include "files/Explorer.h"

#include "Testprojekte.h"
#include "files/Ressourcen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv {
namespace {

using Zeile = std::vector<std::string>;

class Explorer : public ::testing::Test {
protected:
    // A saved project of three positions: a single connector whose stored joint length
    // (2345 mm) differs from the sum of its edge distances, and two rows.
    void SetUp() override {
        auto modell = test::NeuesModell();
        modell->Projektbeschreibung().SetBauvorhaben("Brücke Nord");
        modell->Projektbeschreibung().SetDatum("24.12.2026");
        modell->SetAnzAnwendung(3);
        TKAnwendung& einzeln = modell->Anwendung(1);
        einzeln.SetAnwendungsfall(0);
        einzeln.Geometrie().SetFugenlaenge(2345);
        einzeln.Geometrie().SetRandLinks(true);
        einzeln.Geometrie().SetRandRechts(true);
        modell->Anwendung(2).SetPosition("Achse B");
        modell->Anwendung(3).SetAnwendungsfall(2);
        modell->Anwendung(3).Geometrie().SetFugenlaenge(6000);
        ASSERT_TRUE(modell->Speichern(datei_).Ok);
    }

    TKDateiErgebnis Lesen(char trenner = '.') { return explorer_.ProjektLesen(datei_, trenner); }

    test::TempOrdner ordner_;
    std::string datei_ = ordner_.Datei("p.TRV");
    TKExplorer explorer_;
};

TEST_F(Explorer, OneRowOfSixStringsPerPosition) {
    const TKDateiErgebnis e = Lesen();
    EXPECT_TRUE(e.Ok);
    EXPECT_TRUE(e.Meldungen.empty());
    ASSERT_EQ(explorer_.Zeilen().size(), 3u);
    EXPECT_EQ(explorer_.Zeilen()[0], (Zeile{"TRV_1.0", "Brücke Nord", "1", "Single shear connector",
                                            "234.5 cm", "24.12.2026"}));
    EXPECT_EQ(explorer_.Zeilen()[1],
              (Zeile{"TRV_1.0", "Brücke Nord", "Achse B", "Connector row, slab to slab", "200.0 cm",
                     "24.12.2026"}));
    EXPECT_EQ(explorer_.Zeilen()[2][TKExplorer::Verbindung], "Connector row, slab to wall");
    EXPECT_EQ(explorer_.Zeilen()[2][TKExplorer::Fugenlaenge], "600.0 cm");
}

TEST_F(Explorer, LengthsUseTheRegionalSeparator) {
    Lesen(',');
    ASSERT_FALSE(explorer_.Zeilen().empty());
    EXPECT_EQ(explorer_.Zeilen()[0][TKExplorer::Fugenlaenge], "234,5 cm");
}

TEST_F(Explorer, RowsAreAppendedToTheExistingOnes) {
    explorer_.ZeileHinzufuegen({"a", "b", "c", "d", "e", "f"});
    Lesen();
    EXPECT_EQ(explorer_.Zeilen().size(), 4u);
    EXPECT_EQ(explorer_.Zeilen()[0][0], "a");
}

TEST_F(Explorer, ForeignFileGivesItsMessageAndNoRows) {
    test::DateiSchreiben(datei_,
                         "<TRV_1.0><Copyright/><Program Name=\"Other\"/><Projekt/></TRV_1.0>");
    const TKDateiErgebnis e = Lesen();
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiUngueltig)}));
    EXPECT_TRUE(explorer_.Zeilen().empty());
}

TEST_F(Explorer, OldVersionWarnsAndReads) {
    std::string text = test::DateiInhalt(datei_);
    text.replace(text.find("TRV - 1.0"), 9, "TRV - 0.9");
    test::DateiSchreiben(datei_, text);
    const TKDateiErgebnis e = Lesen();
    EXPECT_TRUE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiAlteVersion)}));
    EXPECT_EQ(explorer_.Zeilen().size(), 3u);
}

TEST_F(Explorer, UnreadableFileGivesNoRowsAndNoMessage) {
    test::DateiSchreiben(datei_, "<TRV_1.0><Copyright/>");
    const TKDateiErgebnis e = Lesen();
    EXPECT_FALSE(e.Ok);
    EXPECT_TRUE(e.Meldungen.empty());
    EXPECT_TRUE(explorer_.Zeilen().empty());
}

TEST_F(Explorer, ReadingStopsAtAValueThatCannotBeShown) {
    std::string text = test::DateiInhalt(datei_);
    const std::string fall = "<TAnwendungsfall>2</TAnwendungsfall>";
    text.replace(text.find(fall), fall.size(), "<TAnwendungsfall>7</TAnwendungsfall>");
    test::DateiSchreiben(datei_, text);
    const TKDateiErgebnis e = Lesen();
    EXPECT_FALSE(e.Ok);
    EXPECT_TRUE(e.Meldungen.empty());
    EXPECT_EQ(explorer_.Zeilen().size(), 2u);
}

TEST_F(Explorer, ElementsWithoutChildrenReadAsNotAvailable) {
    test::DateiSchreiben(
        datei_, "<TRV_1.0><Copyright/><Program Name=\"Varnel - TRV / ZEDE Shear Connector\" "
                "Version=\"TRV - 1.0\"/><Projekt><TAnzAnwendung>2</TAnzAnwendung><Position_1>"
                "<TAnwendungsfall>1</TAnwendungsfall><TPosition>P</TPosition><cGeometrie>"
                "<TFugenlaenge>1000</TFugenlaenge></cGeometrie></Position_1></Projekt></TRV_1.0>");
    const TKDateiErgebnis e = Lesen();
    EXPECT_TRUE(e.Ok) << e.Grund;
    ASSERT_EQ(explorer_.Zeilen().size(), 2u);
    EXPECT_EQ(explorer_.Zeilen()[0],
              (Zeile{"TRV_1.0", "#NV", "P", "Connector row, slab to slab", "100.0 cm", "#NV"}));
    // No element at all for position 2: every value is its default.
    EXPECT_EQ(explorer_.Zeilen()[1],
              (Zeile{"TRV_1.0", "#NV", "#NV", "Single shear connector", "0.0 cm", "#NV"}));
}

TEST_F(Explorer, MissingNumberInAPositionWithValuesEndsTheReading) {
    test::DateiSchreiben(
        datei_, "<TRV_1.0><Copyright/><Program Name=\"Varnel - TRV / ZEDE Shear Connector\" "
                "Version=\"TRV - 1.0\"/><Projekt><TAnzAnwendung>1</TAnzAnwendung><Position_1>"
                "<TPosition>P</TPosition></Position_1></Projekt></TRV_1.0>");
    EXPECT_FALSE(Lesen().Ok);
    EXPECT_TRUE(explorer_.Zeilen().empty());
}

} // namespace
} // namespace trv
