#include "calculation/Lastverteilung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace trv {

namespace {

using Profil = std::vector<TKPunkt>;

TKVerteilungEingabe Gleichlast(double q, double l, double frd, double h, bool unbegrenzt) {
    TKVerteilungEingabe e;
    e.Profil = {{0, q}, {l, q}};
    e.Summe = q * l / 1000;
    e.Laenge = l;
    e.FRd = frd;
    e.PlatteDicke = h;
    e.ZulMinAchs = 1.5 * h;
    e.Unbegrenzt = unbegrenzt;
    return e;
}

double Summe(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0);
}

} // namespace

TEST(Flaeche, TrapezoidInKilonewton) {
    EXPECT_DOUBLE_EQ(static_cast<double>(Flaeche({0, 10}, {2000, 20})), 30);
    EXPECT_DOUBLE_EQ(static_cast<double>(Flaeche({0, -10}, {1000, -10})), 10);
}

TEST(Zielpunkt, RisingFallingAndConstant) {
    // Triangle 0 -> 10 kN/m over 1 m: 1.25 kN are collected at 500 mm, where q = 5 kN/m.
    TKZielpunkt e = Zielpunkt({0, 0}, {1000, 10}, 1.25L);
    EXPECT_NEAR(static_cast<double>(e.x), 500, 1e-9);
    EXPECT_NEAR(static_cast<double>(e.y), 5, 1e-9);
    // Falling 10 -> 0: the first 3.75 kN lie within 500 mm.
    e = Zielpunkt({0, 10}, {1000, 0}, 3.75L);
    EXPECT_NEAR(static_cast<double>(e.x), 500, 1e-9);
    EXPECT_NEAR(static_cast<double>(e.y), 5, 1e-9);
    e = Zielpunkt({100, 20}, {2100, 20}, 10);
    EXPECT_NEAR(static_cast<double>(e.x), 600, 1e-9);
    // More than the segment carries: beyond its end.
    e = Zielpunkt({0, 20}, {1000, 20}, 25);
    EXPECT_DOUBLE_EQ(static_cast<double>(e.x), 1001);
}

TEST(Zielpunkt, ZeroEndOrdinateUsesTheExactFormula) {
    // The whole segment carries exactly the target: reached at B, not at infinity.
    const TKZielpunkt e = Zielpunkt({0, 10}, {1000, 0}, 5);
    EXPECT_TRUE(std::isfinite(static_cast<double>(e.x)));
    EXPECT_NEAR(static_cast<double>(e.x), 1000, 1e-6);
    // A load-free segment with nothing left to collect is done at its start.
    const TKZielpunkt z = Zielpunkt({300, 0}, {800, 0}, 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(z.x), 300);
}

TEST(Schwerpunkt, OfTriangleRectangleAndCarriedLoad) {
    EXPECT_NEAR(static_cast<double>(Schwerpunkt({0, 0}, {300, 10}, 0, 0)), 200, 1e-9);
    EXPECT_NEAR(static_cast<double>(Schwerpunkt({0, 10}, {300, 0}, 0, 0)), 100, 1e-9);
    EXPECT_NEAR(static_cast<double>(Schwerpunkt({100, 5}, {300, 5}, 0, 0)), 200, 1e-9);
    EXPECT_DOUBLE_EQ(static_cast<double>(Schwerpunkt({0, 0}, {300, 0}, 0, 50)), 0);
    // A carried load with a load-free segment stays where it was.
    EXPECT_NEAR(static_cast<double>(Schwerpunkt({0, 0}, {300, 0}, 2, 50)), 50, 1e-9);
}

TEST(TKTmpDornAufteilung, MirrorsTheProfileAndCountsPointsBeyondTheJoint) {
    TKTmpDornAufteilung t;
    EXPECT_EQ(t.ProfilSpiegeln({{0, 1}, {500, 2}, {2000, 3}}, 2000), 0u);
    ASSERT_EQ(t.ProfilGespiegelt().size(), 3u);
    EXPECT_DOUBLE_EQ(t.ProfilGespiegelt()[0].x, 0);
    EXPECT_DOUBLE_EQ(t.ProfilGespiegelt()[0].y, 3);
    EXPECT_DOUBLE_EQ(t.ProfilGespiegelt()[1].x, 1500);
    EXPECT_DOUBLE_EQ(t.ProfilGespiegelt()[2].y, 1);
    EXPECT_EQ(t.ProfilSpiegeln({{0, 1}, {2100, 2}, {2500, 3}}, 2000), 2u);
    EXPECT_DOUBLE_EQ(t.ProfilGespiegelt()[0].x, -500);
}

