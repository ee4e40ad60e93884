// The table editor in the Spanish build: captions, messages and dialogs.

#include <QLabel>

#include "documents/tst_form_xyinput_apoyo.h"

using namespace quillon;
using namespace quillon::prueba;

class TstFormXYinputEsp : public QObject {
    Q_OBJECT
    ConDialogos dialogos;
    DialogosPrueba& d = dialogos.d;

private slots:
    void initTestCase() { fijarLocale(); }
    void init() { d.olvidar(); }

    void textos()
    {
        Banco b;
        b.estado.sepDecimal = ',';
        FormXYinput& v = b.abrir();
        QCOMPARE(v.windowTitle(), QStringLiteral("Tabla de equilibrio Líquido-Vapor"));
        const QString botones[5] = {"Aceptar", "Cancelar", "Borrar", "Abrir...", "Guardar como..."};
        for (int i = 0; i < 5; ++i) QCOMPARE(b.boton(i)->texto(), botones[i]);
        QCOMPARE(v.findChild<QLabel*>("Label1_3")->text(),
                 QStringLiteral("X: Fracción molar del componente más volátil en fase líquida."));
        QCOMPARE(v.findChild<QLabel*>("Label1_4")->text(),
                 QStringLiteral("Y: Fracción molar del componente más volátil en equilibrio en fase vapor."));
        b.abrirArchivo();
        b.guardarComo();
        QCOMPARE(d.pedidosAbrir[0].titulo, QStringLiteral("Abrir"));
        QCOMPARE(d.pedidosGuardar[0].titulo, QStringLiteral("Guardar como"));
    }

    // Each rule has its own Spanish message; the point key types the comma.
    void mensajesDeOk_data()
    {
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("order") << QStringList{"0.2", "0.3", "0.2", "0.4"} << "ERROR: Los valores no son consecutivos";
        QTest::newRow("pure") << QStringList{"0", "0.1"}
                              << "ERROR: Valores incompatibles para disolución pura de un componente";
        QTest::newRow("range") << QStringList{"0.5", "2"} << "ERROR: Datos fuera del rango [0, 1]";
    }
    void mensajesDeOk()
    {
        QFETCH(QStringList, filas);
        QFETCH(QString, mensaje);
        Banco b;
        b.estado.sepDecimal = ',';
        b.abrir();
        for (int k = 0; 2 * k < filas.size(); ++k) b.escribirFila(k, filas[2 * k], filas[2 * k + 1]);
        QCOMPARE(b.x(0)->text(), QString(filas[0]).replace('.', ','));
        b.ok();
        QCOMPARE(d.ultimoMensaje(), mensaje);
    }

    // Six significant digits with the comma in use.
    void muestraConComa()
    {
        Banco b;
        b.estado.sepDecimal = ',';
        b.tabla = tablaCon({{1.0 / 3, 0.5}});
        b.abrir();
        QCOMPARE(b.x(0)->text(), QStringLiteral("0,333333"));
    }
};

QTEST_MAIN(TstFormXYinputEsp)
#include "tst_form_xyinput_esp.moc"
