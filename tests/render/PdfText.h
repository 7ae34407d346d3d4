#pragma once

#include <QString>

namespace trv::test {

// Page count and page size of a PDF as poppler's pdfinfo reports them; fails the test when
// pdfinfo is missing (the check must not pass silently).
struct PdfInfo {
    int Seiten = 0;
    QString Seitengroesse; // "Page size:" line, e.g. "595.276 x 841.89 pts (A4)"
};
PdfInfo PdfInfoLesen(const QString& pdf);

// The text of a PDF (pdftotext -layout), or of one page when seite > 0.
QString PdfTextLesen(const QString& pdf, int seite = 0);

// Every word of every page with its box in points (pdftotext -bbox, an XHTML document).
QString PdfBoxenLesen(const QString& pdf);

} // namespace trv::test
