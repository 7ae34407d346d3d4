#include "files/Regional.h"

#include <utility>

namespace trv {

TKRegional TKRegional::Standard(std::string heute) {
    TKRegional r;
    r.HeuteKurz = std::move(heute);
    return r;
}

} // namespace trv
