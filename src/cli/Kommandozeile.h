#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace trv::cli {

// Exit codes of trv-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFehler =
    1; // the job itself failed (e.g. an output file could not be written)
inline constexpr int ExitDatei = 2;   // input file missing or unreadable
inline constexpr int ExitAufruf = 64; // usage error

// The parsed arguments of one subcommand: positional arguments and options.
// Options are declared by the subcommand; anything undeclared is a usage error.
class Argumente {
public:
    struct Option {
        std::string Name;     // "-o", "--position"
        bool MitWert = false; // takes the next argument as its value
    };

    // Parses args (without program and subcommand name). Returns false and sets Fehler()
    // on an unknown option or a missing value.
    bool Parsen(const std::vector<std::string>& args, const std::vector<Option>& optionen);

    const std::vector<std::string>& Positionen() const { return positionen_; }
    bool Hat(const std::string& name) const { return werte_.count(name) > 0; }
    std::optional<std::string> Wert(const std::string& name) const;
    const std::string& Fehler() const { return fehler_; }

private:
    std::vector<std::string> positionen_;
    std::map<std::string, std::string> werte_;
    std::string fehler_;
};

// One subcommand of trv-cli.
struct Unterbefehl {
    std::string Name;
    std::string Aufruf;       // usage line after "trv-cli "
    std::string Beschreibung; // one line for the overview
    std::vector<Argumente::Option> Optionen;
    // Runs the command; out/err are standard output and error.
    std::function<int(const Argumente&, std::ostream& out, std::ostream& err)> Ausfuehren;
};

// All subcommands, in the order of the help text. Each subcommand file adds its entry here.
std::vector<Unterbefehl> AlleUnterbefehle();

// Parses a positive integer (for --position, --size parts); nullopt on anything else.
std::optional<int> PositiveZahl(const std::string& text);

} // namespace trv::cli
