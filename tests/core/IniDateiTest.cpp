#include "files/IniDatei.h"

#include "files/Einstellungen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace trv {

namespace {

namespace fs = std::filesystem;

class IniDateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("trv-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
        pfad_ = ordner_ / "trv.INI";
    }
    void TearDown() override { fs::remove_all(ordner_); }

    void Schreiben(const std::string& inhalt) { std::ofstream(pfad_, std::ios::binary) << inhalt; }
    std::string Inhalt() const {
        std::ifstream in(pfad_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    TKIniDatei Ini(char trenner = '.') const {
        TKRegional r = TKRegional::Standard();
        r.Dezimaltrenner = trenner;
        return TKIniDatei(pfad_, r);
    }

    fs::path ordner_;
    fs::path pfad_;
};

} // namespace

TEST_F(IniDateiTest, MissingFileSectionOrKeyGivesDefaults) {
    const TKIniDatei ini = Ini();
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
    EXPECT_EQ(LeseInt(ini, einstellung::Stahlguete), 0);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::GammaMs), 1.05);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::PunktlastTgg), 1.35);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::LinienlastRechtsTgq), 1.5);
    EXPECT_EQ(LeseInt(ini, einstellung::IDSprache), 2055);
    EXPECT_EQ(LeseString(ini, einstellung::TBearbeiter), "");
    Schreiben("[Other]\r\nBemessung=0\r\n");
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
}

TEST_F(IniDateiTest, NoFileAtAllReadsDefaultsAndDropsWrites) {
    const TKIniDatei ini;
    SchreibeInt(ini, einstellung::Bemessung, 0);
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
}

TEST_F(IniDateiTest, IntegersDecimalAndHex) {
    Schreiben("[Anwenderdaten]\nBemessung=0x1\nLand=0X0a\nIDSprache=1040\nStahlguete=abc\n");
    const TKIniDatei ini = Ini();
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
    EXPECT_EQ(LeseInt(ini, einstellung::Land), 10);
    EXPECT_EQ(LeseInt(ini, einstellung::IDSprache), 1040);
    EXPECT_EQ(LeseInt(ini, einstellung::Stahlguete), 0);
}

TEST_F(IniDateiTest, ValuesOutsideTheirRangeGiveTheDefault) {
    Schreiben("[Anwenderdaten]\nBemessung=7\nStahlguete=-1\nGammaMs=0\n"
              "[ProjektDaten]\nTFirmaZeilen=2000000000\n");
    const TKIniDatei ini = Ini();
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
    EXPECT_EQ(LeseInt(ini, einstellung::Stahlguete), 0);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::GammaMs), 1.05);
    EXPECT_EQ(LeseInt(ini, einstellung::TFirmaZeilen), 0);
}

TEST_F(IniDateiTest, FloatsAcceptBothSeparatorsAndFallBackWhenEmpty) {
    Schreiben("[Anwenderdaten]\nGammaMs=\nPunktlast_Tgg=1,2\nPunktlast_Tgq=1.6\n"
              "LinienlastLinks_Tgg=1.2.3\n");
    const TKIniDatei ini = Ini('.');
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::GammaMs), 1.05);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::PunktlastTgg), 1.2);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::PunktlastTgq), 1.6);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::LinienlastLinksTgg), 1.35);
}

TEST_F(IniDateiTest, NamesCompareWithoutCaseAndBlanksAreIgnored) {
    Schreiben("[ANWENDERDATEN]\n  bemessung  =  0  \n");
    EXPECT_EQ(LeseInt(Ini(), einstellung::Bemessung), 0);
}

TEST_F(IniDateiTest, WritesReplaceInPlaceAndKeepOtherLines) {
    Schreiben("; comment\r\n[Anwenderdaten]\r\nLand=3\r\nGammaMs=1.1\r\n\r\n[Farbeinstellung]\r\n"
              "PosD=255\r\n");
    const TKIniDatei ini = Ini(',');
    SchreibeFloat(ini, einstellung::GammaMs, 1.25);
    SchreibeFloat(ini, einstellung::PunktlastTgg, 1.2);
    SchreibeString(ini, einstellung::Version, "/home/x/projects");
    EXPECT_EQ(Inhalt(), "; comment\r\n[Anwenderdaten]\r\nLand=3\r\nGammaMs=1,25\r\n"
                        "Punktlast_Tgg=1,2\r\nVersion=/home/x/projects\r\n\r\n"
                        "[Farbeinstellung]\r\nPosD=255\r\n");
    // A comma-written value is read back under "." settings.
    EXPECT_DOUBLE_EQ(LeseFloat(Ini('.'), einstellung::GammaMs), 1.25);
}

