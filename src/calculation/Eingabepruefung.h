#pragma once

#include <string>

namespace trv {

class TKAnwendung;

// Check codes of the input fields: which of a field's limits a typed value is held to.
namespace pruefcode {
inline constexpr int NurMinimum = -1;
inline constexpr int NurMaximum = 1;
inline constexpr int Beide = 2;
} // namespace pruefcode

// No typed value may exceed this in magnitude, whatever the field's check code: nothing a
// joint measures or carries comes near it (mm, kN, kN/m or a factor), and such a number must
// not reach the calculation.
inline constexpr double Eingabegrenze = 1e6;

enum class TEingabeFehler { Keiner, KeineZahl, ZuKlein, ZuGross };

// The check of a typed value. An empty (or blank) text passes without a range test: the field
// then writes its fallback. A text that is not a finite number written with the regional
// separator is KeineZahl; the limits themselves are accepted.
TEingabeFehler EingabeGueltig(const std::string& text, int pruefcode, double minimum,
                              double maximum, char dezimaltrenner);
// The message of a failed check; "" for Keiner.
std::string EingabeMeldung(TEingabeFehler fehler);

// The numeric input fields of a position.
enum class TFeld {
    Nutzhoehe,
    Fugenlaenge,
    BetondeckungOben,
    BetondeckungUnten,
    BetondeckungVorn,
    PlatteDicke,
    WandDicke,
    BauteilRandLinks,
    BauteilRandRechts,
    PunktlastGk,
    Punktlastgg,
    PunktlastQk,
    Punktlastgq,
    PunktlastF1,
    LinksGk,
    Linksgg,
    LinksQk,
    Linksgq,
    LinksF1,
    RechtsGk,
    Rechtsgg,
    RechtsQk,
    Rechtsgq,
    RechtsF1,
};
inline constexpr int AnzFelder = 24;

struct TFeldregel {
    int Pruefcode;
    double Minimum;
    double Maximum;
    double Ersatz; // written when a load field is left empty
};
TFeldregel Feldregel(TFeld feld);

// The value a field shows: the model's value (for the joint length the effective one).
double FeldWert(const TKAnwendung& anwendung, TFeld feld);
// Its text: the stored value with the regional separator, "0" for zero. A field never shows a
// number the calculation does not use.
std::string FeldText(const TKAnwendung& anwendung, TFeld feld, char dezimaltrenner);
// The text of a total design load field.
std::string LastText(double wert, char dezimaltrenner);

// Leaving a field: the check, then the value (or 0 for an emptied load) written
// through the model's setter, then what follows from it: a slab thickness sets the effective
// height to 40 mm less; the joint length sets the load length to the effective joint length
// (also after a failed check); a start value of a constant line load is also written to the
// end; a line load end recomputes the load shape. After a failed check nothing else changes.
// An empty text is refused as too small in every field with a positive minimum (lengths and
// partial safety factors).
TEingabeFehler FeldVerlassen(TKAnwendung& anwendung, TFeld feld, const std::string& text,
                             char dezimaltrenner);

} // namespace trv
