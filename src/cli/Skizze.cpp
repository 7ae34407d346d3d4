#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "model/Modell.h"
#include "printing/Ausgabedatei.h"
#include "printing/Ausgaben.h"
#include "printing/Grafikumgebung.h"

#include <optional>
#include <ostream>
#include <string>

namespace trv::cli {

namespace {

constexpr const char* Aufruf =
    "sketch IN.TRV --view view|plan|section|row|input -o OUT.png|OUT.svg "
    "[--position N] [--size WxH] [--language CODE]";
constexpr int StandardBreite = 800;
constexpr int StandardHoehe = 600;
constexpr int GroessteSeite = 10000; // px; keeps a typing error from asking for gigabytes

// "WxH" with both parts from 16 to GroessteSeite.
std::optional<QSize> GroesseAusText(const std::string& text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<int> b = PositiveZahl(text.substr(0, x));
    const std::optional<int> h = PositiveZahl(text.substr(x + 1));
    if (!b || !h || *b < 16 || *h < 16 || *b > GroessteSeite || *h > GroessteSeite) {
        return std::nullopt;
    }
    return QSize(*b, *h);
}

int Aufruffehler(std::ostream& err, const std::string& text) {
    err << "trv-cli sketch: " << text << "\nusage: trv-cli " << Aufruf << "\n";
    return ExitAufruf;
}

int SkizzeAusfuehren(const Argumente& args, std::ostream& out, std::ostream& err) {
    (void)out;
    if (args.Positionen().size() != 1) {
        return Aufruffehler(err, "expects one input file");
    }
    const std::optional<std::string> name = args.Wert("--view");
    if (!name) {
        return Aufruffehler(err, "--view is missing");
    }
    const std::optional<TSkizzenart> ansicht = SkizzenartAusName(*name);
    if (!ansicht) {
        return Aufruffehler(err, "unknown view '" + *name + "'");
    }
    const std::optional<std::string> ziel = args.Wert("-o");
    if (!ziel || ziel->empty()) {
        return Aufruffehler(err, "-o OUT.png or -o OUT.svg is missing");
    }
    QSize groesse(StandardBreite, StandardHoehe);
    if (const std::optional<std::string> text = args.Wert("--size")) {
        const std::optional<QSize> g = GroesseAusText(*text);
        if (!g) {
            return Aufruffehler(err, "--size must be WxH with 16 to " +
                                         std::to_string(GroessteSeite) + " pixels each: '" + *text +
                                         "'");
        }
        groesse = *g;
    }

    std::unique_ptr<TKModell> modell = ProjektOeffnen(args.Positionen().front(), err);
    if (!modell) {
        return ExitDatei;
    }
    // Checked after the project is read, so an unreadable input is always reported as such.
    const std::string endung = Endung(*ziel);
    if (endung != "png" && endung != "svg") {
        return Aufruffehler(err, "the output must end in .png or .svg: '" + *ziel + "'");
    }
    const std::optional<int> nr = GewaehltePosition(args, *modell, err);
    if (!nr) {
        err << "usage: trv-cli " << Aufruf << "\n";
        return ExitAufruf;
    }
    const Grafikumgebung grafik;
    const TKAnwendung& anwendung = modell->Anwendung(*nr);
    if (*ansicht != TSkizzenart::Eingabe && !anwendung.Ergebnisse().Berechnet()) {
        err << "trv-cli sketch: position " << *nr
            << " has no results; the result sketches need a calculated position (trv-cli calc)\n";
        return ExitFehler;
    }
    std::string fehler;
    if (!SkizzeSchreiben(*modell, *nr, *ansicht, groesse, *ziel, fehler)) {
        err << "trv-cli sketch: " << *ziel << ": " << fehler << "\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl SkizzeBefehl() {
    return {"sketch",
            Aufruf,
            "draws one sketch of a position (view, plan view, section, connector row or the "
            "input sketch) as a PNG or SVG picture",
            {{"--view", true},
             {"-o", true},
             {"--position", true},
             {"--size", true},
             {"--language", true}},
            SkizzeAusfuehren};
}

} // namespace trv::cli
