#include "sketches/Fugenskizzen.h"

#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "model/Geometrie.h"
#include "model/Modell.h"
#include "model/Zahlen.h"
#include "sketches/Farbe.h"
#include "sketches/Primitive.h"
#include "sketches/Skizzenkontext.h"
#include "sketches/Stile.h"
#include "sketches/Systemskizzen.h"
#include "sketches/Texte.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace trv {

namespace {

using Rolle = TKFarbe::Rolle;

QString Text(int nr) {
    return QString::fromStdString(Ressource(nr));
}

// A rectangle of the given size centred on (x, y).
void ZentriertesRechteck(QPainter& canvas, int x, int y, int breite, int hoehe) {
    const int l = x - breite / 2;
    const int o = y - hoehe / 2;
    Rechteck(canvas, l, o, l + breite, o + hoehe);
}

void Kreis(QPainter& canvas, int x, int y, int durchmesser) {
    const int l = x - durchmesser / 2;
    const int o = y - durchmesser / 2;
    Ellipse(canvas, l, o, l + durchmesser, o + durchmesser);
}

// A quarter of a bar bend: the circle of radius r about (x, y), from start degrees on
// counter-clockwise.
void Viertelbogen(QPainter& canvas, int x, int y, int r, int start) {
    canvas.drawArc(QRect(x - r, y - r, 2 * r, 2 * r), start * 16, 90 * 16);
}

int Gruppen(const TrDaten& td) {
    return std::max(1, td.GruppeBewY);
}

int AbstandY(const TrDaten& td, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < td.pAbstaendeBewY.size()
               ? td.pAbstaendeBewY[static_cast<std::size_t>(i)]
               : 0;
}

// The barrel outline of the sleeve: the part of the ellipse in the box between the cuts
// at x = u (joint side) and x = v, closed by a straight line at v.
struct Fass {
    int halbBreite; // half width of the box, px
    int halbHoehe;  // half height of the box, px
    int u, v;       // cut lines
    double m, r, q; // distance of the cut, half axes, for the cut points
};

void FassZeichnen(QPainter& canvas, int h, int y0, const Fass& f) {
    const double anteil = f.r == 0 ? 0 : 1 - (f.m * f.m) / (f.r * f.r);
    const int k = static_cast<int>(std::trunc(std::sqrt(std::max(0.0, anteil) * f.q * f.q)));
    const int l = h - f.halbBreite;
    const int o = y0 - f.halbHoehe;
    const int re = h + f.halbBreite;
    const int un = y0 + f.halbHoehe;
    const int links = std::min(f.u, f.v);
    const int rechts = std::max(f.u, f.v);
    Bogen(canvas, l, o, re, un, rechts, y0 - k, links, y0 - k);
    Bogen(canvas, l, o, re, un, links, y0 + k, rechts, y0 + k);
    Linie(canvas, f.v, y0 - k, f.v, y0 + k);
}

// One connector of the row: plate, sleeve box, the opening from its top and from its bottom,
// and the dowel.
void DornSymbolReihe(QPainter& canvas, const TrDaten& td, int x, int y) {
    ZentriertesRechteck(canvas, x, y, td.pPlattenBreite, td.pPlattenHoehe);
    ZentriertesRechteck(canvas, x, y, td.pHuelsenBreite, td.pHuelsenHoehe);
    const int l = x - td.pOeffnungBreite / 2;
    const int o = y - td.pOeffnungHoehe / 2;
    const int u = y + td.pOeffnungHoehe / 2;
    Rechteck(canvas, l, o, l + td.pOeffnungBreite, o + td.pOeffnungHoehe);
    Rechteck(canvas, l, u - td.pOeffnungHoehe, l + td.pOeffnungBreite, u);
    Kreis(canvas, x, y, td.pDornDurchmesser);
}

} // namespace

