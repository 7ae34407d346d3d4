#include "model/Zahlen.h"

#include <cerrno>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace trv {

namespace {

// strtod in the "C" locale, whatever the process locale is.
std::optional<double> CZahl(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    std::size_t anfang = text.find_first_not_of(" \t\r\n");
    std::size_t ende = text.find_last_not_of(" \t\r\n");
    if (anfang == std::string::npos) {
        return std::nullopt;
    }
    const std::string kern = text.substr(anfang, ende - anfang + 1);
    // Only plain decimal notation: no hex floats, no "inf"/"nan".
    for (char c : kern) {
        const bool erlaubt =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!erlaubt) {
            return std::nullopt;
        }
    }
    errno = 0;
    char* rest = nullptr;
    const double wert = strtod_l(kern.c_str(), &rest, cLocale);
    // An overflow is no number; an underflow is the nearest representable one (a file written
    // with 15 digits can hold a value just below the smallest normal double).
    const bool ueberlauf = errno == ERANGE && std::fabs(wert) > 1;
    if (rest == kern.c_str() || *rest != '\0' || ueberlauf || !std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

} // namespace

double RundeGerade(double wert) {
    return std::nearbyint(wert);
}

double RundeAufRaster(double wert, double raster, double toleranz) {
    return raster * RundeGerade((wert + toleranz) / raster - 0.5);
}

std::string ZahlAlsText(double wert, const std::string& nullText, char dezimaltrenner) {
    if (std::fabs(wert) < 1e-6) {
        return nullText;
    }
    char puffer[64];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 15);
    std::string text(puffer, ergebnis.ptr);
    for (char& c : text) {
        if (c == '.') {
            c = dezimaltrenner;
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string ZahlDateiText(double wert, char dezimaltrenner) {
    if (!std::isfinite(wert)) {
        return "0";
    }
    char puffer[64];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 15);
    std::string text;
    for (const char* p = puffer; p != ergebnis.ptr; ++p) {
        if (*p == '.') {
            text += dezimaltrenner;
        } else if (*p == 'e') {
            text += 'E';
            ++p;
            text += *p; // the exponent's sign
            while (p + 2 != ergebnis.ptr && *(p + 1) == '0') {
                ++p; // leading zeros of the exponent
            }
        } else {
            text += *p;
        }
    }
    return text;
}

std::string ZahlGerundet(double wert, int dezimalen, char dezimaltrenner) {
    dezimalen = dezimalen < 0 ? 0 : (dezimalen > 9 ? 9 : dezimalen);
    if (!std::isfinite(wert)) {
        return "-";
    }
    const double faktor = std::pow(10.0, dezimalen);
    return ZahlAlsText(RundeGerade(wert * faktor) / faktor, "0", dezimaltrenner);
}

std::string ZahlFest(double wert, int dezimalen, char dezimaltrenner) {
    dezimalen = dezimalen < 0 ? 0 : (dezimalen > 9 ? 9 : dezimalen);
    if (!std::isfinite(wert)) {
        return "-";
    }
    const double faktor = std::pow(10.0, dezimalen);
    double gerundet = RundeGerade(wert * faktor) / faktor;
    if (gerundet == 0.0) {
        gerundet = 0.0; // drops the sign of -0
    }
    char puffer[400];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, gerundet,
                                        std::chars_format::fixed, dezimalen);
    std::string text(puffer, ergebnis.ptr);
    for (char& c : text) {
        if (c == '.') {
            c = dezimaltrenner;
        }
    }
    return text;
}

double TextAlsZahl(const std::string& text, double ersatz, char dezimaltrenner) {
    return EingabeZahl(text, dezimaltrenner).value_or(ersatz);
}

std::optional<double> EingabeZahl(const std::string& text, char dezimaltrenner) {
    std::string normal = text;
    for (char& c : normal) {
        if (c == '.' || c == ',') {
            if (c != dezimaltrenner) {
                return std::nullopt;
            }
            c = '.';
        }
    }
    return CZahl(normal);
}

std::optional<double> DateiZahl(const std::string& text) {
    std::string normal = text;
    int trenner = 0;
    for (char& c : normal) {
        if (c == ',' || c == '.') {
            c = '.';
            ++trenner;
        }
    }
    if (trenner > 1) {
        return std::nullopt;
    }
    return CZahl(normal);
}

} // namespace trv
