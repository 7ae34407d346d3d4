#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "model/Modell.h"
#include "printing/Ausgabedatei.h"
#include "printing/Ausgaben.h"
#include "printing/Grafikumgebung.h"
#include "printing/Projektdruck.h"

#include <ostream>

namespace trv::cli {

namespace {

constexpr const char* Aufruf =
    "sheet IN.TRV -o OUT.pdf|OUT.png|OUT.svg [--position N | --all] [--language CODE]";

// Every calculated position's sheet and the schedule into one PDF; uncalculated positions are
// named on err and left out.
int ProjektBlatt(const TKModell& modell, const std::string& ziel, std::ostream& err) {
    const Projektdruckinhalt inhalt = ProjektdruckInhalt(modell);
    for (int nr : inhalt.NichtBerechnet) {
        err << "trv-cli sheet: position " << nr << " (" << modell.Anwendung(nr).Position()
            << ") is not calculated and is left out\n";
    }
    const Grafikumgebung grafik;
    std::string fehler;
    if (!ProjektblattSchreiben(modell, ziel, fehler)) {
        err << "trv-cli sheet: " << ziel << ": " << fehler << "\n";
        return ExitFehler;
    }
    return ExitOk;
}

int Blatt(const Argumente& args, std::ostream&, std::ostream& err) {
    const std::optional<std::string> ziel = args.Wert("-o");
    const auto aufruf = [&] {
        err << "trv-cli sheet: expects one input file and -o OUT.pdf, OUT.png or OUT.svg\n"
               "usage: trv-cli "
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
    if (endung != "pdf" && endung != "png" && endung != "svg") {
        return aufruf();
    }
    if (args.Hat("--all")) {
        if (endung != "pdf" || args.Hat("--position")) {
            err << "trv-cli sheet: --all writes every sheet into one PDF and takes no --position\n";
            return aufruf();
        }
        return ProjektBlatt(*modell, *ziel, err);
    }
    const std::optional<int> nr = GewaehltePosition(args, *modell, err);
    if (!nr) {
        err << "usage: trv-cli " << Aufruf << "\n";
        return ExitAufruf;
    }
    const TKAnwendung& anwendung = modell->Anwendung(*nr);
    if (!anwendung.Ergebnisse().Berechnet()) {
        err << "trv-cli sheet: position " << *nr
            << " has no results; the result sheet needs a calculated position (trv-cli calc)\n";
        return ExitFehler;
    }

    const Grafikumgebung grafik;
    std::string fehler;
    const bool ok = ErgebnisblattSchreiben(*modell, *nr, *ziel, fehler);
    if (!ok) {
        err << "trv-cli sheet: " << *ziel << ": " << fehler << "\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl BlattBefehl() {
    return {"sheet",
            Aufruf,
            "the result sheet of a position: every page into a PDF, page 1 into a picture; with "
            "--all the sheets of every calculated position and the schedule into one PDF",
            {{"-o", true}, {"--position", true}, {"--all", false}, {"--language", true}},
            Blatt};
}

} // namespace trv::cli
