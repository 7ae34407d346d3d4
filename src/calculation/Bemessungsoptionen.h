#pragma once

#include "calculation/Eingabepruefung.h"

#include <string>

namespace trv {

class TKAnwendung;
class TKIniDatei;

// γMs taken when its text is not a number.
inline constexpr double GammaMsErsatz = 1.05;

// The design options of a position as the options dialog takes them: the maximum spacing rule
// (0 unlimited, 1 five times the slab thickness), γMs as typed and the reinforcing steel grade
// (0, 1). They go into the position and, as defaults of new positions, into the INI file.
// A γMs text that is not a number takes 1.05 (in the file too). A number outside the range the
// INI file accepts (a factor of 0 would make every connector infinitely strong) is refused:
// nothing is written and the check's outcome is returned.
TEingabeFehler BemessungsoptionenUebernehmen(TKAnwendung& anwendung, const TKIniDatei& ini,
                                             int maxDornabstand, const std::string& gammaMsText,
                                             int stahlguete, char dezimaltrenner);

} // namespace trv
