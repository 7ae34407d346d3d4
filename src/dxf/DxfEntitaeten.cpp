#include "dxf/DxfEntitaeten.h"

#include "dxf/DxfGruppen.h"
#include "dxf/DxfSchrift.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace trv::dxf {

namespace {

constexpr double grad_je_rad = 180.0 / std::numbers::pi;

// Radians back to degrees, free of the noise of the round trip (90 stays 90).
double grad(double rad) {
    return std::round(rad * grad_je_rad * 1e9) / 1e9;
}

// An angle in degrees brought into 0 <= a < 360.
double normiert(double grad) {
    double a = std::fmod(grad, 360.0);
    if (a < 0.0) {
        a += 360.0;
    }
    return a >= 360.0 ? 0.0 : a;
}

Coord3D auf_kreis(const Coord3D& centre, double radius, double rad, double z) {
    return Coord3D{centre.x + radius * std::cos(rad), centre.y + radius * std::sin(rad), z};
}

// The point at an angle in degrees; the quadrant points exactly.
Coord3D auf_kreis_grad(const Coord3D& centre, double radius, double winkel) {
    static constexpr std::array<std::pair<double, double>, 4> quadranten = {
        {{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}}};
    for (std::size_t i = 0; i < quadranten.size(); ++i) {
        if (winkel == 90.0 * static_cast<double>(i)) {
            return Coord3D{centre.x + radius * quadranten[i].first,
                           centre.y + radius * quadranten[i].second, 0.0};
        }
    }
    return auf_kreis(centre, radius, winkel / grad_je_rad, 0.0);
}

} // namespace

// --- DXF_Custom_Entity ---------------------------------------------------------------

void DXF_Custom_Entity::apply_extrusion(const Coord3D& direction) {
    extrusion_ = direction;
    ocs_matrix_ = ocs_matrix_for(direction);
}

void DXF_Custom_Entity::set_colour_index(int n) {
    colour_number_ = n;
    display_colour_ = display_colour_of(n);
}

