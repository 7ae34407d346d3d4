#include "ui/main/Fallsymbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

namespace trv {

namespace {

const QColor kBeton(0xb8, 0xb8, 0xb0);
const QColor kKante(0x50, 0x50, 0x50);
const QColor kStahl(0x20, 0x40, 0xa0);
const QColor kLast(0xc0, 0x30, 0x20);

// Drawn on a 32 x 32 grid at every size the buttons use, so they stay sharp.
QIcon Symbol(const std::function<void(QPainter&)>& zeichnen) {
    QIcon symbol;
    for (int groesse : {16, 24, 32, 48, 64}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(groesse / 32.0, groesse / 32.0);
        zeichnen(p);
        p.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}

void Block(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kKante, 1.2));
    p.setBrush(kBeton);
    p.drawRect(r);
}

void Dorn(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(kStahl, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

void Lastflaeche(QPainter& p, const QPolygonF& oben) {
    QPolygonF flaeche = oben;
    flaeche << QPointF(oben.last().x(), 26) << QPointF(oben.first().x(), 26);
    QColor fuellung = kLast;
    fuellung.setAlpha(60);
    p.setPen(Qt::NoPen);
    p.setBrush(fuellung);
    p.drawPolygon(flaeche);
    p.setPen(QPen(kLast, 1.6));
    p.drawPolyline(oben);
    p.setPen(QPen(kKante, 2.0));
    p.drawLine(QPointF(3, 27), QPointF(29, 27));
}

} // namespace

QIcon AnwendungsfallSymbol(int fall) {
    switch (fall) {
    case 0: // a beam: one double-shear connector across the joint
        return Symbol([](QPainter& p) {
            Block(p, QRectF(2, 9, 12, 14));
            Block(p, QRectF(18, 9, 12, 14));
            Dorn(p, QPointF(8, 16), QPointF(24, 16));
        });
    case 1: // two slabs in plan with a row of connectors
        return Symbol([](QPainter& p) {
            Block(p, QRectF(2, 3, 12, 26));
            Block(p, QRectF(18, 3, 12, 26));
            for (double y : {8.0, 16.0, 24.0}) {
                Dorn(p, QPointF(9, y), QPointF(23, y));
            }
        });
    default: // a slab meeting a wall in section
        return Symbol([](QPainter& p) {
            Block(p, QRectF(2, 12, 16, 8));
            Block(p, QRectF(21, 2, 9, 28));
            Dorn(p, QPointF(11, 16), QPointF(26, 16));
        });
    }
}

QIcon BelastungsfallSymbol(int fall) {
    switch (fall) {
    case 0:
        return Symbol([](QPainter& p) {
            p.setPen(QPen(kLast, 2.0));
            p.drawLine(QPointF(16, 4), QPointF(16, 22));
            p.setBrush(kLast);
            p.drawPolygon(QPolygonF({QPointF(11, 18), QPointF(21, 18), QPointF(16, 26)}));
        });
    case 1:
        return Symbol([](QPainter& p) {
            Lastflaeche(p, QPolygonF({QPointF(4, 12), QPointF(28, 12)}));
        });
    case 2:
        return Symbol([](QPainter& p) {
            Lastflaeche(p, QPolygonF({QPointF(4, 20), QPointF(28, 6)}));
        });
    default:
        return Symbol([](QPainter& p) {
            Lastflaeche(p, QPolygonF({QPointF(4, 14), QPointF(10, 8), QPointF(16, 18),
                                      QPointF(22, 10), QPointF(28, 16)}));
        });
    }
}

} // namespace trv
