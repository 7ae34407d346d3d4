#include "model/Ergebnisse.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace trv {

namespace {

std::size_t Stelle(int typ) {
    return static_cast<std::size_t>(DornTypBegrenzt(typ));
}

template <typename T, std::size_t... I>
std::array<T, sizeof...(I)> JeTyp(std::index_sequence<I...>) {
    return {T(static_cast<int>(I))...};
}

} // namespace

void TKMeldungen::MeldungHinzufuegen(std::uint16_t code) {
    if (!Enthaelt(code)) {
        codes_.push_back(code);
    }
}

std::uint16_t TKMeldungen::Meldung(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= codes_.size()) {
        return 0;
    }
    return codes_[static_cast<std::size_t>(i)];
}

bool TKMeldungen::Enthaelt(std::uint16_t code) const {
    return std::find(codes_.begin(), codes_.end(), code) != codes_.end();
}

TKDornErgebnis::TKDornErgebnis(int typ) {
    const TKDornDaten katalog(DornTypBegrenzt(typ));
    dornAbstand_.push_back(katalog.StdAchsabstand());
    abstandLinks_ = katalog.StdRandabstand();
    abstandRechts_ = katalog.StdRandabstand();
    istMinAchs_ = katalog.StdAchsabstand();
}

double TKDornErgebnis::GetDornAbstand(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= dornAbstand_.size()) {
        return 0;
    }
    return dornAbstand_[static_cast<std::size_t>(i)];
}

double TKDornErgebnis::GroessterDornAbstand() const {
    double groesster = 0;
    for (double a : dornAbstand_) {
        groesster = std::max(groesster, a);
    }
    return groesster;
}

void TKDornErgebnis::SetFRdStahl(double v) {
    frdStahl_ = v;
    FRdBestimmen();
}

void TKDornErgebnis::SetFRdBeton(double v) {
    frdBeton_ = v;
    FRdBestimmen();
}

void TKDornErgebnis::SetFRdBewehrung(double v) {
    frdBewehrung_ = v;
    FRdBestimmen();
}

void TKDornErgebnis::FRdBestimmen() {
    frd_ = std::min({frdStahl_, frdBeton_, frdBewehrung_});
}

TKErgebnisse::TKErgebnisse()
    : dornDaten_(JeTyp<TKDornDaten>(std::make_index_sequence<AnzDornTypen>{})),
      dornErgebnis_(JeTyp<TKDornErgebnis>(std::make_index_sequence<AnzDornTypen>{})) {
    anzDorn_.fill(1);
}

const TKDornDaten& TKErgebnisse::DornDaten(int typ) const {
    return dornDaten_[Stelle(typ)];
}

TKDornDaten& TKErgebnisse::DornDaten(int typ) {
    return dornDaten_[Stelle(typ)];
}

const TKDornErgebnis& TKErgebnisse::DornErgebnis(int typ) const {
    return dornErgebnis_[Stelle(typ)];
}

TKDornErgebnis& TKErgebnisse::DornErgebnis(int typ) {
    return dornErgebnis_[Stelle(typ)];
}

std::uint16_t TKErgebnisse::GetAnzDorn(int typ) const {
    return anzDorn_[Stelle(typ)];
}

void TKErgebnisse::SetAnzDorn(int typ, std::uint16_t n) {
    if (DornTypGueltig(typ)) {
        anzDorn_[Stelle(typ)] = n;
    }
}

void TKErgebnisse::DornVorbereiten(int typ) {
    if (!DornTypGueltig(typ)) {
        return;
    }
    aktDorn_ = static_cast<std::uint8_t>(typ);
    dornDaten_[Stelle(typ)].Laden(typ);
}

} // namespace trv
