// Fuzz entry for the project file reader: any bytes may come in, a project file or the PDF of
// a result sheet that carries one. A file that reads must write a document that reads again
// and is written back unchanged.
#include "files/Explorer.h"
#include "files/PdfAnhang.h"
#include "model/Modell.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::string_view inhalt(reinterpret_cast<const char*>(daten), groesse);
    std::optional<std::string> projekt;
    if (trv::TKPdfAnhang::IstPdf(inhalt)) {
        // A small limit: an attachment that unpacks beyond it must be refused, not unpacked.
        trv::TKPdfAnhang::TFehler fehler = trv::TKPdfAnhang::TFehler::Keiner;
        std::string grund;
        projekt = trv::TKPdfAnhang::ProjektAusText(inhalt, fehler, grund, 1u << 20);
        if (!projekt) {
            if (fehler == trv::TKPdfAnhang::TFehler::Keiner || grund.empty()) {
                std::abort(); // a refused PDF always says why
            }
            return 0;
        }
        inhalt = *projekt;
    }

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
