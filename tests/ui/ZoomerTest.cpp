#include "dxf/viewer/Zoomer.h"
#include "dxf/viewer/PainterLeinwand.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <limits>
#include <random>

namespace trv::dxf {
namespace {

// A panel of a real size on the screen, fitted to a drawing 2000 wide and 1000 high.
class ZoomerTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(700, 520);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        panel.fit_extents(20, 20, 1000.0, 0.0, 2000.0, 0.0);
    }

    QWidget* area() const { return panel.paint_area(); }
    double width() const { return area()->width(); }
    double height() const { return area()->height(); }

    void click(Zoom_panel::Button b) { QTest::mouseClick(panel.button(b), Qt::LeftButton); }

    // A rubber band dragged from a to b with the left button.
    void band(QPoint a, QPoint b) {
        QTest::mousePress(area(), Qt::LeftButton, {}, a);
        QTest::mouseMove(area(), (a + b) / 2);
        QTest::mouseMove(area(), b);
        QTest::mouseRelease(area(), Qt::LeftButton, {}, b);
    }

    Zoom_panel panel;
};

TEST_F(ZoomerTest, FitCentresTheExtentsAtTheScaleOfTheTighterDirection) {
    // s = min(W - 40, H - 40); the 2000 wide drawing decides unless the area is very tall.
    const double s = std::min(width() - 40.0, height() - 40.0);
    const double scale = std::min(s / 2000.0, s / 1000.0);
    const Zoom_view& h = panel.home();
    EXPECT_DOUBLE_EQ(h.scale_x, scale);
    EXPECT_DOUBLE_EQ(h.scale_y, scale);
    EXPECT_DOUBLE_EQ(h.centre_x, 1000.0);
    EXPECT_DOUBLE_EQ(h.centre_y, 500.0);
    EXPECT_DOUBLE_EQ(h.x_max - h.x_min, width() / scale);
    EXPECT_DOUBLE_EQ(h.y_max - h.y_min, height() / scale);
    EXPECT_EQ(panel.current(), h);
    EXPECT_TRUE(panel.ready());

    // The drawing's corners land where the fit puts them, and come back.
    const auto links_unten = panel.map_point(Coord3D{0.0, 0.0, 0.0}, nullptr);
    ASSERT_TRUE(links_unten);
    EXPECT_EQ(links_unten->x, std::lround((0.0 - h.x_min) * scale));
    EXPECT_EQ(links_unten->y, std::lround((h.y_max - 0.0) * scale));
    const Coord3D zurueck = panel.unmap_point(QPoint(links_unten->x, links_unten->y));
    EXPECT_NEAR(zurueck.x, 0.0, 1.0 / scale);
    EXPECT_NEAR(zurueck.y, 0.0, 1.0 / scale);

    // A matrix moves the point before it is mapped.
    Matrix m{};
    for (int i = 0; i < 4; ++i) {
        m[i][i] = 1.0;
    }
    m[3][0] = 1000.0;
    const auto verschoben = panel.map_point(Coord3D{0.0, 0.0, 0.0}, &m);
    ASSERT_TRUE(verschoben);
    EXPECT_EQ(verschoben->x, std::lround((1000.0 - h.x_min) * scale));

    // The bars show the whole home view, centred.
    EXPECT_EQ(panel.horizontal_bar()->minimum(), 0);
    EXPECT_EQ(panel.horizontal_bar()->maximum(), 1000);
    EXPECT_EQ(panel.horizontal_bar()->value(), 500);
    EXPECT_EQ(panel.vertical_bar()->value(), 500);
    EXPECT_EQ(panel.horizontal_bar()->pageStep(), 1000);
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1 : 1"));
}

