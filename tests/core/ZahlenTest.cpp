#include "model/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace trv {

TEST(RundeAufRaster, RoundsDownToStepWithTolerance) {
    EXPECT_DOUBLE_EQ(RundeAufRaster(2.95, 1.0, 0.1), 3.0);
    EXPECT_DOUBLE_EQ(RundeAufRaster(2.85, 1.0, 0.1), 2.0);
    EXPECT_DOUBLE_EQ(RundeAufRaster(7.0, 2.5, 0.0), 5.0);
    // A whole quotient lands on an exact half: halves go to the even neighbour.
    EXPECT_DOUBLE_EQ(RundeAufRaster(2.9, 1.0, 0.1), 2.0);
    EXPECT_DOUBLE_EQ(RundeAufRaster(3.9, 1.0, 0.1), 4.0);
}

TEST(ZahlAlsText, GeneralFormatWithRegionalSeparator) {
    EXPECT_EQ(ZahlAlsText(0.0, "0"), "0");
    EXPECT_EQ(ZahlAlsText(5e-7, "-"), "-");
    EXPECT_EQ(ZahlAlsText(1.35, "0"), "1.35");
    EXPECT_EQ(ZahlAlsText(1.35, "0", ','), "1,35");
    EXPECT_EQ(ZahlAlsText(2000, "0"), "2000");
    EXPECT_EQ(ZahlAlsText(0.1 + 0.2, "0"), "0.3");
    EXPECT_EQ(ZahlAlsText(1e20, "0"), "1E+20");
    EXPECT_EQ(ZahlAlsText(-42.5, "0"), "-42.5");
}

TEST(ZahlAlsText, OnlyValuesBelowOneMillionthAreZero) {
    EXPECT_EQ(ZahlAlsText(1e-6, "0"), "1E-06");
    EXPECT_EQ(ZahlAlsText(0.0005, "0"), "0.0005");
    EXPECT_EQ(ZahlAlsText(-9.9e-7, "0"), "0");
}

TEST(ZahlFest, RoundsHalfToEvenWithRegionalSeparator) {
    EXPECT_EQ(ZahlFest(12.44, 1), "12.4");
    EXPECT_EQ(ZahlFest(249.5, 0), "250");
    EXPECT_EQ(ZahlFest(248.5, 0), "248");
    EXPECT_EQ(ZahlFest(0.5, 2), "0.50");
    EXPECT_EQ(ZahlFest(0.5, 2, ','), "0,50");
    EXPECT_EQ(ZahlFest(310.6, 0), "311");
    EXPECT_EQ(ZahlFest(-0.04, 1), "0.0");
    EXPECT_EQ(ZahlFest(1234567.0, 1), "1234567.0");
}

TEST(ZahlGerundet, GeneralFormatAfterRounding) {
    EXPECT_EQ(ZahlGerundet(12.0, 1), "12");
    EXPECT_EQ(ZahlGerundet(12.44, 1), "12.4");
    EXPECT_EQ(ZahlGerundet(12.46, 1, ','), "12,5");
    EXPECT_EQ(ZahlGerundet(1.35, 2), "1.35");
    EXPECT_EQ(ZahlGerundet(249.5, 0), "250");
    EXPECT_EQ(ZahlGerundet(250.5, 0), "250");
    EXPECT_EQ(ZahlGerundet(-0.04, 1), "0");
    EXPECT_EQ(ZahlGerundet(123456.0, 0), "123456"); // never grouped, never an exponent
    EXPECT_EQ(ZahlGerundet(std::nan(""), 1), "-");
}

