#include "ui/main/Stuecklistenbearbeitung.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace trv {

void Stuecklistenbearbeitung::Laden() {
    kopie_ = TKStueckliste();
    for (const StuecklistenEintrag& e : modell_.Stueckliste().Eintraege()) {
        kopie_.EintragHinzufuegen(e);
    }
}

const StuecklistenEintrag& Stuecklistenbearbeitung::Eintrag(int zeile) const {
    static const StuecklistenEintrag leer;
    return Gueltig(zeile) ? kopie_.Eintraege()[static_cast<std::size_t>(zeile)] : leer;
}

bool Stuecklistenbearbeitung::Aktiv(int zeile) const {
    return Gueltig(zeile) && IstAktiv(Eintrag(zeile));
}

bool Stuecklistenbearbeitung::AktivSetzen(int zeile, bool aktiv) {
    if (!Gueltig(zeile)) {
        return false;
    }
    StuecklistenEintrag e = Eintrag(zeile);
    if (e.size() < stk::Felder) {
        e.resize(stk::Felder);
    }
    e[stk::Status] = Ressource(aktiv ? res::StatusAktiv : res::StatusNichtAktiv);
    return kopie_.EintragErsetzen(std::move(e), zeile + 1);
}

bool Stuecklistenbearbeitung::AnzahlSetzen(int zeile, int n) {
    if (!Gueltig(zeile) || n < MinAnzahl || n > MaxAnzahl) {
        return false;
    }
    StuecklistenEintrag e = Eintrag(zeile);
    AnzahlPositionenSetzen(e, n);
    return kopie_.EintragErsetzen(std::move(e), zeile + 1);
}

int Stuecklistenbearbeitung::Anzahl(int zeile) const {
    const double wert = std::trunc(TextAlsZahl(Feld(Eintrag(zeile), stk::AnzahlPos), MinAnzahl));
    return static_cast<int>(std::clamp(wert, double{MinAnzahl}, double{MaxAnzahl}));
}

bool Stuecklistenbearbeitung::Loeschen(int zeile) {
    return Gueltig(zeile) && kopie_.EintragLoeschen(zeile + 1);
}

void Stuecklistenbearbeitung::Uebernehmen(const std::string& bemerkung) {
    TKStueckliste& projekt = modell_.Stueckliste();
    projekt.EintraegeLoeschen();
    for (const StuecklistenEintrag& e : kopie_.Eintraege()) {
        projekt.EintragHinzufuegen(e);
    }
    projekt.SetBemerkung(BemerkungZeilen(bemerkung));
}

std::vector<std::string> Stuecklistenbearbeitung::BemerkungZeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    if (text.empty()) {
        return zeilen;
    }
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos) {
            zeilen.push_back(text.substr(anfang));
            break;
        }
        zeilen.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    // A pasted text may end its lines with CR LF: the CR is part of the break, not the line.
    for (std::string& zeile : zeilen) {
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.pop_back();
        }
    }
    if (zeilen.size() > 1 && zeilen.back().empty()) {
        zeilen.pop_back();
    }
    return zeilen;
}

std::string Stuecklistenbearbeitung::BemerkungText(const std::vector<std::string>& zeilen) {
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += zeilen[i];
    }
    return text;
}

} // namespace trv
