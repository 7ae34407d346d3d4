#include "calculation/Bemessung.h"

#include "calculation/Anordnung.h"
#include "calculation/Eingangsdaten.h"
#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"

#include <algorithm>
#include <cmath>

namespace trv {

namespace {

// A value that is not finite becomes 0; the caller learns that something was undefined.
bool Endlich(double& wert) {
    if (std::isfinite(wert)) {
        return true;
    }
    wert = 0;
    return false;
}

bool Endlich(std::vector<double>& werte) {
    bool alle = true;
    for (double& w : werte) {
        alle = Endlich(w) && alle;
    }
    return alle;
}

double AlsDouble(long double wert) {
    const double d = static_cast<double>(wert);
    return std::isfinite(d) ? d : 0.0;
}

// Replaces every value of the result and the catalog record of typ that is not finite by 0.
// True when one had to be replaced.
bool Bereinigen(TKErgebnisse& erg, int typ) {
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    TKDornDaten& dd = erg.DornDaten(typ);
    bool ok = true;
    std::vector<double> abstand = de.DornAbstand();
    if (!Endlich(abstand)) {
        de.SetDornAbstand(std::move(abstand));
        ok = false;
    }
    auto pruefen = [&ok](double wert, auto setzen) {
        if (!Endlich(wert)) {
            setzen(wert);
            ok = false;
        }
    };
    pruefen(de.AbstandLinks(), [&](double v) { de.SetAbstandLinks(v); });
    pruefen(de.AbstandRechts(), [&](double v) { de.SetAbstandRechts(v); });
    pruefen(de.IstMinAchs(), [&](double v) { de.SetIstMinAchs(v); });
    pruefen(de.ZulMinAchs(), [&](double v) { de.SetZulMinAchs(v); });
    pruefen(de.ZulMinRand(), [&](double v) { de.SetZulMinRand(v); });
    pruefen(de.FRdStahl(), [&](double v) { de.SetFRdStahl(v); });
    pruefen(de.FRdBeton(), [&](double v) { de.SetFRdBeton(v); });
    pruefen(de.FRdBewehrung(), [&](double v) { de.SetFRdBewehrung(v); });
    pruefen(de.FSdIst(), [&](double v) { de.SetFSdIst(v); });
    pruefen(de.AsxErf(), [&](double v) { de.SetAsxErf(v); });
    pruefen(de.AsyErf(), [&](double v) { de.SetAsyErf(v); });
    pruefen(de.AsxIst(), [&](double v) { de.SetAsxIst(v); });
    pruefen(de.AsyIst(), [&](double v) { de.SetAsyIst(v); });
    pruefen(de.bx(), [&](double v) { de.Setbx(v); });
    pruefen(de.by(), [&](double v) { de.Setby(v); });
    pruefen(dd.BreiteBewX(), [&](double v) { dd.SetBreiteBewX(v); });
    pruefen(dd.BreiteBewY(), [&](double v) { dd.SetBreiteBewY(v); });
    std::vector<double> x = dd.AbstaendeBewX();
    if (!Endlich(x)) {
        dd.SetAbstaendeBewX(std::move(x));
        ok = false;
    }
    std::vector<double> y = dd.AbstaendeBewY();
    if (!Endlich(y)) {
        dd.SetAbstaendeBewY(std::move(y));
        ok = false;
    }
    return !ok;
}

bool DickeIterieren(std::uint16_t status) {
    return status == 3 || status == 4 || status == 7 || status == 8;
}

constexpr std::uint16_t kWarnungAbstand = 0;
constexpr std::uint16_t kWarnungDuennsteDecke = 1;
constexpr std::uint16_t kFehlerAbstand = 3;

} // namespace

TKTRVBemessung::TKTRVBemessung(TKAnwendung& anwendung) : anwendung_(anwendung) {}

void TKTRVBemessung::AlleTypenBemessen() {
    hinweise_.clear();
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    erg.SetBerechnet(true);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        TypBemessen(typ);
    }
    int vorschlag = -1;
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const TKDornErgebnis& de = erg.DornErgebnis(typ);
        if (de.EtaQ() < 1 && de.Status() == 0 &&
            (vorschlag < 0 || erg.GetAnzDorn(typ) < erg.GetAnzDorn(vorschlag))) {
            vorschlag = typ;
        }
    }
    erg.SetAktDorn(static_cast<std::uint8_t>(std::max(vorschlag, 0)));
}