void AnsichtDorn(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td) {
    DornStil(canvas, kontext);
    ZentriertesRechteck(canvas, td.X0, td.Y0, td.pPlattenBreite, td.pPlattenHoehe);
    ZentriertesRechteck(canvas, td.X0, td.Y0, td.pHuelsenBreite, td.pHuelsenHoehe);
    ZentriertesRechteck(canvas, td.X0, td.Y0, td.pOeffnungBreite, td.pOeffnungHoehe);
    Kreis(canvas, td.X0, td.Y0, td.pDornDurchmesser);
}

void SchnittBeton(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td) {
    const Notation n(td);
    const int ueber = kontext.Px(5);
    BetonStil(canvas, kontext);
    Rechteck(canvas, n.X0, n.T, n.X0 + n.t, n.B);
    DickeKante(canvas, kontext, n.X0, n.T, n.X0 + n.t, n.T);
    DickeKante(canvas, kontext, n.X0, n.T, n.X0, n.B);
    DickeKante(canvas, kontext, n.X0, n.B, n.X0 + n.t, n.B);
    Schnittkante(canvas, kontext, n.X0 + n.t, n.T - ueber, n.X0 + n.t, n.B + ueber);
}

void SchnittBewY(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td) {
    const Notation n(td);
    const QColor farbe = kontext.Farbe().Farbe(Rolle::PosD);
    const bool gespiegelt = n.t < 0;
    const int s = gespiegelt ? -1 : 1;
    const int dy = n.dy;
    const int E = gespiegelt ? n.X0 + n.cv - dy / 2 : n.X0 + n.cv + dy / 2;
    const int bogenX = E + s * 2 * dy; // centre of the bends
    for (int g = 0; g < Gruppen(td); ++g) {
        const int versatz = g * td.pGruppenversatz;
        const int y1 = n.T + n.co + dy / 2 + versatz;
        const int y2 = n.B - n.cu - dy / 2 - versatz;
        StabStil(canvas, kontext, farbe);
        Rechteck(canvas, bogenX, y1 - dy / 2, n.X0 + n.t, y1 - dy / 2 + dy);
        Rechteck(canvas, bogenX, y2 - dy / 2, n.X0 + n.t, y2 - dy / 2 + dy);
        StabLinienStil(canvas, kontext, farbe, dy);
        Viertelbogen(canvas, bogenX, y1 + 2 * dy, 2 * dy, gespiegelt ? 0 : 90);
        Viertelbogen(canvas, bogenX, y2 - 2 * dy, 2 * dy, gespiegelt ? 270 : 180);
        Linie(canvas, E, y1 + 2 * dy, E, y2 - 2 * dy);
    }
}

void SchnittBewX(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td) {
    const Notation n(td);
    StabStil(canvas, kontext, kontext.Farbe().Farbe(Rolle::PosB));
    for (int g = 0; g < Gruppen(td); ++g) {
        const int versatz = g * td.pGruppenversatz;
        int e = 0;
        for (int abstand : td.pAbstaendeBewX) {
            e += abstand;
            const int l = n.X0 + e - n.dx / 2;
            const int oben = n.T + n.co + n.dy + versatz;
            const int unten = n.B - n.cu - n.dy - versatz;
            Ellipse(canvas, l, oben, l + n.dx, oben + n.dx);
            Ellipse(canvas, l, unten, l + n.dx, unten - n.dx);
        }
    }
}

