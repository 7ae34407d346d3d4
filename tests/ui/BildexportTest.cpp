#include "ui/main/Bildexport.h"
#include "Testfilterdialog.h"
#include "Testrueckfragen.h"
#include "printing/Seitenmasse.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Filterdialog.h"
#include "ui/main/Projektbefehle.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

// A loaded project in the state the main window has after opening it, with the picture
// export the main window owns.
struct Umgebung {
    explicit Umgebung(const QString& datei) { EXPECT_TRUE(befehle.ProjektLaden(datei)); }
    Projektzustand zustand{TKIniDatei{}, TKRegional::Standard()};
    Testrueckfragen fragen;
    Testfilterdialog dialog;
    Druckerwahl drucker;
    Projektbefehle befehle{zustand, fragen};
    Bildexport export_{zustand, drucker, fragen, dialog};
};

QString Daten(const char* name) {
    return QStringLiteral(TRV_TEST_DATA_DIR "/") + name;
}

// The picture's size in pixels (its view box; width and height are written in mm).
QSize Ansichtsgroesse(const QString& svg) {
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid()) << svg.toStdString();
    return renderer.viewBox().size();
}

QImage Rendern(const QString& svg, QSize groesse) {
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid()) << svg.toStdString();
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    renderer.render(&p);
    return bild;
}

// Pixels that are not white in the rectangle.
int Gezeichnet(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += bild.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    return n;
}

QImage Bildschirmbild(QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    return bild;
}

TEST(BildexportTest, NamenWerdenNachDemErstenPunktAufDieEndungGekuerzt) {
    EXPECT_EQ(Bildexport::NameMitEndung(QStringLiteral("/a/plan.final.bmp"), QStringLiteral("svg")),
              QStringLiteral("/a/plan.svg"));
    // Only the file name part counts: a dot in a folder name is kept.
    EXPECT_EQ(Bildexport::NameMitEndung(QStringLiteral("/a.b/plan"), QStringLiteral("jpg")),
              QStringLiteral("/a.b/plan.jpg"));
    EXPECT_EQ(Bildexport::EndungFuerFilter(Bildexport::Svg), QStringLiteral("svg"));
    EXPECT_EQ(Bildexport::EndungFuerFilter(Bildexport::Bitmap), QStringLiteral("bmp"));
    EXPECT_EQ(Bildexport::EndungFuerFilter(Bildexport::Jpeg), QStringLiteral("jpg"));
    EXPECT_EQ(Bildexport::EndungFuerFilter(Bildexport::Pdf), QStringLiteral("pdf"));
    EXPECT_EQ(Bildexport::EndungFuerFilter(9), QStringLiteral("bmp"));
}

TEST(BildexportTest, BitmapFilterMitJpgNameSchreibtBmpUndBleibtFuerDenNaechstenExport) {
    Umgebung u(Daten("platte-platte.TRV"));
    QTemporaryDir ordner;
    const QImage bild = Bildschirmbild({320, 200});
    // The first export proposes the vector type; cancelling writes nothing and says nothing.
    u.dialog.Antworten.push_back(Filterwahl{});
    EXPECT_FALSE(u.export_.BildExportieren(Bildquelle::Skizze, bild));
    ASSERT_EQ(u.dialog.Dialoge.size(), 1u);
    EXPECT_EQ(u.dialog.Dialoge[0].Vorschlag, QStringLiteral("*.svg"));
    EXPECT_EQ(u.dialog.Dialoge[0].Vorauswahl, 1);
    EXPECT_EQ(u.dialog.Dialoge[0].Titel,
              QStringLiteral("Varnel - TRV / ZEDE Shear Connectors - Export results"));

    u.dialog.Antworten.push_back(Filterwahl{ordner.filePath(QStringLiteral("result.jpg")), 2});
    ASSERT_TRUE(u.export_.BildExportieren(Bildquelle::Skizze, bild));
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("result.jpg"))));
    QImageReader leser(ordner.filePath(QStringLiteral("result.bmp")));
    EXPECT_EQ(leser.format(), QByteArray("bmp"));
    EXPECT_EQ(leser.read().size(), bild.size());

    // The next export starts with the bitmap type in the last folder.
    u.dialog.Antworten.push_back(Filterwahl{ordner.filePath(QStringLiteral("shot")), 3});
    ASSERT_TRUE(u.export_.BildExportieren(Bildquelle::Ergebnisseite, bild));
    EXPECT_EQ(u.dialog.Dialoge[2].Vorschlag, ordner.path() + QStringLiteral("/*.bmp"));
    EXPECT_EQ(u.dialog.Dialoge[2].Vorauswahl, 2);
    EXPECT_EQ(QImageReader(ordner.filePath(QStringLiteral("shot.jpg"))).format(),
              QByteArray("jpeg"));
    EXPECT_TRUE(u.fragen.Meldungen.isEmpty());
}

