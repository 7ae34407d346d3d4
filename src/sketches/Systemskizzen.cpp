#include "sketches/Systemskizzen.h"

#include "model/Modell.h"
#include "model/Zahlen.h"
#include "sketches/Farbe.h"
#include "sketches/Fugenskizzen.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzenkontext.h"
#include "sketches/Stile.h"
#include "sketches/Texte.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace trv {

namespace {

using Rolle = TKFarbe::Rolle;

// Rounded to the nearest pixel, halves to even; absurd values (an empty scale, a huge load)
// give 0 instead of an overflow.
int K(double v) {
    const double r = RundeGerade(v);
    return std::isfinite(r) && std::abs(r) < 1e9 ? static_cast<int>(r) : 0;
}

// y on the line from (x1, y1) to (x2, y2) at x, in integer arithmetic truncating towards
// zero; wide enough that no product overflows.
int Zwischenwert(int x, int x1, int y1, int x2, int y2) {
    if (x2 == x1) {
        return y1;
    }
    const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
    return static_cast<int>(y1 + dy * (x - x1) / (x2 - x1));
}

QPoint Kopf(int zeile) {
    return {zeile / 5, zeile / 5};
}

// The room the load sketch needs above the member's top face for the load of the load case
// with its labels (and the edge distances drawn above a line load), device pixels.
int LastHoehe(QPainter& canvas, const Skizzenkontext& kontext, int zeile, const TKGeometrie& geo,
              int belastungsfall) {
    switch (belastungsfall) {
    case 0: // the thick arrow stops 6 px above the slab
        return 2 * zeile + kontext.Px(8);
    case 3: // the profile is drawn four lines high
        return 4 * zeile + kontext.Px(2);
    default: {
        // The labels stand a line above the arrows, which rise or fall by 5 px about the
        // mean; edge dimensions two lines up carry their text above them.
        int luft = kontext.Px(7);
        if (geo.RandLinks() && geo.RandRechts()) {
            canvas.setFont(ArialSchrift(8));
            luft = std::max(luft, TextHoehe(canvas) + kontext.Px(2));
        }
        return 2 * zeile + luft + kontext.Px(2);
    }
    }
}

// A load arrow pointing down onto y = unten.
void Pfeil(QPainter& canvas, const Skizzenkontext& kontext, int x, int oben, int unten, int zeile) {
    Lastpfeil(canvas, kontext, {x, oben}, {x, unten}, true, "", "", Kopf(zeile));
}

// The U-bar of a wall in section and its horizontal bars, mirrored orientation: the legs at
// the slab's cover levels across the wall, bent into the bars along both wall faces.
void WandBewehrung(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td,
                   int rechteckOben) {
    const Notation n(td);
    const TKFarbe& f = kontext.Farbe();
    const int dy = n.dy;
    const int o = n.X0 + n.cv;
    const int u = n.X0 + n.t - n.TH - n.cv;
    const int b = o - dy / 2;
    const int a = u + dy / 2;
    const int links = std::min(a, b);
    const int rechts = std::max(a, b);
    const int wandOben = rechteckOben + n.TH / 2;
    const int wandUnten = n.B + 3 * n.TH / 2;
    const int gruppen = std::max(1, td.GruppeBewY);
    const int p = td.pGruppenversatz;
    for (int j = 1; j <= gruppen; ++j) {
        const int y1 = n.T + n.co - dy / 2 + j * p;
        const int y2 = n.B - n.cu + dy / 2 - (gruppen - j) * p;
        StabStil(canvas, kontext, f.Farbe(Rolle::PosD));
        Rechteck(canvas, links + 2 * dy, y1 - dy / 2, rechts - 2 * dy, y1 - dy / 2 + dy);
        Rechteck(canvas, links + 2 * dy, y2 - dy / 2, rechts - 2 * dy, y2 - dy / 2 + dy);
        StabLinienStil(canvas, kontext, f.Farbe(Rolle::PosD), dy);
        const int r = 2 * dy;
        const auto bogen = [&](int x, int y, int start) {
            canvas.drawArc(QRect(x - r, y - r, 2 * r, 2 * r), start * 16, 90 * 16);
        };
        bogen(links + r, y1 + r, 90);
        bogen(rechts - r, y1 + r, 0);
        bogen(links + r, y2 - r, 180);
        bogen(rechts - r, y2 - r, 270);
        Linie(canvas, b, wandOben, b, wandUnten);
        Linie(canvas, a, wandOben, a, wandUnten);

        StabStil(canvas, kontext, f.Farbe(Rolle::PosB));
        for (int x : {n.X0 + n.a0, n.X0 - n.a0 + n.t - n.TH}) {
            const int l = x - n.dx / 2;
            const int oben = n.T + n.co + j * p;
            const int unten = n.B - n.cu - (gruppen - j) * p;
            Ellipse(canvas, l, oben, l + n.dx, oben + n.dx);
            Ellipse(canvas, l, unten, l + n.dx, unten - n.dx);
        }
    }
}

// The members' symbols of the input values and the load on the joint, drawn with the left
// member's sketch state.
void SystemSymbole(QPainter& canvas, Skizzenkontext& kontext, const TrDaten& td, int anwendungsfall,
                   int belastungsfall) {
    const Notation n(td);
    const int TH = n.TH;
    const int jw = td.pFugenbreite;
    const int h = n.X0 + jw - n.t;
    BeschriftungStil(canvas, kontext);
    if (anwendungsfall == 2) {
        Masslinie(canvas, kontext, {n.X0, n.B}, {n.X0 + n.t - TH, n.B}, TH, false, "W", "d",
                  {0, 2 * TH});
    }
    Masslinie(canvas, kontext, {h, n.T}, {h, n.B}, TH, true, "", "d", {3 * TH, 0});
    Masslinie(canvas, kontext, {h, n.T}, {h, n.T + n.co}, TH, true, "", "", {TH, 0});
    const int hoehe = TextHoehe(canvas);
    TextGedreht(canvas, h + hoehe / 3, n.T - TextBreite(canvas, " "), "c", 900);
    TextGedreht(canvas, h + hoehe / 2, n.T - TextBreite(canvas, " c"), "o", 900);
    const int unten = n.Y0 + n.d / 2;
    Masslinie(canvas, kontext, {h, n.B - n.cu}, {h, unten}, TH, true, "", "", {TH, 0});
    TextGedreht(canvas, h + hoehe / 3, unten + TextBreite(canvas, "cu "), "c", 900);
    TextGedreht(canvas, h + hoehe / 2, unten + TextBreite(canvas, "c "), "u", 900);
    Masslinie(canvas, kontext, {n.X0, unten}, {n.X0 + jw, unten}, TH, false, "", "f", {0, TH});

    const int luft = kontext.Px(2 * kontext.StiftFaktor()); // the arrow stops clear of the slab
    StiftFaktorWahrer wahrer(kontext);
    const bool punktlast = belastungsfall == 0;
    kontext.SetStiftFaktor(punktlast ? 3 : 1);
    const int x = n.X0 + jw;
    Lastpfeil(canvas, kontext, {x, n.T - luft - 2 * TH}, {x, n.T - luft}, true,
              punktlast ? "Ed,p" : "Ed", punktlast ? "V" : "q", Kopf(TH));
}

} // namespace

