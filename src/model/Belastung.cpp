#include "model/Belastung.h"

#include "files/XmlWerte.h"

#include <cstddef>
#include <utility>

namespace trv {

void TKLast::FdBerechnen() {
    // Extended precision, so the sum is rounded once.
    const long double fd = static_cast<long double>(gk_) * gg_ +
                           static_cast<long double>(qk_) * gq_ + static_cast<long double>(f1_);
    fd_ = static_cast<double>(fd);
}

void TKLast::SetGk(double v) {
    gk_ = v;
    FdBerechnen();
}

void TKLast::SetQk(double v) {
    qk_ = v;
    FdBerechnen();
}

void TKLast::SetF1(double v) {
    f1_ = v;
    FdBerechnen();
}

void TKLast::Setgg(double v) {
    gg_ = v;
    FdBerechnen();
}

void TKLast::Setgq(double v) {
    gq_ = v;
    FdBerechnen();
}

void TKLast::SetFd(double v) {
    gk_ = 0;
    qk_ = 0;
    f1_ = v;
    fd_ = v;
}

void TKLast::SetAlleWerte(double gk, double qk, double f1, double fd, double gg, double gq) {
    gk_ = gk;
    qk_ = qk;
    f1_ = f1;
    fd_ = fd;
    gg_ = gg;
    gq_ = gq;
}

void TKLast::SetFaktoren(double gg, double gq) {
    gg_ = gg;
    gq_ = gq;
}

TKBelastung::TKBelastung() {
    PunktHinzufuegen(0, linienLastLinks_.Fd());
    PunktHinzufuegen(lastLaenge_, linienLastRechts_.Fd());
    LinienLastBestimmen();
}

TKBelastung::TKBelastung(const TKBelastung& andere)
    : belastungsfall_(andere.belastungsfall_), gammaf_(andere.gammaf_),
      linienLast_(andere.linienLast_), lastLaenge_(andere.lastLaenge_),
      linienLastLinks_(andere.linienLastLinks_), linienLastRechts_(andere.linienLastRechts_),
      punktlast_(andere.punktlast_) {
    beliebigeLast_.reserve(andere.beliebigeLast_.size());
    for (const TKPunkt& p : andere.beliebigeLast_) {
        PunktHinzufuegen(p.x, p.y);
    }
}

TKBelastung& TKBelastung::operator=(const TKBelastung& andere) {
    if (this != &andere) {
        TKBelastung kopie(andere);
        *this = std::move(kopie);
    }
    return *this;
}

TKPunkt TKBelastung::GetPunkt(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= beliebigeLast_.size()) {
        return {};
    }
    return beliebigeLast_[static_cast<std::size_t>(i)];
}

bool TKBelastung::SetPunkt(int i, TKPunkt p) {
    if (i < 0 || static_cast<std::size_t>(i) >= beliebigeLast_.size()) {
        return false;
    }
    beliebigeLast_[static_cast<std::size_t>(i)] = p;
    SummeBerechnen();
    return true;
}

void TKBelastung::PunkteLoeschen() {
    beliebigeLast_.clear();
    beliebigeLastSumme_ = 0;
}

void TKBelastung::PunktHinzufuegen(double x, double y) {
    // Walk down from the end: the new point goes after the last point with x <= new x, so
    // points with equal x keep the order in which they were added.
    auto stelle = beliebigeLast_.end();
    while (stelle != beliebigeLast_.begin() && (stelle - 1)->x > x) {
        --stelle;
    }
    beliebigeLast_.insert(stelle, TKPunkt{x, y});
    SummeBerechnen();
}

void TKBelastung::SetLastLaenge(double laenge) {
    lastLaenge_ = laenge;
    for (TKPunkt& p : beliebigeLast_) {
        if (p.x > laenge) {
            p.x = laenge;
        }
    }
    SummeBerechnen();
}

void TKBelastung::LinienLastBestimmen() {
    const double a = linienLastLinks_.Fd();
    const double b = linienLastRechts_.Fd();
    linienLast_ = a < b ? 2 : (a > b ? 0 : 1);
}

void TKBelastung::SummeBerechnen() {
    long double summe = 0;
    for (std::size_t j = 0; j + 1 < beliebigeLast_.size(); ++j) {
        const TKPunkt& a = beliebigeLast_[j];
        const TKPunkt& b = beliebigeLast_[j + 1];
        summe += (static_cast<long double>(b.x) - a.x) * (static_cast<long double>(b.y) + a.y) / 2;
    }
    beliebigeLastSumme_ = static_cast<double>(summe / 1000);
}

} // namespace trv