void SchnittDorn(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td,
                 bool bisZurFuge) {
    const TKFarbe& f = kontext.Farbe();
    const int X0 = td.X0;
    const int Y0 = td.Y0;
    const int D = td.pDornDurchmesser;
    DornStil(canvas, kontext);
    Rechteck(canvas, bisZurFuge ? X0 : X0 - td.pEinbindelaenge, Y0 - D / 2, X0 + td.pEinbindelaenge,
             Y0 - D / 2 + D);

    // Worked with lengths and a direction, so that a mirrored sketch is the mirror image.
    const int s = td.pHuelsenLaenge < 0 ? -1 : 1;
    const int L = std::abs(td.pHuelsenLaenge);
    const int b = std::abs(td.pBlechdicke);
    const int P = td.pPlattenHoehe;
    const int h = X0 + s * (L / 2);
    const int G = 2 * L / 3;
    const double halbL = L / 2.0;
    const double r = 2.0 * L / 3.0;
    const double q = P / 2.0;

    canvas.setBrush(Qt::NoBrush);
    StabLinienStil(canvas, kontext, f.Farbe(Rolle::DornBrush), b);
    FassZeichnen(canvas, h, Y0,
                 {G - b / 2, P / 2 - b / 2, X0 + s * (b / 2), h + s * (L / 2 - b / 2),
                  halbL - b / 2, r - b / 2, q - b / 2});
    canvas.setPen(QPen(f.Farbe(Rolle::DornPen), kontext.Breite(1), Qt::SolidLine));
    FassZeichnen(canvas, h, Y0, {G, P / 2, X0 + s * b, h + s * (L / 2), halbL, r, q});
    FassZeichnen(canvas, h, Y0,
                 {G - b, P / 2 - b, X0 + s * b, h + s * (L / 2 - b), halbL - b, r - b, q - b});

    DornStil(canvas, kontext);
    const int oben = Y0 - td.pHuelsenHoehe / 2;
    Rechteck(canvas, X0, oben, X0 + td.pBlechdicke, oben + td.pHuelsenHoehe);
}

