// The File menu's recent projects (kept in the INI file) and projects dropped onto the window.
#include "Hauptfenster.h"
#include "platform/Dateinamen.h"
#include "ui/main/Projektbefehle.h"
#include "ui/main/ZuletztGeoeffnet.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace trv::test {
namespace {

struct Ordner {
    QTemporaryDir dir;
    TKIniDatei Ini() const {
        return TKIniDatei(dir.filePath(QStringLiteral("trv.INI")).toStdString(),
                          TKRegional::Standard());
    }
    // A copy of an example under the given name.
    QString Projekt(const QString& name, const char* beispiel = "slab-to-wall-linear.TRV") const {
        const QString ziel = dir.filePath(name);
        QFile::remove(ziel);
        EXPECT_TRUE(QFile::copy(Beispiel(beispiel), ziel));
        return ziel;
    }
};

TEST(ZuletztTest, ListeHaeltDieNeuestenAchtOhneDoppelteUndUeberlebtDenNeustart) {
    Ordner o;
    {
        ZuletztGeoeffnet liste(o.Ini());
        for (int i = 1; i <= 10; ++i) {
            liste.Hinzufuegen(o.dir.filePath(QStringLiteral("p%1.TRV").arg(i)));
        }
        liste.Hinzufuegen(o.dir.filePath(QStringLiteral("p5.TRV")));
        // A name with a line break would break the INI file: it is not kept.
        liste.Hinzufuegen(o.dir.filePath(QStringLiteral("evil\nProjekt1=x.TRV")));
        liste.Hinzufuegen(QString());
    }
    ZuletztGeoeffnet neu(o.Ini());
    QStringList erwartet{QStringLiteral("p5.TRV")};
    for (int i : {10, 9, 8, 7, 6, 4, 3}) {
        erwartet << QStringLiteral("p%1.TRV").arg(i);
    }
    QStringList namen;
    for (const QString& p : neu.Projekte()) {
        EXPECT_TRUE(QDir::isAbsolutePath(p)) << p.toStdString();
        namen << QFileInfo(p).fileName();
    }
    EXPECT_EQ(namen, erwartet);
    neu.Entfernen(o.dir.filePath(QStringLiteral("p10.TRV")));
    neu.Leeren();
    EXPECT_TRUE(ZuletztGeoeffnet(o.Ini()).Projekte().isEmpty());
}

// A main window whose settings are a real INI file in a temporary folder.
struct Fenster {
    explicit Fenster(const Ordner& o) : fenster(o.Ini(), TKRegional::Standard(), {}, &fragen) {
        fenster.resize(1200, 800);
        fenster.show();
        QApplication::processEvents();
    }
    ~Fenster() { fenster.hide(); }
    QStringList Eintraege() const {
        QStringList texte;
        for (QAction* a : fenster.ZuletztMenue()->actions()) {
            if (!a->isSeparator()) {
                texte << a->text();
            }
        }
        return texte;
    }
    Testrueckfragen fragen;
    TfrmHauptMaske fenster;
};

TEST(ZuletztTest, MenueBietetGeoeffneteUndGespeicherteProjekteAn) {
    Ordner o;
    const QString a = o.Projekt(QStringLiteral("a.TRV"));
    const QString b = o.Projekt(QStringLiteral("b.TRV"), "single-connector-point-load.TRV");
    {
        Fenster f(o);
        EXPECT_EQ(f.Eintraege(), QStringList{QStringLiteral("(none)")});
        f.fragen.Antworten = {Antwort::Nein};
        f.fragen.Dateien = {a};
        ASSERT_TRUE(f.fenster.Kommandos().Oeffnen());
        f.fragen.Antworten = {Antwort::Nein};
        f.fragen.Dateien = {b};
        ASSERT_TRUE(f.fenster.Kommandos().Oeffnen());
        EXPECT_EQ(f.Eintraege(),
                  (QStringList{QStringLiteral("&1 b.TRV"), QStringLiteral("&2 a.TRV"),
                               QStringLiteral("&Clear List")}));
    }
    // After a restart the list is there; an entry opens its project after the save question.
    Fenster f(o);
    ASSERT_EQ(f.Eintraege().size(), 3);
    f.fragen.Antworten = {Antwort::Nein};
    f.fenster.ZuletztMenue()->actions().at(1)->trigger();
    EXPECT_EQ(f.fragen.Fragen.size(), 1);
    EXPECT_EQ(QFileInfo(f.fenster.Zustand().Dateiname()).fileName(), QStringLiteral("a.TRV"));
    EXPECT_EQ(f.Eintraege().front(), QStringLiteral("&1 a.TRV"));

    // Saved under a new name: that name comes first.
    f.fragen.Dateien = {o.dir.filePath(QStringLiteral("c.TRV"))};
    ASSERT_TRUE(f.fenster.Kommandos().SpeichernUnter());
    EXPECT_EQ(f.Eintraege().front(), QStringLiteral("&1 c.TRV"));

    // A project that is gone is reported and taken off the list; nothing else changes.
    QFile::remove(b);
    const QAction* weg = nullptr;
    for (QAction* aktion : f.fenster.ZuletztMenue()->actions()) {
        if (aktion->text().endsWith(QStringLiteral("b.TRV"))) {
            weg = aktion;
        }
    }
    ASSERT_NE(weg, nullptr);
    const_cast<QAction*>(weg)->trigger();
    ASSERT_EQ(f.fragen.Meldungen.size(), 1);
    EXPECT_TRUE(f.fragen.Meldungen.front().contains(b));
    EXPECT_FALSE(f.Eintraege().join(' ').contains(QStringLiteral("b.TRV")));
    EXPECT_EQ(QFileInfo(f.fenster.Zustand().Dateiname()).fileName(), QStringLiteral("c.TRV"));
}

// Two instances: each adds its project while the other runs; both projects stay on the list.
TEST(ZuletztTest, ListenZweierProgrammeWerdenZusammengefuehrt) {
    QTemporaryDir ordner;
    const TKIniDatei ini(plattform::BytesAusName(ordner.filePath(QStringLiteral("trv.INI"))),
                         TKRegional::Standard());
    const QString a = ordner.filePath(QStringLiteral("a.TRV"));
    const QString b = ordner.filePath(QStringLiteral("b.TRV"));
    const QString c =
        plattform::NameAusBytes(plattform::BytesAusName(ordner.path()) + "/c\xFF.TRV");
    ZuletztGeoeffnet erstes(ini);
    ZuletztGeoeffnet zweites(ini);
    erstes.Hinzufuegen(a);
    zweites.Hinzufuegen(b);
    erstes.Hinzufuegen(c);
    EXPECT_EQ(erstes.Projekte(), (QStringList{c, b, a}));
    EXPECT_EQ(ZuletztGeoeffnet(ini).Projekte(), (QStringList{c, b, a}));
    zweites.Entfernen(a);
    EXPECT_EQ(ZuletztGeoeffnet(ini).Projekte(), (QStringList{c, b}));
}

QMimeData* Gezogen(const QList<QUrl>& urls) {
    auto* daten = new QMimeData;
    daten->setUrls(urls);
    return daten;
}

TEST(ZuletztTest, GezogeneProjektdateiWirdNachDerSpeicherfrageGeoeffnet) {
    Ordner o;
    const QString projekt = o.Projekt(QStringLiteral("gezogen.trv"));
    const QString text = o.dir.filePath(QStringLiteral("notiz.txt"));
    const std::unique_ptr<QMimeData> eine(Gezogen({QUrl::fromLocalFile(projekt)}));
    const std::unique_ptr<QMimeData> zwei(
        Gezogen({QUrl::fromLocalFile(projekt), QUrl::fromLocalFile(projekt)}));
    const std::unique_ptr<QMimeData> fremd(Gezogen({QUrl::fromLocalFile(text)}));
    const std::unique_ptr<QMimeData> entfernt(Gezogen({QUrl(QStringLiteral("https://x/a.TRV"))}));
    EXPECT_EQ(TfrmHauptMaske::GezogenesProjekt(eine.get()), projekt);
    EXPECT_TRUE(TfrmHauptMaske::GezogenesProjekt(zwei.get()).isEmpty());
    EXPECT_TRUE(TfrmHauptMaske::GezogenesProjekt(fremd.get()).isEmpty());
    EXPECT_TRUE(TfrmHauptMaske::GezogenesProjekt(entfernt.get()).isEmpty());

    Fenster f(o);
    const QPoint mitte = f.fenster.rect().center();
    QDragEnterEvent abgelehnt(mitte, Qt::CopyAction, fremd.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.fenster, &abgelehnt);
    EXPECT_FALSE(abgelehnt.isAccepted());
    QDragEnterEvent betreten(mitte, Qt::CopyAction, eine.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.fenster, &betreten);
    EXPECT_TRUE(betreten.isAccepted());

    // A drop follows the entry of the drag. Cancelled at the save question: the project stays.
    f.fragen.Antworten = {Antwort::Abbrechen};
    QDropEvent abwurf(mitte, Qt::CopyAction, eine.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.fenster, &abwurf);
    QApplication::processEvents();
    EXPECT_EQ(f.fragen.Fragen.size(), 1);
    EXPECT_TRUE(f.fenster.Zustand().Dateiname().isEmpty());

    f.fragen.Antworten = {Antwort::Nein};
    QDragEnterEvent wieder(mitte, Qt::CopyAction, eine.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.fenster, &wieder);
    QDropEvent nochmal(mitte, Qt::CopyAction, eine.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.fenster, &nochmal);
    QApplication::processEvents();
    EXPECT_EQ(f.fragen.Fragen.size(), 2);
    EXPECT_EQ(f.fenster.Zustand().Dateiname(), projekt);
    EXPECT_EQ(f.fenster.Zustand().Modus(), amUebersicht);
    EXPECT_EQ(f.Eintraege().front(), QStringLiteral("&1 gezogen.trv"));
}

} // namespace
} // namespace trv::test
