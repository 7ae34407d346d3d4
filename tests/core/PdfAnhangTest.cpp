// The project a result sheet's PDF carries, and PDFs that only pretend to carry one.
#define POINTERHOLDER_TRANSITION 4
#include "files/PdfAnhang.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>

namespace trv {
namespace {

namespace fs = std::filesystem;

// A one-page PDF as another program would write it; zusatz changes the catalog first.
std::string EinfachesPdf(const std::function<void(QPDF&)>& zusatz = {}) {
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle seite = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 100 100] /Resources << >> >>"));
    seite.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "0 0 m 100 100 l S"));
    pdf.addPage(seite, false);
    if (zusatz) {
        zusatz(pdf);
    }
    QPDFWriter w(pdf);
    w.setOutputMemory();
    w.write();
    auto puffer = w.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(puffer->getBuffer()), puffer->getSize());
}

class PdfAnhangTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("trv-pdfanhang-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    fs::path Datei(const std::string& name, const std::string& inhalt) {
        const fs::path pfad = ordner_ / name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }

    // The PDF at quelle with a project (text) attached as the sheets do.
    std::string MitProjekt(const std::string& quelle, const std::string& projekt) {
        TKPdfBeilage beilage{
            "Bridge.TRV",
            projekt,
            {"Bridge - Pos. 1", "A. Engineer", "Result sheet", "TRV", "TRV test", 1700000000}};
        std::string fehler;
        const auto pdf = TKPdfAnhang::Einbetten(Datei("quelle.pdf", quelle), beilage, fehler);
        EXPECT_TRUE(pdf) << fehler;
        return pdf.value_or(std::string());
    }

    std::string Projekttext() {
        TKModell modell(TKIniDatei(), TKRegional::Standard());
        modell.Projektbeschreibung().SetBauvorhaben("Bridge");
        modell.SetAnzAnwendung(3);
        modell.Anwendung(2).SetPosition("Axis B");
        return modell.ProjektText();
    }

    // Reads path as File > Open does; returns the outcome and keeps the model.
    TKDateiErgebnis Oeffnen(const fs::path& pfad) {
        modell_ = std::make_unique<TKModell>(TKIniDatei(), TKRegional::Standard());
        return modell_->Oeffnen(pfad.string());
    }

    fs::path ordner_;
    std::unique_ptr<TKModell> modell_;
};

TEST_F(PdfAnhangTest, EinBlattGibtSeinProjektZurueck) {
    const std::string projekt = Projekttext();
    const fs::path pdf = Datei("blatt.pdf", MitProjekt(EinfachesPdf(), projekt));

    const TKDateiErgebnis e = Oeffnen(pdf);
    ASSERT_TRUE(e.Ok) << e.Grund;
    EXPECT_EQ(modell_->AnzAnwendung(), 3);
    EXPECT_EQ(modell_->Anwendung(2).Position(), "Axis B");
    EXPECT_EQ(modell_->Projektbeschreibung().Bauvorhaben(), "Bridge");
    // Saving must ask for a project file instead of writing over the sheet.
    EXPECT_EQ(modell_->FileName(), "");

    // The document information names the project, and the page is still there.
    QPDF gelesen;
    gelesen.processFile(pdf.c_str());
    QPDFObjectHandle info = gelesen.getTrailer().getKey("/Info");
    EXPECT_EQ(info.getKey("/Title").getUTF8Value(), "Bridge - Pos. 1");
    EXPECT_EQ(info.getKey("/Author").getUTF8Value(), "A. Engineer");
    EXPECT_EQ(info.getKey("/CreationDate").getUTF8Value().substr(0, 6), "D:2023");
    EXPECT_EQ(gelesen.getAllPages().size(), 1u);
}

TEST_F(PdfAnhangTest, EinPositionUebernehmenAusDemBlatt) {
    const fs::path pdf = Datei("blatt.pdf", MitProjekt(EinfachesPdf(), Projekttext()));
    TKModell modell(TKIniDatei(), TKRegional::Standard());
    const TKDateiErgebnis e = modell.PositionUebernehmen(pdf.string(), 1);
    ASSERT_TRUE(e.Ok) << e.Grund;
    EXPECT_EQ(modell.AnzAnwendung(), 2);
    EXPECT_EQ(modell.Anwendung(2).Position(), "Axis B");
}

