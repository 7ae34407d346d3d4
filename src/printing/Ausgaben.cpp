#include "printing/Ausgaben.h"

#include "files/AtomareDatei.h"
#include "model/Modell.h"
#include "printing/Ausgabedatei.h"
#include "printing/Blattbeilage.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Positionsskizzen.h"
#include "printing/Projektdruck.h"
#include "printing/Seitenmasse.h"
#include "printing/Seitenrahmen.h"
#include "printing/StuecklisteDruck.h"
#include "schedule/StuecklisteText.h"
#include "sketches/Farbe.h"
#include "sketches/Skizzen.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include <array>

namespace trv {

namespace {

constexpr int BildDpi = 96;

using Methode = void (TKSkizzen::*)(QPainter&, const QRect&, double) const;

struct Ansicht {
    const char* Name;
    TSkizzenart Art;
    Methode Skizze;
};

constexpr std::array kAnsichten{
    Ansicht{"view", TSkizzenart::Ansicht, &TKSkizzen::Ansicht},
    Ansicht{"plan", TSkizzenart::Draufsicht, &TKSkizzen::Draufsicht},
    Ansicht{"section", TSkizzenart::Schnitt, &TKSkizzen::Schnitt},
    Ansicht{"row", TSkizzenart::Reihe, &TKSkizzen::Reihe},
    Ansicht{"input", TSkizzenart::Eingabe, &TKSkizzen::Eingabe},
};

QByteArray PngBild(const TKSkizzen& skizzen, Methode skizze, QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    const int proMeter = static_cast<int>(BildDpi / 0.0254 + 0.5);
    bild.setDotsPerMeterX(proMeter);
    bild.setDotsPerMeterY(proMeter);
    bild.fill(Qt::white);
    {
        QPainter canvas(&bild);
        (skizzen.*skizze)(canvas, QRect(QPoint(0, 0), groesse), 1);
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, "PNG") ? daten : QByteArray();
}

QByteArray SvgBild(const TKSkizzen& skizzen, Methode skizze, QSize groesse) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(BildDpi); // fonts in points get the size they have in the PNG
    svg.setTitle(QStringLiteral("TRV sketch"));
    {
        QPainter canvas;
        if (!canvas.begin(&svg)) {
            return {};
        }
        (skizzen.*skizze)(canvas, QRect(QPoint(0, 0), groesse), 1);
    }
    return daten;
}

bool PositionGueltig(const TKModell& modell, int nr, std::string& fehler) {
    if (nr < 1 || nr > modell.AnzAnwendung()) {
        fehler = QCoreApplication::translate("Ausgabe", "there is no such position in the project")
                     .toStdString();
        return false;
    }
    return true;
}

} // namespace

std::optional<TSkizzenart> SkizzenartAusName(const std::string& name) {
    for (const Ansicht& a : kAnsichten) {
        if (name == a.Name) {
            return a.Art;
        }
    }
    return std::nullopt;
}

bool ErgebnisblattSchreiben(const TKModell& modell, int nr, const std::string& ziel,
                            std::string& fehler) {
    if (!PositionGueltig(modell, nr, fehler)) {
        return false;
    }
    const TKAnwendung& anwendung = modell.Anwendung(nr);
    if (!anwendung.Ergebnisse().Berechnet()) {
        fehler =
            QCoreApplication::translate(
                "Ausgabe", "the position is not calculated: the result sheet needs its results")
                .toStdString();
        return false;
    }
    const std::string endung = Endung(ziel);
    const char trenner = modell.Regional().Dezimaltrenner;
    Positionsskizzen skizzen(modell, anwendung, trenner);
    Ergebnisblatt blatt(anwendung, KopfAusModell(modell, anwendung, true), trenner, skizzen);
    Seitenmasse masse;
    if (endung == "pdf") {
        const TKPdfBeilage beilage = BlattBeilage(modell, &anwendung);
        return PdfSpeichern(
            ziel,
            [&](QPrinter& drucker, std::string& grund) {
                return ErgebnisblattDrucken(drucker, masse, blatt, grund);
            },
            fehler, &beilage);
    }
    if (endung != "png" && endung != "svg") {
        fehler = QCoreApplication::translate("Ausgabe",
                                             "the result sheet is written as .pdf, .png or .svg")
                     .toStdString();
        return false;
    }
    // Page 1 as the picture exports take it: the preview image, or drawn anew as a vector
    // picture with the preview's metrics.
    const std::vector<QImage> seiten =
        ErgebnisblattVorschau(masse, StandardGeometrie(), BildschirmDpi, blatt);
    if (endung == "png") {
        return BildSpeichern(ziel, seiten.front(), fehler);
    }
    return SvgSpeichern(
        ziel, seiten.front().size(), BildschirmDpi,
        [&](QPainter& canvas) {
            canvas.fillRect(QRect(QPoint(0, 0), seiten.front().size()), Qt::white);
            ErgebnisblattSeite1Export(canvas, masse, blatt);
        },
        fehler);
}

