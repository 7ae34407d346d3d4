#include "model/Belastung.h"

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
