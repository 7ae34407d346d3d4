#include "ui/dialogs/Stueckliste.h"

#include "../render/PdfText.h"
#include "Testrueckfragen.h"
#include "files/Ressourcen.h"
#include "schedule/Stuecklistenregeln.h"
#include "ui/dialogs/StuecklisteExport.h"
#include "ui/dialogs/Stuecklistenmodell.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Projektbefehle.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Stuecklistenbefehl.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

using Eintraege = std::vector<StuecklistenEintrag>;

const QString Beispiel = QStringLiteral(TRV_EXAMPLES_DIR "/several-positions-with-schedule.TRV");

// The four-position example: its schedule has an entry for each position, all active.
class Projekt : public ::testing::Test {
protected:
    Projekt() {
        Projektbefehle befehle(zustand_, fragen_);
        EXPECT_TRUE(befehle.ProjektLaden(Beispiel));
        EXPECT_TRUE(fragen_.Meldungen.isEmpty()) << fragen_.Meldungen.join('\n').toStdString();
    }
    TKStueckliste& Stueckliste() { return zustand_.Modell().Stueckliste(); }

    Projektzustand zustand_{TKIniDatei{}, TKRegional::Standard()};
    Testrueckfragen fragen_;
};

TEST_F(Projekt, AufnehmenNurMitGueltigenErgebnissenUndJeAntwort) {
    ASSERT_EQ(Stueckliste().AnzEintraege(), 4);
    zustand_.Modell().SetAktAnwendung(2);
    // Input mode: the results shown are not valid; nothing is asked and nothing added.
    zustand_.SetModus(amEingabe);
    EXPECT_FALSE(InStuecklisteAufnehmen(zustand_, fragen_, QStringLiteral("2")));
    EXPECT_TRUE(fragen_.Fragen.isEmpty());
    EXPECT_EQ(Stueckliste().AnzEintraege(), 4);

    zustand_.SetModus(amUebersicht);
    const StuecklistenEintrag alt = Stueckliste().GetEintrag(2);
    ASSERT_EQ(Feld(alt, stk::AnzahlPos), "2");
    // No: the existing entry of position 2 stays, a second one is appended.
    fragen_.JaNeinAntworten = {false};
    EXPECT_TRUE(InStuecklisteAufnehmen(zustand_, fragen_, QStringLiteral(" 2 ")));
    ASSERT_EQ(fragen_.Fragen.size(), 1);
    EXPECT_EQ(fragen_.Fragen[0].toStdString(), Ressource(res::StuecklisteUeberschreiben));
    ASSERT_EQ(Stueckliste().AnzEintraege(), 5);
    EXPECT_EQ(Stueckliste().GetEintrag(2), alt);
    const StuecklistenEintrag neu = Stueckliste().GetEintrag(5);
    EXPECT_EQ(Feld(neu, stk::PositionsNr), "2");
    EXPECT_EQ(Feld(neu, stk::AnzahlPos), "1");
    EXPECT_EQ(Feld(neu, stk::Position), zustand_.Anwendung().Position());

    // Two entries for position 2 now: No for the first, Yes for the second replaces that one.
    StuecklistenEintrag markiert = neu;
    markiert[stk::AnzahlPos] = "7";
    Stueckliste().EintragErsetzen(markiert, 5);
    fragen_.JaNeinAntworten = {false, true};
    EXPECT_TRUE(InStuecklisteAufnehmen(zustand_, fragen_, QStringLiteral("2")));
    EXPECT_EQ(fragen_.Fragen.size(), 3);
    ASSERT_EQ(Stueckliste().AnzEintraege(), 5);
    EXPECT_EQ(Stueckliste().GetEintrag(2), alt);
    EXPECT_EQ(Stueckliste().GetEintrag(5), neu);

    // Position 3 answered Yes: one entry for it, with the data of the new addition.
    zustand_.Modell().SetAktAnwendung(3);
    fragen_.JaNeinAntworten = {true};
    EXPECT_TRUE(InStuecklisteAufnehmen(zustand_, fragen_, QStringLiteral("3")));
    ASSERT_EQ(Stueckliste().AnzEintraege(), 5);
    EXPECT_EQ(Feld(Stueckliste().GetEintrag(3), stk::AnzahlPos), "1");
    EXPECT_EQ(Feld(Stueckliste().GetEintrag(3), stk::Position), zustand_.Anwendung().Position());
    EXPECT_TRUE(fragen_.JaNeinAntworten.empty());
}

