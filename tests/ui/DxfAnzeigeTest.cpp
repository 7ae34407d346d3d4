#include "Testrueckfragen.h"
#include "dxf/viewer/DXF_Anzeige.h"
#include "dxf/viewer/DxfKern.h"
#include "dxf/viewer/Zoomer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace trv::dxf {
namespace {

void Linie(DXF_Layer& layer, double x1, double y1, double x2, double y2, int farbe) {
    layer.add_entity(std::make_unique<Line_>(Coord3D{x1, y1, 0}, Coord3D{x2, y2, 0}, farbe));
}

// A rectangle 200 x 100 in black with a red line across its middle.
std::unique_ptr<DXF_Object> Rechteck() {
    auto z = std::make_unique<DXF_Object>("Rechteck");
    DXF_Layer& l = z->find_or_add_layer("0", true);
    Linie(l, 0, 0, 200, 0, 7);
    Linie(l, 200, 0, 200, 100, 7);
    Linie(l, 200, 100, 0, 100, 7);
    Linie(l, 0, 100, 0, 0, 7);
    Linie(l, 0, 50, 200, 50, 1);
    return z;
}

struct Strecke {
    QPointF a;
    QPointF b;
    QRgb farbe;
};

double Abstand(QPointF p, const Strecke& s) {
    const QPointF d = s.b - s.a;
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 == 0.0 ? 0.0 : std::clamp(QPointF::dotProduct(p - s.a, d) / l2, 0.0, 1.0);
    const QPointF q = s.a + t * d - p;
    return std::hypot(q.x(), q.y());
}

class DxfAnzeigeTest : public ::testing::Test {
protected:
    void Zeigen(std::unique_ptr<DXF_Object> zeichnung) {
        form.set_drawing(std::move(zeichnung));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(form.ZoomBox().ready());
    }

    QImage Bild() { return form.ZoomBox().paint_area()->grab().toImage(); }

    test::Testrueckfragen fragen;
    TDXF_Anzeige_Form form{&fragen};
    QTemporaryDir ordner;
};

TEST_F(DxfAnzeigeTest, OpensMaximisedWithItsTextsAndBackCloses) {
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("DXF display form"));
    const auto knoepfe = form.findChildren<QPushButton*>();
    QStringList texte;
    for (const QPushButton* k : knoepfe) {
        texte << k->text();
    }
    texte.sort();
    EXPECT_EQ(texte, (QStringList{QStringLiteral("&Back"), QStringLiteral("&Save as DXF")}));
    Zeigen(Rechteck());
    for (QPushButton* k : knoepfe) {
        if (k->text() == QStringLiteral("&Back")) {
            QTest::mouseClick(k, Qt::LeftButton);
        }
    }
    EXPECT_FALSE(form.isVisible());
}