bool ProjektblattSchreiben(const TKModell& modell, const std::string& ziel, std::string& fehler) {
    Seitenmasse masse;
    const TKPdfBeilage beilage = BlattBeilage(modell, nullptr);
    return PdfSpeichern(
        ziel,
        [&](QPrinter& drucker, std::string& grund) {
            return ProjektDrucken(drucker, masse, modell, grund);
        },
        fehler, &beilage);
}

bool StuecklisteSchreiben(const TKModell& modell, const std::string& ziel, std::string& fehler) {
    const std::string endung = Endung(ziel);
    if (endung == "txt") {
        std::string grund;
        const bool ok = StuecklisteTextExport(ziel, TextDatenAusModell(modell), fehler, &grund);
        if (!ok && !grund.empty()) {
            fehler += " (" + grund + ")";
        }
        return ok;
    }
    if (endung != "pdf") {
        fehler = QCoreApplication::translate("Ausgabe",
                                             "the connector schedule is written as .txt or .pdf")
                     .toStdString();
        return false;
    }
    // The schedule's head belongs to no position: it lists no reasons.
    const Kopfdaten kopf = KopfAusModell(modell, modell.AktuelleAnwendung(), false);
    const StuecklistenDruckdaten daten = DruckdatenAusModell(modell);
    Seitenmasse masse;
    return PdfSpeichern(
        ziel,
        [&](QPrinter& drucker, std::string& grund) {
            return StuecklisteDrucken(drucker, masse, kopf, daten, grund);
        },
        fehler);
}

bool SkizzeSchreiben(const TKModell& modell, int nr, TSkizzenart art, QSize groesse,
                     const std::string& ziel, std::string& fehler) {
    if (!PositionGueltig(modell, nr, fehler)) {
        return false;
    }
    const std::string endung = Endung(ziel);
    if (endung != "png" && endung != "svg") {
        fehler = QCoreApplication::translate("Ausgabe", "a sketch is written as .png or .svg")
                     .toStdString();
        return false;
    }
    const TKAnwendung& anwendung = modell.Anwendung(nr);
    if (art != TSkizzenart::Eingabe && !anwendung.Ergebnisse().Berechnet()) {
        fehler =
            QCoreApplication::translate(
                "Ausgabe", "the position is not calculated: the result sketches need its results")
                .toStdString();
        return false;
    }
    Methode skizze = &TKSkizzen::Eingabe;
    for (const Ansicht& a : kAnsichten) {
        if (a.Art == art) {
            skizze = a.Skizze;
        }
    }
    const TKFarbe farbe = TKFarbe::Lesen(modell.Ini());
    const TKSkizzen skizzen(modell, anwendung, farbe, modell.Regional().Dezimaltrenner);
    const QByteArray daten =
        endung == "png" ? PngBild(skizzen, skizze, groesse) : SvgBild(skizzen, skizze, groesse);
    if (daten.isEmpty()) {
        fehler =
            QCoreApplication::translate("Ausgabe", "the picture could not be made").toStdString();
        return false;
    }
    return DateiAtomarSchreiben(ziel, std::string_view(daten.constData(), daten.size()), fehler);
}

} // namespace trv
