// The calculated example projects in the test data folder. They are made by the program:
// with TRV_TESTDATEN_SCHREIBEN=1 in the environment this test writes them anew (after a
// change of the file format or of the calculation); otherwise it checks that each one opens,
// holds calculated results and is written back byte for byte.
#include "Testprojekte.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace trv {
namespace {

namespace fs = std::filesystem;

struct Beispiel {
    const char* Datei;
    std::function<void(TKModell&)> Machen;
    int Positionen;
    int Anwendungsfall; // of position 1
};

const Beispiel kBeispiele[] = {
    {"einzeldorn.TRV", test::EinzeldornProjekt, 1, 0},
    {"platte-platte.TRV", test::PlattePlatteProjekt, 1, 1},
    {"platte-wand-beliebig.TRV", test::PlatteWandProjekt, 1, 2},
    {"drei-positionen.TRV", test::DreiPositionenProjekt, 3, 0},
};

// Saves under the bare file name inside ordner, so that no path of this machine ends up in
// the file's "FileName" attribute.
bool SpeichernIn(TKModell& modell, const fs::path& ordner, const std::string& datei) {
    const fs::path vorher = fs::current_path();
    fs::current_path(ordner);
    const bool ok = modell.Speichern(datei).Ok;
    fs::current_path(vorher);
    return ok;
}

TEST(Testdaten, ExampleProjectsOpenCalculatedAndRoundTrip) {
    const fs::path daten = TRV_TEST_DATA_DIR;
    const char* schreiben = std::getenv("TRV_TESTDATEN_SCHREIBEN");
    for (const Beispiel& b : kBeispiele) {
        SCOPED_TRACE(b.Datei);
        if (schreiben && std::string(schreiben) == "1") {
            auto modell = test::NeuesModell();
            b.Machen(*modell);
            ASSERT_TRUE(SpeichernIn(*modell, daten, b.Datei));
        }
        auto modell = test::NeuesModell();
        const TKDateiErgebnis e = modell->Oeffnen((daten / b.Datei).string());
        ASSERT_TRUE(e.Ok) << e.Grund;
        EXPECT_TRUE(e.Meldungen.empty());
        EXPECT_EQ(modell->AnzAnwendung(), b.Positionen);
        EXPECT_EQ(modell->Anwendung(1).Anwendungsfall(), b.Anwendungsfall);
        for (int nr = 1; nr <= modell->AnzAnwendung(); ++nr) {
            EXPECT_TRUE(modell->Anwendung(nr).Ergebnisse().Berechnet()) << nr;
        }
        test::TempOrdner ordner;
        ASSERT_TRUE(SpeichernIn(*modell, ordner.Pfad(), b.Datei));
        EXPECT_EQ(test::DateiInhalt(ordner.Datei(b.Datei)),
                  test::DateiInhalt((daten / b.Datei).string()));
    }
}

} // namespace
} // namespace trv
