#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trv::xml {
class TKElement;
}

namespace trv {

// The range a partial safety factor of a load may take wherever it enters a position (typed,
// or a default from the settings): a factor below 1 would design for less than the
// characteristic load, and 0 would make a load vanish from the design.
inline constexpr double TeilsicherheitMin = 1.0;
inline constexpr double TeilsicherheitMax = 2.0;

// One load value: characteristic dead and imposed parts with their partial safety factors,
// a design part entered directly, and the design value
// Fd = Gk x gg + Qk x gq + F1 (kN for a point load, kN/m for a line load).
class TKLast {
public:
    double Gk() const { return gk_; }
    double Qk() const { return qk_; }
    double F1() const { return f1_; }
    double Fd() const { return fd_; }
    double gg() const { return gg_; }
    double gq() const { return gq_; }

    // Store the value, then recompute Fd.
    void SetGk(double v);
    void SetQk(double v);
    void SetF1(double v);
    void Setgg(double v);
    void Setgq(double v);
    // A design value entered directly: Gk = Qk = 0, F1 = Fd = v; the factors stay.
    void SetFd(double v);
    // Stores all six values as they are, without recomputing Fd (reading a file).
    void SetAlleWerte(double gk, double qk, double f1, double fd, double gg, double gq);
    // Stores the two factors without recomputing Fd (defaults of a new position).
    void SetFaktoren(double gg, double gq);

    void XMLSchreiben(xml::TKElement eltern, const std::string& name, char dezimaltrenner) const;
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

private:
    void FdBerechnen();

    double gk_ = 0;
    double qk_ = 0;
    double f1_ = 0;
    double fd_ = 0;
    double gg_ = 1.35;
    double gq_ = 1.5;
};

// A point of the arbitrary load profile: position along the joint from its left end (mm)
// and load intensity (kN/m).
struct TKPunkt {
    double x = 0;
    double y = 0;
    bool operator==(const TKPunkt&) const = default;
};

// The loading of one position.
class TKBelastung {
public:
    // Load case 1, the three loads with their defaults, load length 2000 mm and the profile
    // (0, start design value), (2000, end design value).
    TKBelastung();
    // A copy rebuilds the profile point by point with PunktHinzufuegen, so it is sorted and
    // its resultant recomputed even if the source was edited out of order in place.
    TKBelastung(const TKBelastung& andere);
    TKBelastung& operator=(const TKBelastung& andere);
    TKBelastung(TKBelastung&&) = default;
    TKBelastung& operator=(TKBelastung&&) = default;

    // 0 point load, 1 constant line load, 2 linearly varying line load, 3 arbitrary profile.
    std::uint8_t Belastungsfall() const { return belastungsfall_; }
    void SetBelastungsfall(std::uint8_t v) { belastungsfall_ = v; }
    // Kept for the project file only; nothing computes with it.
    double Gammaf() const { return gammaf_; }
    void SetGammaf(double v) { gammaf_ = v; }
    // Resultant of the profile (trapezoidal rule), kN.
    double beliebigeLastSumme() const { return beliebigeLastSumme_; }
    // Shape of the line load: 0 falling, 1 constant, 2 rising.
    std::uint8_t LinienLast() const { return linienLast_; }
    // Stores the shape as it is (reading a file); LinienLastBestimmen derives it.
    void SetLinienLast(std::uint8_t v) { linienLast_ = v; }
    // Length of the loaded joint, mm.
    double LastLaenge() const { return lastLaenge_; }

    int AnzPunkte() const { return static_cast<int>(beliebigeLast_.size()); }
    const std::vector<TKPunkt>& beliebigeLast() const { return beliebigeLast_; }
    // The point with index i (0..AnzPunkte - 1); (0, 0) for an index outside the profile.
    TKPunkt GetPunkt(int i) const;
    // Overwrites point i in place (the caller keeps the order ascending) and recomputes the
    // resultant. False, and no change, for an index outside the profile.
    bool SetPunkt(int i, TKPunkt p);

    // Empties the profile; the resultant of an empty profile is 0.
    void PunkteLoeschen();
    // Sorted insertion: after every point whose x is less than or equal to the new x.
    void PunktHinzufuegen(double x, double y);
    // LastLaenge = L; points beyond L are moved to L (their loads stay).
    void SetLastLaenge(double laenge);
    // Stores the load length without touching the profile (reading a file).
    void SetLastLaengeWert(double laenge) { lastLaenge_ = laenge; }
    // LinienLast from the design values of the two ends of the line load.
    void LinienLastBestimmen();

    // At most this many profile points are read from a file: every insertion keeps the list
    // sorted and recomputes the resultant, so a file could otherwise keep the reader busy.
    static constexpr int MaxDateiPunkte = 10000;

    // The project file element. XMLLesen is false when the element is missing or empty, a
    // value is malformed or out of range, or a load cannot be read.
    void XMLSchreiben(xml::TKElement eltern, const std::string& name, char dezimaltrenner) const;
    bool XMLLesen(xml::TKElement eltern, const std::string& name);

    const TKLast& LinienLastLinks() const { return linienLastLinks_; }
    const TKLast& LinienLastRechts() const { return linienLastRechts_; }
    const TKLast& Punktlast() const { return punktlast_; }
    TKLast& LinienLastLinks() { return linienLastLinks_; }
    TKLast& LinienLastRechts() { return linienLastRechts_; }
    TKLast& Punktlast() { return punktlast_; }

private:
    void SummeBerechnen();

    std::uint8_t belastungsfall_ = 1;
    double gammaf_ = 0;
    double beliebigeLastSumme_ = 0;
    std::uint8_t linienLast_ = 1;
    std::vector<TKPunkt> beliebigeLast_;
    double lastLaenge_ = 2000;
    TKLast linienLastLinks_;
    TKLast linienLastRechts_;
    TKLast punktlast_;
};

} // namespace trv
