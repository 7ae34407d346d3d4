#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

class TKModell;

// One schedule entry: ten strings, see the index constants.
using StuecklistenEintrag = std::vector<std::string>;

namespace stk {
inline constexpr std::size_t Position = 0;    // position label
inline constexpr std::size_t AnzahlPos = 1;   // number of identical positions
inline constexpr std::size_t AnzahlDorne = 2; // connectors per position
inline constexpr std::size_t Bezeichnung = 3; // connector designation
inline constexpr std::size_t Summe = 4;       // total connectors = index 1 * index 2
inline constexpr std::size_t Status = 5;      // "Active" / "Not active" (current language)
inline constexpr std::size_t PositionsNr = 6; // position number the entry was added under
inline constexpr std::size_t Zusatz = 7;      // designation of an additional item, or empty
inline constexpr std::size_t FRd = 8;         // kN, one decimal, regional separator
inline constexpr std::size_t DorneBeiAufnahme = 9;
inline constexpr std::size_t Felder = 10;
} // namespace stk

// Field i of an entry; "" when the entry is shorter (an entry from a hand-edited file).
const std::string& Feld(const StuecklistenEintrag& eintrag, std::size_t index);

// The design resistance of an entry as the outputs show it: the stored text is kept as it was
// written, with the separator of the settings it was added under, so it is read with either
// separator and written with one decimal and dezimaltrenner. A text that is no number is
// shown as it is.
std::string FRdText(const StuecklistenEintrag& eintrag, char dezimaltrenner);

// A new entry for a position: label, connectors per position, connector designation, the
// position number (1-based) and the selected type's design resistance FRd (kN).
StuecklistenEintrag NeuerEintrag(const std::string& position, int anzahlDorne,
                                 const std::string& bezeichnung, int positionsNummer, double frd,
                                 char dezimaltrenner);

// The question "overwrite the existing entry?" put to the user; true means Yes.
using UeberschreibenFrage = std::function<bool(const std::string& frage)>;

// Which existing entry a new entry for position number k replaces: every entry recorded under
// k (blanks around k ignored) is offered in order until the user answers Yes; nullopt means
// the new entry is appended.
std::optional<std::size_t> ZuErsetzenderEintrag(const std::vector<StuecklistenEintrag>& eintraege,
                                                const std::string& k,
                                                const UeberschreibenFrage& frage);

// "Add to Connector Schedule": a new entry for the selected connector type of the model's
// current position. k is the current position number as the position selector shows it; an
// entry recorded under that number is replaced when the user answers Yes, otherwise the new
// entry is appended. False when the schedule is full (nothing changes).
bool InStueckliste(TKModell& modell, const std::string& k, const UeberschreibenFrage& frage);

// Sets the number of identical positions n and the total n * connectors per position.
void AnzahlPositionenSetzen(StuecklistenEintrag& eintrag, int n);

// The "Active" status of the program's languages (English, German, French, Italian, Dutch,
// Spanish), as their modules write it into a project.
inline constexpr std::array<std::string_view, 6> AktivTexte{"Active", "Aktiv",  "Actif",
                                                            "Attivo", "Actief", "Activa"};

// True when the entry's status is the "Active" text of the current language or of any of the
// program's languages: a project saved under one language keeps its schedule under another.
bool IstAktiv(const StuecklistenEintrag& eintrag);

// The active entries in schedule order (they are numbered 1, 2, ... in every output).
std::vector<const StuecklistenEintrag*>
AktiveEintraege(const std::vector<StuecklistenEintrag>& eintraege);

} // namespace trv
