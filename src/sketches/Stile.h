#pragma once

#include "sketches/TrDaten.h"

#include <QColor>

class QPainter;

namespace trv {

class Skizzenkontext;
class TKFarbe;

// The drawing styles the sketches share. Each sets pen and brush of the canvas; the thick and
// cut edges draw their line at once. Widths are screen pixels, scaled to the target by the
// context.

// Pen and brush in the concrete surface colour, solid, width 1.
void BetonStil(QPainter& canvas, const Skizzenkontext& kontext);
// Outline in the connector pen colour, filled with the connector surface colour, width 1.
void DornStil(QPainter& canvas, const Skizzenkontext& kontext);
// Pen and brush in one bar colour (PosB or PosD), solid, width 1.
void StabStil(QPainter& canvas, const Skizzenkontext& kontext, const QColor& farbe);
// Pen of width dicke (px of the target, at least one screen pixel) without fill: the bends
// and straight parts of a bar drawn as a line as thick as the bar.
void StabLinienStil(QPainter& canvas, const Skizzenkontext& kontext, const QColor& farbe,
                    int dicke);
// Pen in the dimensioning colour (texts take it too), width 1, no fill.
void BeschriftungStil(QPainter& canvas, const Skizzenkontext& kontext);
// A concrete edge in the concrete pen colour, width 3.
void DickeKante(QPainter& canvas, const Skizzenkontext& kontext, int x1, int y1, int x2, int y2);
// Where the member is cut off: a dotted line of width 1 in the concrete pen colour. The dots
// are in units of the pen width, so they keep their size with it.
void Schnittkante(QPainter& canvas, const Skizzenkontext& kontext, int x1, int y1, int x2, int y2);
// Fills the sketch rectangle with the background colour (either corner order).
void HintergrundFuellen(QPainter& canvas, const TKFarbe& farbe, int links, int oben, int rechts,
                        int unten);

// The names every sketch uses for the values of its TrDaten, in pixels.
struct Notation {
    explicit Notation(const TrDaten& td);
    int X0, Y0;
    int TH; // the sketch line height
    int d, w, t, z, dx, dy, co, cu, cv;
    int a0; // first x-bar spacing (signed); 0 without x bars
    int T;  // top face
    int B;  // bottom face
};

} // namespace trv
