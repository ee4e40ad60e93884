// Speed of the simulation: one stage table against the bare integration loop
// it is built on, a chain of six stages, the 200-row table text, the
// distillation file written and read, and batch rectification: a 10-plate
// column's whole progress table at constant purity and at constant reflux
// ratio, and the staircase the x-y diagram draws at one slider step.

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>

#include "formats/documento.h"
#include "model/cadena.h"
#include "model/escalera.h"
#include "model/rectificacion.h"
#include "model/tabla_texto.h"
#include "model/tiempo_calor.h"

using namespace quillon;

namespace {

constexpr double kMMA = 78.1121, kMMB = 92.14, kX0 = 0.4, kAlfa = 2.45;

Entradas arranque()
{
    Entradas e;
    e.mma = kMMA;
    e.mmb = kMMB;
    e.alfa = kAlfa;
    e.x0 = kX0;
    e.m0 = 500;
    return e;
}

// A benzene-toluene table of nine points drawn from alpha 2.45.
TablaELV tablaArranque()
{
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    const double xs[] = {0, 0.05, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9, 1};
    for (std::size_t i = 0; i < 9; ++i) {
        t.x[i] = xs[i];
        t.y[i] = kAlfa * xs[i] / ((kAlfa - 1) * xs[i] + 1);
    }
    t.ultPunto = 8;
    return t;
}

void BM_StageTable_Alpha(benchmark::State& state)
{
    const ModeloELV elv{false, kAlfa, nullptr};
    auto columna = std::make_unique<ColumnaAvance>();
    for (auto _ : state) {
        CrearTablaAvanceDes(elv, kMMA, kMMB, kX0, *columna);
        benchmark::DoNotOptimize(columna->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StageTable_Alpha)->Unit(benchmark::kMicrosecond);

void BM_StageTable_Table(benchmark::State& state)
{
    SuperTablaELV dense{};
    CrearSuperTABLA_ELV(tablaArranque(), dense);
    const ModeloELV elv{true, 0, &dense};
    auto columna = std::make_unique<ColumnaAvance>();
    for (auto _ : state) {
        CrearTablaAvanceDes(elv, kMMA, kMMB, kX0, *columna);
        benchmark::DoNotOptimize(columna->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StageTable_Table)->Unit(benchmark::kMicrosecond);

// The same arithmetic as the stage table written as one plain function: the
// floor the table is measured against. Both passes run, as they do for the
// start-up inputs. With a dense table, alpha is looked up at the nearest
// entry (halves up: the simplest lookup there is).
int pasada(double alfa, const double* dense, double mma, double mmb, double x0, double h, bool segunda,
           double* filas)
{
    const double w0 = 100 * mma * x0 / ((1 - x0) * mmb + mma * x0);
    double mA = w0 / 100, mB = 1 - w0 / 100, x = x0, wPrevio = w0;
    for (int i = 1; i < 10000; ++i) {
        const double a = dense ? dense[static_cast<long>(x * 1000 + 0.5)] : alfa;
        const double y = a * x / ((a - 1) * x + 1);
        const double wy = 100 * mma * y / ((1 - y) * mmb + mma * y);
        const double wm = (wy + wPrevio) / 2;
        mA = mA - (wm / 100) * h;
        mB = mB - (1 - wm / 100) * h;
        if (segunda) {
            mA = mA < 0 ? -mA : mA;
            mB = mB < 0 ? -mB : mB;
        } else if (!(mA > 0 && mB > 0)) {
            return i;
        }
        x = (mA / mma) / (mB / mmb + mA / mma);
        filas[i] = x;
        wPrevio = wy;
    }
    return 0;
}

void bucleDesnudo(benchmark::State& state, const double* dense)
{
    auto columna = std::make_unique<ColumnaAvance>();
    for (auto _ : state) {
        double* filas = columna->data();
        filas[0] = kX0;
        const int agotado = pasada(kAlfa, dense, kMMA, kMMB, kX0, 1e-4, false, filas);
        if (agotado) pasada(kAlfa, dense, kMMA, kMMB, kX0, agotado / 1e8, true, filas);
        filas[10000] = 0;
        benchmark::DoNotOptimize(filas);
        benchmark::ClobberMemory();
    }
}

void BM_BareIntegrationLoop_Alpha(benchmark::State& state) { bucleDesnudo(state, nullptr); }
BENCHMARK(BM_BareIntegrationLoop_Alpha)->Unit(benchmark::kMicrosecond);

void BM_BareIntegrationLoop_Table(benchmark::State& state)
{
    SuperTablaELV dense{};
    CrearSuperTABLA_ELV(tablaArranque(), dense);
    bucleDesnudo(state, dense.data());
}
BENCHMARK(BM_BareIntegrationLoop_Table)->Unit(benchmark::kMicrosecond);

// Drawing the stage row after an edit: six stages computed and cut in order.
void BM_SixStageChain(benchmark::State& state)
{
    Entradas e = arranque();
    e.numEtapas = 6;
    const std::array<double, kMaxEtapas> cortes{50, 50, 50, 50, 50, 50};
    const ModeloELV elv{false, kAlfa, nullptr};
    CadenaEtapas cadena;
    for (auto _ : state) {
        cadena.invalidar();
        for (int k = 1; k <= kMaxEtapas; ++k) benchmark::DoNotOptimize(calcularEtapa(cadena, elv, e, cortes, k));
    }
}
BENCHMARK(BM_SixStageChain)->Unit(benchmark::kMicrosecond);

// The table view rebuilt at 200 rows with every quantity ticked, its stage
// already computed; with Arg 1 a heating of 300 W adds the time and the heat
// (their running sums already worked out, as the view finds them).
void BM_TableText200Rows(benchmark::State& state)
{
    const Entradas e = arranque();
    const std::array<double, kMaxEtapas> cortes{};
    const ModeloELV elv{false, kAlfa, nullptr};
    CadenaEtapas cadena;
    PeticionTabla p{"benzene", "toluene", 1, 200, std::vector<int>(kNumMagnitudes), '.'};
    std::iota(p.items.begin(), p.items.end(), 0);
    const termo::Sistema s = std::get<termo::Sistema>(
        termo::Sistema::crear(termo::compuestoDe("benzene"), termo::compuestoDe("toluene"), termo::Modelo::Unifac, 101325));
    const Calefaccion calefaccion = *leerCalefaccion({"300", 0}).calefaccion;
    RelojEtapas reloj;
    CalorTabla calor;
    if (state.range(0) != 0) {
        p.items.insert(p.items.end(), {kTiempo, kCalor});
        calor = {&calefaccion, &reloj, &s};
    }
    for (auto _ : state) benchmark::DoNotOptimize(CrearTablaTexto(cadena, elv, e, cortes, p, {}, calor));
}
BENCHMARK(BM_TableText200Rows)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A stage's running sums of moles vaporized and heat, worked out once per
// stage table: Arg 0 the moles alone (a boil-up rate with unknown
// compounds), Arg 1 with the latent heats sampled by UNIFAC bubble points.
void BM_HeatSumsOfAStage(benchmark::State& state)
{
    const ModeloELV elv{false, kAlfa, nullptr};
    auto columna = std::make_unique<ColumnaAvance>();
    CrearTablaAvanceDes(elv, kMMA, kMMB, kX0, *columna);
    const termo::Sistema s = std::get<termo::Sistema>(
        termo::Sistema::crear(termo::compuestoDe("benzene"), termo::compuestoDe("toluene"), termo::Modelo::Unifac, 101325));
    auto a = std::make_unique<AcumuladoCalor>();
    for (auto _ : state) {
        acumularCalor(*columna, nullptr, elv, kMMA, kMMB, state.range(0) != 0 ? &s : nullptr, *a);
        benchmark::DoNotOptimize(a->calor.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HeatSumsOfAStage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The start-up charge through ten plates: at a purity of 0.95 with R up to
// 8 (R reaches 8 at a third of the way), or at R = 3.
void rectificacion(benchmark::State& state, const ColumnaPlatos& c, const ModeloELV& elv)
{
    auto alambique = std::make_unique<ColumnaAvance>();
    auto cabeza = std::make_unique<AvanceColumnaPlatos>();
    RechazoColumna rechazo;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CrearTablaRectificacion(elv, c, kMMA, kMMB, kX0, *alambique, *cabeza, rechazo));
        benchmark::ClobberMemory();
    }
}

void BM_Rectification10Plates_ConstantPurity(benchmark::State& state)
{
    rectificacion(state, {10, PoliticaReflujo::PurezaConstante, 0, 0.95, 8}, ModeloELV{false, kAlfa, nullptr});
}
BENCHMARK(BM_Rectification10Plates_ConstantPurity)->Unit(benchmark::kMillisecond);

void BM_Rectification10Plates_ConstantPurity_Table(benchmark::State& state)
{
    SuperTablaELV dense{};
    CrearSuperTABLA_ELV(tablaArranque(), dense);
    rectificacion(state, {10, PoliticaReflujo::PurezaConstante, 0, 0.95, 8}, ModeloELV{true, 0, &dense});
}
BENCHMARK(BM_Rectification10Plates_ConstantPurity_Table)->Unit(benchmark::kMillisecond);

void BM_Rectification10Plates_ConstantReflux(benchmark::State& state)
{
    rectificacion(state, {10, PoliticaReflujo::RazonConstante, 3, 0, 0}, ModeloELV{false, kAlfa, nullptr});
}
BENCHMARK(BM_Rectification10Plates_ConstantReflux)->Unit(benchmark::kMillisecond);

// What the diagram computes when the slider moves: the staircase of a
// 10-plate column at the row's still, reflux ratio and distillate.
void BM_McCabeStaircase10Plates(benchmark::State& state)
{
    const ModeloELV elv{false, kAlfa, nullptr};
    const double xW = 0.2, R = 3, xD = destiladoConReflujo(elv, 10, xW, R);
    for (auto _ : state) benchmark::DoNotOptimize(escaleraMcCabe(elv, 10, xW, R, xD));
}
BENCHMARK(BM_McCabeStaircase10Plates)->Unit(benchmark::kMicrosecond);

DocumentoDestilacion documentoTabla()
{
    DocumentoDestilacion d;
    d.compA = "alcohol metílico";
    d.compB = "agua";
    d.mma = "32.04";
    d.mmb = "18.01528";
    d.alfa = "3";
    d.x0 = "0.4";
    d.masa0 = "500";
    d.modoTabla = true;
    d.tabla = tablaArranque();
    return d;
}

void BM_WriteBdf(benchmark::State& state)
{
    const DocumentoDestilacion d = documentoTabla();
    for (auto _ : state) benchmark::DoNotOptimize(EscribirBdf(d));
}
BENCHMARK(BM_WriteBdf)->Unit(benchmark::kMicrosecond);

void BM_ReadBdf(benchmark::State& state)
{
    const std::string bytes = EscribirBdf(documentoTabla());
    for (auto _ : state) benchmark::DoNotOptimize(LeerBdf(bytes, "bench.bdf"));
}
BENCHMARK(BM_ReadBdf)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
