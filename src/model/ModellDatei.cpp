// The project file operations of TKAnwendung and TKModell.
#include "model/Modell.h"

#include "calculation/Katalog.h"
#include "files/PdfAnhang.h"
#include "files/Projektdatei.h"
#include "files/Ressourcen.h"
#include "files/XmlDokument.h"
#include "files/XmlWerte.h"
#include "model/Nutzertext.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <utility>

namespace trv {

// A UTF-8 character has at most four bytes: the longest user text stays readable.
static_assert(4 * MaxNutzertext <= xml::TKDokument::MaxTextLaenge);

namespace {

std::string PositionName(std::size_t n) {
    return "Position_" + std::to_string(n);
}

// Highest values of the byte indexes of the model and of a position.
constexpr int MaxSkizzeAnzeige = 5;
constexpr int MaxErgebnisAnzeige = 3;
constexpr int MaxAnwendungsfall = 2;
constexpr int MaxBewehrungCalc = 1;
constexpr int MaxMaxDornabstand = 1;

} // namespace

void TKAnwendung::XMLSchreiben(xml::TKElement eltern, const std::string& name,
                               char dezimaltrenner) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    xml::SchreibeInt(e, "TAktLand", aktLand_);
    xml::SchreibeString(e, "TPosition", position_);
    xml::SchreibeInt(e, "TMaxDornabstand", maxDornabstand_);
    xml::SchreibeInt(e, "TBewehrungCalc", bewehrungCalc_);
    xml::SchreibeInt(e, "TAnwendungsfall", anwendungsfall_);
    xml::SchreibeInt(e, "TBetonguete", betonguete_);
    xml::SchreibeInt(e, "TStahlguete", stahlguete_);
    xml::SchreibeFloat(e, "TGammaMs", gammaMs_, dezimaltrenner);
    tmpLast_.XMLSchreiben(e, "ctmpLast", dezimaltrenner);
    belastungDesign_.XMLSchreiben(e, "cBelastungDesign", dezimaltrenner);
    geometrie_.XMLSchreiben(e, "cGeometrie", dezimaltrenner);
    ergebnisse_.XMLSchreiben(e, "cErgebnisse", dezimaltrenner);
}

bool TKAnwendung::XMLLesen(xml::TKElement eltern, const std::string& name) {
    return XMLElementLesen(eltern.Kind(name));
}

bool TKAnwendung::XMLElementLesen(xml::TKElement element) {
    xml::TKLeser l(element);
    if (!l.HatKinder()) {
        return false;
    }
    SetAktLand(l.Ganz<std::uint8_t>("TAktLand", aktLand_));
    position_ = l.String("TPosition", position_);
    maxDornabstand_ = l.Ganz<std::uint8_t>("TMaxDornabstand", maxDornabstand_, MaxMaxDornabstand);
    bewehrungCalc_ = l.Ganz<std::uint8_t>("TBewehrungCalc", bewehrungCalc_, MaxBewehrungCalc);
    anwendungsfall_ = l.Ganz<std::uint8_t>("TAnwendungsfall", anwendungsfall_, MaxAnwendungsfall);
    betonguete_ = l.Ganz<std::uint8_t>("TBetonguete", betonguete_, AnzBetongueten - 1);
    stahlguete_ = l.Ganz<std::uint8_t>("TStahlguete", stahlguete_, AnzStahlgueten - 1);
    gammaMs_ = l.Float("TGammaMs", gammaMs_);
    return l.Ok() && geometrie_.XMLLesen(l.Element(), "cGeometrie") &&
           tmpLast_.XMLLesen(l.Element(), "ctmpLast") &&
           belastungDesign_.XMLLesen(l.Element(), "cBelastungDesign") &&
           ergebnisse_.XMLLesen(l.Element(), "cErgebnisse");
}