// A result sketch as a vector picture holds four sketches on 1000 x 1000; the connector row
// with its load strip only for a line or arbitrary load.
TEST(BildexportTest, SkizzeAlsVektorbildMitUndOhneVierteSkizze) {
    QTemporaryDir ordner;
    for (const auto& [datei, mitReihe] :
         {std::pair{"einzeldorn.TRV", false}, std::pair{"platte-platte.TRV", true}}) {
        SCOPED_TRACE(datei);
        Umgebung u(Daten(datei));
        ASSERT_EQ(u.zustand.Modus(), amUebersicht);
        u.zustand.Modell().SetSkizzeAnzeige(2);
        // The name is cut at its first dot: "einzeldorn.TRV.svg" would become "einzeldorn.svg".
        const QString ziel =
            ordner.filePath(QString::fromLatin1(datei).section('.', 0, 0) + QStringLiteral(".svg"));
        u.dialog.Antworten.push_back(Filterwahl{ziel, 1});
        ASSERT_TRUE(u.export_.BildExportieren(Bildquelle::Skizze, Bildschirmbild({400, 300})));
        EXPECT_EQ(Ansichtsgroesse(ziel), QSize(1000, 1000));
        const QImage bild = Rendern(ziel, {1000, 1000});
        EXPECT_GT(Gezeichnet(bild, {0, 0, 500, 500}), 500);
        EXPECT_GT(Gezeichnet(bild, {500, 0, 500, 500}), 500);
        EXPECT_GT(Gezeichnet(bild, {0, 500, 500, 500}), 500);
        const int rechtsUnten = Gezeichnet(bild, {505, 505, 495, 495});
        if (mitReihe) {
            EXPECT_GT(rechtsUnten, 500);
        } else {
            EXPECT_EQ(rechtsUnten, 0);
        }
    }
}

TEST(BildexportTest, EingabeskizzeAlsVektorbildInDerGroesseDesSkizzenbilds) {
    Umgebung u(Daten("platte-platte.TRV"));
    u.befehle.AnzeigeModusSetzen(amEingabe);
    ASSERT_EQ(u.zustand.Modell().SkizzeAnzeige(), 4);
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("eingabe.svg"));
    u.dialog.Antworten.push_back(Filterwahl{ziel, 1});
    ASSERT_TRUE(u.export_.BildExportieren(Bildquelle::Skizze, Bildschirmbild({640, 360})));
    EXPECT_EQ(Ansichtsgroesse(ziel), QSize(640, 360));
    EXPECT_GT(Gezeichnet(Rendern(ziel, {640, 360}), {0, 0, 640, 360}), 1000);
}

