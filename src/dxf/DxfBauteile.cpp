#include "dxf/DxfBauteile.h"

#include "dxf/DxfEntitaeten.h"
#include "dxf/DxfSchrift.h"
#include "dxf/DxfZeichnung.h"
#include "model/Masskette.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace trv::dxf {

namespace {

constexpr Coord3D z_achse{0.0, 0.0, 1.0};
// The drawing's own value of pi for directions, so that angles come out as they always did.
constexpr double pi_richtung = 3.1415927;

Coord3D punkt(double x, double y) {
    return Coord3D{x, y, 0.0};
}

// Unit vector from (x1, y1) to (x2, y2); (0, 0) for a point.
struct Richtung {
    double ux = 0.0;
    double uy = 0.0;
};

Richtung Einheit(double x1, double x2, double y1, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double l = std::hypot(dx, dy);
    if (l == 0.0) {
        return {};
    }
    return Richtung{dx / l, dy / l};
}

} // namespace

double RichtungGrad(double x1, double x2, double y1, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (dy == 0.0 && dx >= 0.0) {
        return 0.0;
    }
    if (dx == 0.0) {
        return dy > 0.0 ? 90.0 : 270.0;
    }
    if (dy == 0.0) {
        return 180.0;
    }
    double a = std::atan2(dy, dx) * 180.0 / pi_richtung;
    if (a < 0.0) {
        a += 360.0;
    }
    return a >= 360.0 ? a - 360.0 : a;
}

TKDxfZeichner::TKDxfZeichner(DXF_Layer& ebene) : ebene_(ebene) {}

void TKDxfZeichner::LinieZeichnen(double x1, double x2, double y1, double y2, int farbe) {
    ebene_.add_entity(std::make_unique<Line_>(punkt(x1, y1), punkt(x2, y2), farbe));
}

void TKDxfZeichner::RechteckZeichnen(double x1, double x2, double y1, double y2, int farbe) {
    LinieZeichnen(x1, x2, y1, y1, farbe);
    LinieZeichnen(x2, x2, y1, y2, farbe);
    LinieZeichnen(x2, x1, y2, y2, farbe);
    LinieZeichnen(x1, x1, y2, y1, farbe);
}

void TKDxfZeichner::KreisZeichnen(double x, double y, double r, int farbe) {
    ebene_.add_entity(std::make_unique<Circle_>(z_achse, punkt(x, y), r, farbe));
}

void TKDxfZeichner::BogenZeichnen(double x, double y, double r, double anfangGrad, double endeGrad,
                                  int farbe) {
    ebene_.add_entity(std::make_unique<Arc_>(z_achse, punkt(x, y), r, anfangGrad, endeGrad, farbe));
}

void TKDxfZeichner::TextZeichnen(const std::string& text, double x, double y, double drehung,
                                 Ausrichtung ausrichtung, int farbe) {
    ebene_.add_entity(std::make_unique<Text_>(z_achse, punkt(x, y), punkt(x, y), stil_.TextHoehe,
                                              drehung, static_cast<int>(ausrichtung), farbe, text));
}

void TKDxfZeichner::StabZeichnen(Stabende anfang, Stabende ende, double durchmesser, double x1,
                                 double x2, double y1, double y2, int farbe) {
    const Richtung u = Einheit(x1, x2, y1, y2);
    const double t = durchmesser / 2.0;
    // Normal (uy, -ux): the right-hand side seen along the bar.
    const double nx = u.uy * t;
    const double ny = -u.ux * t;
    LinieZeichnen(x1 + nx, x2 + nx, y1 + ny, y2 + ny, farbe);
    LinieZeichnen(x1 - nx, x2 - nx, y1 - ny, y2 - ny, farbe);

    // Half circles bulge outwards: behind the start, beyond the end.
    double a = RichtungGrad(x1, x2, y1, y2) + 90.0;
    if (a >= 360.0) {
        a -= 360.0;
    }
    const double b = a < 180.0 ? a + 180.0 : a - 180.0;
    const auto endform = [&](Stabende art, double x, double y, bool amAnfang) {
        switch (art) {
        case Stabende::Offen:
            break;
        case Stabende::Flach:
            LinieZeichnen(x + nx, x - nx, y + ny, y - ny, farbe);
            break;
        case Stabende::Halbkreis:
            BogenZeichnen(x, y, t, amAnfang ? a : b, amAnfang ? b : a, farbe);
            break;
        case Stabende::Vollkreis:
            BogenZeichnen(x, y, t, 0.0, 360.0, farbe);
            break;
        }
    };
    endform(anfang, x1, y1, true);
    endform(ende, x2, y2, false);
}

