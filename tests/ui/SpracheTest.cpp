// The language modules: complete for every text of the program, switched at the start window
// and in the running main window.
#include "../render/PdfText.h"
#include "Hauptfenster.h"
#include "Testrueckfragen.h"
#include "dxf/DxfBewehrung.h"
#include "files/Einstellungen.h"
#include "files/Ressourcen.h"
#include "platform/Sprachmodule.h"
#include "schedule/Stuecklistenregeln.h"
#include "ui/main/Druckbefehle.h"
#include "ui/main/Druckerwahl.h"
#include "ui/main/Projektbefehle.h"
#include "ui/start/Splash.h"
#include "ui/start/Sprachwahl.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

namespace sprache = plattform::sprache;

const QStringList Uebersetzungen{QStringLiteral("de_CH"), QStringLiteral("fr"),
                                 QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("es")};

struct Meldungstext {
    QString Kontext;
    QString Quelle;
    QString Kommentar;
    QString Uebersetzung;
    bool Unfertig = false;
};

// The messages of a translation source (.ts), without the ones lupdate found gone.
std::vector<Meldungstext> TsLesen(const QString& pfad) {
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad.toStdString();
    std::vector<Meldungstext> texte;
    QXmlStreamReader xml(&datei);
    QString kontext;
    Meldungstext m;
    bool veraltet = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message") && !veraltet) {
                texte.push_back(m);
            }
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            kontext = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = {kontext, {}, {}, {}, false};
            veraltet = false;
        } else if (name == QLatin1String("source")) {
            m.Quelle = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("comment")) {
            m.Kommentar = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString typ = xml.attributes().value(QLatin1String("type")).toString();
            veraltet = typ == QLatin1String("vanished") || typ == QLatin1String("obsolete");
            m.Unfertig = typ == QLatin1String("unfinished");
            m.Uebersetzung = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << pfad.toStdString() << ": " << xml.errorString().toStdString();
    return texte;
}

QStringList Platzhalter(const QString& text) {
    static const QRegularExpression muster(QStringLiteral("%\\d+"));
    QStringList gefunden;
    for (auto it = muster.globalMatch(text); it.hasNext();) {
        gefunden << it.next().captured();
    }
    gefunden.sort();
    return gefunden;
}

int Tastenkuerzel(const QString& text) {
    return static_cast<int>(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

// Writes a language module of the given file name that translates "&File" and nothing else.
void KleinesModul(const QString& pfad, const QString& datei) {
    const QString ts = pfad + QStringLiteral(".ts");
    QFile f(ts);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\">"
            "<context><name>trv::TfrmHauptMaske</name><message><source>&amp;File</source>"
            "<translation>&amp;Fichier</translation></message></context></TS>");
    f.close();
    ASSERT_EQ(QProcess::execute(QStringLiteral(TRV_LRELEASE),
                                {QStringLiteral("-silent"), ts, QStringLiteral("-qm"),
                                 QDir(pfad).filePath(datei)}),
              0);
}

// A folder of module files with an INI file beside them, as an installation has.
struct Modulordner {
    explicit Modulordner(const QStringList& dateien) {
        for (const QString& datei : dateien) {
            KleinesModul(ordner.path(), datei);
        }
    }
    int GespeicherteSprache() const {
        return static_cast<int>(LeseInt(ini, einstellung::IDSprache, -1));
    }
    QTemporaryDir ordner;
    TKIniDatei ini{(ordner.path() + QStringLiteral("/trv.INI")).toStdString(),
                   TKRegional::Standard()};
    Testrueckfragen fragen;
};

TEST(SpracheTest, JedeMeldungUndJederFenstertextIstInJedemModulUebersetzt) {
    // Bring copies of the sources up to date with the program's texts: a text added to the
    // program without its translations shows up as unfinished here.
    QTemporaryDir kopie;
    QStringList ts;
    for (const QString& sprache : Uebersetzungen) {
        const QString ziel = kopie.filePath(QStringLiteral("trv_%1.ts").arg(sprache));
        ASSERT_TRUE(QFile::copy(
            QStringLiteral(TRV_SOURCE_DIR "/translations/trv_%1.ts").arg(sprache), ziel));
        ts << ziel;
    }
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(TRV_SOURCE_DIR));
    lupdate.start(QStringLiteral(TRV_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-recursive"),
                              QStringLiteral("src"), QStringLiteral("-locations"),
                              QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                              QStringLiteral("-ts")} +
                      ts);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    for (const QString& datei : ts) {
        const std::vector<Meldungstext> texte = TsLesen(datei);
        EXPECT_GT(texte.size(), 500u) << datei.toStdString();
        for (const Meldungstext& m : texte) {
            const std::string wo = datei.section(QLatin1Char('/'), -1).toStdString() + ": " +
                                   m.Kontext.toStdString() + ": " + m.Quelle.left(60).toStdString();
            EXPECT_FALSE(m.Unfertig || m.Uebersetzung.isEmpty()) << "untranslated in " << wo;
            EXPECT_EQ(Platzhalter(m.Uebersetzung), Platzhalter(m.Quelle)) << wo;
            EXPECT_EQ(Tastenkuerzel(m.Uebersetzung), Tastenkuerzel(m.Quelle)) << wo;
            EXPECT_EQ(m.Uebersetzung.count(QLatin1Char('|')), m.Quelle.count(QLatin1Char('|')))
                << wo;
            if (m.Kontext == QLatin1String("Ressource")) {
                // List items are taken by their index.
                EXPECT_EQ(m.Uebersetzung.count(QLatin1Char('\\')),
                          m.Quelle.count(QLatin1Char('\\')))
                    << wo;
            }
        }
    }
}

