#pragma once

#include "dxf/DxfZeichnung.h"

#include <filesystem>
#include <string>

namespace trv::dxf {

// The views of a connector's CAD block, in the order of the block files.
enum class Blockansicht { Draufsicht, Seitenansicht, Stirnansicht };

// The file name ending of a view: " Plan View Block.", " Side View Block.", " End View Block."
const char* BlockEndung(Blockansicht ansicht);

// Layers of a block: the visible outline, the edges hidden inside the sleeve, the dowel's axis.
inline constexpr const char* EbeneKontur = "CONNECTOR";
inline constexpr const char* EbeneVerdeckt = "HIDDEN";
inline constexpr const char* EbeneAchse = "AXIS";

// How far the axis lines reach beyond the connector, mm.
inline constexpr double AchsUeberstand = 10;

// The block of a connector type (0..13) in one view, in mm, drawn from the catalog: the
// sleeve's collar at the joint face and its body behind it in the sleeve-side member, the
// dowel pushed into the sleeve up to its back wall and reaching its embedded length into the
// other member. The origin is the dowel's axis at the joint face; x runs along the dowel
// towards the dowel-side member in the plan and side views.
DXF_Object DornBlock(int typ, Blockansicht ansicht);

// Writes the three blocks of every type into the folder (created when missing) as
// "<type name><ending>dxf". False with a reason when a file cannot be written.
bool DornBloeckeSchreiben(const std::filesystem::path& ordner, std::string& fehler);

} // namespace trv::dxf