TEST_F(ZoomerTest, OneZoomButtonPressZoomsOnceByTheFactor) {
    const Zoom_view home = panel.home();
    click(Zoom_panel::Button::zoom_in);
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1.25 : 1"));
    EXPECT_DOUBLE_EQ(panel.current().scale_x, home.scale_x * 1.25);
    EXPECT_DOUBLE_EQ(panel.current().centre_x, home.centre_x);
    EXPECT_DOUBLE_EQ(panel.current().centre_y, home.centre_y);
    EXPECT_EQ(panel.last(), home);
    EXPECT_EQ(panel.horizontal_bar()->pageStep(), 800);
    EXPECT_EQ(panel.vertical_bar()->pageStep(), 800);

    panel.reset_view();
    click(Zoom_panel::Button::zoom_out);
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1 : 1.25"));
    EXPECT_DOUBLE_EQ(panel.current().scale_x, home.scale_x / 1.25);
    EXPECT_EQ(panel.horizontal_bar()->pageStep(), 1250);

    // Three significant digits, never an exponent.
    panel.reset_view();
    for (int i = 0; i < 3; ++i) {
        panel.zoom_in();
    }
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1.95 : 1"));
    panel.set_decimal_separator(',');
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1,95 : 1"));
    for (int i = 0; i < 30; ++i) {
        panel.zoom_in();
    }
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1580 : 1"));
}

TEST_F(ZoomerTest, ResetShowsTheFittedViewAndLastGoesBackToTheViewBeforeIt) {
    panel.zoom_in();
    panel.zoom_in();
    panel.centre_on(QPoint(100, 80));
    panel.zoom_out();
    const Zoom_view vorher = panel.current();
    ASSERT_NE(vorher, panel.home());

    click(Zoom_panel::Button::reset);
    EXPECT_EQ(panel.current(), panel.home());
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1 : 1"));
    EXPECT_EQ(panel.horizontal_bar()->value(), 500);

    click(Zoom_panel::Button::last);
    EXPECT_EQ(panel.current(), vorher);
    EXPECT_EQ(panel.scale_label()->text(), QStringLiteral("1.25 : 1"));
}

TEST_F(ZoomerTest, ABandZoomsOnlyWhenMoreThanTwoPixelsEachWay) {
    const Zoom_view home = panel.home();
    band(QPoint(100, 100), QPoint(102, 150));
    EXPECT_EQ(panel.current(), home);
    band(QPoint(100, 100), QPoint(150, 102));
    EXPECT_EQ(panel.current(), home);

    // 3 x 60 pixels: the band's centre becomes the view's centre, its larger side fits the
    // smaller side of the area.
    const Coord3D a = panel.unmap_point(QPoint(100, 100));
    const Coord3D b = panel.unmap_point(QPoint(103, 160));
    band(QPoint(100, 100), QPoint(103, 160));
    const Zoom_view& v = panel.current();
    EXPECT_NE(v, home);
    EXPECT_EQ(panel.last(), home);
    EXPECT_NEAR(v.centre_x, (a.x + b.x) / 2.0, 1e-9);
    EXPECT_NEAR(v.centre_y, (a.y + b.y) / 2.0, 1e-9);
    const double seite = std::min(width(), height());
    EXPECT_NEAR(v.scale_x, seite / std::abs(b.y - a.y), 1e-9);

    // The position label follows the mouse in drawing units with three decimals.
    QTest::mouseMove(area(), QPoint(10, 20));
    const Coord3D p = panel.unmap_point(QPoint(10, 20));
    EXPECT_EQ(panel.position_label()->text(),
              QStringLiteral("X= %1   Y= %2").arg(p.x, 0, 'f', 3).arg(p.y, 0, 'f', 3));
}

TEST_F(ZoomerTest, DoubleClickCentresOnThePointAtTheSameScale) {
    const Zoom_view home = panel.home();
    const QPoint punkt(120, 90);
    const Coord3D ziel = panel.unmap_point(punkt);
    QTest::mouseDClick(area(), Qt::LeftButton, {}, punkt);
    EXPECT_NEAR(panel.current().centre_x, ziel.x, 1e-9);
    EXPECT_NEAR(panel.current().centre_y, ziel.y, 1e-9);
    EXPECT_DOUBLE_EQ(panel.current().scale_x, home.scale_x);
    EXPECT_EQ(panel.last(), home);
    // The centre now sits in the middle of the area.
    const auto mitte = panel.map_point(ziel, nullptr);
    ASSERT_TRUE(mitte);
    EXPECT_NEAR(mitte->x, width() / 2.0, 1.0);
    EXPECT_NEAR(mitte->y, height() / 2.0, 1.0);
}