class Fenster : public Projekt {
protected:
    Fenster() {
        if (Druckerwahl::DruckerInstalliert()) {
            // Never a real printer from a test: the PDF printer asks for its file.
            drucker_.Drucker().setOutputFormat(QPrinter::PdfFormat);
        }
    }
    void Oeffnen() {
        fenster_ = std::make_unique<TfrmStueckliste>(zustand_, drucker_, fragen_);
        fenster_->resize(1000, 640);
        fenster_->show();
        fenster_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));
    }
    template <typename T> T* Kind(const char* name) {
        T* kind = fenster_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    QTableView* Liste() { return Kind<QTableView>("clboxStueckliste"); }
    QAbstractItemModel* Modell() { return Liste()->model(); }
    QVariant Zelle(int zeile, int spalte, int rolle = Qt::DisplayRole) {
        return Modell()->index(zeile, spalte).data(rolle);
    }
    int Zeilen() { return Modell()->rowCount(); }
    int GewaehlteZeile() {
        const QModelIndexList zeilen = Liste()->selectionModel()->selectedRows();
        return zeilen.isEmpty() ? -1 : zeilen.front().row();
    }
    QSpinBox* Anzahl() { return Kind<QSpinBox>("seditAnzahlPos"); }
    void Klicken(const char* knopf) { QTest::mouseClick(Kind<QPushButton>(knopf), Qt::LeftButton); }
    // A click on row zeile: into its check box, or onto its position text.
    void ZeileKlicken(int zeile, bool haken) {
        const QModelIndex zelle = Modell()->index(zeile, haken ? 0 : 1);
        QPoint punkt = Liste()->visualRect(zelle).center();
        if (haken) {
            // Where the style draws the check box of the cell.
            QStyleOptionViewItem option;
            option.initFrom(Liste());
            option.rect = Liste()->visualRect(zelle);
            option.features |= QStyleOptionViewItem::HasCheckIndicator;
            option.showDecorationSelected = true;
            punkt = Liste()
                        ->style()
                        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, Liste())
                        .center();
        }
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, punkt);
    }
    // The user types a number of similar positions for the selected entry.
    void AnzahlTippen(int wert) {
        Anzahl()->setFocus();
        ASSERT_TRUE(Anzahl()->hasFocus());
        Anzahl()->selectAll();
        QTest::keyClicks(Anzahl(), QString::number(wert));
    }
    // Entry 2 gets 5 similar positions, entry 1 is unchecked.
    void Aendern() {
        ZeileKlicken(1, false);
        AnzahlTippen(5);
        ZeileKlicken(0, true);
        const Eintraege& kopie = fenster_->Arbeitskopie().Eintraege();
        ASSERT_EQ(kopie.size(), 4u);
        ASSERT_EQ(Feld(kopie[1], stk::AnzahlPos), "5");
        ASSERT_EQ(Feld(kopie[1], stk::Summe), "25");
        ASSERT_EQ(Feld(kopie[0], stk::Status), Ressource(res::StatusNichtAktiv));
    }
    void GeaendertGespeichert() {
        const Eintraege& e = Stueckliste().Eintraege();
        ASSERT_EQ(e.size(), 4u);
        EXPECT_EQ(Feld(e[1], stk::AnzahlPos), "5");
        EXPECT_EQ(Feld(e[1], stk::Summe), "25");
        EXPECT_FALSE(IstAktiv(e[0]));
        EXPECT_TRUE(IstAktiv(e[1]));
    }

    Druckerwahl drucker_;
    std::unique_ptr<TfrmStueckliste> fenster_;
    QTemporaryDir ordner_;
};

