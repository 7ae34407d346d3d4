#pragma once

#include "ui/main/Filterdialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace trv::test {

// Scripted answers for the exports' save dialogs; every dialog shown is recorded. A dialog
// without a scripted answer is a test failure (it would wait for a user).
class Testfilterdialog : public Filterdialog {
public:
    std::optional<Filterwahl> DateiZumSpeichern(const Filterdialogdaten& daten) override {
        Dialoge.push_back(daten);
        if (Antworten.empty()) {
            ADD_FAILURE() << "unanswered save dialog: " << daten.Titel.toStdString();
            return std::nullopt;
        }
        const Filterwahl a = Antworten.front();
        Antworten.pop_front();
        if (a.Datei.isEmpty()) {
            return std::nullopt;
        }
        return a;
    }

    // An answer with an empty file name cancels the dialog.
    std::deque<Filterwahl> Antworten;
    std::vector<Filterdialogdaten> Dialoge;
};

} // namespace trv::test
