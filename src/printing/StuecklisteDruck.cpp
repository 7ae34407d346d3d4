#include "printing/StuecklisteDruck.h"

#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "printing/Druckauftrag.h"
#include "printing/Seitenmasse.h"
#include "printing/Seitenrahmen.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace trv {

namespace {

QString Text(int nr) {
    return QString::fromStdString(Ressource(nr));
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void Punktlinie(QPainter& canvas, const Seitenmasse& m, int x1, int x2, int y) {
    canvas.setPen(m.Stift(1, Qt::DotLine));
    canvas.drawLine(x1, y, x2, y);
}

// The words of text in lines no wider than breite (a word longer than that keeps a line of
// its own).
QStringList Umbrechen(const QPainter& canvas, const QString& text, int breite) {
    QStringList zeilen;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!zeilen.isEmpty() && TextBreite(canvas, zeilen.back() + ' ' + wort) <= breite) {
            zeilen.back() += ' ' + wort;
        } else {
            zeilen.push_back(wort);
        }
    }
    return zeilen;
}

} // namespace

StuecklistenDruckdaten DruckdatenAusModell(const TKModell& modell) {
    return {modell.Stueckliste().GetBemerkung(), modell.Stueckliste().Eintraege(),
            modell.Regional().Dezimaltrenner};
}

void StuecklisteZeichnen(QPainter& canvas, Seitenmasse& m, const std::string& titel,
                         const Kopfdaten& kopf, const StuecklistenDruckdaten& daten,
                         const StuecklistenZiel& ziel) {
    const double rand = m.DruckRandLinks();
    const int xL = m.CmNachPixelX(rand);
    const int xN = m.CmNachPixelX(rand + 1.0);
    const int xS = m.CmNachPixelX(rand + 2.75);
    const int xT = m.CmNachPixelX(rand + 3.5);
    const int xR = m.CmNachPixelX(m.SeitenBreite() - m.DruckRandRechts());
    const int Z = m.Zeile10();
    const int anderthalb = static_cast<int>(std::nearbyint(1.5 * Z));
    const int viertel = m.CmNachPixelY(0.25);
    const QFont schrift = DruckSchrift(9);

    canvas.save();
    canvas.setFont(schrift);
    canvas.setPen(QPen(Qt::black, 0));
    int y = m.CmNachPixelY(m.DruckRandOben() + m.KopfHoehe());
    for (const std::string& zeile : daten.Bemerkung) {
        y += Z;
        TextOben(canvas, xL, y, Q(zeile));
    }
    y += Z + viertel;
    Punktlinie(canvas, m, xL, xR, y);
    y += viertel;
    canvas.setPen(QPen(Qt::black, 0));
    // Each column head within its column, wrapped onto further lines where it is wider.
    const int spalte[] = {xL, m.CmNachPixelX(rand + 1.75), m.CmNachPixelX(rand + 3.5), xR};
    const int luecke = m.CmNachPixelX(0.15);
    const QString koepfe[] = {Text(res::DruckMatPos), Text(res::DruckStueckzahl),
                              Text(res::DruckBezeichnung)};
    qsizetype kopfzeilen = 1;
    for (int k = 0; k < 3; ++k) {
        const QStringList zeilen = Umbrechen(canvas, koepfe[k], spalte[k + 1] - spalte[k] - luecke);
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            TextOben(canvas, spalte[k], y + static_cast<int>(i) * Z, zeilen[i]);
        }
        kopfzeilen = std::max(kopfzeilen, zeilen.size());
    }
    y += static_cast<int>(kopfzeilen) * Z + viertel;
    Punktlinie(canvas, m, xL, xR, y);

    const QString doppelpunkt = QStringLiteral(": ");
    int j = 0;
    for (const StuecklistenEintrag* e : AktiveEintraege(daten.Eintraege)) {
        if (ziel.Drucker != nullptr) {
            // The whole entry, down to its closing line, must fit on the page.
            const bool zusatz = !Feld(*e, stk::Zusatz).empty();
            const int hoehe =
                viertel + 4 * Z + 3 * anderthalb + (zusatz ? anderthalb + Z : 0) + viertel;
            PlatzPruefenDrucker(canvas, *ziel.Drucker, m, titel, kopf, y, hoehe);
        } else if (ziel.Bild != nullptr) {
            PlatzPruefenBild(canvas, *ziel.Bild, m, y);
        }
        // The frame of a new page leaves its own font behind; every entry starts afresh.
        canvas.setFont(schrift);
        canvas.setPen(QPen(Qt::black, 0));
        y += viertel;
        TextRechts(canvas, xN, y, QString::number(++j));
        TextOben(canvas, xT, y, Text(res::DruckLieferung1));
        y += Z;
        TextOben(canvas, xT, y, Text(res::DruckLieferung2));
        y += anderthalb;
        TextOben(canvas, xT, y,
                 Text(res::DruckWiderstand) + doppelpunkt + Q(FRdText(*e, daten.Dezimaltrenner)) +
                     " kN");
        y += Z;
        TextOben(canvas, xT, y,
                 Text(res::DruckMaterial) + doppelpunkt + Text(res::DruckMaterialText));
        y += anderthalb;
        TextOben(canvas, xT, y, Text(res::DruckPositionen) + Q(Feld(*e, stk::Position)));
        y += anderthalb;
        TextOben(canvas, xT, y, Text(res::DruckEinzeldorn));
        y += Z;
        TextRechts(canvas, xS, y, Q(Feld(*e, stk::Summe)));
        TextOben(canvas, xT, y, Text(res::DruckTyp) + Q(Feld(*e, stk::Bezeichnung)));
        if (!Feld(*e, stk::Zusatz).empty()) {
            y += anderthalb;
            TextOben(canvas, xT, y, Text(res::DruckBrandschutz));
            y += Z;
            TextRechts(canvas, xS, y, Q(Feld(*e, stk::Summe)));
            TextOben(canvas, xT, y, Text(res::DruckTyp) + Q(Feld(*e, stk::Zusatz)));
        }
        y += Z + viertel;
        Punktlinie(canvas, m, xL, xR, y);
    }
    canvas.restore();
}

