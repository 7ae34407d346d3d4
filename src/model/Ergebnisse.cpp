#include "model/Ergebnisse.h"

#include "files/XmlWerte.h"

#include <algorithm>
#include <cstddef>
#include <optional>
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

namespace trv {

namespace {

// Highest codes of the two message lists: the status codes, and the two warnings.
constexpr int MaxFehlerCode = 9;
constexpr int MaxWarnungCode = 1;
constexpr int MaxStatus = 9;
// Bounds of the stored reinforcement: far beyond any real layout, but a drawing sized by
// them stays small.
constexpr int MaxStaebe = 1000;
constexpr int MaxStabDurchmesser = 100; // mm

void ListeSchreiben(xml::TKElement eltern, const std::string& name,
                    const std::vector<double>& werte, char dezimaltrenner) {
    xml::TKElement e = eltern.KindAnhaengen(name);
    for (std::size_t k = 0; k < werte.size(); ++k) {
        xml::SchreibeFloat(e, "A_" + std::to_string(k), werte[k], dezimaltrenner);
    }
}

// The values "A_"(k), k from 0, one per child of the element; nullopt after a failure (which
// marks l) or when there are more than maxAnzahl.
std::optional<std::vector<double>> ListeLesen(xml::TKLeser& l, const std::string& name,
                                              std::size_t maxAnzahl) {
    if (!l.Ok()) {
        return std::nullopt;
    }
    xml::TKLeser liste(l.Kind(name));
    if (liste.AnzahlKinder() > maxAnzahl) {
        l.Fehlschlag(name + ": too many values");
        return std::nullopt;
    }
    std::vector<double> werte;
    werte.reserve(liste.AnzahlKinder());
    for (std::size_t k = 0; k < liste.AnzahlKinder(); ++k) {
        werte.push_back(liste.Float("A_" + std::to_string(k), 0));
    }
    if (!liste.Ok()) {
        l.Fehlschlag(liste.Fehler());
        return std::nullopt;
    }
    return werte;
}

std::string BewehrungName(int typ) {
    return "cDornDaten_" + DornKennung(typ);
}

void BewehrungSchreiben(xml::TKElement eltern, int typ, const TKDornDaten& d, char t) {
    xml::TKElement e = eltern.KindAnhaengen(BewehrungName(typ));
    xml::SchreibeInt(e, "TAnzahlBewX", d.AnzahlBewX());
    xml::SchreibeInt(e, "TAnzahlBewY", d.AnzahlBewY());
    xml::SchreibeInt(e, "TDurchmesserBewX", d.DurchmesserBewX());
    xml::SchreibeInt(e, "TDurchmesserBewY", d.DurchmesserBewY());
    xml::SchreibeFloat(e, "TBreiteBewX", d.BreiteBewX(), t);
    xml::SchreibeFloat(e, "TBreiteBewY", d.BreiteBewY(), t);
    ListeSchreiben(e, "TAbstaendeBewX", d.AbstaendeBewX(), t);
    ListeSchreiben(e, "TAbstaendeBewY", d.AbstaendeBewY(), t);
}

// Restores the reinforcement of a freshly refilled catalog record; a missing element keeps
// the catalog's bars (older files). The record changes only when every value is sound.
bool BewehrungLesen(xml::TKElement eltern, int typ, TKDornDaten& d) {
    xml::TKLeser l(eltern.Kind(BewehrungName(typ)));
    if (!l.Element()) {
        return true;
    }
    const auto anzahlX = static_cast<int>(l.Int("TAnzahlBewX", 0, 0, MaxStaebe));
    const auto anzahlY = static_cast<int>(l.Int("TAnzahlBewY", 0, 0, MaxStaebe));
    const auto durchmesserX = static_cast<int>(l.Int("TDurchmesserBewX", 0, 0, MaxStabDurchmesser));
    const auto durchmesserY = static_cast<int>(l.Int("TDurchmesserBewY", 0, 0, MaxStabDurchmesser));
    const double breiteX = l.Float("TBreiteBewX", 0);
    const double breiteY = l.Float("TBreiteBewY", 0);
    auto abstaendeX = ListeLesen(l, "TAbstaendeBewX", MaxStaebe);
    auto abstaendeY = ListeLesen(l, "TAbstaendeBewY", MaxStaebe);
    if (!l.HatKinder() || !l.Ok()) {
        return false;
    }
    d.SetAnzahlBewX(anzahlX);
    d.SetAnzahlBewY(anzahlY);
    d.SetDurchmesserBewX(durchmesserX);
    d.SetDurchmesserBewY(durchmesserY);
    d.SetBreiteBewX(breiteX);
    d.SetBreiteBewY(breiteY);
    d.SetAbstaendeBewX(std::move(*abstaendeX));
    d.SetAbstaendeBewY(std::move(*abstaendeY));
    return true;
}

} // namespace

void TKMeldungen::XMLSchreiben(xml::TKElement eltern, const std::string& name) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    for (std::size_t k = 0; k < codes_.size(); ++k) {
        xml::SchreibeInt(e, "TMeldungen_" + std::to_string(k + 1), codes_[k]);
    }
}

