#pragma once

#include "ui/main/Projektzustand.h"

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace trv {

class Rueckfragen;

// What the file, position and calculation commands of the main window do to the project,
// apart from the widgets that trigger them: the widgets forward the user's actions here and
// follow the signals. Questions reach the user through Rueckfragen, so tests answer them.
class Projektbefehle : public QObject {
    Q_OBJECT
public:
    Projektbefehle(Projektzustand& zustand, Rueckfragen& fragen, QObject* eltern = nullptr);

    Projektzustand& Zustand() { return zustand_; }

    // Applies a display mode to the project: the position's results are valid in every mode
    // but input; input mode draws the input sketch and preselects the input connector.
    void AnzeigeModusSetzen(TAnzeigeModus modus);
    // The overview of a calculated position with the connector type stored as selected (input
    // mode, passed through to show the inputs, preselects the input type).
    void UebersichtMitAuswahl(int typ);

    // "Save current calculation?": No gives true, Cancel false, Yes saves (asking for a name
    // when there is none) and gives the outcome of the save.
    bool SpeichernAbfrage();
    // New project (after the save question); false when the user cancelled.
    bool Neu();
    // The open dialog after the save question; false when cancelled or the file was unreadable.
    bool Oeffnen();
    // Opens the named project (recent projects, a dropped file): the file is read first, and
    // only a readable one leads to the save question and replaces the project; false when the
    // user cancelled or the file could not be read.
    bool DateiOeffnen(const QString& datei);
    // Replaces the project by the file's. An unreadable file shows its message with the reason
    // and leaves the open project, its file name and its changes as they were.
    bool ProjektLaden(const QString& datei);
    bool Speichern();
    bool SpeichernUnter();
    // Closing the window: the save question decides.
    bool SchliessenErlaubt() { return SpeichernAbfrage(); }

    // A copy of the current position (results included) appended and made current.
    void PositionHinzufuegen();
    // Refused with a message when it is the only position; else the last position becomes
    // current.
    bool PositionLoeschen();
    // Makes position nr current; a number above the count selects the last position, one
    // below 1 the first. The window then shows it (its mode follows the position's results).
    void PositionWaehlen(int nr);

    // A row of the result list became selected: type typ becomes the position's connector;
    // its dowel alignment hint is shown once per calculation.
    void DornWaehlen(int typ);

    // The plausibility checks; sets the project's CalcFlag and returns the failing messages.
    QStringList EingabenPruefen();
    // Calculation command after a successful field check: the plausibility checks, then the
    // calculation of all types in overview mode. False with the messages in hinweise when the
    // inputs are not plausible (the position then is in input mode: no stale results).
    bool Berechnen(QStringList& hinweise);
    // Preview command: as Berechnen, but calculates only when no valid results are shown, and
    // ends in result-sheet mode.
    bool Vorschau(QStringList& hinweise);

signals:
    // The whole project was replaced (New, Open): positions, tree and fields follow, and the
    // window shows the current position.
    void ProjektErsetzt();
    // Position nr was appended, or deleted (the later ones moved up by one).
    void PositionHinzugefuegt(int nr);
    void PositionGeloescht(int nr);
    // Another position became current (or the current one was replaced).
    void PositionGewechselt();
    void DateinameGeaendert(const QString& anzeige);
    // A project file was opened or saved under this name.
    void ProjektdateiBenutzt(const QString& datei);
    void ModusGeaendert(TAnzeigeModus modus);
    // Notices of a calculation run (not engineering failures: those are in the results).
    void Rechenhinweise(const QStringList& hinweise);

private:
    // The file read into a new project; nullptr, with the message shown, when unreadable.
    std::unique_ptr<TKModell> ProjektLesen(const QString& datei);
    void ProjektUebernehmen(std::unique_ptr<TKModell> modell, const QString& datei);
    void DateifehlerMelden(const TKDateiErgebnis& ergebnis);
    bool SpeichernAls(const QString& datei);
    void DateinameSetzen(const QString& datei);
    // The current position's results decide: overview when calculated, else input.
    void ModusDerPosition();
    void Rechnen();

    // The project file as it was when last read or written here: another program (or a second
    // instance) that wrote it since is not overwritten without asking.
    struct TDateistand {
        std::uintmax_t Groesse = 0;
        std::filesystem::file_time_type Zeit{};
        bool operator==(const TDateistand&) const = default;
    };
    static std::optional<TDateistand> DateistandLesen(const QString& datei);
    bool UeberschreibenErlaubt(const QString& datei);

    Projektzustand& zustand_;
    Rueckfragen& fragen_;
    std::optional<TDateistand> dateistand_;
};

// The caption of the program's windows, file dialogs and messages.
QString Programmtitel();

} // namespace trv
