#include "files/PdfAnhang.h"

#include "files/Ressourcen.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace trv {

namespace {

// Collects a stream's decoded bytes and stops the decoder once they pass the limit, so a
// small compressed stream cannot fill the memory.
class BegrenzteAusgabe : public Pipeline {
public:
    BegrenzteAusgabe(std::string& ziel, std::uintmax_t grenze)
        : Pipeline("trv-project", nullptr), ziel_(ziel), grenze_(grenze) {}

    void write(unsigned char const* daten, size_t laenge) override {
        if (laenge > grenze_ - std::min<std::uintmax_t>(grenze_, ziel_.size())) {
            zuGross_ = true;
            throw std::length_error("attachment too large");
        }
        ziel_.append(reinterpret_cast<const char*>(daten), laenge);
    }
    void finish() override {}
    bool ZuGross() const { return zuGross_; }

private:
    std::string& ziel_;
    std::uintmax_t grenze_;
    bool zuGross_ = false;
};

std::string PdfDatum(std::time_t zeit) {
    std::tm t{};
    localtime_r(&zeit, &t);
    const long versatz = t.tm_gmtoff / 60; // minutes east of UTC
    return QUtil::qpdf_time_to_pdf_time(QUtil::QPDFTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                                                        t.tm_hour, t.tm_min, t.tm_sec,
                                                        static_cast<int>(-versatz)));
}

bool EndetAufTrv(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".trv") == 0;
}

// A damaged file must not be half-repaired into something that merely looks like the
// sheet: qpdf's recovery stays off and its warnings are not printed.
void Vorbereiten(QPDF& pdf) {
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
}

std::optional<std::string> AnhangLesen(QPDF& pdf, TKPdfAnhang::TFehler& fehler, std::string& grund,
                                       std::uintmax_t grenze) {
    QPDFEmbeddedFileDocumentHelper anhaenge(pdf);
    if (!anhaenge.hasEmbeddedFiles()) {
        fehler = TKPdfAnhang::TFehler::OhneProjekt;
        grund = "the PDF has no attached files";
        return std::nullopt;
    }
    for (const auto& [name, spec] : anhaenge.getEmbeddedFiles()) {
        QPDFObjectHandle strom = spec->getEmbeddedFileStream();
        if (!strom.isStream()) {
            continue;
        }
        const bool markiert = QPDFEFStreamObjectHelper(strom).getSubtype() == TKPdfAnhang::Mimetyp;
        if (!markiert && !EndetAufTrv(spec->getFilename()) && !EndetAufTrv(name)) {
            continue;
        }
        std::string inhalt;
        BegrenzteAusgabe ausgabe(inhalt, grenze);
        bool ok = false;
        try {
            ok = strom.pipeStreamData(&ausgabe, 0, qpdf_dl_all, true);
        } catch (const std::exception&) {
            if (!ausgabe.ZuGross()) {
                throw;
            }
        }
        if (ausgabe.ZuGross()) {
            fehler = TKPdfAnhang::TFehler::ZuGross;
            grund = "the attached project is larger than " + std::to_string(grenze) + " bytes";
            return std::nullopt;
        }
        if (!ok) {
            fehler = TKPdfAnhang::TFehler::Beschaedigt;
            grund = "the attached project cannot be decoded";
            return std::nullopt;
        }
        fehler = TKPdfAnhang::TFehler::Keiner;
        return inhalt;
    }
    fehler = TKPdfAnhang::TFehler::OhneProjekt;
    grund = "no attached file is a TRV project";
    return std::nullopt;
}

template <typename Oeffnen>
std::optional<std::string> Lesen(Oeffnen oeffnen, TKPdfAnhang::TFehler& fehler, std::string& grund,
                                 std::uintmax_t grenze) {
    try {
        QPDF pdf;
        Vorbereiten(pdf);
        oeffnen(pdf);
        return AnhangLesen(pdf, fehler, grund, grenze);
    } catch (const std::bad_alloc&) {
        grund = "out of memory while reading the PDF";
    } catch (const std::exception& e) {
        grund = std::string("damaged PDF: ") + e.what();
    }
    fehler = TKPdfAnhang::TFehler::Beschaedigt;
    return std::nullopt;
}

} // namespace

