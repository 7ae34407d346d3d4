// The project file as the model writes and reads it.
#include "files/Projektdatei.h"

#include "Testprojekte.h"
#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "files/XmlDokument.h"
#include "model/Modell.h"
#include "model/Nutzertext.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace trv {
namespace {

namespace fs = std::filesystem;
using test::DateiInhalt;
using test::DateiSchreiben;
using test::NeuesModell;

// Saves the model, opens the file into a new model and saves that under the same name.
struct Rundreise {
    std::string Erste;
    std::string Zweite;
    std::unique_ptr<TKModell> Gelesen;
};

Rundreise RundreiseMachen(TKModell& modell, const std::string& datei, char trenner = '.') {
    Rundreise r;
    EXPECT_TRUE(modell.Speichern(datei).Ok);
    r.Erste = DateiInhalt(datei);
    r.Gelesen = NeuesModell(trenner);
    const TKDateiErgebnis offen = r.Gelesen->Oeffnen(datei);
    EXPECT_TRUE(offen.Ok) << offen.Grund;
    EXPECT_TRUE(offen.Meldungen.empty());
    EXPECT_TRUE(r.Gelesen->Speichern(datei).Ok);
    r.Zweite = DateiInhalt(datei);
    return r;
}

std::vector<std::string> KinderNamen(xml::TKElement e) {
    std::vector<std::string> namen;
    for (xml::TKElement k = e.KindAn(0); k; k = k.NaechstesGeschwister()) {
        namen.push_back(k.Name());
    }
    return namen;
}

xml::TKDokument Laden(const std::string& datei) {
    xml::TKLadeFehler f;
    auto dok = xml::TKDokument::Laden(datei, f);
    EXPECT_TRUE(dok) << f.Grund;
    return dok ? std::move(*dok) : xml::TKDokument();
}

// Rewrites a saved file with a text replacement (the first occurrence).
void Ersetzen(const std::string& datei, const std::string& alt, const std::string& neu) {
    std::string text = DateiInhalt(datei);
    const auto stelle = text.find(alt);
    ASSERT_NE(stelle, std::string::npos) << alt;
    text.replace(stelle, alt.size(), neu);
    DateiSchreiben(datei, text);
}

class Projektdatei : public ::testing::Test {
protected:
    test::TempOrdner ordner_;
    std::string datei_ = ordner_.Datei("projekt.TRV");
};

TEST_F(Projektdatei, SavingOpeningAndSavingAgainGivesTheSameFile) {
    const std::vector<std::function<void(TKModell&)>> projekte{
        test::EinzeldornProjekt, test::PlattePlatteProjekt, test::PlatteWandProjekt,
        test::DreiPositionenProjekt};
    for (const auto& machen : projekte) {
        auto modell = NeuesModell();
        machen(*modell);
        const Rundreise r = RundreiseMachen(*modell, datei_);
        EXPECT_EQ(r.Erste, r.Zweite);
        EXPECT_TRUE(r.Gelesen->AktuelleAnwendung().Ergebnisse().Berechnet());
    }
}

TEST_F(Projektdatei, DocumentFrameAndProjectValuesInTheirOrder) {
    auto modell = NeuesModell();
    test::DreiPositionenProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    const xml::TKDokument dok = Laden(datei_);
    const xml::TKElement wurzel = dok.Wurzel();
    EXPECT_EQ(wurzel.Name(), "TRV_1.0");
    EXPECT_EQ(KinderNamen(wurzel), (std::vector<std::string>{"Copyright", "Program", "Projekt"}));
    const xml::TKElement programm = wurzel.Kind("Program");
    EXPECT_EQ(programm.Attribut("Name"), "Varnel - TRV / ZEDE Shear Connector");
    EXPECT_EQ(programm.Attribut("Version"), "TRV - 1.0");
    EXPECT_EQ(programm.Attribut("FileName"), datei_);
    EXPECT_EQ(programm.Text(), "");
    EXPECT_EQ(
        KinderNamen(wurzel.Kind("Projekt")),
        (std::vector<std::string>{"TTempFlag", "TCalcFlag", "TAnzAnwendung", "TAktAnwendung",
                                  "TEingabeDorn", "TEingabeFugenbreite", "TSkizzeAnzeige",
                                  "TErgebnisAnzeige", "Projektbeschreibung", "Stueckliste",
                                  "EingabeGeometrie", "Position_1", "Position_2", "Position_3"}));
    const xml::TKElement projekt = wurzel.Kind("Projekt");
    EXPECT_EQ(projekt.Kind("TAnzAnwendung").Text(), "3");
    EXPECT_EQ(projekt.Kind("TAktAnwendung").Text(), "2");
    EXPECT_EQ(projekt.Kind("TTempFlag").Text(), "1");
    EXPECT_EQ(KinderNamen(projekt.Kind("Projektbeschreibung")),
              (std::vector<std::string>{"TBauvorhaben", "TFirma", "TBearbeiter", "TDatum"}));
    EXPECT_EQ(KinderNamen(projekt.Kind("Projektbeschreibung").Kind("TFirma")),
              (std::vector<std::string>{"String_1", "String_2", "String_3"}));
    EXPECT_EQ(KinderNamen(projekt.Kind("Stueckliste")),
              (std::vector<std::string>{"TBemerkung", "TEintrag_1", "TEintrag_2"}));
    EXPECT_EQ(KinderNamen(projekt.Kind("EingabeGeometrie")),
              (std::vector<std::string>{
                  "TFugenbreite", "TNutzhoehe", "TFugenlaenge", "TBetondeckungUnten",
                  "TBetondeckungOben", "TBetondeckungVorn", "TPlatteDicke", "TWandDicke",
                  "TRandLinks", "TRandRechts", "TBauteilRandLinks", "TBauteilRandRechts"}));
}

TEST_F(Projektdatei, PositionLoadingAndResultElementsInTheirOrder) {
    auto modell = NeuesModell();
    test::PlatteWandProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    const xml::TKDokument dok = Laden(datei_);
    const xml::TKElement pos = dok.Wurzel().Kind("Projekt").Kind("Position_1");
    EXPECT_EQ(KinderNamen(pos), (std::vector<std::string>{
                                    "TAktLand", "TPosition", "TMaxDornabstand", "TBewehrungCalc",
                                    "TAnwendungsfall", "TBetonguete", "TStahlguete", "TGammaMs",
                                    "ctmpLast", "cBelastungDesign", "cGeometrie", "cErgebnisse"}));
    EXPECT_EQ(KinderNamen(pos.Kind("ctmpLast")),
              (std::vector<std::string>{"TGk", "TQk", "TFd", "TF1", "Tgg", "Tgq"}));
    // The profile (0, 60), (1000, 110.5), (2500, 40): six point elements numbered 0 to 2.
    const xml::TKElement last = pos.Kind("cBelastungDesign");
    EXPECT_EQ(
        KinderNamen(last),
        (std::vector<std::string>{"TBelastungsfall", "TGammaf", "TLastLaenge", "TLinienLast",
                                  "TbeliebigeLast_0_x", "TbeliebigeLast_0_y", "TbeliebigeLast_1_x",
                                  "TbeliebigeLast_1_y", "TbeliebigeLast_2_x", "TbeliebigeLast_2_y",
                                  "cLinienLastLinks", "cLinienLastRechts", "cPunktlast"}));
    EXPECT_EQ(last.Kind("TbeliebigeLast_1_x").Text(), "1000");
    EXPECT_EQ(last.Kind("TbeliebigeLast_1_y").Text(), "110.5");

    const xml::TKElement erg = pos.Kind("cErgebnisse");
    std::vector<std::string> erwartet{"TAktDorn", "TBerechnet", "cGeometrie"};
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        erwartet.push_back("cDornErgebnis_" + DornKennung(typ));
        erwartet.push_back("TAnzDorn_" + DornKennung(typ));
        erwartet.push_back("cDornDaten_" + DornKennung(typ));
    }
    EXPECT_EQ(KinderNamen(erg), erwartet);
    EXPECT_EQ(erg.KindAn(3).Name(), "cDornErgebnis_TRV_18");
    EXPECT_EQ(erg.Kind("TBerechnet").Text(), "1");
    const xml::TKElement dorn = erg.Kind("cDornErgebnis_ZEDE_52");
    EXPECT_EQ(KinderNamen(dorn), (std::vector<std::string>{"TDornAnordnung",
                                                           "TDornAbstand",
                                                           "TAbstandLinks",
                                                           "TAbstandRechts",
                                                           "TIstMinAchs",
                                                           "TZulMinAchs",
                                                           "TZulMinRand",
                                                           "TFRdStahl",
                                                           "TFRdBeton",
                                                           "TFRdBewehrung",
                                                           "TFRd",
                                                           "TFSdIst",
                                                           "TEtaQ",
                                                           "TAsxErf",
                                                           "TAsyErf",
                                                           "TAsxIst",
                                                           "TAsyIst",
                                                           "Tbx",
                                                           "Tby",
                                                           "TStatus",
                                                           "TStatusd",
                                                           "TAbstandMeldung",
                                                           "Fehler",
                                                           "Warnungen"}));
    const int abstaende = modell->Anwendung(1).Ergebnisse().DornErgebnis(13).AnzDornAbstand();
    ASSERT_GE(abstaende, 2);
    EXPECT_EQ(dorn.Kind("TDornAbstand").AnzahlKinder(), static_cast<std::size_t>(abstaende));
    EXPECT_EQ(dorn.Kind("TDornAbstand").KindAn(0).Name(), "A_0");
    EXPECT_EQ(KinderNamen(erg.Kind("cDornDaten_TRV_18")),
              (std::vector<std::string>{"TAnzahlBewX", "TAnzahlBewY", "TDurchmesserBewX",
                                        "TDurchmesserBewY", "TBreiteBewX", "TBreiteBewY",
                                        "TAbstaendeBewX", "TAbstaendeBewY"}));
}

