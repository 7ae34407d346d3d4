#pragma once

#include "sketches/Farbe.h"

class QPainter;
class QRect;

namespace trv {

class TKAnwendung;
class TKModell;

// Every sketch of one position, for callers that draw whole sketches into QRects (the result
// sheet, the picture export, trv-cli): the model, the colours and the decimal separator are
// given once, the size of a screen pixel on the target (device pixels, 1 on the screen; see
// Skizzenkontext) with each drawing. The painter's state is saved and restored around each
// sketch. The model and the position must outlive the object.
class TKSkizzen {
public:
    TKSkizzen(const TKModell& modell, const TKAnwendung& anwendung, TKFarbe farbe = TKFarbe(),
              char dezimaltrenner = '.');

    void Ansicht(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    void Draufsicht(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    void Schnitt(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    // The connector row with the load strip above the joint.
    void Reihe(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    // The joint elevation with the load strip only.
    void Lastprofil(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    // System and load sketch one above the other on the background (input mode).
    void Eingabe(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    // System sketch and load sketch alone, without background.
    void System(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;
    void Last(QPainter& canvas, const QRect& rechteck, double bildpunkt = 1.0) const;

private:
    template <typename F>
    void Zeichnen(QPainter& canvas, const QRect& rechteck, double bildpunkt, F skizze) const;

    const TKModell& modell_;
    const TKAnwendung& anwendung_;
    TKFarbe farbe_;
    char dezimaltrenner_;
};

} // namespace trv
