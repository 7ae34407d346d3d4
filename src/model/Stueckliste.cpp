#include "model/Stueckliste.h"

#include "files/XmlWerte.h"

#include <cstddef>
#include <utility>

namespace trv {

bool TKStueckliste::EintragHinzufuegen(std::vector<std::string> eintrag) {
    if (eintrag_.size() >= static_cast<std::size_t>(MaxEintraege)) {
        return false;
    }
    eintrag_.push_back(NutzertexteBegrenzt(std::move(eintrag)));
    return true;
}

bool TKStueckliste::EintragErsetzen(std::vector<std::string> eintrag, int nr) {
    if (!Gueltig(nr)) {
        return false;
    }
    eintrag_[static_cast<std::size_t>(nr - 1)] = NutzertexteBegrenzt(std::move(eintrag));
    return true;
}

bool TKStueckliste::EintragLoeschen(int nr) {
    if (!Gueltig(nr)) {
        return false;
    }
    eintrag_.erase(eintrag_.begin() + (nr - 1));
    return true;
}

std::vector<std::string> TKStueckliste::GetEintrag(int nr) const {
    if (!Gueltig(nr)) {
        return {};
    }
    return eintrag_[static_cast<std::size_t>(nr - 1)];
}

} // namespace trv

namespace trv {

void TKStueckliste::XMLSchreiben(xml::TKElement eltern, const std::string& name) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    xml::SchreibeStringListe(e, "TBemerkung", bemerkung_);
    for (std::size_t n = 0; n < eintrag_.size(); ++n) {
        xml::SchreibeStringListe(e, "TEintrag_" + std::to_string(n + 1), eintrag_[n]);
    }
}

bool TKStueckliste::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder() || l.AnzahlKinder() - 1 > static_cast<std::size_t>(MaxEintraege)) {
        return false;
    }
    bemerkung_ = l.StringListe("TBemerkung");
    eintrag_.clear();
    for (std::size_t n = 1; n < l.AnzahlKinder(); ++n) {
        eintrag_.push_back(l.StringListe("TEintrag_" + std::to_string(n)));
    }
    return true;
}

} // namespace trv
