#include "files/IniDatei.h"

#include "files/AtomareDatei.h"
#include "model/Zahlen.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <utility>
#include <vector>

namespace trv {

namespace {

namespace fs = std::filesystem;

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) {
        return {};
    }
    const auto b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

bool GleichOhneGross(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto klein = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (klein(a[i]) != klein(b[i])) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> ZeilenLesen(const fs::path& pfad) {
    std::vector<std::string> zeilen;
    std::ifstream in(pfad, std::ios::binary);
    std::string zeile;
    while (std::getline(in, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.pop_back();
        }
        zeilen.push_back(zeile);
    }
    return zeilen;
}

// The section name if the line is a section header.
std::optional<std::string> SektionsKopf(const std::string& zeile) {
    const std::string t = Getrimmt(zeile);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
        return Getrimmt(t.substr(1, t.size() - 2));
    }
    return std::nullopt;
}

// Key and value if the line is "key=value".
std::optional<std::pair<std::string, std::string>> Eintrag(const std::string& zeile) {
    const auto gleich = zeile.find('=');
    if (gleich == std::string::npos) {
        return std::nullopt;
    }
    return std::make_pair(Getrimmt(zeile.substr(0, gleich)), Getrimmt(zeile.substr(gleich + 1)));
}

std::optional<std::string> WertSuchen(const std::vector<std::string>& zeilen,
                                      const std::string& sektion, const std::string& schluessel) {
    bool inSektion = false;
    for (const auto& zeile : zeilen) {
        if (auto kopf = SektionsKopf(zeile)) {
            inSektion = GleichOhneGross(*kopf, sektion);
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(zeile); e && GleichOhneGross(e->first, schluessel)) {
            return e->second;
        }
    }
    return std::nullopt;
}

// Replaces the file's content in one step, so a crash never leaves half a settings file. A
// settings file that cannot be written is not an error: the settings stay as they were.
void DateiErsetzen(const fs::path& pfad, const std::string& inhalt) {
    std::error_code ec;
    if (pfad.has_parent_path()) {
        fs::create_directories(pfad.parent_path(), ec);
    }
    std::string fehler;
    DateiAtomarSchreiben(pfad, inhalt, fehler);
}

} // namespace

TKIniDatei::TKIniDatei(std::filesystem::path pfad, TKRegional regional)
    : pfad_(std::move(pfad)), regional_(std::move(regional)) {}

TKIniDatei TKIniDatei::ImSpeicher(std::filesystem::path pfad, TKRegional regional) {
    TKIniDatei ini(std::move(pfad), std::move(regional));
    ini.speicher_ = std::make_shared<std::vector<std::string>>(
        ini.HatDatei() ? ZeilenLesen(ini.pfad_) : std::vector<std::string>());
    return ini;
}

std::vector<std::string> TKIniDatei::Zeilen() const {
    return speicher_ ? *speicher_ : ZeilenLesen(pfad_);
}

std::string TKIniDatei::LeseString(const std::string& sektion, const std::string& schluessel,
                                   const std::string& vorgabe) const {
    if (!HatDatei()) {
        return vorgabe;
    }
    if (speicher_) {
        return WertSuchen(*speicher_, sektion, schluessel).value_or(vorgabe);
    }
    return WertSuchen(ZeilenLesen(pfad_), sektion, schluessel).value_or(vorgabe);
}

long long TKIniDatei::LeseInt(const std::string& sektion, const std::string& schluessel,
                              long long vorgabe) const {
    const std::string text = LeseString(sektion, schluessel, "");
    if (text.empty()) {
        return vorgabe;
    }
    int basis = 10;
    std::string ziffern = text;
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        basis = 16;
        ziffern = text.substr(2);
    }
    errno = 0;
    char* rest = nullptr;
    const long long wert = std::strtoll(ziffern.c_str(), &rest, basis);
    if (rest == ziffern.c_str() || *rest != '\0' || errno == ERANGE) {
        return vorgabe;
    }
    return wert;
}

double TKIniDatei::LeseFloat(const std::string& sektion, const std::string& schluessel,
                             double vorgabe) const {
    return DateiZahl(LeseString(sektion, schluessel, "")).value_or(vorgabe);
}

void TKIniDatei::SchreibeString(const std::string& sektion, const std::string& schluessel,
                                const std::string& wert) const {
    if (!HatDatei()) {
        return;
    }
    std::vector<std::string> zeilen = Zeilen();
    const std::string neueZeile = schluessel + "=" + wert;
    bool inSektion = false;
    std::optional<std::size_t> sektionsEnde; // index after the last non-empty line of the section
    bool ersetzt = false;
    for (std::size_t i = 0; i < zeilen.size() && !ersetzt; ++i) {
        if (auto kopf = SektionsKopf(zeilen[i])) {
            inSektion = GleichOhneGross(*kopf, sektion);
            if (inSektion) {
                sektionsEnde = i + 1;
            }
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(zeilen[i]); e && GleichOhneGross(e->first, schluessel)) {
            // The file holds the value already: closing a project of thousands of positions
            // would otherwise rewrite (and flush) the file six times per position.
            if (zeilen[i] == neueZeile) {
                return;
            }
            zeilen[i] = neueZeile;
            ersetzt = true;
        } else if (!Getrimmt(zeilen[i]).empty()) {
            sektionsEnde = i + 1;
        }
    }
    if (!ersetzt) {
        if (sektionsEnde) {
            zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(*sektionsEnde), neueZeile);
        } else {
            if (!zeilen.empty() && !Getrimmt(zeilen.back()).empty()) {
                zeilen.emplace_back();
            }
            zeilen.push_back("[" + sektion + "]");
            zeilen.push_back(neueZeile);
        }
    }
    if (speicher_) {
        *speicher_ = std::move(zeilen);
        return;
    }
    std::ostringstream inhalt;
    for (const auto& z : zeilen) {
        inhalt << z << "\r\n";
    }
    DateiErsetzen(pfad_, inhalt.str());
}

void TKIniDatei::SchreibeInt(const std::string& sektion, const std::string& schluessel,
                             long long wert) const {
    SchreibeString(sektion, schluessel, std::to_string(wert));
}

void TKIniDatei::SchreibeFloat(const std::string& sektion, const std::string& schluessel,
                               double wert) const {
    SchreibeString(sektion, schluessel, ZahlAlsText(wert, "0", regional_.Dezimaltrenner));
}

std::filesystem::path IniPfadBestimmen(const std::filesystem::path& programmOrdner) {
    // An installed program (<prefix>/bin beside <prefix>/share/trv) never writes into its
    // installation, not even when it runs for an administrator who could.
    std::error_code fehler;
    const bool installiert =
        !programmOrdner.empty() &&
        fs::is_directory(programmOrdner.parent_path() / "share" / "trv", fehler);
    if (!installiert && !programmOrdner.empty() && ::access(programmOrdner.c_str(), W_OK) == 0) {
        return programmOrdner / "trv.INI";
    }
    fs::path basis;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        basis = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        basis = fs::path(home) / ".config";
    } else {
        basis = fs::temp_directory_path();
    }
    return basis / "trv" / "trv.INI";
}

} // namespace trv
