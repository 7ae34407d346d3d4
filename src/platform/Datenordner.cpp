#include "platform/Datenordner.h"

#include <QCoreApplication>
#include <QDir>

namespace trv::plattform {

QStringList DatenOrdner() {
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, QDir::cleanPath(programm + QStringLiteral("/../share/trv"))};
}

} // namespace trv::plattform