void SkizzeAnsicht(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                   const TKAnwendung& anwendung) {
    const Skizzenquelle quelle = ErgebnisQuelle(anwendung);
    const TrDaten td =
        SkizzeVorbereiten(canvas, r, Skizzentyp::Ansicht, quelle, kontext.Bildpunkt());
    const TKFarbe& f = kontext.Farbe();
    HintergrundFuellen(canvas, f, r.Links, r.Oben, r.Rechts, r.Unten);
    const Notation n(td);
    const int L = n.X0 - n.w / 2;
    const int R = L + n.w;

    const int ueber = kontext.Px(5);
    BetonStil(canvas, kontext);
    Rechteck(canvas, L, n.T, R, n.B);
    DickeKante(canvas, kontext, L, n.T, R, n.T);
    DickeKante(canvas, kontext, L, n.B, R, n.B);
    Schnittkante(canvas, kontext, L, n.T - ueber, L, n.B + ueber);
    Schnittkante(canvas, kontext, R, n.T - ueber, R, n.B + ueber);

    StabStil(canvas, kontext, f.Farbe(Rolle::PosB));
    for (int g = 0; g < Gruppen(td); ++g) {
        const int sg = g * td.pGruppenversatz;
        Rechteck(canvas, L, n.T + n.co + sg, R, n.T + n.co + sg + n.dx);
        Rechteck(canvas, L, n.B - n.cu - sg, R, n.B - n.cu - sg - n.dx);
    }

    AnsichtDorn(canvas, kontext, td);

    StabStil(canvas, kontext, f.Farbe(Rolle::PosD));
    const int Yt = n.T + n.co - n.dx;
    const int Yb = n.B - n.cu + n.dx;
    const int p = td.pGruppenversatz;
    const int paare = td.AnzahlBewY / 2;
    int N = 0;
    for (int i = 0; i < paare; ++i) {
        N += i == 0 ? 0 : AbstandY(td, i);
        int oben = Yt;
        int unten = Yb;
        if (i == 0) {
            unten = td.AnzahlBewY % 4 == 0 ? Yb - p : Yb;
        } else if (i % 2 == 0) {
            unten = Yb - p;
        } else {
            oben = Yt + p;
        }
        const int links = n.X0 - n.z / 2 + N - n.dy / 2;
        const int rechts = n.X0 + n.z / 2 - N + n.dy / 2;
        RundRechteck(canvas, links, oben, links + n.dy, unten, n.dy, n.dy);
        RundRechteck(canvas, rechts - n.dy, oben, rechts, unten, n.dy, n.dy);
    }

    const TKDornDaten& dorn = quelle.Dorn;
    BeschriftungStil(canvas, kontext);
    Masslinie(canvas, kontext, {R, n.T}, {R, n.B}, n.TH, true, "",
              kontext.Zahl(quelle.Geometrie.PlatteDicke()), {2 * n.TH, 0});
    // The spacings of the pairs from both edges of the zone inwards; the two chains meet in
    // the middle, so no number moves past their inner ends.
    // A row without load or on a joint too short for its bars has no room for them (a width
    // and spacings below zero): their dimensions are left out rather than written negative.
    bool massbar = dorn.BreiteBewY() > 0;
    for (int i = 1; i < paare; ++i) {
        massbar = massbar && dorn.AbstandBewY(i - 1) > 0;
    }
    std::vector<int> links{n.X0 - n.z / 2};
    std::vector<int> rechts{n.X0 + n.z / 2};
    std::vector<QString> abstaende;
    N = 0;
    for (int i = 1; massbar && i < paare; ++i) {
        N += AbstandY(td, i);
        links.push_back(n.X0 - n.z / 2 + N);
        rechts.push_back(n.X0 + n.z / 2 - N);
        abstaende.push_back(kontext.Zahl(dorn.AbstandBewY(i - 1)));
    }
    int weite = 0;
    if (!abstaende.empty()) {
        for (const auto* kette : {&links, &rechts}) {
            weite = std::max(weite, Masskette(canvas, kontext, *kette, n.T, n.TH, false, abstaende,
                                              {0, -n.TH}, {false, true, false}));
        }
    }
    // The zone's width above the spacings' numbers.
    if (massbar) {
        Masslinie(canvas, kontext, {n.X0 - n.z / 2, n.T}, {n.X0 + n.z / 2, n.T}, n.TH, false, "",
                  kontext.Zahl(dorn.BreiteBewY()), {0, -n.TH - std::max(n.TH, weite + n.TH / 4)});
    }

    const QString praefix =
        Text(res::DxfVertikal) + QString::number(dorn.AnzahlBewY()) + QStringLiteral(" - T");
    const QString suffix = QString::number(dorn.DurchmesserBewY()) + Text(res::DxfBuegel);
    const int x = n.X0 - n.z / 2;
    const int breite = TextBreite(canvas, praefix + suffix);
    Hinweislinie(canvas,
                 {{x, n.Y0 + 2 * td.pDornDurchmesser},
                  {x, n.B + 2 * n.TH},
                  {x + breite + kontext.Px(10), n.B + 2 * n.TH}},
                 suffix, "", praefix);
}

