#include "printing/StuecklisteDruck.h"

#include "PdfText.h"
#include "printing/Seitenmasse.h"
#include "printing/Seitenrahmen.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trv {
namespace {

StuecklistenDruckdaten Liste(int anzahl) {
    StuecklistenDruckdaten d;
    d.Bemerkung = {"Deliver to site B", "Second remark line"};
    for (int i = 1; i <= anzahl; ++i) {
        d.Eintraege.push_back(
            NeuerEintrag("Pos-" + std::to_string(i), i, "TRV 22", i, 40 + i * 0.25, '.'));
    }
    return d;
}

QRegularExpression Zeile(const QString& muster) {
    return QRegularExpression(muster);
}

Kopfdaten Kopf() {
    Kopfdaten k;
    k.Bauvorhaben = "Harbour Bridge";
    k.Heute = "09.12.2026";
    return k;
}

class StuecklistePdf : public ::testing::Test {
protected:
    QString Drucken(const StuecklistenDruckdaten& d) {
        const QString pdf = ordner_.filePath(QStringLiteral("liste.pdf"));
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setOutputFileName(pdf);
        std::string fehler;
        EXPECT_TRUE(StuecklisteDrucken(drucker, masse_, Kopf(), d, fehler)) << fehler;
        EXPECT_EQ(masse_.StiftFaktor(), 1); // back to the screen's pen after printing
        return pdf;
    }
    QTemporaryDir ordner_;
    Seitenmasse masse_;
};

TEST_F(StuecklistePdf, LangeListeLaeuftMitRahmenAufZweiSeiten) {
    const QString pdf = Drucken(Liste(9));
    const test::PdfInfo info = test::PdfInfoLesen(pdf);
    EXPECT_EQ(info.Seiten, 2);
    EXPECT_TRUE(info.Seitengroesse.contains(QStringLiteral("A4")));
    const QString seite1 = test::PdfTextLesen(pdf, 1);
    const QString seite2 = test::PdfTextLesen(pdf, 2);
    for (const QString& seite : {seite1, seite2}) {
        EXPECT_TRUE(seite.contains(QStringLiteral("Connector Schedule")));
        EXPECT_TRUE(seite.contains(QStringLiteral("Harbour Bridge")));
    }
    EXPECT_TRUE(seite1.contains(QStringLiteral("Deliver to site B")));
    EXPECT_TRUE(seite1.contains(QStringLiteral("Mat.-Pos")));
    // The quantity column is narrower than its head: the head wraps instead of running into
    // "Designation" (it once printed "Quantity of pDesignation").
    EXPECT_TRUE(seite1.contains(
        QRegularExpression(QStringLiteral("Quantity of +Designation *\n *parts *\n"))));
    EXPECT_TRUE(seite1.contains(Zeile(QStringLiteral("Position\\(s\\):\\s+Pos-1\\b"))));
    EXPECT_TRUE(seite1.contains(QStringLiteral("max. design Resistance FRd: 40.2 kN")));
    EXPECT_TRUE(seite1.contains(QStringLiteral("Material: stainless steel 1.4462")));
    EXPECT_TRUE(seite2.contains(Zeile(QStringLiteral("Position\\(s\\):\\s+Pos-9\\b"))));
    // No entry is lost or doubled at the break.
    const QString alles = seite1 + seite2;
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(alles.count(Zeile(QStringLiteral("Position\\(s\\):\\s+Pos-%1\\b").arg(i))), 1)
            << i;
    }
}

TEST_F(StuecklistePdf, NurAktiveEintraegeFortlaufendNummeriert) {
    StuecklistenDruckdaten d = Liste(3);
    d.Eintraege[1][stk::Status] = "Not active";
    d.Eintraege[2][stk::Zusatz] = "FS 30";
    const QString text = test::PdfTextLesen(Drucken(d));
    EXPECT_FALSE(text.contains(QStringLiteral("Pos-2")));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("\\b2\\s+Shear connectors supply"))));
    EXPECT_FALSE(
        text.contains(QRegularExpression(QStringLiteral("\\b3\\s+Shear connectors supply"))));
    EXPECT_TRUE(text.contains(QStringLiteral("and fire protection sleeve")));
    EXPECT_TRUE(text.contains(QStringLiteral("Type: FS 30")));
}

TEST_F(StuecklistePdf, OhneAktiveEintraegeNurRahmenBemerkungUndKopf) {
    StuecklistenDruckdaten d = Liste(2);
    for (auto& e : d.Eintraege) {
        e[stk::Status] = "Nicht aktiv";
    }
    const QString pdf = Drucken(d);
    EXPECT_EQ(test::PdfInfoLesen(pdf).Seiten, 1);
    const QString text = test::PdfTextLesen(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Second remark line")));
    EXPECT_TRUE(text.contains(QStringLiteral("Designation")));
    EXPECT_FALSE(text.contains(QStringLiteral("Shear connectors supply")));
}

TEST(StuecklisteBild, LangeListeVerlaengertDasBildUm250Pixel) {
    Seitenmasse m;
    const QImage kurz = StuecklisteVorschau(m, StandardGeometrie(), 96, Kopf(), Liste(1));
    EXPECT_EQ(kurz.size(), m.BildGroesse(96));
    const QImage lang = StuecklisteVorschau(m, StandardGeometrie(), 96, Kopf(), Liste(12));
    EXPECT_EQ(lang.width(), kurz.width());
    EXPECT_GT(lang.height(), kurz.height());
    EXPECT_EQ((lang.height() - kurz.height()) % 250, 0);
    // The last entry's separator line lies inside the image, on white.
    int letzteDunkleZeile = 0;
    for (int y = 0; y < lang.height(); ++y) {
        for (int x = 0; x < lang.width(); x += 3) {
            if (qGray(lang.pixel(x, y)) < 128) {
                letzteDunkleZeile = y;
                break;
            }
        }
    }
    EXPECT_GT(letzteDunkleZeile, kurz.height());
    EXPECT_LT(letzteDunkleZeile, lang.height() - 1);
}

} // namespace
} // namespace trv
