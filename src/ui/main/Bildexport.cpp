#include "ui/main/Bildexport.h"

#include "printing/Ausgabedatei.h"
#include "printing/Blattbeilage.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Projektdruck.h"
#include "printing/Seitenmasse.h"
#include "sketches/Skizzen.h"
#include "sketches/Skizzenanzeige.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Filterdialog.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace trv {

namespace {

// Side of the square that holds the four result sketches of a sketch picture, px.
constexpr int VierSkizzenSeite = 1000;

QSize Logisch(const QImage& bild) {
    return bild.isNull() ? QSize() : bild.deviceIndependentSize().toSize();
}

} // namespace

Bildexport::Bildexport(Projektzustand& zustand, Druckerwahl& drucker, Rueckfragen& fragen,
                       Filterdialog& dialog)
    : zustand_(zustand), drucker_(drucker), fragen_(fragen), dialog_(dialog) {}

QString Bildexport::EndungFuerFilter(int filter) {
    switch (filter) {
    case Svg:
        return QStringLiteral("svg");
    case Jpeg:
        return QStringLiteral("jpg");
    case Pdf:
        return QStringLiteral("pdf");
    default:
        return QStringLiteral("bmp");
    }
}

QString Bildexport::NameMitEndung(const QString& datei, const QString& endung) {
    const qsizetype trenner = datei.lastIndexOf(QLatin1Char('/'));
    const qsizetype punkt = datei.indexOf(QLatin1Char('.'), trenner + 1);
    if (punkt < 0) {
        return datei + QLatin1Char('.') + endung;
    }
    return datei.left(punkt + 1) + endung;
}

bool Bildexport::BildExportieren(Bildquelle quelle, const QImage& bild) {
    const QString muster = QStringLiteral("*.") + standardEndung_;
    const std::optional<Filterwahl> wahl = dialog_.DateiZumSpeichern(
        {tr("Varnel - TRV / ZEDE Shear Connectors - Export results"),
         {tr("export in SVG vector format (*.svg)"), tr("Export in Bitmap Format (*.bmp)"),
          tr("Export in JPeg Format (*.jpg)"), tr("Export as PDF document (*.pdf)")},
         filter_,
         ordner_.isEmpty() ? muster : ordner_ + QLatin1Char('/') + muster,
         &Bildexport::EndungFuerFilter});
    if (!wahl || wahl->Datei.isEmpty()) {
        return false;
    }
    filter_ = wahl->Filter;
    standardEndung_ = EndungFuerFilter(filter_);
    const QString name = NameMitEndung(wahl->Datei, standardEndung_);
    ordner_ = QFileInfo(name).path();

    std::string fehler;
    if (!Schreiben(quelle, bild, name, fehler)) {
        fragen_.Meldung(Speicherfehler(name, fehler));
        return false;
    }
    return true;
}

QString Bildexport::Speicherfehler(const QString& datei, const std::string& fehler) {
    return tr("The picture could not be saved as\n%1:\n%2")
        .arg(QDir::toNativeSeparators(datei), QString::fromStdString(fehler));
}

void Bildexport::BildInZwischenablage(const QImage& bild) {
    if (QClipboard* ablage = QGuiApplication::clipboard()) {
        ablage->setImage(bild);
    }
}

QSize Bildexport::SkizzenGroesse(Bildquelle quelle, const QImage& bild) const {
    const bool ergebnisskizze =
        zustand_.ErgebnisseGueltig() && zustand_.Modell().SkizzeAnzeige() != 4;
    if (quelle == Bildquelle::Skizze && ergebnisskizze) {
        return {VierSkizzenSeite, VierSkizzenSeite};
    }
    return Logisch(bild);
}

