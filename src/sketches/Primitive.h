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

// Where the numbers of a dimension chain may go besides their usual place at the line: past
// the first or the last point, and for further rows beyond the line (else further out on the
// text side).
struct Kettenlage {
    bool UeberDieLinie = false;
    bool AussenAmAnfang = true;
    bool AussenAmEnde = true;
};

// A chain of dimension lines through the points (x of a horizontal chain at y = quer, y of a
// vertical one at x = quer), each moved by versatz, with the texts placed so that none lies on
// another or under a tick (KettentexteAnordnen): numbers that do not fit between their ticks
// stand past an end of the chain or in staggered rows. Gives how far the texts reach from the
// line on the side the rows go (pixels).
int Masskette(QPainter& canvas, const Skizzenkontext& kontext, const std::vector<int>& punkte,
              int quer, int groesse, bool senkrecht, const std::vector<QString>& texte,
              QPoint versatz, const Kettenlage& lage);
// The same reach of a horizontal chain, without drawing.
int MasskettenWeite(QPainter& canvas, const std::vector<int>& punkte, int groesse,
                    const std::vector<QString>& texte, const Kettenlage& lage);

// The text of a vertical dimension or arrow at x, turned to read upwards, centred between y1
// and y2, in the canvas font.
void SenkrechterText(QPainter& canvas, const Skizzenkontext& kontext, int x, int y1, int y2,
                     const QString& index, const QString& haupt);

// A leader through the points with the label praefix + symbol + suffix above its last
// segment (Greek letters of the symbol part already as Unicode, see SymbolText). Draws
// nothing without points.
void Hinweislinie(QPainter& canvas, const std::vector<QPoint>& punkte, const QString& suffix,
                  const QString& symbol, const QString& praefix);

} // namespace trv
