#pragma once

#include "sketches/TrDaten.h"

#include <QColor>

class QPainter;

namespace trv {

class TKFarbe;

// The drawing styles the sketches share. Each sets pen and brush of the canvas; the thick and
// cut edges draw their line at once.

// Pen and brush in the concrete surface colour, solid, width 1.
void BetonStil(QPainter& canvas, const TKFarbe& farbe);
// Outline in the connector pen colour, filled with the connector surface colour, width 1.
void DornStil(QPainter& canvas, const TKFarbe& farbe);
// Pen and brush in one bar colour (PosB or PosD), solid, width 1.
void StabStil(QPainter& canvas, const QColor& farbe);
// Pen in the dimensioning colour (texts take it too), no fill.
void BeschriftungStil(QPainter& canvas, const TKFarbe& farbe);
// A concrete edge in the concrete pen colour, width 3.
void DickeKante(QPainter& canvas, const TKFarbe& farbe, int x1, int y1, int x2, int y2);
// Where the member is cut off: a dotted line of width 1 in the concrete pen colour.
void Schnittkante(QPainter& canvas, const TKFarbe& farbe, int x1, int y1, int x2, int y2);
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
