#pragma once

#include <QPoint>
#include <QString>

#include <vector>

class QPainter;

namespace trv {

class Skizzenkontext;

// Drawing primitives of the sketches. Pen colour and brush are the caller's; the pen width is
// the context's pen factor. Masslinie and Lastpfeil leave the canvas font at Arial 8 point.

// Rectangle covering x from links to rechts and y from oben to unten (exclusive), in either
// order, outlined with the current pen and filled with the current brush.
void Rechteck(QPainter& canvas, int links, int oben, int rechts, int unten);
// Ellipse inscribed in that rectangle.
void Ellipse(QPainter& canvas, int links, int oben, int rechts, int unten);
// Rounded rectangle with corner ellipses of eb x eh.
void RundRechteck(QPainter& canvas, int links, int oben, int rechts, int unten, int eb, int eh);
void Linie(QPainter& canvas, int x1, int y1, int x2, int y2);
// Part of the ellipse inscribed in the rectangle, counter-clockwise (as seen on the canvas)
// from where the ray from its centre through (x3, y3) meets it to where the ray through
// (x4, y4) does; equal rays draw the whole ellipse.
void Bogen(QPainter& canvas, int links, int oben, int rechts, int unten, int x3, int y3, int x4,
           int y4);

// A dimension line between p1 and p2 (both moved by versatz) with 45° ticks and the text
// haupt with the lowered index. groesse sets the tick and stroke lengths (the sketch line
// height). Horizontal lines carry the text above, vertical ones to the left, reading upwards.
void Masslinie(QPainter& canvas, const Skizzenkontext& kontext, QPoint p1, QPoint p2, int groesse,
               bool senkrecht, const QString& index, const QString& haupt, QPoint versatz);

// An arrow from p1 to p2 (only p1's x, or y, is used across the shaft) with an open head of
// half width kopf.x and length kopf.y, and a text as for Masslinie. A zero-length arrow has
// no direction and draws no head.
void Lastpfeil(QPainter& canvas, const Skizzenkontext& kontext, QPoint p1, QPoint p2,
               bool senkrecht, const QString& index, const QString& haupt, QPoint kopf);

// A leader through the points with the label praefix + symbol + suffix above its last
// segment (Greek letters of the symbol part already as Unicode, see SymbolText). Draws
// nothing without points.
void Hinweislinie(QPainter& canvas, const std::vector<QPoint>& punkte, const QString& suffix,
                  const QString& symbol, const QString& praefix);

} // namespace trv
