#include "dxf/DxfBewehrung.h"

#include "calculation/Bemessung.h"
#include "calculation/Katalog.h"
#include "dxf/DxfEntitaeten.h"
#include "dxf/DxfSchreiber.h"
#include "dxf/DxfZeichnung.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <unistd.h>

namespace trv::dxf {

namespace {

// A row slab to slab, 20 kN/m over 2 m: one connector per type, wide bar regions.
TKAnwendung Reihe(double dicke = 450) {
    TKAnwendung a;
    a.SetAnwendungsfall(1);
    a.Geometrie().SetFugenlaenge(2000);
    a.Geometrie().SetPlatteDicke(dicke);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(1);
    b.LinienLastLinks().SetFd(20);
    b.LinienLastRechts().SetFd(20);
    b.LinienLastBestimmen();
    b.SetLastLaenge(2000);
    TKTRVBemessung(a).AlleTypenBemessen();
    return a;
}

// A single connector between two edges, 60 kN on a 300 mm slab.
TKAnwendung Einzeldorn() {
    TKAnwendung a;
    a.SetAnwendungsfall(0);
    a.Geometrie().SetRandLinks(true);
    a.Geometrie().SetRandRechts(true);
    a.Geometrie().SetPlatteDicke(300);
    a.BelastungDesign().SetBelastungsfall(0);
    a.BelastungDesign().Punktlast().SetFd(60);
    TKTRVBemessung(a).AlleTypenBemessen();
    return a;
}

TKBewehrungsmasse Masse(TKAnwendung& a, int typ) {
    a.Ergebnisse().SetAktDorn(static_cast<std::uint8_t>(typ));
    TKBewehrungsmasse m;
    std::string fehler;
    EXPECT_TRUE(BewehrungsmasseLesen(a, m, fehler)) << fehler;
    return m;
}

template <class T> std::vector<const T*> Alle(const DXF_Object& z, const std::string& klasse) {
    std::vector<const T*> r;
    for (const auto& ebene : z.layers()) {
        for (const auto& liste : ebene->entity_lists()) {
            if (liste->list_name() == klasse) {
                for (const auto& e : liste->entities()) {
                    r.push_back(static_cast<const T*>(e.get()));
                }
            }
        }
    }
    return r;
}
std::vector<const Line_*> Linien(const DXF_Object& z) {
    return Alle<Line_>(z, "Line_");
}
std::vector<const Circle_*> Kreise(const DXF_Object& z) {
    return Alle<Circle_>(z, "Circle_");
}
std::vector<const Arc_*> Boegen(const DXF_Object& z) {
    return Alle<Arc_>(z, "Arc_");
}
std::vector<const Text_*> Texte(const DXF_Object& z) {
    return Alle<Text_>(z, "Text_");
}

bool Nahe(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

struct Box {
    Coord3D max{-1e10, -1e10, -1e10};
    Coord3D min{1e10, 1e10, 1e10};
    bool Enthaelt(const Box& b) const {
        return min.x <= b.min.x && min.y <= b.min.y && max.x >= b.max.x && max.y >= b.max.y;
    }
    bool Trifft(const Box& b) const {
        return min.x < b.max.x && b.min.x < max.x && min.y < b.max.y && b.min.y < max.y;
    }
};

Box Ausdehnung(const DXF_Object& z) {
    Box b;
    z.grow_extents(b.max, b.min);
    return b;
}

std::string Lesen(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::filesystem::path NeuerOrdner() {
    auto p = std::filesystem::temp_directory_path() /
             ("trv-bewehrung-test-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

constexpr int TRV18 = 0;
constexpr int TRV30 = 3;

} // namespace

TEST(DxfBewehrung, EveryTypeOfCalculatedPositionsIsDrawn) {
    for (TKAnwendung a : {Reihe(), Einzeldorn()}) {
        for (int typ = 0; typ < AnzDornTypen; ++typ) {
            a.Ergebnisse().SetAktDorn(static_cast<std::uint8_t>(typ));
            std::string fehler;
            const auto z = DxfBewehrungErzeugen(a, '.', fehler);
            ASSERT_TRUE(z) << typ << ": " << fehler;
            EXPECT_EQ(z->drawing_name(), DornName(typ));
            ASSERT_EQ(z->layers().size(), 1u);
            EXPECT_EQ(z->layers()[0]->layer_name(), "0");
            // Texts are drawn first, so the file lists texts, lines, circles, arcs.
            EXPECT_EQ(z->layers()[0]->list_names(),
                      (std::vector<std::string>{"Text_", "Line_", "Circle_", "Arc_"}));
            std::set<std::string> texte;
            for (const Text_* t : Texte(*z)) {
                texte.insert(t->text());
            }
            EXPECT_TRUE(texte.count(Ressource(res::DxfTitel) + DornName(typ))) << typ;
            for (const char* ueberschrift : {"Plan view", "View", "Cut"}) {
                EXPECT_TRUE(texte.count(ueberschrift)) << typ << " " << ueberschrift;
            }
        }
    }
}

// Three x-bars give six LINEs across the region and three vertical dimensions, and no arcs
// of their own.
TEST(DxfBewehrung, PlanViewOfThreeXBars) {
    TKAnwendung a = Reihe();
    const TKBewehrungsmasse m = Masse(a, TRV30);
    ASSERT_EQ(m.nx, 3);
    DXF_Object z;
    TKBewehrungszeichnung b(z, m, '.');
    b.Draufsicht(0, 0);

    std::vector<double> stabY;
    for (const Line_* l : Linien(z)) {
        if (l->colour_number() == FarbeStandard && Nahe(l->position().x, -m.by / 2) &&
            Nahe(l->end_point().x, m.by / 2) && Nahe(l->position().y, l->end_point().y)) {
            stabY.push_back(l->position().y);
        }
    }
    std::sort(stabY.begin(), stabY.end());
    std::vector<double> erwartet;
    for (int k = 0; k < 3; ++k) {
        erwartet.push_back(m.Tx(k) - m.dx / 2.0);
        erwartet.push_back(m.Tx(k) + m.dx / 2.0);
    }
    std::sort(erwartet.begin(), erwartet.end());
    ASSERT_EQ(stabY.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(stabY[i], erwartet[i], 1e-9);
    }
    // The only arcs are the half circles at the start of the y-bars.
    EXPECT_EQ(Boegen(z).size(), static_cast<std::size_t>(m.ny));
    for (const Arc_* bogen : Boegen(z)) {
        EXPECT_EQ(bogen->radius(), m.dy / 2.0);
        EXPECT_NEAR(bogen->position().y, m.cv + m.dy / 2.0, 1e-9);
    }
    std::vector<std::string> masse;
    for (const Text_* t : Texte(z)) {
        if (t->rotation() == 90) {
            masse.push_back(t->text());
            EXPECT_NEAR(t->position().x, m.by / 2 + 50 - 6, 1e-9);
        }
    }
    EXPECT_EQ(masse, (std::vector<std::string>{"60", "70", "70"}));
}

TEST(DxfBewehrung, CutHasTwoCirclesPerXBar) {
    TKAnwendung a = Reihe();
    const TKBewehrungsmasse m = Masse(a, TRV30);
    DXF_Object z;
    TKBewehrungszeichnung(z, m, '.').Schnitt(1000, -500);
    std::vector<const Circle_*> staebe;
    for (const Circle_* k : Kreise(z)) {
        if (k->radius() == m.dx / 2.0) {
            staebe.push_back(k);
        }
    }
    ASSERT_EQ(staebe.size(), 6u);
    const double oben = -500 + m.d / 2 - m.co - m.dy - m.dx / 2.0;
    const double unten = -500 - m.d / 2 + m.cu + m.dy + m.dx / 2.0;
    for (int k = 0; k < 3; ++k) {
        const double x = 1000 + m.Tx(k);
        EXPECT_EQ(std::count_if(staebe.begin(), staebe.end(),
                                [&](const Circle_* c) {
                                    return Nahe(c->position().x, x) &&
                                           (Nahe(c->position().y, oben) ||
                                            Nahe(c->position().y, unten));
                                }),
                  2)
            << k;
    }
    // One U-bar (one bar group): four bend arcs of radii 2 dy and 3 dy.
    const auto b = Boegen(z);
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(b[0]->radius(), 2.0 * m.dy);
    EXPECT_EQ(b[1]->radius(), 3.0 * m.dy);
}

TEST(DxfBewehrung, JointFaceViewOfFourUBarLegs) {
    TKAnwendung a = Reihe();
    const TKBewehrungsmasse m = Masse(a, TRV18);
    ASSERT_EQ(m.ny, 4);
    DXF_Object z;
    TKBewehrungszeichnung(z, m, '.').Fugenansicht(0, 0);
    const auto b = Boegen(z);
    ASSERT_EQ(b.size(), 8u); // half circles at both ends of four legs
    std::set<double> x;
    for (const Arc_* bogen : b) {
        EXPECT_EQ(bogen->radius(), m.dx / 2.0);
        x.insert(bogen->position().x);
        const double y = bogen->position().y;
        EXPECT_TRUE(Nahe(y, -m.d / 2 + m.cu + m.dx / 2.0) || Nahe(y, m.d / 2 - m.co - m.dx / 2.0))
            << y;
    }
    const double a0 = m.Ay[0];
    EXPECT_EQ(x, (std::set<double>{-m.BY / 2, -m.BY / 2 + a0, m.BY / 2 - a0, m.BY / 2}));
    // The slab thickness as a vertical dimension right of the view.
    bool dicke = false;
    for (const Text_* t : Texte(z)) {
        dicke = dicke || (t->text() == "450" && t->rotation() == 90);
    }
    EXPECT_TRUE(dicke);
}

TEST(DxfBewehrung, TitleIsTallerThanEveryOtherText) {
    TKAnwendung a = Einzeldorn();
    a.Ergebnisse().SetAktDorn(TRV30);
    std::string fehler;
    const auto z = DxfBewehrungErzeugen(a, '.', fehler);
    ASSERT_TRUE(z);
    int titel = 0;
    for (const Text_* t : Texte(*z)) {
        if (t->text_height() == 45) {
            ++titel;
            EXPECT_EQ(t->position(), (Coord3D{300 + 500, 0, 0}));
            EXPECT_EQ(t->h_justify(), 0);
        } else {
            EXPECT_EQ(t->text_height(), 30) << t->text();
        }
    }
    EXPECT_EQ(titel, 1);
}

// With connectors far apart the plan view is wide; the title moves right of it instead of
// running across its dimensions.
TEST(DxfBewehrung, TitleStaysClearOfAWidePlanView) {
    TKAnwendung a = Reihe();
    const TKBewehrungsmasse m = Masse(a, TRV30);
    ASSERT_GT(m.by / 2 + 100, m.d + 500);
    DXF_Object plan;
    TKBewehrungszeichnung(plan, m, '.').Draufsicht(0, 0);
    DXF_Object z;
    TKBewehrungszeichnung b(z, m, '.');
    b.Titel();
    EXPECT_GT(Texte(z)[0]->position().x, Ausdehnung(plan).max.x + 100);
}

// The labels once ran over 15 or 18 units per character, less than Arial's letters need at
// height 30, so their leaders and the cut's end line ran through the text. Now each label
// stands on an underline that reaches past both its ends, no line runs through its letters,
// and the cut's labels stand beyond the cut's end line.
TEST(DxfBewehrung, LabelsStandOnTheirUnderlineClearOfEveryLine) {
    TKAnwendung a = Einzeldorn();
    const TKBewehrungsmasse m = Masse(a, TRV30);
    DXF_Object z;
    TKBewehrungszeichnung b(z, m, '.');
    b.Zeichnen();
    const auto beginnt = [](const std::string& s, const std::string& anfang) {
        return s.rfind(anfang, 0) == 0;
    };
    int labels = 0;
    for (const Text_* t : Texte(z)) {
        const std::string& s = t->text();
        const bool schnitt = beginnt(s, "Top: ") || beginnt(s, "Bottom: ");
        if (!schnitt && !beginnt(s, "Top and Bottom: ") && !beginnt(s, "Vertical Reinforcement")) {
            continue;
        }
        ++labels;
        // Arial at height 30: 19.6 to 20.2 units per character for these texts. A label left
        // of its leader ends at its position.
        const double zeichen = static_cast<double>(s.size());
        const bool rechtsbuendig = t->h_justify() == 2;
        const double links = t->position().x - (rechtsbuendig ? 19.0 * zeichen : 0.0);
        const double rechts = t->position().x + (rechtsbuendig ? 0.0 : 19.0 * zeichen);
        const double linksMax = t->position().x - (rechtsbuendig ? 19.5 * zeichen : 0.0);
        const double rechtsMax = t->position().x + (rechtsbuendig ? 0.0 : 19.5 * zeichen);
        const double unten = t->position().y;
        const double oben = unten + t->text_height();
        bool unterstrichen = false;
        for (const Line_* l : Linien(z)) {
            const double x1 = std::min(l->position().x, l->end_point().x);
            const double x2 = std::max(l->position().x, l->end_point().x);
            const double y1 = std::min(l->position().y, l->end_point().y);
            const double y2 = std::max(l->position().y, l->end_point().y);
            unterstrichen = unterstrichen || (Nahe(y1, unten - 6) && Nahe(y2, unten - 6) &&
                                              x1 < linksMax && x2 > rechtsMax);
            EXPECT_FALSE(x1 < rechts && x2 > links && y1 < oben && y2 > unten)
                << s << " crossed by a line at x " << x1 << ".." << x2;
        }
        EXPECT_TRUE(unterstrichen) << s;
        if (schnitt) {
            EXPECT_GT(links, b.SchnittX() + m.R()) << s;
        }
    }
    EXPECT_EQ(labels, 4);
}

// The header extents must enclose the three views and the title, and the views must not
// overlap. Sizes are millimetres: the plan view is the region by wide plus its frame.
TEST(DxfBewehrung, ExtentsEncloseViewsAndTitleInMillimetres) {
    for (TKAnwendung a : {Reihe(), Einzeldorn()}) {
        for (int typ : {TRV18, TRV30, 6, 13}) {
            const TKBewehrungsmasse m = Masse(a, typ);
            DXF_Object ganz;
            TKBewehrungszeichnung(ganz, m, '.').Zeichnen();
            Box kopf;
            DXF_Writer("unbenutzt.dxf", ganz.layers()).compute_extents(kopf.max, kopf.min);

            DXF_Object plan, ansicht, schnitt;
            TKBewehrungszeichnung p(plan, m, '.');
            p.Draufsicht(0, 0);
            TKBewehrungszeichnung(ansicht, m, '.').Fugenansicht(0, p.FugenansichtY());
            TKBewehrungszeichnung(schnitt, m, '.').Schnitt(p.SchnittX(), p.FugenansichtY());
            const Box bp = Ausdehnung(plan), ba = Ausdehnung(ansicht), bs = Ausdehnung(schnitt);
            EXPECT_TRUE(kopf.Enthaelt(bp) && kopf.Enthaelt(ba) && kopf.Enthaelt(bs)) << typ;
            EXPECT_FALSE(bp.Trifft(ba)) << typ;
            EXPECT_FALSE(ba.Trifft(bs)) << typ;
            EXPECT_FALSE(bp.Trifft(bs)) << typ;
            EXPECT_GE(kopf.max.x, p.TitelX());
            EXPECT_GE(bp.max.x - bp.min.x, m.by + 40);
            // Flat: only the circles reach out of z = 0, by their radius (the dowel's is largest).
            EXPECT_NEAR(kopf.min.z, -m.DD / 2, 1e-9);
            EXPECT_NEAR(kopf.max.z, m.DD / 2, 1e-9);
        }
    }
}

TEST(DxfBewehrung, DimensionNumbersUseTheDecimalSeparator) {
    TKAnwendung a = Reihe(452.5);
    a.Ergebnisse().SetAktDorn(TRV30);
    std::string fehler;
    const auto z = DxfBewehrungErzeugen(a, ',', fehler);
    ASSERT_TRUE(z) << fehler;
    int dicke = 0;
    for (const Text_* t : Texte(*z)) {
        dicke += t->text() == "452,5";
    }
    EXPECT_EQ(dicke, 2); // in the view and in the cut
}

// A selected type beyond the catalog draws the last type under its own name, as the results
// read it.
TEST(DxfBewehrung, SelectedTypeBeyondTheCatalogIsClamped) {
    TKAnwendung a = Einzeldorn();
    a.Ergebnisse().SetAktDorn(200);
    std::string fehler;
    const auto z = DxfBewehrungErzeugen(a, '.', fehler);
    ASSERT_TRUE(z) << fehler;
    EXPECT_EQ(z->drawing_name(), DornName(13));
}

TEST(DxfBewehrung, UncalculatedOrIncompletePositionsAreRefused) {
    const auto ablehnen = [](const TKAnwendung& a, int text) {
        std::string fehler;
        EXPECT_EQ(DxfBewehrungErzeugen(a, '.', fehler), nullptr);
        EXPECT_EQ(fehler, Ressource(text));
    };
    ablehnen(TKAnwendung(), res::DxfNichtBerechnet);

    TKAnwendung leer = Reihe();
    leer.Ergebnisse().DornDaten(TRV30).SetAbstaendeBewX({});
    leer.Ergebnisse().SetAktDorn(TRV30);
    ablehnen(leer, res::DxfBewehrungUngueltig);

    TKAnwendung kurz = Reihe();
    kurz.Ergebnisse().DornDaten(TRV30).SetAnzahlBewY(40); // more bars than spacings
    kurz.Ergebnisse().SetAktDorn(TRV30);
    ablehnen(kurz, res::DxfBewehrungUngueltig);

    TKAnwendung unendlich = Reihe();
    unendlich.Geometrie().SetPlatteDicke(std::numeric_limits<double>::infinity());
    ablehnen(unendlich, res::DxfBewehrungUngueltig);
}

TEST(DxfBewehrung, SavedFileIsCompleteOrNotThere) {
    const auto ordner = NeuerOrdner();
    TKAnwendung a = Reihe();
    a.Ergebnisse().SetAktDorn(TRV30);
    std::string fehler;
    ASSERT_TRUE(DxfBewehrungSpeichern(a, ordner / "b.dxf", '.', fehler)) << fehler;
    const std::string text = Lesen(ordner / "b.dxf");
    EXPECT_EQ(text.rfind("999\r\n", 0), 0u);
    EXPECT_TRUE(text.ends_with("  0\r\nEOF\r\n"));
    EXPECT_NE(text.find("TRV 30"), std::string::npos);

    EXPECT_FALSE(DxfBewehrungSpeichern(a, ordner / "fehlt" / "b.dxf", '.', fehler));
    EXPECT_NE(fehler.find("b.dxf"), std::string::npos) << fehler;
    EXPECT_FALSE(std::filesystem::exists(ordner / "fehlt"));

    // A refused drawing leaves an existing file untouched.
    EXPECT_FALSE(DxfBewehrungSpeichern(TKAnwendung(), ordner / "b.dxf", '.', fehler));
    EXPECT_EQ(Lesen(ordner / "b.dxf"), text);
    std::filesystem::remove_all(ordner);
}

} // namespace trv::dxf
