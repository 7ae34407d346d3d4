#include "calculation/Eingabepruefung.h"
#include "Testprojekte.h"
#include "calculation/Bemessungsoptionen.h"
#include "calculation/Lastfaelle.h"
#include "calculation/Lastprofilraster.h"
#include "files/Einstellungen.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trv {

namespace {

using F = TEingabeFehler;

TEST(EingabeGueltig, RegionalSeparatorDecidesWhatIsANumber) {
    // "1,35" is a number only where the comma is the decimal separator.
    EXPECT_EQ(EingabeGueltig("1,35", -1, 0, 0, '.'), F::KeineZahl);
    EXPECT_EQ(EingabeGueltig("1,35", -1, 0, 0, ','), F::Keiner);
    EXPECT_EQ(EingabeGueltig("1.35", -1, 0, 0, ','), F::KeineZahl);
    // A thousands separator is refused, never read as a decimal point.
    EXPECT_EQ(EingabeGueltig("1.000", -1, 0, 0, ','), F::KeineZahl);
    EXPECT_EQ(EingabeGueltig("1,000", -1, 0, 0, '.'), F::KeineZahl);
    EXPECT_EQ(EingabeGueltig("1 000", -1, 0, 0, '.'), F::KeineZahl);
    EXPECT_EQ(EingabeGueltig("1,5,0", -1, 0, 0, ','), F::KeineZahl);
    // Signs and exponents are numbers; empty and blank texts pass without a range test.
    EXPECT_EQ(EingabeGueltig("+5", -1, 0, 0, '.'), F::Keiner);
    EXPECT_EQ(EingabeGueltig("1e3", 2, 300, 30000, '.'), F::Keiner);
    EXPECT_EQ(EingabeGueltig("", 2, 300, 30000, '.'), F::Keiner);
    EXPECT_EQ(EingabeGueltig("   ", 2, 300, 30000, '.'), F::Keiner);
    for (const char* text : {"abc", "12a", "inf", "nan", "1e400", "0x10", "--1", "1e"}) {
        EXPECT_EQ(EingabeGueltig(text, -1, 0, 0, '.'), F::KeineZahl) << text;
    }
}

TEST(EingabeGueltig, CheckCodesAndLimits) {
    const TFeldregel fuge = Feldregel(TFeld::Fugenlaenge);
    EXPECT_EQ(fuge.Pruefcode, pruefcode::Beide);
    const auto pruefe = [&](const char* t) {
        return EingabeGueltig(t, fuge.Pruefcode, fuge.Minimum, fuge.Maximum, '.');
    };
    EXPECT_EQ(pruefe("300"), F::Keiner);
    EXPECT_EQ(pruefe("30000"), F::Keiner);
    EXPECT_EQ(pruefe("299"), F::ZuKlein);
    EXPECT_EQ(pruefe("30001"), F::ZuGross);
    EXPECT_EQ(pruefe("299.999"), F::ZuKlein);
    // One-sided codes look at one limit only; unknown codes at none.
    EXPECT_EQ(EingabeGueltig("5", pruefcode::NurMinimum, 10, 1, '.'), F::ZuKlein);
    EXPECT_EQ(EingabeGueltig("50", pruefcode::NurMinimum, 10, 1, '.'), F::Keiner);
    EXPECT_EQ(EingabeGueltig("50", pruefcode::NurMaximum, 100, 10, '.'), F::ZuGross);
    EXPECT_EQ(EingabeGueltig("-50", pruefcode::NurMaximum, 0, 10, '.'), F::Keiner);
    EXPECT_EQ(EingabeGueltig("-50", 7, 0, 10, '.'), F::Keiner);
    // Absurd magnitudes never pass, whatever the code.
    EXPECT_EQ(EingabeGueltig("1e308", pruefcode::NurMinimum, 0, 0, '.'), F::ZuGross);
    EXPECT_EQ(EingabeGueltig("-1e308", 7, 0, 0, '.'), F::ZuKlein);
    EXPECT_EQ(EingabeGueltig("1000000", pruefcode::NurMinimum, 0, 0, '.'), F::Keiner);
    EXPECT_EQ(EingabeGueltig("1000001", pruefcode::NurMinimum, 0, 0, '.'), F::ZuGross);
    // Every field has a lower limit; the joint length and the factors an upper one too.
    for (int i = 0; i < AnzFelder; ++i) {
        const auto feld = static_cast<TFeld>(i);
        const bool beide = feld == TFeld::Fugenlaenge || feld == TFeld::Punktlastgg ||
                           feld == TFeld::Punktlastgq || feld == TFeld::Linksgg ||
                           feld == TFeld::Linksgq || feld == TFeld::Rechtsgg ||
                           feld == TFeld::Rechtsgq;
        EXPECT_EQ(Feldregel(feld).Pruefcode, beide ? 2 : -1) << i;
    }
}

TEST(EingabeGueltig, MessagesWordForWord) {
    EXPECT_EQ(EingabeMeldung(F::KeineZahl),
              "Error during Input: Only numbers allowed!\r\n(plaease check writing of \".\" and "
              "\",\") ");
    EXPECT_EQ(EingabeMeldung(F::ZuKlein), "Input value is smaller than allowed!");
    EXPECT_EQ(EingabeMeldung(F::ZuGross), "Input value is greater than allowed!");
    EXPECT_EQ(EingabeMeldung(F::Keiner), "");
}

TEST(FeldVerlassen, GeometryWritesFallbacksAndFollowUps) {
    TKAnwendung a;
    EXPECT_EQ(FeldVerlassen(a, TFeld::PlatteDicke, "200", '.'), F::Keiner);
    EXPECT_DOUBLE_EQ(a.Geometrie().PlatteDicke(), 200);
    EXPECT_DOUBLE_EQ(a.Geometrie().Nutzhoehe(), 160);
    EXPECT_EQ(FeldText(a, TFeld::Nutzhoehe, '.'), "160");
    // A refused thickness changes nothing, not even the effective height.
    a.Geometrie().SetNutzhoehe(150);
    EXPECT_EQ(FeldVerlassen(a, TFeld::PlatteDicke, "149", '.'), F::ZuKlein);
    EXPECT_DOUBLE_EQ(a.Geometrie().PlatteDicke(), 200);
    EXPECT_DOUBLE_EQ(a.Geometrie().Nutzhoehe(), 150);
    // An emptied length is refused like a value below its range: no 2 mm joint, no 0.5 mm
    // edge and no effective height that nobody typed.
    a.Geometrie().SetFugenlaenge(5000);
    a.Geometrie().SetBauteilRandLinks(250);
    for (TFeld feld : {TFeld::PlatteDicke, TFeld::Nutzhoehe, TFeld::BauteilRandLinks,
                       TFeld::Fugenlaenge, TFeld::WandDicke, TFeld::BetondeckungOben}) {
        EXPECT_EQ(FeldVerlassen(a, feld, " ", ','), F::ZuKlein) << static_cast<int>(feld);
    }
    EXPECT_DOUBLE_EQ(a.Geometrie().PlatteDicke(), 200);
    EXPECT_DOUBLE_EQ(a.Geometrie().Nutzhoehe(), 150);
    EXPECT_DOUBLE_EQ(a.Geometrie().BauteilRandLinks(), 250);
    EXPECT_DOUBLE_EQ(a.Geometrie().Fugenlaenge(), 5000);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().LastLaenge(), 5000);
}

