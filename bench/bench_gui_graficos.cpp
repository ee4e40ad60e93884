// Drawing speed of the two graphs, of one step of dragging the curve of the
// equilibrium diagram and of one step of the T-x-y diagram's slider, on the
// offscreen platform.
#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QSlider>
#include <benchmark/benchmark.h>

#include "graphs/curvas_txy.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "model/condiciones.h"
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
    // Ethanol and water, with temperatures from UNIFAC at 1 atm.
    void etanolAgua()
    {
        sim.escribirComoTecleado(Entrada::CompA, QStringLiteral("ethanol"));
        sim.escribirComoTecleado(Entrada::CompB, QStringLiteral("water"));
        TablaELV t;
        t.x = {0, 0.5, 1};
        t.y = {0, 0.75, 1};
        t.ultPunto = 2;
        sim.aceptarTabla(t);
        sim.fijarCondiciones({"1", kAtmosferas, termo::Modelo::Unifac});
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

// The still's boiling temperature against the distilled mass: one bubble
// point (UNIFAC) per sampled progress.
void BM_DibujarAvanceTemperatura(benchmark::State& s)
{
    Entorno e;
    e.etanolAgua();
    PanelAvance panel;
    auto* lista = panel.findChild<QListWidget*>(QStringLiteral("LstEjeY"));
    GraficoAvance g(e.sim, panel);
    lista->item(0)->setCheckState(Qt::Unchecked);
    lista->item(lista->count() - 2)->setCheckState(Qt::Checked);
    g.resize(700, 620);
    g.Dibujar_XAV();
    for (auto _ : s) g.Dibujar_XAV();
}
BENCHMARK(BM_DibujarAvanceTemperatura)->Unit(benchmark::kMillisecond);

// Both T-x-y curves of ethanol-water (UNIFAC), worked out once per system.
void BM_CurvasTxy(benchmark::State& s)
{
    const auto sistema = std::get<termo::Sistema>(
        termo::Sistema::crear(termo::compuestoDe("ethanol"), termo::compuestoDe("water"), termo::Modelo::Unifac, 101325));
    std::size_t puntos = 0;
    for (auto _ : s) {
        const CurvasTxy c = calcularCurvasTxy(sistema);
        puntos = c.burbuja.size() + c.rocio.size();
    }
    s.counters["puntos"] = static_cast<double>(puntos);
}
BENCHMARK(BM_CurvasTxy)->Unit(benchmark::kMillisecond);

// The T-x-y diagram of ethanol-water shown, its slider moved by one percent
// each step: the cut written, the stage's points drawn over what stays.
// `fondo` 1 redraws what stays as well (a new window size at each step).
void BM_PasoDeslizadorTxy(benchmark::State& s)
{
    Entorno e;
    e.etanolAgua();
    GraficoELV g(e.sim);
    g.resize(700, 620);
    g.show();
    g.findChild<QAbstractButton*>(QStringLiteral("opcionDiagramaTXY"))->click();
    auto* deslizador = g.findChild<QSlider*>(QStringLiteral("deslizadorDiagrama"));
    const bool fondo = s.range(0) != 0;
    int i = 0;
    for (auto _ : s) {
        if (fondo) g.resize(700 + i % 2, 620);
        deslizador->setValue(10 + (i++ % 80));
        // The diagram follows the simulation's announcement of the cut (and
        // only that: no painting on the screen, as before the announcement).
        QCoreApplication::sendPostedEvents(&e.sim, QEvent::MetaCall);
    }
    if (!g.muestraTxy() || e.sim.textoCorte(1).isEmpty()) s.SkipWithError("the T-x-y slider did not move");
}
BENCHMARK(BM_PasoDeslizadorTxy)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The x-y diagram of a ten-plate column at constant purity, the strip's
// slider moved by one percent each step: the cut written, the stage's
// staircase drawn with the diagram.
void BM_PasoDeslizadorEscalera(benchmark::State& s)
{
    Entorno e;
    e.sim.editarColumna(CajaColumna::Platos, QStringLiteral("10"));
    e.sim.elegirPolitica(PoliticaReflujo::PurezaConstante);
    GraficoELV g(e.sim);
    g.resize(700, 620);
    g.show();
    g.Dibujar_VLE();
    auto* deslizador = g.findChild<QSlider*>(QStringLiteral("deslizadorDiagrama"));
    int i = 0;
    for (auto _ : s) {
        deslizador->setValue(10 + (i++ % 80));
        QCoreApplication::sendPostedEvents(&e.sim, QEvent::MetaCall);
    }
    if (!deslizador->isVisible() || e.sim.textoCorte(1).isEmpty()) s.SkipWithError("the slider did not move");
}
BENCHMARK(BM_PasoDeslizadorEscalera)->Unit(benchmark::kMicrosecond);

// A pointer move while dragging: new alpha, written back, diagram redrawn.
void BM_PasoArrastreCurva(benchmark::State& s)
{
    Entorno e("3");
    GraficoELV g(e.sim);
    g.resize(450, 450);
    g.show();
    g.Dibujar_VLE();
    const QPointF enCurva(225, 125);  // (0.5, 0.75) lies on the curve of alpha 3
    QMouseEvent pulsar(QEvent::MouseButtonPress, enCurva, enCurva, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&g, &pulsar);
    int i = 0;
    for (auto _ : s) {
        const QPointF p(225, 120 + (i++ % 10));
        QMouseEvent mover(QEvent::MouseMove, p, p, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&g, &mover);
        // The diagram follows the simulation's announcement of alpha.
        QCoreApplication::sendPostedEvents(&e.sim, QEvent::MetaCall);
    }
    if (e.sim.texto(Entrada::Alfa) == QStringLiteral("3")) s.SkipWithError("the curve was not dragged");
}
BENCHMARK(BM_PasoArrastreCurva)->Unit(benchmark::kMillisecond);

}  // namespace
