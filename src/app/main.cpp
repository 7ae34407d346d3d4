#include "ui/main/Eingabe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trv::TfrmHauptMaske fenster(QApplication::arguments().mid(1));
    fenster.show();
    return QApplication::exec();
}
