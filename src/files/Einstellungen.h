#pragma once

#include "files/IniDatei.h"
#include "model/Belastung.h"

#include <string>

namespace trv {

// Every section and key of the INI file, defined once.
namespace einstellung {

enum class Typ { Int, Float, String };

inline constexpr double Unbegrenzt = 1e300;

// One key: where it lives, its type, its default and the range a read value must lie in.
// A value outside the range is treated like an unconvertible one and yields the default, so a
// hand-edited file can never put an index outside its table or a factor of 0 into a position.
struct Schluessel {
    const char* Sektion;
    const char* Name;
    Typ Art;
    double VorgabeZahl;      // default of Int and Float keys
    const char* VorgabeText; // default of String keys
    double Min = -Unbegrenzt;
    double Max = Unbegrenzt;
};

// [Anwenderdaten]
inline constexpr Schluessel Land{"Anwenderdaten", "Land", Typ::Int, 0, "", 0, 255};
inline constexpr Schluessel Bemessung{"Anwenderdaten", "Bemessung", Typ::Int, 1, "", 0, 1};
inline constexpr Schluessel Stahlguete{"Anwenderdaten", "Stahlguete", Typ::Int, 0, "", 0, 1};
inline constexpr Schluessel GammaMs{"Anwenderdaten", "GammaMs", Typ::Float, 1.05, "", 1e-3, 1e3};
inline constexpr Schluessel PunktlastTgg{"Anwenderdaten",   "Punktlast_Tgg",  Typ::Float, 1.35, "",
                                         TeilsicherheitMin, TeilsicherheitMax};
inline constexpr Schluessel PunktlastTgq{"Anwenderdaten",   "Punktlast_Tgq",  Typ::Float, 1.5, "",
                                         TeilsicherheitMin, TeilsicherheitMax};
inline constexpr Schluessel LinienlastLinksTgg{
    "Anwenderdaten",   "LinienlastLinks_Tgg", Typ::Float, 1.35, "",
    TeilsicherheitMin, TeilsicherheitMax};
inline constexpr Schluessel LinienlastLinksTgq{
    "Anwenderdaten",   "LinienlastLinks_Tgq", Typ::Float, 1.5, "",
    TeilsicherheitMin, TeilsicherheitMax};
inline constexpr Schluessel LinienlastRechtsTgg{
    "Anwenderdaten",   "LinienlastRechts_Tgg", Typ::Float, 1.35, "",
    TeilsicherheitMin, TeilsicherheitMax};
inline constexpr Schluessel LinienlastRechtsTgq{
    "Anwenderdaten",   "LinienlastRechts_Tgq", Typ::Float, 1.5, "",
    TeilsicherheitMin, TeilsicherheitMax};
// Read by the model with 2055 as default; the start window passes the system language instead.
inline constexpr Schluessel IDSprache{"Anwenderdaten", "IDSprache", Typ::Int, 2055, "", 0, 65535};
// Last folder of the project administration; its default is the working directory (caller's).
inline constexpr Schluessel Version{"Anwenderdaten", "Version", Typ::String, 0, ""};

// [ProjektDaten] (read only)
inline constexpr Schluessel TBearbeiter{"ProjektDaten", "TBearbeiter", Typ::String, 0, ""};
// At most 100 company lines, so a damaged file cannot make the model build millions of lines.
inline constexpr Schluessel TFirmaZeilen{"ProjektDaten", "TFirmaZeilen", Typ::Int, 0, "", 0, 100};
// "TFirma1", "TFirma2", ...: the name is this prefix followed by the line number.
inline constexpr const char* TFirmaPraefix = "TFirma";
inline constexpr const char* ProjektDatenSektion = "ProjektDaten";

// [Farbeinstellung] (screen colours; defaults belong to the colour settings)
inline constexpr const char* FarbSektion = "Farbeinstellung";

} // namespace einstellung

// Typed access through the key table.
long long LeseInt(const TKIniDatei& ini, const einstellung::Schluessel& s);
long long LeseInt(const TKIniDatei& ini, const einstellung::Schluessel& s, long long vorgabe);
double LeseFloat(const TKIniDatei& ini, const einstellung::Schluessel& s);
std::string LeseString(const TKIniDatei& ini, const einstellung::Schluessel& s);
void SchreibeInt(const TKIniDatei& ini, const einstellung::Schluessel& s, long long wert);
void SchreibeFloat(const TKIniDatei& ini, const einstellung::Schluessel& s, double wert);
void SchreibeString(const TKIniDatei& ini, const einstellung::Schluessel& s,
                    const std::string& wert);

} // namespace trv