void SkizzeEingabe(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                   const TKModell& modell, const TKAnwendung& anwendung, int anwendungsfall,
                   int belastungsfall) {
    HintergrundFuellen(canvas, kontext.Farbe(), r.Links, r.Oben, r.Rechts, r.Unten);
    const int mitte = r.Oben + (r.Unten - r.Oben) / 2;
    const Skizzenquelle quelle = EingabeQuelle(modell, anwendung);
    SkizzeSystem(canvas, kontext, {r.Links, r.Oben, r.Rechts, mitte}, quelle, anwendungsfall,
                 belastungsfall);
    SkizzeLast(canvas, kontext, {r.Links, mitte, r.Rechts, r.Unten}, quelle, anwendung,
               anwendungsfall, belastungsfall);
}

void SkizzeSystem(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                  const Skizzenquelle& quelle, int anwendungsfall, int belastungsfall) {
    const int mitte = r.Links + (r.Rechts - r.Links) / 2;
    // The scale leaves two lines above the members and one below them; the symbols reach a
    // little further (the load arrow stops above the slab, the wall and its thickness reach
    // two lines below it, the thickness dimension has its strokes), so the members are
    // fitted into a rectangle that keeps all of them inside the sketch's own.
    const int TH = SkizzenZeile(canvas);
    const int s = r.Rechts < r.Links ? -1 : 1;
    const int seite = s * (TH / 4 + kontext.Px(2));
    const int oben = r.Oben + kontext.Px(4);
    const int unten = r.Unten - (anwendungsfall == 2 ? TH + TH / 4 : TH / 4) - kontext.Px(2);

    const TrDaten rechts = SkizzeVorbereiten(canvas, {mitte, oben, r.Rechts - seite, unten},
                                             Skizzentyp::System, quelle, kontext.Bildpunkt());
    SchnittBeton(canvas, kontext, rechts);
    SchnittBewY(canvas, kontext, rechts);
    SchnittBewX(canvas, kontext, rechts);
    SchnittDorn(canvas, kontext, rechts);

    const TrDaten links = SkizzeVorbereiten(canvas, {mitte, oben, r.Links + seite, unten},
                                            Skizzentyp::System, quelle, kontext.Bildpunkt());
    const Notation n(links);
    if (anwendungsfall == 2) {
        const int oben = r.Oben + n.TH / 2;
        const int unten = n.B + 3 * n.TH / 2;
        const int ruecken = n.X0 + n.t - n.TH;
        const int abstand = kontext.Px(5);
        BetonStil(canvas, kontext);
        Rechteck(canvas, n.X0, oben, ruecken, unten);
        DickeKante(canvas, kontext, n.X0, oben, n.X0, unten);
        DickeKante(canvas, kontext, ruecken, oben, ruecken, unten);
        Schnittkante(canvas, kontext, n.X0 + abstand, oben, ruecken - abstand, oben);
        Schnittkante(canvas, kontext, n.X0 + abstand, unten, ruecken - abstand, unten);
        WandBewehrung(canvas, kontext, links, r.Oben);
    } else {
        SchnittBeton(canvas, kontext, links);
        SchnittBewY(canvas, kontext, links);
        SchnittBewX(canvas, kontext, links);
    }
    SchnittDorn(canvas, kontext, links, true);
    SystemSymbole(canvas, kontext, links, anwendungsfall, belastungsfall);
}

