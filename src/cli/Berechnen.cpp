#include "calculation/Katalog.h"
#include "calculation/Plausibilitaet.h"
#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "model/Modell.h"

#include <ostream>
#include <string>
#include <vector>

namespace trv::cli {

namespace {

std::string PositionText(int nr, const TKAnwendung& a) {
    return "position " + std::to_string(nr) + " (" + a.Position() + ")";
}

// Plausibility checks, and the calculation when they pass, as the Calculation command does
// for one position. False when the inputs are not plausible; the position stays as it was.
bool PositionBerechnen(int nr, TKAnwendung& a, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> meldungen = EingabenPruefen(a);
    if (!meldungen.empty()) {
        for (const std::string& m : meldungen) {
            err << PositionText(nr, a) << ": " << m << "\n";
        }
        out << PositionText(nr, a) << ": not calculated\n";
        return false;
    }
    for (const std::string& h : a.BemessungStarten()) {
        err << PositionText(nr, a) << ": " << h << "\n";
    }
    const TKErgebnisse& e = a.Ergebnisse();
    out << PositionText(nr, a) << ": calculated, proposed " << DornName(e.AktDorn()) << " ("
        << e.GetAnzDorn(e.AktDorn()) << ")\n";
    return true;
}

int Berechnen(const Argumente& args, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> ziel = args.Wert("-o");
    if (args.Positionen().size() != 1 || !ziel || ziel->empty()) {
        err << "trv-cli calc: expects one input file and -o OUT.TRV\nusage: trv-cli calc IN.TRV "
               "-o OUT.TRV\n";
        return ExitAufruf;
    }
    std::unique_ptr<TKModell> modell = ProjektOeffnen(args.Positionen().front(), err);
    if (!modell) {
        return ExitDatei;
    }
    for (int nr = 1; nr <= modell->AnzAnwendung(); ++nr) {
        const bool plausibel = PositionBerechnen(nr, modell->Anwendung(nr), out, err);
        if (nr == modell->AktAnwendung()) {
            modell->SetCalcFlag(plausibel);
        }
    }
    const TKDateiErgebnis gespeichert = modell->Speichern(*ziel);
    if (!gespeichert.Ok) {
        for (const std::string& m : gespeichert.Meldungen) {
            err << *ziel << ": " << m << "\n";
        }
        err << *ziel << ": (" << gespeichert.Grund << ")\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl BerechnenBefehl() {
    return {"calc",
            "calc IN.TRV -o OUT.TRV",
            "runs the plausibility checks and the calculation of every position and saves the "
            "project",
            {{"-o", true}},
            Berechnen};
}

} // namespace trv::cli