TEST_F(ZoomerTest, ScrollingPansByAPageLessATwelfthOrByTheShareOfTheHomeView) {
    panel.zoom_in();
    const Zoom_view vorher = panel.current();
    const Zoom_view last = panel.last();
    const double breite = panel.home().x_max - panel.home().x_min;
    const double hoehe = panel.home().y_max - panel.home().y_min;

    QScrollBar* h = panel.horizontal_bar();
    h->triggerAction(QAbstractSlider::SliderPageStepAdd); // 500 -> 1000: a whole page of 800?
    // Only 500 of the page fit the range, so this is not a page: it pans by the share.
    EXPECT_NEAR(panel.current().centre_x, vorher.centre_x + 500.0 * breite / 1000.0, 1e-9);
    h->triggerAction(QAbstractSlider::SliderPageStepSub); // a whole page back
    const double d = -800.0 * breite / 1000.0;
    EXPECT_NEAR(panel.current().centre_x,
                vorher.centre_x + 500.0 * breite / 1000.0 + std::nearbyint(d - d / 12.0), 1e-9);
    EXPECT_EQ(panel.last(), last); // scrolling is no zoom step

    // Down the vertical bar is down the drawing.
    const double y = panel.current().centre_y;
    panel.vertical_bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(panel.current().centre_y, y - 20.0 * hoehe / 1000.0, 1e-9);
    // The bar shows where the view now is.
    EXPECT_EQ(panel.vertical_bar()->value(),
              1000 - std::lround((panel.current().centre_y - panel.home().y_min) / hoehe * 1000));
}

