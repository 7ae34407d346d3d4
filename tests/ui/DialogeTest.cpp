#include "Testrueckfragen.h"
#include "files/Einstellungen.h"
#include "ui/dialogs/Farbeinstellung.h"
#include "ui/dialogs/Projektdaten.h"
#include "ui/dialogs/Projektverwaltung.h"
#include "ui/main/Projektbefehle.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace trv::test {
namespace {

const QString DreiPositionen = QStringLiteral(TRV_TEST_DATA_DIR "/drei-positionen.TRV");

// Runs handeln on the modal dialog of type T as soon as it is open.
template <typename T> void ImDialog(std::function<void(T&)> handeln) {
    QTimer::singleShot(0, [handeln] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the dialog did not open";
            if (QWidget* anderes = QApplication::activeModalWidget()) {
                anderes->close();
            }
            return;
        }
        handeln(*dialog);
    });
}

struct Umgebung {
    explicit Umgebung(TKIniDatei ini = {}, TKRegional regional = TKRegional::Standard())
        : zustand(std::move(ini), std::move(regional)), befehle(zustand, fragen) {}
    Testrueckfragen fragen;
    Projektzustand zustand;
    Projektbefehle befehle;
};

// --- Screen colours ------------------------------------------------------------------------

TEST(FarbeinstellungTest, GreyThenCancelChangesNothing) {
    Umgebung u;
    const TKFarbe vorher = u.zustand.Farben();
    ImDialog<TfrmFarbeinstellung>([](TfrmFarbeinstellung& d) {
        d.GrauKnopf()->click();
        EXPECT_EQ(d.Farbe(), TKFarbe::Grau());
        d.reject();
    });
    EXPECT_FALSE(FarbenEinstellen(nullptr, u.zustand));
    EXPECT_EQ(u.zustand.Farben(), vorher);
}

TEST(FarbeinstellungTest, GreyThenOkReachesTheIniFileWhenTheWindowGoes) {
    QTemporaryDir ordner;
    const TKIniDatei ini(ordner.filePath(QStringLiteral("trv.INI")).toStdString(),
                         TKRegional::Standard());
    {
        Umgebung u(ini);
        ImDialog<TfrmFarbeinstellung>([](TfrmFarbeinstellung& d) {
            d.GrauKnopf()->click();
            d.accept();
        });
        EXPECT_TRUE(FarbenEinstellen(nullptr, u.zustand));
        EXPECT_EQ(u.zustand.Farben(), TKFarbe::Grau());
        // Not before the program ends.
        EXPECT_EQ(TKFarbe::Lesen(ini), TKFarbe());
    }
    EXPECT_EQ(TKFarbe::Lesen(ini), TKFarbe::Grau());
}

TEST(FarbeinstellungTest, SwatchTakesTheChosenColourOnlyWhenConfirmed) {
    TfrmFarbeinstellung dialog(TKFarbe::Grau());
    std::optional<QColor> antwort = QColor(0x12, 0x34, 0x56);
    QColor angeboten;
    dialog.SetFarbwahl([&](QWidget*, const QColor& farbe, const QString&) {
        angeboten = farbe;
        return antwort;
    });
    dialog.Feld(TKFarbe::Rolle::DornBrush)->click();
    EXPECT_EQ(angeboten, QColor(0x80, 0x80, 0x80));   // preset with the swatch's colour
    EXPECT_EQ(dialog.Farbe().DornBrush(), 0x563412u); // red in the lowest byte
    antwort.reset();
    dialog.Feld(TKFarbe::Rolle::PosD)->click();
    EXPECT_EQ(dialog.Farbe().PosD(), TKFarbe::Grau().PosD());
    dialog.StandardKnopf()->click();
    EXPECT_EQ(dialog.Farbe(), TKFarbe());
}

// --- Project data --------------------------------------------------------------------------

