#include "model/Modell.h"

#include "files/Einstellungen.h"
#include "files/Ressourcen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace trv {
namespace {

namespace fs = std::filesystem;

// Each test gets its own INI file in a fresh folder.
class ModellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("trv-modell-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
        pfad_ = ordner_ / "trv.INI";
    }
    void TearDown() override { fs::remove_all(ordner_); }

    void Schreiben(const std::string& inhalt) { std::ofstream(pfad_, std::ios::binary) << inhalt; }
    TKIniDatei Ini() const { return TKIniDatei(pfad_, TKRegional::Standard()); }
    std::unique_ptr<TKModell> NeuesModell() const {
        return std::make_unique<TKModell>(Ini(), TKRegional::Standard("24.12.2026"));
    }
    double Gespeichert(const einstellung::Schluessel& s) const {
        return Ini().LeseFloat(s.Sektion, s.Name, -1);
    }

    fs::path ordner_;
    fs::path pfad_;
};

TEST_F(ModellTest, NeuesModell) {
    auto m = NeuesModell();
    EXPECT_EQ(m->AnzAnwendung(), 1);
    EXPECT_EQ(m->AktAnwendung(), 1);
    EXPECT_EQ(m->Anwendung(1).Position(), "1");
    EXPECT_EQ(m->SkizzeAnzeige(), 5);
    EXPECT_FALSE(m->CalcFlag());
    EXPECT_TRUE(m->TempFlag());
    EXPECT_EQ(m->EingabeDorn(), 1);
    EXPECT_EQ(m->EingabeFugenbreite(), 3);
    EXPECT_EQ(m->DornDaten().DornIndex(), 1);
    EXPECT_EQ(m->Projektbeschreibung().Datum(), "24.12.2026");
    EXPECT_TRUE(m->Projektbeschreibung().Firma().empty());
    EXPECT_EQ(m->Stueckliste().AnzEintraege(), 0);
}

TEST_F(ModellTest, VorgabenOhneAnwenderdaten) {
    Schreiben("[ProjektDaten]\nTBearbeiter=Muster\n");
    auto m = NeuesModell();
    EXPECT_EQ(m->Projektbeschreibung().Bearbeiter(), "Muster");
    m->SetAnzAnwendung(2);
    const TKAnwendung& a = m->Anwendung(2);
    EXPECT_EQ(a.MaxDornabstand(), 1);
    EXPECT_EQ(a.Stahlguete(), 0);
    EXPECT_EQ(a.GammaMs(), 1.05);
    // A position on its own reads "Land"; only the model applies the language (2055 here).
    EXPECT_EQ(a.AktLand(), 0);
    EXPECT_EQ(m->Anwendung(1).AktLand(), 7);
    for (const TKLast* l :
         {&a.BelastungDesign().Punktlast(), &a.BelastungDesign().LinienLastLinks(),
          &a.BelastungDesign().LinienLastRechts()}) {
        EXPECT_EQ(l->gg(), 1.35);
        EXPECT_EQ(l->gq(), 1.5);
        EXPECT_EQ(l->Fd(), 0);
    }
}

TEST_F(ModellTest, VorgabenAusDerIni) {
    Schreiben("[Anwenderdaten]\nBemessung=0\nStahlguete=1\nGammaMs=1,1\nLand=3\n"
              "Punktlast_Tgg=1.25\nLinienlastRechts_Tgq=1.6\n");
    auto m = NeuesModell();
    m->SetAnzAnwendung(2);
    const TKAnwendung& a = m->Anwendung(2);
    EXPECT_EQ(a.MaxDornabstand(), 0);
    EXPECT_EQ(a.Stahlguete(), 1);
    EXPECT_EQ(a.GammaMs(), 1.1);
    EXPECT_EQ(a.AktLand(), 3);
    EXPECT_EQ(a.BelastungDesign().Punktlast().gg(), 1.25);
    EXPECT_EQ(a.BelastungDesign().LinienLastRechts().gq(), 1.6);
    EXPECT_EQ(a.BelastungDesign().LinienLastLinks().gq(), 1.5);
}

TEST_F(ModellTest, FaktorenAusserhalbIhresBereichsGeltenNicht) {
    // A cleared field used to leave 0 here, and a hand-edited file may hold anything: a new
    // position must still design for the factored load.
    Schreiben("[Anwenderdaten]\nPunktlast_Tgg=0\nPunktlast_Tgq=-1.5\nLinienlastLinks_Tgg=0,9\n"
              "LinienlastLinks_Tgq=2.5\nLinienlastRechts_Tgg=1\nLinienlastRechts_Tgq=2\n");
    auto m = NeuesModell();
    TKBelastung& b = m->Anwendung(1).BelastungDesign();
    EXPECT_EQ(b.Punktlast().gg(), 1.35);
    EXPECT_EQ(b.Punktlast().gq(), 1.5);
    EXPECT_EQ(b.LinienLastLinks().gg(), 1.35);
    EXPECT_EQ(b.LinienLastLinks().gq(), 1.5);
    EXPECT_EQ(b.LinienLastRechts().gg(), 1.0);
    EXPECT_EQ(b.LinienLastRechts().gq(), 2.0);
    b.Punktlast().SetGk(100);
    EXPECT_DOUBLE_EQ(b.Punktlast().Fd(), 135);
}

