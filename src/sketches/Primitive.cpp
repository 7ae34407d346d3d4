#include "sketches/Primitive.h"

#include "model/Masskette.h"
#include "sketches/Skizzenkontext.h"
#include "sketches/Texte.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace trv {

namespace {

// The rectangle as the canvas outlines it: right and bottom edges exclusive.
QRect Umriss(int links, int oben, int rechts, int unten) {
    const int l = std::min(links, rechts);
    const int r = std::max(links, rechts);
    const int o = std::min(oben, unten);
    const int u = std::max(oben, unten);
    return QRect(l, o, std::max(0, r - l - 1), std::max(0, u - o - 1));
}

void StiftSetzen(QPainter& canvas, const Skizzenkontext& kontext) {
    QPen stift = canvas.pen();
    stift.setWidthF(kontext.Breite(kontext.StiftFaktor()));
    stift.setStyle(Qt::SolidLine);
    canvas.setPen(stift);
}

int Vorzeichen(int v) {
    return (v > 0) - (v < 0);
}

void WaagerechterText(QPainter& canvas, const Skizzenkontext& kontext, int x1, int x2, int y,
                      const QString& index, const QString& haupt) {
    const int breite = TextBreite(canvas, haupt + index);
    TextMitIndex(canvas, (x1 + x2 - breite) / 2, y - TextHoehe(canvas) - kontext.Px(2), index,
                 haupt);
}

} // namespace

void SenkrechterText(QPainter& canvas, const Skizzenkontext& kontext, int x, int y1, int y2,
                     const QString& index, const QString& haupt) {
    const int breite = TextBreite(canvas, haupt + index);
    const int hoehe = TextHoehe(canvas);
    const int y = (y1 + y2 + breite) / 2;
    TextGedreht(canvas, x - hoehe, y, haupt, 900);
    const int breiteHaupt = TextBreite(canvas, haupt);
    const QFont alt = canvas.font();
    QFont klein = alt;
    klein.setPointSize(std::max(1, alt.pointSize() * 3 / 4));
    canvas.setFont(klein);
    // Half the index size in points, taken as screen pixels, lowers the index.
    TextGedreht(canvas, x - hoehe + kontext.Px(klein.pointSize() / 2), y - breiteHaupt, index, 900);
    canvas.setFont(alt);
}

void Rechteck(QPainter& canvas, int links, int oben, int rechts, int unten) {
    canvas.drawRect(Umriss(links, oben, rechts, unten));
}

void Ellipse(QPainter& canvas, int links, int oben, int rechts, int unten) {
    canvas.drawEllipse(Umriss(links, oben, rechts, unten));
}

void RundRechteck(QPainter& canvas, int links, int oben, int rechts, int unten, int eb, int eh) {
    canvas.drawRoundedRect(Umriss(links, oben, rechts, unten), std::abs(eb) / 2.0,
                           std::abs(eh) / 2.0);
}

void Linie(QPainter& canvas, int x1, int y1, int x2, int y2) {
    canvas.drawLine(x1, y1, x2, y2);
}

void Bogen(QPainter& canvas, int links, int oben, int rechts, int unten, int x3, int y3, int x4,
           int y4) {
    const QRect r = Umriss(links, oben, rechts, unten);
    const QPointF mitte = QRectF(r).center();
    // Angles in degrees, counter-clockwise from the positive x axis with y pointing up.
    const auto winkel = [&](int x, int y) {
        return std::atan2(mitte.y() - y, x - mitte.x()) * 180.0 / std::numbers::pi;
    };
    const double start = winkel(x3, y3);
    double spanne = winkel(x4, y4) - start;
    while (spanne <= 0) {
        spanne += 360;
    }
    canvas.drawArc(r, static_cast<int>(std::lround(start * 16)),
                   static_cast<int>(std::lround(spanne * 16)));
}