TEST(ProjektdatenTest, CancelLeavesTheDescriptionAsItWas) {
    Umgebung u;
    TKProjektdaten& daten = u.zustand.Modell().Projektbeschreibung();
    daten.SetBauvorhaben("Bridge");
    daten.SetFirma({"Engineers Ltd.", "", "Main Street 1"});
    ImDialog<TfrmProjektdaten>([](TfrmProjektdaten& d) {
        EXPECT_EQ(d.Bauvorhaben()->text(), QStringLiteral("Bridge"));
        EXPECT_EQ(d.Firma()->toPlainText(), QStringLiteral("Engineers Ltd.\n\nMain Street 1"));
        d.Bauvorhaben()->setText(QStringLiteral("Tunnel"));
        d.Firma()->setPlainText(QStringLiteral("Other"));
        d.HeuteKnopf()->click();
        d.reject();
    });
    EXPECT_FALSE(ProjektdatenBearbeiten(nullptr, u.zustand));
    EXPECT_EQ(daten.Bauvorhaben(), "Bridge");
    EXPECT_EQ(daten.Firma(), (std::vector<std::string>{"Engineers Ltd.", "", "Main Street 1"}));
    EXPECT_EQ(daten.Datum(), "01.01.2026");
}

TEST(ProjektdatenTest, OkStoresTheFourFieldsAndTodayUsesTheShortDate) {
    TKRegional regional = TKRegional::Standard("24.12.2026");
    Umgebung u(TKIniDatei{}, regional);
    u.zustand.Modell().Projektbeschreibung().SetDatum("1/2/2000");
    ImDialog<TfrmProjektdaten>([](TfrmProjektdaten& d) {
        d.Bauvorhaben()->setText(QStringLiteral("Car park"));
        d.Firma()->setPlainText(QStringLiteral("Line 1\nLine 2\n"));
        d.Bearbeiter()->setText(QStringLiteral("A. Engineer"));
        d.HeuteKnopf()->click();
        EXPECT_EQ(d.Datum()->text(), QStringLiteral("24.12.2026"));
        d.accept();
    });
    EXPECT_TRUE(ProjektdatenBearbeiten(nullptr, u.zustand));
    const TKProjektdaten& daten = u.zustand.Modell().Projektbeschreibung();
    EXPECT_EQ(daten.Bauvorhaben(), "Car park");
    EXPECT_EQ(daten.Firma(), (std::vector<std::string>{"Line 1", "Line 2"}));
    EXPECT_EQ(daten.Bearbeiter(), "A. Engineer");
    EXPECT_EQ(daten.Datum(), "24.12.2026");
    EXPECT_TRUE(FirmaZeilen(QString()).empty());
}

