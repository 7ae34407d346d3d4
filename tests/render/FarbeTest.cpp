#include "sketches/Farbe.h"

#include "files/IniDatei.h"

#include "QtDrucken.h"

#include <QColor>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace trv {
namespace {

using R = TKFarbe::Rolle;

class FarbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        pfad_ = std::filesystem::temp_directory_path() /
                ("trv_farbe_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".INI");
        std::filesystem::remove(pfad_);
    }
    void TearDown() override { std::filesystem::remove(pfad_); }
    TKIniDatei Ini() const { return TKIniDatei(pfad_, TKRegional::Standard()); }
    std::filesystem::path pfad_;
};

// The INI file holds the colours as decimal integers with red in the lowest byte.
TEST_F(FarbeTest, StandardfarbenHabenDieDezimalwerteDerIniDatei) {
    const TKFarbe f;
    EXPECT_EQ(f.Hintergrund(), 16777215u);
    EXPECT_EQ(f.BetonPen(), 0u);
    EXPECT_EQ(f.BetonBrush(), 12632256u);
    EXPECT_EQ(f.PosB(), 32768u);
    EXPECT_EQ(f.PosD(), 8388608u);
    EXPECT_EQ(f.DornPen(), 0u);
    EXPECT_EQ(f.DornBrush(), 16776960u);
    EXPECT_EQ(f.Bemassung(), 0u);
    EXPECT_EQ(f.Brandschutz(), 65535u);
}

TEST_F(FarbeTest, GrauschemaErsetztNurDieBuntenFarben) {
    const TKFarbe g = TKFarbe::Grau();
    EXPECT_EQ(g.Hintergrund(), 16777215u);
    EXPECT_EQ(g.BetonBrush(), 12632256u);
    EXPECT_EQ(g.PosB(), 0u);
    EXPECT_EQ(g.PosD(), 0u);
    EXPECT_EQ(g.DornBrush(), 8421504u);
    EXPECT_EQ(g.Brandschutz(), 8421504u);
}

TEST_F(FarbeTest, QtFarbeNimmtRotAusDemUnterstenByte) {
    EXPECT_EQ(AlsQColor(8388608u), QColor(0, 0, 0x80));
    EXPECT_EQ(AlsQColor(65535u), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(TKFarbe().Farbe(R::PosB), QColor(0, 0x80, 0));
}

TEST_F(FarbeTest, FehlendeSchluesselNehmenDieStandardwerte) {
    {
        std::ofstream datei(pfad_);
        datei << "[Farbeinstellung]\nPosD=255\n";
    }
    const TKFarbe f = TKFarbe::Lesen(Ini());
    EXPECT_EQ(f.PosD(), 255u);
    TKFarbe erwartet;
    erwartet.SetWert(R::PosD, 255);
    EXPECT_EQ(f, erwartet);
}

TEST_F(FarbeTest, EinstellungSchreibtAlleNeunSchluesselBeimZerstoeren) {
    {
        TKFarbeinstellung einstellung(Ini());
        EXPECT_EQ(einstellung.Farbe(), TKFarbe());
        einstellung.SetFarbe(TKFarbe::Grau());
        // Nothing reaches the file before the end of the settings' life.
        EXPECT_EQ(Ini().LeseInt("Farbeinstellung", "DornBrush", -1), -1);
    }
    const TKIniDatei ini = Ini();
    EXPECT_EQ(ini.LeseInt("Farbeinstellung", "DornBrush", -1), 8421504);
    EXPECT_EQ(ini.LeseInt("farbeinstellung", "posb", -1), 0);
    EXPECT_EQ(TKFarbe::Lesen(ini), TKFarbe::Grau());
}

} // namespace
} // namespace trv
