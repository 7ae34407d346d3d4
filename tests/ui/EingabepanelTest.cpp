#include "Panelhilfen.h"
#include "files/Ressourcen.h"
#include "ui/dialogs/beliebigeLast.h"
#include "ui/main/Projektbefehle.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

const QString kKeineZahl = QString::fromStdString(Ressource(res::EingabeKeineZahl));
const QString kZuKlein = QStringLiteral("Input value is smaller than allowed!");
const QString kZuGross = QStringLiteral("Input value is greater than allowed!");

QString Text(const Panelaufbau& p, TFeld feld) {
    return p.panel.Feld(feld)->text();
}

TEST(Eingabepanel, DecimalSeparatorOfTheRegionDecides) {
    for (char trenner : {'.', ','}) {
        Panelaufbau p(trenner);
        ASSERT_TRUE(p.Aktiv);
        const TKLast& links = p.zustand.Anwendung().BelastungDesign().LinienLastLinks();
        p.Tippen(TFeld::Linksgg, QStringLiteral("1,4"));
        if (trenner == '.') {
            // Refused: the message, the focus back in the field, the calculation blocked.
            ASSERT_EQ(p.eigeneFragen.Meldungen, QStringList{kKeineZahl});
            EXPECT_EQ(QApplication::focusWidget(), p.panel.Feld(TFeld::Linksgg));
            EXPECT_FALSE(p.zustand.EingabeOk());
            EXPECT_DOUBLE_EQ(links.gg(), 1.35);
            EXPECT_FALSE(p.panel.EingabeAbschliessen());
            p.Tippen(TFeld::Linksgg, QStringLiteral("1.4"));
        }
        EXPECT_TRUE(p.zustand.EingabeOk());
        EXPECT_DOUBLE_EQ(links.gg(), 1.4) << trenner;
        // The field and the total show the stored value with the region's separator.
        p.Tippen(TFeld::LinksGk, QStringLiteral("10"));
        EXPECT_EQ(p.panel.Summenfeld(1)->text(), trenner == ',' ? "14" : "14");
        p.Tippen(TFeld::LinksF1, trenner == ',' ? QStringLiteral("0,5") : QStringLiteral("0.5"));
        EXPECT_EQ(p.panel.Summenfeld(1)->text(), trenner == ',' ? "14,5" : "14.5");
    }
}

TEST(Eingabepanel, ClearedFactorIsRefusedAndTheLoadKeepsItsFactor) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    p.Tippen(TFeld::LinksQk, QStringLiteral("10"));
    p.Tippen(TFeld::Linksgq, QString());
    EXPECT_EQ(p.eigeneFragen.Meldungen, QStringList{kZuKlein});
    EXPECT_EQ(QApplication::focusWidget(), p.panel.Feld(TFeld::Linksgq));
    const TKLast& links = p.zustand.Anwendung().BelastungDesign().LinienLastLinks();
    EXPECT_DOUBLE_EQ(links.gq(), 1.5);
    EXPECT_DOUBLE_EQ(links.Fd(), 15);
    p.Tippen(TFeld::Linksgq, QStringLiteral("0"));
    p.Tippen(TFeld::Linksgq, QStringLiteral("-1,5"));
    EXPECT_EQ(p.eigeneFragen.Meldungen.size(), 3);
    EXPECT_DOUBLE_EQ(links.Fd(), 15);
    p.panel.EingabenAnzeigen();
    EXPECT_EQ(Text(p, TFeld::Linksgq), "1,5");
    EXPECT_EQ(p.panel.Summenfeld(1)->text(), "15");
}

