#include "dxf/DxfEntitaeten.h"

#include "dxf/DxfGruppen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace trv::dxf {

namespace {

constexpr Coord3D z_achse{0, 0, 1};

std::string gruppen(const DXF_Custom_Entity& e, const std::string& layer = "0") {
    DXF_Group_Stream out;
    e.emit(out, layer);
    return out.text();
}

// Remembers what was painted, in order.
class Protokoll : public DXF_Canvas {
public:
    std::uint32_t pen_colour() const override { return stift; }
    void set_pen_colour(std::uint32_t c) override {
        stift = c;
        ++stiftwechsel;
    }
    void line(Screen_Point a, Screen_Point b) override {
        eintraege.push_back("line " + p(a) + " " + p(b));
    }
    void ellipse(Screen_Point a, Screen_Point b) override {
        eintraege.push_back("ellipse " + p(a) + " " + p(b));
    }
    void arc(Screen_Point a, Screen_Point b, Screen_Point s, Screen_Point e) override {
        eintraege.push_back("arc " + p(a) + " " + p(b) + " " + p(s) + " " + p(e));
    }
    void pixel(Screen_Point a, std::uint32_t) override { eintraege.push_back("pixel " + p(a)); }
    void text(Screen_Point a, const std::string& t, const Text_Style& s) override {
        eintraege.push_back("text " + p(a) + " " + t + " h" + std::to_string(s.font_height) + " a" +
                            std::to_string(s.angle));
        ausrichtung = s.alignment;
    }

    std::uint32_t stift = 0;
    int stiftwechsel = 0;
    std::vector<std::string> eintraege;
    std::optional<Text_Alignment> ausrichtung;

private:
    static std::string p(Screen_Point q) { return std::to_string(q.x) + "," + std::to_string(q.y); }
};

// One drawing unit per pixel, y upwards on paper and downwards on the screen.
std::optional<Screen_Point> abbilden(const Coord3D& c, const Matrix* m) {
    const Coord3D t = transform_point(c, m);
    return Screen_Point{static_cast<int>(std::lround(t.x)), static_cast<int>(std::lround(-t.y))};
}

void ausdehnen(const DXF_Custom_Entity& e, Coord3D& max, Coord3D& min) {
    max = Coord3D{-1e10, -1e10, -1e10};
    min = Coord3D{1e10, 1e10, 1e10};
    e.grow_extents(max, min);
}

} // namespace

TEST(DxfEntitaeten, LineGroupsByteForByte) {
    const Line_ linie(Coord3D{0, 0, 0}, Coord3D{10, 5, 0}, 7);
    EXPECT_EQ(gruppen(linie), "  0\r\nLINE\r\n  8\r\n0\r\n 62\r\n     7\r\n"
                              " 10\r\n0.00000\r\n 20\r\n0.00000\r\n 30\r\n0.00000\r\n"
                              " 11\r\n10.00000\r\n 21\r\n5.00000\r\n 31\r\n0.00000\r\n");
}

TEST(DxfEntitaeten, TextWritesAlignPointOnlyWhenJustified) {
    const Text_ links(z_achse, Coord3D{1, 2, 0}, Coord3D{}, 30, 0, 0, 7, "Cut");
    EXPECT_EQ(gruppen(links), "  0\r\nTEXT\r\n  8\r\n0\r\n 62\r\n     7\r\n"
                              " 10\r\n1.00000\r\n 20\r\n2.00000\r\n 30\r\n0.00000\r\n"
                              " 40\r\n30.00000\r\n 50\r\n0.00000\r\n  1\r\nCut\r\n"
                              "  7\r\nARIAL\r\n");
    const Text_ mitte(z_achse, Coord3D{1, 2, 0}, Coord3D{5, 2, 0}, 30, 90, 1, 7, "d");
    const std::string t = gruppen(mitte);
    EXPECT_NE(t.find(" 11\r\n5.00000\r\n 21\r\n2.00000\r\n 31\r\n0.00000\r\n 72\r\n     1\r\n"),
              std::string::npos);
    EXPECT_NE(t.find(" 50\r\n90.00000\r\n"), std::string::npos);
    // A missing align point stands for the position.
    EXPECT_EQ(links.align_point(), (Coord3D{1, 2, 0}));
}

