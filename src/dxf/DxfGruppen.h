#pragma once

#include "dxf/DxfGeometrie.h"

#include <string>
#include <string_view>

namespace trv::dxf {

// The texts of DXF groups, whatever the process locale. Each group is two lines, each
// ended by CR LF: the code right-aligned in 3 characters, then the value.

std::string format_group_code(int code);     // " 10"
std::string format_integer(long long value); // right-aligned in 6 characters
// Fixed notation with 5 decimals and at most 7 significant digits ("12.50000",
// "123.45680"); scientific notation when more than 7 digits stand before the point.
// Throws DXF_exception for a value that is not finite.
std::string format_float(double value);
// The 23-character scientific notation of the style table: " 3.50000000000000E-0001".
std::string format_scientific(double value);

// A text value in the drawing's code page, ANSI_1252, from UTF-8: characters outside the code
// page are written as "\\U+XXXX", as CAD programs read them; malformed UTF-8 gives U+FFFD.
std::string format_text(std::string_view utf8);

// Collects the groups of one file in memory.
class DXF_Group_Stream {
public:
    void text_group(int code, std::string_view value);
    void integer_group(int code, long long value);
    void float_group(int code, double value);
    void scientific_group(int code, double value);
    // x with code c, y with c + 10, z with c + 20.
    void point_group(int code, const Coord3D& p);

    const std::string& text() const { return text_; }

private:
    void line(std::string_view s);
    std::string text_;
};

} // namespace trv::dxf
