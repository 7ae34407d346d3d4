#include "printing/Seitenmasse.h"

#include "model/Zahlen.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

namespace trv {

namespace {

constexpr double CmJeZoll = 2.54;

int InPixel(double aufloesung, double cm) {
    const double wert = RundeGerade(aufloesung * cm / CmJeZoll);
    if (!std::isfinite(wert) || wert > INT_MAX || wert < INT_MIN) {
        throw std::range_error("page coordinate out of range");
    }
    return static_cast<int>(wert);
}

// Device pixels of one pixel of a 96 dpi screen. A printer pixel is a fraction of it: without
// the factor thick edges, dots and offsets would shrink to hairlines on paper.
double PixelFaktor(int aufloesungX, int aufloesungY) {
    const double faktor = (aufloesungX + aufloesungY) / 2.0 / BildschirmDpi;
    return faktor > 0 ? faktor : 1.0;
}

int ZeilenHoehe(QPainter& canvas, int punkte) {
    return QFontMetrics(DruckSchrift(punkte), canvas.device()).height();
}

} // namespace

Druckergeometrie GeometrieAusDrucker(const QPrinter& drucker) {
    Druckergeometrie g;
    g.AufloesungX = drucker.logicalDpiX();
    g.AufloesungY = drucker.logicalDpiY();
    const QRect papier = drucker.paperRect(QPrinter::DevicePixel).toRect();
    const QRect druck = drucker.pageRect(QPrinter::DevicePixel).toRect();
    g.RandLinks = druck.left() - papier.left();
    g.RandOben = druck.top() - papier.top();
    g.DruckBreite = druck.width();
    g.DruckHoehe = druck.height();
    g.PapierBreite = papier.width();
    g.PapierHoehe = papier.height();
    return g;
}

Druckergeometrie StandardGeometrie() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    return GeometrieAusDrucker(drucker);
}

QFont DruckSchrift(int punkte, bool fett, bool kursiv, bool unterstrichen) {
    QFont schrift = ArialSchrift(punkte);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    schrift.setUnderline(unterstrichen);
    return schrift;
}

void TextRechts(QPainter& canvas, int x, int y, const QString& text) {
    const QFontMetrics fm(canvas.font(), canvas.device());
    canvas.drawText(QPoint(x - fm.horizontalAdvance(text), y + fm.ascent()), text);
}

QImage SeitenBild(const Seitenmasse& masse, int bildschirmDpi) {
    QImage bild(masse.BildGroesse(bildschirmDpi), QImage::Format_RGB32);
    const int proMeter = static_cast<int>(std::lround(bildschirmDpi / 0.0254));
    bild.setDotsPerMeterX(proMeter);
    bild.setDotsPerMeterY(proMeter);
    bild.fill(Qt::white);
    return bild;
}

void Seitenmasse::SeiteEinrichten(const Druckergeometrie& g) {
    if (g.AufloesungX <= 0 || g.AufloesungY <= 0) {
        throw std::range_error("the printer reports no resolution");
    }
    const double zollX = CmJeZoll / g.AufloesungX;
    const double zollY = CmJeZoll / g.AufloesungY;
    seitenBreite_ = g.DruckBreite * zollX;
    seitenHoehe_ = g.DruckHoehe * zollY;
    // Text edges are fixed distances from the paper edge, whatever the printer cannot print.
    druckRandLinks_ = 1.75 - g.RandLinks * zollX;
    druckRandOben_ = 1.0 - g.RandOben * zollY;
    druckRandRechts_ =
        std::max(0.25, 0.75 - (g.PapierBreite - g.RandLinks - g.DruckBreite) * zollX);
    druckRandUnten_ = std::max(0.15, 1.0 - (g.PapierHoehe - g.RandOben - g.DruckHoehe) * zollY);
}

void Seitenmasse::AufloesungEinrichten(QPainter& canvas, int aufloesungX, int aufloesungY,
                                       double stiftFaktor) {
    aufloesungX_ = aufloesungX;
    aufloesungY_ = aufloesungY;
    stiftFaktor_ = stiftFaktor;
    zeile14_ = ZeilenHoehe(canvas, 14);
    zeile12_ = ZeilenHoehe(canvas, 12);
    zeile11_ = ZeilenHoehe(canvas, 11);
    zeile10_ = ZeilenHoehe(canvas, 10);
    zeile8_ = ZeilenHoehe(canvas, 8);
    zeile6_ = ZeilenHoehe(canvas, 6);
}

void Seitenmasse::FuerBildschirm(QPainter& canvas, int bildschirmDpi) {
    AufloesungEinrichten(canvas, bildschirmDpi, bildschirmDpi,
                         PixelFaktor(bildschirmDpi, bildschirmDpi));
}

void Seitenmasse::FuerDrucker(QPainter& canvas, const Druckergeometrie& g) {
    AufloesungEinrichten(canvas, g.AufloesungX, g.AufloesungY,
                         PixelFaktor(g.AufloesungX, g.AufloesungY));
}

QPen Seitenmasse::Stift(double bildschirmPixel, Qt::PenStyle stil) const {
    return QPen(Qt::black, bildschirmPixel * stiftFaktor_, stil);
}

QSize Seitenmasse::BildGroesse(int bildschirmDpi) const {
    return {InPixel(bildschirmDpi, seitenBreite_), InPixel(bildschirmDpi, seitenHoehe_)};
}

int Seitenmasse::CmNachPixelX(double cm) const {
    return InPixel(aufloesungX_, cm);
}

int Seitenmasse::CmNachPixelY(double cm) const {
    return InPixel(aufloesungY_, cm);
}

} // namespace trv
