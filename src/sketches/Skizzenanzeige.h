#pragma once

class QPainter;
class QRect;

namespace trv {

class TKSkizzen;

// The sketch of a SkizzeAnzeige value (0 view, 1 plan view, 2 section, 3 connector row with its
// load, 4 input sketch, 5 none) into the rectangle. False when the value draws nothing.
bool SkizzeNachAnzeigeZeichnen(QPainter& canvas, const QRect& rechteck, const TKSkizzen& skizzen,
                               int skizzeAnzeige, int stiftFaktor = 1);

// The four result sketches in the quarters of a square, as a picture of the sketch area holds
// them: view top left, section top right, plan view bottom left and, only with mitReihe (a line
// or arbitrary load), the connector row with its load bottom right.
void VierSkizzenZeichnen(QPainter& canvas, const QRect& quadrat, const TKSkizzen& skizzen,
                         bool mitReihe, int stiftFaktor = 1);

} // namespace trv