TEST_F(Projektdatei, ReopenedPositionHasTheStoredInputsAndResults) {
    auto modell = NeuesModell();
    test::PlatteWandProjekt(*modell);
    const Rundreise r = RundreiseMachen(*modell, datei_);
    const TKAnwendung& vorher = modell->Anwendung(1);
    const TKAnwendung& nachher = r.Gelesen->Anwendung(1);
    EXPECT_EQ(nachher.Position(), "Pos. 3 slab to wall");
    EXPECT_EQ(nachher.Anwendungsfall(), 2);
    EXPECT_EQ(nachher.BewehrungCalc(), 1);
    EXPECT_EQ(nachher.BelastungDesign().beliebigeLast(), vorher.BelastungDesign().beliebigeLast());
    EXPECT_DOUBLE_EQ(nachher.BelastungDesign().beliebigeLastSumme(),
                     vorher.BelastungDesign().beliebigeLastSumme());
    EXPECT_DOUBLE_EQ(nachher.Geometrie().WandDicke(), 300);
    const TKErgebnisse& e0 = vorher.Ergebnisse();
    const TKErgebnisse& e1 = nachher.Ergebnisse();
    EXPECT_EQ(e1.AktDorn(), e0.AktDorn());
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        EXPECT_EQ(e1.GetAnzDorn(typ), e0.GetAnzDorn(typ));
        EXPECT_NEAR(e1.DornErgebnis(typ).FRd(), e0.DornErgebnis(typ).FRd(), 1e-9);
        EXPECT_EQ(e1.DornErgebnis(typ).Status(), e0.DornErgebnis(typ).Status());
        EXPECT_EQ(e1.DornErgebnis(typ).Fehler().Codes(), e0.DornErgebnis(typ).Fehler().Codes());
        EXPECT_EQ(e1.DornErgebnis(typ).AnzDornAbstand(), e0.DornErgebnis(typ).AnzDornAbstand());
    }
}

