#include "cli/Bericht.h"
#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "model/Modell.h"

namespace trv::cli {

namespace {

int BerichtAusgeben(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (args.Positionen().size() != 1) {
        err << "trv-cli report: exactly one project file expected\n";
        return ExitAufruf;
    }
    const std::unique_ptr<TKModell> modell = ProjektOeffnen(args.Positionen()[0], err);
    if (!modell) {
        return ExitDatei;
    }
    if (args.Hat("--json")) {
        BerichtJson(*modell, out);
    } else {
        BerichtText(*modell, out);
    }
    out.flush();
    if (!out) {
        err << "trv-cli report: the report could not be written\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl BerichtBefehl() {
    return {"report",
            "report IN.TRV [--json] [--language CODE]",
            "prints the stored result list of every position (text, or JSON with --json)",
            {{"--json", false}, {"--language", true}},
            BerichtAusgeben};
}

} // namespace trv::cli
