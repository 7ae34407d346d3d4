#include "model/Stueckliste.h"

#include <cstddef>
#include <utility>

namespace trv {

bool TKStueckliste::EintragHinzufuegen(std::vector<std::string> eintrag) {
    if (eintrag_.size() >= static_cast<std::size_t>(MaxEintraege)) {
        return false;
    }
    eintrag_.push_back(std::move(eintrag));
    return true;
}

bool TKStueckliste::EintragErsetzen(std::vector<std::string> eintrag, int nr) {
    if (!Gueltig(nr)) {
        return false;
    }
    eintrag_[static_cast<std::size_t>(nr - 1)] = std::move(eintrag);
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
