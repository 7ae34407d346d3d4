#include "cli/Kommandozeile.h"

namespace trv::cli {

// Each subcommand lives in its own file and provides its entry through one of these.
Unterbefehl KatalogBefehl();
Unterbefehl BerechnenBefehl();
Unterbefehl BerichtBefehl();
Unterbefehl DxfBefehl();
Unterbefehl SkizzeBefehl();
Unterbefehl StuecklisteBefehl();
Unterbefehl BlattBefehl();

std::vector<Unterbefehl> AlleUnterbefehle() {
    return {KatalogBefehl(), BerechnenBefehl(),   BerichtBefehl(), DxfBefehl(),
            SkizzeBefehl(),  StuecklisteBefehl(), BlattBefehl()};
}

} // namespace trv::cli
