// Damaged and hostile project files: each must be refused (or read soundly) without a crash,
// a hang or unbounded memory, and with the program's message.
#include "Testprojekte.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace trv {
namespace {

using test::DateiInhalt;
using test::DateiSchreiben;
using test::NeuesModell;

const std::string kOeffnenFehler =
    "Error during opening the data file - unable to read project data";

class FeindlicheDatei : public ::testing::Test {
protected:
    void SetUp() override {
        auto modell = NeuesModell();
        test::DreiPositionenProjekt(*modell);
        ASSERT_TRUE(modell->Speichern(datei_).Ok);
        gut_ = DateiInhalt(datei_);
    }

    // The saved project with the text of the first element `name` replaced.
    std::string MitWert(const std::string& name, const std::string& wert) const {
        std::string text = gut_;
        const std::string auf = "<" + name + ">";
        const auto a = text.find(auf);
        const auto z = text.find("</" + name + ">", a);
        EXPECT_NE(a, std::string::npos) << name;
        if (a != std::string::npos && z != std::string::npos) {
            text.replace(a + auf.size(), z - a - auf.size(), wert);
        }
        return text;
    }

    TKDateiErgebnis Oeffnen(const std::string& inhalt) {
        DateiSchreiben(datei_, inhalt);
        modell_ = NeuesModell();
        return modell_->Oeffnen(datei_);
    }

    // Refused with the open error as the last message.
    void Abgewiesen(const std::string& inhalt, const std::string& wozu) {
        const TKDateiErgebnis e = Oeffnen(inhalt);
        EXPECT_FALSE(e.Ok) << wozu;
        ASSERT_FALSE(e.Meldungen.empty()) << wozu;
        EXPECT_EQ(e.Meldungen.back(), kOeffnenFehler) << wozu;
    }