TEST(DxfEntitaeten, ArcAnglesAreStoredInRadiansAndWrittenInDegrees) {
    const Arc_ bogen(z_achse, Coord3D{0, 0, 0}, 5, 90, 270, 7);
    EXPECT_DOUBLE_EQ(bogen.start_angle(), M_PI / 2);
    const std::string t = gruppen(bogen);
    EXPECT_EQ(t.substr(0, 10), "  0\r\nARC\r\n");
    EXPECT_NE(t.find(" 40\r\n5.00000\r\n 50\r\n90.00000\r\n 51\r\n270.00000\r\n"),
              std::string::npos);
}

TEST(DxfEntitaeten, TypeNameIsClassNameWithoutTrailingMark) {
    EXPECT_EQ(Circle_(z_achse, {}, 1, 7).dxf_type_name(), "CIRCLE");
    EXPECT_EQ(Text_(z_achse, {}, {}, 1, 0, 0, 7, "x").dxf_type_name(), "TEXT");
}

TEST(DxfEntitaeten, ColourIndexBeyondTheTableWraps) {
    Line_ linie({}, {}, 1);
    EXPECT_EQ(linie.display_colour(), 0x0000FFu); // red
    linie.set_colour_index(20);
    EXPECT_EQ(linie.colour_number(), 20);
    EXPECT_EQ(linie.display_colour(), colour_table[7]);
    linie.set_colour_index(-5); // a switched-off layer's number keeps its colour
    EXPECT_EQ(linie.display_colour(), colour_table[5]);
}

TEST(DxfEntitaeten, ExtrusionOtherThanZAddsMatrixAndGroups) {
    Circle_ kreis(Coord3D{0, 0, -1}, Coord3D{1, 2, 3}, 4, 7);
    ASSERT_NE(kreis.ocs_matrix(), nullptr);
    EXPECT_NE(gruppen(kreis).find("210\r\n0.00000\r\n220\r\n0.00000\r\n230\r\n-1.00000\r\n"),
              std::string::npos);
    EXPECT_EQ(Circle_(z_achse, {}, 1, 7).ocs_matrix(), nullptr);
}

TEST(DxfEntitaeten, CircleExtentsIncludeRadiusInAllAxes) {
    Coord3D max, min;
    ausdehnen(Circle_(z_achse, Coord3D{10, 20, 0}, 5, 7), max, min);
    EXPECT_EQ(min, (Coord3D{5, 15, -5}));
    EXPECT_EQ(max, (Coord3D{15, 25, 5}));
}

TEST(DxfEntitaeten, ArcExtentsTakeEndPointsAndPassedQuadrants) {
    Coord3D max, min;
    ausdehnen(Arc_(z_achse, Coord3D{0, 0, 0}, 10, 0, 180, 7), max, min);
    EXPECT_EQ(max, (Coord3D{10, 10, 0})); // the point at 90 degrees
    EXPECT_EQ(min, (Coord3D{-10, 0, 0}));

    ausdehnen(Arc_(z_achse, Coord3D{0, 0, 0}, 10, 270, 90, 7), max, min); // through 0
    EXPECT_EQ(max, (Coord3D{10, 10, 0}));
    EXPECT_EQ(min.x, 0.0);

    ausdehnen(Arc_(z_achse, Coord3D{0, 0, 0}, 10, 0, 360, 7), max, min); // full circle
    EXPECT_EQ(max, (Coord3D{10, 10, 0}));
    EXPECT_EQ(min, (Coord3D{-10, -10, 0}));
}

// Guards against losing three quadrants when start and end lie in the same quadrant with
// the end before the start: the arc runs almost all the way round.
// A text once entered the extents by its insertion point only, so a reader zooming to the
// extents cut off the letters. "Cut" in Arial at height 30 (capitals 30 high) is 67.86 wide,
// reaches 39.47 above its base line and 9.24 below.
TEST(DxfEntitaeten, TextExtentsHoldTheLetters) {
    Coord3D max, min;
    ausdehnen(Text_(z_achse, Coord3D{1, 2, 0}, Coord3D{}, 30, 0, 0, 7, "Cut"), max, min);
    EXPECT_NEAR(min.x, 1, 0.01);
    EXPECT_NEAR(max.x, 68.86, 0.01);
    EXPECT_NEAR(min.y, 2 - 9.24, 0.01);
    EXPECT_NEAR(max.y, 2 + 39.47, 0.01);
    // Turned by 90° and right-justified at (100, 0): it reads upwards and ends there.
    ausdehnen(Text_(z_achse, Coord3D{0, 0, 0}, Coord3D{100, 0, 0}, 30, 90, 2, 7, "Cut"), max, min);
    EXPECT_NEAR(min.y, -67.86, 0.01);
    EXPECT_NEAR(max.y, 0, 0.01);
    EXPECT_NEAR(min.x, 100 - 39.47, 0.01);
    EXPECT_NEAR(max.x, 100 + 9.24, 0.01);
    // Centred: half on each side of the align point.
    ausdehnen(Text_(z_achse, Coord3D{0, 0, 0}, Coord3D{50, 0, 0}, 30, 0, 1, 7, "Cut"), max, min);
    EXPECT_NEAR(min.x, 50 - 33.93, 0.01);
    EXPECT_NEAR(max.x, 50 + 33.93, 0.01);
}

