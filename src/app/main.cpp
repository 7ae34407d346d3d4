#include "platform/Umgebung.h"
#include "ui/main/Eingabe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trv"));
    QApplication::setApplicationDisplayName(
        QCoreApplication::translate("Projektbefehle", "Varnel - TRV / ZEDE Shear Connectors"));
    const trv::TKRegional regional = trv::plattform::SystemRegional();
    trv::TfrmHauptMaske fenster(trv::plattform::SystemIni(regional), regional,
                                QApplication::arguments().mid(1));
    fenster.showMaximized();
    return QApplication::exec();
}
