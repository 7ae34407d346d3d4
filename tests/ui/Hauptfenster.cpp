#include "Hauptfenster.h"

#include <QApplication>
#include <QTest>

namespace trv::test {

QString Beispiel(const char* name) {
    return QStringLiteral(TRV_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

Hauptfenster::Hauptfenster(QStringList argumente, TKRegional regional)
    : fenster(std::make_unique<TfrmHauptMaske>(TKIniDatei{}, std::move(regional),
                                               std::move(argumente), &fragen)) {
    fenster->resize(1200, 800);
    fenster->show();
    // The first activation (command line) runs from the event loop.
    QApplication::processEvents();
}

Hauptfenster::~Hauptfenster() {
    // Closing asks to save; the tests do not.
    fragen.Antworten.clear();
    if (fenster) {
        fenster->hide();
    }
}

} // namespace trv::test