void TKTRVBemessung::TypBemessen(int typ) {
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    erg.Geometrie() = anwendung_.Geometrie();
    TKGeometrie& geo = erg.Geometrie();
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    de.SetStatusd(true);
    de.SetStatus(kFehlerAbstand);
    int schritte = 0;
    while (DickeIterieren(de.Status())) {
        Auswerten(typ);
        const long double h = geo.PlatteDicke();
        const long double t = h - erg.DornDaten(typ).DickeMin();
        de.SetStatusd(de.Statusd() && t <= 0);
        // Not "t <= 0": a thickness that is not a number must end the loop as well.
        if (!(t > 0) || ++schritte > MaxDickenSchritte) {
            break;
        }
        geo.SetPlatteDicke(static_cast<double>(h - std::min(t, 10.0L)));
    }
    if (de.Status() == 0 && !de.Statusd()) {
        de.Warnungen().MeldungHinzufuegen(kWarnungDuennsteDecke);
    }
    geo.SetPlatteDicke(anwendung_.Geometrie().PlatteDicke());
}

void TKTRVBemessung::Auswerten(int typ) {
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    erg.DornVorbereiten(typ);
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    const TKMinAbstaende m = MinAbstaende(erg.Geometrie().PlatteDicke());
    de.SetZulMinAchs(m.ZulMinAchs);
    de.SetZulMinRand(m.ZulMinRand);
    de.Fehler().MeldungenLoeschen();
    de.Warnungen().MeldungenLoeschen();
    de.DornAbstandLoeschen();
    de.SetDornAnordnung(0);

    bool undefiniert = false;
    WiderstaendeBerechnen(typ, undefiniert);
    // Provisional: FRd is the smaller of steel and concrete until the bars are known.
    de.SetFRdBewehrung(std::min(de.FRdStahl(), de.FRdBeton()));
    de.SetFSdIst(de.FRd());
    // A connector without positive resistance cannot carry anything, whatever its load.
    bool lastNichtAufnehmbar = undefiniert || !(de.FRd() > 0);

    const TKAnordnung a = anwendung_.Anwendungsfall() == 0 ? EinzeldornAnordnen(anwendung_, typ)
                                                           : ReiheVerteilen(anwendung_, typ);
    if (a.PunkteAusserhalb > 0) {
        HinweisHinzufuegen("SetTmpLast: " + Ressource(res::Rechenfehler));
    }
    if (a.Grund == TKVerteilung::Scheitern::ZuViele) {
        std::string hinweis = Ressource(res::ZuVieleDorne);
        if (const auto stelle = hinweis.find("%1"); stelle != std::string::npos) {
            hinweis.replace(stelle, 2, std::to_string(MaxDorneJeReihe));
        }
        HinweisHinzufuegen(hinweis);
    }
    BewehrungAuslegen(typ);
    BewehrungswiderstandBerechnen(typ);
    if (Bereinigen(erg, typ)) {
        lastNichtAufnehmbar = true;
    }
    if (!(de.FRd() > 0) && de.FSdIst() > 0) {
        lastNichtAufnehmbar = true;
    }
    const bool anordnungGescheitert = a.Grund == TKVerteilung::Scheitern::Abstand ||
                                      a.Grund == TKVerteilung::Scheitern::KeinProfil;
    StatusSetzen(typ, lastNichtAufnehmbar, anordnungGescheitert);
}

void TKTRVBemessung::WiderstaendeBerechnen(int typ, bool& undefiniert) {
    TKDornErgebnis& de = anwendung_.Ergebnisse().DornErgebnis(typ);
    const TKWiderstandsDaten w = WiderstandsDatenAus(anwendung_, typ);
    const TKStahlWiderstand stahl = FRdStahlBerechnen(w);
    const long double beton = FRdBetonBerechnen(w);
    const double frdStahl = AlsDouble(stahl.FRd);
    const double frdBeton = AlsDouble(beton);
    if (!stahl.Gueltig || !std::isfinite(static_cast<double>(stahl.FRd)) ||
        !std::isfinite(static_cast<double>(beton))) {
        undefiniert = true;
    }
    de.SetFRdStahl(frdStahl);
    de.SetFRdBeton(frdBeton);
}