TEST_F(Fenster, ZeigtDieArbeitskopieMitSpaltenUndAuswahl) {
    Stueckliste().SetBemerkung({"first remark", "second remark"});
    Oeffnen();
    EXPECT_EQ(fenster_->minimumSize(), QSize(640, 480));
    ASSERT_EQ(Zeilen(), 4);
    EXPECT_EQ(Zelle(0, 1).toString(), QStringLiteral("Single connector at column corner"));
    EXPECT_EQ(Zelle(0, 0, Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(Zelle(0, 0, Qt::AccessibleTextRole).toString(), QStringLiteral("Active"));
    EXPECT_EQ(Zelle(0, 4).toString(), QStringLiteral("TRV 30"));
    EXPECT_EQ(Zelle(0, 2).toString(), QStringLiteral("6"));
    EXPECT_EQ(GewaehlteZeile(), 0);
    EXPECT_EQ(Anzahl()->value(), 6);
    EXPECT_EQ(fenster_->AktuelleAuswahl(),
              QStringLiteral("Position: Single connector at column corner  /  TRV 30"));
    EXPECT_EQ(Kind<QPlainTextEdit>("memoZusatztext")->toPlainText(),
              QStringLiteral("first remark\nsecond remark"));
    EXPECT_FALSE(fenster_->VorschauAnsicht());

    // The header: "Active" 45 wide, five visible columns, five hidden ones of width 0. A
    // column cannot be dragged beyond its limits, and the rows follow the new widths.
    auto* kopf = Kind<QHeaderView>("hcStueckliste");
    EXPECT_EQ(fenster_->Spaltenbreite(0), 45);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(kopf->isSectionHidden(i));
        EXPECT_EQ(kopf->sectionSize(i), fenster_->Spaltenbreite(i));
        EXPECT_GE(fenster_->Spaltenbreite(i), 30);
    }
    // The hidden sections are no columns: a reader would only read empty cells.
    EXPECT_EQ(kopf->count(), 6);
    for (int i = 6; i < TfrmStueckliste::Spalten; ++i) {
        EXPECT_EQ(fenster_->Spaltenbreite(i), 0);
    }
    // "Position" is padded with blanks, so its column is wider than "No. pos.".
    EXPECT_GT(fenster_->Spaltenbreite(1), fenster_->Spaltenbreite(2));
    kopf->resizeSection(1, 2000);
    EXPECT_EQ(fenster_->Spaltenbreite(1), 600);
    EXPECT_EQ(kopf->sectionSize(1), 600);
    kopf->resizeSection(0, 5);
    EXPECT_EQ(fenster_->Spaltenbreite(0), 30);
    // The header is the table's own: its columns are the sections.
    for (int i = 0; i < TfrmStueckliste::Spalten; ++i) {
        EXPECT_EQ(Liste()->columnWidth(i), fenster_->Spaltenbreite(i)) << i;
    }
    EXPECT_EQ(Modell()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Position"));

    // A click on the second row's text selects it and shows its count and designation.
    ZeileKlicken(1, false);
    EXPECT_EQ(Anzahl()->value(), 2);
    EXPECT_EQ(fenster_->AktuelleAuswahl(),
              QStringLiteral("Position: Slab to slab, 6 m, constant load  /  TRV 22"));
}

// The list is a table edited through its model: a count typed into its cell, check marks
// clicked and switched with Space, and a remark typed reach the project saved afterwards.
TEST_F(Fenster, ZellenBearbeitetUndImProjektGespeichert) {
    Oeffnen();
    const QModelIndex anzahl = Modell()->index(1, TStuecklistenModell::AnzahlPos);
    const QPoint mitte = Liste()->visualRect(anzahl).center();
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, mitte);
    QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, mitte);
    auto* editor = qobject_cast<QSpinBox*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->minimum(), 1);
    EXPECT_EQ(editor->maximum(), 99999);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view takes the typed value over when it gets back
    EXPECT_EQ(Zelle(1, TStuecklistenModell::AnzahlPos).toString(), QStringLiteral("7"));
    EXPECT_EQ(Zelle(1, TStuecklistenModell::Summe).toString(), QStringLiteral("35"));
    // The selected entry's spin edit shows the count typed into the list.
    EXPECT_EQ(GewaehlteZeile(), 1);
    EXPECT_EQ(Anzahl()->value(), 7);
    // Only the rules' counts are taken; the position text is not editable.
    EXPECT_FALSE(Modell()->setData(anzahl, 0, Qt::EditRole));
    EXPECT_FALSE(Modell()->setData(Modell()->index(1, TStuecklistenModell::Position),
                                   QStringLiteral("x"), Qt::EditRole));
    EXPECT_EQ(Zelle(1, TStuecklistenModell::AnzahlPos).toString(), QStringLiteral("7"));

    // The first entry's check mark clicked off.
    ZeileKlicken(0, true);
    EXPECT_EQ(Zelle(0, 0, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(Zelle(0, 0, Qt::AccessibleTextRole).toString(), QStringLiteral("Not active"));
    // Space on the third entry switches it off and on again, the fourth off.
    ZeileKlicken(2, false);
    QTest::keyClick(Liste(), Qt::Key_Space);
    EXPECT_EQ(Zelle(2, 0, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    QTest::keyClick(Liste(), Qt::Key_Space);
    EXPECT_EQ(Zelle(2, 0, Qt::CheckStateRole).toInt(), Qt::Checked);
    QTest::keyClick(Liste(), Qt::Key_Down);
    QTest::keyClick(Liste(), Qt::Key_Space);
    EXPECT_EQ(Zelle(3, 0, Qt::CheckStateRole).toInt(), Qt::Unchecked);

    auto* memo = Kind<QPlainTextEdit>("memoZusatztext");
    memo->setFocus();
    memo->selectAll();
    QTest::keyClicks(memo, QStringLiteral("lot 1"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("lot 2"));
    QTest::keyClick(memo, Qt::Key_Return);
    Klicken("OKBtn");

    const QString datei = ordner_.filePath(QStringLiteral("geplant.TRV"));
    fragen_.Dateien = {datei};
    ASSERT_TRUE(Projektbefehle(zustand_, fragen_).SpeichernUnter());
    Projektzustand gelesen{TKIniDatei{}, TKRegional::Standard()};
    ASSERT_TRUE(Projektbefehle(gelesen, fragen_).ProjektLaden(datei));
    const TKStueckliste& s = gelesen.Modell().Stueckliste();
    ASSERT_EQ(s.AnzEintraege(), 4);
    EXPECT_EQ(Feld(s.GetEintrag(2), stk::AnzahlPos), "7");
    EXPECT_EQ(Feld(s.GetEintrag(2), stk::Summe), "35");
    EXPECT_EQ((std::vector<bool>{IstAktiv(s.GetEintrag(1)), IstAktiv(s.GetEintrag(2)),
                                 IstAktiv(s.GetEintrag(3)), IstAktiv(s.GetEintrag(4))}),
              (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(s.GetBemerkung(), (std::vector<std::string>{"lot 1", "lot 2"}));
    EXPECT_TRUE(fragen_.Meldungen.isEmpty()) << fragen_.Meldungen.join('\n').toStdString();
}

TEST_F(Fenster, SchliessenOhneZurueckLaesstDieStuecklisteUnveraendert) {
    const Eintraege vorher = Stueckliste().Eintraege();
    Oeffnen();
    Aendern();
    Kind<QPlainTextEdit>("memoZusatztext")->setPlainText(QStringLiteral("changed"));
    fenster_->close(); // the title bar's close button
    EXPECT_FALSE(fenster_->isVisible());
    EXPECT_EQ(Stueckliste().Eintraege(), vorher);
    EXPECT_EQ(Stueckliste().GetBemerkung(),
              std::vector<std::string>{"Delivery in two lots: level 1 east, level 1 west."});

    // Opened again, the window shows the project's schedule, not the discarded changes.
    fenster_->show();
    EXPECT_EQ(fenster_->Arbeitskopie().Eintraege(), vorher);
    EXPECT_EQ(Zelle(0, 0, Qt::CheckStateRole).toInt(), Qt::Checked);
}

TEST_F(Fenster, ZurueckSpeichertDieAenderungen) {
    Oeffnen();
    Aendern();
    Kind<QPlainTextEdit>("memoZusatztext")->setPlainText(QStringLiteral("line 1\nline 2\n"));
    Klicken("OKBtn");
    EXPECT_FALSE(fenster_->isVisible());
    EXPECT_EQ(fenster_->result(), QDialog::Accepted);
    GeaendertGespeichert();
    EXPECT_EQ(Stueckliste().GetBemerkung(), (std::vector<std::string>{"line 1", "line 2"}));
}

TEST_F(Fenster, VorschauSpeichertAuchWennDanachGeschlossenWird) {
    Oeffnen();
    Aendern();
    Klicken("BitBtnVorschau");
    EXPECT_TRUE(fenster_->VorschauAnsicht());
    GeaendertGespeichert();
    EXPECT_TRUE(Kind<QScrollArea>("scboxVorschau")->isVisible());
    EXPECT_TRUE(Kind<QLabel>("MemoInfoExport")->isVisible());
    EXPECT_FALSE(Kind<QPushButton>("BitBtnVorschau")->isVisible());
    EXPECT_TRUE(Kind<QPushButton>("BitBtnExport")->isVisible());
    // One A4 page (printable area) at 96 px per inch: the short schedule needs no more.
    const QImage& bild = fenster_->VorschauBild();
    EXPECT_NEAR(bild.width(), 794, 40);
    EXPECT_NEAR(bild.height(), 1123, 60);

    Klicken("BitBtnListe");
    EXPECT_FALSE(fenster_->VorschauAnsicht());
    EXPECT_TRUE(Liste()->isVisible());
    fenster_->close();
    GeaendertGespeichert();

    // The clipboard gets the preview picture.
    Oeffnen();
    Klicken("BitBtnVorschau");
    Klicken("BitBtnZWAblage");
    EXPECT_EQ(QApplication::clipboard()->image().size(), fenster_->VorschauBild().size());
}

TEST_F(Fenster, EigeneAenderungDesZaehlersAendertKeinenEintrag) {
    const Eintraege vorher = Stueckliste().Eintraege();
    Oeffnen();
    // Choosing rows sets the spin edit to each entry's count: no entry takes it over.
    ZeileKlicken(1, false);
    EXPECT_EQ(Anzahl()->value(), 2);
    ZeileKlicken(3, false);
    EXPECT_EQ(Anzahl()->value(), 3);
    ZeileKlicken(0, false);
    EXPECT_EQ(Anzahl()->value(), 6);
    QTest::keyClick(Liste(), Qt::Key_Down);
    EXPECT_EQ(Anzahl()->value(), 2);
    // A value set while the spin edit has no focus changes nothing either.
    ASSERT_FALSE(Anzahl()->hasFocus());
    Anzahl()->setValue(42);
    EXPECT_EQ(fenster_->Arbeitskopie().Eintraege(), vorher);
    // The same value typed by the user changes the selected entry.
    AnzahlTippen(12);
    EXPECT_EQ(Anzahl()->value(), 12);
    EXPECT_EQ(Feld(fenster_->Arbeitskopie().GetEintrag(2), stk::Summe), "60");
    EXPECT_EQ(Feld(fenster_->Arbeitskopie().GetEintrag(1), stk::Summe), "6");
}

TEST_F(Fenster, LetztenEintragLoeschenHinterlaesstLeereListe) {
    Oeffnen();
    ZeileKlicken(2, false);
    Klicken("BitBtnLoeschen");
    ASSERT_EQ(Zeilen(), 3);
    EXPECT_EQ(Feld(fenster_->Arbeitskopie().GetEintrag(3), stk::Position),
              "Slab to slab, 12 m, load profile");
    EXPECT_EQ(Zelle(2, 1).toString(), QStringLiteral("Slab to slab, 12 m, load profile"));
    EXPECT_EQ(GewaehlteZeile(), -1);
    EXPECT_TRUE(fenster_->AktuelleAuswahl().isEmpty());
    // Nothing selected: Delete does nothing.
    Klicken("BitBtnLoeschen");
    EXPECT_EQ(Zeilen(), 3);
    for (int rest = 3; rest > 0; --rest) {
        ZeileKlicken(0, false);
        EXPECT_FALSE(fenster_->AktuelleAuswahl().isEmpty());
        Klicken("BitBtnLoeschen");
    }
    EXPECT_EQ(Zeilen(), 0);
    EXPECT_EQ(fenster_->Arbeitskopie().AnzEintraege(), 0);
    EXPECT_TRUE(fenster_->AktuelleAuswahl().isEmpty());
    Klicken("OKBtn");
    EXPECT_EQ(Stueckliste().AnzEintraege(), 0);
    EXPECT_EQ(Stueckliste().GetBemerkung().size(), 1u);
}

TEST_F(Fenster, LeereStuecklisteZeigtNurDieBemerkung) {
    Stueckliste().EintraegeLoeschen();
    Stueckliste().SetBemerkung({"nothing to deliver yet"});
    Oeffnen();
    EXPECT_EQ(Zeilen(), 0);
    EXPECT_EQ(GewaehlteZeile(), -1);
    EXPECT_TRUE(fenster_->AktuelleAuswahl().isEmpty());
    EXPECT_EQ(Kind<QPlainTextEdit>("memoZusatztext")->toPlainText(),
              QStringLiteral("nothing to deliver yet"));
    // Typing a count with nothing selected changes nothing; Delete neither.
    AnzahlTippen(9);
    Klicken("BitBtnLoeschen");
    Klicken("BitBtnVorschau");
    EXPECT_FALSE(fenster_->VorschauBild().isNull());
    EXPECT_EQ(Stueckliste().AnzEintraege(), 0);
    EXPECT_EQ(Stueckliste().GetBemerkung(), std::vector<std::string>{"nothing to deliver yet"});
}

TEST_F(Fenster, EnterWandertDurchDasFensterAusserImBemerkungsfeld) {
    Oeffnen();
    auto* memo = Kind<QPlainTextEdit>("memoZusatztext");
    AnzahlTippen(3);
    QTest::keyClick(Anzahl(), Qt::Key_Return);
    EXPECT_FALSE(Anzahl()->hasFocus());
    EXPECT_TRUE(fenster_->isVisible()); // no button took the Enter
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(Anzahl()->hasFocus());
    memo->setFocus();
    memo->clear();
    QTest::keyClicks(memo, QStringLiteral("a"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("b"));
    EXPECT_TRUE(memo->hasFocus());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("a\nb"));
}

TEST(StuecklistenExport, TypwechselSetztDieStandardendung) {
    TStuecklistenExportDialog dialog;
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("svg"));
    EXPECT_EQ(dialog.Typ(), StuecklistenExportTyp::Metafile);
    EXPECT_EQ(dialog.nameFilters().size(), 4);
    dialog.show();
    auto* typen = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(typen, nullptr);
    // The user picks each type in turn with the keyboard, then goes back to the first.
    const QStringList erwartet{QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("txt")};
    for (const QString& endung : erwartet) {
        QTest::keyClick(typen, Qt::Key_Down);
        EXPECT_EQ(dialog.defaultSuffix(), endung);
    }
    EXPECT_EQ(dialog.Typ(), StuecklistenExportTyp::Text);
    QTest::keyClick(typen, Qt::Key_Home);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("svg"));
    dialog.NamenVorschlagen();
    dialog.hide();

    EXPECT_EQ(ExportDateiname(QStringLiteral("/a/plan.emf"), StuecklistenExportTyp::Text),
              QStringLiteral("/a/plan.txt"));
    EXPECT_EQ(ExportDateiname(QStringLiteral("/a.b/plan"), StuecklistenExportTyp::Jpeg),
              QStringLiteral("/a.b/plan"));
    EXPECT_EQ(ExportTypAusFilter(7), StuecklistenExportTyp::Metafile);
}

TEST_F(Fenster, ExportJeTypMitErsetzterEndung) {
    Oeffnen();
    Klicken("BitBtnVorschau");
    const QImage vorschau = fenster_->VorschauBild();
    // The export dialog answered as a user would: a type, a name, Save.
    const auto exportieren = [&](int typ, const QString& name) {
        QTimer::singleShot(0, [&, typ, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(dialog->nameFilters().value(typ));
            // Typed into the name field, as the user does.
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(ordner_.filePath(name));
            static_cast<QDialog*>(dialog)->accept(); // Save, as the user clicks it
        });
        fenster_->Exportieren();
    };

    exportieren(3, QStringLiteral("plan.emf"));
    EXPECT_FALSE(QFile::exists(ordner_.filePath(QStringLiteral("plan.emf"))));
    QFile text(ordner_.filePath(QStringLiteral("plan.txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QByteArray inhalt = text.readAll();
    EXPECT_TRUE(inhalt.startsWith("Varnel - TRV / ZEDE Shear Connector\r\nConnector Schedule\r\n"));
    EXPECT_TRUE(inhalt.contains("Position(s): Slab to slab, 12 m, load profile\r\n"));

    exportieren(1, QStringLiteral("plan.svg"));
    EXPECT_EQ(QImage(ordner_.filePath(QStringLiteral("plan.bmp"))).size(), vorschau.size());
    exportieren(2, QStringLiteral("plan"));
    EXPECT_EQ(QImage(ordner_.filePath(QStringLiteral("plan.jpg")), "jpg").size(), vorschau.size());
    exportieren(0, QStringLiteral("plan"));
    QFile svg(ordner_.filePath(QStringLiteral("plan.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray vektor = svg.readAll();
    EXPECT_TRUE(vektor.contains("<svg"));
    EXPECT_TRUE(vektor.contains("Slab to wall, 4.5 m, linear load"));
    EXPECT_TRUE(fragen_.Fragen.isEmpty());
    EXPECT_TRUE(fragen_.Meldungen.isEmpty()) << fragen_.Meldungen.join('\n').toStdString();

    // The text type chosen with a name of another type whose text file exists: the changed
    // name is asked about first; No leaves that file as it was.
    QFile::resize(ordner_.filePath(QStringLiteral("plan.txt")), 3);
    fragen_.JaNeinAntworten = {false};
    exportieren(3, QStringLiteral("plan.png"));
    ASSERT_EQ(fragen_.Fragen.size(), 1);
    EXPECT_TRUE(fragen_.Fragen[0].startsWith(QStringLiteral("plan.txt")));
    EXPECT_EQ(QFileInfo(ordner_.filePath(QStringLiteral("plan.txt"))).size(), 3);
    // Yes replaces it.
    fragen_.JaNeinAntworten = {true};
    exportieren(3, QStringLiteral("plan.png"));
    EXPECT_GT(QFileInfo(ordner_.filePath(QStringLiteral("plan.txt"))).size(), 1000);

    // A folder that does not exist: the program's message, nothing written.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    fenster_->Exportieren(); // cancelled: nothing happens
    // Save with the proposed pattern left in the name field writes no file called "*.svg".
    QTimer::singleShot(0,
                       [] { static_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
    fenster_->Exportieren();
    EXPECT_EQ(QDir(ordner_.path()).entryList(QDir::Files).size(), 4); // txt, bmp, jpg, svg
    EXPECT_TRUE(fragen_.Meldungen.isEmpty());
    // A picture into a folder that is not there: the message names the file it could not
    // write and the folder.
    exportieren(1, QStringLiteral("no/such/plan.bmp"));
    ASSERT_EQ(fragen_.Meldungen.size(), 1);
    EXPECT_TRUE(fragen_.Meldungen[0].contains(ordner_.filePath(QStringLiteral("no/such/plan.bmp"))))
        << fragen_.Meldungen[0].toStdString();
    EXPECT_TRUE(fragen_.Meldungen[0].contains(QStringLiteral("cannot write into the folder")));
    EXPECT_FALSE(QFile::exists(ordner_.filePath(QStringLiteral("no/such/plan.bmp"))));
    fragen_.Meldungen.clear();
    std::string fehler;
    EXPECT_FALSE(StuecklisteExportSchreiben(ordner_.filePath(QStringLiteral("no/such/plan.txt")),
                                            StuecklistenExportTyp::Text, vorschau, {},
                                            zustand_.Modell(), fehler));
    EXPECT_EQ(fehler, Ressource(res::StuecklisteExportFehler));
    EXPECT_FALSE(StuecklisteExportSchreiben(ordner_.filePath(QStringLiteral("no/such/plan.bmp")),
                                            StuecklistenExportTyp::Bitmap, vorschau, {},
                                            zustand_.Modell(), fehler));
}

// Printing a long schedule: on the PDF printer (no printer installed, or a test), the file
// asked for. Every active entry appears once and in order, each page carries the frame, and
// no entry is split by a page break or runs into the contact block at the foot of a page.
TEST_F(Fenster, SechzigEintraegeUeberMehrereSeitenGedruckt) {
    Stueckliste().EintraegeLoeschen();
    QStringList erwartet;
    for (int i = 1; i <= 60; ++i) {
        const std::string name = "Pos-" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        StuecklistenEintrag e = NeuerEintrag(name, 4, i % 2 ? "TRV 22" : "ZEDE 35", i, 50.5, '.');
        if (i % 10 == 7) {
            e[stk::Status] = Ressource(res::StatusNichtAktiv);
        } else {
            erwartet << QString::fromStdString(name);
        }
        if (i % 9 == 0) {
            e[stk::Zusatz] = "TRV 18"; // two more lines: the longest entries
        }
        Stueckliste().EintragHinzufuegen(e);
    }
    Oeffnen();
    const QString pdf = ordner_.filePath(QStringLiteral("schedule.pdf"));
    fragen_.Dateien = {pdf};
    Klicken("BitBtnDrucken");
    ASSERT_TRUE(fragen_.Meldungen.isEmpty()) << fragen_.Meldungen.join('\n').toStdString();
    const PdfInfo info = PdfInfoLesen(pdf);
    ASSERT_GT(info.Seiten, 2);

    const QRegularExpression position(QStringLiteral("Position\\(s\\):\\s+(Pos-\\d\\d)"));
    QStringList gedruckt;
    for (int seite = 1; seite <= info.Seiten; ++seite) {
        const QStringList zeilen = PdfTextLesen(pdf, seite).split(QLatin1Char('\n'));
        const auto zaehlen = [&](const QString& text) {
            return static_cast<int>(std::count_if(
                zeilen.begin(), zeilen.end(), [&](const QString& z) { return z.contains(text); }));
        };
        EXPECT_EQ(zaehlen(QStringLiteral("Connector Schedule")), 1) << "page " << seite;
        int fuss = -1; // the first line of the contact block
        int letzte = -1;
        int hier = 0;
        for (int z = 0; z < zeilen.size(); ++z) {
            if (fuss < 0 && zeilen[z].contains(QStringLiteral("Switzerland"))) {
                fuss = z;
            }
            const auto treffer = position.match(zeilen[z]);
            if (treffer.hasMatch()) {
                gedruckt << treffer.captured(1);
                ++hier;
            }
            if (zeilen[z].contains(QStringLiteral("Type: "))) {
                letzte = z;
            }
        }
        // Each entry on the page is whole: its first, middle and last lines are all here.
        EXPECT_GT(hier, 0) << "page " << seite;
        EXPECT_EQ(zaehlen(QStringLiteral("Shear connectors supply")), hier) << "page " << seite;
        EXPECT_EQ(zaehlen(QStringLiteral("stainless steel 1.4462")), hier) << "page " << seite;
        EXPECT_EQ(zaehlen(QStringLiteral("Single shear connector")), hier) << "page " << seite;
        EXPECT_EQ(zaehlen(QStringLiteral("Type: ")) - zaehlen(QStringLiteral("fire protection")),
                  hier)
            << "page " << seite;
        ASSERT_GE(fuss, 0) << "page " << seite;
        EXPECT_LT(letzte, fuss) << "page " << seite;
    }
    EXPECT_EQ(gedruckt, erwartet);
    // The printed schedule is the project's: Print stored the window's working copy first.
    EXPECT_EQ(Stueckliste().AnzEintraege(), 60);
}

} // namespace
} // namespace trv::test
