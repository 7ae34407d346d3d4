#include "printing/Ausgabedatei.h"

#include "files/AtomareDatei.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace trv {

namespace {

bool InDatei(const std::string& pfad, const QByteArray& inhalt, std::string& fehler) {
    return DateiAtomarSchreiben(pfad, std::string_view(inhalt.constData(), inhalt.size()), fehler);
}

// A temporary file beside the target, removed again unless it was renamed into place.
class Zwischendatei {
public:
    explicit Zwischendatei(const std::filesystem::path& ziel) {
        const std::filesystem::path ordner =
            ziel.has_parent_path() ? ziel.parent_path() : std::filesystem::path(".");
        pfad_ = (ordner / ("." + ziel.filename().string() + ".XXXXXX")).string();
        const int fd = ::mkstemp(pfad_.data());
        if (fd < 0) {
            grund_ = std::string("cannot create a temporary file: ") + std::strerror(errno);
            pfad_.clear();
            return;
        }
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
        ::close(fd);
    }
    ~Zwischendatei() {
        if (!pfad_.empty()) {
            std::error_code ec;
            std::filesystem::remove(pfad_, ec);
        }
    }
    Zwischendatei(const Zwischendatei&) = delete;
    Zwischendatei& operator=(const Zwischendatei&) = delete;

    bool Ok() const { return !pfad_.empty(); }
    const std::string& Pfad() const { return pfad_; }
    const std::string& Grund() const { return grund_; }
    bool Umbenennen(const std::filesystem::path& ziel, std::string& fehler) {
        std::error_code ec;
        std::filesystem::rename(pfad_, ziel, ec);
        if (ec) {
            fehler = "cannot replace the file: " + ec.message();
            return false;
        }
        pfad_.clear();
        return true;
    }

private:
    std::string pfad_;
    std::string grund_;
};

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
        fehler = "the picture could not be encoded as " + format;
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
            fehler = "the SVG picture could not be started";
            return false;
        }
        zeichnen(canvas);
        canvas.end();
    }
    return InDatei(pfad, inhalt, fehler);
}

bool PdfSpeichern(const std::string& pfad,
                  const std::function<bool(QPrinter&, std::string&)>& drucken,
                  std::string& fehler) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setOutputFileName(QString::fromStdString(pfad));
    return DokumentDrucken(drucker, drucken, fehler);
}

bool DokumentDrucken(QPrinter& drucker, const std::function<bool(QPrinter&, std::string&)>& drucken,
                     std::string& fehler) {
    if (drucker.outputFormat() != QPrinter::PdfFormat) {
        return drucken(drucker, fehler);
    }
    const QString ziel = drucker.outputFileName();
    if (ziel.isEmpty()) {
        fehler = "no file named for the PDF document";
        return false;
    }
    Zwischendatei temp{std::filesystem::path(ziel.toStdString())};
    if (!temp.Ok()) {
        fehler = temp.Grund();
        return false;
    }
    drucker.setOutputFileName(QString::fromStdString(temp.Pfad()));
    const bool ok = drucken(drucker, fehler);
    // The printer keeps the name the user chose, for the next print job.
    drucker.setOutputFileName(ziel);
    if (!ok) {
        return false;
    }
    std::error_code ec;
    if (std::filesystem::file_size(temp.Pfad(), ec) == 0 || ec) {
        fehler = "the PDF file was not written";
        return false;
    }
    return temp.Umbenennen(ziel.toStdString(), fehler);
}

} // namespace trv
