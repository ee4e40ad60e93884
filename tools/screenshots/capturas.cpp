// quillon-screenshots: the manual's figures, taken from the program's own
// main window on a real display (scripts/screenshots.sh runs it under Xvfb).
// It opens the example documents as File > Open does, switches views as the
// view bar does, and saves each picture with the window's own grab.
//   quillon-screenshots EXAMPLES_FOLDER OUTPUT_FOLDER

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "graphs/grafico_elv.h"
#include "mainwindow/formmain.h"
#include "simulacion/simulacion.h"

using namespace quillon;

namespace {

QString gCarpetaSalida;
int gFallos = 0;

// Lets timers (the deferred refresh, the message bar) and painting run.
void esperar(int ms)
{
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
}

void guardar(const QPixmap& imagen, const QString& nombre)
{
    const QString ruta = QDir(gCarpetaSalida).filePath(nombre);
    if (imagen.isNull() || !imagen.save(ruta)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(ruta));
        ++gFallos;
        return;
    }
    std::printf("%s (%dx%d)\n", qPrintable(ruta), imagen.width(), imagen.height());
}

// Grabs the modal window that `abrir` opens, then closes it.
void capturarModal(const std::function<void()>& abrir, const QString& nombre)
{
    QTimer::singleShot(700, [nombre] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            std::fprintf(stderr, "no window for %s\n", qPrintable(nombre));
            ++gFallos;
            return;
        }
        guardar(modal->grab(), nombre);
        modal->close();
    });
    abrir();
}

// A menu command of the window, by its object name.
void orden(FormMain& w, const char* nombre) { w.findChild<QAction*>(QString::fromLatin1(nombre))->trigger(); }

void preparar(FormMain& w, const QString& documento, QSize tamano)
{
    w.resize(tamano);
    w.abrirDocumento(documento);
    orden(w, "accionVista0");
    esperar(700);
}

// The input column: from the components panel down to the heating's row.
// Every input panel, top to bottom, whether or not the window is tall
// enough to show them all without scrolling.
QPixmap columnaEntradas(FormMain& w)
{
    return w.findChild<QWidget*>(QStringLiteral("panelComponentes"))->parentWidget()->grab();
}

