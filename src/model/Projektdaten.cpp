#include "model/Projektdaten.h"

#include "files/XmlWerte.h"

namespace trv {

void TKProjektdaten::XMLSchreiben(xml::TKElement eltern, const std::string& name) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    xml::SchreibeString(e, "TBauvorhaben", bauvorhaben_);
    xml::SchreibeStringListe(e, "TFirma", firma_);
    xml::SchreibeString(e, "TBearbeiter", bearbeiter_);
    xml::SchreibeString(e, "TDatum", datum_);
}

bool TKProjektdaten::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder()) {
        return false;
    }
    bauvorhaben_ = l.String("TBauvorhaben", bauvorhaben_);
    firma_ = l.StringListe("TFirma");
    bearbeiter_ = l.String("TBearbeiter", bearbeiter_);
    datum_ = l.String("TDatum", datum_);
    return true;
}

} // namespace trv
