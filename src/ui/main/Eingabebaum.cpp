#include "ui/main/Eingabebaum.h"

#include "ui/main/Befehle.h"
#include "ui/main/Symbole.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace trv {

namespace {

constexpr int AktionRolle = Qt::UserRole;
constexpr int PositionRolle = Qt::UserRole + 1;

QAction* AktionVon(const QTreeWidgetItem* knoten) {
    return qobject_cast<QAction*>(knoten->data(0, AktionRolle).value<QObject*>());
}

} // namespace

TEingabebaum::TEingabebaum(const Befehle& befehle, QWidget* eltern)
    : QTreeWidget(eltern), befehle_(befehle) {
    setObjectName(QStringLiteral("tvMain"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(tr("Input tree"));
    // Mouse down on a node runs it; Space or Enter on the current node does the same from
    // the keyboard (keyPressEvent).
    connect(this, &QTreeWidget::itemPressed, this,
            [this](QTreeWidgetItem* k, int) { KnotenAusfuehren(k); });
}

void TEingabebaum::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    if ((taste == Qt::Key_Space || taste == Qt::Key_Return || taste == Qt::Key_Enter) &&
        ereignis->modifiers() == Qt::NoModifier && currentItem()) {
        KnotenAusfuehren(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(ereignis);
}

QTreeWidgetItem* TEingabebaum::Knoten(QTreeWidgetItem* eltern, const QString& text, int bild,
                                      QAction* aktion) {
    if (aktion && !Befehle::Verfuegbar(aktion)) {
        return nullptr;
    }
    auto* k = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(this);
    k->setText(0, text);
    k->setIcon(0, BaumSymbol(bild));
    if (aktion) {
        k->setData(0, AktionRolle, QVariant::fromValue<QObject*>(aktion));
        k->setToolTip(0, aktion->toolTip());
        k->setStatusTip(0, aktion->statusTip());
    }
    return k;
}

void TEingabebaum::EingabebaumAufbauen(const QString& projekt, int positionNr,
                                       const QString& position) {
    clear();
    systemeingabe_ = nullptr;
    inStueckliste_ = nullptr;
    const Befehle& b = befehle_;
    QTreeWidgetItem* datei = Knoten(nullptr, tr("File"), 17);
    Knoten(datei, tr("New"), 0, b.mnuNeu);
    Knoten(datei, tr("Open"), 1, b.mnuOeffnen);
    Knoten(datei, tr("Save"), 2, b.mnuSpeichern);
    Knoten(datei, tr("Save As ..."), 3, b.mnuSpeichernUnter);
    Knoten(datei, tr("Printer Setup ..."), 12, b.mnuDruckereinrichten);
    Knoten(nullptr, tr("Project Administration"), 33, b.mnuProjektverwaltung);
    projektText_ = projekt;
    projekt_ = Knoten(nullptr, tr("Project: ") + projekt, 30);
    Knoten(projekt_, tr("Add Position"), 21, b.mnuPositionHinzufuegen);
    Knoten(projekt_, tr("Delete Current Position"), 22, b.mnuPositionLoeschen);
    positionen_ = Knoten(projekt_, tr("Current Positions"), 29);
    QTreeWidgetItem* erste =
        Knoten(positionen_, QStringLiteral("#%1: %2").arg(positionNr).arg(position), 28);
    erste->setData(0, PositionRolle, true);
    eingabe_ = Knoten(nullptr, tr("Input"), 16);
    Knoten(eingabe_, tr("Project Data"), 10, b.mnuProjektdaten);
    stueckliste_ = Knoten(nullptr, tr("Connector Schedule"), 23);
    Knoten(stueckliste_, tr("Display Connector Schedule"), 23, b.mnuStuecklisteAnzeigen);
    QTreeWidgetItem* optionen = Knoten(nullptr, tr("Options"), 19);
    Knoten(optionen, tr("Calculation"), 35, b.mnuOptionBemessung);
    Knoten(optionen, tr("Screen Colours"), 24, b.mnuOptionEinstellungen);
    QTreeWidgetItem* hilfe = Knoten(nullptr, tr("Help"), 18);
    Knoten(hilfe, tr("Contents"), 8, b.mnuHilfeInhalt);
    Knoten(hilfe, tr("Search"), 11, b.mnuHilfeSuchen);
    Knoten(hilfe, tr("About Help"), 11, b.mnuUeberHilfe);
    Knoten(hilfe, tr("About Varnel Shear Connectors"), 15, b.mnuUeberTRV);
    Knoten(hilfe, tr("Varnel Shear Connectors Manual"), 34, b.mnuTRVKatalog);
    Knoten(nullptr, tr("End program"), 9, b.mnuBeenden);
    // Groups whose commands are all absent are left out rather than shown empty.
    for (QTreeWidgetItem* gruppe : {optionen, hilfe, stueckliste_}) {
        if (gruppe->childCount() == 0) {
            delete gruppe;
            if (gruppe == stueckliste_) {
                stueckliste_ = nullptr;
            }
        }
    }
    projekt_->setExpanded(true);
    positionen_->setExpanded(true);
    eingabe_->setExpanded(true);
}

void TEingabebaum::BaumPositionenAufbauen(const QStringList& positionen) {
    if (!positionen_) {
        return;
    }
    qDeleteAll(positionen_->takeChildren());
    for (qsizetype i = 0; i < positionen.size(); ++i) {
        QTreeWidgetItem* k = Knoten(positionen_, positionen[i], 28);
        k->setData(0, PositionRolle, true);
    }
    positionen_->setExpanded(true);
}

void TEingabebaum::BaumPositionHinzufuegen(const QString& text) {
    if (!positionen_) {
        return;
    }
    QTreeWidgetItem* k = Knoten(positionen_, text, 28);
    k->setData(0, PositionRolle, true);
    positionen_->setExpanded(true);
    setCurrentItem(k);
}

void TEingabebaum::BaumPositionEntfernen(int nr) {
    if (positionen_ && nr >= 1 && nr <= positionen_->childCount()) {
        delete positionen_->takeChild(nr - 1);
    }
}

void TEingabebaum::BaumPositionSetzen(int nr, const QString& text) {
    if (positionen_ && nr >= 1 && nr <= positionen_->childCount()) {
        positionen_->child(nr - 1)->setText(0, text);
    }
}

void TEingabebaum::BaumProjektSetzen(const QString& text) {
    projektText_ = text;
    if (projekt_) {
        projekt_->setText(0, tr("Project: ") + text);
    }
}

int TEingabebaum::AnzahlPositionen() const {
    return positionen_ ? positionen_->childCount() : 0;
}

QTreeWidgetItem* TEingabebaum::KnotenVon(const QAction* aktion) const {
    for (QTreeWidgetItemIterator it(const_cast<TEingabebaum*>(this)); *it; ++it) {
        if (AktionVon(*it) == aktion) {
            return *it;
        }
    }
    return nullptr;
}

void TEingabebaum::SystemeingabeZeigen(bool zeigen) {
    if (zeigen == (systemeingabe_ != nullptr) || !eingabe_) {
        return;
    }
    if (zeigen) {
        systemeingabe_ = new QTreeWidgetItem();
        systemeingabe_->setText(0, tr("System Input"));
        systemeingabe_->setIcon(0, BaumSymbol(20));
        systemeingabe_->setData(0, AktionRolle,
                                QVariant::fromValue<QObject*>(befehle_.mnuSystemeingabe));
        eingabe_->insertChild(0, systemeingabe_);
    } else {
        delete systemeingabe_;
        systemeingabe_ = nullptr;
    }
}

void TEingabebaum::InStuecklisteZeigen(bool zeigen) {
    if (!stueckliste_ || !Befehle::Verfuegbar(befehle_.mnuInStueckliste) ||
        zeigen == (inStueckliste_ != nullptr)) {
        return;
    }
    if (zeigen) {
        inStueckliste_ =
            Knoten(stueckliste_, tr("Add to Connector Schedule"), 25, befehle_.mnuInStueckliste);
    } else {
        delete inStueckliste_;
        inStueckliste_ = nullptr;
    }
}

void TEingabebaum::KnotenAusfuehren(QTreeWidgetItem* knoten) {
    if (!knoten || knoten->childCount() > 0) {
        return;
    }
    // Run after the event that pressed the node: a command may rebuild the tree (New, Open),
    // which must not happen under the tree's own mouse handling.
    if (knoten->data(0, PositionRolle).isValid()) {
        // The number is the node's place: adding and deleting never renumber the nodes.
        const int n = positionen_->indexOfChild(knoten) + 1;
        QMetaObject::invokeMethod(
            this, [this, n] { emit PositionGewaehlt(n); }, Qt::QueuedConnection);
        return;
    }
    if (QAction* aktion = AktionVon(knoten); aktion && aktion->isEnabled()) {
        QMetaObject::invokeMethod(aktion, &QAction::trigger, Qt::QueuedConnection);
    }
}

} // namespace trv
