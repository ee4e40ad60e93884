// On a screen of pixel ratio 2 the stills are drawn with twice the pixels,
// not scaled up from a picture of the nominal size.

#include <QtTest>

#include "mainwindow/fila_etapas.h"
#include "mainwindow/fila_etapas_dibujo.h"

using namespace quillon;

class TstFilaAltaDensidad : public QObject {
    Q_OBJECT
private slots:
    void imagenNitida();
};

void TstFilaAltaDensidad::imagenNitida()
{
    EstadoVentana estado;
    estado.leerEntradas = [] {
        Entradas e;
        e.mma = 78.11;
        e.mmb = 92.14;
        e.alfa = 2.5;
        e.x0 = 0.5;
        e.m0 = 100;
        return e;
    };
    estado.mensaje = [](const QString&) {};
    FilaEtapas fila(estado);
    fila.resize(1000, 600);
    fila.show();
    fila.escribirAvance(1, QStringLiteral("0 %"));
    fila.Actualizar();

    DibujoEtapa* alambique = fila.dibujo(0);
    QCOMPARE(alambique->devicePixelRatioF(), 2.0);
    const QImage img = alambique->grab().toImage();
    QCOMPARE(img.size(), QSize(284, 686));
    // 120 rows of liquid are 240 device rows, every one in the liquid's colour.
    int filas = 0;
    for (int y = 0; y < img.height(); ++y) filas += img.pixelColor(142, y) == alambique->colorLiquido();
    QCOMPARE(filas, 240);
    // The glass outline is drawn at the fine resolution: somewhere along the
    // bulb's edge a device pixel differs from both of its vertical neighbours'
    // pair, which a picture scaled up by 2 never shows.
    bool fino = false;
    for (int y = 2 * 218; y < 2 * 340 && !fino; y += 2)
        for (int x = 0; x < 60 && !fino; ++x) fino = img.pixel(x, y) != img.pixel(x, y + 1);
    QVERIFY(fino);
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstFilaAltaDensidad t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_fila_alta_densidad.moc"
