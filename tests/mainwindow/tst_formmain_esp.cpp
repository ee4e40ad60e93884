// The Spanish build: the texts it composes from parts (the title, the
// stills, the axes, the read-out, a legend with its units) read as Spanish,
// with the Spanish grammar and the separator typed.

#include <QListWidget>

#include "graphs/datos_avance.h"
#include "graphs/geometria_txy.h"
#include "graphs/graficos.h"
#include "support/ventana.h"

using namespace quillon;

class TstFormMainEsp : public QObject {
    Q_OBJECT
private slots:
    void laVentana()
    {
        prueba::Ventana v;
        QCOMPARE(v.w().windowTitle(), QStringLiteral("Sin título[*] - Quillon - Simulador de destilación mezcla binaria"));
        QVERIFY(v.contenido(0).startsWith(QStringLiteral("Masa total: 500 g")));
        QVERIFY(v.contenido(0).contains(QStringLiteral("Temp. ebullición: ")));
        v.escribir(QStringLiteral("cajaAvance1"), QStringLiteral("120"));
        QTRY_COMPARE(v.mensaje(), QStringLiteral("ERROR: Porcentaje destilado de la etapa 1 no válido"));
        // The column's longer Spanish captions stay clear of its boxes.
        QWidget* columna = v.hijo(QStringLiteral("panelColumna"));
        for (const QWidget* texto : columna->findChildren<QWidget*>())
            for (const QLineEdit* caja : columna->findChildren<QLineEdit*>())
                if (!qobject_cast<const QLineEdit*>(texto))
                    QVERIFY2(!texto->geometry().intersects(caja->geometry()), qPrintable(texto->objectName()));
        v.escribir(QStringLiteral("cajaAvance1"), QStringLiteral("40"));
        v.escribir(QStringLiteral("TxtPlatos"), QStringLiteral("3"));
        v.esperarRefresco();
        QVERIFY2(v.contenido(0).contains(QRegularExpression(QStringLiteral("R = 2   xD = 0[.,]\\d+"))), qPrintable(v.contenido(0)));
        v.escribir(QStringLiteral("cajaAvance1"), QStringLiteral("20"));
        v.escribir(QStringLiteral("TxtPlatos"), QStringLiteral("0"));
        v.escribir(QStringLiteral("TxtCalor"), QStringLiteral("x"));
        QTRY_COMPARE(v.mensaje(), QStringLiteral("ERROR: Calefacción no válida"));
        v.escribir(QStringLiteral("TxtCalor"), QStringLiteral("0,3"));
        v.sim().elegirUnidadCalefaccion(1);
        v.esperarRefresco();
        QVERIFY(v.contenido(0).contains(QRegularExpression(QStringLiteral("\\nDesde 1\\.ª gota: \\d+[.,]\\d+ min$"))));
    }

    void losGraficos()
    {
        // With no name the inserted text joins "de" into "del".
        QCOMPARE(tituloEjeX(" "), std::string("X: Fracción molar del componente más volátil en el líquido"));
        QCOMPARE(tituloEjeY("benceno"), std::string("Y: Fracción molar de benceno en el vapor"));
        prueba::Graficos g;
        QVERIFY(g.mostrar());
        g.sim.editar(Entrada::X0, "0,4");
        g.sim.editar(Entrada::Alfa, "3");
        QTest::mouseMove(&g.elv, g.punto(0.5, 0.75));
        QCOMPARE(g.lectura()->text(), "Curva de equilibrio: x = 0,5   y = 0,75");
        auto* y = g.panel.findChild<QListWidget*>("LstEjeY");
        QCOMPARE(calcularDatosAvance(g.sim, 1, 0, y->count() - 2).datos.tituloY,
                 " TBs: Temperatura de ebullición del líquido del alambique (°C; UNIFAC, 1 atm)");
        QVERIFY(g.elegirTxy());
        QTest::mouseMove(&g.elv, QPoint(g.elv.width() / 2, g.elv.height() / 2));
        QVERIFY(g.lectura()->text().contains(QRegularExpression("^x = 0,\\d+   T = \\d+,\\d+ °C$")));
    }
};

QTEST_MAIN(TstFormMainEsp)
#include "tst_formmain_esp.moc"
