// File names as the system has them: bytes that need not be UTF-8.
#include "platform/Dateinamen.h"
#include "Hauptfenster.h"
#include "ui/dialogs/Projektverwaltung.h"
#include "ui/main/Projektbefehle.h"

#include <QApplication>
#include <QListView>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace trv::test {
namespace {

namespace fs = std::filesystem;
using plattform::BytesAusName;
using plattform::NameAusBytes;

TEST(DateinamenTest, JedeBytefolgeKommtUnveraendertZurueck) {
    // Valid UTF-8 is Qt's text; everything else is kept byte for byte: lone continuation
    // bytes, overlong forms, encoded surrogates, cut-off sequences, code points past U+10FFFF.
    EXPECT_EQ(NameAusBytes("Pr\xC3\xBC"
                           "fung \xF0\x9F\x98\x80.TRV"),
              QString::fromUtf8("Pr\xC3\xBC"
                                "fung \xF0\x9F\x98\x80.TRV"));
    for (const std::string b : {"\x80", "\xC0\xAF", "\xED\xB2\x80", "a\xE2\x82", "\xF4\x90\x80\x80",
                                "\xFF\xFE", "\xED\xA0\x80\xED\xB0\x80"}) {
        EXPECT_EQ(BytesAusName(NameAusBytes(b)), b);
        EXPECT_FALSE(plattform::NameDarstellbar(NameAusBytes(b)));
    }
    std::mt19937 zufall(7);
    for (int i = 0; i < 2000; ++i) {
        std::string b(zufall() % 12, '\0');
        for (char& c : b) {
            c = static_cast<char>(zufall() % 2 ? 0x80 + zufall() % 0x80 : 0x20 + zufall() % 0x60);
        }
        ASSERT_EQ(BytesAusName(NameAusBytes(b)), b);
        if (QString::fromUtf8(b.data(), qsizetype(b.size())).toUtf8().toStdString() == b) {
            ASSERT_EQ(NameAusBytes(b), QString::fromUtf8(b.data(), qsizetype(b.size())));
        }
    }
}

// A project whose name is not UTF-8, with a blank at its end: Qt's arguments() and
// QUrl::toLocalFile() gave another name, the project administration did not list it.
TEST(DateinamenTest, ProjektMitNichtUtf8NamenOeffnenListenUndSpeichern) {
    QTemporaryDir ordner;
    const std::string ordnerBytes = BytesAusName(ordner.path());
    const std::string name = "Pr\xFC"
                             "fung.TRV ";
    const fs::path pfad = ordnerBytes + "/" + name;
    fs::copy_file(BytesAusName(Beispiel("several-positions-with-schedule.TRV")), pfad);

    const std::string argument = "  " + pfad.native();
    const char* argv[] = {"trv", argument.c_str()};
    const QStringList argumente = plattform::Argumente(2, argv);
    Hauptfenster f(argumente);
    EXPECT_TRUE(f.fragen.Meldungen.isEmpty()) << f.fragen.Meldungen.join('\n').toStdString();
    EXPECT_EQ(BytesAusName(f->Zustand().Dateiname()), pfad.native());
    EXPECT_GT(f->Zustand().Modell().AnzAnwendung(), 1);
    // The caption cannot show the name as it is and says so.
    EXPECT_TRUE(f->windowTitle().contains(QChar::ReplacementCharacter));

    // Saved again under its own name, not under a look-alike: the file is replaced.
    const auto inode = [&pfad] {
        struct stat st {};
        EXPECT_EQ(::stat(pfad.c_str(), &st), 0);
        return st.st_ino;
    };
    const auto vorher = inode();
    ASSERT_TRUE(f->Kommandos().Speichern());
    EXPECT_EQ(std::distance(fs::directory_iterator(ordnerBytes), fs::directory_iterator()), 1);
    EXPECT_NE(inode(), vorher);

    // A drop names it by the bytes of its URL.
    QMimeData daten;
    daten.setData(QStringLiteral("text/uri-list"),
                  QUrl::fromLocalFile(ordner.path()).toEncoded() + '/' +
                      QByteArray::fromStdString(std::string("Pr\xFC"
                                                            "fung.TRV"))
                          .toPercentEncoding() +
                      "\r\n");
    EXPECT_EQ(BytesAusName(TfrmHauptMaske::GezogenesProjekt(&daten)), ordnerBytes + "/Pr\xFC"
                                                                                    "fung.TRV");

    // The project administration lists it and reads its positions.
    const fs::path zweite = ordnerBytes + "/Pr\xFC"
                                          "fung.TRV";
    fs::copy_file(pfad, zweite);
    TfrmProjektverwaltung verwaltung(f->Kommandos(), f.fragen);
    verwaltung.OrdnerWaehlen(ordner.path());
    const QAbstractItemModel* dateien = verwaltung.Dateiliste()->model();
    ASSERT_EQ(dateien->rowCount(), 1) << "only names ending in .TRV are project files";
    EXPECT_TRUE(dateien->index(0, 0).data().toString().contains(QChar::ReplacementCharacter));
    EXPECT_FALSE(dateien->index(0, 0).data(Qt::ToolTipRole).toString().isEmpty());
    verwaltung.Dateiliste()->setCurrentIndex(dateien->index(0, 0));
    EXPECT_EQ(BytesAusName(verwaltung.Datei()), zweite.native());
    EXPECT_EQ(verwaltung.Positionsliste()->topLevelItemCount(),
              f->Zustand().Modell().AnzAnwendung());
    EXPECT_TRUE(f.fragen.Meldungen.isEmpty()) << f.fragen.Meldungen.join('\n').toStdString();
}

} // namespace
} // namespace trv::test
