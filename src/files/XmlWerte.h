#pragma once

#include "files/XmlDokument.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trv::xml {

// The values of the project file, one child element each. Integers are decimal, booleans
// "1"/"0", floats in the general format with the given decimal separator, a string list is
// one child "String_"(n) per line (n from 1).
void SchreibeString(TKElement eltern, const std::string& name, const std::string& wert);
void SchreibeInt(TKElement eltern, const std::string& name, long long wert);
void SchreibeBool(TKElement eltern, const std::string& name, bool wert);
void SchreibeFloat(TKElement eltern, const std::string& name, double wert, char dezimaltrenner);
void SchreibeStringListe(TKElement eltern, const std::string& name,
                         const std::vector<std::string>& zeilen);

// Reads the values below one element. The first value that cannot be converted, or that does
// not fit its field, marks the reader as failed; every read after that returns its default
// without looking at the file, so an object keeps the values read before the failure.
//
// The rules of the format: when the element has no children at all, every read returns its
// default. Otherwise a missing integer or float element counts as an empty text and fails; a
// missing boolean gives the default, and so does any text but "1" or "0"; a missing string
// is empty. Floats accept "." and "," as decimal separator, whatever the regional settings,
// and must be finite.
class TKLeser {
public:
    explicit TKLeser(TKElement element);

    TKElement Element() const { return element_; }
    bool HatKinder() const { return anzahlKinder_ > 0; }
    std::size_t AnzahlKinder() const { return anzahlKinder_; }
    bool Ok() const { return ok_; }
    // The first failure, as "element: reason".
    const std::string& Fehler() const { return fehler_; }
    // Marks the reader as failed (a child object could not be read).
    void Fehlschlag(const std::string& grund);

    // The child element with that name (the first one), or an empty handle.
    TKElement Kind(const std::string& name) const;

    // An integer that must lie in min..max.
    long long Int(const std::string& name, long long vorgabe, long long min, long long max);
    // An integer for a field of type T, optionally with a smaller upper limit.
    template <class T>
    T Ganz(const std::string& name, T vorgabe, long long max = std::numeric_limits<T>::max()) {
        return static_cast<T>(Int(name, vorgabe, std::numeric_limits<T>::min(), max));
    }
    double Float(const std::string& name, double vorgabe);
    bool Bool(const std::string& name, bool vorgabe);
    std::string String(const std::string& name, const std::string& vorgabe = {});
    // The lines "String_"(n) of a list element; a missing element gives no lines.
    std::vector<std::string> StringListe(const std::string& name);

private:
    TKElement element_;
    // The children sorted by name (equal names in document order), for lookups without
    // allocating: a project file has hundreds of thousands of small elements.
    std::vector<std::pair<std::string_view, TKElement>> kinder_;
    std::size_t anzahlKinder_ = 0;
    bool ok_ = true;
    std::string fehler_;
};

} // namespace trv::xml
