// Guards against texts printed on top of each other: dimension numbers of narrow spacings
// running into one blob, column heads running into the next column, labels crossed by their
// own leader lines. Every word of every printed page is measured as poppler reads it back
// (pdftotext -bbox); every TEXT of the DXF drawings with the metrics of Liberation Sans, the
// font that stands in for Arial, at the text's height and width factor.

#include "PdfText.h"

#include "calculation/Bemessung.h"
#include "calculation/Plausibilitaet.h"
#include "dxf/DxfBewehrung.h"
#include "files/IniDatei.h"
#include "files/Regional.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "printing/Ergebnisblatt.h"
#include "printing/Positionsskizzen.h"
#include "printing/Seitenmasse.h"
#include "printing/Seitenrahmen.h"
#include "printing/StuecklisteDruck.h"
#include "schedule/Stuecklistenregeln.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineF>
#include <QPrinter>
#include <QRawFont>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>

namespace trv {

namespace {

struct Wortbox {
    QRectF rahmen;
    QString text;
};

// Boxes that share more than a sliver: words set side by side touch, they do not overlap.
bool Ueberlappen(const QRectF& a, const QRectF& b, double toleranz) {
    const QRectF s = a.intersected(b);
    return s.width() > toleranz && s.height() > toleranz;
}

struct Befund {
    int Paare = 0;
    std::vector<std::string> Beispiele;
    void Melden(const std::string& wo, const QString& a, const QString& b) {
        ++Paare;
        if (Beispiele.size() < 40) {
            Beispiele.push_back(wo + ": \"" + a.toStdString() + "\" / \"" + b.toStdString() + "\"");
        }
    }
};

void BoxenPruefen(const std::vector<Wortbox>& boxen, double toleranz, const std::string& wo,
                  Befund& befund) {
    for (std::size_t i = 0; i < boxen.size(); ++i) {
        for (std::size_t j = i + 1; j < boxen.size(); ++j) {
            if (Ueberlappen(boxen[i].rahmen, boxen[j].rahmen, toleranz)) {
                befund.Melden(wo, boxen[i].text, boxen[j].text);
            }
        }
    }
}

// The words of each page of a PDF as poppler places them (points, y downwards).
std::vector<std::vector<Wortbox>> PdfWoerter(const QString& pdf) {
    const QString html = test::PdfBoxenLesen(pdf);
    std::vector<std::vector<Wortbox>> seiten;
    static const QRegularExpression zeile(
        QStringLiteral("<page |<word xMin=\"([^\"]+)\" yMin=\"([^\"]+)\" xMax=\"([^\"]+)\" "
                       "yMax=\"([^\"]+)\">([^<]*)</word>"));
    auto it = zeile.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            seiten.emplace_back();
            continue;
        }
        if (seiten.empty()) {
            continue;
        }
        const double x0 = m.captured(1).toDouble();
        const double y0 = m.captured(2).toDouble();
        const double x1 = m.captured(3).toDouble();
        const double y1 = m.captured(4).toDouble();
        seiten.back().push_back({QRectF(QPointF(x0, y0), QPointF(x1, y1)), m.captured(5)});
    }
    return seiten;
}

void PdfPruefen(const QString& pdf, const std::string& wo, Befund& befund) {
    const auto seiten = PdfWoerter(pdf);
    EXPECT_FALSE(seiten.empty()) << wo;
    for (std::size_t s = 0; s < seiten.size(); ++s) {
        EXPECT_FALSE(seiten[s].empty()) << wo << " page " << s + 1 << " has no text";
        // A quarter point: more than rounding, far less than any glyph.
        BoxenPruefen(seiten[s], 0.25, wo + " page " + std::to_string(s + 1), befund);
    }
}

// --- DXF ------------------------------------------------------------------------------------

struct DxfText {
    QPointF position, ausrichtung;
    double hoehe = 0, drehung = 0, breitenfaktor = 1;
    int justierung = 0;
    QString text;
};

struct DxfInhalt {
    std::vector<DxfText> Texte;
    std::vector<QLineF> Linien;
    QPointF ExtMin, ExtMax;
};