QImage StuecklisteVorschau(Seitenmasse& m, const Druckergeometrie& seite, int bildschirmDpi,
                           const Kopfdaten& kopf, const StuecklistenDruckdaten& daten) {
    m.SeiteEinrichten(seite);
    QImage bild = SeitenBild(m, bildschirmDpi);
    QPainter canvas(&bild);
    m.FuerBildschirm(canvas, bildschirmDpi);
    const std::string titel = Ressource(res::StuecklisteTitel);
    Seitenrahmen(canvas, m, titel, kopf);
    StuecklisteZeichnen(canvas, m, titel, kopf, daten, StuecklistenZiel{nullptr, &bild});
    canvas.end();
    return bild;
}

bool StuecklisteDrucken(QPrinter& drucker, Seitenmasse& m, const Kopfdaten& kopf,
                        const StuecklistenDruckdaten& daten, std::string& fehler) {
    return Druckauftrag(
        drucker, m,
        [&](QPainter& canvas) { StuecklisteSeitenDrucken(canvas, drucker, m, kopf, daten); },
        fehler);
}

void StuecklisteSeitenDrucken(QPainter& canvas, QPrinter& drucker, Seitenmasse& m,
                              const Kopfdaten& kopf, const StuecklistenDruckdaten& daten) {
    const std::string titel = Ressource(res::StuecklisteTitel);
    Seitenrahmen(canvas, m, titel, kopf);
    StuecklisteZeichnen(canvas, m, titel, kopf, daten, StuecklistenZiel{&drucker, nullptr});
}

} // namespace trv
