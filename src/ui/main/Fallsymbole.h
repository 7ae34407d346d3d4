#pragma once

#include <QIcon>

namespace trv {

// The pictures of the application case buttons (0 single connector, 1 row slab to slab, 2 row
// slab to wall) and of the load case buttons (0 point load, 1 constant, 2 linearly varying,
// 3 arbitrary), drawn for this program.
QIcon AnwendungsfallSymbol(int fall);
QIcon BelastungsfallSymbol(int fall);

} // namespace trv
