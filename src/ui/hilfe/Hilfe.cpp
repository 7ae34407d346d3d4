#include "ui/hilfe/Hilfe.h"

#include "platform/Sprachmodule.h"
#include "ui/hilfe/Hilfefenster.h"
#include "ui/hilfe/Hilfesammlung.h"
#include "ui/main/Symbole.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

#include <utility>
#include <vector>

namespace trv {

namespace {

// Every living help object, the program's help last.
std::vector<Hilfe*>& Lebende() {
    static std::vector<Hilfe*> hilfen;
    return hilfen;
}

} // namespace

Hilfe::Hilfe(QStringList datenOrdner, QString cacheOrdner, QWidget* eltern)
    : datenOrdner_(std::move(datenOrdner)), cacheOrdner_(std::move(cacheOrdner)), eltern_(eltern) {
    Lebende().push_back(this);
}

Hilfe::~Hilfe() {
    std::erase(Lebende(), this);
    delete fenster_.data();
}

Hilfe* Hilfe::Programm() {
    return Lebende().empty() ? nullptr : Lebende().back();
}

THilfefenster* Hilfe::Fenster() const {
    return fenster_.data();
}

THilfefenster& Hilfe::Oeffnen() {
    const QString sprache = Hilfesammlung::SpracheFuer(plattform::Sprachmodule::Programmsprache());
    if (fenster_ && fenster_->Sammlung().Sprache() != sprache) {
        delete fenster_.data();
    }
    if (!fenster_) {
        fenster_ = new THilfefenster(
            std::make_unique<Hilfesammlung>(datenOrdner_, cacheOrdner_, sprache), eltern_);
        fenster_->setWindowFlag(Qt::Window);
    }
    Anbinden();
    fenster_->show();
    fenster_->raise();
    fenster_->activateWindow();
    return *fenster_;
}

void Hilfe::Anbinden() {
    // A modal dialog blocks every window outside itself: while one runs, the help belongs to
    // it, so that it comes up in front of it and takes input; when the dialog ends the help
    // goes back to the next modal dialog or the main window and stays open.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == fenster_.data()) {
        return;
    }
    QWidget* eltern = modal != nullptr ? modal : eltern_;
    if (fenster_->parentWidget() == eltern) {
        return;
    }
    const bool sichtbar = fenster_->isVisible();
    const QRect lage = fenster_->geometry();
    fenster_->setParent(eltern, fenster_->windowFlags() | Qt::Window);
    if (sichtbar) {
        fenster_->setGeometry(lage);
        fenster_->show();
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        QObject::connect(
            dialog, &QDialog::finished, fenster_.data(),
            [this] {
                if (fenster_) {
                    Anbinden();
                }
            },
            Qt::SingleShotConnection);
    }
}

void Hilfe::Inhalt() {
    Oeffnen().Inhalt();
}

void Hilfe::Stichwortsuche() {
    Oeffnen().Stichwortsuche();
}

void Hilfe::UeberHilfe() {
    Oeffnen().UeberHilfe();
}

void Hilfe::Thema(const QString& kennung) {
    Oeffnen().Thema(kennung);
}

void HilfeThema(const QString& kennung) {
    if (Hilfe* hilfe = Hilfe::Programm()) {
        hilfe->Thema(kennung);
    }
}

THilfeKnopf::THilfeKnopf(QString thema, QWidget* eltern)
    : QPushButton(eltern), thema_(std::move(thema)) {
    setObjectName(QStringLiteral("BitBtnHilfe"));
    setIcon(Symbol(QStringLiteral("hilfe")));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { HilfeThema(thema_); });
    retranslateUi();
}

void THilfeKnopf::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QPushButton::changeEvent(ereignis);
}

void THilfeKnopf::retranslateUi() {
    setText(tr("&Help"));
    setToolTip(tr("Help on this window"));
}

} // namespace trv
