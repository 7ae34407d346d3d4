#pragma once

#include "files/IniDatei.h"

namespace trv {

namespace plattform {
class Sprachmodule;
}
class Rueckfragen;

// What the start window's language buttons do: the stored language activated at creation, a
// click switching the language, the marker of the active language and the choice remembered in
// the INI file. Kept apart from the window so that tests drive it without clicking.
class Sprachwahl {
public:
    // systemSprache: the language identifier of the regional settings, used when the INI file
    // names none.
    Sprachwahl(plattform::Sprachmodule& module, TKIniDatei ini, int systemSprache,
               Rueckfragen& fragen);

    // The creation step: activates the stored language, silently; English when it has no module.
    void Beginnen();

    // A click on a language button (also run by Beginnen for a stored language that loads).
    void Waehlen(int kennung);

    // The identifier whose marker is shown (one of the six buttons'), 0 for none.
    int Marker() const { return marker_; }

    // How many of the six modules existed when the start window was created.
    int SprachDateien() const { return sprachDateien_; }

private:
    plattform::Sprachmodule& module_;
    TKIniDatei ini_;
    int systemSprache_;
    Rueckfragen& fragen_;
    int sprachDateien_;
    int marker_ = 0;
};

} // namespace trv
