#pragma once

#include <QRect>

#include <cstdint>
#include <vector>

class QPainter;

namespace trv {

class TKDornDaten;
class TKGeometrie;

// Kinds of sketch; they choose the scale and the origin.
enum class Skizzentyp { Ansicht = 0, Draufsicht = 1, Schnitt = 2, Reihe = 3, System = 4 };

// What a sketch is drawn from: the catalog record of the connector (its reinforcement fields
// hold the calculated values) with the geometry it belongs to, and the values of the current
// position. The referenced objects must outlive the call.
struct Skizzenquelle {
    const TKDornDaten& Dorn;
    const TKGeometrie& Geometrie;
    double by = 0;                   // mm, region of the main reinforcement of the result
    std::vector<double> DornAbstand; // mm, edge distance, spacings, edge distance
    int AnzDorn = 1;                 // number of connectors of the result
    int Belastungsfall = 1;
    int LinienLast = 1;
    int Anwendungsfall = 0;
};

// The sketch state: scale, origin and every dimension in device pixels. Values marked
// "signed" carry the direction of the rectangle (negative when it is mirrored, Left > Right).
struct TrDaten {
    double Massstab = 0; // px per mm
    int Zeile = 0;       // px, height of "W" in Arial 12 pt: the unit of text offsets
    int Richtung = 1;    // +1, or -1 for a mirrored rectangle
    int X0 = 0, Y0 = 0;  // px, origin
    int pTiefe = 0;      // px, signed
    int pBreite = 0;
    int pDicke = 0;
    int pBreiteBewY = 0;
    int pDurchmesserBewX = 0, pDurchmesserBewY = 0;
    int AnzahlBewX = 0, AnzahlBewY = 0;
    int GruppeBewY = 1;
    int pGruppenversatz = 0;
    std::vector<int> pAbstaendeBewX; // signed
    std::vector<int> pAbstaendeBewY; // element 0 = 0
    std::vector<int> pDornAbstaende; // AnzDorn + 1 elements
    int pPlattenBreite = 0, pPlattenHoehe = 0;
    int pHuelsenLaenge = 0; // signed
    int pDornDurchmesser = 0;
    int pEinbindelaenge = 0; // signed
    int pOeffnungBreite = 0, pOeffnungHoehe = 0;
    int pHuelsenBreite = 0, pHuelsenHoehe = 0;
    int pBlechdicke = 0; // signed
    int pDeckungOben = 0, pDeckungUnten = 0;
    int pDeckungVorn = 0; // signed
    int pFugenbreite = 0;
    int pFugenlaenge = 0;
    bool RandLinks = false, RandRechts = false;
    int LinienLast = 1;
    int Anwendungsfall = 0;
};

// The sketch line height TH on the canvas: the height of "W" in Arial 12 pt, device pixels.
// The unit of the sketches' text offsets.
int SkizzenZeile(QPainter& canvas);

// Chooses scale and origin for the rectangle (links, oben) - (rechts, unten) and converts the
// source's dimensions to pixels. Leaves the canvas font at Arial 10 pt. A rectangle of zero
// width or height, or a source without size, gives scale 0 (a sketch that draws nothing
// visible) instead of a division by zero. bildpunkt: device pixels per screen pixel (see
// Skizzenkontext).
TrDaten SkizzeVorbereiten(QPainter& canvas, int links, int oben, int rechts, int unten,
                          Skizzentyp typ, const Skizzenquelle& quelle, double bildpunkt = 1.0);

} // namespace trv
