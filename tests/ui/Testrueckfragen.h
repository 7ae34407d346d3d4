#pragma once

#include "ui/main/Rueckfragen.h"

#include <deque>
#include <optional>

namespace trv::test {

// Scripted answers for the questions of the commands; every message and question asked is
// recorded. A question without a scripted answer is a test failure (it would hang a user).
class Testrueckfragen : public Rueckfragen {
public:
    void Meldung(const QString& text) override { Meldungen << text; }
    bool JaNein(const QString& text) override;
    Antwort JaNeinAbbrechen(const QString& text) override;
    std::optional<QString> DateiZumOeffnen(const Dateidialog& dialog) override;
    std::optional<QString> DateiZumSpeichern(const Dateidialog& dialog) override;
    bool DruckerEinrichten(QPrinter&) override {
        ++Druckereinrichtungen;
        return false;
    }

    std::deque<bool> JaNeinAntworten;
    std::deque<Antwort> Antworten;
    // File dialog answers; an empty text cancels the dialog.
    std::deque<QString> Dateien;

    QStringList Meldungen;
    QStringList Fragen;
    std::vector<Dateidialog> Dialoge;
    int Druckereinrichtungen = 0;
};

} // namespace trv::test
