// Drawing speed of the two graphs and of one step of dragging the curve of
// the equilibrium diagram, on the offscreen platform.
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "mainwindow/estado_ventana.h"

using namespace quillon;

namespace {

struct Entorno {
    EstadoVentana estado;
    std::string alfa;

    explicit Entorno(const char* alfaInicial = "2.5") : alfa(alfaInicial)
    {
        estado.leerEntradas = [this] {
            Entradas e;
            e.alfa = LeerNumero(alfa, estado.numero);
            e.x0 = 0.4;
            e.mma = 78.11;
            e.mmb = 92.14;
            e.m0 = 100;
            return e;
        };
        estado.nombreA = [] { return std::string("benzene"); };
        estado.cortes = [] { return std::array<double, kMaxEtapas>{50, 50, 50, 50, 50, 50}; };
        estado.mensaje = [](const QString&) {};
    }
};

void BM_DibujarVLE(benchmark::State& s)
{
    Entorno e;
    GraficoELV g(e.estado);
    g.resize(700, 620);
    for (auto _ : s) g.Dibujar_VLE();
}
BENCHMARK(BM_DibujarVLE)->Unit(benchmark::kMillisecond);

// Every quantity evaluated at the ~500 sampled progress values; the stage's
// table is computed once, before the loop, as the views find it.
void BM_DibujarAvance(benchmark::State& s)
{
    Entorno e;
    PanelAvance panel(e.estado);
    GraficoAvance g(e.estado, panel);
    g.resize(700, 620);
    g.Dibujar_XAV();
    for (auto _ : s) g.Dibujar_XAV();
}
BENCHMARK(BM_DibujarAvance)->Unit(benchmark::kMillisecond);

// A pointer move while dragging: new alpha, written back, diagram redrawn.
void BM_PasoArrastreCurva(benchmark::State& s)
{
    Entorno e("3");
    GraficoELV g(e.estado);
    g.resize(450, 450);
    QObject::connect(&g, &GraficoELV::alfaArrastrada, &g, [&](const QString& t) {
        e.alfa = t.toStdString();
        g.Dibujar_VLE();
    });
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
    if (!g.arrastrandoCurva()) s.SkipWithError("the curve was not dragged");
}
BENCHMARK(BM_PasoArrastreCurva)->Unit(benchmark::kMillisecond);

}  // namespace
