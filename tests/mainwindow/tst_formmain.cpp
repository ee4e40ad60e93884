// The main window as a user drives it: the edit cycle and its one deferred
// refresh, Clear, the views and the commands that follow them, the cursors,
// the width.

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScrollBar>

#include "support/ventana.h"

using namespace quillon;

class TstFormMain : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::Ventana> v;

    QWidget* visible(const QString& nombre) { return v->hijo(nombre); }

private slots:
    void init() { v = std::make_unique<prueba::Ventana>(); }
    void cleanup() { v.reset(); }

    void unaRafagaDeTeclasDaUnSoloRefresco()
    {
        auto* tmr = v->hijo<QTimer>(QStringLiteral("TmrACT"));
        v->escribir(QStringLiteral("TxtAlfa"), QStringLiteral("3"));
        QVERIFY(v->sim().modificado());
        for (const char* t : {".", "1", "5"}) {
            QTest::keyClicks(v->caja("TxtAlfa"), QString::fromLatin1(t));
            // Every keystroke restarts the timer instead of refreshing.
            QVERIFY(tmr->remainingTime() > 200);
            QVERIFY(!v->sim().calculada(1));
        }
        v->esperarRefresco();
        QVERIFY(v->sim().calculada(1));
    }

    void borrarVuelveAUnaEtapaYAlModoAlfa()
    {
        v->hijo<QRadioButton>(QStringLiteral("OptETAP6"))->click();
        v->escribir(QStringLiteral("cajaAvance1"), QStringLiteral("60"));
        v->pulsar(QStringLiteral("OptTAB"));
        v->pulsar(QStringLiteral("botonSiguiente"));
        v->sim().marcarGuardado();
        v->pulsar(QStringLiteral("botonBorrar"));
        for (const char* c : {"TxtCompA", "TxtCompB", "TxtMMA", "TxtMMB", "TxtAlfa", "TxtX0A", "TxtP0A", "TxtMasa0"})
            QVERIFY(v->caja(QString::fromLatin1(c))->text().isEmpty());
        QVERIFY(v->hijo<QRadioButton>(QStringLiteral("OptUNIT_g"))->isChecked());
        QVERIFY(v->hijo<QRadioButton>(QStringLiteral("OptETAP1"))->isChecked());
        QCOMPARE(v->hijo<QScrollBar>(QStringLiteral("deslizador1"))->value(), 0);
        QVERIFY(visible(QStringLiteral("dibujo0"))->isVisible());
        QVERIFY(v->caja("TxtAlfa")->isVisible());
        QVERIFY(!visible(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(!v->sim().modificado());
        QTRY_COMPARE(v->mensaje(), QStringLiteral("ERROR: Molar mass is not valid"));
    }

    void lasVistasYLasOrdenesQueLasSiguen()
    {
        auto* imprimir = v->hijo<QAction>(QStringLiteral("accionImprimir"));
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        v->orden(QStringLiteral("accionCopiar"));  // nothing to copy in the Main view
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        QVERIFY(!imprimir->isEnabled());

        v->orden(QStringLiteral("accionVista1"));
        QVERIFY(v->hijo<QAction>(QStringLiteral("accionVista1"))->isChecked());
        QVERIFY(v->hijo<BotonImagen>(QStringLiteral("pestanaVista1"))->negrita());
        QVERIFY(visible(QStringLiteral("graficoELV"))->isVisible());
        QVERIFY(!visible(QStringLiteral("filaEtapas"))->isVisible());
        QVERIFY(imprimir->isEnabled());

        v->pulsar(QStringLiteral("pestanaVista3"));
        QVERIFY(!imprimir->isEnabled());
        QVERIFY(visible(QStringLiteral("panelTabla"))->isVisible());
        v->orden(QStringLiteral("accionCopiar"));
        const QString tabla = QGuiApplication::clipboard()->text();
        QVERIFY(tabla.startsWith(QStringLiteral("Distillation of binary mixture of benzene (A) and toluene (B)\r\n")));

        v->orden(QStringLiteral("accionVista2"));
        QVERIFY(visible(QStringLiteral("graficoAvance"))->isVisible());
        QVERIFY(visible(QStringLiteral("panelAvance"))->isVisible());
        QVERIFY(imprimir->isEnabled());
        v->orden(QStringLiteral("accionCopiar"));
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());

        v->orden(QStringLiteral("accionVista0"));
        QVERIFY(!imprimir->isEnabled());
        QVERIFY(visible(QStringLiteral("filaEtapas"))->isVisible());
    }

    void laTablaSigueALasFilasYALaEtapa()
    {
        v->hijo<QRadioButton>(QStringLiteral("OptETAP2"))->click();
        v->orden(QStringLiteral("accionVista3"));
        v->hijo<QRadioButton>(QStringLiteral("OptFILTAB10"))->click();
        v->orden(QStringLiteral("accionCalcular"));
        // Header, blank line, four legend lines, blank line, column codes, 11 rows.
        auto* texto = v->hijo<QPlainTextEdit>(QStringLiteral("TxtXAvan"));
        QCOMPARE(texto->toPlainText().count(QLatin1Char('\n')), 6 + 4 + 2 + 11);
        QVERIFY(v->hijo<QRadioButton>(QStringLiteral("OptETATAB2"))->isVisible());
        QVERIFY(!v->hijo<QRadioButton>(QStringLiteral("OptETATAB3"))->isVisible());
        v->hijo<QRadioButton>(QStringLiteral("OptETATAB2"))->click();
        QVERIFY(texto->toPlainText().contains(QStringLiteral("current stage of distillation = 2 / 2")));
    }

    void laOpcionTablaSinTablaMuestraElBoton()
    {
        v->pulsar(QStringLiteral("OptTAB"));
        QVERIFY(visible(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(!v->caja("TxtAlfa")->isVisible());
        // An empty table keeps the relative volatility in force.
        QVERIFY(!v->sim().modoTabla());
        v->pulsar(QStringLiteral("OptVOL"));
        QVERIFY(!visible(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(v->caja("TxtAlfa")->isVisible());
    }

    void elCursorDeX0EscribeLasDosCajas()
    {
        QWidget* cursor = visible(QStringLiteral("cursorX0"));
        QWidget* panel = cursor->parentWidget();
        const QPoint agarre(5, cursor->height() / 2);
        QCursor::setPos(cursor->mapToGlobal(agarre));
        QTest::mousePress(cursor, Qt::LeftButton, {}, agarre);
        // A quarter along the scale, which runs 10 pixels inside the panel:
        // the cursor's centre at 10 + 270 / 4 = 77.5, its left edge at 72.
        QCursor::setPos(panel->mapToGlobal(QPoint(72 + agarre.x(), cursor->y())));
        QTest::mouseMove(cursor, cursor->mapFromGlobal(QCursor::pos()));
        QTest::mouseRelease(cursor, Qt::LeftButton, {}, cursor->mapFromGlobal(QCursor::pos()));
        QCOMPARE(v->caja("TxtX0A")->text(), QStringLiteral("0.25"));
        QCOMPARE(v->caja("TxtP0A")->text(), QStringLiteral("22.032"));
        QVERIFY(v->sim().modificado());
        v->esperarRefresco();
        QVERIFY(v->contenido(0).contains(QStringLiteral("Xa=0.25")));
    }

    // A cut set in another view shows in the row's box and slider too.
    void unCortePuestoEnOtraVistaSeVeEnLaFila()
    {
        v->sim().editarCorte(1, QStringLiteral("35 %"));
        QCOMPARE(v->caja("cajaAvance1")->text(), QStringLiteral("35 %"));
        QCOMPARE(v->hijo<QScrollBar>(QStringLiteral("deslizador1"))->value(), 35);
    }

    void ensancharLaVentanaMuestraMasEtapas()
    {
        v->hijo<QRadioButton>(QStringLiteral("OptETAP6"))->click();
        v->w().resize(940, 700);
        v->esperarRefresco();
        QVERIFY(visible(QStringLiteral("dibujo1"))->isVisible());
        QVERIFY(!visible(QStringLiteral("dibujo2"))->isVisible());
        v->w().resize(1900, 700);
        v->esperarRefresco();
        QVERIFY(visible(QStringLiteral("dibujo4"))->isVisible());
        QVERIFY(!visible(QStringLiteral("dibujo5"))->isVisible());
        v->w().resize(500, 300);
        QCOMPARE(v->w().size(), QSize(940, 660));
    }
};

QTEST_MAIN(TstFormMain)
#include "tst_formmain.moc"