// Regression: reading refills every catalog record, which used to put the catalog's standard
// bars back in place of the calculated ones.
TEST_F(Projektdatei, CalculatedReinforcementSurvivesReopening) {
    auto modell = NeuesModell();
    test::PlattePlatteProjekt(*modell);
    TKDornDaten& d = modell->Anwendung(1).Ergebnisse().DornDaten(4);
    d.SetAnzahlBewY(14);
    d.SetDurchmesserBewY(16);
    d.SetBreiteBewY(1234.5);
    d.SetAbstaendeBewY({100, 150, 200});
    d.SetAnzahlBewX(3);
    d.SetAbstaendeBewX({50, 60, 70});
    const Rundreise r = RundreiseMachen(*modell, datei_);
    const TKDornDaten& g = r.Gelesen->Anwendung(1).Ergebnisse().DornDaten(4);
    EXPECT_EQ(g.AnzahlBewY(), 14);
    EXPECT_EQ(g.DurchmesserBewY(), 16);
    EXPECT_DOUBLE_EQ(g.BreiteBewY(), 1234.5);
    EXPECT_EQ(g.AbstaendeBewY(), (std::vector<double>{100, 150, 200}));
    EXPECT_EQ(g.AbstaendeBewX(), (std::vector<double>{50, 60, 70}));
    // The catalog part of the record comes from the catalog again.
    EXPECT_DOUBLE_EQ(g.PlattenHoehe(), TKDornDaten(4).PlattenHoehe());
    EXPECT_EQ(g.DornIndex(), 4);
}

