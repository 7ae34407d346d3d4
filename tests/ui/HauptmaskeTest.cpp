// The main window driven as a user would: commands, positions, modes, the result list, the
// tree and the keyboard. Questions are answered by script; an unanswered one fails the test.
#include "Hauptfenster.h"
#include "model/Nutzertext.h"
#include "model/Zahlen.h"
#include "ui/main/Befehle.h"
#include "ui/main/Blattansicht.h"
#include "ui/main/Eingabebaum.h"
#include "ui/main/Eingabefeld.h"
#include "ui/main/Eingabepanel.h"
#include "ui/main/Ergebnisliste.h"
#include "ui/main/Projektbefehle.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>

namespace trv::test {
namespace {

QTreeWidgetItem* KnotenMitText(QTreeWidget* baum, const QString& text) {
    const auto treffer = baum->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return treffer.isEmpty() ? nullptr : treffer.front();
}

void KnotenKlicken(QTreeWidget* baum, QTreeWidgetItem* knoten) {
    baum->scrollToItem(knoten);
    QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, baum->visualItemRect(knoten).center());
    QApplication::processEvents(); // the command runs after the click
}

TEST(HauptmaskeTest, StartOhneArgumenteIstEinUnbenanntesProjektImEingabemodus) {
    Hauptfenster f;
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Varnel - TRV / ZEDE Shear Connectors: Unnamed"));
    EXPECT_EQ(f->Zustand().Modell().AnzAnwendung(), 1);
    EXPECT_EQ(f->Zustand().Anwendung().Position(), "1");
    EXPECT_EQ(f->Zustand().Modus(), amEingabe);
    EXPECT_FALSE(f->Ergebnisliste()->isVisible());
    EXPECT_FALSE(f->Aktionen().mnuInStueckliste->isEnabled());
    EXPECT_EQ(f->Statusfeld(1)->text(), QStringLiteral("TRV - 1.0"));
    EXPECT_TRUE(f.fragen.Meldungen.isEmpty());
}

TEST(HauptmaskeTest, BefehlszeileOeffnetDasProjektOderMeldetDasFehlen) {
    Hauptfenster mit({Beispiel("slab-to-wall-linear.TRV")});
    EXPECT_TRUE(mit->windowTitle().endsWith(QStringLiteral("slab-to-wall-linear.TRV")));
    EXPECT_EQ(mit->Zustand().Modus(), amUebersicht); // the example was saved calculated
    EXPECT_TRUE(mit->Ergebnisliste()->isVisible());
    EXPECT_EQ(mit->Ergebnisliste()->topLevelItemCount(), 14);
    // The connector type stored as selected stays selected, in the list and in the model.
    const TErgebnisliste* liste = mit->Ergebnisliste();
    EXPECT_EQ(mit->Zustand().Anwendung().Ergebnisse().AktDorn(), 0);
    EXPECT_EQ(liste->indexOfTopLevelItem(liste->currentItem()), 0);

    // A name with blanks arrives as several arguments and is joined again.
    Hauptfenster ohne({QStringLiteral("  no"), QStringLiteral("such file.TRV")});
    EXPECT_EQ(ohne.fragen.Meldungen, QStringList{QStringLiteral("Cannot open file!")});
    EXPECT_TRUE(ohne->windowTitle().endsWith(QStringLiteral(": Unnamed")));
}

TEST(HauptmaskeTest, BerechnungFuelltDieListeUndWaehltDenVorschlag) {
    Hauptfenster f;
    f->Berechnen();
    ASSERT_EQ(f->Zustand().Modus(), amUebersicht);
    const TKErgebnisse& e = f->Zustand().Anwendung().Ergebnisse();
    EXPECT_TRUE(e.Berechnet());
    TErgebnisliste* liste = f->Ergebnisliste();
    ASSERT_EQ(liste->topLevelItemCount(), 14);
    EXPECT_EQ(liste->indexOfTopLevelItem(liste->currentItem()), e.AktDorn());
    EXPECT_EQ(liste->topLevelItem(7)->text(0), QStringLiteral("ZEDE 18"));
    EXPECT_TRUE(f->Aktionen().mnuInStueckliste->isEnabled());
    EXPECT_FALSE(f->Aktionen().mnuSystemeingabe->isEnabled());

    // Another row makes its type the position's connector and the sketch's.
    liste->setCurrentItem(liste->topLevelItem(12));
    EXPECT_EQ(e.AktDorn(), 12);
    EXPECT_EQ(f->Zustand().Modell().DornDaten().DornIndex(), 12);
}

TEST(HauptmaskeTest, UnplausibleEingabenZeigenHinweiseUndLassenKeineAltenErgebnisse) {
    Hauptfenster f({Beispiel("slab-to-slab-6m-constant.TRV")});
    ASSERT_EQ(f->Zustand().Modus(), amUebersicht);
    TKGeometrie& g = f->Zustand().Anwendung().Geometrie();
    g.SetBetondeckungOben(200);
    g.SetBetondeckungUnten(200);
    f->Berechnen();
    EXPECT_FALSE(f->Hinweise()->isHidden());
    EXPECT_FALSE(f->Hinweise()->toPlainText().isEmpty());
    EXPECT_EQ(f->Zustand().Modus(), amEingabe);
    EXPECT_FALSE(f->Zustand().Anwendung().Ergebnisse().Berechnet());
    EXPECT_FALSE(f->Ergebnisliste()->isVisible());
}

TEST(HauptmaskeTest, ListeZeigtFestkommaMitRegionalemTrennerUndStatusText) {
    TKRegional komma = TKRegional::Standard();
    komma.Dezimaltrenner = ',';
    Hauptfenster f({}, komma);
    f->Berechnen();
    TKDornErgebnis& r = f->Zustand().Anwendung().Ergebnisse().DornErgebnis(3);
    r.SetEtaQ(0.5);
    r.SetAsxIst(310.6);
    r.SetFRd(123.46);
    r.SetStatus(4);
    f->Systemeingabe(); // refills the list
    const QTreeWidgetItem* zeile = f->Ergebnisliste()->topLevelItem(3);
    EXPECT_EQ(zeile->text(1), QStringLiteral("311"));
    EXPECT_EQ(zeile->text(3), QStringLiteral("123,5"));
    EXPECT_EQ(zeile->text(4), QStringLiteral("0,50"));
    EXPECT_EQ(zeile->text(6), QStringLiteral("c < min c"));
    EXPECT_FALSE(zeile->icon(0).isNull());
}

TEST(HauptmaskeTest, AbstandshinweisErscheintEinmalJeBerechnungUndTyp) {
    Hauptfenster f;
    f->Berechnen();
    TKErgebnisse& e = f->Zustand().Anwendung().Ergebnisse();
    const int anderer = e.AktDorn() == 5 ? 6 : 5;
    e.DornErgebnis(anderer).SetAbstandMeldung(true);
    TErgebnisliste* liste = f->Ergebnisliste();
    liste->setCurrentItem(liste->topLevelItem(anderer));
    ASSERT_EQ(f.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(f.fragen.Meldungen.front().contains(QStringLiteral("check dowel alignment")));
    liste->setCurrentItem(liste->topLevelItem(0));
    liste->setCurrentItem(liste->topLevelItem(anderer));
    EXPECT_EQ(f.fragen.Meldungen.size(), 1);
}

TEST(HauptmaskeTest, ScheitertJederTypWirdTRV18Gewaehlt) {
    Hauptfenster f;
    TKAnwendung& a = f->Zustand().Anwendung();
    a.SetAnwendungsfall(0);
    a.BelastungDesign().SetBelastungsfall(0);
    a.BelastungDesign().Punktlast().SetFd(100000);
    f->Berechnen();
    ASSERT_EQ(f->Zustand().Modus(), amUebersicht);
    EXPECT_EQ(a.Ergebnisse().AktDorn(), 0);
    EXPECT_EQ(f->Ergebnisliste()->currentItem(), f->Ergebnisliste()->topLevelItem(0));
}

TEST(HauptmaskeTest, PositionenHinzufuegenLoeschenUndWechseln) {
    Hauptfenster f;
    f->Berechnen();
    // The copy carries the results: the new position shows its list without a calculation.
    f->Aktionen().mnuPositionHinzufuegen->trigger();
    TKModell& m = f->Zustand().Modell();
    ASSERT_EQ(m.AnzAnwendung(), 2);
    EXPECT_EQ(m.AktAnwendung(), 2);
    EXPECT_EQ(m.AktuelleAnwendung().Position(), "2");
    EXPECT_EQ(f->Zustand().Modus(), amUebersicht);
    EXPECT_TRUE(f->Ergebnisliste()->isVisible());
    EXPECT_EQ(f->PositionsAuswahl()->maximum(), 2);
    EXPECT_EQ(f->Baum()->AnzahlPositionen(), 2);

    f->Aktionen().mnuPositionHinzufuegen->trigger();
    m.Anwendung(3).SetPosition("drei");
    f->PositionsAuswahl()->setValue(2);
    EXPECT_EQ(m.AktAnwendung(), 2);
    // Deleting position 2 of 3: old 3 moves up and, being the last, becomes current.
    f->Aktionen().mnuPositionLoeschen->trigger();
    ASSERT_EQ(m.AnzAnwendung(), 2);
    EXPECT_EQ(m.AktAnwendung(), 2);
    EXPECT_EQ(m.AktuelleAnwendung().Position(), "drei");
    EXPECT_EQ(f->PositionsAuswahl()->value(), 2);
    EXPECT_EQ(f->Baum()->AnzahlPositionen(), 2);

    // A number above the count selects the last position, also typed into the selector.
    f->Kommandos().PositionWaehlen(9);
    EXPECT_EQ(m.AktAnwendung(), 2);
    f->PositionsAuswahl()->setValue(1);
    ASSERT_EQ(m.AktAnwendung(), 1);
    QSpinBox* auswahl = f->PositionsAuswahl();
    auswahl->setFocus();
    auswahl->selectAll();
    QTest::keyClicks(auswahl, QStringLiteral("9"));
    QTest::keyClick(auswahl, Qt::Key_Return);
    EXPECT_EQ(m.AktAnwendung(), 2);
    EXPECT_EQ(auswahl->text(), QStringLiteral("2"));

    f->Aktionen().mnuPositionLoeschen->trigger();
    f->Aktionen().mnuPositionLoeschen->trigger();
    EXPECT_EQ(m.AnzAnwendung(), 1);
    ASSERT_EQ(f.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(f.fragen.Meldungen.front().contains(QStringLiteral("cannot be removed")));
}

// The sketch drawn is the one whose button is down after every way of reaching a calculated
// position, and Add Position leaves the engineer in the new position's name.
TEST(HauptmaskeTest, NachJedemWechselZeigtDieSkizzeDenGedruecktenKnopf) {
    const QString datei = Beispiel("slab-to-slab-6m-constant.TRV");
    Hauptfenster f({datei});
    f->show();
    TKModell& m = f->Zustand().Modell();
    const auto zeigtSchnitt = [&] {
        return f->Zustand().Modus() == amUebersicht && m.SkizzeAnzeige() == 2 &&
               f->Aktionen().tbSchnitt->isChecked();
    };
    ASSERT_EQ(f->Zustand().Modus(), amUebersicht);
    f->Aktionen().tbSchnitt->trigger();
    ASSERT_TRUE(zeigtSchnitt());

    f->Aktionen().mnuPositionHinzufuegen->trigger();
    EXPECT_TRUE(zeigtSchnitt()) << "Add Position";
    EXPECT_EQ(QApplication::focusWidget(), f->PositionText());
    f->PositionsAuswahl()->setValue(1);
    EXPECT_TRUE(zeigtSchnitt()) << "selector";
    KnotenKlicken(f->Baum(),
                  KnotenMitText(f->Baum(), QStringLiteral("Current Positions"))->child(1));
    EXPECT_EQ(m.AktAnwendung(), 2);
    EXPECT_TRUE(zeigtSchnitt()) << "tree";

    // Opening a project shows the sketch it was saved with, and its button is down.
    f.fragen.Antworten.push_back(Antwort::Nein);
    ASSERT_TRUE(f->Kommandos().DateiOeffnen(datei));
    const TKModell& geoeffnet = f->Zustand().Modell(); // a new model replaced the old one
    const int gespeichert = geoeffnet.ErgebnisAnzeige();
    EXPECT_EQ(geoeffnet.SkizzeAnzeige(), gespeichert);
    const QAction* knopf[] = {f->Aktionen().tbAnsicht, f->Aktionen().tbDraufsicht,
                              f->Aktionen().tbSchnitt, f->Aktionen().tbReihenAnsicht};
    EXPECT_TRUE(knopf[gespeichert]->isChecked());

    // Enter on a command button under the tree moves on and presses nothing.
    f->Aktionen().mnuSystemeingabe->trigger();
    f->Kommandos().AnzeigeModusSetzen(amEingabe);
    auto* rechnen = f->findChild<QAbstractButton*>(QStringLiteral("BitBtnBerechnen"));
    ASSERT_NE(rechnen, nullptr);
    rechnen->setFocus();
    QTest::keyClick(rechnen, Qt::Key_Return);
    EXPECT_EQ(f->Zustand().Modus(), amEingabe);
    EXPECT_NE(QApplication::focusWidget(), rechnen);
}

// A window destroyed without being closed first (the focus still in a field being typed in)
// must not take the field over into its project, which goes before its controls.
TEST(HauptmaskeTest, FensterOhneSchliessenZerstoertUebernimmtNichtsMehr) {
    Hauptfenster f;
    f->Aktionen().mnuPositionHinzufuegen->trigger();
    ASSERT_EQ(QApplication::focusWidget(), f->PositionText());
    QTest::keyClicks(f->PositionText(), QStringLiteral("Achse B"));
    f.fenster.reset(); // crashed in the field's focus-out
    SUCCEED();
}

TEST(HauptmaskeTest, BaumWechseltPositionenUndGruppenknotenTunNichts) {
    Hauptfenster f;
    for (int i = 0; i < 2; ++i) {
        f->Aktionen().mnuPositionHinzufuegen->trigger();
    }
    f->PositionsAuswahl()->setValue(1);
    QTreeWidget* baum = f->Baum();
    QTreeWidgetItem* positionen = KnotenMitText(baum, QStringLiteral("Current Positions"));
    ASSERT_NE(positionen, nullptr);
    KnotenKlicken(baum, positionen);
    EXPECT_EQ(f->Zustand().Modell().AktAnwendung(), 1);
    KnotenKlicken(baum, positionen->child(2));
    EXPECT_EQ(f->Zustand().Modell().AktAnwendung(), 3);
    EXPECT_EQ(f->PositionsAuswahl()->value(), 3);

    // A command node runs its command: "Add Position".
    KnotenKlicken(baum, KnotenMitText(baum, QStringLiteral("Add Position")));
    EXPECT_EQ(f->Zustand().Modell().AnzAnwendung(), 4);

    // The header fields follow into the tree.
    QTest::keyClicks(f->Bauvorhaben(), QStringLiteral("Bridge"));
    EXPECT_NE(KnotenMitText(baum, QStringLiteral("Project: Bridge")), nullptr);
    EXPECT_EQ(f->Zustand().Modell().Projektbeschreibung().Bauvorhaben(), "Bridge");
}

TEST(HauptmaskeTest, VorschauZeigtSeitenUndSystemeingabeKehrtZurUebersichtZurueck) {
    Hauptfenster f({Beispiel("row-12m-load-profile.TRV")});
    f->Vorschau();
    ASSERT_EQ(f->Zustand().Modus(), amErgebnisblatt);
    EXPECT_EQ(f->Blatt()->Seiten().size(), 3u); // arbitrary load profile: three pages
    EXPECT_TRUE(f->Blatt()->isVisible());
    EXPECT_TRUE(f->Aktionen().mnuSystemeingabe->isEnabled());
    EXPECT_NE(KnotenMitText(f->Baum(), QStringLiteral("System Input")), nullptr);
    // Wider than a page: centred.
    const int frei = f->Blatt()->viewport()->width() - f->Blatt()->Seiten().front().width();
    EXPECT_EQ(f->Blatt()->SeitenLinks(), frei > 0 ? frei / 2 : 0);

    f->Aktionen().mnuSystemeingabe->trigger();
    EXPECT_EQ(f->Zustand().Modus(), amUebersicht);
    EXPECT_EQ(KnotenMitText(f->Baum(), QStringLiteral("System Input")), nullptr);
    EXPECT_TRUE(f->Ergebnisliste()->isVisible());

    Hauptfenster konstant({Beispiel("slab-to-slab-6m-constant.TRV")});
    konstant->Vorschau();
    EXPECT_EQ(konstant->Blatt()->Seiten().size(), 2u);
}

TEST(HauptmaskeTest, SpeichernInEinenNichtBeschreibbarenOrdnerBehaeltNamenUndTitel) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("projekt.TRV"));
    ASSERT_TRUE(QFile::copy(Beispiel("slab-to-slab-6m-constant.TRV"), datei));
    Hauptfenster f({datei});
    const QString titel = f->windowTitle();
    // /proc takes no new files, whoever runs the test.
    f.fragen.Dateien.push_back(QStringLiteral("/proc/trv-test/neu.TRV"));
    EXPECT_FALSE(f->Kommandos().SpeichernUnter());
    EXPECT_EQ(f.fragen.Meldungen.size(), 1);
    EXPECT_EQ(f->windowTitle(), titel);
    EXPECT_EQ(f->Zustand().Dateiname(), datei);
}

TEST(HauptmaskeTest, FeindlicheDateiLaesstDasOffeneProjektStehen) {
    QTemporaryDir ordner;
    const QString gut = ordner.filePath(QStringLiteral("gut.TRV"));
    ASSERT_TRUE(QFile::copy(Beispiel("several-positions-with-schedule.TRV"), gut));
    const QString boese = ordner.filePath(QStringLiteral("boese.TRV"));
    {
        QFile f(boese);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                "<TRV_1.0><Copyright>&x;</Copyright><Program>");
    }
    Hauptfenster f({gut});
    ASSERT_EQ(f->Zustand().Modell().AnzAnwendung(), 4);
    // An unsaved change the engineer declines to save before opening another file.
    f->Kommandos().PositionWaehlen(2);
    f->Zustand().Anwendung().SetPosition("changed, not saved");
    const QString titel = f->windowTitle();