TEST(Eingabepanel, JointLengthLimitsAndSlabFollowUp) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    const TKGeometrie& g = p.zustand.Anwendung().Geometrie();
    p.Tippen(TFeld::Fugenlaenge, QStringLiteral("300"));
    EXPECT_DOUBLE_EQ(g.Fugenlaenge(), 300);
    p.Tippen(TFeld::Fugenlaenge, QStringLiteral("30000"));
    EXPECT_DOUBLE_EQ(g.Fugenlaenge(), 30000);
    EXPECT_TRUE(p.eigeneFragen.Meldungen.isEmpty());
    p.Tippen(TFeld::Fugenlaenge, QStringLiteral("299"));
    p.Tippen(TFeld::Fugenlaenge, QStringLiteral("30001"));
    EXPECT_EQ(p.eigeneFragen.Meldungen, (QStringList{kZuKlein, kZuGross}));
    EXPECT_DOUBLE_EQ(g.Fugenlaenge(), 30000);
    p.Tippen(TFeld::Fugenlaenge, QStringLiteral("6000"));
    EXPECT_DOUBLE_EQ(p.zustand.Anwendung().BelastungDesign().LastLaenge(), 6000);

    p.Tippen(TFeld::PlatteDicke, QStringLiteral("200"));
    EXPECT_DOUBLE_EQ(g.Nutzhoehe(), 160);
    EXPECT_EQ(Text(p, TFeld::Nutzhoehe), "160");
    // An emptied length is refused, not replaced by a fallback: the field keeps the focus.
    p.Tippen(TFeld::BetondeckungOben, QStringLiteral("45"));
    p.Tippen(TFeld::BetondeckungOben, QString());
    EXPECT_EQ(p.eigeneFragen.Meldungen.last(), kZuKlein);
    EXPECT_DOUBLE_EQ(g.BetondeckungOben(), 45);
    EXPECT_FALSE(p.zustand.EingabeOk());
    p.Tippen(TFeld::BetondeckungOben, QStringLiteral("45"));
    // Numbers beyond reason never reach the model.
    p.panel.AnwendungsfallKnopf(2)->click();
    p.Tippen(TFeld::WandDicke, QStringLiteral("1e308"));
    EXPECT_EQ(p.eigeneFragen.Meldungen.last(), kZuGross);
    EXPECT_DOUBLE_EQ(g.WandDicke(), 400);
}

TEST(Eingabepanel, ConstantLoadMirrorsTheStart) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    p.panel.BelastungsfallKnopf(1)->click();
    ASSERT_EQ(p.zustand.Anwendung().BelastungDesign().Belastungsfall(), 1);
    EXPECT_FALSE(p.panel.Feld(TFeld::RechtsF1)->isEnabled());
    EXPECT_TRUE(p.panel.Feld(TFeld::LinksF1)->isEnabled());
    TEingabefeld* links = p.panel.Feld(TFeld::LinksF1);
    links->setFocus();
    QTest::keyClick(links, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(links, QStringLiteral("12,5"));
    EXPECT_EQ(Text(p, TFeld::RechtsF1), "12,5"); // as it is typed
    QTest::keyClick(links, Qt::Key_Return);
    const TKBelastung& b = p.zustand.Anwendung().BelastungDesign();
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().F1(), 12.5);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().F1(), 12.5);
    EXPECT_EQ(p.panel.Summenfeld(2)->text(), "12,5");
    // Leaving another start field writes the end too, and the end's field shows it.
    p.Tippen(TFeld::LinksGk, QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().Gk(), 4);
    EXPECT_EQ(Text(p, TFeld::RechtsGk), "4");
    EXPECT_EQ(p.panel.Summenfeld(2)->text(), "17,9");
}

TEST(Eingabepanel, ApplicationCasesArrangeThePanels) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    p.panel.BelastungsfallKnopf(1)->click();
    auto* lblBelastung = p.panel.findChild<QLabel*>(QStringLiteral("lblBelastung"));
    auto* lastfaelle = p.panel.findChild<QWidget*>(QStringLiteral("tbarBelastungsfall"));
    QSignalSpy gewechselt(&p.panel, &TEingabepanel::AnwendungsfallGewechselt);
    p.panel.AnwendungsfallKnopf(0)->click();
    const TKAnwendung& a = p.zustand.Anwendung();
    EXPECT_EQ(a.Anwendungsfall(), 0);
    EXPECT_EQ(a.BelastungDesign().Belastungsfall(), 0);
    EXPECT_TRUE(a.Geometrie().RandLinks() && a.Geometrie().RandRechts());
    EXPECT_TRUE(p.panel.FeldSichtbar(TFeld::PunktlastGk));
    EXPECT_FALSE(p.panel.FeldSichtbar(TFeld::LinksGk));
    EXPECT_TRUE(p.panel.FeldSichtbar(TFeld::BauteilRandLinks));
    EXPECT_FALSE(p.panel.FeldSichtbar(TFeld::Fugenlaenge));
    EXPECT_FALSE(p.panel.FeldSichtbar(TFeld::WandDicke));
    EXPECT_TRUE(lastfaelle->isHidden());
    EXPECT_EQ(lblBelastung->text(), "Point Load");
    EXPECT_EQ(gewechselt.count(), 1);
    // Back to a row: the linearly varying line load, its button down.
    p.panel.AnwendungsfallKnopf(1)->click();
    EXPECT_EQ(a.BelastungDesign().Belastungsfall(), 2);
    EXPECT_TRUE(p.panel.BelastungsfallKnopf(2)->isChecked());
    EXPECT_FALSE(lastfaelle->isHidden());
    EXPECT_EQ(lblBelastung->text(), "Distributed Load");
    EXPECT_TRUE(p.panel.Feld(TFeld::RechtsGk)->isEnabled());
    EXPECT_FALSE(p.panel.FeldSichtbar(TFeld::BauteilRandLinks));
    EXPECT_FALSE(p.panel.FeldSichtbar(TFeld::WandDicke));
    p.panel.AnwendungsfallKnopf(2)->click();
    EXPECT_TRUE(p.panel.FeldSichtbar(TFeld::WandDicke));
    EXPECT_EQ(a.BelastungDesign().Belastungsfall(), 2);
    // The front cover is never shown.
    EXPECT_FALSE(p.panel.FeldSichtbar(TFeld::BetondeckungVorn));
}

