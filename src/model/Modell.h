#pragma once

#include "calculation/Katalog.h"
#include "files/IniDatei.h"
#include "files/Projektdatei.h"
#include "files/Regional.h"
#include "model/Belastung.h"
#include "model/Ergebnisse.h"
#include "model/Geometrie.h"
#include "model/Projektdaten.h"
#include "model/Stueckliste.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

// Country code of a Windows language identifier: 1034/3082 Spanish 1, 1043 Dutch 4,
// 1036 French 5, 1040 Italian 6, 2055 German (Switzerland) 7, anything else 0.
std::uint8_t LandAusSprache(int sprachkennung);

// One design case: one joint with its geometry, loading, design settings and results.
//
// A position reads its defaults from the INI file when it is created and writes the six
// partial safety factors of its loads back when it is destroyed, so the position destroyed
// last decides the stored values. A copy is a position of its own and writes too when it
// is destroyed. Assignment copies the contents without anybody being destroyed, so it writes
// nothing. A position made with a default TKIniDatei reads the built-in defaults and writes
// nothing.
class TKAnwendung {
public:
    explicit TKAnwendung(TKIniDatei ini = {});
    TKAnwendung(const TKAnwendung& andere) = default;
    TKAnwendung& operator=(const TKAnwendung& andere) = default;
    ~TKAnwendung();

    std::uint8_t AktLand() const { return aktLand_; }
    void SetAktLand(std::uint8_t v) { aktLand_ = v; }
    const std::string& Position() const { return position_; }
    void SetPosition(std::string v) { position_ = NutzertextBegrenzt(std::move(v)); }
    // 0 single connector with a point load, 1 row slab to slab, 2 row slab to wall.
    std::uint8_t Anwendungsfall() const { return anwendungsfall_; }
    void SetAnwendungsfall(std::uint8_t v) { anwendungsfall_ = v; }
    // 0 reinforcement based on max. FRd, 1 on the actual load.
    std::uint8_t BewehrungCalc() const { return bewehrungCalc_; }
    void SetBewehrungCalc(std::uint8_t v) { bewehrungCalc_ = v; }
    // 0 unlimited, 1 five times the slab thickness.
    std::uint8_t MaxDornabstand() const { return maxDornabstand_; }
    void SetMaxDornabstand(std::uint8_t v) { maxDornabstand_ = v; }
    // Concrete grade 0..3 (C16/20 .. C30/37).
    std::uint8_t Betonguete() const { return betonguete_; }
    void SetBetonguete(std::uint8_t v) { betonguete_ = v; }
    // Reinforcing steel 0 (500 N/mm²) or 1 (450 N/mm²).
    std::uint8_t Stahlguete() const { return stahlguete_; }
    void SetStahlguete(std::uint8_t v) { stahlguete_ = v; }
    // Partial safety factor of the steel.
    double GammaMs() const { return gammaMs_; }
    void SetGammaMs(double v) { gammaMs_ = v; }

    const TKLast& tmpLast() const { return tmpLast_; }
    TKLast& tmpLast() { return tmpLast_; }
    const TKBelastung& BelastungDesign() const { return belastungDesign_; }
    TKBelastung& BelastungDesign() { return belastungDesign_; }
    const TKGeometrie& Geometrie() const { return geometrie_; }
    TKGeometrie& Geometrie() { return geometrie_; }
    const TKErgebnisse& Ergebnisse() const { return ergebnisse_; }
    TKErgebnisse& Ergebnisse() { return ergebnisse_; }

    const TKIniDatei& Ini() const { return ini_; }

    // The Calculation command on this position: the plausibility checks, and when they pass
    // the full calculation of the 14 connector types (a fresh calculation driver). Returns the
    // texts for the caller to show: the messages of the failing plausibility rules, or the
    // notices of the calculation. Ergebnisse().Berechnet() tells which: when the checks fail
    // the stored results are dropped (fresh results, not calculated), because they were
    // computed from other inputs and must not be shown, printed or saved as this position's.
    std::vector<std::string> BemessungStarten();