TEST_F(Projektdatei, FileWithoutReinforcementElementsReadsTheCatalogBars) {
    auto modell = NeuesModell();
    test::EinzeldornProjekt(*modell);
    modell->Anwendung(1).Ergebnisse().DornDaten(2).SetAnzahlBewY(40);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    // An older file: the same without the cDornDaten elements.
    xml::TKDokument dok = Laden(datei_);
    std::string text = dok.AlsText();
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const std::string auf = "<cDornDaten_" + DornKennung(typ) + ">";
        const std::string zu = "</cDornDaten_" + DornKennung(typ) + ">";
        const auto a = text.find(auf);
        const auto z = text.find(zu);
        ASSERT_NE(a, std::string::npos);
        text.erase(a, z + zu.size() - a);
    }
    DateiSchreiben(datei_, text);
    auto gelesen = NeuesModell();
    ASSERT_TRUE(gelesen->Oeffnen(datei_).Ok);
    EXPECT_EQ(gelesen->Anwendung(1).Ergebnisse().DornDaten(2).AnzahlBewY(),
              TKDornDaten(2).AnzahlBewY());
    EXPECT_EQ(gelesen->Anwendung(1).Ergebnisse().GetAnzDorn(2),
              modell->Anwendung(1).Ergebnisse().GetAnzDorn(2));
}

TEST_F(Projektdatei, WritingUsesTheRegionalSeparatorAndReadingTakesBoth) {
    auto komma = NeuesModell(',');
    test::PlatteWandProjekt(*komma);
    ASSERT_TRUE(komma->Speichern(datei_).Ok);
    const std::string text = DateiInhalt(datei_);
    EXPECT_NE(text.find("<TbeliebigeLast_1_y>110,5</TbeliebigeLast_1_y>"), std::string::npos);
    // A file from a system set to a comma opens under a point, and the other way round.
    auto punkt = NeuesModell('.');
    ASSERT_TRUE(punkt->Oeffnen(datei_).Ok);
    EXPECT_DOUBLE_EQ(punkt->Anwendung(1).BelastungDesign().GetPunkt(1).y, 110.5);
    ASSERT_TRUE(punkt->Speichern(datei_).Ok);
    EXPECT_NE(DateiInhalt(datei_).find("<TbeliebigeLast_1_y>110.5</TbeliebigeLast_1_y>"),
              std::string::npos);
    auto wieder = NeuesModell(',');
    ASSERT_TRUE(wieder->Oeffnen(datei_).Ok);
    ASSERT_TRUE(wieder->Speichern(datei_).Ok);
    EXPECT_EQ(DateiInhalt(datei_), text);
}

TEST_F(Projektdatei, UserTextsInSeveralScriptsKeepEveryCharacter) {
    auto modell = NeuesModell();
    test::DreiPositionenProjekt(*modell);
    modell->Anwendung(3).SetPosition("Wand <Nord> & \"Ost\" – 北側 ✓");
    const Rundreise r = RundreiseMachen(*modell, datei_);
    const TKModell& g = *r.Gelesen;
    EXPECT_EQ(g.Projektbeschreibung().Bauvorhaben(), "Parkhaus Süd – Fugenplan");
    EXPECT_EQ(g.Projektbeschreibung().Firma(), modell->Projektbeschreibung().Firma());
    EXPECT_EQ(g.Projektbeschreibung().Bearbeiter(), "Zoë Œhlenschläger");
    EXPECT_EQ(g.Anwendung(2).Position(), "Décke über UG – Achse 3");
    EXPECT_EQ(g.Anwendung(3).Position(), "Wand <Nord> & \"Ost\" – 北側 ✓");
    EXPECT_EQ(g.Stueckliste().GetBemerkung(), modell->Stueckliste().GetBemerkung());
    EXPECT_EQ(g.Stueckliste().Eintraege(), modell->Stueckliste().Eintraege());
    EXPECT_EQ(g.Stueckliste().AnzEintraege(), 2);
}

