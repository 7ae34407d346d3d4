#pragma once

#include "schedule/Stuecklistenregeln.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trv {

class TKModell;

// What the text export of the connector schedule needs.
struct StuecklistenTextDaten {
    std::vector<std::string> Firma; // company lines of the project description
    std::string Bauvorhaben;
    std::string Heute; // today's date in the short date format
    std::vector<std::string> Bemerkung;
    std::vector<StuecklistenEintrag> Eintraege; // all entries; only active ones are written
    char Dezimaltrenner = '.';                  // of the design resistance written
};

// The lines of the fixed-column text export (without line ends). Texts are UTF-8 and columns
// are counted in characters, so the columns line up in any UTF-8 viewer.
std::vector<std::string> StuecklisteTextZeilen(const StuecklistenTextDaten& daten);

// Writes the text export: UTF-8 without byte order mark, every line ended by CR LF. A line
// break inside a text becomes a blank, so the file's line structure is always that of the
// export. The file is written to a temporary file beside it and then renamed, so a failure
// never leaves a half-written export (an existing file stays as it was). False on failure, with
// the program's message in fehler and, when grund is given, the reason why the file could not
// be written.
bool StuecklisteTextExport(const std::filesystem::path& datei, const StuecklistenTextDaten& daten,
                           std::string& fehler, std::string* grund = nullptr);

// The export data of a project: its description, today's date and its schedule.
StuecklistenTextDaten TextDatenAusModell(const TKModell& modell);

} // namespace trv
