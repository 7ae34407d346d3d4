#include "sketches/Fugenskizzen.h"

#include "model/Modell.h"
#include "model/Zahlen.h"
#include "sketches/Farbe.h"
#include "sketches/Skizzenkontext.h"
#include "sketches/Texte.h"

#include "Aufzeichner.h"
#include "Positionen.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;
using test::Projekt;
using Rolle = TKFarbe::Rolle;

using Skizze =
    std::function<void(QPainter&, Skizzenkontext&, const Skizzenrechteck&, const TKAnwendung&)>;

const Skizze Ansicht = SkizzeAnsicht;
const Skizze Draufsicht = SkizzeDraufsicht;
const Skizze Schnitt = SkizzeSchnitt;
const Skizze Reihe = [](QPainter& c, Skizzenkontext& k, const Skizzenrechteck& r,
                        const TKAnwendung& a) { SkizzeReihe(c, k, r, a, true); };
const Skizze Lastprofil = SkizzeLastprofil;

QImage Bild(const Skizze& skizze, const TKAnwendung& a, QSize groesse = {600, 400},
            int stiftFaktor = 1) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::red); // not a sketch colour: shows what the sketch left unpainted
    QPainter canvas(&bild);
    Skizzenkontext kontext(TKFarbe(), '.', stiftFaktor);
    skizze(canvas, kontext, {0, 0, groesse.width(), groesse.height()}, a);
    return bild;
}

void Aufzeichnen(Aufzeichner& geraet, const Skizze& skizze, const TKAnwendung& a,
                 Skizzenkontext kontext = Skizzenkontext()) {
    QPainter canvas(&geraet);
    skizze(canvas, kontext, {0, 0, 600, 400}, a);
}

// The texts in drawing order, with texts written one after the other on a line joined.
std::vector<QString> Zeilen(const Aufzeichner& geraet) {
    std::vector<QString> zeilen;
    const Aufzeichnung* vorher = nullptr;
    for (const Aufzeichnung& a : geraet.Liste) {
        if (a.art != Aufzeichnung::Art::Text) {
            continue;
        }
        if (vorher && std::abs(vorher->rahmen.top() - a.rahmen.top()) < 0.5 &&
            std::abs(vorher->rahmen.right() - a.rahmen.left()) < 2) {
            zeilen.back() += a.text;
        } else {
            zeilen.push_back(a.text);
        }
        vorher = &a;
    }
    return zeilen;
}

bool Enthaelt(const std::vector<QString>& texte, const QString& text) {
    return std::find(texte.begin(), texte.end(), text) != texte.end();
}

QColor Farbe(Rolle rolle) {
    return TKFarbe().Farbe(rolle);
}

// The sketch state the sketch computes for itself, computed again for the test.
TrDaten Zustand(const TKAnwendung& a, Skizzentyp typ, QSize groesse = {600, 400}) {
    QImage bild(groesse, QImage::Format_RGB32);
    QPainter canvas(&bild);
    return SkizzeVorbereiten(canvas, {0, 0, groesse.width(), groesse.height()}, typ,
                             ErgebnisQuelle(a));
}

class FugenskizzenTest : public ::testing::Test {
protected:
    Projekt reihe_ = test::ReiheDecke(30, 30);
    TKAnwendung& a_ = reihe_.Anwendung();
    TKDornDaten& Dorn() { return a_.Ergebnisse().DornDaten(a_.Ergebnisse().AktDorn()); }
};

