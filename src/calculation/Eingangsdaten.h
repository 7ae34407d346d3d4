#pragma once

#include "calculation/Bewehrung.h"
#include "calculation/Nachweise.h"

namespace trv {

class TKAnwendung;

// The inputs of the checks of type typ, read from the position, its working geometry, the
// type's catalog record and its result as they stand at the moment of the call.
TKWiderstandsDaten WiderstandsDatenAus(const TKAnwendung& anwendung, int typ);
TKBewehrungsDaten BewehrungsDatenAus(const TKAnwendung& anwendung, int typ);
TKStatusDaten StatusDatenAus(const TKAnwendung& anwendung, int typ);

} // namespace trv