TEST_F(IniDateiTest, WriteCreatesFileAndSection) {
    const TKIniDatei ini = Ini();
    SchreibeInt(ini, einstellung::IDSprache, 1036);
    EXPECT_EQ(Inhalt(), "[Anwenderdaten]\r\nIDSprache=1036\r\n");
    SchreibeInt(ini, einstellung::IDSprache, 2057);
    EXPECT_EQ(LeseInt(ini, einstellung::IDSprache), 2057);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), fs::directory_iterator()), 1)
        << "no temporary file may stay behind";
}

// Closing a project writes the load factors of every position; a value the file already holds
// must not rewrite the file (thousands of flushed rewrites made closing large projects slow).
TEST_F(IniDateiTest, WritingTheStoredValueLeavesTheFileAlone) {
    Schreiben("[Anwenderdaten]\r\nPunktlast_Tgg=1.35\r\n");
    auto inode = [this] {
        struct stat st {};
        EXPECT_EQ(::stat(pfad_.c_str(), &st), 0);
        return st.st_ino;
    };
    const auto vorher = inode();
    const TKIniDatei ini = Ini('.');
    SchreibeFloat(ini, einstellung::PunktlastTgg, 1.35);
    EXPECT_EQ(inode(), vorher);
    SchreibeFloat(ini, einstellung::PunktlastTgg, 1.4);
    EXPECT_NE(inode(), vorher) << "a new value replaces the file";
    EXPECT_EQ(Inhalt(), "[Anwenderdaten]\r\nPunktlast_Tgg=1.4\r\n");
}

// A batch run reads the user's defaults once and keeps what it writes to itself.
TEST_F(IniDateiTest, InMemoryReadsTheFileOnceAndNeverWritesIt) {
    const std::string inhalt = "[Anwenderdaten]\r\nPunktlast_Tgg=1.9\r\nGammaMs=1.2\r\n";
    Schreiben(inhalt);
    const TKIniDatei ini = TKIniDatei::ImSpeicher(pfad_, TKRegional::Standard());
    const TKIniDatei kopie = ini; // a position's copy shares the memory
    fs::remove(pfad_);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::GammaMs), 1.2);
    SchreibeFloat(kopie, einstellung::PunktlastTgg, 1.35);
    SchreibeInt(kopie, einstellung::Stahlguete, 1);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::PunktlastTgg), 1.35);
    EXPECT_EQ(LeseInt(ini, einstellung::Stahlguete), 1);
    EXPECT_FALSE(fs::exists(pfad_)) << "nothing is written, not even a new file";

    Schreiben(inhalt);
    SchreibeFloat(TKIniDatei::ImSpeicher(pfad_, TKRegional::Standard()), einstellung::PunktlastTgg,
                  1.5);
    EXPECT_EQ(Inhalt(), inhalt);
}

TEST_F(IniDateiTest, LocationBesideAWritableProgramFolder) {
    EXPECT_EQ(IniPfadBestimmen(ordner_), ordner_ / "trv.INI");
    const fs::path fremd = "/proc/trv-does-not-exist";
    const fs::path pfad = IniPfadBestimmen(fremd);
    EXPECT_EQ(pfad.filename(), "trv.INI");
    EXPECT_EQ(pfad.parent_path().filename(), "trv");
}

TEST_F(IniDateiTest, InstalledProgramKeepsItsSettingsInTheUsersFolder) {
    // <prefix>/bin/trv beside <prefix>/share/trv, writable (an administrator's run).
    fs::create_directories(ordner_ / "bin");
    fs::create_directories(ordner_ / "share" / "trv");
    const fs::path pfad = IniPfadBestimmen(ordner_ / "bin");
    EXPECT_NE(pfad.parent_path(), ordner_ / "bin");
    EXPECT_EQ(pfad.filename(), "trv.INI");
    EXPECT_EQ(pfad.parent_path().filename(), "trv");
}

// A settings file kept elsewhere and linked beside the program stays linked when a value
// is written.
TEST_F(IniDateiTest, WritesThroughALinkedSettingsFile) {
    fs::create_directories(ordner_ / "woanders");
    const fs::path echt = ordner_ / "woanders" / "trv.INI";
    std::ofstream(echt, std::ios::binary) << "[Anwenderdaten]\r\nBemessung=1\r\n";
    fs::create_symlink(echt, pfad_);
    SchreibeInt(Ini(), einstellung::Bemessung, 0);
    EXPECT_TRUE(fs::is_symlink(pfad_));
    EXPECT_EQ(LeseInt(Ini(), einstellung::Bemessung), 0);
    EXPECT_EQ(Inhalt(), "[Anwenderdaten]\r\nBemessung=0\r\n");
}

} // namespace trv
