// Fuzz entry for the project file reader: any bytes may come in. A file that reads must
// write a document that reads again and is written back unchanged.
#include "files/Explorer.h"
#include "model/Modell.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view inhalt(reinterpret_cast<const char*>(daten), groesse);

    trv::TKExplorer explorer;
    explorer.ProjektLesenAusText(inhalt);

    trv::TKModell modell(trv::TKIniDatei(), trv::TKRegional::Standard());
    if (!modell.OeffnenAusText(inhalt).Ok) {
        return 0;
    }
    const std::string text = modell.ProjektText();
    trv::TKModell wieder(trv::TKIniDatei(), trv::TKRegional::Standard());
    if (!wieder.OeffnenAusText(text).Ok || wieder.ProjektText() != text) {
        std::abort(); // a project the program wrote itself must read back unchanged
    }
    return 0;
}
