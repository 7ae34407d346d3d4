#include "dxf/DxfSchrift.h"

#include <array>

namespace trv::dxf {

namespace {

// Arial's metrics in font units (2048 to the em): advance widths of the printable ASCII
// characters from the blank on, the capital height, ascent and descent.
constexpr std::array<int, 95> Vorschub{
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196};
constexpr double Grossbuchstabe = 1409;
constexpr double Aufstieg = 1854;
constexpr double Abstieg = 434;
constexpr int Breit = 1479; // letters beyond ASCII are at most this wide in the Latin range

double Em(double hoehe) {
    return hoehe / Grossbuchstabe;
}

} // namespace

double TKDxfSchrift::Breite(const std::string& text, double hoehe, double breitenfaktor) {
    long einheiten = 0;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 32 && b < 127) {
            einheiten += Vorschub[b - 32];
        } else if ((b & 0xC0) == 0xC0) { // the first byte of a multi-byte character
            einheiten += Breit;
        }
    }
    return static_cast<double>(einheiten) * Em(hoehe) * breitenfaktor;
}

double TKDxfSchrift::Oberlaenge(double hoehe) {
    return Aufstieg * Em(hoehe);
}

double TKDxfSchrift::Unterlaenge(double hoehe) {
    return Abstieg * Em(hoehe);
}

} // namespace trv::dxf