    f.fragen.Antworten.push_back(Antwort::Nein);
    f.fragen.Dateien.push_back(boese);
    EXPECT_FALSE(f->Kommandos().Oeffnen());
    ASSERT_EQ(f.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(
        f.fragen.Meldungen[0].contains(QStringLiteral("document type"), Qt::CaseInsensitive))
        << f.fragen.Meldungen[0].toStdString();
    // Nothing of the open project is lost: positions, the current one, its change, its file.
    EXPECT_EQ(f->Zustand().Modell().AnzAnwendung(), 4);
    EXPECT_EQ(f->Zustand().Modell().AktAnwendung(), 2);
    EXPECT_EQ(f->Zustand().Anwendung().Position(), "changed, not saved");
    EXPECT_EQ(f->Zustand().Dateiname(), gut);
    EXPECT_EQ(f->windowTitle(), titel);

    // A dropped or recent file that cannot be read asks nothing: there is nothing to replace.
    EXPECT_FALSE(f->Kommandos().DateiOeffnen(boese));
    EXPECT_EQ(f.fragen.Meldungen.size(), 2);
    EXPECT_TRUE(f.fragen.Fragen.size() == 1) << "only the question of the first Open";
    EXPECT_EQ(f->Zustand().Anwendung().Position(), "changed, not saved");
    // A readable one asks, and Cancel keeps the open project too.
    f.fragen.Antworten.push_back(Antwort::Abbrechen);
    EXPECT_FALSE(f->Kommandos().DateiOeffnen(Beispiel("slab-to-wall-linear.TRV")));
    EXPECT_EQ(f->Zustand().Modell().AnzAnwendung(), 4);
    EXPECT_EQ(f->Zustand().Dateiname(), gut);
}

TEST(HauptmaskeTest, EinZuLangerTextWirdGekuerztUndGemeldet) {
    Hauptfenster f;
    QApplication::clipboard()->setText(QString(1100 * 1024, QLatin1Char('x')));
    QLineEdit* position = f->PositionText();
    position->setFocus();
    QTest::keyClick(position, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(position->text().size(), static_cast<qsizetype>(MaxNutzertext));
    ASSERT_EQ(f.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(f.fragen.Meldungen[0].contains(QString::number(MaxNutzertext)));
    QTest::keyClick(position, Qt::Key_Tab);
    EXPECT_EQ(f->Zustand().Anwendung().Position().size(), MaxNutzertext);
    // Typing a text within the limit says nothing.
    f->Bauvorhaben()->setFocus();
    QTest::keyClicks(f->Bauvorhaben(), QStringLiteral("Hall B"));
    EXPECT_EQ(f.fragen.Meldungen.size(), 1);
}

TEST(HauptmaskeTest, EineInzwischenGeaenderteDateiWirdNurNachRueckfrageUeberschrieben) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("geteilt.TRV"));
    ASSERT_TRUE(QFile::copy(Beispiel("slab-to-wall-linear.TRV"), datei));
    Hauptfenster f({datei});
    ASSERT_EQ(f->Zustand().Dateiname(), datei);
    // Saving what this window read and wrote itself asks nothing.
    ASSERT_TRUE(f->Kommandos().Speichern());
    ASSERT_TRUE(f->Kommandos().Speichern());
    EXPECT_TRUE(f.fragen.Fragen.isEmpty());

    // A colleague's program writes the file in between.
    ASSERT_TRUE(QFile::remove(datei));
    ASSERT_TRUE(QFile::copy(Beispiel("several-positions-with-schedule.TRV"), datei));
    const QByteArray fremd = [&] {
        QFile d(datei);
        return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
    }();
    f.fragen.JaNeinAntworten.push_back(false);
    EXPECT_FALSE(f->Kommandos().Speichern());
    ASSERT_EQ(f.fragen.Fragen.size(), 1);
    EXPECT_TRUE(f.fragen.Fragen[0].contains(datei));
    QFile gelesen(datei);
    ASSERT_TRUE(gelesen.open(QIODevice::ReadOnly));
    EXPECT_EQ(gelesen.readAll(), fremd);
    gelesen.close();
    // Yes overwrites it, and then the file is this window's again.
    f.fragen.JaNeinAntworten.push_back(true);
    EXPECT_TRUE(f->Kommandos().Speichern());
    EXPECT_TRUE(f->Kommandos().Speichern());
    EXPECT_EQ(f.fragen.Fragen.size(), 2);
    TKModell m{TKIniDatei(), TKRegional::Standard()};
    ASSERT_TRUE(m.Oeffnen(datei.toStdString()).Ok);
    EXPECT_EQ(m.AnzAnwendung(), 1);
}

TEST(HauptmaskeTest, SpeichernUnterSchlaegtDasBauvorhabenVorAusserBeiLeerzeichen) {
    Hauptfenster f;
    TKProjektdaten& p = f->Zustand().Modell().Projektbeschreibung();
    p.SetBauvorhaben("   ");
    f.fragen.Dateien.push_back(QString());
    f->Kommandos().SpeichernUnter();
    ASSERT_EQ(f.fragen.Dialoge.size(), 1u);
    EXPECT_TRUE(f.fragen.Dialoge[0].Vorschlag.isEmpty());
    p.SetBauvorhaben(" Hall B");
    f.fragen.Dateien.push_back(QString());
    f->Kommandos().SpeichernUnter();
    EXPECT_EQ(f.fragen.Dialoge[1].Vorschlag, QStringLiteral(" Hall B.TRV"));
}

TEST(HauptmaskeTest, SpeichernUndOeffnenUeberDieBefehle) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("neu"));
    Hauptfenster f;
    f->Berechnen();
    f->Aktionen().mnuPositionHinzufuegen->trigger();
    f.fragen.Dateien.push_back(datei + QStringLiteral(".TRV"));
    ASSERT_TRUE(f->Kommandos().Speichern());
    EXPECT_TRUE(f->windowTitle().endsWith(QStringLiteral("neu.TRV")));

    // New after the save question (No), then Open of the saved file: both positions back,
    // calculated, and the current one shown with its list.
    f.fragen.Antworten.push_back(Antwort::Nein);
    f->Aktionen().mnuNeu->trigger();
    EXPECT_EQ(f->Zustand().Modell().AnzAnwendung(), 1);
    EXPECT_TRUE(f->windowTitle().endsWith(QStringLiteral(": Unnamed")));
    f.fragen.Antworten.push_back(Antwort::Nein);
    f.fragen.Dateien.push_back(datei + QStringLiteral(".TRV"));
    ASSERT_TRUE(f->Kommandos().Oeffnen());
    EXPECT_EQ(f->Zustand().Modell().AnzAnwendung(), 2);
    EXPECT_EQ(f->Zustand().Modus(), amUebersicht);
    EXPECT_EQ(f->Baum()->AnzahlPositionen(), 2);

    // Cancel in the save question keeps the window open.
    f.fragen.Antworten.push_back(Antwort::Abbrechen);
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());
}

