// On a screen of pixel ratio 2 the stills are drawn with twice the pixels,
// not scaled up from a picture of the nominal size.

#include "support/imagen.h"
#include "support/ventana.h"

using namespace quillon;

class TstFilaAltaDensidad : public QObject {
    Q_OBJECT
private slots:
    void imagenNitida()
    {
        prueba::Ventana v;
        auto* alambique = v.dibujo(0);
        const QImage img = alambique->grab().toImage();
        // The full charge's 120 rows are 240 rows of device pixels.
        QSet<int> filas;
        for (const QPoint& p : prueba::mancha(img, alambique->colorLiquido(), 0)) filas << p.y();
        QCOMPARE(filas.size(), 240);
        // A picture scaled up by 2 repeats every pair of rows; the glass
        // drawn at the fine resolution does not.
        bool fino = false;
        for (int y = 0; y + 1 < img.height() && !fino; y += 2)
            for (int x = 0; x < img.width() && !fino; ++x) fino = img.pixel(x, y) != img.pixel(x, y + 1);
        QVERIFY(fino);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstFilaAltaDensidad t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_fila_alta_densidad.moc"
