#include "calculation/Katalog.h"
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

// The Calculation command on one position. False when its inputs are not plausible: it is
// then saved as not calculated.
bool PositionBerechnen(int nr, TKAnwendung& a, std::ostream& out, std::ostream& err) {
    for (const std::string& m : a.BemessungStarten()) {
        err << PositionText(nr, a) << ": " << m << "\n";
    }
    const TKErgebnisse& e = a.Ergebnisse();
    if (!e.Berechnet()) {
        out << PositionText(nr, a) << ": not calculated\n";
        return false;
    }
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
    int nichtBerechnet = 0;
    for (int nr = 1; nr <= modell->AnzAnwendung(); ++nr) {
        const bool plausibel = PositionBerechnen(nr, modell->Anwendung(nr), out, err);
        nichtBerechnet += plausibel ? 0 : 1;
        if (nr == modell->AktAnwendung()) {
            modell->SetCalcFlag(plausibel);
        }
    }
    // Saved all the same, so that no input is lost.
    const TKDateiErgebnis gespeichert = modell->Speichern(*ziel);
    if (!gespeichert.Ok) {
        for (const std::string& m : gespeichert.Meldungen) {
            err << *ziel << ": " << m << "\n";
        }
        err << *ziel << ": (" << gespeichert.Grund << ")\n";
        return ExitFehler;
    }
    if (nichtBerechnet > 0) {
        err << "trv-cli calc: " << nichtBerechnet << " of " << modell->AnzAnwendung()
            << " positions not calculated (inputs not plausible); saved as not calculated\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl BerechnenBefehl() {
    return {"calc",
            "calc IN.TRV -o OUT.TRV",
            "runs the plausibility checks and the calculation of every position and saves the "
            "project; exits 1 when a position was left uncalculated",
            {{"-o", true}},
            Berechnen};
}

} // namespace trv::cli
