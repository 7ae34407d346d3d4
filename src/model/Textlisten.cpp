#include "model/Textlisten.h"

#include "files/Ressourcen.h"

namespace trv {

namespace {

// Capacities of the lists.
constexpr std::size_t kStatus = 10;
constexpr std::size_t kBeton = 4;
constexpr std::size_t kFugen = 7;
constexpr std::size_t kSpalten = 10;
constexpr std::size_t kHinweise = 10;
constexpr std::size_t kAnwendungsfall = 3;
constexpr std::size_t kZweier = 2;

} // namespace

void TextlisteZerlegen(const std::string& text, std::vector<std::string>& liste,
                       std::size_t kapazitaet) {
    liste.resize(kapazitaet);
    std::size_t anfang = 0;
    std::size_t i = 0;
    for (std::size_t ende = text.find('\\'); ende != std::string::npos && i < kapazitaet;
         ende = text.find('\\', anfang)) {
        liste[i++] = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
    }
}

TKTextlisten::TKTextlisten()
    : statusKurz_(kStatus), betongueten_(kBeton), betonfestigkeiten_(kBeton),
      fugenbreitenTexte_(kFugen), stuecklistenSpalten_(kSpalten), statusLang_(kStatus),
      hinweistexte_(kHinweise), anwendungsfallLang_(kAnwendungsfall),
      anwendungsfallKurz_(kAnwendungsfall), bewehrungsBasis_(kZweier),
      maxAbstandOptionen_(kZweier) {}

std::string TKTextlisten::Text(const std::vector<std::string>& liste, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= liste.size()) {
        return {};
    }
    return liste[static_cast<std::size_t>(i)];
}

TKTextlisten TextlistenLaden() {
    TKTextlisten t;
    TextlisteZerlegen(Ressource(res::StatusKurz), t.statusKurz_, kStatus);
    TextlisteZerlegen(Ressource(res::Betongueten), t.betongueten_, kBeton);
    TextlisteZerlegen(Ressource(res::Betonfestigkeiten), t.betonfestigkeiten_, kBeton);
    TextlisteZerlegen(Ressource(res::FugenbreitenTexte), t.fugenbreitenTexte_, kFugen);
    TextlisteZerlegen(Ressource(res::StuecklistenSpalten), t.stuecklistenSpalten_, kSpalten);
    TextlisteZerlegen(Ressource(res::StatusLang), t.statusLang_, kStatus);
    TextlisteZerlegen(Ressource(res::Hinweistexte), t.hinweistexte_, kHinweise);
    TextlisteZerlegen(Ressource(res::AnwendungsfallLang), t.anwendungsfallLang_, kAnwendungsfall);
    TextlisteZerlegen(Ressource(res::AnwendungsfallKurz), t.anwendungsfallKurz_, kAnwendungsfall);
    TextlisteZerlegen(Ressource(res::BewehrungsBasis), t.bewehrungsBasis_, kZweier);
    TextlisteZerlegen(Ressource(res::MaxAbstandOptionen), t.maxAbstandOptionen_, kZweier);
    return t;
}

} // namespace trv
