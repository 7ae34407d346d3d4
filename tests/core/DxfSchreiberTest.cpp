#include "dxf/DxfSchreiber.h"

#include "dxf/DxfZeichnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace trv::dxf {

namespace {

constexpr Coord3D z_achse{0, 0, 1};

std::string zeilen_ab(const std::string& text, const std::string& marke, int anzahl) {
    const auto pos = text.find(marke);
    if (pos == std::string::npos) {
        return {};
    }
    std::size_t ende = pos;
    for (int i = 0; i < anzahl && ende != std::string::npos; ++i) {
        ende = text.find("\r\n", ende);
        if (ende != std::string::npos) {
            ende += 2;
        }
    }
    return text.substr(pos, ende - pos);
}

std::filesystem::path neuer_ordner() {
    auto p = std::filesystem::temp_directory_path() /
             ("trv-dxf-test-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

std::string lesen(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(DxfSchreiber, LayerTableRunsFromLastToFirst) {
    DXF_Object z;
    z.find_or_add_layer("0", true);
    z.find_or_add_layer("A", true).set_layer_colour(1);
    const std::string t = DXF_Writer("x.dxf", z.layers()).file_text();
    const auto a = t.find("  0\r\nLAYER\r\n  2\r\nA\r\n");
    const auto null = t.find("  0\r\nLAYER\r\n  2\r\n0\r\n");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(null, std::string::npos);
    EXPECT_LT(a, null);
    EXPECT_NE(t.find("  2\r\nLAYER\r\n 70\r\n     2\r\n"), std::string::npos);
    // Each layer with its own colour: red for A, the default white for 0.
    EXPECT_NE(t.find("  2\r\nA\r\n 70\r\n    64\r\n 62\r\n     1\r\n  6\r\nCONTINUOUS\r\n"),
              std::string::npos);
    EXPECT_NE(t.find("  2\r\n0\r\n 70\r\n    64\r\n 62\r\n     7\r\n  6\r\nCONTINUOUS\r\n"),
              std::string::npos);
}

TEST(DxfSchreiber, EmptyDrawingHasInvertedHugeExtents) {
    DXF_Object z;
    const std::string t = DXF_Writer("x.dxf", z.layers()).file_text();
    const std::string min = zeilen_ab(t, "  9\r\n$EXTMIN", 8);
    ASSERT_FALSE(min.empty());
    std::istringstream s(min);
    std::string zeile;
    std::vector<std::string> werte;
    while (std::getline(s, zeile)) {
        werte.push_back(zeile);
    }
    ASSERT_EQ(werte.size(), 8u);
    EXPECT_DOUBLE_EQ(std::stod(werte[3]), 1e10);
    EXPECT_DOUBLE_EQ(std::stod(werte[7]), 1e10);
    Coord3D max, mn;
    DXF_Writer("x.dxf", z.layers()).compute_extents(max, mn);
    EXPECT_EQ(max, (Coord3D{-1e10, -1e10, -1e10}));
}

TEST(DxfSchreiber, CircleExtentsInHeader) {
    DXF_Object z;
    z.find_or_add_layer("0", true).add_entity(
        std::make_unique<Circle_>(z_achse, Coord3D{10, 20, 0}, 5, 7));
    const std::string t = DXF_Writer("x.dxf", z.layers()).file_text();
    EXPECT_NE(t.find("  9\r\n$EXTMIN\r\n 10\r\n5.00000\r\n 20\r\n15.00000\r\n 30\r\n-5.00000\r\n"
                     "  9\r\n$EXTMAX\r\n 10\r\n15.00000\r\n 20\r\n25.00000\r\n 30\r\n5.00000\r\n"
                     "  0\r\nENDSEC\r\n"),
              std::string::npos);
    // The drawing itself is not changed by writing.
    EXPECT_EQ(z.ext_max(), (Coord3D{}));
}

TEST(DxfSchreiber, SectionsTablesAndEndMarker) {
    DXF_Object z;
    z.find_or_add_layer("0", true).add_entity(
        std::make_unique<Line_>(Coord3D{}, Coord3D{1, 0, 0}, 7));
    const std::string t = DXF_Writer("x.dxf", z.layers()).file_text();
    EXPECT_EQ(t.substr(0, 5), "999\r\n");
    EXPECT_NE(t.find("  0\r\nTABLE\r\n  2\r\nLTYPE\r\n 70\r\n     1\r\n  0\r\nLTYPE\r\n  2\r\n"
                     "CONTINUOUS\r\n 70\r\n    64\r\n  3\r\nSolid line\r\n 72\r\n    65\r\n"
                     " 73\r\n     0\r\n 40\r\n0.00000\r\n  0\r\nENDTAB\r\n"),
              std::string::npos);
    EXPECT_NE(t.find("  2\r\nSTYLE\r\n 70\r\n     0\r\n  0\r\nSTYLE\r\n  2\r\nARIAL\r\n"
                     " 70\r\n    64\r\n 40\r\n 3.50000000000000E-0001\r\n"
                     " 41\r\n 1.00000000000000E+0000\r\n 50\r\n 0.00000000000000E+0000\r\n"
                     " 71\r\n     0\r\n 42\r\n 3.50000000000000E-0001\r\n  3\r\narial\r\n"
                     "  4\r\n\r\n  0\r\nENDTAB\r\n"),
              std::string::npos);
    EXPECT_NE(t.find("  2\r\nBLOCKS\r\n  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
                     "  0\r\nLINE\r\n"),
              std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 23), "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
}

TEST(DxfSchreiber, SaveWritesTheFileAndReplacesAnOldOne) {
    const auto ordner = neuer_ordner();
    const auto ziel = ordner / "plan.dxf";
    {
        std::ofstream alt(ziel);
        alt << "old";
    }
    DXF_Object z;
    z.find_or_add_layer("0", true).add_entity(
        std::make_unique<Line_>(Coord3D{}, Coord3D{1, 0, 0}, 7));
    std::string fehler;
    ASSERT_TRUE(z.save_as(ziel, fehler)) << fehler;
    EXPECT_EQ(lesen(ziel), DXF_Writer(ziel, z.layers()).file_text());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), 1);
    std::filesystem::remove_all(ordner);
}

TEST(DxfSchreiber, FailedSaveReportsAndKeepsTheOldFile) {
    const auto ordner = neuer_ordner();
    DXF_Object z;
    auto& l = z.find_or_add_layer("0", true);
    l.add_entity(std::make_unique<Line_>(Coord3D{}, Coord3D{1, 0, 0}, 7));
    std::string fehler;
    EXPECT_FALSE(z.save_as(ordner / "missing" / "plan.dxf", fehler));
    EXPECT_NE(fehler.find("plan.dxf"), std::string::npos);

    // A value that cannot be written stops the save before the old file is touched.
    const auto ziel = ordner / "plan.dxf";
    {
        std::ofstream alt(ziel);
        alt << "old";
    }
    l.add_entity(std::make_unique<Circle_>(z_achse, Coord3D{}, std::nan(""), 7));
    EXPECT_FALSE(z.save_as(ziel, fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_EQ(lesen(ziel), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), 1);
    std::filesystem::remove_all(ordner);
}

} // namespace trv::dxf