TEST(FeldVerlassen, PartialSafetyFactorsNeverLetALoadVanish) {
    TKAnwendung a;
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(2);
    ASSERT_EQ(FeldVerlassen(a, TFeld::LinksGk, "100", '.'), F::Keiner);
    ASSERT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 135);
    // Cleared, zero, negative or beyond the range: refused with the range message, and the
    // design load stays what the factor in force gives.
    const std::pair<const char*, F> falsch[] = {{"", F::ZuKlein},     {"0", F::ZuKlein},
                                                {"-1.5", F::ZuKlein}, {"0.99", F::ZuKlein},
                                                {"2.01", F::ZuGross}, {"1e6", F::ZuGross}};
    for (TFeld feld : {TFeld::Linksgg, TFeld::Linksgq, TFeld::Rechtsgg, TFeld::Rechtsgq,
                       TFeld::Punktlastgg, TFeld::Punktlastgq}) {
        for (const auto& [text, fehler] : falsch) {
            EXPECT_EQ(FeldVerlassen(a, feld, text, '.'), fehler)
                << static_cast<int>(feld) << " '" << text << "'";
        }
    }
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().gg(), 1.35);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 135);
    // The limits themselves are factors an engineer uses (accidental and raised ones).
    EXPECT_EQ(FeldVerlassen(a, TFeld::Linksgg, "1", '.'), F::Keiner);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 100);
    EXPECT_EQ(FeldVerlassen(a, TFeld::Linksgg, "2", '.'), F::Keiner);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 200);
    // An emptied load is no load.
    EXPECT_EQ(FeldVerlassen(a, TFeld::LinksGk, "", '.'), F::Keiner);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 0);
}

