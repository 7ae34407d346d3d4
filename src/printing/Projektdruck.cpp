#include "printing/Projektdruck.h"

#include "model/Modell.h"
#include "printing/Druckauftrag.h"
#include "printing/Seitenrahmen.h"
#include "printing/StuecklisteDruck.h"
#include "schedule/Stuecklistenregeln.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace trv {

Positionsblatt::Positionsblatt(const TKModell& modell, const TKAnwendung& anwendung)
    : skizzen_(modell, anwendung, modell.Regional().Dezimaltrenner),
      blatt_(anwendung, KopfAusModell(modell, anwendung, true), modell.Regional().Dezimaltrenner,
             skizzen_) {}

Projektdruckinhalt ProjektdruckInhalt(const TKModell& modell) {
    Projektdruckinhalt inhalt;
    for (int nr = 1; nr <= modell.AnzAnwendung(); ++nr) {
        (modell.Anwendung(nr).Ergebnisse().Berechnet() ? inhalt.Berechnet : inhalt.NichtBerechnet)
            .push_back(nr);
    }
    inhalt.MitStueckliste = !AktiveEintraege(DruckdatenAusModell(modell).Eintraege).empty();
    return inhalt;
}

bool ProjektDrucken(QPrinter& drucker, Seitenmasse& m, const TKModell& modell,
                    std::string& fehler) {
    const Projektdruckinhalt inhalt = ProjektdruckInhalt(modell);
    if (inhalt.Leer()) {
        fehler = QCoreApplication::translate(
                     "Ausgabe", "no position is calculated and the connector schedule is empty")
                     .toStdString();
        return false;
    }
    return Druckauftrag(
        drucker, m,
        [&](QPainter& canvas) {
            bool erste = true;
            const auto neueSeite = [&] {
                if (!erste) {
                    drucker.newPage();
                }
                erste = false;
            };
            for (int nr : inhalt.Berechnet) {
                Positionsblatt blatt(modell, modell.Anwendung(nr));
                for (int seite = 1; seite <= blatt.Blatt().Seitenzahl(); ++seite) {
                    neueSeite();
                    blatt.Blatt().SeiteZeichnen(canvas, m, seite, blatt.Blatt().Titel());
                }
            }
            if (inhalt.MitStueckliste) {
                neueSeite();
                // The schedule's head belongs to no position: it lists no reasons.
                StuecklisteSeitenDrucken(canvas, drucker, m,
                                         KopfAusModell(modell, modell.AktuelleAnwendung(), false),
                                         DruckdatenAusModell(modell));
            }
        },
        fehler);
}

} // namespace trv
