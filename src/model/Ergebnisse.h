#pragma once

#include "calculation/Katalog.h"
#include "model/Geometrie.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trv::xml {
class TKElement;
}

namespace trv {

// A list of numeric message codes without duplicates, in the order of first addition.
class TKMeldungen {
public:
    void MeldungHinzufuegen(std::uint16_t code);
    void MeldungenLoeschen() { codes_.clear(); }
    int Anzahl() const { return static_cast<int>(codes_.size()); }
    // Code i (0..Anzahl - 1); 0 for an index outside the list.
    std::uint16_t Meldung(int i) const;
    bool Enthaelt(std::uint16_t code) const;
    const std::vector<std::uint16_t>& Codes() const { return codes_; }

    void XMLSchreiben(xml::TKElement eltern, const std::string& name) const;
    // Empties the list and reads the codes; a missing or empty element is an empty list.
    // False when a code is malformed or above maxCode.
    bool XMLLesen(xml::TKElement eltern, const std::string& name, int maxCode = 65535);

private:
    std::vector<std::uint16_t> codes_;
};

// The result of one connector type. Lengths in mm, forces in kN, areas in mm².
class TKDornErgebnis {
public:
    // Initial values of type typ (index clamped into 0..13): its standard spacing as the
    // only spacing and as actual spacing, its standard edge distance at both ends.
    explicit TKDornErgebnis(int typ = 1);

    std::uint8_t DornAnordnung() const { return dornAnordnung_; }
    const std::vector<double>& DornAbstand() const { return dornAbstand_; }
    int AnzDornAbstand() const { return static_cast<int>(dornAbstand_.size()); }
    // The spacing at index i; 0 outside the list.
    double GetDornAbstand(int i) const;
    // The largest spacing; 0 when the list is empty or no spacing is above 0.
    double GroessterDornAbstand() const;
    double AbstandLinks() const { return abstandLinks_; }
    double AbstandRechts() const { return abstandRechts_; }
    double IstMinAchs() const { return istMinAchs_; }
    double ZulMinAchs() const { return zulMinAchs_; }
    double ZulMinRand() const { return zulMinRand_; }
    double FRdStahl() const { return frdStahl_; }
    double FRdBeton() const { return frdBeton_; }
    double FRdBewehrung() const { return frdBewehrung_; }
    double FRd() const { return frd_; }
    double FSdIst() const { return fsdIst_; }
    double EtaQ() const { return etaQ_; }
    double AsxErf() const { return asxErf_; }
    double AsyErf() const { return asyErf_; }
    double AsxIst() const { return asxIst_; }
    double AsyIst() const { return asyIst_; }
    double bx() const { return bx_; }
    double by() const { return by_; }
    std::uint16_t Status() const { return status_; }
    bool Statusd() const { return statusd_; }
    bool AbstandMeldung() const { return abstandMeldung_; }
    const TKMeldungen& Fehler() const { return fehler_; }
    const TKMeldungen& Warnungen() const { return warnungen_; }
    TKMeldungen& Fehler() { return fehler_; }
    TKMeldungen& Warnungen() { return warnungen_; }

    // Store the resistance, then FRd = min(FRdStahl, FRdBeton, FRdBewehrung).
    void SetFRdStahl(double v);
    void SetFRdBeton(double v);
    void SetFRdBewehrung(double v);
    // Stores FRd as it is (reading a file).
    void SetFRd(double v) { frd_ = v; }