// Types into a field without leaving it, as before a tool-bar button or a shortcut.
void TippenOhneVerlassen(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, text);
}

TEST(HauptmaskeTest, BefehleUebernehmenDenWertDesOffenenFeldes) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("offen.TRV"));
    Hauptfenster f;
    TEingabepanel& panel = *f->Eingaben();
    // A joint length typed and not left is in the file after Save.
    f->Eingaben()->AnwendungsfallKnopf(1)->click();
    TippenOhneVerlassen(panel.Feld(TFeld::Fugenlaenge), QStringLiteral("7500"));
    f.fragen.Dateien.push_back(datei);
    f->Aktionen().mnuSpeichern->trigger();
    ASSERT_EQ(f->Zustand().Dateiname(), datei);
    TKModell gelesen{TKIniDatei(), TKRegional::Standard()};
    ASSERT_TRUE(gelesen.Oeffnen(datei.toStdString()).Ok);
    EXPECT_DOUBLE_EQ(gelesen.Anwendung(1).Geometrie().Fugenlaenge(), 7500);

    // A position name typed and not left stays with its position when another is added.
    TippenOhneVerlassen(f->PositionText(), QStringLiteral("Axis 4"));
    f->Aktionen().mnuPositionHinzufuegen->trigger();
    ASSERT_EQ(f->Zustand().Modell().AnzAnwendung(), 2);
    EXPECT_EQ(f->Zustand().Modell().Anwendung(1).Position(), "Axis 4");

    // A refused value ends the command with its message: nothing is saved.
    TippenOhneVerlassen(panel.Feld(TFeld::PlatteDicke), QStringLiteral("12"));
    f->Aktionen().mnuSpeichern->trigger();
    EXPECT_EQ(f.fragen.Meldungen,
              QStringList{QStringLiteral("Input value is smaller than allowed!")});
    ASSERT_TRUE(gelesen.Oeffnen(datei.toStdString()).Ok);
    EXPECT_EQ(gelesen.AnzAnwendung(), 1);
}