TEST(SpracheTest, JedesModulLiefertJedenRessourcentextDesKerns) {
    // English has a module of its own (the built-in texts), so that its button works once
    // other modules exist.
    plattform::Sprachmodule module({QStringLiteral(TRV_BUILD_DIR)});
    EXPECT_EQ(module.AnzahlDateien(), 6);
    EXPECT_TRUE(module.SpracheLaden(sprache::Englisch));
    for (const char* endung : {"des", "fra", "ita", "nld", "esp"}) {
        QTranslator modul;
        ASSERT_TRUE(modul.load(QStringLiteral(TRV_BUILD_DIR "/trv.") + QLatin1String(endung)));
        std::vector<std::string> fehlend;
        SetzeSprachmodul([&](const char* schluessel, const char* englisch) {
            const QString text = modul.translate("Ressource", englisch, schluessel);
            if (text.isEmpty()) {
                fehlend.emplace_back(schluessel);
            }
            return text.isEmpty() ? std::string(englisch) : text.toStdString();
        });
        for (int nr : RessourcenNummern()) {
            Ressource(nr);
        }
        // A schedule saved under this language stays active under every other.
        EXPECT_NE(std::find(AktivTexte.begin(), AktivTexte.end(), Ressource(res::StatusAktiv)),
                  AktivTexte.end())
            << endung;
        // The file format's identifiers are the same in every language.
        EXPECT_EQ(Ressource(res::DateiProgrammName), RessourceEnglisch(res::DateiProgrammName));
        SetzeSprachmodul({});
        EXPECT_TRUE(fehlend.empty()) << endung << ": " << fehlend.front();
    }
}

TEST(SpracheTest, StartfensterOhneModuleSchreibtBeiEnglischNichts) {
    Modulordner m({});
    plattform::Sprachmodule module({m.ordner.path()});
    Sprachwahl wahl(module, m.ini, sprache::Deutsch, m.fragen);
    TfrmSplash start(wahl);
    EXPECT_EQ(wahl.SprachDateien(), 0);
    EXPECT_TRUE(start.MarkerSichtbar(sprache::Englisch)) << "the silent English fallback";
    EXPECT_TRUE(m.fragen.Meldungen.isEmpty());
    start.Sprachknopf(sprache::Englisch)->click();
    EXPECT_TRUE(start.MarkerSichtbar(sprache::Englisch));
    EXPECT_TRUE(m.fragen.Meldungen.isEmpty());
    EXPECT_EQ(m.GespeicherteSprache(), -1) << "nothing written to the INI file";
}