void SkizzeLast(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                const Skizzenquelle& quelle, const TKAnwendung& anwendung, int anwendungsfall,
                int belastungsfall) {
    const int L = r.Links;
    const int R = r.Rechts;
    const int W = R - L;
    // The member is fitted between the load drawn above it and the length dimension below,
    // so that neither leaves the rectangle.
    const int zeile = SkizzenZeile(canvas);
    const int ueber = LastHoehe(canvas, kontext, zeile, quelle.Geometrie, belastungsfall);
    const int unter = zeile + zeile / 4 + kontext.Px(2);
    const int frei = std::max(0, r.Unten - r.Oben - ueber - unter);
    // The scale the sketch type gives a rectangle of that room plus its three lines.
    TrDaten td = SkizzeVorbereiten(canvas, {L + W / 2, r.Oben, L, r.Oben + frei + 3 * zeile},
                                   Skizzentyp::System, quelle, kontext.Bildpunkt());
    td.Y0 = r.Oben + ueber + frei / 2;
    const Notation n(td);
    const int TH = n.TH;

    BetonStil(canvas, kontext);
    Rechteck(canvas, L + TH, n.T, R - TH, n.B);
    DickeKante(canvas, kontext, L + TH, n.T, R - TH, n.T);
    DickeKante(canvas, kontext, L + TH, n.B, R - TH, n.B);
    for (int x : {L + TH, R - TH}) {
        if (anwendungsfall == 0) {
            DickeKante(canvas, kontext, x, n.T, x, n.B);
        } else {
            Schnittkante(canvas, kontext, x, n.T - kontext.Px(5), x, n.B + kontext.Px(5));
        }
    }

    if (anwendungsfall == 0) {
        td.X0 = L + W / 2;
        AnsichtDorn(canvas, kontext, td);
    } else {
        for (int x : {L + W / 6, L + W / 2, L + 5 * (W / 6)}) {
            td.X0 = x;
            AnsichtDorn(canvas, kontext, td);
        }
    }

    StiftFaktorWahrer wahrer(kontext);
    BeschriftungStil(canvas, kontext);
    const QPoint kopf = Kopf(TH);
    const int unten = n.Y0 + n.d / 2;
    const auto laengeMass = [&] {
        Masslinie(canvas, kontext, {L + TH, unten}, {R - TH, unten}, TH, false, "f", "l", {0, TH});
    };
    if (belastungsfall == 0) {
        kontext.SetStiftFaktor(3);
        const int luft = kontext.Px(2 * kontext.StiftFaktor());
        const int x = (L + R) / 2;
        Lastpfeil(canvas, kontext, {x, n.T - luft - 2 * TH}, {x, n.T - luft}, true, "Ed,p",
                  "     V", kopf);
        kontext.SetStiftFaktor(1);
        Masslinie(canvas, kontext, {x, n.T}, {L + TH, n.T}, TH, false, "L", "c", {0, -TH});
        Masslinie(canvas, kontext, {x, n.T}, {R - TH, n.T}, TH, false, "R", "c", {0, -TH});
    } else if (belastungsfall == 1 || belastungsfall == 2) {
        kontext.SetStiftFaktor(1);
        // The schematic load rises or falls by 10 screen pixels over the member.
        const int v = kontext.Px((td.LinienLast - 1) * 10);
        const int schlitze = TH > 0 ? W / TH : 0;
        const double g = schlitze > 0 ? static_cast<double>(v) / schlitze : 0.0;
        const int basis = n.T - kontext.Px(2);
        const int linksOben = basis - TH + v / 2;
        canvas.setFont(ArialSchrift(8)); // as the arrows' texts
        TextMitIndex(canvas, L + TH / 2, linksOben - TH, "Ed,L", "q");
        int letztesX = R - TH;
        int letzteSpitze = linksOben;
        for (int j = 2; j <= schlitze; ++j) {
            letztesX = L + (j - 1) * TH;
            letzteSpitze = linksOben - K(j * g);
            Pfeil(canvas, kontext, letztesX, letzteSpitze, basis, TH);
        }
        // Over the last arrow, but moved in where it would run out of the sketch.
        const int breite = TextBreite(canvas, QStringLiteral("qEd,R"));
        TextMitIndex(canvas, std::min(letztesX, R - breite - kontext.Px(1)), letzteSpitze - TH,
                     "Ed,R", "q");
        Linie(canvas, L + TH, linksOben, R - TH, letzteSpitze);
        if (td.RandLinks && td.RandRechts) {
            Masslinie(canvas, kontext, {L + TH, n.T}, {L + W / 6, n.T}, TH, false, "L", "c",
                      {0, -2 * TH});
            Masslinie(canvas, kontext, {R - W / 6, n.T}, {R - TH, n.T}, TH, false, "R", "c",
                      {0, -2 * TH});
        } else if (anwendungsfall == 0) {
            laengeMass();
            Masslinie(canvas, kontext, {L + W / 4, unten}, {L + 3 * (W / 4), unten}, TH, false, "",
                      "e", {0, -TH});
        } else {
            const int y = unten + TH;
            Lastpfeil(canvas, kontext, {L + TH / 2, y}, {R - TH / 2, y}, false, "", "", kopf);
            Lastpfeil(canvas, kontext, {R - TH / 2, y}, {L + TH / 2, y}, false, "f", "l", kopf);
        }
    } else if (belastungsfall == 3) {
        LastPfeile(canvas, kontext, {L + TH, n.T - 4 * TH, R - TH, n.T}, TH, anwendung);
        laengeMass();
    }
}

