#include "cli/Sprache.h"

#include "cli/Kommandozeile.h"
#include "files/Ressourcen.h"

#include <QString>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

namespace trv::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 6> kKuerzel{"des", "eng", "fra", "ita", "nld", "esp"};

bool GleichOhneGross(std::string a, std::string b) {
    auto klein = [](std::string& s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; });
    };
    klein(a);
    klein(b);
    return a == b;
}

// Beside the executable first, then <prefix>/share/trv, names compared without regard to case
// as the desktop program does.
fs::path ModulSuchen(const std::string& name) {
    std::error_code ec;
    const fs::path programm = fs::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec) {
        return {};
    }
    for (const fs::path& ordner : {programm, programm.parent_path() / "share" / "trv"}) {
        for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
            if (it->is_regular_file(ec) && GleichOhneGross(it->path().filename().string(), name)) {
                return it->path();
            }
        }
        ec.clear();
    }
    return {};
}

} // namespace

std::shared_ptr<QTranslator> SpracheLaden(const std::string& kuerzel, std::ostream& err,
                                          int& code) {
    if (std::find(kKuerzel.begin(), kKuerzel.end(), kuerzel) == kKuerzel.end()) {
        err << "--language: '" << kuerzel << "' is not a language (des, eng, fra, ita, nld, esp)\n";
        code = ExitAufruf;
        return nullptr;
    }
    const fs::path datei = ModulSuchen("trv." + kuerzel);
    auto modul = std::make_shared<QTranslator>();
    if (datei.empty() || !modul->load(QString::fromStdString(datei.string()))) {
        err << "trv." << kuerzel << ": Selected language not available!\n";
        code = ExitFehler;
        return nullptr;
    }
    const QTranslator* uebersetzer = modul.get();
    SetzeSprachmodul([uebersetzer](const char* schluessel, const char* englisch) {
        const QString text = uebersetzer->translate("Ressource", englisch, schluessel);
        return text.isEmpty() ? std::string(englisch) : text.toStdString();
    });
    code = ExitOk;
    // The core forgets the module before it goes.
    return {modul.get(), [modul](QTranslator*) mutable {
                SetzeSprachmodul({});
                modul.reset();
            }};
}

} // namespace trv::cli
