#include "files/Explorer.h"

#include "files/Ressourcen.h"
#include "files/XmlWerte.h"
#include "model/Textlisten.h"
#include "model/Zahlen.h"

#include <utility>

namespace trv {

namespace {

// The text of a string value whose element has no children.
const std::string kKeinWert = "#NV";

} // namespace

TKDateiErgebnis TKExplorer::ProjektLesen(const std::string& dateiName, char dezimaltrenner) {
    TKDateiErgebnis ergebnis;
    const std::optional<xml::TKDokument> dok = ProjektdokumentLaden(dateiName, ergebnis);
    return Lesen(dok, std::move(ergebnis), dezimaltrenner);
}

TKDateiErgebnis TKExplorer::ProjektLesenAusText(std::string_view inhalt, char dezimaltrenner) {
    TKDateiErgebnis ergebnis;
    const std::optional<xml::TKDokument> dok = ProjektdokumentAusText(inhalt, ergebnis);
    return Lesen(dok, std::move(ergebnis), dezimaltrenner);
}

TKDateiErgebnis TKExplorer::Lesen(const std::optional<xml::TKDokument>& dok,
                                  TKDateiErgebnis ergebnis, char dezimaltrenner) {
    if (!dok) {
        return ergebnis;
    }
    std::vector<std::string> faelle;
    TextlisteZerlegen(Ressource(res::AnwendungsfallKurz), faelle, 3);

    const std::string prog = dok->Wurzel().Name();
    xml::TKLeser projekt(dok->Wurzel().Kind("Projekt"));
    const long long anzahl = projekt.Int("TAnzAnwendung", 0, 0, 65535);
    xml::TKLeser beschreibung(projekt.Kind("Projektbeschreibung"));
    const std::string bauvorhaben = beschreibung.String("TBauvorhaben", kKeinWert);
    const std::string datum = beschreibung.String("TDatum", kKeinWert);
    if (!projekt.Ok()) {
        ergebnis.Grund = projekt.Fehler();
        return ergebnis;
    }
    for (long long p = 1; p <= anzahl; ++p) {
        xml::TKLeser position(projekt.Kind("Position_" + std::to_string(p)));
        const auto fall = position.Int("TAnwendungsfall", 0, 0, 2);
        const std::string label = position.String("TPosition", kKeinWert);
        xml::TKLeser geometrie(position.Kind("cGeometrie"));
        const double laenge = geometrie.Float("TFugenlaenge", 0);
        if (!position.Ok() || !geometrie.Ok()) {
            ergebnis.Grund =
                "Position_" + std::to_string(p) + ": " + position.Fehler() + geometrie.Fehler();
            return ergebnis;
        }
        zeilen_.push_back({prog, bauvorhaben, label, faelle[static_cast<std::size_t>(fall)],
                           ZahlFest(laenge / 10, 1, dezimaltrenner) + " cm", datum});
    }
    ergebnis.Ok = true;
    return ergebnis;
}

} // namespace trv