TEST_F(ZoomerTest, DegenerateExtentsAreFittedWithScaleOne) {
    // Zero width: scale 1 across, s / 1000 upwards; the smaller one wins.
    const double s = std::min(width() - 40.0, height() - 40.0);
    panel.fit_extents(20, 20, 100.0, 0.0, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(panel.home().scale_x, std::min(1.0, s / 100.0));
    EXPECT_DOUBLE_EQ(panel.home().scale_y, panel.home().scale_x);
    panel.fit_extents(20, 20, 100.0, 0.0, 5.0, 5.0 - 1e-3);
    EXPECT_GT(panel.home().scale_x, 1.0) << "a zero width must not be taken for a tiny one";
    panel.fit_extents(20, 20, 1000.0 * s, 0.0, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(panel.home().scale_x, 1e-3);
    EXPECT_DOUBLE_EQ(panel.home().centre_x, 5.0);

    // An empty drawing (extents never grown) is the origin at scale 1, usable like any other.
    panel.fit_extents(20, 20, -1e10, 1e10, -1e10, 1e10);
    EXPECT_DOUBLE_EQ(panel.home().scale_x, 1.0);
    EXPECT_DOUBLE_EQ(panel.home().centre_x, 0.0);
    EXPECT_DOUBLE_EQ(panel.home().centre_y, 0.0);
    EXPECT_TRUE(panel.zoom_in());
    EXPECT_TRUE(panel.map_point(Coord3D{}, nullptr));
}

TEST_F(ZoomerTest, HeldZoomButtonRepeatsUntilReleased) {
    QToolButton* plus = panel.button(Zoom_panel::Button::zoom_in);
    int zooms = 0;
    QObject::connect(&panel, &Zoom_panel::zoomed_in, [&zooms] { ++zooms; });
    QElapsedTimer uhr;
    uhr.start();
    QTest::mousePress(plus, Qt::LeftButton);
    EXPECT_EQ(zooms, 1) << "the press itself zooms";
    QTest::qWait(100);
    if (uhr.elapsed() < 450) { // a busy machine may have slept longer
        EXPECT_EQ(zooms, 1) << "no repeat before half a second";
    }
    QTest::qWait(650);
    QTest::mouseRelease(plus, Qt::LeftButton);
    EXPECT_GE(zooms, 2);
    const int bis_loslassen = zooms;
    QTest::qWait(100);
    EXPECT_EQ(zooms, bis_loslassen);
}

TEST_F(ZoomerTest, APointBeyondTheIntegerRangeIsLeftOutAndTheViewFallsBack) {
    // The owner paints a point far beyond the fitted extents: at home it still maps, zoomed in
    // it no longer does, and the panel returns to the view before the zoom.
    int fehlend = 0;
    QObject::connect(&panel, &Zoom_panel::painting, [&](QPainter&) {
        if (!panel.map_point(Coord3D{3e8, 0.0, 0.0}, nullptr)) {
            ++fehlend;
        }
    });
    const Zoom_view home = panel.home();
    area()->grab();
    EXPECT_EQ(fehlend, 0);
    for (int i = 0; i < 12; ++i) {
        panel.zoom_in();
    }
    ASSERT_NE(panel.current(), home);
    const Zoom_view vorher = panel.last();
    area()->grab();
    EXPECT_GT(fehlend, 0);
    EXPECT_EQ(panel.current(), vorher);
}

// Whatever is clicked, the view stays drawable: page sizes 1..32767, every point of the
// drawing on an integer screen coordinate, the scale finite and positive.
TEST_F(ZoomerTest, RandomZoomPanAndBandStepsNeverLeaveTheLimits) {
    std::mt19937 zufall(20261210);
    std::uniform_int_distribution<int> schritt(0, 9);
    std::uniform_int_distribution<int> px(0, area()->width() - 1);
    std::uniform_int_distribution<int> py(0, area()->height() - 1);
    int verweigert = 0;
    // The panel paints a rectangle around the extents and a circle, as the window would.
    QObject::connect(&panel, &Zoom_panel::painting, [this](QPainter& painter) {
        QPainter_Canvas leinwand(painter);
        const auto a = panel.map_point(Coord3D{0, 0, 0}, nullptr);
        const auto b = panel.map_point(Coord3D{2000, 1000, 0}, nullptr);
        if (a && b) {
            leinwand.line(*a, *b);
            leinwand.ellipse(*a, *b);
        }
    });
    for (int i = 0; i < 200; ++i) {
        if (i % 10 == 0) {
            area()->grab();
        }
        switch (schritt(zufall)) {
        case 0:
        case 1:
            // Runs of zooms reach the limits at both ends.
            for (int k = 0; k < 8; ++k) {
                verweigert += panel.zoom_in() ? 0 : 1;
            }
            break;
        case 2:
            for (int k = 0; k < 6; ++k) {
                verweigert += panel.zoom_out() ? 0 : 1;
            }
            break;
        case 3: {
            const QPoint a(px(zufall), py(zufall));
            band(a, a + QPoint(3 + px(zufall) % 4, 3 + py(zufall) % 4));
            break;
        }
        case 4:
            band(QPoint(px(zufall), py(zufall)), QPoint(px(zufall), py(zufall)));
            break;
        case 5:
            QTest::mouseDClick(area(), Qt::LeftButton, {}, QPoint(px(zufall), py(zufall)));
            break;
        case 6:
            panel.horizontal_bar()->triggerAction(zufall() % 2
                                                      ? QAbstractSlider::SliderPageStepAdd
                                                      : QAbstractSlider::SliderPageStepSub);
            panel.vertical_bar()->setValue(static_cast<int>(zufall() % 1001));
            break;
        case 7:
            click(Zoom_panel::Button::last);
            break;
        case 8:
            panel.zoom_by(zufall() % 2 ? 1e-6 : 1e6); // far beyond any limit: refused
            break;
        default:
            if (zufall() % 4 == 0) {
                click(Zoom_panel::Button::reset);
            } else {
                panel.centre_on(QPoint(px(zufall) * 50, py(zufall) * 50));
            }
        }
        const Zoom_view& v = panel.current();
        ASSERT_TRUE(std::isfinite(v.scale_x) && v.scale_x > 0.0) << "step " << i;
        ASSERT_GE(panel.horizontal_page(v), Zoom_panel::min_page) << "step " << i;
        ASSERT_LE(panel.horizontal_page(v), Zoom_panel::max_page) << "step " << i;
        ASSERT_GE(panel.vertical_page(v), Zoom_panel::min_page) << "step " << i;
        ASSERT_LE(panel.vertical_page(v), Zoom_panel::max_page) << "step " << i;
        for (const Coord3D& ecke : {Coord3D{0, 0, 0}, Coord3D{2000, 1000, 0}}) {
            ASSERT_TRUE(panel.map_point(ecke, nullptr)) << "step " << i;
        }
        ASSERT_GE(panel.horizontal_bar()->pageStep(), Zoom_panel::min_page);
    }
    EXPECT_GT(verweigert, 0) << "the walk never reached a limit";
}

} // namespace
} // namespace trv::dxf
