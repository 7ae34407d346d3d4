#pragma once

#include "calculation/Katalog.h"
#include "model/Ergebnisse.h"

#include <cstdint>
#include <optional>

namespace trv {

class TKAnwendung;

// The bars of one type as the reinforcement dialog shows them.
struct TKStaebe {
    int AnzahlBewX = 0;
    int DurchmesserBewX = 0;
    int AnzahlBewY = 0;
    int DurchmesserBewY = 0;
    bool operator==(const TKStaebe&) const = default;
};

// A hand change of the reinforcement of the selected type (AktDorn) of a calculated position,
// from the dialog's activation to OK or Cancel. While it lasts, the position's maximum spacing
// rule is 1 and every change is checked at once, so the results always show the bars chosen.
// Cancel gives back the record and the result exactly as they were; an end without OK or
// Cancel (the object destroyed) counts as Cancel, so no way out leaves the position changed
// behind the user's back.
class TKBewehrungsaenderung {
public:
    explicit TKBewehrungsaenderung(TKAnwendung& anwendung);
    ~TKBewehrungsaenderung();
    TKBewehrungsaenderung(const TKBewehrungsaenderung&) = delete;
    TKBewehrungsaenderung& operator=(const TKBewehrungsaenderung&) = delete;

    // Only the results of a calculation have an arrangement to check bars against.
    static bool Moeglich(const TKAnwendung& anwendung);

    int Typ() const { return typ_; }
    // The second series lays its top and bottom bars in pairs.
    bool ZweiteSerie() const { return typ_ >= AnzDornGroessen; }
    TKStaebe Staebe() const;

    // Writes the bars into the type's record and checks the type again (zone widths, then
    // resistances and status); the arrangement of the connectors stays.
    void Aendern(const TKStaebe& staebe);
    // OK: keeps the bars.
    void Uebernehmen();
    // Cancel: record and result as at the start.
    void Verwerfen();
    bool Offen() const { return offen_; }

private:
    void Beenden();

    TKAnwendung& anwendung_;
    int typ_;
    std::uint8_t maxDornabstand_;
    TKDornDaten record_;
    TKDornErgebnis ergebnis_;
    bool offen_ = true;
};

} // namespace trv
