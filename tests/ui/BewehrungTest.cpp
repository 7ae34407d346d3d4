#include "ui/dialogs/Bewehrung.h"
#include "../render/PdfText.h"
#include "Testrueckfragen.h"
#include "dxf/DxfBewehrung.h"
#include "model/Zahlen.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Positionsskizzen.h"
#include "printing/Seitenmasse.h"
#include "printing/Seitenrahmen.h"
#include "ui/dialogs/BST500.h"
#include "ui/main/Projektbefehle.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

constexpr int ZEDE30 = 10;

// The first line where two project texts differ, or "" when they are the same: a whole project
// in a failure message would bury the difference.
std::string ErsteAbweichung(const std::string& a, const std::string& b) {
    const QStringList za = QString::fromStdString(a).split(QLatin1Char('\n'));
    const QStringList zb = QString::fromStdString(b).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(za.size(), zb.size()); ++i) {
        const QString x = za.value(i);
        const QString y = zb.value(i);
        if (x != y) {
            return "line " + std::to_string(i + 1) + ": " + x.trimmed().toStdString() + " <> " +
                   y.trimmed().toStdString();
        }
    }
    return {};
}

// The slab-to-slab example as the program opens it: calculated, in overview mode.
class BewehrungTest : public ::testing::Test {
protected:
    BewehrungTest() : zustand(TKIniDatei{}, TKRegional::Standard()), befehle(zustand, fragen) {
        fragen.Antworten.push_back(Antwort::Nein);
        EXPECT_TRUE(befehle.ProjektLaden(QStringLiteral(TRV_EXAMPLES_DIR) +
                                         QStringLiteral("/slab-to-slab-6m-constant.TRV")));
    }

    TKAnwendung& Position() { return zustand.Anwendung(); }
    TKErgebnisse& Ergebnisse() { return Position().Ergebnisse(); }
    std::string Projekttext() const { return zustand.Modell().ProjektText(); }

    Testrueckfragen fragen;
    Projektzustand zustand;
    Projektbefehle befehle;
};

TEST(TBST500Test, StepsThroughItsListOnly) {
    TBST500 stab;
    stab.SetStabListe(QStringLiteral("6;8;10;12;14;16;20;25"));
    QSignalSpy klicks(&stab, &TBST500::Klick);
    stab.setValue(16);
    stab.stepBy(1);
    EXPECT_EQ(stab.value(), 20);
    stab.stepBy(-1);
    EXPECT_EQ(stab.value(), 16);
    EXPECT_EQ(klicks.count(), 2);
    EXPECT_EQ(klicks.at(0).at(0).value<TBST500::Richtung>(), TBST500::Richtung::Naechster);
    EXPECT_EQ(klicks.at(1).at(0).value<TBST500::Richtung>(), TBST500::Richtung::Vorheriger);

    // 28 is a bar of the bar table, but not of this list: the stepper never reaches it.
    std::vector<int> werte;
    stab.setValue(6);
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(&stab, Qt::Key_Up);
        werte.push_back(stab.value());
    }
    EXPECT_EQ(werte, (std::vector<int>{8, 10, 12, 14, 16, 20, 25, 25, 25, 25, 25, 25}));
    EXPECT_EQ(stab.maximum(), 25);
    stab.stepBy(-20);
    EXPECT_EQ(stab.value(), 6);
    // The number is never typed in.
    QTest::keyClicks(&stab, QStringLiteral("9"));
    EXPECT_EQ(stab.value(), 6);
}

