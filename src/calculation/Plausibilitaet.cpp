#include "calculation/Plausibilitaet.h"

#include "calculation/Anordnung.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"

namespace trv {

std::vector<std::string> EingabenPruefen(const TKAnwendung& anwendung) {
    const TKGeometrie& g = anwendung.Geometrie();
    const double d = g.PlatteDicke();
    const double h = g.Nutzhoehe();
    const double co = g.BetondeckungOben();
    const double cu = g.BetondeckungUnten();
    // The wall thickness counts only for a row of connectors joining a slab to a wall.
    const bool mitWand = anwendung.Anwendungsfall() == 2;
    // A row under a load profile: without two points there is no load to arrange the
    // connectors for (the profile dialog lets the last pair be deleted).
    const TKBelastung& last = anwendung.BelastungDesign();
    const bool ohneProfil =
        anwendung.Anwendungsfall() != 0 && !IstLinienlast(last) && last.AnzPunkte() < 2;

    const struct {
        bool faellt;
        int text;
    } regeln[] = {
        {d < 16, res::PlausiDickeMin},
        {d - cu < h, res::PlausiNutzhoehe},
        {h + 1 > d, res::PlausiNutzhoehe},
        {h < 10, res::PlausiNutzhoeheKlein},
        {co < 10, res::PlausiDeckungOben},
        {cu < 10, res::PlausiDeckungUnten},
        {co + cu > d, res::PlausiDeckungSumme},
        {mitWand && g.WandDicke() < 200, res::PlausiWandDicke},
        {ohneProfil, res::PlausiLastprofil},
    };

    std::vector<std::string> meldungen;
    for (const auto& regel : regeln) {
        if (regel.faellt) {
            meldungen.push_back(Ressource(regel.text));
        }
    }
    return meldungen;
}

} // namespace trv
