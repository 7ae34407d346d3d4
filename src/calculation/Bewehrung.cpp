#include "calculation/Bewehrung.h"

#include "calculation/Katalog.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trv {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// Angle of the strut that the vertical bars catch (degrees).
constexpr long double kWinkelBewY = 34;

// x bar area needed for the connector load fs (kN) at the spacing a (mm).
long double XFlaeche(long double fs, const TKBewehrungsDaten& b, long double a) {
    const long double z = b.PlatteDicke - b.DeckungOben - b.DurchmesserBewX / 2.0L;
    const long double a1 = fs / 2 * 1.2L / b.fyd * 1000;
    const long double a2 = (fs / 10 * a) / (z * 0.9L * b.fyd) * 1000;
    return std::max(a1, a2);
}

} // namespace

TKBewehrungsDaten BewehrungsDatenFuer(const TKDornDaten& dd, int stahl, int guete) {
    const int typ = dd.DornIndex();
    TKBewehrungsDaten b;
    b.fyd = static_cast<long double>(StahlFyk(stahl)) / StahlGammaS(stahl);
    b.fbd = Verbundspannung(guete);
    b.DurchmesserBewX = dd.DurchmesserBewX();
    b.DurchmesserBewY = dd.DurchmesserBewY();
    b.FlaecheBewX = StabQuerschnitt(StabIndex(dd.DurchmesserBewX()));
    b.FlaecheBewY = StabQuerschnitt(StabIndex(dd.DurchmesserBewY()));
    b.StabBewY = StabDurchmesser(StabIndex(dd.DurchmesserBewY()));
    b.GruppeBewY = dd.GruppeBewY();
    b.Einbindelaenge = dd.Einbindelaenge();
    b.DornDurchmesser = dd.DornDurchmesser();
    b.HuelsenBreite = dd.HuelsenBreite();
    b.PlattenHoehe = PlattenHoeheKatalog(typ);
    b.ZuschlagBewY = ZuschlagBewY(typ);
    b.AbstandBewX0 = AbstandBewX0(typ);
    b.AbstandBewX1 = AbstandBewX1(typ);
    b.AbstandBewY0 = AbstandBewY0(typ);
    return b;
}

double Bemessungskraft(const TKBewehrungsDaten& b) {
    return b.BewehrungCalc == 1 ? b.FSdIst : b.FRd;
}

long double AsxErfBerechnen(const TKBewehrungsDaten& b) {
    return XFlaeche(Bemessungskraft(b), b, b.IstMinAchs);
}

long double StabKapazitaet(const TKBewehrungsDaten& b) {
    const long double dy = b.DurchmesserBewY;
    const long double h = b.PlatteDicke;
    const long double cO = b.DeckungOben;
    return dy * dy * kPi / 4 * b.fyd * 0.3L / 1000 +
           b.fbd * (kPi / 4 * dy * (h - 2 * cO - 6 * dy)) / 1000;
}

long double AsyErfBerechnen(const TKBewehrungsDaten& b) {
    const long double dy = b.DurchmesserBewY;
    return dy * dy * kPi / 4 * Bemessungskraft(b) / StabKapazitaet(b);
}

int StaebeFuer(long double erforderlich, double stabflaeche) {
    const long double anteil = erforderlich / stabflaeche - 0.01L;
    if (!(anteil < MaxStaebe)) {
        return MaxStaebe;
    }
    // A negative requirement (a bar that can carry nothing) still gets one bar.
    return std::max(1, static_cast<int>(std::trunc(anteil)) + 1);
}

TKBewehrungX BewehrungXAnordnen(int n, const TKBewehrungsDaten& b) {
    n = std::clamp(n, 0, MaxStaebe);
    TKBewehrungX x;
    x.Anzahl = n;
    long double breite = 0;
    for (int k = 0; k < n; ++k) {
        const double abstand = k == 0 ? b.AbstandBewX0 : b.AbstandBewX1;
        x.Abstaende.push_back(abstand);
        breite += abstand;
    }
    x.Breite = static_cast<double>(breite);
    x.bx = std::max(
        static_cast<double>(static_cast<long double>(b.Einbindelaenge) + b.DornDurchmesser),
        x.Breite);
    return x;
}

TKBewehrungX BewehrungXAuslegen(long double asxErf, const TKBewehrungsDaten& b) {
    return BewehrungXAnordnen(StaebeFuer(asxErf, b.FlaecheBewX), b);
}

TKBewehrungY BewehrungYAnordnen(int n, const TKBewehrungsDaten& b, bool abschneiden) {
    n = std::clamp(n, 0, MaxStaebe);
    TKBewehrungY y;
    y.Anzahl = n;
    const long double w0 = b.BewehrungCalc == 1
                               ? static_cast<long double>(b.StabBewY) + b.HuelsenBreite
                               : static_cast<long double>(b.AbstandBewY0);
    long double s = 0;
    if (n > 2) {
        const long double dy = b.DurchmesserBewY;
        const long double x = b.PlatteDicke / 2.0L - b.DeckungOben - 3 * dy + b.PlattenHoehe / 2.0L;
        const long double verfuegbar = (static_cast<long double>(b.by) - b.ZuschlagBewY) / 2;
        const long double a = std::min(x / std::tan(kWinkelBewY * kPi / 180), verfuegbar);
        s = RundeAufRaster(static_cast<double>((2 * a - w0) / (n - 2)), 1, 0.1);
    }
    const int eintraege = std::max(0, n / 2 - 1);
    // A group size below 1 cannot come from the catalog; it counts as 1.
    const int gruppe = std::max(1, b.GruppeBewY);
    y.Abstaende.assign(static_cast<std::size_t>(eintraege), 0.0);
    long double summe = 0;
    int zaehler = 1;
    for (int k = eintraege - 1; k >= 0; --k, ++zaehler) {
        const long double abstand = zaehler % gruppe == 0 ? s : 30.0L;
        y.Abstaende[static_cast<std::size_t>(k)] = static_cast<double>(abstand);
        summe += abstand;
    }
    const long double w = w0 + 2 * summe;
    y.Breite = static_cast<double>(abschneiden ? std::trunc(w * 100) / 100 : w);
    return y;
}

TKBewehrungY BewehrungYAuslegen(long double asyErf, const TKBewehrungsDaten& b) {
    int n = StaebeFuer(asyErf, b.FlaecheBewY);
    if (n % 2 != 0) {
        ++n;
    }
    return BewehrungYAnordnen(n, b, true);
}

long double FRdBewehrungBerechnen(const TKBewehrungsDaten& b, double asxIst, int anzahlBewY) {
    const long double fs = b.FSdIst;
    long double fx = 0;
    if (fs > 0) {
        fx = asxIst * fs / XFlaeche(fs, b, b.IstMinAchs);
    }
    const long double fy = anzahlBewY * StabKapazitaet(b);
    return std::min(fx, fy);
}

} // namespace trv
