#pragma once

#include <ostream>

namespace trv {
class TKModell;
}

namespace trv::cli {

// The stored results of every position as the result list shows them: per position its label,
// application case and load case, one row per connector type (Asx, Asy, FRd, usage, number of
// connectors, status text) with the selected type marked, and the warnings and errors of
// that type. Numbers use the model's regional decimal separator.
void BerichtText(const TKModell& modell, std::ostream& out);

// The same as one JSON document (field names documented in the README).
void BerichtJson(const TKModell& modell, std::ostream& out);

} // namespace trv::cli
