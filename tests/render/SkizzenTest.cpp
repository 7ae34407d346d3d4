#include "sketches/Skizzen.h"

#include "sketches/Fugenskizzen.h"
#include "sketches/Skizzenkontext.h"
#include "sketches/Systemskizzen.h"

#include "Positionen.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace trv {
namespace {

using test::Projekt;
using Methode = void (TKSkizzen::*)(QPainter&, const QRect&, double) const;

QImage Bild(const TKSkizzen& skizzen, Methode skizze, const QRect& r, double bildpunkt = 1) {
    QImage bild(640, 480, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter canvas(&bild);
    (skizzen.*skizze)(canvas, r, bildpunkt);
    return bild;
}

// The sheet and trv-cli draw through the facade; it must give what the sketch functions give
// for the QRect's corners, and leave the painter as it found it.
TEST(TKSkizzenTest, ZeichnetWieDieSkizzenfunktionenUndStelltDenPainterWiederHer) {
    Projekt p = test::ReiheWand();
    const TKSkizzen skizzen(*p.Modell, p.Anwendung(), TKFarbe::Grau(), ',');
    const QRect r(20, 10, 600, 400);
    const Skizzenrechteck sr{20, 10, 620, 410};

    QImage erwartet(640, 480, QImage::Format_RGB32);
    erwartet.fill(Qt::white);
    {
        QPainter canvas(&erwartet);
        Skizzenkontext kontext(TKFarbe::Grau(), ',', 1, 2.0);
        SkizzeSchnitt(canvas, kontext, sr, p.Anwendung());
    }
    EXPECT_EQ(Bild(skizzen, &TKSkizzen::Schnitt, r, 2), erwartet);

    erwartet.fill(Qt::white);
    {
        QPainter canvas(&erwartet);
        Skizzenkontext kontext(TKFarbe::Grau(), ',', 1);
        SkizzeLast(canvas, kontext, sr, EingabeQuelle(*p.Modell, p.Anwendung()), p.Anwendung(), 2,
                   3);
    }
    EXPECT_EQ(Bild(skizzen, &TKSkizzen::Last, r), erwartet);

    for (Methode m :
         {&TKSkizzen::Ansicht, &TKSkizzen::Draufsicht, &TKSkizzen::Schnitt, &TKSkizzen::Reihe,
          &TKSkizzen::Lastprofil, &TKSkizzen::Eingabe, &TKSkizzen::System, &TKSkizzen::Last}) {
        QImage bild(640, 480, QImage::Format_RGB32);
        QPainter canvas(&bild);
        const QPen stift(Qt::magenta, 7);
        const QFont schrift("Liberation Serif", 31);
        canvas.setPen(stift);
        canvas.setFont(schrift);
        (skizzen.*m)(canvas, r, 2);
        EXPECT_EQ(canvas.pen(), stift);
        EXPECT_EQ(canvas.font(), schrift);
        EXPECT_EQ(canvas.brush(), QBrush());
    }
}

TEST(TKSkizzenTest, EingabeFuelltDasRechteckUndZeichnetBeideHaelften) {
    Projekt p = test::ReiheDecke();
    const TKSkizzen skizzen(*p.Modell, p.Anwendung());
    const QImage bild = Bild(skizzen, &TKSkizzen::Eingabe, QRect(0, 0, 640, 480));
    const QColor beton = TKFarbe().Farbe(TKFarbe::Rolle::BetonBrush);
    int oben = 0;
    int unten = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; x += 4) {
            (y < 240 ? oben : unten) += bild.pixelColor(x, y) == beton;
        }
    }
    EXPECT_GT(oben, 1000);
    EXPECT_GT(unten, 1000);
}

} // namespace
} // namespace trv
