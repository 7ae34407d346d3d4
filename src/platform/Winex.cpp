#include "platform/Winex.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <array>

namespace trv {

namespace {

// Start result texts for the results -2 .. 33, as the shell's published error list has them.
constexpr std::array<const char*, 36> kTexte{
    QT_TRANSLATE_NOOP("TWinexecute", "File not found!"),
    QT_TRANSLATE_NOOP("TWinexecute", "Display not activated"),
    QT_TRANSLATE_NOOP("TWinexecute",
                      "not enough emory, damaged executable file, or not allowed move"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "File not found."),
    QT_TRANSLATE_NOOP("TWinexecute", "Path not found."),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute",
                      "Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen "
                      "Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk."),
    QT_TRANSLATE_NOOP("TWinexecute", "Bibliothek erfordert getrennte Datensegmente für jede Task."),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Not enough memory to start the application."),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Wrong Windows-Version."),
    QT_TRANSLATE_NOOP("TWinexecute", "Invalid .EXE-file."),
    QT_TRANSLATE_NOOP("TWinexecute", "Application is based on a other operation system."),
    QT_TRANSLATE_NOOP("TWinexecute", "DOS 4.0-application."),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown .EXE-filetype."),
    QT_TRANSLATE_NOOP("TWinexecute",
                      "Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine "
                      "für frühere Windows-Versionen erstellte .EXE-Datei zu laden"),
    QT_TRANSLATE_NOOP("TWinexecute", "You tried to start second time, die mehrfache (nicht "
                                     "Read-Only markierte) Datensegmente enthält."),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "You tried to excecute a zipped file. The file must be "
                                     "unzipped, before loading."),
    QT_TRANSLATE_NOOP("TWinexecute",
                      "The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start "
                      "the application is damaged or missing."),
    QT_TRANSLATE_NOOP("TWinexecute", "The application needs a 32-Bit-Environment."),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"), // 22
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"), // 30
    QT_TRANSLATE_NOOP("TWinexecute", "Application not found to start selected file"),
    QT_TRANSLATE_NOOP("TWinexecute", "Unknown Error"),
    "", // 33 and above: success
};

template <typename T> void Setzen(T& feld, const T& wert) {
    if (feld != wert) {
        feld = wert;
    }
}

// Restores the process's current folder when it goes.
class OrdnerWechsel {
public:
    bool Wechseln(const QString& ordner) {
        alt_ = QDir::currentPath();
        aktiv_ = QDir::setCurrent(ordner);
        return aktiv_;
    }
    ~OrdnerWechsel() {
        if (aktiv_) {
            QDir::setCurrent(alt_);
        }
    }

private:
    QString alt_;
    bool aktiv_ = false;
};

// Whether the desktop has an application for the document's type. The opener itself cannot
// say: it is started detached, and its start counts as success even when it then finds
// nothing to open the file with. Without xdg-mime (xdg-utils) the opener's start decides.
bool HatProgrammFuer(const QFileInfo& datei) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) {
        return true;
    }
    const QString typ = QMimeDatabase().mimeTypeForFile(datei).name();
    QProcess abfrage;
    abfrage.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), typ});
    if (!abfrage.waitForFinished(10000) || abfrage.exitStatus() != QProcess::NormalExit) {
        abfrage.kill();
        return true; // undecided: leave it to the opener
    }
    return !abfrage.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

TWinexecute::TWinexecute(QObject* eltern) : QObject(eltern) {}

void TWinexecute::SetProgrammName(const QString& v) {
    Setzen(programmName_, v);
}
void TWinexecute::SetFileName(const QString& v) {
    Setzen(fileName_, v);
}
void TWinexecute::SetProgrammPfad(const QString& v) {
    Setzen(programmPfad_, v);
}
void TWinexecute::SetExecuteModus(TModus v) {
    Setzen(executeModus_, v);
}

void TWinexecute::SetParameter(const QString& v) {
    Setzen(parameter_, !v.isEmpty() && !v.startsWith(QLatin1Char(' ')) ? QLatin1Char(' ') + v : v);
}

QString TWinexecute::ErgebnisText(int ergebnis) {
    const int index = std::clamp(ergebnis, -2, 33) + 2;
    return QCoreApplication::translate("TWinexecute", kTexte[static_cast<std::size_t>(index)]);
}

int TWinexecute::Starten() const {
    const int modus = static_cast<int>(executeModus_);
    if (modus < static_cast<int>(TModus::Normal) || modus > static_cast<int>(TModus::Als_Icon)) {
        return AnzeigeUngueltig;
    }
    OrdnerWechsel wechsel;
    if (!programmPfad_.isEmpty() && !wechsel.Wechseln(programmPfad_)) {
        return DateiNichtGefunden;
    }
    // Relative names are meant relative to the working folder, as for the shell.
    const QFileInfo datei(fileName_);
    if (fileName_.isEmpty() || !datei.exists()) {
        return 2; // "File not found."
    }
    if (datei.isFile() && datei.isExecutable() && !parameter_.isEmpty()) {
        // A program with a command line: started directly, detached like a shell start.
        return QProcess::startDetached(datei.absoluteFilePath(),
                                       QProcess::splitCommand(parameter_.trimmed()),
                                       QDir::currentPath())
                   ? Erfolg
                   : KeinProgramm;
    }
    if (!HatProgrammFuer(datei)) {
        return KeinProgramm;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(datei.absoluteFilePath())) ? Erfolg
                                                                                    : KeinProgramm;
}

bool TWinexecute::Ausfuehren() {
    try {
        ergebnis_ = Starten();
    } catch (...) {
        ergebnis_ = DateiNichtGefunden;
    }
    errorString_ = ErgebnisText(ergebnis_);
    return ergebnis_ > 32;
}

} // namespace trv
