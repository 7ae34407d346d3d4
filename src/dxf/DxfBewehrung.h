#pragma once

#include "dxf/DxfBauteile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace trv {
class TKAnwendung;
}

namespace trv::dxf {

class DXF_Object;

// What the reinforcement drawing reads of a calculated position and its selected type, all
// lengths in mm. Taken once, checked once, so that the views never read past an array.
struct TKBewehrungsmasse {
    double d = 0;  // slab thickness
    double co = 0; // concrete covers: top, bottom, front
    double cu = 0;
    double cv = 0;
    double bx = 0; // regions of the secondary and the main reinforcement
    double by = 0;
    double PB = 0; // plate width and height
    double PH = 0;
    double HL = 0; // sleeve length
    double DD = 0; // dowel diameter
    double EL = 0; // embedment length
    double OB = 0; // opening width and height
    double OH = 0;
    double HB = 0; // sleeve width and height
    double HH = 0;
    double BD = 0; // plate thickness
    double BY = 0; // width of the y-bar zone
    int dx = 0;    // bar diameters
    int dy = 0;
    int nx = 0; // number of x-bars and of y-bars
    int ny = 0;
    int g = 1; // y-bar group count
    std::vector<double> Ax;
    std::vector<double> Ay;
    std::string DornName;

    // Position of x-bar k from the joint face; of y-bar pair j from the zone's edge.
    double Tx(int k) const;
    double Ty(int j) const;
    double Sx() const { return Tx(nx - 1); }
    int my() const { return ny / 2 - 1; }      // entries of Ay in use
    double R() const { return Ax.at(0) + bx; } // depth of the reinforcement region
};

// The measures of the position's selected type (AktDorn). Fails with a message when the
// position is not calculated or the type's reinforcement cannot be drawn.
bool BewehrungsmasseLesen(const TKAnwendung& anwendung, TKBewehrungsmasse& masse,
                          std::string& fehler);

// Builds the reinforcement drawing on layer "0": title, plan view, view onto the joint face
// and cut. Numbers in the dimension texts use the decimal separator given. Texts are 30 high,
// the title 45.
class TKBewehrungszeichnung {
public:
    TKBewehrungszeichnung(DXF_Object& zeichnung, const TKBewehrungsmasse& masse,
                          char dezimaltrenner);

    // The whole drawing in its usual arrangement.
    void Zeichnen();

    // The parts, each at its origin (X, Y).
    void Titel();
    void Draufsicht(double X, double Y);
    void Fugenansicht(double X, double Y);
    void Schnitt(double X, double Y);

    // Origins of the views in the whole drawing.
    double FugenansichtY() const;
    double SchnittX() const;
    double TitelX() const;

private:
    std::string Zahl(double wert) const;
    // Sleeve outline in the cut: two branches of 10 lines on an ellipse, closed at the end.
    void Ellipsenzug(double X, double Y, double a, double b, double schritt);

    const TKBewehrungsmasse& m_;
    TKDxfZeichner z_;
    char dezimaltrenner_;
};

// Builds the drawing of the position's selected type. nullptr with a message on failure.
std::unique_ptr<DXF_Object> DxfBewehrungErzeugen(const TKAnwendung& anwendung, char dezimaltrenner,
                                                 std::string& fehler);

// Builds the drawing and writes it as a DXF file. A failure leaves an existing file as it
// was and sets the message.
bool DxfBewehrungSpeichern(const TKAnwendung& anwendung, const std::filesystem::path& datei,
                           char dezimaltrenner, std::string& fehler);

} // namespace trv::dxf