// A deliberately small reader: the writer's own output, group code and value on two lines.
DxfInhalt DxfLesen(const std::string& datei) {
    std::ifstream ein(datei);
    std::vector<std::pair<int, std::string>> gruppen;
    std::string code, wert;
    while (std::getline(ein, code) && std::getline(ein, wert)) {
        if (!wert.empty() && wert.back() == '\r') {
            wert.pop_back();
        }
        gruppen.emplace_back(std::stoi(code), wert);
    }
    DxfInhalt inhalt;
    const auto zahl = [](const std::string& s) { return std::stod(s); };
    for (std::size_t i = 0; i < gruppen.size(); ++i) {
        const auto& [c, v] = gruppen[i];
        if (c == 9 && (v == "$EXTMIN" || v == "$EXTMAX") && i + 2 < gruppen.size()) {
            const QPointF p(zahl(gruppen[i + 1].second), zahl(gruppen[i + 2].second));
            (v == "$EXTMIN" ? inhalt.ExtMin : inhalt.ExtMax) = p;
        }
        if (c != 0 || (v != "TEXT" && v != "LINE")) {
            continue;
        }
        std::map<int, std::string> f;
        std::size_t k = i + 1;
        for (; k < gruppen.size() && gruppen[k].first != 0; ++k) {
            f[gruppen[k].first] = gruppen[k].second;
        }
        if (v == "LINE") {
            inhalt.Linien.emplace_back(zahl(f[10]), zahl(f[20]), zahl(f[11]), zahl(f[21]));
        } else {
            DxfText t;
            t.position = {zahl(f[10]), zahl(f[20])};
            t.ausrichtung = f.count(11) ? QPointF(zahl(f[11]), zahl(f[21])) : t.position;
            t.hoehe = zahl(f[40]);
            t.drehung = f.count(50) ? zahl(f[50]) : 0.0;
            t.breitenfaktor = f.count(41) ? zahl(f[41]) : 1.0;
            t.justierung = f.count(72) ? std::stoi(f[72]) : 0;
            // The file is in code page 1252 ($DWGCODEPAGE); its letters are those of Latin-1.
            t.text = QString::fromLatin1(f[1]);
            inhalt.Texte.push_back(t);
        }
        i = k - 1;
    }
    return inhalt;
}

// Liberation Sans at a height whose capitals are h high (the height of a DXF text).
class Schriftmass {
public:
    Schriftmass() : font_(QStringLiteral("Liberation Sans")) {
        font_.setPixelSize(1000);
        const QFontMetricsF fm(font_);
        proGross_ = fm.capHeight() / 1000.0;
        oberlaenge_ = fm.ascent() / 1000.0;
        unterlaenge_ = fm.descent() / 1000.0;
    }
    bool Geladen() const { return QFontInfo(font_).family() == QStringLiteral("Liberation Sans"); }
    double Breite(const QString& text, double h) const {
        return QFontMetricsF(font_).horizontalAdvance(text) / 1000.0 * Em(h);
    }
    double Em(double h) const { return h / proGross_; }
    double Oberlaenge(double h) const { return oberlaenge_ * Em(h); }
    double Unterlaenge(double h) const { return unterlaenge_ * Em(h); }

private:
    QFont font_;
    double proGross_ = 0.7, oberlaenge_ = 0.9, unterlaenge_ = 0.2;
};

// The text's box in drawing units (y upwards), font ascent to descent, or baseline to capital
// height when eng: a line through that box runs through the letters.
QRectF DxfBox(const DxfText& t, const Schriftmass& s, bool eng) {
    const double breite = s.Breite(t.text, t.hoehe) * t.breitenfaktor;
    const double anfang = t.justierung == 1 ? -breite / 2 : (t.justierung == 2 ? -breite : 0.0);
    const QRectF lokal = eng ? QRectF(anfang, 0, breite, t.hoehe)
                             : QRectF(anfang, -s.Unterlaenge(t.hoehe), breite,
                                      s.Oberlaenge(t.hoehe) + s.Unterlaenge(t.hoehe));
    const QPointF ort = t.justierung == 0 ? t.position : t.ausrichtung;
    QTransform m;
    m.translate(ort.x(), ort.y());
    m.rotate(t.drehung);
    return m.mapRect(lokal);
}

