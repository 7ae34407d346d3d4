#include "printing/Ergebnisblatt.h"

#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "printing/Blattabschnitte.h"
#include "printing/Druckauftrag.h"
#include "printing/Seitenmasse.h"
#include "sketches/Texte.h"

#include <QPainter>
#include <QPrinter>

#include <stdexcept>

namespace trv {

namespace {

QRect Rechteck(int links, int oben, int rechts, int unten) {
    return {links, oben, rechts - links, unten - oben};
}

// Draws one sketch without letting its pen, brush or font reach the page.
template <typename F> void Skizze(QPainter& canvas, F zeichnen) {
    canvas.save();
    zeichnen();
    canvas.restore();
}

} // namespace

Ergebnisblatt::Ergebnisblatt(const TKAnwendung& anwendung, Kopfdaten kopf, char dezimaltrenner,
                             Blattskizzen& skizzen)
    : anwendung_(anwendung), kopf_(std::move(kopf)), dezimaltrenner_(dezimaltrenner),
      skizzen_(skizzen), texte_(TextlistenLaden()) {
    kopf_.PositionZeigen = true;
}

std::string Ergebnisblatt::Titel() const {
    return Ressource(res::BerechnungFuer) + DornName(anwendung_.Ergebnisse().AktDorn());
}

bool Ergebnisblatt::MitLastSeite() const {
    return anwendung_.BelastungDesign().Belastungsfall() == 3;
}

int Ergebnisblatt::Seitenzahl() const {
    return MitLastSeite() ? 3 : 2;
}

void Ergebnisblatt::Seite1(QPainter& canvas, Seitenmasse& m) {
    const int L = m.CmNachPixelX(m.DruckRandLinks());
    const double rechterRand = m.SeitenBreite() - m.DruckRandRechts();
    int c = m.CmNachPixelY(m.DruckRandOben() + m.KopfHoehe());
    const int fall = anwendung_.Anwendungsfall();
    const TKErgebnisse& erg = anwendung_.Ergebnisse();

    canvas.setPen(m.Stift());
    canvas.setFont(DruckSchrift(12, true));
    TextOben(canvas, L, c,
             QString::fromStdString(TKTextlisten::Text(texte_.AnwendungsfallLang(), fall)));
    canvas.setFont(DruckSchrift(10));
    const TKMeldungen& warnungen = erg.DornErgebnis(erg.AktDorn()).Warnungen();
    if (warnungen.Anzahl() > 0) {
        c += m.Zeile6();
        for (std::uint16_t code : warnungen.Codes()) {
            c += m.Zeile10();
            TextOben(canvas, L, c,
                     QString::fromStdString(TKTextlisten::Text(texte_.Hinweistexte(), code)));
        }
    }

    const int e = m.CmNachPixelX(rechterRand - 9.5);
    const QRect system =
        fall == 2
            ? Rechteck(e, c + m.CmNachPixelY(0.5), e + m.CmNachPixelX(10), c + m.CmNachPixelY(5.5))
            : Rechteck(e, c - m.CmNachPixelY(0.5), e + m.CmNachPixelX(10), c + m.CmNachPixelY(6.5));
    Skizze(canvas, [&] { skizzen_.System(canvas, system, m.StiftFaktor()); });

    const int mx = m.CmNachPixelX(rechterRand - 9);
    const int v = c + m.CmNachPixelY(8);
    const QRect last =
        MitLastSeite()
            ? Rechteck(mx, v - m.CmNachPixelY(0.5), mx + m.CmNachPixelX(8), v + m.CmNachPixelY(6.5))
            : Rechteck(mx, v - m.CmNachPixelY(2), mx + m.CmNachPixelX(8), v + m.CmNachPixelY(5));
    Skizze(canvas, [&] { skizzen_.Last(canvas, last, m.StiftFaktor()); });

    Blattabschnitte abschnitte(canvas, m, anwendung_, texte_, dezimaltrenner_, BildschirmDpi);
    abschnitte.EingabeZeichnen({L, c + m.Zeile14()}, m.CmNachPixelX(4.5), m.CmNachPixelX(0.75));
    // The two lower sections hang from the bottom margin, whatever the input needed.
    const double unten = m.SeitenHoehe() - m.DruckRandUnten();
    abschnitte.LastenZeichnen({L, m.CmNachPixelY(unten - 15)}, m.CmNachPixelX(4), false,
                              m.CmNachPixelX(0.75));
    abschnitte.ErgebnisseZeichnen({L, m.CmNachPixelY(unten - 8)}, m.CmNachPixelX(5),
                                  m.CmNachPixelX(9), m.CmNachPixelX(1));
}

void Ergebnisblatt::LastSeite(QPainter& canvas, Seitenmasse& m) {
    const int L = m.CmNachPixelX(m.DruckRandLinks());
    canvas.setPen(m.Stift());
    Blattabschnitte abschnitte(canvas, m, anwendung_, texte_, dezimaltrenner_, BildschirmDpi);
    const int r =
        abschnitte.LastenZeichnen({L, m.CmNachPixelY(m.DruckRandOben() + m.KopfHoehe() + 0.5)},
                                  m.CmNachPixelX(4), true, m.CmNachPixelX(0.75));
    const int oben = r - m.CmNachPixelY(2);
    const QRect last = Rechteck(L, oben, L + m.CmNachPixelX(8), oben + m.CmNachPixelY(8));
    Skizze(canvas, [&] { skizzen_.Last(canvas, last, m.StiftFaktor()); });
}

void Ergebnisblatt::SkizzenSeite(QPainter& canvas, Seitenmasse& m) {
    const int L = m.CmNachPixelX(m.DruckRandLinks());
    const int c = m.CmNachPixelY(m.DruckRandOben() + m.KopfHoehe() + 0.5);
    const int w = m.CmNachPixelX(m.SeitenBreite() - m.DruckRandLinks() - m.DruckRandRechts());
    const int w2 = w / 2;
    const int b = m.CmNachPixelY(m.SeitenHoehe() - m.DruckRandUnten() - 5.25);
    const int o = (b - c - 2 * m.Zeile8()) / 2;
    const double f = m.StiftFaktor();

    const QRect reihe = Rechteck(L, c, L + m.CmNachPixelX(17), c + m.CmNachPixelY(5));
    Skizze(canvas, [&] { skizzen_.Reihe(canvas, reihe, f); });
    const int v = c + m.CmNachPixelY(5.25);
    const QRect draufsicht = Rechteck(L, v, L + w2, v + o);
    Skizze(canvas, [&] { skizzen_.Draufsicht(canvas, draufsicht, f); });
    const int t = v + o - m.CmNachPixelY(0.7);
    const QRect ansicht = Rechteck(L, t, L + w2, t + o);
    const QRect schnitt = Rechteck(L + w2, t, L + 2 * w2, t + o);
    Skizze(canvas, [&] { skizzen_.Ansicht(canvas, ansicht, f); });
    Skizze(canvas, [&] { skizzen_.Schnitt(canvas, schnitt, f); });
}

void Ergebnisblatt::SeiteZeichnen(QPainter& canvas, Seitenmasse& m, int seite,
                                  const std::string& titel) {
    Seitenrahmen(canvas, m, titel, kopf_);
    canvas.save();
    if (seite == 1) {
        Seite1(canvas, m);
    } else if (seite == 2 && MitLastSeite()) {
        LastSeite(canvas, m);
    } else {
        SkizzenSeite(canvas, m);
    }
    canvas.restore();
}

bool ErgebnisblattDrucken(QPrinter& drucker, Seitenmasse& m, Ergebnisblatt& blatt,
                          std::string& fehler) {
    return Druckauftrag(
        drucker, m,
        [&](QPainter& canvas) {
            // The head is drawn on every page, so the reasons stand on each of them.
            for (int seite = 1; seite <= blatt.Seitenzahl(); ++seite) {
                if (seite > 1) {
                    drucker.newPage();
                }
                blatt.SeiteZeichnen(canvas, m, seite, blatt.Titel());
            }
        },
        fehler);
}

std::vector<QImage> ErgebnisblattVorschau(Seitenmasse& m, const Druckergeometrie& seite,
                                          int bildschirmDpi, Ergebnisblatt& blatt) {
    m.SeiteEinrichten(seite);
    std::vector<QImage> bilder;
    for (int nr = 1; nr <= blatt.Seitenzahl(); ++nr) {
        QImage bild = SeitenBild(m, bildschirmDpi);
        QPainter canvas(&bild);
        m.FuerBildschirm(canvas, bildschirmDpi);
        blatt.SeiteZeichnen(canvas, m, nr, blatt.Titel());
        canvas.end();
        bilder.push_back(std::move(bild));
    }
    return bilder;
}

void ErgebnisblattSeite1Export(QPainter& canvas, Seitenmasse& m, Ergebnisblatt& blatt) {
    blatt.SeiteZeichnen(canvas, m, 1, Ressource(res::BerechnungFuer));
}

} // namespace trv
