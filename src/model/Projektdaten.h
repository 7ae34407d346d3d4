#pragma once

#include "model/Nutzertext.h"

#include <string>
#include <utility>
#include <vector>

namespace trv::xml {
class TKElement;
}

namespace trv {

// The project description that heads every printed page: building project, company lines,
// designer and date.
class TKProjektdaten {
public:
    // heute: today's date in the user's short date format.
    explicit TKProjektdaten(std::string heute = {}) : datum_(std::move(heute)) {}

    const std::string& Bauvorhaben() const { return bauvorhaben_; }
    const std::vector<std::string>& Firma() const { return firma_; }
    const std::string& Bearbeiter() const { return bearbeiter_; }
    const std::string& Datum() const { return datum_; }

    // Texts longer than MaxNutzertext are cut (as every user text of the model).
    void SetBauvorhaben(std::string v) { bauvorhaben_ = NutzertextBegrenzt(std::move(v)); }
    // Replaces all company lines by a copy of the given ones.
    void SetFirma(std::vector<std::string> v) { firma_ = NutzertexteBegrenzt(std::move(v)); }
    void SetBearbeiter(std::string v) { bearbeiter_ = NutzertextBegrenzt(std::move(v)); }
    void SetDatum(std::string v) { datum_ = NutzertextBegrenzt(std::move(v)); }

    void XMLSchreiben(xml::TKElement eltern, const std::string& name) const;
    // False (and no change) when the element is missing or empty.
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

private:
    std::string bauvorhaben_;
    std::vector<std::string> firma_;
    std::string bearbeiter_;
    std::string datum_;
};

} // namespace trv
