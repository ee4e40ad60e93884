// The Spanish build: linked with the Spanish language constant, the window
// shows every Spanish twin.

#include <QMenuBar>

#include "support/ventana.h"

using namespace quillon;

class TstFormMainEsp : public QObject {
    Q_OBJECT
private slots:
    void losTextosSonLosEspanoles()
    {
        prueba::Ventana v;
        QCOMPARE(v.w().windowTitle(), QStringLiteral("Sin título[*] - Quillon - Simulador de destilación mezcla binaria"));
        QCOMPARE(v.caja(QStringLiteral("TxtCompA"))->text(), QStringLiteral("benceno"));
        QCOMPARE(v.hijo<BotonImagen>(QStringLiteral("pestanaVista0"))->texto(), QStringLiteral("Inicio"));
        QCOMPARE(v.hijo<BotonImagen>(QStringLiteral("botonCalcular"))->texto(), QStringLiteral("Actualizar"));
        QCOMPARE(v.w().menuBar()->actions().first()->text(), QStringLiteral("&Archivo"));
        QCOMPARE(v.hijo<QLabel>(QStringLiteral("tituloComponenteA"))->text(), QStringLiteral("A: Componente más volátil"));
        QVERIFY(v.contenido(0).startsWith(QStringLiteral("Masa total: 500 g")));
        QVERIFY(v.contenido(0).contains(QStringLiteral("Temp. ebullición: ")));
        QCOMPARE(v.hijo<QAction>(QStringLiteral("accionPredecirTabla"))->text(), QStringLiteral("Predecir tabla..."));
        QCOMPARE(v.hijo<QAction>(QStringLiteral("accionExportarGrafico"))->text(), QStringLiteral("Exportar &gráfica..."));
        QCOMPARE(v.w().windowTitle().left(10), QStringLiteral("Sin título"));
        v.escribir(QStringLiteral("TxtMMA"), QStringLiteral("0"));
        QTRY_COMPARE(v.mensaje(), QStringLiteral("ERROR: Masa molar no válida"));
        v.escribir(QStringLiteral("TxtMMA"), QStringLiteral("78"));
        v.escribir(QStringLiteral("cajaAvance1"), QStringLiteral("120"));
        QTRY_COMPARE(v.mensaje(), QStringLiteral("ERROR: Porcentaje destilado de la etapa 1 no válido"));
    }
};

QTEST_MAIN(TstFormMainEsp)
#include "tst_formmain_esp.moc"