void Bildexport::SkizzeVektoriell(QPainter& canvas, Bildquelle quelle, const QRect& flaeche,
                                  int stiftFaktor) {
    const TKModell& modell = zustand_.Modell();
    const TKAnwendung& anwendung = zustand_.Anwendung();
    const TKSkizzen skizzen(modell, anwendung, zustand_.Farben(), zustand_.Dezimaltrenner());
    // Results that are not valid are never drawn: the inputs may have changed since.
    const int anzeige = zustand_.ErgebnisseGueltig() ? modell.SkizzeAnzeige() : 4;
    if (quelle == Bildquelle::Skizze && anzeige != 4) {
        const int seite = std::min(flaeche.width(), flaeche.height());
        VierSkizzenZeichnen(canvas, QRect(flaeche.topLeft(), QSize(seite, seite)), skizzen,
                            anwendung.BelastungDesign().Belastungsfall() != 0, stiftFaktor);
    } else {
        SkizzeNachAnzeigeZeichnen(canvas, flaeche, skizzen, anzeige, stiftFaktor);
    }
}

bool Bildexport::Schreiben(Bildquelle quelle, const QImage& bild, const QString& datei,
                           std::string& fehler) {
    const std::string pfad = datei.toStdString();
    const Druckergeometrie seite = GeometrieAusDrucker(drucker_.Drucker());
    switch (filter_) {
    case Svg: {
        if (quelle == Bildquelle::Ergebnisseite) {
            Seitenmasse masse;
            masse.SeiteEinrichten(seite);
            const QSize groesse = bild.isNull() ? masse.BildGroesse(BildschirmDpi) : Logisch(bild);
            Positionsblatt blatt(zustand_.Modell(), zustand_.Anwendung());
            return SvgSpeichern(
                pfad, groesse, BildschirmDpi,
                [&](QPainter& canvas) {
                    canvas.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
                    // Always the screen's metrics: a print since the preview has left the
                    // printer's resolution in the main window's, which would draw the page
                    // many times too large here.
                    masse.FuerBildschirm(canvas, BildschirmDpi);
                    ErgebnisblattSeite1Export(canvas, masse, blatt.Blatt());
                },
                fehler);
        }
        const QSize groesse = SkizzenGroesse(quelle, bild);
        if (groesse.isEmpty()) {
            fehler = Bildexport::tr("there is no picture to export").toStdString();
            return false;
        }
        return SvgSpeichern(
            pfad, groesse, BildschirmDpi,
            [&](QPainter& canvas) {
                canvas.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
                SkizzeVektoriell(canvas, quelle, QRect(QPoint(0, 0), groesse), 1);
            },
            fehler);
    }
    case Pdf: {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(drucker_.Drucker().pageLayout());
        Seitenmasse masse;
        if (quelle == Bildquelle::Ergebnisseite) {
            Positionsblatt blatt(zustand_.Modell(), zustand_.Anwendung());
            const TKPdfBeilage beilage = BlattBeilage(zustand_.Modell(), &zustand_.Anwendung());
            return PdfSpeichern(
                pdf, pfad,
                [&](QPrinter& drucker, std::string& grund) {
                    return ErgebnisblattDrucken(drucker, masse, blatt.Blatt(), grund);
                },
                fehler, &beilage);
        }
        const QSize groesse = SkizzenGroesse(quelle, bild);
        if (groesse.isEmpty()) {
            fehler = Bildexport::tr("there is no picture to export").toStdString();
            return false;
        }
        return PdfSpeichern(
            pdf, pfad,
            [&](QPrinter& drucker, std::string& grund) {
                QPainter canvas;
                if (!canvas.begin(&drucker)) {
                    grund = "the PDF could not be started";
                    return false;
                }
                // The picture's proportions, as wide as the printable area allows.
                const QRect flaeche = drucker.pageLayout().paintRectPixels(drucker.resolution());
                const QSize ziel = groesse.scaled(flaeche.size(), Qt::KeepAspectRatio);
                SkizzeVektoriell(canvas, quelle, QRect(QPoint(0, 0), ziel), 2);
                return canvas.end();
            },
            fehler);
    }
    default: // a bitmap or JPEG of the picture as shown
        if (bild.isNull()) {
            fehler = Bildexport::tr("there is no picture to export").toStdString();
            return false;
        }
        return BildSpeichern(pfad, bild, fehler);
    }
}

} // namespace trv