TEST(TBST500Test, ListTextEdgeCases) {
    // A value between the listed ones steps to its neighbours in the list.
    const TKStabliste liste(QStringLiteral("6;8;10;12;14;16;20;25"));
    EXPECT_EQ(liste.Schritt(11, +1), 12);
    EXPECT_EQ(liste.Schritt(11, -1), 10);
    EXPECT_EQ(liste.Schritt(6, -1), 6);
    EXPECT_EQ(liste.Schritt(3, -1), 6);
    EXPECT_EQ(liste.Schritt(30, +1), 25);
    EXPECT_EQ(liste.Abwaerts(5), 6);
    EXPECT_EQ(liste.Aufwaerts(0), 6);

    EXPECT_EQ(TKStabliste(QStringLiteral("  ")).Werte(),
              (std::vector<int>{6, 8, 10, 12, 14, 16, 20, 25, 28}));
    EXPECT_EQ(TKStabliste(QStringLiteral("8;12")).Text(), QStringLiteral("8;12;"));
    // Rubbish from a hand-made list is left out rather than trusted.
    EXPECT_EQ(TKStabliste(QStringLiteral("8;x;-2;12;10;2000000000;16")).Werte(),
              (std::vector<int>{8, 12, 16}));
    EXPECT_EQ(TKStabliste(QStringLiteral("a;b")).Maximum(), 28);
}

TEST_F(BewehrungTest, ShowsTheSelectedTypeOfTheSecondSeries) {
    Ergebnisse().SetAktDorn(ZEDE30);
    const TKDornDaten r = Ergebnisse().DornDaten(ZEDE30);
    TfrmBewehrung dialog(zustand);
    dialog.show();
    EXPECT_EQ(dialog.AktDornLabel()->text(),
              QStringLiteral("Reinforcement to current connector: ZEDE 30"));
    EXPECT_EQ(dialog.PosBAnzahl()->value(), r.AnzahlBewX());
    EXPECT_EQ(dialog.PosBDurchmesser()->value(), r.DurchmesserBewX());
    EXPECT_EQ(dialog.PosDAnzahl()->value(), r.AnzahlBewY());
    EXPECT_EQ(dialog.PosDDurchmesser()->value(), r.DurchmesserBewY());
    EXPECT_EQ(dialog.PosBAnzahl()->singleStep(), 2);
    EXPECT_EQ(dialog.PosDAnzahl()->singleStep(), 2);
    EXPECT_TRUE(dialog.ZeigtZweiteSerie());
    dialog.reject();

    Ergebnisse().SetAktDorn(3);
    dialog.show();
    EXPECT_EQ(dialog.PosBAnzahl()->singleStep(), 1);
    EXPECT_FALSE(dialog.ZeigtZweiteSerie());
    EXPECT_EQ(dialog.AktDornLabel()->text(),
              QStringLiteral("Reinforcement to current connector: TRV 30"));
    dialog.reject();
}

