#include "model/Masskette.h"

#include <algorithm>
#include <cmath>

namespace trv {

namespace {

struct Glied {
    std::string text;
    double mitte;
    double breite;
    std::size_t erstes, letztes;
    bool passt;
};

struct Belegung {
    double von, bis;
};

// The chain's dimensions, equal neighbours that do not all fit taken together.
std::vector<Glied> Glieder(const std::vector<double>& g, const std::vector<std::string>& texte,
                           std::size_t n, const Kettenvorgaben& v) {
    const auto glied = [&](std::size_t i, std::size_t j, std::string text) {
        const double breite = v.Breite(text);
        const double laenge = std::abs(g[j + 1] - g[i]);
        return Glied{
            std::move(text), (g[i] + g[j + 1]) / 2, breite, i, j, breite + v.Luecke <= laenge};
    };
    std::vector<Glied> glieder;
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i;
        while (j + 1 < n && texte[j + 1] == texte[i]) {
            ++j;
        }
        bool allePassen = true;
        for (std::size_t k = i; k <= j; ++k) {
            allePassen = allePassen && glied(k, k, texte[k]).passt;
        }
        if (j > i && !allePassen && v.Mal) {
            glieder.push_back(glied(i, j, v.Mal(j - i + 1, texte[i])));
        } else {
            for (std::size_t k = i; k <= j; ++k) {
                glieder.push_back(glied(k, k, texte[k]));
            }
        }
        i = j + 1;
    }
    return glieder;
}

} // namespace

std::vector<Kettentext> KettentexteAnordnen(const std::vector<double>& grenzen,
                                            const std::vector<std::string>& texte,
                                            const Kettenvorgaben& v) {
    const std::size_t n = grenzen.empty() ? 0 : std::min(texte.size(), grenzen.size() - 1);
    if (n == 0 || !v.Breite) {
        return {};
    }
    const std::vector<Glied> glieder = Glieder(grenzen, texte, n, v);
    const double richtung = grenzen[n] >= grenzen[0] ? 1.0 : -1.0;

    std::vector<std::vector<Belegung>> reihen(1);
    const auto frei = [&](std::size_t r, double mitte, double breite) {
        if (r >= reihen.size()) {
            return true;
        }
        const double von = mitte - breite / 2;
        const double bis = mitte + breite / 2;
        return std::none_of(reihen[r].begin(), reihen[r].end(), [&](const Belegung& b) {
            return von < b.bis + v.Luecke && bis > b.von - v.Luecke;
        });
    };
    std::vector<Kettentext> ergebnis(glieder.size());
    const auto setzen = [&](std::size_t k, std::size_t r, double mitte) {
        if (r >= reihen.size()) {
            reihen.resize(r + 1);
        }
        const Glied& gl = glieder[k];
        reihen[r].push_back({mitte - gl.breite / 2, mitte + gl.breite / 2});
        ergebnis[k] = {gl.text, mitte, static_cast<int>(r), gl.erstes, gl.letztes};
    };

    // Texts that fit stand between their ticks; the others take what room is left.
    for (std::size_t k = 0; k < glieder.size(); ++k) {
        if (glieder[k].passt) {
            setzen(k, 0, glieder[k].mitte);
        }
    }
    for (std::size_t k = 0; k < glieder.size(); ++k) {
        const Glied& gl = glieder[k];
        if (gl.passt) {
            continue;
        }
        // Not at the line between the ticks: the ticks of its neighbours would cross it.
        std::vector<double> orte;
        const double aussen = v.Luecke + gl.breite / 2;
        if (gl.erstes == 0 && v.AussenAmAnfang) {
            orte.push_back(grenzen[0] - richtung * aussen);
        }
        if (gl.letztes == n - 1 && v.AussenAmEnde) {
            orte.push_back(grenzen[n] + richtung * aussen);
        }
        bool gesetzt = false;
        for (double ort : orte) {
            if (frei(0, ort, gl.breite)) {
                setzen(k, 0, ort);
                gesetzt = true;
                break;
            }
        }
        for (std::size_t r = 1; !gesetzt; ++r) {
            if (frei(r, gl.mitte, gl.breite)) {
                setzen(k, r, gl.mitte);
                gesetzt = true;
            }
        }
    }
    return ergebnis;
}

int KettenReihen(const std::vector<Kettentext>& texte) {
    int reihen = 0;
    for (const Kettentext& t : texte) {
        reihen = std::max(reihen, t.Reihe + 1);
    }
    return reihen;
}

} // namespace trv
