#include "Positionen.h"

#include "calculation/Bemessung.h"
#include "files/Regional.h"

namespace trv::test {

namespace {

Projekt Neu() {
    return {std::make_unique<TKModell>(TKIniDatei(), TKRegional::Standard())};
}

} // namespace

void Berechnen(Projekt& p) {
    TKAnwendung& a = p.Anwendung();
    TKTRVBemessung(a).AlleTypenBemessen();
    p.Modell->SetEingabeDorn(a.Ergebnisse().AktDorn());
    p.Modell->DornDatenLaden();
    p.Modell->EingabeGeometrie() = a.Geometrie();
}

Projekt Einzeldorn(double last) {
    Projekt p = Neu();
    TKAnwendung& a = p.Anwendung();
    a.SetAnwendungsfall(0);
    TKGeometrie& g = a.Geometrie();
    g.SetRandLinks(true);
    g.SetRandRechts(true);
    g.SetBauteilRandLinks(400);
    g.SetBauteilRandRechts(600);
    g.SetPlatteDicke(300);
    g.SetNutzhoehe(260);
    a.BelastungDesign().SetBelastungsfall(0);
    a.BelastungDesign().Punktlast().SetFd(last);
    Berechnen(p);
    return p;
}

Projekt ReiheDecke(double links, double rechts, double laenge) {
    Projekt p = Neu();
    TKAnwendung& a = p.Anwendung();
    a.SetAnwendungsfall(1);
    a.Geometrie().SetFugenlaenge(laenge);
    a.Geometrie().SetPlatteDicke(300);
    a.Geometrie().SetNutzhoehe(260);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(links == rechts ? 1 : 2);
    b.LinienLastLinks().SetFd(links);
    b.LinienLastRechts().SetFd(rechts);
    b.LinienLastBestimmen();
    b.SetLastLaenge(laenge);
    Berechnen(p);
    return p;
}

Projekt ReiheWand() {
    Projekt p = Neu();
    TKAnwendung& a = p.Anwendung();
    a.SetAnwendungsfall(2);
    a.Geometrie().SetFugenlaenge(3000);
    a.Geometrie().SetPlatteDicke(350);
    a.Geometrie().SetNutzhoehe(310);
    a.Geometrie().SetWandDicke(400);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(3);
    b.SetLastLaenge(3000);
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 20);
    b.PunktHinzufuegen(800, 60);
    b.PunktHinzufuegen(1500, 35);
    b.PunktHinzufuegen(3000, 10);
    Berechnen(p);
    return p;
}

} // namespace trv::test
