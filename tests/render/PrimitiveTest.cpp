#include "sketches/Primitive.h"

#include "sketches/Skizzenkontext.h"

#include "Aufzeichner.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <stdexcept>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;

QImage MasslinieBild(QPoint p1, QPoint p2, bool senkrecht) {
    QImage bild(300, 200, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setPen(Qt::black);
    const Skizzenkontext kontext;
    Masslinie(p, kontext, p1, p2, 16, senkrecht, "Ed", "V", QPoint(5, 10));
    return bild;
}

TEST(MasslinieTest, VertauschtePunkteGebenDasselbeBild) {
    EXPECT_EQ(MasslinieBild({40, 100}, {250, 100}, false),
              MasslinieBild({250, 100}, {40, 100}, false));
}

TEST(MasslinieTest, WaagerechtFuenfStricheUndDerTextDarueber) {
    Aufzeichner geraet(300, 200);
    QPainter p(&geraet);
    const Skizzenkontext kontext(TKFarbe(), '.', 2);
    Masslinie(p, kontext, {40, 100}, {240, 100}, 16, false, "", "450", {0, 20});
    p.end();
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Linie), 5);
    ASSERT_EQ(geraet.Texte(), std::vector<QString>{"450"});
    for (const auto& a : geraet.Liste) {
        if (a.art == Aufzeichnung::Art::Linie) {
            EXPECT_EQ(a.stiftBreite, 2); // the pen factor
        } else {
            EXPECT_LT(a.rahmen.bottom(), 120.0); // text above the line at y = 120
            EXPECT_NEAR(a.rahmen.center().x(), 140.0, 3.0);
        }
    }
}

TEST(LastpfeilTest, PfeilOhneLaengeHatKeineSpitze) {
    Aufzeichner geraet(300, 200);
    QPainter p(&geraet);
    const Skizzenkontext kontext;
    Lastpfeil(p, kontext, {50, 80}, {50, 80}, true, "", "", {3, 3});
    Lastpfeil(p, kontext, {60, 40}, {60, 80}, true, "", "", {3, 3});
    p.end();
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Linie), 1);
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Polylinie), 1);
    EXPECT_TRUE(geraet.Texte().empty());
}

TEST(HinweislinieTest, TextStehtUeberDemLetztenAbschnitt) {
    Aufzeichner geraet(400, 200);
    QPainter p(&geraet);
    Hinweislinie(p, {{10, 10}, {10, 100}, {210, 100}}, " U-bars", "", "Vertical: 10 - T");
    Hinweislinie(p, {}, "x", "", "y"); // nothing to lead from: nothing drawn
    p.end();
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Polylinie), 1);
    const auto texte = geraet.Texte();
    ASSERT_EQ(texte, (std::vector<QString>{"Vertical: 10 - T", " U-bars"}));
    for (const auto& a : geraet.Liste) {
        if (a.art == Aufzeichnung::Art::Text) {
            EXPECT_LT(a.rahmen.bottom(), 100.0);
            EXPECT_GT(a.rahmen.left(), 10.0);
        }
    }
}

TEST(StiftFaktorWahrerTest, StelltDenFaktorAuchNachEinerAusnahmeWiederHer) {
    Skizzenkontext kontext(TKFarbe(), '.', 2);
    try {
        StiftFaktorWahrer wahrer(kontext);
        kontext.SetStiftFaktor(3);
        throw std::runtime_error("abgebrochen");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(kontext.StiftFaktor(), 2);
}

TEST(SkizzenkontextTest, ZahlenImRegionalenFormat) {
    EXPECT_EQ(Skizzenkontext(TKFarbe(), ',').Zahl(2.5), "2,5");
    EXPECT_EQ(Skizzenkontext().Zahl(450), "450");
    EXPECT_EQ(Skizzenkontext().Zahl(0), "0");
}

} // namespace
} // namespace trv
