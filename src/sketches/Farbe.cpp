#include "sketches/Farbe.h"

#include "files/Einstellungen.h"
#include "files/IniDatei.h"

#include <QColor>

#include <utility>

namespace trv {

namespace {

constexpr std::uint32_t Weiss = 0xFFFFFF;
constexpr std::uint32_t Schwarz = 0x000000;
constexpr std::uint32_t Silber = 0xC0C0C0;
constexpr std::uint32_t Gruen = 0x008000;
constexpr std::uint32_t Marine = 0x800000; // blue 80 in the third byte
constexpr std::uint32_t Aqua = 0xFFFF00;   // green and blue FF
constexpr std::uint32_t Gelb = 0x00FFFF;   // red and green FF
constexpr std::uint32_t Grauwert = 0x808080;

constexpr std::array<const char*, TKFarbe::AnzahlRollen> Schluesselnamen{
    "Hintergrund", "BetonPen",  "BetonBrush", "PosB",       "PosD",
    "DornPen",     "DornBrush", "Bemassung",  "Brandschutz"};

} // namespace

TKFarbe::TKFarbe() : werte_{Weiss, Schwarz, Silber, Gruen, Marine, Schwarz, Aqua, Schwarz, Gelb} {}

TKFarbe TKFarbe::Grau() {
    TKFarbe f;
    f.werte_ = {Weiss, Schwarz, Silber, Schwarz, Schwarz, Schwarz, Grauwert, Schwarz, Grauwert};
    return f;
}

const char* TKFarbe::Schluessel(Rolle rolle) {
    return Schluesselnamen[static_cast<int>(rolle)];
}

TKFarbe TKFarbe::Lesen(const TKIniDatei& ini) {
    TKFarbe f;
    for (int i = 0; i < AnzahlRollen; ++i) {
        // Values are taken as read; only the low 32 bits of a colour value exist.
        f.werte_[i] = static_cast<std::uint32_t>(
            ini.LeseInt(einstellung::FarbSektion, Schluesselnamen[i], f.werte_[i]));
    }
    return f;
}

void TKFarbe::Schreiben(const TKIniDatei& ini) const {
    for (int i = 0; i < AnzahlRollen; ++i) {
        ini.SchreibeInt(einstellung::FarbSektion, Schluesselnamen[i], werte_[i]);
    }
}

QColor TKFarbe::Farbe(Rolle rolle) const {
    return AlsQColor(Wert(rolle));
}

QColor AlsQColor(std::uint32_t wert) {
    return QColor(static_cast<int>(wert & 0xFF), static_cast<int>((wert >> 8) & 0xFF),
                  static_cast<int>((wert >> 16) & 0xFF));
}

TKFarbeinstellung::TKFarbeinstellung(TKIniDatei ini)
    : ini_(std::move(ini)), farbe_(TKFarbe::Lesen(ini_)) {}

TKFarbeinstellung::~TKFarbeinstellung() {
    farbe_.Schreiben(ini_);
}

} // namespace trv
