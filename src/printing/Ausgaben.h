#pragma once

#include <QSize>

#include <optional>
#include <string>

namespace trv {

class TKModell;

// The outputs of a project as trv-cli and the Python module write them, by the extension of
// the target. Drawing needs a Grafikumgebung (or another Qt application) while they run. Each
// is false with a reason when the output cannot be made or written; no file is then left.

enum class TSkizzenart { Ansicht, Draufsicht, Schnitt, Reihe, Eingabe };

// "view", "plan", "section", "row", "input".
std::optional<TSkizzenart> SkizzenartAusName(const std::string& name);

// The result sheet of position nr (1-based): every page into a PDF that carries the project,
// page 1 into a PNG or SVG picture. The position must be calculated.
bool ErgebnisblattSchreiben(const TKModell& modell, int nr, const std::string& ziel,
                            std::string& fehler);

// The sheets of every calculated position and the schedule into one PDF that carries the
// project. Uncalculated positions are left out.
bool ProjektblattSchreiben(const TKModell& modell, const std::string& ziel, std::string& fehler);

// The connector schedule: the fixed-column text export (.txt) or its printed pages (.pdf).
bool StuecklisteSchreiben(const TKModell& modell, const std::string& ziel, std::string& fehler);

// One sketch of position nr as a PNG or SVG picture of groesse pixels (96 dpi). The result
// sketches need a calculated position.
bool SkizzeSchreiben(const TKModell& modell, int nr, TSkizzenart art, QSize groesse,
                     const std::string& ziel, std::string& fehler);

} // namespace trv
