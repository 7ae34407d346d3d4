#pragma once

#include <QStringList>

namespace trv::plattform {

// The folders where the program's read-only documents ("CAD files", the manual) are looked
// for, in order: the executable's folder, then the installation's data folder
// (<prefix>/share/trv beside <prefix>/bin).
QStringList DatenOrdner();

} // namespace trv::plattform
