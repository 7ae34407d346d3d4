// Writes the example projects (calculated, with the program's own project file writer) and the
// large mixed projects of the benchmarks.
//
//   trv_projekte examples DIR      the example projects into DIR (the files record DIR as
//                                  given, so run it with a relative DIR)
//   trv_projekte mixed N FILE      N uncalculated positions of all kinds into FILE
//   trv_projekte resave IN OUT     opens IN and saves it as OUT (file speed benchmarks)
#include "calculation/Bemessung.h"
#include "calculation/Katalog.h"
#include "files/Projektdatei.h"
#include "model/Modell.h"
#include "schedule/Stuecklistenregeln.h"

#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

using trv::TKAnwendung;
using trv::TKBelastung;
using trv::TKGeometrie;
using trv::TKModell;

// What the input window does around its setters: effective depth from the slab thickness,
// load length from the joint length.
void Platte(TKAnwendung& a, double dicke) {
    a.Geometrie().SetPlatteDicke(dicke);
    a.Geometrie().SetNutzhoehe(dicke - 40);
}

void Reihe(TKAnwendung& a, int anwendungsfall, double laenge) {
    a.SetAnwendungsfall(static_cast<std::uint8_t>(anwendungsfall));
    a.Geometrie().SetRandLinks(false);
    a.Geometrie().SetRandRechts(false);
    a.Geometrie().SetFugenlaenge(laenge);
    a.BelastungDesign().SetLastLaenge(a.Geometrie().Fugenlaenge());
}

void Linienlast(TKAnwendung& a, double gkLinks, double qkLinks, double gkRechts, double qkRechts) {
    TKBelastung& b = a.BelastungDesign();
    b.LinienLastLinks().SetGk(gkLinks);
    b.LinienLastLinks().SetQk(qkLinks);
    b.LinienLastRechts().SetGk(gkRechts);
    b.LinienLastRechts().SetQk(qkRechts);
    b.LinienLastBestimmen();
    b.SetBelastungsfall(gkLinks == gkRechts && qkLinks == qkRechts ? 1 : 2);
}

// A single connector under a point load 250 mm and 400 mm from the component's edges.
void Einzeldorn(TKAnwendung& a, double gk, double qk) {
    a.SetPosition("Single connector at column corner");
    a.SetAnwendungsfall(0);
    TKGeometrie& g = a.Geometrie();
    g.SetRandLinks(true);
    g.SetRandRechts(true);
    g.SetBauteilRandLinks(250);
    g.SetBauteilRandRechts(400);
    g.SetFugenbreite(2);
    Platte(a, 300);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(0);
    b.Punktlast().SetGk(gk);
    b.Punktlast().SetQk(qk);
    b.SetLastLaenge(g.Fugenlaenge());
}

// A 6 m joint between two slabs under a constant line load.
void PlatteAnPlatte(TKAnwendung& a, double gk, double qk) {
    a.SetPosition("Slab to slab, 6 m, constant load");
    Reihe(a, 1, 6000);
    Platte(a, 250);
    a.Geometrie().SetFugenbreite(3);
    Linienlast(a, gk, qk, gk, qk);
}

// A slab supported by a wall, the load falling from one end of the joint to the other.
void PlatteAnWand(TKAnwendung& a, double gk, double qk) {
    a.SetPosition("Slab to wall, 4.5 m, linear load");
    Reihe(a, 2, 4500);
    Platte(a, 280);
    a.Geometrie().SetWandDicke(300);
    a.Geometrie().SetFugenbreite(2);
    a.SetBetonguete(2);
    Linienlast(a, gk, qk, gk / 4, qk / 4);
}

// A 12 m joint under a load profile with a heavy middle stretch (a wall load on the slab).
void Lastprofil(TKAnwendung& a, double spitze) {
    a.SetPosition("Slab to slab, 12 m, load profile");
    Reihe(a, 1, 12000);
    Platte(a, 320);
    a.SetMaxDornabstand(1);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(3);
    b.PunkteLoeschen();
    const double punkte[][2] = {{0, 20},    {2500, 25},  {4000, spitze}, {7000, spitze},
                                {8500, 30}, {10000, 20}, {12000, 15}};
    for (const auto& p : punkte) {
        b.PunktHinzufuegen(p[0], p[1]);
    }
}

void Projektdaten(TKModell& m, const std::string& bauvorhaben) {
    m.Projektbeschreibung().SetBauvorhaben(bauvorhaben);
    m.Projektbeschreibung().SetFirma({"Example Engineers Ltd.", "12 Bridge Street", "Springfield"});
    m.Projektbeschreibung().SetBearbeiter("A. Engineer");
}

void AlleBerechnen(TKModell& m) {
    for (int nr = 1; nr <= m.AnzAnwendung(); ++nr) {
        trv::TKTRVBemessung(m.Anwendung(nr)).AlleTypenBemessen();
    }
    m.SetCalcFlag(true);
}

