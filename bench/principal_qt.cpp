// The main of the window benchmarks: a QApplication on the offscreen
// platform (unless another is asked for), with private settings.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
