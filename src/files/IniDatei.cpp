#include "files/IniDatei.h"

#include "files/AtomareDatei.h"
#include "model/Zahlen.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
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

// A settings file is a few kilobytes; anything far larger is not one, and reading it whole
// could exhaust the memory.
constexpr std::size_t MaxGroesse = 1 << 20;

enum class Lesestand { Ok, Fehlt, Unbrauchbar };

struct Gelesen {
    Lesestand Stand = Lesestand::Fehlt;
    std::vector<std::string> Zeilen;
    std::string Grund; // why the file cannot be used
};

// Only a regular file is read: opening a pipe would wait for a writer, and a device such as
// /dev/zero never ends. The type is checked before the open (which itself must not block)
// and again on the descriptor, in case the name was replaced in between.
Gelesen DateiLesen(const fs::path& pfad) {
    Gelesen g;
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return g;
        }
        g.Stand = Lesestand::Unbrauchbar;
        g.Grund = std::strerror(errno);
        return g;
    }
    const auto unbrauchbar = [&g](std::string grund) {
        g.Stand = Lesestand::Unbrauchbar;
        g.Grund = std::move(grund);
        return g;
    };
    if (!S_ISREG(st.st_mode)) {
        return unbrauchbar(std::string("it is ") + DateiArt(st.st_mode) + ", not a regular file");
    }
    if (static_cast<unsigned long long>(st.st_size) > MaxGroesse) {
        return unbrauchbar("it is larger than " + std::to_string(MaxGroesse / 1024) + " KB");
    }
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return unbrauchbar(std::strerror(errno));
    }
    std::string inhalt;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char puffer[16384];
    while (ok) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        inhalt.append(puffer, static_cast<std::size_t>(n));
        // The file may have grown since it was measured.
        ok = inhalt.size() <= MaxGroesse;
    }
    ::close(fd);
    if (!ok) {
        return unbrauchbar("it cannot be read as a settings file");
    }
    // A byte-order mark written by an editor is not part of the first section's header.
    if (inhalt.rfind("\xEF\xBB\xBF", 0) == 0) {
        inhalt.erase(0, 3);
    }
    g.Stand = Lesestand::Ok;
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find('\n', anfang);
        if (ende == std::string::npos) {
            ende = inhalt.size();
        }
        std::string zeile = inhalt.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.pop_back();
        }
        g.Zeilen.push_back(std::move(zeile));
        anfang = ende + 1;
    }
    return g;
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

// Every key of the section (of all its repetitions), in file order; the first of equal keys
// counts, as for a single read.
TKIniDatei::Werte SektionsWerte(const std::vector<std::string>& zeilen,
                                const std::string& sektion) {
    TKIniDatei::Werte werte;
    bool inSektion = false;
    for (const auto& zeile : zeilen) {
        if (auto kopf = SektionsKopf(zeile)) {
            inSektion = GleichOhneGross(*kopf, sektion);
            continue;
        }
        if (!inSektion) {
            continue;
        }
        if (auto e = Eintrag(zeile)) {
            const bool schonDa = std::any_of(werte.begin(), werte.end(), [&e](const auto& w) {
                return GleichOhneGross(w.first, e->first);
            });
            if (!schonDa) {
                werte.push_back(std::move(*e));
            }
        }
    }
    return werte;
}

// Puts "schluessel=wert" into the lines: over the key's first line in the section, else after
// the section's last entry, else into a new section at the end. False when the file holds the
// value already: closing a project of thousands of positions would otherwise rewrite (and
// flush) the file six times per position.
bool Setzen(std::vector<std::string>& zeilen, const std::string& sektion,
            const std::string& schluessel, const std::string& wert) {
    const std::string neueZeile = schluessel + "=" + wert;
    bool inSektion = false;
    std::optional<std::size_t> sektionsEnde; // index after the last non-empty line of the section
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
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
            if (zeilen[i] == neueZeile) {
                return false;
            }
            zeilen[i] = neueZeile;
            return true;
        }
        if (!Getrimmt(zeilen[i]).empty()) {
            sektionsEnde = i + 1;
        }
    }
    if (sektionsEnde) {
        zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(*sektionsEnde), neueZeile);
    } else {
        if (!zeilen.empty() && !Getrimmt(zeilen.back()).empty()) {
            zeilen.emplace_back();
        }
        zeilen.push_back("[" + sektion + "]");
        zeilen.push_back(neueZeile);
    }
    return true;
}

