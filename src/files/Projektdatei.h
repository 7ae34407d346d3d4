#pragma once

#include "files/XmlDokument.h"

#include <optional>
#include <string>
#include <vector>

namespace trv {

// Outcome of a project file operation. The core shows nothing itself; the caller shows the
// messages in their order (warnings and errors alike).
struct TKDateiErgebnis {
    bool Ok = false;
    std::vector<std::string> Meldungen;
    // Why the operation failed, in short English words for diagnostics (not a message to
    // show); empty on success.
    std::string Grund;
};

// The frame of every project file: the document element with "Copyright", "Program" and
// "Projekt". Creates it in dok and returns the empty "Projekt" element.
xml::TKElement ProjektdokumentAnlegen(xml::TKDokument& dok, const std::string& dateiName);

// Parses a project file and checks its program element (the second child of the document
// element, by position). A file that cannot be parsed gives nullopt with ergebnis.Grund set;
// a foreign file also adds "The file is not a valid Varnel - TRV File" to the messages. A
// different version adds the old-version warning and the document is returned. A PDF is read
// as the result sheet that carries its project (TKPdfAnhang): a PDF without one, or a damaged
// one, adds its message.
std::optional<xml::TKDokument> ProjektdokumentLaden(const std::string& dateiName,
                                                    TKDateiErgebnis& ergebnis);
// The same for a document already in memory (the fuzz target feeds bytes here).
std::optional<xml::TKDokument> ProjektdokumentAusText(std::string_view inhalt,
                                                      TKDateiErgebnis& ergebnis);

} // namespace trv
