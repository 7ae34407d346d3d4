#include "Panelhilfen.h"
#include "calculation/Lastprofilraster.h"
#include "files/Einstellungen.h"
#include "model/Zahlen.h"
#include "ui/dialogs/Bemessung.h"
#include "ui/dialogs/beliebigeLast.h"
#include "ui/main/Projektbefehle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace trv::test {
namespace {

// Answers every question at random and counts the messages.
class Zufallsfragen : public Rueckfragen {
public:
    explicit Zufallsfragen(std::mt19937& zufall) : zufall_(zufall) {}
    void Meldung(const QString&) override { ++Meldungen; }
    bool JaNein(const QString&) override { return zufall_() % 2 == 0; }
    Antwort JaNeinAbbrechen(const QString&) override { return Antwort::Abbrechen; }
    std::optional<QString> DateiZumOeffnen(const Dateidialog&) override { return {}; }
    std::optional<QString> DateiZumSpeichern(const Dateidialog&) override { return {}; }
    bool DruckerEinrichten(QPrinter&) override { return false; }
    int Meldungen = 0;

private:
    std::mt19937& zufall_;
};

class Affe {
public:
    explicit Affe(unsigned saat) : zufall_(saat) {}
    int Ganz(int von, int bis) { return std::uniform_int_distribution<>(von, bis)(zufall_); }
    double Zahl(double von, double bis) {
        return std::uniform_real_distribution<>(von, bis)(zufall_);
    }
    std::mt19937& Zufall() { return zufall_; }

