#pragma once

#include "files/IniDatei.h"
#include "files/Regional.h"

#include <memory>

namespace trv {
class TKModell;
}

namespace trv::plattform {

// The regional settings of the system locale (LC_ALL / LC_NUMERIC / LANG).
TKRegional SystemRegional();

// The user's INI file (beside the executable when that folder is writable).
TKIniDatei SystemIni(const TKRegional& regional);

// A new model as a batch run (trv-cli, scripts) makes it: the regional settings of the system
// and the user's settings for its defaults, read once; what the positions write back stays in
// memory, so a batch run never changes the settings file nor creates one.
std::unique_ptr<TKModell> BatchModell();

} // namespace trv::plattform