TEST_F(BewehrungTest, MoreVerticalBarsRecheckTheTypeButNotTheArrangement) {
    Position().SetMaxDornabstand(0);
    const int typ = Ergebnisse().AktDorn();
    const TKDornErgebnis vorher = Ergebnisse().DornErgebnis(typ);
    const TKDornDaten rVorher = Ergebnisse().DornDaten(typ);
    const std::uint16_t anzDorn = Ergebnisse().GetAnzDorn(typ);

    TfrmBewehrung dialog(zustand);
    QSignalSpy geaendert(&dialog, &TfrmBewehrung::ErgebnisseGeaendert);
    dialog.show();
    EXPECT_EQ(Position().MaxDornabstand(), 1);
    EXPECT_EQ(geaendert.count(), 0);
    dialog.PosDAnzahl()->stepBy(1);
    EXPECT_EQ(dialog.PosDAnzahl()->value(), rVorher.AnzahlBewY() + 2);
    EXPECT_EQ(geaendert.count(), 1);

    const TKDornErgebnis& nachher = Ergebnisse().DornErgebnis(typ);
    const TKDornDaten& r = Ergebnisse().DornDaten(typ);
    EXPECT_EQ(r.AnzahlBewY(), rVorher.AnzahlBewY() + 2);
    EXPECT_GT(nachher.AsyIst(), vorher.AsyIst());
    EXPECT_GT(r.BreiteBewY(), rVorher.BreiteBewY());
    EXPECT_GT(nachher.FRdBewehrung(), vorher.FRdBewehrung());
    EXPECT_EQ(Ergebnisse().GetAnzDorn(typ), anzDorn);
    EXPECT_EQ(nachher.DornAbstand(), vorher.DornAbstand());
    EXPECT_EQ(nachher.IstMinAchs(), vorher.IstMinAchs());
    EXPECT_EQ(nachher.AbstandLinks(), vorher.AbstandLinks());
    EXPECT_EQ(nachher.AbstandRechts(), vorher.AbstandRechts());
    EXPECT_EQ(nachher.FSdIst(), vorher.FSdIst());
    EXPECT_EQ(nachher.AsxErf(), vorher.AsxErf());
    EXPECT_EQ(Ergebnisse().AktDorn(), typ);

    // A diameter step takes the next bar of the list and checks again.
    dialog.PosDDurchmesser()->stepBy(1);
    EXPECT_EQ(r.DurchmesserBewY(), TKStabliste(QStringLiteral("6;8;10;12;14;16;20;25"))
                                       .Aufwaerts(rVorher.DurchmesserBewY() + 1));
    EXPECT_EQ(geaendert.count(), 2);

    dialog.accept();
    EXPECT_EQ(Position().MaxDornabstand(), 0);
    EXPECT_EQ(Ergebnisse().DornDaten(typ).AnzahlBewY(), rVorher.AnzahlBewY() + 2);
}

TEST_F(BewehrungTest, CancelGivesBackTheExactResults) {
    const std::string vorher = Projekttext();
    const int typ = Ergebnisse().AktDorn();
    const double bx = Ergebnisse().DornErgebnis(typ).bx();
    TfrmBewehrung dialog(zustand);
    QSignalSpy geaendert(&dialog, &TfrmBewehrung::ErgebnisseGeaendert);
    // Through the modal loop, as the main window opens it.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.PosBAnzahl()->stepBy(3);
        dialog.PosBDurchmesser()->stepBy(1);
        dialog.PosDAnzahl()->stepBy(-1);
        dialog.PosDDurchmesser()->stepBy(-1);
        EXPECT_NE(ErsteAbweichung(Projekttext(), vorher), "");
        // More top and bottom bars widen their zone (bx), which a mere check of the old bars
        // would not set back.
        EXPECT_NE(Ergebnisse().DornErgebnis(typ).bx(), bx);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(ErsteAbweichung(Projekttext(), vorher), "");
    EXPECT_EQ(geaendert.count(), 5);
}

TEST_F(BewehrungTest, EveryWayOutRestoresTheSpacingRule) {
    Position().SetMaxDornabstand(0);
    const std::string vorher = Projekttext();
    {
        auto* dialog = new TfrmBewehrung(zustand);
        dialog->show();
        dialog->PosDAnzahl()->stepBy(1);
        EXPECT_EQ(Position().MaxDornabstand(), 1);
        delete dialog; // destroyed while open: nobody said OK
    }
    EXPECT_EQ(Position().MaxDornabstand(), 0);
    EXPECT_EQ(ErsteAbweichung(Projekttext(), vorher), "");

    // Without calculated results there is nothing to change.
    befehle.AnzeigeModusSetzen(amEingabe);
    TfrmBewehrung dialog(zustand);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(Position().MaxDornabstand(), 0);
}