void Masslinie(QPainter& canvas, const Skizzenkontext& kontext, QPoint p1, QPoint p2, int groesse,
               bool senkrecht, const QString& index, const QString& haupt, QPoint versatz) {
    p1 += versatz;
    p2 += versatz;
    if (p2.x() < p1.x()) {
        std::swap(p1, p2);
    }
    canvas.setFont(ArialSchrift(8));
    StiftSetzen(canvas, kontext);
    const int k = std::max(0, groesse) / 8;
    const int e = std::max(0, groesse) / 4;
    if (!senkrecht) {
        const int y = p1.y();
        Linie(canvas, p1.x(), y - e, p1.x(), y + e);
        Linie(canvas, p2.x(), y - e, p2.x(), y + e);
        Linie(canvas, p1.x() - k, y, p2.x() + k, y);
        Linie(canvas, p1.x() + k, y - k, p1.x() - k, y + k);
        Linie(canvas, p2.x() + k, y - k, p2.x() - k, y + k);
        WaagerechterText(canvas, kontext, p1.x(), p2.x(), y, index, haupt);
    } else {
        const int x = p1.x();
        Linie(canvas, x - e, p1.y(), x + e, p1.y());
        Linie(canvas, x - e, p2.y(), x + e, p2.y());
        Linie(canvas, x, p1.y() - k, x, p2.y() + k);
        Linie(canvas, x - k, p1.y() - k, x + k, p1.y() + k);
        Linie(canvas, x - k, p2.y() - k, x + k, p2.y() + k);
        SenkrechterText(canvas, kontext, x, p1.y(), p2.y(), index, haupt);
    }
}

void Lastpfeil(QPainter& canvas, const Skizzenkontext& kontext, QPoint p1, QPoint p2,
               bool senkrecht, const QString& index, const QString& haupt, QPoint kopf) {
    canvas.setFont(ArialSchrift(8));
    StiftSetzen(canvas, kontext);
    if (senkrecht) {
        const int g = Vorzeichen(p2.y() - p1.y());
        if (g != 0) {
            Linie(canvas, p1.x(), p1.y(), p1.x(), p2.y());
            const QPoint spitze(p1.x(), p2.y());
            const QPoint kopfLinie[] = {spitze,
                                        {p1.x() + kopf.x(), p2.y() - kopf.y() * g},
                                        {p1.x() - kopf.x(), p2.y() - kopf.y() * g},
                                        spitze};
            canvas.drawPolyline(kopfLinie, 4);
        }
        SenkrechterText(canvas, kontext, p1.x(), p1.y(), p2.y(), index, haupt);
    } else {
        const int g = Vorzeichen(p2.x() - p1.x());
        if (g != 0) {
            Linie(canvas, p1.x(), p1.y(), p2.x(), p1.y());
            const QPoint spitze(p2.x(), p1.y());
            const QPoint kopfLinie[] = {spitze,
                                        {p2.x() - kopf.x() * g, p1.y() + kopf.y()},
                                        {p2.x() - kopf.x() * g, p1.y() - kopf.y()},
                                        spitze};
            canvas.drawPolyline(kopfLinie, 4);
        }
        WaagerechterText(canvas, kontext, p1.x(), p2.x(), p1.y(), index, haupt);
    }
}

void Hinweislinie(QPainter& canvas, const std::vector<QPoint>& punkte, const QString& suffix,
                  const QString& symbol, const QString& praefix) {
    if (punkte.empty()) {
        return;
    }
    canvas.drawPolyline(punkte.data(), static_cast<int>(punkte.size()));
    const std::size_t n = punkte.size() - 1;
    const QString& symbolText = symbol;
    int x = punkte[n].x();
    if (n >= 2) {
        x = (punkte[n].x() + punkte[n - 1].x() -
             TextBreite(canvas, praefix + symbolText + suffix)) /
            2;
    }
    const int y = punkte[n].y() - TextHoehe(canvas);
    x = TextOben(canvas, x, y, praefix);
    x = TextOben(canvas, x, y, symbolText);
    TextOben(canvas, x, y, suffix);
}

