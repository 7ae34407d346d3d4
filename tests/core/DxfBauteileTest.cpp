#include "dxf/DxfBauteile.h"

#include "dxf/DxfEntitaeten.h"
#include "dxf/DxfZeichnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace trv::dxf {

namespace {

// A drawing with the builder on its layer "0", and typed views of what was drawn.
class Zeichenfeld {
public:
    Zeichenfeld() : ebene(zeichnung.find_or_add_layer("0", true)), z(ebene) {}

    std::vector<const Line_*> linien() const { return nur<Line_>("Line_"); }
    std::vector<const Arc_*> boegen() const { return nur<Arc_>("Arc_"); }
    std::vector<const Circle_*> kreise() const { return nur<Circle_>("Circle_"); }
    std::vector<const Text_*> texte() const { return nur<Text_>("Text_"); }

    DXF_Object zeichnung;
    DXF_Layer& ebene;
    TKDxfZeichner z;

private:
    template <class T> std::vector<const T*> nur(const std::string& klasse) const {
        std::vector<const T*> r;
        for (const auto& liste : ebene.entity_lists()) {
            if (liste->list_name() == klasse) {
                for (const auto& e : liste->entities()) {
                    r.push_back(static_cast<const T*>(e.get()));
                }
            }
        }
        return r;
    }
};

constexpr double toleranz = 1e-9;

bool hat_linie(const std::vector<const Line_*>& linien, double x1, double y1, double x2,
               double y2) {
    const auto gleich = [](const Coord3D& p, double x, double y) {
        return std::fabs(p.x - x) < 1e-6 && std::fabs(p.y - y) < 1e-6;
    };
    for (const Line_* l : linien) {
        if ((gleich(l->position(), x1, y1) && gleich(l->end_point(), x2, y2)) ||
            (gleich(l->position(), x2, y2) && gleich(l->end_point(), x1, y1))) {
            return true;
        }
    }
    return false;
}

double grad(double rad) {
    return rad * 180.0 / 3.14159265358979323846;
}

double laenge(const Line_* l) {
    return std::hypot(l->end_point().x - l->position().x, l->end_point().y - l->position().y);
}

} // namespace

TEST(DxfBauteile, DirectionsAreExactOnTheAxes) {
    EXPECT_EQ(RichtungGrad(0, 10, 0, 0), 0.0);
    EXPECT_EQ(RichtungGrad(0, 0, 0, 10), 90.0);
    EXPECT_EQ(RichtungGrad(10, 0, 0, 0), 180.0);
    EXPECT_EQ(RichtungGrad(0, 0, 10, 0), 270.0);
    EXPECT_NEAR(RichtungGrad(0, 1, 0, 1), 45.0, 1e-5);
    // Below the x axis the direction is counted on, not negative.
    EXPECT_NEAR(RichtungGrad(0, -1, 0, -1), 225.0, 1e-5);
    EXPECT_EQ(RichtungGrad(3, 3, 4, 4), 0.0); // a point has no direction
}

TEST(DxfBauteile, RectangleIsFourClosedLines) {
    Zeichenfeld f;
    f.z.RechteckZeichnen(-5, 5, 10, 30, FarbeSchnitt);
    const auto l = f.linien();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(hat_linie(l, -5, 10, 5, 10));
    EXPECT_TRUE(hat_linie(l, 5, 10, 5, 30));
    EXPECT_TRUE(hat_linie(l, 5, 30, -5, 30));
    EXPECT_TRUE(hat_linie(l, -5, 30, -5, 10));
    for (const Line_* x : l) {
        EXPECT_EQ(x->colour_number(), FarbeSchnitt);
    }
}

TEST(DxfBauteile, TextTakesTheStyleHeightAndStandsAtItsPoint) {
    Zeichenfeld f;
    f.z.SetStil(TKMassstil{20, 7.5, 20, 30});
    f.z.TextZeichnen("Cut", 12, -40, 0, Ausrichtung::Links);
    const auto t = f.texte();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0]->text_height(), 30.0);
    EXPECT_EQ(t[0]->position(), (Coord3D{12, -40, 0}));
    EXPECT_EQ(t[0]->align_point(), (Coord3D{12, -40, 0}));
    EXPECT_EQ(t[0]->h_justify(), 0);
    EXPECT_EQ(t[0]->colour_number(), FarbeStandard);
}

