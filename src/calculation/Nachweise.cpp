#include "calculation/Nachweise.h"

#include "calculation/Katalog.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace trv {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

long double Bogenmass(long double grad) {
    return grad * kPi / 180;
}

// Strut angles of the concrete check (degrees).
constexpr long double kAlpha1 = 60;
constexpr long double kAlpha2 = 25;

bool Endlich(long double x) {
    return std::isfinite(x);
}

// Comparison to 0.1 mm or 0.1 kN: both sides rounded to tenths, halves to even.
bool GroesserInZehnteln(double a, double b) {
    return RundeGerade(10.0 * a) > RundeGerade(10.0 * b);
}

void Melden(TKStatus& s, std::uint16_t code) {
    s.Status = code;
    if (std::find(s.Fehler.begin(), s.Fehler.end(), code) == s.Fehler.end()) {
        s.Fehler.push_back(code);
    }
}

} // namespace

TKWiderstandsDaten WiderstandsDatenFuer(const TKDornDaten& dd, int fuge, double gammaMs, int guete,
                                        double h) {
    const int typ = dd.DornIndex();
    TKWiderstandsDaten w;
    w.DornDurchmesser = dd.DornDurchmesser();
    w.WplDorn = WplDorn(typ);
    w.FestigkeitDorn = FestigkeitDorn(typ);
    w.Blechdicke = dd.Blechdicke();
    w.PlattenBreite = dd.PlattenBreite();
    w.PlattenHoehe = dd.PlattenHoehe();
    w.HuelsenLaenge = dd.HuelsenLaenge();
    w.StreckgrenzeBlech = StreckgrenzeBlech(typ);
    w.ZugfestigkeitBlech = ZugfestigkeitBlech(typ);
    w.BetonFaktor1 = BetonFaktor1(typ);
    w.BetonFaktor2 = BetonFaktor2(typ);
    w.DurchstanzFaktor = DurchstanzFaktor(typ);
    w.DickeAbzug = DickeAbzug(typ);
    w.DickeGrenze = DickeGrenze(typ);
    w.Fugenbreite = Fugenbreiten(fuge);
    w.GammaMs = gammaMs;
    w.BetonFestigkeit = BetonFestigkeit(guete);
    w.TauRd = TauRd(guete);
    w.PlatteDicke = h;
    return w;
}

TKMinAbstaende MinAbstaende(double h) {
    TKMinAbstaende m;
    m.ZulMinAchs = static_cast<double>(1.5L * h);
    m.ZulMinRand = static_cast<double>(0.75L * h);
    return m;
}

TKStahlWiderstand FRdStahlBerechnen(const TKWiderstandsDaten& w) {
    const long double gammaM = w.GammaMs;
    const long double d = w.DornDurchmesser;
    const long double fD = w.FestigkeitDorn;
    const long double t = w.Blechdicke;
    const long double fw = w.Fugenbreite;
    const long double bP = w.PlattenBreite;
    const long double lH = w.HuelsenLaenge;
    const long double fuP = w.ZugfestigkeitBlech;

    const long double mpl = w.WplDorn * fD / gammaM / 1000;
    const long double vpl = (d * d / 4 * kPi * fD) / (std::sqrt(3.0L) * gammaM) / 1000;
    const long double e = fw + t;
    const long double v0 = vpl * (1 - e * vpl / (8 * mpl));

    const long double r1 = 2.5L * fuP * d * t / 1.25L / 1000;
    const long double r2 = bP * t * w.StreckgrenzeBlech / gammaM / 1000;
    const long double r3 = (bP - d - 2) * t * 0.9L * fuP / 1.25L / 1000;
    const long double rmin = std::min({r1, r2, r3});

    const long double p = 3.3L * w.BetonFestigkeit / 1.5L;
    const long double hebel = fw / 2 + t / 2;

    TKStahlWiderstand s;
    long double v = v0;
    long double vVorher = v;
    long double va = 0;
    long double fc1 = 0;
    bool konvergiert = false;
    while (s.Durchlaeufe < MaxStahlDurchlaeufe) {
        ++s.Durchlaeufe;
        vVorher = v;
        const long double mr = std::max(0.0L, mpl - e * v / 2);
        const long double x = std::sqrt(2000 * mr / (p * d));
        const long double xc = std::min(x, lH / 2);
        fc1 = xc * p * d / 1000;
        long double y = xc;
        if (v - rmin - fc1 < 0) {
            y = std::max(0.0L, (v - rmin) * 1000 / (p * d));
        }
        va = (y * y / 2 * p * d / 1000 + rmin * y + mpl) / (hebel + y);
        const long double vb = (mpl + rmin * lH + fc1 * (lH - xc / 2)) / (hebel + lH);
        v = std::min(va, vb);
        if (std::fabs(vVorher - v) < 0.001L) {
            konvergiert = true;
            break;
        }
    }
    s.FRd = vVorher;
    s.o1 = std::min(rmin, va);
    s.o2 = fc1;
    s.o3 = 2 * vVorher < vpl ? vVorher : v0;
    s.Gueltig = konvergiert && Endlich(s.FRd) && Endlich(s.o1) && Endlich(s.o2) && Endlich(s.o3);
    return s;
}

