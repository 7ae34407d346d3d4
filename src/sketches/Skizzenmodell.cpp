#include "sketches/Skizzenmodell.h"

#include "model/Modell.h"

#include <QRect>

namespace trv {

namespace {

// Connector distances, by and number of connectors always come from the position's result
// of its selected type, whatever catalog record gives the dimensions.
Skizzenquelle Quelle(const TKDornDaten& dorn, const TKGeometrie& geometrie,
                     const TKAnwendung& anwendung) {
    const TKErgebnisse& erg = anwendung.Ergebnisse();
    const int typ = erg.AktDorn();
    const TKDornErgebnis& ergebnis = erg.DornErgebnis(typ);
    return {dorn,
            geometrie,
            ergebnis.by(),
            ergebnis.DornAbstand(),
            erg.GetAnzDorn(typ),
            anwendung.BelastungDesign().Belastungsfall(),
            anwendung.BelastungDesign().LinienLast(),
            anwendung.Anwendungsfall()};
}

} // namespace

Skizzenrechteck Skizzenrechteck::Aus(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

Skizzenquelle ErgebnisQuelle(const TKAnwendung& anwendung) {
    const TKErgebnisse& erg = anwendung.Ergebnisse();
    return Quelle(erg.DornDaten(erg.AktDorn()), anwendung.Geometrie(), anwendung);
}

Skizzenquelle EingabeQuelle(const TKModell& modell, const TKAnwendung& anwendung) {
    return Quelle(modell.DornDaten(), modell.EingabeGeometrie(), anwendung);
}

Skizzenquelle BlattQuelle(const TKModell& modell, const TKAnwendung& anwendung) {
    const TKErgebnisse& erg = anwendung.Ergebnisse();
    return Quelle(erg.DornDaten(erg.AktDorn()), modell.EingabeGeometrie(), anwendung);
}

TrDaten SkizzeVorbereiten(QPainter& canvas, const Skizzenrechteck& r, Skizzentyp typ,
                          const Skizzenquelle& quelle, double bildpunkt) {
    return SkizzeVorbereiten(canvas, r.Links, r.Oben, r.Rechts, r.Unten, typ, quelle, bildpunkt);
}

} // namespace trv
