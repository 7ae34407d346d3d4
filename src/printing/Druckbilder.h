#pragma once

#include <QRect>

#include <string>

class QPainter;

namespace trv {

class Seitenmasse;

// The program's own page pictures, drawn as vector graphics so they stay sharp on a printer.
// Natural sizes at screen resolution: the logo 150 x 50 px, the load formula 260 x 56 px.
inline constexpr const char* LogoBild = "DRUCKLOGOSW";
inline constexpr const char* FormelBeliebigeLast = "FbeliebigeLast";

// Natural size (px at screen resolution) of a named picture; an empty size for unknown names.
QSize BildGroesseAusRessource(const std::string& name);

// Draws the named picture stretched into the rectangle (device pixels). Returns false and
// draws nothing when there is no picture of that name.
bool BitmapAusRessource(QPainter& canvas, const std::string& name, const QRect& rechteck);

// Draws the named picture at its screen size converted to the target's resolution, with its
// top left at (x, y); returns the drawn height in device pixels (0 for an unknown name).
int BildSkaliertZeichnen(QPainter& canvas, const Seitenmasse& masse, int bildschirmDpi,
                         const std::string& name, int x, int y);

} // namespace trv