TEST_F(PdfAnhangTest, EinPdfOhneProjektWirdGenannt) {
    const TKDateiErgebnis e = Oeffnen(Datei("fremd.pdf", EinfachesPdf()));
    EXPECT_FALSE(e.Ok);
    ASSERT_FALSE(e.Meldungen.empty());
    EXPECT_EQ(e.Meldungen.front(), Ressource(res::PdfOhneProjekt));
    // An attachment of another kind is no project either.
    const fs::path bild =
        Datei("bild.pdf", EinfachesPdf([](QPDF& q) {
                  auto strom = QPDFEFStreamObjectHelper::createEFStream(q, "GIF89a");
                  QPDFEmbeddedFileDocumentHelper(q).replaceEmbeddedFile(
                      "logo.gif", QPDFFileSpecObjectHelper::createFileSpec(q, "logo.gif", strom));
              }));
    EXPECT_EQ(Oeffnen(bild).Meldungen.front(), Ressource(res::PdfOhneProjekt));
}

TEST_F(PdfAnhangTest, EinAbgeschnittenesBlattIstBeschaedigt) {
    const std::string pdf = MitProjekt(EinfachesPdf(), Projekttext());
    for (std::size_t laenge : {pdf.size() - 30, pdf.size() / 2, std::size_t{9}}) {
        const TKDateiErgebnis e = Oeffnen(Datei("kurz.pdf", pdf.substr(0, laenge)));
        EXPECT_FALSE(e.Ok) << laenge;
        ASSERT_FALSE(e.Meldungen.empty());
        EXPECT_EQ(e.Meldungen.front(), Ressource(res::PdfBeschaedigt)) << laenge << e.Grund;
        EXPECT_EQ(e.Meldungen.back(), Ressource(res::DateiOeffnenFehler));
    }
}

TEST_F(PdfAnhangTest, EinAnhangDerKeinProjektIstWirdAbgewiesen) {
    const fs::path pdf = Datei("falsch.pdf", MitProjekt(EinfachesPdf(), "<html>no project</html>"));
    const TKDateiErgebnis e = Oeffnen(pdf);
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Meldungen.back(), Ressource(res::DateiOeffnenFehler));
    EXPECT_EQ(modell_->AnzAnwendung(), 1);
}

TEST_F(PdfAnhangTest, EinRiesigerAnhangWirdNichtEntpackt) {
    // Eight megabytes of blanks compress to a few kilobytes: only the limit stops them.
    const std::string pdf = MitProjekt(EinfachesPdf(), std::string(8u << 20, ' '));
    ASSERT_LT(pdf.size(), 200000u);
    TKPdfAnhang::TFehler fehler = TKPdfAnhang::TFehler::Keiner;
    std::string grund;
    EXPECT_FALSE(TKPdfAnhang::ProjektAusText(pdf, fehler, grund, 1u << 20));
    EXPECT_EQ(fehler, TKPdfAnhang::TFehler::ZuGross);
    EXPECT_EQ(TKPdfAnhang::Meldung(fehler), Ressource(res::PdfProjektZuGross));
    // Within the limit the same attachment is read whole.
    const auto ganz = TKPdfAnhang::ProjektAusText(pdf, fehler, grund, 9u << 20);
    ASSERT_TRUE(ganz) << grund;
    EXPECT_EQ(ganz->size(), 8u << 20);
}

TEST_F(PdfAnhangTest, EinNamensbaumImKreisEndet) {
    // The tree of embedded files names itself as its own kid.
    const std::string pdf = EinfachesPdf([](QPDF& q) {
        QPDFObjectHandle baum = q.makeIndirectObject(QPDFObjectHandle::newDictionary());
        baum.replaceKey("/Kids", QPDFObjectHandle::newArray({baum}));
        QPDFObjectHandle namen = QPDFObjectHandle::newDictionary();
        namen.replaceKey("/EmbeddedFiles", baum);
        q.getRoot().replaceKey("/Names", namen);
    });
    TKPdfAnhang::TFehler fehler = TKPdfAnhang::TFehler::Keiner;
    std::string grund;
    EXPECT_FALSE(TKPdfAnhang::ProjektAusText(pdf, fehler, grund, 1u << 20));
    EXPECT_NE(fehler, TKPdfAnhang::TFehler::Keiner);
}

TEST_F(PdfAnhangTest, NurEinPdfWirdAlsPdfGelesen) {
    EXPECT_TRUE(TKPdfAnhang::IstPdf(std::string_view("%PDF-1.4\n")));
    EXPECT_FALSE(TKPdfAnhang::IstPdf(std::string_view("<?xml version=\"1.0\"?><TRV_1.0/>")));
    EXPECT_FALSE(TKPdfAnhang::IstPdf(std::string_view("%PDF")));
    EXPECT_FALSE(TKPdfAnhang::IstPdf(ordner_ / "fehlt.pdf"));
    // A pipe named like a sheet must not make the reader wait for a writer.
    const fs::path rohr = ordner_ / "rohr.pdf";
    ASSERT_EQ(mkfifo(rohr.c_str(), 0600), 0);
    EXPECT_FALSE(TKPdfAnhang::IstPdf(rohr));
}

} // namespace
} // namespace trv