    void DornAbstandLoeschen() { dornAbstand_.clear(); }
    void DornAbstandHinzufuegen(double v) { dornAbstand_.push_back(v); }
    void SetDornAbstand(std::vector<double> v) { dornAbstand_ = std::move(v); }
    void SetDornAnordnung(std::uint8_t v) { dornAnordnung_ = v; }
    void SetAbstandLinks(double v) { abstandLinks_ = v; }
    void SetAbstandRechts(double v) { abstandRechts_ = v; }
    void SetIstMinAchs(double v) { istMinAchs_ = v; }
    void SetZulMinAchs(double v) { zulMinAchs_ = v; }
    void SetZulMinRand(double v) { zulMinRand_ = v; }
    void SetFSdIst(double v) { fsdIst_ = v; }
    void SetEtaQ(double v) { etaQ_ = v; }
    void SetAsxErf(double v) { asxErf_ = v; }
    void SetAsyErf(double v) { asyErf_ = v; }
    void SetAsxIst(double v) { asxIst_ = v; }
    void SetAsyIst(double v) { asyIst_ = v; }
    void Setbx(double v) { bx_ = v; }
    void Setby(double v) { by_ = v; }
    void SetStatus(std::uint16_t v) { status_ = v; }
    void SetStatusd(bool v) { statusd_ = v; }
    void SetAbstandMeldung(bool v) { abstandMeldung_ = v; }

    void XMLSchreiben(xml::TKElement eltern, const std::string& name, char dezimaltrenner) const;
    // FRd is read as stored, not recomputed. False when the element is missing or empty, a
    // value is malformed or out of range (a status code outside 0..9, an error code outside
    // 0..9, a warning code outside 0..1), or a message list cannot be read.
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

private:
    void FRdBestimmen();

    std::uint8_t dornAnordnung_ = 0;
    std::vector<double> dornAbstand_;
    double abstandLinks_ = 0;
    double abstandRechts_ = 0;
    double istMinAchs_ = 0;
    double zulMinAchs_ = 0;
    double zulMinRand_ = 0;
    double frdStahl_ = 0;
    double frdBeton_ = 0;
    double frdBewehrung_ = 0;
    double frd_ = 0;
    double fsdIst_ = 0;
    double etaQ_ = 0;
    double asxErf_ = 0;
    double asyErf_ = 0;
    double asxIst_ = 0;
    double asyIst_ = 0;
    double bx_ = 0;
    double by_ = 0;
    std::uint16_t status_ = 0;
    bool statusd_ = true;
    bool abstandMeldung_ = false;
    TKMeldungen fehler_;
    TKMeldungen warnungen_;
};

// The results of one position: per connector type its catalog record, its result and the
// number of connectors, the selected type and whether the results are valid.
// Every read by type index clamps the index into 0..13.
class TKErgebnisse {
public:
    TKErgebnisse();

    std::uint8_t AktDorn() const { return aktDorn_; }
    void SetAktDorn(std::uint8_t v) { aktDorn_ = v; }
    bool Berechnet() const { return berechnet_; }
    void SetBerechnet(bool v) { berechnet_ = v; }

    const TKGeometrie& Geometrie() const { return geometrie_; }
    TKGeometrie& Geometrie() { return geometrie_; }
    const TKDornDaten& DornDaten(int typ) const;
    TKDornDaten& DornDaten(int typ);
    const TKDornErgebnis& DornErgebnis(int typ) const;
    TKDornErgebnis& DornErgebnis(int typ);

    std::uint16_t GetAnzDorn(int typ) const;
    // A type outside 0..13 changes nothing.
    void SetAnzDorn(int typ, std::uint16_t n);

    // AktDorn = typ and the catalog record of typ refilled from the catalog; the calculation
    // calls it before it designs the type. A type outside 0..13 changes nothing.
    void DornVorbereiten(int typ);

    // Besides the results, the file keeps the reinforcement of each type's catalog record
    // (the calculation or the user chose it), so a reopened project draws and prints the bars
    // it was calculated with. Reading refills every record from the catalog and then restores
    // the stored reinforcement where the file has it. XMLLesen is true only when the geometry
    // and all 14 connector results were read.
    void XMLSchreiben(xml::TKElement eltern, const std::string& name, char dezimaltrenner) const;
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

private:
    std::uint8_t aktDorn_ = 1;
    bool berechnet_ = false;
    TKGeometrie geometrie_;
    std::array<TKDornDaten, AnzDornTypen> dornDaten_;
    std::array<TKDornErgebnis, AnzDornTypen> dornErgebnis_;
    std::array<std::uint16_t, AnzDornTypen> anzDorn_;
};

} // namespace trv
