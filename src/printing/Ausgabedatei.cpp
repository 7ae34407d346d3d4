#include "printing/Ausgabedatei.h"

#include "files/AtomareDatei.h"
#include "files/PdfAnhang.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

namespace trv {

namespace {

bool InDatei(const std::string& pfad, const QByteArray& inhalt, std::string& fehler) {
    return DateiAtomarSchreiben(pfad, std::string_view(inhalt.constData(), inhalt.size()), fehler);
}

} // namespace

std::string Endung(const std::string& pfad) {
    std::string endung = std::filesystem::path(pfad).extension().string();
    if (!endung.empty()) {
        endung.erase(0, 1);
    }
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return endung;
}

bool BildSpeichern(const std::string& pfad, const QImage& bild, std::string& fehler) {
    return BildSpeichern(pfad, bild, Endung(pfad) == "jpeg" ? "jpg" : Endung(pfad), fehler);
}

bool BildSpeichern(const std::string& pfad, const QImage& bild, const std::string& format,
                   std::string& fehler) {
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    if (format.empty() || !bild.save(&puffer, format.c_str())) {
        fehler = QCoreApplication::translate("Ausgabe", "the picture could not be encoded as %1")
                     .arg(QString::fromStdString(format))
                     .toStdString();
        return false;
    }
    return InDatei(pfad, inhalt, fehler);
}

bool SvgSpeichern(const std::string& pfad, QSize groesse, int aufloesung,
                  const std::function<void(QPainter&)>& zeichnen, std::string& fehler) {
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(groesse);
        svg.setViewBox(QRect(QPoint(0, 0), groesse));
        svg.setResolution(aufloesung);
        QPainter canvas;
        if (!canvas.begin(&svg)) {
            fehler = QCoreApplication::translate("Ausgabe", "the SVG picture could not be started")
                         .toStdString();
            return false;
        }
        zeichnen(canvas);
        canvas.end();
    }
    return InDatei(pfad, inhalt, fehler);
}

bool PdfSpeichern(const std::string& pfad,
                  const std::function<bool(QPrinter&, std::string&)>& drucken, std::string& fehler,
                  const TKPdfBeilage* beilage) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    return PdfSpeichern(drucker, pfad, drucken, fehler, beilage);
}

bool PdfSpeichern(QPrinter& drucker, const std::string& pfad,
                  const std::function<bool(QPrinter&, std::string&)>& drucken, std::string& fehler,
                  const TKPdfBeilage* beilage) {
    // The printer writes the file itself, by name: into the temporary beside the file being
    // replaced, which is then put in place like every other output.
    TKZwischendatei temp{std::filesystem::path(pfad)};
    if (!temp.Ok()) {
        fehler = temp.Fehler();
        return false;
    }
    const QString vorher = drucker.outputFileName();
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(temp.Pfad()));
    const bool gedruckt = drucken(drucker, fehler);
    // An empty name would turn the printer into the system's default printer.
    drucker.setOutputFileName(vorher.isEmpty() ? QString::fromStdString(pfad) : vorher);
    if (!gedruckt) {
        return false;
    }
    std::error_code ec;
    if (std::filesystem::file_size(temp.Pfad(), ec) == 0 || ec) {
        fehler =
            QCoreApplication::translate("Ausgabe", "the PDF file was not written").toStdString();
        return false;
    }
    if (beilage != nullptr) {
        // The printed temporary is read back with the project attached; the result replaces
        // the target in one step like every other output, and the temporary goes.
        const std::optional<std::string> mitProjekt =
            TKPdfAnhang::Einbetten(temp.Pfad(), *beilage, fehler);
        return mitProjekt && DateiAtomarSchreiben(pfad, *mitProjekt, fehler);
    }
    return temp.Einsetzen(fehler);
}

bool DokumentDrucken(QPrinter& drucker, const std::function<bool(QPrinter&, std::string&)>& drucken,
                     std::string& fehler) {
    if (drucker.outputFormat() != QPrinter::PdfFormat) {
        return drucken(drucker, fehler);
    }
    const QString ziel = drucker.outputFileName();
    if (ziel.isEmpty()) {
        fehler = QCoreApplication::translate("Ausgabe", "no file named for the PDF document")
                     .toStdString();
        return false;
    }
    return PdfSpeichern(drucker, ziel.toStdString(), drucken, fehler);
}

} // namespace trv
