#include "files/AtomareDatei.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace trv {

namespace {

namespace fs = std::filesystem;

class AtomareDateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("trv-atomar-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    static std::string Inhalt(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t AnzahlDateien() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(ordner_), fs::directory_iterator()));
    }

    fs::path ordner_;
};

TEST_F(AtomareDateiTest, WritesNewFileAndReplacesExistingOne) {
    const fs::path ziel = ordner_ / "a.TRV";
    std::string fehler;
    ASSERT_TRUE(DateiAtomarSchreiben(ziel, "erste", fehler)) << fehler;
    EXPECT_EQ(Inhalt(ziel), "erste");
    ASSERT_TRUE(DateiAtomarSchreiben(ziel, "zweite, laenger", fehler)) << fehler;
    EXPECT_EQ(Inhalt(ziel), "zweite, laenger");
    EXPECT_EQ(AnzahlDateien(), 1u); // no temporary left behind
}

TEST_F(AtomareDateiTest, KeepsPermissionsOfReplacedFile) {
    const fs::path ziel = ordner_ / "a.TRV";
    std::ofstream(ziel) << "alt";
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::owner_write);
    std::string fehler;
    ASSERT_TRUE(DateiAtomarSchreiben(ziel, "neu", fehler)) << fehler;
    EXPECT_EQ(fs::status(ziel).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AtomareDateiTest, MissingFolderFailsWithoutLeftovers) {
    std::string fehler;
    EXPECT_FALSE(DateiAtomarSchreiben(ordner_ / "fehlt" / "a.TRV", "x", fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_EQ(AnzahlDateien(), 0u);
}

TEST_F(AtomareDateiTest, FailedRenameLeavesTargetAndNoTemporary) {
    // A directory in the target's place makes the final rename fail after a complete write.
    const fs::path ziel = ordner_ / "a.TRV";
    fs::create_directories(ziel);
    std::ofstream(ziel / "inhalt") << "bleibt";
    std::string fehler;
    EXPECT_FALSE(DateiAtomarSchreiben(ziel, "neu", fehler));
    EXPECT_EQ(Inhalt(ziel / "inhalt"), "bleibt");
    EXPECT_EQ(AnzahlDateien(), 1u);
}

TEST_F(AtomareDateiTest, FailedWriteLeavesOldFileByteIdentical) {
    // A file size limit makes write() fail half way, as a full disk would.
    const fs::path ziel = ordner_ / "a.TRV";
    const std::string alt = "alter Inhalt\n\xC3\xA4\n";
    std::ofstream(ziel, std::ios::binary) << alt;

    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    auto* alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorher;
    klein.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    std::string fehler;
    const bool ok = DateiAtomarSchreiben(ziel, std::string(100000, 'x'), fehler);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(Inhalt(ziel), alt);
    EXPECT_EQ(AnzahlDateien(), 1u);
}

} // namespace

} // namespace trv