TEST_F(BewehrungTest, EnterMovesTheFocus) {
    TfrmBewehrung dialog(zustand);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.PosBAnzahl()->setFocus();
    ASSERT_TRUE(dialog.PosBAnzahl()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog.PosBDurchmesser()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(dialog.PosBAnzahl()->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
}

TEST(BewehrungsZwischenergebnisTest, DrawsOnThePanelColour) {
    TKDornErgebnis ergebnis(3);
    ergebnis.SetAsxIst(157.08);
    ergebnis.SetAsyIst(628.3);
    const QColor grund(212, 208, 200);
    const QImage bild = BewehrungsZwischenergebnis(ergebnis, QSize(250, 120), 2.0, grund, ',');
    EXPECT_EQ(bild.size(), QSize(500, 240));
    EXPECT_EQ(bild.pixelColor(1, 1), grund);
    int dunkel = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            dunkel += qGray(bild.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(dunkel, 500); // five lines of text were written
}

TEST_F(BewehrungTest, ChangedBarsSurviveSavingAndReachSheetAndDrawing) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const int typ = Ergebnisse().AktDorn();
    const TKDornDaten rVorher = Ergebnisse().DornDaten(typ);
    const double asyVorher = Ergebnisse().DornErgebnis(typ).AsyIst();

    TfrmBewehrung dialog(zustand);
    dialog.show();
    dialog.PosDAnzahl()->stepBy(1);
    dialog.accept();
    const TKDornDaten r = Ergebnisse().DornDaten(typ);
    const double asy = Ergebnisse().DornErgebnis(typ).AsyIst();
    ASSERT_EQ(r.AnzahlBewY(), rVorher.AnzahlBewY() + 2);

    const QString datei = ordner.filePath(QStringLiteral("bewehrung.TRV"));
    fragen.Dateien.push_back(datei);
    ASSERT_TRUE(befehle.SpeichernUnter());
    fragen.Antworten.push_back(Antwort::Nein);
    ASSERT_TRUE(befehle.ProjektLaden(datei));
    const TKErgebnisse& gelesen = zustand.Anwendung().Ergebnisse();
    EXPECT_EQ(gelesen.AktDorn(), typ);
    EXPECT_EQ(gelesen.DornDaten(typ).AnzahlBewY(), r.AnzahlBewY());
    EXPECT_EQ(gelesen.DornDaten(typ).AnzahlBewX(), r.AnzahlBewX());
    EXPECT_EQ(gelesen.DornDaten(typ).BreiteBewY(), r.BreiteBewY());
    EXPECT_EQ(gelesen.DornErgebnis(typ).AsyIst(), asy);

    // The printed sheet lists the new area of the vertical bars.
    const TKAnwendung& anwendung = zustand.Anwendung();
    Positionsskizzen skizzen(zustand.Modell(), anwendung, '.');
    Ergebnisblatt blatt(anwendung, KopfAusModell(zustand.Modell(), anwendung, true), '.', skizzen);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = ordner.filePath(QStringLiteral("blatt.pdf"));
    drucker.setOutputFileName(pdf);
    Seitenmasse masse;
    std::string fehler;
    ASSERT_TRUE(ErgebnisblattDrucken(drucker, masse, blatt, fehler)) << fehler;
    const QString text = PdfTextLesen(pdf, 1);
    const QString neu = QString::fromStdString(ZahlGerundet(asy, 0, '.'));
    const QString alt = QString::fromStdString(ZahlGerundet(asyVorher, 0, '.'));
    EXPECT_TRUE(text.contains(QStringLiteral("= ") + neu + QStringLiteral(" mm²")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("= ") + alt + QStringLiteral(" mm²")));

    // The DXF drawing labels the new vertical bars.
    const QString dxf = ordner.filePath(QStringLiteral("bewehrung.dxf"));
    ASSERT_TRUE(dxf::DxfBewehrungSpeichern(anwendung, dxf.toStdString(), '.', fehler)) << fehler;
    QFile dxfDatei(dxf);
    ASSERT_TRUE(dxfDatei.open(QIODevice::ReadOnly));
    const QString zeichnung = QString::fromUtf8(dxfDatei.readAll());
    const QString label = QStringLiteral("Vertical Reinforcement: %1 - T%2 U-bars")
                              .arg(r.AnzahlBewY())
                              .arg(r.DurchmesserBewY());
    EXPECT_TRUE(zeichnung.contains(label)) << label.toStdString();
}

} // namespace
} // namespace trv::test
