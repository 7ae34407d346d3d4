#include "ui/dialogs/StuecklisteExport.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "printing/Ausgabedatei.h"
#include "printing/Seitenmasse.h"
#include "printing/Seitenrahmen.h"
#include "printing/StuecklisteDruck.h"
#include "schedule/StuecklisteText.h"

#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <stdexcept>

namespace trv {

StuecklistenExportTyp ExportTypAusFilter(int index) {
    switch (index) {
    case 1:
        return StuecklistenExportTyp::Bitmap;
    case 2:
        return StuecklistenExportTyp::Jpeg;
    case 3:
        return StuecklistenExportTyp::Text;
    default:
        return StuecklistenExportTyp::Metafile;
    }
}

QString ExportEndung(StuecklistenExportTyp typ) {
    switch (typ) {
    case StuecklistenExportTyp::Bitmap:
        return QStringLiteral("bmp");
    case StuecklistenExportTyp::Jpeg:
        return QStringLiteral("jpg");
    case StuecklistenExportTyp::Text:
        return QStringLiteral("txt");
    case StuecklistenExportTyp::Metafile:
        break;
    }
    return QStringLiteral("svg");
}

QString ExportDateiname(const QString& gewaehlt, StuecklistenExportTyp typ) {
    const QFileInfo info(gewaehlt);
    const QString endung = info.suffix();
    if (endung.isEmpty()) {
        return gewaehlt;
    }
    return gewaehlt.left(gewaehlt.size() - endung.size()) + ExportEndung(typ);
}

bool StuecklisteExportSchreiben(const QString& datei, StuecklistenExportTyp typ,
                                const QImage& vorschau, const Seitenmasse& vorschauMasse,
                                const TKModell& modell, std::string& fehler) {
    const std::string pfad = datei.toStdString();
    switch (typ) {
    case StuecklistenExportTyp::Text:
        return StuecklisteTextExport(pfad, TextDatenAusModell(modell), fehler);
    case StuecklistenExportTyp::Bitmap:
        return BildSpeichern(pfad, vorschau, "bmp", fehler);
    case StuecklistenExportTyp::Jpeg:
        return BildSpeichern(pfad, vorschau, "jpg", fehler);
    case StuecklistenExportTyp::Metafile:
        break;
    }
    const Kopfdaten kopf = KopfAusModell(modell, modell.AktuelleAnwendung(), false);
    const StuecklistenDruckdaten daten = DruckdatenAusModell(modell);
    const std::string titel = Ressource(res::StuecklisteTitel);
    Seitenmasse masse = vorschauMasse;
    try {
        // A page that cannot be drawn throws before anything is written.
        return SvgSpeichern(
            pfad, vorschau.size(), masse.AufloesungX(),
            [&](QPainter& canvas) {
                Seitenrahmen(canvas, masse, titel, kopf);
                StuecklisteZeichnen(canvas, masse, titel, kopf, daten, StuecklistenZiel{});
            },
            fehler);
    } catch (const std::range_error& e) {
        fehler = e.what();
        return false;
    }
}

TStuecklistenExportDialog::TStuecklistenExportDialog(QWidget* eltern) : QFileDialog(eltern) {
    setObjectName(QStringLiteral("dlgStuecklisteExport"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog reports every change of the filter, which the default extension follows.
    setOption(QFileDialog::DontUseNativeDialog);
    retranslateUi();
    setDefaultSuffix(ExportEndung(StuecklistenExportTyp::Metafile));
    connect(this, &QFileDialog::filterSelected, this, &TStuecklistenExportDialog::FilterGewaehlt);
}

void TStuecklistenExportDialog::retranslateUi() {
    const int typ = static_cast<int>(Typ());
    setWindowTitle(tr("Varnel - TRV / ZEDE Shear Connector - Export Connector Schedule"));
    setNameFilters({tr("Export in Metafile Format (*.svg)"), tr("Export in Bitmap Format (*.bmp)"),
                    tr("Export in JPeg Format (*.jpg)"), tr("Export in Text Format (*.txt)")});
    selectNameFilter(nameFilters().value(typ));
}

StuecklistenExportTyp TStuecklistenExportDialog::Typ() const {
    return ExportTypAusFilter(static_cast<int>(nameFilters().indexOf(selectedNameFilter())));
}

void TStuecklistenExportDialog::NamenVorschlagen() {
    selectFile(QStringLiteral("*.") + defaultSuffix());
}

void TStuecklistenExportDialog::FilterGewaehlt(const QString& filter) {
    setDefaultSuffix(
        ExportEndung(ExportTypAusFilter(static_cast<int>(nameFilters().indexOf(filter)))));
}

void TStuecklistenExportDialog::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QFileDialog::changeEvent(ereignis);
}

} // namespace trv
