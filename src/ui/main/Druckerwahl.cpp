#include "ui/main/Druckerwahl.h"

#include "ui/main/Rueckfragen.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace trv {

namespace {

bool IstPdfDrucker(const QPrinter& drucker) {
    return drucker.outputFormat() == QPrinter::PdfFormat;
}

} // namespace

Druckerwahl::Druckerwahl() : drucker_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (!DruckerInstalliert()) {
        drucker_->setOutputFormat(QPrinter::PdfFormat);
        drucker_->setPageSize(QPageSize(QPageSize::A4));
        drucker_->setPageOrientation(QPageLayout::Portrait);
    }
}

Druckerwahl::~Druckerwahl() = default;

bool Druckerwahl::DruckerInstalliert() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool Druckerwahl::Einrichten(Rueckfragen& fragen) {
    return fragen.DruckerEinrichten(*drucker_);
}

bool Druckerwahl::DruckauftragVorbereiten(Rueckfragen& fragen, const QString& vorschlag) {
    if (!IstPdfDrucker(*drucker_)) {
        return true;
    }
    const std::optional<QString> datei = fragen.DateiZumSpeichern(
        {QCoreApplication::translate("Druckerwahl", "Print to PDF file"),
         {QCoreApplication::translate("Druckerwahl", "PDF document (*.pdf)")},
         QStringLiteral("pdf"),
         vorschlag});
    if (!datei) {
        return false;
    }
    drucker_->setOutputFileName(MitStandardEndung(*datei, QStringLiteral("pdf")));
    return true;
}

} // namespace trv
