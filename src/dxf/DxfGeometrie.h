#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace trv::dxf {

// A fault of the drawing itself (a layer that must not exist yet, a value that cannot be
// written).
class DXF_exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A point or direction in drawing units (the reinforcement drawing uses mm).
struct Coord3D {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    // Exact equality of all three components.
    friend bool operator==(const Coord3D&, const Coord3D&) = default;
};

// 4 x 4 matrix in row-vector convention: (x, y, z, 1) x M, the translation in row 3.
using Matrix = std::array<std::array<double, 4>, 4>;

Coord3D make_point(double x, double y, double z);
Coord3D difference(const Coord3D& a, const Coord3D& b); // a - b
Coord3D sum(const Coord3D& a, const Coord3D& b);
Coord3D scale(const Coord3D& p, double factor);

// (x, y, z, 1) x m; a null matrix is the identity.
Coord3D transform_point(const Coord3D& p, const Matrix* m);
Matrix multiply(const Matrix& a, const Matrix& b);

// The matrix an entity draws with: its own one combined with the one it is given
// (own x passed); either may be absent.
std::optional<Matrix> combine_matrices(const Matrix* own, const Matrix* passed);

// Component-wise accumulation into extents.
void grow_max(Coord3D& accumulator, const Coord3D& p);
void grow_min(Coord3D& accumulator, const Coord3D& p);

// Object coordinate system of an extrusion direction (the arbitrary axis rule of DXF);
// nullopt for (0, 0, 1), where object and world coordinates coincide.
std::optional<Matrix> ocs_matrix_for(const Coord3D& extrusion);

// Display colours of the DXF colour numbers as blue * 65536 + green * 256 + red.
inline constexpr int colour_table_size = 13;
inline constexpr std::array<std::uint32_t, colour_table_size> colour_table = {
    0x000000, // 0 black
    0x0000FF, // 1 red
    0x00FFFF, // 2 yellow
    0x00FF00, // 3 green
    0xFFFF00, // 4 cyan
    0xFF0000, // 5 blue
    0x800080, // 6 purple
    0x000000, // 7 black (white on a dark background, black on paper)
    0x008080, // 8 olive
    0xFF00FF, // 9 magenta
    0x808000, // 10 teal
    0x808080, // 11 grey
    0x808080, // 12 grey
};

// The display colour of a colour number: table entry n mod 13 (negative numbers, which
// DXF uses for layers switched off, count by their magnitude).
std::uint32_t display_colour_of(int colour_number);

} // namespace trv::dxf
