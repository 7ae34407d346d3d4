#include "printing/Seitenrahmen.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Textlisten.h"
#include "printing/Druckbilder.h"
#include "printing/Seitenmasse.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <array>

namespace trv {

namespace {

QString Text(int nr) {
    return QString::fromStdString(Ressource(nr));
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The lines of one contact column (a resource of backslash-terminated items).
std::vector<QString> KontaktZeilen(int nr) {
    std::vector<QString> zeilen;
    const QString text = Text(nr);
    qsizetype anfang = 0;
    for (qsizetype ende = text.indexOf('\\'); ende >= 0; ende = text.indexOf('\\', anfang)) {
        zeilen.push_back(text.mid(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return zeilen;
}

int Breite(QPainter& canvas, const QString& text) {
    return QFontMetrics(canvas.font(), canvas.device()).horizontalAdvance(text);
}

// The top of the contact block at the foot of every page (px).
int KontaktblockOben(const Seitenmasse& m) {
    return m.CmNachPixelY(m.SeitenHoehe() - m.DruckRandUnten()) - 5 * m.Zeile6();
}

void Kontaktblock(QPainter& canvas, const Seitenmasse& m) {
    const int L = m.CmNachPixelX(m.DruckRandLinks());
    const int B = KontaktblockOben(m);
    constexpr std::array spalten{0.0, 2.7, 5.15, 8.75, 11.5, 14.9};
    constexpr std::array nummern{res::KontaktSpalte1, res::KontaktSpalte2, res::KontaktSpalte3,
                                 res::KontaktSpalte4, res::KontaktSpalte5, res::KontaktSpalte6};
    for (std::size_t s = 0; s < spalten.size(); ++s) {
        const int x = L + m.CmNachPixelX(spalten[s]);
        const std::vector<QString> zeilen = KontaktZeilen(nummern[s]);
        for (std::size_t z = 0; z < zeilen.size() && z < 5; ++z) {
            canvas.setFont(DruckSchrift(6, z == 0)); // the country in bold
            TextOben(canvas, x, B + static_cast<int>(z) * m.Zeile6(), zeilen[z]);
        }
    }
}

} // namespace

Kopfdaten KopfAusModell(const TKModell& modell, const TKAnwendung& anwendung, bool mitGruenden) {
    const TKProjektdaten& p = modell.Projektbeschreibung();
    Kopfdaten kopf;
    kopf.Bauvorhaben = p.Bauvorhaben();
    kopf.Firma = p.Firma();
    kopf.Bearbeiter = p.Bearbeiter();
    kopf.Datum = p.Datum();
    kopf.Heute = modell.Regional().HeuteKurz;
    kopf.Position = anwendung.Position();
    if (mitGruenden) {
        const TKErgebnisse& e = anwendung.Ergebnisse();
        const std::vector<std::string> texte = TextlistenLaden().StatusLang();
        for (std::uint16_t code : e.DornErgebnis(e.AktDorn()).Fehler().Codes()) {
            kopf.Gruende.push_back(TKTextlisten::Text(texte, code));
        }
    }
    return kopf;
}

double Seitenrahmen(QPainter& canvas, Seitenmasse& m, const std::string& titel,
                    const Kopfdaten& kopf) {
    const int L = m.CmNachPixelX(m.DruckRandLinks());
    const int R = m.CmNachPixelX(m.SeitenBreite() - m.DruckRandRechts());
    const int T = m.CmNachPixelY(m.DruckRandOben());
    canvas.save();
    canvas.setPen(m.Stift());
    canvas.setBrush(Qt::NoBrush);

    BitmapAusRessource(canvas, LogoBild,
                       QRect(m.CmNachPixelX(m.SeitenBreite() - m.DruckRandRechts() - 3.69), T,
                             m.CmNachPixelX(3.69), m.CmNachPixelY(1.23)));

    canvas.setFont(DruckSchrift(14));
    TextOben(canvas, L, T, Text(res::ProgrammTitel));
    TextOben(canvas, L, T + m.Zeile14(), Q(titel));

    canvas.setFont(DruckSchrift(6));
    TextRechts(canvas, R, m.CmNachPixelY(m.DruckRandOben() + 1.5),
               Text(res::ProgrammTitel) + " " + Text(res::ProgrammVersion));

    const int h = m.CmNachPixelY(m.DruckRandOben() + 1.8);
    canvas.drawLine(L, h, R, h);

    canvas.setFont(DruckSchrift(11));
    int z = h + m.Zeile14();
    TextRechts(canvas, R, z, Text(res::KopfDatum) + Q(kopf.Datum));
    TextRechts(canvas, R, z + m.Zeile11(), Text(res::KopfGedruckt) + Q(kopf.Heute));
    TextRechts(canvas, R, z + 2 * m.Zeile11(), Text(res::KopfBearbeiter) + Q(kopf.Bearbeiter));

    TextOben(canvas, L, z, Text(res::KopfFirma));
    int S =
        L + std::max(Breite(canvas, Text(res::KopfProjekt)), Breite(canvas, Text(res::KopfFirma)));
    if (kopf.PositionZeigen) {
        // Its label is longer than the other two in some languages; a blank keeps them apart.
        S = std::max(S, L + Breite(canvas, Text(res::KopfPosition).trimmed() + QLatin1Char(' ')));
    }
    if (kopf.Firma.empty()) {
        z += m.Zeile10();
    }
    for (std::size_t i = 0; i < kopf.Firma.size() && i < 3; ++i) {
        TextOben(canvas, S, z, Q(kopf.Firma[i]));
        z += m.Zeile11();
    }

    z += m.CmNachPixelY(0.15);
    TextOben(canvas, L, z, Text(res::KopfProjekt));
    TextOben(canvas, S, z, Q(kopf.Bauvorhaben));

    if (kopf.PositionZeigen) {
        z += m.Zeile11();
        TextOben(canvas, L, z, Text(res::KopfPosition));
        TextOben(canvas, S, z, Q(kopf.Position));
    }

    if (!kopf.Gruende.empty()) {
        z += 2 * m.Zeile10();
        canvas.setFont(DruckSchrift(12, true, true));
        TextOben(canvas, L, z, Text(res::KopfGruende));
        canvas.setFont(DruckSchrift(10));
        z += m.CmNachPixelY(0.15);
        for (const std::string& grund : kopf.Gruende) {
            z += m.Zeile10();
            TextOben(canvas, L, z, Q(grund));
        }
    }

    const double zentimeter = m.CmNachPixelY(1);
    double kopfHoehe = zentimeter > 0 ? z / zentimeter : 1.0;
    if (!(kopfHoehe > 1.0)) {
        kopfHoehe = 1.0;
    }
    m.SetKopfHoehe(kopfHoehe);

    Kontaktblock(canvas, m);
    canvas.restore();
    return kopfHoehe;
}

void PlatzPruefenDrucker(QPainter& canvas, QPrinter& drucker, Seitenmasse& m,
                         const std::string& titel, const Kopfdaten& kopf, int& y, int hoehe) {
    const int unten = canvas.device()->height();
    // 170 device pixels, not converted: the fixed reserve of the printed schedule. On a
    // printer of much more than 300 dpi that is only millimetres, so the block must also end
    // above the contact block (one small line clear of it), or it would run into the foot of
    // the page and beyond.
    const int fuss = KontaktblockOben(m) - m.Zeile6();
    if (unten - m.CmNachPixelY(2.9) - 170 < y || y + hoehe > fuss) {
        drucker.newPage();
        Seitenrahmen(canvas, m, titel, kopf);
        y = m.CmNachPixelY(m.KopfHoehe() + m.DruckRandOben());
    }
}

void PlatzPruefenBild(QPainter& canvas, QImage& bild, Seitenmasse& m, int y) {
    if (bild.height() - m.CmNachPixelY(2.9) - 250 < y) {
        const QFont schrift = canvas.font();
        const QPen stift = canvas.pen();
        canvas.end();
        QImage groesser(bild.width(), bild.height() + 250, bild.format());
        groesser.setDotsPerMeterX(bild.dotsPerMeterX());
        groesser.setDotsPerMeterY(bild.dotsPerMeterY());
        groesser.fill(Qt::white);
        {
            QPainter kopie(&groesser);
            kopie.drawImage(0, 0, bild);
        }
        bild = std::move(groesser);
        canvas.begin(&bild);
        canvas.setFont(schrift);
        canvas.setPen(stift);
    }
}

} // namespace trv
