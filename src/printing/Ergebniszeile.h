#pragma once

#include <QString>

class QPainter;

namespace trv {

// The symbol of a labelled result line: main symbol, lowered index, raised index and the sign
// before the value. Texts meant for the "Symbol" font are given as the characters they show
// (SymbolText), so all four parts are written in "Arial".
struct Ergebnissymbol {
    QString Haupt;
    QString Index;
    QString Hoch;
    QString Zeichen = QStringLiteral("=");
};

// One line of the result sheet at (x, y), device pixels: the label at x, the symbol with its
// indices at x + ds, and, when value and unit are not both empty, the sign at x + ds + dv
// followed by " value unit". The canvas font (name, size, style) is used for everything; the
// width of the main symbol in it places the indices. Returns the x where the line ends.
int ErgebnisZeile(QPainter& canvas, const QString& label, const QString& wert, int dv, int ds,
                  int y, int x, const Ergebnissymbol& symbol, const QString& einheit);

} // namespace trv
