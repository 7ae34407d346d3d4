#include "Testrueckfragen.h"

#include <gtest/gtest.h>

namespace trv::test {

bool Testrueckfragen::JaNein(const QString& text) {
    Fragen << text;
    if (JaNeinAntworten.empty()) {
        ADD_FAILURE() << "unanswered question: " << text.toStdString();
        return false;
    }
    const bool a = JaNeinAntworten.front();
    JaNeinAntworten.pop_front();
    return a;
}

Antwort Testrueckfragen::JaNeinAbbrechen(const QString& text) {
    Fragen << text;
    if (Antworten.empty()) {
        ADD_FAILURE() << "unanswered question: " << text.toStdString();
        return Antwort::Abbrechen;
    }
    const Antwort a = Antworten.front();
    Antworten.pop_front();
    return a;
}

std::optional<QString> Testrueckfragen::DateiZumOeffnen(const Dateidialog& dialog) {
    Dialoge.push_back(dialog);
    if (Dateien.empty()) {
        ADD_FAILURE() << "unanswered file dialog: " << dialog.Titel.toStdString();
        return std::nullopt;
    }
    const QString d = Dateien.front();
    Dateien.pop_front();
    if (d.isEmpty()) {
        return std::nullopt;
    }
    return d;
}

std::optional<QString> Testrueckfragen::DateiZumSpeichern(const Dateidialog& dialog) {
    return DateiZumOeffnen(dialog);
}

} // namespace trv::test