TEST(TKTmpDornAufteilung, ListsAndMerge) {
    TKTmpDornAufteilung t;
    for (double d : {100.0, 200.0, 200.0, 500.0}) {
        t.ListeAnfuegen(TKTmpDornAufteilung::Vorwaerts, d);
    }
    for (double d : {150.0, 200.0, 200.0, 450.0}) {
        t.ListeAnfuegen(TKTmpDornAufteilung::Rueckwaerts, d);
    }
    // Splits 1 and 2 both leave a gap of 550; the first wins.
    EXPECT_EQ(t.Zusammenfuehren(1000), (std::vector<double>{100, 550, 200, 150}));
    t.ListeLeeren(TKTmpDornAufteilung::Vorwaerts);
    EXPECT_TRUE(t.AbstaendeVorwaerts().empty());
    EXPECT_EQ(t.AbstaendeRueckwaerts().size(), 4u);
    EXPECT_TRUE(t.Zusammenfuehren(1000).empty());
}

TEST(TKTmpDornAufteilung, MergeWithoutPositiveGapStartsWithZero) {
    TKTmpDornAufteilung t;
    for (double d : {400.0, 400.0, 400.0}) {
        t.ListeAnfuegen(TKTmpDornAufteilung::Vorwaerts, d);
        t.ListeAnfuegen(TKTmpDornAufteilung::Rueckwaerts, d);
    }
    // The passes overlap on a joint of 600: no split leaves a gap.
    EXPECT_EQ(t.Zusammenfuehren(600), (std::vector<double>{0, 400, 400}));
}

// Gaps that are equal in exact arithmetic come out of the passes a rounding error apart, and
// which is larger depended on the precision of long double (80 bits on x86, 64 or 128 on
// other platforms): the leftover gap moved to another split, connectors up to 1 mm apart.
TEST(TKTmpDornAufteilung, GapsWithinTheToleranceAreEqualAndTheFirstIsTaken) {
    const auto zusammenfuehren = [](double v1, double l) {
        TKTmpDornAufteilung t;
        for (double d : {100.0, v1, 200.0, 200.0, 300.0}) {
            t.ListeAnfuegen(TKTmpDornAufteilung::Vorwaerts, d);
        }
        for (double d : {100.0, 200.0, 200.0, 200.0, 300.0}) {
            t.ListeAnfuegen(TKTmpDornAufteilung::Rueckwaerts, d);
        }
        return t.Zusammenfuehren(l);
    };
    // Every split leaves 400 mm; a later split rounded larger or smaller does not win.
    for (double v1 : {200.0, 200 - 1e-9, 200 + 1e-9, 200 - 0.9e-6}) {
        const std::vector<double> d = zusammenfuehren(v1, 1000);
        ASSERT_EQ(d.size(), 5u) << v1;
        EXPECT_EQ(d[0], 100) << v1;
        EXPECT_NEAR(d[1], 400, 1e-6) << v1;
        EXPECT_EQ(d[2], 200) << v1;
    }
    // A gap larger by more than the tolerance is a larger gap.
    const std::vector<double> d = zusammenfuehren(200 - 2e-6, 1000);
    EXPECT_EQ(d[1], 200 - 2e-6);
    EXPECT_NEAR(d[2], 400 + 2e-6, 1e-9);
}

// The same rows whatever the rounding of the passes: each distance of both passes moved by
// one unit in the last place, up or down, as another precision would give them.
TEST(VerteilungBerechnen, ConstantLoadRowDoesNotDependOnTheRounding) {
    int gepruefteReihen = 0;
    for (double q : {7.0, 12.5, 20.0, 33.3, 47.0}) {
        for (double l : {1234.0, 3000.0, 6000.0, 9999.0}) {
            const TKVerteilung v = VerteilungBerechnen(Gleichlast(q, l, 2, 300, true));
            ASSERT_GE(v.AnzDorn, 3u);
            // The leftover gap is the first spacing; every other spacing is one share.
            const double anteil = v.FSdIst / q * 1000;
            for (std::size_t k = 2; k + 1 < v.DornAbstand.size(); ++k) {
                EXPECT_NEAR(v.DornAbstand[k], anteil, 1e-6) << q << " " << l << " " << k;
            }
            EXPECT_NEAR(v.DornAbstand[1], l - (v.AnzDorn - 1) * anteil, 1e-6) << q << " " << l;

            const std::vector<TKPunkt> profil{{0, q}, {l, q}};
            TKTmpDornAufteilung tmp;
            tmp.ProfilSpiegeln(profil, l);
            const TKDurchlauf vor = DurchlaufBerechnen(profil, v.FSdIst, true, 0, 10000);
            const TKDurchlauf rueck =
                DurchlaufBerechnen(tmp.ProfilGespiegelt(), v.FSdIst, true, 0, 10000);
            for (int richtung : {-1, 1}) {
                for (int welche : {0, 1}) {
                    TKTmpDornAufteilung t;
                    for (int liste : {0, 1}) {
                        for (double d : liste == 0 ? vor.Abstaende : rueck.Abstaende) {
                            const double ziel = richtung < 0 ? 0.0 : 1e9;
                            t.ListeAnfuegen(liste, liste == welche ? std::nextafter(d, ziel) : d);
                        }
                    }
                    const std::vector<double> anders = t.Zusammenfuehren(l);
                    ASSERT_EQ(anders.size(), v.DornAbstand.size());
                    for (std::size_t k = 0; k < anders.size(); ++k) {
                        EXPECT_NEAR(anders[k], v.DornAbstand[k], 1e-9)
                            << q << " " << l << " " << k << " " << richtung << welche;
                    }
                }
            }
            ++gepruefteReihen;
        }
    }
    EXPECT_EQ(gepruefteReihen, 20);
}

