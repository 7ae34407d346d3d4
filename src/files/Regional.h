#pragma once

#include <string>

namespace trv {

// The user's regional settings, made once at start from the system locale and passed to
// the core. The core never asks the system itself.
struct TKRegional {
    char Dezimaltrenner = '.'; // decimal separator of numbers in fields, prints, files
    std::string KurzDatumFormat = "dd.MM.yyyy"; // short date format (Qt/ICU style pattern)
    std::string HeuteKurz;                      // today's date, already in the short date format
    int Sprachkennung = 2057; // Windows language identifier (2055, 2057, 1036, ...)

    // Settings for tests and batch runs: "." as separator, English (UK), the given date text.
    static TKRegional Standard(std::string heute = "01.01.2026");
};

} // namespace trv
