#include "model/Geometrie.h"

#include "calculation/Katalog.h"
#include "files/XmlWerte.h"

namespace trv {

void TKGeometrie::XMLSchreiben(xml::TKElement eltern, const std::string& name,
                               char dezimaltrenner) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    const char t = dezimaltrenner;
    xml::SchreibeInt(e, "TFugenbreite", fugenbreite_);
    xml::SchreibeFloat(e, "TNutzhoehe", nutzhoehe_, t);
    xml::SchreibeFloat(e, "TFugenlaenge", fugenlaenge_, t);
    xml::SchreibeFloat(e, "TBetondeckungUnten", betondeckungUnten_, t);
    xml::SchreibeFloat(e, "TBetondeckungOben", betondeckungOben_, t);
    xml::SchreibeFloat(e, "TBetondeckungVorn", betondeckungVorn_, t);
    xml::SchreibeFloat(e, "TPlatteDicke", platteDicke_, t);
    xml::SchreibeFloat(e, "TWandDicke", wandDicke_, t);
    xml::SchreibeBool(e, "TRandLinks", randLinks_);
    xml::SchreibeBool(e, "TRandRechts", randRechts_);
    xml::SchreibeFloat(e, "TBauteilRandLinks", bauteilRandLinks_, t);
    xml::SchreibeFloat(e, "TBauteilRandRechts", bauteilRandRechts_, t);
}

bool TKGeometrie::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder()) {
        return false;
    }
    // Each value is stored as soon as it is read, so that a failure keeps the ones before.
    fugenbreite_ = l.Ganz<std::uint8_t>("TFugenbreite", fugenbreite_, AnzFugenbreiten - 1);
    nutzhoehe_ = l.Float("TNutzhoehe", nutzhoehe_);
    fugenlaenge_ = l.Float("TFugenlaenge", fugenlaenge_);
    betondeckungUnten_ = l.Float("TBetondeckungUnten", betondeckungUnten_);
    betondeckungOben_ = l.Float("TBetondeckungOben", betondeckungOben_);
    betondeckungVorn_ = l.Float("TBetondeckungVorn", betondeckungVorn_);
    platteDicke_ = l.Float("TPlatteDicke", platteDicke_);
    wandDicke_ = l.Float("TWandDicke", wandDicke_);
    randLinks_ = l.Bool("TRandLinks", randLinks_);
    randRechts_ = l.Bool("TRandRechts", randRechts_);
    bauteilRandLinks_ = l.Float("TBauteilRandLinks", bauteilRandLinks_);
    bauteilRandRechts_ = l.Float("TBauteilRandRechts", bauteilRandRechts_);
    return l.Ok();
}

} // namespace trv
