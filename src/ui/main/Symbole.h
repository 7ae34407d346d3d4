#pragma once

#include <QIcon>

namespace trv {

// The program's own icons (SVG resources under ":/symbole/"), by name: "neu", "oeffnen", ...
// An unknown name gives an empty icon.
QIcon Symbol(const QString& name);

// The icon of a tree node by its image index.
QIcon BaumSymbol(int index);

// The icon of a connector result's status code 0..9 (a code outside gets the error icon).
QIcon StatusSymbol(int status);

} // namespace trv
