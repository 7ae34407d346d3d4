#pragma once

#include "files/IniDatei.h"

#include <array>
#include <cstdint>

class QColor;

namespace trv {

// The nine screen colours of the sketches. A colour value holds red in the lowest byte, green
// in the second and blue in the third (the encoding of the INI file).
class TKFarbe {
public:
    enum class Rolle {
        Hintergrund, // fill of the sketch rectangle
        BetonPen,    // thick concrete edges
        BetonBrush,  // concrete areas and their thin outlines
        PosB,        // horizontal (top and bottom) bars
        PosD,        // vertical bars (U-bars)
        DornPen,     // outlines of connector parts
        DornBrush,   // fill of connector parts
        Bemassung,   // dimension lines, their texts and labels
        Brandschutz, // kept with the others; no sketch draws with it
    };
    static constexpr int AnzahlRollen = 9;

    TKFarbe(); // the standard colours
    static TKFarbe Grau();

    // Every key of section "Farbeinstellung"; a missing key takes the standard colour.
    static TKFarbe Lesen(const TKIniDatei& ini);
    void Schreiben(const TKIniDatei& ini) const;

    std::uint32_t Wert(Rolle rolle) const { return werte_[static_cast<int>(rolle)]; }
    void SetWert(Rolle rolle, std::uint32_t wert) { werte_[static_cast<int>(rolle)] = wert; }
    QColor Farbe(Rolle rolle) const;

    std::uint32_t Hintergrund() const { return Wert(Rolle::Hintergrund); }
    std::uint32_t BetonPen() const { return Wert(Rolle::BetonPen); }
    std::uint32_t BetonBrush() const { return Wert(Rolle::BetonBrush); }
    std::uint32_t PosB() const { return Wert(Rolle::PosB); }
    std::uint32_t PosD() const { return Wert(Rolle::PosD); }
    std::uint32_t DornPen() const { return Wert(Rolle::DornPen); }
    std::uint32_t DornBrush() const { return Wert(Rolle::DornBrush); }
    std::uint32_t Bemassung() const { return Wert(Rolle::Bemassung); }
    std::uint32_t Brandschutz() const { return Wert(Rolle::Brandschutz); }

    // INI key of a colour ("Hintergrund", "BetonPen", ...).
    static const char* Schluessel(Rolle rolle);

    bool operator==(const TKFarbe&) const = default;

private:
    std::array<std::uint32_t, AnzahlRollen> werte_;
};

// A colour value (red in the lowest byte) as a Qt colour; bits above the blue byte are ignored.
QColor AlsQColor(std::uint32_t wert);

// The application's colour settings: read from the INI file when made, written back when
// destroyed (the life of the main window).
class TKFarbeinstellung {
public:
    explicit TKFarbeinstellung(TKIniDatei ini);
    ~TKFarbeinstellung();
    TKFarbeinstellung(const TKFarbeinstellung&) = delete;
    TKFarbeinstellung& operator=(const TKFarbeinstellung&) = delete;

    const TKFarbe& Farbe() const { return farbe_; }
    void SetFarbe(const TKFarbe& farbe) { farbe_ = farbe; }

private:
    TKIniDatei ini_;
    TKFarbe farbe_;
};

} // namespace trv