TEST(TextAlsZahl, OnlyTheRegionalSeparatorCounts) {
    EXPECT_DOUBLE_EQ(TextAlsZahl("12.5", 7), 12.5);
    EXPECT_DOUBLE_EQ(TextAlsZahl("12,5", 7, ','), 12.5);
    EXPECT_DOUBLE_EQ(TextAlsZahl("1,000", 7), 7);
    EXPECT_DOUBLE_EQ(TextAlsZahl("", 7), 7);
    EXPECT_DOUBLE_EQ(TextAlsZahl("abc", 7), 7);
    EXPECT_DOUBLE_EQ(TextAlsZahl("12abc", 7), 7);
    EXPECT_DOUBLE_EQ(TextAlsZahl("nan", 7), 7);
    EXPECT_DOUBLE_EQ(TextAlsZahl("1e999", 7), 7);
    EXPECT_DOUBLE_EQ(TextAlsZahl(" 3 ", 7), 3);
}

TEST(DateiZahl, AcceptsPointAndCommaButNothingElse) {
    EXPECT_EQ(DateiZahl("1.05"), 1.05);
    EXPECT_EQ(DateiZahl("1,05"), 1.05);
    EXPECT_EQ(DateiZahl("-30"), -30.0);
    EXPECT_EQ(DateiZahl("2.5E-3"), 0.0025);
    EXPECT_FALSE(DateiZahl("12,5,3"));
    EXPECT_FALSE(DateiZahl("1e999"));
    EXPECT_FALSE(DateiZahl("nan"));
    EXPECT_FALSE(DateiZahl("inf"));
    EXPECT_FALSE(DateiZahl("0x10"));
    EXPECT_FALSE(DateiZahl(""));
    EXPECT_FALSE(DateiZahl("  "));
}

} // namespace trv

#include <clocale>
#include <cstdio>

namespace trv {

// A desktop program sets LC_NUMERIC from the environment; the texts must not follow it.
TEST(Zahlen, IndependentOfTheProcessLocale) {
    const char* alt = std::setlocale(LC_NUMERIC, nullptr);
    const std::string gesichert = alt ? alt : "C";
    // The set-up script generates de_DE.UTF-8.
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 missing";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.2f", 1.5);
    ASSERT_STREQ(probe, "1,50") << "the locale must really use a decimal comma";
    EXPECT_EQ(ZahlAlsText(1.35, "0"), "1.35");
    EXPECT_EQ(ZahlFest(12.44, 1), "12.4");
    EXPECT_EQ(DateiZahl("1.05"), 1.05);
    std::setlocale(LC_NUMERIC, gesichert.c_str());
}

TEST(ZahlDateiText, GeneralFormatWithTheGivenSeparator) {
    EXPECT_EQ(ZahlDateiText(2000, '.'), "2000");
    EXPECT_EQ(ZahlDateiText(1.35, '.'), "1.35");
    EXPECT_EQ(ZahlDateiText(0.2, ','), "0,2");
    EXPECT_EQ(ZahlDateiText(1e-6, '.'), "1E-6");
    EXPECT_EQ(ZahlDateiText(-2.5e-7, ','), "-2,5E-7");
    EXPECT_EQ(ZahlDateiText(1e20, '.'), "1E+20");
    EXPECT_EQ(ZahlDateiText(0, '.'), "0");
    EXPECT_EQ(ZahlDateiText(123456789012345678.0, '.'), "1.23456789012346E+17");
    // Not finite: a value the reader would refuse never reaches a file.
    EXPECT_EQ(ZahlDateiText(std::numeric_limits<double>::infinity(), '.'), "0");
}

// Regression: a value just below the smallest normal double, as 15 digits can write it, was
// refused when read back.
TEST(DateiZahl, UnderflowIsANumberOverflowIsNot) {
    const std::string text = ZahlDateiText(std::numeric_limits<double>::min(), '.');
    ASSERT_TRUE(DateiZahl(text).has_value()) << text;
    EXPECT_NEAR(*DateiZahl(text), std::numeric_limits<double>::min(), 1e-320);
    EXPECT_TRUE(DateiZahl("1e-320").has_value());
    EXPECT_FALSE(DateiZahl("1e400").has_value());
    EXPECT_FALSE(DateiZahl("-1e400").has_value());
}

} // namespace trv
