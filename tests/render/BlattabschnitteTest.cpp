#include "printing/Blattabschnitte.h"

#include "Aufzeichner.h"
#include "model/Modell.h"
#include "printing/Seitenmasse.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;

// Draws one section of a position on a recording device of one A4 page at 96 dpi and finds
// the written texts again.
class Abschnitt : public ::testing::Test {
protected:
    Abschnitt() : geraet_(794, 1123) {}

    template <typename F> void Zeichnen(F abschnitt) {
        geraet_.Liste.clear();
        QPainter canvas(&geraet_);
        masse_.SeiteEinrichten(StandardGeometrie());
        masse_.FuerBildschirm(canvas, 96);
        Blattabschnitte b(canvas, masse_, anwendung_, texte_, '.', 96);
        ende_ = abschnitt(b);
    }
    int Eingabe() {
        Zeichnen([](Blattabschnitte& b) { return b.EingabeZeichnen({50, 100}, 170, 28); });
        return ende_;
    }
    int Lasten(bool fortsetzung = false) {
        Zeichnen([&](Blattabschnitte& b) {
            return b.LastenZeichnen({50, 100}, 151, fortsetzung, 28);
        });
        return ende_;
    }
    int Ergebnisse() {
        Zeichnen([](Blattabschnitte& b) { return b.ErgebnisseZeichnen({50, 100}, 189, 340, 38); });
        return ende_;
    }
    // The top of the first text that is exactly this one.
    std::optional<double> Oben(const QString& text) const {
        for (const Aufzeichnung& a : geraet_.Liste) {
            if (a.art == Aufzeichnung::Art::Text && a.text == text) {
                return a.rahmen.top();
            }
        }
        return std::nullopt;
    }
    bool Hat(const QString& text) const { return Oben(text).has_value(); }
    int Anzahl(const QString& text) const {
        int n = 0;
        for (const QString& t : geraet_.Texte()) {
            n += t == text ? 1 : 0;
        }
        return n;
    }

    TKAnwendung anwendung_;
    TKTextlisten texte_ = TextlistenLaden();
    Seitenmasse masse_;
    Aufzeichner geraet_;
    int ende_ = 0;
};

TEST_F(Abschnitt, EinzeldornZeigtRandabstaendeStattFugenlaenge) {
    anwendung_.SetAnwendungsfall(0);
    anwendung_.Geometrie().SetBauteilRandLinks(350);
    anwendung_.Geometrie().SetBauteilRandRechts(420);
    Eingabe();
    EXPECT_TRUE(Hat(QStringLiteral("Given edge distance")));
    EXPECT_TRUE(Hat(QStringLiteral(" 350 mm")));
    EXPECT_TRUE(Hat(QStringLiteral(" 420 mm")));
    EXPECT_FALSE(Hat(QStringLiteral("Joint length")));

    anwendung_.SetAnwendungsfall(1);
    anwendung_.Geometrie().SetFugenlaenge(3000);
    Eingabe();
    EXPECT_TRUE(Hat(QStringLiteral("Joint length")));
    EXPECT_TRUE(Hat(QStringLiteral(" 3000 mm")));
    EXPECT_FALSE(Hat(QStringLiteral("Given edge distance")));
    EXPECT_FALSE(Hat(QStringLiteral("Wall thickness")));
}

TEST_F(Abschnitt, WandFuegtWanddickeEinUndSchiebtDieFolgendenZeilen) {
    anwendung_.SetAnwendungsfall(1);
    const int endeDecke = Eingabe();
    const double deckungDecke = *Oben(QStringLiteral("Concrete cover above"));
    anwendung_.SetAnwendungsfall(2);
    anwendung_.Geometrie().SetWandDicke(300);
    const int endeWand = Eingabe();
    ASSERT_TRUE(Hat(QStringLiteral("Wall thickness")));
    EXPECT_TRUE(Hat(QStringLiteral(" 300 mm")));
    EXPECT_DOUBLE_EQ(*Oben(QStringLiteral("Concrete cover above")) - deckungDecke,
                     masse_.Zeile10());
    EXPECT_EQ(endeWand - endeDecke, masse_.Zeile10());
}

