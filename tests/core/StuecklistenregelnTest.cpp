#include "schedule/Stuecklistenregeln.h"

#include "model/Modell.h"

#include <gtest/gtest.h>

#include <memory>

namespace trv {
namespace {

std::vector<StuecklistenEintrag> Liste(std::initializer_list<int> nummern) {
    std::vector<StuecklistenEintrag> l;
    for (int n : nummern) {
        l.push_back(NeuerEintrag("Pos " + std::to_string(n), 3, "TRV 22", n, 10, '.'));
    }
    return l;
}

TEST(Stuecklistenregeln, NeuerEintragHatZehnFelder) {
    const auto e = NeuerEintrag("Wall A", 12, "ZEDE 30", 4, 56.25, ',');
    ASSERT_EQ(e.size(), 10u);
    EXPECT_EQ(e[0], "Wall A");
    EXPECT_EQ(e[1], "1");
    EXPECT_EQ(e[2], "12");
    EXPECT_EQ(e[3], "ZEDE 30");
    EXPECT_EQ(e[4], "12");
    EXPECT_EQ(e[5], "Active");
    EXPECT_EQ(e[6], "4");
    EXPECT_EQ(e[7], "");
    EXPECT_EQ(e[8], "56,2"); // one decimal, halves to even, regional separator
    EXPECT_EQ(e[9], "12");
}

TEST(Stuecklistenregeln, JaErsetztDenEintragDerPosition) {
    int fragen = 0;
    const auto index = ZuErsetzenderEintrag(Liste({1, 2, 3}), " 2 ", [&](const std::string& f) {
        ++fragen;
        EXPECT_NE(f.find("Should this be overwritten?"), std::string::npos);
        return true;
    });
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(*index, 1u);
    EXPECT_EQ(fragen, 1);
}

TEST(Stuecklistenregeln, NeinHaengtAn) {
    const auto index =
        ZuErsetzenderEintrag(Liste({1, 2}), "2", [](const std::string&) { return false; });
    EXPECT_FALSE(index.has_value());
}

TEST(Stuecklistenregeln, NeinBeimErstenJaBeimZweitenErsetztDenZweiten) {
    int fragen = 0;
    const auto index = ZuErsetzenderEintrag(Liste({2, 1, 2}), "2",
                                            [&](const std::string&) { return ++fragen == 2; });
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(*index, 2u);
    EXPECT_EQ(fragen, 2);
}

TEST(Stuecklistenregeln, UnbekanntePositionFragtNicht) {
    bool gefragt = false;
    EXPECT_FALSE(ZuErsetzenderEintrag(Liste({1, 3}), "2", [&](const std::string&) {
                     gefragt = true;
                     return true;
                 }).has_value());
    EXPECT_FALSE(gefragt);
    // Labels are not compared, only the recorded numbers.
    auto l = Liste({1});
    l[0][stk::Position] = "2";
    EXPECT_FALSE(ZuErsetzenderEintrag(l, "2", [](const std::string&) { return true; }));
}

TEST(Stuecklistenregeln, KurzerEintragAusDateiIstSicher) {
    std::vector<StuecklistenEintrag> l{{"Pos"}};
    EXPECT_FALSE(ZuErsetzenderEintrag(l, "", [](const std::string&) { return true; }).has_value());
    EXPECT_FALSE(IstAktiv(l[0]));
    AnzahlPositionenSetzen(l[0], 3);
    EXPECT_EQ(l[0].size(), 10u);
    EXPECT_EQ(l[0][4], "0");
}

TEST(Stuecklistenregeln, AnzahlPositionenSetztSumme) {
    auto e = NeuerEintrag("P", 12, "TRV 22", 1, 10, '.');
    AnzahlPositionenSetzen(e, 3);
    EXPECT_EQ(e[1], "3");
    EXPECT_EQ(e[4], "36");
}

// The total takes the whole-number part of the connector count: 2.7 connectors count as 2.
TEST(Stuecklistenregeln, SummeZaehltNurGanzeDorne) {
    auto e = NeuerEintrag("P", 2, "TRV 22", 1, 10, '.');
    e[stk::AnzahlDorne] = "2.7";
    AnzahlPositionenSetzen(e, 3);
    EXPECT_EQ(e[stk::Summe], "6");
}

// A schedule saved under German must not lose its entries when opened under English: they
// would be missing from the printed schedule and the order.
TEST(Stuecklistenregeln, StatusEinerAnderenSpracheBleibtAktiv) {
    auto l = Liste({1, 2, 3, 4});
    l[1][stk::Status] = "Aktiv";
    l[2][stk::Status] = "Nicht aktiv";
    l[3][stk::Status] = "Inactif";
    const auto aktiv = AktiveEintraege(l);
    ASSERT_EQ(aktiv.size(), 2u);
    EXPECT_EQ(aktiv[0], &l[0]);
    EXPECT_EQ(aktiv[1], &l[1]);
}

// A project with three positions; position nr has nr * 4 connectors of type TRV 30 (index 3)
// with FRd = 50.25 kN, as if calculated. Comma as decimal separator.
std::unique_ptr<TKModell> Projekt() {
    TKRegional regional = TKRegional::Standard();
    regional.Dezimaltrenner = ',';
    auto m = std::make_unique<TKModell>(TKIniDatei{}, regional);
    m->SetAnzAnwendung(3);
    for (int nr = 1; nr <= 3; ++nr) {
        TKErgebnisse& e = m->Anwendung(nr).Ergebnisse();
        e.SetAktDorn(3);
        e.SetAnzDorn(3, static_cast<std::uint16_t>(4 * nr));
        e.DornErgebnis(3).SetFRd(50.25);
        m->Anwendung(nr).SetPosition("Wall " + std::to_string(nr));
    }
    return m;
}

UeberschreibenFrage Antworten(std::vector<bool> antworten, int& gefragt) {
    return [antworten, &gefragt](const std::string&) {
        return antworten.at(static_cast<std::size_t>(gefragt++));
    };
}

TEST(InStueckliste, NeuerEintragAusDerAktuellenPosition) {
    auto m = Projekt();
    m->SetAktAnwendung(2);
    int gefragt = 0;
    ASSERT_TRUE(InStueckliste(*m, "2", Antworten({}, gefragt)));
    EXPECT_EQ(gefragt, 0);
    ASSERT_EQ(m->Stueckliste().AnzEintraege(), 1);
    const auto e = m->Stueckliste().GetEintrag(1);
    const StuecklistenEintrag erwartet{"Wall 2", "1", "8", "TRV 30", "8",
                                       "Active", "2", "",  "50,2",   "8"};
    EXPECT_EQ(e, erwartet);
}

TEST(InStueckliste, ZweimalMitJaBleibtEinEintragMitDenNeuenDaten) {
    auto m = Projekt();
    m->SetAktAnwendung(2);
    int gefragt = 0;
    InStueckliste(*m, "2", Antworten({true}, gefragt));
    m->AktuelleAnwendung().Ergebnisse().SetAnzDorn(3, 11);
    InStueckliste(*m, " 2 ", Antworten({true}, gefragt));
    EXPECT_EQ(gefragt, 1);
    ASSERT_EQ(m->Stueckliste().AnzEintraege(), 1);
    EXPECT_EQ(m->Stueckliste().GetEintrag(1)[stk::AnzahlDorne], "11");
}

TEST(InStueckliste, ZweimalMitNeinGibtZweiEintraege) {
    auto m = Projekt();
    m->SetAktAnwendung(2);
    int gefragt = 0;
    InStueckliste(*m, "2", Antworten({}, gefragt));
    InStueckliste(*m, "2", Antworten({false}, gefragt));
    EXPECT_EQ(m->Stueckliste().AnzEintraege(), 2);
}

TEST(InStueckliste, NeinBeimErstenJaBeimZweitenErsetztDenZweiten) {
    auto m = Projekt();
    m->SetAktAnwendung(1);
    int gefragt = 0;
    InStueckliste(*m, "1", Antworten({}, gefragt));
    m->SetAktAnwendung(2);
    InStueckliste(*m, "2", Antworten({}, gefragt));
    InStueckliste(*m, "2", Antworten({false}, gefragt));
    ASSERT_EQ(m->Stueckliste().AnzEintraege(), 3);
    m->AktuelleAnwendung().SetPosition("Wall 2 new");
    gefragt = 0;
    InStueckliste(*m, "2", Antworten({false, true}, gefragt));
    EXPECT_EQ(gefragt, 2);
    ASSERT_EQ(m->Stueckliste().AnzEintraege(), 3);
    EXPECT_EQ(m->Stueckliste().GetEintrag(1)[stk::Position], "Wall 1");
    EXPECT_EQ(m->Stueckliste().GetEintrag(2)[stk::Position], "Wall 2");
    EXPECT_EQ(m->Stueckliste().GetEintrag(3)[stk::Position], "Wall 2 new");
}

TEST(InStueckliste, DieNummerZaehltNichtDieBezeichnung) {
    auto m = Projekt();
    m->SetAktAnwendung(3);
    int gefragt = 0;
    InStueckliste(*m, "3", Antworten({}, gefragt));
    // Position 1 is deleted: the former position 3 is now number 2 and is not recognised.
    ASSERT_TRUE(m->PositionLoeschen(1));
    m->SetAktAnwendung(2);
    InStueckliste(*m, "2", Antworten({}, gefragt));
    EXPECT_EQ(gefragt, 0);
    EXPECT_EQ(m->Stueckliste().AnzEintraege(), 2);
}

} // namespace
} // namespace trv
