#include "dxf/DxfGeometrie.h"

#include <cmath>
#include <cstdlib>

namespace trv::dxf {

Coord3D make_point(double x, double y, double z) {
    return Coord3D{x, y, z};
}

Coord3D difference(const Coord3D& a, const Coord3D& b) {
    return Coord3D{a.x - b.x, a.y - b.y, a.z - b.z};
}

Coord3D sum(const Coord3D& a, const Coord3D& b) {
    return Coord3D{a.x + b.x, a.y + b.y, a.z + b.z};
}

Coord3D scale(const Coord3D& p, double factor) {
    return Coord3D{p.x * factor, p.y * factor, p.z * factor};
}

Coord3D transform_point(const Coord3D& p, const Matrix* m) {
    if (m == nullptr) {
        return p;
    }
    const Matrix& a = *m;
    return Coord3D{p.x * a[0][0] + p.y * a[1][0] + p.z * a[2][0] + a[3][0],
                   p.x * a[0][1] + p.y * a[1][1] + p.z * a[2][1] + a[3][1],
                   p.x * a[0][2] + p.y * a[1][2] + p.z * a[2][2] + a[3][2]};
}

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double s = 0.0;
            for (int k = 0; k < 4; ++k) {
                s += a[i][k] * b[k][j];
            }
            r[i][j] = s;
        }
    }
    return r;
}

std::optional<Matrix> combine_matrices(const Matrix* own, const Matrix* passed) {
    if (own == nullptr && passed == nullptr) {
        return std::nullopt;
    }
    if (own == nullptr) {
        return *passed;
    }
    if (passed == nullptr) {
        return *own;
    }
    return multiply(*own, *passed);
}

void grow_max(Coord3D& accumulator, const Coord3D& p) {
    accumulator.x = std::fmax(accumulator.x, p.x);
    accumulator.y = std::fmax(accumulator.y, p.y);
    accumulator.z = std::fmax(accumulator.z, p.z);
}

void grow_min(Coord3D& accumulator, const Coord3D& p) {
    accumulator.x = std::fmin(accumulator.x, p.x);
    accumulator.y = std::fmin(accumulator.y, p.y);
    accumulator.z = std::fmin(accumulator.z, p.z);
}

namespace {

Coord3D cross(const Coord3D& a, const Coord3D& b) {
    return Coord3D{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Coord3D unit(const Coord3D& a) {
    const double l = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return l > 0.0 ? scale(a, 1.0 / l) : a;
}

} // namespace

std::optional<Matrix> ocs_matrix_for(const Coord3D& extrusion) {
    if (extrusion == Coord3D{0.0, 0.0, 1.0}) {
        return std::nullopt;
    }
    const Coord3D az = unit(extrusion);
    // The arbitrary axis rule: near the world z axis the x axis is taken from world y.
    const bool nahe_z = std::fabs(az.x) < 1.0 / 64.0 && std::fabs(az.y) < 1.0 / 64.0;
    const Coord3D ax = unit(cross(nahe_z ? Coord3D{0, 1, 0} : Coord3D{0, 0, 1}, az));
    const Coord3D ay = unit(cross(az, ax));
    return Matrix{{{ax.x, ax.y, ax.z, 0.0},
                   {ay.x, ay.y, ay.z, 0.0},
                   {az.x, az.y, az.z, 0.0},
                   {0.0, 0.0, 0.0, 1.0}}};
}

std::uint32_t display_colour_of(int colour_number) {
    const long long n = std::llabs(static_cast<long long>(colour_number));
    return colour_table[static_cast<std::size_t>(n % colour_table_size)];
}

} // namespace trv::dxf
