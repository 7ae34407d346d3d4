#include "ui/main/Druckbefehle.h"

#include "printing/Ausgabedatei.h"
#include "printing/Blattbeilage.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Projektdruck.h"
#include "printing/Seitenmasse.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"
#include "ui/main/Sanduhr.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

#include <functional>

namespace trv {

namespace {

// Runs one print job on the chosen printer; a PDF printer writes through a temporary file, and
// the sheet's PDF carries the project.
bool Auftrag(QPrinter& drucker, const std::function<bool(QPrinter&, std::string&)>& drucken,
             std::string& fehler, const TKPdfBeilage& beilage) {
    const Sanduhr sanduhr;
    if (drucker.outputFormat() == QPrinter::PdfFormat) {
        const std::string ziel = drucker.outputFileName().toStdString();
        if (ziel.empty()) {
            fehler = Druckbefehle::tr("no file was named for the PDF").toStdString();
            return false;
        }
        return PdfSpeichern(drucker, ziel, drucken, fehler, &beilage);
    }
    return drucken(drucker, fehler);
}

QString Nummern(const std::vector<int>& nummern) {
    QStringList texte;
    for (int nr : nummern) {
        texte << QString::number(nr);
    }
    return texte.join(QStringLiteral(", "));
}

} // namespace

Druckbefehle::Druckbefehle(Projektzustand& zustand, Druckerwahl& drucker, Rueckfragen& fragen)
    : zustand_(zustand), drucker_(drucker), fragen_(fragen) {}

QString Druckbefehle::PdfVorschlag() const {
    const QString datei = zustand_.Dateiname();
    if (datei.isEmpty()) {
        return {};
    }
    const QFileInfo info(datei);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".pdf");
}

bool Druckbefehle::Drucken() {
    if (!zustand_.ErgebnisseGueltig() ||
        !drucker_.DruckauftragVorbereiten(fragen_, PdfVorschlag())) {
        return false;
    }
    Positionsblatt blatt(zustand_.Modell(), zustand_.Anwendung());
    Seitenmasse masse;
    std::string fehler;
    const bool ok = Auftrag(
        drucker_.Drucker(),
        [&](QPrinter& drucker, std::string& grund) {
            return ErgebnisblattDrucken(drucker, masse, blatt.Blatt(), grund);
        },
        fehler, BlattBeilage(zustand_.Modell(), &zustand_.Anwendung()));
    if (!ok) {
        fragen_.Meldung(
            tr("The result sheet could not be printed:\n%1").arg(QString::fromStdString(fehler)));
    }
    return ok;
}

bool Druckbefehle::ProjektDrucken() {
    const TKModell& modell = zustand_.Modell();
    const Projektdruckinhalt inhalt = ProjektdruckInhalt(modell);
    if (inhalt.Leer()) {
        fragen_.Meldung(tr("There is nothing to print: no position is calculated and the "
                           "connector schedule is empty."));
        return false;
    }
    if (!inhalt.NichtBerechnet.empty() &&
        !fragen_.JaNein(tr("These positions are not calculated and are not printed: %1.\n\n"
                           "Print the other positions and the connector schedule?")
                            .arg(Nummern(inhalt.NichtBerechnet)))) {
        return false;
    }
    if (!drucker_.DruckauftragVorbereiten(fragen_, PdfVorschlag())) {
        return false;
    }
    Seitenmasse masse;
    std::string fehler;
    const bool ok = Auftrag(
        drucker_.Drucker(),
        [&](QPrinter& drucker, std::string& grund) {
            return trv::ProjektDrucken(drucker, masse, modell, grund);
        },
        fehler, BlattBeilage(modell, nullptr));
    if (!ok) {
        fragen_.Meldung(
            tr("The project could not be printed:\n%1").arg(QString::fromStdString(fehler)));
    }
    return ok;
}

} // namespace trv
