// A printed page must show the drawing of the preview page: every length the drawing code
// gives in pixels is a pixel of a 96 dpi screen. The sheet was printed at 1200 dpi with its
// thick concrete edges as 0.06 mm hairlines, dotted cut edges as solid lines, the rising load
// as a flat strip and indices of turned texts not lowered.

#include "printing/Ergebnisblatt.h"

#include "Aufzeichner.h"
#include "Positionen.h"
#include "model/Modell.h"
#include "printing/Positionsskizzen.h"
#include "printing/Seitenmasse.h"
#include "sketches/Farbe.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace trv {
namespace {

using test::Aufzeichner;
using test::Aufzeichnung;
using Art = Aufzeichnung::Art;
using Rolle = TKFarbe::Rolle;

constexpr double MmJeZoll = 25.4;

QColor Farbe(Rolle rolle) {
    return TKFarbe().Farbe(rolle);
}

bool IstStrich(const Aufzeichnung& a) {
    return a.art != Art::Text && a.stiftStil != Qt::NoPen;
}

// One page of a result sheet recorded on a device of the given resolution, as the preview
// (screen) or the printer sets it up.
struct Seite {
    std::vector<Aufzeichnung> Liste;
    int Dpi = 96;
    double Mm(double pixel) const { return pixel * MmJeZoll / Dpi; }
};

Seite Aufnehmen(test::Projekt& p, int nummer, bool drucker) {
    Druckergeometrie g = StandardGeometrie();
    const int dpi = drucker ? g.AufloesungY : 96;
    Seitenmasse m;
    m.SeiteEinrichten(g);
    const QSize groesse = drucker ? QSize(g.DruckBreite, g.DruckHoehe) : m.BildGroesse(96);
    Aufzeichner geraet(groesse.width(), groesse.height(), dpi);
    {
        QPainter canvas(&geraet);
        if (drucker) {
            m.FuerDrucker(canvas, g);
        } else {
            m.FuerBildschirm(canvas, 96);
        }
        const TKAnwendung& a = p.Anwendung();
        Positionsskizzen skizzen(*p.Modell, a, '.');
        Ergebnisblatt blatt(a, KopfAusModell(*p.Modell, a, true), '.', skizzen);
        blatt.SeiteZeichnen(canvas, m, nummer, blatt.Titel());
    }
    return {geraet.Liste, dpi};
}

// The widest pen among the strokes in the colour and style, in mm.
double BreitesterStift(const Seite& s, const QColor& farbe, Qt::PenStyle stil) {
    double breite = 0;
    for (const Aufzeichnung& a : s.Liste) {
        if (IstStrich(a) && a.stift == farbe && a.stiftStil == stil) {
            breite = std::max(breite, a.stiftBreiteF);
        }
    }
    return s.Mm(breite);
}

// The load arrows of the strip of a line load on the load sketch: vertical dimension-coloured
// shafts followed by their heads, all ending on the same base line. Their lengths in mm.
std::vector<double> Streifenpfeile(const Seite& s) {
    std::map<int, std::vector<double>> nachBasis;
    for (std::size_t i = 0; i + 1 < s.Liste.size(); ++i) {
        const Aufzeichnung& a = s.Liste[i];
        if (a.art == Art::Linie && a.rahmen.width() == 0 && a.stift == Farbe(Rolle::Bemassung) &&
            s.Liste[i + 1].art == Art::Polylinie) {
            nachBasis[static_cast<int>(a.rahmen.bottom())].push_back(s.Mm(a.rahmen.height()));
        }
    }
    std::vector<double> streifen;
    for (const auto& [basis, laengen] : nachBasis) {
        if (laengen.size() > streifen.size()) {
            streifen = laengen;
        }
    }
    return streifen;
}

// How far the index of the turned load label of the system sketch ("q" with "Ed") is set
// off from its main text, mm across the text.
std::optional<double> IndexVersatz(const Seite& s) {
    for (std::size_t i = 0; i + 1 < s.Liste.size(); ++i) {
        const Aufzeichnung& haupt = s.Liste[i];
        const Aufzeichnung& index = s.Liste[i + 1];
        if (haupt.art == Art::Text && haupt.text == QStringLiteral("q") && index.art == Art::Text &&
            index.text == QStringLiteral("Ed") &&
            haupt.rahmen.width() > haupt.rahmen.height()) { // turned
            return s.Mm(index.rahmen.left() - haupt.rahmen.left());
        }
    }
    return std::nullopt;
}

class DruckWieBildschirm : public ::testing::Test {
protected:
    // A row under a load rising from 21 to 84 kN/m, as in the slab-to-wall example.
    test::Projekt projekt_ = test::ReiheDecke(21, 84, 3000);
};

TEST_F(DruckWieBildschirm, SkizzenHabenAufPapierDieMasseDesBildschirms) {
    for (int nummer : {1, 2}) {
        SCOPED_TRACE(nummer);
        const Seite bildschirm = Aufnehmen(projekt_, nummer, false);
        const Seite papier = Aufnehmen(projekt_, nummer, true);
        ASSERT_GT(papier.Dpi, 4 * bildschirm.Dpi);

        // Thick concrete edges: 3 screen pixels, 0.79 mm.
        const double kante = BreitesterStift(bildschirm, Farbe(Rolle::BetonPen), Qt::SolidLine);
        EXPECT_NEAR(kante, 3 * MmJeZoll / 96, 0.01);
        EXPECT_NEAR(BreitesterStift(papier, Farbe(Rolle::BetonPen), Qt::SolidLine), kante, 0.01);
        // Dotted cut edges: the dots are pen widths long, so equal widths give equal dots.
        const double punkt = BreitesterStift(bildschirm, Farbe(Rolle::BetonPen), Qt::DotLine);
        EXPECT_GT(punkt, 0);
        EXPECT_NEAR(BreitesterStift(papier, Farbe(Rolle::BetonPen), Qt::DotLine), punkt, 0.01);
        // Dimension lines and arrows.
        const double mass = BreitesterStift(bildschirm, Farbe(Rolle::Bemassung), Qt::SolidLine);
        EXPECT_GT(mass, 0);
        EXPECT_NEAR(BreitesterStift(papier, Farbe(Rolle::Bemassung), Qt::SolidLine), mass, 0.01);
    }
}

TEST_F(DruckWieBildschirm, SteigendeLastUndTiefgestellteIndizesWieAmBildschirm) {
    const Seite bildschirm = Aufnehmen(projekt_, 1, false);
    const Seite papier = Aufnehmen(projekt_, 1, true);

    // The schematic rising load grows by 10 screen pixels (2.6 mm) from its first arrow to
    // its last.
    const std::vector<double> klein = Streifenpfeile(bildschirm);
    const std::vector<double> gross = Streifenpfeile(papier);
    ASSERT_GE(klein.size(), 5u);
    ASSERT_GE(gross.size(), 5u);
    const double anstieg = klein.back() - klein.front();
    EXPECT_NEAR(anstieg, 10 * MmJeZoll / 96, 0.3);
    EXPECT_NEAR(gross.back() - gross.front(), anstieg, 0.3);
    EXPECT_NEAR(gross.front(), klein.front(), 0.5);

    const std::optional<double> versatzBildschirm = IndexVersatz(bildschirm);
    const std::optional<double> versatzPapier = IndexVersatz(papier);
    ASSERT_TRUE(versatzBildschirm && versatzPapier);
    // Half the index size, 3 screen pixels (0.8 mm); a screen pixel of rounding either way.
    EXPECT_NEAR(*versatzBildschirm, 3 * MmJeZoll / 96, 0.3);
    EXPECT_NEAR(*versatzPapier, *versatzBildschirm, 0.3);
}

TEST_F(DruckWieBildschirm, KeineLinieDuennerAlsEinFuenftelPunkt) {
    for (int nummer : {1, 2}) {
        const Seite papier = Aufnehmen(projekt_, nummer, true);
        const double minimum = 0.2 / 72 * papier.Dpi; // device pixels
        int striche = 0;
        for (const Aufzeichnung& a : papier.Liste) {
            if (!IstStrich(a)) {
                continue;
            }
            ++striche;
            EXPECT_FALSE(a.stiftKosmetisch) << nummer << ": a hairline pen";
            EXPECT_GE(a.stiftBreiteF, minimum) << nummer << ": " << static_cast<int>(a.art);
        }
        EXPECT_GT(striche, 100) << nummer;
    }
}

// The content streams of a PDF (every one Qt's PDF writer compresses), inflated.
std::vector<QByteArray> PdfInhalte(const QString& pfad) {
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray pdf = datei.readAll();
    const QByteArray anfang = "/FlateDecode\n>>\nstream\n";
    std::vector<QByteArray> inhalte;
    for (qsizetype i = pdf.indexOf(anfang); i >= 0; i = pdf.indexOf(anfang, i + 1)) {
        const qsizetype von = i + anfang.size();
        const qsizetype bis = pdf.indexOf("endstream", von);
        if (bis < 0) {
            break;
        }
        // qUncompress wants the zlib stream behind its expected size (big endian).
        QByteArray daten(4, '\0');
        const quint32 erwartet = 16u << 20;
        for (int k = 0; k < 4; ++k) {
            daten[k] = static_cast<char>((erwartet >> (8 * (3 - k))) & 0xff);
        }
        daten += pdf.mid(von, bis - von);
        inhalte.push_back(qUncompress(daten));
    }
    return inhalte;
}

// The width of every line a content stream strokes, in points on the page: the line width
// ("w") times the scale of the transformation ("cm") when a stroke operator runs; both are
// saved and restored by "q" and "Q".
std::vector<double> Linienbreiten(const QByteArray& inhalt) {
    struct Zustand {
        double Skalierung = 1;
        double Breite = 1;
    };
    std::vector<double> breiten;
    std::vector<Zustand> stapel(1);
    std::vector<double> zahlen;
    for (const QByteArray& wort : inhalt.simplified().split(' ')) {
        bool zahl = false;
        const double wert = wort.toDouble(&zahl);
        if (zahl) {
            zahlen.push_back(wert);
            continue;
        }
        Zustand& z = stapel.back();
        if (wort == "q") {
            stapel.push_back(z);
        } else if (wort == "Q" && stapel.size() > 1) {
            stapel.pop_back();
        } else if (wort == "cm" && zahlen.size() >= 6) {
            const double* m = &zahlen[zahlen.size() - 6];
            z.Skalierung *= std::sqrt(std::abs(m[0] * m[3] - m[1] * m[2]));
        } else if (wort == "w" && !zahlen.empty()) {
            z.Breite = zahlen.back();
        } else if (wort == "S" || wort == "s" || wort == "B" || wort == "B*" || wort == "b" ||
                   wort == "b*") {
            breiten.push_back(z.Breite * z.Skalierung);
        }
        zahlen.clear();
    }
    return breiten;
}

TEST_F(DruckWieBildschirm, PdfOhneHaarlinien) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("blatt.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setOutputFileName(pfad);
    const TKAnwendung& a = projekt_.Anwendung();
    Positionsskizzen skizzen(*projekt_.Modell, a, '.');
    Ergebnisblatt blatt(a, KopfAusModell(*projekt_.Modell, a, true), '.', skizzen);
    Seitenmasse m;
    std::string fehler;
    ASSERT_TRUE(ErgebnisblattDrucken(drucker, m, blatt, fehler)) << fehler;

    std::vector<double> breiten;
    for (const QByteArray& inhalt : PdfInhalte(pfad)) {
        const std::vector<double> seite = Linienbreiten(inhalt);
        breiten.insert(breiten.end(), seite.begin(), seite.end());
    }
    ASSERT_GT(breiten.size(), 100u);
    EXPECT_GE(*std::min_element(breiten.begin(), breiten.end()), 0.2);
    // The thick edges: 3 screen pixels are 2.25 pt.
    EXPECT_TRUE(std::any_of(breiten.begin(), breiten.end(),
                            [](double b) { return std::abs(b - 2.25) < 0.01; }));
}

} // namespace
} // namespace trv
