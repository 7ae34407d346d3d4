#include "cli/Bericht.h"

#include "calculation/Katalog.h"
#include "cli/Json.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Textlisten.h"
#include "model/Zahlen.h"

#include <iomanip>
#include <string>

namespace trv::cli {

namespace {

std::string Lastfall(int belastungsfall) {
    switch (belastungsfall) {
    case 0:
        return Ressource(res::LastfallEinzel);
    case 1:
        return Ressource(res::LastfallKonstant);
    case 2:
        return Ressource(res::LastfallLinear);
    case 3:
        return Ressource(res::LastfallBeliebig);
    default:
        return {};
    }
}

std::string Links(const std::string& text, std::size_t breite) {
    return text.size() >= breite ? text + " " : text + std::string(breite - text.size(), ' ');
}

std::string Rechts(const std::string& text, std::size_t breite) {
    return text.size() >= breite ? " " + text : std::string(breite - text.size(), ' ') + text;
}

void MeldungenText(std::ostream& out, const char* titel, const TKMeldungen& meldungen,
                   const std::vector<std::string>& texte) {
    for (std::uint16_t code : meldungen.Codes()) {
        out << "  " << titel << ": " << TKTextlisten::Text(texte, code) << "\n";
    }
}

void MeldungenJson(JsonSchreiber& json, const char* name, const TKMeldungen& meldungen,
                   const std::vector<std::string>& texte) {
    json.Schluessel(name);
    json.ListeBeginn();
    for (std::uint16_t code : meldungen.Codes()) {
        json.ObjektBeginn();
        json.Schluessel("code");
        json.Ganzzahl(code);
        json.Schluessel("text");
        json.Text(TKTextlisten::Text(texte, code));
        json.ObjektEnde();
    }
    json.ListeEnde();
}

} // namespace

void BerichtText(const TKModell& modell, std::ostream& out) {
    const TKTextlisten listen = TextlistenLaden();
    const char trenner = modell.Regional().Dezimaltrenner;
    for (int nr = 1; nr <= modell.AnzAnwendung(); ++nr) {
        const TKAnwendung& a = modell.Anwendung(nr);
        const TKErgebnisse& e = a.Ergebnisse();
        out << "Position " << nr << ": " << a.Position() << "\n";
        out << "  " << TKTextlisten::Text(listen.AnwendungsfallLang(), a.Anwendungsfall()) << "; "
            << Lastfall(a.BelastungDesign().Belastungsfall()) << "\n";
        if (!e.Berechnet()) {
            out << "  " << Ressource(res::BerichtNichtBerechnet) << "\n\n";
            continue;
        }
        out << "  " << Links("Connector", 11) << Rechts("Asx", 7) << Rechts("Asy", 7)
            << Rechts("FRd", 9) << Rechts("Vsd/VRd", 9) << Rechts("nD", 5) << "  Remarks\n";
        for (int typ = 0; typ < AnzDornTypen; ++typ) {
            const TKDornErgebnis& d = e.DornErgebnis(typ);
            out << (typ == e.AktDorn() ? "* " : "  ") << Links(DornName(typ), 11)
                << Rechts(ZahlFest(d.AsxIst(), 0, trenner), 7)
                << Rechts(ZahlFest(d.AsyIst(), 0, trenner), 7)
                << Rechts(ZahlFest(d.FRd(), 1, trenner), 9)
                << Rechts(ZahlFest(d.EtaQ(), 2, trenner), 9)
                << Rechts(std::to_string(e.GetAnzDorn(typ)), 5) << "  "
                << TKTextlisten::Text(listen.StatusKurz(), d.Status()) << "\n";
        }
        const TKDornErgebnis& gewaehlt = e.DornErgebnis(e.AktDorn());
        out << "  Selected: " << DornName(e.AktDorn()) << "\n";
        MeldungenText(out, "Warning", gewaehlt.Warnungen(), listen.Hinweistexte());
        MeldungenText(out, "Error", gewaehlt.Fehler(), listen.StatusLang());
        out << "\n";
    }
}

void BerichtJson(const TKModell& modell, std::ostream& out) {
    const TKTextlisten listen = TextlistenLaden();
    JsonSchreiber json(out);
    json.ObjektBeginn();
    json.Schluessel("project");
    json.Text(modell.Projektbeschreibung().Bauvorhaben());
    json.Schluessel("positions");
    json.ListeBeginn();
    for (int nr = 1; nr <= modell.AnzAnwendung(); ++nr) {
        const TKAnwendung& a = modell.Anwendung(nr);
        const TKErgebnisse& e = a.Ergebnisse();
        json.ObjektBeginn();
        json.Schluessel("number");
        json.Ganzzahl(nr);
        json.Schluessel("label");
        json.Text(a.Position());
        json.Schluessel("application_case");
        json.Ganzzahl(a.Anwendungsfall());
        json.Schluessel("application_case_text");
        json.Text(TKTextlisten::Text(listen.AnwendungsfallLang(), a.Anwendungsfall()));
        json.Schluessel("load_case");
        json.Ganzzahl(a.BelastungDesign().Belastungsfall());
        json.Schluessel("load_case_text");
        json.Text(Lastfall(a.BelastungDesign().Belastungsfall()));
        json.Schluessel("calculated");
        json.Wahrheit(e.Berechnet());
        if (e.Berechnet()) {
            json.Schluessel("selected_type");
            json.Ganzzahl(e.AktDorn());
            json.Schluessel("selected_connector");
            json.Text(DornName(e.AktDorn()));
            json.Schluessel("types");
            json.ListeBeginn();
            for (int typ = 0; typ < AnzDornTypen; ++typ) {
                const TKDornErgebnis& d = e.DornErgebnis(typ);
                json.ObjektBeginn();
                json.Schluessel("type");
                json.Ganzzahl(typ);
                json.Schluessel("connector");
                json.Text(DornName(typ));
                json.Schluessel("asx_mm2");
                json.Zahl(d.AsxIst());
                json.Schluessel("asy_mm2");
                json.Zahl(d.AsyIst());
                json.Schluessel("frd_kn");
                json.Zahl(d.FRd());
                json.Schluessel("usage");
                json.Zahl(d.EtaQ());
                json.Schluessel("connectors");
                json.Ganzzahl(e.GetAnzDorn(typ));
                json.Schluessel("status");
                json.Ganzzahl(d.Status());
                json.Schluessel("status_text");
                json.Text(TKTextlisten::Text(listen.StatusKurz(), d.Status()));
                json.Schluessel("selected");
                json.Wahrheit(typ == e.AktDorn());
                json.ObjektEnde();
            }
            json.ListeEnde();
            const TKDornErgebnis& gewaehlt = e.DornErgebnis(e.AktDorn());
            MeldungenJson(json, "warnings", gewaehlt.Warnungen(), listen.Hinweistexte());
            MeldungenJson(json, "errors", gewaehlt.Fehler(), listen.StatusLang());
        }
        json.ObjektEnde();
    }
    json.ListeEnde();
    json.ObjektEnde();
}

} // namespace trv::cli