// Two instances of the program that change the settings at the same time must not lose each
// other's values: each reads, changes and replaces the file under this lock. It is taken on
// the folder, because every write replaces the file itself. An instance that does not let go
// is waited for two seconds at most; the write is atomic without the lock too.
class Ordnersperre {
public:
    explicit Ordnersperre(const fs::path& datei) {
        const fs::path ordner = datei.has_parent_path() ? datei.parent_path() : fs::path(".");
        fd_ = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int versuch = 0; fd_ >= 0 && versuch < 200; ++versuch) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR)) {
                return;
            }
            ::usleep(10000);
        }
    }
    Ordnersperre(const Ordnersperre&) = delete;
    Ordnersperre& operator=(const Ordnersperre&) = delete;
    ~Ordnersperre() {
        if (fd_ >= 0) {
            ::close(fd_); // releases the lock
        }
    }

private:
    int fd_ = -1;
};

} // namespace

TKIniDatei::TKIniDatei(std::filesystem::path pfad, TKRegional regional)
    : pfad_(std::move(pfad)), regional_(std::move(regional)) {}

TKIniDatei TKIniDatei::ImSpeicher(std::filesystem::path pfad, TKRegional regional) {
    TKIniDatei ini(std::move(pfad), std::move(regional));
    ini.speicher_ = std::make_shared<std::vector<std::string>>(
        ini.HatDatei() ? DateiLesen(ini.pfad_).Zeilen : std::vector<std::string>());
    return ini;
}

std::string TKIniDatei::Unbrauchbar() const {
    if (!HatDatei()) {
        return {};
    }
    const Gelesen g = DateiLesen(pfad_);
    return g.Stand == Lesestand::Unbrauchbar ? g.Grund : std::string();
}

TKIniDatei::Werte TKIniDatei::SektionLesen(const std::string& sektion) const {
    if (speicher_) {
        return SektionsWerte(*speicher_, sektion);
    }
    return HatDatei() ? SektionsWerte(DateiLesen(pfad_).Zeilen, sektion) : Werte();
}

std::string TKIniDatei::LeseString(const std::string& sektion, const std::string& schluessel,
                                   const std::string& vorgabe) const {
    for (auto& [name, wert] : SektionLesen(sektion)) {
        if (GleichOhneGross(name, schluessel)) {
            return wert;
        }
    }
    return vorgabe;
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

void TKIniDatei::SektionAendern(const std::string& sektion,
                                const std::function<Werte(const Werte&)>& aendern) const {
    if (speicher_) {
        for (const auto& [schluessel, wert] : aendern(SektionsWerte(*speicher_, sektion))) {
            Setzen(*speicher_, sektion, schluessel, wert);
        }
        return;
    }
    if (!HatDatei()) {
        return;
    }
    std::error_code ec;
    if (pfad_.has_parent_path()) {
        fs::create_directories(pfad_.parent_path(), ec);
    }
    const Ordnersperre sperre(pfad_);
    Gelesen g = DateiLesen(pfad_);
    // What could not be read must not be replaced by the few keys written now.
    if (g.Stand == Lesestand::Unbrauchbar) {
        return;
    }
    bool geaendert = false;
    for (const auto& [schluessel, wert] : aendern(SektionsWerte(g.Zeilen, sektion))) {
        geaendert = Setzen(g.Zeilen, sektion, schluessel, wert) || geaendert;
    }
    if (!geaendert) {
        return;
    }
    std::string inhalt;
    for (const auto& z : g.Zeilen) {
        inhalt.append(z).append("\r\n");
    }
    // A settings file that cannot be written is not an error: the settings stay as they were.
    std::string fehler;
    DateiAtomarSchreiben(pfad_, inhalt, fehler);
}

void TKIniDatei::SchreibeString(const std::string& sektion, const std::string& schluessel,
                                const std::string& wert) const {
    SektionAendern(sektion, [&](const Werte&) { return Werte{{schluessel, wert}}; });
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
