#include "printing/Druckbilder.h"

#include "printing/Seitenmasse.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace trv {

namespace {

constexpr QSize LogoGroesse{150, 50};
constexpr QSize FormelGroesse{260, 56};

QFont PixelSchrift(int pixel, bool fett = false, bool kursiv = false) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    return schrift;
}

// The maker's logo in black and white: a dowel through its sleeve beside the maker's name.
void LogoZeichnen(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 148, 48), 6, 6);
    // Sleeve (open box) and the dowel reaching out of it.
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(10, 17, 22, 16));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(18, 22, 26, 6));
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(QPointF(32, 10), QPointF(32, 40));
    p.setPen(Qt::black);
    p.setFont(PixelSchrift(20, true));
    p.drawText(QRectF(50, 6, 96, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VARNEL"));
    p.setFont(PixelSchrift(9));
    p.drawText(QRectF(50, 31, 96, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Druckbilder", "shear connectors"));
}

// Writes text at the baseline y and returns the x after it.
double Schreibe(QPainter& p, double x, double y, const QString& text, const QFont& schrift) {
    p.setFont(schrift);
    p.drawText(QPointF(x, y), text);
    return x + QFontMetricsF(schrift).horizontalAdvance(text);
}

// F_Sd,tot = sum over i = 2..n of (q_Ed(x_i-1) + q_Ed(x_i)) / 2 * (x_i - x_i-1), and the
// meaning of n below it.
void FormelZeichnen(QPainter& p) {
    p.setPen(Qt::black);
    const QFont gross = PixelSchrift(13);
    const QFont klein = PixelSchrift(9);
    const double zeile = 24; // baseline of the formula
    double x = Schreibe(p, 2, zeile, QStringLiteral("F"), gross);
    x = Schreibe(p, x, zeile + 4, QStringLiteral("Sd,tot"), klein);
    x = Schreibe(p, x + 2, zeile, QStringLiteral("="), gross);
    // Sum sign with its limits above and below, each in a line of its own (the limits once
    // sat inside the sign's line and read as one with it).
    const double summeX = x + 4;
    Schreibe(p, summeX, zeile + 4, QString(QChar(0x03A3)), PixelSchrift(18));
    Schreibe(p, summeX + 3, zeile - 15, QStringLiteral("n"), klein);
    Schreibe(p, summeX, zeile + 16, QStringLiteral("i=2"), klein);
    x = summeX + 20;
    // The fraction: numerator, bar, denominator.
    const double zaehlerX = x;
    double zx = Schreibe(p, zaehlerX, zeile - 7, QStringLiteral("q"), gross);
    zx = Schreibe(p, zx, zeile - 4, QStringLiteral("Ed"), klein);
    zx = Schreibe(p, zx, zeile - 7, QStringLiteral("(x"), gross);
    zx = Schreibe(p, zx, zeile - 4, QStringLiteral("i-1"), klein);
    zx = Schreibe(p, zx, zeile - 7, QStringLiteral(") + q"), gross);
    zx = Schreibe(p, zx, zeile - 4, QStringLiteral("Ed"), klein);
    zx = Schreibe(p, zx, zeile - 7, QStringLiteral("(x"), gross);
    zx = Schreibe(p, zx, zeile - 4, QStringLiteral("i"), klein);
    zx = Schreibe(p, zx, zeile - 7, QStringLiteral(")"), gross);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(zaehlerX, zeile - 3), QPointF(zx, zeile - 3));
    Schreibe(p, (zaehlerX + zx) / 2 - 3, zeile + 10, QStringLiteral("2"), gross);
    x = Schreibe(p, zx + 3, zeile, QString(QChar(0x22C5)), gross);
    x = Schreibe(p, x + 3, zeile, QStringLiteral("(x"), gross);
    x = Schreibe(p, x, zeile + 4, QStringLiteral("i"), klein);
    x = Schreibe(p, x, zeile, QStringLiteral(" - x"), gross);
    x = Schreibe(p, x, zeile + 4, QStringLiteral("i-1"), klein);
    Schreibe(p, x, zeile, QStringLiteral(")"), gross);
    Schreibe(p, 2, 52.5, QCoreApplication::translate("Druckbilder", "n = number of data entries"),
             PixelSchrift(11));
}

} // namespace

QSize BildGroesseAusRessource(const std::string& name) {
    if (name == LogoBild) {
        return LogoGroesse;
    }
    if (name == FormelBeliebigeLast) {
        return FormelGroesse;
    }
    return {};
}

bool BitmapAusRessource(QPainter& canvas, const std::string& name, const QRect& rechteck) {
    const QSize natur = BildGroesseAusRessource(name);
    if (natur.isEmpty()) {
        return false;
    }
    if (rechteck.isEmpty()) {
        return true;
    }
    // The pictures are drawn in their own pixel frame, mapped onto the rectangle.
    canvas.save();
    canvas.translate(rechteck.topLeft());
    canvas.scale(static_cast<double>(rechteck.width()) / natur.width(),
                 static_cast<double>(rechteck.height()) / natur.height());
    canvas.setRenderHint(QPainter::Antialiasing, true);
    canvas.setRenderHint(QPainter::TextAntialiasing, true);
    if (name == LogoBild) {
        LogoZeichnen(canvas);
    } else {
        FormelZeichnen(canvas);
    }
    canvas.restore();
    return true;
}

int BildSkaliertZeichnen(QPainter& canvas, const Seitenmasse& masse, int bildschirmDpi,
                         const std::string& name, int x, int y) {
    const QSize natur = BildGroesseAusRessource(name);
    if (natur.isEmpty() || bildschirmDpi <= 0) {
        return 0;
    }
    const int breite = natur.width() * masse.AufloesungX() / bildschirmDpi;
    const int hoehe = natur.height() * masse.AufloesungY() / bildschirmDpi;
    BitmapAusRessource(canvas, name, QRect(x, y, breite, hoehe));
    return hoehe;
}

} // namespace trv
