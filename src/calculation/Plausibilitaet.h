#pragma once

#include <string>
#include <vector>

namespace trv {

class TKAnwendung;

// The plausibility checks that gate the calculation: slab thickness against covers and
// effective height, and the minimum thicknesses. Every rule is evaluated, in a fixed order;
// the result holds the message of each failing rule in that order (a text may appear twice),
// and is empty when the inputs are plausible. The caller sets CalcFlag from it.
std::vector<std::string> EingabenPruefen(const TKAnwendung& anwendung);

} // namespace trv
