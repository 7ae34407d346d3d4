#pragma once

#include "dxf/DxfEntitaeten.h"
#include "dxf/DxfGeometrie.h"
#include "dxf/DxfLeinwand.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace trv::dxf {

class DXF_Layer;

// The entities of one class on one layer, in insertion order.
class Entity_List {
public:
    Entity_List(std::string list_name, const DXF_Layer* layer);

    const std::string& list_name() const { return list_name_; }
    const DXF_Layer* layer() const { return layer_; }
    const std::vector<std::unique_ptr<DXF_Custom_Entity>>& entities() const { return entities_; }

    DXF_Custom_Entity& add_entity(std::unique_ptr<DXF_Custom_Entity> entity);
    // Every entity in order, without a matrix.
    void paint(DXF_Canvas& canvas, const Map_Function& map) const;
    void grow_extents(Coord3D& max, Coord3D& min) const;

private:
    std::string list_name_;
    const DXF_Layer* layer_; // not owned
    std::vector<std::unique_ptr<DXF_Custom_Entity>> entities_;
};

class DXF_Layer {
public:
    explicit DXF_Layer(std::string layer_name);
    DXF_Layer(const DXF_Layer&) = delete; // the entity lists point back at their layer
    DXF_Layer& operator=(const DXF_Layer&) = delete;

    const std::string& layer_name() const { return layer_name_; }
    int layer_colour() const { return layer_colour_; }
    void set_layer_colour(int colour_number) { layer_colour_ = colour_number; }
    const std::vector<std::string>& list_names() const { return list_names_; }
    const std::vector<std::unique_ptr<Entity_List>>& entity_lists() const { return entity_lists_; }
    std::size_t entity_list_count() const { return entity_lists_.size(); }

    // Files the entity into the list of its class (created at the end when missing). An
    // entity whose display colour is black takes the layer's colour number.
    DXF_Custom_Entity& add_entity(std::unique_ptr<DXF_Custom_Entity> entity);
    void grow_extents(Coord3D& max, Coord3D& min) const;

private:
    std::string layer_name_;
    int layer_colour_ = 7;
    std::vector<std::string> list_names_; // entry i names entry i of entity_lists_
    std::vector<std::unique_ptr<Entity_List>> entity_lists_;
};

// One line of the drawing's outline: the drawing, a layer or an entity list.
struct Tree_Line {
    std::string text;
    const DXF_Layer* layer = nullptr;
    const Entity_List* list = nullptr;
};

// A drawing in memory: named layers holding entities.
class DXF_Object {
public:
    explicit DXF_Object(std::string drawing_name = "");

    const std::string& drawing_name() const { return drawing_name_; }
    const std::vector<std::unique_ptr<DXF_Layer>>& layers() const { return layers_; }
    const Coord3D& ext_max() const { return ext_max_; }
    const Coord3D& ext_min() const { return ext_min_; }

    // The layer of that name (case-sensitive). Throws DXF_exception when it exists and
    // existing layers are not accepted.
    DXF_Layer& find_or_add_layer(const std::string& name, bool accept_existing);
    void grow_extents(Coord3D& max, Coord3D& min) const;
    // Writes the drawing as a DXF file. Returns false and sets the message when the file
    // cannot be written completely; the target is then left as it was. system_error, when
    // given, receives the errno value of a file the system refused (0 otherwise).
    bool save_as(const std::filesystem::path& file_name, std::string& error_message,
                 int* system_error = nullptr) const;
    void fill_tree(std::vector<Tree_Line>& tree) const;

private:
    std::string drawing_name_;
    std::vector<std::unique_ptr<DXF_Layer>> layers_;
    Coord3D ext_max_;
    Coord3D ext_min_;
};

} // namespace trv::dxf
