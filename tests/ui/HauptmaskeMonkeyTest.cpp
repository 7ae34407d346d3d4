// Thousands of random user steps on the main window: commands, position switches, tree
// clicks, typed texts, questions answered at random. Nothing may crash, and after every step
// the project, the position selector, the tree and the display mode must agree.
#include "Hauptfenster.h"
#include "ui/main/Befehle.h"
#include "ui/main/Eingabebaum.h"
#include "ui/main/Ergebnisliste.h"
#include "ui/main/Projektbefehle.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <random>

namespace trv::test {
namespace {

class Affe {
public:
    Affe(Hauptfenster& f, const QTemporaryDir& ordner) : f_(f), ordner_(ordner) {
        const QString boese = ordner.filePath(QStringLiteral("boese.TRV"));
        QFile datei(boese);
        if (datei.open(QIODevice::WriteOnly)) {
            datei.write("<TRV_1.0><Copyright/><Program>TRV - 1.0</Program><Projekt><AnzAnwendung>"
                        "70000</AnzAnwendung></Projekt>");
        }
        // Copies: a save may go to the file last opened.
        for (const char* name : {"slab-to-wall-linear.TRV", "row-12m-load-profile.TRV",
                                 "several-positions-with-schedule.TRV"}) {
            const QString kopie = ordner.filePath(QString::fromLatin1(name));
            QFile::copy(Beispiel(name), kopie);
            dateien_.push_back(kopie);
        }
        dateien_.insert(dateien_.end(),
                        {boese, ordner.filePath(QStringLiteral("fehlt.TRV")),
                         ordner.filePath(QStringLiteral("gespeichert.TRV")), QString()});
    }

    void Schritt() {
        Antworten();
        TfrmHauptMaske& h = *f_;
        Befehle& b = h.Aktionen();
        switch (Zahl(0, 17)) {
        case 0:
            b.mnuNeu->trigger();
            break;
        case 1:
            b.mnuOeffnen->trigger();
            break;
        case 2:
            b.mnuSpeichern->trigger();
            break;
        case 3:
            b.mnuSpeichernUnter->trigger();
            break;
        case 4:
            b.mnuPositionHinzufuegen->trigger();
            break;
        case 5:
            b.mnuPositionLoeschen->trigger();
            break;
        case 6:
            h.PositionsAuswahl()->setValue(Zahl(0, h.Zustand().Modell().AnzAnwendung() + 2));
            break;
        case 7:
            BaumKlicken();
            break;
        case 8:
        case 9:
            b.mnuNeuBerechnung->trigger();
            break;
        case 10:
            if (Zahl(0, 9) == 0) {
                b.mnuVorschau->trigger();
            }
            break;
        case 11:
            b.mnuSystemeingabe->trigger();
            break;
        case 12: {
            QAction* skizzen[] = {b.tbAnsicht, b.tbDraufsicht, b.tbSchnitt, b.tbReihenAnsicht};
            skizzen[Zahl(0, 3)]->trigger();
            break;
        }
        case 13: {
            TErgebnisliste* liste = h.Ergebnisliste();
            if (liste->topLevelItemCount() > 0) {
                liste->setCurrentItem(liste->topLevelItem(Zahl(0, 13)));
            }
            break;
        }
        case 14:
            Tippen(Zahl(0, 1) ? h.Bauvorhaben() : h.PositionText());
            break;
        case 15:
            b.mnuEingabebaum->trigger();
            break;
        case 16:
            h.resize(Zahl(500, 1400), Zahl(400, 900));
            break;
        case 17:
            // A few inputs changed behind the window's back, as a dialog would.
            h.Zustand().Anwendung().Geometrie().SetPlatteDicke(Zahl(0, 400));
            h.EingabenAnzeigen();
            break;
        }
        QApplication::processEvents();
        if (!h.isVisible()) {
            h.show(); // "End program" was answered with No: the window closed
        }
        f_.fragen.Antworten.clear();
        f_.fragen.JaNeinAntworten.clear();
        f_.fragen.Dateien.clear();
    }

