#include "printing/Blattbeilage.h"

#include "Programmversion.h"
#include "calculation/Katalog.h"
#include "model/Modell.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace trv {

namespace {

bool Leer(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

// The attachment's name: the project file's own name, else the building project's; a name
// never holds a folder or control characters.
std::string Dateiname(const TKModell& modell) {
    std::string name = std::filesystem::path(modell.FileName()).stem().string();
    if (Leer(name)) {
        name = modell.Projektbeschreibung().Bauvorhaben();
    }
    std::replace_if(
        name.begin(), name.end(),
        [](unsigned char c) { return c < 0x20 || c == '/' || c == '\\' || c == ':'; }, '_');
    return (Leer(name) ? std::string("project") : name) + ".TRV";
}

} // namespace

TKPdfBeilage BlattBeilage(const TKModell& modell, const TKAnwendung* anwendung) {
    TKPdfBeilage beilage;
    beilage.Dateiname = Dateiname(modell);
    beilage.Inhalt = modell.ProjektText();
    TKPdfInfo& info = beilage.Info;
    const std::string& projekt = modell.Projektbeschreibung().Bauvorhaben();
    info.Titel = Leer(projekt) ? beilage.Dateiname : projekt;
    info.Autor = modell.Projektbeschreibung().Bearbeiter();
    info.Programm = "Varnel - TRV / ZEDE Shear Connectors " TRV_PROGRAMMVERSION;
    info.Stichwoerter =
        "TRV; ZEDE; " +
        QCoreApplication::translate("Blattbeilage", "shear connector").toStdString();
    if (anwendung != nullptr) {
        info.Titel += " - " + anwendung->Position();
        info.Thema = QCoreApplication::translate("Blattbeilage", "Result sheet of position %1")
                         .arg(QString::fromStdString(anwendung->Position()))
                         .toStdString();
        const TKErgebnisse& e = anwendung->Ergebnisse();
        if (e.Berechnet()) {
            info.Thema += ": " + DornName(DornTypBegrenzt(e.AktDorn())) + " (" +
                          std::to_string(e.GetAnzDorn(e.AktDorn())) + ")";
            info.Stichwoerter += "; " + DornName(DornTypBegrenzt(e.AktDorn()));
        }
        info.Stichwoerter += "; " + anwendung->Position();
    } else {
        info.Thema = QCoreApplication::translate(
                         "Blattbeilage", "Result sheets of the project and connector schedule")
                         .toStdString();
    }
    info.Erstellt = std::time(nullptr);
    return beilage;
}

} // namespace trv