long double FRdBetonBerechnen(const TKWiderstandsDaten& w) {
    const long double fcd = w.BetonFestigkeit / 1.5L;
    const long double tau = w.TauRd;
    const long double h = w.PlatteDicke;
    const long double hP = w.PlattenHoehe;
    const long double t = w.Blechdicke;
    const long double lH = w.HuelsenLaenge;
    const long double bP = w.PlattenBreite;
    const long double k1 = w.BetonFaktor1;
    const long double c0 = w.DickeAbzug;

    const long double a1 = Bogenmass(kAlpha1);
    const long double a2 = Bogenmass(kAlpha2);
    const long double am = (a1 + a2) / 2;

    const long double h0 = (hP - 2 * t) / (std::tan(a1) - std::tan(a2));
    const long double flaeche1 = (a1 - a2) * h0 / std::cos(a2) * k1 * lH;
    const long double fs1 = 2 * flaeche1 * std::sin(am) * fcd * 4 / 1000;
    const long double flaeche2 = (a1 - a2) * h0 / std::cos(a1) * k1 * lH;
    const long double hlim = std::max(static_cast<long double>(w.DickeGrenze), h);
    const long double l2 = (h / 2 - 35 - (hP - 2 * t) / 2) / std::tan(a2) - 10;
    const long double rand = std::max(0.0L, l2 * std::sin(a2) * k1 * lH * w.BetonFaktor2);
    const long double fs2 =
        (flaeche2 * std::sin(am) + rand) * 0.001L * fcd * 2 * (h - c0) / (hlim - c0);
    const long double r = h / 2 + hP / 2;
    const long double kappa = std::max(1.0L, 1.6L - r / 1000);
    const long double fp =
        (2 * lH + bP + 1.5L * kPi * r) * r * kappa * 1.2L * tau * w.DurchstanzFaktor / 1000;

    const TKStahlWiderstand stahl = FRdStahlBerechnen(w);
    if (!stahl.Gueltig) {
        return std::numeric_limits<long double>::quiet_NaN();
    }
    const long double q = std::min({1.0L, fs1 / 2 / stahl.o1, fs2 / (2 * stahl.o1 + stahl.o2)});
    const long double ergebnis = std::min({q * stahl.FRd, fp, stahl.o3});
    // min() lets a NaN operand through depending on its position; undefined stays undefined.
    if (!Endlich(q) || !Endlich(fs1) || !Endlich(fs2) || !Endlich(fp)) {
        return std::numeric_limits<long double>::quiet_NaN();
    }
    return ergebnis;
}

TKStatus StatusBestimmen(const TKStatusDaten& d) {
    TKStatus s;
    const double amin = std::min(d.AbstandLinks, d.AbstandRechts);
    const double h = d.PlatteDicke;
    if (d.Anwendungsfall == 2 && d.Einbindelaenge + 50 > d.WandDicke) {
        Melden(s, 9);
    }
    if (d.LastNichtAufnehmbar || (!d.ZuVieleDorne && GroesserInZehnteln(d.FSdIst, d.FRd))) {
        Melden(s, 2);
    }
    if (GroesserInZehnteln(d.DickeMin, h)) {
        Melden(s, 1);
    }
    if (GroesserInZehnteln(d.BreiteBewY, d.by - d.ZuschlagBewY)) {
        Melden(s, 5);
    }
    if (GroesserInZehnteln(d.ZulMinAchs / 2, amin) && d.BewehrungCalc == 0) {
        Melden(s, 8);
    }
    if ((d.Anwendungsfall == 1 || d.Anwendungsfall == 2) && d.AnzDorn > 1) {
        if (GroesserInZehnteln(d.ZulMinAchs, d.IstMinAchs) && d.BewehrungCalc == 0) {
            Melden(s, 7);
        }
        if (GroesserInZehnteln(d.ZulMinAchs, d.IstMinAchs)) {
            Melden(s, 3);
        }
    }
    if (d.AnordnungGescheitert || d.ZuVieleDorne) {
        Melden(s, 3);
    }
    if (GroesserInZehnteln(d.GroessterDornAbstand, 5 * h)) {
        s.Warnung0 = true;
    }
    if (GroesserInZehnteln(d.ZulMinRand, amin)) {
        Melden(s, 4);
    }
    if (!d.FugenbreiteZulaessig) {
        Melden(s, 6);
    }
    s.EtaQ = d.FRd > 0 ? d.FSdIst / d.FRd : 0.0;
    if (!std::isfinite(s.EtaQ)) {
        s.EtaQ = 0;
    }
    return s;
}

} // namespace trv