TEST(DurchlaufBerechnen, EndDistanceIsNotChecked) {
    // Load on the first metre only: one connector at 500, then 2500 to the end.
    const TKDurchlauf d =
        DurchlaufBerechnen({{0, 10}, {1000, 10}, {1000, 0}, {3000, 0}}, 10.0001L, false, 1000, 100);
    ASSERT_EQ(d.Abstaende.size(), 2u);
    EXPECT_NEAR(d.Abstaende[0], 500, 1e-6);
    EXPECT_NEAR(d.Abstaende[1], 2500, 1e-6);
    EXPECT_TRUE(d.Ok);
}

// The maximum spacing is a strict limit: shares of 5 kN under 10 kN/m put connectors at 250,
// 750 and 1250 mm, exactly 500 mm apart, and the rest (4 kN) at 1700 mm.
TEST(DurchlaufBerechnen, SpacingEqualToTheMaximumIsTooWide) {
    const Profil p{{0, 10}, {1900, 10}};
    const TKDurchlauf genau = DurchlaufBerechnen(p, 5, false, 500, 100);
    EXPECT_EQ(genau.Abstaende, (std::vector<double>{250, 500, 500, 450, 200}));
    EXPECT_FALSE(genau.Ok);
    EXPECT_TRUE(DurchlaufBerechnen(p, 5, false, 500.01, 100).Ok);
}

TEST(DurchlaufBerechnen, StopsAtTheConnectorLimit) {
    const TKDurchlauf d = DurchlaufBerechnen({{0, 10}, {1000, 10}}, 0.1L, true, 0, 5);
    EXPECT_TRUE(d.Abgebrochen);
    EXPECT_FALSE(d.Ok);
    EXPECT_EQ(d.Abstaende.size(), 5u);
}

TEST(VerteilungBerechnen, UniformLoadUnlimited) {
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(20, 2000, 15, 450, true));
    EXPECT_EQ(v.AnzDorn, 3u);
    EXPECT_DOUBLE_EQ(v.FSdIst, 40.0L / 3 + 0.0001L);
    ASSERT_EQ(v.DornAbstand.size(), 4u);
    // Each share is 0.0001 kN larger than a third, so the shares are a little longer than
    // 666.67 mm and the gap left in the middle a little shorter.
    const double anteil = (40.0 / 3 + 0.0001) / 20 * 1000;
    EXPECT_NEAR(v.DornAbstand[0], anteil / 2, 1e-6);
    EXPECT_NEAR(v.DornAbstand[1], 2000 - 2 * anteil, 1e-6);
    EXPECT_NEAR(v.DornAbstand[2], anteil, 1e-6);
    EXPECT_NEAR(v.DornAbstand[3], anteil / 2, 1e-6);
    EXPECT_NEAR(v.DornAbstand[1], 666.7, 0.05);
    EXPECT_NEAR(Summe(v.DornAbstand), 2000, 1e-6);
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::Keins);
}

// The start number rounds S / FRd + 0.4999: a load of exactly three resistances starts (and,
// without a spacing rule, ends) with three connectors, not with the even four of a plain half.
TEST(VerteilungBerechnen, LoadOfWholeResistancesNeedsNoExtraConnector) {
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(15, 3000, 15, 450, true));
    EXPECT_EQ(v.AnzDorn, 3u);
    EXPECT_NEAR(v.FSdIst, 15.0001, 1e-9);
}

