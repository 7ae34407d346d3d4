#include "model/Geometrie.h"

#include <gtest/gtest.h>

namespace trv {
namespace {

TEST(GeometrieTest, NeueGeometrie) {
    const TKGeometrie g;
    EXPECT_EQ(g.Fugenbreite(), 2);
    EXPECT_EQ(g.Fugenlaenge(), 2000);
    EXPECT_FALSE(g.RandLinks());
    EXPECT_FALSE(g.RandRechts());
    EXPECT_EQ(g.Nutzhoehe(), 400);
    EXPECT_EQ(g.PlatteDicke(), 450);
    EXPECT_EQ(g.WandDicke(), 400);
    EXPECT_EQ(g.BetondeckungVorn(), 30);
}

TEST(GeometrieTest, WirksameFugenlaengeNurMitBeidenRaendern) {
    TKGeometrie g;
    g.SetRandLinks(true);
    EXPECT_EQ(g.Fugenlaenge(), 2000);
    g.SetRandRechts(true);
    EXPECT_EQ(g.Fugenlaenge(), 1000);
    g.SetBauteilRandLinks(300);
    EXPECT_EQ(g.Fugenlaenge(), 800);
    // The stored value stays what the user typed; the file writes that one.
    EXPECT_EQ(g.FugenlaengeGespeichert(), 2000);
}

TEST(GeometrieTest, KopieIstUnabhaengig) {
    TKGeometrie quelle;
    quelle.SetPlatteDicke(250);
    TKGeometrie kopie(quelle);
    EXPECT_EQ(kopie.PlatteDicke(), 250);
    kopie.SetPlatteDicke(300);
    kopie.SetFugenbreite(6);
    EXPECT_EQ(quelle.PlatteDicke(), 250);
    EXPECT_EQ(quelle.Fugenbreite(), 2);
}

} // namespace
} // namespace trv
