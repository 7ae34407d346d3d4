#include "../render/PdfText.h"
#include "Testrueckfragen.h"
#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Projektdruck.h"
#include "printing/Seitenmasse.h"
#include "ui/main/Druckbefehle.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Projektbefehle.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

// The print commands on the PDF printer of a machine without printers: each job asks for the
// file; tests on a machine with a printer would print on paper and are skipped there.
struct Druckumgebung {
    explicit Druckumgebung(const QString& datei) { EXPECT_TRUE(befehle.ProjektLaden(datei)); }
    Projektzustand zustand{TKIniDatei{}, TKRegional::Standard()};
    Testrueckfragen fragen;
    Druckerwahl drucker;
    Projektbefehle befehle{zustand, fragen};
    Druckbefehle druck{zustand, drucker, fragen};
};

#define OHNE_DRUCKER_ODER_UEBERSPRINGEN()                                                          \
    if (Druckerwahl::DruckerInstalliert()) {                                                       \
        GTEST_SKIP() << "a printer is installed: the job would go to paper";                       \
    }

// Fonts listed by pdffonts that are not embedded (empty when all are).
QStringList NichtEingebettet(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdffonts"), {pdf});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdffonts failed or is not installed (poppler-utils)";
        return {QStringLiteral("?")};
    }
    QStringList fehlt;
    const QStringList zeilen =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (qsizetype i = 2; i < zeilen.size(); ++i) { // after the head and the rule
        const QStringList felder = zeilen[i].simplified().split(QLatin1Char(' '));
        // name type [type] encoding emb sub uni object ID: "emb" is the fifth field from the end.
        if (felder.size() >= 7 && felder[felder.size() - 5] != QStringLiteral("yes")) {
            fehlt << zeilen[i];
        }
    }
    return fehlt;
}

TEST(DruckTest, ErgebnisblattAlsPdfHatDieSeitenDerVorschau) {
    OHNE_DRUCKER_ODER_UEBERSPRINGEN();
    Druckumgebung u(QStringLiteral(TRV_TEST_DATA_DIR "/platte-wand-beliebig.TRV"));
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("blatt.pdf"));
    {
        // An existing file is replaced only by the complete PDF.
        QFile alt(pdf);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("old");
    }
    u.fragen.Dateien.push_back(pdf);
    ASSERT_TRUE(u.druck.Drucken()) << u.fragen.Meldungen.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(u.fragen.Meldungen.isEmpty());

    Positionsblatt blatt(u.zustand.Modell(), u.zustand.Anwendung());
    Seitenmasse masse;
    const auto vorschau =
        ErgebnisblattVorschau(masse, StandardGeometrie(), BildschirmDpi, blatt.Blatt());
    const PdfInfo info = PdfInfoLesen(pdf);
    EXPECT_EQ(info.Seiten, 3) << "an arbitrary load profile has its own page";
    EXPECT_EQ(static_cast<int>(vorschau.size()), info.Seiten);
    EXPECT_TRUE(info.Seitengroesse.contains(QStringLiteral("(A4)")))
        << info.Seitengroesse.toStdString();
    const QString titel = QString::fromStdString(blatt.Blatt().Titel());
    for (int seite = 1; seite <= 3; ++seite) {
        EXPECT_TRUE(PdfTextLesen(pdf, seite).contains(titel)) << "page " << seite;
    }
    const QString seite1 = PdfTextLesen(pdf, 1);
    for (const char* text : {"Row of shear connectors - connection slab to wall", "Input",
                             "Results", "see next page"}) {
        EXPECT_TRUE(seite1.contains(QLatin1String(text))) << text;
    }
    EXPECT_FALSE(PdfTextLesen(pdf, 3).contains(QStringLiteral("Results")));
    EXPECT_TRUE(NichtEingebettet(pdf).isEmpty()) << NichtEingebettet(pdf).join('\n').toStdString();
    // Written beside the target and renamed: no temporary file is left.
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("blatt.pdf")});
}