xml::TKDokument TKModell::DokumentErstellen(const std::string& dateiName) const {
    xml::TKDokument dok;
    xml::TKElement p = ProjektdokumentAnlegen(dok, dateiName);
    const char t = regional_.Dezimaltrenner;
    xml::SchreibeBool(p, "TTempFlag", tempFlag_);
    xml::SchreibeBool(p, "TCalcFlag", calcFlag_);
    xml::SchreibeInt(p, "TAnzAnwendung", AnzAnwendung());
    xml::SchreibeInt(p, "TAktAnwendung", aktAnwendung_);
    xml::SchreibeInt(p, "TEingabeDorn", eingabeDorn_);
    xml::SchreibeInt(p, "TEingabeFugenbreite", eingabeFugenbreite_);
    xml::SchreibeInt(p, "TSkizzeAnzeige", skizzeAnzeige_);
    xml::SchreibeInt(p, "TErgebnisAnzeige", ergebnisAnzeige_);
    projektbeschreibung_.XMLSchreiben(p, "Projektbeschreibung");
    stueckliste_.XMLSchreiben(p, "Stueckliste");
    eingabeGeometrie_.XMLSchreiben(p, "EingabeGeometrie", t);
    for (std::size_t n = 0; n < anwendungen_.size(); ++n) {
        anwendungen_[n]->XMLSchreiben(p, PositionName(n + 1), t);
    }
    return dok;
}

std::string TKModell::ProjektText() const {
    return DokumentErstellen(fileName_).AlsText();
}

TKDateiErgebnis TKModell::Speichern(const std::string& dateiName) {
    fileName_ = dateiName;
    TKDateiErgebnis ergebnis;
    try {
        ergebnis.Ok = DokumentErstellen(dateiName).Speichern(dateiName, ergebnis.Grund);
    } catch (const std::exception& e) {
        ergebnis.Grund = e.what();
    }
    if (!ergebnis.Ok) {
        ergebnis.Meldungen.push_back(Ressource(res::DateiSpeichernFehler));
    }
    return ergebnis;
}

TKDateiErgebnis TKModell::Oeffnen(const std::string& dateiName) {
    // A project read from a result sheet has no project file yet: saving asks for one rather
    // than writing the project over the PDF.
    fileName_ = TKPdfAnhang::IstPdf(std::filesystem::path(dateiName)) ? std::string() : dateiName;
    TKDateiErgebnis ergebnis;
    const std::optional<xml::TKDokument> dok = ProjektdokumentLaden(dateiName, ergebnis);
    return DokumentLesen(dok, std::move(ergebnis));
}

TKDateiErgebnis TKModell::OeffnenAusText(std::string_view inhalt) {
    TKDateiErgebnis ergebnis;
    const std::optional<xml::TKDokument> dok = ProjektdokumentAusText(inhalt, ergebnis);
    return DokumentLesen(dok, std::move(ergebnis));
}

