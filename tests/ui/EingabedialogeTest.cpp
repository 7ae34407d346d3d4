#include "Panelhilfen.h"
#include "files/Einstellungen.h"
#include "ui/dialogs/Bemessung.h"
#include "ui/dialogs/beliebigeLast.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "model/Zahlen.h"

#include <gtest/gtest.h>

namespace trv::test {
namespace {

TEST(TfrmBemessung, ShowsThePositionAndWritesPositionAndIni) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const TKIniDatei ini(ordner.filePath(QStringLiteral("trv.INI")).toStdString(), Regional(','));
    Projektzustand zustand(ini, Regional(','));
    Testrueckfragen fragen;
    TKAnwendung& a = zustand.Anwendung();
    a.SetMaxDornabstand(0);
    a.SetGammaMs(1.1);
    a.SetStahlguete(1);
    TfrmBemessung dialog(zustand, fragen);
    EXPECT_EQ(dialog.windowTitle(), "Settings for Calculation");
    dialog.WerteLaden();
    EXPECT_EQ(dialog.MaxDornabstand()->checkedButton()->text(), "Unlimited");
    EXPECT_EQ(dialog.GammaMs()->text(), "1,1");
    EXPECT_EQ(dialog.Stahlguete()->currentText(), QStringLiteral("450 N/mm\u00b2"));