namespace trv {

void TKLast::XMLSchreiben(xml::TKElement eltern, const std::string& name,
                          char dezimaltrenner) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    xml::SchreibeFloat(e, "TGk", gk_, dezimaltrenner);
    xml::SchreibeFloat(e, "TQk", qk_, dezimaltrenner);
    xml::SchreibeFloat(e, "TFd", fd_, dezimaltrenner);
    xml::SchreibeFloat(e, "TF1", f1_, dezimaltrenner);
    xml::SchreibeFloat(e, "Tgg", gg_, dezimaltrenner);
    xml::SchreibeFloat(e, "Tgq", gq_, dezimaltrenner);
}

bool TKLast::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder()) {
        return false;
    }
    // The design value is read as stored, not recomputed; after a failure the reader hands
    // back the current values, so those read before it are kept.
    const double gk = l.Float("TGk", gk_);
    const double qk = l.Float("TQk", qk_);
    const double fd = l.Float("TFd", fd_);
    const double f1 = l.Float("TF1", f1_);
    const double gg = l.Float("Tgg", gg_);
    const double gq = l.Float("Tgq", gq_);
    SetAlleWerte(gk, qk, f1, fd, gg, gq);
    return l.Ok();
}

namespace {

std::string PunktName(std::size_t j, const char* achse) {
    return "TbeliebigeLast_" + std::to_string(j) + "_" + achse;
}

} // namespace

void TKBelastung::XMLSchreiben(xml::TKElement eltern, const std::string& name,
                               char dezimaltrenner) const {
    xml::TKElement e = eltern.KindAnhaengen(name);
    xml::SchreibeInt(e, "TBelastungsfall", belastungsfall_);
    xml::SchreibeFloat(e, "TGammaf", gammaf_, dezimaltrenner);
    xml::SchreibeFloat(e, "TLastLaenge", lastLaenge_, dezimaltrenner);
    xml::SchreibeInt(e, "TLinienLast", linienLast_);
    for (std::size_t j = 0; j < beliebigeLast_.size(); ++j) {
        xml::SchreibeFloat(e, PunktName(j, "x"), beliebigeLast_[j].x, dezimaltrenner);
        xml::SchreibeFloat(e, PunktName(j, "y"), beliebigeLast_[j].y, dezimaltrenner);
    }
    linienLastLinks_.XMLSchreiben(e, "cLinienLastLinks", dezimaltrenner);
    linienLastRechts_.XMLSchreiben(e, "cLinienLastRechts", dezimaltrenner);
    punktlast_.XMLSchreiben(e, "cPunktlast", dezimaltrenner);
}

bool TKBelastung::XMLLesen(xml::TKElement eltern, const std::string& name) {
    xml::TKLeser l(eltern.Kind(name));
    if (!l.HatKinder()) {
        return false;
    }
    belastungsfall_ = l.Ganz<std::uint8_t>("TBelastungsfall", belastungsfall_, 3);
    gammaf_ = l.Float("TGammaf", gammaf_);
    lastLaenge_ = l.Float("TLastLaenge", lastLaenge_);
    // Four values and three loads besides the points, two elements per point.
    const std::size_t c = l.AnzahlKinder();
    const std::size_t punkte = c > 8 ? (c - 7) / 2 : 0;
    if (punkte > static_cast<std::size_t>(MaxDateiPunkte)) {
        return false;
    }
    PunkteLoeschen();
    for (std::size_t j = 0; j < punkte && l.Ok(); ++j) {
        const double x = l.Float(PunktName(j, "x"), 0);
        const double y = l.Float(PunktName(j, "y"), 0);
        if (l.Ok()) {
            PunktHinzufuegen(x, y);
        }
    }
    linienLast_ = l.Ganz<std::uint8_t>("TLinienLast", linienLast_, 2);
    if (!l.Ok()) {
        return false;
    }
    return linienLastLinks_.XMLLesen(l.Element(), "cLinienLastLinks") &&
           linienLastRechts_.XMLLesen(l.Element(), "cLinienLastRechts") &&
           punktlast_.XMLLesen(l.Element(), "cPunktlast");
}

} // namespace trv
