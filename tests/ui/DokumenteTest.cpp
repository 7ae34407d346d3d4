#include "ui/main/Dokumente.h"
#include "Testfilterdialog.h"
#include "Testrueckfragen.h"
#include "platform/Winex.h"
#include "ui/main/Projektzustand.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace trv::test {

// Takes the URLs the desktop would open, so no viewer is started by the tests.
class Oeffner : public QObject {
    Q_OBJECT
public:
    Oeffner() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Oeffnen"); }
    ~Oeffner() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> Urls;
    QString OrdnerBeimOeffnen;
public slots:
    void Oeffnen(const QUrl& url) {
        Urls << url;
        OrdnerBeimOeffnen = QDir::currentPath();
    }
};

namespace {

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << pfad.toStdString();
    datei.write(inhalt);
}

// A desktop whose xdg-mime names the given application for every type (none: empty), put first
// on PATH for the life of the object; it notes the type it was asked about.
class Desktop {
public:
    explicit Desktop(const QString& programm) : altPath_(qgetenv("PATH")) {
        const QString skript = ordner_.filePath(QStringLiteral("xdg-mime"));
        Schreiben(skript, QStringLiteral("#!/bin/sh\necho \"$3\" > \"%1\"\necho %2\n")
                              .arg(ordner_.filePath(QStringLiteral("typ")), programm)
                              .toUtf8());
        QFile::setPermissions(skript, QFile::permissions(skript) | QFile::ExeOwner);
        qputenv("PATH", ordner_.path().toLocal8Bit() + ':' + altPath_);
    }
    ~Desktop() { qputenv("PATH", altPath_); }
    QByteArray GefragterTyp() const {
        QFile datei(ordner_.filePath(QStringLiteral("typ")));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll().trimmed() : QByteArray();
    }

private:
    QTemporaryDir ordner_;
    QByteArray altPath_;
};

QByteArray Lesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A program folder with a "CAD files" folder holding blocks of the given formats for the
// selected type of a fresh position ("TRV 22"); each file's content names it.
struct CadUmgebung {
    explicit CadUmgebung(QStringList formate, bool mitOrdner = true) {
        zustand.Anwendung().Ergebnisse().SetAktDorn(1);
        if (mitOrdner) {
            QDir(programm.path()).mkdir(QStringLiteral("CAD files"));
        }
        for (const QString& format : formate) {
            for (const QString& endung : CadBlockExport::Endungen()) {
                const QString name = QStringLiteral("TRV 22") + endung + format;
                Schreiben(programm.filePath(QStringLiteral("CAD files/") + name), name.toUtf8());
            }
        }
    }
    QTemporaryDir programm;
    QTemporaryDir ziel;
    Projektzustand zustand{TKIniDatei{}, TKRegional::Standard()};
    Testrueckfragen fragen;
    Testfilterdialog dialog;
    CadBlockExport befehl{
        zustand, fragen, dialog, {QStringLiteral("/nonexistent"), programm.path()}};
};

TEST(CadBlockTest, DxfFilterSchreibtDieDreiBloeckeNebenDenGewaehltenNamen) {
    CadUmgebung u({QStringLiteral("dxf")});
    u.dialog.Antworten.push_back(Filterwahl{u.ziel.filePath(QStringLiteral("block")), 1});
    ASSERT_TRUE(u.befehl.Ausfuehren());
    ASSERT_EQ(u.dialog.Dialoge.size(), 1u);
    EXPECT_EQ(u.dialog.Dialoge[0].Vorschlag, QStringLiteral("TRV 22"));
    EXPECT_EQ(u.dialog.Dialoge[0].Filter, QStringList({QStringLiteral("DXF databases (*.dxf)"),
                                                       QStringLiteral("DWG database (*.dwg)")}));
    for (const char* ansicht : {"Plan", "Side", "End"}) {
        const QString nach =
            u.ziel.filePath(QStringLiteral("block %1 View Block.dxf").arg(QLatin1String(ansicht)));
        EXPECT_EQ(Lesen(nach),
                  QStringLiteral("TRV 22 %1 View Block.dxf").arg(QLatin1String(ansicht)).toUtf8())
            << "copied byte for byte: " << nach.toStdString();
    }
    EXPECT_TRUE(u.fragen.Meldungen.isEmpty());
    // The dialog keeps its type for the next time.
    u.dialog.Antworten.push_back(Filterwahl{});
    EXPECT_FALSE(u.befehl.Ausfuehren());
    EXPECT_EQ(u.dialog.Dialoge[1].Vorauswahl, 1);
}

