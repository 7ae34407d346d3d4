#include "files/Ressourcen.h"

#include <algorithm>
#include <array>
#include <utility>

namespace trv {

namespace {

struct Eintrag {
    int Nr;
    const char* Text;
};

// English base texts, sorted by number.
constexpr std::array kTexte{
    Eintrag{res::Unbenannt, "Unnamed"},
    Eintrag{res::LetztePositionLoeschen,
            "It is only a position in the existing project.\r\n\r\nThe last position cannot be "
            "removed!"},
};

} // namespace

std::string Ressource(int nr) {
    auto it =
        std::find_if(kTexte.begin(), kTexte.end(), [nr](const Eintrag& e) { return e.Nr == nr; });
    return it == kTexte.end() ? std::string() : std::string(it->Text);
}

} // namespace trv
