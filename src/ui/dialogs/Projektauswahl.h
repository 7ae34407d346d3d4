#pragma once

#include <QString>

#include <string>
#include <vector>

namespace trv {

class Projektbefehle;
class Rueckfragen;

// What the project administration does, apart from its window: the last folder (kept in the
// INI file), the summary of a project file's positions, taking one position over into the
// current project and opening a project file in its place.
class Projektauswahl {
public:
    Projektauswahl(Projektbefehle& befehle, Rueckfragen& fragen);

    // The stored folder; the working directory when none is stored or it no longer exists.
    QString Ordner() const;
    void SetOrdner(const QString& ordner);

    // One row of six texts per position of the file (program, project, position, connection
    // type, joint length in cm with the regional decimal separator, date). A file of another
    // program gives its message and no rows; an unreadable rest is left out silently.
    std::vector<std::vector<std::string>> Positionen(const QString& datei);

    // Appends position index (from 0) of the file to the current project. A failure shows its
    // message and leaves the project as it was (no half-read position stays).
    bool PositionUebernehmen(const QString& datei, int index);

    // The save question, then the file opened as the project. False when the user cancelled
    // (or saving failed): the project is then untouched. Otherwise the project was replaced
    // (by a fresh one when the file was unreadable) and ProjektOk tells whether it was read.
    bool ProjektOeffnen(const QString& datei);
    bool ProjektOk() const { return projektOk_; }

private:
    Projektbefehle& befehle_;
    Rueckfragen& fragen_;
    bool projektOk_ = false;
};

} // namespace trv
