// The Spanish build's texts of the graphs and of printing, as the user meets
// them.
#include "graphs/datos_avance.h"
#include "graphs/form_imprimir.h"
#include "graphs/geometria_txy.h"
#include "graphs/graficos.h"
#include "graphs/imprimir.h"
#include "support/dialogos_guion.h"

using namespace quillon;
using namespace quillon::prueba;

class TstGraficosEsp : public QObject {
    Q_OBJECT
private slots:
    void diagrama()
    {
        // With no name the inserted text joins "de" into "del".
        QCOMPARE(tituloEjeX(" "), std::string("X: Fracción molar del componente más volátil en el líquido"));
        QCOMPARE(tituloEjeY("benceno"), std::string("Y: Fracción molar de benceno en el vapor"));
        Graficos g;
        QVERIFY(g.mostrar());
        g.sim.editar(Entrada::Alfa, "1");
        QCOMPARE(g.mensaje, "ERROR: Volatilidad relativa fuera de rango");
        g.sim.editar(Entrada::X0, "0,4");
        g.sim.editar(Entrada::Alfa, "3");
        QTest::mouseMove(&g.elv, g.punto(0.5, 0.75));
        QCOMPARE(g.lectura()->text(), "Curva de equilibrio: x = 0,5   y = 0,75");
        QCOMPARE(g.elv.toolTip(), "Curva de equilibrio líquido-vapor");
        g.tablaDeAlfa3();
        QTest::mouseMove(&g.elv, g.punto(0.5, 0.76));
        QCOMPARE(g.elv.toolTip(), "Doble clic: Editar tabla Equilibrio líquido-vapor");
    }

    void temperaturas()
    {
        QCOMPARE(tituloEjeComposicion(""), std::string("x, y: Fracción molar del componente más volátil"));
        Graficos g;
        QVERIFY(g.mostrar());
        auto* y = g.panel.findChild<QListWidget*>("LstEjeY");
        QCOMPARE(y->item(y->count() - 1)->text(), "Temperatura de ebullición del destilado acumulado");
        QCOMPARE(calcularDatosAvance(g.sim, 1, 0, y->count() - 2).datos.tituloY,
                 " TBs: Temperatura de ebullición del líquido del alambique (°C; ideal, 1 atm)");
        QCOMPARE(g.control<QAbstractButton>("opcionDiagramaTXY")->text(), "Diagrama T-x-y");
        QVERIFY(g.elegirTxy());
        g.sim.editarCorte(1, "mitad");
        g.elv.Dibujar_VLE();
        QCOMPARE(g.mensaje, "ERROR: Porcentaje destilado de la etapa 1 no válido");
        g.sim.editarCorte(1, "50");
        // Alpha typed with a comma, read last: the read-out's separator.
        g.sim.editar(Entrada::Alfa, "2,45");
        g.elv.Dibujar_VLE();
        QTest::mouseMove(&g.elv, QPoint(g.elv.width() / 2, g.elv.height() / 2));
        QVERIFY(g.lectura()->text().contains(QRegularExpression("^x = 0,\\d+   T = \\d+,\\d+ °C$")));
    }

    void impresion()
    {
        DialogosGuion dialogos;
        Graficos g;
        // The PDF entry, the copies refused, and the file dialog (cancelled).
        QTimer::singleShot(0, [] {
            QWidget* d = QApplication::activeModalWidget();
            QCOMPARE(d->windowTitle(), "Imprimir");
            auto* lista = d->findChild<QComboBox*>("listaImpresoras");
            QCOMPARE(lista->itemText(lista->count() - 1), "Archivo PDF");
            lista->setCurrentIndex(lista->count() - 1);
            d->findChild<QLineEdit*>("cajaCopias")->setText("0");
            QTest::mouseClick(d->findChild<QWidget*>("botonImprimir"), Qt::LeftButton);
            d->findChild<QLineEdit*>("cajaCopias")->setText("1");
            QTest::mouseClick(d->findChild<QWidget*>("botonImprimir"), Qt::LeftButton);
        });
        imprimirGrafico(nullptr, &g.elv, nullptr, QString());
        QCOMPARE(dialogos.mensajes, QStringList{"El número de copias no es válido. Máximo 1999 copias."});
        QCOMPARE(dialogos.peticiones.size(), 1);
        QCOMPARE(dialogos.peticiones[0].titulo, "Imprimir en un archivo PDF");
    }
};

QTEST_MAIN(TstGraficosEsp)
#include "tst_graficos_esp.moc"
