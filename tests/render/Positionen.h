#pragma once

// Calculated positions built in code for the sketch tests: one per application case.

#include "model/Modell.h"

#include <memory>

namespace trv::test {

// A project with one position, calculated. The preselected connector of the input sketches is
// the position's proposed type.
struct Projekt {
    std::unique_ptr<TKModell> Modell;
    TKAnwendung& Anwendung() { return Modell->AktuelleAnwendung(); }
};

// A single connector with a point load of last kN, both component edges set.
Projekt Einzeldorn(double last = 60);
// A row slab to slab under a constant or linear line load (kN/m at both ends).
Projekt ReiheDecke(double links = 30, double rechts = 30, double laenge = 2000);
// A row slab to wall under an arbitrary load profile.
Projekt ReiheWand();

// Runs the calculation on the position and takes its proposal as the preselected type.
void Berechnen(Projekt& p);

} // namespace trv::test
