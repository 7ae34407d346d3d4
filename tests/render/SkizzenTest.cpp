#include "sketches/Skizzen.h"

#include "Positionen.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace trv {
namespace {

using test::Projekt;

QImage Bild(const Projekt& p, void (TKSkizzen::*skizze)(QPainter&, const QRect&, int) const,
            QSize groesse = {600, 400}) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::red);
    QPainter canvas(&bild);
    const TKSkizzen skizzen(*p.Modell, p.Modell->AktuelleAnwendung());
    (skizzen.*skizze)(canvas, QRect(QPoint(0, 0), groesse), 1);
    return bild;
}

TEST(SkizzenBilder, AlleArten) {
    const QString ziel = qEnvironmentVariable("TRV_SKIZZEN_BILDER");
    if (ziel.isEmpty()) {
        GTEST_SKIP();
    }
    QDir().mkpath(ziel);
    Projekt projekte[] = {test::Einzeldorn(), test::ReiheDecke(20, 40), test::ReiheWand()};
    const char* namen[] = {"einzel", "decke", "wand"};
    for (int i = 0; i < 3; ++i) {
        Bild(projekte[i], &TKSkizzen::Ansicht).save(ziel + "/" + namen[i] + "-view.png");
        Bild(projekte[i], &TKSkizzen::Draufsicht).save(ziel + "/" + namen[i] + "-plan.png");
        Bild(projekte[i], &TKSkizzen::Schnitt).save(ziel + "/" + namen[i] + "-section.png");
        Bild(projekte[i], &TKSkizzen::Reihe, {800, 300}).save(ziel + "/" + namen[i] + "-row.png");
        Bild(projekte[i], &TKSkizzen::Eingabe, {600, 600})
            .save(ziel + "/" + namen[i] + "-input.png");
    }
}

} // namespace
} // namespace trv
