#include "schedule/Stuecklistenregeln.h"

#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trv {

namespace {

std::string Getrimmt(const std::string& text) {
    const std::size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) {
        return {};
    }
    const std::size_t ende = text.find_last_not_of(" \t") + 1;
    return std::string(text.begin() + static_cast<std::ptrdiff_t>(anfang),
                       text.begin() + static_cast<std::ptrdiff_t>(ende));
}

} // namespace

const std::string& Feld(const StuecklistenEintrag& eintrag, std::size_t index) {
    static const std::string leer;
    return index < eintrag.size() ? eintrag[index] : leer;
}

std::string FRdText(const StuecklistenEintrag& eintrag, char dezimaltrenner) {
    const std::string& text = Feld(eintrag, stk::FRd);
    const std::optional<double> wert = DateiZahl(text);
    return wert ? ZahlFest(*wert, 1, dezimaltrenner) : text;
}

StuecklistenEintrag NeuerEintrag(const std::string& position, int anzahlDorne,
                                 const std::string& bezeichnung, int positionsNummer, double frd,
                                 char dezimaltrenner) {
    const std::string anzahl = std::to_string(anzahlDorne);
    // In index order (see stk): label, identical positions, connectors, designation, total,
    // status, position number, additional item, FRd, connectors when added.
    return {position,
            "1",
            anzahl,
            bezeichnung,
            anzahl,
            Ressource(res::StatusAktiv),
            std::to_string(positionsNummer),
            std::string(),
            ZahlFest(frd, 1, dezimaltrenner),
            anzahl};
}

std::optional<std::size_t> ZuErsetzenderEintrag(const std::vector<StuecklistenEintrag>& eintraege,
                                                const std::string& k,
                                                const UeberschreibenFrage& frage) {
    const std::string schluessel = Getrimmt(k);
    if (schluessel.empty()) {
        return std::nullopt; // an entry without a position number is no position
    }
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        if (Feld(eintraege[i], stk::PositionsNr) == schluessel && frage &&
            frage(Ressource(res::StuecklisteUeberschreiben))) {
            return i;
        }
    }
    return std::nullopt;
}

bool InStueckliste(TKModell& modell, const std::string& k, const UeberschreibenFrage& frage) {
    const TKAnwendung& anwendung = modell.AktuelleAnwendung();
    const TKErgebnisse& ergebnisse = anwendung.Ergebnisse();
    const int typ = ergebnisse.AktDorn();
    StuecklistenEintrag neu = NeuerEintrag(
        anwendung.Position(), ergebnisse.GetAnzDorn(typ), DornName(typ), modell.AktAnwendung(),
        ergebnisse.DornErgebnis(typ).FRd(), modell.Regional().Dezimaltrenner);
    TKStueckliste& liste = modell.Stueckliste();
    if (const auto index = ZuErsetzenderEintrag(liste.Eintraege(), k, frage)) {
        return liste.EintragErsetzen(std::move(neu), static_cast<int>(*index) + 1);
    }
    return liste.EintragHinzufuegen(std::move(neu));
}

void AnzahlPositionenSetzen(StuecklistenEintrag& eintrag, int n) {
    if (eintrag.size() < stk::Felder) {
        eintrag.resize(stk::Felder);
    }
    // Only the whole-number part counts; anything that is no number counts as 0.
    const double dorne = std::trunc(TextAlsZahl(Feld(eintrag, stk::AnzahlDorne), 0));
    const double summe = dorne * n;
    const bool passt = std::fabs(summe) <= std::numeric_limits<long long>::max() / 2.0;
    eintrag[stk::AnzahlPos] = std::to_string(n);
    eintrag[stk::Summe] = passt ? std::to_string(static_cast<long long>(summe)) : "0";
}

bool IstAktiv(const StuecklistenEintrag& eintrag) {
    const std::string& status = Feld(eintrag, stk::Status);
    return status == Ressource(res::StatusAktiv) ||
           std::find(AktivTexte.begin(), AktivTexte.end(), status) != AktivTexte.end();
}

std::vector<const StuecklistenEintrag*>
AktiveEintraege(const std::vector<StuecklistenEintrag>& eintraege) {
    std::vector<const StuecklistenEintrag*> aktiv;
    for (const StuecklistenEintrag& e : eintraege) {
        if (IstAktiv(e)) {
            aktiv.push_back(&e);
        }
    }
    return aktiv;
}

} // namespace trv
