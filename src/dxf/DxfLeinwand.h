#pragma once

#include "dxf/DxfGeometrie.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace trv::dxf {

// A point of the device a drawing is painted on, in pixels (y grows downwards).
struct Screen_Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Screen_Point&, const Screen_Point&) = default;
};

enum class Text_Alignment { left, centre, right };

struct Text_Style {
    int font_height = 0;                     // pixels
    std::uint32_t colour = 0;                // blue * 65536 + green * 256 + red
    std::optional<Text_Alignment> alignment; // on the base line; none keeps the canvas's
    int angle = 0;                           // tenths of a degree, counter-clockwise
};

// What the entities paint on. The preview window implements it on its painter; the core
// knows nothing of the device.
class DXF_Canvas {
public:
    virtual ~DXF_Canvas() = default;

    virtual std::uint32_t pen_colour() const = 0;
    virtual void set_pen_colour(std::uint32_t colour) = 0;
    virtual void line(Screen_Point from, Screen_Point to) = 0;
    // Ellipse inside the box with these opposite corners.
    virtual void ellipse(Screen_Point corner1, Screen_Point corner2) = 0;
    // Part of the ellipse in the box, from the ray through start to the ray through end,
    // counter-clockwise as seen on the screen.
    virtual void arc(Screen_Point corner1, Screen_Point corner2, Screen_Point start,
                     Screen_Point end) = 0;
    virtual void pixel(Screen_Point at, std::uint32_t colour) = 0;
    virtual void text(Screen_Point at, const std::string& text, const Text_Style& style) = 0;
};

// Maps a drawing point, transformed by the matrix when there is one, to the device. The
// caller owns the view; nullopt means the point cannot be shown at this zoom, and whatever
// needs it is not painted.
using Map_Function = std::function<std::optional<Screen_Point>(const Coord3D&, const Matrix*)>;

} // namespace trv::dxf
