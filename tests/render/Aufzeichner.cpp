#include "Aufzeichner.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>

#include <cmath>

namespace trv::test {

void AufzeichnerEngine::updateState(const QPaintEngineState& s) {
    if (s.state() & DirtyPen) {
        stift_ = s.pen();
    }
    if (s.state() & DirtyBrush) {
        pinsel_ = s.brush();
    }
    if (s.state() & DirtyTransform) {
        transform_ = s.transform();
    }
}

void AufzeichnerEngine::Neu(Aufzeichnung::Art art, const QRectF& r, const QString& text) {
    // The pen as wide as it comes out on the device: a pen under a scaling transformation
    // (a picture drawn into a rectangle) grows with it, a cosmetic one does not.
    const double skalierung =
        stift_.isCosmetic() ? 1.0 : std::sqrt(std::abs(transform_.determinant()));
    ziel_.Liste.push_back({art, transform_.mapRect(r), text, stift_.color(), pinsel_.color(),
                           stift_.width(), stift_.widthF() * skalierung, stift_.style(),
                           stift_.isCosmetic()});
}

void AufzeichnerEngine::drawRects(const QRectF* r, int n) {
    for (int i = 0; i < n; ++i) {
        Neu(Aufzeichnung::Art::Rechteck, r[i]);
    }
}
void AufzeichnerEngine::drawRects(const QRect* r, int n) {
    for (int i = 0; i < n; ++i) {
        Neu(Aufzeichnung::Art::Rechteck, QRectF(r[i]));
    }
}
void AufzeichnerEngine::drawEllipse(const QRectF& r) {
    Neu(Aufzeichnung::Art::Ellipse, r);
}
void AufzeichnerEngine::drawEllipse(const QRect& r) {
    Neu(Aufzeichnung::Art::Ellipse, QRectF(r));
}
void AufzeichnerEngine::drawLines(const QLineF* l, int n) {
    for (int i = 0; i < n; ++i) {
        Neu(Aufzeichnung::Art::Linie, QRectF(l[i].p1(), l[i].p2()).normalized());
    }
}
void AufzeichnerEngine::drawLines(const QLine* l, int n) {
    for (int i = 0; i < n; ++i) {
        Neu(Aufzeichnung::Art::Linie, QRectF(QPointF(l[i].p1()), QPointF(l[i].p2())).normalized());
    }
}
void AufzeichnerEngine::drawPolygon(const QPointF* p, int n, PolygonDrawMode m) {
    Neu(m == PolylineMode ? Aufzeichnung::Art::Polylinie : Aufzeichnung::Art::Polygon,
        QPolygonF(QList<QPointF>(p, p + n)).boundingRect());
}
void AufzeichnerEngine::drawPolygon(const QPoint* p, int n, PolygonDrawMode m) {
    QPolygonF poly;
    for (int i = 0; i < n; ++i) {
        poly << QPointF(p[i]);
    }
    Neu(m == PolylineMode ? Aufzeichnung::Art::Polylinie : Aufzeichnung::Art::Polygon,
        poly.boundingRect());
}
void AufzeichnerEngine::drawPath(const QPainterPath& p) {
    Neu(Aufzeichnung::Art::Pfad, p.boundingRect());
}
void AufzeichnerEngine::drawTextItem(const QPointF& p, const QTextItem& t) {
    // From the top of the line to its bottom, around the baseline point p.
    Neu(Aufzeichnung::Art::Text,
        QRectF(p.x(), p.y() - t.ascent(), t.width(), t.ascent() + t.descent()), t.text());
}

QRectF Aufzeichnung::MitStift() const {
    if (art == Art::Text || stiftStil == Qt::NoPen) {
        return rahmen;
    }
    const double h = stiftKosmetisch ? 0.5 : stiftBreiteF / 2;
    return rahmen.adjusted(-h, -h, h, h);
}

int Aufzeichner::Anzahl(Aufzeichnung::Art art) const {
    int n = 0;
    for (const auto& a : Liste) {
        n += a.art == art;
    }
    return n;
}

int Aufzeichner::Anzahl(Aufzeichnung::Art art, const QColor& stift) const {
    int n = 0;
    for (const auto& a : Liste) {
        n += a.art == art && a.stift == stift;
    }
    return n;
}

std::vector<QString> Aufzeichner::Texte() const {
    std::vector<QString> t;
    for (const auto& a : Liste) {
        if (a.art == Aufzeichnung::Art::Text) {
            t.push_back(a.text);
        }
    }
    return t;
}

int Aufzeichner::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmWidth:
        return breite_;
    case PdmHeight:
        return hoehe_;
    case PdmWidthMM:
        return breite_ * 254 / (10 * dpi_);
    case PdmHeightMM:
        return hoehe_ * 254 / (10 * dpi_);
    case PdmNumColors:
        return 0xFFFFFF;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return 0;
    }
}

} // namespace trv::test
