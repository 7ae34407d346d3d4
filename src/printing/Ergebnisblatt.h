#pragma once

#include "model/Textlisten.h"
#include "printing/Seitenrahmen.h"

#include <QImage>

#include <string>
#include <vector>

class QPainter;
class QPrinter;
class QRect;

namespace trv {

class Seitenmasse;
class TKAnwendung;
struct Druckergeometrie;

// The sketches a result sheet places on its pages. Each is drawn into a rectangle of the
// canvas (device pixels) with the pen factor of the target (Seitenmasse::StiftFaktor: the
// device pixels of one screen pixel).
class Blattskizzen {
public:
    virtual ~Blattskizzen() = default;
    virtual void System(QPainter& canvas, const QRect& rechteck, double stiftFaktor) = 0;
    virtual void Last(QPainter& canvas, const QRect& rechteck, double stiftFaktor) = 0;
    // The connector row with the load strip above the joint.
    virtual void Reihe(QPainter& canvas, const QRect& rechteck, double stiftFaktor) = 0;
    virtual void Draufsicht(QPainter& canvas, const QRect& rechteck, double stiftFaktor) = 0;
    virtual void Ansicht(QPainter& canvas, const QRect& rechteck, double stiftFaktor) = 0;
    virtual void Schnitt(QPainter& canvas, const QRect& rechteck, double stiftFaktor) = 0;
};

// The result sheet of one position for its selected connector type: page 1 with the input,
// loads and results and two sketches, a page listing an arbitrary load profile (load case 3
// only) and a page of four sketches of the connector. The same code draws every target;
// only the metrics set up before differ. The head of every page names the position.
class Ergebnisblatt {
public:
    Ergebnisblatt(const TKAnwendung& anwendung, Kopfdaten kopf, char dezimaltrenner,
                  Blattskizzen& skizzen);

    // "Calculation for " and the name of the selected connector type.
    std::string Titel() const;
    // 3 with an arbitrary load profile, else 2.
    int Seitenzahl() const;
    const Kopfdaten& Kopf() const { return kopf_; }

    // Page contents below the head (the frame must have been drawn).
    void Seite1(QPainter& canvas, Seitenmasse& masse);
    void LastSeite(QPainter& canvas, Seitenmasse& masse);
    void SkizzenSeite(QPainter& canvas, Seitenmasse& masse);

    // Frame with the title and the content of page n (1..Seitenzahl).
    void SeiteZeichnen(QPainter& canvas, Seitenmasse& masse, int seite, const std::string& titel);

private:
    bool MitLastSeite() const;

    const TKAnwendung& anwendung_;
    Kopfdaten kopf_;
    char dezimaltrenner_;
    Blattskizzen& skizzen_;
    TKTextlisten texte_;
};

// Prints every page of the sheet on the printer with its pen factor and sets it back to 1.
// False with a message when the printer cannot be started or a coordinate is out of range.
bool ErgebnisblattDrucken(QPrinter& drucker, Seitenmasse& masse, Ergebnisblatt& blatt,
                          std::string& fehler);

// The preview: one page image per page at screen resolution (white, frame and content). The
// metrics stay set up for the screen, as the picture exports of page 1 need them.
std::vector<QImage> ErgebnisblattVorschau(Seitenmasse& masse, const Druckergeometrie& seite,
                                          int bildschirmDpi, Ergebnisblatt& blatt);

// Page 1 as the vector picture export draws it anew on canvas (of one page image's size), with
// the metrics of the last preview and the bare title "Calculation for ".
void ErgebnisblattSeite1Export(QPainter& canvas, Seitenmasse& masse, Ergebnisblatt& blatt);

} // namespace trv
