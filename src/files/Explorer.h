#pragma once

#include "files/Projektdatei.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

// A summary of the positions of a project file, for the project administration's list: one
// row of six strings per position.
class TKExplorer {
public:
    // Indexes of a row.
    static constexpr int Prog = 0;        // name of the document element ("TRV_1.0")
    static constexpr int Projekt = 1;     // "TBauvorhaben" of the project description
    static constexpr int Position = 2;    // "TPosition"
    static constexpr int Verbindung = 3;  // text of the application case
    static constexpr int Fugenlaenge = 4; // stored joint length in cm, one decimal, " cm"
    static constexpr int Datum = 5;       // "TDatum"
    static constexpr int Spalten = 6;

    // Appends a copy of the row.
    void ZeileHinzufuegen(const std::vector<std::string>& zeile) { zeilen_.push_back(zeile); }
    const std::vector<std::vector<std::string>>& Zeilen() const { return zeilen_; }

    // Reads the summary of a project file, appending one row per position; lengths use the
    // given decimal separator. A file of another program gives its message and no rows; an
    // old version gives its warning and is read. Anything that cannot be read ends the
    // reading without a message, with the rows so far (Ok is then false). A value that the
    // list cannot show (an application case outside 0..2) counts as unreadable.
    TKDateiErgebnis ProjektLesen(const std::string& dateiName, char dezimaltrenner = '.');
    // The same for a document in memory.
    TKDateiErgebnis ProjektLesenAusText(std::string_view inhalt, char dezimaltrenner = '.');

private:
    TKDateiErgebnis Lesen(const std::optional<xml::TKDokument>& dok, TKDateiErgebnis ergebnis,
                          char dezimaltrenner);

    std::vector<std::vector<std::string>> zeilen_;
};

} // namespace trv
