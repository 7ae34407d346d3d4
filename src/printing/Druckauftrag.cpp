#include "printing/Druckauftrag.h"

#include "printing/Seitenmasse.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <stdexcept>

namespace trv {

bool Druckauftrag(QPrinter& drucker, Seitenmasse& m, const std::function<void(QPainter&)>& seiten,
                  std::string& fehler) {
    QPainter canvas;
    if (!canvas.begin(&drucker)) {
        fehler = QCoreApplication::translate("Ausgabe", "the printer could not be started")
                     .toStdString();
        return false;
    }
    bool ok = true;
    try {
        const Druckergeometrie g = GeometrieAusDrucker(drucker);
        m.FuerDrucker(canvas, g);
        m.SeiteEinrichten(g);
        seiten(canvas);
    } catch (const std::range_error& e) {
        fehler = e.what();
        ok = false;
    }
    ok = canvas.end() && ok;
    m.SetStiftFaktor(1);
    if (!ok && fehler.empty()) {
        fehler = QCoreApplication::translate("Ausgabe", "the printer could not finish the document")
                     .toStdString();
    }
    return ok;
}

} // namespace trv
