#include "printing/Druckauftrag.h"
#include "printing/Seitenmasse.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace trv::test {
namespace {

// The pen factor is the printer's while the pages are drawn and the screen's afterwards, also
// when a page fails half-way; the failure reaches the caller as text, not as an exception.
TEST(DruckauftragTest, StiftFaktorZurueckAufEinsAufJedemWeg) {
    QTemporaryDir ordner;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("a.pdf")));
    Seitenmasse masse;
    std::string fehler;
    double beimZeichnen = 0;
    EXPECT_TRUE(Druckauftrag(
        drucker, masse, [&](QPainter&) { beimZeichnen = masse.StiftFaktor(); }, fehler));
    // Screen pixels scaled to the printer's resolution.
    EXPECT_DOUBLE_EQ(beimZeichnen, drucker.resolution() / 96.0);
    EXPECT_EQ(masse.StiftFaktor(), 1);
    EXPECT_EQ(masse.AufloesungX(), drucker.resolution());

    drucker.setOutputFileName(ordner.filePath(QStringLiteral("b.pdf")));
    EXPECT_FALSE(Druckauftrag(
        drucker, masse, [&](QPainter&) { throw std::range_error("page coordinate too large"); },
        fehler));
    EXPECT_EQ(fehler, "page coordinate too large");
    EXPECT_EQ(masse.StiftFaktor(), 1);
}

} // namespace
} // namespace trv::test
