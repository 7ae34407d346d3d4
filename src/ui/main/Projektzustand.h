#pragma once

#include "files/IniDatei.h"
#include "files/Regional.h"
#include "model/Modell.h"
#include "model/Textlisten.h"
#include "sketches/Farbe.h"

#include <QString>

#include <memory>

namespace trv {

// What the main window shows: input (results not valid), the result sheet instead of the
// inputs, or the inputs with the result overview beneath the sketch.
enum TAnzeigeModus { amEingabe = 0, amErgebnisblatt = 1, amUebersicht = 2 };

// The application's state while the main window lives: the one project, the current position
// (always position AktAnwendung of the project, so it can never point elsewhere), the current
// file name, the display mode, the result of the last field check, the colour settings and
// the text lists. Windows own nothing of the model; they reach it through here.
class Projektzustand {
public:
    Projektzustand(TKIniDatei ini, TKRegional regional);

    TKModell& Modell() { return *modell_; }
    const TKModell& Modell() const { return *modell_; }
    TKAnwendung& Anwendung() { return modell_->AktuelleAnwendung(); }
    const TKAnwendung& Anwendung() const { return modell_->AktuelleAnwendung(); }

    // Replaces the project by a fresh one with one position, named "1".
    void NeuesModell();
    // A fresh project beside the open one, to read a file into; the open project stays until
    // ModellUebernehmen replaces it.
    std::unique_ptr<TKModell> ModellAnlegen() const;
    void ModellUebernehmen(std::unique_ptr<TKModell> modell);

    // The file the project was last read from or written to; empty for a new project.
    const QString& Dateiname() const { return dateiname_; }
    void SetDateiname(const QString& datei) { dateiname_ = datei; }
    // The file name as the caption shows it ("Unnamed" for a new project).
    QString DateinameAnzeige() const;

    TAnzeigeModus Modus() const { return modus_; }
    void SetModus(TAnzeigeModus modus) { modus_ = modus; }
    bool ErgebnisseGueltig() const { return modus_ != amEingabe; }

    bool EingabeOk() const { return eingabeOk_; }
    void SetEingabeOk(bool ok) { eingabeOk_ = ok; }

    // The screen colours; written to the INI file when the state (the main window) goes.
    TKFarbeinstellung& Farbe() { return *farbe_; }
    const TKFarbe& Farben() const { return farbe_->Farbe(); }

    // Loaded at every start sequence (and New) in the language active then.
    const TKTextlisten& Texte() const { return texte_; }
    void TextlistenNeuLaden();

    const TKIniDatei& Ini() const { return ini_; }
    const TKRegional& Regional() const { return regional_; }
    char Dezimaltrenner() const { return regional_.Dezimaltrenner; }

private:
    TKIniDatei ini_;
    TKRegional regional_;
    std::unique_ptr<TKModell> modell_;
    std::unique_ptr<TKFarbeinstellung> farbe_;
    QString dateiname_;
    TAnzeigeModus modus_ = amEingabe;
    bool eingabeOk_ = true;
    TKTextlisten texte_;
};

} // namespace trv
