#include "ui/main/Projektbefehle.h"

#include "calculation/Katalog.h"
#include "calculation/Plausibilitaet.h"
#include "platform/Dateinamen.h"
#include "ui/main/Rueckfragen.h"
#include "ui/main/Sanduhr.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>

#include <algorithm>

namespace trv {

namespace {

QString AlsText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString Programmtitel() {
    return QCoreApplication::translate("Projektbefehle", "Varnel - TRV / ZEDE Shear Connectors");
}

Projektbefehle::Projektbefehle(Projektzustand& zustand, Rueckfragen& fragen, QObject* eltern)
    : QObject(eltern), zustand_(zustand), fragen_(fragen) {}

void Projektbefehle::AnzeigeModusSetzen(TAnzeigeModus modus) {
    TKModell& modell = zustand_.Modell();
    zustand_.SetModus(modus);
    zustand_.Anwendung().Ergebnisse().SetBerechnet(modus != amEingabe);
    if (modus == amEingabe) {
        modell.SetSkizzeAnzeige(4);
        modell.DornDatenLaden();
        zustand_.Anwendung().Ergebnisse().SetAktDorn(modell.EingabeDorn());
    } else {
        // The result sketch of the pressed sketch button, whatever was shown before.
        modell.SetSkizzeAnzeige(modell.ErgebnisAnzeige());
    }
    emit ModusGeaendert(modus);
}

void Projektbefehle::UebersichtMitAuswahl(int typ) {
    typ = DornTypBegrenzt(typ);
    zustand_.Modell().DornDaten().Laden(typ);
    zustand_.Anwendung().Ergebnisse().SetAktDorn(static_cast<std::uint8_t>(typ));
    AnzeigeModusSetzen(amUebersicht);
}

void Projektbefehle::ModusDerPosition() {
    const bool berechnet = zustand_.Anwendung().Ergebnisse().Berechnet();
    AnzeigeModusSetzen(berechnet ? amUebersicht : amEingabe);
}

void Projektbefehle::DateinameSetzen(const QString& datei) {
    zustand_.SetDateiname(datei);
    dateistand_ = datei.isEmpty() ? std::nullopt : DateistandLesen(datei);
    emit DateinameGeaendert(zustand_.DateinameAnzeige());
}

bool Projektbefehle::SpeichernAbfrage() {
    switch (fragen_.JaNeinAbbrechen(tr("Do you want to save current calculation?"))) {
    case Antwort::Nein:
        return true;
    case Antwort::Abbrechen:
        return false;
    case Antwort::Ja:
        break;
    }
    if (!zustand_.Dateiname().isEmpty()) {
        return SpeichernAls(zustand_.Dateiname());
    }
    const std::optional<QString> datei =
        fragen_.DateiZumSpeichern({Programmtitel(),
                                   {Programmtitel() + QStringLiteral(" (*.TRV)")},
                                   QStringLiteral("TRV"),
                                   {}});
    return datei && SpeichernAls(*datei);
}

bool Projektbefehle::Neu() {
    if (!SpeichernAbfrage()) {
        return false;
    }
    zustand_.NeuesModell();
    zustand_.TextlistenNeuLaden();
    DateinameSetzen({});
    AnzeigeModusSetzen(amEingabe);
    emit ProjektErsetzt();
    return true;
}

bool Projektbefehle::Oeffnen() {
    if (!SpeichernAbfrage()) {
        return false;
    }
    const std::optional<QString> datei = fragen_.DateiZumOeffnen(
        {Programmtitel(),
         {Programmtitel() + QStringLiteral(" (*.TRV *.trv)"),
          tr("Result sheets with their project (*.pdf *.PDF)"), tr("All files (*)")},
         QStringLiteral("TRV"),
         zustand_.Dateiname()});
    return datei && ProjektLaden(*datei);
}

bool Projektbefehle::DateiOeffnen(const QString& datei) {
    std::unique_ptr<TKModell> neu = ProjektLesen(datei);
    if (!neu || !SpeichernAbfrage()) {
        return false;
    }
    ProjektUebernehmen(std::move(neu), datei);
    return true;
}

bool Projektbefehle::ProjektLaden(const QString& datei) {
    std::unique_ptr<TKModell> neu = ProjektLesen(datei);
    if (!neu) {
        return false;
    }
    ProjektUebernehmen(std::move(neu), datei);
    return true;
}

std::unique_ptr<TKModell> Projektbefehle::ProjektLesen(const QString& datei) {
    std::unique_ptr<TKModell> neu;
    TKDateiErgebnis ergebnis;
    {
        const Sanduhr sanduhr;
        neu = zustand_.ModellAnlegen();
        ergebnis = neu->Oeffnen(plattform::BytesAusName(datei));
    }
    if (!ergebnis.Ok) {
        DateifehlerMelden(ergebnis);
        return nullptr;
    }
    return neu;
}

void Projektbefehle::ProjektUebernehmen(std::unique_ptr<TKModell> modell, const QString& datei) {
    // A project read from a sheet's PDF has no project file yet: Save asks for one.
    const bool ohneDatei = modell->FileName().empty();
    zustand_.ModellUebernehmen(std::move(modell));
    DateinameSetzen(ohneDatei ? QString() : datei);
    emit ProjektdateiBenutzt(datei);
    ModusDerPosition();
    emit ProjektErsetzt();
}

void Projektbefehle::DateifehlerMelden(const TKDateiErgebnis& ergebnis) {
    QStringList zeilen;
    for (const std::string& meldung : ergebnis.Meldungen) {
        zeilen << AlsText(meldung);
    }
    // The reason, as trv-cli gives it, tells a colleague what is wrong with the file.
    if (!ergebnis.Grund.empty()) {
        zeilen << QStringLiteral("(%1)").arg(AlsText(ergebnis.Grund));
    }
    fragen_.Meldung(zeilen.join(QLatin1Char('\n')));
}

std::optional<Projektbefehle::TDateistand> Projektbefehle::DateistandLesen(const QString& datei) {
    std::error_code fehler;
    const std::filesystem::path pfad(plattform::BytesAusName(datei));
    TDateistand stand{std::filesystem::file_size(pfad, fehler), {}};
    if (fehler) {
        return std::nullopt;
    }
    stand.Zeit = std::filesystem::last_write_time(pfad, fehler);
    return fehler ? std::nullopt : std::optional(stand);
}

bool Projektbefehle::UeberschreibenErlaubt(const QString& datei) {
    if (datei != zustand_.Dateiname() || !dateistand_) {
        return true;
    }
    const std::optional<TDateistand> jetzt = DateistandLesen(datei);
    return !jetzt || *jetzt == *dateistand_ ||
           fragen_.JaNein(tr("The file %1 has been changed by another program since it was "
                             "opened or saved here. Do you want to overwrite it?")
                              .arg(datei));
}

bool Projektbefehle::SpeichernAls(const QString& datei) {
    if (!UeberschreibenErlaubt(datei)) {
        return false;
    }
    TKDateiErgebnis ergebnis;
    {
        const Sanduhr sanduhr;
        ergebnis = zustand_.Modell().Speichern(plattform::BytesAusName(datei));
    }
    if (!ergebnis.Ok) {
        DateifehlerMelden(ergebnis);
        // The model notes the name it tried; the program keeps the file it last had.
        zustand_.Modell().SetFileName(plattform::BytesAusName(zustand_.Dateiname()));
        return false;
    }
    DateinameSetzen(datei);
    emit ProjektdateiBenutzt(datei);
    return true;
}

bool Projektbefehle::Speichern() {
    if (zustand_.Dateiname().isEmpty()) {
        return SpeichernUnter();
    }
    return SpeichernAls(zustand_.Dateiname());
}

bool Projektbefehle::SpeichernUnter() {
    const std::string& bauvorhaben = zustand_.Modell().Projektbeschreibung().Bauvorhaben();
    const bool leer = std::all_of(bauvorhaben.begin(), bauvorhaben.end(),
                                  [](unsigned char c) { return std::isspace(c) != 0; });
    const QString vorschlag = leer ? QString() : AlsText(bauvorhaben) + QStringLiteral(".TRV");
    const std::optional<QString> datei =
        fragen_.DateiZumSpeichern({Programmtitel(),
                                   {Programmtitel() + QStringLiteral(" (*.TRV)")},
                                   QStringLiteral("TRV"),
                                   vorschlag});
    return datei && SpeichernAls(*datei);
}

void Projektbefehle::PositionHinzufuegen() {
    TKModell& modell = zustand_.Modell();
    const int k = modell.AktAnwendung();
    const int n = modell.AnzAnwendung();
    modell.SetAnzAnwendung(n + 1);
    modell.PositionKopieren(k, n + 1);
    emit PositionHinzugefuegt(n + 1);
    PositionWaehlen(n + 1);
}

bool Projektbefehle::PositionLoeschen() {
    TKModell& modell = zustand_.Modell();
    const int nr = modell.AktAnwendung();
    std::string meldung;
    if (!modell.PositionLoeschen(nr, &meldung)) {
        if (!meldung.empty()) {
            fragen_.Meldung(AlsText(meldung));
        }
        return false;
    }
    emit PositionGeloescht(nr);
    PositionWaehlen(modell.AnzAnwendung());
    return true;
}

void Projektbefehle::PositionWaehlen(int nr) {
    TKModell& modell = zustand_.Modell();
    nr = std::clamp(nr, 1, static_cast<int>(modell.AnzAnwendung()));
    modell.SetAktAnwendung(static_cast<std::uint16_t>(nr));
    ModusDerPosition();
    emit PositionGewechselt();
}

QStringList Projektbefehle::EingabenPruefen() {
    QStringList hinweise;
    for (const std::string& text : trv::EingabenPruefen(zustand_.Anwendung())) {
        hinweise << AlsText(text);
    }
    zustand_.Modell().SetCalcFlag(hinweise.isEmpty());
    return hinweise;
}

void Projektbefehle::Rechnen() {
    QStringList hinweise;
    for (const std::string& text : zustand_.Anwendung().BemessungStarten()) {
        hinweise << AlsText(text);
    }
    if (!hinweise.isEmpty()) {
        emit Rechenhinweise(hinweise);
    }
}

bool Projektbefehle::Berechnen(QStringList& hinweise) {
    hinweise = EingabenPruefen();
    if (!zustand_.Modell().CalcFlag()) {
        AnzeigeModusSetzen(amEingabe);
        return false;
    }
    Rechnen();
    AnzeigeModusSetzen(amUebersicht);
    return true;
}

bool Projektbefehle::Vorschau(QStringList& hinweise) {
    hinweise = EingabenPruefen();
    if (!zustand_.Modell().CalcFlag()) {
        AnzeigeModusSetzen(amEingabe);
        return false;
    }
    if (zustand_.Modus() != amUebersicht) {
        Rechnen();
    }
    AnzeigeModusSetzen(amErgebnisblatt);
    return true;
}

void Projektbefehle::DornWaehlen(int typ) {
    typ = DornTypBegrenzt(typ);
    zustand_.Modell().DornDaten().Laden(typ);
    TKErgebnisse& ergebnisse = zustand_.Anwendung().Ergebnisse();
    ergebnisse.SetAktDorn(static_cast<std::uint8_t>(typ));
    TKDornErgebnis& ergebnis = ergebnisse.DornErgebnis(typ);
    if (ergebnis.AbstandMeldung()) {
        ergebnis.SetAbstandMeldung(false);
        fragen_.Meldung(AlsText(TKTextlisten::Text(zustand_.Texte().Hinweistexte(), 0)));
    }
}

} // namespace trv
