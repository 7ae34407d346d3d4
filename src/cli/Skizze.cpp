#include "cli/Grafik.h"
#include "cli/Kommandozeile.h"
#include "cli/Projekt.h"
#include "files/AtomareDatei.h"
#include "model/Modell.h"
#include "platform/Umgebung.h"
#include "sketches/Farbe.h"
#include "sketches/Skizzen.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>

namespace trv::cli {

namespace {

constexpr const char* Aufruf =
    "sketch IN.TRV --view view|plan|section|row|input -o OUT.png|OUT.svg "
    "[--position N] [--size WxH] [--language CODE]";
constexpr int StandardBreite = 800;
constexpr int StandardHoehe = 600;
constexpr int GroessteSeite = 10000; // px; keeps a typing error from asking for gigabytes
constexpr int BildDpi = 96;

using Methode = void (TKSkizzen::*)(QPainter&, const QRect&, double) const;

struct Ansicht {
    const char* Name;
    Methode Skizze;
};

constexpr std::array kAnsichten{
    Ansicht{"view", &TKSkizzen::Ansicht},    Ansicht{"plan", &TKSkizzen::Draufsicht},
    Ansicht{"section", &TKSkizzen::Schnitt}, Ansicht{"row", &TKSkizzen::Reihe},
    Ansicht{"input", &TKSkizzen::Eingabe},
};

enum class Format { Png, Svg };

std::optional<Format> FormatAusName(const std::string& pfad) {
    const auto punkt = pfad.rfind('.');
    if (punkt == std::string::npos) {
        return std::nullopt;
    }
    std::string endung = pfad.substr(punkt + 1);
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (endung == "png") {
        return Format::Png;
    }
    if (endung == "svg") {
        return Format::Svg;
    }
    return std::nullopt;
}

// "WxH" with both parts from 16 to GroessteSeite.
std::optional<QSize> GroesseAusText(const std::string& text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<int> b = PositiveZahl(text.substr(0, x));
    const std::optional<int> h = PositiveZahl(text.substr(x + 1));
    if (!b || !h || *b < 16 || *h < 16 || *b > GroessteSeite || *h > GroessteSeite) {
        return std::nullopt;
    }
    return QSize(*b, *h);
}

int Aufruffehler(std::ostream& err, const std::string& text) {
    err << "trv-cli sketch: " << text << "\nusage: trv-cli " << Aufruf << "\n";
    return ExitAufruf;
}

QByteArray PngBild(const TKSkizzen& skizzen, Methode skizze, QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    const int proMeter = static_cast<int>(BildDpi / 0.0254 + 0.5);
    bild.setDotsPerMeterX(proMeter);
    bild.setDotsPerMeterY(proMeter);
    bild.fill(Qt::white);
    {
        QPainter canvas(&bild);
        (skizzen.*skizze)(canvas, QRect(QPoint(0, 0), groesse), 1);
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, "PNG") ? daten : QByteArray();
}

QByteArray SvgBild(const TKSkizzen& skizzen, Methode skizze, QSize groesse) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(BildDpi); // fonts in points get the size they have in the PNG
    svg.setTitle(QStringLiteral("TRV sketch"));
    {
        QPainter canvas;
        if (!canvas.begin(&svg)) {
            return {};
        }
        (skizzen.*skizze)(canvas, QRect(QPoint(0, 0), groesse), 1);
    }
    return daten;
}

int SkizzeAusfuehren(const Argumente& args, std::ostream& out, std::ostream& err) {
    (void)out;
    if (args.Positionen().size() != 1) {
        return Aufruffehler(err, "expects one input file");
    }
    const std::optional<std::string> name = args.Wert("--view");
    if (!name) {
        return Aufruffehler(err, "--view is missing");
    }
    const auto ansicht = std::find_if(kAnsichten.begin(), kAnsichten.end(),
                                      [&](const Ansicht& a) { return *name == a.Name; });
    if (ansicht == kAnsichten.end()) {
        return Aufruffehler(err, "unknown view '" + *name + "'");
    }
    const std::optional<std::string> ziel = args.Wert("-o");
    if (!ziel || ziel->empty()) {
        return Aufruffehler(err, "-o OUT.png or -o OUT.svg is missing");
    }
    QSize groesse(StandardBreite, StandardHoehe);
    if (const std::optional<std::string> text = args.Wert("--size")) {
        const std::optional<QSize> g = GroesseAusText(*text);
        if (!g) {
            return Aufruffehler(err, "--size must be WxH with 16 to " +
                                         std::to_string(GroessteSeite) + " pixels each: '" + *text +
                                         "'");
        }
        groesse = *g;
    }

    std::unique_ptr<TKModell> modell = ProjektOeffnen(args.Positionen().front(), err);
    if (!modell) {
        return ExitDatei;
    }
    // Checked after the project is read, so an unreadable input is always reported as such.
    const std::optional<Format> format = FormatAusName(*ziel);
    if (!format) {
        return Aufruffehler(err, "the output must end in .png or .svg: '" + *ziel + "'");
    }
    const std::optional<int> nr = GewaehltePosition(args, *modell, err);
    if (!nr) {
        err << "usage: trv-cli " << Aufruf << "\n";
        return ExitAufruf;
    }
    const Grafikumgebung grafik;
    const TKAnwendung& anwendung = modell->Anwendung(*nr);
    if (ansicht->Skizze != &TKSkizzen::Eingabe && !anwendung.Ergebnisse().Berechnet()) {
        err << "trv-cli sketch: position " << *nr
            << " has no results; the result sketches need a calculated position (trv-cli calc)\n";
        return ExitFehler;
    }
    const TKFarbe farbe = TKFarbe::Lesen(modell->Ini());
    const TKSkizzen skizzen(*modell, anwendung, farbe, modell->Regional().Dezimaltrenner);
    const QByteArray daten = *format == Format::Png ? PngBild(skizzen, ansicht->Skizze, groesse)
                                                    : SvgBild(skizzen, ansicht->Skizze, groesse);
    if (daten.isEmpty()) {
        err << "trv-cli sketch: the picture could not be made\n";
        return ExitFehler;
    }
    std::string fehler;
    if (!DateiAtomarSchreiben(*ziel, std::string_view(daten.constData(), daten.size()), fehler)) {
        err << "trv-cli sketch: cannot write " << *ziel << ": " << fehler << "\n";
        return ExitFehler;
    }
    return ExitOk;
}

} // namespace

Unterbefehl SkizzeBefehl() {
    return {"sketch",
            Aufruf,
            "draws one sketch of a position (view, plan view, section, connector row or the "
            "input sketch) as a PNG or SVG picture",
            {{"--view", true},
             {"-o", true},
             {"--position", true},
             {"--size", true},
             {"--language", true}},
            SkizzeAusfuehren};
}

} // namespace trv::cli
