#include "sketches/TrDaten.h"

#include "calculation/Katalog.h"
#include "model/Geometrie.h"
#include "model/Zahlen.h"
#include "sketches/Texte.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace trv {

namespace {

// |zaehler / nenner|, or "no limit" for an empty dimension.
double Grenze(double zaehler, double nenner) {
    if (nenner == 0 || !std::isfinite(zaehler / nenner)) {
        return INFINITY;
    }
    return std::abs(zaehler / nenner);
}

int K(double v) {
    const double r = RundeGerade(v);
    if (!std::isfinite(r) || r > 1e9 || r < -1e9) {
        return 0;
    }
    return static_cast<int>(r);
}

} // namespace

int SkizzenZeile(QPainter& canvas) {
    canvas.setFont(ArialSchrift(12));
    return TextHoehe(canvas);
}

TrDaten SkizzeVorbereiten(QPainter& canvas, int links, int oben, int rechts, int unten,
                          Skizzentyp typ, const Skizzenquelle& q, double bildpunkt) {
    const TKDornDaten& dorn = q.Dorn;
    const TKGeometrie& geo = q.Geometrie;
    TrDaten td;
    td.Zeile = SkizzenZeile(canvas);
    canvas.setFont(ArialSchrift(10));

    const double W = rechts - links;
    const double H = unten - oben;
    const int s = W < 0 ? -1 : 1;
    td.Richtung = s;
    const int TH = td.Zeile;

    const auto& ax = dorn.AbstaendeBewX();
    const auto& ay = dorn.AbstaendeBewY();
    const double E = dorn.Einbindelaenge();
    const double m = std::accumulate(ax.begin(), ax.end(), 0.0);
    const double t = std::max(E + dorn.DornDurchmesser(), m) + geo.BetondeckungVorn();
    const bool system = typ == Skizzentyp::System;
    const double d = system ? dorn.DickeMin() : geo.PlatteDicke();
    const double w = system ? dorn.BreiteBewY() + (ay.empty() ? 0.0 : ay[0]) : std::max(q.by, d);
    const double jw = 10.0 * geo.Fugenbreite();
    const double Le = geo.Fugenlaenge();

    double A = 0;
    switch (typ) {
    case Skizzentyp::Ansicht:
    case Skizzentyp::Schnitt: {
        const double B = std::min(Grenze(W - s * 5.0 * TH, w), Grenze(W, 2 * E + t));
        A = std::min(B, Grenze(H - 9.0 * TH, d));
        break;
    }
    case Skizzentyp::Draufsicht:
        A = std::min(Grenze(W - s * 5.0 * TH, w), Grenze(H - 5.0 * TH, t));
        break;
    case Skizzentyp::Reihe:
        A = std::min(Grenze(W - s * 3.0 * TH, Le), Grenze(H - 6.0 * TH, d));
        break;
    case Skizzentyp::System:
        A = std::min(Grenze(W - s * 4.0 * TH, t + jw), Grenze(H - 3.0 * TH, d));
        break;
    }
    if (!std::isfinite(A) || W == 0 || H == 0) {
        A = 0;
    }
    td.Massstab = A;

    switch (typ) {
    case Skizzentyp::Ansicht:
        td.X0 = (links + rechts) / 2 - TH;
        td.Y0 = (unten + oben + TH) / 2;
        break;
    case Skizzentyp::Draufsicht:
        td.X0 = (links + rechts) / 2 - TH;
        td.Y0 = (oben + unten) / 2 + K(m * A) / 2;
        // Centred on the bars, a member much deeper than its bar region would reach out of
        // the rectangle with the label above it; it starts two lines below the top instead.
        if (unten > oben) {
            td.Y0 = std::max(td.Y0, oben + K(t * A) + 2 * TH + 2);
        }
        break;
    case Skizzentyp::Schnitt:
        td.X0 = links + K(E * A) + K(5 * bildpunkt);
        td.Y0 = (unten + oben + TH) / 2;
        break;
    case Skizzentyp::Reihe:
        td.X0 = links + 2 * TH;
        td.Y0 = (oben + unten) / 2 + TH;
        break;
    case Skizzentyp::System:
        td.X0 = links + (K(jw * A) * s) / 2 - TH;
        td.Y0 = (unten + oben + TH) / 2;
        break;
    }

    td.pTiefe = K(A * t * s);
    td.pBreite = K(A * w);
    td.pDicke = K(A * d);
    td.pBreiteBewY = K(A * dorn.BreiteBewY());
    td.pDurchmesserBewX = K(A * dorn.DurchmesserBewX());
    td.pDurchmesserBewY = K(A * dorn.DurchmesserBewY());
    td.AnzahlBewX = dorn.AnzahlBewX();
    td.AnzahlBewY = dorn.AnzahlBewY();
    td.GruppeBewY = dorn.GruppeBewY();
    td.pGruppenversatz = td.GruppeBewY < 2 ? 0 : K(A * 50);
    td.pAbstaendeBewX.resize(static_cast<std::size_t>(std::max(0, td.AnzahlBewX)));
    for (std::size_t i = 0; i < td.pAbstaendeBewX.size(); ++i) {
        td.pAbstaendeBewX[i] = i < ax.size() ? K(A * ax[i] * s) : 0;
    }
    td.pAbstaendeBewY.resize(static_cast<std::size_t>(std::max(0, td.AnzahlBewY / 2)));
    for (std::size_t i = 1; i < td.pAbstaendeBewY.size(); ++i) {
        td.pAbstaendeBewY[i] = i - 1 < ay.size() ? K(A * ay[i - 1]) : 0;
    }
    td.pDornAbstaende.resize(static_cast<std::size_t>(std::max(0, q.AnzDorn) + 1));
    for (std::size_t i = 0; i < td.pDornAbstaende.size(); ++i) {
        td.pDornAbstaende[i] = i < q.DornAbstand.size() ? K(A * q.DornAbstand[i]) : 0;
    }
    td.pPlattenBreite = K(A * dorn.PlattenBreite());
    td.pPlattenHoehe = K(A * dorn.PlattenHoehe());
    td.pHuelsenLaenge = K(A * dorn.HuelsenLaenge() * s);
    td.pDornDurchmesser = K(A * dorn.DornDurchmesser());
    td.pEinbindelaenge = K(A * E * s);
    td.pOeffnungBreite = K(A * dorn.OeffnungBreite());
    td.pOeffnungHoehe = K(A * dorn.OeffnungHoehe());
    td.pHuelsenBreite = K(A * dorn.HuelsenBreite());
    td.pHuelsenHoehe = K(A * dorn.HuelsenHoehe());
    td.pBlechdicke = K(A * dorn.Blechdicke() * s);
    td.pDeckungOben = K(A * geo.BetondeckungOben());
    td.pDeckungUnten = K(A * geo.BetondeckungUnten());
    td.pDeckungVorn = K(A * geo.BetondeckungVorn() * s);
    td.pFugenbreite = K(A * jw);
    td.pFugenlaenge = q.Belastungsfall != 0
                          ? K(A * Le)
                          : K(A * (geo.BauteilRandLinks() + geo.BauteilRandRechts()));
    td.RandLinks = geo.RandLinks();
    td.RandRechts = geo.RandRechts();
    td.LinienLast = q.LinienLast;
    td.Anwendungsfall = q.Anwendungsfall;
    return td;
}

} // namespace trv
