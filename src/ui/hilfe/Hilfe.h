#pragma once

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>

class QWidget;

namespace trv {

class THilfefenster;

// The help commands of the program: contents, keyword search, help on help and the named topics
// of the dialogs' Help buttons. The object made last is the program's help while it lives (the
// main window's; a test may put its own in front); the help window follows the active language
// (German or English).
class Hilfe {
public:
    // datenOrdner: where the help files are looked for; cacheOrdner: where the collection and
    // its search index are kept; eltern: the window that owns the help window.
    Hilfe(QStringList datenOrdner, QString cacheOrdner, QWidget* eltern);
    ~Hilfe();
    Hilfe(const Hilfe&) = delete;
    Hilfe& operator=(const Hilfe&) = delete;

    // The program's help, or nullptr when no main window exists.
    static Hilfe* Programm();

    void Inhalt();
    void Stichwortsuche();
    void UeberHilfe();
    void Thema(const QString& kennung);

    // The help window once it has been opened.
    THilfefenster* Fenster() const;

private:
    THilfefenster& Oeffnen();
    // Gives the help window to the running modal dialog, or back to the main window.
    void Anbinden();

    QStringList datenOrdner_;
    QString cacheOrdner_;
    QWidget* eltern_;
    QPointer<THilfefenster> fenster_;
};

// Opens a named topic in the program's help; used by the dialogs' Help buttons.
void HilfeThema(const QString& kennung);

// A dialog's "&Help" button: opens the dialog's topic in the program's help.
class THilfeKnopf : public QPushButton {
    Q_OBJECT
public:
    THilfeKnopf(QString thema, QWidget* eltern);

    const QString& Thema() const { return thema_; }

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void retranslateUi();
    QString thema_;
};

} // namespace trv
