#include "sketches/Systemskizzen.h"

#include "model/Modell.h"
#include "sketches/Farbe.h"
#include "sketches/Fugenskizzen.h"
#include "sketches/Skizzenkontext.h"

#include "Aufzeichner.h"
#include "Positionen.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;
using test::Projekt;
using Rolle = TKFarbe::Rolle;

QColor Farbe(Rolle rolle) {
    return TKFarbe().Farbe(rolle);
}

enum class Art { Eingabe, System, Last };

void Zeichnen(QPainter& canvas, Skizzenkontext& kontext, Art art, const Skizzenrechteck& r,
              Projekt& p) {
    const TKAnwendung& a = p.Anwendung();
    const int fall = a.Anwendungsfall();
    const int last = a.BelastungDesign().Belastungsfall();
    switch (art) {
    case Art::Eingabe:
        SkizzeEingabe(canvas, kontext, r, *p.Modell, a, fall, last);
        break;
    case Art::System:
        SkizzeSystem(canvas, kontext, r, EingabeQuelle(*p.Modell, a), fall, last);
        break;
    case Art::Last:
        SkizzeLast(canvas, kontext, r, EingabeQuelle(*p.Modell, a), a, fall, last);
        break;
    }
}

QImage Bild(Art art, Projekt& p, QSize groesse = {600, 300}) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::red);
    QPainter canvas(&bild);
    Skizzenkontext kontext;
    Zeichnen(canvas, kontext, art, {0, 0, groesse.width(), groesse.height()}, p);
    return bild;
}

std::vector<Aufzeichnung> Aufzeichnen(Art art, Projekt& p, int stiftFaktor = 1,
                                      int* stiftDanach = nullptr) {
    Aufzeichner geraet(600, 300);
    Skizzenkontext kontext(TKFarbe(), '.', stiftFaktor);
    {
        QPainter canvas(&geraet);
        Zeichnen(canvas, kontext, art, {0, 0, 600, 300}, p);
    }
    if (stiftDanach) {
        *stiftDanach = kontext.StiftFaktor();
    }
    return geraet.Liste;
}

bool HatText(const std::vector<Aufzeichnung>& liste, const QString& text) {
    return std::any_of(liste.begin(), liste.end(), [&](const Aufzeichnung& a) {
        return a.art == Aufzeichnung::Art::Text && a.text == text;
    });
}

// The lengths of the vertical load arrows (a vertical line followed by its head), keyed by x.
std::map<int, double> Pfeillaengen(const std::vector<Aufzeichnung>& liste) {
    std::map<int, double> laengen;
    for (std::size_t i = 0; i + 1 < liste.size(); ++i) {
        const Aufzeichnung& a = liste[i];
        const Aufzeichnung& kopf = liste[i + 1];
        if (a.art == Aufzeichnung::Art::Linie && a.rahmen.width() == 0 &&
            a.stift == Farbe(Rolle::Bemassung) && kopf.art == Aufzeichnung::Art::Polylinie) {
            laengen[static_cast<int>(a.rahmen.left())] = a.rahmen.height();
        }
    }
    return laengen;
}

TEST(SystemskizzenTest, EinzeldornMitPunktlast) {
    Projekt p = test::Einzeldorn();
    int stiftDanach = 0;
    const auto last = Aufzeichnen(Art::Last, p, 2, &stiftDanach);
    EXPECT_EQ(stiftDanach, 2); // the printer's factor is back for the next sketch
    int duebel = 0;
    int dickePfeile = 0;
    for (const auto& a : last) {
        duebel += a.art == Aufzeichnung::Art::Ellipse && a.pinsel == Farbe(Rolle::DornBrush);
        dickePfeile += a.art == Aufzeichnung::Art::Polylinie && a.stiftBreite == 3;
    }
    EXPECT_EQ(duebel, 1);
    EXPECT_EQ(dickePfeile, 1);
    // The main letter may carry blanks that keep it clear of the arrow.
    EXPECT_TRUE(std::any_of(last.begin(), last.end(), [](const Aufzeichnung& a) {
        return a.art == Aufzeichnung::Art::Text && a.text.trimmed() == QStringLiteral("V");
    }));
    EXPECT_TRUE(HatText(last, "Ed,p"));
    // The label beside the arrow once lay across the c dimensions' line.
    for (const auto& t : last) {
        if (t.art != Aufzeichnung::Art::Text || (t.text != "V" && t.text != "Ed,p")) {
            continue;
        }
        for (const auto& l : last) {
            if (l.art == Aufzeichnung::Art::Linie && l.rahmen.height() == 0) {
                const bool kreuzt =
                    l.rahmen.top() > t.rahmen.top() && l.rahmen.top() < t.rahmen.bottom() &&
                    l.rahmen.left() < t.rahmen.right() && l.rahmen.right() > t.rahmen.left();
                EXPECT_FALSE(kreuzt) << t.text.toStdString() << " crossed at y " << l.rahmen.top();
            }
        }
    }
    EXPECT_TRUE(HatText(last, "L"));
    EXPECT_TRUE(HatText(last, "R"));
    // The dimensions after the arrow are drawn with factor 1 again.
    const auto kopf = std::find_if(last.begin(), last.end(), [](const Aufzeichnung& a) {
        return a.art == Aufzeichnung::Art::Polylinie;
    });
    ASSERT_NE(kopf, last.end());
    int masslinien = 0;
    for (auto it = kopf; it != last.end(); ++it) {
        if (it->art == Aufzeichnung::Art::Linie) {
            EXPECT_EQ(it->stiftBreite, 1);
            ++masslinien;
        }
    }
    EXPECT_EQ(masslinien, 10); // two dimension lines of five strokes

    const auto system = Aufzeichnen(Art::System, p, 2, &stiftDanach);
    EXPECT_EQ(stiftDanach, 2);
    EXPECT_TRUE(HatText(system, "V"));
    EXPECT_TRUE(HatText(system, "Ed,p"));
    EXPECT_FALSE(HatText(system, "W")); // no wall
}

