#pragma once

#include "model/Modell.h"

#include <filesystem>
#include <memory>
#include <string>

namespace trv::test {

// The calculated example projects of the test data folder, built and calculated in code.
// Each fills the model's first position (and the project description); the model must be new.
void EinzeldornProjekt(TKModell& modell);   // a single connector under a point load
void PlattePlatteProjekt(TKModell& modell); // a row slab to slab, constant line load
void PlatteWandProjekt(TKModell& modell);   // a row slab to wall, arbitrary load profile
// All three as positions 1..3, with texts in several languages and a schedule of two entries.
void DreiPositionenProjekt(TKModell& modell);

// A model with the built-in defaults (no INI file) and "." as decimal separator.
std::unique_ptr<TKModell> NeuesModell(char dezimaltrenner = '.');

// A fresh folder below the system's temporary folder, removed again by the destructor.
class TempOrdner {
public:
    TempOrdner();
    ~TempOrdner();
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    const std::filesystem::path& Pfad() const { return pfad_; }
    std::string Datei(const std::string& name) const { return (pfad_ / name).string(); }

private:
    std::filesystem::path pfad_;
};

std::string DateiInhalt(const std::string& pfad);
void DateiSchreiben(const std::string& pfad, const std::string& inhalt);

} // namespace trv::test
