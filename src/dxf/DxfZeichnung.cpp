#include "dxf/DxfZeichnung.h"

#include "dxf/DxfSchreiber.h"

#include <stdexcept>
#include <utility>

namespace trv::dxf {

// --- Entity_List ---------------------------------------------------------------------

Entity_List::Entity_List(std::string list_name, const DXF_Layer* layer)
    : list_name_(std::move(list_name)), layer_(layer) {}

DXF_Custom_Entity& Entity_List::add_entity(std::unique_ptr<DXF_Custom_Entity> entity) {
    if (!entity) {
        throw std::invalid_argument("No entity to add");
    }
    entities_.push_back(std::move(entity));
    return *entities_.back();
}

void Entity_List::paint(DXF_Canvas& canvas, const Map_Function& map) const {
    for (const auto& e : entities_) {
        e->paint(canvas, nullptr, map);
    }
}

void Entity_List::grow_extents(Coord3D& max, Coord3D& min) const {
    for (const auto& e : entities_) {
        e->grow_extents(max, min);
    }
}

// --- DXF_Layer -----------------------------------------------------------------------

DXF_Layer::DXF_Layer(std::string layer_name) : layer_name_(std::move(layer_name)) {}

DXF_Custom_Entity& DXF_Layer::add_entity(std::unique_ptr<DXF_Custom_Entity> entity) {
    if (!entity) {
        throw std::invalid_argument("No entity to add");
    }
    const std::string name = entity->class_name();
    std::size_t i = 0;
    while (i < list_names_.size() && list_names_[i] != name) {
        ++i;
    }
    if (i == list_names_.size()) {
        entity_lists_.push_back(std::make_unique<Entity_List>(name, this));
        list_names_.push_back(name);
    }
    if (i >= entity_lists_.size() || entity_lists_[i]->list_name() != name) {
        throw std::logic_error("Entity list ID mismatch");
    }
    DXF_Custom_Entity& e = entity_lists_[i]->add_entity(std::move(entity));
    if (e.display_colour() == 0) {
        e.set_colour_index(layer_colour_);
    }
    return e;
}

void DXF_Layer::grow_extents(Coord3D& max, Coord3D& min) const {
    for (const auto& l : entity_lists_) {
        l->grow_extents(max, min);
    }
}

// --- DXF_Object ----------------------------------------------------------------------

DXF_Object::DXF_Object(std::string drawing_name)
    : drawing_name_(drawing_name.empty() ? "Untitled" : std::move(drawing_name)) {}

DXF_Layer& DXF_Object::find_or_add_layer(const std::string& name, bool accept_existing) {
    for (const auto& l : layers_) {
        if (l->layer_name() == name) {
            if (!accept_existing) {
                throw DXF_exception("Attempted to create layer with existing name");
            }
            return *l;
        }
    }
    layers_.push_back(std::make_unique<DXF_Layer>(name));
    return *layers_.back();
}

void DXF_Object::grow_extents(Coord3D& max, Coord3D& min) const {
    for (const auto& l : layers_) {
        l->grow_extents(max, min);
    }
}

bool DXF_Object::save_as(const std::filesystem::path& file_name, std::string& error_message,
                         int* system_error) const {
    DXF_Writer writer(file_name, layers_);
    const bool ok = writer.write_file();
    error_message = ok ? std::string() : writer.error_message();
    if (system_error != nullptr) {
        *system_error = writer.system_error();
    }
    return ok;
}

void DXF_Object::fill_tree(std::vector<Tree_Line>& tree) const {
    tree.push_back(Tree_Line{drawing_name_, nullptr, nullptr});
    for (const auto& l : layers_) {
        tree.push_back(Tree_Line{"  " + l->layer_name(), l.get(), nullptr});
        for (const auto& list : l->entity_lists()) {
            tree.push_back(Tree_Line{"    " + list->list_name(), l.get(), list.get()});
        }
    }
}

} // namespace trv::dxf
