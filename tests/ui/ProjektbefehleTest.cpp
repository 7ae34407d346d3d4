#include "Testrueckfragen.h"
#include "ui/main/Projektbefehle.h"

#include <gtest/gtest.h>

namespace trv::test {
namespace {

TEST(ProjektbefehleTest, NeuesProjektIstUnbenanntImEingabemodus) {
    Projektzustand zustand(TKIniDatei{}, TKRegional::Standard());
    Testrueckfragen fragen;
    Projektbefehle befehle(zustand, fragen);
    fragen.Antworten.push_back(Antwort::Nein);
    ASSERT_TRUE(befehle.Neu());
    EXPECT_EQ(zustand.DateinameAnzeige(), QStringLiteral("Unnamed"));
    EXPECT_EQ(zustand.Modell().AnzAnwendung(), 1);
    EXPECT_EQ(zustand.Modus(), amEingabe);
}

} // namespace
} // namespace trv::test
