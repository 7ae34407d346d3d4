#include "calculation/Eingangsdaten.h"

#include "calculation/Katalog.h"
#include "calculation/Lastverteilung.h"
#include "model/Modell.h"

namespace trv {

TKWiderstandsDaten WiderstandsDatenAus(const TKAnwendung& anwendung, int typ) {
    const TKErgebnisse& erg = anwendung.Ergebnisse();
    const TKGeometrie& geo = erg.Geometrie();
    return WiderstandsDatenFuer(erg.DornDaten(typ), geo.Fugenbreite(), anwendung.GammaMs(),
                                anwendung.Betonguete(), geo.PlatteDicke());
}

TKBewehrungsDaten BewehrungsDatenAus(const TKAnwendung& anwendung, int typ) {
    const TKErgebnisse& erg = anwendung.Ergebnisse();
    const TKGeometrie& geo = erg.Geometrie();
    const TKDornErgebnis& de = erg.DornErgebnis(typ);
    TKBewehrungsDaten b =
        BewehrungsDatenFuer(erg.DornDaten(typ), anwendung.Stahlguete(), anwendung.Betonguete());
    b.BewehrungCalc = anwendung.BewehrungCalc();
    b.PlatteDicke = geo.PlatteDicke();
    b.DeckungOben = geo.BetondeckungOben();
    b.FRd = de.FRd();
    b.FSdIst = de.FSdIst();
    b.IstMinAchs = de.IstMinAchs();
    b.by = de.by();
    return b;
}

TKStatusDaten StatusDatenAus(const TKAnwendung& anwendung, int typ) {
    const TKErgebnisse& erg = anwendung.Ergebnisse();
    const TKGeometrie& geo = erg.Geometrie();
    const TKDornDaten& dd = erg.DornDaten(typ);
    const TKDornErgebnis& de = erg.DornErgebnis(typ);
    TKStatusDaten s;
    s.Anwendungsfall = anwendung.Anwendungsfall();
    s.BewehrungCalc = anwendung.BewehrungCalc();
    s.Einbindelaenge = dd.Einbindelaenge();
    s.WandDicke = geo.WandDicke();
    s.FSdIst = de.FSdIst();
    s.FRd = de.FRd();
    s.DickeMin = dd.DickeMin();
    s.PlatteDicke = geo.PlatteDicke();
    s.BreiteBewY = dd.BreiteBewY();
    s.by = de.by();
    s.ZuschlagBewY = ZuschlagBewY(typ);
    s.ZulMinAchs = de.ZulMinAchs();
    s.ZulMinRand = de.ZulMinRand();
    s.AbstandLinks = de.AbstandLinks();
    s.AbstandRechts = de.AbstandRechts();
    s.IstMinAchs = de.IstMinAchs();
    s.AnzDorn = erg.GetAnzDorn(typ);
    s.ZuVieleDorne = anwendung.Anwendungsfall() != 0 && s.AnzDorn >= MaxDorneJeReihe;
    s.GroessterDornAbstand = de.GroessterDornAbstand();
    s.FugenbreiteZulaessig = FugenbreiteZulaessig(typ, geo.Fugenbreite());
    return s;
}

} // namespace trv