TEST(VerteilungBerechnen, GrowsUntilEverySpacingIsBelowFiveSlabThicknesses) {
    // smax = 500: four connectors are exactly 500 apart, which is not below; five are 400.
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(20, 2000, 15, 100, false));
    EXPECT_EQ(v.AnzDorn, 5u);
    ASSERT_EQ(v.DornAbstand.size(), 6u);
    EXPECT_NEAR(v.DornAbstand[0], 200.0025, 1e-6);
    for (int k = 1; k < 5; ++k) {
        EXPECT_NEAR(v.DornAbstand[k], 400, 0.05);
    }
    EXPECT_NEAR(v.DornAbstand[5], 200.0025, 1e-6);
    EXPECT_NEAR(v.FSdIst, 8.0001, 1e-9);
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::Keins);
}

TEST(VerteilungBerechnen, NoLoadGivesOneConnectorAtTheStart) {
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(0, 2000, 15, 450, false));
    EXPECT_EQ(v.AnzDorn, 1u);
    EXPECT_EQ(v.DornAbstand, (std::vector<double>{0, 0}));
    EXPECT_DOUBLE_EQ(v.FSdIst, 0.0001);
}

TEST(VerteilungBerechnen, OneConnectorSitsInTheMiddle) {
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(5, 2000, 100, 450, false));
    EXPECT_EQ(v.AnzDorn, 1u);
    ASSERT_EQ(v.DornAbstand.size(), 2u);
    EXPECT_NEAR(v.DornAbstand[0], 1000, 1e-6);
    EXPECT_NEAR(v.DornAbstand[1], 1000, 1e-6);
}

TEST(VerteilungBerechnen, TinyLoadStillGetsAConnector) {
    // 0.001 kN against 100 kN would round to no connector and divide by zero.
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(0.0005, 2000, 100, 450, false));
    EXPECT_EQ(v.AnzDorn, 1u);
    EXPECT_TRUE(std::isfinite(v.FSdIst));
    EXPECT_NEAR(v.FSdIst, 0.0011, 1e-12);
}

TEST(VerteilungBerechnen, LongLoadFreeStretchStopsAtTheBound) {
    // 2 m without load under smax = 500 can never be bridged.
    TKVerteilungEingabe e = Gleichlast(10, 3000, 50, 100, false);
    e.Profil = {{0, 10}, {500, 10}, {500, 0}, {2500, 0}, {2500, 10}, {3000, 10}};
    e.Summe = 10;
    const TKVerteilung v = VerteilungBerechnen(e);
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::Abstand);
    EXPECT_EQ(v.AnzDorn, 22u); // 3000 / 150 + 2: beyond this every row is too dense
    ASSERT_EQ(v.DornAbstand.size(), v.AnzDorn + 1);
    for (double d : v.DornAbstand) {
        EXPECT_TRUE(std::isfinite(d));
    }
    EXPECT_NEAR(Summe(v.DornAbstand), 3000, 1e-6);
}

TEST(VerteilungBerechnen, NoSlabThicknessCanNeverKeepTheMaximumSpacing) {
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(10, 2000, 50, 0, false));
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::Abstand);
    EXPECT_EQ(v.AnzDorn, 1u);
}

TEST(VerteilungBerechnen, FailedTypesStillGetACompleteArrangement) {
    TKVerteilungEingabe e = Gleichlast(10, 2000, 50, 450, false);
    e.Profil = {{0, 10}};
    TKVerteilung v = VerteilungBerechnen(e);
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::KeinProfil);
    EXPECT_EQ(v.DornAbstand, (std::vector<double>{1000, 1000}));

    e = Gleichlast(10, 2000, 0, 450, false);
    v = VerteilungBerechnen(e);
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::KeinWiderstand);
    EXPECT_EQ(v.AnzDorn, 1u);
    EXPECT_NEAR(v.FSdIst, 20.0001, 1e-9);

    e = Gleichlast(10, 2000, -5, 450, false);
    EXPECT_EQ(VerteilungBerechnen(e).Grund, TKVerteilung::Scheitern::KeinWiderstand);
}

TEST(VerteilungBerechnen, HugeLoadIsCappedAtTheConnectorLimit) {
    const TKVerteilung v = VerteilungBerechnen(Gleichlast(1e9, 30000, 50, 450, true));
    EXPECT_EQ(v.Grund, TKVerteilung::Scheitern::ZuViele);
    EXPECT_LE(v.AnzDorn, MaxDorneJeReihe + 1);
    EXPECT_TRUE(std::isfinite(v.FSdIst));
}

TEST(VerteilungBerechnen, PointsBeyondTheJointAreCountedOnce) {
    TKVerteilungEingabe e = Gleichlast(10, 2000, 50, 100, false);
    e.Profil = {{0, 10}, {2000, 10}, {2600, 10}};
    e.Summe = 26;
    const TKVerteilung v = VerteilungBerechnen(e);
    EXPECT_EQ(v.PunkteAusserhalb, 1u);
}

} // namespace trv
