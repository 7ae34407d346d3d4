#include "sketches/Skizzenkontext.h"

#include "model/Zahlen.h"

#include <cmath>

namespace trv {

Skizzenkontext::Skizzenkontext(TKFarbe farbe, char dezimaltrenner, int stiftFaktor,
                               double bildpunkt)
    : farbe_(farbe), dezimaltrenner_(dezimaltrenner), stiftFaktor_(stiftFaktor),
      // A target without a sensible resolution is drawn as a screen.
      bildpunkt_(std::isfinite(bildpunkt) && bildpunkt > 0 ? bildpunkt : 1.0) {}

int Skizzenkontext::Px(double bildschirmPixel) const {
    const double r = RundeGerade(bildschirmPixel * bildpunkt_);
    return std::isfinite(r) && std::abs(r) < 1e9 ? static_cast<int>(r) : 0;
}

QString Skizzenkontext::Zahl(double wert) const {
    return QString::fromStdString(ZahlAlsText(wert, "0", dezimaltrenner_));
}

} // namespace trv