TEST_F(FugenskizzenTest, AnsichtBeschriftetDieBuegel) {
    Dorn().SetAnzahlBewY(10);
    Dorn().SetDurchmesserBewY(12);
    Dorn().SetAbstaendeBewY({50, 50, 50, 50});
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Ansicht, a_);
    const auto texte = Zeilen(geraet);
    EXPECT_TRUE(Enthaelt(texte, "Vertical Reinforcement: 10 - T12 U-bars"));
    // Five bars on each side of the dowel, four spacing dimensions per side: at this scale a
    // "50" does not fit between its ticks, so each side reads as one "4 x 50".
    EXPECT_EQ(std::count(texte.begin(), texte.end(), QString("50")), 0);
    EXPECT_EQ(std::count(texte.begin(), texte.end(), QString::fromUtf8("4 \u00d7 50")), 2);
    int stabe = 0;
    for (const auto& r : geraet.Liste) {
        stabe += r.art == Aufzeichnung::Art::Pfad && r.pinsel == Farbe(Rolle::PosD);
    }
    EXPECT_EQ(stabe, 10);
}

// A row under no load gets a bar zone of negative width: the view writes no "-50" or
// "2 x -35", and draws the bars and their label all the same.
TEST(FugenskizzenAnsichtTest, RowWithoutLoadWritesNoNegativeDimension) {
    Projekt p = test::ReiheDecke(0, 0);
    const TKErgebnisse& e = p.Anwendung().Ergebnisse();
    ASSERT_LT(e.DornDaten(e.AktDorn()).BreiteBewY(), 0) << "the case this test is about";
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Ansicht, p.Anwendung());
    const auto texte = Zeilen(geraet);
    for (const QString& text : texte) {
        EXPECT_FALSE(text.contains(QRegularExpression("-\\d"))) << text.toStdString();
    }
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const QString& t) {
        return t.startsWith(QStringLiteral("Vertical Reinforcement"));
    }));
}

TEST_F(FugenskizzenTest, DraufsichtBeschriftetDieLaengsstaebe) {
    Dorn().SetAnzahlBewX(1);
    Dorn().SetDurchmesserBewX(10);
    Dorn().SetAbstaendeBewX({60});
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Draufsicht, a_);
    const auto texte = Zeilen(geraet);
    EXPECT_TRUE(Enthaelt(texte, "Top and Bottom: 2 x 1 - T10"));
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Rechteck, Farbe(Rolle::PosB)), 1);
}

TEST_F(FugenskizzenTest, SchnittZeigtZweiKreisePaareBeiZweiLaengsstaeben) {
    Dorn().SetAnzahlBewX(2);
    Dorn().SetDurchmesserBewX(10);
    Dorn().SetAbstaendeBewX({60, 70});
    Dorn().SetBreiteBewX(130);
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Schnitt, a_);
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Ellipse, Farbe(Rolle::PosB)), 4);
    const auto texte = Zeilen(geraet);
    EXPECT_TRUE(Enthaelt(texte, "Top: 2 - T10"));
    EXPECT_TRUE(Enthaelt(texte, "Bottom: 2 - T10"));
    EXPECT_TRUE(Enthaelt(texte, "60"));
    EXPECT_TRUE(Enthaelt(texte, "70"));
    EXPECT_TRUE(Enthaelt(texte, "130"));
}

TEST(FugenskizzenReiheTest, DreiDuebelDreiSymboleUndVierAbstandsmasse) {
    Projekt p = test::ReiheDecke(150, 150, 3000);
    const TKAnwendung& a = p.Anwendung();
    const TKErgebnisse& erg = a.Ergebnisse();
    ASSERT_EQ(erg.GetAnzDorn(erg.AktDorn()), 3) << "the load must need three connectors";
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Reihe, a);

    int duebel = 0;
    for (const auto& r : geraet.Liste) {
        duebel += r.art == Aufzeichnung::Art::Ellipse && r.pinsel == Farbe(Rolle::DornBrush);
    }
    EXPECT_EQ(duebel, 3);
    // Plate thickness, edge distance, two spacings, edge distance, joint length.
    std::vector<QString> erwartet{"300"};
    for (double abstand : erg.DornErgebnis(erg.AktDorn()).DornAbstand()) {
        erwartet.push_back(QString::fromStdString(ZahlAlsText(RundeGerade(abstand), "0")));
    }
    erwartet.push_back("3000");
    ASSERT_EQ(erwartet.size(), 6u);
    EXPECT_EQ(Zeilen(geraet), erwartet);
}

