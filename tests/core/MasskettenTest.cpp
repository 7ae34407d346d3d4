#include "model/Masskette.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trv {

namespace {

// Every character 10 wide; texts must keep 2 apart.
Kettenvorgaben Vorgaben() {
    Kettenvorgaben v;
    v.Breite = [](const std::string& t) { return 10.0 * static_cast<double>(t.size()); };
    v.Mal = [](std::size_t n, const std::string& t) { return std::to_string(n) + "x" + t; };
    v.Luecke = 2;
    return v;
}

// No two texts of one row closer than the gap, and each text in a row of its own height.
void KeineUeberdeckung(const std::vector<Kettentext>& texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        for (std::size_t j = i + 1; j < texte.size(); ++j) {
            if (texte[i].Reihe != texte[j].Reihe) {
                continue;
            }
            const double abstand = std::abs(texte[i].Mitte - texte[j].Mitte);
            const double noetig =
                5.0 * static_cast<double>(texte[i].Text.size() + texte[j].Text.size()) + 2;
            EXPECT_GE(abstand, noetig) << texte[i].Text << " / " << texte[j].Text;
        }
    }
}

} // namespace

TEST(Masskette, TextsThatFitStandBetweenTheirTicks) {
    const auto t = KettentexteAnordnen({0, 40, 100, 130}, {"40", "60", "30"}, Vorgaben());
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].Mitte, 20);
    EXPECT_EQ(t[1].Mitte, 70);
    EXPECT_EQ(t[2].Mitte, 115);
    for (const auto& k : t) {
        EXPECT_EQ(k.Reihe, 0);
    }
    EXPECT_EQ(KettenReihen(t), 1);
}

// Narrow equal spacings read as one dimension over their run; the edge distance stays.
TEST(Masskette, EqualNarrowSpacingsBecomeOneCountTimesSpacing) {
    const auto t =
        KettentexteAnordnen({0, 60, 75, 90, 105, 120}, {"60", "15", "15", "15", "15"}, Vorgaben());
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].Text, "60");
    EXPECT_EQ(t[1].Text, "4x15");
    EXPECT_EQ(t[1].Erstes, 1u);
    EXPECT_EQ(t[1].Letztes, 4u);
    // 40 wide over a run of 60: it stands at the middle of the run.
    EXPECT_EQ(t[1].Mitte, 90);
    EXPECT_EQ(t[1].Reihe, 0);
}

// A number too wide for the last spacing goes outside past the end, also on a falling chain.
TEST(Masskette, ANarrowEndDimensionPutsItsNumberOutside) {
    const auto steigend = KettentexteAnordnen({0, 100, 110}, {"100", "10"}, Vorgaben());
    ASSERT_EQ(steigend.size(), 2u);
    EXPECT_EQ(steigend[1].Reihe, 0);
    EXPECT_EQ(steigend[1].Mitte, 110 + 2 + 10);
    const auto fallend = KettentexteAnordnen({110, 10, 0}, {"100", "10"}, Vorgaben());
    EXPECT_EQ(fallend[1].Mitte, 0 - 2 - 10);
    Kettenvorgaben innen = Vorgaben();
    innen.AussenAmEnde = false;
    const auto gesperrt = KettentexteAnordnen({0, 100, 110}, {"100", "10"}, innen);
    EXPECT_EQ(gesperrt[1].Reihe, 1);
    EXPECT_EQ(gesperrt[1].Mitte, 105);
}

// Many close, different spacings (connectors under a varying load): staggered rows, every
// number readable and each at its own dimension.
TEST(Masskette, CloseDifferentSpacingsAreStaggered) {
    std::vector<double> punkte{0, 200};
    std::vector<std::string> texte{"200"};
    for (int i = 0; i < 20; ++i) {
        punkte.push_back(punkte.back() + 12 + i % 3);
        texte.push_back(std::to_string(300 + i));
    }
    punkte.push_back(punkte.back() + 200);
    texte.push_back("201");
    const auto t = KettentexteAnordnen(punkte, texte, Vorgaben());
    ASSERT_EQ(t.size(), texte.size());
    KeineUeberdeckung(t);
    EXPECT_GE(KettenReihen(t), 3);
    for (std::size_t i = 1; i + 1 < t.size(); ++i) {
        EXPECT_EQ(t[i].Text, texte[i]);
        EXPECT_GE(t[i].Reihe, 1) << "a number wider than its spacing stands off the line";
        EXPECT_DOUBLE_EQ(t[i].Mitte, (punkte[i] + punkte[i + 1]) / 2);
    }
    EXPECT_EQ(t.front().Reihe, 0);
    EXPECT_EQ(t.back().Reihe, 0);
}

TEST(Masskette, EmptyChainsGiveNoTexts) {
    EXPECT_TRUE(KettentexteAnordnen({}, {}, Vorgaben()).empty());
    EXPECT_TRUE(KettentexteAnordnen({5}, {"x"}, Vorgaben()).empty());
    EXPECT_EQ(KettenReihen({}), 0);
}

} // namespace trv
