#pragma once

#include <optional>
#include <string>

namespace trv {

// Every conversion here is independent of the process locale.

// Rounds to the nearest integer, exact halves to the even neighbour.
double RundeGerade(double wert);

// step * N with N = (value + tolerance) / step - 0.5 rounded half to even: the largest multiple
// of step not above value + tolerance (whenever that quotient is not whole).
double RundeAufRaster(double wert, double raster, double toleranz);

// General format, up to 15 significant digits, the given decimal separator;
// |value| < 1e-6 gives nullText.
std::string ZahlAlsText(double wert, const std::string& nullText, char dezimaltrenner = '.');

// A number as a file stores it: general format, up to 15 significant digits, the given decimal
// separator, an exponent written as "E" with its sign and without leading zeros (1E-7, 1E+20).
// Unlike ZahlAlsText no small value is cut to zero. A value that is not finite is written as
// "0": a file must always be readable again.
std::string ZahlDateiText(double wert, char dezimaltrenner = '.');

// Fixed-point text with the given number of decimals (0..9), rounded half to even, the given
// decimal separator, no thousands separators: 12.44 with 1 decimal gives "12.4", 249.5 with
// 0 decimals "250", 0.5 with 2 decimals "0.50". Never "-0".
std::string ZahlFest(double wert, int dezimalen, char dezimaltrenner = '.');

// The value rounded to the given number of decimals (0..9, halves to even) in the general
// format: trailing zeros and the point of whole numbers dropped, so 12.0 with 1 decimal gives
// "12", 12.44 gives "12.4" and 249.5 with 0 decimals "250". "-" for a value that is no number.
std::string ZahlGerundet(double wert, int dezimalen, char dezimaltrenner = '.');

// The text of an input field as a number, written with the regional decimal separator; the
// fallback when it is empty or not a number. Never throws. A separator other than the regional
// one is not a number here, so "1,000" under "." never silently becomes 1.
double TextAlsZahl(const std::string& text, double ersatz, char dezimaltrenner = '.');

// The same conversion without a fallback: std::nullopt for an empty text or one that is not a
// finite number written with the regional separator (a sign and an exponent are allowed).
std::optional<double> EingabeZahl(const std::string& text, char dezimaltrenner = '.');

// A number stored in a file (project or INI file): "." and "," are both taken as the decimal
// separator, because the file may come from other regional settings. Leading and trailing
// blanks are ignored; anything else (empty text, trailing garbage, "nan", "inf", overflow)
// gives std::nullopt.
std::optional<double> DateiZahl(const std::string& text);

} // namespace trv