TEST(SpracheTest, FehlendesModulMeldetUndSpeichertDieWahlTrotzdem) {
    Modulordner m({QStringLiteral("trv.fra")});
    plattform::Sprachmodule module({m.ordner.path()});
    Sprachwahl wahl(module, m.ini, sprache::Englisch, m.fragen);
    TfrmSplash start(wahl);
    EXPECT_EQ(wahl.SprachDateien(), 1);
    start.Sprachknopf(sprache::Englisch)->click();
    EXPECT_EQ(m.fragen.Meldungen, QStringList{QStringLiteral("Selected language not available!")});
    EXPECT_EQ(m.GespeicherteSprache(), sprache::Englisch) << "tried again at the next start";
    EXPECT_EQ(module.AktiveSprache(), 0);

    start.Sprachknopf(sprache::Franzoesisch)->click();
    EXPECT_TRUE(start.MarkerSichtbar(sprache::Franzoesisch));
    EXPECT_FALSE(start.MarkerSichtbar(sprache::Englisch));
    EXPECT_EQ(QCoreApplication::translate("trv::TfrmHauptMaske", "&File"),
              QStringLiteral("&Fichier"));
    // A missing module leaves the texts and the marker with the active language.
    start.Sprachknopf(sprache::Deutsch)->click();
    EXPECT_EQ(m.fragen.Meldungen.size(), 2);
    EXPECT_TRUE(start.MarkerSichtbar(sprache::Franzoesisch));
    EXPECT_EQ(QCoreApplication::translate("trv::TfrmHauptMaske", "&File"),
              QStringLiteral("&Fichier"));
    EXPECT_EQ(m.GespeicherteSprache(), sprache::Deutsch);
}

TEST(SpracheTest, GespeicherteSpracheWirdVorDemZeigenAktiviert) {
    // File names are compared without regard to case.
    Modulordner m({QStringLiteral("TRV.DES"), QStringLiteral("trv.esp")});
    SchreibeInt(m.ini, einstellung::IDSprache, sprache::Deutsch);
    plattform::Sprachmodule module({m.ordner.path()});
    Sprachwahl wahl(module, m.ini, sprache::Englisch, m.fragen);
    TfrmSplash start(wahl);
    EXPECT_EQ(module.AktiveSprache(), sprache::Deutsch);
    EXPECT_TRUE(start.MarkerSichtbar(sprache::Deutsch));
    EXPECT_TRUE(m.fragen.Meldungen.isEmpty());
}

TEST(SpracheTest, OhneGespeicherteSpracheGiltDieDesSystems) {
    // A Spanish system with the modern sort order: its abbreviation ESN matches no module, so
    // the texts stay English without a message.
    Modulordner m({QStringLiteral("trv.esp"), QStringLiteral("trv.de")});
    {
        plattform::Sprachmodule module({m.ordner.path()});
        Sprachwahl wahl(module, m.ini, 3082, m.fragen);
        TfrmSplash start(wahl);
        EXPECT_EQ(module.AktiveSprache(), 0);
        EXPECT_TRUE(start.MarkerSichtbar(sprache::Englisch));
        EXPECT_TRUE(m.fragen.Meldungen.isEmpty());
        EXPECT_EQ(m.GespeicherteSprache(), -1);
    }
    // German (Germany), DEU: no "trv.deu", the first two letters find "trv.de".
    plattform::Sprachmodule module({m.ordner.path()});
    Sprachwahl wahl(module, m.ini, 1031, m.fragen);
    TfrmSplash start(wahl);
    EXPECT_EQ(module.AktiveSprache(), 1031);
    EXPECT_EQ(m.GespeicherteSprache(), 1031);
    EXPECT_FALSE(start.MarkerSichtbar(sprache::Deutsch)) << "1031 has no button of its own";
}

// The menu bar's captions of a main window.
QStringList Menues(TfrmHauptMaske& fenster) {
    QStringList texte;
    for (QAction* a : fenster.menuBar()->actions()) {
        texte << a->text();
    }
    return texte;
}

