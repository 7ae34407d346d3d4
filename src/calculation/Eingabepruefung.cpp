#include "calculation/Eingabepruefung.h"

#include "files/Ressourcen.h"
#include "model/Belastung.h"
#include "model/Modell.h"
#include "model/Zahlen.h"

#include <optional>

namespace trv {

namespace {

constexpr double kOffen = Eingabegrenze;

enum class TLastteil { Gk, gg, Qk, gq, F1 };

bool IstLeer(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

struct TLastfeld {
    int Last = -1; // 0 point load, 1 start, 2 end of the line load; -1 geometry
    TLastteil Teil = TLastteil::Gk;
};

TLastfeld Lastfeld(TFeld feld) {
    const int i = static_cast<int>(feld) - static_cast<int>(TFeld::PunktlastGk);
    if (i < 0) {
        return {};
    }
    return {i / 5, static_cast<TLastteil>(i % 5)};
}

const TKLast& Last(const TKAnwendung& a, int last) {
    const TKBelastung& b = a.BelastungDesign();
    return last == 0 ? b.Punktlast() : (last == 1 ? b.LinienLastLinks() : b.LinienLastRechts());
}

TKLast& Last(TKAnwendung& a, int last) {
    TKBelastung& b = a.BelastungDesign();
    return last == 0 ? b.Punktlast() : (last == 1 ? b.LinienLastLinks() : b.LinienLastRechts());
}

double Teil(const TKLast& l, TLastteil teil) {
    switch (teil) {
    case TLastteil::Gk:
        return l.Gk();
    case TLastteil::gg:
        return l.gg();
    case TLastteil::Qk:
        return l.Qk();
    case TLastteil::gq:
        return l.gq();
    case TLastteil::F1:
        return l.F1();
    }
    return 0;
}

void TeilSetzen(TKLast& l, TLastteil teil, double wert) {
    switch (teil) {
    case TLastteil::Gk:
        l.SetGk(wert);
        break;
    case TLastteil::gg:
        l.Setgg(wert);
        break;
    case TLastteil::Qk:
        l.SetQk(wert);
        break;
    case TLastteil::gq:
        l.Setgq(wert);
        break;
    case TLastteil::F1:
        l.SetF1(wert);
        break;
    }
}

void GeometrieSetzen(TKGeometrie& g, TFeld feld, double wert) {
    switch (feld) {
    case TFeld::Nutzhoehe:
        g.SetNutzhoehe(wert);
        break;
    case TFeld::Fugenlaenge:
        g.SetFugenlaenge(wert);
        break;
    case TFeld::BetondeckungOben:
        g.SetBetondeckungOben(wert);
        break;
    case TFeld::BetondeckungUnten:
        g.SetBetondeckungUnten(wert);
        break;
    case TFeld::BetondeckungVorn:
        g.SetBetondeckungVorn(wert);
        break;
    case TFeld::PlatteDicke:
        g.SetPlatteDicke(wert);
        break;
    case TFeld::WandDicke:
        g.SetWandDicke(wert);
        break;
    case TFeld::BauteilRandLinks:
        g.SetBauteilRandLinks(wert);
        break;
    case TFeld::BauteilRandRechts:
        g.SetBauteilRandRechts(wert);
        break;
    default:
        break;
    }
}

} // namespace

TEingabeFehler EingabeGueltig(const std::string& text, int pruefcode, double minimum,
                              double maximum, char dezimaltrenner) {
    if (IstLeer(text)) {
        return TEingabeFehler::Keiner;
    }
    const std::optional<double> wert = EingabeZahl(text, dezimaltrenner);
    if (!wert) {
        return TEingabeFehler::KeineZahl;
    }
    const double v = *wert;
    const bool unten = pruefcode == pruefcode::NurMinimum || pruefcode == pruefcode::Beide;
    const bool oben = pruefcode == pruefcode::NurMaximum || pruefcode == pruefcode::Beide;
    if ((unten && v < minimum) || v < -Eingabegrenze) {
        return TEingabeFehler::ZuKlein;
    }
    if ((oben && v > maximum) || v > Eingabegrenze) {
        return TEingabeFehler::ZuGross;
    }
    return TEingabeFehler::Keiner;
}

std::string EingabeMeldung(TEingabeFehler fehler) {
    switch (fehler) {
    case TEingabeFehler::KeineZahl:
        return Ressource(res::EingabeKeineZahl);
    case TEingabeFehler::ZuKlein:
        return Ressource(res::EingabeZuKlein);
    case TEingabeFehler::ZuGross:
        return Ressource(res::EingabeZuGross);
    case TEingabeFehler::Keiner:
        break;
    }
    return {};
}

TFeldregel Feldregel(TFeld feld) {
    using pruefcode::Beide;
    using pruefcode::NurMinimum;
    switch (feld) {
    case TFeld::Nutzhoehe:
        return {NurMinimum, 10, kOffen, 120};
    case TFeld::Fugenlaenge:
        return {Beide, 300, 30000, 2};
    case TFeld::BetondeckungOben:
    case TFeld::BetondeckungUnten:
    case TFeld::BetondeckungVorn:
        return {NurMinimum, 10, kOffen, 30};
    case TFeld::PlatteDicke:
        return {NurMinimum, 150, kOffen, 160};
    case TFeld::WandDicke:
        return {NurMinimum, 100, kOffen, 300};
    case TFeld::BauteilRandLinks:
    case TFeld::BauteilRandRechts:
        return {NurMinimum, 120, kOffen, 0.5};
    case TFeld::Punktlastgg:
    case TFeld::Punktlastgq:
    case TFeld::Linksgg:
    case TFeld::Linksgq:
    case TFeld::Rechtsgg:
    case TFeld::Rechtsgq:
        return {Beide, TeilsicherheitMin, TeilsicherheitMax, 0};
    default:
        return {NurMinimum, 0, kOffen, 0}; // the loads
    }
}

double FeldWert(const TKAnwendung& a, TFeld feld) {
    const TLastfeld l = Lastfeld(feld);
    if (l.Last >= 0) {
        return Teil(Last(a, l.Last), l.Teil);
    }
    const TKGeometrie& g = a.Geometrie();
    switch (feld) {
    case TFeld::Nutzhoehe:
        return g.Nutzhoehe();
    case TFeld::Fugenlaenge:
        return g.Fugenlaenge();
    case TFeld::BetondeckungOben:
        return g.BetondeckungOben();
    case TFeld::BetondeckungUnten:
        return g.BetondeckungUnten();
    case TFeld::BetondeckungVorn:
        return g.BetondeckungVorn();
    case TFeld::PlatteDicke:
        return g.PlatteDicke();
    case TFeld::WandDicke:
        return g.WandDicke();
    case TFeld::BauteilRandLinks:
        return g.BauteilRandLinks();
    case TFeld::BauteilRandRechts:
        return g.BauteilRandRechts();
    default:
        return 0;
    }
}

std::string FeldText(const TKAnwendung& a, TFeld feld, char dezimaltrenner) {
    return ZahlAlsText(FeldWert(a, feld), "0", dezimaltrenner);
}

std::string LastText(double wert, char dezimaltrenner) {
    return ZahlAlsText(wert, "0", dezimaltrenner);
}

TEingabeFehler FeldVerlassen(TKAnwendung& a, TFeld feld, const std::string& text,
                             char dezimaltrenner) {
    const TFeldregel regel = Feldregel(feld);
    // An emptied field means "nothing" only for a load; a length or a factor the engineer
    // cleared is refused rather than replaced by a fallback nobody typed.
    const TEingabeFehler fehler =
        IstLeer(text) && regel.Minimum > 0
            ? TEingabeFehler::ZuKlein
            : EingabeGueltig(text, regel.Pruefcode, regel.Minimum, regel.Maximum, dezimaltrenner);
    TKGeometrie& g = a.Geometrie();
    TKBelastung& b = a.BelastungDesign();
    if (fehler == TEingabeFehler::Keiner) {
        const double wert = TextAlsZahl(text, regel.Ersatz, dezimaltrenner);
        const TLastfeld l = Lastfeld(feld);
        if (l.Last < 0) {
            GeometrieSetzen(g, feld, wert);
            if (feld == TFeld::PlatteDicke) {
                g.SetNutzhoehe(g.PlatteDicke() - 40);
            }
        } else {
            TeilSetzen(Last(a, l.Last), l.Teil, wert);
            if (l.Last == 1 && b.Belastungsfall() == 1) {
                TeilSetzen(b.LinienLastRechts(), l.Teil, wert);
            }
            if (l.Last > 0) {
                b.LinienLastBestimmen();
            }
        }
    }
    // The edge distances make the single connector's joint: the load follows them as well.
    const bool rand = feld == TFeld::BauteilRandLinks || feld == TFeld::BauteilRandRechts;
    if (feld == TFeld::Fugenlaenge || (rand && fehler == TEingabeFehler::Keiner)) {
        b.SetLastLaenge(g.Fugenlaenge());
    }
    return fehler;
}

} // namespace trv