bool Kreuzt(const QLineF& l, const QRectF& r) {
    // Clipped against the box shrunk a little: a line that only touches an edge does not count.
    const QRectF innen = r.adjusted(0.5, 0.5, -0.5, -0.5);
    if (!innen.isValid()) {
        return false;
    }
    double t0 = 0, t1 = 1;
    const double dx = l.dx(), dy = l.dy();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1() - innen.left(), innen.right() - l.x1(), l.y1() - innen.top(),
                        innen.bottom() - l.y1()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) {
                return false;
            }
        } else {
            const double t = q[k] / p[k];
            if (p[k] < 0) {
                t0 = std::max(t0, t);
            } else {
                t1 = std::min(t1, t);
            }
        }
    }
    return t0 < t1;
}

void DxfPruefen(const std::string& datei, const std::string& wo, const Schriftmass& s,
                Befund& befund, Befund& gekreuzt, Befund& ausserhalb) {
    const DxfInhalt d = DxfLesen(datei);
    ASSERT_FALSE(d.Texte.empty()) << wo;
    std::vector<Wortbox> boxen;
    for (const DxfText& t : d.Texte) {
        boxen.push_back({DxfBox(t, s, false), t.text});
        const QRectF eng = DxfBox(t, s, true);
        for (const QLineF& l : d.Linien) {
            if (Kreuzt(l, eng)) {
                gekreuzt.Melden(wo, t.text,
                                QStringLiteral("line %1,%2 - %3,%4")
                                    .arg(l.x1())
                                    .arg(l.y1())
                                    .arg(l.x2())
                                    .arg(l.y2()));
            }
        }
        const QRectF r = boxen.back().rahmen;
        const double rand = 0.01; // the header's five decimals
        if (r.left() < d.ExtMin.x() - rand || r.top() < d.ExtMin.y() - rand ||
            r.right() > d.ExtMax.x() + rand || r.bottom() > d.ExtMax.y() + rand) {
            ausserhalb.Melden(wo, t.text, QStringLiteral("extents"));
        }
    }
    BoxenPruefen(boxen, 0.5, wo, befund);
}

// --- Projects -------------------------------------------------------------------------------

class Zufall {
public:
    explicit Zufall(unsigned saat) : gen_(saat) {}
    double Zahl(double von, double bis) { return std::uniform_real_distribution<>(von, bis)(gen_); }
    int Ganz(int von, int bis) { return std::uniform_int_distribution<>(von, bis)(gen_); }
    double Runde(double von, double bis, double raster) {
        return std::round(Zahl(von, bis) / raster) * raster;
    }

private:
    std::mt19937 gen_;
};

void LastZufall(Zufall& z, TKLast& last, double bis) {
    last.SetGk(z.Runde(0, bis / 2, 0.5));
    last.SetQk(z.Runde(0, bis / 3, 0.5));
    last.SetF1(z.Ganz(0, 3) == 0 ? z.Runde(0, bis / 4, 0.5) : 0.0);
}

