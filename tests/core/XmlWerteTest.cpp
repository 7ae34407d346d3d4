// The value encodings of the project file and the reading rules of single values.
#include "files/XmlWerte.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace trv::xml {
namespace {

// An element "e" with the given XML content, for reading.
TKDokument Dokument(const std::string& inhalt) {
    TKLadeFehler f;
    auto dok = TKDokument::AusText("<r><e>" + inhalt + "</e></r>", f);
    EXPECT_TRUE(dok) << f.Grund;
    return dok ? std::move(*dok) : TKDokument();
}

TEST(XmlWerte, WrittenTextsOfEveryKind) {
    TKDokument dok;
    TKElement w = dok.WurzelAnlegen("r");
    SchreibeInt(w, "i", -42);
    SchreibeBool(w, "b", true);
    SchreibeBool(w, "f", false);
    SchreibeFloat(w, "x", 12.5, ',');
    SchreibeString(w, "s", "");
    SchreibeStringListe(w, "l", {"a", "", "c"});
    SchreibeStringListe(w, "leer", {});
    EXPECT_EQ(w.Kind("i").Text(), "-42");
    EXPECT_EQ(w.Kind("b").Text(), "1");
    EXPECT_EQ(w.Kind("f").Text(), "0");
    EXPECT_EQ(w.Kind("x").Text(), "12,5");
    EXPECT_EQ(w.Kind("s").AnzahlKinder(), 0u);
    EXPECT_EQ(w.Kind("s").Text(), "");
    EXPECT_EQ(w.Kind("l").AnzahlKinder(), 3u);
    EXPECT_EQ(w.Kind("l").KindAn(2).Name(), "String_3");
    EXPECT_EQ(w.Kind("l").KindAn(2).Text(), "c");
    EXPECT_EQ(w.Kind("leer").AnzahlKinder(), 0u);
}

TEST(TKLeser, FloatsTakeBothSeparatorsAndMustBeFinite) {
    struct Fall {
        const char* Text;
        bool Ok;
        double Wert;
    };
    const Fall faelle[] = {{"12.5", true, 12.5}, {"12,5", true, 12.5},    {" 7 ", true, 7},
                           {"1E-6", true, 1e-6}, {"-3,25E2", true, -325}, {"12,5,3", false, 0},
                           {"1.5.", false, 0},   {"1e999", false, 0},     {"-1e999", false, 0},
                           {"nan", false, 0},    {"inf", false, 0},       {"0x10", false, 0},
                           {"", false, 0},       {"12 kN", false, 0}};
    for (const Fall& f : faelle) {
        const TKDokument dok = Dokument(std::string("<v>") + f.Text + "</v>");
        TKLeser l(dok.Wurzel().Kind("e"));
        const double wert = l.Float("v", -1);
        EXPECT_EQ(l.Ok(), f.Ok) << f.Text;
        EXPECT_DOUBLE_EQ(wert, f.Ok ? f.Wert : -1) << f.Text;
    }
}

TEST(TKLeser, IntegersMustBeWholeAndFitTheirField) {
    struct Fall {
        const char* Text;
        bool Ok;
    };
    const Fall faelle[] = {
        {"0", true},    {"255", true},  {"256", false}, {"-1", false},
        {"1.0", false}, {"+3", false},  {"", false},    {"99999999999999999999", false},
        {" 12 ", true}, {"1e2", false}, {"0x1", false}};
    for (const Fall& f : faelle) {
        const TKDokument dok = Dokument(std::string("<v>") + f.Text + "</v>");
        TKLeser l(dok.Wurzel().Kind("e"));
        const auto wert = l.Ganz<std::uint8_t>("v", 7);
        EXPECT_EQ(l.Ok(), f.Ok) << f.Text;
        if (!f.Ok) {
            EXPECT_EQ(wert, 7) << f.Text;
        }
    }
    const TKDokument dok = Dokument("<v>4</v>");
    TKLeser l(dok.Wurzel().Kind("e"));
    EXPECT_EQ(l.Ganz<std::uint8_t>("v", 0, 3), 0);
    EXPECT_FALSE(l.Ok());
    EXPECT_NE(l.Fehler().find("v"), std::string::npos);
}

TEST(TKLeser, MissingNumbersFailUnlessTheElementIsEmpty) {
    const TKDokument dok = Dokument("<andere>1</andere>");
    TKLeser l(dok.Wurzel().Kind("e"));
    EXPECT_EQ(l.Int("v", 5, 0, 9), 5);
    EXPECT_FALSE(l.Ok());

    // An element without children gives every default.
    const TKDokument leer = Dokument("");
    TKLeser d(leer.Wurzel().Kind("e"));
    EXPECT_EQ(d.Int("v", 5, 0, 9), 5);
    EXPECT_DOUBLE_EQ(d.Float("x", 2.5), 2.5);
    EXPECT_EQ(d.String("s", "#NV"), "#NV");
    EXPECT_TRUE(d.Ok());
}

TEST(TKLeser, AfterAFailureEveryReadGivesItsDefault) {
    const TKDokument dok = Dokument("<a>x</a><b>3</b>");
    TKLeser l(dok.Wurzel().Kind("e"));
    EXPECT_EQ(l.Int("a", 1, 0, 9), 1);
    EXPECT_EQ(l.Int("b", 2, 0, 9), 2);
    EXPECT_NE(l.Fehler().find("a"), std::string::npos);
}

TEST(TKLeser, BooleansFallBackToTheirDefault) {
    const TKDokument dok = Dokument("<j>1</j><n>0</n><w>yes</w><l></l>");
    TKLeser l(dok.Wurzel().Kind("e"));
    EXPECT_TRUE(l.Bool("j", false));
    EXPECT_FALSE(l.Bool("n", true));
    EXPECT_TRUE(l.Bool("w", true));
    EXPECT_FALSE(l.Bool("w", false));
    EXPECT_TRUE(l.Bool("l", true));
    EXPECT_FALSE(l.Bool("fehlt", false));
    EXPECT_TRUE(l.Ok());
}

TEST(TKLeser, StringsAndStringLists) {
    const TKDokument dok =
        Dokument("<s>Größe &amp; Maß</s><l><String_1>a</String_1><String_2/></l><x>1</x>");
    TKLeser l(dok.Wurzel().Kind("e"));
    EXPECT_EQ(l.String("s", "#NV"), "Größe & Maß");
    EXPECT_EQ(l.String("fehlt", "#NV"), "");
    EXPECT_EQ(l.StringListe("l"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(l.StringListe("fehlt").empty());
    EXPECT_EQ(l.AnzahlKinder(), 3u);
}

} // namespace
} // namespace trv::xml
