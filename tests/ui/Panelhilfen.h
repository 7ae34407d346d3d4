#pragma once

#include "Testrueckfragen.h"
#include "ui/main/Eingabefeld.h"
#include "ui/main/Eingabepanel.h"
#include "ui/main/Projektzustand.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace trv::test {

inline TKRegional Regional(char trenner) {
    TKRegional r = TKRegional::Standard();
    r.Dezimaltrenner = trenner;
    return r;
}

// A panel shown in an active window, so that focus moves as a user's would.
class Panelaufbau {
public:
    explicit Panelaufbau(char trenner, Rueckfragen* fragen = nullptr)
        : zustand(TKIniDatei{}, Regional(trenner)),
          panel(zustand, fragen != nullptr ? *fragen : eigeneFragen) {
        panel.resize(440, 1000);
        panel.show();
        panel.activateWindow();
        Aktiv = QTest::qWaitForWindowActive(&panel);
    }

    // Replaces the field's text by typing and leaves it with the key given (Tab, Enter, ...).
    void Tippen(TFeld feld, const QString& text, Qt::Key weiter = Qt::Key_Tab,
                Qt::KeyboardModifiers mod = Qt::NoModifier) {
        TEingabefeld* f = panel.Feld(feld);
        f->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(f, Qt::Key_Delete);
        } else {
            QTest::keyClicks(f, text);
        }
        QTest::keyClick(f, weiter, mod);
    }

    Testrueckfragen eigeneFragen;
    Projektzustand zustand;
    TEingabepanel panel;
    bool Aktiv = false;
};

} // namespace trv::test