bool TKMeldungen::XMLLesen(xml::TKElement eltern, const std::string& name, int maxCode) {
    xml::TKLeser l(eltern.Kind(name));
    codes_.clear();
    for (std::size_t k = 1; k <= l.AnzahlKinder() && l.Ok(); ++k) {
        const auto code = l.Ganz<std::uint16_t>("TMeldungen_" + std::to_string(k), 0, maxCode);
        if (l.Ok()) {
            MeldungHinzufuegen(code);
        }
    }
    return l.Ok();
}

void TKDornErgebnis::XMLSchreiben(xml::TKElement eltern, const std::string& name,
                                  char dezimaltrenner) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    const char t = dezimaltrenner;
    xml::SchreibeInt(e, "TDornAnordnung", dornAnordnung_);
    ListeSchreiben(e, "TDornAbstand", dornAbstand_, t);
    xml::SchreibeFloat(e, "TAbstandLinks", abstandLinks_, t);
    xml::SchreibeFloat(e, "TAbstandRechts", abstandRechts_, t);
    xml::SchreibeFloat(e, "TIstMinAchs", istMinAchs_, t);
    xml::SchreibeFloat(e, "TZulMinAchs", zulMinAchs_, t);
    xml::SchreibeFloat(e, "TZulMinRand", zulMinRand_, t);
    xml::SchreibeFloat(e, "TFRdStahl", frdStahl_, t);
    xml::SchreibeFloat(e, "TFRdBeton", frdBeton_, t);
    xml::SchreibeFloat(e, "TFRdBewehrung", frdBewehrung_, t);
    xml::SchreibeFloat(e, "TFRd", frd_, t);
    xml::SchreibeFloat(e, "TFSdIst", fsdIst_, t);
    xml::SchreibeFloat(e, "TEtaQ", etaQ_, t);
    xml::SchreibeFloat(e, "TAsxErf", asxErf_, t);
    xml::SchreibeFloat(e, "TAsyErf", asyErf_, t);
    xml::SchreibeFloat(e, "TAsxIst", asxIst_, t);
    xml::SchreibeFloat(e, "TAsyIst", asyIst_, t);
    xml::SchreibeFloat(e, "Tbx", bx_, t);
    xml::SchreibeFloat(e, "Tby", by_, t);
    xml::SchreibeInt(e, "TStatus", status_);
    xml::SchreibeBool(e, "TStatusd", statusd_);
    xml::SchreibeBool(e, "TAbstandMeldung", abstandMeldung_);
    fehler_.XMLSchreiben(e, "Fehler");
    warnungen_.XMLSchreiben(e, "Warnungen");
}

