#include "printing/Ergebniszeile.h"

#include "sketches/Texte.h"

#include <QPainter>

#include <algorithm>

namespace trv {

int ErgebnisZeile(QPainter& canvas, const QString& label, const QString& wert, int dv, int ds,
                  int y, int x, const Ergebnissymbol& symbol, const QString& einheit) {
    const int w = TextBreite(canvas, symbol.Haupt);
    int ende = TextOben(canvas, x, y, label);
    ende = std::max(ende, TextOben(canvas, x + ds, y, symbol.Haupt));
    ende = std::max(ende, TextTiefgestellt(canvas, x + ds + w, y, symbol.Index));
    ende = std::max(ende, TextHochgestellt(canvas, x + ds + w, y, symbol.Hoch));
    if (!(wert + einheit).isEmpty()) {
        const int nachZeichen = TextOben(canvas, x + ds + dv, y, symbol.Zeichen);
        ende = std::max(ende, TextOben(canvas, nachZeichen, y,
                                       QStringLiteral(" ") + wert + QStringLiteral(" ") + einheit));
    }
    return ende;
}

} // namespace trv
