#include "calculation/Katalog.h"
#include "cli/Kommandozeile.h"
#include "model/Zahlen.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace trv::cli {

namespace {

std::string Zahl(double wert) {
    return ZahlAlsText(wert, "0");
}

std::string Mal(double a, double b) {
    return Zahl(a) + "x" + Zahl(b);
}

// "n x Tdiameter", as bars are written on drawings.
std::string Staebe(int anzahl, int durchmesser) {
    return std::to_string(anzahl) + "xT" + std::to_string(durchmesser);
}

void Zeile(std::ostream& out, const std::vector<std::pair<std::string, int>>& spalten) {
    std::string text;
    for (const auto& [wert, breite] : spalten) {
        text += wert;
        text.append(wert.size() < static_cast<std::size_t>(breite)
                        ? static_cast<std::size_t>(breite) - wert.size()
                        : 1,
                    ' ');
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << "\n";
}

int KatalogAusgeben(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (!args.Positionen().empty()) {
        err << "trv-cli catalog: unexpected argument '" << args.Positionen().front() << "'\n";
        return ExitAufruf;
    }
    out << "Connector catalog: lengths in mm, FRd,s in kN for joint widths 0 to 60 mm\n\n";
    std::vector<std::pair<std::string, int>> kopf{
        {"Type", 9},   {"dowel", 7},  {"d min", 7},   {"e std", 7}, {"c std", 7},
        {"plate", 9},  {"sleeve", 9}, {"opening", 9}, {"L sl.", 7}, {"embed", 7},
        {"x bars", 8}, {"y bars", 8}, {"t sheet", 9}};
    for (int f = 0; f < AnzFugenbreiten; ++f) {
        kopf.emplace_back("f=" + Zahl(Fugenbreiten(f)), 8);
    }
    Zeile(out, kopf);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const TKDornDaten d(typ);
        std::vector<std::pair<std::string, int>> zeile{
            {DornName(typ), 9},
            {Zahl(d.DornDurchmesser()), 7},
            {Zahl(d.DickeMin()), 7},
            {Zahl(d.StdAchsabstand()), 7},
            {Zahl(d.StdRandabstand()), 7},
            {Mal(d.PlattenBreite(), d.PlattenHoehe()), 9},
            {Mal(d.HuelsenBreite(), d.HuelsenHoehe()), 9},
            {Mal(d.OeffnungBreite(), d.OeffnungHoehe()), 9},
            {Zahl(d.HuelsenLaenge()), 7},
            {Zahl(d.Einbindelaenge()), 7},
            {Staebe(d.AnzahlBewX(), d.DurchmesserBewX()), 8},
            {Staebe(d.AnzahlBewY(), d.DurchmesserBewY()), 8},
            {Zahl(d.Blechdicke()), 9}};
        for (int f = 0; f < AnzFugenbreiten; ++f) {
            // A joint width the type does not permit is marked, its tabulated value kept.
            const std::string wert = Zahl(d.FRdStahlTabelle()[static_cast<std::size_t>(f)]);
            zeile.emplace_back(FugenbreiteZulaessig(typ, f) ? wert : "(" + wert + ")", 8);
        }
        Zeile(out, zeile);
    }
    out << "\n(values in brackets: joint width not permitted for the type)\n";
    return ExitOk;
}

} // namespace

Unterbefehl KatalogBefehl() {
    return {"catalog",
            "catalog",
            "prints the 14 connector types with their catalog data as a table",
            {},
            KatalogAusgeben};
}

} // namespace trv::cli