TKDateiErgebnis TKModell::DokumentLesen(const std::optional<xml::TKDokument>& dok,
                                        TKDateiErgebnis ergebnis) {
    const auto fehlschlag = [&ergebnis](std::string grund) {
        if (ergebnis.Grund.empty()) {
            ergebnis.Grund = std::move(grund);
        }
        ergebnis.Meldungen.push_back(Ressource(res::DateiOeffnenFehler));
        ergebnis.Ok = false;
        return ergebnis;
    };
    if (!dok) {
        return fehlschlag({});
    }
    xml::TKLeser p(dok->Wurzel().Kind("Projekt"));
    if (!p.HatKinder()) {
        return fehlschlag("no element Projekt, or an empty one");
    }
    const bool temp = p.Bool("TTempFlag", tempFlag_);
    const bool calc = p.Bool("TCalcFlag", calcFlag_);
    const auto anzahl = p.Int("TAnzAnwendung", 1, 1, 65535);
    const auto akt = p.Int("TAktAnwendung", aktAnwendung_, 0, 65535);
    const auto dorn = p.Ganz<std::uint8_t>("TEingabeDorn", eingabeDorn_, AnzDornTypen - 1);
    const auto fuge = p.Ganz<std::uint8_t>("TEingabeFugenbreite", eingabeFugenbreite_);
    const auto skizze = p.Ganz<std::uint8_t>("TSkizzeAnzeige", skizzeAnzeige_, MaxSkizzeAnzeige);
    const auto anzeige =
        p.Ganz<std::uint8_t>("TErgebnisAnzeige", ergebnisAnzeige_, MaxErgebnisAnzeige);
    if (!p.Ok()) {
        return fehlschlag(p.Fehler());
    }
    tempFlag_ = temp;
    calcFlag_ = calc;
    eingabeDorn_ = dorn;
    eingabeFugenbreite_ = fuge;
    skizzeAnzeige_ = skizze;
    ergebnisAnzeige_ = anzeige;
    // A position count the file cannot hold is refused before any position is made, so a
    // few bytes cannot make the reader build thousands of positions.
    for (long long n = 1; n <= anzahl; ++n) {
        if (!p.Kind(PositionName(static_cast<std::size_t>(n)))) {
            return fehlschlag(PositionName(static_cast<std::size_t>(n)) + " is missing");
        }
    }

    bool ok = projektbeschreibung_.XMLLesen(p.Element(), "Projektbeschreibung") &&
              stueckliste_.XMLLesen(p.Element(), "Stueckliste") &&
              eingabeGeometrie_.XMLLesen(p.Element(), "EingabeGeometrie");
    std::string grund = ok ? "" : "project description, schedule or input geometry unreadable";
    std::vector<std::unique_ptr<TKAnwendung>> neu;
    for (long long n = 1; n <= anzahl && ok; ++n) {
        auto anwendung = std::make_unique<TKAnwendung>(ini_);
        anwendung->SetPosition(std::to_string(n));
        ok = anwendung->XMLElementLesen(p.Kind(PositionName(static_cast<std::size_t>(n))));
        if (!ok) {
            grund = PositionName(static_cast<std::size_t>(n)) + " unreadable";
        }
        neu.push_back(std::move(anwendung));
    }
    if (!neu.empty()) {
        anwendungen_ = std::move(neu);
    }
    aktAnwendung_ =
        (akt >= 1 && akt <= AnzAnwendung()) ? static_cast<std::uint16_t>(akt) : AnzAnwendung();
    DornDatenLaden();
    if (!ok) {
        return fehlschlag(grund);
    }
    ergebnis.Ok = true;
    return ergebnis;
}

TKDateiErgebnis TKModell::PositionUebernehmen(const std::string& dateiName, int index) {
    TKDateiErgebnis ergebnis;
    const std::optional<xml::TKDokument> dok = ProjektdokumentLaden(dateiName, ergebnis);
    if (!dok) {
        if (ergebnis.Meldungen.empty()) {
            ergebnis.Meldungen.push_back(Ressource(res::DateiOeffnenFehler));
        }
        return ergebnis;
    }
    const std::size_t n = anwendungen_.size();
    if (n >= 65535) {
        ergebnis.Grund = "the project holds as many positions as it can";
        ergebnis.Meldungen.push_back(Ressource(res::DateiOeffnenFehler));
        return ergebnis;
    }
    SetAnzAnwendung(static_cast<int>(n + 1));
    const xml::TKElement projekt = dok->Wurzel().Kind("Projekt");
    ergebnis.Ok = index >= 0 && anwendungen_.back()->XMLLesen(
                                    projekt, PositionName(static_cast<std::size_t>(index) + 1));
    if (!ergebnis.Ok) {
        ergebnis.Grund = "position " + std::to_string(index) + " unreadable";
        ergebnis.Meldungen.push_back(Ressource(res::DateiOeffnenFehler));
    }
    return ergebnis;
}

} // namespace trv
