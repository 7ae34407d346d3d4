#include "calculation/Lastverteilung.h"

#include "model/Zahlen.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace trv {

long double Flaeche(const TKPunkt& a, const TKPunkt& b) {
    const long double ay = a.y;
    const long double by = b.y;
    return std::fabs((by + ay) * (static_cast<long double>(b.x) - a.x) / 2 / 1000);
}

TKZielpunkt Zielpunkt(const TKPunkt& a, const TKPunkt& b, long double t) {
    const long double ax = a.x;
    const long double ay = a.y;
    const long double bx = b.x;
    const long double by = b.y;
    const long double dx = bx - ax;
    const long double dy = by - ay;
    const long double f = (dy / 2 + ay) * dx / 1000;
    TKZielpunkt e;
    if (f < t) {
        e.x = bx + 1;
        e.y = by;
    } else if (by > ay) {
        // A share that closes right at A leaves a root argument a rounding error below zero.
        const long double r = std::sqrt(std::max(0.0L, ay * ay + 2 * t * 1000 / dx * dy)) - ay;
        // For a nearly flat segment the exact formula loses its digits; the uniform formula
        // needs a non-zero end ordinate.
        if (r < 0.0001L && by != 0) {
            e.x = ax + 1000 * t / by;
        } else {
            e.x = ax + dx * r / dy;
        }
        e.y = ay + r;
    } else if (by < ay) {
        const long double r =
            std::sqrt(std::max(0.0L, by * by - (f - t) * 2 * 1000 / dx * dy)) - by;
        if (r < 0.0001L && by != 0) {
            e.x = ax + 1000 * t / by;
        } else {
            e.x = ax + (r / dy + 1) * dx;
        }
        e.y = by + r;
    } else if (by != 0) {
        e.x = ax + 1000 * t / by;
        e.y = by;
    } else {
        // No load on the segment and nothing (t <= 0) left to collect: reached at A.
        e.x = ax;
        e.y = by;
    }
    return e;
}

long double Schwerpunkt(const TKPunkt& a, const TKPunkt& b, long double w, long double c) {
    const long double ax = a.x;
    const long double ay = a.y;
    const long double by = b.y;
    const long double breite = std::fabs(static_cast<long double>(b.x) - ax);
    const long double rechteck = breite * std::min(ay, by);
    const long double dreieck = std::fabs(by - ay) * breite / 2;
    const long double xRechteck = ax + breite / 2;
    const long double xDreieck = ay > by ? ax + breite / 3 : ax + 2 * breite / 3;
    if (rechteck + dreieck + w == 0) {
        return 0;
    }
    const long double nenner = rechteck + dreieck + w * 1000;
    // Only negative ordinates (never entered, possible in a damaged file) can cancel the sum.
    if (nenner == 0) {
        return 0;
    }
    return (rechteck * xRechteck + dreieck * xDreieck + w * 1000 * c) / nenner;
}

TKTmpDornAufteilung::TKTmpDornAufteilung() {
    ListeLeeren(Vorwaerts);
    ListeLeeren(Rueckwaerts);
}

std::vector<double>* TKTmpDornAufteilung::ListeZu(int k) {
    assert(k == Vorwaerts || k == Rueckwaerts);
    if (k == Vorwaerts) {
        return &FAbstaendeVorwaerts;
    }
    if (k == Rueckwaerts) {
        return &FAbstaendeRueckwaerts;
    }
    return nullptr;
}

void TKTmpDornAufteilung::ListeLeeren(int k) {
    if (auto* liste = ListeZu(k)) {
        liste->clear();
    }
}

void TKTmpDornAufteilung::ListeAnfuegen(int k, double wert) {
    if (auto* liste = ListeZu(k)) {
        liste->push_back(wert);
    }
}

std::size_t TKTmpDornAufteilung::ProfilSpiegeln(const std::vector<TKPunkt>& profil, double l) {
    FProfilGespiegelt.clear();
    FProfilGespiegelt.reserve(profil.size());
    std::size_t ausserhalb = 0;
    for (auto it = profil.rbegin(); it != profil.rend(); ++it) {
        const TKPunkt p{static_cast<double>(static_cast<long double>(l) - it->x), it->y};
        if (p.x < 0) {
            ++ausserhalb;
        }
        FProfilGespiegelt.push_back(p);
    }
    return ausserhalb;
}

