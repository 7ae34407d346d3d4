#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace trv {

// A save dialog with several file types, as the exports ask for it: the proposed type, and a
// default extension that follows the type the user picks while the dialog is open.
struct Filterdialogdaten {
    QString Titel;                                // empty: the platform's own title
    QStringList Filter;                           // "Text (*.ext)" entries
    int Vorauswahl = 1;                           // preselected type, counted from 1
    QString Vorschlag;                            // proposed name; "*.ext" proposes the type only
    std::function<QString(int)> EndungFuerFilter; // default extension (no dot) of a type
};

// The answer: the chosen file and the type it was chosen with (counted from 1).
struct Filterwahl {
    QString Datei;
    int Filter = 1;
};

// The exports' save dialogs; the windows show real ones, tests answer with scripted ones.
class Filterdialog {
public:
    virtual ~Filterdialog() = default;
    // Nothing when the user cancelled.
    virtual std::optional<Filterwahl> DateiZumSpeichern(const Filterdialogdaten& daten) = 0;
};

// Qt's file dialog over a parent window (it asks before overwriting a file).
class QtFilterdialog : public Filterdialog {
public:
    explicit QtFilterdialog(QWidget* eltern) : eltern_(eltern) {}
    std::optional<Filterwahl> DateiZumSpeichern(const Filterdialogdaten& daten) override;

private:
    QWidget* eltern_;
};

} // namespace trv
