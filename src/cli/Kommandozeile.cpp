#include "cli/Kommandozeile.h"

#include <charconv>

namespace trv::cli {

bool Argumente::Parsen(const std::vector<std::string>& args, const std::vector<Option>& optionen) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            const Option* gefunden = nullptr;
            for (const auto& o : optionen) {
                if (o.Name == a) {
                    gefunden = &o;
                }
            }
            if (!gefunden) {
                fehler_ = "unknown option '" + a + "'";
                return false;
            }
            if (gefunden->MitWert) {
                if (i + 1 >= args.size()) {
                    fehler_ = "option '" + a + "' needs a value";
                    return false;
                }
                werte_[a] = args[++i];
            } else {
                werte_[a] = "";
            }
        } else {
            positionen_.push_back(a);
        }
    }
    return true;
}

std::optional<std::string> Argumente::Wert(const std::string& name) const {
    auto it = werte_.find(name);
    if (it == werte_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<int> PositiveZahl(const std::string& text) {
    int wert = 0;
    const char* ende = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), ende, wert);
    if (ec != std::errc() || p != ende || wert < 1) {
        return std::nullopt;
    }
    return wert;
}

} // namespace trv::cli
