#pragma once

#include <string>
#include <vector>

namespace trv::dxf {

class DXF_Layer;

// Sizes of dimension marks and texts, in drawing units (mm).
struct TKMassstil {
    double Masshilfslinie = 20; // length of the cross line at a dimension's end
    double PfeilBreite = 7.5;
    double PfeilLaenge = 20;
    double TextHoehe = 5;
};

// Colour numbers of the reinforcement drawing.
inline constexpr int FarbeStandard = 7;
inline constexpr int FarbeBauteil = 5; // slab faces and the joint
inline constexpr int FarbeSchnitt = 4; // cut and boundary lines

// End shapes of a bar.
enum class Stabende { Offen = 0, Flach = 1, Halbkreis = 2, Vollkreis = 3 };

// End marks of a dimension line.
enum class Massende { Ohne = 0, Pfeil = 1, Querstrich = 2, QuerstrichPfeil = 3, Schraegstrich = 4 };

// Horizontal justification of a text, as written to DXF.
enum class Ausrichtung { Links = 0, Mitte = 1, Rechts = 2 };

// Draws the parts of a reinforcement drawing (lines, bars, bends, U-bars, dimensions) as
// entities of one layer. Points are (x, y) with z = 0; the argument order x1, x2, y1, y2 is
// kept throughout so that a call reads like the drawing's coordinate table.
class TKDxfZeichner {
public:
    explicit TKDxfZeichner(DXF_Layer& ebene);

    const TKMassstil& Stil() const { return stil_; }
    void SetStil(const TKMassstil& stil) { stil_ = stil; }

    void LinieZeichnen(double x1, double x2, double y1, double y2, int farbe = FarbeStandard);
    void RechteckZeichnen(double x1, double x2, double y1, double y2, int farbe = FarbeStandard);
    void KreisZeichnen(double x, double y, double r, int farbe = FarbeStandard);
    void TextZeichnen(const std::string& text, double x, double y, double drehung,
                      Ausrichtung ausrichtung, int farbe = FarbeStandard);
    void BogenZeichnen(double x, double y, double r, double anfangGrad, double endeGrad,
                       int farbe = FarbeStandard);

    // A bar of the diameter from (x1, y1) to (x2, y2): its two sides and the end shapes.
    void StabZeichnen(Stabende anfang, Stabende ende, double durchmesser, double x1, double x2,
                      double y1, double y2, int farbe = FarbeStandard);
    // A 90° bend between the corner points (x1, y1) and (x2, y2): two concentric quarter arcs
    // of the inner radius and of the inner radius + diameter. Corner points on one axis
    // line give no bend.
    void BiegungZeichnen(double innenradius, double durchmesser, double x1, double x2, double y1,
                         double y2, int farbe = FarbeStandard);
    // A U-bar with its back at x = xRuecken, the legs ending at xEnde (> xRuecken), the top
    // leg at yOben and the bottom leg at yUnten; open ends.
    void BuegelZeichnen(double xRuecken, double xEnde, double yOben, double yUnten,
                        double innenradius, double durchmesser, int farbe = FarbeStandard);
    void MasslinieZeichnen(Massende anfang, Massende ende, double x1, double x2, double y1,
                           double y2, int farbe = FarbeStandard);
    // A dimension line with its text beside it (above a horizontal one, left or right of a
    // vertical one).
    void MassZeichnen(Massende anfang, Massende ende, double x1, double x2, double y1, double y2,
                      double drehung, const std::string& text, int farbe = FarbeStandard);

    // How far the texts of a chain reach from its line, across it: on the text side and on
    // the other side (0 where none stands).
    struct Kettenweite {
        double Textseite = 0;
        double Gegenseite = 0;
    };
    // A chain of dimensions with 45° ticks through the points, along x at y = quer or, when
    // senkrecht, along y at x = quer. Texts stand above a horizontal chain and left of a
    // vertical one (reading upwards), none on another or under a tick: numbers that do not
    // fit are laid out as KettentexteAnordnen says, their further rows on the text side or,
    // with ueberDieLinie, beyond the line; past the last point only when aussenAmEnde.
    Kettenweite MasskettenZeichnen(const std::vector<double>& punkte, double quer, bool senkrecht,
                                   const std::vector<std::string>& texte, bool ueberDieLinie,
                                   bool aussenAmEnde = true, int farbe = FarbeStandard);
    // A label on a short underline that starts at (x, y) and runs to the right (or to the
    // left) as far as the text needs; a leader ending at (x, y) meets the line, not the
    // letters.
    void BeschriftungZeichnen(const std::string& text, double x, double y, bool nachLinks = false,
                              int farbe = FarbeStandard);

private:
    // The mark at the end point (x, y); (ix, iy) is the unit vector from there into the line.
    void Endmarke(Massende art, double x, double y, double ix, double iy, int farbe);

    DXF_Layer& ebene_;
    TKMassstil stil_;
};

// Direction from (x1, y1) to (x2, y2) in degrees, 0 <= a < 360; axis-parallel directions
// exactly 0, 90, 180 or 270.
double RichtungGrad(double x1, double x2, double y1, double y2);

} // namespace trv::dxf