TEST(Eingabepanel, FirstKeystrokeEndsTheResultsOnce) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    Projektbefehle befehle(p.zustand, p.eigeneFragen);
    QObject::connect(&p.panel, &TEingabepanel::EingabeBegonnen, &befehle,
                     [&] { befehle.AnzeigeModusSetzen(amEingabe); });
    QSignalSpy begonnen(&p.panel, &TEingabepanel::EingabeBegonnen);
    QSignalSpy geschrieben(&p.panel, &TEingabepanel::EingabeGeschrieben);
    befehle.AnzeigeModusSetzen(amUebersicht);
    TEingabefeld* f = p.panel.Feld(TFeld::PlatteDicke);
    f->setFocus();
    QTest::keyClick(f, Qt::Key_5);
    EXPECT_EQ(begonnen.count(), 1);
    EXPECT_EQ(p.zustand.Modus(), amEingabe);
    EXPECT_EQ(geschrieben.count(), 0); // nothing written before the field is left
    QTest::keyClick(f, Qt::Key_0);
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(begonnen.count(), 1);
    EXPECT_EQ(geschrieben.count(), 1);
    // Leaving a field unchanged while results are shown keeps them.
    befehle.AnzeigeModusSetzen(amUebersicht);
    p.panel.Feld(TFeld::Nutzhoehe)->setFocus();
    p.panel.Feld(TFeld::BetondeckungOben)->setFocus();
    EXPECT_EQ(p.zustand.Modus(), amUebersicht);
    // So does showing the position again; choosing a case does not.
    p.panel.EingabenAnzeigen();
    EXPECT_EQ(p.zustand.Modus(), amUebersicht);
    p.panel.Betonguete()->setFocus();
    QTest::keyClick(p.panel.Betonguete(), Qt::Key_Up);
    EXPECT_EQ(p.zustand.Modus(), amEingabe);
    EXPECT_EQ(p.zustand.Anwendung().Betonguete(), 2);
}

TEST(Eingabepanel, LoadCaseResetShowsWhatThePositionHolds) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    p.panel.BelastungsfallKnopf(2)->click();
    p.Tippen(TFeld::LinksGk, QStringLiteral("10"));
    p.Tippen(TFeld::LinksQk, QStringLiteral("5"));
    const TKLast& links = p.zustand.Anwendung().BelastungDesign().LinienLastLinks();
    ASSERT_DOUBLE_EQ(links.Fd(), 21);
    p.panel.BelastungsfallKnopf(1)->click();
    // The reset moved the loads into the design part; the fields say so.
    EXPECT_EQ(Text(p, TFeld::LinksGk), "0");
    EXPECT_EQ(Text(p, TFeld::LinksQk), "0");
    EXPECT_EQ(Text(p, TFeld::LinksF1), "21");
    EXPECT_EQ(Text(p, TFeld::RechtsF1), "21");
    EXPECT_EQ(p.panel.Summenfeld(2)->text(), "21");
    // Walking through the fields cannot count the dead load twice.
    for (TFeld f : {TFeld::LinksGk, TFeld::Linksgg, TFeld::LinksQk, TFeld::Linksgq}) {
        p.panel.Feld(f)->setFocus();
    }
    p.panel.Feld(TFeld::PlatteDicke)->setFocus();
    EXPECT_DOUBLE_EQ(links.Fd(), 21);
}

