#pragma once

// The DXF drawing for code that also sees Qt. The entities write themselves through an
// operation named emit, which Qt's headers define away as a keyword, so their declarations
// are read with that keyword switched off. Include the DXF core headers through this one.
#pragma push_macro("emit")
#undef emit
#include "dxf/DxfBewehrung.h"
#include "dxf/DxfEntitaeten.h"
#include "dxf/DxfSchreiber.h"
#include "dxf/DxfZeichnung.h"
#pragma pop_macro("emit")
