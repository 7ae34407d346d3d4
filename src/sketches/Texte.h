#pragma once

#include <QFont>
#include <QString>

#include <string_view>

class QPainter;

namespace trv {

// Text writers shared by the sketches and the printed pages. Positions are the top left corner
// of the written text (x to the right, y downwards, device pixels); fonts are in points, so a
// text comes out the same size on a screen image, a printer and an SVG.

// "Arial" (Liberation Sans here), regular, at the given size in points.
QFont ArialSchrift(int punkte);

// Height of a line of the canvas font in device pixels (the height of "Wy" or "W").
int TextHoehe(const QPainter& canvas);
// Advance width of text in the canvas font, device pixels.
int TextBreite(const QPainter& canvas, const QString& text);

// Writes text with its top left corner at (x, y); returns the x of its right end, where a
// chained text continues.
int TextOben(QPainter& canvas, int x, int y, const QString& text);

// Text lowered as an index: written at three quarters of the font size, moved down by 3/5 of
// the reduced line height. Returns x + the width of text at the full size (so a chained text
// leaves the same room whether it follows an index or not).
int TextTiefgestellt(QPainter& canvas, int x, int y, const QString& text);
// Text raised as an exponent: three quarters of the size, moved up by 1/4 of the reduced line
// height. Returns x + the width of text at the full size.
int TextHochgestellt(QPainter& canvas, int x, int y, const QString& text);
// text at (x, y) followed by index lowered; returns the x of the index' right end.
int TextMitIndex(QPainter& canvas, int x, int y, const QString& index, const QString& text);

// Text turned counter-clockwise by winkel tenths of a degree about its top left corner (x, y).
// The canvas font and transformation are unchanged afterwards.
void TextGedreht(QPainter& canvas, int x, int y, const QString& text, int winkel);

// Characters written in the "Symbol" font as the Unicode characters they show: Latin letters
// become Greek ("g" γ, "h" η, ...), the byte 0xD7 the dot operator ⋅, 0xA3 ≤; anything else
// stays as it is.
QString SymbolText(std::string_view zeichen);

} // namespace trv