TEST(ProjektdatenTest, EnterMovesTheFocusExceptInTheCompanyLines) {
    TfrmProjektdaten dialog(TKProjektdaten("01.01.2026"), QStringLiteral("02.01.2026"));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.Bauvorhaben()->setFocus();
    QTest::keyClicks(dialog.Bauvorhaben(), QStringLiteral("Hall"));
    QTest::keyClick(dialog.Bauvorhaben(), Qt::Key_Return);
    ASSERT_TRUE(dialog.Firma()->hasFocus());
    QTest::keyClicks(dialog.Firma(), QStringLiteral("A"));
    QTest::keyClick(dialog.Firma(), Qt::Key_Return);
    QTest::keyClicks(dialog.Firma(), QStringLiteral("B"));
    EXPECT_EQ(dialog.Firma()->toPlainText(), QStringLiteral("A\nB"));
    EXPECT_TRUE(dialog.Firma()->hasFocus());
    dialog.Bearbeiter()->setFocus();
    QTest::keyClick(dialog.Bearbeiter(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(dialog.Datum()->hasFocus());
    QTest::keyClick(dialog.Datum(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(dialog.Bearbeiter()->hasFocus());
    // Enter in a field neither closes the dialog nor types anything.
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Bauvorhaben()->text(), QStringLiteral("Hall"));
    dialog.reject();
}

// --- Project administration ----------------------------------------------------------------

QStringList Zeile(QTreeWidget* liste, int i) {
    QStringList texte;
    for (int s = 0; s < liste->columnCount(); ++s) {
        texte << liste->topLevelItem(i)->text(s);
    }
    return texte;
}

TEST(ProjektverwaltungTest, TakesTheThirdOfThreePositionsOver) {
    Umgebung u;
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    fenster.DateiWaehlen(DreiPositionen);
    QTreeWidget* liste = fenster.Positionsliste();
    ASSERT_EQ(liste->topLevelItemCount(), 3);
    EXPECT_EQ(liste->columnCount(), 7);
    EXPECT_EQ(liste->topLevelItem(0)->text(0), QStringLiteral("No: 1"));
    EXPECT_EQ(liste->topLevelItem(2)->text(0), QStringLiteral("No: 3"));
    EXPECT_EQ(Zeile(liste, 2).mid(3),
              (QStringList{QStringLiteral("Pos. 3 slab to wall"),
                           QStringLiteral("Connector row, slab to wall"),
                           QStringLiteral("250.0 cm"), Zeile(liste, 0).at(6)}));
    EXPECT_TRUE(fenster.OeffnenKnopf()->isEnabled());
    EXPECT_FALSE(fenster.UebernehmenKnopf()->isEnabled());

    liste->setCurrentItem(liste->topLevelItem(2));
    EXPECT_TRUE(fenster.UebernehmenKnopf()->isEnabled());
    fenster.UebernehmenKnopf()->click();
    EXPECT_EQ(fenster.result(), QDialog::Accepted);
    EXPECT_EQ(fenster.Ergebnis(), Verwaltungsergebnis::PositionUebernommen);
    const TKModell& modell = u.zustand.Modell();
    ASSERT_EQ(modell.AnzAnwendung(), 2);
    EXPECT_EQ(modell.Anwendung(2).Position(), "Pos. 3 slab to wall");
    EXPECT_EQ(modell.Anwendung(2).Anwendungsfall(), 2);
    EXPECT_EQ(modell.Anwendung(2).Geometrie().FugenlaengeGespeichert(), 2500);
    EXPECT_TRUE(u.fragen.Meldungen.isEmpty());

    // Without a selected row the command only closes.
    TfrmProjektverwaltung zweites(u.befehle, u.fragen);
    zweites.DateiWaehlen(DreiPositionen);
    zweites.Positionsliste()->clearSelection();
    QMetaObject::invokeMethod(zweites.UebernehmenKnopf(), "clicked");
    EXPECT_EQ(zweites.Ergebnis(), Verwaltungsergebnis::Abgebrochen);
    EXPECT_EQ(modell.AnzAnwendung(), 2);
}

TEST(ProjektverwaltungTest, DoubleClickTakesOverAndAFailedTakeOverLeavesNoTrace) {
    Umgebung u;
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    fenster.resize(760, 560);
    fenster.show();
    fenster.DateiWaehlen(DreiPositionen);
    QTreeWidget* liste = fenster.Positionsliste();
    const QRect zeile = liste->visualItemRect(liste->topLevelItem(1));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    EXPECT_EQ(fenster.Ergebnis(), Verwaltungsergebnis::PositionUebernommen);
    EXPECT_EQ(u.zustand.Modell().Anwendung(2).Position(), "Décke über UG – Achse 3");

    Projektauswahl auswahl(u.befehle, u.fragen);
    EXPECT_FALSE(auswahl.PositionUebernehmen(DreiPositionen, 5));
    EXPECT_EQ(u.zustand.Modell().AnzAnwendung(), 2);
    EXPECT_EQ(u.fragen.Meldungen.size(), 1);
}

TEST(ProjektverwaltungTest, JointLengthWithTheRegionalSeparator) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("laenge.TRV"));
    {
        TKModell modell(TKIniDatei{}, TKRegional::Standard());
        modell.SetAnzAnwendung(2);
        modell.Anwendung(1).Geometrie().SetFugenlaenge(2345);
        modell.Anwendung(2).SetAnwendungsfall(0);
        modell.Anwendung(2).Geometrie().SetFugenlaenge(1500);
        ASSERT_TRUE(modell.Speichern(datei.toStdString()).Ok);
    }
    TKRegional komma = TKRegional::Standard();
    komma.Dezimaltrenner = ',';
    Umgebung u(TKIniDatei{}, komma);
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    fenster.DateiWaehlen(datei);
    ASSERT_EQ(fenster.Positionsliste()->topLevelItemCount(), 2);
    EXPECT_EQ(fenster.Positionsliste()->topLevelItem(0)->text(5), QStringLiteral("234,5 cm"));
    // A single connector shows its stored length, not the sum of its edge distances.
    EXPECT_EQ(fenster.Positionsliste()->topLevelItem(1)->text(4),
              QStringLiteral("Single shear connector"));
    EXPECT_EQ(fenster.Positionsliste()->topLevelItem(1)->text(5), QStringLiteral("150,0 cm"));
}

TEST(ProjektverwaltungTest, RemembersTheFolderForTheNextOpening) {
    QTemporaryDir ordner;
    const QString unter = ordner.filePath(QStringLiteral("Projekte"));
    ASSERT_TRUE(QDir().mkpath(unter));
    const TKIniDatei ini(ordner.filePath(QStringLiteral("trv.INI")).toStdString(),
                         TKRegional::Standard());
    Umgebung u(ini);
    {
        TfrmProjektverwaltung fenster(u.befehle, u.fragen);
        EXPECT_EQ(fenster.Ordner(), QDir::currentPath());
        fenster.OrdnerWaehlen(unter);
        EXPECT_FALSE(fenster.OeffnenKnopf()->isEnabled());
        fenster.reject();
    }
    EXPECT_EQ(QString::fromStdString(LeseString(ini, einstellung::Version)), unter);
    {
        TfrmProjektverwaltung fenster(u.befehle, u.fragen);
        EXPECT_EQ(fenster.Ordner(), unter);
    }
    // A stored folder that has gone falls back to the working directory.
    ASSERT_TRUE(QDir(unter).removeRecursively());
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    EXPECT_EQ(fenster.Ordner(), QDir::currentPath());
}

TEST(ProjektverwaltungTest, OpenProjectAsksTheSaveQuestionFirst) {
    Umgebung u;
    {
        TfrmProjektverwaltung fenster(u.befehle, u.fragen);
        fenster.DateiWaehlen(DreiPositionen);
        u.fragen.Antworten.push_back(Antwort::Abbrechen);
        fenster.OeffnenKnopf()->click();
        EXPECT_EQ(fenster.result(), QDialog::Rejected);
        EXPECT_EQ(fenster.Ergebnis(), Verwaltungsergebnis::Abgebrochen);
        EXPECT_EQ(u.zustand.Modell().AnzAnwendung(), 1);
        EXPECT_EQ(u.fragen.Fragen,
                  QStringList{QStringLiteral("Do you want to save current calculation?")});
    }
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    fenster.DateiWaehlen(DreiPositionen);
    u.fragen.Antworten.push_back(Antwort::Nein);
    fenster.OeffnenKnopf()->click();
    EXPECT_EQ(fenster.Ergebnis(), Verwaltungsergebnis::ProjektGeoeffnet);
    EXPECT_EQ(u.zustand.Modell().AnzAnwendung(), 3);
    EXPECT_EQ(u.zustand.Dateiname(), DreiPositionen);
}

TEST(ProjektverwaltungTest, AFileOfAnotherProgramGivesItsMessageAndNoRows) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("fremd.TRV"));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\"?><X><Copyright/><Program Name=\"Other\" Version=\"1\"/></X>");
    f.close();
    Umgebung u;
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    fenster.DateiWaehlen(datei);
    EXPECT_EQ(fenster.Positionsliste()->topLevelItemCount(), 0);
    EXPECT_EQ(u.fragen.Meldungen,
              QStringList{QStringLiteral("The file is not a valid Varnel - TRV File")});
    EXPECT_TRUE(fenster.OeffnenKnopf()->isEnabled());
    EXPECT_FALSE(fenster.UebernehmenKnopf()->isEnabled());
}