TEST(DxfBauteile, BarHasTwoSidesAndItsEndShapes) {
    {
        Zeichenfeld f;
        f.z.StabZeichnen(Stabende::Offen, Stabende::Offen, 10, 0, 100, 50, 50);
        const auto l = f.linien();
        ASSERT_EQ(l.size(), 2u);
        EXPECT_TRUE(hat_linie(l, 0, 45, 100, 45));
        EXPECT_TRUE(hat_linie(l, 0, 55, 100, 55));
        EXPECT_TRUE(f.boegen().empty());
    }
    {
        Zeichenfeld f;
        f.z.StabZeichnen(Stabende::Flach, Stabende::Flach, 18, 0, 0, -155, 155);
        const auto l = f.linien();
        ASSERT_EQ(l.size(), 4u);
        EXPECT_TRUE(hat_linie(l, 9, -155, -9, -155));
        EXPECT_TRUE(hat_linie(l, 9, 155, -9, 155));
    }
    {
        Zeichenfeld f;
        f.z.StabZeichnen(Stabende::Vollkreis, Stabende::Offen, 12, 0, 100, 0, 0);
        ASSERT_EQ(f.boegen().size(), 1u);
        EXPECT_NEAR(grad(f.boegen()[0]->start_angle()), 0.0, toleranz);
        EXPECT_NEAR(grad(f.boegen()[0]->end_angle()), 360.0, toleranz);
        EXPECT_EQ(f.boegen()[0]->radius(), 6.0);
    }
}

// The half circles must bulge away from the bar: behind its start and beyond its end.
TEST(DxfBauteile, HalfCirclesBulgeOutwards) {
    Zeichenfeld f;
    f.z.StabZeichnen(Stabende::Halbkreis, Stabende::Halbkreis, 10, 0, 0, 0, 100); // upwards
    const auto b = f.boegen();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0]->position(), (Coord3D{0, 0, 0}));
    EXPECT_NEAR(grad(b[0]->start_angle()), 180.0, toleranz);
    EXPECT_NEAR(grad(b[0]->end_angle()), 0.0, toleranz);
    EXPECT_EQ(b[1]->position(), (Coord3D{0, 100, 0}));
    EXPECT_NEAR(grad(b[1]->start_angle()), 0.0, toleranz);
    EXPECT_NEAR(grad(b[1]->end_angle()), 180.0, toleranz);

    Coord3D max{-1e10, -1e10, -1e10};
    Coord3D min{1e10, 1e10, 1e10};
    f.ebene.grow_extents(max, min);
    EXPECT_NEAR(min.y, -5.0, toleranz);
    EXPECT_NEAR(max.y, 105.0, toleranz);
    EXPECT_NEAR(min.x, -5.0, toleranz);
    EXPECT_NEAR(max.x, 5.0, toleranz);
}

TEST(DxfBauteile, BendQuarterFollowsTheCornerPoints) {
    struct Fall {
        double x1, x2, y1, y2;
        Coord3D mitte;
        double von;
    };
    for (const Fall& c :
         {Fall{10, 0, 10, 0, {10, 0, 0}, 90}, Fall{10, 0, 0, 10, {0, 0, 0}, 0},
          Fall{0, 10, 10, 0, {10, 10, 0}, 180}, Fall{0, 10, 0, 10, {0, 10, 0}, 270}}) {
        Zeichenfeld f;
        f.z.BiegungZeichnen(24, 12, c.x1, c.x2, c.y1, c.y2);
        const auto b = f.boegen();
        ASSERT_EQ(b.size(), 2u);
        EXPECT_EQ(b[0]->position(), c.mitte) << c.von;
        EXPECT_EQ(b[1]->position(), c.mitte) << c.von;
        EXPECT_EQ(b[0]->radius(), 24.0);
        EXPECT_EQ(b[1]->radius(), 36.0);
        EXPECT_NEAR(grad(b[0]->start_angle()), c.von, toleranz);
        EXPECT_NEAR(grad(b[0]->end_angle()), c.von + 90, toleranz);
    }
    Zeichenfeld f;
    f.z.BiegungZeichnen(24, 12, 0, 0, 0, 10); // corner points on one vertical
    EXPECT_TRUE(f.boegen().empty());
}

// The U-bar's straight parts must meet its bends: the sides of the legs and of the back are
// tangent to the inner and outer bend arcs.
TEST(DxfBauteile, UBarLegsMeetTheBends) {
    Zeichenfeld f;
    const double xb = 40, xe = 400, yt = 200, yb = -200, r = 24, d = 12, t = d / 2;
    f.z.BuegelZeichnen(xb, xe, yt, yb, r, d);
    const auto l = f.linien();
    const auto b = f.boegen();
    ASSERT_EQ(l.size(), 6u);
    ASSERT_EQ(b.size(), 4u);
    const double k = r + t;
    EXPECT_TRUE(hat_linie(l, xe, yt + t, xb + k, yt + t));
    EXPECT_TRUE(hat_linie(l, xe, yt - t, xb + k, yt - t));
    EXPECT_TRUE(hat_linie(l, xb - t, yt - k, xb - t, yb + k));
    EXPECT_TRUE(hat_linie(l, xb + t, yt - k, xb + t, yb + k));
    EXPECT_TRUE(hat_linie(l, xb + k, yb - t, xe, yb - t));
    // Upper bend centred inside the corner, quarter 90..180, radii r and r + d.
    EXPECT_EQ(b[0]->position(), (Coord3D{xb + k, yt - k, 0}));
    EXPECT_NEAR(grad(b[0]->start_angle()), 90, toleranz);
    EXPECT_EQ(b[2]->position(), (Coord3D{xb + k, yb + k, 0}));
    EXPECT_NEAR(grad(b[2]->start_angle()), 180, toleranz);
    EXPECT_EQ(b[1]->radius(), r + d);
}