TEST(CadBlockTest, OhneOrdnerKeineDateiUndEineMeldung) {
    CadUmgebung u({}, false);
    u.dialog.Antworten.push_back(Filterwahl{u.ziel.filePath(QStringLiteral("block.dxf")), 1});
    EXPECT_FALSE(u.befehl.Ausfuehren());
    EXPECT_EQ(u.fragen.Meldungen, QStringList{QStringLiteral("Cannot open file!")});
    EXPECT_TRUE(QDir(u.ziel.path()).isEmpty());
}

TEST(CadBlockTest, FehlenderBlockHaeltDieAnderenNichtAuf) {
    CadUmgebung u({QStringLiteral("dxf")});
    QFile::remove(u.programm.filePath(QStringLiteral("CAD files/TRV 22 Side View Block.dxf")));
    EXPECT_FALSE(u.befehl.CadBlockKopieren(u.ziel.filePath(QStringLiteral("b.dxf"))));
    EXPECT_EQ(u.fragen.Meldungen, QStringList{QStringLiteral("Cannot open file!")});
    EXPECT_TRUE(QFile::exists(u.ziel.filePath(QStringLiteral("b Plan View Block.dxf"))));
    EXPECT_FALSE(QFile::exists(u.ziel.filePath(QStringLiteral("b Side View Block.dxf"))));
    EXPECT_TRUE(QFile::exists(u.ziel.filePath(QStringLiteral("b End View Block.dxf"))));
}

TEST(CadBlockTest, DwgFilterHaengtDieEndungAnEinenDxfNamen) {
    CadUmgebung u({QStringLiteral("dxf"), QStringLiteral("dwg")});
    u.dialog.Antworten.push_back(Filterwahl{u.ziel.filePath(QStringLiteral("block.dxf")), 2});
    ASSERT_TRUE(u.befehl.Ausfuehren());
    EXPECT_EQ(Lesen(u.ziel.filePath(QStringLiteral("block.dxf Plan View Block.dwg"))),
              QByteArray("TRV 22 Plan View Block.dwg"));
    EXPECT_EQ(QDir(u.ziel.path()).entryList(QDir::Files).size(), 3);
}

// DWG cannot be written here: without supplied DWG blocks the user is told so and may take
// the DXF blocks instead; declining writes nothing and adds no "Cannot open file!".
TEST(CadBlockTest, DwgOhneDwgBloeckeSagtEsUndBietetDxfAn) {
    CadUmgebung u({QStringLiteral("dxf")});
    u.dialog.Antworten.push_back(Filterwahl{u.ziel.filePath(QStringLiteral("block")), 2});
    u.fragen.JaNeinAntworten.push_back(false);
    EXPECT_FALSE(u.befehl.Ausfuehren());
    ASSERT_EQ(u.fragen.Fragen.size(), 1);
    EXPECT_TRUE(u.fragen.Fragen[0].contains(QStringLiteral("DWG")));
    EXPECT_TRUE(u.fragen.Meldungen.isEmpty());
    EXPECT_TRUE(QDir(u.ziel.path()).isEmpty());

    u.dialog.Antworten.push_back(Filterwahl{u.ziel.filePath(QStringLiteral("block")), 2});
    u.fragen.JaNeinAntworten.push_back(true);
    ASSERT_TRUE(u.befehl.Ausfuehren());
    EXPECT_EQ(QDir(u.ziel.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("block End View Block.dxf"),
                           QStringLiteral("block Plan View Block.dxf"),
                           QStringLiteral("block Side View Block.dxf")}));
}

TEST(WinexecuteTest, ParameterBekommtEinLeerzeichenVorangestellt) {
    TWinexecute start;
    start.SetParameter(QStringLiteral("-a"));
    EXPECT_EQ(start.Parameter(), QStringLiteral(" -a"));
    start.SetParameter(QStringLiteral(" -b"));
    EXPECT_EQ(start.Parameter(), QStringLiteral(" -b"));
    start.SetParameter(QString());
    EXPECT_EQ(start.Parameter(), QString());
}

