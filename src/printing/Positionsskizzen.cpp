#include "printing/Positionsskizzen.h"

namespace trv {

Positionsskizzen::Positionsskizzen(const TKModell& modell, const TKAnwendung& anwendung,
                                   char dezimaltrenner)
    : skizzen_(modell, anwendung, TKFarbe(), dezimaltrenner) {}

void Positionsskizzen::System(QPainter& canvas, const QRect& rechteck, double stiftFaktor) {
    skizzen_.System(canvas, rechteck, stiftFaktor);
}

void Positionsskizzen::Last(QPainter& canvas, const QRect& rechteck, double stiftFaktor) {
    skizzen_.Last(canvas, rechteck, stiftFaktor);
}

void Positionsskizzen::Reihe(QPainter& canvas, const QRect& rechteck, double stiftFaktor) {
    skizzen_.Reihe(canvas, rechteck, stiftFaktor);
}

void Positionsskizzen::Draufsicht(QPainter& canvas, const QRect& rechteck, double stiftFaktor) {
    skizzen_.Draufsicht(canvas, rechteck, stiftFaktor);
}

void Positionsskizzen::Ansicht(QPainter& canvas, const QRect& rechteck, double stiftFaktor) {
    skizzen_.Ansicht(canvas, rechteck, stiftFaktor);
}

void Positionsskizzen::Schnitt(QPainter& canvas, const QRect& rechteck, double stiftFaktor) {
    skizzen_.Schnitt(canvas, rechteck, stiftFaktor);
}

} // namespace trv
