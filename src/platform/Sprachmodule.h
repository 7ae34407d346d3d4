#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace trv::plattform {

// Language identifiers of the start window's six buttons.
namespace sprache {
inline constexpr int Deutsch = 2055; // German (Switzerland)
inline constexpr int Englisch = 2057;
inline constexpr int Franzoesisch = 1036;
inline constexpr int Italienisch = 1040;
inline constexpr int Niederlaendisch = 1043;
inline constexpr int Spanisch = 1034;
} // namespace sprache

// The three-letter abbreviated language name of a language identifier ("DES" for 2055, "DEU"
// for 1031, "ESN" for 3082); "" for an identifier the program does not know.
QString SprachKuerzel(int kennung);

// The language modules "trv.des", "trv.eng", ...: Qt translation files looked up in the given
// folders (the executable's folder, then the installation's data folder), names compared
// without regard to case. The active module translates every window (installed into the
// application, so that every window receives QEvent::LanguageChange) and the core's resource
// strings. One object per program; when it is destroyed the built-in English texts return.
class Sprachmodule {
public:
    explicit Sprachmodule(QStringList ordner);
    ~Sprachmodule();
    Sprachmodule(const Sprachmodule&) = delete;
    Sprachmodule& operator=(const Sprachmodule&) = delete;

    // How many of the six modules of the start window exist.
    int AnzahlDateien() const;

    // The module file for the identifier: the abbreviation as extension, else its first two
    // letters; "" when there is none.
    QString Moduldatei(int kennung) const;

    // Loads the module for the identifier and makes it the active one; on failure nothing
    // changes and the result is false.
    bool SpracheLaden(int kennung);

    // The identifier of the active module; 0 while the built-in English texts are in use.
    int AktiveSprache() const { return aktiveSprache_; }

    // The identifier of the module active in the program (0 when none), for windows that pick
    // documents by language (the help).
    static int Programmsprache();

private:
    QString Suchen(const QString& dateiname) const;

    QStringList ordner_;
    std::unique_ptr<QTranslator> aktiv_;
    int aktiveSprache_ = 0;
};

} // namespace trv::plattform