TEST(FeldVerlassen, JointLengthSetsLoadLengthAlsoWhenRefused) {
    TKAnwendung a;
    a.Geometrie().SetFugenlaenge(1500);
    a.BelastungDesign().SetLastLaengeWert(2000); // the profile still reaches 2000
    EXPECT_EQ(FeldVerlassen(a, TFeld::Fugenlaenge, "30001", '.'), F::ZuGross);
    EXPECT_DOUBLE_EQ(a.Geometrie().Fugenlaenge(), 1500);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().LastLaenge(), 1500);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().beliebigeLast().back().x, 1500);
    // The single connector's joint is the sum of its edge distances.
    AnwendungsfallSetzen(a, 0);
    a.Geometrie().SetBauteilRandLinks(400);
    a.Geometrie().SetBauteilRandRechts(300);
    EXPECT_EQ(FeldText(a, TFeld::Fugenlaenge, '.'), "700");
}

TEST(Lastfaelle, TheLoadFollowsTheJointOfTheApplicationCase) {
    // A single connector (250 + 400) switched to a row in a wall kept a 650 mm load on a
    // 2000 mm joint; sketches and sheets drew the load at that scale.
    TKAnwendung a;
    a.Geometrie().SetFugenlaenge(2000);
    AnwendungsfallSetzen(a, 0);
    EXPECT_EQ(FeldVerlassen(a, TFeld::BauteilRandLinks, "250", '.'), F::Keiner);
    EXPECT_EQ(FeldVerlassen(a, TFeld::BauteilRandRechts, "400", '.'), F::Keiner);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().LastLaenge(), 650);
    AnwendungsfallSetzen(a, 2);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().LastLaenge(), 2000);
    AnwendungsfallSetzen(a, 0);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().LastLaenge(), 650);
    // A refused edge distance leaves the load as it was.
    EXPECT_EQ(FeldVerlassen(a, TFeld::BauteilRandLinks, "100", '.'), F::ZuKlein);
    EXPECT_DOUBLE_EQ(a.BelastungDesign().LastLaenge(), 650);
}

TEST(FeldVerlassen, LoadsKeepTotalsAndMirrorTheConstantLoad) {
    TKAnwendung a;
    a.BelastungDesign().SetBelastungsfall(1);
    EXPECT_EQ(FeldVerlassen(a, TFeld::LinksGk, "10", ','), F::Keiner);
    EXPECT_EQ(FeldVerlassen(a, TFeld::LinksQk, "5", ','), F::Keiner);
    const TKBelastung& b = a.BelastungDesign();
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 21);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().Fd(), 21); // the end follows the constant start
    EXPECT_EQ(b.LinienLast(), 1);
    EXPECT_EQ(LastText(b.LinienLastLinks().Fd(), ','), "21");
    EXPECT_EQ(FeldVerlassen(a, TFeld::Linksgg, "1,5", ','), F::Keiner);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().gg(), 1.5);
    // The linearly varying load keeps both ends apart and finds the shape.
    a.BelastungDesign().SetBelastungsfall(2);
    EXPECT_EQ(FeldVerlassen(a, TFeld::RechtsF1, "4", ','), F::Keiner);
    EXPECT_EQ(b.LinienLast(), 2);
    EXPECT_EQ(FeldVerlassen(a, TFeld::LinksF1, "9", ','), F::Keiner);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().F1(), 4);
    EXPECT_EQ(b.LinienLast(), 0);
    // A refused load leaves everything as it was.
    EXPECT_EQ(FeldVerlassen(a, TFeld::LinksF1, "-1", ','), F::ZuKlein);
    EXPECT_EQ(FeldVerlassen(a, TFeld::LinksF1, "1e308", ','), F::ZuGross);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().F1(), 9);
}

