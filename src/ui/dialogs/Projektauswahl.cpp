#include "ui/dialogs/Projektauswahl.h"

#include "files/Einstellungen.h"
#include "files/Explorer.h"
#include "platform/Dateinamen.h"
#include "ui/main/Projektbefehle.h"
#include "ui/main/Rueckfragen.h"
#include "ui/main/Sanduhr.h"

#include <QDir>
#include <QFileInfo>

namespace trv {

namespace {

void Melden(Rueckfragen& fragen, const std::vector<std::string>& meldungen) {
    for (const std::string& meldung : meldungen) {
        fragen.Meldung(QString::fromStdString(meldung));
    }
}

} // namespace

Projektauswahl::Projektauswahl(Projektbefehle& befehle, Rueckfragen& fragen)
    : befehle_(befehle), fragen_(fragen) {}

QString Projektauswahl::Ordner() const {
    const QString ordner =
        QString::fromStdString(LeseString(befehle_.Zustand().Ini(), einstellung::Version));
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir()) {
        return QDir::currentPath();
    }
    return QDir::cleanPath(ordner);
}

void Projektauswahl::SetOrdner(const QString& ordner) {
    SchreibeString(befehle_.Zustand().Ini(), einstellung::Version,
                   QDir::cleanPath(ordner).toStdString());
}

std::vector<std::vector<std::string>> Projektauswahl::Positionen(const QString& datei) {
    TKExplorer explorer;
    TKDateiErgebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = explorer.ProjektLesen(plattform::BytesAusName(datei),
                                         befehle_.Zustand().Dezimaltrenner());
    }
    Melden(fragen_, ergebnis.Meldungen);
    return explorer.Zeilen();
}

bool Projektauswahl::PositionUebernehmen(const QString& datei, int index) {
    TKModell& modell = befehle_.Zustand().Modell();
    const int vorher = modell.AnzAnwendung();
    TKDateiErgebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = modell.PositionUebernehmen(plattform::BytesAusName(datei), index);
        if (!ergebnis.Ok && modell.AnzAnwendung() > vorher) {
            // A position read halfway would carry values from two sources into the project.
            modell.SetAnzAnwendung(vorher);
        }
    }
    Melden(fragen_, ergebnis.Meldungen);
    return ergebnis.Ok;
}

bool Projektauswahl::ProjektOeffnen(const QString& datei) {
    projektOk_ = false;
    if (!befehle_.SpeichernAbfrage()) {
        return false;
    }
    projektOk_ = befehle_.ProjektLaden(datei);
    return true;
}

} // namespace trv
