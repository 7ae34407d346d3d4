#include "printing/Grafikumgebung.h"

#include <QGuiApplication>

#include <clocale>

namespace trv {

Grafikumgebung::Grafikumgebung() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    std::setlocale(LC_NUMERIC, "C");
}

Grafikumgebung::~Grafikumgebung() = default;

} // namespace trv