TEST(BildexportTest, Seite1AlsVektorbildZeigtDiePositionImKopf) {
    Umgebung u(Daten("platte-platte.TRV"));
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("seite1.svg"));
    const QSize seite(794, 1123);
    u.dialog.Antworten.push_back(Filterwahl{ziel, 1});
    ASSERT_TRUE(u.export_.BildExportieren(Bildquelle::Ergebnisseite, Bildschirmbild(seite)));
    QFile datei(ziel);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray svg = datei.readAll();
    EXPECT_EQ(Ansichtsgroesse(ziel), seite);
    EXPECT_TRUE(svg.contains("Calculation for")) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains("Position")) << "the bare title makes the head name the position";
}

TEST(BildexportTest, SchreibfehlerWirdGemeldetUndLaesstKeineDatei) {
    Umgebung u(Daten("platte-platte.TRV"));
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("fehlt/bild.bmp"));
    u.dialog.Antworten.push_back(Filterwahl{ziel, 2});
    EXPECT_FALSE(u.export_.BildExportieren(Bildquelle::Skizze, Bildschirmbild({50, 50})));
    ASSERT_EQ(u.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(u.fragen.Meldungen[0].contains(ziel));
    // The reason says where, not only that a temporary file could not be made.
    EXPECT_TRUE(u.fragen.Meldungen[0].contains(QStringLiteral("cannot write into the folder ") +
                                               ordner.filePath(QStringLiteral("fehlt"))))
        << u.fragen.Meldungen[0].toStdString();
    EXPECT_FALSE(QFile::exists(ziel));
}

// The real save dialog of the exports proposes "*." and the type's extension as the name, in
// the folder of the last export; Save with the proposal left as it is writes nothing.
TEST(BildexportTest, DialogSchlaegtSternUndEndungVor) {
    QTemporaryDir ordner;
    QWidget fenster;
    QtFilterdialog dialog(&fenster);
    const Filterdialogdaten daten{QStringLiteral("Export"),
                                  {QStringLiteral("SVG (*.svg)"), QStringLiteral("Bitmap (*.bmp)")},
                                  2,
                                  ordner.filePath(QStringLiteral("*.bmp")),
                                  &Bildexport::EndungFuerFilter};
    const auto antworten = [](std::function<void(QFileDialog&)> handeln) {
        QTimer::singleShot(0, [handeln] {
            auto* offen = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(offen, nullptr);
            handeln(*offen);
        });
    };
    QString vorgeschlagen;
    QString verzeichnis;
    antworten([&](QFileDialog& offen) {
        vorgeschlagen = offen.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        verzeichnis = offen.directory().absolutePath();
        static_cast<QDialog&>(offen).accept(); // Save, as the user clicks it
    });
    EXPECT_FALSE(dialog.DateiZumSpeichern(daten).has_value());
    EXPECT_EQ(vorgeschlagen, QStringLiteral("*.bmp"));
    EXPECT_EQ(verzeichnis, QDir(ordner.path()).absolutePath());

    antworten([&](QFileDialog& offen) {
        offen.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(ordner.filePath(QStringLiteral("plan")));
        static_cast<QDialog&>(offen).accept(); // Save, as the user clicks it
    });
    const std::optional<Filterwahl> wahl = dialog.DateiZumSpeichern(daten);
    ASSERT_TRUE(wahl.has_value());
    EXPECT_EQ(wahl->Datei, ordner.filePath(QStringLiteral("plan.bmp")));
    EXPECT_EQ(wahl->Filter, 2);
}

TEST(BildexportTest, ZwischenablageErhaeltDasBild) {
    QImage bild = Bildschirmbild({31, 17});
    bild.setPixel(3, 4, qRgb(255, 0, 0));
    Bildexport::BildInZwischenablage(bild);
    const QImage abgelegt = QGuiApplication::clipboard()->image();
    ASSERT_EQ(abgelegt.size(), bild.size());
    EXPECT_EQ(abgelegt.pixel(3, 4), qRgb(255, 0, 0));
    EXPECT_EQ(abgelegt.pixel(0, 0), qRgb(0, 0, 255));
}

} // namespace
} // namespace trv::test