std::string DXF_Custom_Entity::dxf_type_name() const {
    std::string name = class_name();
    if (!name.empty()) {
        name.pop_back();
    }
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

void DXF_Custom_Entity::emit_point(DXF_Group_Stream& out, int code, const Coord3D& p) const {
    out.point_group(code, p);
}

void DXF_Custom_Entity::emit(DXF_Group_Stream& out, const std::string& layer_name) const {
    out.text_group(0, dxf_type_name());
    out.text_group(8, layer_name);
    out.integer_group(62, colour_number_);
    if (ocs_matrix_) {
        emit_point(out, 210, extrusion_);
    }
}

void DXF_Custom_Entity::use_pen(DXF_Canvas& canvas) const {
    if (canvas.pen_colour() != display_colour_) {
        canvas.set_pen_colour(display_colour_);
    }
}

// --- DXF_Entity ----------------------------------------------------------------------

void DXF_Entity::paint(DXF_Canvas&, const Matrix*, const Map_Function&) const {}

void DXF_Entity::grow_extents(Coord3D&, Coord3D&) const {}

// --- Point_ --------------------------------------------------------------------------

Point_::Point_(const Coord3D& extrusion, const Coord3D& position, int colour_number)
    : position_(position) {
    set_colour_index(colour_number);
    apply_extrusion(extrusion);
}

// --- Text_ ---------------------------------------------------------------------------

Text_::Text_(const Coord3D& extrusion, const Coord3D& position, const Coord3D& align_point,
             double height, double rotation, int h_justify, int colour_number, std::string text)
    : Point_(extrusion, position, colour_number), text_height_(height), text_(std::move(text)),
      align_point_(align_point == Coord3D{} ? position : align_point), h_justify_(h_justify),
      rotation_(rotation) {}

void Text_::paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const {
    use_pen(canvas);
    const auto unten = map(Coord3D{}, nullptr);
    const auto oben = map(Coord3D{0.0, text_height_, 0.0}, nullptr);
    if (!unten || !oben) {
        return;
    }
    const int pixel = std::abs(unten->y - oben->y);
    if (pixel == 0) {
        return;
    }
    // A left-justified text stands at its position (readers ignore the align point then).
    const std::optional<Matrix> m = combine_matrices(ocs_matrix(), matrix);
    const auto ort = map(h_justify_ == 0 ? position() : align_point_, m ? &*m : nullptr);
    if (!ort) {
        return;
    }
    Text_Style stil;
    stil.font_height = pixel + 2;
    stil.colour = display_colour();
    switch (h_justify_) {
    case 0:
        stil.alignment = Text_Alignment::left;
        break;
    case 1:
        stil.alignment = Text_Alignment::centre;
        break;
    case 2:
        stil.alignment = Text_Alignment::right;
        break;
    default:
        break;
    }
    stil.angle = static_cast<int>(std::trunc(rotation_ * 10.0));
    canvas.text(*ort, text_, stil);
}

void Text_::emit(DXF_Group_Stream& out, const std::string& layer_name) const {
    Point_::emit(out, layer_name);
    emit_point(out, 10, position());
    out.float_group(40, text_height_);
    out.float_group(50, rotation_);
    out.text_group(1, text_);
    out.text_group(7, "ARIAL");
    if (h_justify_ != 0) {
        emit_point(out, 11, align_point_);
        out.integer_group(72, h_justify_);
    }
}

void Text_::grow_extents(Coord3D& max, Coord3D& min) const {
    // The letters, not only the insertion point: a reader zooming to the extents shows all.
    const double breite = TKDxfSchrift::Breite(text_, text_height_);
    const double anfang = h_justify_ == 1 ? -breite / 2 : (h_justify_ == 2 ? -breite : 0.0);
    const Coord3D& ort = h_justify_ == 0 ? position() : align_point_;
    const double winkel = rotation_ * std::numbers::pi / 180.0;
    const double c = std::cos(winkel);
    const double s = std::sin(winkel);
    for (const double x : {anfang, anfang + breite}) {
        for (const double y :
             {-TKDxfSchrift::Unterlaenge(text_height_), TKDxfSchrift::Oberlaenge(text_height_)}) {
            const Coord3D ecke{ort.x + x * c - y * s, ort.y + x * s + y * c, ort.z};
            grow_max(max, ecke);
            grow_min(min, ecke);
        }
    }
}

// --- Line_ ---------------------------------------------------------------------------

Line_::Line_(const Coord3D& start, const Coord3D& end, int colour_number)
    : Point_(Coord3D{0.0, 0.0, 1.0}, start, colour_number), end_point_(end) {}

void Line_::paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const {
    use_pen(canvas);
    const std::optional<Matrix> m = combine_matrices(ocs_matrix(), matrix);
    const auto a = map(position(), m ? &*m : nullptr);
    const auto b = map(end_point_, m ? &*m : nullptr);
    if (a && b) {
        canvas.line(*a, *b);
    }
}

void Line_::emit(DXF_Group_Stream& out, const std::string& layer_name) const {
    Point_::emit(out, layer_name);
    emit_point(out, 10, position());
    emit_point(out, 11, end_point_);
}

void Line_::grow_extents(Coord3D& max, Coord3D& min) const {
    for (const Coord3D& p : {position(), end_point_}) {
        grow_max(max, p);
        grow_min(min, p);
    }
}

// --- Circle_ -------------------------------------------------------------------------

Circle_::Circle_(const Coord3D& extrusion, const Coord3D& centre, double radius, int colour_number)
    : Point_(extrusion, centre, colour_number), radius_(radius) {}

std::optional<Circle_::Box> Circle_::mapped_box(const Matrix* matrix,
                                                const Map_Function& map) const {
    const std::optional<Matrix> m = combine_matrices(ocs_matrix(), matrix);
    const Coord3D r{radius_, radius_, radius_};
    const auto a = map(difference(position(), r), m ? &*m : nullptr);
    const auto b = map(sum(position(), r), m ? &*m : nullptr);
    if (!a || !b) {
        return std::nullopt;
    }
    const long long breite = std::llabs(static_cast<long long>(b->x) - a->x);
    const long long hoehe = std::llabs(static_cast<long long>(b->y) - a->y);
    return Box{*a, *b, breite > 1 && hoehe > 1};
}

void Circle_::paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const {
    use_pen(canvas);
    const auto box = mapped_box(matrix, map);
    if (!box) {
        return;
    }
    if (box->visible) {
        canvas.ellipse(box->corner1, box->corner2);
    } else {
        canvas.pixel(box->corner1, display_colour());
    }
}

void Circle_::emit(DXF_Group_Stream& out, const std::string& layer_name) const {
    Point_::emit(out, layer_name);
    emit_point(out, 10, position());
    out.float_group(40, radius_);
}

void Circle_::grow_extents(Coord3D& max, Coord3D& min) const {
    const Coord3D r{radius_, radius_, radius_};
    grow_max(max, sum(position(), r));
    grow_min(min, difference(position(), r));
}

// --- Arc_ ----------------------------------------------------------------------------

Arc_::Arc_(const Coord3D& extrusion, const Coord3D& centre, double radius, double start_angle,
           double end_angle, int colour_number)
    : Circle_(extrusion, centre, radius, colour_number),
      start_angle_(start_angle * std::numbers::pi / 180.0),
      end_angle_(end_angle * std::numbers::pi / 180.0) {}

void Arc_::paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const {
    use_pen(canvas);
    const auto box = mapped_box(matrix, map);
    if (!box) {
        return;
    }
    if (!box->visible) {
        canvas.pixel(box->corner1, display_colour());
        return;
    }
    const std::optional<Matrix> m = combine_matrices(ocs_matrix(), matrix);
    const double z = position().z + radius();
    const auto start = map(auf_kreis(position(), radius(), start_angle_, z), m ? &*m : nullptr);
    const auto ende = map(auf_kreis(position(), radius(), end_angle_, z), m ? &*m : nullptr);
    if (!start || !ende) {
        return;
    }
    // The canvas turns counter-clockwise as seen on the device. A mapping that keeps the y
    // direction shows the drawing mirrored, and the same arc then runs the other way round.
    const long long bx = static_cast<long long>(box->corner2.x) - box->corner1.x;
    const long long by = static_cast<long long>(box->corner2.y) - box->corner1.y;
    const bool gespiegelt = (bx > 0) == (by > 0);
    if (gespiegelt) {
        canvas.arc(box->corner1, box->corner2, *ende, *start);
    } else {
        canvas.arc(box->corner1, box->corner2, *start, *ende);
    }
}

void Arc_::emit(DXF_Group_Stream& out, const std::string& layer_name) const {
    Circle_::emit(out, layer_name);
    out.float_group(50, grad(start_angle_));
    out.float_group(51, grad(end_angle_));
}

void Arc_::grow_extents(Coord3D& max, Coord3D& min) const {
    const auto aufnehmen = [&](double winkel) {
        const Coord3D p = auf_kreis_grad(position(), radius(), winkel);
        grow_max(max, p);
        grow_min(min, p);
    };
    const double start = normiert(grad(start_angle_));
    const double ende = normiert(grad(end_angle_));
    aufnehmen(start);
    aufnehmen(ende);
    // The quadrant points the arc passes counter-clockwise from start to end. An arc whose
    // end comes back to its start is a full circle.
    double bogen = ende - start;
    if (bogen <= 0.0) {
        bogen += 360.0;
    }
    for (const double q : {0.0, 90.0, 180.0, 270.0}) {
        double abstand = q - start;
        if (abstand < 0.0) {
            abstand += 360.0;
        }
        if (abstand > 0.0 && abstand < bogen) {
            aufnehmen(q);
        }
    }
}

} // namespace trv::dxf