TEST(HauptmaskeTest, EinFeldOhneAenderungAendertNichtsUndJedeFolgeGiltAlsEingabe) {
    Hauptfenster f;
    TEingabepanel& panel = *f->Eingaben();
    const TKGeometrie& g = f->Zustand().Anwendung().Geometrie();
    TippenOhneVerlassen(panel.Feld(TFeld::PlatteDicke), QStringLiteral("250"));
    TippenOhneVerlassen(panel.Feld(TFeld::Nutzhoehe), QStringLiteral("200"));
    f->Berechnen();
    ASSERT_EQ(f->Zustand().Modus(), amUebersicht);
    // A Tab through the untouched slab thickness keeps the engineer's effective height.
    panel.Feld(TFeld::PlatteDicke)->setFocus();
    QTest::keyClick(panel.Feld(TFeld::PlatteDicke), Qt::Key_Tab);
    EXPECT_DOUBLE_EQ(g.Nutzhoehe(), 200);
    EXPECT_EQ(f->Zustand().Modus(), amUebersicht);
    // The same thickness typed again sets the height: the results go with it.
    TippenOhneVerlassen(panel.Feld(TFeld::PlatteDicke), QStringLiteral("250"));
    f->Zustand().SetModus(amUebersicht); // typing already left it; only the exit is tested
    QTest::keyClick(panel.Feld(TFeld::PlatteDicke), Qt::Key_Tab);
    EXPECT_DOUBLE_EQ(g.Nutzhoehe(), 210);
    EXPECT_EQ(f->Zustand().Modus(), amEingabe);
}

