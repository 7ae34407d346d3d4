#include "calculation/Lastprofilraster.h"

#include "model/Belastung.h"
#include "model/Zahlen.h"

#include <optional>
#include <utility>

namespace trv {

TKProfilraster::TKProfilraster(std::vector<Zeile> zeilen) : zeilen_(std::move(zeilen)) {
    if (zeilen_.empty()) {
        zeilen_.emplace_back();
    }
}

TKProfilraster TKProfilraster::AusProfil(const TKBelastung& b, char dezimaltrenner) {
    std::vector<Zeile> zeilen;
    for (const TKPunkt& p : b.beliebigeLast()) {
        zeilen.push_back(
            {ZahlAlsText(p.x, "0", dezimaltrenner), ZahlAlsText(p.y, "0", dezimaltrenner)});
    }
    return TKProfilraster(std::move(zeilen));
}

int TKProfilraster::Suchen(const std::string& x) const {
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        if (zeilen_[i].x == x) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int TKProfilraster::LetzteZeileBei(double x, char dezimaltrenner) const {
    for (int i = AnzZeilen() - 1; i >= 0; --i) {
        if (EingabeZahl(zeilen_[static_cast<std::size_t>(i)].x, dezimaltrenner) == x) {
            return i;
        }
    }
    return -1;
}

void TKProfilraster::Anfuegen(const std::string& x, const std::string& q) {
    // Only a lone empty row is filled: appending never overwrites a pair.
    if (zeilen_.size() == 1 && zeilen_[0].x.empty()) {
        zeilen_[0] = {x, q};
    } else {
        zeilen_.push_back({x, q});
    }
}

void TKProfilraster::Setzen(int zeile, const std::string& x, const std::string& q) {
    if (zeile >= 0 && zeile < AnzZeilen()) {
        zeilen_[static_cast<std::size_t>(zeile)] = {x, q};
    }
}

int TKProfilraster::Loeschen(int zeile) {
    if (zeilen_.size() < 2) {
        zeilen_[0] = {};
        return 0;
    }
    if (zeile < 0 || zeile >= AnzZeilen()) {
        return std::min(std::max(zeile, 0), AnzZeilen() - 1);
    }
    zeilen_.erase(zeilen_.begin() + zeile);
    return std::min(zeile, AnzZeilen() - 1);
}

bool TKProfilraster::ProfilAusRaster(TKBelastung& b, char dezimaltrenner) const {
    if (zeilen_[0].x.empty()) {
        b.PunkteLoeschen();
        return true;
    }
    std::vector<TKPunkt> punkte;
    for (const Zeile& z : zeilen_) {
        const std::optional<double> x = EingabeZahl(z.x, dezimaltrenner);
        const std::optional<double> q = EingabeZahl(z.q, dezimaltrenner);
        if (!x || !q) {
            return false;
        }
        punkte.push_back({*x, *q});
    }
    b.PunkteLoeschen();
    for (const TKPunkt& p : punkte) {
        b.PunktHinzufuegen(p.x, p.y);
    }
    return true;
}

TEingabeFehler ProfilpaarPruefen(const std::string& x, const std::string& q, double laenge,
                                 char dezimaltrenner) {
    if (!EingabeZahl(x, dezimaltrenner) || !EingabeZahl(q, dezimaltrenner)) {
        return TEingabeFehler::KeineZahl;
    }
    const TEingabeFehler fx = EingabeGueltig(x, pruefcode::Beide, 0, laenge, dezimaltrenner);
    if (fx != TEingabeFehler::Keiner) {
        return fx;
    }
    return EingabeGueltig(q, pruefcode::NurMinimum, 0, 0, dezimaltrenner);
}

} // namespace trv
