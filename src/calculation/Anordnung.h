#pragma once

#include "calculation/Lastverteilung.h"

#include <cstddef>

namespace trv {

class TKAnwendung;
class TKBelastung;

// What the arrangement of one type found besides the values it wrote into the result.
struct TKAnordnung {
    TKVerteilung::Scheitern Grund = TKVerteilung::Scheitern::Keins;
    std::size_t PunkteAusserhalb = 0; // profile points beyond the joint
};

// The single connector of type typ between the member edges, loaded with the point load:
// edge distances, spacings, connector load, required areas and the width for the vertical
// bars. The result's resistance must already hold the provisional FRd.
TKAnordnung EinzeldornAnordnen(TKAnwendung& anwendung, int typ);

// A constant or linear line load; every other load case of a row is a load profile.
bool IstLinienlast(const TKBelastung& belastung);

// The total design load F_Sd,tot (kN) a row is designed for: a line load taken as the
// two-point profile of its ends over the joint of length laenge (mm), an arbitrary profile as
// stored. The connectors share it equally.
double GesamtlastReihe(const TKBelastung& belastung, double laenge);

// The row of type typ along the joint: number of connectors, spacings, edge distances,
// smallest spacing, load per connector, required areas and the width for the vertical bars.
// The result's FSdIst must hold the provisional FRd. The position's loading is not changed.
TKAnordnung ReiheVerteilen(TKAnwendung& anwendung, int typ);

} // namespace trv
