#include "ui/main/Befehle.h"

#include "ui/main/Symbole.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>

#include <utility>

namespace trv {

namespace {

constexpr const char* VerfuegbarEigenschaft = "trvVerfuegbar";

QAction* Aktion(QObject* eltern, const char* name, bool schaltbar = false) {
    auto* a = new QAction(eltern);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(schaltbar);
    return a;
}

} // namespace

Befehle::Befehle(QObject* eltern) : QObject(eltern) {
    mnuNeu = Aktion(this, "mnuNeu");
    mnuOeffnen = Aktion(this, "mnuOeffnen");
    mnuSpeichern = Aktion(this, "mnuSpeichern");
    mnuSpeichernUnter = Aktion(this, "mnuSpeichernUnter");
    mnuDruckereinrichten = Aktion(this, "mnuDruckereinrichten");
    mnuDrucken = Aktion(this, "mnuDrucken");
    mnuProjektDrucken = Aktion(this, "mnuProjektDrucken");
    mnuBeenden = Aktion(this, "mnuBeenden");
    mnuProjektverwaltung = Aktion(this, "mnuProjektverwaltung");
    mnuPositionHinzufuegen = Aktion(this, "mnuPositionHinzufuegen");
    mnuPositionLoeschen = Aktion(this, "mnuPositionLoeschen");
    mnuEingabebaum = Aktion(this, "mnuEingabebaum", true);
    mnuEingabebaum->setChecked(true);
    mnuSystemeingabe = Aktion(this, "mnuSystemeingabe");
    mnuProjektdaten = Aktion(this, "mnuProjektdaten");
    mnuStuecklisteAnzeigen = Aktion(this, "mnuStuecklisteAnzeigen");
    mnuInStueckliste = Aktion(this, "mnuInStueckliste");
    mnuNeuBerechnung = Aktion(this, "mnuNeuBerechnung");
    mnuVorschau = Aktion(this, "mnuVorschau");
    mnuDornDXFExport = Aktion(this, "mnuDornDXFExport");
    mnuBewehrungDXFExport = Aktion(this, "mnuBewehrungDXFExport");
    mnuErgebnisseinDatei = Aktion(this, "mnuErgebnisseinDatei");
    mnuErgebnisseinZwischenablage = Aktion(this, "mnuErgebnisseinZwischenablage");
    mnuOptionBemessung = Aktion(this, "mnuOptionBemessung");
    mnuOptionEinstellungen = Aktion(this, "mnuOptionEinstellungen");
    mnuHilfeInhalt = Aktion(this, "mnuHilfeInhalt");
    mnuHilfeSuchen = Aktion(this, "mnuHilfeSuchen");
    mnuUeberHilfe = Aktion(this, "mnuUeberHilfe");
    mnuUeberTRV = Aktion(this, "mnuUeberTRV");
    mnuTRVKatalog = Aktion(this, "mnuTRVKatalog");

    tbAnsicht = Aktion(this, "tbAnsicht", true);
    tbDraufsicht = Aktion(this, "tbDraufsicht", true);
    tbSchnitt = Aktion(this, "tbSchnitt", true);
    tbReihenAnsicht = Aktion(this, "tbReihenAnsicht", true);
    auto* skizzen = new QActionGroup(this);
    for (QAction* a : {tbAnsicht, tbDraufsicht, tbSchnitt, tbReihenAnsicht}) {
        skizzen->addAction(a);
    }
    tbAnsicht->setChecked(true);
    tbBewehrung = Aktion(this, "tbBewehrung");

    popmnuInZwischenablage = Aktion(this, "popmnuInZwischenablage");
    popmnuInDatei = Aktion(this, "popmnuInDatei");
    popmnuVergroessern = Aktion(this, "popmnuVergroessern");
    popmnuDXFExport = Aktion(this, "popmnuDXFExport");

    // Commands whose windows this program has from the start; the others are switched on by
    // whoever wires them.
    for (QAction* a :
         {mnuNeu, mnuOeffnen, mnuSpeichern, mnuSpeichernUnter, mnuDruckereinrichten, mnuBeenden,
          mnuPositionHinzufuegen, mnuPositionLoeschen, mnuEingabebaum, mnuSystemeingabe,
          mnuNeuBerechnung, mnuVorschau, tbAnsicht, tbDraufsicht, tbSchnitt, tbReihenAnsicht}) {
        SetVerfuegbar(a, true);
    }
    const std::pair<QAction*, const char*> symbole[] = {
        {mnuNeu, "neu"},
        {mnuOeffnen, "oeffnen"},
        {mnuSpeichern, "speichern"},
        {mnuSpeichernUnter, "speichern-unter"},
        {mnuDruckereinrichten, "drucker"},
        {mnuDrucken, "drucken"},
        {mnuProjektDrucken, "drucker"},
        {mnuBeenden, "beenden"},
        {mnuProjektverwaltung, "projektverwaltung"},
        {mnuPositionHinzufuegen, "position-hinzufuegen"},
        {mnuPositionLoeschen, "position-loeschen"},
        {mnuEingabebaum, "eingabebaum"},
        {mnuSystemeingabe, "systemeingabe"},
        {mnuProjektdaten, "projektdaten"},
        {mnuStuecklisteAnzeigen, "stueckliste"},
        {mnuInStueckliste, "in-stueckliste"},
        {mnuNeuBerechnung, "berechnen"},
        {mnuVorschau, "vorschau"},
        {mnuDornDXFExport, "ansicht"},
        {mnuBewehrungDXFExport, "bewehrung"},
        {mnuErgebnisseinDatei, "export-datei"},
        {mnuErgebnisseinZwischenablage, "zwischenablage"},
        {mnuOptionBemessung, "bemessung"},
        {mnuOptionEinstellungen, "farben"},
        {mnuHilfeInhalt, "hilfe"},
        {mnuHilfeSuchen, "hilfe-suchen"},
        {mnuUeberHilfe, "hilfe-inhalt"},
        {mnuUeberTRV, "info"},
        {mnuTRVKatalog, "handbuch"},
        {tbAnsicht, "ansicht"},
        {tbDraufsicht, "draufsicht"},
        {tbSchnitt, "schnitt"},
        {tbReihenAnsicht, "reihe"},
        {tbBewehrung, "bewehrung"},
        {popmnuInZwischenablage, "zwischenablage"},
        {popmnuInDatei, "export-datei"},
        {popmnuVergroessern, "vorschau"},
        {popmnuDXFExport, "bewehrung"},
    };
    for (const auto& [aktion, name] : symbole) {
        aktion->setIcon(Symbol(QString::fromLatin1(name)));
    }
    retranslateUi();
}

bool Befehle::Verfuegbar(const QAction* aktion) {
    return aktion->property(VerfuegbarEigenschaft).toBool();
}

void Befehle::SetVerfuegbar(QAction* aktion, bool verfuegbar) {
    aktion->setProperty(VerfuegbarEigenschaft, verfuegbar);
}

void Befehle::HinweisSetzen(QAction* aktion, const QString& hinweis) {
    const qsizetype strich = hinweis.indexOf(QLatin1Char('|'));
    const QString kurz = strich < 0 ? hinweis : hinweis.left(strich);
    const QString lang = strich < 0 ? hinweis : hinweis.mid(strich + 1);
    aktion->setToolTip(kurz);
    aktion->setStatusTip(lang);
}

void Befehle::retranslateUi() {
    struct Text {
        QAction* Aktion;
        QString Beschriftung;
        QString Hinweis;
    };
    const Text texte[] = {
        {mnuNeu, tr("&New..."), tr("begin new project|begin new project")},
        {mnuOeffnen, tr("&Open..."), tr("open project|open an existing project file")},
        {mnuSpeichern, tr("&Save"), tr("save project|save the project in its file")},
        {mnuSpeichernUnter, tr("Save &As ..."),
         tr("save project as|save the project in a new file")},
        {mnuDruckereinrichten, tr("Printer Set&up"),
         tr("printer setup|choose the printer and its page")},
        {mnuDrucken, tr("&Print"), tr("print|print the result sheet of the current position")},
        {mnuProjektDrucken, tr("Print pro&ject"),
         tr("print project|print the result sheets of every calculated position and the "
            "connector schedule")},
        {mnuBeenden, tr("E&xit"), tr("exit|end the program")},
        {mnuProjektverwaltung, tr("Project Ad&ministration"),
         tr("project administration|browse project files and take over positions")},
        {mnuPositionHinzufuegen, tr("&Add Position"),
         tr("add position|add a copy of the current position")},
        {mnuPositionLoeschen, tr("&Delete Current Position"),
         tr("delete position|delete the current position")},
        {mnuEingabebaum, tr("Input &Tree"), tr("input tree|show or hide the input tree")},
        {mnuSystemeingabe, tr("System &Input"),
         tr("system input|return from the result sheet to the input")},
        {mnuProjektdaten, tr("&Project Data"), tr("project data|edit the project description")},
        {mnuStuecklisteAnzeigen, tr("&Display Connector Schedule"),
         tr("connector schedule|display the connector schedule")},
        {mnuInStueckliste, tr("&Add to Connector Schedule"),
         tr("add to schedule|add the selected connector of the current position to the "
            "connector schedule")},
        // One English caption, two meanings: the command and the options of the design.
        {mnuNeuBerechnung, tr("&Calculation", "Results menu: run the calculation"),
         tr("calculation|check the inputs and design all connector types")},
        {mnuVorschau, tr("Calculation &Preview"),
         tr("preview|calculate and show the result sheet")},
        {mnuDornDXFExport, tr("DXF Export - &Connector"),
         tr("connector CAD blocks|copy the CAD blocks of the selected connector")},
        {mnuBewehrungDXFExport, tr("DXF Export - &Reinforcement"),
         tr("reinforcement drawing|DXF drawing of the reinforcement of the selected connector")},
        {mnuErgebnisseinDatei, tr("Export Results to &File"),
         tr("export results|save the result sheet in a file")},
        {mnuErgebnisseinZwischenablage, tr("Export Results to C&lipboard"),
         tr("results to clipboard|copy the result sheet to the clipboard")},
        {mnuOptionBemessung, tr("&Calculation", "Options menu: design options"),
         tr("design options|maximum spacing, steel grade and safety factor")},
        {mnuOptionEinstellungen, tr("&Screen Colours"),
         tr("screen colours|choose the colours of the sketches")},
        {mnuHilfeInhalt, tr("&Contents"), tr("help|contents of the help")},
        {mnuHilfeSuchen, tr("Search for Key&word"), tr("search help|search the help")},
        {mnuUeberHilfe, tr("&Use of Help"), tr("use of help|how to use the help")},
        {mnuUeberTRV, tr("&About Varnel Shear Connectors"),
         tr("about|version and maker of the program")},
        {mnuTRVKatalog, tr("&Varnel Shear Connectors Manual"),
         tr("manual|open the manual of the shear connectors")},
        {tbAnsicht, tr("View"), tr("view|view of the joint with the connector")},
        {tbDraufsicht, tr("Plan View"), tr("plan view|plan view of the connector")},
        {tbSchnitt, tr("Section"), tr("section|section through the joint")},
        {tbReihenAnsicht, tr("Row View"),
         tr("row view|arrangement of the connectors along the joint")},
        {tbBewehrung, tr("Reinforcement"),
         tr("reinforcement|adjust the reinforcement of the selected connector")},
        {popmnuInZwischenablage, tr("Sketch to &Clipborad"),
         tr("copy sketch|copy the sketch to the clipboard")},
        {popmnuInDatei, tr("Save sketch in file"), tr("save sketch|save the sketch in a file")},
        {popmnuVergroessern, tr("Represent sketch as full picture"),
         tr("enlarge sketch|show the sketch in a window of its own")},
        {popmnuDXFExport, tr("DXF-Export"),
         tr("DXF export|DXF drawing of the reinforcement of the selected connector")},
    };
    for (const Text& t : texte) {
        t.Aktion->setText(t.Beschriftung);
        HinweisSetzen(t.Aktion, t.Hinweis);
    }
    mnuNeu->setShortcut(QKeySequence(tr("Ctrl+N")));
    mnuOeffnen->setShortcut(QKeySequence(tr("Ctrl+O")));
    mnuSpeichern->setShortcut(QKeySequence(tr("Ctrl+S")));
    mnuSpeichernUnter->setShortcut(QKeySequence(tr("Ctrl+A")));
    mnuDrucken->setShortcut(QKeySequence(tr("Ctrl+P")));
    // The desktop's Quit key as well: themes without one give an empty QKeySequence::Quit.
    mnuBeenden->setShortcuts({QKeySequence(tr("Alt+F4")), QKeySequence(tr("Ctrl+Q"))});
    mnuProjektverwaltung->setShortcut(QKeySequence(tr("Ctrl+V")));
    // The usual key of engineering programs for "calculate", so the command most used is one
    // key away.
    mnuNeuBerechnung->setShortcut(QKeySequence(tr("F9")));
    mnuHilfeInhalt->setShortcut(QKeySequence(QKeySequence::HelpContents));
}

} // namespace trv
