#pragma once

#include <string>
#include <vector>

class QImage;
class QPainter;
class QPrinter;

namespace trv {

class Seitenmasse;
class TKAnwendung;
class TKModell;

// What the page head shows: the project description, the current position and, for a result
// sheet, the reasons why the selected connector cannot be used.
struct Kopfdaten {
    std::string Bauvorhaben;
    std::vector<std::string> Firma;
    std::string Bearbeiter;
    std::string Datum; // as entered in the project description
    std::string Heute; // today's date in the short date format
    std::string Position;
    // The head names the position: every page of a result sheet does, so that the printed
    // sheets of a project's positions can be told apart.
    bool PositionZeigen = false;
    std::vector<std::string> Gruende; // texts of the selected connector's error codes
};

// The head of a page of the project for the given position. With mitGruenden the texts of the
// error codes of the position's selected connector are listed (a result sheet); a page that
// is no result sheet (the schedule) leaves them out, since they belong to no line on it.
Kopfdaten KopfAusModell(const TKModell& modell, const TKAnwendung& anwendung, bool mitGruenden);

// Draws the frame of one page (logo, titles, date and company block, reasons, contact block)
// and returns the height of the head in cm (never below 1.0); it is also stored in the metrics.
// Throws std::range_error when a page coordinate does not fit the device.
double Seitenrahmen(QPainter& canvas, Seitenmasse& masse, const std::string& titel,
                    const Kopfdaten& kopf);

// Before the next block of a printed schedule at y (px), hoehe px high: when it would come too
// close to the bottom or would not end above the contact block, a new printer page with its
// frame is started and y moves below its head.
void PlatzPruefenDrucker(QPainter& canvas, QPrinter& drucker, Seitenmasse& masse,
                         const std::string& titel, const Kopfdaten& kopf, int& y, int hoehe = 0);

// The same for an on-screen schedule: the image grows by 250 px instead of breaking the page.
// The painter is ended and begun again on the grown image (font and pen are kept).
void PlatzPruefenBild(QPainter& canvas, QImage& bild, Seitenmasse& masse, int y);

} // namespace trv
