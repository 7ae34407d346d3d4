#pragma once

// A paint device that records what is drawn on it instead of rasterising, so tests can count
// shapes and texts without depending on font pixels.

#include "QtDrucken.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace trv::test {

struct Aufzeichnung {
    enum class Art { Rechteck, Ellipse, Linie, Polylinie, Polygon, Pfad, Text };
    Art art;
    QRectF rahmen;           // bounding rectangle in device coordinates
    QString text;            // for texts
    QColor stift;            // pen colour at the time of drawing
    QColor pinsel;           // brush colour
    int stiftBreite;         // pen width
    double stiftBreiteF = 0; // pen width on the device (transformed), unrounded
    Qt::PenStyle stiftStil = Qt::SolidLine;
    bool stiftKosmetisch = false; // a pen the device draws one pixel wide whatever its width

    // The rectangle with the pen's reach around the outline (half the pen width).
    QRectF MitStift() const;
};

class Aufzeichner;

class AufzeichnerEngine : public QPaintEngine {
public:
    explicit AufzeichnerEngine(Aufzeichner& ziel) : QPaintEngine(AllFeatures), ziel_(ziel) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override;
    void drawRects(const QRectF* r, int n) override;
    void drawRects(const QRect* r, int n) override;
    void drawEllipse(const QRectF& r) override;
    void drawEllipse(const QRect& r) override;
    void drawLines(const QLineF* l, int n) override;
    void drawLines(const QLine* l, int n) override;
    void drawPolygon(const QPointF* p, int n, PolygonDrawMode m) override;
    void drawPolygon(const QPoint* p, int n, PolygonDrawMode m) override;
    void drawPath(const QPainterPath& p) override;
    void drawTextItem(const QPointF& p, const QTextItem& t) override;
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }

private:
    void Neu(Aufzeichnung::Art art, const QRectF& r, const QString& text = {});
    Aufzeichner& ziel_;
    QPen stift_;
    QBrush pinsel_;
    QTransform transform_;
};

class Aufzeichner : public QPaintDevice {
public:
    // A device of breite x hoehe pixels at dpi pixels per inch.
    Aufzeichner(int breite, int hoehe, int dpi = 96)
        : breite_(breite), hoehe_(hoehe), dpi_(dpi), engine_(*this) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<Aufzeichnung> Liste;

    int Anzahl(Aufzeichnung::Art art) const;
    // Number of records drawn with the given pen colour.
    int Anzahl(Aufzeichnung::Art art, const QColor& stift) const;
    std::vector<QString> Texte() const;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    int breite_;
    int hoehe_;
    int dpi_;
    mutable AufzeichnerEngine engine_;
};

} // namespace trv::test
