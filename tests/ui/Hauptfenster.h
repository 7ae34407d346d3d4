#pragma once

#include "Testrueckfragen.h"
#include "ui/main/Eingabe.h"

#include <QString>

#include <memory>

namespace trv::test {

// Path of an example project of the repository.
QString Beispiel(const char* name);

// A main window with scripted answers, built-in settings (no INI file) and a real size, shown
// offscreen; the command line is given.
struct Hauptfenster {
    explicit Hauptfenster(QStringList argumente = {}, TKRegional regional = TKRegional::Standard());
    ~Hauptfenster();

    TfrmHauptMaske& operator*() { return *fenster; }
    TfrmHauptMaske* operator->() { return fenster.get(); }

    Testrueckfragen fragen;
    std::unique_ptr<TfrmHauptMaske> fenster;
};

} // namespace trv::test