void LastPfeile(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r, int zeile,
                const TKAnwendung& anwendung) {
    const TKBelastung& last = anwendung.BelastungDesign();
    const int schritt = std::max(1, zeile);
    const double breite = r.Rechts - r.Links;
    const double hoehe = r.Unten - r.Oben;
    const auto massstabY = [&](double groesste) { return groesste > 0 ? hoehe / groesste : 1.0; };
    const double sx = last.LastLaenge() > 0 ? breite / last.LastLaenge() : 0.0;

    switch (last.Belastungsfall()) {
    case 1:
    case 2: {
        const double links = last.LinienLastLinks().Fd();
        const double rechts = last.LinienLastRechts().Fd();
        const double sy = massstabY(std::max(links, rechts));
        const int xe = r.Links + K(last.LastLaenge() * sx);
        const int yl = r.Unten - K(links * sy);
        const int yr = r.Unten - K(rechts * sy);
        for (int x = r.Links; x < xe; x += schritt) {
            Pfeil(canvas, kontext, x, Zwischenwert(x, r.Links, yl, xe, yr), r.Unten, zeile);
        }
        Pfeil(canvas, kontext, xe, yr, r.Unten, zeile);
        Linie(canvas, r.Links, yl, xe, yr);
        break;
    }
    case 3: {
        const auto& punkte = last.beliebigeLast();
        if (punkte.empty()) {
            break;
        }
        double groesste = punkte.front().y;
        for (const TKPunkt& p : punkte) {
            groesste = std::max(groesste, p.y);
        }
        const double sy = massstabY(groesste);
        const auto pixel = [&](const TKPunkt& p) {
            return QPoint(r.Links + K(p.x * sx), r.Unten - K(p.y * sy));
        };
        for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
            const QPoint p1 = pixel(punkte[i]);
            const QPoint p2 = pixel(punkte[i + 1]);
            Linie(canvas, p1.x(), p1.y(), p2.x(), p2.y());
            for (int x = p1.x(); x < p2.x(); x += schritt) {
                Pfeil(canvas, kontext, x, Zwischenwert(x, p1.x(), p1.y(), p2.x(), p2.y()), r.Unten,
                      zeile);
            }
            Pfeil(canvas, kontext, p2.x(), p2.y(), r.Unten, zeile);
        }
        break;
    }
    case 0: {
        const TKGeometrie& geo = anwendung.Ergebnisse().Geometrie();
        const double summe = geo.BauteilRandLinks() + geo.BauteilRandRechts();
        const double s = summe != 0 ? breite / summe : 0.0;
        const int x = r.Links + K(geo.BauteilRandLinks() * s);
        StiftFaktorWahrer wahrer(kontext);
        kontext.SetStiftFaktor(3);
        Pfeil(canvas, kontext, x, r.Oben, r.Unten - kontext.Px(kontext.StiftFaktor()), zeile);
        break;
    }
    default:
        break;
    }
}

} // namespace trv
