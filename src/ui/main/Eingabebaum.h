#pragma once

#include <QTreeWidget>

class QAction;

namespace trv {

class Befehle;

// The input tree: the commands of the main window as nodes, the project with its positions.
// A click on a node runs its command; a click on a position node asks for that position.
class TEingabebaum : public QTreeWidget {
    Q_OBJECT
public:
    TEingabebaum(const Befehle& befehle, QWidget* eltern = nullptr);

    // Clears the tree and builds every node; the project node reads "Project: " + projekt,
    // the first position node "#" + number + ": " + position.
    void EingabebaumAufbauen(const QString& projekt, int positionNr, const QString& position);
    // One child of "Current Positions" per text, expanded.
    void BaumPositionenAufbauen(const QStringList& positionen);
    // Appends a position node and selects it.
    void BaumPositionHinzufuegen(const QString& text);
    // Removes the position node nr (1-based); the nodes after it take the numbers below.
    void BaumPositionEntfernen(int nr);
    // Text of the position node nr (1-based); a number without a node changes nothing.
    void BaumPositionSetzen(int nr, const QString& text);
    void BaumProjektSetzen(const QString& text);

    // The mode-dependent nodes: "System Input" (result-sheet mode) first under "Input",
    // "Add to Connector Schedule" (results valid) last under "Connector Schedule".
    void SystemeingabeZeigen(bool zeigen);
    void InStuecklisteZeigen(bool zeigen);

    int AnzahlPositionen() const;
    // The node of a command, or nullptr while it is not in the tree.
    QTreeWidgetItem* KnotenVon(const QAction* aktion) const;

signals:
    // A position node was clicked: nr is its number (1-based).
    void PositionGewaehlt(int nr);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QTreeWidgetItem* Knoten(QTreeWidgetItem* eltern, const QString& text, int bild,
                            QAction* aktion = nullptr);
    void KnotenAusfuehren(QTreeWidgetItem* knoten);

    const Befehle& befehle_;
    QTreeWidgetItem* projekt_ = nullptr;
    QTreeWidgetItem* positionen_ = nullptr;
    QTreeWidgetItem* eingabe_ = nullptr;
    QTreeWidgetItem* stueckliste_ = nullptr;
    QTreeWidgetItem* systemeingabe_ = nullptr;
    QTreeWidgetItem* inStueckliste_ = nullptr;
    QString projektText_;
};

} // namespace trv
