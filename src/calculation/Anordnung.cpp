#include "calculation/Anordnung.h"

#include "calculation/Bewehrung.h"
#include "calculation/Eingangsdaten.h"
#include "model/Modell.h"

#include <algorithm>

namespace trv {

bool IstLinienlast(const TKBelastung& belastung) {
    return belastung.Belastungsfall() == 1 || belastung.Belastungsfall() == 2;
}

namespace {

// A line load as the two-point profile of its ends over the joint of length l (mm); the
// position keeps its own profile.
TKBelastung Linienprofil(const TKBelastung& belastung, double l) {
    TKBelastung linie = belastung;
    linie.PunkteLoeschen();
    linie.SetLastLaenge(l);
    linie.PunktHinzufuegen(0, belastung.LinienLastLinks().Fd());
    linie.PunktHinzufuegen(l, belastung.LinienLastRechts().Fd());
    return linie;
}

void ErforderlicheFlaechen(TKAnwendung& anwendung, int typ) {
    TKDornErgebnis& de = anwendung.Ergebnisse().DornErgebnis(typ);
    const TKBewehrungsDaten b = BewehrungsDatenAus(anwendung, typ);
    de.SetAsxErf(static_cast<double>(AsxErfBerechnen(b)));
    de.SetAsyErf(static_cast<double>(AsyErfBerechnen(b)));
}

} // namespace

double GesamtlastReihe(const TKBelastung& belastung, double laenge) {
    return IstLinienlast(belastung) ? Linienprofil(belastung, laenge).beliebigeLastSumme()
                                    : belastung.beliebigeLastSumme();
}

TKAnordnung EinzeldornAnordnen(TKAnwendung& anwendung, int typ) {
    TKErgebnisse& erg = anwendung.Ergebnisse();
    const TKGeometrie& geo = erg.Geometrie();
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    const double links = geo.BauteilRandLinks();
    const double rechts = geo.BauteilRandRechts();
    de.SetAbstandRechts(geo.RandRechts() ? rechts : de.ZulMinRand());
    de.SetAbstandLinks(geo.RandLinks() ? links : de.ZulMinRand());
    erg.SetAnzDorn(typ, 1);
    de.SetDornAbstand({links, rechts});
    de.SetFSdIst(anwendung.BelastungDesign().Punktlast().Fd());
    // A single connector has no neighbour: the lever arm of the secondary reinforcement takes
    // the type's standard spacing, never a spacing left over from a row calculated before.
    de.SetIstMinAchs(erg.DornDaten(typ).StdAchsabstand());
    ErforderlicheFlaechen(anwendung, typ);
    de.Setby(std::min(2 * std::min(links, rechts),
                      static_cast<double>(static_cast<long double>(links) + rechts)));
    return {};
}

TKAnordnung ReiheVerteilen(TKAnwendung& anwendung, int typ) {
    TKErgebnisse& erg = anwendung.Ergebnisse();
    const TKGeometrie& geo = erg.Geometrie();
    TKDornErgebnis& de = erg.DornErgebnis(typ);
    const TKBelastung& belastung = anwendung.BelastungDesign();
    const double l = geo.Fugenlaenge();

    TKVerteilungEingabe e;
    if (IstLinienlast(belastung)) {
        const TKBelastung linie = Linienprofil(belastung, l);
        e.Profil = linie.beliebigeLast();
        e.Summe = linie.beliebigeLastSumme();
    } else {
        e.Profil = belastung.beliebigeLast();
        e.Summe = belastung.beliebigeLastSumme();
    }
    e.Laenge = l;
    e.FRd = de.FSdIst();
    e.PlatteDicke = geo.PlatteDicke();
    e.ZulMinAchs = de.ZulMinAchs();
    e.Unbegrenzt = anwendung.MaxDornabstand() == 0;

    TKVerteilung v = VerteilungBerechnen(e);
    const int anzahl = static_cast<int>(v.AnzDorn);
    erg.SetAnzDorn(typ, static_cast<std::uint16_t>(anzahl));
    de.SetDornAbstand(std::move(v.DornAbstand));
    de.SetFSdIst(v.FSdIst);

    de.SetAbstandLinks(de.GetDornAbstand(0));
    de.SetAbstandRechts(de.GetDornAbstand(anzahl));
    double istMinAchs = l;
    for (int k = 1; k <= anzahl - 1; ++k) {
        istMinAchs = std::min(istMinAchs, de.GetDornAbstand(k));
    }
    de.SetIstMinAchs(istMinAchs);
    ErforderlicheFlaechen(anwendung, typ);
    erg.DornDaten(typ).Laden(typ);
    de.Setby(std::min(2 * std::min(de.AbstandLinks(), de.AbstandRechts()), de.IstMinAchs()));
    return {v.Grund, v.PunkteAusserhalb};
}

} // namespace trv
