#include "sketches/Stile.h"

#include "sketches/Farbe.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzenkontext.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace trv {

namespace {

void VollStil(QPainter& canvas, const Skizzenkontext& kontext, const QColor& stift,
              const QColor& pinsel) {
    canvas.setPen(QPen(stift, kontext.Breite(1), Qt::SolidLine));
    canvas.setBrush(QBrush(pinsel, Qt::SolidPattern));
}

QColor Farbe(const Skizzenkontext& kontext, TKFarbe::Rolle rolle) {
    return kontext.Farbe().Farbe(rolle);
}

} // namespace

void BetonStil(QPainter& canvas, const Skizzenkontext& kontext) {
    const QColor flaeche = Farbe(kontext, TKFarbe::Rolle::BetonBrush);
    VollStil(canvas, kontext, flaeche, flaeche);
}

void DornStil(QPainter& canvas, const Skizzenkontext& kontext) {
    VollStil(canvas, kontext, Farbe(kontext, TKFarbe::Rolle::DornPen),
             Farbe(kontext, TKFarbe::Rolle::DornBrush));
}

void StabStil(QPainter& canvas, const Skizzenkontext& kontext, const QColor& farbe) {
    VollStil(canvas, kontext, farbe, farbe);
}

void StabLinienStil(QPainter& canvas, const Skizzenkontext& kontext, const QColor& farbe,
                    int dicke) {
    const double breite = std::max(kontext.Breite(1), static_cast<double>(std::abs(dicke)));
    canvas.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::FlatCap));
    canvas.setBrush(Qt::NoBrush);
}

void BeschriftungStil(QPainter& canvas, const Skizzenkontext& kontext) {
    canvas.setPen(
        QPen(Farbe(kontext, TKFarbe::Rolle::Bemassung), kontext.Breite(1), Qt::SolidLine));
    canvas.setBrush(Qt::NoBrush);
}

void DickeKante(QPainter& canvas, const Skizzenkontext& kontext, int x1, int y1, int x2, int y2) {
    canvas.setPen(QPen(Farbe(kontext, TKFarbe::Rolle::BetonPen), kontext.Breite(3), Qt::SolidLine));
    Linie(canvas, x1, y1, x2, y2);
}

void Schnittkante(QPainter& canvas, const Skizzenkontext& kontext, int x1, int y1, int x2, int y2) {
    canvas.setPen(QPen(Farbe(kontext, TKFarbe::Rolle::BetonPen), kontext.Breite(1), Qt::DotLine));
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
