#include "ui/dialogs/Zoom.h"
#include "Hauptfenster.h"
#include "Testfilterdialog.h"
#include "Testrueckfragen.h"
#include "ui/main/Bildexport.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Projektbefehle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

struct Zoomumgebung {
    Zoomumgebung() {
        EXPECT_TRUE(befehle.ProjektLaden(QStringLiteral(TRV_TEST_DATA_DIR "/platte-platte.TRV")));
    }
    Projektzustand zustand{TKIniDatei{}, TKRegional::Standard()};
    Testrueckfragen fragen;
    Testfilterdialog dialog;
    Druckerwahl drucker;
    Projektbefehle befehle{zustand, fragen};
    Bildexport export_{zustand, drucker, fragen, dialog};
    TfrmZoom zoom{zustand, export_};
};

bool Weiss(const QImage& bild) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            if (rgb.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

QSize Pixel(const QWidget& w) {
    return w.size() * w.devicePixelRatioF();
}

TEST(ZoomTest, BildFolgtGroesseUndSkizzenwahl) {
    Zoomumgebung u;
    EXPECT_EQ(u.zoom.windowTitle(), QStringLiteral("Zoom"));
    EXPECT_EQ(u.zoom.size(), QSize(439, 378));
    EXPECT_FALSE(u.zoom.isModal());
    u.zustand.Modell().SetSkizzeAnzeige(0);
    u.zoom.Zeichnen();
    const QImage ansicht = u.zoom.Bild();
    EXPECT_EQ(ansicht.size(), Pixel(u.zoom));
    EXPECT_FALSE(Weiss(ansicht));

    // Maximizing or dragging the frame draws anew at the new size.
    u.zoom.resize(900, 700);
    u.zoom.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&u.zoom));
    EXPECT_EQ(u.zoom.Bild().size(), Pixel(u.zoom));
    EXPECT_FALSE(Weiss(u.zoom.Bild()));

    // Another sketch in the main window changes the zoom picture at its next drawing.
    const QImage vorher = u.zoom.Bild();
    u.zustand.Modell().SetSkizzeAnzeige(1);
    u.zoom.Zeichnen();
    EXPECT_NE(u.zoom.Bild(), vorher);

    // "None": the picture only takes the size, nothing is drawn on it.
    u.zustand.Modell().SetSkizzeAnzeige(5);
    u.zoom.resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(u.zoom.Bild().size(), Pixel(u.zoom));
    EXPECT_TRUE(Weiss(u.zoom.Bild()));
}

TEST(ZoomTest, KnoepfeKopierenExportierenUndSchliessen) {
    Zoomumgebung u;
    u.zustand.Modell().SetSkizzeAnzeige(3);
    u.zoom.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&u.zoom));
    auto* kopieren = u.zoom.findChild<QPushButton*>(QStringLiteral("btnInZwischenablage"));
    auto* exportieren = u.zoom.findChild<QPushButton*>(QStringLiteral("btnInDatei"));
    auto* schliessen = u.zoom.findChild<QPushButton*>(QStringLiteral("bntSchliessen"));
    ASSERT_TRUE(kopieren && exportieren && schliessen);
    // Anchored to the lower right corner.
    EXPECT_EQ(schliessen->geometry(), QRect(370, 357, 68, 21));
    u.zoom.resize(600, 500);
    EXPECT_EQ(schliessen->geometry(), QRect(600 - 69, 500 - 21, 68, 21));

    QTest::mouseClick(kopieren, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), u.zoom.Bild().size());

    u.dialog.Antworten.push_back(Filterwahl{});
    QTest::mouseClick(exportieren, Qt::LeftButton);
    EXPECT_EQ(u.dialog.Dialoge.size(), 1u) << "the main window's picture export asks";

    QTest::mouseClick(schliessen, Qt::LeftButton);
    EXPECT_FALSE(u.zoom.isVisible());
}

// A tool window of the main window: the window manager keeps it in front of the main window
// while the user works there, and its title bar offers maximise and close only.
TEST(ZoomTest, WerkzeugfensterVorDemHauptfenster) {
    Hauptfenster h;
    auto* zoom = h->findChild<TfrmZoom*>();
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->parentWidget(), h.fenster.get());
    EXPECT_EQ(zoom->windowType(), Qt::Tool);
    const Qt::WindowFlags art = zoom->windowFlags();
    EXPECT_TRUE(art.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(art.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(art.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(art.testFlag(Qt::WindowMinimizeButtonHint));
    zoom->Zeigen();
    ASSERT_NE(zoom->windowHandle(), nullptr);
    EXPECT_EQ(zoom->windowHandle()->transientParent(), h->windowHandle());
    // Working in the main window again leaves it open.
    h->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(h.fenster.get()));
    EXPECT_TRUE(zoom->isVisible());
}

} // namespace
} // namespace trv::test