// The selected type of position nr into the schedule, as "Add to Connector Schedule" does.
void InDieStueckliste(TKModell& m, int nr, int identische) {
    const TKAnwendung& a = m.Anwendung(nr);
    const trv::TKErgebnisse& e = a.Ergebnisse();
    trv::StuecklistenEintrag eintrag =
        trv::NeuerEintrag(a.Position(), e.GetAnzDorn(e.AktDorn()), trv::DornName(e.AktDorn()), nr,
                          e.DornErgebnis(e.AktDorn()).FRd(), m.Regional().Dezimaltrenner);
    trv::AnzahlPositionenSetzen(eintrag, identische);
    m.Stueckliste().EintragHinzufuegen(std::move(eintrag));
}

bool Speichern(TKModell& m, const std::filesystem::path& pfad) {
    const trv::TKDateiErgebnis r = m.Speichern(pfad.string());
    for (const std::string& text : r.Meldungen) {
        std::cerr << pfad.string() << ": " << text << "\n";
    }
    return r.Ok;
}

using Aufbau = std::function<void(TKModell&)>;

bool Beispiel(const std::filesystem::path& ordner, const std::string& name, const Aufbau& aufbau) {
    TKModell m{trv::TKIniDatei{}, trv::TKRegional::Standard()};
    aufbau(m);
    AlleBerechnen(m);
    return Speichern(m, ordner / name);
}

int Beispiele(const std::filesystem::path& ordner) {
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);
    bool ok = true;
    ok &= Beispiel(ordner, "single-connector-point-load.TRV", [](TKModell& m) {
        Projektdaten(m, "Car park, column strip");
        Einzeldorn(m.Anwendung(1), 45, 30);
    });
    ok &= Beispiel(ordner, "slab-to-slab-6m-constant.TRV", [](TKModell& m) {
        Projektdaten(m, "Office building, expansion joint axis C");
        PlatteAnPlatte(m.Anwendung(1), 25, 15);
    });
    ok &= Beispiel(ordner, "slab-to-wall-linear.TRV", [](TKModell& m) {
        Projektdaten(m, "School extension, slab on wall W4");
        PlatteAnWand(m.Anwendung(1), 40, 20);
    });
    ok &= Beispiel(ordner, "row-12m-load-profile.TRV", [](TKModell& m) {
        Projektdaten(m, "Residential block, joint under wall load");
        Lastprofil(m.Anwendung(1), 45);
    });
    ok &= Beispiel(ordner, "several-positions-with-schedule.TRV", [](TKModell& m) {
        Projektdaten(m, "Hospital wing B, joints level 1");
        m.SetAnzAnwendung(4);
        Einzeldorn(m.Anwendung(1), 60, 40);
        PlatteAnPlatte(m.Anwendung(2), 20, 10);
        PlatteAnWand(m.Anwendung(3), 35, 25);
        Lastprofil(m.Anwendung(4), 40);
        AlleBerechnen(m);
        m.Stueckliste().SetBemerkung({"Delivery in two lots: level 1 east, level 1 west."});
        InDieStueckliste(m, 1, 6);
        InDieStueckliste(m, 2, 2);
        InDieStueckliste(m, 3, 1);
        InDieStueckliste(m, 4, 3);
    });
    return ok ? 0 : 1;
}

// N positions cycling through the four kinds, each with loads and thicknesses of its own.
int Gemischt(int anzahl, const std::filesystem::path& datei) {
    TKModell m{trv::TKIniDatei{}, trv::TKRegional::Standard()};
    Projektdaten(m, "Benchmark project, " + std::to_string(anzahl) + " positions");
    m.SetAnzAnwendung(anzahl);
    for (int nr = 1; nr <= anzahl; ++nr) {
        TKAnwendung& a = m.Anwendung(nr);
        const double faktor = 0.6 + 0.1 * (nr % 9);
        switch (nr % 4) {
        case 0:
            Einzeldorn(a, 40 * faktor, 25 * faktor);
            break;
        case 1:
            PlatteAnPlatte(a, 25 * faktor, 15 * faktor);
            break;
        case 2:
            PlatteAnWand(a, 40 * faktor, 20 * faktor);
            break;
        default:
            Lastprofil(a, 45 * faktor);
            break;
        }
        a.SetPosition("Pos. " + std::to_string(nr) + " " + a.Position());
    }
    return Speichern(m, datei) ? 0 : 1;
}

int NeuSpeichern(const std::string& ein, const std::string& aus) {
    TKModell m{trv::TKIniDatei{}, trv::TKRegional::Standard()};
    const trv::TKDateiErgebnis r = m.Oeffnen(ein);
    for (const std::string& text : r.Meldungen) {
        std::cerr << ein << ": " << text << "\n";
    }
    return r.Ok && Speichern(m, aus) ? 0 : 1;
}

int Aufruf() {
    std::cerr << "usage: trv_projekte examples DIR | mixed N FILE | resave IN OUT\n";
    return 64;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "examples") {
        return Beispiele(args[1]);
    }
    if (args.size() == 3 && args[0] == "mixed") {
        int n = 0;
        const auto [rest, fehler] =
            std::from_chars(args[1].data(), args[1].data() + args[1].size(), n);
        if (fehler != std::errc{} || rest != args[1].data() + args[1].size() || n < 1 ||
            n > 65535) {
            return Aufruf();
        }
        return Gemischt(n, args[2]);
    }
    if (args.size() == 3 && args[0] == "resave") {
        return NeuSpeichern(args[1], args[2]);
    }
    return Aufruf();
}