void tickSolo(QListWidget* lista, int fila)
{
    for (int i = 0; i < lista->count(); ++i) lista->item(i)->setCheckState(i == fila ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Usage: quillon-screenshots EXAMPLES_FOLDER OUTPUT_FOLDER\n");
        return 1;
    }
    const QDir ejemplos(QString::fromLocal8Bit(argv[1]));
    gCarpetaSalida = QString::fromLocal8Bit(argv[2]);
    const QString benceno = ejemplos.filePath(QStringLiteral("benzene-toluene-3-stages.bdf"));
    const QString etanol = ejemplos.filePath(QStringLiteral("ethanol-water-1atm.bdf"));

    FormMain w;
    w.move(0, 0);
    w.show();
    esperar(500);

    // Main view: the three stages of the benzene-toluene example side by side.
    preparar(w, benceno, QSize(1540, 820));
    guardar(w.grab(), QStringLiteral("fig-main.png"));
    guardar(columnaEntradas(w), QStringLiteral("fig-inputs.png"));

    // The same stage as a graph and as a table.
    w.resize(1100, 820);
    orden(w, "accionVista2");
    tickSolo(w.findChild<QListWidget*>(QStringLiteral("LstEjeY")), 3);  // Mole fraction of A in still pot
    tickSolo(w.findChild<QListWidget*>(QStringLiteral("LstEjeX")), 0);  // % Total mass distilled
    orden(w, "accionCalcular");
    esperar(500);
    guardar(w.grab(), QStringLiteral("fig-graph.png"));
    orden(w, "accionVista3");
    esperar(500);
    guardar(w.grab(), QStringLiteral("fig-table.png"));

    // The worked example of time and heat: 1 kg on a 300 W mantle, in one
    // stage, the time and the heat ticked beside the distillate.
    const auto teclear = [&w](const char* caja, const QString& texto) {
        auto* c = w.findChild<QLineEdit*>(QString::fromLatin1(caja));
        c->selectAll();
        QTest::keyClicks(c, texto);
    };
    teclear("TxtMasa0", QStringLiteral("1"));
    w.findChild<QAbstractButton*>(QStringLiteral("OptUNIT_kg"))->click();
    w.findChild<QAbstractButton*>(QStringLiteral("OptETAP1"))->click();
    teclear("TxtCalor", QStringLiteral("300"));
    esperar(500);
    auto* tabla = w.findChild<QListWidget*>(QStringLiteral("LstTABLA"));
    for (int i = 0; i < tabla->count(); ++i) {
        const bool marcar = i == 0 || i == 4 || i == 7 || i >= tabla->count() - 2;  // %tMd, XAd, tNd, tmin, Qsup
        tabla->item(i)->setCheckState(marcar ? Qt::Checked : Qt::Unchecked);
    }
    w.findChild<QAbstractButton*>(QStringLiteral("OptFILTAB10"))->click();
    orden(w, "accionCalcular");
    esperar(500);
    guardar(w.grab(), QStringLiteral("fig-heating.png"));
    w.simulacion().marcarGuardado();

    // The ethanol-water table: diagram with the pointer on the curve, the
    // table editor, and the print dialog.
    preparar(w, etanol, QSize(1100, 820));
    orden(w, "accionVista1");
    esperar(400);
    auto* vle = w.findChild<GraficoELV*>(QStringLiteral("graficoELV"));
    // The diagram's own mapping (25-pixel margins) at a point of the curve.
    const int margen = 25;
    const double x = 0.3;
    const double y = w.simulacion().modelo(0).yEq(x);
    const QPoint punto(margen + qRound(x * (vle->width() - 2 * margen)),
                       vle->height() - margen - qRound(y * (vle->height() - 2 * margen)));
    QTest::mouseMove(vle, punto);
    esperar(400);
    guardar(w.grab(), QStringLiteral("fig-vle.png"));
    capturarModal([vle, punto] { QTest::mouseDClick(vle, Qt::LeftButton, {}, punto); }, QStringLiteral("fig-editor.png"));
    esperar(300);
    capturarModal([&w] { orden(w, "accionImprimir"); }, QStringLiteral("fig-print.png"));
    esperar(300);

    // Predict VLE table for ethanol and water, then its T-x-y diagram with
    // the still of stage 1 at 30 %.
    capturarModal([&w] { orden(w, "accionPredecirTabla"); }, QStringLiteral("fig-predict.png"));
    esperar(300);
    QTimer::singleShot(300, [] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            QWidget* ok = d->findChild<QWidget*>(QStringLiteral("botonOk"));
            QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        }
    });
    orden(w, "accionPredecirTabla");
    esperar(300);
    w.findChild<QAbstractButton*>(QStringLiteral("opcionDiagramaTXY"))->click();
    w.findChild<QAbstractSlider*>(QStringLiteral("deslizadorDiagrama"))->setValue(30);
    esperar(500);
    guardar(w.grab(), QStringLiteral("fig-txy.png"));
    capturarModal([&w] { orden(w, "accionAcercaDe"); }, QStringLiteral("fig-about.png"));
    esperar(300);

    // Batch rectification: the still under its column, and each policy's
    // staircase on the x-y diagram at the cut of stage 1.
    w.findChild<QAbstractButton*>(QStringLiteral("opcionDiagramaXY"))->click();
    const std::pair<const char*, const char*> columnas[] = {
        {"benzene-toluene-5-plates-reflux-2.bdf", "fig-column-reflux.png"},
        {"ethanol-water-4-plates-purity-0.75.bdf", "fig-column-purity.png"},
    };
    for (const auto& [documento, figura] : columnas) {
        preparar(w, ejemplos.filePath(QString::fromLatin1(documento)), QSize(1100, 820));
        if (documento == columnas[0].first) guardar(w.grab(), QStringLiteral("fig-column-main.png"));
        orden(w, "accionVista1");
        esperar(500);
        guardar(w.grab(), QString::fromLatin1(figura));
    }

    // The predicted table changed the document: nothing to ask before closing.
    w.simulacion().marcarGuardado();
    w.close();
    return gFallos == 0 ? 0 : 2;
}
