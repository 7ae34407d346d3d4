#include "files/AtomareDatei.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

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

TEST_F(AtomareDateiTest, FolderInTheTargetsPlaceIsRefused) {
    const fs::path ziel = ordner_ / "a.TRV";
    fs::create_directories(ziel);
    std::ofstream(ziel / "inhalt") << "bleibt";
    std::string fehler;
    EXPECT_FALSE(DateiAtomarSchreiben(ziel, "neu", fehler));
    EXPECT_NE(fehler.find("a folder, not a regular file"), std::string::npos) << fehler;
    EXPECT_EQ(Inhalt(ziel / "inhalt"), "bleibt");
    EXPECT_EQ(AnzahlDateien(), 1u);
}

// Saving through a link used to rename the new file over the link: the link became a file of
// its own and the file it pointed to kept the old content.
TEST_F(AtomareDateiTest, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
    fs::create_directories(ordner_ / "echt");
    const fs::path echt = ordner_ / "echt" / "a.TRV";
    std::ofstream(echt) << "alt";
    fs::permissions(echt, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path link = ordner_ / "link.TRV";
    fs::create_symlink("echt/a.TRV", link);       // relative to the link's folder
    const fs::path kette = ordner_ / "kette.TRV"; // a link to the link
    fs::create_symlink(link, kette);

    std::string fehler;
    ASSERT_TRUE(DateiAtomarSchreiben(kette, "neu", fehler)) << fehler;
    EXPECT_EQ(Inhalt(echt), "neu");
    EXPECT_TRUE(fs::is_symlink(kette));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), fs::path("echt/a.TRV"));
    EXPECT_EQ(fs::status(echt).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(AnzahlDateien(), 3u); // echt/, link, kette: no temporary here
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_ / "echt"), fs::directory_iterator()), 1);

    // A link to a file that is not there yet creates that file.
    const fs::path neu = ordner_ / "neu.TRV";
    fs::create_symlink("echt/b.TRV", neu);
    ASSERT_TRUE(DateiAtomarSchreiben(neu, "b", fehler)) << fehler;
    EXPECT_TRUE(fs::is_symlink(neu));
    EXPECT_EQ(Inhalt(ordner_ / "echt" / "b.TRV"), "b");
}

// "-o /dev/full" used to report success and put a regular file in the device's place.
TEST_F(AtomareDateiTest, RefusesSpecialFilesAndLinksToThem) {
    const fs::path pipe = ordner_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink(pipe, ordner_ / "zur-pipe");
    fs::create_symlink("/dev/null", ordner_ / "zum-geraet");
    fs::create_symlink("schleife-b", ordner_ / "schleife-a");
    fs::create_symlink("schleife-a", ordner_ / "schleife-b");
    const struct {
        const char* name;
        const char* grund;
    } faelle[] = {{"pipe", "a pipe, not a regular file"},
                  {"zur-pipe", "a pipe, not a regular file"},
                  {"zum-geraet", "a device, not a regular file"},
                  {"schleife-a", "too many levels of symbolic links"}};
    for (const auto& fall : faelle) {
        std::string fehler;
        EXPECT_FALSE(DateiAtomarSchreiben(ordner_ / fall.name, "x", fehler)) << fall.name;
        EXPECT_NE(fehler.find(fall.grund), std::string::npos) << fall.name << ": " << fehler;
        const TKZwischendatei temp(ordner_ / fall.name);
        EXPECT_FALSE(temp.Ok()) << fall.name;
        EXPECT_EQ(temp.Fehler(), fehler);
    }
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    EXPECT_TRUE(fs::is_symlink(ordner_ / "zur-pipe"));
    EXPECT_TRUE(fs::is_symlink(ordner_ / "zum-geraet"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(AnzahlDateien(), 5u); // nothing added
}

// Content that another library writes by file name (a PDF printer) is put in place by the
// same rules; a temporary that is not put in place disappears.
TEST_F(AtomareDateiTest, TemporaryWrittenByNameIsPutInPlaceThroughTheLink) {
    fs::create_directories(ordner_ / "echt");
    const fs::path echt = ordner_ / "echt" / "a.pdf";
    std::ofstream(echt) << "alt";
    const fs::path link = ordner_ / "a.pdf";
    fs::create_symlink(echt, link);
    {
        TKZwischendatei temp(link);
        ASSERT_TRUE(temp.Ok()) << temp.Fehler();
        EXPECT_EQ(fs::path(temp.Pfad()).parent_path(), ordner_ / "echt");
        std::ofstream(temp.Pfad(), std::ios::binary) << "verworfen";
    }
    EXPECT_EQ(Inhalt(echt), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_ / "echt"), fs::directory_iterator()), 1);
    TKZwischendatei temp(link);
    ASSERT_TRUE(temp.Ok()) << temp.Fehler();
    std::ofstream(temp.Pfad(), std::ios::binary) << "%PDF neu";
    std::string fehler;
    ASSERT_TRUE(temp.Einsetzen(fehler)) << fehler;
    EXPECT_EQ(Inhalt(echt), "%PDF neu");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_ / "echt"), fs::directory_iterator()), 1);
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