TEST(DxfBauteile, DimensionWithTicksOverrunsAndMarksBothEnds) {
    Zeichenfeld f;
    f.z.SetStil(TKMassstil{20, 7.5, 20, 30});
    f.z.MasslinieZeichnen(Massende::Schraegstrich, Massende::Schraegstrich, 0, 100, 0, 0);
    const auto l = f.linien();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_TRUE(hat_linie(l, -5, 0, 105, 0)); // runs E/4 past both ends
    EXPECT_TRUE(hat_linie(l, 0, -10, 0, 10)); // cross line of length E
    EXPECT_TRUE(hat_linie(l, 100, -10, 100, 10));
    int ticks = 0;
    for (const Line_* x : l) {
        const double dx = x->end_point().x - x->position().x;
        const double dy = x->end_point().y - x->position().y;
        if (std::fabs(std::fabs(dx) - std::fabs(dy)) < 1e-9 && dx != 0) {
            ++ticks;
            EXPECT_NEAR(laenge(x), 10.0, 1e-9); // E/2, centred on the end point
            EXPECT_NEAR((x->position().y + x->end_point().y) / 2, 0.0, 1e-9);
            EXPECT_GT(dx * dy, 0.0); // both ticks lean the same way
        }
    }
    EXPECT_EQ(ticks, 2);
}

TEST(DxfBauteile, ArrowsPointAtTheEndsAndPlainLineHasNoMarks) {
    Zeichenfeld f;
    f.z.SetStil(TKMassstil{20, 7.5, 20, 30});
    f.z.MasslinieZeichnen(Massende::Pfeil, Massende::QuerstrichPfeil, 0, 0, 0, 200);
    const auto l = f.linien();
    ASSERT_EQ(l.size(), 1u + 3u + 4u);
    EXPECT_TRUE(hat_linie(l, 0, 0, 0, 200)); // no overrun without ticks at the start
    EXPECT_TRUE(hat_linie(l, 0, 0, -3.75, 20));
    EXPECT_TRUE(hat_linie(l, 0, 0, 3.75, 20));
    EXPECT_TRUE(hat_linie(l, -3.75, 20, 3.75, 20));
    EXPECT_TRUE(hat_linie(l, 0, 200, 3.75, 180));
    EXPECT_TRUE(hat_linie(l, -10, 200, 10, 200));

    Zeichenfeld g;
    g.z.MasslinieZeichnen(Massende::Ohne, Massende::Ohne, 0, 50, 0, 0);
    ASSERT_EQ(g.linien().size(), 1u);
    EXPECT_TRUE(hat_linie(g.linien(), 0, 0, 50, 0));
}

TEST(DxfBauteile, DimensionTextSitsOneFifthOfItsHeightOffTheLine) {
    Zeichenfeld f;
    f.z.SetStil(TKMassstil{20, 7.5, 20, 30});
    f.z.MassZeichnen(Massende::Schraegstrich, Massende::Schraegstrich, 0, 100, 10, 10, 0, "100");
    f.z.MassZeichnen(Massende::Schraegstrich, Massende::Schraegstrich, 50, 50, 300, 0, 90, "300");
    f.z.MassZeichnen(Massende::Ohne, Massende::Ohne, 50, 50, 0, 300, 90, "up");
    const auto t = f.texte();
    ASSERT_EQ(t.size(), 3u);
    // Horizontal: above, centred on the middle.
    EXPECT_EQ(t[0]->position(), (Coord3D{0, 16, 0}));
    EXPECT_EQ(t[0]->align_point(), (Coord3D{50, 16, 0}));
    EXPECT_EQ(t[0]->h_justify(), 1);
    EXPECT_EQ(t[0]->rotation(), 0.0);
    EXPECT_EQ(t[0]->text_height(), 30.0);
    // Vertical, drawn downwards: left of the line, right-justified.
    EXPECT_EQ(t[1]->position(), (Coord3D{44, 300, 0}));
    EXPECT_EQ(t[1]->align_point(), (Coord3D{44, 150, 0}));
    EXPECT_EQ(t[1]->h_justify(), 2);
    EXPECT_EQ(t[1]->rotation(), 90.0);
    // Vertical, drawn upwards: right of the line, left-justified.
    EXPECT_EQ(t[2]->position(), (Coord3D{56, 0, 0}));
    EXPECT_EQ(t[2]->h_justify(), 0);
    EXPECT_EQ(t[2]->text(), "up");
}

} // namespace trv::dxf
