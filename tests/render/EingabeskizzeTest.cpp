// The input sketch at the main window's usual sizes cut off the joint length dimension and
// the right load label and ran the wall of the slab-to-wall case into the load arrows.
// Everything drawn must stay inside the sketch's rectangle, the system sketch in the upper
// half and the load sketch in the lower one, and no two texts may lie on each other.

#include "sketches/Systemskizzen.h"

#include "Aufzeichner.h"
#include "Positionen.h"
#include "model/Modell.h"
#include "sketches/Skizzenkontext.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;
using test::Projekt;

struct Fall {
    std::string Name;
    Projekt P;
};

// Every application case with each kind of load the input sketch draws.
std::vector<Fall> Faelle() {
    std::vector<Fall> faelle;
    faelle.push_back({"single connector, point load", test::Einzeldorn()});
    faelle.push_back({"slab to slab, constant load", test::ReiheDecke(30, 30)});
    faelle.push_back({"slab to slab, rising load", test::ReiheDecke(20, 80)});
    faelle.push_back({"slab to slab, falling load", test::ReiheDecke(80, 20)});
    Projekt raender = test::ReiheDecke(20, 80, 3000);
    TKGeometrie& g = raender.Anwendung().Geometrie();
    g.SetRandLinks(true);
    g.SetRandRechts(true);
    g.SetBauteilRandLinks(1400);
    g.SetBauteilRandRechts(1600);
    test::Berechnen(raender);
    faelle.push_back({"slab to slab, rising load, both edges given", std::move(raender)});
    faelle.push_back({"slab to wall, load profile", test::ReiheWand()});
    Projekt wand = test::ReiheWand();
    TKBelastung& b = wand.Anwendung().BelastungDesign();
    b.SetBelastungsfall(2);
    b.LinienLastLinks().SetFd(21);
    b.LinienLastRechts().SetFd(84);
    b.LinienLastBestimmen();
    test::Berechnen(wand);
    faelle.push_back({"slab to wall, rising load", std::move(wand)});
    return faelle;
}

enum class Teil { Eingabe, System, Last };

std::vector<Aufzeichnung> Aufzeichnen(Projekt& p, Teil teil, const Skizzenrechteck& r,
                                      QSize groesse) {
    Aufzeichner geraet(groesse.width(), groesse.height());
    Skizzenkontext kontext;
    {
        QPainter canvas(&geraet);
        const TKAnwendung& a = p.Anwendung();
        const int fall = a.Anwendungsfall();
        const int last = a.BelastungDesign().Belastungsfall();
        switch (teil) {
        case Teil::Eingabe:
            SkizzeEingabe(canvas, kontext, r, *p.Modell, a, fall, last);
            break;
        case Teil::System:
            SkizzeSystem(canvas, kontext, r, EingabeQuelle(*p.Modell, a), fall, last);
            break;
        case Teil::Last:
            SkizzeLast(canvas, kontext, r, EingabeQuelle(*p.Modell, a), a, fall, last);
            break;
        }
    }
    return geraet.Liste;
}

// Names every record (with its pen's reach) that leaves the rectangle.
std::vector<std::string> Draussen(const std::vector<Aufzeichnung>& liste,
                                  const Skizzenrechteck& r) {
    const QRectF rahmen(QPointF(r.Links, r.Oben), QPointF(r.Rechts, r.Unten));
    std::vector<std::string> draussen;
    for (const Aufzeichnung& a : liste) {
        const QRectF b = a.MitStift();
        if (b.left() < rahmen.left() - 0.5 || b.top() < rahmen.top() - 0.5 ||
            b.right() > rahmen.right() + 0.5 || b.bottom() > rahmen.bottom() + 0.5) {
            draussen.push_back((a.art == Aufzeichnung::Art::Text
                                    ? "text '" + a.text.toStdString() + "'"
                                    : "shape " + std::to_string(static_cast<int>(a.art))) +
                               " at " + std::to_string(b.left()) + "," + std::to_string(b.top()) +
                               " - " + std::to_string(b.right()) + "," +
                               std::to_string(b.bottom()));
        }
    }
    return draussen;
}

// Pairs of texts whose boxes overlap.
std::vector<std::string> Ueberlappungen(const std::vector<Aufzeichnung>& liste) {
    std::vector<const Aufzeichnung*> texte;
    for (const Aufzeichnung& a : liste) {
        if (a.art == Aufzeichnung::Art::Text && !a.text.trimmed().isEmpty()) {
            texte.push_back(&a);
        }
    }
    std::vector<std::string> paare;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        for (std::size_t j = i + 1; j < texte.size(); ++j) {
            const QRectF schnitt = texte[i]->rahmen.intersected(texte[j]->rahmen);
            if (schnitt.width() > 0.5 && schnitt.height() > 0.5) {
                paare.push_back("'" + texte[i]->text.toStdString() + "' and '" +
                                texte[j]->text.toStdString() + "'");
            }
        }
    }
    return paare;
}

TEST(Eingabeskizze, BleibtInIhremRechteckUndDieHaelftenBeruehrenSichNicht) {
    std::vector<Fall> faelle = Faelle();
    for (const QSize groesse : {QSize(800, 600), QSize(640, 480), QSize(500, 400)}) {
        const Skizzenrechteck ganz{0, 0, groesse.width(), groesse.height()};
        const int mitte = groesse.height() / 2;
        const Skizzenrechteck oben{0, 0, groesse.width(), mitte};
        const Skizzenrechteck unten{0, mitte, groesse.width(), groesse.height()};
        for (Fall& f : faelle) {
            SCOPED_TRACE(f.Name + " at " + std::to_string(groesse.width()) + " x " +
                         std::to_string(groesse.height()));
            const auto eingabe = Aufzeichnen(f.P, Teil::Eingabe, ganz, groesse);
            EXPECT_GT(eingabe.size(), 40u);
            EXPECT_EQ(Draussen(eingabe, ganz), std::vector<std::string>{});
            EXPECT_EQ(Ueberlappungen(eingabe), std::vector<std::string>{});
            // The wall of the system sketch stays out of the load strip below it.
            EXPECT_EQ(Draussen(Aufzeichnen(f.P, Teil::System, oben, groesse), oben),
                      std::vector<std::string>{});
            EXPECT_EQ(Draussen(Aufzeichnen(f.P, Teil::Last, unten, groesse), unten),
                      std::vector<std::string>{});
        }
    }
}

} // namespace
} // namespace trv
