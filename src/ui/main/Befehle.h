#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QAction;

namespace trv {

// One action per command of the main window, shared by the menu, the main tool bar, the
// buttons below the tree and the input tree. Actions are made for every command; the main
// window shows only those it has wired (a command whose window does not exist is absent,
// never a dead entry).
class Befehle : public QObject {
    Q_OBJECT
public:
    explicit Befehle(QObject* eltern);

    // Captions, shortcuts and hints in the active language.
    void retranslateUi();

    // A hint made of a short part (tool tip) and a long part (status bar), separated by "|".
    static void HinweisSetzen(QAction* aktion, const QString& hinweis);

    QAction* mnuNeu;
    QAction* mnuOeffnen;
    QAction* mnuSpeichern;
    QAction* mnuSpeichernUnter;
    QAction* mnuDruckereinrichten;
    QAction* mnuDrucken;
    // Every calculated position's sheet and the connector schedule in one print job.
    QAction* mnuProjektDrucken;
    QAction* mnuBeenden;
    QAction* mnuProjektverwaltung;
    QAction* mnuPositionHinzufuegen;
    QAction* mnuPositionLoeschen;
    QAction* mnuEingabebaum;
    QAction* mnuSystemeingabe;
    QAction* mnuProjektdaten;
    QAction* mnuStuecklisteAnzeigen;
    QAction* mnuInStueckliste;
    QAction* mnuNeuBerechnung;
    QAction* mnuVorschau;
    QAction* mnuDornDXFExport;
    QAction* mnuBewehrungDXFExport;
    QAction* mnuErgebnisseinDatei;
    QAction* mnuErgebnisseinZwischenablage;
    QAction* mnuOptionBemessung;
    QAction* mnuOptionEinstellungen;
    QAction* mnuHilfeInhalt;
    QAction* mnuHilfeSuchen;
    QAction* mnuUeberHilfe;
    QAction* mnuUeberTRV;
    QAction* mnuTRVKatalog;

    // The sketch selection of the sketch tool bar (exclusive, checkable): view, plan view,
    // section, row view.
    QAction* tbAnsicht;
    QAction* tbDraufsicht;
    QAction* tbSchnitt;
    QAction* tbReihenAnsicht;
    QAction* tbBewehrung;

    // The sketch pop-up menu.
    QAction* popmnuInZwischenablage;
    QAction* popmnuInDatei;
    QAction* popmnuVergroessern;
    QAction* popmnuDXFExport;

    // Whether a command is wired (its window or function exists).
    static bool Verfuegbar(const QAction* aktion);
    static void SetVerfuegbar(QAction* aktion, bool verfuegbar);
};

} // namespace trv
