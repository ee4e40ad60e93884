// Drawing speed of the two graphs and of one step of dragging the curve of
// the equilibrium diagram, on the offscreen platform.
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "simulacion/simulacion.h"

using namespace quillon;

namespace {

// Benzene and toluene with alpha `alfa`, x0 0.4, 100 g.
struct Entorno {
    Simulacion sim;

    explicit Entorno(const char* alfa = "2.5")
    {
        sim.editar(Entrada::MMA, QStringLiteral("78.11"));
        sim.editar(Entrada::Alfa, QString::fromLatin1(alfa));
        sim.editar(Entrada::Masa0, QStringLiteral("100"));
    }
};

void BM_DibujarVLE(benchmark::State& s)
{
    Entorno e;
    GraficoELV g(e.sim);
    g.resize(700, 620);
    for (auto _ : s) g.Dibujar_VLE();
}
BENCHMARK(BM_DibujarVLE)->Unit(benchmark::kMillisecond);

// Every quantity evaluated at the ~500 sampled progress values; the stage's
// table is computed once, before the loop, as the views find it.
void BM_DibujarAvance(benchmark::State& s)
{
    Entorno e;
    PanelAvance panel;
    GraficoAvance g(e.sim, panel);
    g.resize(700, 620);
    g.Dibujar_XAV();
    for (auto _ : s) g.Dibujar_XAV();
}
BENCHMARK(BM_DibujarAvance)->Unit(benchmark::kMillisecond);

// A pointer move while dragging: new alpha, written back, diagram redrawn.
void BM_PasoArrastreCurva(benchmark::State& s)
{
    Entorno e("3");
    GraficoELV g(e.sim);
    g.resize(450, 450);
    // As in the window: a change of the equilibrium redraws the diagram.
    QObject::connect(&e.sim, &Simulacion::equilibrioCambiado, &g, &GraficoELV::Dibujar_VLE);
    g.Dibujar_VLE();
    const QPointF enCurva(225, 125);  // (0.5, 0.75) lies on the curve of alpha 3
    QMouseEvent pulsar(QEvent::MouseButtonPress, enCurva, enCurva, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&g, &pulsar);
    int i = 0;
    for (auto _ : s) {
        const QPointF p(225, 120 + (i++ % 10));
        QMouseEvent mover(QEvent::MouseMove, p, p, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&g, &mover);
    }
    if (e.sim.texto(Entrada::Alfa) == QStringLiteral("3")) s.SkipWithError("the curve was not dragged");
}
BENCHMARK(BM_PasoArrastreCurva)->Unit(benchmark::kMillisecond);

}  // namespace