    void Pruefen(int schritt) {
        TfrmHauptMaske& h = *f_;
        const TKModell& m = h.Zustand().Modell();
        const int n = m.AnzAnwendung();
        ASSERT_GE(n, 1) << "step " << schritt;
        ASSERT_GE(m.AktAnwendung(), 1) << "step " << schritt;
        ASSERT_LE(m.AktAnwendung(), n) << "step " << schritt;
        ASSERT_EQ(&h.Zustand().Anwendung(), &m.Anwendung(m.AktAnwendung())) << "step " << schritt;
        ASSERT_EQ(h.PositionsAuswahl()->maximum(), n) << "step " << schritt;
        ASSERT_EQ(h.PositionsAuswahl()->value(), m.AktAnwendung()) << "step " << schritt;
        ASSERT_EQ(h.Baum()->AnzahlPositionen(), n) << "step " << schritt;
        const TAnzeigeModus modus = h.Zustand().Modus();
        ASSERT_EQ(h.Zustand().Anwendung().Ergebnisse().Berechnet(), modus != amEingabe)
            << "step " << schritt;
        ASSERT_EQ(h.Ergebnisliste()->isVisible(), modus == amUebersicht) << "step " << schritt;
    }

private:
    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    void Antworten() {
        Testrueckfragen& fr = f_.fragen;
        for (int i = 0; i < 3; ++i) {
            // Mostly "No" and "Cancel": "Yes" saves, which the file answers decide.
            const Antwort a[] = {Antwort::Nein, Antwort::Nein, Antwort::Abbrechen, Antwort::Ja};
            fr.Antworten.push_back(a[Zahl(0, 3)]);
            fr.JaNeinAntworten.push_back(Zahl(0, 1) == 1);
            fr.Dateien.push_back(dateien_[static_cast<std::size_t>(Zahl(0, 6))]);
        }
    }

    void BaumKlicken() {
        QTreeWidget* baum = f_->Baum();
        std::vector<QTreeWidgetItem*> knoten;
        for (QTreeWidgetItemIterator it(baum); *it; ++it) {
            knoten.push_back(*it);
        }
        if (knoten.empty()) {
            return;
        }
        QTreeWidgetItem* k = knoten[static_cast<std::size_t>(Zahl(0, int(knoten.size()) - 1))];
        baum->scrollToItem(k);
        QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, baum->visualItemRect(k).center());
    }

    void Tippen(QLineEdit* feld) {
        static const QString zeichen = QStringLiteral("aZ 09,.-;<>&\"'äöü€\\/|");
        feld->setFocus();
        for (int i = Zahl(0, 12); i > 0; --i) {
            // Key events with their text, so characters beyond ASCII arrive as typed.
            const QString z(zeichen[Zahl(0, int(zeichen.size()) - 1)]);
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, z, Qt::NoModifier);
        }
        QTest::keyClick(feld, Zahl(0, 1) ? Qt::Key_Return : Qt::Key_Tab,
                        Zahl(0, 3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
    }

    Hauptfenster& f_;
    const QTemporaryDir& ordner_;
    std::vector<QString> dateien_;
    std::mt19937 zufall_{20261210};
};

// 5000 steps; the sanitizer build, ten times slower, takes the first 2000 of the same sequence.
#ifndef SCHRITTE
#define SCHRITTE 5000
#endif
TEST(HauptmaskeMonkeyTest, TausendeZufaelligeSchritteHaltenDieInvarianten) {
    // Hundreds of saves: in memory where the machine has it, since each save waits for the disk.
    const QString schnell = QStringLiteral("/dev/shm");
    QTemporaryDir ordner(QFileInfo(schnell).isWritable() ? schnell + QStringLiteral("/trv-XXXXXX")
                                                         : QString());
    Hauptfenster f;
    Affe affe(f, ordner);
    // Any real dialog a command opens is closed again, as a user who changes nothing would.
    QTimer schliesser;
    QObject::connect(&schliesser, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    schliesser.start(20);
    for (int i = 0; i < SCHRITTE; ++i) {
        affe.Schritt();
        affe.Pruefen(i);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace trv::test