TEST(FugenskizzenReiheTest, LastprofilZeigtNurFugeUndLast) {
    Projekt p = test::ReiheDecke(150, 150, 3000);
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Lastprofil, p.Anwendung());
    EXPECT_TRUE(geraet.Texte().empty());
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Ellipse), 0);
    EXPECT_GT(geraet.Anzahl(Aufzeichnung::Art::Polylinie), 10); // the arrow heads
}

TEST_F(FugenskizzenTest, FarbenStehenWoDieGeometrieSieHinlegt) {
    const QImage bild = Bild(Ansicht, a_);
    const TrDaten td = Zustand(a_, Skizzentyp::Ansicht);
    const int T = td.Y0 - td.pDicke / 2;
    const int B = T + td.pDicke;
    // Between the bars, clear of the connector: half way between the top bar and the plate.
    const int y = (T + td.pDeckungOben + td.pDurchmesserBewX + td.Y0 - td.pPlattenHoehe / 2) / 2;
    ASSERT_GT(td.pBreiteBewY / 2, td.pPlattenBreite / 2 + td.pDurchmesserBewY);
    int x = td.X0 - td.pBreiteBewY / 2;
    for (std::size_t i = 0; i < td.pAbstaendeBewY.size(); ++i) {
        x += td.pAbstaendeBewY[i];
        EXPECT_EQ(bild.pixelColor(x, y), Farbe(Rolle::PosD)) << "left bar " << i;
        const int spiegel = 2 * td.X0 - x;
        EXPECT_EQ(bild.pixelColor(spiegel, y), Farbe(Rolle::PosD)) << "right bar " << i;
    }
    // Concrete between the first two bars, background beside and above the slab.
    const int zwischen = td.X0 - td.pBreiteBewY / 2 + td.pAbstaendeBewY.at(1) / 2;
    EXPECT_EQ(bild.pixelColor(zwischen, y), Farbe(Rolle::BetonBrush));
    EXPECT_EQ(bild.pixelColor(td.X0, B + 5 * td.Zeile), Farbe(Rolle::Hintergrund));
    EXPECT_EQ(bild.pixelColor(2, 2), Farbe(Rolle::Hintergrund));
    EXPECT_EQ(bild.pixelColor(598, 398), Farbe(Rolle::Hintergrund));
    // The top bar runs the whole width.
    const int stab = T + td.pDeckungOben + td.pDurchmesserBewX / 2;
    EXPECT_EQ(bild.pixelColor(td.X0 - td.pBreite / 2 + 3, stab), Farbe(Rolle::PosB));
    EXPECT_EQ(bild.pixelColor(td.X0 + td.pBreite / 2 - 3, stab), Farbe(Rolle::PosB));
    // The dowel centre.
    EXPECT_EQ(bild.pixelColor(td.X0, td.Y0), Farbe(Rolle::DornBrush));
}

TEST_F(FugenskizzenTest, DraufsichtUndSchnittFuellenIhrenBetonUndDenHintergrund) {
    const QImage plan = Bild(Draufsicht, a_);
    const TrDaten tp = Zustand(a_, Skizzentyp::Draufsicht);
    EXPECT_EQ(plan.pixelColor(tp.X0 - tp.pBreite / 2 + 2, tp.Y0 - tp.pTiefe + 2),
              Farbe(Rolle::BetonBrush));
    ASSERT_GE(tp.pDornDurchmesser, 3);
    EXPECT_EQ(plan.pixelColor(tp.X0, tp.Y0 + tp.Zeile / 2), Farbe(Rolle::DornBrush)) // the stub
        << tp.pDornDurchmesser;
    EXPECT_EQ(plan.pixelColor(tp.X0 - tp.pBreite / 2 + 2, tp.Y0 + 4), Farbe(Rolle::Hintergrund));

    const QSize gross(1200, 800);
    const QImage schnitt = Bild(Schnitt, a_, gross);
    const TrDaten ts = Zustand(a_, Skizzentyp::Schnitt, gross);
    // The dowel reaches across the joint face, out of the concrete, beyond the thickness
    // dimension left of the face.
    const int x = ts.X0 - ts.pEinbindelaenge + 2;
    ASSERT_LT(x, ts.X0 - 2 * ts.Zeile - 2);
    EXPECT_EQ(schnitt.pixelColor(x, ts.Y0), Farbe(Rolle::DornBrush));
    EXPECT_EQ(schnitt.pixelColor(x, ts.Y0 - ts.pDicke / 4), Farbe(Rolle::Hintergrund));
    EXPECT_EQ(schnitt.pixelColor(ts.X0 + 2, ts.Y0 - ts.pDicke / 2 + 4), Farbe(Rolle::BetonBrush));
}

