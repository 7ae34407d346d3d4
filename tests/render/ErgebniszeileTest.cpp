#include "printing/Ergebniszeile.h"

#include "Aufzeichner.h"
#include "sketches/Texte.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;

// Text records of one result line drawn at (50, 100) with ds = 200 and dv = 40.
std::vector<Aufzeichnung> Zeile(const QString& wert, const QString& einheit,
                                const Ergebnissymbol& symbol) {
    Aufzeichner geraet(800, 400);
    {
        QPainter canvas(&geraet);
        canvas.setFont(ArialSchrift(9));
        ErgebnisZeile(canvas, QStringLiteral("Slab thickness"), wert, 40, 200, 100, 50, symbol,
                      einheit);
    }
    std::vector<Aufzeichnung> texte;
    for (const Aufzeichnung& a : geraet.Liste) {
        if (a.art == Aufzeichnung::Art::Text) {
            texte.push_back(a);
        }
    }
    return texte;
}

TEST(ErgebnisZeile, LabelSymbolIndexZeichenUndWertInIhrenSpalten) {
    const auto t = Zeile(QStringLiteral("250"), QStringLiteral("mm"),
                         {QStringLiteral("d"), QStringLiteral("w"), {}, QStringLiteral("=")});
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].text, QStringLiteral("Slab thickness"));
    EXPECT_DOUBLE_EQ(t[0].rahmen.left(), 50);
    EXPECT_EQ(t[1].text, QStringLiteral("d"));
    EXPECT_DOUBLE_EQ(t[1].rahmen.left(), 250);
    // The index follows the main symbol, lower and smaller.
    EXPECT_EQ(t[2].text, QStringLiteral("w"));
    EXPECT_NEAR(t[2].rahmen.left(), t[1].rahmen.right(), 1.0);
    EXPECT_GT(t[2].rahmen.top(), t[1].rahmen.top());
    EXPECT_LT(t[2].rahmen.height(), t[1].rahmen.height());
    EXPECT_EQ(t[3].text, QStringLiteral("="));
    EXPECT_DOUBLE_EQ(t[3].rahmen.left(), 290);
    EXPECT_EQ(t[4].text, QStringLiteral(" 250 mm"));
    EXPECT_NEAR(t[4].rahmen.left(), t[3].rahmen.right(), 1.0);
}

TEST(ErgebnisZeile, OhneWertUndEinheitKeinZeichen) {
    const auto t = Zeile({}, {}, {QStringLiteral("C30/37"), {}, {}, QStringLiteral("=")});
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].text, QStringLiteral("C30/37"));
    // A value without a unit still gets its sign.
    EXPECT_EQ(Zeile(QStringLiteral("1.35"), {}, {QStringLiteral("g"), {}, {}, QStringLiteral("=")})
                  .size(),
              4u);
}

TEST(ErgebnisZeile, HochgestelltesUeberDemIndex) {
    const auto t =
        Zeile(QStringLiteral("1"), QStringLiteral("m"),
              {QStringLiteral("x"), QStringLiteral("i"), QStringLiteral("2"), QStringLiteral("=")});
    ASSERT_EQ(t.size(), 6u);
    EXPECT_LT(t[3].rahmen.top(), t[2].rahmen.top());
    EXPECT_DOUBLE_EQ(t[3].rahmen.left(), t[2].rahmen.left());
}

} // namespace
} // namespace trv
