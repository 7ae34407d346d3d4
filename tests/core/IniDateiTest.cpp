#include "files/IniDatei.h"

#include "files/Einstellungen.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

// A settings file that is no regular file once stopped the program at start: a pipe waited
// for a writer, /dev/zero filled the memory. Each kind must give a model with the defaults at
// once, report why the file is not used, and be left as it was by the writes of the model.
TEST_F(IniDateiTest, SettingsThatAreNoRegularFileGiveDefaultsAndStayUntouched) {
    const std::string gueltig = "[Anwenderdaten]\r\nGammaMs=1.2\r\nBemessung=0\r\n";
    const std::vector<std::pair<std::string, std::function<void(const fs::path&)>>> arten{
        {"pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }},
        {"huge",
         [](const fs::path& p) {
             std::ofstream(p, std::ios::binary) << "[Anwenderdaten]\r\nGammaMs=1.2\r\n";
             fs::resize_file(p, std::uintmax_t{8} << 30);
         }},
        {"just over 1 MB",
         [&gueltig](const fs::path& p) {
             std::ofstream(p, std::ios::binary)
                 << gueltig << std::string((1 << 20) - gueltig.size() + 1, ';');
         }},
    };
    for (const auto& [art, anlegen] : arten) {
        SCOPED_TRACE(art);
        fs::remove_all(pfad_);
        anlegen(pfad_);
        const auto vorher = fs::symlink_status(pfad_).type();
        const auto groesse = fs::is_regular_file(pfad_) ? fs::file_size(pfad_) : 0;
        // Run aside, so that a hang fails this test instead of stopping the whole run.
        auto ergebnis = std::make_shared<std::promise<std::pair<double, std::string>>>();
        auto fertig = ergebnis->get_future();
        std::thread([ini = Ini(), ergebnis] {
            double gamma = 0;
            {
                TKModell modell(ini, TKRegional::Standard());
                modell.SetAnzAnwendung(2);
                gamma = modell.Anwendung(2).GammaMs();
                SchreibeInt(ini, einstellung::IDSprache, 1036);
            } // the positions write their load factors here
            ergebnis->set_value({gamma, ini.Unbrauchbar()});
        }).detach();
        ASSERT_EQ(fertig.wait_for(std::chrono::seconds(1)), std::future_status::ready);
        const auto [gamma, grund] = fertig.get();
        EXPECT_EQ(gamma, 1.05);
        EXPECT_FALSE(grund.empty());
        EXPECT_EQ(fs::symlink_status(pfad_).type(), vorher);
        if (groesse > 0) {
            EXPECT_EQ(fs::file_size(pfad_), groesse) << "a file not read must not be replaced";
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), fs::directory_iterator()), 1);
    }
    fs::remove_all(pfad_);
    Schreiben(gueltig);
    EXPECT_EQ(Ini().Unbrauchbar(), "");
    EXPECT_DOUBLE_EQ(LeseFloat(Ini(), einstellung::GammaMs), 1.2);
}

// An editor's byte-order mark used to hide the first section: the language was read as the
// default and its next write appended a second [Anwenderdaten].
TEST_F(IniDateiTest, ByteOrderMarkDoesNotHideTheFirstSection) {
    Schreiben("\xEF\xBB\xBF[Anwenderdaten]\r\nIDSprache=1036\r\n");
    const TKIniDatei ini = Ini();
    EXPECT_EQ(LeseInt(ini, einstellung::IDSprache), 1036);
    SchreibeInt(ini, einstellung::IDSprache, 1040);
    EXPECT_EQ(Inhalt(), "[Anwenderdaten]\r\nIDSprache=1040\r\n");
}

// Two programs that write the settings at the same time: every read in between sees a whole
// file, and no key written by one is lost by the other's rewrite.
TEST_F(IniDateiTest, TwoProgramsWritingAtOnceLoseNothing) {
    Schreiben("[Anwenderdaten]\r\nBemessung=0\r\n");
    constexpr int Schluessel = 40;
    std::vector<pid_t> kinder;
    for (const char* sektion : {"A", "B"}) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            const TKIniDatei ini = Ini();
            for (int i = 0; i < Schluessel; ++i) {
                ini.SchreibeInt(sektion, "K" + std::to_string(i), i);
            }
            ::_exit(0);
        }
        kinder.push_back(kind);
    }
    int halbe = 0;
    for (int laufend = 2; laufend > 0;) {
        halbe += LeseInt(Ini(), einstellung::Bemessung) != 0;
        laufend = 0;
        for (pid_t kind : kinder) {
            laufend += ::waitpid(kind, nullptr, WNOHANG) == 0;
        }
    }
    EXPECT_EQ(halbe, 0) << "a read saw a half-written or missing file";
    const TKIniDatei ini = Ini();
    for (const char* sektion : {"A", "B"}) {
        for (int i = 0; i < Schluessel; ++i) {
            EXPECT_EQ(ini.LeseInt(sektion, "K" + std::to_string(i), -1), i) << sektion << i;
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), fs::directory_iterator()), 1);
}

} // namespace trv