    // Mostly plausible numbers, often limits, sometimes anything a user might type.
    QString Text() {
        static const char* const seltsam[] = {
            "",       " ",      "abc",      "1.5",     "1,5,5",   "1e308",
            "-1e308", "-5",     "+7",       "0",       "1e3",     "inf",
            "nan",    "1e-400", "299",      "30001",   "300",     "30000",
            "0,5",    "9,99",   "12a",      "1 000",   "1.000",   "0x10",
            "149",    "150",    "\xc2\xb5", "1000000", "1000001", "99999999999999999999",
            "1,35",   "--1",    ",5",       "5,"};
        switch (Ganz(0, 3)) {
        case 0:
            return QString::fromUtf8(seltsam[Ganz(0, std::size(seltsam) - 1)]);
        case 1:
            return QString::fromStdString(ZahlAlsText(Zahl(0, 40000), "0", ','));
        case 2:
            return QString::number(Ganz(0, 600));
        default:
            return QString::fromStdString(ZahlAlsText(Zahl(0, 3), "0", ','));
        }
    }

private:
    std::mt19937 zufall_;
};

bool Erlaubt(TFeld feld, double wert) {
    const TFeldregel r = Feldregel(feld);
    const bool oben = r.Pruefcode == pruefcode::Beide ? wert <= r.Maximum : true;
    return std::isfinite(wert) && wert >= r.Minimum && oben && wert <= Eingabegrenze;
}

// Every value the position holds is one its field accepts. A line
// load end reset to its design value keeps that value as its additional design load, which
// may be more than one can type (a large dead load times a large factor).
void ModellPruefen(const Projektzustand& zustand, int schritt) {
    const TKAnwendung& a = zustand.Anwendung();
    const TKBelastung& b = a.BelastungDesign();
    for (int i = 0; i < AnzFelder; ++i) {
        const auto feld = static_cast<TFeld>(i);
        if (feld == TFeld::Fugenlaenge && a.Anwendungsfall() == 0) {
            continue; // the sum of the edge distances, checked through them
        }
        const double wert = FeldWert(a, feld);
        bool ok = Erlaubt(feld, wert);
        if (!ok && (feld == TFeld::LinksF1 || feld == TFeld::RechtsF1)) {
            ok = std::isfinite(wert) && wert >= 0;
        }
        ASSERT_TRUE(ok) << "step " << schritt << " field " << i << " value " << wert;
    }
    ASSERT_EQ(a.Geometrie().RandLinks(), a.Anwendungsfall() == 0) << schritt;
    ASSERT_EQ(a.Geometrie().RandRechts(), a.Anwendungsfall() == 0) << schritt;
    ASSERT_EQ(b.Belastungsfall() == 0, a.Anwendungsfall() == 0) << schritt;
    ASSERT_LE(a.Anwendungsfall(), 2);
    ASSERT_LE(b.Belastungsfall(), 3);
    ASSERT_LE(a.Betonguete(), 3);
    ASSERT_LE(a.Geometrie().Fugenbreite(), 6);
    ASSERT_LE(a.BewehrungCalc(), 1);
    ASSERT_LE(a.MaxDornabstand(), 1);
    ASSERT_LE(a.Stahlguete(), 1);
    ASSERT_GE(a.GammaMs(), einstellung::GammaMs.Min);
    ASSERT_LE(a.GammaMs(), einstellung::GammaMs.Max);
    const double grenze = std::max(b.LastLaenge(), a.Geometrie().Fugenlaenge());
    double vorher = 0;
    for (const TKPunkt& p : b.beliebigeLast()) {
        ASSERT_TRUE(p.x >= vorher && p.x <= grenze) << schritt << " x " << p.x;
        ASSERT_TRUE(std::isfinite(p.y) && p.y >= 0) << schritt << " q " << p.y;
        vorher = p.x;
    }
}

// The controls show what the position holds, except the field being typed into (and the
// constant load's end, which mirrors it).
void AnzeigePruefen(const Panelaufbau& p, int schritt) {
    const TKAnwendung& a = p.zustand.Anwendung();
    const QWidget* fokus = QApplication::focusWidget();
    for (int i = 0; i < AnzFelder; ++i) {
        const auto feld = static_cast<TFeld>(i);
        const TEingabefeld* f = p.panel.Feld(feld);
        if (f == fokus || (feld == TFeld::RechtsF1 && fokus == p.panel.Feld(TFeld::LinksF1))) {
            continue;
        }
        ASSERT_EQ(f->text().toStdString(), FeldText(a, feld, ','))
            << "step " << schritt << " field " << i;
    }
    ASSERT_TRUE(p.panel.AnwendungsfallKnopf(a.Anwendungsfall())->isChecked()) << schritt;
    ASSERT_TRUE(p.panel.BelastungsfallKnopf(a.BelastungDesign().Belastungsfall())->isChecked())
        << schritt;
    ASSERT_EQ(p.panel.Betonguete()->currentIndex(), a.Betonguete()) << schritt;
    ASSERT_EQ(p.panel.Fugenbreite()->currentIndex(), a.Geometrie().Fugenbreite()) << schritt;
    ASSERT_EQ(p.panel.Summenfeld(1)->text().toStdString(),
              LastText(a.BelastungDesign().LinienLastLinks().Fd(), ','));
    // A failed check keeps its field focused with the refused text.
    if (!p.zustand.EingabeOk()) {
        const auto* f = qobject_cast<const TEingabefeld*>(fokus);
        ASSERT_TRUE(f != nullptr) << schritt;
    }
}

void ProfilSchritte(Affe& affe, TfrmbeliebigeLast& d, const Projektzustand& zustand) {
    // Cancel restores the loading as it was before the list rebuilt it.
    const TKBelastung vorher = zustand.Anwendung().BelastungDesign();
    d.Aktivieren();
    const int schritte = affe.Ganz(0, 12);
    for (int s = 0; s < schritte; ++s) {
        switch (affe.Ganz(0, 5)) {
        case 0:
            d.xKoordinate()->setText(affe.Text());
            break;
        case 1:
            d.Lastwert()->setText(affe.Text());
            break;
        case 2:
            d.Hinzufuegen();
            break;
        case 3:
            d.Aendern();
            break;
        case 4:
            d.Loeschen();
            break;
        default:
            d.ZeileWaehlen(affe.Ganz(-1, d.Raster()->rowCount()));
            break;
        }
        // The profile always mirrors the list.
        const TKProfilraster& r = d.Profilraster();
        const int punkte = zustand.Anwendung().BelastungDesign().AnzPunkte();
        ASSERT_EQ(punkte, r.Zeilen()[0].x.empty() ? 0 : r.AnzZeilen());
        ASSERT_EQ(d.Raster()->rowCount(), r.AnzZeilen());
    }
    if (affe.Ganz(0, 1) == 0) {
        d.accept();
    } else {
        d.reject();
        ASSERT_EQ(zustand.Anwendung().BelastungDesign().beliebigeLast(), vorher.beliebigeLast());
    }
}

TEST(EingabeMonkey, EveryFieldAndBothDialogs) {
    Affe affe(20261210);
    Zufallsfragen fragen(affe.Zufall());
    Panelaufbau p(',', &fragen);
    ASSERT_TRUE(p.Aktiv);
    Projektbefehle befehle(p.zustand, fragen);
    QObject::connect(&p.panel, &TEingabepanel::EingabeBegonnen, &befehle,
                     [&] { befehle.AnzeigeModusSetzen(amEingabe); });
    TfrmBemessung bemessung(p.zustand, fragen, &p.panel);
    p.panel.SetDialogstart([&](TfrmbeliebigeLast& d) {
        ProfilSchritte(affe, d, p.zustand);
        return d.result();
    });

    const int anzahl = 5000;
    int berechnet = 0;
    for (int schritt = 0; schritt < anzahl; ++schritt) {
        const int wahl = affe.Ganz(0, 99);
        if (wahl < 55) {
            // Type into a field the user can reach, then leave it somehow.
            std::vector<TEingabefeld*> erreichbar;
            for (int i = 0; i < AnzFelder; ++i) {
                TEingabefeld* f = p.panel.Feld(static_cast<TFeld>(i));
                if (f->isVisible() && f->isEnabled()) {
                    erreichbar.push_back(f);
                }
            }
            TEingabefeld* f = erreichbar[static_cast<std::size_t>(
                affe.Ganz(0, static_cast<int>(erreichbar.size()) - 1))];
            f->setFocus(Qt::MouseFocusReason);
            if (QApplication::focusWidget() == f) {
                QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(f, affe.Text());
                switch (affe.Ganz(0, 4)) {
                case 0:
                    QTest::keyClick(f, Qt::Key_Tab);
                    break;
                case 1:
                    QTest::keyClick(f, Qt::Key_Return);
                    break;
                case 2:
                    QTest::keyClick(f, Qt::Key_Return, Qt::ShiftModifier);
                    break;
                case 3:
                    QTest::keyClick(f, Qt::Key_Backtab, Qt::ShiftModifier);
                    break;
                default:
                    break; // stays in the field
                }
            }
        } else if (wahl < 63) {
            p.panel.AnwendungsfallKnopf(affe.Ganz(0, 2))->click();
        } else if (wahl < 73) {
            QAbstractButton* k = p.panel.BelastungsfallKnopf(affe.Ganz(1, 3));
            if (k->isVisible()) {
                k->click();
            }
        } else if (wahl < 76) {
            p.panel.BewehrungsKnopf(affe.Ganz(0, 1))->click();
        } else if (wahl < 80) {
            QComboBox* box = affe.Ganz(0, 1) == 0 ? p.panel.Betonguete() : p.panel.Fugenbreite();
            box->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(box, affe.Ganz(0, 1) == 0 ? Qt::Key_Down : Qt::Key_Up);
        } else if (wahl < 88) {
            bemessung.WerteLaden();
            bemessung.GammaMs()->setText(affe.Text());
            bemessung.MaxDornabstand()->button(affe.Ganz(0, 1))->setChecked(true);
            bemessung.Stahlguete()->setCurrentIndex(affe.Ganz(0, 1));
            bemessung.Uebernehmen();
        } else if (wahl < 92) {
            p.panel.EingabenAnzeigen();
        } else if (wahl < 95) {
            if (p.panel.EingabeAbschliessen()) {
                QStringList hinweise;
                berechnet += befehle.Berechnen(hinweise) ? 1 : 0;
            }
        } else if (wahl < 97) {
            befehle.PositionHinzufuegen();
            p.panel.EingabenAnzeigen();
        } else {
            befehle.PositionWaehlen(affe.Ganz(1, p.zustand.Modell().AnzAnwendung()));
            p.panel.EingabenAnzeigen();
        }
        ModellPruefen(p.zustand, schritt);
        AnzeigePruefen(p, schritt);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    // The run reached the interesting places.
    EXPECT_GT(fragen.Meldungen, 100);
    EXPECT_GT(berechnet, 0);
    EXPECT_GT(p.zustand.Modell().AnzAnwendung(), 5);
}

} // namespace
} // namespace trv::test