TEST(Lastfaelle, CasesSetEdgesAndLoadCases) {
    TKAnwendung a;
    TKBelastung& b = a.BelastungDesign();
    b.LinienLastLinks().SetGk(10);
    b.LinienLastLinks().SetQk(5); // Fd 21
    b.LinienLastRechts().SetF1(7);
    AnwendungsfallSetzen(a, 0);
    EXPECT_TRUE(a.Geometrie().RandLinks());
    EXPECT_TRUE(a.Geometrie().RandRechts());
    EXPECT_EQ(b.Belastungsfall(), 0);
    // Back to a row: the linearly varying load, each end keeping its design value.
    AnwendungsfallSetzen(a, 2);
    EXPECT_FALSE(a.Geometrie().RandLinks());
    EXPECT_EQ(b.Belastungsfall(), 2);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 21);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Gk(), 0);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().F1(), 21);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().Fd(), 7);
    EXPECT_EQ(b.LinienLast(), 0);
    // A row keeps a line load case when its application case changes.
    BelastungsfallSetzen(a, 1);
    AnwendungsfallSetzen(a, 1);
    EXPECT_EQ(b.Belastungsfall(), 1);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().Fd(), 21);
    EXPECT_EQ(b.LinienLast(), 1);
    AnwendungsfallSetzen(a, 3); // no such case
    EXPECT_EQ(a.Anwendungsfall(), 1);
}

TEST(Lastfaelle, ArbitraryProfileGetsTheLineLoadEnds) {
    TKAnwendung a;
    a.Geometrie().SetFugenlaenge(3000);
    TKBelastung& b = a.BelastungDesign();
    b.LinienLastLinks().SetFd(10);
    b.LinienLastRechts().SetFd(20);
    b.PunkteLoeschen();
    b.PunktHinzufuegen(100, 5);
    b.PunktHinzufuegen(1000, 8);
    b.PunktHinzufuegen(2500, 6);
    BelastungsfallSetzen(a, 3);
    ASSERT_EQ(b.AnzPunkte(), 3);
    EXPECT_EQ(b.GetPunkt(0), (TKPunkt{0, 10}));
    EXPECT_EQ(b.GetPunkt(1), (TKPunkt{1000, 8}));
    EXPECT_EQ(b.GetPunkt(2), (TKPunkt{3000, 20}));
    // A profile that lost its points gets both ends again.
    b.PunkteLoeschen();
    BelastungsfallSetzen(a, 3);
    ASSERT_EQ(b.AnzPunkte(), 2);
    EXPECT_DOUBLE_EQ(b.beliebigeLastSumme(), 45);
    // After the dialog the ends take the profile's first and last loads.
    b.SetPunkt(0, {0, 4});
    ProfilUebernehmen(a);
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 4);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().Fd(), 20);
    EXPECT_EQ(b.LinienLast(), 2);
    // A shorter joint pulls inner points back first, so the profile stays in order.
    b.PunktHinzufuegen(2800, 1);
    a.Geometrie().SetFugenlaenge(2000);
    BelastungsfallSetzen(a, 3);
    const auto& p = b.beliebigeLast();
    EXPECT_TRUE(std::is_sorted(p.begin(), p.end(),
                               [](const TKPunkt& l, const TKPunkt& r) { return l.x < r.x; }));
    EXPECT_DOUBLE_EQ(p.back().x, 2000);
}