TEST(DxfEntitaeten, ArcAlmostFullCircleReachesAllQuadrants) {
    Coord3D max, min;
    ausdehnen(Arc_(z_achse, Coord3D{0, 0, 0}, 10, 10, 5, 7), max, min);
    EXPECT_EQ(max, (Coord3D{10, 10, 0}));
    EXPECT_EQ(min, (Coord3D{-10, -10, 0}));
}

TEST(DxfEntitaeten, PaintsThroughCanvasWithOwnColour) {
    Protokoll c;
    const Map_Function map = abbilden;
    Line_(Coord3D{0, 0, 0}, Coord3D{10, 5, 0}, 5).paint(c, nullptr, map);
    Line_(Coord3D{1, 1, 0}, Coord3D{2, 2, 0}, 5).paint(c, nullptr, map);
    EXPECT_EQ(c.stift, colour_table[5]);
    EXPECT_EQ(c.stiftwechsel, 1); // set only when it differs
    Circle_(z_achse, Coord3D{10, 10, 0}, 5, 5).paint(c, nullptr, map);
    Circle_(z_achse, Coord3D{10, 10, 0}, 0.2, 5).paint(c, nullptr, map); // below a pixel
    Arc_(z_achse, Coord3D{0, 0, 0}, 10, 0, 90, 5).paint(c, nullptr, map);
    ASSERT_EQ(c.eintraege.size(), 5u);
    EXPECT_EQ(c.eintraege[0], "line 0,0 10,-5");
    EXPECT_EQ(c.eintraege[2], "ellipse 5,-5 15,-15");
    EXPECT_EQ(c.eintraege[3], "pixel 10,-10");
    EXPECT_EQ(c.eintraege[4], "arc -10,10 10,-10 10,0 0,-10");
}

// A view that keeps y pointing down shows the drawing mirrored; the arc handed to the canvas
// must still be the quarter the entity covers, not the three quarters beside it.
TEST(DxfEntitaeten, ArcKeepsItsSweepUnderAMirroringMap) {
    Protokoll c;
    const Map_Function ungespiegelt = [](const Coord3D& p, const Matrix* m) {
        const Coord3D t = transform_point(p, m);
        return std::optional<Screen_Point>(
            Screen_Point{static_cast<int>(std::lround(t.x)), static_cast<int>(std::lround(t.y))});
    };
    Arc_(z_achse, Coord3D{0, 0, 0}, 10, 0, 90, 5).paint(c, nullptr, ungespiegelt);
    ASSERT_EQ(c.eintraege.size(), 1u);
    EXPECT_EQ(c.eintraege[0], "arc -10,-10 10,10 0,10 10,0");
}

TEST(DxfEntitaeten, TextPaintsWithPixelHeightAlignmentAndAngle) {
    Protokoll c;
    const Map_Function map = abbilden;
    Text_(z_achse, Coord3D{0, 0, 0}, Coord3D{50, 0, 0}, 30, 90, 2, 7, "d").paint(c, nullptr, map);
    ASSERT_EQ(c.eintraege.size(), 1u);
    EXPECT_EQ(c.eintraege[0], "text 50,0 d h32 a900");
    EXPECT_EQ(c.ausrichtung, Text_Alignment::right);
    // Too small to show: nothing is drawn.
    Text_(z_achse, {}, {}, 0.1, 0, 0, 7, "x").paint(c, nullptr, map);
    EXPECT_EQ(c.eintraege.size(), 1u);
}

TEST(DxfEntitaeten, UnmappablePointsAreNotPainted) {
    Protokoll c;
    const Map_Function nie = [](const Coord3D&, const Matrix*) {
        return std::optional<Screen_Point>();
    };
    Line_({}, Coord3D{1, 1, 0}, 7).paint(c, nullptr, nie);
    Arc_(z_achse, {}, 10, 0, 90, 7).paint(c, nullptr, nie);
    EXPECT_TRUE(c.eintraege.empty());
}

} // namespace trv::dxf
