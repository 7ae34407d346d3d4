#include "calculation/Plausibilitaet.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace trv {
namespace {

using Meldungen = std::vector<std::string>;

TEST(PlausibilitaetTest, NeuePositionIstPlausibel) {
    const TKAnwendung a;
    EXPECT_TRUE(EingabenPruefen(a).empty());
}

TEST(PlausibilitaetTest, NutzhoeheGleichDickeVerletztBeideRegeln) {
    TKAnwendung a;
    a.Geometrie().SetPlatteDicke(250);
    a.Geometrie().SetNutzhoehe(250);
    a.Geometrie().SetBetondeckungUnten(30);
    const std::string text = Ressource(res::PlausiNutzhoehe);
    EXPECT_EQ(text, "The thickness of the concrete slab to be connected is less than the "
                    "structural effective height!");
    EXPECT_EQ(EingabenPruefen(a), (Meldungen{text, text}));
}

TEST(PlausibilitaetTest, GrenzenSelbstSindZulaessig) {
    TKAnwendung a;
    TKGeometrie& g = a.Geometrie();
    // d - cu == h and h + 1 == d at once need cu == 1, which the cover rule catches alone.
    g.SetPlatteDicke(200);
    g.SetNutzhoehe(170);
    g.SetBetondeckungUnten(30);
    g.SetBetondeckungOben(10);
    EXPECT_TRUE(EingabenPruefen(a).empty());
    g.SetNutzhoehe(171);
    EXPECT_EQ(EingabenPruefen(a).size(), 1u);
}

// Every rule at its limit: the limit itself is allowed, 0.1 mm beyond it is not. The rule's text
// is counted (two rules share one).
TEST(PlausibilitaetTest, JedeRegelAnIhrerGrenze) {
    struct Fall {
        int text;
        void (*setzen)(TKGeometrie&, double);
        double grenze;
        double darueber;
    };
    const Fall faelle[] = {
        {res::PlausiDickeMin, [](TKGeometrie& g, double v) { g.SetPlatteDicke(v); }, 16, 15.9},
        // d - cu < h with d 450, cu 30; h + 1 > d with h 449 adds the same text once more
        {res::PlausiNutzhoehe, [](TKGeometrie& g, double v) { g.SetNutzhoehe(v); }, 420, 420.1},
        {res::PlausiNutzhoehe,
         [](TKGeometrie& g, double v) {
             g.SetNutzhoehe(449);
             g.SetPlatteDicke(v);
         },
         450, 449.9},
        {res::PlausiNutzhoeheKlein, [](TKGeometrie& g, double v) { g.SetNutzhoehe(v); }, 10, 9.9},
        {res::PlausiDeckungOben, [](TKGeometrie& g, double v) { g.SetBetondeckungOben(v); }, 10,
         9.9},
        {res::PlausiDeckungUnten, [](TKGeometrie& g, double v) { g.SetBetondeckungUnten(v); }, 10,
         9.9},
        {res::PlausiDeckungSumme,
         [](TKGeometrie& g, double v) {
             g.SetBetondeckungOben(200);
             g.SetBetondeckungUnten(v);
         },
         250, 250.1},
    };
    const auto anzahl = [](const TKAnwendung& a, int text) {
        const Meldungen m = EingabenPruefen(a);
        return std::count(m.begin(), m.end(), Ressource(text));
    };
    for (const Fall& f : faelle) {
        TKAnwendung a;
        f.setzen(a.Geometrie(), f.grenze);
        const auto vorher = anzahl(a, f.text);
        f.setzen(a.Geometrie(), f.darueber);
        EXPECT_EQ(anzahl(a, f.text), vorher + 1) << Ressource(f.text) << " at " << f.grenze;
    }
}

TEST(PlausibilitaetTest, AlleRegelnInIhrerReihenfolge) {
    TKAnwendung a;
    a.SetAnwendungsfall(2);
    TKGeometrie& g = a.Geometrie();
    g.SetPlatteDicke(8);
    g.SetNutzhoehe(9);
    g.SetBetondeckungOben(9);
    g.SetBetondeckungUnten(9);
    g.SetWandDicke(199);
    EXPECT_EQ(EingabenPruefen(a),
              (Meldungen{Ressource(res::PlausiDickeMin), Ressource(res::PlausiNutzhoehe),
                         Ressource(res::PlausiNutzhoehe), Ressource(res::PlausiNutzhoeheKlein),
                         Ressource(res::PlausiDeckungOben), Ressource(res::PlausiDeckungUnten),
                         Ressource(res::PlausiDeckungSumme), Ressource(res::PlausiWandDicke)}));
    EXPECT_EQ(EingabenPruefen(a).front(), "The thickness of the concrete slab is less than the "
                                          "minimum thickness of concrete for the smallest shear "
                                          "connector!");
}

TEST(PlausibilitaetTest, WanddickeNurBeiWand) {
    TKAnwendung a;
    a.Geometrie().SetWandDicke(150);
    EXPECT_TRUE(EingabenPruefen(a).empty());
    a.SetAnwendungsfall(2);
    EXPECT_EQ(EingabenPruefen(a),
              (Meldungen{"The wall thickness is less than the minimum required thickness of "
                         "concrete for the smallest shear connector!"}));
    a.Geometrie().SetWandDicke(200);
    EXPECT_TRUE(EingabenPruefen(a).empty());
}

TEST(PlausibilitaetTest, DeckungenEinzelnUndSumme) {
    TKAnwendung a;
    TKGeometrie& g = a.Geometrie();
    g.SetPlatteDicke(450);
    g.SetNutzhoehe(300);
    g.SetBetondeckungOben(9.5);
    EXPECT_EQ(EingabenPruefen(a), (Meldungen{"Concrete cover above is <10mm. Please check"}));
    g.SetBetondeckungOben(30);
    g.SetBetondeckungUnten(5);
    EXPECT_EQ(EingabenPruefen(a), (Meldungen{"Concrete cover below is <10mm.Please check"}));
    g.SetBetondeckungUnten(100);
    g.SetBetondeckungOben(400);
    EXPECT_EQ(EingabenPruefen(a).back(), "The sum of the concrete cover is greater than the "
                                         "thickness of the concrete slab to be connected!");
}

} // namespace
} // namespace trv