// The pixels where the rectangle's lines must be (by the fit: margins of 20 pixels, the
// tighter direction decides the scale) are painted in the lines' colours, and nothing else is.
TEST_F(DxfAnzeigeTest, PaintsEveryLineWhereTheFitPutsItAndNothingElse) {
    Zeigen(Rechteck());
    const QImage bild = Bild();
    const double w = bild.width();
    const double h = bild.height();
    ASSERT_GT(w, 100);
    ASSERT_GT(h, 100);
    const double s = std::min(w - 40.0, h - 40.0);
    const double m = std::min(s / 200.0, s / 100.0);
    const double x_min = 100.0 - w / 2.0 / m;
    const double y_max = 50.0 + h / 2.0 / m;
    const auto P = [&](double x, double y) {
        return QPointF(std::nearbyint((x - x_min) * m), std::nearbyint((y_max - y) * m));
    };
    const QRgb schwarz = qRgb(0, 0, 0);
    const QRgb rot = qRgb(255, 0, 0);
    const std::vector<Strecke> strecken = {{P(0, 0), P(200, 0), schwarz},
                                           {P(200, 0), P(200, 100), schwarz},
                                           {P(200, 100), P(0, 100), schwarz},
                                           {P(0, 100), P(0, 0), schwarz},
                                           {P(0, 50), P(200, 50), rot}};

    int gemalt = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb farbe = bild.pixel(x, y) & 0xFFFFFF;
            if (farbe == (qRgb(255, 255, 255) & 0xFFFFFF)) {
                continue;
            }
            ++gemalt;
            double naechste = 1e9;
            for (const Strecke& st : strecken) {
                naechste = std::min(naechste, Abstand(QPointF(x, y), st));
            }
            ASSERT_LE(naechste, 1.0) << "stray pixel at " << x << "," << y;
        }
    }
    for (const Strecke& st : strecken) {
        const QPointF d = st.b - st.a;
        const int n = static_cast<int>(std::max(std::abs(d.x()), std::abs(d.y())));
        for (int i = 2; i <= n - 2; ++i) {
            const QPointF p = st.a + d * (static_cast<double>(i) / n);
            const QPoint q(static_cast<int>(std::lround(p.x())),
                           static_cast<int>(std::lround(p.y())));
            // Where lines cross, the one painted later shows.
            bool passt = false;
            for (const Strecke& andere : strecken) {
                passt = passt || ((bild.pixel(q) & 0xFFFFFF) == (andere.farbe & 0xFFFFFF) &&
                                  Abstand(QPointF(q), andere) <= 1.0);
            }
            ASSERT_TRUE(passt) << "gap at " << q.x() << "," << q.y();
        }
    }
    // Five lines of some hundred pixels each, one pixel wide.
    EXPECT_LT(gemalt,
              2 * (2 * (P(200, 0).x() - P(0, 0).x()) + 3 * (P(0, 0).y() - P(0, 100).y())) + 20);
}

TEST_F(DxfAnzeigeTest, LaterLayersPaintOverEarlierOnes) {
    auto z = std::make_unique<DXF_Object>();
    Linie(z->find_or_add_layer("A", true), 0, 0, 100, 0, 1); // red, first
    Linie(z->find_or_add_layer("B", true), 0, 0, 100, 0, 5); // blue, over it
    Linie(z->find_or_add_layer("A", true), 0, 0, 0, 100, 3); // green, on the first layer
    Zeigen(std::move(z));
    const QImage bild = Bild();
    const auto mitte = form.ZoomBox().map_point(Coord3D{50, 0, 0}, nullptr);
    const auto links = form.ZoomBox().map_point(Coord3D{0, 50, 0}, nullptr);
    ASSERT_TRUE(mitte && links);
    EXPECT_EQ(bild.pixel(mitte->x, mitte->y) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(bild.pixel(links->x, links->y) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF);
}

TEST_F(DxfAnzeigeTest, FitsWhenShownAndKeepsTheUsersViewOnLaterActivations) {
    Zeigen(Rechteck());
    form.ZoomBox().zoom_in();
    const Zoom_view gezoomt = form.ZoomBox().current();
    QEvent aktiv(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &aktiv);
    EXPECT_EQ(form.ZoomBox().current(), gezoomt);
    // Another drawing is fitted afresh.
    auto z = std::make_unique<DXF_Object>();
    Linie(z->find_or_add_layer("0", true), -5000, -5000, 5000, 5000, 7);
    form.set_drawing(std::move(z));
    EXPECT_EQ(form.ZoomBox().current(), form.ZoomBox().home());
    EXPECT_DOUBLE_EQ(form.ZoomBox().home().centre_x, 0.0);
}

TEST_F(DxfAnzeigeTest, DxfExtensionIsAppendedUnlessItIsThereInAnyCase) {
    EXPECT_EQ(TDXF_Anzeige_Form::with_dxf_extension(QStringLiteral("/a/plan")),
              QStringLiteral("/a/plan.dxf"));
    EXPECT_EQ(TDXF_Anzeige_Form::with_dxf_extension(QStringLiteral("/a/plan.txt")),
              QStringLiteral("/a/plan.txt.dxf"));
    EXPECT_EQ(TDXF_Anzeige_Form::with_dxf_extension(QStringLiteral("/a.dxf/plan")),
              QStringLiteral("/a.dxf/plan.dxf"));
    for (const char* name : {"/a/plan.dxf", "/a/plan.DXF", "/a/plan.DxF", "/a/b.c.dXf"}) {
        EXPECT_EQ(TDXF_Anzeige_Form::with_dxf_extension(QString::fromLatin1(name)),
                  QString::fromLatin1(name));
    }
}

TEST_F(DxfAnzeigeTest, SaveAsksForTheFileAndWritesTheDrawingAsTheWriterMakesIt) {
    form.set_drawing(Rechteck());
    fragen.Dateien.push_back(ordner.filePath(QStringLiteral("plan")));
    ASSERT_TRUE(form.save());
    ASSERT_EQ(fragen.Dialoge.size(), 1u);
    EXPECT_EQ(fragen.Dialoge[0].Titel,
              QStringLiteral("Varnel - TRV / ZEDE Shear Connectors - DXF-Export"));
    EXPECT_EQ(fragen.Dialoge[0].Filter, QStringList{QStringLiteral("DXF databases (*.dxf)")});
    QFile datei(ordner.filePath(QStringLiteral("plan.dxf")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const DXF_Writer schreiber("unbenutzt", form.drawing().layers());
    EXPECT_EQ(datei.readAll().toStdString(), schreiber.file_text());
    EXPECT_TRUE(fragen.Meldungen.isEmpty());

    // A name in capitals is kept as typed.
    fragen.Dateien.push_back(ordner.filePath(QStringLiteral("PLAN.DXF")));
    ASSERT_TRUE(form.save());
    EXPECT_TRUE(QFile::exists(ordner.filePath(QStringLiteral("PLAN.DXF"))));
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("PLAN.DXF.dxf"))));

    // Cancelled: nothing asked, nothing written.
    fragen.Dateien.push_back(QString());
    EXPECT_FALSE(form.save());
    EXPECT_TRUE(fragen.Fragen.isEmpty());
}

