#include "platform/Dateinamen.h"
#include "platform/Datenordner.h"
#include "platform/Sprachmodule.h"
#include "platform/Umgebung.h"
#include "ui/main/Eingabe.h"
#include "ui/main/Rueckfragen.h"
#include "ui/start/Splash.h"
#include "ui/start/Sprachwahl.h"
#include "ui/start/Tooltipzeiten.h"

#include "Programmversion.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any window: a script asking for the version must not open a project
    // called "--version".
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("trv %s\n", TRV_PROGRAMMVERSION);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("usage: trv [PROJECT.TRV]\n\nOpens the project file, or a new project.\n"
                    "  --help     shows this text\n  --version  shows the version\n");
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trv"));
    // The desktop entry's name: the window's application id on Wayland and the startup
    // notification's; X11 docks match WM_CLASS "trv" through the entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral("ch.varnel.trv"));
    QApplication::setApplicationDisplayName(
        QCoreApplication::translate("Projektbefehle", "Varnel - TRV / ZEDE Shear Connectors"));
    trv::Tooltipzeiten tooltips(app);

    const trv::TKRegional regional = trv::plattform::SystemRegional();
    const trv::TKIniDatei ini = trv::plattform::SystemIni(regional);
    trv::plattform::Sprachmodule sprachmodule(trv::plattform::DatenOrdner());
    {
        trv::DialogRueckfragen fragen(nullptr);
        trv::Sprachwahl wahl(sprachmodule, ini, regional.Sprachkennung, fragen);
        trv::TfrmSplash start(wahl);
        if (start.exec() != QDialog::Accepted) {
            return 0;
        }
    }
    // From argv, which QApplication has rid of its own options: arguments() would turn a file
    // name that is not UTF-8 into another name.
    trv::TfrmHauptMaske fenster(ini, regional, trv::plattform::Argumente(argc, argv));
    fenster.showMaximized();
    return QApplication::exec();
}