    test::TempOrdner ordner_;
    std::string datei_ = ordner_.Datei("f.TRV");
    std::string gut_;
    std::unique_ptr<TKModell> modell_;
};

TEST_F(FeindlicheDatei, TruncatedEmptyAndGarbageFiles) {
    Abgewiesen(gut_.substr(0, gut_.size() / 2), "truncated");
    Abgewiesen(gut_.substr(0, gut_.size() - 3), "truncated at the end");
    Abgewiesen("", "empty");
    Abgewiesen(std::string("\0\1\2garbage", 10), "garbage");
    const TKDateiErgebnis fehlt = NeuesModell()->Oeffnen(ordner_.Datei("nicht-da.TRV"));
    EXPECT_FALSE(fehlt.Ok);
    EXPECT_EQ(fehlt.Meldungen, std::vector<std::string>{kOeffnenFehler});
}

TEST_F(FeindlicheDatei, ForeignDocumentsAreNotValid) {
    const std::vector<std::string> fremde{
        "<html><head/><body/></html>",
        // "Program" as the first child: the program element is the second one.
        "<TRV_1.0><Program Name=\"Varnel - TRV / ZEDE Shear Connector\" Version=\"TRV - 1.0\"/>"
        "<Copyright/><Projekt/></TRV_1.0>",
        "<TRV_1.0><Copyright/><Program Version=\"TRV - 1.0\"/><Projekt/></TRV_1.0>",
        "<TRV_1.0><Copyright/></TRV_1.0>"};
    for (const std::string& f : fremde) {
        const TKDateiErgebnis e = Oeffnen(f);
        EXPECT_FALSE(e.Ok) << f;
        EXPECT_EQ(e.Meldungen,
                  (std::vector<std::string>{Ressource(res::DateiUngueltig), kOeffnenFehler}))
            << f;
    }
}

TEST_F(FeindlicheDatei, AnotherDocumentElementNameIsReadByItsContent) {
    std::string text = gut_;
    text.replace(text.find("<TRV_1.0>"), 9, "<Projektdatei>");
    text.replace(text.find("</TRV_1.0>"), 10, "</Projektdatei>");
    EXPECT_TRUE(Oeffnen(text).Ok);
    EXPECT_EQ(modell_->AnzAnwendung(), 3);
}

TEST_F(FeindlicheDatei, OldVersionWarnsAndReads) {
    std::string text = gut_;
    text.replace(text.find("TRV - 1.0"), 9, "TRV - 0.8");
    const TKDateiErgebnis e = Oeffnen(text);
    EXPECT_TRUE(e.Ok);
    EXPECT_EQ(e.Meldungen, std::vector<std::string>{Ressource(res::DateiAlteVersion)});
    EXPECT_EQ(modell_->Anwendung(2).Position(), "Décke über UG – Achse 3");
}

TEST_F(FeindlicheDatei, MissingProjectAndDeepNesting) {
    std::string ohne = gut_;
    const auto a = ohne.find("<Projekt>");
    ohne.erase(a, ohne.find("</Projekt>") + 10 - a);
    Abgewiesen(ohne, "no Projekt");
    std::string tief;
    for (int i = 0; i < 100; ++i) {
        tief += "<e>";
    }
    for (int i = 0; i < 100; ++i) {
        tief += "</e>";
    }
    std::string text = gut_;
    text.replace(text.find("<TPosition>"), 11, tief + "<TPosition>");
    Abgewiesen(text, "100 levels");
}

TEST_F(FeindlicheDatei, NumbersThatAreNotFiniteOrMalformed) {
    for (const char* wert :
         {"1e999", "-1e999", "nan", "NaN", "inf", "12,5,3", "", "0x10", "1.5e"}) {
        Abgewiesen(MitWert("TPlatteDicke", wert), wert);
        Abgewiesen(MitWert("TGammaMs", wert), wert);
        Abgewiesen(MitWert("TFRd", wert), wert);
    }
    // Either separator is a number.
    EXPECT_TRUE(Oeffnen(MitWert("TPlatteDicke", "312,5")).Ok);
    EXPECT_DOUBLE_EQ(modell_->EingabeGeometrie().PlatteDicke(), 312.5);
}

TEST_F(FeindlicheDatei, CountsBeyondTheirFieldOrNegative) {
    Abgewiesen(MitWert("TAnzAnwendung", "70000"), "70000 positions");
    Abgewiesen(MitWert("TAnzAnwendung", "-1"), "negative positions");
    Abgewiesen(MitWert("TAnzAnwendung", "0"), "no positions");
    Abgewiesen(MitWert("TAnzAnwendung", "4"), "more positions than the file holds");
    Abgewiesen(MitWert("TAnzAnwendung", "65535"), "65535 positions in a small file");
    Abgewiesen(MitWert("TAktAnwendung", "-2"), "negative current position");
    Abgewiesen(MitWert("TAnzDorn_TRV_22", "-1"), "negative connectors");
    Abgewiesen(MitWert("TAnzDorn_TRV_22", "65536"), "connectors beyond 16 bits");
    Abgewiesen(MitWert("TAnzahlBewY", "-4"), "negative bars");
    Abgewiesen(MitWert("TAnzahlBewY", "100000000"), "absurd number of bars");
    Abgewiesen(MitWert("TMeldungen_1", "70000"), "message code beyond 16 bits");
}

TEST_F(FeindlicheDatei, CurrentPositionOutsideTheListBecomesTheLast) {
    for (const char* wert : {"0", "9", "65535"}) {
        ASSERT_TRUE(Oeffnen(MitWert("TAktAnwendung", wert)).Ok) << wert;
        EXPECT_EQ(modell_->AktAnwendung(), 3) << wert;
    }
    ASSERT_TRUE(Oeffnen(MitWert("TAktAnwendung", "1")).Ok);
    EXPECT_EQ(modell_->AktAnwendung(), 1);
}

// Every byte index must lie inside the tables it indexes; the largest valid value reads.
TEST_F(FeindlicheDatei, ByteIndexesOutsideTheirTables) {
    struct Fall {
        const char* Element;
        const char* Groesster;
        const char* Zuviel;
    };
    const Fall faelle[] = {
        {"TBetonguete", "3", "4"},
        {"TStahlguete", "1", "2"},
        {"TFugenbreite", "6", "7"},
        {"TAnwendungsfall", "2", "3"},
        {"TBelastungsfall", "3", "4"},
        {"TLinienLast", "2", "3"},
        {"TBewehrungCalc", "1", "2"},
        {"TMaxDornabstand", "1", "2"},
        {"TAktDorn", "13", "14"},
        {"TEingabeDorn", "13", "14"},
        {"TSkizzeAnzeige", "5", "6"},
        {"TErgebnisAnzeige", "3", "4"},
        {"TStatus", "9", "10"},
        {"TAktLand", "255", "256"},
        {"TEingabeFugenbreite", "255", "256"},
        {"TDornAnordnung", "255", "256"},
    };
    for (const Fall& f : faelle) {
        EXPECT_TRUE(Oeffnen(MitWert(f.Element, f.Groesster)).Ok) << f.Element;
        Abgewiesen(MitWert(f.Element, f.Zuviel), f.Element);
        Abgewiesen(MitWert(f.Element, "-1"), f.Element);
    }
}

TEST_F(FeindlicheDatei, MessageCodesOutsideTheirTexts) {
    // Warnings are 0..1, errors 0..9 (the status codes).
    std::string text = gut_;
    const std::string leer = "<Warnungen/>";
    ASSERT_NE(text.find(leer), std::string::npos);
    text.replace(text.find(leer), leer.size(),
                 "<Warnungen><TMeldungen_1>1</TMeldungen_1><TMeldungen_2>1</TMeldungen_2>"
                 "</Warnungen>");
    EXPECT_TRUE(Oeffnen(text).Ok);
    text = gut_;
    text.replace(text.find(leer), leer.size(),
                 "<Warnungen><TMeldungen_1>2</TMeldungen_1></Warnungen>");
    Abgewiesen(text, "warning 2");
    text = gut_;
    const std::string fehler = "<Fehler/>";
    ASSERT_NE(text.find(fehler), std::string::npos);
    text.replace(text.find(fehler), fehler.size(),
                 "<Fehler><TMeldungen_1>10</TMeldungen_1></Fehler>");
    Abgewiesen(text, "error 10");
}

TEST_F(FeindlicheDatei, ExternalEntityIsNeverRead) {
    const std::string geheim = ordner_.Datei("geheim.txt");
    DateiSchreiben(geheim, "SECRET-CONTENT");
    std::string text = gut_;
    text.replace(text.find("<TRV_1.0>"), 0,
                 "<!DOCTYPE TRV_1.0 [<!ENTITY e SYSTEM \"file://" + geheim + "\">]>\n");
    text.replace(text.find("<TPosition>") + 11, 0, "&e;");
    Abgewiesen(text, "external entity");
    for (int nr = 1; nr <= modell_->AnzAnwendung(); ++nr) {
        EXPECT_EQ(modell_->Anwendung(nr).Position().find("SECRET"), std::string::npos);
    }
    EXPECT_EQ(modell_->Projektbeschreibung().Bauvorhaben().find("SECRET"), std::string::npos);
}

TEST_F(FeindlicheDatei, EntityExpansionBombFailsQuickly) {
    std::string bombe = "<?xml version=\"1.0\"?>\n<!DOCTYPE TRV_1.0 [\n<!ENTITY a0 \"lol\">\n";
    for (int i = 1; i <= 12; ++i) {
        bombe += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) {
            bombe += "&a" + std::to_string(i - 1) + ";";
        }
        bombe += "\">\n";
    }
    bombe += "]>\n" + gut_.substr(gut_.find("<TRV_1.0>"));
    bombe.replace(bombe.find("<TPosition>") + 11, 0, "&a12;");
    const auto start = std::chrono::steady_clock::now();
    Abgewiesen(bombe, "entity expansion");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(FeindlicheDatei, InvalidUtf8AndHugeLabel) {
    std::string text = gut_;
    text.replace(text.find("<TPosition>") + 11, 0, "\xC3\x28\xFF");
    Abgewiesen(text, "invalid UTF-8");
    text = gut_;
    text.replace(text.find("<TPosition>") + 11, 0, std::string(50u * 1024u * 1024u, 'x'));
    Abgewiesen(text, "50 MB label");
}

TEST_F(FeindlicheDatei, ProfileBeyondTheReadersLimit) {
    std::string punkte;
    for (int j = 0; j <= TKBelastung::MaxDateiPunkte; ++j) {
        punkte += "<TbeliebigeLast_" + std::to_string(j) + "_x>" + std::to_string(j) +
                  "</TbeliebigeLast_" + std::to_string(j) + "_x><TbeliebigeLast_" +
                  std::to_string(j) + "_y>1</TbeliebigeLast_" + std::to_string(j) + "_y>";
    }
    std::string text = gut_;
    text.replace(text.find("</TLinienLast>") + 14, 0, punkte);
    Abgewiesen(text, "profile too long");
}

TEST_F(FeindlicheDatei, FailureInALaterPositionKeepsTheListConsistent) {
    std::string text = MitWert("TAktAnwendung", "3");
    const auto zweite = text.find("<Position_2>");
    const std::string guete = "<TBetonguete>";
    const auto stelle = text.find(guete, zweite);
    ASSERT_NE(stelle, std::string::npos);
    text.replace(stelle + guete.size(), 1, "9");
    Abgewiesen(text, "position 2 unreadable");
    EXPECT_EQ(modell_->AnzAnwendung(), 2);
    EXPECT_GE(modell_->AktAnwendung(), 1);
    EXPECT_LE(modell_->AktAnwendung(), modell_->AnzAnwendung());
    EXPECT_EQ(modell_->Anwendung(1).Position(), "Pos. 1 single dowel");
}

} // namespace
} // namespace trv
