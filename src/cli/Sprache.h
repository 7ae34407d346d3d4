#pragma once

#include <memory>
#include <ostream>
#include <string>

class QTranslator;

namespace trv::cli {

// The language module of --language CODE (des, eng, fra, ita, nld, esp): "trv.<code>" beside the
// executable or in the installation's data folder. On success the core's texts come from it
// until the returned module is destroyed. On failure the message is on err and the result is
// empty; code tells the exit code (ExitAufruf for an unknown code, ExitFehler for a missing
// module).
std::shared_ptr<QTranslator> SpracheLaden(const std::string& kuerzel, std::ostream& err, int& code);

} // namespace trv::cli