void TKDxfZeichner::BiegungZeichnen(double innenradius, double durchmesser, double x1, double x2,
                                    double y1, double y2, int farbe) {
    double mx = 0.0;
    double my = 0.0;
    double von = 0.0;
    if (x1 > x2 && y1 > y2) {
        mx = x1, my = y2, von = 90.0;
    } else if (x1 > x2 && y1 < y2) {
        mx = x2, my = y1, von = 0.0;
    } else if (x1 < x2 && y1 > y2) {
        mx = x2, my = y1, von = 180.0;
    } else if (x1 < x2 && y1 < y2) {
        mx = x1, my = y2, von = 270.0;
    } else {
        return;
    }
    BogenZeichnen(mx, my, innenradius, von, von + 90.0, farbe);
    BogenZeichnen(mx, my, innenradius + durchmesser, von, von + 90.0, farbe);
}

void TKDxfZeichner::BuegelZeichnen(double xRuecken, double xEnde, double yOben, double yUnten,
                                   double innenradius, double durchmesser, int farbe) {
    const double k = innenradius + durchmesser / 2.0; // bend radius of the bar's axis
    const Stabende o = Stabende::Offen;
    StabZeichnen(o, o, durchmesser, xEnde, xRuecken + k, yOben, yOben, farbe);
    BiegungZeichnen(innenradius, durchmesser, xRuecken + k, xRuecken, yOben, yOben - k, farbe);
    StabZeichnen(o, o, durchmesser, xRuecken, xRuecken, yOben - k, yUnten + k, farbe);
    BiegungZeichnen(innenradius, durchmesser, xRuecken, xRuecken + k, yUnten + k, yUnten, farbe);
    StabZeichnen(o, o, durchmesser, xRuecken + k, xEnde, yUnten, yUnten, farbe);
}

void TKDxfZeichner::Endmarke(Massende art, double x, double y, double ix, double iy, int farbe) {
    const double e = stil_.Masshilfslinie;
    const auto querstrich = [&] {
        const double nx = iy * e / 2.0;
        const double ny = -ix * e / 2.0;
        LinieZeichnen(x + nx, x - nx, y + ny, y - ny, farbe);
    };
    const auto pfeil = [&] {
        const double bx = x + ix * stil_.PfeilLaenge;
        const double by = y + iy * stil_.PfeilLaenge;
        const double nx = iy * stil_.PfeilBreite / 2.0;
        const double ny = -ix * stil_.PfeilBreite / 2.0;
        LinieZeichnen(x, bx + nx, y, by + ny, farbe);
        LinieZeichnen(x, bx - nx, y, by - ny, farbe);
        LinieZeichnen(bx + nx, bx - nx, by + ny, by - ny, farbe);
    };
    switch (art) {
    case Massende::Ohne:
        break;
    case Massende::Pfeil:
        pfeil();
        break;
    case Massende::Querstrich:
        querstrich();
        break;
    case Massende::QuerstrichPfeil:
        querstrich();
        pfeil();
        break;
    case Massende::Schraegstrich: {
        querstrich();
        // The line direction turned by 45°; the same tick at both ends.
        const double wx = (ix - iy) * std::sqrt(0.5) * e / 4.0;
        const double wy = (ix + iy) * std::sqrt(0.5) * e / 4.0;
        LinieZeichnen(x - wx, x + wx, y - wy, y + wy, farbe);
        break;
    }
    }
}

void TKDxfZeichner::MasslinieZeichnen(Massende anfang, Massende ende, double x1, double x2,
                                      double y1, double y2, int farbe) {
    const Richtung u = Einheit(x1, x2, y1, y2);
    // Ticks read best when the line runs on a little past them.
    const double ueber = anfang == Massende::Schraegstrich ? stil_.Masshilfslinie / 4.0 : 0.0;
    LinieZeichnen(x1 - u.ux * ueber, x2 + u.ux * ueber, y1 - u.uy * ueber, y2 + u.uy * ueber,
                  farbe);
    Endmarke(anfang, x1, y1, u.ux, u.uy, farbe);
    Endmarke(ende, x2, y2, -u.ux, -u.uy, farbe);
}

