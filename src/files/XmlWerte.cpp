#include "files/XmlWerte.h"

#include <algorithm>

#include "model/Zahlen.h"

#include <charconv>

namespace trv::xml {

namespace {

std::string Getrimmt(const std::string& text) {
    const std::size_t anfang = text.find_first_not_of(" \t\r\n");
    if (anfang == std::string::npos) {
        return {};
    }
    return text.substr(anfang, text.find_last_not_of(" \t\r\n") - anfang + 1);
}

std::string Kurz(const std::string& text) {
    return text.size() <= 40 ? text : text.substr(0, 40) + "...";
}

} // namespace

void SchreibeString(TKElement eltern, const std::string& name, const std::string& wert) {
    eltern.KindAnhaengen(name).SetText(wert);
}

void SchreibeInt(TKElement eltern, const std::string& name, long long wert) {
    eltern.KindAnhaengen(name).SetText(std::to_string(wert));
}

void SchreibeBool(TKElement eltern, const std::string& name, bool wert) {
    eltern.KindAnhaengen(name).SetText(wert ? "1" : "0");
}

void SchreibeFloat(TKElement eltern, const std::string& name, double wert, char dezimaltrenner) {
    eltern.KindAnhaengen(name).SetText(ZahlDateiText(wert, dezimaltrenner));
}

void SchreibeStringListe(TKElement eltern, const std::string& name,
                         const std::vector<std::string>& zeilen) {
    TKElement liste = eltern.KindAnhaengen(name);
    for (std::size_t n = 0; n < zeilen.size(); ++n) {
        liste.KindAnhaengen("String_" + std::to_string(n + 1)).SetText(zeilen[n]);
    }
}

TKLeser::TKLeser(TKElement element) : element_(element) {
    // Looked up by name once, so that reading n numbered children stays linear in n.
    for (TKElement k = element_.KindAn(0); k; k = k.NaechstesGeschwister()) {
        kinder_.emplace_back(k.NameAnsicht(), k);
    }
    anzahlKinder_ = kinder_.size();
    std::stable_sort(kinder_.begin(), kinder_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

void TKLeser::Fehlschlag(const std::string& grund) {
    if (ok_) {
        ok_ = false;
        fehler_ = grund;
    }
}

TKElement TKLeser::Kind(const std::string& name) const {
    const std::string_view gesucht(name);
    const auto it = std::lower_bound(kinder_.begin(), kinder_.end(), gesucht,
                                     [](const auto& k, std::string_view n) { return k.first < n; });
    return it != kinder_.end() && it->first == gesucht ? it->second : TKElement();
}

long long TKLeser::Int(const std::string& name, long long vorgabe, long long min, long long max) {
    if (!ok_ || !HatKinder()) {
        return vorgabe;
    }
    const std::string text = Getrimmt(Kind(name).Text());
    long long wert = 0;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, wert);
    if (text.empty() || ec != std::errc() || p != ende) {
        Fehlschlag(name + ": '" + Kurz(text) + "' is not an integer");
        return vorgabe;
    }
    if (wert < min || wert > max) {
        Fehlschlag(name + ": " + text + " lies outside " + std::to_string(min) + ".." +
                   std::to_string(max));
        return vorgabe;
    }
    return wert;
}

double TKLeser::Float(const std::string& name, double vorgabe) {
    if (!ok_ || !HatKinder()) {
        return vorgabe;
    }
    const std::string text = Kind(name).Text();
    const std::optional<double> wert = DateiZahl(text);
    if (!wert) {
        Fehlschlag(name + ": '" + Kurz(Getrimmt(text)) + "' is not a finite number");
        return vorgabe;
    }
    return *wert;
}

bool TKLeser::Bool(const std::string& name, bool vorgabe) {
    if (!ok_ || !HatKinder()) {
        return vorgabe;
    }
    const std::string text = Kind(name).Text();
    return text == "1" ? true : (text == "0" ? false : vorgabe);
}

std::string TKLeser::String(const std::string& name, const std::string& vorgabe) {
    if (!ok_ || !HatKinder()) {
        return vorgabe;
    }
    return Kind(name).Text();
}

std::vector<std::string> TKLeser::StringListe(const std::string& name) {
    std::vector<std::string> zeilen;
    if (!ok_ || !HatKinder()) {
        return zeilen;
    }
    TKLeser liste(Kind(name));
    for (std::size_t n = 1; n <= liste.AnzahlKinder(); ++n) {
        zeilen.push_back(liste.Kind("String_" + std::to_string(n)).Text());
    }
    return zeilen;
}

} // namespace trv::xml
