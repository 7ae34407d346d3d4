#include "calculation/Katalog.h"
#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "dxf/DxfBewehrung.h"
#include "model/Modell.h"

#include <ostream>
#include <string>

namespace trv::cli {

namespace {

constexpr const char* Aufruf = "dxf IN.TRV -o OUT.dxf [--position N] [--language CODE]";

int Nutzungsfehler(std::ostream& err, const std::string& text) {
    err << "trv-cli dxf: " << text << "\nusage: trv-cli " << Aufruf << "\n";
    return ExitAufruf;
}

int DxfSchreiben(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (args.Positionen().size() != 1) {
        return Nutzungsfehler(err, args.Positionen().empty() ? "the project file is missing"
                                                             : "only one project file is taken");
    }
    const auto ziel = args.Wert("-o");
    if (!ziel || ziel->empty()) {
        return Nutzungsfehler(err, "the output file is missing (-o OUT.dxf)");
    }
    const auto modell = ProjektOeffnen(args.Positionen().front(), err);
    if (!modell) {
        return ExitDatei;
    }
    const auto nr = GewaehltePosition(args, *modell, err);
    if (!nr) {
        return ExitAufruf;
    }
    const TKAnwendung& anwendung = modell->Anwendung(*nr);
    std::string fehler;
    if (!dxf::DxfBewehrungSpeichern(anwendung, *ziel, modell->Regional().Dezimaltrenner, fehler)) {
        err << "trv-cli dxf: position " << *nr << ": " << fehler << "\n";
        return ExitFehler;
    }
    out << "position " << *nr << ": reinforcement drawing of "
        << DornName(DornTypBegrenzt(anwendung.Ergebnisse().AktDorn())) << " written to " << *ziel
        << "\n";
    return ExitOk;
}

} // namespace

Unterbefehl DxfBefehl() {
    return {"dxf",
            Aufruf,
            "writes the reinforcement drawing of the position's selected connector type as DXF",
            {{"-o", true}, {"--position", true}, {"--language", true}},
            DxfSchreiben};
}

} // namespace trv::cli
