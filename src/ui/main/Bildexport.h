#pragma once

#include <QCoreApplication>

#include <QImage>
#include <QString>

class QPainter;
class QRect;

namespace trv {

class Druckerwahl;
class Filterdialog;
class Projektzustand;
class Rueckfragen;

// Which picture of the program is exported: page 1 of the result sheet, the sketch of the
// main window, or another sketch picture (the zoom window's).
enum class Bildquelle { Ergebnisseite, Skizze, Zoom };

// The picture exports of the main window and the zoom window. The save dialog's type and
// default extension carry over from one export to the next for the life of the object (the
// main window owns one and lends it to the zoom window).
class Bildexport {
    Q_DECLARE_TR_FUNCTIONS(Bildexport)

public:
    // Types of the save dialog, counted from 1.
    enum Filter { Svg = 1, Bitmap = 2, Jpeg = 3, Pdf = 4 };

    Bildexport(Projektzustand& zustand, Druckerwahl& drucker, Rueckfragen& fragen,
               Filterdialog& dialog);

    // Asks for a file and writes the picture: a vector picture (SVG) drawn anew, the picture
    // as shown (bitmap, JPEG), or a PDF (every page of the result sheet; a sketch on one
    // page). bild is the picture as shown. True when a file was written; cancelling writes
    // nothing and says nothing; a failure is shown.
    bool BildExportieren(Bildquelle quelle, const QImage& bild);

    // The message of a picture that could not be written: the file and the reason.
    static QString Speicherfehler(const QString& datei, const std::string& fehler);

    // Puts the picture on the clipboard as an image, replacing its contents.
    static void BildInZwischenablage(const QImage& bild);

    int Filter() const { return filter_; }
    const QString& StandardEndung() const { return standardEndung_; }

    // The default extension of a type: svg, bmp, jpg, pdf; any other bmp.
    static QString EndungFuerFilter(int filter);
    // A file name part with a "." is cut after its first "." and given the extension;
    // a name without one gets it appended.
    static QString NameMitEndung(const QString& datei, const QString& endung);

private:
    bool Schreiben(Bildquelle quelle, const QImage& bild, const QString& datei,
                   std::string& fehler);
    // The sketch as a vector picture: what the sketch area shows, drawn anew at the size of
    // the picture (four result sketches on a square for the main window's result sketch).
    void SkizzeVektoriell(QPainter& canvas, Bildquelle quelle, const QRect& flaeche,
                          int stiftFaktor);
    // The size of the vector picture of a sketch (device-independent pixels).
    QSize SkizzenGroesse(Bildquelle quelle, const QImage& bild) const;

    Projektzustand& zustand_;
    Druckerwahl& drucker_;
    Rueckfragen& fragen_;
    Filterdialog& dialog_;
    int filter_ = Svg;
    QString standardEndung_ = QStringLiteral("svg");
    QString ordner_; // folder of the last export
};

} // namespace trv
