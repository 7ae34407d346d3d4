#include "cli/Kommandozeile.h"
#include "cli/Sprache.h"

#include "Programmversion.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void Uebersicht(std::ostream& out, const std::vector<trv::cli::Unterbefehl>& befehle) {
    out << "usage: trv-cli <command> [options]\n\ncommands:\n";
    for (const auto& b : befehle) {
        out << "  " << b.Aufruf << "\n      " << b.Beschreibung << "\n";
    }
    out << "\n'trv-cli <command> --help' shows the usage of one command; 'trv-cli --version' "
           "the version.\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace trv::cli;
    const std::vector<Unterbefehl> befehle = AlleUnterbefehle();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        Uebersicht(std::cerr, befehle);
        return ExitAufruf;
    }
    if (args[0] == "--version") {
        std::cout << "trv-cli " << TRV_PROGRAMMVERSION << "\n";
        return ExitOk;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        Uebersicht(std::cout, befehle);
        return ExitOk;
    }
    for (const auto& b : befehle) {
        if (b.Name != args[0]) {
            continue;
        }
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& a : rest) {
            if (a == "--help" || a == "-h") {
                std::cout << "usage: trv-cli " << b.Aufruf << "\n" << b.Beschreibung << "\n";
                return ExitOk;
            }
        }
        Argumente parsed;
        if (!parsed.Parsen(rest, b.Optionen)) {
            std::cerr << "trv-cli " << b.Name << ": " << parsed.Fehler() << "\nusage: trv-cli "
                      << b.Aufruf << "\n";
            return ExitAufruf;
        }
        std::shared_ptr<QTranslator> sprache;
        if (const std::optional<std::string> kuerzel = parsed.Wert("--language")) {
            int code = ExitOk;
            sprache = SpracheLaden(*kuerzel, std::cerr, code);
            if (!sprache) {
                return code;
            }
        }
        try {
            return b.Ausfuehren(parsed, std::cout, std::cerr);
        } catch (const std::exception& e) {
            std::cerr << "trv-cli " << b.Name << ": " << e.what() << "\n";
            return ExitFehler;
        }
    }
    std::cerr << "trv-cli: unknown command '" << args[0] << "'\n";
    Uebersicht(std::cerr, befehle);
    return ExitAufruf;
}