std::vector<double> TKTmpDornAufteilung::Zusammenfuehren(double l) const {
    const auto& v = FAbstaendeVorwaerts;
    const auto& r = FAbstaendeRueckwaerts;
    if (v.empty()) {
        return {};
    }
    // The backward pass may have placed a connector less than the forward pass (a share that
    // closes within a rounding error of the profile end); missing entries count as 0.
    auto rueck = [&r](std::size_t k) -> long double { return k < r.size() ? r[k] : 0.0; };
    const std::size_t h = v.size() - 1;
    if (h <= 1) {
        return {v[0], static_cast<double>(rueck(0))};
    }
    // summeR[k] = R[0] + ... + R[k - 1]
    std::vector<long double> summeR(h, 0.0L);
    for (std::size_t k = 1; k < h; ++k) {
        summeR[k] = summeR[k - 1] + rueck(k - 1);
    }
    std::vector<long double> luecken(h, 0.0L); // luecken[s] = gap of split s
    long double summeL = 0;
    long double groesste = 0;
    for (std::size_t s = 1; s <= h - 1; ++s) {
        summeL += v[s - 1];
        luecken[s] = static_cast<long double>(l) - summeL - summeR[h - s];
        groesste = std::max(groesste, luecken[s]);
    }
    // The gaps of a constant load are equal and differ only by rounding, which depends on the
    // precision of the platform: gaps within GleicheLuecke count as equal, so the first of the
    // largest is taken everywhere. A gap that small counts as none.
    std::size_t f = 0;
    long double luecke = 0;
    for (std::size_t s = 1; s <= h - 1 && groesste > GleicheLuecke; ++s) {
        if (luecken[s] >= groesste - GleicheLuecke) {
            luecke = luecken[s];
            f = s;
            break;
        }
    }
    std::vector<double> abstand;
    abstand.reserve(h + 1);
    for (std::size_t k = 0; k < f; ++k) {
        abstand.push_back(v[k]);
    }
    abstand.push_back(static_cast<double>(luecke));
    for (std::size_t k = h - 1 - f; k >= 1; --k) {
        abstand.push_back(static_cast<double>(rueck(k)));
    }
    abstand.push_back(static_cast<double>(rueck(0)));
    return abstand;
}

TKDurchlauf DurchlaufBerechnen(const std::vector<TKPunkt>& profil, long double fc, bool unbegrenzt,
                               long double smax, std::size_t maxDorne) {
    TKDurchlauf ergebnis;
    auto abstandOk = [&](long double d) { return unbegrenzt || std::fabs(d) < smax; };
    auto anfuegen = [&](long double d) {
        if (ergebnis.Ok) {
            ergebnis.Ok = abstandOk(d);
        }
        ergebnis.Abstaende.push_back(static_cast<double>(d));
    };
    long double gesammelt = 0;
    long double schwerpunkt = 0;
    long double vorige = 0;
    std::size_t anzahl = 0;
    for (std::size_t k = 1; k < profil.size(); ++k) {
        TKPunkt a = profil[k - 1];
        const TKPunkt& b = profil[k];
        TKZielpunkt e = Zielpunkt(a, b, fc - gesammelt);
        while (e.x <= b.x) {
            if (anzahl >= maxDorne) {
                ergebnis.Abgebrochen = true;
                ergebnis.Ok = false;
                return ergebnis;
            }
            const TKPunkt ende{static_cast<double>(e.x), static_cast<double>(e.y)};
            const long double lage = Schwerpunkt(a, ende, gesammelt, schwerpunkt);
            anfuegen(lage - vorige);
            ++anzahl;
            vorige = lage;
            gesammelt = 0;
            schwerpunkt = 0;
            a = ende;
            e = Zielpunkt(a, b, fc);
        }
        schwerpunkt = Schwerpunkt(a, b, gesammelt, schwerpunkt);
        gesammelt += Flaeche(a, b);
    }
    if (profil.empty()) {
        return ergebnis;
    }
    anfuegen(schwerpunkt - vorige);
    ergebnis.Abstaende.push_back(static_cast<double>(profil.back().x - schwerpunkt));
    return ergebnis;
}

