#include "files/Einstellungen.h"

#include <cmath>
#include <limits>

namespace trv {

namespace {

bool ImBereich(const einstellung::Schluessel& s, double wert) {
    return std::isfinite(wert) && wert >= s.Min && wert <= s.Max;
}

} // namespace

long long LeseInt(const TKIniDatei& ini, const einstellung::Schluessel& s, long long vorgabe) {
    constexpr long long kFehlt = std::numeric_limits<long long>::min();
    const long long wert = ini.LeseInt(s.Sektion, s.Name, kFehlt);
    if (wert == kFehlt || !ImBereich(s, static_cast<double>(wert))) {
        return vorgabe;
    }
    return wert;
}

long long LeseInt(const TKIniDatei& ini, const einstellung::Schluessel& s) {
    return LeseInt(ini, s, static_cast<long long>(s.VorgabeZahl));
}

double LeseFloat(const TKIniDatei& ini, const einstellung::Schluessel& s) {
    const double wert = ini.LeseFloat(s.Sektion, s.Name, s.VorgabeZahl);
    return ImBereich(s, wert) ? wert : s.VorgabeZahl;
}

std::string LeseString(const TKIniDatei& ini, const einstellung::Schluessel& s) {
    return ini.LeseString(s.Sektion, s.Name, s.VorgabeText);
}

void SchreibeInt(const TKIniDatei& ini, const einstellung::Schluessel& s, long long wert) {
    ini.SchreibeInt(s.Sektion, s.Name, wert);
}

void SchreibeFloat(const TKIniDatei& ini, const einstellung::Schluessel& s, double wert) {
    ini.SchreibeFloat(s.Sektion, s.Name, wert);
}

void SchreibeString(const TKIniDatei& ini, const einstellung::Schluessel& s,
                    const std::string& wert) {
    ini.SchreibeString(s.Sektion, s.Name, wert);
}

} // namespace trv
