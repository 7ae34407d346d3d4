// Settings files that are no settings files: the program must still start.
#include "Testrueckfragen.h"
#include "platform/Dateinamen.h"
#include "ui/main/Eingabe.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace trv::test {
namespace {

namespace fs = std::filesystem;

// Each kind of settings file that is none: the main window comes up with the defaults and
// says once that the settings are not kept.
TEST(EinstellungsdateiTest, HauptfensterStartetMitUnbrauchbarerEinstellungsdatei) {
    QTemporaryDir ordner;
    const fs::path ini = plattform::BytesAusName(ordner.filePath(QStringLiteral("trv.INI")));
    const std::vector<std::function<void()>> arten{
        [&ini] { ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0); },
        [&ini] { fs::create_symlink("/dev/zero", ini); },
        [&ini] { fs::create_directory(ini); },
        [&ini] {
            std::ofstream(ini) << "[Anwenderdaten]\nGammaMs=1.2\n";
            fs::resize_file(ini, std::uintmax_t{4} << 30);
        },
    };
    for (std::size_t i = 0; i < arten.size(); ++i) {
        SCOPED_TRACE(i);
        fs::remove_all(ini);
        arten[i]();
        Testrueckfragen fragen;
        {
            TfrmHauptMaske fenster(TKIniDatei(ini, TKRegional::Standard()), TKRegional::Standard(),
                                   {}, &fragen);
            fenster.resize(1200, 800);
            fenster.show();
            QApplication::processEvents();
            EXPECT_EQ(fenster.Zustand().Anwendung().GammaMs(), 1.05);
            ASSERT_EQ(fragen.Meldungen.size(), 1);
            EXPECT_TRUE(fragen.Meldungen.front().contains(QStringLiteral("trv.INI")));
            fenster.hide();
        }
        EXPECT_EQ(
            std::distance(fs::directory_iterator(ini.parent_path()), fs::directory_iterator()), 1);
    }
}

} // namespace
} // namespace trv::test
