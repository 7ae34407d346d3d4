#include "ui/start/Sprachwahl.h"

#include "files/Einstellungen.h"
#include "platform/Sprachmodule.h"
#include "ui/main/Rueckfragen.h"

#include <QCoreApplication>

#include <utility>

namespace trv {

namespace {

// The button whose marker a language identifier shows; Spanish in both its identifiers.
int MarkerFuer(int kennung) {
    namespace s = plattform::sprache;
    switch (kennung) {
    case s::Deutsch:
    case s::Englisch:
    case s::Franzoesisch:
    case s::Italienisch:
    case s::Niederlaendisch:
    case s::Spanisch:
        return kennung;
    case 3082:
        return s::Spanisch;
    default:
        return 0;
    }
}

} // namespace

Sprachwahl::Sprachwahl(plattform::Sprachmodule& module, TKIniDatei ini, int systemSprache,
                       Rueckfragen& fragen)
    : module_(module), ini_(std::move(ini)), systemSprache_(systemSprache), fragen_(fragen),
      sprachDateien_(module.AnzahlDateien()) {}

void Sprachwahl::Beginnen() {
    const int gespeichert = static_cast<int>(LeseInt(ini_, einstellung::IDSprache, systemSprache_));
    if (module_.SpracheLaden(gespeichert)) {
        Waehlen(gespeichert);
    } else {
        marker_ = plattform::sprache::Englisch;
    }
}

void Sprachwahl::Waehlen(int kennung) {
    if (kennung == plattform::sprache::Englisch && sprachDateien_ == 0) {
        marker_ = kennung;
        return;
    }
    if (module_.SpracheLaden(kennung)) {
        marker_ = MarkerFuer(kennung);
    } else {
        // The marker stays with the language whose texts are still shown.
        fragen_.Meldung(
            QCoreApplication::translate("TfrmSplash", "Selected language not available!"));
    }
    // Stored even when the module is missing, so that the next start tries it again.
    SchreibeInt(ini_, einstellung::IDSprache, kennung);
}

} // namespace trv