TEST_F(Abschnitt, EingabeRundetGanzzahligHalbeZurGeraden) {
    anwendung_.Geometrie().SetPlatteDicke(249.5);
    anwendung_.Geometrie().SetBetondeckungOben(250.5);
    anwendung_.Geometrie().SetFugenbreite(3);
    anwendung_.SetBetonguete(2);
    anwendung_.SetBewehrungCalc(1);
    Eingabe();
    EXPECT_EQ(Anzahl(QStringLiteral(" 250 mm")), 2);
    EXPECT_TRUE(Hat(QStringLiteral(" 30 mm")));
    EXPECT_TRUE(Hat(QString::fromUtf8("≤")));
    EXPECT_TRUE(Hat(QStringLiteral("C25/30")));
    EXPECT_TRUE(Hat(QString::fromUtf8(" 25 N/mm² ")));
    EXPECT_TRUE(
        Hat(QStringLiteral("Calculation with reinforcement according optimal connector use")));
}

TEST_F(Abschnitt, EinzellastMitEinerUndZweiStellen) {
    TKLast& p = anwendung_.BelastungDesign().Punktlast();
    anwendung_.BelastungDesign().SetBelastungsfall(0);
    p.SetGk(12.0);
    p.SetQk(12.44);
    p.SetF1(12.46);
    p.Setgg(1.35);
    p.Setgq(1.5);
    const int ende = Lasten();
    EXPECT_TRUE(Hat(QStringLiteral("Single load to connector")));
    EXPECT_TRUE(Hat(QStringLiteral(" 12 kN")));
    EXPECT_TRUE(Hat(QStringLiteral(" 12.4 kN")));
    EXPECT_TRUE(Hat(QStringLiteral(" 12.5 kN")));
    EXPECT_TRUE(Hat(QStringLiteral(" 1.35 ")));
    EXPECT_TRUE(Hat(QStringLiteral(" 1.5 ")));
    // Fd = 12 * 1.35 + 12.44 * 1.5 + 12.46 = 47.32
    EXPECT_TRUE(Hat(QStringLiteral(" 47.3 kN")));
    // The dot operator comes from a fallback font, so it may be a text item of its own.
    const auto texte = geraet_.Texte();
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(),
                            [](const QString& t) { return t.contains(QChar(0x22C5)); }));
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(),
                            [](const QString& t) { return t.contains(QChar(0x03B3)); }));
    EXPECT_TRUE(Hat(QStringLiteral("Connector design load")));
    EXPECT_FALSE(Hat(QStringLiteral("no. of dowels")));
    EXPECT_EQ(ende, static_cast<int>(*Oben(QStringLiteral("Connector design load"))) +
                        2 * masse_.Zeile10());
}

TEST_F(Abschnitt, LinienlastMitBruchUndGesamtlast) {
    TKBelastung& b = anwendung_.BelastungDesign();
    b.SetBelastungsfall(1);
    b.LinienLastLinks().SetFd(20);
    b.LinienLastRechts().SetFd(20);
    anwendung_.Geometrie().SetFugenlaenge(3000);
    Lasten();
    EXPECT_TRUE(Hat(QStringLiteral("Linear load")));
    EXPECT_TRUE(Hat(QStringLiteral(" 20 kN/m")));
    EXPECT_TRUE(Hat(QStringLiteral(" = no. of dowels")));
    EXPECT_TRUE(Hat(QStringLiteral("with F")));
    // The total the connectors share, as a number: 20 kN/m over 3 m, on the line of its formula.
    ASSERT_TRUE(Hat(QStringLiteral("  =  60 kN")));
    EXPECT_EQ(*Oben(QStringLiteral("  =  60 kN")), *Oben(QStringLiteral("with F")));
    // The bar of the fraction.
    EXPECT_GE(geraet_.Anzahl(Aufzeichnung::Art::Linie), 1);
}

