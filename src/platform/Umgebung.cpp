#include "platform/Umgebung.h"

#include "model/Modell.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <array>
#include <filesystem>
#include <unistd.h>

namespace trv::plattform {

namespace {

struct Sprache {
    QLocale::Language Language;
    QLocale::Territory Territory; // AnyTerritory: every territory not listed before
    int Kennung;                  // Windows language identifier
};

constexpr std::array kSprachen{
    Sprache{QLocale::German, QLocale::Switzerland, 2055},
    Sprache{QLocale::German, QLocale::Austria, 3079},
    Sprache{QLocale::German, QLocale::AnyTerritory, 1031},
    Sprache{QLocale::English, QLocale::UnitedStates, 1033},
    Sprache{QLocale::English, QLocale::AnyTerritory, 2057},
    Sprache{QLocale::French, QLocale::Switzerland, 4108},
    Sprache{QLocale::French, QLocale::AnyTerritory, 1036},
    Sprache{QLocale::Italian, QLocale::Switzerland, 2064},
    Sprache{QLocale::Italian, QLocale::AnyTerritory, 1040},
    Sprache{QLocale::Dutch, QLocale::Belgium, 2067},
    Sprache{QLocale::Dutch, QLocale::AnyTerritory, 1043},
    Sprache{QLocale::Spanish, QLocale::AnyTerritory, 3082},
};

int Sprachkennung(const QLocale& locale) {
    for (const auto& s : kSprachen) {
        if (s.Language == locale.language() &&
            (s.Territory == QLocale::AnyTerritory || s.Territory == locale.territory())) {
            return s.Kennung;
        }
    }
    return 2057;
}

std::filesystem::path ProgrammOrdner() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

} // namespace

TKRegional SystemRegional() {
    const QLocale locale = QLocale::system();
    TKRegional r;
    const QString punkt = locale.decimalPoint();
    r.Dezimaltrenner = (punkt == QStringLiteral(",")) ? ',' : '.';
    r.KurzDatumFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    r.HeuteKurz = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    r.Sprachkennung = Sprachkennung(locale);
    return r;
}

TKIniDatei SystemIni(const TKRegional& regional) {
    return TKIniDatei(IniPfadBestimmen(ProgrammOrdner()), regional);
}

std::unique_ptr<TKModell> BatchModell() {
    const TKRegional regional = SystemRegional();
    return std::make_unique<TKModell>(TKIniDatei::ImSpeicher(SystemIni(regional).Pfad(), regional),
                                      regional);
}

} // namespace trv::plattform
