#pragma once

#include "dxf/DxfGeometrie.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace trv::dxf {

class DXF_Layer;

// Turns the layers of a drawing into an ASCII DXF file: comment, header with the extents,
// tables of line types, layers and styles, empty blocks, the entities and the end marker.
class DXF_Writer {
public:
    DXF_Writer(std::filesystem::path file_name,
               const std::vector<std::unique_ptr<DXF_Layer>>& layers);

    // The whole file in memory, exactly as it is written.
    std::string file_text() const;
    // Writes the file in one step: a failure leaves the target as it was and no temporary
    // behind. Returns false with error_message() set, and system_error() when the system
    // refused the file (an errno value; 0 when the drawing itself could not be written).
    bool write_file();
    const std::string& error_message() const { return error_message_; }
    int system_error() const { return system_error_; }

    // The extents over every entity of every layer; (1e10, ...) and (-1e10, ...) when empty.
    void compute_extents(Coord3D& max, Coord3D& min) const;

private:
    std::filesystem::path file_name_;
    const std::vector<std::unique_ptr<DXF_Layer>>& layers_; // not owned
    std::string error_message_;
    int system_error_ = 0;
};

} // namespace trv::dxf
