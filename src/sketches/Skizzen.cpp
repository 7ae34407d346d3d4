#include "sketches/Skizzen.h"

#include "model/Modell.h"
#include "sketches/Fugenskizzen.h"
#include "sketches/Skizzenkontext.h"
#include "sketches/Systemskizzen.h"

#include <QPainter>
#include <QRect>

namespace trv {

TKSkizzen::TKSkizzen(const TKModell& modell, const TKAnwendung& anwendung, TKFarbe farbe,
                     char dezimaltrenner)
    : modell_(modell), anwendung_(anwendung), farbe_(farbe), dezimaltrenner_(dezimaltrenner) {}

template <typename F>
void TKSkizzen::Zeichnen(QPainter& canvas, const QRect& rechteck, double bildpunkt,
                         F skizze) const {
    Skizzenkontext kontext(farbe_, dezimaltrenner_, 1, bildpunkt);
    canvas.save();
    skizze(kontext, Skizzenrechteck::Aus(rechteck));
    canvas.restore();
}

void TKSkizzen::Ansicht(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeAnsicht(canvas, k, r, anwendung_);
    });
}

void TKSkizzen::Draufsicht(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeDraufsicht(canvas, k, r, anwendung_);
    });
}

void TKSkizzen::Schnitt(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeSchnitt(canvas, k, r, anwendung_);
    });
}

void TKSkizzen::Reihe(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeReihe(canvas, k, r, anwendung_, true);
    });
}

void TKSkizzen::Lastprofil(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeLastprofil(canvas, k, r, anwendung_);
    });
}

void TKSkizzen::Eingabe(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeEingabe(canvas, k, r, modell_, anwendung_, anwendung_.Anwendungsfall(),
                      anwendung_.BelastungDesign().Belastungsfall());
    });
}

void TKSkizzen::System(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeSystem(canvas, k, r, BlattQuelle(modell_, anwendung_), anwendung_.Anwendungsfall(),
                     anwendung_.BelastungDesign().Belastungsfall());
    });
}

void TKSkizzen::Last(QPainter& canvas, const QRect& rechteck, double bildpunkt) const {
    Zeichnen(canvas, rechteck, bildpunkt, [&](Skizzenkontext& k, const Skizzenrechteck& r) {
        SkizzeLast(canvas, k, r, BlattQuelle(modell_, anwendung_), anwendung_,
                   anwendung_.Anwendungsfall(), anwendung_.BelastungDesign().Belastungsfall());
    });
}

} // namespace trv
