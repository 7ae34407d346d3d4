#pragma once

#include "dxf/DxfLeinwand.h"

#include <QColor>

class QPainter;

namespace trv::dxf {

// The canvas of the entities on a QPainter: lines, circles and arcs with a pen of width 1
// (not smoothed, so a line covers exactly its pixels), texts in the painter's font family.
class QPainter_Canvas : public DXF_Canvas {
public:
    explicit QPainter_Canvas(QPainter& painter);

    std::uint32_t pen_colour() const override { return pen_colour_; }
    void set_pen_colour(std::uint32_t colour) override;
    void line(Screen_Point from, Screen_Point to) override;
    void ellipse(Screen_Point corner1, Screen_Point corner2) override;
    void arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start,
             Screen_Point end) override;
    void pixel(Screen_Point at, std::uint32_t colour) override;
    void text(Screen_Point at, const std::string& text, const Text_Style& style) override;

    // A DXF display colour (blue * 65536 + green * 256 + red) as a Qt colour.
    static QColor colour(std::uint32_t value);

private:
    QPainter& painter_;
    std::uint32_t pen_colour_;
    Text_Alignment alignment_ = Text_Alignment::left;
};

} // namespace trv::dxf
