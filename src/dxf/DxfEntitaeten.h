#pragma once

#include "dxf/DxfGeometrie.h"
#include "dxf/DxfLeinwand.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trv::dxf {

class DXF_Group_Stream;

// Root of all entities of a drawing. An entity writes itself as DXF groups, paints itself
// through a caller's mapping and takes part in the drawing's extents.
class DXF_Custom_Entity {
public:
    virtual ~DXF_Custom_Entity() = default;

    // The class name ("Line_"); a layer files its entities by it.
    virtual std::string class_name() const = 0;

    virtual void apply_extrusion(const Coord3D& direction);
    virtual void paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const = 0;
    virtual void set_colour_index(int n);
    // The class name in upper case without its trailing "_": "LINE".
    virtual std::string dxf_type_name() const;
    virtual void emit_point(DXF_Group_Stream& out, int code, const Coord3D& p) const;
    // The common head: type, layer, colour number (and the extrusion when not (0, 0, 1)).
    virtual void emit(DXF_Group_Stream& out, const std::string& layer_name) const;
    virtual void grow_extents(Coord3D& max, Coord3D& min) const = 0;

    std::uint32_t display_colour() const { return display_colour_; }
    int colour_number() const { return colour_number_; }
    const Coord3D& extrusion() const { return extrusion_; }
    const Matrix* ocs_matrix() const { return ocs_matrix_ ? &*ocs_matrix_ : nullptr; }

protected:
    DXF_Custom_Entity() = default;
    // Sets the pen colour to the entity's display colour unless it already is.
    void use_pen(DXF_Canvas& canvas) const;

private:
    std::uint32_t display_colour_ = 0;
    int colour_number_ = 0;
    std::optional<Matrix> ocs_matrix_;
    Coord3D extrusion_{0.0, 0.0, 1.0};
};

// Gives the operations the root leaves open a neutral body.
class DXF_Entity : public DXF_Custom_Entity {
public:
    void paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const override;
    void grow_extents(Coord3D& max, Coord3D& min) const override;

protected:
    DXF_Entity() = default;
};

// Common base of the entities placed at a point; no plain points are drawn.
class Point_ : public DXF_Entity {
public:
    std::string class_name() const override { return "Point_"; }
    const Coord3D& position() const { return position_; }

protected:
    Point_(const Coord3D& extrusion, const Coord3D& position, int colour_number);

private:
    Coord3D position_;
};

class Text_ : public Point_ {
public:
    // An align point of (0, 0, 0) stands for the position. Rotation in degrees;
    // justification 0 left, 1 centre, 2 right.
    Text_(const Coord3D& extrusion, const Coord3D& position, const Coord3D& align_point,
          double height, double rotation, int h_justify, int colour_number, std::string text);

    std::string class_name() const override { return "Text_"; }
    void paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const override;
    void emit(DXF_Group_Stream& out, const std::string& layer_name) const override;
    void grow_extents(Coord3D& max, Coord3D& min) const override;

    double text_height() const { return text_height_; }
    const std::string& text() const { return text_; }
    const Coord3D& align_point() const { return align_point_; }
    int h_justify() const { return h_justify_; }
    double rotation() const { return rotation_; } // degrees

private:
    double text_height_;
    std::string text_;
    Coord3D align_point_;
    int h_justify_;
    double rotation_;
};

class Line_ : public Point_ {
public:
    Line_(const Coord3D& start, const Coord3D& end, int colour_number);

    std::string class_name() const override { return "Line_"; }
    void paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const override;
    void emit(DXF_Group_Stream& out, const std::string& layer_name) const override;
    void grow_extents(Coord3D& max, Coord3D& min) const override;

    const Coord3D& end_point() const { return end_point_; }

private:
    Coord3D end_point_;
};

class Circle_ : public Point_ {
public:
    Circle_(const Coord3D& extrusion, const Coord3D& centre, double radius, int colour_number);

    std::string class_name() const override { return "Circle_"; }
    void paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const override;
    void emit(DXF_Group_Stream& out, const std::string& layer_name) const override;
    void grow_extents(Coord3D& max, Coord3D& min) const override;

    double radius() const { return radius_; }

protected:
    struct Box {
        Screen_Point corner1;
        Screen_Point corner2;
        bool visible; // wider and higher than one pixel
    };
    // The mapped square around the centre; nullopt when it cannot be mapped.
    std::optional<Box> mapped_box(const Matrix* matrix, const Map_Function& map) const;

private:
    double radius_;
};

class Arc_ : public Circle_ {
public:
    // Angles in degrees, counter-clockwise from start to end.
    Arc_(const Coord3D& extrusion, const Coord3D& centre, double radius, double start_angle,
         double end_angle, int colour_number);

    std::string class_name() const override { return "Arc_"; }
    void paint(DXF_Canvas& canvas, const Matrix* matrix, const Map_Function& map) const override;
    void emit(DXF_Group_Stream& out, const std::string& layer_name) const override;
    void grow_extents(Coord3D& max, Coord3D& min) const override;

    double start_angle() const { return start_angle_; } // radians
    double end_angle() const { return end_angle_; }     // radians

private:
    double start_angle_;
    double end_angle_;
};

} // namespace trv::dxf
