#include "schedule/StuecklisteText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace trv {
namespace {

StuecklistenEintrag Eintrag(const std::string& position, int dorne, const std::string& typ,
                            int nummer, bool aktiv = true) {
    StuecklistenEintrag e = NeuerEintrag(position, dorne, typ, nummer, 43.25, '.');
    if (!aktiv) {
        e[stk::Status] = "Not active";
    }
    return e;
}

StuecklistenTextDaten Daten() {
    StuecklistenTextDaten d;
    d.Firma = {"Line 1", "Line 2", "Line 3", "Line 4", "Line 5"};
    d.Bauvorhaben = "Bridge";
    d.Heute = "09.12.2026";
    d.Bemerkung = {"Remark A", "Remark B"};
    return d;
}

std::size_t Zeile(const std::vector<std::string>& z, const std::string& text) {
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i] == text) {
            return i;
        }
    }
    return z.size();
}

TEST(StuecklisteText, KopfMitHoechstensDreiFirmenzeilen) {
    const auto z = StuecklisteTextZeilen(Daten());
    ASSERT_GE(z.size(), 14u);
    EXPECT_EQ(z[0], "Varnel - TRV / ZEDE Shear Connector");
    EXPECT_EQ(z[1], "Connector Schedule");
    EXPECT_EQ(z[2], std::string(80, ' '));
    EXPECT_EQ(z[3], "Company: Line 1");
    EXPECT_EQ(z[4], std::string(14, ' ') + "Line 2");
    EXPECT_EQ(z[5], std::string(14, ' ') + "Line 3");
    EXPECT_EQ(z[6], "Project:  Bridge");
    EXPECT_EQ(z[7], "Printed from: 09.12.2026");
    EXPECT_EQ(z[9], "Remark A");
    EXPECT_EQ(z[10], "Remark B");
    EXPECT_EQ(Zeile(z, std::string(14, ' ') + "Line 4"), z.size());
}

TEST(StuecklisteText, OhneFirmaNurDieUeberschrift) {
    StuecklistenTextDaten d = Daten();
    d.Firma.clear();
    const auto z = StuecklisteTextZeilen(d);
    EXPECT_EQ(z[3], "Company: ");
    EXPECT_EQ(z[4], "Project:  Bridge");
}

TEST(StuecklisteText, OhneAktiveEintraegeEndetNachDemSpaltenkopf) {
    StuecklistenTextDaten d = Daten();
    d.Eintraege = {Eintrag("P1", 4, "TRV 22", 1, false)};
    const auto z = StuecklisteTextZeilen(d);
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(z[z.size() - 2], "Mat.-Pos quantity denomination" + std::string(50, ' '));
    EXPECT_EQ(z[z.size() - 2].size(), 80u);
    EXPECT_EQ(z.back(), std::string(80, '-'));
    EXPECT_EQ(z[z.size() - 3], std::string(80, '-'));
}

TEST(StuecklisteText, NurAktiveEintraegeFortlaufendNummeriert) {
    StuecklistenTextDaten d = Daten();
    d.Eintraege = {Eintrag("P1", 4, "TRV 22", 1), Eintrag("P2", 5, "TRV 30", 2, false),
                   Eintrag("P3", 6, "ZEDE 18", 3)};
    const auto z = StuecklisteTextZeilen(d);
    const std::string text =
        "Shear connectors to transverse force transmission in inexpansion joint supply and";
    const std::size_t erste = Zeile(z, "    1" + std::string(14, ' ') + text);
    const std::size_t zweite = Zeile(z, "    2" + std::string(14, ' ') + text);
    ASSERT_LT(erste, z.size());
    ASSERT_LT(zweite, z.size());
    EXPECT_EQ(z[erste + 7], std::string(19, ' ') + "Position(s): P1");
    EXPECT_EQ(z[zweite + 7], std::string(19, ' ') + "Position(s): P3");
    EXPECT_EQ(Zeile(z, "    3" + std::string(14, ' ') + text), z.size());
    EXPECT_EQ(Zeile(z, std::string(19, ' ') + "Position(s): P2"), z.size());
}

TEST(StuecklisteText, EintragZwoelfMitSumme144InDenSpalten) {
    StuecklistenTextDaten d = Daten();
    for (int i = 1; i <= 12; ++i) {
        d.Eintraege.push_back(Eintrag("P" + std::to_string(i), 12, "TRV 22", i));
    }
    AnzahlPositionenSetzen(d.Eintraege[11], 12);
    const auto z = StuecklisteTextZeilen(d);
    std::size_t i = 0;
    while (i < z.size() && z[i].rfind("   12", 0) != 0) {
        ++i;
    }
    ASSERT_LT(i, z.size());
    // Columns 1 to 5: three blanks and the digits; the text from column 20.
    EXPECT_EQ(z[i].substr(0, 5), "   12");
    EXPECT_EQ(z[i].substr(5, 14), std::string(14, ' '));
    EXPECT_EQ(z[i][19], 'S');
    EXPECT_EQ(z[i + 1],
              std::string(19, ' ') +
                  "construct according to the specification in the plan of the wing unit.");
    EXPECT_EQ(z[i + 2], std::string(80, ' '));
    EXPECT_EQ(z[i + 3], std::string(19, ' ') + "max. design resistance FRd: 43.2 kN");
    EXPECT_EQ(z[i + 4], std::string(19, ' ') + "Material: stainless steel 1.4462");
    EXPECT_EQ(z[i + 5], "");
    EXPECT_EQ(z[i + 9], std::string(19, ' ') +
                            "Single shear connector consisting of dowel element and sleeve");
    // The total 144 in columns 13 to 15, "Type: " from column 20.
    EXPECT_EQ(z[i + 10], std::string(12, ' ') + "144" + "    " + "Type: TRV 22");
    EXPECT_EQ(z[i + 11], std::string(80, '-'));
}

