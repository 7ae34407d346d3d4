#pragma once

#include "files/IniDatei.h"
#include "files/Regional.h"

namespace trv::plattform {

// The regional settings of the system locale (LC_ALL / LC_NUMERIC / LANG).
TKRegional SystemRegional();

// The user's INI file (beside the executable when that folder is writable).
TKIniDatei SystemIni(const TKRegional& regional);

} // namespace trv::plattform
