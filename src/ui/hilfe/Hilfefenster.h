#pragma once

#include <QMainWindow>
#include <QTextBrowser>

#include <memory>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace trv {

class Hilfesammlung;

// Shows the pages of the help from the collection (qthelp:// addresses).
class Hilfebrowser : public QTextBrowser {
    Q_OBJECT
public:
    Hilfebrowser(Hilfesammlung& sammlung, QWidget* eltern);
    QVariant loadResource(int typ, const QUrl& adresse) override;

private:
    Hilfesammlung& sammlung_;
};

// The help window: contents, keyword index and full-text search beside the page shown.
class THilfefenster : public QMainWindow {
    Q_OBJECT
public:
    explicit THilfefenster(std::unique_ptr<Hilfesammlung> sammlung, QWidget* eltern = nullptr);
    ~THilfefenster() override;

    Hilfesammlung& Sammlung() { return *sammlung_; }

    // The contents with the first page.
    void Inhalt();
    // The keyword index, ready for a word to be typed.
    void Stichwortsuche();
    // The page that explains the help itself.
    void UeberHilfe();
    // The page of a named topic; the contents when there is no such topic.
    void Thema(const QString& kennung);

    QUrl Seite() const;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void Zeigen(const QUrl& adresse);
    void Suchen();
    void retranslateUi();

    std::unique_ptr<Hilfesammlung> sammlung_;
    QTabWidget* reiter_;
    QWidget* inhalt_;
    QWidget* index_;
    QWidget* suche_;
    QLabel* lblSuchwort_;
    QLineEdit* editSuchwort_;
    Hilfebrowser* browser_;
    QAction* zurueck_;
    QAction* vor_;
    QAction* start_;
    QAction* ueberHilfe_;
};

} // namespace trv