void SkizzeDraufsicht(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                      const TKAnwendung& anwendung) {
    const Skizzenquelle quelle = ErgebnisQuelle(anwendung);
    const TrDaten td =
        SkizzeVorbereiten(canvas, r, Skizzentyp::Draufsicht, quelle, kontext.Bildpunkt());
    const TKFarbe& f = kontext.Farbe();
    HintergrundFuellen(canvas, f, r.Links, r.Oben, r.Rechts, r.Unten);
    const Notation n(td);
    const int L = n.X0 - n.w / 2;
    const int R = L + n.w;
    const int X0 = n.X0;
    const int Y0 = n.Y0;

    const int ueber = kontext.Px(5);
    BetonStil(canvas, kontext);
    Rechteck(canvas, L, Y0 - n.t, R, Y0);
    DickeKante(canvas, kontext, L, Y0, R, Y0);
    Schnittkante(canvas, kontext, L - ueber, Y0 - n.t, R + ueber, Y0 - n.t);
    Schnittkante(canvas, kontext, L, Y0 - n.t - ueber, L, Y0 + ueber);
    Schnittkante(canvas, kontext, R, Y0 - n.t - ueber, R, Y0 + ueber);

    DornStil(canvas, kontext);
    const int D = td.pDornDurchmesser;
    const int HL = td.pHuelsenLaenge;
    const int b = td.pBlechdicke;
    Rechteck(canvas, X0 - D / 2, Y0, X0 - D / 2 + D, Y0 - td.pEinbindelaenge);
    Rechteck(canvas, X0 - D / 2, Y0, X0 - D / 2 + D, Y0 + n.TH);
    const int pl = X0 - td.pPlattenBreite / 2;
    Rechteck(canvas, pl, Y0 - HL - b, pl + td.pPlattenBreite, Y0 - HL);
    Kreis(canvas, X0, Y0 - HL / 2, D);
    const int hl = X0 - td.pHuelsenBreite / 2;
    Rechteck(canvas, hl, Y0, hl + td.pHuelsenBreite, Y0 - b);

    // Vertical bars in two passes around the horizontal bars, so that every GruppeBewY-th
    // pair lies on top of them.
    const int gruppe = Gruppen(td);
    const auto senkrechteStaebe = [&](bool obenAuf) {
        StabStil(canvas, kontext, f.Farbe(Rolle::PosD));
        int h = 0;
        for (int i = 0; i < td.AnzahlBewY / 2; ++i) {
            h += AbstandY(td, i);
            if (((i + 2) % gruppe == 0) != obenAuf) {
                continue;
            }
            const int links = X0 - n.z / 2 + n.dy / 2 + h - n.dy;
            const int rechts = X0 + n.z / 2 - n.dy / 2 - h;
            for (int x : {links, rechts}) {
                RundRechteck(canvas, x, Y0 - n.t, x + n.dy, Y0 - n.cv, n.dy, n.dy);
                Rechteck(canvas, x, Y0 - n.t, x + n.dy, Y0 - n.t + n.dy);
            }
        }
    };
    senkrechteStaebe(false);
    StabStil(canvas, kontext, f.Farbe(Rolle::PosB));
    int e = 0;
    for (int abstand : td.pAbstaendeBewX) {
        e += abstand;
        Rechteck(canvas, L, Y0 - e - n.dx / 2, R, Y0 - e - n.dx / 2 + n.dx);
    }
    senkrechteStaebe(true);

    const TKDornDaten& dorn = quelle.Dorn;
    BeschriftungStil(canvas, kontext);
    std::vector<int> punkte{Y0};
    std::vector<QString> abstaende;
    e = 0;
    for (std::size_t i = 0; i < td.pAbstaendeBewX.size(); ++i) {
        e += td.pAbstaendeBewX[i];
        punkte.push_back(Y0 - e);
        abstaende.push_back(kontext.Zahl(dorn.AbstandBewX(static_cast<int>(i))));
    }
    // Further rows of numbers to the right, away from the member.
    Masskette(canvas, kontext, punkte, R, n.TH, true, abstaende, {n.TH, 0}, {true});
    const QString text = Text(res::DxfObenUnten) + QStringLiteral("2 x ") +
                         QString::number(dorn.AnzahlBewX()) + QStringLiteral(" - T") +
                         QString::number(dorn.DurchmesserBewX());
    const int breite = TextBreite(canvas, text);
    // The label stands above the chain's last number, which it would otherwise meet where the
    // label reaches past the member.
    const int y = std::min(Y0 - n.t - n.TH, punkte.back() - 2 * n.TH);
    Hinweislinie(canvas, {{X0, Y0 - n.a0}, {X0, y}, {X0 + breite + kontext.Px(10), y}}, "", "",
                 text);
}

