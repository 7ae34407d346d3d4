#include "sketches/Texte.h"

#include "Aufzeichner.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;

TEST(SymbolTextTest, LateinischeBuchstabenWerdenGriechisch) {
    EXPECT_EQ(SymbolText("g"), QString::fromUtf8("γ"));
    EXPECT_EQ(SymbolText("h"), QString::fromUtf8("η"));
    EXPECT_EQ(SymbolText(" \xD7 g"), QString::fromUtf8(" ⋅ γ"));
    EXPECT_EQ(SymbolText("\xA3"), QString::fromUtf8("≤"));
    EXPECT_EQ(SymbolText("D1"), QString::fromUtf8("Δ1"));
}

TEST(TexteTest, ArialWirdZuLiberationSans) {
    const QFontInfo info(ArialSchrift(10));
    EXPECT_EQ(info.family().toStdString(), "Liberation Sans");
}

class TexteZeichnenTest : public ::testing::Test {
protected:
    Aufzeichner geraet_{400, 200};
};

// The index is lowered and smaller; the returned end leaves room for the full-size text.
TEST_F(TexteZeichnenTest, TiefgestelltLiegtTieferUndGibtDieVolleBreiteZurueck) {
    QPainter p(&geraet_);
    p.setFont(ArialSchrift(12));
    const int volleBreite = TextBreite(p, "Ed");
    const int ende = TextTiefgestellt(p, 10, 50, "Ed");
    EXPECT_EQ(ende, 10 + volleBreite);
    EXPECT_EQ(p.font().pointSize(), 12);
    const int hauptende = TextOben(p, 100, 50, "Ed");
    p.end();
    ASSERT_EQ(geraet_.Liste.size(), 2u);
    const auto& index = geraet_.Liste[0];
    const auto& haupt = geraet_.Liste[1];
    EXPECT_EQ(index.text, "Ed");
    EXPECT_GT(index.rahmen.top(), haupt.rahmen.top());
    EXPECT_LT(index.rahmen.width(), haupt.rahmen.width());
    EXPECT_EQ(hauptende, 100 + volleBreite);
}

TEST_F(TexteZeichnenTest, HochgestelltLiegtHoeher) {
    QPainter p(&geraet_);
    p.setFont(ArialSchrift(12));
    TextHochgestellt(p, 10, 50, "2");
    TextOben(p, 100, 50, "2");
    p.end();
    ASSERT_EQ(geraet_.Liste.size(), 2u);
    EXPECT_LT(geraet_.Liste[0].rahmen.top(), geraet_.Liste[1].rahmen.top());
}

TEST_F(TexteZeichnenTest, TextMitIndexSchreibtDenIndexHinterDenText) {
    QPainter p(&geraet_);
    p.setFont(ArialSchrift(10));
    const int breiteV = TextBreite(p, "V");
    const int ende = TextMitIndex(p, 20, 40, "Ed,p", "V");
    EXPECT_EQ(ende, 20 + breiteV + TextBreite(p, "Ed,p"));
    p.end();
    ASSERT_EQ(geraet_.Texte(), (std::vector<QString>{"V", "Ed,p"}));
    EXPECT_NEAR(geraet_.Liste[1].rahmen.left(), 20 + breiteV, 0.5);
}

// A turned text reads upwards from its reference point and leaves the canvas as it was.
TEST(TextGedrehtTest, DrehtLinksherumUndStelltDenCanvasWiederHer) {
    QImage bild(200, 200, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setFont(ArialSchrift(12));
    p.setPen(Qt::black);
    const QFont vorher = p.font();
    TextGedreht(p, 100, 150, "WWWW", 900);
    EXPECT_TRUE(p.font() == vorher);
    EXPECT_TRUE(p.transform().isIdentity());
    const int breite = TextBreite(p, "WWWW");
    const int hoehe = TextHoehe(p);
    p.end();
    int links = 200, rechts = -1, oben = 200, unten = -1;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (qGray(bild.pixel(x, y)) < 128) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
                oben = std::min(oben, y);
                unten = std::max(unten, y);
            }
        }
    }
    ASSERT_GE(rechts, 0);
    // Text body right of x = 100, above y = 150, taller than wide.
    EXPECT_GE(links, 100);
    EXPECT_LE(rechts, 100 + hoehe);
    EXPECT_LE(unten, 150);
    EXPECT_GE(oben, 150 - breite - 1);
    EXPECT_GT(unten - oben, rechts - links);
}

} // namespace
} // namespace trv