// A position inside the input ranges, with the plausibility rules met, calculated.
std::unique_ptr<TKModell> ZufallsProjekt(Zufall& z) {
    for (;;) {
        auto modell = std::make_unique<TKModell>(TKIniDatei(), TKRegional::Standard());
        TKAnwendung& a = modell->AktuelleAnwendung();
        a.SetPosition("Z" + std::to_string(z.Ganz(1, 999)));
        a.SetAnwendungsfall(static_cast<std::uint8_t>(z.Ganz(0, 2)));
        a.SetBewehrungCalc(static_cast<std::uint8_t>(z.Ganz(0, 1)));
        a.SetBetonguete(static_cast<std::uint8_t>(z.Ganz(0, 3)));
        TKGeometrie& g = a.Geometrie();
        g.SetFugenbreite(static_cast<std::uint8_t>(z.Ganz(0, 6)));
        const double dicke = z.Runde(150, 600, 10);
        g.SetPlatteDicke(dicke);
        g.SetNutzhoehe(dicke - 40);
        g.SetBetondeckungOben(z.Runde(10, 60, 5));
        g.SetBetondeckungUnten(z.Runde(10, 60, 5));
        g.SetWandDicke(z.Runde(150, 600, 10));
        g.SetFugenlaenge(z.Ganz(0, 4) == 0 ? z.Runde(8000, 30000, 100) : z.Runde(300, 8000, 50));
        g.SetBauteilRandLinks(z.Runde(120, 1500, 10));
        g.SetBauteilRandRechts(z.Runde(120, 1500, 10));
        const bool einzeln = a.Anwendungsfall() == 0;
        g.SetRandLinks(einzeln);
        g.SetRandRechts(einzeln);

        TKBelastung& b = a.BelastungDesign();
        b.SetBelastungsfall(static_cast<std::uint8_t>(einzeln ? 0 : z.Ganz(1, 3)));
        LastZufall(z, b.Punktlast(), 200);
        LastZufall(z, b.LinienLastLinks(), 150);
        if (b.Belastungsfall() == 1) {
            b.LinienLastRechts() = b.LinienLastLinks();
        } else {
            LastZufall(z, b.LinienLastRechts(), 150);
        }
        b.LinienLastBestimmen();
        const double l = einzeln ? g.BauteilRandLinks() + g.BauteilRandRechts() : g.Fugenlaenge();
        b.SetLastLaenge(l);
        if (b.Belastungsfall() == 3) {
            b.PunkteLoeschen();
            const int punkte = z.Ganz(2, 12);
            for (int k = 0; k < punkte; ++k) {
                const double x = k == 0 ? 0.0 : (k == punkte - 1 ? l : z.Runde(0, l, 10));
                b.PunktHinzufuegen(x, z.Runde(0, 150, 0.5));
            }
        }
        if (!EingabenPruefen(a).empty()) {
            continue;
        }
        TKTRVBemessung(a).AlleTypenBemessen();
        modell->SetEingabeDorn(a.Ergebnisse().AktDorn());
        modell->DornDatenLaden();
        modell->EingabeGeometrie() = a.Geometrie();
        return modell;
    }
}

std::vector<std::filesystem::path> Beispiele() {
    std::vector<std::filesystem::path> dateien;
    for (const auto& e : std::filesystem::directory_iterator(TRV_EXAMPLES_DIR)) {
        if (e.path().extension() == ".TRV") {
            dateien.push_back(e.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

class Ueberlappung : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner_.isValid());
        // To look at what was measured: TRV_UEBERLAPPUNG_BEHALTEN=1 keeps the files.
        if (qEnvironmentVariableIsSet("TRV_UEBERLAPPUNG_BEHALTEN")) {
            ordner_.setAutoRemove(false);
            std::cout << "[ overlaps ] files in " << ordner_.path().toStdString() << "\n";
        }
    }

    QString NeuesPdf(QPrinter& drucker, const std::string& wo) {
        const QString pdf = ordner_.filePath(Dateiname(wo, "pdf"));
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setOutputFileName(pdf);
        return pdf;
    }

    void BlattPruefen(const TKModell& modell, const TKAnwendung& a, const std::string& wo) {
        QPrinter drucker(QPrinter::HighResolution);
        const QString pdf = NeuesPdf(drucker, wo);
        const char trenner = modell.Regional().Dezimaltrenner;
        Positionsskizzen skizzen(modell, a, trenner);
        Ergebnisblatt blatt(a, KopfAusModell(modell, a, true), trenner, skizzen);
        Seitenmasse masse;
        std::string fehler;
        ASSERT_TRUE(ErgebnisblattDrucken(drucker, masse, blatt, fehler)) << wo << fehler;
        PdfPruefen(pdf, wo + " sheet", blatt_);
    }

    void ZeichnungPruefen(const TKModell& modell, const TKAnwendung& a, const std::string& wo) {
        const std::string dxf = ordner_.filePath(Dateiname(wo, "dxf")).toStdString();
        std::string fehler;
        ASSERT_TRUE(dxf::DxfBewehrungSpeichern(a, dxf, modell.Regional().Dezimaltrenner, fehler))
            << wo << " " << fehler;
        DxfPruefen(dxf, wo + " dxf", schrift_, zeichnung_, gekreuzt_, ausserhalb_);
    }

    void PositionPruefen(const TKModell& modell, const TKAnwendung& a, const std::string& wo) {
        BlattPruefen(modell, a, wo);
        ZeichnungPruefen(modell, a, wo);
    }

    // The sheets, drawings and schedules of every example project; wo leads every finding.
    void BeispielePruefen(const std::string& wo) {
        for (const auto& datei : Beispiele()) {
            TKModell modell(TKIniDatei(), TKRegional::Standard());
            ASSERT_TRUE(modell.Oeffnen(datei.string()).Ok) << datei;
            const std::string name = wo + datei.filename().string();
            for (int nr = 1; nr <= modell.AnzAnwendung(); ++nr) {
                const TKAnwendung& a = modell.Anwendung(nr);
                if (a.Ergebnisse().Berechnet()) {
                    PositionPruefen(modell, a, name + " position " + std::to_string(nr));
                }
            }
            if (!AktiveEintraege(modell.Stueckliste().Eintraege()).empty()) {
                QPrinter drucker(QPrinter::HighResolution);
                const QString pdf = NeuesPdf(drucker, name + " schedule");
                std::string fehler;
                ASSERT_TRUE(
                    StuecklisteDrucken(drucker, *std::make_unique<Seitenmasse>(),
                                       KopfAusModell(modell, modell.AktuelleAnwendung(), false),
                                       DruckdatenAusModell(modell), fehler))
                    << fehler;
                PdfPruefen(pdf, name + " schedule", liste_);
            }
        }
    }

    void Berichten(const char* was, const Befund& b) {
        std::cout << "[ overlaps ] " << was << ": " << b.Paare << "\n";
        std::string liste;
        for (const std::string& s : b.Beispiele) {
            liste += "  " + s + "\n";
        }
        EXPECT_EQ(b.Paare, 0) << was << ":\n" << liste;
    }

    static QString Dateiname(const std::string& wo, const char* endung) {
        QString name = QString::fromStdString(wo);
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]+")), QStringLiteral("_"));
        return name + QLatin1Char('.') + QLatin1String(endung);
    }

    QTemporaryDir ordner_;
    Schriftmass schrift_;
    Befund blatt_, liste_, zeichnung_, gekreuzt_, ausserhalb_;
};

} // namespace