TEST_F(Abschnitt, TrapezlastZweiSpaltenUndHalbeSumme) {
    TKBelastung& b = anwendung_.BelastungDesign();
    b.SetBelastungsfall(2);
    b.LinienLastLinks().SetFd(10);
    b.LinienLastRechts().SetFd(30);
    anwendung_.Geometrie().SetFugenlaenge(3000);
    Lasten();
    // A varying load is titled as its load case is named, never as a uniform one.
    EXPECT_TRUE(Hat(QStringLiteral("Increasing distributed load")));
    EXPECT_FALSE(Hat(QStringLiteral("Uniform distributed load")));
    EXPECT_TRUE(Hat(QStringLiteral("  =  60 kN"))); // (10 + 30) / 2 kN/m over 3 m
    EXPECT_TRUE(Hat(QStringLiteral(" 10 kN/m")));
    EXPECT_TRUE(Hat(QStringLiteral(" 30 kN/m")));
    EXPECT_TRUE(Hat(QStringLiteral("g,L")));
    EXPECT_TRUE(Hat(QStringLiteral("g,R")));
    EXPECT_TRUE(Hat(QStringLiteral("2")));
    EXPECT_GE(geraet_.Anzahl(Aufzeichnung::Art::Linie), 2); // two fraction bars
}

TEST_F(Abschnitt, BeliebigeLastErsteSeiteVerweistAufDieNaechste) {
    TKBelastung& b = anwendung_.BelastungDesign();
    b.SetBelastungsfall(3);
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 10);
    b.PunktHinzufuegen(2000, 30);
    Lasten(false);
    EXPECT_TRUE(Hat(QStringLiteral("Varying distributed load")));
    EXPECT_TRUE(Hat(QStringLiteral("see next page")));
    EXPECT_TRUE(Hat(QStringLiteral("n = number of data entries"))); // the formula picture
    EXPECT_TRUE(Hat(QStringLiteral(" = no. of dowels")));
    // The sum of the picture as a number below it (20 kN/m over 2 m), then the fraction.
    ASSERT_TRUE(Hat(QStringLiteral("  =  40 kN")));
    EXPECT_GT(*Oben(QStringLiteral("  =  40 kN")),
              *Oben(QStringLiteral("n = number of data entries")));
    EXPECT_GT(*Oben(QStringLiteral(" = no. of dowels")), *Oben(QStringLiteral("  =  40 kN")));
}

TEST_F(Abschnitt, BeliebigeLastOhnePunkteNurLabelUndFormel) {
    TKBelastung& b = anwendung_.BelastungDesign();
    b.SetBelastungsfall(3);
    b.PunkteLoeschen();
    Lasten(true);
    EXPECT_EQ(Anzahl(QStringLiteral("Total design load")), 1);
    EXPECT_FALSE(Hat(QStringLiteral("x")));
    EXPECT_TRUE(Hat(QStringLiteral("n = number of data entries")));
    EXPECT_FALSE(Hat(QStringLiteral(" = no. of dowels")));
}

TEST_F(Abschnitt, BeliebigeLastListetDiePunkteUndIhreSumme) {
    TKBelastung& b = anwendung_.BelastungDesign();
    b.SetBelastungsfall(3);
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 10);
    b.PunktHinzufuegen(1234, 15.04);
    b.PunktHinzufuegen(2505, 7.25);
    Lasten(true);
    EXPECT_EQ(Anzahl(QStringLiteral("Total design load")), 1);
    EXPECT_TRUE(Hat(QStringLiteral(" 0 m")));
    EXPECT_TRUE(Hat(QStringLiteral(" 1.23 m")));
    EXPECT_TRUE(Hat(QStringLiteral(" 2.5 m"))); // 2505 mm: 250.5 to the even 250
    EXPECT_TRUE(Hat(QStringLiteral(" 15 kN/m")));
    // Every load stands beside its place: no load without an x after the list.
    EXPECT_EQ(Anzahl(QStringLiteral(" 7.2 kN/m")), 1);
    EXPECT_EQ(Anzahl(QStringLiteral("x")), 3);
    const auto texte = geraet_.Texte();
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(),
                            [](const QString& t) { return t.endsWith(QStringLiteral("kN/m")); }),
              3);
    // The total below the formula: 12.52 kN/m over 1.234 m and 11.145 kN/m over 1.271 m.
    EXPECT_TRUE(Hat(QStringLiteral("  =  29.6 kN")));
}

