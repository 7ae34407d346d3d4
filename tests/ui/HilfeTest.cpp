// The help: both languages' collections, their keyword index and named topics, the help window
// opened from the main window's commands and the dialogs' Help buttons.
#include "ui/hilfe/Hilfe.h"
#include "Hauptfenster.h"
#include "platform/Sprachmodule.h"
#include "ui/dialogs/Projektdaten.h"
#include "ui/hilfe/Hilfefenster.h"
#include "ui/hilfe/Hilfesammlung.h"

#include <QAction>
#include <QApplication>
#include <QHelpEngine>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

const QStringList Themen{QStringLiteral("MaskeProjektdaten"),
                         QStringLiteral("MaskeProjektverwaltung"), QStringLiteral("MaskeQuerkraft"),
                         QStringLiteral("MaskeBewehrung"), QStringLiteral("MaskeStueckliste")};

TEST(HilfeTest, BeideSprachenHabenStichwoerterUndAlleBenanntenThemen) {
    QTemporaryDir cache;
    for (const auto& [sprache, stichwort] :
         {std::pair{QStringLiteral("de"), QStringLiteral("Bewehrung")},
          std::pair{QStringLiteral("en"), QStringLiteral("reinforcement")}}) {
        Hilfesammlung hilfe({QStringLiteral(TRV_BUILD_DIR)}, cache.path(), sprache);
        ASSERT_TRUE(hilfe.Bereit()) << hilfe.Fehler().toStdString();
        EXPECT_FALSE(hilfe.Stichwort(stichwort).isEmpty()) << stichwort.toStdString();
        for (const QString& thema : Themen) {
            const QUrl seite = hilfe.Thema(thema);
            ASSERT_TRUE(seite.isValid() && !seite.isEmpty())
                << sprache.toStdString() << " " << thema.toStdString();
            EXPECT_FALSE(hilfe.Engine().fileData(seite).isEmpty())
                << seite.toString().toStdString();
        }
        EXPECT_FALSE(hilfe.Engine().fileData(hilfe.Startseite()).isEmpty());
    }
}

TEST(HilfeTest, SammlungAusEinemAnderenOrdnerWirdNeuAngemeldet) {
    // The collection of an earlier installation points to a help file that is gone.
    QTemporaryDir alt;
    QTemporaryDir cache;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRV_BUILD_DIR "/trv-hilfe-en.qch"),
                            alt.filePath(QStringLiteral("trv-hilfe-en.qch"))));
    {
        Hilfesammlung vorher({alt.path()}, cache.path(), QStringLiteral("en"));
        ASSERT_TRUE(vorher.Bereit());
    }
    QFile::remove(alt.filePath(QStringLiteral("trv-hilfe-en.qch")));
    Hilfesammlung hilfe({QStringLiteral(TRV_BUILD_DIR)}, cache.path(), QStringLiteral("en"));
    ASSERT_TRUE(hilfe.Bereit()) << hilfe.Fehler().toStdString();
    EXPECT_FALSE(hilfe.Engine().fileData(hilfe.Thema(QStringLiteral("MaskeBewehrung"))).isEmpty());

    Hilfesammlung ohne({alt.path()}, cache.path(), QStringLiteral("en"));
    EXPECT_FALSE(ohne.Bereit());
    EXPECT_TRUE(ohne.Fehler().contains(QStringLiteral("trv-hilfe-en.qch")));
}

TEST(HilfeTest, BefehleUndHilfeknoepfeOeffnenDieSeiten) {
    QTemporaryDir cache;
    Hauptfenster h;
    Hilfe hilfe({QStringLiteral(TRV_BUILD_DIR)}, cache.path(), h.fenster.get());
    ASSERT_EQ(Hilfe::Programm(), &hilfe);

    h->findChild<QAction*>(QStringLiteral("mnuUeberHilfe"))->trigger();
    ASSERT_NE(hilfe.Fenster(), nullptr);
    EXPECT_TRUE(hilfe.Fenster()->Seite().toString().endsWith(QStringLiteral("/using-help.html")))
        << hilfe.Fenster()->Seite().toString().toStdString();
    const auto* seite = hilfe.Fenster()->findChild<QTextBrowser*>(QStringLiteral("Hilfeseite"));
    ASSERT_NE(seite, nullptr);
    EXPECT_FALSE(seite->toPlainText().isEmpty());

    TfrmProjektdaten dialog(TKProjektdaten{}, QStringLiteral("10.12.2026"), h.fenster.get());
    auto* knopf = dialog.findChild<THilfeKnopf*>(QStringLiteral("BitBtnHilfe"));
    ASSERT_NE(knopf, nullptr);
    knopf->click();
    EXPECT_EQ(hilfe.Fenster()->Seite(), hilfe.Fenster()->Sammlung().Thema(knopf->Thema()));
    EXPECT_EQ(hilfe.Fenster()->Sammlung().Sprache(), QStringLiteral("en"));

    // German texts bring the German help.
    {
        plattform::Sprachmodule module({QStringLiteral(TRV_BUILD_DIR)});
        ASSERT_TRUE(module.SpracheLaden(plattform::sprache::Deutsch));
        h->findChild<QAction*>(QStringLiteral("mnuHilfeInhalt"))->trigger();
        EXPECT_EQ(hilfe.Fenster()->Sammlung().Sprache(), QStringLiteral("de"));
    }
}

// A modal dialog blocks every window but its own: the help opened from it must come up over
// it and take input while it runs, and stay open for the main window when it ends.
TEST(HilfeTest, HilfeAusEinemModalenDialogNimmtEingabenAn) {
    QTemporaryDir cache;
    Hauptfenster h;
    Hilfe hilfe({QStringLiteral(TRV_BUILD_DIR)}, cache.path(), h.fenster.get());
    TfrmProjektdaten dialog(TKProjektdaten{}, QStringLiteral("10.12.2026"), h.fenster.get());
    bool geprueft = false;
    QTimer::singleShot(0, [&] {
        ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
        dialog.findChild<THilfeKnopf*>(QStringLiteral("BitBtnHilfe"))->click();
        THilfefenster* fenster = hilfe.Fenster();
        ASSERT_NE(fenster, nullptr);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_TRUE(fenster->isWindow());
        // The dialog still runs and the help window takes focus and keys.
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster));
        fenster->Stichwortsuche();
        auto* suchwort = fenster->findChild<QLineEdit*>(QStringLiteral("editSuchwort"));
        ASSERT_NE(suchwort, nullptr);
        suchwort->setFocus();
        suchwort->clear();
        // Through the window system, where the events of a blocked window are dropped.
        for (const char taste : {'b', 'a', 'r'}) {
            QTest::keyClick(fenster->windowHandle(), taste);
        }
        EXPECT_EQ(suchwort->text(), QStringLiteral("bar"));
        geprueft = true;
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(geprueft);
    // The dialog has ended: the help stays open and is no longer the dialog's.
    ASSERT_NE(hilfe.Fenster(), nullptr);
    EXPECT_TRUE(hilfe.Fenster()->isVisible());
    EXPECT_EQ(hilfe.Fenster()->parentWidget(), h.fenster.get());
}

} // namespace
} // namespace trv::test
