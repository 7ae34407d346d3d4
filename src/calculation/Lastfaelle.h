#pragma once

namespace trv {

class TKAnwendung;

// What choosing an application case or a load case does to a position; the input panel shows
// the result. Cases outside their range are ignored.

// 0 single connector: both component edges set, the point load chosen. 1 and 2 (rows): the
// edges cleared and, coming from the point load, the linearly varying line load chosen.
void AnwendungsfallSetzen(TKAnwendung& anwendung, int fall);

// 0 point load. 1 constant line load: both ends become the start's design value. 2 linearly
// varying: each end keeps its design value. 3 arbitrary: the profile's first point becomes
// (0, start value) and its last (effective joint length, end value). Setting a line load end
// to a design value clears its dead and imposed parts into the additional design load.
void BelastungsfallSetzen(TKAnwendung& anwendung, int fall);

// After the profile was edited: the line load ends take the loads of its first and last points.
void ProfilUebernehmen(TKAnwendung& anwendung);

} // namespace trv
