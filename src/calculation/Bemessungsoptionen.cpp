#include "calculation/Bemessungsoptionen.h"

#include "files/Einstellungen.h"
#include "model/Modell.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <optional>

namespace trv {

TEingabeFehler BemessungsoptionenUebernehmen(TKAnwendung& a, const TKIniDatei& ini,
                                             int maxDornabstand, const std::string& gammaMsText,
                                             int stahlguete, char dezimaltrenner) {
    const std::optional<double> zahl = EingabeZahl(gammaMsText, dezimaltrenner);
    const double gamma = zahl.value_or(GammaMsErsatz);
    if (gamma < einstellung::GammaMs.Min) {
        return TEingabeFehler::ZuKlein;
    }
    if (gamma > einstellung::GammaMs.Max) {
        return TEingabeFehler::ZuGross;
    }
    maxDornabstand = std::clamp(maxDornabstand, 0, 1);
    stahlguete = std::clamp(stahlguete, 0, 1);
    a.SetMaxDornabstand(static_cast<std::uint8_t>(maxDornabstand));
    a.SetGammaMs(gamma);
    a.SetStahlguete(static_cast<std::uint8_t>(stahlguete));
    SchreibeInt(ini, einstellung::Bemessung, maxDornabstand);
    SchreibeInt(ini, einstellung::Stahlguete, stahlguete);
    SchreibeFloat(ini, einstellung::GammaMs, gamma);
    return TEingabeFehler::Keiner;
}

} // namespace trv
