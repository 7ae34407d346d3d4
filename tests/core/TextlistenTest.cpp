#include "model/Textlisten.h"

#include "files/Ressourcen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv {
namespace {

using Liste = std::vector<std::string>;

TEST(TextlistenTest, ZerlegenNurBisZumLetztenBackslash) {
    Liste l;
    TextlisteZerlegen("A\\B\\", l, 3);
    EXPECT_EQ(l, (Liste{"A", "B", ""}));
    TextlisteZerlegen("X\\Y", l, 3);
    // The rest without a backslash is dropped; entries without an item keep their text.
    EXPECT_EQ(l, (Liste{"X", "B", ""}));
}

TEST(TextlistenTest, ZerlegenHaeltKapazitaetEin) {
    Liste l;
    TextlisteZerlegen("1\\2\\3\\4\\", l, 2);
    EXPECT_EQ(l, (Liste{"1", "2"}));
    TextlisteZerlegen("\\\\", l, 2);
    EXPECT_EQ(l, (Liste{"", ""}));
    TextlisteZerlegen("", l, 0);
    EXPECT_TRUE(l.empty());
}

TEST(TextlistenTest, AlleListenGeladen) {
    const TKTextlisten t = TextlistenLaden();
    EXPECT_EQ(t.StatusKurz(),
              (Liste{"OK", "d < d min", "Vsd > VRd", "e < min e", "c < min c", "e < suit e",
                     "f > permissible", "e < reqd e", "c < reqd c", "dw < reqd dw"}));
    EXPECT_EQ(t.StatusLang()[0], "Calculation ok");
    EXPECT_EQ(t.StatusLang()[9],
              "The wall thickness is smaller than required for the selected connector");
    EXPECT_EQ(t.Betongueten(), (Liste{"C16/20", "C20/25", "C25/30", "C30/37"}));
    EXPECT_EQ(t.Betonfestigkeiten()[3], "30 N/mm\u00b2");
    EXPECT_EQ(t.FugenbreitenTexte().size(), 7u);
    EXPECT_EQ(t.FugenbreitenTexte()[6], "60 mm");
    EXPECT_EQ(t.Hinweistexte().size(), 10u);
    EXPECT_EQ(t.Hinweistexte()[1], "Minimum spacing and edge distance are based on the thinnest "
                                   "slab for the actual connector load");
    EXPECT_EQ(t.Hinweistexte()[2], "");
    EXPECT_EQ(t.AnwendungsfallLang()[2], "Row of shear connectors - connection slab to wall");
    EXPECT_EQ(t.AnwendungsfallKurz()[1], "Connector row, slab to slab");
    EXPECT_EQ(t.BewehrungsBasis()[1], "reinf't based on act. FRd");
    EXPECT_EQ(t.MaxAbstandOptionen(), (Liste{"Unlimited", "5 * Slab Thickness"}));
    ASSERT_EQ(t.StuecklistenSpalten().size(), 10u);
    EXPECT_EQ(t.StuecklistenSpalten()[0], "Position" + std::string(26, ' '));
    EXPECT_EQ(t.StuecklistenSpalten()[3], "Designation" + std::string(43, ' '));
    EXPECT_EQ(t.StuecklistenSpalten()[9], "Support type");
}

TEST(TextlistenTest, StatusOhneText) {
    const TKTextlisten t = TextlistenLaden();
    EXPECT_EQ(TKTextlisten::Text(t.StatusKurz(), 10), "");
    EXPECT_EQ(TKTextlisten::Text(t.StatusKurz(), -1), "");
    EXPECT_EQ(TKTextlisten::Text(t.StatusKurz(), 2), "Vsd > VRd");
}

} // namespace
} // namespace trv
