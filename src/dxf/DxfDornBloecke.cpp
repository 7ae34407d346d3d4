#include "dxf/DxfDornBloecke.h"

#include "calculation/Katalog.h"
#include "dxf/DxfBauteile.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace trv::dxf {

namespace {

constexpr int FarbeKontur = 7;
constexpr int FarbeVerdeckt = 8;
constexpr int FarbeAchse = 1;

struct Ebenen {
    TKDxfZeichner Kontur;
    TKDxfZeichner Verdeckt;
    TKDxfZeichner Achse;
};

DXF_Layer& Ebene(DXF_Object& zeichnung, const char* name, int farbe) {
    DXF_Layer& ebene = zeichnung.find_or_add_layer(name, false);
    ebene.set_layer_colour(farbe);
    return ebene;
}

// Collar at the joint face, the sleeve body behind it and the dowel, seen from above
// (kragen, koerper: the collar's and the body's widths) or from the side (their heights).
void Laengsansicht(Ebenen& e, const TKDornDaten& d, double kragen, double koerper) {
    const double b = d.Blechdicke();
    const double L = d.HuelsenLaenge();
    const double r = d.DornDurchmesser() / 2;
    const double innen = -(L - b); // the sleeve's back wall, inside
    e.Kontur.RechteckZeichnen(-b, 0, -kragen / 2, kragen / 2, FarbeKontur);
    e.Kontur.RechteckZeichnen(-L, -b, -koerper / 2, koerper / 2, FarbeKontur);
    // The dowel outside the sleeve, and inside it up to the back wall (hidden).
    e.Kontur.RechteckZeichnen(0, d.Einbindelaenge(), -r, r, FarbeKontur);
    e.Verdeckt.LinieZeichnen(innen, 0, -r, -r, FarbeVerdeckt);
    e.Verdeckt.LinieZeichnen(innen, 0, r, r, FarbeVerdeckt);
    e.Verdeckt.LinieZeichnen(innen, innen, -r, r, FarbeVerdeckt);
    e.Achse.LinieZeichnen(-L - AchsUeberstand, d.Einbindelaenge() + AchsUeberstand, 0, 0,
                          FarbeAchse);
}

void Stirnansicht(Ebenen& e, const TKDornDaten& d) {
    const double PB = d.PlattenBreite();
    const double PH = d.PlattenHoehe();
    const double HB = d.HuelsenBreite();
    const double HH = d.HuelsenHoehe();
    const double OB = d.OeffnungBreite();
    const double OH = d.OeffnungHoehe();
    e.Kontur.RechteckZeichnen(-PB / 2, PB / 2, -PH / 2, PH / 2, FarbeKontur);
    e.Kontur.RechteckZeichnen(-HB / 2, HB / 2, -HH / 2, HH / 2, FarbeKontur);
    // The first series takes the dowel in a round bore, the second in a slot that lets it
    // slide along the joint.
    if (OB > 0) {
        e.Kontur.RechteckZeichnen(-OB / 2, OB / 2, -OH / 2, OH / 2, FarbeKontur);
    } else if (OH > d.DornDurchmesser()) {
        e.Kontur.KreisZeichnen(0, 0, OH / 2, FarbeKontur);
    }
    e.Kontur.KreisZeichnen(0, 0, d.DornDurchmesser() / 2, FarbeKontur);
    const double w = std::max(PB, HB) / 2 + AchsUeberstand;
    const double h = std::max(PH, HH) / 2 + AchsUeberstand;
    e.Achse.LinieZeichnen(-w, w, 0, 0, FarbeAchse);
    e.Achse.LinieZeichnen(0, 0, -h, h, FarbeAchse);
}

} // namespace

const char* BlockEndung(Blockansicht ansicht) {
    switch (ansicht) {
    case Blockansicht::Draufsicht:
        return " Plan View Block.";
    case Blockansicht::Seitenansicht:
        return " Side View Block.";
    case Blockansicht::Stirnansicht:
        break;
    }
    return " End View Block.";
}

DXF_Object DornBlock(int typ, Blockansicht ansicht) {
    const TKDornDaten d(DornTypBegrenzt(typ));
    DXF_Object zeichnung(DornName(DornTypBegrenzt(typ)) + BlockEndung(ansicht) + "dxf");
    Ebenen e{TKDxfZeichner(Ebene(zeichnung, EbeneKontur, FarbeKontur)),
             TKDxfZeichner(Ebene(zeichnung, EbeneVerdeckt, FarbeVerdeckt)),
             TKDxfZeichner(Ebene(zeichnung, EbeneAchse, FarbeAchse))};
    switch (ansicht) {
    case Blockansicht::Draufsicht:
        Laengsansicht(e, d, d.HuelsenBreite(), d.PlattenBreite());
        break;
    case Blockansicht::Seitenansicht:
        Laengsansicht(e, d, d.HuelsenHoehe(), d.PlattenHoehe());
        break;
    case Blockansicht::Stirnansicht:
        Stirnansicht(e, d);
        break;
    }
    return zeichnung;
}

bool DornBloeckeSchreiben(const std::filesystem::path& ordner, std::string& fehler) {
    std::error_code ec;
    std::filesystem::create_directories(ordner, ec);
    if (ec) {
        fehler = ordner.string() + ": " + ec.message();
        return false;
    }
    constexpr std::array ansichten{Blockansicht::Draufsicht, Blockansicht::Seitenansicht,
                                   Blockansicht::Stirnansicht};
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        for (Blockansicht ansicht : ansichten) {
            const DXF_Object block = DornBlock(typ, ansicht);
            if (!block.save_as(ordner / block.drawing_name(), fehler)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace trv::dxf