// A selected type with hand-set results: 12 connectors of TRV 22 (index 1).
class Ergebnisabschnitt : public Abschnitt {
protected:
    void SetUp() override {
        TKErgebnisse& e = anwendung_.Ergebnisse();
        e.SetAktDorn(1);
        e.SetAnzDorn(1, 12);
        TKDornErgebnis& d = e.DornErgebnis(1);
        d.SetFRdStahl(80);
        d.SetFRdBeton(64.44);
        d.SetFRdBewehrung(70);
        d.SetFSdIst(64.44);
        d.SetEtaQ(1.0);
        d.SetAbstandLinks(310);
        d.SetAbstandRechts(290);
        d.SetIstMinAchs(333.3);
        d.SetZulMinAchs(250);
        d.SetAsyIst(452.4);
    }
};

TEST_F(Ergebnisabschnitt, GewaehltMitAnzahlUndTyp) {
    anwendung_.SetAnwendungsfall(1);
    Ergebnisse();
    EXPECT_TRUE(Hat(QStringLiteral("Selected: 12 * TRV 22")));
    EXPECT_TRUE(Hat(QStringLiteral("Results")));
    EXPECT_TRUE(Hat(QStringLiteral(" 64.4 kN"))); // FSdIst and FRd
    EXPECT_TRUE(Hat(QStringLiteral(" 100 %")));   // usage of exactly 100 %
    EXPECT_TRUE(Hat(QStringLiteral(" 290 mm")));  // the smaller edge distance
    EXPECT_TRUE(Hat(QString::fromUtf8(" 452 mm²")));
    EXPECT_TRUE(Hat(QStringLiteral("Actual connector spacing")));
    EXPECT_TRUE(Hat(QStringLiteral(" 333 mm")));
    EXPECT_EQ(Anzahl(QString::fromUtf8("η")), 4); // connector, concrete, steel, reinforcement
}

TEST_F(Ergebnisabschnitt, AusnutzungViertelUndOhneBewehrungswiderstandNull) {
    anwendung_.Ergebnisse().DornErgebnis(1).SetEtaQ(0.25);
    anwendung_.Ergebnisse().DornErgebnis(1).SetFRdBewehrung(0);
    Ergebnisse();
    EXPECT_TRUE(Hat(QStringLiteral(" 25 %")));
    EXPECT_TRUE(Hat(QStringLiteral(" 0 %")));
}

TEST_F(Ergebnisabschnitt, OhneAbstaendeBeimEinzeldornUndBeiEinemDorn) {
    anwendung_.SetAnwendungsfall(1);
    const int mitAbstand = Ergebnisse();
    anwendung_.SetAnwendungsfall(0);
    const int einzeln = Ergebnisse();
    EXPECT_FALSE(Hat(QStringLiteral("Actual connector spacing")));
    EXPECT_FALSE(Hat(QStringLiteral("Minimum connector spacing")));
    anwendung_.SetAnwendungsfall(2);
    anwendung_.Ergebnisse().SetAnzDorn(1, 1);
    Ergebnisse();
    EXPECT_FALSE(Hat(QStringLiteral("Actual connector spacing")));
    EXPECT_TRUE(Hat(QStringLiteral("Selected: 1 * TRV 22")));
    // Without the spacings the left column ends with the right one, two lines higher.
    EXPECT_EQ(mitAbstand - einzeln, 2 * masse_.Zeile10());
}

TEST_F(Ergebnisabschnitt, UnberechneteWiderstaendeGebenKeineDivisionDurchNull) {
    TKAnwendung leer;
    anwendung_ = leer;
    Ergebnisse();
    EXPECT_FALSE(Hat(QStringLiteral(" inf %")));
    EXPECT_FALSE(Hat(QStringLiteral(" nan %")));
    EXPECT_FALSE(Hat(QStringLiteral(" - %")));
}

} // namespace
} // namespace trv
