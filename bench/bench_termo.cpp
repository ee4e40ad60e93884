// Speed of the predicted equilibrium: one bubble point with its flags, the
// 402 bubble points of the two temperature columns of a 200-row table, a dew
// point against the first way of finding it, and the 100-row predicted table
// with its temperatures and flags. Targets: one bubble point far below
// 0.2 ms, the 402 and the table each under 5 ms, a dew point under 20 us.

#include <benchmark/benchmark.h>

#include "model/termo_tabla.h"
#include "support/rocio_referencia.h"

using namespace quillon::termo;

namespace {

Sistema sistema(const char* a, const char* b, Modelo m)
{
    return std::get<Sistema>(Sistema::crear(compuestoDe(a), compuestoDe(b), m, 101325));
}

// Ethanol-water: three main groups; ethylbenzene-ethanol: four, the most a
// listed pair has; benzene-toluene ideal.
const Sistema& elegido(int i)
{
    static const Sistema sistemas[] = {sistema("ethanol", "water", Modelo::Unifac),
                                       sistema("ethylbenzene", "ethanol", Modelo::Unifac),
                                       sistema("benzene", "toluene", Modelo::Ideal)};
    return sistemas[i];
}

void nombrar(benchmark::internal::Benchmark* b)
{
    b->Arg(0)->Arg(1)->Arg(2)->ArgName("system");
}

void BM_Bubble_One(benchmark::State& state)
{
    const Sistema& s = elegido(static_cast<int>(state.range(0)));
    double x = 0.37;
    for (auto _ : state) benchmark::DoNotOptimize(s.burbuja(x));
}
BENCHMARK(BM_Bubble_One)->Apply(nombrar)->Unit(benchmark::kMicrosecond);

// The still and the distillate of a 200-row table: 201 rows of two liquids.
void BM_Bubble_TwoColumnsOf200Rows(benchmark::State& state)
{
    const Sistema& s = elegido(static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (int i = 0; i <= 200; ++i) {
            benchmark::DoNotOptimize(s.burbuja(0.4 * (1 - i / 200.0)));
            benchmark::DoNotOptimize(s.burbuja(0.4 + 0.5 * i / 200.0));
        }
}
BENCHMARK(BM_Bubble_TwoColumnsOf200Rows)->Apply(nombrar)->Unit(benchmark::kMillisecond);

void BM_Dew_One(benchmark::State& state)
{
    const Sistema& s = elegido(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(s.rocio(0.6));
}
BENCHMARK(BM_Dew_One)->Apply(nombrar)->Unit(benchmark::kMicrosecond);

void BM_Dew_Reference(benchmark::State& state)
{
    const Sistema& s = elegido(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rocioDeReferencia(s, 0.6));
}
BENCHMARK(BM_Dew_Reference)->Apply(nombrar)->Unit(benchmark::kMicrosecond);

// A dew point in a liquid that splits (water-benzene), where several
// liquids share one vapour.
void BM_Dew_TwoLiquids(benchmark::State& state)
{
    static const Sistema s = sistema("water", "benzene", Modelo::Unifac);
    for (auto _ : state) benchmark::DoNotOptimize(s.rocio(0.3));
}
BENCHMARK(BM_Dew_TwoLiquids)->Unit(benchmark::kMicrosecond);

void BM_PredictedTable_98Points(benchmark::State& state)
{
    const Sistema& s = elegido(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(predecirTabla(s, 98));
}
BENCHMARK(BM_PredictedTable_98Points)->Apply(nombrar)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