// A click into the folder tree selects the folder clicked (a tree that scrolled while the
// click was handled selected the one that moved under the mouse), and only project files,
// never folders, are listed as files.
TEST(ProjektverwaltungTest, ClickedFolderIsSelectedAndFoldersAreNoFiles) {
    QTemporaryDir ordner;
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(
            QDir(ordner.path()).mkdir(QStringLiteral("Folder %1").arg(i, 2, 10, QLatin1Char('0'))));
    }
    const QString ziel = ordner.filePath(QStringLiteral("Folder 28"));
    ASSERT_TRUE(QDir(ziel).mkdir(QStringLiteral("Folder.TRV")));
    ASSERT_TRUE(QFile::copy(DreiPositionen, ziel + QStringLiteral("/drei.TRV")));
    Umgebung u;
    TfrmProjektverwaltung fenster(u.befehle, u.fragen);
    // As the window opens in the folder of the last time.
    fenster.OrdnerWaehlen(ordner.filePath(QStringLiteral("Folder 30")));
    fenster.resize(760, 560);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    auto* baum = fenster.findChild<QTreeView*>(QStringLiteral("DirectoryListBox"));
    ASSERT_NE(baum, nullptr);
    auto* ordnerModell = qobject_cast<QFileSystemModel*>(baum->model());
    ASSERT_NE(ordnerModell, nullptr);
    // The folders are listed and sorted in the background: their rows move meanwhile.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ordnerModell->rowCount(ordnerModell->index(ordner.path())) == 60; }));
    const QPersistentModelIndex gesucht = ordnerModell->index(ziel);
    // Loaded, sorted and "Folder 30" brought to the middle of the tree, two rows below the
    // folder to click.
    const QPersistentModelIndex mitte =
        ordnerModell->index(ordner.filePath(QStringLiteral("Folder 30")));
    const auto inSicht = [&] {
        const QRect bereich = baum->viewport()->rect();
        return bereich.contains(baum->visualRect(gesucht)) &&
               bereich.contains(baum->visualRect(mitte));
    };
    ASSERT_TRUE(QTest::qWaitFor(inSicht));
    QTest::qWait(100);
    ASSERT_TRUE(inSicht());
    const QRect zeile = baum->visualRect(gesucht);
    ASSERT_LT(zeile.bottom(), baum->visualRect(mitte).top());

    QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, zeile.center());
    const QModelIndexList gewaehlt = baum->selectionModel()->selectedRows();
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(ordnerModell->filePath(gewaehlt.front()), ziel);
    EXPECT_EQ(QPersistentModelIndex(baum->currentIndex()), gesucht);
    EXPECT_EQ(fenster.Ordner(), ziel);
    // The folder "Folder.TRV" is no project file.
    QAbstractItemModel* dateien = fenster.Dateiliste()->model();
    ASSERT_EQ(dateien->rowCount(), 1);
    EXPECT_EQ(dateien->index(0, 0).data().toString(), QStringLiteral("drei.TRV"));
    // Clicking the file lists its positions.
    QTest::mouseClick(fenster.Dateiliste()->viewport(), Qt::LeftButton, {},
                      fenster.Dateiliste()->visualRect(dateien->index(0, 0)).center());
    EXPECT_EQ(fenster.Positionsliste()->topLevelItemCount(), 3);
}

} // namespace
} // namespace trv::test
