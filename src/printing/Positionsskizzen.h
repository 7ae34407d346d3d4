#pragma once

#include "printing/Ergebnisblatt.h"
#include "sketches/Skizzen.h"

namespace trv {

class TKAnwendung;
class TKModell;

// The sketches of a position as the result sheet places them, drawn by the sketch module in
// the default colours. The model and the position must outlive the object.
class Positionsskizzen : public Blattskizzen {
public:
    Positionsskizzen(const TKModell& modell, const TKAnwendung& anwendung, char dezimaltrenner);

    void System(QPainter& canvas, const QRect& rechteck, double stiftFaktor) override;
    void Last(QPainter& canvas, const QRect& rechteck, double stiftFaktor) override;
    void Reihe(QPainter& canvas, const QRect& rechteck, double stiftFaktor) override;
    void Draufsicht(QPainter& canvas, const QRect& rechteck, double stiftFaktor) override;
    void Ansicht(QPainter& canvas, const QRect& rechteck, double stiftFaktor) override;
    void Schnitt(QPainter& canvas, const QRect& rechteck, double stiftFaktor) override;

private:
    TKSkizzen skizzen_;
};

} // namespace trv