TEST_F(ModellTest, SpracheBestimmtLand) {
    Schreiben("[Anwenderdaten]\nIDSprache=1040\n");
    EXPECT_EQ(NeuesModell()->Anwendung(1).AktLand(), 6);
    Schreiben("[Anwenderdaten]\nIDSprache=2057\n");
    EXPECT_EQ(NeuesModell()->Anwendung(1).AktLand(), 0);
    EXPECT_EQ(LandAusSprache(3082), 1);
    EXPECT_EQ(LandAusSprache(1034), 1);
    EXPECT_EQ(LandAusSprache(1043), 4);
    EXPECT_EQ(LandAusSprache(1036), 5);
    EXPECT_EQ(LandAusSprache(-1), 0);
}

TEST_F(ModellTest, FirmenzeilenAusDerIni) {
    Schreiben("[ProjektDaten]\nTFirmaZeilen=2\nTFirma1=A\n");
    auto m = NeuesModell();
    EXPECT_EQ(m->Projektbeschreibung().Firma(), (std::vector<std::string>{"A", ""}));
}

TEST_F(ModellTest, BezeichnungenUeberlebenLoeschen) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(3);
    m->Anwendung(1).SetPosition("A");
    m->Anwendung(2).SetPosition("B");
    m->Anwendung(3).SetPosition("C");
    m->Anwendung(3).Geometrie().SetPlatteDicke(333);
    m->SetAktAnwendung(3);
    ASSERT_TRUE(m->PositionLoeschen(2));
    ASSERT_EQ(m->AnzAnwendung(), 2);
    EXPECT_EQ(m->Anwendung(1).Position(), "A");
    EXPECT_EQ(m->Anwendung(2).Position(), "C");
    EXPECT_EQ(m->Anwendung(2).Geometrie().PlatteDicke(), 333);
    EXPECT_EQ(m->AktAnwendung(), 2);
}

TEST_F(ModellTest, LetztePositionBleibt) {
    auto m = NeuesModell();
    std::string meldung;
    EXPECT_FALSE(m->PositionLoeschen(1, &meldung));
    EXPECT_EQ(meldung, "It is only a position in the existing project.\r\n\r\nThe last position "
                       "cannot be removed!");
    EXPECT_EQ(m->AnzAnwendung(), 1);
    m->SetAnzAnwendung(2);
    meldung.clear();
    EXPECT_FALSE(m->PositionLoeschen(3, &meldung));
    EXPECT_TRUE(meldung.empty());
    EXPECT_EQ(m->AnzAnwendung(), 2);
}

TEST_F(ModellTest, PositionHinzufuegenKopiertDieAktuelle) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(3);
    TKAnwendung& zwei = m->Anwendung(2);
    zwei.SetBetonguete(1);
    zwei.Geometrie().SetFugenlaenge(4500);
    zwei.BelastungDesign().PunktHinzufuegen(700, 12);
    zwei.Ergebnisse().DornErgebnis(5).Fehler().MeldungHinzufuegen(4);
    zwei.Ergebnisse().SetAktDorn(9);
    m->SetAktAnwendung(2);

    // As the "Add Position" command does it.
    const int n = m->AnzAnwendung();
    m->SetAnzAnwendung(n + 1);
    ASSERT_TRUE(m->PositionKopieren(m->AktAnwendung(), n + 1));
    const TKAnwendung& neu = m->Anwendung(4);
    EXPECT_EQ(neu.Position(), "4");
    EXPECT_EQ(neu.Betonguete(), 1);
    EXPECT_EQ(neu.Geometrie().Fugenlaenge(), 4500);
    EXPECT_EQ(neu.BelastungDesign().beliebigeLast(), zwei.BelastungDesign().beliebigeLast());
    EXPECT_EQ(neu.Ergebnisse().AktDorn(), 9);
    EXPECT_EQ(neu.Ergebnisse().DornErgebnis(5).Fehler().Codes(),
              zwei.Ergebnisse().DornErgebnis(5).Fehler().Codes());

    // Deep: changing the copy leaves the source alone.
    m->Anwendung(4).BelastungDesign().PunkteLoeschen();
    m->Anwendung(4).Ergebnisse().DornErgebnis(5).Fehler().MeldungenLoeschen();
    EXPECT_EQ(zwei.BelastungDesign().AnzPunkte(), 3);
    EXPECT_EQ(zwei.Ergebnisse().DornErgebnis(5).Fehler().Anzahl(), 1);
}

