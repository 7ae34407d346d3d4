#pragma once

#include <QSize>

#include <functional>
#include <string>

class QImage;
class QPainter;
class QPrinter;

namespace trv {

struct TKPdfBeilage;

// Output files of pictures and printed pages. Each is made completely in memory or in a
// temporary file beside the target and only then put in its place, so a failure never
// leaves a half-written file and an existing file stays as it was. False with a reason.

// A raster picture; the format follows the extension (png, bmp, jpg).
bool BildSpeichern(const std::string& pfad, const QImage& bild, std::string& fehler);
// A raster picture in the given format (png, bmp, jpg), whatever the file is called.
bool BildSpeichern(const std::string& pfad, const QImage& bild, const std::string& format,
                   std::string& fehler);

// A vector picture (SVG) of the given size in pixels at the given resolution.
bool SvgSpeichern(const std::string& pfad, QSize groesse, int aufloesung,
                  const std::function<void(QPainter&)>& zeichnen, std::string& fehler);

// A PDF printed through a QPrinter in PDF mode with A4 paper; drucken prints the document.
// With a beilage the PDF carries it as an attachment and its document information (the
// pages stay as printed).
bool PdfSpeichern(const std::string& pfad,
                  const std::function<bool(QPrinter&, std::string&)>& drucken, std::string& fehler,
                  const TKPdfBeilage* beilage = nullptr);

// The same through a given printer, switched to PDF output (its page set-up is kept); its
// output file name is set back afterwards (to pfad when it had none).
bool PdfSpeichern(QPrinter& drucker, const std::string& pfad,
                  const std::function<bool(QPrinter&, std::string&)>& drucken, std::string& fehler,
                  const TKPdfBeilage* beilage = nullptr);

// Prints through drucken on the printer. A PDF printer's document goes into a temporary file
// beside the printer's output file and takes its place only when complete; the printer keeps
// its output file name. Any other printer prints directly.
bool DokumentDrucken(QPrinter& drucker, const std::function<bool(QPrinter&, std::string&)>& drucken,
                     std::string& fehler);

// The lower-case extension of a path without the dot ("" when there is none).
std::string Endung(const std::string& pfad);

} // namespace trv