void TKDxfZeichner::MassZeichnen(Massende anfang, Massende ende, double x1, double x2, double y1,
                                 double y2, double drehung, const std::string& text, int farbe) {
    MasslinieZeichnen(anfang, ende, x1, x2, y1, y2, farbe);
    const double abstand = stil_.TextHoehe / 5.0;
    Ausrichtung ausrichtung = Ausrichtung::Mitte;
    if (x1 != x2) {
        y1 += abstand;
        y2 += abstand;
    } else if (y1 >= y2) {
        x1 -= abstand;
        x2 -= abstand;
        ausrichtung = Ausrichtung::Rechts;
    } else {
        x1 += abstand;
        x2 += abstand;
        ausrichtung = Ausrichtung::Links;
    }
    ebene_.add_entity(std::make_unique<Text_>(
        z_achse, punkt(x1, y1), punkt((x1 + x2) / 2.0, (y1 + y2) / 2.0), stil_.TextHoehe, drehung,
        static_cast<int>(ausrichtung), farbe, text));
}

TKDxfZeichner::Kettenweite TKDxfZeichner::MasskettenZeichnen(const std::vector<double>& punkte,
                                                             double quer, bool senkrecht,
                                                             const std::vector<std::string>& texte,
                                                             bool ueberDieLinie, bool aussenAmEnde,
                                                             int farbe) {
    const auto s = Massende::Schraegstrich;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) {
        if (senkrecht) {
            MasslinieZeichnen(s, s, quer, quer, punkte[i], punkte[i + 1], farbe);
        } else {
            MasslinieZeichnen(s, s, punkte[i], punkte[i + 1], quer, quer, farbe);
        }
    }
    const double h = stil_.TextHoehe;
    Kettenvorgaben vorgaben;
    vorgaben.Breite = [h](const std::string& text) { return TKDxfSchrift::Breite(text, h); };
    vorgaben.Mal = [](std::size_t n, const std::string& text) {
        return std::to_string(n) + " x " + text;
    };
    vorgaben.Luecke = h / 5;
    vorgaben.AussenAmEnde = aussenAmEnde;
    const std::vector<Kettentext> lage = KettentexteAnordnen(punkte, texte, vorgaben);

    // Distances across the line, counted towards the text side; base lines of the rows.
    const double abstand = h / 5;
    const double ober = TKDxfSchrift::Oberlaenge(h);
    const double unter = TKDxfSchrift::Unterlaenge(h);
    const double teilung = ober + unter + abstand;
    const double strich = stil_.Masshilfslinie / 2; // the cross lines reach this far
    Kettenweite weite;
    for (const Kettentext& t : lage) {
        // A text over a run of equal dimensions stands above the cross lines inside the run.
        const double fuss = t.Letztes > t.Erstes ? strich + abstand : abstand;
        double grundlinie = fuss + t.Reihe * teilung;
        if (ueberDieLinie && t.Reihe > 0) {
            grundlinie = -(strich + abstand + ober + (t.Reihe - 1) * teilung);
            weite.Gegenseite = std::max(weite.Gegenseite, -grundlinie + unter);
        } else {
            weite.Textseite = std::max(weite.Textseite, grundlinie + ober);
        }
        // A vertical chain reads upwards with its letters towards -x.
        const Coord3D ort =
            senkrecht ? punkt(quer - grundlinie, t.Mitte) : punkt(t.Mitte, quer + grundlinie);
        ebene_.add_entity(std::make_unique<Text_>(z_achse, ort, ort, h, senkrecht ? 90.0 : 0.0,
                                                  static_cast<int>(Ausrichtung::Mitte), farbe,
                                                  t.Text));
    }
    return weite;
}

void TKDxfZeichner::BeschriftungZeichnen(const std::string& text, double x, double y,
                                         bool nachLinks, int farbe) {
    const double rand = stil_.TextHoehe / 2;
    const double breite = TKDxfSchrift::Breite(text, stil_.TextHoehe);
    const double ende = nachLinks ? x - breite - 2 * rand : x + breite + 2 * rand;
    LinieZeichnen(x, ende, y, y, farbe);
    // Justified at the leader's end, so that a reader's wider font runs away from it.
    TextZeichnen(text, nachLinks ? x - rand : x + rand, y + stil_.TextHoehe / 5, 0,
                 nachLinks ? Ausrichtung::Rechts : Ausrichtung::Links, farbe);
}

} // namespace trv::dxf