TEST(Eingabepanel, EnterMovesOnAndShiftEnterOnlyAfterASuccessfulCheck) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    TEingabefeld* dicke = p.panel.Feld(TFeld::PlatteDicke);
    TEingabefeld* wand = p.panel.Feld(TFeld::WandDicke);
    TEingabefeld* nutz = p.panel.Feld(TFeld::Nutzhoehe);
    p.panel.AnwendungsfallKnopf(2)->click();
    p.Tippen(TFeld::PlatteDicke, QStringLiteral("300"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), nutz);
    EXPECT_EQ(Text(p, TFeld::Nutzhoehe), "260"); // the Enter reached no field
    QTest::keyClick(nutz, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dicke);
    // After a refused value Shift+Enter goes forward as well.
    p.Tippen(TFeld::WandDicke, QStringLiteral("50"), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), wand);
    ASSERT_FALSE(p.zustand.EingabeOk());
    QTest::keyClick(wand, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(wand, QStringLiteral("250"));
    QTest::keyClick(wand, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dicke);
    EXPECT_DOUBLE_EQ(p.zustand.Anwendung().Geometrie().WandDicke(), 250);
}

TEST(Eingabepanel, ArbitraryLoadOpensTheProfileDialog) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    p.panel.BelastungsfallKnopf(2)->click();
    p.Tippen(TFeld::LinksF1, QStringLiteral("10"));
    p.Tippen(TFeld::RechtsF1, QStringLiteral("30"));
    // A joint length typed but not yet left is written before the profile is made.
    TEingabefeld* laenge = p.panel.Feld(TFeld::Fugenlaenge);
    laenge->setFocus();
    QTest::keyClick(laenge, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(laenge, QStringLiteral("4000"));
    int aufrufe = 0;
    p.panel.SetDialogstart([&](TfrmbeliebigeLast& d) {
        ++aufrufe;
        d.Aktivieren();
        const TKBelastung& b = p.zustand.Anwendung().BelastungDesign();
        EXPECT_EQ(b.Belastungsfall(), 3);
        EXPECT_EQ(b.GetPunkt(0), (TKPunkt{0, 10}));
        EXPECT_EQ(b.GetPunkt(b.AnzPunkte() - 1), (TKPunkt{4000, 30}));
        d.xKoordinate()->setText(QStringLiteral("0"));
        d.Lastwert()->setText(QStringLiteral("12,5"));
        p.eigeneFragen.JaNeinAntworten.push_back(true);
        EXPECT_TRUE(d.Hinzufuegen());
        d.accept();
        return static_cast<int>(QDialog::Accepted);
    });
    p.panel.BelastungsfallKnopf(3)->click();
    EXPECT_EQ(aufrufe, 1);
    const TKBelastung& b = p.zustand.Anwendung().BelastungDesign();
    EXPECT_DOUBLE_EQ(b.LinienLastLinks().Fd(), 12.5);
    EXPECT_DOUBLE_EQ(b.LinienLastRechts().Fd(), 30);
    EXPECT_EQ(Text(p, TFeld::LinksF1), "12,5");
    for (TFeld f : {TFeld::LinksGk, TFeld::LinksF1, TFeld::RechtsF1}) {
        EXPECT_FALSE(p.panel.Feld(f)->isEnabled());
    }
    EXPECT_TRUE(p.panel.BelastungsfallKnopf(3)->isChecked());
}

TEST(Eingabepanel, RefusedFieldHoldsTheCaseButtons) {
    Panelaufbau p(',');
    ASSERT_TRUE(p.Aktiv);
    TEingabefeld* dicke = p.panel.Feld(TFeld::PlatteDicke);
    dicke->setFocus();
    QTest::keyClick(dicke, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dicke, QStringLiteral("abc"));
    p.panel.AnwendungsfallKnopf(0)->click();
    EXPECT_EQ(p.eigeneFragen.Meldungen, QStringList{kKeineZahl});
    EXPECT_EQ(p.zustand.Anwendung().Anwendungsfall(), 1);
    EXPECT_TRUE(p.panel.AnwendungsfallKnopf(1)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), dicke);
}

} // namespace
} // namespace trv::test
