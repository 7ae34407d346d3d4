#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trv {

// The document information of a PDF the program writes.
struct TKPdfInfo {
    std::string Titel;
    std::string Autor;
    std::string Thema;
    std::string Stichwoerter;
    std::string Programm; // the creator
    std::time_t Erstellt = 0;
};

// The project a result sheet carries: the project file as it would be saved, under a name.
struct TKPdfBeilage {
    std::string Dateiname; // "Bridge.TRV"
    std::string Inhalt;    // the project file's bytes
    TKPdfInfo Info;
};

// The project file attached to a result sheet's PDF. Writing post-processes the PDF another
// library wrote: the pages are copied untouched, the project file becomes an embedded file of
// the document and the document information is replaced. Reading finds that attachment
// again; a PDF of any other origin, damaged or hostile, gives a reason and never more.
class TKPdfAnhang {
public:
    // The type the attachment is marked with; readers also take a name ending in ".TRV".
    static constexpr const char* Mimetyp = "application/x-trv-project";

    // Why a read failed.
    enum class TFehler { Keiner, Beschaedigt, OhneProjekt, ZuGross };

    // True when the file starts like a PDF ("%PDF-"); false for anything else or an
    // unreadable file.
    static bool IstPdf(const std::filesystem::path& datei);
    static bool IstPdf(std::string_view inhalt);

    // The PDF at quelle with beilage attached and its information set, as bytes. Nothing and a
    // reason in fehler when quelle is no readable PDF.
    static std::optional<std::string> Einbetten(const std::filesystem::path& quelle,
                                                const TKPdfBeilage& beilage, std::string& fehler);

    // The attached project file of the PDF (the first embedded file marked as a project or
    // named *.TRV), at most grenze bytes once decoded. Nothing on failure, with the kind in
    // fehler and a short English reason in grund.
    static std::optional<std::string> ProjektLesen(const std::filesystem::path& datei,
                                                   TFehler& fehler, std::string& grund,
                                                   std::uintmax_t grenze);
    static std::optional<std::string> ProjektAusText(std::string_view pdf, TFehler& fehler,
                                                     std::string& grund, std::uintmax_t grenze);

    // The message to show for a failed read ("" for Keiner).
    static std::string Meldung(TFehler fehler);
};

} // namespace trv
