#pragma once

#include <QString>

namespace trv {

class Projektzustand;
class Rueckfragen;

// "Add to Connector Schedule": the selected connector type of the current position becomes an
// entry of the project's schedule. positionsnummer is the text of the main window's position
// selector; an entry already recorded under that number is replaced when the user answers Yes
// to the overwrite question (each such entry is offered in turn), otherwise the new entry is
// appended. Without valid results nothing happens. True when the schedule changed.
bool InStuecklisteAufnehmen(Projektzustand& zustand, Rueckfragen& fragen,
                            const QString& positionsnummer);

} // namespace trv
