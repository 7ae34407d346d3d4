#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trv::cli {

std::string JsonText(std::string_view wert) {
    std::string s = "\"";
    for (unsigned char c : wert) {
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            if (c < 0x20) {
                char puffer[8];
                std::snprintf(puffer, sizeof puffer, "\\u%04x", c);
                s += puffer;
            } else {
                s += static_cast<char>(c);
            }
        }
    }
    return s + "\"";
}

void JsonSchreiber::Einruecken() {
    out_ << '\n' << std::string(2 * ersterEintrag_.size(), ' ');
}

void JsonSchreiber::VorWert() {
    if (nachSchluessel_) {
        nachSchluessel_ = false;
        return;
    }
    if (!ersterEintrag_.empty()) {
        if (!ersterEintrag_.back()) {
            out_ << ',';
        }
        ersterEintrag_.back() = false;
        Einruecken();
    }
}

void JsonSchreiber::ObjektBeginn() {
    VorWert();
    out_ << '{';
    ersterEintrag_.push_back(true);
}

void JsonSchreiber::ObjektEnde() {
    const bool leer = ersterEintrag_.back();
    ersterEintrag_.pop_back();
    if (!leer) {
        Einruecken();
    }
    out_ << '}';
    if (ersterEintrag_.empty()) {
        out_ << '\n';
    }
}

void JsonSchreiber::ListeBeginn() {
    VorWert();
    out_ << '[';
    ersterEintrag_.push_back(true);
}

void JsonSchreiber::ListeEnde() {
    const bool leer = ersterEintrag_.back();
    ersterEintrag_.pop_back();
    if (!leer) {
        Einruecken();
    }
    out_ << ']';
    if (ersterEintrag_.empty()) {
        out_ << '\n';
    }
}

void JsonSchreiber::Schluessel(std::string_view name) {
    VorWert();
    out_ << JsonText(name) << ": ";
    nachSchluessel_ = true;
}

void JsonSchreiber::Text(std::string_view wert) {
    VorWert();
    out_ << JsonText(wert);
}

void JsonSchreiber::Zahl(double wert) {
    VorWert();
    if (!std::isfinite(wert)) {
        out_ << "null";
        return;
    }
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert);
    out_ << std::string_view(puffer, static_cast<std::size_t>(ergebnis.ptr - puffer));
}

void JsonSchreiber::Ganzzahl(long long wert) {
    VorWert();
    out_ << wert;
}

void JsonSchreiber::Wahrheit(bool wert) {
    VorWert();
    out_ << (wert ? "true" : "false");
}

void JsonSchreiber::Null() {
    VorWert();
    out_ << "null";
}

} // namespace trv::cli