TEST_F(DxfAnzeigeTest, AnAppendedExtensionDoesNotOverwriteUnasked) {
    form.set_drawing(Rechteck());
    const QString vorhanden = ordner.filePath(QStringLiteral("plan.txt.dxf"));
    {
        QFile f(vorhanden);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    fragen.Dateien.push_back(ordner.filePath(QStringLiteral("plan.txt")));
    fragen.JaNeinAntworten.push_back(false);
    EXPECT_FALSE(form.save());
    ASSERT_EQ(fragen.Fragen.size(), 1);
    EXPECT_TRUE(fragen.Fragen[0].contains(QStringLiteral("plan.txt.dxf")));
    QFile f(vorhanden);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));
}

TEST_F(DxfAnzeigeTest, AFileThatCannotBeWrittenIsReportedNotPretendedSaved) {
    form.set_drawing(Rechteck());
    const QString ziel = ordner.filePath(QStringLiteral("fehlt/plan.dxf"));
    fragen.Dateien.push_back(ziel);
    EXPECT_FALSE(form.save());
    ASSERT_EQ(fragen.Meldungen.size(), 1);
    EXPECT_TRUE(fragen.Meldungen[0].contains(QStringLiteral("plan.dxf")));
    // The reason is the program's own text (translated), not the system's English one.
    EXPECT_TRUE(fragen.Meldungen[0].contains(QStringLiteral("the folder does not exist")))
        << fragen.Meldungen[0].toStdString();
    EXPECT_FALSE(fragen.Meldungen[0].contains(QStringLiteral("No such file")));
    EXPECT_FALSE(QFile::exists(ziel));
}

TEST_F(DxfAnzeigeTest, AFolderInThePlaceOfTheFileIsNamedAsTheReason) {
    form.set_drawing(Rechteck());
    const QString ziel = ordner.filePath(QStringLiteral("plan.dxf"));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("plan.dxf")));
    fragen.Dateien.push_back(ziel);
    EXPECT_FALSE(form.save());
    ASSERT_EQ(fragen.Meldungen.size(), 1);
    EXPECT_TRUE(fragen.Meldungen[0].contains(QStringLiteral("a folder of that name exists")))
        << fragen.Meldungen[0].toStdString();
}

} // namespace
} // namespace trv::dxf
