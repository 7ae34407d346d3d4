// The editing rules of the schedule window, without the window.
#include "ui/main/Stuecklistenbearbeitung.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"

#include <gtest/gtest.h>

namespace trv::test {
namespace {

using Zeilen = std::vector<std::string>;

class Bearbeitung : public ::testing::Test {
protected:
    Bearbeitung() {
        modell_.Stueckliste().EintragHinzufuegen(NeuerEintrag("A", 12, "TRV 22", 1, 40.5, '.'));
        modell_.Stueckliste().EintragHinzufuegen(NeuerEintrag("B", 3, "ZEDE 30", 2, 80.0, '.'));
        modell_.Stueckliste().SetBemerkung({"remark"});
        b_.Laden();
    }
    TKModell modell_{TKIniDatei{}, TKRegional::Standard()};
    Stuecklistenbearbeitung b_{modell_};
};

TEST_F(Bearbeitung, AnzahlInDenGrenzenSetztAuchDieSumme) {
    EXPECT_FALSE(b_.AnzahlSetzen(0, 0));
    EXPECT_FALSE(b_.AnzahlSetzen(0, -3));
    EXPECT_FALSE(b_.AnzahlSetzen(0, 100000));
    EXPECT_EQ(Feld(b_.Eintrag(0), stk::AnzahlPos), "1");
    EXPECT_TRUE(b_.AnzahlSetzen(0, 1));
    EXPECT_TRUE(b_.AnzahlSetzen(0, 3));
    EXPECT_EQ(Feld(b_.Eintrag(0), stk::Summe), "36");
    EXPECT_TRUE(b_.AnzahlSetzen(1, 99999));
    EXPECT_EQ(Feld(b_.Eintrag(1), stk::Summe), "299997");
    // Rows outside the list change nothing.
    EXPECT_FALSE(b_.AnzahlSetzen(-1, 2));
    EXPECT_FALSE(b_.AnzahlSetzen(2, 2));
    EXPECT_EQ(b_.Zeilen(), 2);
    // Only the project's schedule as it was until the working copy is taken over.
    EXPECT_EQ(Feld(modell_.Stueckliste().GetEintrag(1), stk::Summe), "12");
}

TEST_F(Bearbeitung, AnzahlWieDasDrehfeldSieZeigt) {
    StuecklistenEintrag e = b_.Eintrag(0);
    const auto zeigt = [&](const std::string& text) {
        e[stk::AnzahlPos] = text;
        modell_.Stueckliste().EintragErsetzen(e, 1);
        b_.Laden();
        return b_.Anzahl(0);
    };
    EXPECT_EQ(zeigt("4"), 4);
    EXPECT_EQ(zeigt("2.9"), 2);
    EXPECT_EQ(zeigt("no number"), 1);
    EXPECT_EQ(zeigt("-5"), 1);
    EXPECT_EQ(zeigt("0"), 1);
    EXPECT_EQ(zeigt("250000"), 99999);
    EXPECT_EQ(b_.Anzahl(7), 1);
}

TEST_F(Bearbeitung, HakenSchreibtDenStatusDerSprache) {
    EXPECT_TRUE(b_.Aktiv(0));
    EXPECT_TRUE(b_.AktivSetzen(0, false));
    EXPECT_FALSE(b_.Aktiv(0));
    EXPECT_EQ(Feld(b_.Eintrag(0), stk::Status), Ressource(res::StatusNichtAktiv));
    EXPECT_TRUE(b_.AktivSetzen(0, true));
    EXPECT_EQ(Feld(b_.Eintrag(0), stk::Status), Ressource(res::StatusAktiv));
    EXPECT_FALSE(b_.AktivSetzen(2, false));
    EXPECT_FALSE(b_.Aktiv(-1));

    // An entry of a hand-edited file with fewer strings gets its status field.
    modell_.Stueckliste().EintragHinzufuegen({"C", "1"});
    b_.Laden();
    EXPECT_FALSE(b_.Aktiv(2));
    EXPECT_TRUE(b_.AktivSetzen(2, true));
    EXPECT_EQ(b_.Eintrag(2).size(), stk::Felder);
    EXPECT_TRUE(b_.Aktiv(2));
}

TEST_F(Bearbeitung, LoeschenUndUebernehmen) {
    EXPECT_FALSE(b_.Loeschen(2));
    EXPECT_FALSE(b_.Loeschen(-1));
    EXPECT_TRUE(b_.Loeschen(0));
    ASSERT_EQ(b_.Zeilen(), 1);
    EXPECT_EQ(Feld(b_.Eintrag(0), stk::Position), "B");
    EXPECT_TRUE(b_.Eintrag(1).empty());
    EXPECT_EQ(modell_.Stueckliste().AnzEintraege(), 2);

    b_.Uebernehmen("first\nsecond\n");
    ASSERT_EQ(modell_.Stueckliste().AnzEintraege(), 1);
    EXPECT_EQ(Feld(modell_.Stueckliste().GetEintrag(1), stk::Position), "B");
    EXPECT_EQ(modell_.Stueckliste().GetBemerkung(), (Zeilen{"first", "second"}));
    // Laden starts again from the project.
    b_.AnzahlSetzen(0, 5);
    b_.Laden();
    EXPECT_EQ(Feld(b_.Eintrag(0), stk::AnzahlPos), "1");
}

TEST(Bemerkung, ZeilenAusDemText) {
    using B = Stuecklistenbearbeitung;
    EXPECT_EQ(B::BemerkungZeilen(""), Zeilen{});
    EXPECT_EQ(B::BemerkungZeilen("a"), Zeilen{"a"});
    EXPECT_EQ(B::BemerkungZeilen("a\n"), Zeilen{"a"});
    // A blank line typed at the end stays; only the last break starts no line.
    EXPECT_EQ(B::BemerkungZeilen("a\n\n"), (Zeilen{"a", ""}));
    EXPECT_EQ(B::BemerkungZeilen("\n"), Zeilen{""});
    EXPECT_EQ(B::BemerkungZeilen("a\n\nb"), (Zeilen{"a", "", "b"}));
    EXPECT_EQ(B::BemerkungZeilen("a\r\nb\r\n"), (Zeilen{"a", "b"}));
    EXPECT_EQ(B::BemerkungZeilen(" a \n"), Zeilen{" a "});
    EXPECT_EQ(B::BemerkungText({"a", "", "b"}), "a\n\nb");
    EXPECT_EQ(B::BemerkungText({}), "");
    EXPECT_EQ(B::BemerkungZeilen(B::BemerkungText({"x", "y"})), (Zeilen{"x", "y"}));
}

} // namespace
} // namespace trv::test
