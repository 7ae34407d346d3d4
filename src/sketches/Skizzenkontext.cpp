#include "sketches/Skizzenkontext.h"

#include "model/Zahlen.h"

namespace trv {

QString Skizzenkontext::Zahl(double wert) const {
    return QString::fromStdString(ZahlAlsText(wert, "0", dezimaltrenner_));
}

} // namespace trv
