#pragma once

#include "sketches/Texte.h"

#include <QFont>
#include <QPen>
#include <QSize>

class QImage;
class QString;

class QPainter;
class QPrinter;

namespace trv {

// Screen resolution (px per inch) of the page images and of the program's pictures' natural
// sizes when no screen is asked (batch output).
inline constexpr int BildschirmDpi = 96;

// What a printer tells about its page, in device pixels (the printer's device capabilities).
struct Druckergeometrie {
    int AufloesungX = 0;  // pixels per inch
    int AufloesungY = 0;  // pixels per inch
    int RandLinks = 0;    // unprintable border at the left of the paper, px
    int RandOben = 0;     // unprintable border at the top of the paper, px
    int DruckBreite = 0;  // printable width, px
    int DruckHoehe = 0;   // printable height, px
    int PapierBreite = 0; // paper width, px
    int PapierHoehe = 0;  // paper height, px
};

// The geometry of the given printer (its current page layout and resolution).
Druckergeometrie GeometrieAusDrucker(const QPrinter& drucker);

// The geometry of a PDF printer with A4 paper: used whenever no printer is at hand, so
// pages can always be previewed and exported.
Druckergeometrie StandardGeometrie();

// "Arial" (Liberation Sans here) at the given size in points.
QFont DruckSchrift(int punkte, bool fett = false, bool kursiv = false, bool unterstrichen = false);

// TextOben (text by its top left corner) lives with the other text writers in sketches/Texte.h.
// Writes text with its right end at x and its top at y.
void TextRechts(QPainter& canvas, int x, int y, const QString& text);

class Seitenmasse;

// A white image of one page at screen resolution (the page size of the metrics), with that
// resolution recorded so fonts in points get their screen size.
QImage SeitenBild(const Seitenmasse& masse, int bildschirmDpi);

// Page metrics of one drawing run: paper and margins in cm, the target's resolution, the line
// heights measured on the target canvas and the height of the page head. Owned by whoever
// draws pages and passed to every page drawing function.
class Seitenmasse {
public:
    // Reads the page size and margins from a printer's geometry. The page is always the
    // printer's page, also when it is drawn at screen resolution.
    void SeiteEinrichten(const Druckergeometrie& g);

    // Sets the target's resolution and pen factor and measures the line heights on the canvas
    // (whose device must already have that resolution).
    void AufloesungEinrichten(QPainter& canvas, int aufloesungX, int aufloesungY,
                              double stiftFaktor);
    // Screen (pen factor 1) and printer (pen factor of its resolution) shorthands.
    void FuerBildschirm(QPainter& canvas, int bildschirmDpi);
    void FuerDrucker(QPainter& canvas, const Druckergeometrie& g);

    // Size of one page at the given screen resolution (px), as an on-screen page image has it.
    QSize BildGroesse(int bildschirmDpi) const;

    // cm to device pixels, rounded to nearest (halves to even). Throws std::range_error when
    // the result does not fit an int (a nonsensical resolution or size).
    int CmNachPixelX(double cm) const;
    int CmNachPixelY(double cm) const;

    double SeitenBreite() const { return seitenBreite_; }       // cm, printable width
    double SeitenHoehe() const { return seitenHoehe_; }         // cm, printable height
    double DruckRandLinks() const { return druckRandLinks_; }   // cm
    double DruckRandOben() const { return druckRandOben_; }     // cm
    double DruckRandRechts() const { return druckRandRechts_; } // cm, at least 0.25
    double DruckRandUnten() const { return druckRandUnten_; }   // cm, at least 0.15
    int AufloesungX() const { return aufloesungX_; }            // px per inch
    int AufloesungY() const { return aufloesungY_; }            // px per inch
    // Device pixels of one pixel of a 96 dpi screen: every length the sketches and pages give
    // in pixels (pens, patterns, offsets) is such a pixel, so print matches the screen. 1 on
    // the screen, the resolution / 96 on a printer (12.5 at 1200 dpi).
    double StiftFaktor() const { return stiftFaktor_; }
    void SetStiftFaktor(double faktor) { stiftFaktor_ = faktor; }
    // A solid pen of the given screen pixels for the lines of a page (the frame's rule,
    // fraction bars, table lines); never a device hairline.
    QPen Stift(double bildschirmPixel = 1, Qt::PenStyle stil = Qt::SolidLine) const;
    int Zeile14() const { return zeile14_; }        // px, height of "Wy" in Arial 14 pt
    int Zeile12() const { return zeile12_; }        // px
    int Zeile11() const { return zeile11_; }        // px
    int Zeile10() const { return zeile10_; }        // px
    int Zeile8() const { return zeile8_; }          // px
    int Zeile6() const { return zeile6_; }          // px
    double KopfHoehe() const { return kopfHoehe_; } // cm, head height incl. the top margin
    void SetKopfHoehe(double cm) { kopfHoehe_ = cm; }

private:
    double seitenBreite_ = 0;
    double seitenHoehe_ = 0;
    double druckRandLinks_ = 0;
    double druckRandOben_ = 0;
    double druckRandRechts_ = 0;
    double druckRandUnten_ = 0;
    int aufloesungX_ = 96;
    int aufloesungY_ = 96;
    double stiftFaktor_ = 1;
    int zeile14_ = 0;
    int zeile12_ = 0;
    int zeile11_ = 0;
    int zeile10_ = 0;
    int zeile8_ = 0;
    int zeile6_ = 0;
    double kopfHoehe_ = 1.0;
};

} // namespace trv
