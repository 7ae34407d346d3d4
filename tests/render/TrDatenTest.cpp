#include "sketches/TrDaten.h"

#include "calculation/Katalog.h"
#include "model/Geometrie.h"
#include "sketches/Texte.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace trv {
namespace {

class TrDatenTest : public ::testing::Test {
protected:
    TrDaten Vorbereiten(QRect r, Skizzentyp typ, bool gespiegelt = false) {
        QPainter p(&bild_);
        const int l = gespiegelt ? r.right() : r.left();
        const int re = gespiegelt ? r.left() : r.right();
        TrDaten td = SkizzeVorbereiten(p, l, r.top(), re, r.bottom(), typ, quelle_);
        zeile_ = td.Zeile;
        font_ = p.font();
        return td;
    }
    QImage bild_{800, 800, QImage::Format_RGB32};
    TKDornDaten dorn_{3}; // TRV 30
    TKGeometrie geo_;
    Skizzenquelle quelle_{dorn_, geo_, 400, {330, 660, 330}, 2, 1, 1, 1};
    int zeile_ = 0;
    QFont font_;
};

// View of a TRV 30 in a 450 mm slab: w = max(by, d) = 450 mm.
TEST_F(TrDatenTest, HohesRechteckBegrenztDenMassstabDurchDieBreite) {
    const TrDaten td = Vorbereiten(QRect(0, 0, 300, 780), Skizzentyp::Ansicht);
    const int TH = td.Zeile;
    const double t = std::max(190.0 + 30.0, 60.0) + 30.0; // embedded length + dowel, + cover
    const double W = 299;                                 // right - left of QRect(0,0,300,...)
    const double erwartet = std::min((W - 5.0 * TH) / 450.0, W / (2 * 190.0 + t));
    EXPECT_DOUBLE_EQ(td.Massstab, erwartet);
    EXPECT_LT(td.Massstab, (779 - 9.0 * TH) / 450.0);
    EXPECT_EQ(td.pDicke, static_cast<int>(std::nearbyint(450 * erwartet)));
    EXPECT_EQ(td.X0, 299 / 2 - TH);
    EXPECT_EQ(td.Y0, (779 + TH) / 2);
    EXPECT_TRUE(font_ == ArialSchrift(10));
}

TEST_F(TrDatenTest, FlachesRechteckBegrenztDenMassstabDurchDieHoehe) {
    const TrDaten td = Vorbereiten(QRect(0, 0, 780, 300), Skizzentyp::Ansicht);
    EXPECT_DOUBLE_EQ(td.Massstab, (299 - 9.0 * td.Zeile) / 450.0);
}

TEST_F(TrDatenTest, ReiheNimmtDieWirksameFugenlaenge) {
    const TrDaten td = Vorbereiten(QRect(0, 0, 780, 400), Skizzentyp::Reihe);
    const double A = std::min((779 - 3.0 * td.Zeile) / 2000.0, (399 - 6.0 * td.Zeile) / 450.0);
    EXPECT_DOUBLE_EQ(td.Massstab, A);
    ASSERT_EQ(td.pDornAbstaende.size(), 3u);
    EXPECT_EQ(td.pDornAbstaende[1], static_cast<int>(std::nearbyint(660 * A)));
    EXPECT_EQ(td.pFugenlaenge, static_cast<int>(std::nearbyint(2000 * A)));
    EXPECT_EQ(td.X0, 2 * td.Zeile);
}

TEST_F(TrDatenTest, GespiegeltesRechteckKehrtJedeVorzeichenbehafteteLaengeUm) {
    const TrDaten n = Vorbereiten(QRect(10, 10, 600, 400), Skizzentyp::System);
    const TrDaten g = Vorbereiten(QRect(10, 10, 600, 400), Skizzentyp::System, true);
    EXPECT_EQ(g.Richtung, -1);
    EXPECT_DOUBLE_EQ(g.Massstab, n.Massstab);
    EXPECT_GT(n.pTiefe, 0);
    EXPECT_EQ(g.pTiefe, -n.pTiefe);
    EXPECT_EQ(g.pHuelsenLaenge, -n.pHuelsenLaenge);
    EXPECT_EQ(g.pEinbindelaenge, -n.pEinbindelaenge);
    EXPECT_EQ(g.pBlechdicke, -n.pBlechdicke);
    EXPECT_EQ(g.pDeckungVorn, -n.pDeckungVorn);
    ASSERT_EQ(g.pAbstaendeBewX.size(), n.pAbstaendeBewX.size());
    for (std::size_t i = 0; i < n.pAbstaendeBewX.size(); ++i) {
        EXPECT_EQ(g.pAbstaendeBewX[i], -n.pAbstaendeBewX[i]);
    }
    // Unsigned lengths stay.
    EXPECT_EQ(g.pDicke, n.pDicke);
    EXPECT_EQ(g.pDornDurchmesser, n.pDornDurchmesser);
    // The system sketch is as thick as the connector's minimum slab (240 mm for a TRV 30).
    EXPECT_EQ(n.pDicke, static_cast<int>(std::nearbyint(240 * n.Massstab)));
}

TEST_F(TrDatenTest, RechteckOhneBreiteGibtMassstabNull) {
    const TrDaten td = Vorbereiten(QRect(50, 0, 1, 300), Skizzentyp::Ansicht);
    EXPECT_EQ(td.Massstab, 0.0);
    EXPECT_EQ(td.pDicke, 0);
}

} // namespace
} // namespace trv
