#pragma once

#include "files/PdfAnhang.h"

namespace trv {

class TKAnwendung;
class TKModell;

// What a result sheet's PDF carries: the project file as it would be saved now, and the
// document information naming the project, the position (nullptr for a print of the whole
// project), the designer and the program.
TKPdfBeilage BlattBeilage(const TKModell& modell, const TKAnwendung* anwendung);

} // namespace trv
