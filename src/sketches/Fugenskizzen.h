#pragma once

#include "sketches/Skizzenmodell.h"
#include "sketches/TrDaten.h"

class QPainter;

namespace trv {

class Skizzenkontext;
class TKAnwendung;

// The result sketches of a position's selected connector type with the reinforcement the
// calculation chose. Each fills its rectangle with the background colour and leaves the
// context's pen factor as it found it.

// Looking along the dowel at the joint face: the slab cut across, the bars and the connector.
void SkizzeAnsicht(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                   const TKAnwendung& anwendung);
// Looking down on the member above the joint face.
void SkizzeDraufsicht(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                      const TKAnwendung& anwendung);
// The vertical cut along the dowel.
void SkizzeSchnitt(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                   const TKAnwendung& anwendung);
// The joint seen from the front with every connector and its distances; mitLast adds the
// load strip above the joint.
void SkizzeReihe(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                 const TKAnwendung& anwendung, bool mitLast);
// The joint elevation with the load strip only.
void SkizzeLastprofil(QPainter& canvas, Skizzenkontext& kontext, const Skizzenrechteck& r,
                      const TKAnwendung& anwendung);

// Elements shared with the system sketch, drawn from the sketch state alone.

// The connector seen along the dowel, centred at the origin.
void AnsichtDorn(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td);
// The member in section, to the side of the joint face the sketch state points to.
void SchnittBeton(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td);
// The horizontal bars in section (circles).
void SchnittBewX(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td);
// The U-bars in section.
void SchnittBewY(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td);
// The dowel with the sleeve in section; bisZurFuge ends the dowel at the joint face instead
// of letting it reach across into the other member.
void SchnittDorn(QPainter& canvas, const Skizzenkontext& kontext, const TrDaten& td,
                 bool bisZurFuge = false);

} // namespace trv