    // OK through the default button: Enter in the entry.
    QTimer::singleShot(0, [&] {
        dialog.MaxDornabstand()->button(1)->click();
        dialog.GammaMs()->setText(QStringLiteral("abc"));
        dialog.Stahlguete()->setCurrentIndex(0);
        QTest::keyClick(dialog.GammaMs(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(a.MaxDornabstand(), 1);
    EXPECT_DOUBLE_EQ(a.GammaMs(), 1.05);
    EXPECT_EQ(a.Stahlguete(), 0);
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::GammaMs), 1.05);
    // The options are the defaults of positions made afterwards.
    zustand.Modell().SetAnzAnwendung(2);
    EXPECT_EQ(zustand.Modell().Anwendung(2).MaxDornabstand(), 1);

    // Every showing reads the current position again; Cancel changes nothing.
    a.SetGammaMs(1.15);
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(dialog.GammaMs()->text(), "1,15");
        dialog.GammaMs()->setText(QStringLiteral("1,3"));
        dialog.reject();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(a.GammaMs(), 1.15);

    // A factor of 0 is refused with the range message and the dialog stays open.
    QTimer::singleShot(0, [&] {
        dialog.GammaMs()->setText(QStringLiteral("0"));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(fragen.Meldungen, QStringList{"Input value is smaller than allowed!"});
        dialog.GammaMs()->setText(QStringLiteral("1,2"));
        dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(a.GammaMs(), 1.2);
}

class ProfilDialog : public ::testing::Test {
protected:
    ProfilDialog() : zustand(TKIniDatei{}, Regional(',')), dialog(zustand, fragen) {
        TKAnwendung& a = zustand.Anwendung();
        a.Geometrie().SetFugenlaenge(3000);
        TKBelastung& b = a.BelastungDesign();
        b.SetLastLaenge(3000);
        b.SetBelastungsfall(3);
        b.PunkteLoeschen();
        b.PunktHinzufuegen(0, 10);
        b.PunktHinzufuegen(1000, 15);
        b.PunktHinzufuegen(3000, 5);
        b.LinienLastLinks().SetGk(3);
        dialog.resize(760, 440);
    }

    void Paar(const char* x, const char* q) {
        dialog.xKoordinate()->setText(QString::fromUtf8(x));
        dialog.Lastwert()->setText(QString::fromUtf8(q));
    }
    const TKBelastung& Belastung() { return zustand.Anwendung().BelastungDesign(); }
    QString Zelle(int zeile, int spalte) { return dialog.Raster()->item(zeile, spalte)->text(); }

    Testrueckfragen fragen;
    Projektzustand zustand;
    TfrmbeliebigeLast dialog;
};

TEST_F(ProfilDialog, GridShowsTheProfileInMillimetres) {
    dialog.Aktivieren();
    EXPECT_EQ(dialog.windowTitle(), "Entry of arbitrary transverse force distribution");
    QTableWidget* raster = dialog.Raster();
    EXPECT_EQ(raster->horizontalHeaderItem(0)->text(), "x [mm]");
    ASSERT_EQ(raster->rowCount(), 3);
    EXPECT_EQ(Zelle(1, 0), "1000");
    EXPECT_EQ(Zelle(1, 1), "15");
    EXPECT_EQ(dialog.xKoordinate()->text(), "0"); // the first row is loaded
    raster->setCurrentCell(2, 0);
    dialog.ZeileWaehlen(2);
    EXPECT_EQ(dialog.Lastwert()->text(), "5");
}

TEST_F(ProfilDialog, AddAsksBeforeOverwritingTheSameText) {
    dialog.Aktivieren();
    Paar("1000", "20");
    fragen.JaNeinAntworten = {false};
    EXPECT_FALSE(dialog.Hinzufuegen());
    ASSERT_EQ(fragen.Fragen.size(), 1);
    EXPECT_EQ(fragen.Fragen[0], "A value for the entered coordinate already exists!\r\n\r\n "
                                "Should this be overwritten?");
    EXPECT_EQ(Belastung().GetPunkt(1), (TKPunkt{1000, 15}));
    fragen.JaNeinAntworten = {true};
    EXPECT_TRUE(dialog.Hinzufuegen());
    EXPECT_EQ(Belastung().GetPunkt(1), (TKPunkt{1000, 20}));
    // The same number written otherwise is another pair at the same x, after the first.
    Paar("1000,0", "7");
    EXPECT_TRUE(dialog.Hinzufuegen());
    ASSERT_EQ(Belastung().AnzPunkte(), 4);
    EXPECT_EQ(Belastung().GetPunkt(2), (TKPunkt{1000, 7}));
    EXPECT_EQ(fragen.Fragen.size(), 2);
    // Change overwrites the selected row.
    dialog.ZeileWaehlen(0);
    Paar("0", "1");
    EXPECT_TRUE(dialog.Aendern());
    EXPECT_EQ(Belastung().GetPunkt(0), (TKPunkt{0, 1}));
}

TEST_F(ProfilDialog, GridFollowsTheSortedProfileAfterEveryChange) {
    dialog.Aktivieren();
    const auto gridIstProfil = [this] {
        ASSERT_EQ(dialog.Raster()->rowCount(), static_cast<int>(Belastung().AnzPunkte()));
        for (int i = 0; i < dialog.Raster()->rowCount(); ++i) {
            const TKPunkt p = Belastung().GetPunkt(static_cast<std::size_t>(i));
            EXPECT_EQ(EingabeZahl(Zelle(i, 0).toStdString(), ','), p.x) << "row " << i;
            EXPECT_EQ(EingabeZahl(Zelle(i, 1).toStdString(), ','), p.y) << "row " << i;
        }
    };
    Paar("500", "12,5");
    EXPECT_TRUE(dialog.Hinzufuegen());
    gridIstProfil();
    EXPECT_EQ(Zelle(1, 0), "500");
    EXPECT_EQ(dialog.AktuelleZeile(), 1) << "the pair entered stays selected";
    // A change that moves the first pair behind its neighbours.
    dialog.ZeileWaehlen(0);
    Paar("2500", "1");
    EXPECT_TRUE(dialog.Aendern());
    gridIstProfil();
    EXPECT_EQ(Zelle(2, 0), "2500");
    EXPECT_EQ(dialog.AktuelleZeile(), 2);
    // Deleting keeps the order; the row below is selected.
    dialog.ZeileWaehlen(0);
    EXPECT_TRUE(dialog.Loeschen());
    gridIstProfil();
    EXPECT_EQ(dialog.xKoordinate()->text(), "1000");
}

TEST_F(ProfilDialog, RefusedPairsLeaveGridAndProfile) {
    dialog.Aktivieren();
    const TKBelastung vorher = Belastung();
    const std::vector<std::pair<const char*, const char*>> paare{
        {"5OO", "1"},  {"500", "abc"}, {"500", ""},   {"500", "1.5"},
        {"3001", "1"}, {"-1", "1"},    {"500", "-2"}, {"500", "1e308"}};
    for (const auto& [x, q] : paare) {
        Paar(x, q);
        EXPECT_FALSE(dialog.Hinzufuegen()) << x << " " << q;
        dialog.ZeileWaehlen(1);
        Paar(x, q);
        EXPECT_FALSE(dialog.Aendern()) << x << " " << q;
    }
    EXPECT_EQ(fragen.Meldungen.size(), 16);
    EXPECT_EQ(Belastung().beliebigeLast(), vorher.beliebigeLast());
    EXPECT_EQ(dialog.Raster()->rowCount(), 3);
    // An empty x does nothing at all.
    Paar("", "4");
    EXPECT_FALSE(dialog.Hinzufuegen());
    EXPECT_EQ(fragen.Meldungen.size(), 16);
}

TEST_F(ProfilDialog, DeleteDownToAnEmptyProfile) {
    dialog.Aktivieren();
    dialog.ZeileWaehlen(1);
    EXPECT_TRUE(dialog.Loeschen());
    EXPECT_EQ(Belastung().AnzPunkte(), 2);
    EXPECT_EQ(dialog.xKoordinate()->text(), "3000"); // the row now selected
    EXPECT_TRUE(dialog.Loeschen());
    EXPECT_TRUE(dialog.Loeschen());
    EXPECT_EQ(dialog.Raster()->rowCount(), 1);
    EXPECT_EQ(Zelle(0, 0), "");
    EXPECT_EQ(Belastung().AnzPunkte(), 0);
    // Adding into the empty list fills its row.
    Paar("0", "10");
    EXPECT_TRUE(dialog.Hinzufuegen());
    Paar("2000", "10");
    EXPECT_TRUE(dialog.Hinzufuegen());
    EXPECT_EQ(dialog.Raster()->rowCount(), 2);
    EXPECT_DOUBLE_EQ(Belastung().beliebigeLastSumme(), 20);
}

TEST_F(ProfilDialog, CancelRestoresTheWholeLoading) {
    TKAnwendung& a = zustand.Anwendung();
    const TKBelastung vorher = Belastung();
    QTimer::singleShot(0, [&] {
        Paar("2500", "40");
        dialog.Hinzufuegen();
        dialog.Loeschen();
        a.BelastungDesign().SetLastLaenge(1000);
        a.BelastungDesign().LinienLastLinks().SetF1(99);
        EXPECT_NE(Belastung().beliebigeLast(), vorher.beliebigeLast());
        QTest::keyClick(dialog.xKoordinate(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    const TKBelastung& b = Belastung();
    EXPECT_EQ(b.beliebigeLast(), vorher.beliebigeLast());
    EXPECT_DOUBLE_EQ(b.beliebigeLastSumme(), vorher.beliebigeLastSumme());
    EXPECT_DOUBLE_EQ(b.LastLaenge(), vorher.LastLaenge());
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().F1(), vorher.LinienLastLinks().F1());
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Gk(), 3);
    EXPECT_EQ(b.Belastungsfall(), 3);
    // OK keeps what the list made.
    QTimer::singleShot(0, [&] {
        Paar("2500", "40");
        dialog.Hinzufuegen();
        dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(Belastung().AnzPunkte(), 4);
}

TEST_F(ProfilDialog, EnterMovesTheFocusAndNeverCloses) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.xKoordinate()->setFocus();
    QTest::keyClick(dialog.xKoordinate(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog.xKoordinate(), QStringLiteral("1500"));
    QTest::keyClick(dialog.xKoordinate(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Lastwert());
    QTest::keyClick(dialog.Lastwert(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog.Lastwert(), QStringLiteral("8"));
    QTest::keyClick(dialog.Lastwert(), Qt::Key_Enter);
    ASSERT_TRUE(QApplication::focusWidget() != nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "BitBtnHinzufuegen");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "BitBtnAendern");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.xKoordinate()->text(), "1500");             // no character went in
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // Change
    EXPECT_EQ(Belastung().GetPunkt(1), (TKPunkt{1500, 8}));      // the first row, now sorted
    // Leaving x beyond the joint shows the range message and keeps the focus there.
    dialog.xKoordinate()->setFocus();
    QTest::keyClick(dialog.xKoordinate(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog.xKoordinate(), QStringLiteral("3500"));
    QTest::keyClick(dialog.xKoordinate(), Qt::Key_Tab);
    EXPECT_EQ(fragen.Meldungen, QStringList{"Input value is greater than allowed!"});
    EXPECT_EQ(QApplication::focusWidget(), dialog.xKoordinate());
    dialog.reject();
}

} // namespace
} // namespace trv::test
