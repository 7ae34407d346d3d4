#include "sketches/Skizzenanzeige.h"

#include "sketches/Skizzen.h"

#include <QRect>

namespace trv {

bool SkizzeNachAnzeigeZeichnen(QPainter& canvas, const QRect& r, const TKSkizzen& skizzen,
                               int skizzeAnzeige, int stiftFaktor) {
    switch (skizzeAnzeige) {
    case 0:
        skizzen.Ansicht(canvas, r, stiftFaktor);
        return true;
    case 1:
        skizzen.Draufsicht(canvas, r, stiftFaktor);
        return true;
    case 2:
        skizzen.Schnitt(canvas, r, stiftFaktor);
        return true;
    case 3:
        skizzen.Reihe(canvas, r, stiftFaktor);
        return true;
    case 4:
        skizzen.Eingabe(canvas, r, stiftFaktor);
        return true;
    default:
        return false;
    }
}

void VierSkizzenZeichnen(QPainter& canvas, const QRect& quadrat, const TKSkizzen& skizzen,
                         bool mitReihe, int stiftFaktor) {
    const int x0 = quadrat.left();
    const int y0 = quadrat.top();
    const int xm = x0 + quadrat.width() / 2;
    const int ym = y0 + quadrat.height() / 2;
    const int x1 = x0 + quadrat.width();
    const int y1 = y0 + quadrat.height();
    skizzen.Ansicht(canvas, QRect(QPoint(x0, y0), QPoint(xm - 1, ym - 1)), stiftFaktor);
    skizzen.Schnitt(canvas, QRect(QPoint(xm, y0), QPoint(x1 - 1, ym - 1)), stiftFaktor);
    skizzen.Draufsicht(canvas, QRect(QPoint(x0, ym), QPoint(xm - 1, y1 - 1)), stiftFaktor);
    if (mitReihe) {
        skizzen.Reihe(canvas, QRect(QPoint(xm, ym), QPoint(x1 - 1, y1 - 1)), stiftFaktor);
    }
}

} // namespace trv
