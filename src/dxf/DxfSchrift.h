#pragma once

#include <string>

namespace trv::dxf {

// Measures of a TEXT as CAD programs set it in the drawing's text style "arial": Arial (or the
// metric-compatible Liberation Sans), its capitals as high as the text height. Lengths in
// drawing units.
struct TKDxfSchrift {
    // Advance width of the text (UTF-8); characters outside ASCII count as wide ones.
    static double Breite(const std::string& text, double hoehe, double breitenfaktor = 1.0);
    // Reach of the font above and below the base line.
    static double Oberlaenge(double hoehe);
    static double Unterlaenge(double hoehe);
};

} // namespace trv::dxf
