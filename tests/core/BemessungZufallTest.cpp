#include "calculation/Bemessung.h"

#include "calculation/Katalog.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace trv {

namespace {

class Zufall {
public:
    explicit Zufall(unsigned saat) : gen_(saat) {}
    double Zahl(double von, double bis) { return std::uniform_real_distribution<>(von, bis)(gen_); }
    int Ganz(int von, int bis) { return std::uniform_int_distribution<>(von, bis)(gen_); }
    bool Ja(double anteil) { return Zahl(0, 1) < anteil; }
    // Mostly inside the input ranges, sometimes far outside.
    double Wert(double von, double bis, double weitVon, double weitBis) {
        return Ja(0.85) ? Zahl(von, bis) : Zahl(weitVon, weitBis);
    }

private:
    std::mt19937 gen_;
};

double Last(Zufall& z) {
    switch (z.Ganz(0, 5)) {
    case 0:
        return 0;
    case 1:
        return z.Zahl(0, 1e-3);
    case 2:
        return z.Ja(0.3) ? z.Zahl(1e4, 1e7) : z.Zahl(300, 3000); // far above any resistance
    default:
        return z.Zahl(0, 300);
    }
}

TKAnwendung ZufallsPosition(Zufall& z) {
    TKAnwendung a;
    a.SetAnwendungsfall(static_cast<std::uint8_t>(z.Ganz(0, 2)));
    a.SetBewehrungCalc(static_cast<std::uint8_t>(z.Ganz(0, 1)));
    a.SetMaxDornabstand(static_cast<std::uint8_t>(z.Ganz(0, 1)));
    a.SetBetonguete(static_cast<std::uint8_t>(z.Ganz(0, 3)));
    a.SetStahlguete(static_cast<std::uint8_t>(z.Ganz(0, 1)));
    a.SetGammaMs(z.Wert(1.0, 1.3, 0.01, 20));
    TKGeometrie& g = a.Geometrie();
    g.SetFugenbreite(static_cast<std::uint8_t>(z.Ganz(0, 6)));
    const double dicke = z.Wert(150, 600, 16, 1500);
    g.SetPlatteDicke(dicke);
    g.SetNutzhoehe(dicke - 40);
    g.SetBetondeckungOben(z.Wert(10, 60, 0, dicke));
    g.SetBetondeckungUnten(z.Wert(10, 60, 0, dicke));
    g.SetWandDicke(z.Wert(200, 500, 1, 5000));
    double laenge = z.Ja(0.1) ? (z.Ja(0.5) ? 300.0 : 30000.0) : z.Wert(300, 8000, 2, 30000);
    // Long joints with many connectors dominate the run time; keep them a minority.
    if (laenge > 10000 && z.Ja(0.5)) {
        laenge = 10000;
    }
    g.SetFugenlaenge(laenge);
    g.SetBauteilRandLinks(z.Wert(120, 1000, 0.5, 1e5));
    g.SetBauteilRandRechts(z.Wert(120, 1000, 0.5, 1e5));
    const bool einzeln = a.Anwendungsfall() == 0;
    g.SetRandLinks(einzeln);
    g.SetRandRechts(einzeln);

    TKBelastung& b = a.BelastungDesign();
    b.Punktlast().SetFd(Last(z));
    b.LinienLastLinks().SetFd(Last(z));
    b.LinienLastRechts().SetFd(z.Ja(0.3) ? b.LinienLastLinks().Fd() : Last(z));
    b.LinienLastBestimmen();
    b.SetBelastungsfall(static_cast<std::uint8_t>(einzeln ? 0 : z.Ganz(1, 3)));
    const double l = g.Fugenlaenge();
    b.SetLastLaenge(l);
    if (b.Belastungsfall() == 3) {
        b.PunkteLoeschen();
        const int punkte = z.Ganz(2, 20);
        // A zero-load stretch longer than 5 * h in a third of the profiles.
        const bool luecke = z.Ja(0.33);
        for (int k = 0; k < punkte; ++k) {
            const double x = k == 0 ? 0 : (k == punkte - 1 ? l : z.Zahl(0, l));
            const double y = luecke && x > 0.2 * l && x < 0.8 * l ? 0 : Last(z);
            b.PunktHinzufuegen(x, y);
        }
        if (luecke) {
            b.PunktHinzufuegen(0.2 * l, 0);
            b.PunktHinzufuegen(0.8 * l, 0);
        }
    }
    return a;
}

void AlleEndlich(const TKAnwendung& a, int nr) {
    const TKErgebnisse& e = a.Ergebnisse();
    EXPECT_LT(e.AktDorn(), AnzDornTypen);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const TKDornErgebnis& de = e.DornErgebnis(typ);
        const TKDornDaten& dd = e.DornDaten(typ);
        const double werte[] = {
            de.AbstandLinks(), de.AbstandRechts(), de.IstMinAchs(), de.ZulMinAchs(),
            de.ZulMinRand(),   de.FRdStahl(),      de.FRdBeton(),   de.FRdBewehrung(),
            de.FRd(),          de.FSdIst(),        de.EtaQ(),       de.AsxErf(),
            de.AsyErf(),       de.AsxIst(),        de.AsyIst(),     de.bx(),
            de.by(),           dd.BreiteBewX(),    dd.BreiteBewY()};
        for (double w : werte) {
            ASSERT_TRUE(std::isfinite(w)) << "position " << nr << " type " << typ;
        }
        for (double w : de.DornAbstand()) {
            ASSERT_TRUE(std::isfinite(w)) << "position " << nr << " type " << typ;
        }
        for (double w : dd.AbstaendeBewX()) {
            ASSERT_TRUE(std::isfinite(w)) << "position " << nr << " type " << typ;
        }
        for (double w : dd.AbstaendeBewY()) {
            ASSERT_TRUE(std::isfinite(w)) << "position " << nr << " type " << typ;
        }
        ASSERT_EQ(de.AnzDornAbstand(), e.GetAnzDorn(typ) + 1) << nr << " " << typ;
        ASSERT_LE(de.Status(), 9);
        EXPECT_EQ(static_cast<int>(dd.AbstaendeBewX().size()), dd.AnzahlBewX());
        // A proposed type carrying a load has a resistance.
        if (typ == e.AktDorn() && de.Status() == 0 && de.FSdIst() > 0) {
            EXPECT_GT(de.FRd(), 0) << nr;
        }
    }
    EXPECT_DOUBLE_EQ(e.Geometrie().PlatteDicke(), a.Geometrie().PlatteDicke());
}

} // namespace

// Thousands of positions inside and far outside the input ranges: every calculation ends and
// leaves only finite numbers.
TEST(BemessungZufall, EveryCalculationEndsWithFiniteResults) {
    Zufall z(20261209);
#ifdef __SANITIZE_ADDRESS__
    constexpr int kPositionen = 300; // the sanitizer build is about twenty times slower
#else
    constexpr int kPositionen = 2000;
#endif
    for (int nr = 0; nr < kPositionen; ++nr) {
        TKAnwendung a = ZufallsPosition(z);
        TKTRVBemessung b(a);
        b.AlleTypenBemessen();
        AlleEndlich(a, nr);
        if (HasFatalFailure()) {
            return;
        }
        b.TypNachweisen(z.Ganz(0, AnzDornTypen - 1));
        AlleEndlich(a, nr);
        if (HasFatalFailure()) {
            return;
        }
    }
}

} // namespace trv
