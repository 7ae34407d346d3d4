#pragma once

#include <string>

namespace trv {

// Numbered resource strings of the program with their English texts. Every user-visible text
// of the core is looked up here at the moment of use, so a language module can replace it.
namespace res {
enum Nummer : int {
    Unbenannt = 65001,              // "Unnamed"
    LetztePositionLoeschen = 65002, // "It is only a position ... cannot be removed!"
    AnwendungsfallLang = 65109,
    AnwendungsfallKurz = 65110,
    StatusKurz = 65111,
    StatusLang = 65112,
    Hinweistexte = 65113,
    Betonfestigkeiten = 65114,
    Betongueten = 65115,
    FugenbreitenTexte = 65116,
    StuecklistenSpalten = 65117,
    BewehrungsBasis = 65118,
    MaxAbstandOptionen = 65119,
};
} // namespace res

// The text of resource string nr in the active language; an unknown number gives "".
std::string Ressource(int nr);

} // namespace trv