TEST_F(Projektdatei, LongestUserTextsAreSavedAndOpenedAgain) {
    // A 1.1 MB company line used to be saved and then refused by the reader ("text too long"),
    // locking the engineer out of every position of the project.
    auto modell = NeuesModell();
    const std::string vier = "\xF0\x9F\x94\xA9"; // four bytes in UTF-8
    std::string lang;
    for (std::size_t i = 0; i < MaxNutzertext; ++i) {
        lang += vier;
    }
    const std::string riesig(1100 * 1024, 'x');
    TKProjektdaten& p = modell->Projektbeschreibung();
    p.SetBauvorhaben(lang + "-");
    p.SetFirma({riesig, lang});
    p.SetBearbeiter(riesig);
    modell->Anwendung(1).SetPosition(lang + vier);
    modell->Stueckliste().SetBemerkung({riesig});
    ASSERT_TRUE(modell->Stueckliste().EintragHinzufuegen({riesig, lang}));

    const Rundreise r = RundreiseMachen(*modell, datei_);
    const TKModell& g = *r.Gelesen;
    EXPECT_EQ(g.Projektbeschreibung().Bauvorhaben(), lang);
    EXPECT_EQ(g.Projektbeschreibung().Firma()[0], riesig.substr(0, MaxNutzertext));
    EXPECT_EQ(g.Projektbeschreibung().Firma()[1], lang);
    EXPECT_EQ(g.Projektbeschreibung().Bearbeiter().size(), MaxNutzertext);
    EXPECT_EQ(g.Anwendung(1).Position(), lang);
    EXPECT_EQ(g.Stueckliste().GetBemerkung()[0].size(), MaxNutzertext);
    EXPECT_EQ(g.Stueckliste().GetEintrag(1)[0].size(), MaxNutzertext);
    EXPECT_EQ(r.Erste, r.Zweite);
    // A cut never splits a character.
    EXPECT_EQ(NutzertextBegrenzt("\xC3\xA4" + std::string(MaxNutzertext, 'a')).size(),
              MaxNutzertext + 1);
}

TEST_F(Projektdatei, FileNameIsKeptAlsoWhenTheOperationFails) {
    auto modell = NeuesModell();
    const std::string fehlt = ordner_.Datei("fehlt/projekt.TRV");
    EXPECT_FALSE(modell->Speichern(fehlt).Ok);
    EXPECT_EQ(modell->FileName(), fehlt);
    EXPECT_FALSE(modell->Oeffnen(ordner_.Datei("nicht-da.TRV")).Ok);
    EXPECT_EQ(modell->FileName(), ordner_.Datei("nicht-da.TRV"));
}

TEST_F(Projektdatei, FailedSaveLeavesTheOldFileAndNoTemporary) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    auto modell = NeuesModell();
    test::EinzeldornProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    const std::string alt = DateiInhalt(datei_);
    fs::permissions(ordner_.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
    modell->Projektbeschreibung().SetBauvorhaben("changed");
    const TKDateiErgebnis e = modell->Speichern(datei_);
    fs::permissions(ordner_.Pfad(), fs::perms::owner_all);
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{
                               "Error during saving the data - unable to save the project"}));
    EXPECT_EQ(DateiInhalt(datei_), alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_.Pfad()), fs::directory_iterator()), 1);
}

// Also as root: a disk that fills up in the middle of the write (a file size limit set in a
// child process) fails the save; the old project stays byte for byte and no temporary is left.
TEST_F(Projektdatei, SaveFailingInTheMiddleOfTheWriteLeavesTheOldFile) {
    auto modell = NeuesModell();
    test::EinzeldornProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    const std::string alt = DateiInhalt(datei_);
    ASSERT_GT(alt.size(), 4096u);
    modell->Projektbeschreibung().SetBauvorhaben("changed");
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        const TKDateiErgebnis e = modell->Speichern(datei_);
        const bool richtig =
            !e.Ok && e.Meldungen == std::vector<std::string>{Ressource(res::DateiSpeichernFehler)};
        ::_exit(richtig ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save must fail with the save message";
    EXPECT_EQ(DateiInhalt(datei_), alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_.Pfad()), fs::directory_iterator()), 1);
}

