#pragma once

#include "model/Nutzertext.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trv::xml {
class TKElement;
}

namespace trv {

// The project's connector schedule: a free remark and an ordered list of entries, each a
// list of strings (ten for every entry the program makes). Entries are numbered 1..count.
class TKStueckliste {
public:
    // At most this many entries (the count is stored in 16 bits).
    static constexpr int MaxEintraege = 65535;

    // Appends a copy of the strings (each cut after MaxNutzertext characters); false (and no
    // change) when the schedule is full.
    bool EintragHinzufuegen(std::vector<std::string> eintrag);
    // Replaces entry nr when 1 <= nr <= count; otherwise nothing happens and the result is
    // false.
    bool EintragErsetzen(std::vector<std::string> eintrag, int nr);
    // Removes entry nr; the following entries move up. An nr outside 1..count changes
    // nothing and gives false.
    bool EintragLoeschen(int nr);
    // Entry nr; an empty list for an nr outside 1..count.
    std::vector<std::string> GetEintrag(int nr) const;
    void EintraegeLoeschen() { eintrag_.clear(); }
    std::uint16_t AnzEintraege() const { return static_cast<std::uint16_t>(eintrag_.size()); }
    const std::vector<std::vector<std::string>>& Eintraege() const { return eintrag_; }

    // Replaces the remark lines by a copy (each cut after MaxNutzertext characters).
    void SetBemerkung(std::vector<std::string> zeilen) {
        bemerkung_ = NutzertexteBegrenzt(std::move(zeilen));
    }
    const std::vector<std::string>& GetBemerkung() const { return bemerkung_; }

    void XMLSchreiben(xml::TKElement eltern, const std::string& name) const;
    // False (and no change) when the element is missing or empty, or it holds more entries
    // than a schedule can.
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

private:
    bool Gueltig(int nr) const { return nr >= 1 && nr <= static_cast<int>(eintrag_.size()); }

    std::vector<std::string> bemerkung_;
    std::vector<std::vector<std::string>> eintrag_;
};

} // namespace trv