// Choosing another row of the result list once changed the sketches of the sheet through the
// project's catalog record, which no file keeps: the program printed what trv-cli sheet of the
// saved project did not. Now the sheet of the saved and reopened project is the same.
TEST(DruckTest, SheetAfterChoosingAnotherTypeEqualsTheSheetOfTheSavedFile) {
    QTemporaryDir ordner;
    const QStringList beispiele =
        QDir(QStringLiteral(TRV_EXAMPLES_DIR)).entryList({QStringLiteral("*.TRV")}, QDir::Files);
    ASSERT_GE(beispiele.size(), 5);
    Seitenmasse masse;
    const auto seiten = [&](const Projektzustand& z) {
        Positionsblatt blatt(z.Modell(), z.Anwendung());
        return ErgebnisblattVorschau(masse, StandardGeometrie(), BildschirmDpi, blatt.Blatt());
    };
    for (const QString& beispiel : beispiele) {
        SCOPED_TRACE(beispiel.toStdString());
        Druckumgebung u(QDir(QStringLiteral(TRV_EXAMPLES_DIR)).filePath(beispiel));
        QStringList hinweise;
        ASSERT_TRUE(u.befehle.Berechnen(hinweise));
        const int anderer = (u.zustand.Modell().EingabeDorn() + 7) % AnzDornTypen;
        u.befehle.DornWaehlen(anderer);
        const QString datei = ordner.filePath(beispiel);
        u.fragen.Dateien.push_back(datei);
        ASSERT_TRUE(u.befehle.SpeichernUnter());
        const auto gedruckt = seiten(u.zustand);

        Druckumgebung wieder(datei);
        ASSERT_EQ(wieder.zustand.Anwendung().Ergebnisse().AktDorn(), anderer);
        const auto gelesen = seiten(wieder.zustand);
        ASSERT_EQ(gedruckt.size(), gelesen.size());
        for (std::size_t i = 0; i < gedruckt.size(); ++i) {
            EXPECT_TRUE(gedruckt[i] == gelesen[i]) << "page " << i + 1;
        }
    }
}

QByteArray BerichtJson(const QString& datei) {
    QProcess cli;
    cli.start(QStringLiteral(TRV_CLI), {QStringLiteral("report"), QStringLiteral("--json"), datei});
    EXPECT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return cli.readAllStandardOutput();
}

// The sheet is what gets archived and sent: it must give back the project it was printed
// from, to the program and to trv-cli alike.
TEST(DruckTest, DasGedruckteBlattTraegtSeinProjekt) {
    OHNE_DRUCKER_ODER_UEBERSPRINGEN();
    const QString quelle = QStringLiteral(TRV_TEST_DATA_DIR "/platte-wand-beliebig.TRV");
    Druckumgebung u(quelle);
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("blatt.pdf"));
    u.fragen.Dateien.push_back(pdf);
    ASSERT_TRUE(u.druck.Drucken()) << u.fragen.Meldungen.join(QLatin1Char('\n')).toStdString();

    Projektzustand zustand{TKIniDatei{}, TKRegional::Standard()};
    Testrueckfragen fragen;
    Projektbefehle befehle{zustand, fragen};
    ASSERT_TRUE(befehle.ProjektLaden(pdf)) << fragen.Meldungen.join('\n').toStdString();
    // Saving asks for a project file rather than writing over the sheet.
    EXPECT_TRUE(zustand.Dateiname().isEmpty());
    zustand.Modell().SetFileName(u.zustand.Modell().FileName());
    EXPECT_EQ(zustand.Modell().ProjektText(), u.zustand.Modell().ProjektText());
    EXPECT_EQ(BerichtJson(pdf), BerichtJson(quelle));

    // A PDF that carries no project is refused with its message.
    const QString fremd = ordner.filePath(QStringLiteral("fremd.pdf"));
    {
        QPdfWriter schreiber(fremd);
        QPainter maler(&schreiber);
        maler.drawText(100, 100, QStringLiteral("no project here"));
    }
    Testrueckfragen fragen2;
    Projektbefehle befehle2{zustand, fragen2};
    EXPECT_FALSE(befehle2.ProjektLaden(fremd));
    EXPECT_TRUE(fragen2.Meldungen.join('\n').contains(
        QString::fromStdString(Ressource(res::PdfOhneProjekt))))
        << fragen2.Meldungen.join('\n').toStdString();
}

