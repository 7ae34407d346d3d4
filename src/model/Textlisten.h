#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace trv {

// Splits a resource text whose items each end with a backslash into liste: item i goes to
// entry i. liste is made kapazitaet entries long first (new entries empty); items beyond the
// capacity and a rest after the last backslash are dropped; entries without an item in the
// text keep what they held.
void TextlisteZerlegen(const std::string& text, std::vector<std::string>& liste,
                       std::size_t kapazitaet);

// The eleven short text lists of the program, loaded from the resource strings of the
// language active at loading time. A value: whoever needs them holds one.
class TKTextlisten {
public:
    // Empty lists of their capacities; TextlistenLaden fills them.
    TKTextlisten();

    // Indexed by the Status code of a connector result (0..9).
    const std::vector<std::string>& StatusKurz() const { return statusKurz_; }
    const std::vector<std::string>& StatusLang() const { return statusLang_; }
    // By concrete grade (0..3).
    const std::vector<std::string>& Betongueten() const { return betongueten_; }
    const std::vector<std::string>& Betonfestigkeiten() const { return betonfestigkeiten_; }
    // By joint width index (0..6).
    const std::vector<std::string>& FugenbreitenTexte() const { return fugenbreitenTexte_; }
    const std::vector<std::string>& StuecklistenSpalten() const { return stuecklistenSpalten_; }
    // By hint number (0..1 used).
    const std::vector<std::string>& Hinweistexte() const { return hinweistexte_; }
    // By application case (0..2).
    const std::vector<std::string>& AnwendungsfallLang() const { return anwendungsfallLang_; }
    const std::vector<std::string>& AnwendungsfallKurz() const { return anwendungsfallKurz_; }
    // By BewehrungCalc (0..1) and MaxDornabstand (0..1).
    const std::vector<std::string>& BewehrungsBasis() const { return bewehrungsBasis_; }
    const std::vector<std::string>& MaxAbstandOptionen() const { return maxAbstandOptionen_; }

    // Entry i of a list; "" for an index outside it (e.g. a status code without a text).
    static std::string Text(const std::vector<std::string>& liste, int i);

    friend TKTextlisten TextlistenLaden();

private:
    std::vector<std::string> statusKurz_;
    std::vector<std::string> betongueten_;
    std::vector<std::string> betonfestigkeiten_;
    std::vector<std::string> fugenbreitenTexte_;
    std::vector<std::string> stuecklistenSpalten_;
    std::vector<std::string> statusLang_;
    std::vector<std::string> hinweistexte_;
    std::vector<std::string> anwendungsfallLang_;
    std::vector<std::string> anwendungsfallKurz_;
    std::vector<std::string> bewehrungsBasis_;
    std::vector<std::string> maxAbstandOptionen_;
};

// All eleven lists from the resource strings (Ressource), in the active language.
TKTextlisten TextlistenLaden();

} // namespace trv
