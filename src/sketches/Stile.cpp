#include "sketches/Stile.h"

#include "sketches/Farbe.h"
#include "sketches/Primitive.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace trv {

namespace {

void VollStil(QPainter& canvas, const QColor& stift, const QColor& pinsel) {
    canvas.setPen(QPen(stift, 1, Qt::SolidLine));
    canvas.setBrush(QBrush(pinsel, Qt::SolidPattern));
}

} // namespace

void BetonStil(QPainter& canvas, const TKFarbe& farbe) {
    VollStil(canvas, farbe.Farbe(TKFarbe::Rolle::BetonBrush),
             farbe.Farbe(TKFarbe::Rolle::BetonBrush));
}

void DornStil(QPainter& canvas, const TKFarbe& farbe) {
    VollStil(canvas, farbe.Farbe(TKFarbe::Rolle::DornPen), farbe.Farbe(TKFarbe::Rolle::DornBrush));
}

void StabStil(QPainter& canvas, const QColor& farbe) {
    VollStil(canvas, farbe, farbe);
}

void BeschriftungStil(QPainter& canvas, const TKFarbe& farbe) {
    canvas.setPen(QPen(farbe.Farbe(TKFarbe::Rolle::Bemassung), 1, Qt::SolidLine));
    canvas.setBrush(Qt::NoBrush);
}

void DickeKante(QPainter& canvas, const TKFarbe& farbe, int x1, int y1, int x2, int y2) {
    canvas.setPen(QPen(farbe.Farbe(TKFarbe::Rolle::BetonPen), 3, Qt::SolidLine));
    Linie(canvas, x1, y1, x2, y2);
}

void Schnittkante(QPainter& canvas, const TKFarbe& farbe, int x1, int y1, int x2, int y2) {
    canvas.setPen(QPen(farbe.Farbe(TKFarbe::Rolle::BetonPen), 1, Qt::DotLine));
    Linie(canvas, x1, y1, x2, y2);
}

void HintergrundFuellen(QPainter& canvas, const TKFarbe& farbe, int links, int oben, int rechts,
                        int unten) {
    const int l = std::min(links, rechts);
    const int o = std::min(oben, unten);
    canvas.fillRect(QRect(l, o, std::abs(rechts - links), std::abs(unten - oben)),
                    farbe.Farbe(TKFarbe::Rolle::Hintergrund));
}

Notation::Notation(const TrDaten& td)
    : X0(td.X0), Y0(td.Y0), TH(td.Zeile), d(td.pDicke), w(td.pBreite), t(td.pTiefe),
      z(td.pBreiteBewY), dx(td.pDurchmesserBewX), dy(td.pDurchmesserBewY), co(td.pDeckungOben),
      cu(td.pDeckungUnten), cv(td.pDeckungVorn),
      a0(td.pAbstaendeBewX.empty() ? 0 : td.pAbstaendeBewX.front()), T(td.Y0 - td.pDicke / 2),
      B(td.Y0 - td.pDicke / 2 + td.pDicke) {}

} // namespace trv