TEST(DruckTest, OhneGueltigeErgebnisseOderAbgebrochenWirdNichtsGedruckt) {
    OHNE_DRUCKER_ODER_UEBERSPRINGEN();
    Druckumgebung u(QStringLiteral(TRV_TEST_DATA_DIR "/platte-platte.TRV"));
    u.fragen.Dateien.push_back(QString()); // cancels the file dialog
    EXPECT_FALSE(u.druck.Drucken());
    u.befehle.AnzeigeModusSetzen(amEingabe);
    EXPECT_FALSE(u.druck.Drucken());
    EXPECT_EQ(u.fragen.Dialoge.size(), 1u) << "input mode asks for nothing";
    EXPECT_TRUE(u.fragen.Meldungen.isEmpty());
}

TEST(DruckTest, ProjektdruckGibtDieBlaetterInPositionsfolgeUndDieStueckliste) {
    OHNE_DRUCKER_ODER_UEBERSPRINGEN();
    Druckumgebung u(QStringLiteral(TRV_EXAMPLES_DIR "/several-positions-with-schedule.TRV"));
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("projekt.pdf"));
    u.fragen.Dateien.push_back(pdf);
    ASSERT_TRUE(u.druck.ProjektDrucken());
    EXPECT_TRUE(u.fragen.Fragen.isEmpty()) << "every position is calculated";
    // 2 + 2 + 2 + 3 sheet pages (the fourth has a load profile), then the schedule.
    ASSERT_EQ(PdfInfoLesen(pdf).Seiten, 10);
    const std::pair<int, const char*> erwartet[] = {
        {1, "Single shear connector loaded with point load"},
        {3, "Row of shear connectors - connection slab to slab"},
        {5, "Row of shear connectors - connection slab to wall"},
        {7, "see next page"},
        {10, "Connector Schedule"}};
    for (const auto& [seite, text] : erwartet) {
        EXPECT_TRUE(PdfTextLesen(pdf, seite).contains(QLatin1String(text)))
            << "page " << seite << ": " << text;
    }
    EXPECT_FALSE(PdfTextLesen(pdf, 9).contains(QStringLiteral("Connector Schedule")));
}

TEST(DruckTest, ProjektdruckLaesstUnberechnetePositionenAusNachRueckfrage) {
    OHNE_DRUCKER_ODER_UEBERSPRINGEN();
    Druckumgebung u(QStringLiteral(TRV_TEST_DATA_DIR "/drei-positionen.TRV"));
    u.zustand.Modell().Anwendung(2).Ergebnisse().SetBerechnet(false);
    const Projektdruckinhalt inhalt = ProjektdruckInhalt(u.zustand.Modell());
    EXPECT_EQ(inhalt.Berechnet, (std::vector<int>{1, 3}));
    EXPECT_EQ(inhalt.NichtBerechnet, (std::vector<int>{2}));

    u.fragen.JaNeinAntworten.push_back(false);
    EXPECT_FALSE(u.druck.ProjektDrucken());
    ASSERT_EQ(u.fragen.Fragen.size(), 1);
    EXPECT_TRUE(u.fragen.Fragen[0].contains(QStringLiteral(": 2.")));
    EXPECT_TRUE(u.fragen.Dialoge.empty());

    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("teil.pdf"));
    u.fragen.JaNeinAntworten.push_back(true);
    u.fragen.Dateien.push_back(pdf);
    ASSERT_TRUE(u.druck.ProjektDrucken());
    int seiten = 0;
    for (int nr : inhalt.Berechnet) {
        Positionsblatt blatt(u.zustand.Modell(), u.zustand.Modell().Anwendung(nr));
        seiten += blatt.Blatt().Seitenzahl();
    }
    EXPECT_EQ(PdfInfoLesen(pdf).Seiten, seiten + (inhalt.MitStueckliste ? 1 : 0));

    // Nothing calculated and no schedule: nothing to print, said so.
    Druckumgebung leer(QStringLiteral(TRV_TEST_DATA_DIR "/einzeldorn.TRV"));
    leer.zustand.Anwendung().Ergebnisse().SetBerechnet(false);
    ASSERT_TRUE(ProjektdruckInhalt(leer.zustand.Modell()).Leer());
    EXPECT_FALSE(leer.druck.ProjektDrucken());
    EXPECT_EQ(leer.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(leer.fragen.Dialoge.empty());
}

} // namespace
} // namespace trv::test
