#include "printing/Ergebniszeile.h"

#include "sketches/Texte.h"

#include <QPainter>

namespace trv {

void ErgebnisZeile(QPainter& canvas, const QString& label, const QString& wert, int dv, int ds,
                   int y, int x, const Ergebnissymbol& symbol, const QString& einheit) {
    const int w = TextBreite(canvas, symbol.Haupt);
    TextOben(canvas, x, y, label);
    TextOben(canvas, x + ds, y, symbol.Haupt);
    TextTiefgestellt(canvas, x + ds + w, y, symbol.Index);
    TextHochgestellt(canvas, x + ds + w, y, symbol.Hoch);
    if (!(wert + einheit).isEmpty()) {
        const int nachZeichen = TextOben(canvas, x + ds + dv, y, symbol.Zeichen);
        TextOben(canvas, nachZeichen, y,
                 QStringLiteral(" ") + wert + QStringLiteral(" ") + einheit);
    }
}

} // namespace trv
