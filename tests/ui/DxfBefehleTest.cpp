#include "ui/main/DxfBefehle.h"
#include "Testrueckfragen.h"
#include "dxf/viewer/DXF_Anzeige.h"
#include "dxf/viewer/DxfKern.h"
#include "dxf/viewer/Zoomer.h"
#include "platform/Umgebung.h"
#include "ui/main/Projektbefehle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace trv::test {
namespace {

const QString Beispiel = QStringLiteral(TRV_EXAMPLES_DIR "/slab-to-slab-6m-constant.TRV");

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The example project as the main window holds it after Open: calculated, in overview mode.
// The regional settings are the system's, as trv-cli takes them.
class DxfBefehleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        ASSERT_TRUE(befehle.ProjektLaden(Beispiel));
        ASSERT_TRUE(DxfExportMoeglich(zustand));
    }

    // The file trv-cli dxf writes for the project's current position.
    QByteArray CliDatei() {
        const QString ziel = ordner.filePath(QStringLiteral("cli.dxf"));
        QProcess cli;
        cli.start(QStringLiteral(TRV_CLI),
                  {QStringLiteral("dxf"), Beispiel, QStringLiteral("-o"), ziel});
        EXPECT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return Inhalt(ziel);
    }

    Projektzustand zustand{TKIniDatei{}, plattform::SystemRegional()};
    Testrueckfragen fragen;
    Projektbefehle befehle{zustand, fragen};
    QTemporaryDir ordner;
};

TEST_F(DxfBefehleTest, EveryWayOfSavingWritesTheFileOfTrvCli) {
    const QByteArray cli = CliDatei();
    ASSERT_GT(cli.size(), 1000);

    // Save with a name: straight to the file.
    const QString direkt = ordner.filePath(QStringLiteral("direkt.dxf"));
    ASSERT_TRUE(DxfBewehrungErzeugen(TDxfModus::Speichern, direkt, zustand, fragen, nullptr));
    EXPECT_EQ(Inhalt(direkt), cli);
    EXPECT_TRUE(fragen.Dialoge.empty());

    // The menu command: the window's save dialog, without the window being shown.
    fragen.Dateien.push_back(ordner.filePath(QStringLiteral("menue")));
    ASSERT_TRUE(DxfBewehrungErzeugen(TDxfModus::Speichern, {}, zustand, fragen, nullptr));
    ASSERT_EQ(fragen.Dialoge.size(), 1u);
    EXPECT_EQ(Inhalt(ordner.filePath(QStringLiteral("menue.dxf"))), cli);

    // The pop-up command: the drawing in the preview window, saved from there.
    fragen.Dateien.push_back(ordner.filePath(QStringLiteral("vorschau.DXF")));
    bool gesehen = false;
    QTimer::singleShot(0, [&gesehen] {
        dxf::TDXF_Anzeige_Form* fenster = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<dxf::TDXF_Anzeige_Form*>(w); f && f->isVisible()) {
                fenster = f;
            }
        }
        ASSERT_NE(fenster, nullptr);
        gesehen = true;
        EXPECT_EQ(QApplication::activeModalWidget(), fenster);
        EXPECT_TRUE(fenster->windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(fenster->ZoomBox().ready());
        EXPECT_FALSE(fenster->drawing().layers().empty());
        for (QPushButton* k : fenster->findChildren<QPushButton*>()) {
            if (k->text() == QStringLiteral("&Save as DXF")) {
                QTest::mouseClick(k, Qt::LeftButton);
            }
        }
        for (QPushButton* k : fenster->findChildren<QPushButton*>()) {
            if (k->text() == QStringLiteral("&Back")) {
                QTest::mouseClick(k, Qt::LeftButton);
            }
        }
    });
    EXPECT_TRUE(DxfBewehrungErzeugen(TDxfModus::Anzeigen, {}, zustand, fragen, nullptr));
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(Inhalt(ordner.filePath(QStringLiteral("vorschau.DXF"))), cli);
    EXPECT_TRUE(fragen.Meldungen.isEmpty()) << fragen.Meldungen.join('\n').toStdString();
}

TEST_F(DxfBefehleTest, WithoutValidResultsThereIsNothingToDrawAndNothingIsWritten) {
    befehle.AnzeigeModusSetzen(amEingabe);
    EXPECT_FALSE(DxfExportMoeglich(zustand));
    const QString ziel = ordner.filePath(QStringLiteral("eingabe.dxf"));
    EXPECT_FALSE(DxfBewehrungErzeugen(TDxfModus::Speichern, ziel, zustand, fragen, nullptr));
    ASSERT_EQ(fragen.Meldungen.size(), 1);
    EXPECT_TRUE(fragen.Meldungen[0].contains(QStringLiteral("not been calculated")));
    EXPECT_FALSE(QFile::exists(ziel));
    EXPECT_FALSE(DxfBewehrungErzeugen(TDxfModus::Anzeigen, {}, zustand, fragen, nullptr));
    EXPECT_EQ(fragen.Meldungen.size(), 2);
}

TEST_F(DxfBefehleTest, AFailedWriteIsReportedAndLeavesTheOldFile) {
    // A folder in the way of the file: the rename cannot replace it.
    const QString ziel = ordner.filePath(QStringLiteral("belegt.dxf"));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("belegt.dxf")));
    EXPECT_FALSE(DxfBewehrungErzeugen(TDxfModus::Speichern, ziel, zustand, fragen, nullptr));
    ASSERT_EQ(fragen.Meldungen.size(), 1);
    EXPECT_TRUE(fragen.Meldungen[0].contains(QStringLiteral("belegt.dxf")));
    EXPECT_TRUE(QFileInfo(ziel).isDir());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{}) << "no temporary left";
}

} // namespace
} // namespace trv::test
