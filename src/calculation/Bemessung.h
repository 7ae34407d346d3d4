#pragma once

#include <string>
#include <vector>

namespace trv {

class TKAnwendung;

// Designs the 14 connector types of the catalog for one position and writes the outcome into
// the position's results. Engineering failures are status codes and messages of the results;
// the notices collected here are for the caller to show (the core shows nothing).
class TKTRVBemessung {
public:
    explicit TKTRVBemessung(TKAnwendung& anwendung);

    // Full calculation: every type with its slab-thickness iteration, then the proposal
    // (AktDorn).
    void AlleTypenBemessen();

    // Resistances and status of type typ with the bars its catalog record holds now, the
    // arrangement left as it is (after the user edited the bars).
    void TypNachweisen(int typ);

    // Zone widths of type typ from the bar numbers in its record; n is not used. Always true.
    bool BewehrungsbreitenNeu(int typ, int n);

    // Notices of the last AlleTypenBemessen, each text once ("SetTmpLast: ..." when the load
    // profile reaches beyond the joint).
    const std::vector<std::string>& Hinweise() const { return hinweise_; }

private:
    void TypBemessen(int typ);
    void Auswerten(int typ);
    void WiderstaendeBerechnen(int typ, bool& undefiniert);
    void BewehrungAuslegen(int typ);
    void BewehrungswiderstandBerechnen(int typ);
    void StatusSetzen(int typ, bool lastNichtAufnehmbar, bool anordnungGescheitert);
    void HinweisHinzufuegen(const std::string& text);

    TKAnwendung& anwendung_;
    std::vector<std::string> hinweise_;
};

// Slab-thickness steps of one type at most: 5 m below the input, far beyond any real slab,
// so that an absurd thickness cannot keep the calculation busy.
inline constexpr int MaxDickenSchritte = 500;

} // namespace trv