TEST(SpracheTest, LaufendesHauptfensterWechseltAufDeutsch) {
    Hauptfenster h({Beispiel("slab-to-wall-linear.TRV")});
    ASSERT_TRUE(Menues(*h).contains(QStringLiteral("&File")));
    {
        plattform::Sprachmodule module({QStringLiteral(TRV_BUILD_DIR)});
        ASSERT_TRUE(module.SpracheLaden(sprache::Deutsch));
        QApplication::processEvents();

        EXPECT_TRUE(Menues(*h).contains(QStringLiteral("&Datei")))
            << Menues(*h).join(' ').toStdString();
        EXPECT_TRUE(Menues(*h).contains(QStringLiteral("&Hilfe")));
        const auto* baum = h->findChild<QTreeWidget*>(QStringLiteral("tvMain"));
        ASSERT_NE(baum, nullptr);
        EXPECT_FALSE(baum->findItems(QStringLiteral("Eingabe"), Qt::MatchExactly).isEmpty());
        QStringList beschriftungen;
        for (const QLabel* l : h->findChildren<QLabel*>()) {
            beschriftungen << l->text();
        }
        EXPECT_TRUE(beschriftungen.contains(QStringLiteral("Fugenlänge")));
        EXPECT_TRUE(beschriftungen.contains(QStringLiteral("Betonüberdeckung oben")));

        // A message of the core, fetched at the moment it is shown.
        h->findChild<QAction*>(QStringLiteral("mnuPositionLoeschen"))->trigger();
        ASSERT_EQ(h.fragen.Meldungen.size(), 1);
        EXPECT_TRUE(h.fragen.Meldungen.front().startsWith(
            QStringLiteral("Das Projekt enthält nur eine Position.")))
            << h.fragen.Meldungen.front().toStdString();

        // The reinforcement drawing: the German texts in the drawing's code page, as a CAD
        // reader decodes them.
        {
            QTemporaryDir ordner;
            const std::string dxf = ordner.filePath(QStringLiteral("bewehrung.dxf")).toStdString();
            h->findChild<QAction*>(QStringLiteral("mnuNeuBerechnung"))->trigger();
            std::string fehler;
            ASSERT_TRUE(dxf::DxfBewehrungSpeichern(h->Zustand().Anwendung(), dxf, '.', fehler))
                << fehler;
            QProcess ezdxf;
            ezdxf.start(
                QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); "
                                "print(d.encoding); "
                                "[print(e.dxf.text) for e in d.modelspace().query('TEXT')]"),
                 QString::fromStdString(dxf)});
            ASSERT_TRUE(ezdxf.waitForFinished(60000));
            const QString texte = QString::fromUtf8(ezdxf.readAllStandardOutput());
            EXPECT_EQ(ezdxf.exitCode(), 0) << ezdxf.readAllStandardError().toStdString();
            EXPECT_TRUE(texte.startsWith(QStringLiteral("cp1252"))) << texte.toStdString();
            EXPECT_TRUE(texte.contains(QStringLiteral("Bügel"))) << texte.toStdString();
        }

        // The printed sheet.
        if (!Druckerwahl::DruckerInstalliert()) {
            Projektzustand zustand{TKIniDatei{}, TKRegional::Standard()};
            Testrueckfragen fragen;
            Druckerwahl drucker;
            Projektbefehle befehle{zustand, fragen};
            Druckbefehle druck{zustand, drucker, fragen};
            ASSERT_TRUE(befehle.ProjektLaden(
                QStringLiteral(TRV_TEST_DATA_DIR "/platte-wand-beliebig.TRV")));
            QTemporaryDir ordner;
            fragen.Dateien.push_back(ordner.filePath(QStringLiteral("blatt.pdf")));
            ASSERT_TRUE(druck.Drucken());
            const QString seite1 = PdfTextLesen(ordner.filePath(QStringLiteral("blatt.pdf")), 1);
            for (const char* text : {"Eingabe", "Ergebnisse", "Plattenstärke"}) {
                EXPECT_TRUE(seite1.contains(QString::fromUtf8(text))) << text;
            }
        }
    }
    // The module released: the built-in English texts return.
    QApplication::processEvents();
    EXPECT_TRUE(Menues(*h).contains(QStringLiteral("&File")));
    EXPECT_EQ(Ressource(res::BlattEingabe), "Input");
}

} // namespace
} // namespace trv::test
