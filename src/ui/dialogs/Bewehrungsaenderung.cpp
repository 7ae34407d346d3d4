#include "ui/dialogs/Bewehrungsaenderung.h"

#include "calculation/Bemessung.h"
#include "model/Modell.h"

namespace trv {

TKBewehrungsaenderung::TKBewehrungsaenderung(TKAnwendung& anwendung)
    : anwendung_(anwendung), typ_(DornTypBegrenzt(anwendung.Ergebnisse().AktDorn())),
      maxDornabstand_(anwendung.MaxDornabstand()), record_(anwendung.Ergebnisse().DornDaten(typ_)),
      ergebnis_(anwendung.Ergebnisse().DornErgebnis(typ_)) {
    anwendung_.SetMaxDornabstand(1);
}

TKBewehrungsaenderung::~TKBewehrungsaenderung() {
    if (offen_) {
        Verwerfen();
    }
}

bool TKBewehrungsaenderung::Moeglich(const TKAnwendung& anwendung) {
    return anwendung.Ergebnisse().Berechnet() && DornTypGueltig(anwendung.Ergebnisse().AktDorn());
}

TKStaebe TKBewehrungsaenderung::Staebe() const {
    const TKDornDaten& r = anwendung_.Ergebnisse().DornDaten(typ_);
    return {r.AnzahlBewX(), r.DurchmesserBewX(), r.AnzahlBewY(), r.DurchmesserBewY()};
}

void TKBewehrungsaenderung::Aendern(const TKStaebe& staebe) {
    if (!offen_) {
        return;
    }
    TKDornDaten& r = anwendung_.Ergebnisse().DornDaten(typ_);
    r.SetAnzahlBewX(staebe.AnzahlBewX);
    r.SetAnzahlBewY(staebe.AnzahlBewY);
    r.SetDurchmesserBewX(staebe.DurchmesserBewX);
    r.SetDurchmesserBewY(staebe.DurchmesserBewY);
    TKTRVBemessung bemessung(anwendung_);
    if (bemessung.BewehrungsbreitenNeu(typ_, staebe.AnzahlBewX)) {
        bemessung.TypNachweisen(typ_);
    }
}

void TKBewehrungsaenderung::Uebernehmen() {
    Beenden();
}

void TKBewehrungsaenderung::Verwerfen() {
    if (!offen_) {
        return;
    }
    // The whole result comes back, not only what a new check of the old bars would give: the
    // zone widths of the changed bars (bx) are no part of that check.
    anwendung_.Ergebnisse().DornDaten(typ_) = record_;
    anwendung_.Ergebnisse().DornErgebnis(typ_) = ergebnis_;
    Beenden();
}

void TKBewehrungsaenderung::Beenden() {
    anwendung_.SetMaxDornabstand(maxDornabstand_);
    offen_ = false;
}

} // namespace trv
