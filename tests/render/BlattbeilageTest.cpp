// A result sheet's PDF carries its project; the printed pages must not change for it.
#include "printing/Blattbeilage.h"

#include "model/Modell.h"
#include "printing/Ausgabedatei.h"
#include "printing/Ausgaben.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Projektdruck.h"
#include "printing/Seitenmasse.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trv {
namespace {

const std::string Beispiel = std::string(TRV_EXAMPLES_DIR) + "/several-positions-with-schedule.TRV";

std::unique_ptr<TKModell> Projekt() {
    auto modell = std::make_unique<TKModell>(TKIniDatei(), TKRegional::Standard());
    const TKDateiErgebnis e = modell->Oeffnen(Beispiel);
    EXPECT_TRUE(e.Ok) << e.Grund;
    return modell;
}

// The pages as poppler draws them, one PNG per page.
std::vector<QByteArray> Seitenbilder(const QString& pdf, const QString& ordner) {
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("60"),
                                                QStringLiteral("-png"), pdf, ordner + "/s"});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) {
        ADD_FAILURE() << "pdftoppm failed or is not installed (poppler-utils)";
        return {};
    }
    std::vector<QByteArray> bilder;
    for (const QString& name :
         QDir(ordner).entryList({QStringLiteral("s*.png")}, QDir::Files, QDir::Name)) {
        QFile datei(ordner + "/" + name);
        datei.open(QIODevice::ReadOnly);
        bilder.push_back(datei.readAll());
    }
    return bilder;
}

TEST(Blattbeilage, DieSeitenBleibenWieGedruckt) {
    const auto modell = Projekt();
    const TKAnwendung& anwendung = modell->Anwendung(2);
    ASSERT_TRUE(anwendung.Ergebnisse().Berechnet());
    QTemporaryDir tmp;
    Positionsblatt blatt(*modell, anwendung);
    Seitenmasse masse;
    const auto drucken = [&](QPrinter& drucker, std::string& grund) {
        return ErgebnisblattDrucken(drucker, masse, blatt.Blatt(), grund);
    };
    const TKPdfBeilage beilage = BlattBeilage(*modell, &anwendung);
    std::string fehler;
    const QString ohne = tmp.filePath("ohne.pdf");
    const QString mit = tmp.filePath("mit.pdf");
    ASSERT_TRUE(PdfSpeichern(ohne.toStdString(), drucken, fehler)) << fehler;
    ASSERT_TRUE(PdfSpeichern(mit.toStdString(), drucken, fehler, &beilage)) << fehler;

    QDir(tmp.path()).mkdir("ohne");
    QDir(tmp.path()).mkdir("mit");
    const std::vector<QByteArray> a = Seitenbilder(ohne, tmp.filePath("ohne"));
    const std::vector<QByteArray> b = Seitenbilder(mit, tmp.filePath("mit"));
    ASSERT_GE(a.size(), 1u);
    EXPECT_EQ(a, b);

    // What it carries is the project as it would be saved now.
    TKPdfAnhang::TFehler art = TKPdfAnhang::TFehler::Keiner;
    std::string grund;
    const auto projekt = TKPdfAnhang::ProjektLesen(mit.toStdString(), art, grund, 1u << 24);
    ASSERT_TRUE(projekt) << grund;
    EXPECT_EQ(*projekt, modell->ProjektText());
    EXPECT_FALSE(TKPdfAnhang::ProjektLesen(ohne.toStdString(), art, grund, 1u << 24));
}

TEST(Blattbeilage, DieDokumentinfoNenntProjektPositionUndBearbeiter) {
    const auto modell = Projekt();
    const TKAnwendung& anwendung = modell->Anwendung(2);
    const TKPdfBeilage beilage = BlattBeilage(*modell, &anwendung);
    const std::string& projekt = modell->Projektbeschreibung().Bauvorhaben();
    EXPECT_EQ(beilage.Info.Titel, projekt + " - " + anwendung.Position());
    EXPECT_EQ(beilage.Info.Autor, modell->Projektbeschreibung().Bearbeiter());
    EXPECT_NE(beilage.Info.Thema.find(anwendung.Position()), std::string::npos);
    EXPECT_EQ(beilage.Dateiname, "several-positions-with-schedule.TRV");
    EXPECT_EQ(BlattBeilage(*modell, nullptr).Info.Titel, projekt);
}

TEST(Blattbeilage, EinUnberechneterPositionGibtKeinBlatt) {
    TKModell modell(TKIniDatei(), TKRegional::Standard());
    QTemporaryDir tmp;
    const std::string ziel = tmp.filePath("blatt.pdf").toStdString();
    std::string fehler;
    EXPECT_FALSE(ErgebnisblattSchreiben(modell, 1, ziel, fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ziel)));
}

} // namespace
} // namespace trv
