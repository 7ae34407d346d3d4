#pragma once

#include <cstdint>
#include <string>

namespace trv::xml {
class TKElement;
}

namespace trv {

// The geometric input of one joint. All lengths in mm.
class TKGeometrie {
public:
    // Joint width class: index into 0, 10, ..., 60 mm (the width is 10 x index).
    std::uint8_t Fugenbreite() const { return fugenbreite_; }
    // The effective joint length: for a single connector with both component edges set, the
    // sum of the two edge distances; otherwise the stored joint length. Every reader of the
    // joint length uses this one.
    double Fugenlaenge() const {
        return randLinks_ && randRechts_ ? bauteilRandLinks_ + bauteilRandRechts_ : fugenlaenge_;
    }
    // The joint length as stored (only the project file reads it).
    double FugenlaengeGespeichert() const { return fugenlaenge_; }
    double Nutzhoehe() const { return nutzhoehe_; }
    double BetondeckungUnten() const { return betondeckungUnten_; }
    double BetondeckungOben() const { return betondeckungOben_; }
    double BetondeckungVorn() const { return betondeckungVorn_; }
    double PlatteDicke() const { return platteDicke_; }
    double WandDicke() const { return wandDicke_; }
    bool RandLinks() const { return randLinks_; }
    bool RandRechts() const { return randRechts_; }
    double BauteilRandLinks() const { return bauteilRandLinks_; }
    double BauteilRandRechts() const { return bauteilRandRechts_; }

    // Setters only store the value.
    void SetFugenbreite(std::uint8_t v) { fugenbreite_ = v; }
    void SetFugenlaenge(double v) { fugenlaenge_ = v; }
    void SetNutzhoehe(double v) { nutzhoehe_ = v; }
    void SetBetondeckungUnten(double v) { betondeckungUnten_ = v; }
    void SetBetondeckungOben(double v) { betondeckungOben_ = v; }
    void SetBetondeckungVorn(double v) { betondeckungVorn_ = v; }
    void SetPlatteDicke(double v) { platteDicke_ = v; }
    void SetWandDicke(double v) { wandDicke_ = v; }
    void SetRandLinks(bool v) { randLinks_ = v; }
    void SetRandRechts(bool v) { randRechts_ = v; }
    void SetBauteilRandLinks(double v) { bauteilRandLinks_ = v; }
    void SetBauteilRandRechts(double v) { bauteilRandRechts_ = v; }

    // The project file element (floats with the given decimal separator). XMLLesen is false
    // when the element is missing or empty, or a value is malformed or out of range; the
    // values read before keep their new values.
    void XMLSchreiben(xml::TKElement eltern, const std::string& name, char dezimaltrenner) const;
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

private:
    std::uint8_t fugenbreite_ = 2;
    double fugenlaenge_ = 2000;
    double nutzhoehe_ = 400;
    double betondeckungUnten_ = 30;
    double betondeckungOben_ = 30;
    double betondeckungVorn_ = 30;
    double platteDicke_ = 450;
    double wandDicke_ = 400;
    bool randLinks_ = false;
    bool randRechts_ = false;
    double bauteilRandLinks_ = 500;
    double bauteilRandRechts_ = 500;
};

} // namespace trv
