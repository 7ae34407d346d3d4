#pragma once

#include "schedule/Stuecklistenregeln.h"

#include <QImage>

#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace trv {

class Seitenmasse;
class TKModell;
struct Druckergeometrie;
struct Kopfdaten;

// What the printed schedule shows below the page frame.
struct StuecklistenDruckdaten {
    std::vector<std::string> Bemerkung;
    std::vector<StuecklistenEintrag> Eintraege; // all entries; only active ones are drawn
    char Dezimaltrenner = '.';                  // of the design resistance shown
};

// The remark and the entries of the project's schedule.
StuecklistenDruckdaten DruckdatenAusModell(const TKModell& modell);

// Where the schedule is drawn; decides what happens when a page is full.
struct StuecklistenZiel {
    QPrinter* Drucker = nullptr; // new printer pages, each with the frame
    QImage* Bild = nullptr;      // the image grows downwards
    // Neither: one page-sized picture, whatever does not fit is cut off.
};

// Draws the schedule content below the head (the frame must have been drawn with kopf).
void StuecklisteZeichnen(QPainter& canvas, Seitenmasse& masse, const std::string& titel,
                         const Kopfdaten& kopf, const StuecklistenDruckdaten& daten,
                         const StuecklistenZiel& ziel);

// The on-screen preview: one page at screen resolution, longer when the schedule needs it.
// The metrics are left set up for the screen (a picture export draws with them).
QImage StuecklisteVorschau(Seitenmasse& masse, const Druckergeometrie& seite, int bildschirmDpi,
                           const Kopfdaten& kopf, const StuecklistenDruckdaten& daten);

// Prints the schedule on the printer (pages break as needed). False with a message when the
// printer cannot be started or a page coordinate is out of range.
bool StuecklisteDrucken(QPrinter& drucker, Seitenmasse& masse, const Kopfdaten& kopf,
                        const StuecklistenDruckdaten& daten, std::string& fehler);

// The schedule's pages inside a running print job (frame, content, further pages as needed).
void StuecklisteSeitenDrucken(QPainter& canvas, QPrinter& drucker, Seitenmasse& masse,
                              const Kopfdaten& kopf, const StuecklistenDruckdaten& daten);

} // namespace trv
