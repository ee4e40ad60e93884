// Export graph through the window: the options dialog answered as a person
// would, the file read back: a PNG of the right size with the graph's
// colours, an SVG that parses, a PDF of one page.

#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "graphs/exportar.h"
#include "support/ventana.h"

using namespace quillon;

class TstExportar : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void exportar_data()
    {
        QTest::addColumn<QString>("vista");
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QSize>("tamano");  // chosen for a picture; empty: the screen's
        QTest::newRow("diagram, PNG as on screen") << "accionVista1" << "opcionPng" << QSize();
        QTest::newRow("diagram, PNG of a chosen size") << "accionVista1" << "opcionPng" << QSize(1600, 1200);
        QTest::newRow("diagram, SVG") << "accionVista1" << "opcionSvg" << QSize();
        QTest::newRow("diagram, PDF") << "accionVista1" << "opcionPdf" << QSize();
        QTest::newRow("progress graph, PNG") << "accionVista2" << "opcionPng" << QSize(800, 600);
        QTest::newRow("progress graph, SVG") << "accionVista2" << "opcionSvg" << QSize();
    }
    void exportar()
    {
        QFETCH(QString, vista);
        QFETCH(QString, formato);
        QFETCH(QSize, tamano);
        prueba::Ventana v;
        v.orden(vista);
        QWidget* grafico = v.hijo(vista == QLatin1String("accionVista1") ? "graficoELV" : "graficoAvance");
        const QString ruta = dir.filePath(formato);
        v.dialogos().rutasGuardar = {ruta};
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<FormExportar*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->findChild<QRadioButton*>(formato)->click();
            if (tamano.isValid()) {
                d->findChild<QRadioButton*>("opcionTamanoElegido")->click();
                d->findChild<QSpinBox*>("cajaAncho")->setValue(tamano.width());
                d->findChild<QSpinBox*>("cajaAlto")->setValue(tamano.height());
            }
            d->accept();
        });
        v.orden(QStringLiteral("accionExportarGrafico"));
        const QString sufijo = formato.mid(6).toLower();
        const QString archivo = ruta + QLatin1Char('.') + sufijo;
        QVERIFY2(QFile::exists(archivo), qPrintable(archivo));
        if (sufijo == QLatin1String("png")) {
            const QImage imagen(archivo);
            QCOMPARE(imagen.size(), tamano.isValid() ? tamano : grafico->size() * grafico->devicePixelRatioF());
            // The curve is there: some pixel is neither white nor grey.
            bool color = false;
            for (int y = 0; y < imagen.height() && !color; y += 2)
                for (int x = 0; x < imagen.width() && !color; x += 2) {
                    const QColor c = imagen.pixelColor(x, y);
                    color = qAbs(c.red() - c.blue()) > 80;
                }
            QVERIFY(color);
        } else if (sufijo == QLatin1String("svg")) {
            QSvgRenderer svg(archivo);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(grafico->size())));
        } else {
            if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) QSKIP("pdfinfo is needed");
            QProcess p;
            p.start(QStringLiteral("pdfinfo"), {archivo});
            QVERIFY(p.waitForFinished());
            QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        }
    }
};

QTEST_MAIN(TstExportar)
#include "tst_exportar.moc"
