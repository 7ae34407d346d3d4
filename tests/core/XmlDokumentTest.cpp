#include "files/XmlDokument.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace trv::xml {

namespace {

namespace fs = std::filesystem;

std::optional<TKDokument> Parsen(const std::string& text, std::string* grund = nullptr) {
    TKLadeFehler f;
    auto d = TKDokument::AusText(text, f);
    if (grund) {
        *grund = f.Grund;
    }
    return d;
}

TEST(XmlDokumentTest, BuildsSavesAndReadsBackTree) {
    TKDokument dok;
    TKElement wurzel = dok.WurzelAnlegen("TRV_1.0");
    wurzel.KindAnhaengen("Copyright").SetText("(c)");
    TKElement prog = wurzel.KindAnhaengen("Program");
    prog.SetAttribut("Name", "A & B <c> \"d\"");
    TKElement projekt = wurzel.KindAnhaengen("Projekt");
    projekt.KindAnhaengen("TText").SetText("x &amp; y < z");
    projekt.KindAnhaengen("TLeer");

    const std::string text = dok.AlsText();
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    EXPECT_NE(text.find("\n  <Program"), std::string::npos) << "nested elements are indented";

    auto wieder = Parsen(text);
    ASSERT_TRUE(wieder);
    TKElement w = wieder->Wurzel();
    EXPECT_EQ(w.Name(), "TRV_1.0");
    EXPECT_EQ(w.AnzahlKinder(), 3u); // the indentation does not count as children
    EXPECT_EQ(w.KindAn(1).Name(), "Program");
    EXPECT_EQ(w.KindAn(1).Attribut("Name"), "A & B <c> \"d\"");
    EXPECT_FALSE(w.KindAn(1).Attribut("Version").has_value());
    EXPECT_EQ(w.Kind("Projekt").Kind("TText").Text(), "x &amp; y < z");
    EXPECT_EQ(w.Kind("Projekt").Kind("TLeer").Text(), "");
    EXPECT_EQ(w.Kind("Projekt").Kind("TLeer").AnzahlKinder(), 0u);
    EXPECT_FALSE(w.KindAn(3));
    EXPECT_FALSE(w.Kind("Fehlt").Kind("Auch nicht")); // chained lookups on empty handles
    EXPECT_EQ(w.Kind("Fehlt").Text(), "");
    EXPECT_EQ(w.KindAn(0).NaechstesGeschwister().Name(), "Program");
}

TEST(XmlDokumentTest, UnwritableCharactersBecomeReplacementCharacter) {
    TKDokument dok;
    TKElement w = dok.WurzelAnlegen("R");
    w.KindAnhaengen("A").SetText("ok\xFF\x01 \xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
    w.KindAnhaengen("B").SetAttribut("P", std::string("a\0b", 3) + "\xC3");
    auto wieder = Parsen(dok.AlsText());
    ASSERT_TRUE(wieder) << "a written file must always be readable";
    EXPECT_EQ(wieder->Wurzel().Kind("A").Text(),
              "ok\xEF\xBF\xBD\xEF\xBF\xBD \xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(wieder->Wurzel().Kind("B").Attribut("P"), "a\xEF\xBF\xBD"
                                                        "b\xEF\xBF\xBD");
}

TEST(XmlDokumentTest, TextKeepsBlanksAndLineBreaks) {
    TKDokument dok;
    dok.WurzelAnlegen("R").KindAnhaengen("A").SetText("  zwei  \r\nZeilen\t");
    auto wieder = Parsen(dok.AlsText());
    ASSERT_TRUE(wieder);
    EXPECT_EQ(wieder->Wurzel().Kind("A").Text(), "  zwei  \r\nZeilen\t");
}

TEST(XmlDokumentTest, RefusesMalformedInput) {
    std::string grund;
    EXPECT_FALSE(Parsen("", &grund));
    EXPECT_FALSE(grund.empty());
    EXPECT_FALSE(Parsen("<R><A>1</A>"));        // truncated
    EXPECT_FALSE(Parsen("<R>\xFF\xFE</R>"));    // invalid UTF-8
    EXPECT_FALSE(Parsen("<R>&undefined;</R>")); // undeclared entity
    EXPECT_FALSE(Parsen("<R/><S/>"));
    EXPECT_TRUE(Parsen("<R>&amp;&#228;</R>")); // predefined and character references are fine
}

TEST(XmlDokumentTest, RefusesDocumentTypeAndNeverReadsExternalEntity) {
    const fs::path geheim = fs::temp_directory_path() / "trv-xml-geheim.txt";
    std::ofstream(geheim) << "GEHEIM";
    const std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE R [<!ENTITY x SYSTEM \"file://" +
                             geheim.string() + "\">]>\n<R><A>&x;</A></R>";
    std::string grund;
    auto d = Parsen(text, &grund);
    fs::remove(geheim);
    EXPECT_FALSE(d);
    EXPECT_NE(grund.find("document type"), std::string::npos) << grund;
    EXPECT_FALSE(Parsen("<!DOCTYPE R SYSTEM \"http://example.invalid/r.dtd\"><R/>"));
}

TEST(XmlDokumentTest, EntityExpansionBombFailsFast) {
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY l0 \"lol\">\n";
    for (int i = 1; i <= 12; ++i) {
        text += "<!ENTITY l" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) {
            text += "&l" + std::to_string(i - 1) + ";";
        }
        text += "\">\n";
    }
    text += "]>\n<lolz>&l12;</lolz>";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Parsen(text));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(XmlDokumentTest, HugeTextAndDeepNestingAreRefused) {
    EXPECT_FALSE(Parsen("<R><A>" + std::string(50u * 1024u * 1024u, 'x') + "</A></R>"));
    std::string tief;
    for (int i = 0; i < 1000; ++i) {
        tief += "<a>";
    }
    for (int i = 0; i < 1000; ++i) {
        tief += "</a>";
    }
    EXPECT_FALSE(Parsen(tief));
    auto verschachtelt = [](int tiefe) {
        std::string text;
        for (int i = 0; i < tiefe; ++i) {
            text += "<a>";
        }
        text += "x";
        for (int i = 0; i < tiefe; ++i) {
            text += "</a>";
        }
        return text;
    };
    EXPECT_FALSE(Parsen(verschachtelt(100)));
    EXPECT_FALSE(Parsen(verschachtelt(static_cast<int>(TKDokument::MaxTiefe) + 1)));
    EXPECT_TRUE(Parsen(verschachtelt(static_cast<int>(TKDokument::MaxTiefe))));
    std::string grund;
    EXPECT_FALSE(
        Parsen("<R><A>" + std::string(TKDokument::MaxTextLaenge + 1, 'x') + "</A></R>", &grund));
    EXPECT_NE(grund.find("too long"), std::string::npos) << grund;
    EXPECT_TRUE(Parsen("<R><A>" + std::string(TKDokument::MaxTextLaenge, 'x') + "</A></R>"));
}

TEST(XmlDokumentTest, LoadsFromFileAndReportsMissingFile) {
    const fs::path p = fs::temp_directory_path() / "trv-xml-laden.xml";
    {
        TKDokument dok;
        dok.WurzelAnlegen("R").KindAnhaengen("A").SetText("\xC3\xA9t\xC3\xA9");
        std::string fehler;
        ASSERT_TRUE(dok.Speichern(p, fehler)) << fehler;
    }
    TKLadeFehler f;
    auto d = TKDokument::Laden(p, f);
    ASSERT_TRUE(d) << f.Grund;
    EXPECT_EQ(d->Wurzel().Kind("A").Text(), "\xC3\xA9t\xC3\xA9");
    fs::remove(p);
    EXPECT_FALSE(TKDokument::Laden(p, f));
    EXPECT_FALSE(f.Grund.empty());
}

} // namespace

} // namespace trv::xml