// Also as root: a folder in the way of the rename makes the save fail after the complete write.
TEST_F(Projektdatei, SaveFailingAtTheRenameLeavesNoTemporary) {
    fs::create_directories(ordner_.Pfad() / "im-weg.TRV" / "inhalt");
    auto modell = NeuesModell();
    const TKDateiErgebnis e = modell->Speichern(ordner_.Datei("im-weg.TRV"));
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiSpeichernFehler)}));
    EXPECT_TRUE(fs::is_directory(ordner_.Pfad() / "im-weg.TRV" / "inhalt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_.Pfad()), fs::directory_iterator()), 1);
}

TEST_F(Projektdatei, SaveIntoAMissingFolderReportsTheSaveError) {
    auto modell = NeuesModell();
    const TKDateiErgebnis e = modell->Speichern(ordner_.Datei("nicht/da.TRV"));
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiSpeichernFehler)}));
    EXPECT_FALSE(e.Grund.empty());
}

TEST_F(Projektdatei, ProfileOutOfOrderReadsSorted) {
    auto modell = NeuesModell();
    test::PlatteWandProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    Ersetzen(datei_, "<TbeliebigeLast_0_x>0<", "<TbeliebigeLast_0_x>2000<");
    auto gelesen = NeuesModell();
    ASSERT_TRUE(gelesen->Oeffnen(datei_).Ok);
    EXPECT_EQ(gelesen->Anwendung(1).BelastungDesign().beliebigeLast(),
              (std::vector<TKPunkt>{{1000, 110.5}, {2000, 60}, {2500, 40}}));
}

TEST_F(Projektdatei, BooleanWithAnotherTextKeepsThePreviousValue) {
    auto modell = NeuesModell();
    modell->SetTempFlag(false);
    modell->Anwendung(1).Geometrie().SetRandLinks(true);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    Ersetzen(datei_, "<TTempFlag>0<", "<TTempFlag>yes<");
    Ersetzen(datei_, "<TRandLinks>1<", "<TRandLinks><");
    auto gelesen = NeuesModell();
    ASSERT_TRUE(gelesen->Oeffnen(datei_).Ok);
    EXPECT_TRUE(gelesen->TempFlag()); // a new model's value
    EXPECT_FALSE(gelesen->Anwendung(1).Geometrie().RandLinks());
}

TEST_F(Projektdatei, EmptyMessageListsAndScheduleWithOnlyItsRemark) {
    auto modell = NeuesModell();
    modell->Stueckliste().SetBemerkung({"nur eine Bemerkung"});
    modell->Anwendung(1).Ergebnisse().DornErgebnis(0).Fehler().MeldungHinzufuegen(3);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    const std::string text = DateiInhalt(datei_);
    EXPECT_NE(text.find("<Stueckliste>\n      <TBemerkung>"), std::string::npos);
    EXPECT_NE(text.find("<Warnungen/>"), std::string::npos);
    auto gelesen = NeuesModell();
    ASSERT_TRUE(gelesen->Oeffnen(datei_).Ok);
    EXPECT_EQ(gelesen->Stueckliste().AnzEintraege(), 0);
    EXPECT_EQ(gelesen->Stueckliste().GetBemerkung(),
              std::vector<std::string>{"nur eine Bemerkung"});
    EXPECT_EQ(gelesen->Anwendung(1).Ergebnisse().DornErgebnis(0).Fehler().Codes(),
              std::vector<std::uint16_t>{3});
    EXPECT_EQ(gelesen->Anwendung(1).Ergebnisse().DornErgebnis(1).Fehler().Anzahl(), 0);
}