TEST(Profilraster, RowsAndProfile) {
    TKBelastung b;
    TKProfilraster r;
    ASSERT_EQ(r.AnzZeilen(), 1);
    r.Anfuegen("0", "10");
    EXPECT_EQ(r.AnzZeilen(), 1); // the lone empty row is filled
    r.Anfuegen("2000", "10");
    ASSERT_TRUE(r.ProfilAusRaster(b, ','));
    EXPECT_DOUBLE_EQ(b.beliebigeLastSumme(), 20);
    // Texts are compared as texts.
    r.Anfuegen("1000", "4");
    EXPECT_EQ(r.Suchen("1000"), 2);
    EXPECT_EQ(r.Suchen("1000,0"), -1);
    r.Anfuegen("1000,0", "6");
    ASSERT_TRUE(r.ProfilAusRaster(b, ','));
    ASSERT_EQ(b.AnzPunkte(), 4);
    EXPECT_EQ(b.GetPunkt(1), (TKPunkt{1000, 4}));
    EXPECT_EQ(b.GetPunkt(2), (TKPunkt{1000, 6})); // sorted after the pair already there
    // A cell that is no number leaves the profile as it was.
    TKProfilraster kaputt({{"0", "1"}, {"5OO", "1"}});
    EXPECT_FALSE(kaputt.ProfilAusRaster(b, ','));
    EXPECT_EQ(b.AnzPunkte(), 4);
    // An empty first row is an empty profile, whatever follows.
    TKProfilraster leer({{"", ""}, {"500", "3"}});
    EXPECT_TRUE(leer.ProfilAusRaster(b, ','));
    EXPECT_EQ(b.AnzPunkte(), 0);
    // Deleting: rows move up; the only row is emptied.
    EXPECT_EQ(r.Loeschen(3), 2);
    EXPECT_EQ(r.Loeschen(0), 0);
    EXPECT_EQ(r.Zeilen()[0], (TKProfilraster::Zeile{"2000", "10"}));
    EXPECT_EQ(r.Loeschen(0), 0);
    EXPECT_EQ(r.Loeschen(0), 0);
    ASSERT_EQ(r.AnzZeilen(), 1);
    EXPECT_TRUE(r.Zeilen()[0].x.empty());
    EXPECT_TRUE(r.ProfilAusRaster(b, ','));
    EXPECT_EQ(b.AnzPunkte(), 0);
}

TEST(Profilraster, PairChecks) {
    EXPECT_EQ(ProfilpaarPruefen("0", "0", 2000, '.'), F::Keiner);
    EXPECT_EQ(ProfilpaarPruefen("2000", "12.5", 2000, '.'), F::Keiner);
    EXPECT_EQ(ProfilpaarPruefen("2000.5", "1", 2000, '.'), F::ZuGross);
    EXPECT_EQ(ProfilpaarPruefen("-1", "1", 2000, '.'), F::ZuKlein);
    EXPECT_EQ(ProfilpaarPruefen("10", "-1", 2000, '.'), F::ZuKlein);
    EXPECT_EQ(ProfilpaarPruefen("10", "1e308", 2000, '.'), F::ZuGross);
    EXPECT_EQ(ProfilpaarPruefen("10", "", 2000, '.'), F::KeineZahl);
    EXPECT_EQ(ProfilpaarPruefen("10", "1,5", 2000, '.'), F::KeineZahl);
    const TKProfilraster r = TKProfilraster::AusProfil(TKBelastung(), ',');
    EXPECT_EQ(r.Zeilen()[1], (TKProfilraster::Zeile{"2000", "0"}));
}

TEST(Bemessungsoptionen, WrittenToPositionAndIniDefaults) {
    test::TempOrdner ordner;
    const TKIniDatei ini(ordner.Datei("trv.INI"), TKRegional::Standard());
    TKAnwendung a(ini);
    EXPECT_EQ(BemessungsoptionenUebernehmen(a, ini, 0, "1,1", 1, ','), F::Keiner);
    EXPECT_EQ(a.MaxDornabstand(), 0);
    EXPECT_DOUBLE_EQ(a.GammaMs(), 1.1);
    EXPECT_EQ(a.Stahlguete(), 1);
    const TKAnwendung neu(ini); // the options become the defaults of new positions
    EXPECT_EQ(neu.MaxDornabstand(), 0);
    EXPECT_DOUBLE_EQ(neu.GammaMs(), 1.1);
    EXPECT_EQ(neu.Stahlguete(), 1);
    // No number: 1.05 in the position and in the file.
    EXPECT_EQ(BemessungsoptionenUebernehmen(a, ini, 1, "abc", 0, ','), F::Keiner);
    EXPECT_DOUBLE_EQ(a.GammaMs(), GammaMsErsatz);
    EXPECT_DOUBLE_EQ(LeseFloat(ini, einstellung::GammaMs), GammaMsErsatz);
    // A factor of 0 would make every connector infinitely strong: refused, nothing written.
    EXPECT_EQ(BemessungsoptionenUebernehmen(a, ini, 0, "0", 1, ','), F::ZuKlein);
    EXPECT_EQ(BemessungsoptionenUebernehmen(a, ini, 0, "1e308", 1, ','), F::ZuGross);
    EXPECT_EQ(a.MaxDornabstand(), 1);
    EXPECT_EQ(LeseInt(ini, einstellung::Bemessung), 1);
}

} // namespace

} // namespace trv
