#include "ui/main/Stuecklistenbefehl.h"

#include "schedule/Stuecklistenregeln.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <QCoreApplication>

namespace trv {

bool InStuecklisteAufnehmen(Projektzustand& zustand, Rueckfragen& fragen,
                            const QString& positionsnummer) {
    // The command is offered only while results are valid; an entry made from stale or
    // missing results would put a wrong number of connectors on the bill.
    if (!zustand.ErgebnisseGueltig()) {
        return false;
    }
    const bool ok = InStueckliste(zustand.Modell(), positionsnummer.toStdString(),
                                  [&fragen](const std::string& frage) {
                                      return fragen.JaNein(QString::fromStdString(frage));
                                  });
    if (!ok) {
        fragen.Meldung(QCoreApplication::translate(
            "Stuecklistenbefehl",
            "The connector schedule is full: the position could not be added."));
    }
    return ok;
}

} // namespace trv