TEST(SystemskizzenTest, LinkesBauteilIstEineDeckeOderEineHoehereWand) {
    Projekt decke = test::ReiheDecke();
    Projekt wand = test::ReiheWand();
    const QImage d = Bild(Art::System, decke);
    const QImage w = Bild(Art::System, wand);
    // Close under the top of the rectangle, left of the middle: the wall reaches up there,
    // the slab does not; right of the middle both have the same slab.
    const int y = 14;
    int wandPixel = 0;
    int deckePixel = 0;
    for (int x = 0; x < 300; ++x) {
        wandPixel += w.pixelColor(x, y) == Farbe(Rolle::BetonBrush);
        deckePixel += d.pixelColor(x, y) == Farbe(Rolle::BetonBrush);
    }
    EXPECT_GT(wandPixel, 50);
    EXPECT_EQ(deckePixel, 0);
    for (int x = 300; x < 600; ++x) {
        ASSERT_NE(w.pixelColor(x, y), Farbe(Rolle::BetonBrush)) << x;
    }
    const auto liste = Aufzeichnen(Art::System, wand);
    EXPECT_TRUE(HatText(liste, "d"));
    EXPECT_TRUE(HatText(liste, "W"));
    // The wall's two vertical bars run its full height, taller than the slab.
    int senkrecht = 0;
    for (const auto& a : liste) {
        senkrecht += a.art == Aufzeichnung::Art::Linie && a.stift == Farbe(Rolle::PosD) &&
                     a.rahmen.width() == 0 && a.rahmen.top() < 20;
    }
    EXPECT_EQ(senkrecht, 2);
}

