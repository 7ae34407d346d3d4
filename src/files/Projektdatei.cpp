#include "files/Projektdatei.h"

#include "files/PdfAnhang.h"
#include "files/Ressourcen.h"

#include <utility>

namespace trv {

namespace {

std::optional<xml::TKDokument> Pruefen(std::optional<xml::TKDokument> dok,
                                       const xml::TKLadeFehler& fehler, TKDateiErgebnis& ergebnis) {
    if (!dok) {
        ergebnis.Grund = fehler.Grund;
        return std::nullopt;
    }
    const xml::TKElement programm = dok->Wurzel().KindAn(1);
    if (programm.Attribut("Name") != Ressource(res::DateiProgrammName)) {
        ergebnis.Meldungen.push_back(Ressource(res::DateiUngueltig));
        ergebnis.Grund = "no program element of this program in second place";
        return std::nullopt;
    }
    if (programm.Attribut("Version") != Ressource(res::DateiProgrammVersion)) {
        ergebnis.Meldungen.push_back(Ressource(res::DateiAlteVersion));
    }
    return dok;
}

} // namespace

xml::TKElement ProjektdokumentAnlegen(xml::TKDokument& dok, const std::string& dateiName) {
    xml::TKElement wurzel = dok.WurzelAnlegen(Ressource(res::DateiDokument));
    wurzel.KindAnhaengen("Copyright").SetText(Ressource(res::DateiCopyright));
    xml::TKElement programm = wurzel.KindAnhaengen("Program");
    programm.SetAttribut("Name", Ressource(res::DateiProgrammName));
    programm.SetAttribut("Version", Ressource(res::DateiProgrammVersion));
    programm.SetAttribut("FileName", dateiName);
    return wurzel.KindAnhaengen("Projekt");
}

std::optional<xml::TKDokument> ProjektdokumentLaden(const std::string& dateiName,
                                                    TKDateiErgebnis& ergebnis) {
    if (TKPdfAnhang::IstPdf(std::filesystem::path(dateiName))) {
        // A result sheet carries the project it was printed from.
        TKPdfAnhang::TFehler pdfFehler = TKPdfAnhang::TFehler::Keiner;
        const std::optional<std::string> projekt = TKPdfAnhang::ProjektLesen(
            dateiName, pdfFehler, ergebnis.Grund, xml::TKDokument::MaxDateiGroesse);
        if (!projekt) {
            ergebnis.Meldungen.push_back(TKPdfAnhang::Meldung(pdfFehler));
            return std::nullopt;
        }
        return ProjektdokumentAusText(*projekt, ergebnis);
    }
    xml::TKLadeFehler fehler;
    auto dok = xml::TKDokument::Laden(dateiName, fehler);
    return Pruefen(std::move(dok), fehler, ergebnis);
}

std::optional<xml::TKDokument> ProjektdokumentAusText(std::string_view inhalt,
                                                      TKDateiErgebnis& ergebnis) {
    xml::TKLadeFehler fehler;
    auto dok = xml::TKDokument::AusText(inhalt, fehler);
    return Pruefen(std::move(dok), fehler, ergebnis);
}

} // namespace trv
