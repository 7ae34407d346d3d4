#pragma once

#include "files/IniDatei.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace trv {

// The projects opened or saved last, newest first, kept in the INI file (section "Zuletzt",
// keys "Projekt1" .. "Projekt8") so that the File menu offers them again after a restart.
// Every change is made to the list on disk, so that two instances of the program keep the
// projects of both.
class ZuletztGeoeffnet {
public:
    static constexpr int Hoechstzahl = 8;

    explicit ZuletztGeoeffnet(TKIniDatei ini);

    const QStringList& Projekte() const { return projekte_; }

    // Puts a project file at the top (once; its absolute path). A name that cannot be written
    // into the INI file (a line break in it) is left out.
    void Hinzufuegen(const QString& datei);
    void Entfernen(const QString& datei);
    void Leeren();

private:
    void Aendern(const std::function<void(QStringList&)>& aenderung);

    TKIniDatei ini_;
    QStringList projekte_;
};

} // namespace trv