TEST(SystemskizzenTest, SystemUndLastFuellenDenHintergrundNicht) {
    Projekt p = test::ReiheDecke();
    EXPECT_EQ(Bild(Art::System, p).pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(Bild(Art::Last, p).pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(Bild(Art::Eingabe, p).pixelColor(1, 1), Farbe(Rolle::Hintergrund));
    EXPECT_EQ(Bild(Art::Eingabe, p).pixelColor(598, 298), Farbe(Rolle::Hintergrund));
}

TEST(SystemskizzenTest, SteigendeLinienlastWaechstUmZehnPixel) {
    Projekt steigend = test::ReiheDecke(10, 40);
    ASSERT_EQ(steigend.Anwendung().BelastungDesign().LinienLast(), 2);
    Projekt konstant = test::ReiheDecke(30, 30);
    ASSERT_EQ(konstant.Anwendung().BelastungDesign().LinienLast(), 1);

    const auto laengen = Pfeillaengen(Aufzeichnen(Art::Last, steigend));
    ASSERT_GT(laengen.size(), 10u);
    EXPECT_NEAR(laengen.rbegin()->second - laengen.begin()->second, 10, 1.0);
    for (auto it = std::next(laengen.begin()); it != laengen.end(); ++it) {
        EXPECT_GE(it->second, std::prev(it)->second);
    }

    const auto gleich = Pfeillaengen(Aufzeichnen(Art::Last, konstant));
    ASSERT_EQ(gleich.size(), laengen.size());
    for (const auto& [x, laenge] : gleich) {
        EXPECT_EQ(laenge, gleich.begin()->second) << x;
    }
}

TEST(LastPfeileTest, ProfilOhneLastHatPfeileOhneLaenge) {
    Projekt p = test::ReiheWand();
    TKBelastung& b = p.Anwendung().BelastungDesign();
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 0);
    b.PunktHinzufuegen(3000, 0);
    Aufzeichner geraet(600, 300);
    Skizzenkontext kontext;
    {
        QPainter canvas(&geraet);
        LastPfeile(canvas, kontext, {100, 50, 500, 150}, 12, p.Anwendung());
    }
    // The load line lies on the base line; no arrow has a length, so none has a head.
    EXPECT_EQ(geraet.Anzahl(Aufzeichnung::Art::Polylinie), 0);
    ASSERT_EQ(geraet.Anzahl(Aufzeichnung::Art::Linie), 1);
    EXPECT_EQ(geraet.Liste.front().rahmen, QRectF(QPointF(100, 150), QPointF(500, 150)));
}

TEST(LastPfeileTest, ProfilMassstabUndPfeilabstand) {
    Projekt p = test::ReiheWand(); // (0, 20), (800, 60), (1500, 35), (3000, 10) over 3000 mm
    Aufzeichner geraet(600, 300);
    Skizzenkontext kontext;
    {
        QPainter canvas(&geraet);
        LastPfeile(canvas, kontext, {0, 40, 300, 100}, 10, p.Anwendung());
    }
    // 60 kN/m is the whole height; 800 mm lie at 80 px.
    const auto laengen = Pfeillaengen(geraet.Liste);
    ASSERT_TRUE(laengen.count(80));
    EXPECT_DOUBLE_EQ(laengen.at(80), 60);
    ASSERT_TRUE(laengen.count(0));
    EXPECT_DOUBLE_EQ(laengen.at(0), 20);
    ASSERT_TRUE(laengen.count(300));
    EXPECT_DOUBLE_EQ(laengen.at(300), 10);
    // One line per segment of the profile.
    int linien = 0;
    for (const auto& a : geraet.Liste) {
        linien += a.art == Aufzeichnung::Art::Linie && a.rahmen.width() > 0;
    }
    EXPECT_EQ(linien, 3);
}

TEST(LastPfeileTest, PunktlastAmRandabstandMitDickemStiftDerWiederZurueckkommt) {
    Projekt p = test::Einzeldorn(); // edges 400 and 600 mm
    Aufzeichner geraet(600, 300);
    Skizzenkontext kontext(TKFarbe(), '.', 2);
    {
        QPainter canvas(&geraet);
        LastPfeile(canvas, kontext, {0, 0, 500, 100}, 12, p.Anwendung());
    }
    EXPECT_EQ(kontext.StiftFaktor(), 2);
    ASSERT_EQ(geraet.Anzahl(Aufzeichnung::Art::Linie), 1);
    const Aufzeichnung& schaft = geraet.Liste.front();
    EXPECT_EQ(schaft.rahmen.left(), 200);
    EXPECT_EQ(schaft.rahmen.bottom(), 97); // Bottom - the pen factor 3
    EXPECT_EQ(schaft.stiftBreite, 3);
}

TEST(SystemskizzenTest, GespiegelterSchnittIstDasSpiegelbild) {
    Projekt p = test::ReiheDecke();
    const Skizzenquelle quelle = EingabeQuelle(*p.Modell, p.Anwendung());
    const int W = 400;
    const auto zeichnen = [&](bool gespiegelt) {
        QImage bild(W, 300, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter canvas(&bild);
        Skizzenkontext kontext;
        TrDaten td = SkizzeVorbereiten(
            canvas, gespiegelt ? Skizzenrechteck{W, 0, 0, 300} : Skizzenrechteck{0, 0, W, 300},
            Skizzentyp::System, quelle);
        // Same origin, mirrored: the picture is then the mirror image about the middle.
        const int x0 = td.Zeile + (W / 2 - td.Zeile) / 2;
        td.X0 = gespiegelt ? W - x0 : x0;
        SchnittBeton(canvas, kontext, td);
        SchnittBewY(canvas, kontext, td);
        SchnittBewX(canvas, kontext, td);
        SchnittDorn(canvas, kontext, td);
        return bild;
    };
    const QImage normal = zeichnen(false);
    const QImage gespiegelt = zeichnen(true).mirrored(true, false);
    // Lines at a pixel's edge may move by one pixel when mirrored; everything else matches.
    int anders = 0;
    int gezeichnet = 0;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < W; ++x) {
            gezeichnet += normal.pixel(x, y) != qRgb(255, 255, 255);
            if (normal.pixel(x, y) == gespiegelt.pixel(x, y)) {
                continue;
            }
            const bool nachbar = (x > 0 && normal.pixel(x - 1, y) == gespiegelt.pixel(x, y)) ||
                                 (x + 1 < W && normal.pixel(x + 1, y) == gespiegelt.pixel(x, y));
            anders += !nachbar;
        }
    }
    EXPECT_GT(gezeichnet, 5000);
    EXPECT_LT(anders, gezeichnet / 100) << anders << " of " << gezeichnet;
}

TEST(SystemskizzenTest, ZweimalGezeichnetGibtDieselbenPixel) {
    Projekt projekte[] = {test::Einzeldorn(), test::ReiheDecke(10, 40), test::ReiheWand()};
    for (Projekt& p : projekte) {
        for (Art art : {Art::Eingabe, Art::System, Art::Last}) {
            EXPECT_EQ(Bild(art, p), Bild(art, p));
        }
    }
}

} // namespace
} // namespace trv
