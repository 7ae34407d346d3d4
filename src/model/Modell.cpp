#include "model/Modell.h"

#include "files/Einstellungen.h"
#include "files/Ressourcen.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace trv {

std::uint8_t LandAusSprache(int sprachkennung) {
    switch (sprachkennung) {
    case 1034:
    case 3082:
        return 1;
    case 1043:
        return 4;
    case 1036:
        return 5;
    case 1040:
        return 6;
    case 2055:
        return 7;
    default:
        return 0;
    }
}

TKAnwendung::TKAnwendung(TKIniDatei ini) : ini_(std::move(ini)) {
    position_ = Ressource(res::Unbenannt);
    aktLand_ = static_cast<std::uint8_t>(LeseInt(ini_, einstellung::Land));
    maxDornabstand_ = static_cast<std::uint8_t>(LeseInt(ini_, einstellung::Bemessung));
    stahlguete_ = static_cast<std::uint8_t>(LeseInt(ini_, einstellung::Stahlguete));
    gammaMs_ = LeseFloat(ini_, einstellung::GammaMs);
    // Stored directly: the loads are all zero here, so the design values stay 0.
    belastungDesign_.Punktlast().SetFaktoren(LeseFloat(ini_, einstellung::PunktlastTgg),
                                             LeseFloat(ini_, einstellung::PunktlastTgq));
    belastungDesign_.LinienLastLinks().SetFaktoren(
        LeseFloat(ini_, einstellung::LinienlastLinksTgg),
        LeseFloat(ini_, einstellung::LinienlastLinksTgq));
    belastungDesign_.LinienLastRechts().SetFaktoren(
        LeseFloat(ini_, einstellung::LinienlastRechtsTgg),
        LeseFloat(ini_, einstellung::LinienlastRechtsTgq));
}

TKAnwendung::~TKAnwendung() {
    if (!ini_.HatDatei()) {
        return;
    }
    const TKBelastung& b = belastungDesign_;
    SchreibeFloat(ini_, einstellung::PunktlastTgg, b.Punktlast().gg());
    SchreibeFloat(ini_, einstellung::PunktlastTgq, b.Punktlast().gq());
    SchreibeFloat(ini_, einstellung::LinienlastLinksTgg, b.LinienLastLinks().gg());
    SchreibeFloat(ini_, einstellung::LinienlastLinksTgq, b.LinienLastLinks().gq());
    SchreibeFloat(ini_, einstellung::LinienlastRechtsTgg, b.LinienLastRechts().gg());
    SchreibeFloat(ini_, einstellung::LinienlastRechtsTgq, b.LinienLastRechts().gq());
}

TKModell::TKModell(TKIniDatei ini, TKRegional regional)
    : ini_(std::move(ini)), regional_(std::move(regional)),
      projektbeschreibung_(regional_.HeuteKurz) {
    DornDatenLaden();
    SetAnzAnwendung(1);

    projektbeschreibung_.SetBearbeiter(LeseString(ini_, einstellung::TBearbeiter));
    const long long zeilen = LeseInt(ini_, einstellung::TFirmaZeilen);
    std::vector<std::string> firma;
    for (long long i = 1; i <= zeilen; ++i) {
        firma.push_back(ini_.LeseString(einstellung::ProjektDatenSektion,
                                        einstellung::TFirmaPraefix + std::to_string(i), ""));
    }
    projektbeschreibung_.SetFirma(std::move(firma));

    SetLandAusSprache(static_cast<int>(LeseInt(ini_, einstellung::IDSprache)));
}

TKModell::~TKModell() {
    while (!anwendungen_.empty()) {
        anwendungen_.pop_back();
    }
}

void TKModell::DornDatenLaden() {
    dornDaten_.Laden(DornTypBegrenzt(eingabeDorn_));
}

const TKAnwendung& TKModell::Anwendung(int nr) const {
    const int k = std::clamp(nr, 1, static_cast<int>(anwendungen_.size()));
    return *anwendungen_[static_cast<std::size_t>(k - 1)];
}

TKAnwendung& TKModell::Anwendung(int nr) {
    const int k = std::clamp(nr, 1, static_cast<int>(anwendungen_.size()));
    return *anwendungen_[static_cast<std::size_t>(k - 1)];
}

void TKModell::SetAnzAnwendung(int n) {
    const std::size_t anzahl = static_cast<std::size_t>(std::clamp(n, 1, 65535));
    while (anwendungen_.size() > anzahl) {
        anwendungen_.pop_back();
    }
    while (anwendungen_.size() < anzahl) {
        auto neu = std::make_unique<TKAnwendung>(ini_);
        neu->SetPosition(std::to_string(anwendungen_.size() + 1));
        anwendungen_.push_back(std::move(neu));
    }
}

bool TKModell::PositionKopieren(int von, int nach) {
    const int n = static_cast<int>(anwendungen_.size());
    if (von < 1 || von > n || nach < 1 || nach > n) {
        return false;
    }
    // The copy is made before the old position goes, so von == nach copies itself safely.
    auto kopie = std::make_unique<TKAnwendung>(*anwendungen_[static_cast<std::size_t>(von - 1)]);
    kopie->SetPosition(std::to_string(nach));
    anwendungen_[static_cast<std::size_t>(nach - 1)] = std::move(kopie);
    return true;
}

bool TKModell::PositionLoeschen(int k, std::string* meldung) {
    const int n = static_cast<int>(anwendungen_.size());
    if (n < 2) {
        if (meldung != nullptr) {
            *meldung = Ressource(res::LetztePositionLoeschen);
        }
        return false;
    }
    if (k < 1 || k > n) {
        return false;
    }
    // The contents move up one place; the last element is then destroyed, as when the list
    // shrinks. So the last position writes the load factors, as it would have anyway.
    for (int i = k; i < n; ++i) {
        *anwendungen_[static_cast<std::size_t>(i - 1)] = *anwendungen_[static_cast<std::size_t>(i)];
    }
    SetAnzAnwendung(n - 1);
    if (aktAnwendung_ > n - 1) {
        aktAnwendung_ = static_cast<std::uint16_t>(n - 1);
    }
    return true;
}

void TKModell::SetLandAusSprache(int sprachkennung) {
    const std::uint8_t land = LandAusSprache(sprachkennung);
    for (auto& a : anwendungen_) {
        a->SetAktLand(land);
    }
}

} // namespace trv
