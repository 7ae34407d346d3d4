#include "Testprojekte.h"

#include "calculation/Bemessung.h"
#include "calculation/Katalog.h"
#include "schedule/Stuecklistenregeln.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace trv::test {

namespace {

void Berechnen(TKAnwendung& a) {
    TKTRVBemessung(a).AlleTypenBemessen();
}

void Einzeldorn(TKAnwendung& a) {
    a.SetPosition("Pos. 1 single dowel");
    a.SetAnwendungsfall(0);
    TKGeometrie& g = a.Geometrie();
    g.SetPlatteDicke(300);
    g.SetNutzhoehe(250);
    g.SetFugenbreite(2);
    g.SetRandLinks(true);
    g.SetRandRechts(true);
    g.SetBauteilRandLinks(400);
    g.SetBauteilRandRechts(600);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(0);
    b.Punktlast().SetGk(30);
    b.Punktlast().SetQk(20);
    Berechnen(a);
}

void PlattePlatte(TKAnwendung& a) {
    a.SetPosition("Pos. 2 slab to slab");
    a.SetAnwendungsfall(1);
    a.SetBetonguete(2);
    TKGeometrie& g = a.Geometrie();
    g.SetFugenlaenge(3000);
    g.SetPlatteDicke(250);
    g.SetNutzhoehe(210);
    g.SetFugenbreite(3);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(1);
    b.LinienLastLinks().SetGk(20);
    b.LinienLastLinks().SetQk(10);
    b.LinienLastRechts().SetGk(20);
    b.LinienLastRechts().SetQk(10);
    b.LinienLastBestimmen();
    b.SetLastLaenge(3000);
    Berechnen(a);
}

void PlatteWand(TKAnwendung& a) {
    a.SetPosition("Pos. 3 slab to wall");
    a.SetAnwendungsfall(2);
    a.SetBewehrungCalc(1);
    TKGeometrie& g = a.Geometrie();
    g.SetFugenlaenge(2500);
    g.SetPlatteDicke(280);
    g.SetNutzhoehe(240);
    g.SetWandDicke(300);
    g.SetFugenbreite(2);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(3);
    b.SetLastLaenge(2500);
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 60);
    b.PunktHinzufuegen(1000, 110.5);
    b.PunktHinzufuegen(2500, 40);
    Berechnen(a);
}

void Beschreibung(TKModell& m, const std::string& name) {
    m.Projektbeschreibung().SetBauvorhaben(name);
    m.Projektbeschreibung().SetBearbeiter("A. Engineer");
    m.Projektbeschreibung().SetFirma({"Example Engineers Ltd", "1 Bridge Street", "Newtown"});
    m.Projektbeschreibung().SetDatum("01.03.2026");
}

} // namespace

std::unique_ptr<TKModell> NeuesModell(char dezimaltrenner) {
    TKRegional r = TKRegional::Standard("01.03.2026");
    r.Dezimaltrenner = dezimaltrenner;
    return std::make_unique<TKModell>(TKIniDatei(), r);
}

void EinzeldornProjekt(TKModell& modell) {
    Beschreibung(modell, "Single dowel under a point load");
    Einzeldorn(modell.Anwendung(1));
}

void PlattePlatteProjekt(TKModell& modell) {
    Beschreibung(modell, "Row of dowels, slab to slab");
    PlattePlatte(modell.Anwendung(1));
}

void PlatteWandProjekt(TKModell& modell) {
    Beschreibung(modell, "Row of dowels, slab to wall, arbitrary load");
    PlatteWand(modell.Anwendung(1));
}

void DreiPositionenProjekt(TKModell& modell) {
    Beschreibung(modell, "Parkhaus Süd – Fugenplan");
    modell.Projektbeschreibung().SetFirma({"Ingénieurs associés Müller & Fils",
                                           "Straße der Brücken 5",
                                           "Ζυρίχη – 苏黎世 – 🏗"});
    modell.Projektbeschreibung().SetBearbeiter("Zoë Œhlenschläger");
    modell.SetAnzAnwendung(3);
    Einzeldorn(modell.Anwendung(1));
    PlattePlatte(modell.Anwendung(2));
    PlatteWand(modell.Anwendung(3));
    modell.Anwendung(2).SetPosition("Décke über UG – Achse 3");
    modell.SetAktAnwendung(2);
    modell.Stueckliste().SetBemerkung({"Lieferung bis März", "Remarque : livrer à l'entrée B"});
    for (int nr = 2; nr <= 3; ++nr) {
        const TKAnwendung& a = modell.Anwendung(nr);
        const int typ = a.Ergebnisse().AktDorn();
        modell.Stueckliste().EintragHinzufuegen(
            NeuerEintrag(a.Position(), a.Ergebnisse().GetAnzDorn(typ), DornName(typ), nr,
                         a.Ergebnisse().DornErgebnis(typ).FRd(), '.'));
    }
}

TempOrdner::TempOrdner() {
    static std::atomic<int> zaehler{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    pfad_ = std::filesystem::temp_directory_path() /
            ("trv-test-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++) + "-" +
             (info ? info->name() : "x"));
    std::filesystem::remove_all(pfad_);
    std::filesystem::create_directories(pfad_);
}

TempOrdner::~TempOrdner() {
    std::error_code ec;
    std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(pfad_, ec);
}

std::string DateiInhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void DateiSchreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

} // namespace trv::test