TEST_F(FugenskizzenTest, ZweimalGezeichnetGibtDieselbenPixel) {
    for (const Skizze* skizze : {&Ansicht, &Draufsicht, &Schnitt, &Reihe, &Lastprofil}) {
        QImage bild(600, 400, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter canvas(&bild);
        Skizzenkontext kontext;
        (*skizze)(canvas, kontext, {0, 0, 600, 400}, a_);
        const QImage erstes = bild.copy();
        (*skizze)(canvas, kontext, {0, 0, 600, 400}, a_);
        canvas.end();
        EXPECT_EQ(bild, erstes);
        EXPECT_EQ(bild, Bild(*skizze, a_)); // a fresh canvas gives the same picture too
    }
}

TEST_F(FugenskizzenTest, StiftFaktorBreitetDieMasslinienUndBleibtErhalten) {
    Aufzeichner geraet(600, 400);
    Skizzenkontext kontext(TKFarbe(), ',', 2);
    {
        QPainter canvas(&geraet);
        SkizzeReihe(canvas, kontext, {0, 0, 600, 400}, a_, true);
    }
    EXPECT_EQ(kontext.StiftFaktor(), 2);
    int breite2 = 0;
    for (const auto& r : geraet.Liste) {
        breite2 += r.art == Aufzeichnung::Art::Linie && r.stiftBreite == 2;
    }
    EXPECT_GT(breite2, 10);
}

TEST_F(FugenskizzenTest, ZahlenImRegionalenFormat) {
    a_.Geometrie().SetPlatteDicke(300.5);
    Aufzeichner geraet(600, 400);
    Aufzeichnen(geraet, Ansicht, a_, Skizzenkontext(TKFarbe(), ','));
    EXPECT_TRUE(Enthaelt(geraet.Texte(), "300,5"));
}

TEST_F(FugenskizzenTest, GrauschemaZeichnetOhneBunteFarben) {
    QImage bild(600, 400, QImage::Format_RGB32);
    QPainter canvas(&bild);
    Skizzenkontext kontext(TKFarbe::Grau());
    SkizzeAnsicht(canvas, kontext, {0, 0, 600, 400}, a_);
    canvas.end();
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
        }
    }
}

// A position read from a damaged file may lack bars, spacings or connectors; the sketches
// must still draw without reading outside their lists.
TEST_F(FugenskizzenTest, LeereListenZeichnenOhneAbsturz) {
    Dorn().SetAnzahlBewX(0);
    Dorn().SetAbstaendeBewX({});
    Dorn().SetAnzahlBewY(7);
    Dorn().SetAbstaendeBewY({});
    a_.Ergebnisse().DornErgebnis(a_.Ergebnisse().AktDorn()).SetDornAbstand({});
    a_.Ergebnisse().SetAnzDorn(a_.Ergebnisse().AktDorn(), 4);
    for (const Skizze* skizze : {&Ansicht, &Draufsicht, &Schnitt, &Reihe, &Lastprofil}) {
        const QImage bild = Bild(*skizze, a_);
        EXPECT_EQ(bild.pixelColor(1, 1), Farbe(Rolle::Hintergrund));
    }
}

} // namespace
} // namespace trv
