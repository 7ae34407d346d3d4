#include "cli/Kommandozeile.h"

namespace trv::cli {

// Each subcommand lives in its own file and provides its entry through one of these.
// (none yet)

std::vector<Unterbefehl> AlleUnterbefehle() {
    return {};
}

} // namespace trv::cli
