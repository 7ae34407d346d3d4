#pragma once

#include "cli/Kommandozeile.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace trv {
class TKModell;
}

namespace trv::cli {

// Opens IN.TRV into a new model (regional settings of this system; the INI file read once
// into memory and never written).
// On failure prints the program's messages to err and returns nullptr; the caller exits with
// ExitDatei. Warnings of a file that was read (an old version) go to err as well.
std::unique_ptr<TKModell> ProjektOeffnen(const std::string& pfad, std::ostream& err);

// The position of --position N (1-based, must be <= AnzAnwendung) or the model's AktAnwendung.
// nullopt after a usage message on err (caller exits ExitAufruf).
std::optional<int> GewaehltePosition(const Argumente& args, const TKModell& modell,
                                     std::ostream& err);

} // namespace trv::cli