TEST(StuecklisteText, WiderstandMitDemTrennzeichenDerAusgabe) {
    // Added under settings with "," and under settings with "."; written with the separator of
    // the export, whichever it was. A text that is no number stays as it was.
    StuecklistenTextDaten d = Daten();
    d.Eintraege = {NeuerEintrag("P1", 4, "TRV 22", 1, 43.25, ','),
                   NeuerEintrag("P2", 4, "TRV 22", 2, 12.5, '.'), Eintrag("P3", 4, "TRV 22", 3)};
    d.Eintraege[2][stk::FRd] = "n/a";
    d.Dezimaltrenner = ',';
    auto z = StuecklisteTextZeilen(d);
    const std::string einzug(19, ' ');
    EXPECT_LT(Zeile(z, einzug + "max. design resistance FRd: 43,2 kN"), z.size());
    EXPECT_LT(Zeile(z, einzug + "max. design resistance FRd: 12,5 kN"), z.size());
    EXPECT_LT(Zeile(z, einzug + "max. design resistance FRd: n/a kN"), z.size());
    d.Dezimaltrenner = '.';
    z = StuecklisteTextZeilen(d);
    EXPECT_LT(Zeile(z, einzug + "max. design resistance FRd: 43.2 kN"), z.size());
    EXPECT_LT(Zeile(z, einzug + "max. design resistance FRd: 12.5 kN"), z.size());
}

TEST(StuecklisteText, ZusatzteilMitZweiterTypzeile) {
    StuecklistenTextDaten d = Daten();
    d.Eintraege = {Eintrag("P1", 7, "TRV 22", 1)};
    d.Eintraege[0][stk::Zusatz] = "FS 22";
    const auto z = StuecklisteTextZeilen(d);
    const std::size_t typ = Zeile(z, std::string(14, ' ') + "7    Type: TRV 22");
    ASSERT_LT(typ + 3, z.size());
    EXPECT_EQ(z[typ + 1], std::string(19, ' ') + "and fire protection sleeve");
    EXPECT_EQ(z[typ + 2], std::string(14, ' ') + "7    Type: FS 22");
    EXPECT_EQ(z[typ + 3], std::string(80, '-'));
}

TEST(StuecklisteText, SpaltenZaehlenZeichenNichtBytes) {
    StuecklistenTextDaten d = Daten();
    d.Eintraege = {Eintrag("P1", 7, "TRV 22", 1)};
    d.Eintraege[0][stk::Summe] = "\xC3\xBC"; // one character, two bytes
    const auto z = StuecklisteTextZeilen(d);
    EXPECT_LT(Zeile(z, std::string(14, ' ') + "\xC3\xBC    Type: TRV 22"), z.size());
}

class StuecklisteDatei : public ::testing::Test {
protected:
    void SetUp() override {
        ordner_ = std::filesystem::temp_directory_path() /
                  ("trv-text-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(ordner_);
    }
    void TearDown() override { std::filesystem::remove_all(ordner_); }
    std::filesystem::path ordner_;
};

TEST_F(StuecklisteDatei, ZeilenEndenMitCrLfUndZeilenumbruecheImTextWerdenBlanks) {
    StuecklistenTextDaten d = Daten();
    d.Bemerkung = {"one\nline", "\xC3\xA4nderung"};
    const auto pfad = ordner_ / "liste.txt";
    std::string fehler;
    ASSERT_TRUE(StuecklisteTextExport(pfad, d, fehler)) << fehler;
    std::ifstream ein(pfad, std::ios::binary);
    const std::string inhalt((std::istreambuf_iterator<char>(ein)), {});
    std::string erwartet;
    for (std::string z : StuecklisteTextZeilen(d)) {
        for (char& c : z) {
            c = (c == '\n') ? ' ' : c;
        }
        erwartet += z + "\r\n";
    }
    EXPECT_EQ(inhalt, erwartet);
    EXPECT_NE(inhalt.find("one line\r\n\xC3\xA4nderung\r\n"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner_),
                            std::filesystem::directory_iterator{}),
              1); // no temporary file left behind
}

TEST_F(StuecklisteDatei, NichtSchreibbarGibtDieMeldungUndLaesstNichtsZurueck) {
    std::string fehler;
    EXPECT_FALSE(StuecklisteTextExport(ordner_ / "fehlt" / "liste.txt", Daten(), fehler));
    EXPECT_EQ(fehler, "the connector schedule could not be exported - Please check the writing "
                      "access on the data carrier.");
    // A folder of that name cannot be replaced by the export.
    std::filesystem::create_directories(ordner_ / "ordner.txt");
    fehler.clear();
    EXPECT_FALSE(StuecklisteTextExport(ordner_ / "ordner.txt", Daten(), fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_FALSE(std::filesystem::exists(ordner_ / "ordner.txt.tmp~"));
}

TEST_F(StuecklisteDatei, BestehendeDateiWirdErsetzt) {
    const auto pfad = ordner_ / "liste.txt";
    std::ofstream(pfad) << std::string(100000, 'x');
    std::string fehler;
    ASSERT_TRUE(StuecklisteTextExport(pfad, Daten(), fehler));
    std::ifstream ein(pfad, std::ios::binary);
    const std::string inhalt((std::istreambuf_iterator<char>(ein)), {});
    EXPECT_EQ(inhalt.rfind("Varnel - TRV / ZEDE Shear Connector\r\n", 0), 0u);
    EXPECT_EQ(inhalt.find('x'), std::string::npos);
}

} // namespace
} // namespace trv