void TKTRVBemessung::BewehrungAuslegen(int typ) {
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    TKDornDaten& dd = erg.DornDaten(typ);
    const TKBewehrungsDaten b = BewehrungsDatenAus(anwendung_, typ);

    TKBewehrungX x = BewehrungXAuslegen(de.AsxErf(), b);
    dd.SetAnzahlBewX(x.Anzahl);
    dd.SetAbstaendeBewX(std::move(x.Abstaende));
    dd.SetBreiteBewX(x.Breite);
    de.Setbx(x.bx);

    TKBewehrungY y = BewehrungYAuslegen(de.AsyErf(), b);
    dd.SetAnzahlBewY(y.Anzahl);
    dd.SetAbstaendeBewY(std::move(y.Abstaende));
    dd.SetBreiteBewY(y.Breite);
}

void TKTRVBemessung::BewehrungswiderstandBerechnen(int typ) {
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    const TKDornDaten& dd = erg.DornDaten(typ);
    const TKBewehrungsDaten b = BewehrungsDatenAus(anwendung_, typ);
    de.SetAsxIst(AlsDouble(static_cast<long double>(b.FlaecheBewX) * dd.AnzahlBewX()));
    de.SetAsyIst(AlsDouble(static_cast<long double>(b.FlaecheBewY) * dd.AnzahlBewY()));
    // FSdIst and IstMinAchs as the arrangement left them.
    de.SetFRdBewehrung(AlsDouble(FRdBewehrungBerechnen(b, de.AsxIst(), dd.AnzahlBewY())));
}

void TKTRVBemessung::StatusSetzen(int typ, bool lastNichtAufnehmbar, bool anordnungGescheitert) {
    TKDornErgebnis& de = anwendung_.Ergebnisse().DornErgebnis(typ);
    TKStatusDaten daten = StatusDatenAus(anwendung_, typ);
    daten.LastNichtAufnehmbar = lastNichtAufnehmbar;
    daten.AnordnungGescheitert = anordnungGescheitert;
    const TKStatus s = StatusBestimmen(daten);
    for (std::uint16_t code : s.Fehler) {
        de.Fehler().MeldungHinzufuegen(code);
    }
    if (s.Warnung0) {
        de.Warnungen().MeldungHinzufuegen(kWarnungAbstand);
        de.SetAbstandMeldung(true);
    }
    de.SetEtaQ(s.EtaQ);
    de.SetStatus(s.Status);
}

void TKTRVBemessung::TypNachweisen(int typ) {
    if (!DornTypGueltig(typ)) {
        return;
    }
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    // The arrangement is not recomputed, so a row found impossible stays failed.
    const bool anordnungGescheitert = de.Fehler().Enthaelt(kFehlerAbstand);
    de.Fehler().MeldungenLoeschen();
    de.Warnungen().MeldungenLoeschen();
    de.SetDornAnordnung(0);
    bool lastNichtAufnehmbar = false;
    WiderstaendeBerechnen(typ, lastNichtAufnehmbar);
    BewehrungswiderstandBerechnen(typ);
    if (Bereinigen(erg, typ)) {
        lastNichtAufnehmbar = true;
    }
    if (!(de.FRd() > 0) && de.FSdIst() > 0) {
        lastNichtAufnehmbar = true;
    }
    StatusSetzen(typ, lastNichtAufnehmbar, anordnungGescheitert);
    if (de.Status() == 0 && !de.Statusd()) {
        de.Warnungen().MeldungHinzufuegen(kWarnungDuennsteDecke);
    }
}

bool TKTRVBemessung::BewehrungsbreitenNeu(int typ, int /*n*/) {
    if (!DornTypGueltig(typ)) {
        return true;
    }
    TKErgebnisse& erg = anwendung_.Ergebnisse();
    TKDornDaten& dd = erg.DornDaten(typ);
    const TKBewehrungsDaten b = BewehrungsDatenAus(anwendung_, typ);

    TKBewehrungY y = BewehrungYAnordnen(dd.AnzahlBewY(), b, false);
    dd.SetAnzahlBewY(y.Anzahl);
    dd.SetAbstaendeBewY(std::move(y.Abstaende));
    dd.SetBreiteBewY(y.Breite);

    TKBewehrungX x = BewehrungXAnordnen(dd.AnzahlBewX(), b);
    dd.SetAnzahlBewX(x.Anzahl);
    dd.SetAbstaendeBewX(std::move(x.Abstaende));
    dd.SetBreiteBewX(x.Breite);
    erg.DornErgebnis(typ).Setbx(x.bx);
    Bereinigen(erg, typ);
    return true;
}

void TKTRVBemessung::HinweisHinzufuegen(const std::string& text) {
    if (std::find(hinweise_.begin(), hinweise_.end(), text) == hinweise_.end()) {
        hinweise_.push_back(text);
    }
}

} // namespace trv
