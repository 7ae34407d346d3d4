#include "cli/Projekt.h"

#include "platform/Umgebung.h"

#include "model/Modell.h"
#include <algorithm>

namespace trv::cli {

std::unique_ptr<TKModell> ProjektOeffnen(const std::string& pfad, std::ostream& err) {
    std::unique_ptr<TKModell> modell = plattform::BatchModell();
    const TKDateiErgebnis ergebnis = modell->Oeffnen(pfad);
    for (const std::string& meldung : ergebnis.Meldungen) {
        err << pfad << ": " << meldung << "\n";
    }
    if (!ergebnis.Ok) {
        if (!ergebnis.Grund.empty()) {
            err << pfad << ": (" << ergebnis.Grund << ")\n";
        }
        return nullptr;
    }
    return modell;
}

std::optional<int> GewaehltePosition(const Argumente& args, const TKModell& modell,
                                     std::ostream& err) {
    const int anzahl = modell.AnzAnwendung();
    const std::optional<std::string> wert = args.Wert("--position");
    if (!wert) {
        return std::clamp(static_cast<int>(modell.AktAnwendung()), 1, anzahl);
    }
    const std::optional<int> nr = PositiveZahl(*wert);
    if (!nr || *nr > anzahl) {
        err << "--position: '" << *wert << "' is not a position of the project (1.." << anzahl
            << ")\n";
        return std::nullopt;
    }
    return nr;
}

} // namespace trv::cli
