#include "dxf/DxfSchreiber.h"

#include "dxf/DxfGruppen.h"
#include "dxf/DxfZeichnung.h"
#include "files/AtomareDatei.h"

#include <utility>

namespace trv::dxf {

namespace {

void kommentar(DXF_Group_Stream& out) {
    out.text_group(999, "DXF written by the TRV / ZEDE shear connector program");
    out.text_group(999, "Drawing units: mm");
    out.text_group(999, "Reinforcement drawing of the selected connector type");
}

void header(DXF_Group_Stream& out, const Coord3D& max, const Coord3D& min) {
    out.text_group(0, "SECTION");
    out.text_group(2, "HEADER");
    // Texts are written in code page 1252 (format_text), which covers the program's languages.
    out.text_group(9, "$DWGCODEPAGE");
    out.text_group(3, "ANSI_1252");
    out.text_group(9, "$EXTMIN");
    out.point_group(10, min);
    out.text_group(9, "$EXTMAX");
    out.point_group(10, max);
    out.text_group(0, "ENDSEC");
}

void linientypen(DXF_Group_Stream& out) {
    out.text_group(0, "TABLE");
    out.text_group(2, "LTYPE");
    out.integer_group(70, 1);
    out.text_group(0, "LTYPE");
    out.text_group(2, "CONTINUOUS");
    out.integer_group(70, 64);
    out.text_group(3, "Solid line");
    out.integer_group(72, 65);
    out.integer_group(73, 0);
    out.float_group(40, 0.0);
    out.text_group(0, "ENDTAB");
}

void ebenen(DXF_Group_Stream& out, const std::vector<std::unique_ptr<DXF_Layer>>& layers) {
    out.text_group(0, "TABLE");
    out.text_group(2, "LAYER");
    out.integer_group(70, static_cast<long long>(layers.size()));
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        out.text_group(0, "LAYER");
        out.text_group(2, (*it)->layer_name());
        out.integer_group(70, 64);
        out.integer_group(62, (*it)->layer_colour());
        out.text_group(6, "CONTINUOUS");
    }
    out.text_group(0, "ENDTAB");
}

void stile(DXF_Group_Stream& out) {
    out.text_group(0, "TABLE");
    out.text_group(2, "STYLE");
    out.integer_group(70, 0); // readers take the entries that follow, whatever the count
    out.text_group(0, "STYLE");
    out.text_group(2, "ARIAL");
    out.integer_group(70, 64);
    out.scientific_group(40, 0.35);
    out.scientific_group(41, 1.0);
    out.scientific_group(50, 0.0);
    out.integer_group(71, 0);
    out.scientific_group(42, 0.35);
    out.text_group(3, "arial");
    out.text_group(4, "");
    out.text_group(0, "ENDTAB");
}

} // namespace

DXF_Writer::DXF_Writer(std::filesystem::path file_name,
                       const std::vector<std::unique_ptr<DXF_Layer>>& layers)
    : file_name_(std::move(file_name)), layers_(layers) {}

void DXF_Writer::compute_extents(Coord3D& max, Coord3D& min) const {
    min = Coord3D{1e10, 1e10, 1e10};
    max = Coord3D{-1e10, -1e10, -1e10};
    for (const auto& l : layers_) {
        l->grow_extents(max, min);
    }
}

std::string DXF_Writer::file_text() const {
    DXF_Group_Stream out;
    kommentar(out);
    Coord3D max;
    Coord3D min;
    compute_extents(max, min);
    header(out, max, min);

    out.text_group(0, "SECTION");
    out.text_group(2, "TABLES");
    linientypen(out);
    ebenen(out, layers_);
    stile(out);
    out.text_group(0, "ENDSEC");

    out.text_group(0, "SECTION");
    out.text_group(2, "BLOCKS");
    out.text_group(0, "ENDSEC");

    out.text_group(0, "SECTION");
    out.text_group(2, "ENTITIES");
    for (const auto& l : layers_) {
        for (const auto& list : l->entity_lists()) {
            for (const auto& e : list->entities()) {
                e->emit(out, l->layer_name());
            }
        }
    }
    out.text_group(0, "ENDSEC");
    out.text_group(0, "EOF");
    return out.text();
}

bool DXF_Writer::write_file() {
    error_message_.clear();
    system_error_ = 0;
    std::string text;
    try {
        text = file_text();
    } catch (const DXF_exception& e) {
        error_message_ = "The DXF file " + file_name_.string() + " was not written: " + e.what();
        return false;
    }
    std::string grund;
    if (!DateiAtomarSchreiben(file_name_, text, grund, &system_error_)) {
        error_message_ = "The DXF file " + file_name_.string() + " could not be written: " + grund;
        return false;
    }
    return true;
}

} // namespace trv::dxf
