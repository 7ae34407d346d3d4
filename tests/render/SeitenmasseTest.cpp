#include "printing/Seitenmasse.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace trv {
namespace {

// 254 pixels per inch: one centimetre is exactly 100 pixels.
Druckergeometrie Geometrie(int links, int oben, int rechts, int unten) {
    Druckergeometrie g;
    g.AufloesungX = g.AufloesungY = 254;
    g.PapierBreite = 2100;
    g.PapierHoehe = 2970;
    g.RandLinks = links;
    g.RandOben = oben;
    g.DruckBreite = g.PapierBreite - links - rechts;
    g.DruckHoehe = g.PapierHoehe - oben - unten;
    return g;
}

TEST(Seitenmasse, RaenderVomPapierrandGemessen) {
    Seitenmasse m;
    m.SeiteEinrichten(Geometrie(50, 30, 20, 40));
    EXPECT_DOUBLE_EQ(m.SeitenBreite(), 20.3);
    EXPECT_DOUBLE_EQ(m.SeitenHoehe(), 29.0);
    // 0.5 cm unprintable at the left: the text edge is 1.25 cm inside the printable area.
    EXPECT_DOUBLE_EQ(m.DruckRandLinks(), 1.25);
    EXPECT_DOUBLE_EQ(m.DruckRandOben(), 0.7);
    EXPECT_DOUBLE_EQ(m.DruckRandRechts(), 0.55);
    EXPECT_DOUBLE_EQ(m.DruckRandUnten(), 0.6);
}

TEST(Seitenmasse, RechterUndUntererRandHabenUntergrenzen) {
    Seitenmasse m;
    m.SeiteEinrichten(Geometrie(0, 0, 100, 100));
    EXPECT_DOUBLE_EQ(m.DruckRandRechts(), 0.25); // not -0.25
    EXPECT_DOUBLE_EQ(m.DruckRandUnten(), 0.15);  // not 0
    // Left and top have none: a wide unprintable border makes them negative.
    m.SeiteEinrichten(Geometrie(200, 150, 0, 0));
    EXPECT_DOUBLE_EQ(m.DruckRandLinks(), -0.25);
    EXPECT_DOUBLE_EQ(m.DruckRandOben(), -0.5);
}

TEST(Seitenmasse, OhneAufloesungKeineSeite) {
    Seitenmasse m;
    EXPECT_THROW(m.SeiteEinrichten(Druckergeometrie{}), std::range_error);
}

TEST(Seitenmasse, ZentimeterInPixelHalbeZurGeradenZahl) {
    QImage bild(10, 10, QImage::Format_RGB32);
    QPainter p(&bild);
    Seitenmasse m;
    m.AufloesungEinrichten(p, 254, 127, 1);
    EXPECT_EQ(m.CmNachPixelX(1.0), 100);
    EXPECT_EQ(m.CmNachPixelY(1.0), 50);
    EXPECT_EQ(m.CmNachPixelX(0.005), 0);  // 0.5 px
    EXPECT_EQ(m.CmNachPixelX(0.015), 2);  // 1.5 px
    EXPECT_EQ(m.CmNachPixelY(-0.03), -2); // -1.5 px
    EXPECT_THROW(m.CmNachPixelX(1e12), std::range_error);
    EXPECT_THROW(m.CmNachPixelY(std::numeric_limits<double>::quiet_NaN()), std::range_error);
}

TEST(Seitenmasse, ZeilenhoehenAmZielGemessen) {
    QImage bildschirm(10, 10, QImage::Format_RGB32);
    bildschirm.setDotsPerMeterX(3780);
    bildschirm.setDotsPerMeterY(3780);
    QImage fein = bildschirm;
    fein.setDotsPerMeterX(3780 * 8);
    fein.setDotsPerMeterY(3780 * 8);
    Seitenmasse grob;
    Seitenmasse scharf;
    {
        QPainter p(&bildschirm);
        grob.FuerBildschirm(p, 96);
    }
    {
        QPainter p(&fein);
        Druckergeometrie g;
        g.AufloesungX = g.AufloesungY = 768;
        scharf.FuerDrucker(p, g);
    }
    EXPECT_EQ(grob.StiftFaktor(), 1);
    EXPECT_EQ(scharf.StiftFaktor(), 8); // a screen pixel covers 8 printer pixels
    EXPECT_GT(grob.Zeile14(), grob.Zeile12());
    EXPECT_GT(grob.Zeile12(), grob.Zeile10());
    EXPECT_GE(grob.Zeile11(), grob.Zeile10());
    EXPECT_GT(grob.Zeile10(), grob.Zeile8());
    EXPECT_GT(grob.Zeile8(), grob.Zeile6());
    // Points are physical: eight times the resolution gives about eight times the pixels.
    EXPECT_NEAR(scharf.Zeile10(), 8.0 * grob.Zeile10(), 0.15 * 8 * grob.Zeile10());
}

TEST(Seitenmasse, BildEinerSeiteBeiBildschirmaufloesung) {
    Seitenmasse m;
    m.SeiteEinrichten(Geometrie(50, 30, 20, 40)); // 20.3 cm x 29 cm printable
    const QSize groesse = m.BildGroesse(96);
    EXPECT_EQ(groesse.width(), 767);   // 96 * 20.3 / 2.54 = 767.24
    EXPECT_EQ(groesse.height(), 1096); // 96 * 29 / 2.54 = 1096.06
}

TEST(Seitenmasse, PdfDruckerOhneGeraet) {
    const Druckergeometrie g = StandardGeometrie();
    ASSERT_GT(g.AufloesungX, 0);
    // A4 paper: 21 cm x 29.7 cm.
    EXPECT_NEAR(g.PapierBreite * 2.54 / g.AufloesungX, 21.0, 0.01);
    EXPECT_NEAR(g.PapierHoehe * 2.54 / g.AufloesungY, 29.7, 0.01);
    EXPECT_LE(g.RandLinks + g.DruckBreite, g.PapierBreite);
}

} // namespace
} // namespace trv
