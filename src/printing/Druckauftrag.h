#pragma once

#include <functional>
#include <string>

class QPainter;
class QPrinter;

namespace trv {

class Seitenmasse;

// One print job: the painter begun on the printer, the metrics set up for it (pen factor 2),
// the pages drawn by seiten, the document ended and the pen factor set back to 1 on every
// path. False with a reason when the printer cannot start or finish, or a page coordinate
// is out of range (std::range_error from the metrics).
bool Druckauftrag(QPrinter& drucker, Seitenmasse& masse,
                  const std::function<void(QPainter&)>& seiten, std::string& fehler);

} // namespace trv
