#include "printing/Seitenrahmen.h"

#include "PdfText.h"
#include "model/Modell.h"
#include "printing/Druckbilder.h"
#include "printing/Seitenmasse.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trv {
namespace {

// One A4 page at 96 dpi, as a preview image has it.
class Seitenrahmen96 : public ::testing::Test {
protected:
    void SetUp() override {
        masse_.SeiteEinrichten(StandardGeometrie());
        bild_ = SeitenBild(masse_, 96);
        painter_.begin(&bild_);
        masse_.FuerBildschirm(painter_, 96);
        kopf_.Bauvorhaben = "Bridge";
        kopf_.Firma = {"Line 1"};
        kopf_.Datum = "01.02.2026";
        kopf_.Heute = "09.12.2026";
        kopf_.Position = "Pos 7";
    }
    // Head height in pixels below the top of the printable area.
    double Kopf(const std::string& titel) {
        return Seitenrahmen(painter_, masse_, titel, kopf_) * masse_.CmNachPixelY(1);
    }

    Seitenmasse masse_;
    QImage bild_;
    QPainter painter_;
    Kopfdaten kopf_;
};

TEST_F(Seitenrahmen96, FirmaHoechstensDreiZeilenLeereFirmaEineZehnerzeile) {
    const double eine = Kopf("Connector Schedule");
    kopf_.Firma = {"1", "2", "3"};
    const double drei = Kopf("Connector Schedule");
    kopf_.Firma = {"1", "2", "3", "4", "5"};
    const double fuenf = Kopf("Connector Schedule");
    kopf_.Firma.clear();
    const double keine = Kopf("Connector Schedule");
    EXPECT_NEAR(drei - eine, 2 * masse_.Zeile11(), 0.5);
    EXPECT_NEAR(fuenf, drei, 0.5);
    EXPECT_NEAR(eine - keine, masse_.Zeile11() - masse_.Zeile10(), 0.5);
    EXPECT_DOUBLE_EQ(masse_.KopfHoehe() * masse_.CmNachPixelY(1), keine);
}

TEST_F(Seitenrahmen96, PositionszeileNurWennDerKopfSieVerlangt) {
    const double ohne = Kopf("Calculation for TRV 22");
    EXPECT_NEAR(Kopf("Calculation for "), ohne, 0.5); // the title has no say
    kopf_.PositionZeigen = true;
    EXPECT_NEAR(Kopf("Calculation for TRV 22") - ohne, masse_.Zeile11(), 0.5);
}

TEST_F(Seitenrahmen96, GruendeVerlaengernDenKopf) {
    const double ohne = Kopf("Calculation for TRV 22");
    kopf_.Gruende = {"Load too great", "Concrete thickness too small"};
    const double mit = Kopf("Calculation for TRV 22");
    EXPECT_NEAR(mit - ohne, 4 * masse_.Zeile10() + masse_.CmNachPixelY(0.15), 0.5);
}

TEST_F(Seitenrahmen96, KopfhoeheNieUnterEinemZentimeter) {
    // A page whose top margin lies far above the paper makes the measured head negative.
    Druckergeometrie g = StandardGeometrie();
    g.RandOben = g.AufloesungY * 10;
    masse_.SeiteEinrichten(g);
    EXPECT_DOUBLE_EQ(Seitenrahmen(painter_, masse_, "Connector Schedule", kopf_), 1.0);
    EXPECT_DOUBLE_EQ(masse_.KopfHoehe(), 1.0);
}

TEST_F(Seitenrahmen96, ZeichnetLogoInDenRechtenRand) {
    Kopf("Connector Schedule");
    const int rechts = masse_.CmNachPixelX(masse_.SeitenBreite() - masse_.DruckRandRechts());
    const int oben = masse_.CmNachPixelY(masse_.DruckRandOben());
    int dunkel = 0;
    for (int x = rechts - masse_.CmNachPixelX(3.69); x < rechts; ++x) {
        for (int y = oben; y < oben + masse_.CmNachPixelY(1.23); ++y) {
            dunkel += qGray(bild_.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dunkel, 100);
    // Nothing right of the right margin.
    for (int x = rechts + 2; x < bild_.width(); ++x) {
        for (int y = 0; y < bild_.height(); ++y) {
            ASSERT_EQ(bild_.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST(Druckbilder, UnbekanntesBildZeichnetNichts) {
    QImage bild(300, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    EXPECT_FALSE(BitmapAusRessource(p, "NOPE", QRect(0, 0, 300, 100)));
    EXPECT_TRUE(BitmapAusRessource(p, FormelBeliebigeLast, QRect(10, 10, 260, 56)));
    p.end();
    int dunkel = 0;
    for (int x = 0; x < bild.width(); ++x) {
        for (int y = 0; y < bild.height(); ++y) {
            const bool schwarz = qGray(bild.pixel(x, y)) < 128;
            dunkel += schwarz ? 1 : 0;
            if (schwarz) {
                ASSERT_TRUE(QRect(10, 10, 260, 56).contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(dunkel, 200);
}

TEST(Druckbilder, SkaliertAufDieZielaufloesung) {
    QImage bild(600, 200, QImage::Format_RGB32);
    QPainter p(&bild);
    Seitenmasse m;
    m.AufloesungEinrichten(p, 192, 288, 1);
    EXPECT_EQ(BildSkaliertZeichnen(p, m, 96, FormelBeliebigeLast, 0, 0), 56 * 3);
    EXPECT_EQ(BildSkaliertZeichnen(p, m, 96, "NOPE", 0, 0), 0);
}

TEST(SeitenrahmenPdf, KopfUndKontaktblockImPdf) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pdf = ordner.filePath(QStringLiteral("rahmen.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(pdf);
    Kopfdaten kopf;
    kopf.Bauvorhaben = "Harbour Bridge";
    kopf.Firma = {"Alpha Engineers", "Main Street 1", "1234 Town", "Fourth line"};
    kopf.Bearbeiter = "A. Designer";
    kopf.Datum = "01.02.2026";
    kopf.Heute = "09.12.2026";
    kopf.Position = "Slab 3";
    kopf.PositionZeigen = true;
    kopf.Gruende = {"Load too great"};
    {
        QPainter p(&drucker);
        Seitenmasse m;
        const Druckergeometrie g = GeometrieAusDrucker(drucker);
        m.SeiteEinrichten(g);
        m.FuerDrucker(p, g);
        Seitenrahmen(p, m, "Calculation for ", kopf);
    }
    const QString text = test::PdfTextLesen(pdf);
    for (const char* erwartet :
         {"Varnel - TRV / ZEDE Shear Connector", "Calculation for", "TRV - 1.0", "Date: 01.02.2026",
          "Printed from: 09.12.2026", "Designer: A. Designer", "Company:", "Alpha Engineers",
          "1234 Town", "Project:", "Harbour Bridge", "Position:", "Slab 3",
          "The use of the connector is not possible for the following reasons:", "Load too great",
          "Switzerland", "Netherlands", "info@uk.varnel.example"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(erwartet))) << erwartet;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("Fourth line")));
    EXPECT_TRUE(test::PdfInfoLesen(pdf).Seitengroesse.contains(QStringLiteral("A4")));
}

TEST(KopfAusModell, ProjektPositionUndGruendeNurFuerDasErgebnisblatt) {
    TKModell modell(TKIniDatei{}, TKRegional::Standard("09.12.2026"));
    TKProjektdaten& p = modell.Projektbeschreibung();
    p.SetBauvorhaben("Harbour Bridge");
    p.SetFirma({"Alpha", "Beta"});
    p.SetBearbeiter("A. Designer");
    p.SetDatum("01.02.2026");
    TKAnwendung& a = modell.AktuelleAnwendung();
    a.SetPosition("Slab 3");
    a.Ergebnisse().SetAktDorn(4);
    a.Ergebnisse().DornErgebnis(4).Fehler().MeldungHinzufuegen(2);
    a.Ergebnisse().DornErgebnis(4).Fehler().MeldungHinzufuegen(1);
    a.Ergebnisse().DornErgebnis(3).Fehler().MeldungHinzufuegen(9); // not the selected type

    const Kopfdaten blatt = KopfAusModell(modell, a, true);
    EXPECT_EQ(blatt.Bauvorhaben, "Harbour Bridge");
    EXPECT_EQ(blatt.Firma, (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(blatt.Bearbeiter, "A. Designer");
    EXPECT_EQ(blatt.Datum, "01.02.2026");
    EXPECT_EQ(blatt.Heute, "09.12.2026");
    EXPECT_EQ(blatt.Position, "Slab 3");
    EXPECT_EQ(blatt.Gruende,
              (std::vector<std::string>{"Load too great", "Concrete thickness too small"}));
    EXPECT_TRUE(KopfAusModell(modell, a, false).Gruende.empty());
}

} // namespace
} // namespace trv
