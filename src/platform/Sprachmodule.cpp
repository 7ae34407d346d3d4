#include "platform/Sprachmodule.h"

#include "files/Ressourcen.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <array>
#include <utility>

namespace trv::plattform {

namespace {

struct Kuerzel {
    int Kennung;
    const char* Text;
};

// The abbreviations the platform's locale data gives for the common language identifiers.
constexpr std::array kKuerzel{
    Kuerzel{1031, "DEU"}, Kuerzel{2055, "DES"}, Kuerzel{3079, "DEA"}, Kuerzel{4103, "DEL"},
    Kuerzel{5127, "DEC"}, Kuerzel{1033, "ENU"}, Kuerzel{2057, "ENG"}, Kuerzel{3081, "ENA"},
    Kuerzel{4105, "ENC"}, Kuerzel{5129, "ENZ"}, Kuerzel{6153, "ENI"}, Kuerzel{1036, "FRA"},
    Kuerzel{2060, "FRB"}, Kuerzel{3084, "FRC"}, Kuerzel{4108, "FRS"}, Kuerzel{5132, "FRL"},
    Kuerzel{1040, "ITA"}, Kuerzel{2064, "ITS"}, Kuerzel{1043, "NLD"}, Kuerzel{2067, "NLB"},
    Kuerzel{1034, "ESP"}, Kuerzel{2058, "ESM"}, Kuerzel{3082, "ESN"}, Kuerzel{1045, "PLK"},
    Kuerzel{1029, "CSY"}, Kuerzel{1038, "HUN"}, Kuerzel{1053, "SVE"}, Kuerzel{1030, "DAN"},
    Kuerzel{1044, "NOR"}, Kuerzel{1035, "FIN"}, Kuerzel{1046, "PTB"}, Kuerzel{2070, "PTG"},
    Kuerzel{1049, "RUS"}, Kuerzel{1055, "TRK"}, Kuerzel{1032, "ELL"}, Kuerzel{1041, "JPN"},
    Kuerzel{2052, "CHS"}, Kuerzel{1028, "CHT"}, Kuerzel{1042, "KOR"}};

constexpr std::array kStartfensterSprachen{sprache::Deutsch,         sprache::Englisch,
                                           sprache::Franzoesisch,    sprache::Italienisch,
                                           sprache::Niederlaendisch, sprache::Spanisch};

int& Programmweit() {
    static int kennung = 0;
    return kennung;
}

} // namespace

QString SprachKuerzel(int kennung) {
    for (const Kuerzel& k : kKuerzel) {
        if (k.Kennung == kennung) {
            return QString::fromLatin1(k.Text);
        }
    }
    return {};
}

Sprachmodule::Sprachmodule(QStringList ordner) : ordner_(std::move(ordner)) {}

Sprachmodule::~Sprachmodule() {
    if (aktiv_) {
        SetzeSprachmodul({});
        QCoreApplication::removeTranslator(aktiv_.get());
        Programmweit() = 0;
    }
}

QString Sprachmodule::Suchen(const QString& dateiname) const {
    for (const QString& ordner : ordner_) {
        const QDir dir(ordner);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Readable)) {
            if (name.compare(dateiname, Qt::CaseInsensitive) == 0) {
                return dir.filePath(name);
            }
        }
    }
    return {};
}

int Sprachmodule::AnzahlDateien() const {
    int anzahl = 0;
    for (int kennung : kStartfensterSprachen) {
        anzahl += Suchen(QStringLiteral("trv.") + SprachKuerzel(kennung)).isEmpty() ? 0 : 1;
    }
    return anzahl;
}

QString Sprachmodule::Moduldatei(int kennung) const {
    const QString kuerzel = SprachKuerzel(kennung);
    if (kuerzel.isEmpty()) {
        return {};
    }
    QString datei = Suchen(QStringLiteral("trv.") + kuerzel);
    if (datei.isEmpty()) {
        datei = Suchen(QStringLiteral("trv.") + kuerzel.left(2));
    }
    return datei;
}

bool Sprachmodule::SpracheLaden(int kennung) {
    const QString datei = Moduldatei(kennung);
    auto modul = std::make_unique<QTranslator>();
    if (datei.isEmpty() || !modul->load(datei)) {
        return false;
    }
    if (aktiv_) {
        QCoreApplication::removeTranslator(aktiv_.get());
    }
    aktiv_ = std::move(modul);
    const QTranslator* uebersetzer = aktiv_.get();
    SetzeSprachmodul([uebersetzer](const char* schluessel, const char* englisch) {
        const QString text = uebersetzer->translate("Ressource", englisch, schluessel);
        return text.isEmpty() ? std::string(englisch) : text.toStdString();
    });
    // Sends QEvent::LanguageChange to every window: they re-read their texts.
    QCoreApplication::installTranslator(aktiv_.get());
    aktiveSprache_ = kennung;
    Programmweit() = kennung;
    return true;
}

int Sprachmodule::Programmsprache() {
    return Programmweit();
}

} // namespace trv::plattform