void SkizzeSchnitt(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                   const TKAnwendung& anwendung) {
    const Skizzenquelle quelle = ErgebnisQuelle(anwendung);
    const TrDaten td =
        SkizzeVorbereiten(canvas, r, Skizzentyp::Schnitt, quelle, kontext.Bildpunkt());
    const TKFarbe& f = kontext.Farbe();
    HintergrundFuellen(canvas, f, r.Links, r.Oben, r.Rechts, r.Unten);
    SchnittBeton(canvas, kontext, td);
    SchnittBewY(canvas, kontext, td);
    SchnittBewX(canvas, kontext, td);
    SchnittDorn(canvas, kontext, td);

    const Notation n(td);
    const TKDornDaten& dorn = quelle.Dorn;
    BeschriftungStil(canvas, kontext);
    // The thickness in front of the joint face, its number above the dowel, not on it.
    Masslinie(canvas, kontext, {n.X0, n.T}, {n.X0, n.B}, n.TH, true, "", "", {-n.TH, 0});
    SenkrechterText(canvas, kontext, n.X0 - n.TH, n.T, n.Y0 - td.pDornDurchmesser / 2, "",
                    kontext.Zahl(quelle.Geometrie.PlatteDicke()));
    const int p = td.pGruppenversatz;
    if (td.GruppeBewY >= 2) {
        const QString fuenfzig = kontext.Zahl(50);
        const int x = n.X0 + n.t;
        for (int g = 1; g < td.GruppeBewY; ++g) {
            const int oben = n.T + n.co + n.dy / 2 + (g - 1) * p;
            const int unten = n.B - n.cu - n.dy / 2 - (g - 1) * p;
            Masslinie(canvas, kontext, {x, oben}, {x, oben + p}, n.TH, true, "", fuenfzig,
                      {n.TH, 0});
            Masslinie(canvas, kontext, {x, unten}, {x, unten - p}, n.TH, true, "", fuenfzig,
                      {n.TH, 0});
        }
    }
    std::vector<int> punkte{n.X0};
    std::vector<QString> abstaende;
    int x = n.X0;
    for (std::size_t i = 0; i < td.pAbstaendeBewX.size(); ++i) {
        x += td.pAbstaendeBewX[i];
        punkte.push_back(x);
        abstaende.push_back(kontext.Zahl(dorn.AbstandBewX(static_cast<int>(i))));
    }
    // Further rows of numbers below the line, away from the member.
    Masskette(canvas, kontext, punkte, n.B, n.TH, false, abstaende, {0, 2 * n.TH}, {true});
    Masslinie(canvas, kontext, {n.X0, n.T}, {x, n.T}, n.TH, false, "",
              kontext.Zahl(dorn.BreiteBewX()), {0, -n.TH});

    const QString stab = QString::number(dorn.AnzahlBewX()) + QStringLiteral(" - T") +
                         QString::number(dorn.DurchmesserBewX());
    const QString oben = Text(res::DxfOben) + stab;
    const QString unten = Text(res::DxfUnten) + stab;
    const int a0 = n.a0;
    const int yo = n.Y0 - n.TH / 2;
    const int yu = n.Y0 + n.TH / 2;
    Hinweislinie(canvas,
                 {{n.X0 + a0, n.T + n.co + n.dx / 2 + n.dy},
                  {n.X0 + 2 * a0, yo},
                  {n.X0 + 3 * a0, yo},
                  {n.X0 + 3 * a0 + TextBreite(canvas, oben) + kontext.Px(20), yo}},
                 "", "", oben);
    Hinweislinie(canvas,
                 {{n.X0 + a0, n.B - n.cu - n.dx / 2 - n.dy},
                  {n.X0 + 2 * a0, yu},
                  {n.X0 + 3 * a0, yu},
                  {n.X0 + 3 * a0 + TextBreite(canvas, unten) + kontext.Px(20), yu}},
                 "", "", unten);
}