TEST(WinexecuteTest, ErgebnisseUndIhreTexte) {
    EXPECT_EQ(TWinexecute::ErgebnisText(-2), QStringLiteral("File not found!"));
    EXPECT_EQ(TWinexecute::ErgebnisText(-1), QStringLiteral("Display not activated"));
    EXPECT_EQ(TWinexecute::ErgebnisText(2), QStringLiteral("File not found."));
    EXPECT_EQ(TWinexecute::ErgebnisText(22), QStringLiteral("Unknown Error"));
    EXPECT_EQ(TWinexecute::ErgebnisText(31),
              QStringLiteral("Application not found to start selected file"));
    EXPECT_EQ(TWinexecute::ErgebnisText(32), QStringLiteral("Unknown Error"));
    EXPECT_EQ(TWinexecute::ErgebnisText(33), QString());
    EXPECT_EQ(TWinexecute::ErgebnisText(1000), QString());

    TWinexecute start;
    start.SetFileName(QStringLiteral("/nonexistent/doc.pdf"));
    EXPECT_FALSE(start.Ausfuehren());
    EXPECT_EQ(start.ErrorString(), QStringLiteral("File not found."));
    start.SetProgrammPfad(QStringLiteral("/nonexistent-folder"));
    EXPECT_FALSE(start.Ausfuehren());
    EXPECT_EQ(start.ErrorString(), QStringLiteral("File not found!"));
    start.SetProgrammPfad(QString());
    start.SetExecuteModus(static_cast<TModus>(7));
    EXPECT_FALSE(start.Ausfuehren());
    EXPECT_EQ(start.ErrorString(), QStringLiteral("Display not activated"));
}

TEST(HandbuchTest, FehlendesHandbuchGibtDieNichtGefundenMeldung) {
    QTemporaryDir leer;
    Testrueckfragen fragen;
    EXPECT_FALSE(HandbuchOeffnen({leer.path()}, fragen));
    EXPECT_EQ(fragen.Meldungen,
              QStringList{QStringLiteral("The file - TRV Manual.pdf - was not found.The required "
                                         "file can only be installed from the CD version!")});
}

// Found in the second folder (the installation's data folder); opened from its own folder,
// and the process's folder is back afterwards. A folder ending in "/" gets no second one.
TEST(HandbuchTest, HandbuchWirdAusSeinemOrdnerGeoeffnet) {
    QTemporaryDir leer;
    QTemporaryDir daten;
    Schreiben(daten.filePath(QStringLiteral("TRV Manual.pdf")), "%PDF-1.4\n");
    const QString vorher = QDir::currentPath();
    Desktop desktop(QStringLiteral("betrachter.desktop"));
    Oeffner oeffner;
    Testrueckfragen fragen;
    EXPECT_TRUE(HandbuchOeffnen({leer.path(), daten.path() + QLatin1Char('/')}, fragen));
    EXPECT_EQ(desktop.GefragterTyp(), QByteArray("application/pdf"));
    EXPECT_TRUE(fragen.Meldungen.isEmpty());
    ASSERT_EQ(oeffner.Urls.size(), 1);
    EXPECT_EQ(oeffner.Urls[0].toLocalFile(), daten.filePath(QStringLiteral("TRV Manual.pdf")));
    EXPECT_EQ(QDir(oeffner.OrdnerBeimOeffnen).canonicalPath(), QDir(daten.path()).canonicalPath());
    EXPECT_EQ(QDir::currentPath(), vorher);
}

// No application for PDF files: the desktop's opener would start and find nothing, so the
// command says so instead of handing the file over.
TEST(HandbuchTest, OhneProgrammFuerPdfDieStartmeldung) {
    QTemporaryDir daten;
    Schreiben(daten.filePath(QStringLiteral("TRV Manual.pdf")), "%PDF-1.4\n");
    Desktop desktop{QString()};
    Oeffner oeffner;
    Testrueckfragen fragen;
    EXPECT_FALSE(HandbuchOeffnen({daten.path()}, fragen));
    EXPECT_EQ(fragen.Meldungen,
              QStringList{QStringLiteral("Application not found to start selected file")});
    EXPECT_TRUE(oeffner.Urls.isEmpty());
}

} // namespace
} // namespace trv::test

#include "DokumenteTest.moc"
