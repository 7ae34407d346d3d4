#include "printing/Ergebnisblatt.h"

#include "PdfText.h"
#include "calculation/Bemessung.h"
#include "calculation/Katalog.h"
#include "model/Modell.h"
#include "printing/Seitenmasse.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace trv {
namespace {

// Stands in for the sketches: records where each one was asked for and with which pen factor,
// and marks its rectangle on the page.
class Skizzenprotokoll : public Blattskizzen {
public:
    struct Aufruf {
        QRect Rechteck;
        double StiftFaktor;
    };
    std::multimap<std::string, Aufruf> Aufrufe;

    void System(QPainter& c, const QRect& r, double f) override { Merken(c, "System", r, f); }
    void Last(QPainter& c, const QRect& r, double f) override { Merken(c, "Last", r, f); }
    void Reihe(QPainter& c, const QRect& r, double f) override { Merken(c, "Reihe", r, f); }
    void Draufsicht(QPainter& c, const QRect& r, double f) override {
        Merken(c, "Draufsicht", r, f);
    }
    void Ansicht(QPainter& c, const QRect& r, double f) override { Merken(c, "Ansicht", r, f); }
    void Schnitt(QPainter& c, const QRect& r, double f) override { Merken(c, "Schnitt", r, f); }

    const Aufruf& Erster(const std::string& name) const { return Aufrufe.find(name)->second; }

private:
    void Merken(QPainter& c, const std::string& name, const QRect& r, double f) {
        Aufrufe.insert({name, {r, f}});
        c.setPen(QPen(Qt::gray, 0, Qt::DashLine));
        c.drawRect(r);
        c.drawText(r.bottomLeft() + QPoint(4, -4), QString::fromStdString("[sketch " + name + "]"));
    }
};

TKAnwendung Einzeldorn() {
    TKAnwendung a;
    a.SetPosition("Corbel 4");
    a.SetAnwendungsfall(0);
    a.Geometrie().SetRandLinks(true);
    a.Geometrie().SetRandRechts(true);
    a.BelastungDesign().SetBelastungsfall(0);
    a.BelastungDesign().Punktlast().SetGk(20);
    a.BelastungDesign().Punktlast().SetQk(10);
    return a;
}

TKAnwendung DeckeDecke() {
    TKAnwendung a;
    a.SetPosition("Slab joint A");
    a.SetAnwendungsfall(1);
    a.Geometrie().SetFugenlaenge(6000);
    a.Geometrie().SetPlatteDicke(300);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(1);
    b.LinienLastLinks().SetGk(30);
    b.LinienLastLinks().SetQk(15);
    b.LinienLastRechts() = b.LinienLastLinks();
    b.LinienLastBestimmen();
    b.SetLastLaenge(6000);
    return a;
}

TKAnwendung DeckeWandBeliebig() {
    TKAnwendung a;
    a.SetPosition("Wall W2");
    a.SetAnwendungsfall(2);
    a.Geometrie().SetFugenlaenge(4000);
    a.Geometrie().SetPlatteDicke(300);
    a.Geometrie().SetWandDicke(300);
    TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(3);
    b.SetLastLaenge(4000);
    b.PunkteLoeschen();
    b.PunktHinzufuegen(0, 40);
    b.PunktHinzufuegen(1500, 80);
    b.PunktHinzufuegen(4000, 20);
    return a;
}

TKAnwendung Bemessen(TKAnwendung a) {
    TKTRVBemessung(a).AlleTypenBemessen();
    return a;
}

Kopfdaten Kopf(const TKAnwendung& a) {
    Kopfdaten k;
    k.Bauvorhaben = "Harbour Bridge";
    k.Firma = {"Alpha Engineers"};
    k.Datum = "01.02.2026";
    k.Heute = "09.12.2026";
    k.Position = a.Position();
    const TKErgebnisse& e = a.Ergebnisse();
    const auto texte = TextlistenLaden().StatusLang();
    for (auto code : e.DornErgebnis(e.AktDorn()).Fehler().Codes()) {
        k.Gruende.push_back(TKTextlisten::Text(texte, code));
    }
    return k;
}

// "Selected: n * type" as the selected type of the calculated position has it.
QString Gewaehlt(const TKAnwendung& a) {
    const TKErgebnisse& e = a.Ergebnisse();
    return QStringLiteral("Selected: %1 * %2")
        .arg(e.GetAnzDorn(e.AktDorn()))
        .arg(QString::fromStdString(DornName(e.AktDorn())));
}

class ErgebnisblattPdf : public ::testing::Test {
protected:
    QString Drucken(const TKAnwendung& a) {
        const QString pdf = ordner_.filePath(QStringLiteral("blatt.pdf"));
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setOutputFileName(pdf);
        Ergebnisblatt blatt(a, Kopf(a), '.', skizzen_);
        std::string fehler;
        EXPECT_TRUE(ErgebnisblattDrucken(drucker, masse_, blatt, fehler)) << fehler;
        EXPECT_EQ(masse_.StiftFaktor(), 1);
        return pdf;
    }
    QTemporaryDir ordner_;
    Seitenmasse masse_;
    Skizzenprotokoll skizzen_;
};

TEST_F(ErgebnisblattPdf, EinzeldornZweiSeiten) {
    const TKAnwendung a = Bemessen(Einzeldorn());
    ASSERT_TRUE(a.Ergebnisse().Berechnet());
    const QString pdf = Drucken(a);
    const test::PdfInfo info = test::PdfInfoLesen(pdf);
    EXPECT_EQ(info.Seiten, 2);
    EXPECT_TRUE(info.Seitengroesse.contains(QStringLiteral("A4")));
    const QString seite1 = test::PdfTextLesen(pdf, 1);
    const QString typ = QString::fromStdString(DornName(a.Ergebnisse().AktDorn()));
    for (const QString& t :
         {QStringLiteral("Calculation for ") + typ,
          QStringLiteral("Single shear connector loaded with point load"), QStringLiteral("Input"),
          QStringLiteral("Given edge distance"), QStringLiteral("Single load to connector"),
          QStringLiteral("Results"), Gewaehlt(a), QStringLiteral("Connector design capacity"),
          QStringLiteral("Harbour Bridge")}) {
        EXPECT_TRUE(seite1.contains(t)) << t.toStdString();
    }
    EXPECT_FALSE(seite1.contains(QStringLiteral("Actual connector spacing")));
    EXPECT_FALSE(seite1.contains(QStringLiteral("not possible")));
    const QString seite2 = test::PdfTextLesen(pdf, 2);
    EXPECT_TRUE(seite2.contains(QStringLiteral("Calculation for ") + typ));
    EXPECT_TRUE(seite2.contains(QStringLiteral("[sketch Reihe]")));
    EXPECT_FALSE(seite2.contains(QStringLiteral("Results")));
    // Every sketch on the printer with the printer's pen: the 1200 dpi device pixels of a
    // screen pixel.
    EXPECT_EQ(skizzen_.Aufrufe.size(), 6u);
    for (const auto& [name, aufruf] : skizzen_.Aufrufe) {
        EXPECT_DOUBLE_EQ(aufruf.StiftFaktor, 1200.0 / 96) << name;
    }
}

TEST_F(ErgebnisblattPdf, DeckeDeckeZweiSeitenMitAbstaenden) {
    const TKAnwendung a = Bemessen(DeckeDecke());
    const QString pdf = Drucken(a);
    EXPECT_EQ(test::PdfInfoLesen(pdf).Seiten, 2);
    const QString seite1 = test::PdfTextLesen(pdf, 1);
    ASSERT_GT(a.Ergebnisse().GetAnzDorn(a.Ergebnisse().AktDorn()), 1);
    for (const QString& t :
         {QStringLiteral("Row of shear connectors - connection slab to slab"),
          QStringLiteral("Linear load"), QStringLiteral("Joint length"), QStringLiteral("6000 mm"),
          QStringLiteral("no. of dowels"), Gewaehlt(a), QStringLiteral("Actual connector spacing"),
          QStringLiteral("Minimum connector spacing")}) {
        EXPECT_TRUE(seite1.contains(t)) << t.toStdString();
    }
    EXPECT_FALSE(seite1.contains(QStringLiteral("Wall thickness")));
}

// Printed sheets of a project's positions look alike: each page names its position, and the
// total load stands as a number, so that the connector load can be checked on paper.
TEST_F(ErgebnisblattPdf, JedeSeiteNenntDiePositionUndDieGesamtlastIstNachpruefbar) {
    for (const TKAnwendung& a :
         {Bemessen(Einzeldorn()), Bemessen(DeckeDecke()), Bemessen(DeckeWandBeliebig())}) {
        const QString pdf = Drucken(a);
        const int seiten = test::PdfInfoLesen(pdf).Seiten;
        ASSERT_GE(seiten, 2);
        const QRegularExpression position(
            QStringLiteral("Position:\\s+") +
            QRegularExpression::escape(QString::fromStdString(a.Position())));
        for (int seite = 1; seite <= seiten; ++seite) {
            EXPECT_TRUE(test::PdfTextLesen(pdf, seite).contains(position))
                << a.Position() << ", page " << seite;
        }
        if (a.Anwendungsfall() == 0) {
            continue; // the point load is the connector load
        }
        const QString seite1 = test::PdfTextLesen(pdf, 1);
        const auto gesamt =
            QRegularExpression(QStringLiteral("Sd,tot\\s*=[^\\n]*?([\\d.]+) kN\\n")).match(seite1);
        const auto anzahl =
            QRegularExpression(QStringLiteral("Selected: (\\d+) \\*")).match(seite1);
        const auto dorn =
            QRegularExpression(QStringLiteral("Sd,act\\s*=\\s*([\\d.]+) kN")).match(seite1);
        ASSERT_TRUE(gesamt.hasMatch()) << a.Position();
        ASSERT_TRUE(anzahl.hasMatch() && dorn.hasMatch()) << a.Position();
        // F_Sd,act = F_Sd,tot / n_D, both printed to 0.1 kN.
        EXPECT_NEAR(gesamt.captured(1).toDouble() / anzahl.captured(1).toInt(),
                    dorn.captured(1).toDouble(), 0.1)
            << a.Position();
    }
}

TEST_F(ErgebnisblattPdf, DeckeWandBeliebigeLastDreiSeiten) {
    const TKAnwendung a = Bemessen(DeckeWandBeliebig());
    const QString pdf = Drucken(a);
    EXPECT_EQ(test::PdfInfoLesen(pdf).Seiten, 3);
    const QString seite1 = test::PdfTextLesen(pdf, 1);
    for (const QString& t :
         {QStringLiteral("Row of shear connectors - connection slab to wall"),
          QStringLiteral("Wall thickness"), QStringLiteral("Varying distributed load"),
          QStringLiteral("see next page"), QStringLiteral("n = number of data entries"),
          Gewaehlt(a)}) {
        EXPECT_TRUE(seite1.contains(t)) << t.toStdString();
    }
    const QString seite2 = test::PdfTextLesen(pdf, 2);
    EXPECT_TRUE(seite2.contains(QStringLiteral("Varying distributed load")));
    EXPECT_TRUE(seite2.contains(QRegularExpression(QStringLiteral("x\\s*=\\s*1.5 m"))));
    EXPECT_TRUE(seite2.contains(QRegularExpression(QStringLiteral("=\\s*80 kN/m"))));
    EXPECT_FALSE(seite2.contains(QStringLiteral("Results")));
    EXPECT_TRUE(test::PdfTextLesen(pdf, 3).contains(QStringLiteral("[sketch Schnitt]")));
    EXPECT_EQ(skizzen_.Aufrufe.count("Last"), 2u); // page 1 and the load page
}

TEST_F(ErgebnisblattPdf, GruendeStehenImKopfJederSeite) {
    TKAnwendung a = Bemessen(DeckeDecke());
    int fehlerhaft = -1;
    for (int typ = 0; typ < AnzDornTypen && fehlerhaft < 0; ++typ) {
        if (a.Ergebnisse().DornErgebnis(typ).Fehler().Anzahl() > 0) {
            fehlerhaft = typ;
        }
    }
    ASSERT_GE(fehlerhaft, 0) << "no type fails for this position";
    a.Ergebnisse().SetAktDorn(static_cast<std::uint8_t>(fehlerhaft));
    const QString pdf = Drucken(a);
    const QString grund = QString::fromStdString(
        TKTextlisten::Text(TextlistenLaden().StatusLang(),
                           a.Ergebnisse().DornErgebnis(fehlerhaft).Fehler().Meldung(0)));
    for (int seite = 1; seite <= 2; ++seite) {
        const QString text = test::PdfTextLesen(pdf, seite);
        EXPECT_TRUE(text.contains(
            QStringLiteral("The use of the connector is not possible for the following reasons:")))
            << seite;
        EXPECT_TRUE(text.contains(grund)) << seite;
    }
    EXPECT_TRUE(test::PdfTextLesen(pdf, 1).contains(Gewaehlt(a)));
}

TEST(ErgebnisblattVorschau, SeitenbilderAmBildschirm) {
    Seitenmasse m;
    Skizzenprotokoll skizzen;
    const TKAnwendung zwei = Bemessen(DeckeDecke());
    Ergebnisblatt blatt(zwei, Kopf(zwei), '.', skizzen);
    const auto bilder = ErgebnisblattVorschau(m, StandardGeometrie(), 96, blatt);
    ASSERT_EQ(bilder.size(), 2u);
    for (const QImage& b : bilder) {
        EXPECT_EQ(b.size(), m.BildGroesse(96));
    }
    EXPECT_EQ(m.StiftFaktor(), 1);
    for (const auto& [name, aufruf] : skizzen.Aufrufe) {
        EXPECT_EQ(aufruf.StiftFaktor, 1) << name;
    }
    const TKAnwendung drei = Bemessen(DeckeWandBeliebig());
    Ergebnisblatt blatt3(drei, Kopf(drei), '.', skizzen);
    EXPECT_EQ(ErgebnisblattVorschau(m, StandardGeometrie(), 96, blatt3).size(), 3u);
}

TEST(ErgebnisblattVorschau, WandSchiebtDieSystemskizzeUmEinenZentimeterNachUnten) {
    Seitenmasse m;
    TKAnwendung decke = Bemessen(DeckeDecke());
    TKAnwendung wand = decke;
    wand.SetAnwendungsfall(2);
    Skizzenprotokoll s1;
    Skizzenprotokoll s2;
    Ergebnisblatt b1(decke, Kopf(decke), '.', s1);
    Ergebnisblatt b2(wand, Kopf(decke), '.', s2);
    ErgebnisblattVorschau(m, StandardGeometrie(), 96, b1);
    ErgebnisblattVorschau(m, StandardGeometrie(), 96, b2);
    const QRect r1 = s1.Erster("System").Rechteck;
    const QRect r2 = s2.Erster("System").Rechteck;
    const int cm = m.CmNachPixelY(1);
    // Its top 1 cm lower and its bottom 1 cm higher: from 7 cm to 5 cm of height.
    EXPECT_EQ(r2.top() - r1.top(), cm);
    EXPECT_EQ(r1.bottom() - r2.bottom(), cm);
    EXPECT_EQ(r1.width(), m.CmNachPixelX(10));
    // The sketch page: row 17 cm wide, view and section side by side below the plan view.
    const QRect reihe = s1.Erster("Reihe").Rechteck;
    EXPECT_EQ(reihe.width(), m.CmNachPixelX(17));
    const QRect ansicht = s1.Erster("Ansicht").Rechteck;
    const QRect schnitt = s1.Erster("Schnitt").Rechteck;
    EXPECT_EQ(ansicht.top(), schnitt.top());
    EXPECT_EQ(ansicht.right() + 1, schnitt.left());
    EXPECT_LT(s1.Erster("Draufsicht").Rechteck.top(), ansicht.top());
}

TEST(ErgebnisblattExport, NackterTitelZeigtDiePosition) {
    Seitenmasse m;
    Skizzenprotokoll skizzen;
    const TKAnwendung a = Bemessen(Einzeldorn());
    Ergebnisblatt blatt(a, Kopf(a), '.', skizzen);
    ErgebnisblattVorschau(m, StandardGeometrie(), 96, blatt);
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("seite1.pdf"));
    {
        // A vector target at the preview's resolution, as the picture export draws on.
        QPdfWriter datei(pdf);
        datei.setResolution(96);
        datei.setPageSize(QPageSize(QPageSize::A4));
        datei.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&datei);
        ErgebnisblattSeite1Export(p, m, blatt);
    }
    const QString text = test::PdfTextLesen(pdf);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Position:\\s+Corbel 4"))));
    EXPECT_TRUE(text.contains(Gewaehlt(a)));
}

} // namespace
} // namespace trv
