#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace trv {

// A file dialog as a command asks for it: the filters are "Text (*.ext)" entries, the first
// is preselected; the default extension is appended when the user types a name without one.
struct Dateidialog {
    QString Titel;
    QStringList Filter;
    QString StandardEndung; // without the dot, e.g. "TRV"
    QString Vorschlag;      // proposed file name or folder, may be empty
};

enum class Antwort { Ja, Nein, Abbrechen };

// Every question and message a command puts to the user. The windows answer with real dialogs,
// tests with scripted answers, so the commands are driven without clicking.
class Rueckfragen {
public:
    virtual ~Rueckfragen() = default;
    // An information message with an OK button.
    virtual void Meldung(const QString& text) = 0;
    // A question with Yes and No.
    virtual bool JaNein(const QString& text) = 0;
    // A question with Yes, No and Cancel (no icon).
    virtual Antwort JaNeinAbbrechen(const QString& text) = 0;
    // The chosen file name, or nothing when cancelled.
    virtual std::optional<QString> DateiZumOeffnen(const Dateidialog& dialog) = 0;
    // The chosen file name (the dialog asks before overwriting), or nothing when cancelled.
    virtual std::optional<QString> DateiZumSpeichern(const Dateidialog& dialog) = 0;
    // The printer set-up dialog on the given printer; false when cancelled.
    virtual bool DruckerEinrichten(QPrinter& drucker) = 0;
};

// The questions as message boxes and file dialogs over a parent window.
class DialogRueckfragen : public Rueckfragen {
public:
    explicit DialogRueckfragen(QWidget* eltern) : eltern_(eltern) {}

    void Meldung(const QString& text) override;
    bool JaNein(const QString& text) override;
    Antwort JaNeinAbbrechen(const QString& text) override;
    std::optional<QString> DateiZumOeffnen(const Dateidialog& dialog) override;
    std::optional<QString> DateiZumSpeichern(const Dateidialog& dialog) override;
    bool DruckerEinrichten(QPrinter& drucker) override;

private:
    QWidget* eltern_;
};

// The file name with the default extension appended when it has none (a name typed without
// an extension in a dialog filtered for one type).
QString MitStandardEndung(const QString& datei, const QString& endung);

} // namespace trv