// Every sheet, schedule and drawing of the examples and of random calculated projects: no
// two words of a page and no two texts of a drawing overlap, no line runs through the letters
// of a drawing's text, and the drawing's extents hold every text.
TEST_F(Ueberlappung, NoTextsOverlapOnSheetsSchedulesAndDrawings) {
    ASSERT_TRUE(schrift_.Geladen()) << "Liberation Sans is not installed (fonts-liberation2)";
    BeispielePruefen("");
    Zufall z(20261210);
    for (int nr = 0; nr < 40; ++nr) {
        const auto modell = ZufallsProjekt(z);
        PositionPruefen(*modell, modell->AktuelleAnwendung(), "random " + std::to_string(nr));
    }
    Berichten("result sheets", blatt_);
    Berichten("schedules", liste_);
    Berichten("DXF texts", zeichnung_);
    Berichten("DXF texts crossed by a line", gekreuzt_);
    Berichten("DXF texts outside the extents", ausserhalb_);
}

// The same in every language module: the translated labels are longer than the English ones
// the sheet's columns were made for, and the drawings' labels differ too.
TEST_F(Ueberlappung, NoTextsOverlapInAnyLanguage) {
    ASSERT_TRUE(schrift_.Geladen()) << "Liberation Sans is not installed (fonts-liberation2)";
    for (const char* endung : {"des", "eng", "fra", "ita", "nld", "esp"}) {
        QTranslator modul;
        ASSERT_TRUE(modul.load(QStringLiteral(TRV_BUILD_DIR "/trv.") + QLatin1String(endung)))
            << endung;
        // The core forgets the module before it goes, also when a check stops the test.
        const std::unique_ptr<QTranslator, void (*)(QTranslator*)> vergessen(
            &modul, [](QTranslator*) { SetzeSprachmodul({}); });
        SetzeSprachmodul([&modul](const char* schluessel, const char* englisch) {
            const QString text = modul.translate("Ressource", englisch, schluessel);
            return text.isEmpty() ? std::string(englisch) : text.toStdString();
        });
        BeispielePruefen(std::string(endung) + " ");
    }
    Berichten("result sheets", blatt_);
    Berichten("schedules", liste_);
    Berichten("DXF texts", zeichnung_);
    Berichten("DXF texts crossed by a line", gekreuzt_);
    Berichten("DXF texts outside the extents", ausserhalb_);
}

} // namespace trv