bool TKPdfAnhang::IstPdf(std::string_view inhalt) {
    return inhalt.substr(0, 5) == "%PDF-";
}

bool TKPdfAnhang::IstPdf(const std::filesystem::path& datei) {
    // Only a regular file is looked into: opening a pipe would wait for a writer.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec)) {
        return false;
    }
    std::ifstream in(datei, std::ios::binary);
    char kopf[5] = {};
    return in.read(kopf, sizeof kopf) && IstPdf(std::string_view(kopf, sizeof kopf));
}

std::optional<std::string> TKPdfAnhang::Einbetten(const std::filesystem::path& quelle,
                                                  const TKPdfBeilage& beilage,
                                                  std::string& fehler) {
    try {
        QPDF pdf;
        Vorbereiten(pdf);
        pdf.processFile(quelle.c_str());

        const std::string datum = PdfDatum(beilage.Info.Erstellt);
        QPDFEFStreamObjectHelper strom =
            QPDFEFStreamObjectHelper::createEFStream(pdf, beilage.Inhalt);
        strom.setSubtype(Mimetyp).setCreationDate(datum).setModDate(datum);
        QPDFFileSpecObjectHelper spec =
            QPDFFileSpecObjectHelper::createFileSpec(pdf, beilage.Dateiname, strom);
        spec.setDescription(beilage.Info.Titel);
        QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(beilage.Dateiname, spec);

        QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
        QPDFObjectHandle alt = pdf.getTrailer().getKey("/Info");
        if (alt.isDictionary() && alt.getKey("/Producer").isString()) {
            info.replaceKey("/Producer", alt.getKey("/Producer"));
        }
        info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(beilage.Info.Titel));
        info.replaceKey("/Author", QPDFObjectHandle::newUnicodeString(beilage.Info.Autor));
        info.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(beilage.Info.Thema));
        info.replaceKey("/Keywords", QPDFObjectHandle::newUnicodeString(beilage.Info.Stichwoerter));
        info.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString(beilage.Info.Programm));
        info.replaceKey("/CreationDate", QPDFObjectHandle::newString(datum));
        pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));

        QPDFWriter schreiber(pdf);
        schreiber.setOutputMemory();
        // The page streams are written as they came: the printed pages stay exactly the same.
        schreiber.setDecodeLevel(qpdf_dl_none);
        schreiber.write();
        const std::shared_ptr<Buffer> puffer = schreiber.getBufferSharedPointer();
        return std::string(reinterpret_cast<const char*>(puffer->getBuffer()), puffer->getSize());
    } catch (const std::exception& e) {
        fehler = std::string("the project could not be attached to the PDF: ") + e.what();
        return std::nullopt;
    }
}

std::optional<std::string> TKPdfAnhang::ProjektLesen(const std::filesystem::path& datei,
                                                     TFehler& fehler, std::string& grund,
                                                     std::uintmax_t grenze) {
    return Lesen([&](QPDF& pdf) { pdf.processFile(datei.c_str()); }, fehler, grund, grenze);
}

std::optional<std::string> TKPdfAnhang::ProjektAusText(std::string_view text, TFehler& fehler,
                                                       std::string& grund, std::uintmax_t grenze) {
    // processMemoryFile keeps a pointer to the bytes; they outlive the QPDF of Lesen.
    return Lesen([&](QPDF& pdf) { pdf.processMemoryFile("PDF", text.data(), text.size()); }, fehler,
                 grund, grenze);
}

std::string TKPdfAnhang::Meldung(TFehler fehler) {
    switch (fehler) {
    case TFehler::Beschaedigt:
        return Ressource(res::PdfBeschaedigt);
    case TFehler::OhneProjekt:
        return Ressource(res::PdfOhneProjekt);
    case TFehler::ZuGross:
        return Ressource(res::PdfProjektZuGross);
    case TFehler::Keiner:
        break;
    }
    return {};
}

} // namespace trv
