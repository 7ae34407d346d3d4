#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "model/Modell.h"
#include "printing/Ausgabedatei.h"
#include "printing/Ausgaben.h"
#include "printing/Grafikumgebung.h"

#include <ostream>

namespace trv::cli {

namespace {

constexpr const char* Aufruf = "schedule IN.TRV -o OUT.txt|OUT.pdf [--language CODE]";

int Stueckliste(const Argumente& args, std::ostream&, std::ostream& err) {
    const std::optional<std::string> ziel = args.Wert("-o");
    const auto aufruf = [&] {
        err << "trv-cli schedule: expects one input file and -o OUT.txt or OUT.pdf\nusage: trv-cli "
            << Aufruf << "\n";
        return ExitAufruf;
    };
    if (args.Positionen().size() != 1 || !ziel) {
        return aufruf();
    }
    // The project is read first: an unreadable input is reported as such whatever the output.
    const std::unique_ptr<TKModell> modell = ProjektOeffnen(args.Positionen().front(), err);
    if (!modell) {
        return ExitDatei;
    }
    const std::string endung = Endung(*ziel);
    if (endung != "txt" && endung != "pdf") {
        return aufruf();
    }
    // Only the printed pages need Qt's fonts.
    std::optional<Grafikumgebung> grafik;
    if (endung == "pdf") {
        grafik.emplace();
    }
    std::string fehler;
    const bool ok = StuecklisteSchreiben(*modell, *ziel, fehler);
    if (!ok) {
        err << "trv-cli schedule: " << *ziel << ": " << fehler << "\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl StuecklisteBefehl() {
    return {"schedule",
            Aufruf,
            "the connector schedule: the fixed-column text export or the printed pages as PDF",
            {{"-o", true}, {"--language", true}},
            Stueckliste};
}

} // namespace trv::cli
