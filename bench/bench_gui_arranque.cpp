// The main window's start: building and showing FormMain with its first
// refresh, and the resident memory of the running window.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QRadioButton>
#include <QFile>
#include <QTimer>

#include "mainwindow/formmain.h"
#include "simulacion/simulacion.h"

using namespace quillon;

namespace {

// Resident set size of this process, in megabytes (Linux).
double memoriaResidenteMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& linea : status.readAll().split('\n'))
        if (linea.startsWith("VmRSS:")) return linea.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// From nothing to the window shown with its stills drawn.
void BM_VentanaMostrada(benchmark::State& state)
{
    double memoria = 0;
    for (auto _ : state) {
        FormMain w;
        w.show();
        QCoreApplication::processEvents();
        // The first refresh, which the timer would run.
        w.findChild<QAction*>(QStringLiteral("accionCalcular"))->trigger();
        QCoreApplication::processEvents();
        memoria = memoriaResidenteMB();
    }
    state.counters["RSS_MB"] = memoria;
}
BENCHMARK(BM_VentanaMostrada)->Unit(benchmark::kMillisecond)->Iterations(10);

// One refresh of six stages through the window, tables recomputed. With
// argument 0 the components are two names the compound list does not know,
// so no boiling point is worked out; with 1 they are the start-up benzene
// and toluene.
void BM_RefrescoSeisEtapas(benchmark::State& state)
{
    FormMain w;
    w.resize(2300, 800);
    w.show();
    if (state.range(0) == 0) {
        w.simulacion().editar(Entrada::CompA, QStringLiteral("A"));
        w.simulacion().editar(Entrada::CompB, QStringLiteral("B"));
    }
    w.findChild<QRadioButton*>(QStringLiteral("OptETAP6"))->click();
    QAction* calcular = w.findChild<QAction*>(QStringLiteral("accionCalcular"));
    for (auto _ : state) {
        w.simulacion().invalidarDesde(1);
        calcular->trigger();
        // The views follow the simulation's announcement (and only that).
        QCoreApplication::sendPostedEvents(&w.simulacion(), QEvent::MetaCall);
    }
    state.counters["RSS_MB"] = memoriaResidenteMB();
    w.simulacion().marcarGuardado();
}
BENCHMARK(BM_RefrescoSeisEtapas)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
