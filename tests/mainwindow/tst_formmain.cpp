// The main window as a user drives it: the edit cycle and its one deferred
// refresh, the equilibrium options and Clear, the views and the commands
// that follow them, the cursors.

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

    // The table option without a table shows the editor's button and keeps
    // the volatility in force; with one, it puts the table in force. Clear
    // empties the boxes and options and goes back to alpha mode, keeping
    // the table.
    void lasOpcionesDelEquilibrioYBorrar()
    {
        v->pulsar(QStringLiteral("OptTAB"));
        QVERIFY(visible(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(!v->caja("TxtAlfa")->isVisible());
        QVERIFY(!v->sim().modoTabla());
        TablaELV t;
        t.x = {0, 0.5, 1};
        t.y = {0, 0.75, 1};
        t.ultPunto = 2;
        v->sim().aceptarTabla(t);  // as the editor's Ok does
        v->pulsar(QStringLiteral("OptVOL"));
        QVERIFY(!v->sim().modoTabla());
        v->pulsar(QStringLiteral("OptTAB"));
        QVERIFY(v->sim().modoTabla());

        v->hijo<QRadioButton>(QStringLiteral("OptETAP6"))->click();
        v->escribir(QStringLiteral("cajaAvance1"), QStringLiteral("60"));
        v->pulsar(QStringLiteral("botonSiguiente"));
        v->sim().marcarGuardado();
        v->pulsar(QStringLiteral("botonBorrar"));
        for (const char* c : {"TxtCompA", "TxtCompB", "TxtMMA", "TxtMMB", "TxtAlfa", "TxtX0A", "TxtP0A", "TxtMasa0"})
            QVERIFY(v->caja(QString::fromLatin1(c))->text().isEmpty());
        QCOMPARE(v->caja("cajaAvance1")->text(), QStringLiteral("0"));
        QCOMPARE(v->hijo<QScrollBar>(QStringLiteral("deslizador1"))->value(), 0);
        QVERIFY(v->hijo<QRadioButton>(QStringLiteral("OptUNIT_g"))->isChecked());
        QVERIFY(v->hijo<QRadioButton>(QStringLiteral("OptETAP1"))->isChecked());
        QVERIFY(visible(QStringLiteral("dibujo0"))->isVisible());
        QVERIFY(v->caja("TxtAlfa")->isVisible());
        QVERIFY(!visible(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(!v->sim().modoTabla());
        QCOMPARE(v->sim().tablaELV().ultPunto, 2);
        QVERIFY(!v->sim().modificado());
        QTRY_COMPARE(v->mensaje(), QStringLiteral("ERROR: Molar mass is not valid"));
    }

    // Each view, chosen by its tab, shows alone and is marked in the tabs
    // and the menu; only the graphs print, and Copy has nothing to take
    // from the row of stills.
    void lasVistasYLasOrdenesQueLasSiguen_data()
    {
        QTest::addColumn<int>("vista");
        QTest::addColumn<QString>("muestra");
        QTest::newRow("row of stills") << 0 << "filaEtapas";
        QTest::newRow("VLE graph") << 1 << "graficoELV";
        QTest::newRow("progress graph") << 2 << "graficoAvance";
        QTest::newRow("table") << 3 << "panelTabla";
    }
    void lasVistasYLasOrdenesQueLasSiguen()
    {
        QFETCH(int, vista);
        QFETCH(QString, muestra);
        v->orden(QStringLiteral("accionVista%1").arg(3 - vista));
        v->pulsar(QStringLiteral("pestanaVista%1").arg(vista));
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(v->hijo<QAction>(QStringLiteral("accionVista%1").arg(j))->isChecked(), j == vista);
            QCOMPARE(v->hijo<BotonImagen>(QStringLiteral("pestanaVista%1").arg(j))->negrita(), j == vista);
        }
        for (const char* w : {"filaEtapas", "graficoELV", "graficoAvance", "panelTabla"})
            QCOMPARE(visible(QString::fromLatin1(w))->isVisible(), muestra == QLatin1String(w));
        QCOMPARE(v->hijo<QAction>(QStringLiteral("accionImprimir"))->isEnabled(), vista == 1 || vista == 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        v->orden(QStringLiteral("accionCopiar"));
        QCOMPARE(QGuiApplication::clipboard()->text() == QLatin1String("untouched"), vista == 0);
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
};

QTEST_MAIN(TstFormMain)
#include "tst_formmain.moc"
