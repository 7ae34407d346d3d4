#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace trv::cli {

// A small streaming JSON writer: objects, arrays, strings, numbers, booleans, null.
// Commas and indentation are handled here; the caller only states the structure.
class JsonSchreiber {
public:
    explicit JsonSchreiber(std::ostream& out) : out_(out) {}

    void ObjektBeginn();
    void ObjektEnde();
    void ListeBeginn();
    void ListeEnde();
    void Schluessel(std::string_view name); // the next value belongs to this key

    void Text(std::string_view wert);
    void Zahl(double wert); // non-finite numbers are written as null
    void Ganzzahl(long long wert);
    void Wahrheit(bool wert);
    void Null();

private:
    void VorWert();
    void Einruecken();

    std::ostream& out_;
    std::vector<bool> ersterEintrag_; // per open container: nothing written yet
    bool nachSchluessel_ = false;
};

// The text as a JSON string literal, quotes included (UTF-8 passes through unchanged,
// control characters are escaped).
std::string JsonText(std::string_view wert);

} // namespace trv::cli