TEST_F(ModellTest, KopierenAusserhalbAendertNichts) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(2);
    EXPECT_FALSE(m->PositionKopieren(0, 1));
    EXPECT_FALSE(m->PositionKopieren(1, 3));
    EXPECT_EQ(m->Anwendung(2).Position(), "2");
    EXPECT_TRUE(m->PositionKopieren(2, 2));
    EXPECT_EQ(m->Anwendung(2).Position(), "2");
}

TEST_F(ModellTest, ZuletztZerstoertePositionEntscheidet) {
    {
        auto m = NeuesModell();
        m->SetAnzAnwendung(2);
        m->Anwendung(1).BelastungDesign().Punktlast().Setgg(1.2);
        m->Anwendung(2).BelastungDesign().Punktlast().Setgg(1.4);
        m->Anwendung(2).BelastungDesign().LinienLastRechts().Setgq(1.7);
    }
    EXPECT_EQ(Gespeichert(einstellung::PunktlastTgg), 1.2);
    EXPECT_EQ(Gespeichert(einstellung::LinienlastRechtsTgq), 1.5);
    // The stored factors are the defaults of the next new position.
    auto m = NeuesModell();
    EXPECT_EQ(m->Anwendung(1).BelastungDesign().Punktlast().gg(), 1.2);
}

TEST_F(ModellTest, VerkleinernSchreibtDieEntferntenRueckwaerts) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(3);
    m->Anwendung(2).BelastungDesign().LinienLastLinks().Setgg(1.1);
    m->Anwendung(3).BelastungDesign().LinienLastLinks().Setgg(1.3);
    m->SetAnzAnwendung(1);
    // Position 3 went first, position 2 last.
    EXPECT_EQ(Gespeichert(einstellung::LinienlastLinksTgg), 1.1);
    EXPECT_EQ(m->AnzAnwendung(), 1);
    m->SetAnzAnwendung(0);
    EXPECT_EQ(m->AnzAnwendung(), 1);
}

TEST_F(ModellTest, LoeschenSchreibtDieLetztePosition) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(3);
    m->Anwendung(1).BelastungDesign().Punktlast().Setgq(1.1);
    m->Anwendung(2).BelastungDesign().Punktlast().Setgq(1.2);
    m->Anwendung(3).BelastungDesign().Punktlast().Setgq(1.3);
    ASSERT_TRUE(m->PositionLoeschen(1));
    // The contents moved up and the last element was destroyed: it held position 3.
    EXPECT_EQ(Gespeichert(einstellung::PunktlastTgq), 1.3);
    EXPECT_EQ(m->Anwendung(1).BelastungDesign().Punktlast().gq(), 1.2);
    m.reset();
    // Destroyed last to first: the former position 2 is now position 1.
    EXPECT_EQ(Gespeichert(einstellung::PunktlastTgq), 1.2);
}

TEST_F(ModellTest, ErsetzteZielpositionSchreibtBeimKopieren) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(2);
    m->Anwendung(1).BelastungDesign().Punktlast().Setgg(1.15);
    m->Anwendung(2).BelastungDesign().Punktlast().Setgg(1.45);
    ASSERT_TRUE(m->PositionKopieren(1, 2));
    EXPECT_EQ(Gespeichert(einstellung::PunktlastTgg), 1.45);
    EXPECT_EQ(m->Anwendung(2).BelastungDesign().Punktlast().gg(), 1.15);
}

TEST_F(ModellTest, PositionOhneIniSchreibtNichts) {
    {
        TKAnwendung a;
        a.BelastungDesign().Punktlast().Setgg(9);
    }
    EXPECT_FALSE(fs::exists(pfad_));
    const TKAnwendung a;
    EXPECT_EQ(a.Position(), Ressource(res::Unbenannt));
    EXPECT_EQ(a.Anwendungsfall(), 1);
    EXPECT_EQ(a.Betonguete(), 3);
    EXPECT_EQ(a.BewehrungCalc(), 0);
}

TEST_F(ModellTest, AnwendungsnummerWirdBegrenzt) {
    auto m = NeuesModell();
    m->SetAnzAnwendung(2);
    m->SetAktAnwendung(7);
    EXPECT_EQ(&m->AktuelleAnwendung(), &m->Anwendung(2));
    EXPECT_EQ(&m->Anwendung(0), &m->Anwendung(1));
}

} // namespace
} // namespace trv
