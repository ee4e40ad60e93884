// The stage row's speed: a full refresh of six stages against the
// computation of their tables alone, and one slider step.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScrollBar>

#include "mainwindow/fila_etapas.h"

using namespace quillon;

namespace {

// A row of six stages, wide enough to show them all. Benzene and toluene
// are known compounds, so each still also works out its boiling point;
// two names the list does not know leave the temperatures out, as before
// there were any.
struct Fila6 {
    Simulacion sim;
    FilaEtapas* fila = nullptr;

    explicit Fila6(bool conTemperaturas, bool conColumna = false, bool conCalefaccion = false)
    {
        if (conCalefaccion) sim.editarCalefaccion(QStringLiteral("300"));
        if (!conTemperaturas) {
            sim.editar(Entrada::CompA, QStringLiteral("A"));
            sim.editar(Entrada::CompB, QStringLiteral("B"));
        }
        sim.editar(Entrada::MMA, QStringLiteral("78.11"));
        sim.editar(Entrada::Alfa, QStringLiteral("2.5"));
        sim.editar(Entrada::X0, QStringLiteral("0.5"));
        sim.editar(Entrada::Masa0, QStringLiteral("100"));
        sim.elegirNumEtapas(6);
        for (int k = 1; k <= 6; ++k) sim.editarCorte(k, QStringLiteral("60 %"));
        // Each still under a column of five plates at R = 2.
        if (conColumna) sim.editarColumna(CajaColumna::Platos, QStringLiteral("5"));
        fila = new FilaEtapas(sim);
        fila->resize(2200, 600);
        fila->show();
    }
    QScrollBar* deslizador(int k) const { return fila->findChild<QScrollBar*>(QStringLiteral("deslizador%1").arg(k)); }
};

// Argument 0: unknown names; 1: benzene and toluene with their boiling
// points; 2: those and a column over every still; 3: those (no column) and a
// heating of 300 W, each still telling its time.
Fila6& fila6(const benchmark::State& state)
{
    static Fila6 sinTemperaturas(false);
    static Fila6 conTemperaturas(true);
    static Fila6 conColumnas(true, true);
    static Fila6 conCalefaccion(true, false, true);
    switch (state.range(0)) {
    case 0: return sinTemperaturas;
    case 1: return conTemperaturas;
    case 2: return conColumnas;
    default: return conCalefaccion;
    }
}

void BM_SoloCalculo6Etapas(benchmark::State& state)
{
    Fila6& f = fila6(state);
    for (auto _ : state) {
        f.sim.invalidarDesde(1);
        for (int k = 1; k <= 6; ++k) benchmark::DoNotOptimize(f.sim.etapa(k));
    }
}
BENCHMARK(BM_SoloCalculo6Etapas)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_Refresco6Etapas(benchmark::State& state)
{
    Fila6& f = fila6(state);
    for (auto _ : state) {
        f.sim.invalidarDesde(1);
        f.fila->Actualizar();
    }
}
BENCHMARK(BM_Refresco6Etapas)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The same, with the row painted on the screen's surface as well.
void BM_Refresco6EtapasPintado(benchmark::State& state)
{
    Fila6& f = fila6(state);
    for (auto _ : state) {
        f.sim.invalidarDesde(1);
        f.fila->Actualizar();
        benchmark::DoNotOptimize(f.fila->grab());
    }
}
BENCHMARK(BM_Refresco6EtapasPintado)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The same refresh with the stages' tables still valid, as after a resize,
// a scroll of the row, another unit or liquid colour: only the drawing.
void BM_Refresco6EtapasPintadoSinCalculo(benchmark::State& state)
{
    Fila6& f = fila6(state);
    f.fila->Actualizar();
    for (auto _ : state) {
        f.fila->Actualizar();
        benchmark::DoNotOptimize(f.fila->grab());
    }
}
BENCHMARK(BM_Refresco6EtapasPintadoSinCalculo)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A click on the last stage's slider: that still and the receiver are
// redrawn from the stored table.
void BM_PasoDeslizadorUltimaEtapa(benchmark::State& state)
{
    Fila6& f = fila6(state);
    f.fila->Actualizar();
    QScrollBar* s = f.deslizador(6);
    int v = 40;
    for (auto _ : state) {
        v = v == 40 ? 41 : 40;
        s->setValue(v);
        // The row follows the simulation's announcement of the cut (and only
        // that: no painting on the screen, as before the announcement).
        QCoreApplication::sendPostedEvents(&f.sim, QEvent::MetaCall);
    }
}
BENCHMARK(BM_PasoDeslizadorUltimaEtapa)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Dragging the first stage's thumb: only that stage follows.
void BM_ArrastreDeslizador(benchmark::State& state)
{
    Fila6& f = fila6(state);
    f.fila->Actualizar();
    QScrollBar* s = f.deslizador(1);
    s->setSliderDown(true);
    int v = 40;
    for (auto _ : state) {
        v = v == 40 ? 41 : 40;
        s->setValue(v);
        QCoreApplication::sendPostedEvents(&f.sim, QEvent::MetaCall);
    }
    s->setSliderDown(false);
}
BENCHMARK(BM_ArrastreDeslizador)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
