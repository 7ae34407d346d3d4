#pragma once

#include "model/Textlisten.h"

#include <QPoint>
#include <QString>

#include <initializer_list>

#include <string>

class QPainter;

namespace trv {

class Seitenmasse;
class TKAnwendung;
class TKLast;
struct Ergebnissymbol;

// The three text sections of a position's result sheet: the input, the loads and the results
// of the selected connector type. Each starts at a given top left point (device pixels) on a
// canvas whose metrics are set up, and returns the y below it. They draw what the position
// holds, calculated or not; nothing is written.
class Blattabschnitte {
public:
    Blattabschnitte(QPainter& canvas, const Seitenmasse& masse, const TKAnwendung& anwendung,
                    const TKTextlisten& texte, char dezimaltrenner, int bildschirmDpi);

    // Concrete, thicknesses, covers, joint width, joint length or edge distances.
    int EingabeZeichnen(QPoint ursprung, int ds, int dv);
    // The loads of the load case and how the design load of one connector follows from them;
    // the continuation lists the points of an arbitrary profile (its own page).
    int LastenZeichnen(QPoint ursprung, int ds, bool fortsetzung, int dv);
    // "Selected: n * type", reinforcement, distances, loads, resistances and usages.
    int ErgebnisseZeichnen(QPoint ursprung, int ds, int rechteSpalte, int dv);

private:
    // A result line at (x, y) with the offsets of the current section; returns where it ends.
    int Zeile(int x, int y, const QString& label, const Ergebnissymbol& symbol, const QString& wert,
              const QString& einheit);
    // text followed by its lowered index at (x, y); returns the x after them.
    int MitIndex(int x, int y, const QString& text, const QString& index);
    // Dead, imposed and additional load with their factors; s is "V" or "q", seite "" or ",L"
    // / ",R". Returns the y of the last line; ende, when given, receives the x where the
    // longest line ends.
    int LastSatz(int x, int y, const TKLast& last, const QString& s, const QString& seite,
                 const QString& einheit, bool mitLabel, int* ende = nullptr);
    // s_Ed = s_g * gamma_g + s_q * gamma_q + s_d, starting at x + ds.
    void GesamtlastFormel(int x, int y, const QString& s, const QString& seite,
                          bool gleichInSpalte);
    // F_Sd,act = F_Sd,tot / n_D with "n_D = no. of dowels"; returns the denominator's y.
    int Bruch(int x, int y, bool mitLabel);
    // "  =  " and the total design load F_Sd,tot in kN from x on; returns the x after it.
    int GesamtlastWert(int x, int y);
    // F_Sd,tot = its value in kN, starting at x.
    void GesamtlastZeile(int x, int y);
    int Einzellast(int x, int y);
    int Linienlast(int x, int y);
    int Trapezlast(int x, int y);
    int BeliebigeLast(int x, int y, bool fortsetzung);

    // The symbol column of a block: ds, or further right where a label of the active language
    // would come closer to it than a blank (labels in the canvas font).
    int Symbolspalte(int ds, std::initializer_list<int> labels) const;
    // The least room between two texts of one line that are not written one after the other.
    int Abstand() const;

    QString Zahl(double wert, int dezimalen) const;

    QPainter& canvas_;
    const Seitenmasse& masse_;
    const TKAnwendung& anwendung_;
    const TKTextlisten& texte_;
    char dezimaltrenner_;
    int bildschirmDpi_;
    int ds_ = 0;
    int dsVorgabe_ = 0; // the sheet's offset before the labels were measured
    int dv_ = 0;
};

} // namespace trv