namespace {

TKVerteilung Ersatzanordnung(const TKVerteilungEingabe& e, TKVerteilung::Scheitern grund) {
    // One connector in the middle carrying the whole load: a complete arrangement for a type
    // that has failed anyway.
    TKVerteilung v;
    v.Grund = grund;
    v.AnzDorn = 1;
    const double haelfte = std::isfinite(e.Laenge) ? e.Laenge / 2 : 0.0;
    v.DornAbstand = {haelfte, haelfte};
    const long double fc = static_cast<long double>(e.Summe) + 0.0001L;
    v.FSdIst = std::isfinite(static_cast<double>(fc)) ? static_cast<double>(fc) : 0.0;
    return v;
}

} // namespace

TKVerteilung VerteilungBerechnen(const TKVerteilungEingabe& e) {
    using Scheitern = TKVerteilung::Scheitern;
    const long double summe = e.Summe;
    if (e.Profil.size() < 2 || !std::isfinite(e.Summe) || !std::isfinite(e.Laenge)) {
        return Ersatzanordnung(e, Scheitern::KeinProfil);
    }
    unsigned n = 1;
    bool zuViele = false;
    if (summe > 0) {
        if (!(e.FRd > 0)) {
            return Ersatzanordnung(e, Scheitern::KeinWiderstand);
        }
        const long double start = summe / e.FRd + 0.4999L;
        if (!(start < MaxDorneJeReihe)) {
            n = MaxDorneJeReihe;
            zuViele = true;
        } else {
            // Less than 0.0001 of the resistance would round to no connector at all.
            n = std::max(1u, static_cast<unsigned>(RundeGerade(static_cast<double>(start))));
        }
    }
    const long double smax = 5.0L * e.PlatteDicke;
    // Beyond this number every row has a spacing below the minimum spacing, so growing further
    // cannot give a usable row. A slab of no thickness can never keep the maximum spacing.
    // The growth is bounded as well: each step walks the whole row again.
    unsigned grenze = n;
    if (!e.Unbegrenzt && smax > 0) {
        const long double proMinAchs =
            e.ZulMinAchs > 0 ? std::floor(e.Laenge / e.ZulMinAchs) + 2 : MaxDorneWachstum;
        const long double ziel = std::min<long double>(proMinAchs, MaxDorneWachstum);
        if (ziel > grenze) {
            grenze = static_cast<unsigned>(ziel);
        }
    }

    TKTmpDornAufteilung tmp;
    TKVerteilung v;
    bool ok = false;
    bool gespiegelt = false;
    while (true) {
        const long double fc = summe / n + 0.0001L;
        v.FSdIst = static_cast<double>(fc);
        tmp.ListeLeeren(TKTmpDornAufteilung::Vorwaerts);
        tmp.ListeLeeren(TKTmpDornAufteilung::Rueckwaerts);
        const std::size_t ausserhalb = tmp.ProfilSpiegeln(e.Profil, e.Laenge);
        if (!gespiegelt) {
            v.PunkteAusserhalb = ausserhalb;
            gespiegelt = true;
        }
        const std::size_t maxDorne = 2 * static_cast<std::size_t>(n) + 10;
        const TKDurchlauf vor = DurchlaufBerechnen(e.Profil, fc, e.Unbegrenzt, smax, maxDorne);
        for (double d : vor.Abstaende) {
            tmp.ListeAnfuegen(TKTmpDornAufteilung::Vorwaerts, d);
        }
        const TKDurchlauf rueck =
            DurchlaufBerechnen(tmp.ProfilGespiegelt(), fc, e.Unbegrenzt, smax, maxDorne);
        for (double d : rueck.Abstaende) {
            tmp.ListeAnfuegen(TKTmpDornAufteilung::Rueckwaerts, d);
        }
        ok = vor.Ok && rueck.Ok;
        if (vor.Abgebrochen || rueck.Abgebrochen) {
            break;
        }
        if (ok || n >= grenze) {
            break;
        }
        ++n;
    }
    v.DornAbstand = tmp.Zusammenfuehren(e.Laenge);
    if (v.DornAbstand.size() < 2) {
        return Ersatzanordnung(e, Scheitern::KeinProfil);
    }
    v.AnzDorn = static_cast<unsigned>(v.DornAbstand.size() - 1);
    if (zuViele) {
        v.Grund = Scheitern::ZuViele;
    } else if (!ok) {
        v.Grund = Scheitern::Abstand;
    }
    return v;
}

} // namespace trv
