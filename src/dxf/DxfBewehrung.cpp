#include "dxf/DxfBewehrung.h"

#include "calculation/Katalog.h"
#include "dxf/DxfZeichnung.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace trv::dxf {

namespace {

// Styles of the title and of everything else.
constexpr TKMassstil TitelStil{20, 7.5, 20, 45};
constexpr TKMassstil ZeichnungsStil{20, 7.5, 20, 30};

// Staggering and group distance of bars in a group.
constexpr double Gruppenabstand = 50;

bool Endlich(const TKBewehrungsmasse& m) {
    for (double v : {m.d, m.co, m.cu, m.cv, m.bx, m.by, m.PB, m.PH, m.HL, m.DD, m.EL, m.OB, m.OH,
                     m.HB, m.HH, m.BD, m.BY}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    for (const auto* feld : {&m.Ax, &m.Ay}) {
        for (double v : *feld) {
            if (!std::isfinite(v)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

double TKBewehrungsmasse::Tx(int k) const {
    double s = 0;
    for (int i = 0; i <= k; ++i) {
        s += Ax.at(static_cast<std::size_t>(i));
    }
    return s;
}

double TKBewehrungsmasse::Ty(int j) const {
    double s = 0;
    for (int i = 0; i <= j; ++i) {
        s += Ay.at(static_cast<std::size_t>(i));
    }
    return s;
}

bool BewehrungsmasseLesen(const TKAnwendung& anwendung, TKBewehrungsmasse& m, std::string& fehler) {
    const TKErgebnisse& e = anwendung.Ergebnisse();
    if (!e.Berechnet()) {
        fehler = Ressource(res::DxfNichtBerechnet);
        return false;
    }
    const int typ = DornTypBegrenzt(e.AktDorn()); // the results read it clamped as well
    const TKGeometrie& geo = anwendung.Geometrie();
    const TKDornErgebnis& de = e.DornErgebnis(typ);
    const TKDornDaten& dd = e.DornDaten(typ);
    m = TKBewehrungsmasse{};
    m.d = geo.PlatteDicke();
    m.co = geo.BetondeckungOben();
    m.cu = geo.BetondeckungUnten();
    m.cv = geo.BetondeckungVorn();
    m.bx = de.bx();
    m.by = de.by();
    m.PB = dd.PlattenBreite();
    m.PH = dd.PlattenHoehe();
    m.HL = dd.HuelsenLaenge();
    m.DD = dd.DornDurchmesser();
    m.EL = dd.Einbindelaenge();
    m.OB = dd.OeffnungBreite();
    m.OH = dd.OeffnungHoehe();
    m.HB = dd.HuelsenBreite();
    m.HH = dd.HuelsenHoehe();
    m.BD = dd.Blechdicke();
    m.BY = dd.BreiteBewY();
    m.dx = dd.DurchmesserBewX();
    m.dy = dd.DurchmesserBewY();
    m.nx = dd.AnzahlBewX();
    m.ny = dd.AnzahlBewY();
    m.g = dd.GruppeBewY();
    m.Ax = dd.AbstaendeBewX();
    m.Ay = dd.AbstaendeBewY();
    m.DornName = DornName(typ);
    // The views read Ax[0 .. nx-1] and Ay[0 .. ny/2-2]; a record edited by hand or read from
    // a damaged file must not make them read past the arrays.
    const bool stimmig = m.nx >= 1 && static_cast<std::size_t>(m.nx) <= m.Ax.size() && m.ny >= 2 &&
                         static_cast<std::size_t>(m.my()) <= m.Ay.size() && m.g >= 1 && m.g <= 10 &&
                         m.dx > 0 && m.dy > 0 && Endlich(m);
    if (!stimmig) {
        fehler = Ressource(res::DxfBewehrungUngueltig);
        return false;
    }
    return true;
}

TKBewehrungszeichnung::TKBewehrungszeichnung(DXF_Object& zeichnung, const TKBewehrungsmasse& masse,
                                             char dezimaltrenner)
    : m_(masse), z_(zeichnung.find_or_add_layer("0", true)), dezimaltrenner_(dezimaltrenner) {
    z_.SetStil(ZeichnungsStil);
}

std::string TKBewehrungszeichnung::Zahl(double wert) const {
    return ZahlAlsText(wert, "0", dezimaltrenner_);
}

double TKBewehrungszeichnung::FugenansichtY() const {
    return -m_.d - 2 * m_.EL;
}

double TKBewehrungszeichnung::SchnittX() const {
    return m_.by + 2 * m_.EL;
}

void TKBewehrungszeichnung::Zeichnen() {
    Titel();
    Draufsicht(0, 0);
    Fugenansicht(0, FugenansichtY());
    Schnitt(SchnittX(), FugenansichtY());
}

double TKBewehrungszeichnung::TitelX() const {
    // Right of the plan view; a wide region of main reinforcement (connectors far apart)
    // would otherwise put the title across the plan view's dimensions.
    return std::max(m_.d + 500, m_.by / 2 + 200);
}

void TKBewehrungszeichnung::Titel() {
    z_.SetStil(TitelStil);
    z_.TextZeichnen(Ressource(res::DxfTitel) + m_.DornName, TitelX(), 0, 0, Ausrichtung::Links);
    z_.SetStil(ZeichnungsStil);
}

void TKBewehrungszeichnung::Draufsicht(double X, double Y) {
    const TKBewehrungsmasse& m = m_;
    const double R = m.R();
    const double links = X - m.by / 2;
    const double rechts = X + m.by / 2;

    // Joint, and the boundary of the region drawn.
    z_.LinieZeichnen(links, rechts, Y, Y, FarbeBauteil);
    z_.LinieZeichnen(links, links, Y - 20, Y + R + 20, FarbeSchnitt);
    z_.LinieZeichnen(rechts, rechts, Y - 20, Y + R + 20, FarbeSchnitt);
    z_.LinieZeichnen(links - 20, rechts + 20, Y + R, Y + R, FarbeSchnitt);

    // Sleeve, its plate and the dowel.
    z_.RechteckZeichnen(X - m.PB / 2, X + m.PB / 2, Y + m.BD, Y + m.HL);
    z_.KreisZeichnen(X, Y + m.HL / 2, m.DD / 2);
    z_.RechteckZeichnen(X - m.HB / 2, X + m.HB / 2, Y, Y + m.BD);
    z_.StabZeichnen(Stabende::Flach, Stabende::Flach, m.DD, X, X, Y - m.EL, Y + m.EL);

    for (int k = 0; k < m.nx; ++k) {
        z_.StabZeichnen(Stabende::Offen, Stabende::Offen, m.dx, links, rechts, Y + m.Tx(k),
                        Y + m.Tx(k));
    }

    const auto yStab = [&](double x) {
        z_.StabZeichnen(Stabende::Halbkreis, Stabende::Offen, m.dy, x, x, Y + m.cv + m.dy / 2.0,
                        Y + R);
    };
    yStab(X - m.BY / 2);
    yStab(X + m.BY / 2);
    for (int j = 0; j < m.my(); ++j) {
        yStab(X - m.BY / 2 + m.Ty(j));
        yStab(X + m.BY / 2 - m.Ty(j));
    }

    // The label above the region's boundary: where the bars' region is deeper than the bars
    // reach, the y-bars would run through it.
    const double yLabel = std::max(Y + 2 * m.cv + m.Sx() + 100, Y + R + 50);
    z_.TextZeichnen(Ressource(res::DxfDraufsicht), links, yLabel + 75, 0, Ausrichtung::Links);
    const std::string label = Ressource(res::DxfObenUnten) + "2 x " + std::to_string(m.nx) +
                              " - T" + std::to_string(m.dx);
    const double xl = X - m.BY / 2 + (m.Ay.empty() ? 0.0 : m.Ay[0] / 2);
    z_.LinieZeichnen(xl, xl, Y + m.Ax[0], yLabel);
    z_.BeschriftungZeichnen(label, xl, yLabel);
    std::vector<double> punkte{Y};
    std::vector<std::string> texte;
    for (int k = 0; k < m.nx; ++k) {
        punkte.push_back(Y + m.Tx(k));
        texte.push_back(Zahl(m.Ax[static_cast<std::size_t>(k)]));
    }
    // Further rows of numbers to the right, away from the slab.
    z_.MasskettenZeichnen(punkte, rechts + 50, true, texte, true);
}

void TKBewehrungszeichnung::Fugenansicht(double X, double Y) {
    const TKBewehrungsmasse& m = m_;
    const double links = X - m.by / 2;
    const double rechts = X + m.by / 2;
    const double oben = Y + m.d / 2;
    const double unten = Y - m.d / 2;

    z_.LinieZeichnen(links, rechts, unten, unten, FarbeBauteil);
    z_.LinieZeichnen(links, rechts, oben, oben, FarbeBauteil);
    z_.LinieZeichnen(links, links, unten - 20, oben + 20, FarbeSchnitt);
    z_.LinieZeichnen(rechts, rechts, unten - 20, oben + 20, FarbeSchnitt);

    z_.RechteckZeichnen(X - m.PB / 2, X + m.PB / 2, Y - m.PH / 2, Y + m.PH / 2);
    z_.RechteckZeichnen(X - m.HB / 2, X + m.HB / 2, Y - m.HH / 2, Y + m.HH / 2);
    z_.RechteckZeichnen(X - m.OB / 2, X + m.OB / 2, Y - m.OH / 2, Y + m.OH / 2);
    z_.KreisZeichnen(X, Y, m.DD / 2);

    const auto xStab = [&](double y) {
        z_.StabZeichnen(Stabende::Offen, Stabende::Offen, m.dx, links, rechts, y, y);
    };
    xStab(oben - m.co - m.dy - m.dx / 2.0);
    xStab(unten + m.cu + m.dy + m.dx / 2.0);
    // Further layers only for bar groups, as in the cut.
    for (int k = 1; k < m.g; ++k) {
        xStab(oben - m.co - Gruppenabstand * k - m.dx);
        xStab(unten + m.cu + Gruppenabstand * k + m.dx);
    }

    // Legs of the U-bars, drawn with the x-bar diameter.
    const double yAnfang = unten + m.cu + m.dx / 2.0;
    const double yEnde = oben - m.co - m.dx / 2.0;
    const bool versetzt = m.g >= 2;
    const auto schenkelpaar = [&](double abstand, double anfang, double ende) {
        for (double x : {X - m.BY / 2 + abstand, X + m.BY / 2 - abstand}) {
            z_.StabZeichnen(Stabende::Halbkreis, Stabende::Halbkreis, m.dx, x, x, anfang, ende);
        }
    };
    schenkelpaar(0, yAnfang + (versetzt && m.ny % 4 == 0 ? Gruppenabstand : 0), yEnde);
    for (int j = 0; j < m.my(); ++j) {
        const bool gerade = j % 2 == 0;
        schenkelpaar(m.Ty(j), yAnfang + (versetzt && !gerade ? Gruppenabstand : 0),
                     yEnde - (versetzt && gerade ? Gruppenabstand : 0));
    }

    const auto s = Massende::Schraegstrich;
    z_.MassZeichnen(s, s, rechts + 50, rechts + 50, oben, unten, 90, Zahl(m.d));
    // The spacings of the pairs from both edges of the zone inwards; the two chains meet in
    // the middle, so no number moves past their inner ends.
    std::vector<double> linksPunkte{X - m.BY / 2};
    std::vector<double> rechtsPunkte{X + m.BY / 2};
    std::vector<std::string> texte;
    for (int j = 0; j < m.my(); ++j) {
        linksPunkte.push_back(X - m.BY / 2 + m.Ty(j));
        rechtsPunkte.push_back(X + m.BY / 2 - m.Ty(j));
        texte.push_back(Zahl(m.Ay[static_cast<std::size_t>(j)]));
    }
    const double kette = oben + 50;
    const double weite =
        std::max(z_.MasskettenZeichnen(linksPunkte, kette, false, texte, false, false).Textseite,
                 z_.MasskettenZeichnen(rechtsPunkte, kette, false, texte, false, false).Textseite);
    // The zone's width above the chain's numbers, its ticks clear of them.
    const double yBreite = kette + std::max(50.0, weite + 15);
    z_.MassZeichnen(s, s, X - m.BY / 2, X + m.BY / 2, yBreite, yBreite, 0, Zahl(m.BY));
    z_.TextZeichnen(Ressource(res::DxfAnsicht), links, yBreite + 75, 0, Ausrichtung::Links);
    const std::string label = Ressource(res::DxfVertikal) + std::to_string(m.ny) + " - T" +
                              std::to_string(m.dy) + Ressource(res::DxfBuegel);
    const double xl = X - m.BY / 2;
    z_.LinieZeichnen(xl, xl, Y - m.d / 4, unten - 100);
    // To the left, where nothing else stands: to the right the cut follows.
    z_.BeschriftungZeichnen(label, xl, unten - 100, true);
}

void TKBewehrungszeichnung::Ellipsenzug(double X, double Y, double a, double b, double schritt) {
    const double mitte = X + m_.HL / 2;
    const auto s = [&](int i) { return m_.BD - m_.HL / 2 + i * schritt; };
    const auto h = [&](int i) {
        const double q = 1 - s(i) * s(i) / (a * a);
        return q > 0 ? b * std::sqrt(q) : 0.0;
    };
    for (int i = 0; i < 10; ++i) {
        z_.LinieZeichnen(mitte + s(i), mitte + s(i + 1), Y + h(i), Y + h(i + 1));
        z_.LinieZeichnen(mitte + s(i), mitte + s(i + 1), Y - h(i), Y - h(i + 1));
    }
    z_.LinieZeichnen(mitte + s(10), mitte + s(10), Y + h(10), Y - h(10));
}

void TKBewehrungszeichnung::Schnitt(double X, double Y) {
    const TKBewehrungsmasse& m = m_;
    const double R = m.R();
    const double oben = Y + m.d / 2;
    const double unten = Y - m.d / 2;

    z_.LinieZeichnen(X, X + R, unten, unten, FarbeBauteil);
    z_.LinieZeichnen(X, X + R, oben, oben, FarbeBauteil);
    z_.LinieZeichnen(X, X, unten, oben, FarbeBauteil);
    z_.LinieZeichnen(X + R, X + R, unten - 20, oben + 20, FarbeSchnitt);

    z_.RechteckZeichnen(X, X + m.BD, Y - m.HH / 2, Y + m.HH / 2);
    const double aussen = 2 * m.HL / 3;
    Ellipsenzug(X, Y, aussen, m.PH / 2, (m.HL - m.BD) / 10);
    Ellipsenzug(X, Y, aussen - m.BD, m.PH / 2 - m.BD, (m.HL - 2 * m.BD) / 10);
    z_.StabZeichnen(Stabende::Flach, Stabende::Flach, m.DD, X - m.EL, X + m.EL, Y, Y);

    const double yOben = oben - m.co - m.dy - m.dx / 2.0;
    const double yUnten = unten + m.cu + m.dy + m.dx / 2.0;
    for (int k = 0; k < m.nx; ++k) {
        const double x = X + m.Tx(k);
        for (int g = 0; g < m.g; ++g) {
            z_.KreisZeichnen(x, yOben - Gruppenabstand * g, m.dx / 2.0);
            z_.KreisZeichnen(x, yUnten + Gruppenabstand * g, m.dx / 2.0);
        }
    }

    const double xRuecken = X + m.cv + m.dx / 2.0;
    const double bOben = oben - m.co - m.dx / 2.0;
    const double bUnten = unten + m.cu + m.dx / 2.0;
    if (m.g >= 2) {
        z_.BuegelZeichnen(xRuecken, X + R, bOben, bUnten + Gruppenabstand, 2.0 * m.dy, m.dy);
        z_.BuegelZeichnen(xRuecken, X + R, bOben - Gruppenabstand, bUnten, 2.0 * m.dy, m.dy);
    } else {
        z_.BuegelZeichnen(xRuecken, X + R, bOben, bUnten, 2.0 * m.dy, m.dy);
    }

    const auto s = Massende::Schraegstrich;
    z_.TextZeichnen(Ressource(res::DxfSchnitt), X - m.EL, oben + 175, 0, Ausrichtung::Links);
    std::vector<double> punkte{X};
    std::vector<std::string> texte;
    for (int k = 0; k < m.nx; ++k) {
        punkte.push_back(X + m.Tx(k));
        texte.push_back(Zahl(m.Ax[static_cast<std::size_t>(k)]));
    }
    // Further rows of numbers below the line, away from the slab.
    z_.MasskettenZeichnen(punkte, unten - 100, false, texte, true);
    z_.MassZeichnen(s, s, X, X + m.Sx(), oben + 50, oben + 50, 0, Zahl(m.Sx()));
    z_.MassZeichnen(s, s, X - 1.1 * m.EL, X - 1.1 * m.EL, oben, unten, 90, Zahl(m.d));

    for (int k = 0; k < m.nx; ++k) {
        const double x = X + m.Tx(k);
        const double ziel = x + m.Ax[static_cast<std::size_t>(k)] / 2;
        z_.LinieZeichnen(x, ziel, yOben, Y + m.PH / 2);
        z_.LinieZeichnen(x, ziel, yUnten, Y - m.PH / 2);
    }
    const double xe = X + m.Tx(m.nx - 1) + m.Ax[static_cast<std::size_t>(m.nx - 1)] / 2;
    z_.LinieZeichnen(X + 1.5 * m.Ax[0], xe, Y + m.PH / 2, Y + m.PH / 2);
    z_.LinieZeichnen(X + 1.5 * m.Ax[0], xe, Y - m.PH / 2, Y - m.PH / 2);
    // The labels stand beyond the end line of the cut, their leaders run on out to them.
    const double xs = std::max(xe, X + R);
    const std::string staebe = std::to_string(m.nx) + " - T" + std::to_string(m.dx);
    for (const auto& [text, y] : {std::pair{Ressource(res::DxfOben) + staebe, Y + m.PH / 2},
                                  std::pair{Ressource(res::DxfUnten) + staebe, Y - m.PH / 2}}) {
        if (xs > xe) {
            z_.LinieZeichnen(xe, xs, y, y);
        }
        z_.BeschriftungZeichnen(text, xs, y);
    }
}

std::unique_ptr<DXF_Object> DxfBewehrungErzeugen(const TKAnwendung& anwendung, char dezimaltrenner,
                                                 std::string& fehler) {
    TKBewehrungsmasse masse;
    if (!BewehrungsmasseLesen(anwendung, masse, fehler)) {
        return nullptr;
    }
    auto zeichnung = std::make_unique<DXF_Object>(masse.DornName);
    TKBewehrungszeichnung(*zeichnung, masse, dezimaltrenner).Zeichnen();
    return zeichnung;
}

bool DxfBewehrungSpeichern(const TKAnwendung& anwendung, const std::filesystem::path& datei,
                           char dezimaltrenner, std::string& fehler) {
    const auto zeichnung = DxfBewehrungErzeugen(anwendung, dezimaltrenner, fehler);
    return zeichnung && zeichnung->save_as(datei, fehler);
}

} // namespace trv::dxf
