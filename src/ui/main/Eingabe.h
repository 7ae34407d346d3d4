#pragma once

#include "ui/main/Projektzustand.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QStackedWidget;
class QToolBar;

namespace trv {

class Befehle;
class Druckerwahl;
class EnterWeiter;
class Projektbefehle;
class Rueckfragen;
class TBlattansicht;
class TfrmBemessung;
class TfrmZoom;
class Bildexport;
class CadBlockExport;
class Hilfe;
class ZuletztGeoeffnet;
class Druckbefehle;
class QtFilterdialog;
class TEingabebaum;
class TEingabepanel;
class TErgebnisliste;
class TSkizzenbild;

// The main window: holds the project, shows one position at a time and starts every command.
// What the commands do to the project lives in Projektbefehle; this window shows the state and
// forwards the user's actions.
class TfrmHauptMaske : public QMainWindow {
    Q_OBJECT
public:
    // argumente: the command line after the program name (a project file to open at the
    // first activation). fragen answers the questions of the commands; without it the window
    // asks with message boxes and file dialogs.
    TfrmHauptMaske(TKIniDatei ini, TKRegional regional, QStringList argumente,
                   Rueckfragen* fragen = nullptr, QWidget* eltern = nullptr);
    ~TfrmHauptMaske() override;

    Projektzustand& Zustand() { return zustand_; }
    Projektbefehle& Kommandos() { return *kommandos_; }
    Befehle& Aktionen() { return *befehle_; }
    Druckerwahl& Drucker() { return *drucker_; }
    Rueckfragen& Fragen() { return *fragen_; }

    TEingabebaum* Baum() const { return tvMain_; }
    TEingabepanel* Eingaben() const { return pnlEingaben_; }
    TErgebnisliste* Ergebnisliste() const { return lvLastErgebnis_; }
    TSkizzenbild* Skizze() const { return imgAnsicht_; }
    TBlattansicht* Blatt() const { return scBoxErgebnisse_; }
    QSpinBox* PositionsAuswahl() const { return sEditAktAnwendung_; }
    QPlainTextEdit* Hinweise() const { return memoHinweise_; }
    QLineEdit* Bauvorhaben() const { return editBauvorhaben_; }
    QLineEdit* PositionText() const { return editPosition_; }
    QLabel* Statusfeld(int nr) const;
    bool BaumSichtbar() const;
    // The File menu's list of the projects opened or saved last.
    QMenu* ZuletztMenue() const { return mnuZuletzt_; }

    // The project file a drag carries: one local file ending in ".TRV" in any case; "" else.
    static QString GezogenesProjekt(const QMimeData* daten);

    // The commands as the menu runs them.
    void Berechnen();
    void Vorschau();
    void Systemeingabe();
    // Writes every value of the current position into the controls and returns to input mode.
    void EingabenAnzeigen();
    // Shows the current position: its results when it was calculated, else its inputs.
    void PositionAnzeigen();
    void SkizzeZeichnen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    bool event(QEvent* ereignis) override;

private:
    void FensterAufbauen();
    QWidget* NavigationAufbauen();
    QWidget* SkizzenbereichAufbauen();
    void MenueAufbauen();
    void WerkzeugleisteAufbauen();
    void StatusleisteAufbauen();
    void BefehleVerbinden();
    void retranslateUi();
    // Lists, sketch and sheet drawn again in the language just activated.
    void SpracheNeuAnzeigen();
    void ZuletztMenueFuellen();
    void ZuletztOeffnen(const QString& datei);

    void ModusAnwenden(TAnzeigeModus modus);
    void ProjektAnzeigen();
    void BaumAufbauen();
    void PositionslisteAnzeigen();
    void PositionsauswahlSetzen(int anzahl, int aktuell);
    void DateinameAnzeigen(const QString& anzeige);
    void HinweiseZeigen(const QStringList& hinweise);
    // Finishes the field being edited (header texts and the panel's field) before a command;
    // false after a refused value, which ends the command with its message.
    bool EingabeUebernehmen();
    void EingabebaumUmschalten(bool sichtbar);
    void SkizzeWaehlen(int skizze);
    void SkizzenMenueZeigen(const QPoint& position);
    void StatusfelderAnpassen();
    void BefehlszeileOeffnen();
    // Says once, at start, that the settings file cannot be used: the user's settings are
    // then neither read nor kept.
    void EinstellungenMelden();
    // Runs a command; an error it does not catch ends it with a message, the program goes on.
    void Sicher(const std::function<void()>& befehl);
    // Shows a modal dialog of the window. A dialog that changed the position's inputs (OK)
    // returns the window to input mode; the others leave the results as they were.
    bool DialogAusfuehren(QDialog& dialog, bool aendertEingaben);
    void AnwendungsfallFolgen(int fall);
    void DialogeVerbinden();
    void Bewehrung();
    // Page 1 of the result sheet as the preview shows it (empty outside result-sheet mode).
    QImage ErsteSeite() const;

    Projektzustand zustand_;
    std::unique_ptr<Rueckfragen> eigeneFragen_;
    Rueckfragen* fragen_;
    Projektbefehle* kommandos_;
    Befehle* befehle_;
    std::unique_ptr<Druckerwahl> drucker_;
    QStringList argumente_;
    bool ersteAktivierung_ = true;

    QToolBar* tbarMain_ = nullptr;
    QLabel* lblAktAnwendung_ = nullptr;
    QSpinBox* sEditAktAnwendung_ = nullptr;
    QSplitter* splVertikal_ = nullptr;
    QWidget* pnlNavigation_ = nullptr;
    TEingabebaum* tvMain_ = nullptr;
    QPushButton* BitBtnEingabe_ = nullptr;
    QPushButton* BitBtnInZwischenablage_ = nullptr;
    QPushButton* BitBtnVorschau_ = nullptr;
    QPushButton* BitBtnExportieren_ = nullptr;
    QPushButton* BitBtnBerechnen_ = nullptr;
    EnterWeiter* enter_ = nullptr;
    QStackedWidget* bereiche_ = nullptr;
    TEingabepanel* pnlEingaben_ = nullptr;
    QLabel* lblBauvorhaben_ = nullptr;
    QLineEdit* editBauvorhaben_ = nullptr;
    QLabel* lblPosition_ = nullptr;
    QLineEdit* editPosition_ = nullptr;
    QToolBar* tbarErgebnisse_ = nullptr;
    TSkizzenbild* imgAnsicht_ = nullptr;
    QPlainTextEdit* memoHinweise_ = nullptr;
    TErgebnisliste* lvLastErgebnis_ = nullptr;
    TBlattansicht* scBoxErgebnisse_ = nullptr;
    QMenu* popmnuExpotieren_ = nullptr;
    TfrmBemessung* bemessung_ = nullptr;
    std::unique_ptr<QtFilterdialog> filterdialog_;
    std::unique_ptr<Bildexport> bildexport_;
    std::unique_ptr<Druckbefehle> druck_;
    std::unique_ptr<CadBlockExport> cadBloecke_;
    std::unique_ptr<Hilfe> hilfe_;
    std::unique_ptr<ZuletztGeoeffnet> zuletzt_;
    QMenu* mnuZuletzt_ = nullptr;
    TfrmZoom* zoom_ = nullptr;
    QLabel* statusfelder_[3] = {nullptr, nullptr, nullptr};
};

} // namespace trv