namespace {

// Lays out the texts of a chain and, with zeichnen, writes them; gives their reach from the
// line on the side the rows go.
int Kettentexte(QPainter& canvas, const std::vector<int>& punkte, int quer, int groesse,
                bool senkrecht, const std::vector<QString>& texte, QPoint versatz,
                const Kettenlage& lage, bool zeichnen) {
    canvas.setFont(ArialSchrift(8));
    const int hoehe = TextHoehe(canvas);
    std::vector<double> grenzen;
    std::vector<std::string> woerter;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        grenzen.push_back(punkte[i] + (senkrecht ? versatz.y() : versatz.x()));
        if (i < texte.size()) {
            woerter.push_back(texte[i].toStdString());
        }
    }
    Kettenvorgaben vorgaben;
    vorgaben.Breite = [&](const std::string& t) {
        return static_cast<double>(TextBreite(canvas, QString::fromStdString(t)));
    };
    vorgaben.Mal = [](std::size_t n, const std::string& t) {
        return std::to_string(n) + " \u00d7 " + t;
    };
    vorgaben.Luecke = std::max(2, hoehe / 3);
    vorgaben.AussenAmAnfang = lage.AussenAmAnfang;
    vorgaben.AussenAmEnde = lage.AussenAmEnde;
    const int linie = quer + (senkrecht ? versatz.x() : versatz.y());
    // Beyond the line the rows keep clear of the ticks' strokes.
    const int strich = std::max(0, groesse) / 4 + 2;
    int weite = 0;
    for (const Kettentext& t : KettentexteAnordnen(grenzen, woerter, vorgaben)) {
        const QString text = QString::fromStdString(t.Text);
        const int mitte = static_cast<int>(std::lround(t.Mitte));
        const int breite = TextBreite(canvas, text);
        // A text over a run of equal dimensions stands above the strokes inside the run.
        int nah = (t.Letztes > t.Erstes ? strich : 2) + t.Reihe * (hoehe + 1);
        const bool jenseits = lage.UeberDieLinie && t.Reihe > 0;
        if (jenseits) {
            nah = strich + (t.Reihe - 1) * (hoehe + 1);
        }
        if (jenseits == lage.UeberDieLinie) {
            weite = std::max(weite, nah + hoehe);
        }
        if (!zeichnen) {
            continue;
        }
        // Distance of the text's near edge from the line, on the side it stands.
        const int oben = jenseits ? linie + nah : linie - nah - hoehe;
        if (senkrecht) {
            TextGedreht(canvas, oben, mitte + breite / 2, text, 900);
        } else {
            TextOben(canvas, mitte - breite / 2, oben, text);
        }
    }
    return weite;
}

} // namespace

int Masskette(QPainter& canvas, const Skizzenkontext& kontext, const std::vector<int>& punkte,
              int quer, int groesse, bool senkrecht, const std::vector<QString>& texte,
              QPoint versatz, const Kettenlage& lage) {
    const auto punkt = [&](int laengs) {
        return senkrecht ? QPoint(quer, laengs) : QPoint(laengs, quer);
    };
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        Masslinie(canvas, kontext, punkt(punkte[i]), punkt(punkte[i + 1]), groesse, senkrecht, "",
                  "", versatz);
    }
    return Kettentexte(canvas, punkte, quer, groesse, senkrecht, texte, versatz, lage, true);
}

int MasskettenWeite(QPainter& canvas, const std::vector<int>& punkte, int groesse,
                    const std::vector<QString>& texte, const Kettenlage& lage) {
    const QFont alt = canvas.font();
    const int weite = Kettentexte(canvas, punkte, 0, groesse, false, texte, {}, lage, false);
    canvas.setFont(alt);
    return weite;
}

} // namespace trv
