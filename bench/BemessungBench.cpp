// Run time of the full calculation of one position (all 14 types with the slab-thickness
// iteration): run build/bench/trv_bench_calc.
#include "calculation/Bemessung.h"
#include "model/Modell.h"

#include <benchmark/benchmark.h>

namespace {

using trv::TKAnwendung;

TKAnwendung Einzeldorn() {
    TKAnwendung a;
    a.SetAnwendungsfall(0);
    a.Geometrie().SetRandLinks(true);
    a.Geometrie().SetRandRechts(true);
    a.Geometrie().SetPlatteDicke(300);
    a.BelastungDesign().SetBelastungsfall(0);
    a.BelastungDesign().Punktlast().SetFd(80);
    return a;
}

TKAnwendung ReiheKonstant() {
    TKAnwendung a;
    a.SetAnwendungsfall(1);
    a.Geometrie().SetFugenlaenge(2000);
    a.Geometrie().SetPlatteDicke(250);
    trv::TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(1);
    b.LinienLastLinks().SetFd(60);
    b.LinienLastRechts().SetFd(60);
    b.LinienLastBestimmen();
    b.SetLastLaenge(2000);
    return a;
}

// 30 m slab-to-slab row, arbitrary profile of 20 points, spacing at most five times the slab
// thickness. With a zero-load stretch longer than that spacing no number of connectors can
// keep it, so every type grows its row to the bound: the slowest case there is.
TKAnwendung ReiheProfil(bool nullStrecke) {
    TKAnwendung a;
    a.SetAnwendungsfall(1);
    a.SetMaxDornabstand(1);
    a.Geometrie().SetFugenlaenge(30000);
    a.Geometrie().SetPlatteDicke(300);
    trv::TKBelastung& b = a.BelastungDesign();
    b.SetBelastungsfall(3);
    b.SetLastLaenge(30000);
    b.PunkteLoeschen();
    for (int k = 0; k < 20; ++k) {
        const double x = 30000.0 * k / 19;
        const bool null = nullStrecke && k > 8 && k < 12;
        b.PunktHinzufuegen(x, null ? 0 : 20 + 15 * (k % 4));
    }
    return a;
}

void Bemessen(benchmark::State& state, TKAnwendung (*position)()) {
    const TKAnwendung vorlage = position();
    for (auto _ : state) {
        state.PauseTiming();
        TKAnwendung a = vorlage;
        state.ResumeTiming();
        trv::TKTRVBemessung(a).AlleTypenBemessen();
        benchmark::DoNotOptimize(a.Ergebnisse().AktDorn());
    }
}

TKAnwendung ReiheProfilMitLast() {
    return ReiheProfil(false);
}

TKAnwendung ReiheProfilMitNullStrecke() {
    return ReiheProfil(true);
}

} // namespace

BENCHMARK_CAPTURE(Bemessen, SingleConnector, &Einzeldorn)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bemessen, Row2mConstant, &ReiheKonstant)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bemessen, Row30mProfile20Points, &ReiheProfilMitLast)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bemessen, Row30mZeroLoadStretch, &ReiheProfilMitNullStrecke)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
