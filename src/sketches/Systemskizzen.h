#pragma once

#include "sketches/Skizzenmodell.h"

class QPainter;

namespace trv {

class Skizzenkontext;
class TKAnwendung;
class TKModell;

// The schematic sketches of input mode. Their proportions come from the project's
// preselected connector type and project-level geometry; the application case, load case and
// loads from the position. Each leaves the context's pen factor as it found it.

// The system sketch in the upper half and the load sketch in the lower half, on the
// background colour.
void SkizzeEingabe(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                   const TKModell& modell, const TKAnwendung& anwendung, int anwendungsfall,
                   int belastungsfall);
// A vertical section through the joint with both members, the connector of quelle, the
// reinforcement and the symbols of the input values. Does not fill the background.
void SkizzeSystem(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                  const Skizzenquelle& quelle, int anwendungsfall, int belastungsfall);
// The member from the front with the connector symbols and the load of the load case. Does
// not fill the background.
void SkizzeLast(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                const Skizzenquelle& quelle, const TKAnwendung& anwendung, int anwendungsfall,
                int belastungsfall);
// The loads of the position's load case to scale, as arrows every zeile pixels pointing down
// onto the bottom of the rectangle (zeile: the sketch line height).
void LastPfeile(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r, int zeile,
                const TKAnwendung& anwendung);

} // namespace trv