bool TKDornErgebnis::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder()) {
        return false;
    }
    dornAbstand_.clear();
    dornAnordnung_ = l.Ganz<std::uint8_t>("TDornAnordnung", dornAnordnung_);
    // One spacing more than connectors at most, and the count of connectors fits 16 bits.
    if (auto abstaende = ListeLesen(l, "TDornAbstand", 65536)) {
        dornAbstand_ = std::move(*abstaende);
    }
    abstandLinks_ = l.Float("TAbstandLinks", abstandLinks_);
    abstandRechts_ = l.Float("TAbstandRechts", abstandRechts_);
    istMinAchs_ = l.Float("TIstMinAchs", istMinAchs_);
    zulMinAchs_ = l.Float("TZulMinAchs", zulMinAchs_);
    zulMinRand_ = l.Float("TZulMinRand", zulMinRand_);
    frdStahl_ = l.Float("TFRdStahl", frdStahl_);
    frdBeton_ = l.Float("TFRdBeton", frdBeton_);
    frdBewehrung_ = l.Float("TFRdBewehrung", frdBewehrung_);
    frd_ = l.Float("TFRd", frd_);
    fsdIst_ = l.Float("TFSdIst", fsdIst_);
    etaQ_ = l.Float("TEtaQ", etaQ_);
    asxErf_ = l.Float("TAsxErf", asxErf_);
    asyErf_ = l.Float("TAsyErf", asyErf_);
    asxIst_ = l.Float("TAsxIst", asxIst_);
    asyIst_ = l.Float("TAsyIst", asyIst_);
    bx_ = l.Float("Tbx", bx_);
    by_ = l.Float("Tby", by_);
    status_ = l.Ganz<std::uint16_t>("TStatus", status_, MaxStatus);
    statusd_ = l.Bool("TStatusd", statusd_);
    abstandMeldung_ = l.Bool("TAbstandMeldung", abstandMeldung_);
    return l.Ok() && fehler_.XMLLesen(l.Element(), "Fehler", MaxFehlerCode) &&
           warnungen_.XMLLesen(l.Element(), "Warnungen", MaxWarnungCode);
}

void TKErgebnisse::XMLSchreiben(xml::TKElement eltern, const std::string& name,
                                char dezimaltrenner) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    xml::SchreibeInt(e, "TAktDorn", aktDorn_);
    xml::SchreibeBool(e, "TBerechnet", berechnet_);
    geometrie_.XMLSchreiben(e, "cGeometrie", dezimaltrenner);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const std::size_t i = Stelle(typ);
        dornErgebnis_[i].XMLSchreiben(e, "cDornErgebnis_" + DornKennung(typ), dezimaltrenner);
        xml::SchreibeInt(e, "TAnzDorn_" + DornKennung(typ), anzDorn_[i]);
        BewehrungSchreiben(e, typ, dornDaten_[i], dezimaltrenner);
    }
}

bool TKErgebnisse::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder()) {
        return false;
    }
    aktDorn_ = l.Ganz<std::uint8_t>("TAktDorn", aktDorn_, AnzDornTypen - 1);
    berechnet_ = l.Bool("TBerechnet", berechnet_);
    bool ok = l.Ok() && geometrie_.XMLLesen(l.Element(), "cGeometrie");
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const std::size_t i = Stelle(typ);
        if (ok) {
            ok = dornErgebnis_[i].XMLLesen(l.Element(), "cDornErgebnis_" + DornKennung(typ));
        }
        anzDorn_[i] = l.Ganz<std::uint16_t>("TAnzDorn_" + DornKennung(typ), anzDorn_[i]);
        dornDaten_[i].Laden(typ);
        if (!BewehrungLesen(l.Element(), typ, dornDaten_[i])) {
            l.Fehlschlag(BewehrungName(typ) + ": reinforcement not readable");
        }
    }
    return ok && l.Ok();
}

} // namespace trv
