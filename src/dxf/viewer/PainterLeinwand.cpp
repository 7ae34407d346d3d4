#include "dxf/viewer/PainterLeinwand.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

#include <cmath>
#include <numbers>

namespace trv::dxf {

namespace {

QRectF box(Screen_Point a, Screen_Point b) {
    return QRectF(QPointF(a.x, a.y), QPointF(b.x, b.y)).normalized();
}

// The angle of the ray from the box's centre through the point, in degrees counter-clockwise
// as seen on the screen (y grows downwards), taken on the ellipse's own parameter.
double screen_angle(const QRectF& r, Screen_Point p) {
    const double rx = r.width() / 2.0;
    const double ry = r.height() / 2.0;
    const double dx = (p.x - r.center().x()) / rx;
    const double dy = (r.center().y() - p.y) / ry;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

} // namespace

QPainter_Canvas::QPainter_Canvas(QPainter& painter)
    : painter_(painter), pen_colour_([&painter] {
          const QColor c = painter.pen().color();
          return (static_cast<std::uint32_t>(c.blue()) << 16) |
                 (static_cast<std::uint32_t>(c.green()) << 8) | static_cast<std::uint32_t>(c.red());
      }()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
}

QColor QPainter_Canvas::colour(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void QPainter_Canvas::set_pen_colour(std::uint32_t colour) {
    pen_colour_ = colour;
    QPen pen = painter_.pen();
    pen.setColor(QPainter_Canvas::colour(colour));
    painter_.setPen(pen);
}

void QPainter_Canvas::line(Screen_Point from, Screen_Point to) {
    painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QPainter_Canvas::ellipse(Screen_Point corner1, Screen_Point corner2) {
    painter_.drawEllipse(box(corner1, corner2));
}

void QPainter_Canvas::arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start,
                          Screen_Point end) {
    const QRectF r = box(corner1, corner2);
    if (r.width() <= 0.0 || r.height() <= 0.0) {
        return;
    }
    const double from = screen_angle(r, start);
    double span = screen_angle(r, end) - from;
    // Counter-clockwise from start to end; coinciding rays make the whole ellipse.
    if (span <= 0.0) {
        span += 360.0;
    }
    painter_.drawArc(r, static_cast<int>(std::lround(from * 16.0)),
                     static_cast<int>(std::lround(span * 16.0)));
}

void QPainter_Canvas::pixel(Screen_Point at, std::uint32_t colour) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(QPainter_Canvas::colour(colour), 1));
    painter_.drawPoint(at.x, at.y);
    painter_.setPen(pen);
}

void QPainter_Canvas::text(Screen_Point at, const std::string& text, const Text_Style& style) {
    if (style.font_height <= 0) {
        return;
    }
    if (style.alignment) {
        alignment_ = *style.alignment;
    }
    QFont font = painter_.font();
    font.setPixelSize(style.font_height);
    const QString s = QString::fromStdString(text);
    const double width = QFontMetricsF(font).horizontalAdvance(s);
    double x = 0.0;
    if (alignment_ == Text_Alignment::centre) {
        x = -width / 2.0;
    } else if (alignment_ == Text_Alignment::right) {
        x = -width;
    }
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(QPen(QPainter_Canvas::colour(style.colour), 1));
    painter_.translate(at.x, at.y);
    painter_.rotate(-style.angle / 10.0);
    painter_.drawText(QPointF(x, 0.0), s);
    painter_.restore();
}

} // namespace trv::dxf