TEST_F(Projektdatei, PositionOfAnotherFileIsAppended) {
    auto quelle = NeuesModell();
    test::DreiPositionenProjekt(*quelle);
    ASSERT_TRUE(quelle->Speichern(datei_).Ok);

    auto modell = NeuesModell();
    test::EinzeldornProjekt(*modell);
    modell->Stueckliste().SetBemerkung({"eigene"});
    const TKDateiErgebnis e = modell->PositionUebernehmen(datei_, 2);
    EXPECT_TRUE(e.Ok) << e.Grund;
    EXPECT_TRUE(e.Meldungen.empty());
    ASSERT_EQ(modell->AnzAnwendung(), 2);
    const TKAnwendung& neu = modell->Anwendung(2);
    const TKAnwendung& dritte = quelle->Anwendung(3);
    EXPECT_EQ(neu.Position(), dritte.Position());
    EXPECT_EQ(neu.Anwendungsfall(), 2);
    EXPECT_EQ(neu.BelastungDesign().beliebigeLast(), dritte.BelastungDesign().beliebigeLast());
    EXPECT_EQ(neu.Ergebnisse().AktDorn(), dritte.Ergebnisse().AktDorn());
    EXPECT_TRUE(neu.Ergebnisse().Berechnet());
    EXPECT_EQ(neu.Ergebnisse().DornDaten(5).AbstaendeBewY(),
              dritte.Ergebnisse().DornDaten(5).AbstaendeBewY());
    // Nothing else of the project changes.
    EXPECT_EQ(modell->Anwendung(1).Position(), "Pos. 1 single dowel");
    EXPECT_EQ(modell->Stueckliste().GetBemerkung(), std::vector<std::string>{"eigene"});
    EXPECT_EQ(modell->Projektbeschreibung().Bauvorhaben(), "Single dowel under a point load");
    EXPECT_EQ(modell->AktAnwendung(), 1);
    EXPECT_EQ(modell->FileName(), "");
}

TEST_F(Projektdatei, TakingOverAPositionThatIsNotThere) {
    auto quelle = NeuesModell();
    ASSERT_TRUE(quelle->Speichern(datei_).Ok);
    auto modell = NeuesModell();
    for (int index : {1, -1}) {
        const TKDateiErgebnis e = modell->PositionUebernehmen(datei_, index);
        EXPECT_FALSE(e.Ok);
        EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiOeffnenFehler)}));
    }
    // The grown list keeps the new positions.
    EXPECT_EQ(modell->AnzAnwendung(), 3);
}

TEST_F(Projektdatei, TakingOverFromAForeignFileChangesNothing) {
    DateiSchreiben(datei_, "<TRV_1.0><Copyright/><Program Name=\"x\"/></TRV_1.0>");
    auto modell = NeuesModell();
    const TKDateiErgebnis e = modell->PositionUebernehmen(datei_, 0);
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiUngueltig)}));
    EXPECT_EQ(modell->AnzAnwendung(), 1);
    const TKDateiErgebnis kaputt = modell->PositionUebernehmen(ordner_.Datei("fehlt.TRV"), 0);
    EXPECT_EQ(kaputt.Meldungen, (std::vector<std::string>{Ressource(res::DateiOeffnenFehler)}));
    EXPECT_EQ(modell->AnzAnwendung(), 1);
}

TEST_F(Projektdatei, FailedOpenEndsWithTheOpenMessage) {
    auto modell = NeuesModell();
    test::PlattePlatteProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    Ersetzen(datei_, "<TBetonguete>2<", "<TBetonguete>9<");
    auto gelesen = NeuesModell();
    const TKDateiErgebnis e = gelesen->Oeffnen(datei_);
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen, (std::vector<std::string>{Ressource(res::DateiOeffnenFehler)}));
    EXPECT_NE(e.Grund.find("Position_1"), std::string::npos) << e.Grund;
}

TEST_F(Projektdatei, DocumentInMemoryIsTheSavedFile) {
    auto modell = NeuesModell();
    test::DreiPositionenProjekt(*modell);
    ASSERT_TRUE(modell->Speichern(datei_).Ok);
    const std::string text = DateiInhalt(datei_);
    EXPECT_EQ(modell->ProjektText(), text);
    auto gelesen = NeuesModell();
    ASSERT_TRUE(gelesen->OeffnenAusText(text).Ok);
    gelesen->SetFileName(datei_);
    EXPECT_EQ(gelesen->ProjektText(), text);
    EXPECT_FALSE(NeuesModell()->OeffnenAusText(text.substr(0, 100)).Ok);
}

} // namespace
} // namespace trv