namespace {

// The joint elevation and, with mitLast, the load strip above it.
void FugeMitLast(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                 const TKAnwendung& anwendung, const TrDaten& td, bool mitLast) {
    const TKFarbe& f = kontext.Farbe();
    HintergrundFuellen(canvas, f, r.Links, r.Oben, r.Rechts, r.Unten);
    const Notation n(td);
    const int ende = n.X0 + td.pFugenlaenge;
    BetonStil(canvas, kontext);
    Rechteck(canvas, n.X0, n.T, ende, n.B);
    DickeKante(canvas, kontext, n.X0, n.T, ende, n.T);
    DickeKante(canvas, kontext, n.X0, n.B, ende, n.B);
    DickeKante(canvas, kontext, n.X0, n.T, n.X0, n.B);
    DickeKante(canvas, kontext, ende, n.T, ende, n.B);
    BeschriftungStil(canvas, kontext);
    if (mitLast) {
        LastPfeile(canvas, kontext, {n.X0, n.T - 4 * n.TH, ende, n.T}, n.TH, anwendung);
    }
}

// The chain of connector distances along the bottom: points and their numbers.
void Abstandskette(const TrDaten& td, const Skizzenkontext& kontext, const Skizzenquelle& quelle,
                   std::vector<int>& punkte, std::vector<QString>& texte) {
    punkte = {td.X0};
    texte.clear();
    int x = td.X0;
    for (std::size_t i = 0; i < td.pDornAbstaende.size(); ++i) {
        const double mm = i < quelle.DornAbstand.size() ? quelle.DornAbstand[i] : 0.0;
        x += td.pDornAbstaende[i];
        punkte.push_back(x);
        texte.push_back(kontext.Zahl(RundeGerade(mm)));
    }
}

} // namespace

void SkizzeReihe(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                 const TKAnwendung& anwendung, bool mitLast) {
    const Skizzenquelle quelle = ErgebnisQuelle(anwendung);
    TrDaten td = SkizzeVorbereiten(canvas, r, Skizzentyp::Reihe, quelle, kontext.Bildpunkt());
    std::vector<int> punkte;
    std::vector<QString> texte;
    Abstandskette(td, kontext, quelle, punkte, texte);
    // Numbers of close connectors stand in further rows below the line, the joint length
    // below them: the drawing moves up as far as that needs and the room above the load
    // strip allows.
    const Kettenlage lage{true, false, true};
    const int weite = MasskettenWeite(canvas, punkte, td.Zeile, texte, lage);
    canvas.setFont(ArialSchrift(8));
    const int zeile = TextHoehe(canvas);
    const int TH = td.Zeile;
    const int laengeUnter = TH + std::max(TH, weite + zeile + 4);
    {
        const Notation n(td);
        const int ueber = n.B + laengeUnter + TH / 4 - r.Unten;
        const int frei = n.T - (mitLast ? 4 * TH : 0) - r.Oben;
        td.Y0 -= std::max(0, std::min(ueber, frei));
    }
    FugeMitLast(canvas, kontext, r, anwendung, td, mitLast);
    const Notation n(td);
    const auto& abstaende = td.pDornAbstaende;

    DornStil(canvas, kontext);
    int x = n.X0;
    for (int k = 0; k < quelle.AnzDorn && static_cast<std::size_t>(k) < abstaende.size(); ++k) {
        x += abstaende[static_cast<std::size_t>(k)];
        DornSymbolReihe(canvas, td, x, n.Y0);
    }

    BeschriftungStil(canvas, kontext);
    Masslinie(canvas, kontext, {n.X0, n.T}, {n.X0, n.B}, n.TH, true, "",
              kontext.Zahl(quelle.Geometrie.PlatteDicke()), {-n.TH, 0});
    Masskette(canvas, kontext, punkte, n.B, n.TH, false, texte, {0, n.TH}, lage);
    Masslinie(canvas, kontext, {n.X0, n.B}, {punkte.back(), n.B}, n.TH, false, "",
              kontext.Zahl(quelle.Geometrie.Fugenlaenge()), {0, laengeUnter});
}

void SkizzeLastprofil(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                      const TKAnwendung& anwendung) {
    const Skizzenquelle quelle = ErgebnisQuelle(anwendung);
    FugeMitLast(canvas, kontext, r, anwendung,
                SkizzeVorbereiten(canvas, r, Skizzentyp::Reihe, quelle, kontext.Bildpunkt()), true);
}

} // namespace trv
