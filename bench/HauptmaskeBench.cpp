// The main window's responses, measured on the real window offscreen: from construction to
// the window shown, the Calculation command on the 12 m profile example up to the filled list
// and drawn sketch, switching between two calculated positions, the preview of the result
// sheet and the redraw of the sketch after a resize; and on projects of 50, 500 and 5000
// positions: opening, switching, adding (a copy of the current position) and deleting.
#include "ui/main/Befehle.h"
#include "ui/main/Eingabe.h"
#include "ui/main/Projektbefehle.h"
#include "ui/main/Rueckfragen.h"
#include "ui/main/Skizzenbild.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>

#include <map>

namespace {

using namespace trv;

QString Beispiel(const char* name) {
    return QStringLiteral(TRV_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

// Answers nothing is asked in these runs; a question would be a fault of the benchmark.
class KeineFragen : public Rueckfragen {
public:
    void Meldung(const QString&) override {}
    bool JaNein(const QString&) override { return false; }
    Antwort JaNeinAbbrechen(const QString&) override { return Antwort::Nein; }
    std::optional<QString> DateiZumOeffnen(const Dateidialog&) override { return std::nullopt; }
    std::optional<QString> DateiZumSpeichern(const Dateidialog&) override { return std::nullopt; }
    bool DruckerEinrichten(QPrinter&) override { return false; }
};

std::unique_ptr<TfrmHauptMaske> Fenster(KeineFragen& fragen, QStringList argumente = {}) {
    auto f = std::make_unique<TfrmHauptMaske>(TKIniDatei{}, TKRegional::Standard(),
                                              std::move(argumente), &fragen);
    f->resize(1280, 800);
    f->show();
    QApplication::processEvents();
    return f;
}

void BM_StartBisFensterGezeigt(benchmark::State& state) {
    KeineFragen fragen;
    for (auto _ : state) {
        auto f = Fenster(fragen);
        benchmark::DoNotOptimize(f.get());
    }
}
BENCHMARK(BM_StartBisFensterGezeigt)->Unit(benchmark::kMillisecond);

void BM_BerechnungProfil12m(benchmark::State& state) {
    KeineFragen fragen;
    auto f = Fenster(fragen, {Beispiel("row-12m-load-profile.TRV")});
    for (auto _ : state) {
        f->Berechnen();
        f->Skizze()->Bild(); // the sketch drawn, as the next paint would
    }
}
BENCHMARK(BM_BerechnungProfil12m)->Unit(benchmark::kMillisecond);

void BM_PositionWechseln(benchmark::State& state) {
    KeineFragen fragen;
    auto f = Fenster(fragen, {Beispiel("several-positions-with-schedule.TRV")});
    int nr = 1;
    for (auto _ : state) {
        nr = nr == 1 ? 2 : 1;
        f->PositionsAuswahl()->setValue(nr);
        f->Skizze()->Bild();
    }
}
BENCHMARK(BM_PositionWechseln)->Unit(benchmark::kMillisecond);

void BM_Vorschau(benchmark::State& state) {
    KeineFragen fragen;
    auto f = Fenster(fragen, {Beispiel("slab-to-wall-linear.TRV")});
    for (auto _ : state) {
        f->Vorschau();
        f->Systemeingabe();
    }
}
BENCHMARK(BM_Vorschau)->Unit(benchmark::kMillisecond);

void BM_SkizzeNachGroessenaenderung(benchmark::State& state) {
    KeineFragen fragen;
    auto f = Fenster(fragen, {Beispiel("slab-to-wall-linear.TRV")});
    int breite = 1280;
    for (auto _ : state) {
        breite = breite == 1280 ? 1200 : 1280;
        f->resize(breite, 800);
        QApplication::processEvents();
        f->Skizze()->Bild();
    }
}
BENCHMARK(BM_SkizzeNachGroessenaenderung)->Unit(benchmark::kMillisecond);

// A mixed project of n uncalculated positions, written once per size by trv_projekte.
QString GrossesProjekt(int n) {
    static QTemporaryDir ordner;
    static std::map<int, QString> dateien;
    auto& datei = dateien[n];
    if (datei.isEmpty()) {
        datei = ordner.filePath(QStringLiteral("projekt-%1.TRV").arg(n));
        if (QProcess::execute(QStringLiteral(TRV_PROJEKTE),
                              {QStringLiteral("mixed"), QString::number(n), datei}) != 0) {
            std::abort();
        }
    }
    return datei;
}

void BM_GrossesProjektOeffnen(benchmark::State& state) {
    KeineFragen fragen;
    auto f = Fenster(fragen);
    const QString datei = GrossesProjekt(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!f->Kommandos().DateiOeffnen(datei)) {
            state.SkipWithError("not opened");
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_GrossesProjektOeffnen)->Arg(50)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_GrossesProjektWechseln(benchmark::State& state) {
    KeineFragen fragen;
    const int n = static_cast<int>(state.range(0));
    auto f = Fenster(fragen, {GrossesProjekt(n)});
    int nr = 1;
    for (auto _ : state) {
        nr = nr == 1 ? n / 2 : 1;
        f->PositionsAuswahl()->setValue(nr);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_GrossesProjektWechseln)->Arg(50)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// Add Position and Delete in turn, so the project keeps its size.
void BM_GrossesProjektHinzufuegenUndLoeschen(benchmark::State& state) {
    KeineFragen fragen;
    const int n = static_cast<int>(state.range(0));
    auto f = Fenster(fragen, {GrossesProjekt(n)});
    f->PositionsAuswahl()->setValue(n / 2);
    for (auto _ : state) {
        f->Aktionen().mnuPositionHinzufuegen->trigger();
        QApplication::processEvents();
        f->Aktionen().mnuPositionLoeschen->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_GrossesProjektHinzufuegenUndLoeschen)
    ->Arg(50)
    ->Arg(500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