TEST(HauptmaskeTest, TastaturEnterUndKuerzelInTextfeldern) {
    Hauptfenster f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenster.get()));
    QLineEdit* projekt = f->Bauvorhaben();
    projekt->setFocus();
    QTest::keyClicks(projekt, QStringLiteral("Hall"));
    // Ctrl+A in a text field selects all there instead of Save As (no dialog is scripted);
    // outside a text field it is Save As.
    QTest::keyClick(projekt, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(projekt->selectedText(), QStringLiteral("Hall"));
    EXPECT_TRUE(f.fragen.Dialoge.empty());
    f->Baum()->setFocus();
    f.fragen.Dateien.push_back(QString());
    QTest::keyClick(f->Baum(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.fragen.Dialoge.size(), 1u);
    projekt->setFocus();

    // Enter moves on without reaching the field; after a failed check Shift+Enter moves on too.
    QTest::keyClick(projekt, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f->PositionText());
    QTest::keyClick(f->PositionText(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), projekt);
    f->Zustand().SetEingabeOk(false);
    QTest::keyClick(projekt, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f->PositionText());

    // The desktop's Quit key asks the save question (once no refused value waits).
    f->Zustand().SetEingabeOk(true);
    f.fragen.Antworten.push_back(Antwort::Abbrechen);
    QTest::keyClick(f->PositionText(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(f.fragen.Fragen.size(), 1);
    EXPECT_TRUE(f->isVisible());
}

TEST(HauptmaskeTest, StatushinweisUndBaumUmschalten) {
    Hauptfenster f;
    QStatusTipEvent tip(QStringLiteral("begin new project"));
    QApplication::sendEvent(f.fenster.get(), &tip);
    EXPECT_EQ(f->Statusfeld(0)->text(), QStringLiteral("  begin new project"));
    EXPECT_EQ(f->Aktionen().mnuNeu->toolTip(), QStringLiteral("begin new project"));

    ASSERT_TRUE(f->BaumSichtbar());
    f->Aktionen().mnuEingabebaum->trigger();
    EXPECT_FALSE(f->BaumSichtbar());
    EXPECT_FALSE(f->Aktionen().mnuEingabebaum->isChecked());
    f->Aktionen().mnuEingabebaum->trigger();
    EXPECT_TRUE(f->BaumSichtbar());
}

TEST(HauptmaskeTest, JedesBedienelementHatEinenZugaenglichenNamen) {
    Hauptfenster f({Beispiel("slab-to-wall-linear.TRV")});
    for (QWidget* w : f->findChildren<QWidget*>()) {
        const bool bedienelement = qobject_cast<QLineEdit*>(w) || qobject_cast<QSpinBox*>(w) ||
                                   qobject_cast<QAbstractButton*>(w) ||
                                   qobject_cast<QAbstractItemView*>(w);
        // Parts of a control (a list's header, a spin box's text) are named by the control.
        const bool teil = w->inherits("QHeaderView") ||
                          qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr;
        if (!bedienelement || teil || !w->isVisibleTo(f.fenster.get()) ||
            w->inherits("QToolBarExtension")) {
            continue;
        }
        const QString name =
            w->accessibleName().isEmpty()
                ? (qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text()
                                                     : QString())
                : w->accessibleName();
        const auto* beschriftet = qobject_cast<QAbstractButton*>(w);
        EXPECT_TRUE(!name.isEmpty() || (beschriftet && !beschriftet->toolTip().isEmpty()))
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

} // namespace
} // namespace trv::test