    // The project file element "Position_"(n). XMLLesen reads the values, then geometry,
    // scratch load, loading and results, each only if the one before was read; it is true
    // only if all four were.
    void XMLSchreiben(xml::TKElement eltern, const std::string& name, char dezimaltrenner) const;
    bool XMLLesen(xml::TKElement eltern, const std::string& name);
    // The same for the element itself, found by the caller (a project reads thousands of
    // positions and looks each one up once).
    bool XMLElementLesen(xml::TKElement element);

private:
    TKIniDatei ini_;
    std::uint8_t aktLand_ = 0;
    std::string position_;
    std::uint8_t anwendungsfall_ = 1;
    std::uint8_t bewehrungCalc_ = 0;
    std::uint8_t maxDornabstand_ = 1;
    std::uint8_t betonguete_ = 3;
    std::uint8_t stahlguete_ = 0;
    double gammaMs_ = 1.05;
    TKLast tmpLast_;
    TKBelastung belastungDesign_;
    TKGeometrie geometrie_;
    TKErgebnisse ergebnisse_;
};

// A project: its description, connector schedule, project-level geometry, the catalog
// record of the preselected type and the ordered list of positions (numbered from 1).
// Invariant: at least one position. Not copyable; the program holds exactly one.
class TKModell {
public:
    // Reads designer, company lines and language from ini; regional gives today's date.
    TKModell(TKIniDatei ini, TKRegional regional);
    TKModell(const TKModell&) = delete;
    TKModell& operator=(const TKModell&) = delete;
    // Destroys the positions from the last to the first, so position 1 writes its load
    // factors last.
    ~TKModell();

    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string v) { fileName_ = std::move(v); }
    bool TempFlag() const { return tempFlag_; }
    void SetTempFlag(bool v) { tempFlag_ = v; }
    bool CalcFlag() const { return calcFlag_; }
    void SetCalcFlag(bool v) { calcFlag_ = v; }
    std::uint16_t AnzAnwendung() const { return static_cast<std::uint16_t>(anwendungen_.size()); }
    // Number (1-based) of the current position. Only stored: it may lie outside
    // 1..AnzAnwendung while a caller rebuilds the list (reading a file); AktuelleAnwendung
    // clamps.
    std::uint16_t AktAnwendung() const { return aktAnwendung_; }
    void SetAktAnwendung(std::uint16_t v) { aktAnwendung_ = v; }
    // Connector type 0..13 preselected in input mode. The setter only stores (reading a
    // file); DornDatenLaden refills the record for it.
    std::uint8_t EingabeDorn() const { return eingabeDorn_; }
    void SetEingabeDorn(std::uint8_t v) { eingabeDorn_ = v; }
    std::uint8_t EingabeFugenbreite() const { return eingabeFugenbreite_; }
    void SetEingabeFugenbreite(std::uint8_t v) { eingabeFugenbreite_ = v; }
    // 0 view, 1 plan view, 2 section, 3 row view, 4 input sketch, 5 none.
    std::uint8_t SkizzeAnzeige() const { return skizzeAnzeige_; }
    void SetSkizzeAnzeige(std::uint8_t v) { skizzeAnzeige_ = v; }
    std::uint8_t ErgebnisAnzeige() const { return ergebnisAnzeige_; }
    void SetErgebnisAnzeige(std::uint8_t v) { ergebnisAnzeige_ = v; }

    const TKProjektdaten& Projektbeschreibung() const { return projektbeschreibung_; }
    TKProjektdaten& Projektbeschreibung() { return projektbeschreibung_; }
    const TKStueckliste& Stueckliste() const { return stueckliste_; }
    TKStueckliste& Stueckliste() { return stueckliste_; }
    const TKGeometrie& EingabeGeometrie() const { return eingabeGeometrie_; }
    TKGeometrie& EingabeGeometrie() { return eingabeGeometrie_; }
    const TKDornDaten& DornDaten() const { return dornDaten_; }
    TKDornDaten& DornDaten() { return dornDaten_; }
    // Refills DornDaten from the catalog for EingabeDorn (a type outside 0..13 reads 13).
    void DornDatenLaden();

    // Position nr (1-based), nr clamped into 1..AnzAnwendung.
    const TKAnwendung& Anwendung(int nr) const;
    TKAnwendung& Anwendung(int nr);
    // The current position (AktAnwendung, clamped).
    const TKAnwendung& AktuelleAnwendung() const { return Anwendung(aktAnwendung_); }
    TKAnwendung& AktuelleAnwendung() { return Anwendung(aktAnwendung_); }

    // Resizes the list to n positions: the positions above n are destroyed from the last
    // backwards, new ones are created with the INI defaults and labelled with their number.
    // AktAnwendung is not touched. An n of 0 is taken as 1: a project keeps a position.
    void SetAnzAnwendung(int n);
    // Replaces position nach by a deep copy of position von (the replaced one is destroyed)
    // and labels it with the number nach. False, and no change, when a number lies outside
    // 1..AnzAnwendung.
    bool PositionKopieren(int von, int nach);
    // Removes position k: the following positions move up, keeping their labels. Refused
    // (false, meldung gets the text to show) when it is the only position; false without a
    // message for a k outside 1..AnzAnwendung. An AktAnwendung beyond the new count is set
    // to the new last position.
    bool PositionLoeschen(int k, std::string* meldung = nullptr);
    // AktLand of every position from the language identifier.
    void SetLandAusSprache(int sprachkennung);

    const TKIniDatei& Ini() const { return ini_; }
    const TKRegional& Regional() const { return regional_; }

    // Writes the whole project as an XML project file (floats with the regional decimal
    // separator). The file is replaced only after a complete write: a failed save leaves the
    // old file as it was. Sets FileName, also on failure.
    TKDateiErgebnis Speichern(const std::string& dateiName);
    // Reads a project file into this (freshly created) model; sets FileName (left empty for a
    // result sheet's PDF, whose attached project is read). On failure the
    // messages end with the open error, and the caller replaces the model by a new one. A
    // file without positions is unreadable; a current position outside the list becomes the
    // last position. DornDaten is refilled for EingabeDorn. Positions are made one by one as
    // they are read, so after a failure the list holds those read up to the failing one.
    TKDateiErgebnis Oeffnen(const std::string& dateiName);
    // Appends position index (counted from 0) of another project file as a new last position;
    // nothing else of this project changes. After a failed read the appended position stays,
    // with the values read so far; a file that is not a project file appends nothing.
    TKDateiErgebnis PositionUebernehmen(const std::string& dateiName, int index);
    // Oeffnen on a document in memory (FileName is left as it is).
    TKDateiErgebnis OeffnenAusText(std::string_view inhalt);
    // The document Speichern writes, as text, with FileName as the saved path.
    std::string ProjektText() const;

private:
    xml::TKDokument DokumentErstellen(const std::string& dateiName) const;
    TKDateiErgebnis DokumentLesen(const std::optional<xml::TKDokument>& dok,
                                  TKDateiErgebnis ergebnis);

    TKIniDatei ini_;
    TKRegional regional_;
    std::string fileName_;
    bool tempFlag_ = true;
    bool calcFlag_ = false;
    std::uint16_t aktAnwendung_ = 1;
    std::uint8_t eingabeDorn_ = 1;
    std::uint8_t eingabeFugenbreite_ = 3;
    std::uint8_t skizzeAnzeige_ = 5;
    std::uint8_t ergebnisAnzeige_ = 0;
    TKProjektdaten projektbeschreibung_;
    TKStueckliste stueckliste_;
    TKGeometrie eingabeGeometrie_;
    TKDornDaten dornDaten_;
    // Owned through pointers so that reordering the list never creates or destroys a
    // position (each destruction writes the INI file).
    std::vector<std::unique_ptr<TKAnwendung>> anwendungen_;
};

} // namespace trv
