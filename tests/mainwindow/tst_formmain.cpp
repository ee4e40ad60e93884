// The main window as a user drives it: what each edit does to the other
// boxes, the message line and the refresh, and the one deferred refresh of a
// burst of keys; the separator numbers are written with; the table option
// and Clear; the views and the commands that follow them; the cursors.

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

#include "support/ventana.h"

using namespace quillon;

// Boxes written in turn ("box=text; box=text"); after the last, what a box
// holds, the message line, and whether the last edit asked for a refresh.
struct Regla { QString ediciones, caja, texto, mensaje; bool refresco; };
// Boxes written in turn, and the first line of the first still's text.
struct Separador { QString ediciones, total; };
Q_DECLARE_METATYPE(Regla)
Q_DECLARE_METATYPE(Cambios)
Q_DECLARE_METATYPE(Separador)

class TstFormMain : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::Ventana> v;

    QWidget* visible(const QString& nombre) { return v->hijo(nombre); }
    // Writes each box whole, as a paste does, once the refresh of the edit
    // before has run.
    void pegar(const QString& ediciones)
    {
        for (const QString& e : ediciones.split(QLatin1Char(';'))) {
            v->esperarRefresco();
            QLineEdit* c = v->caja(e.section(QLatin1Char('='), 0, 0));
            c->selectAll();
            c->insert(e.section(QLatin1Char('='), 1));
        }
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        qRegisterMetaType<Cambios>();
    }
    void init() { v = std::make_unique<prueba::Ventana>(); }
    void cleanup() { v.reset(); }

    void cadaEdicionAplicaSusReglas_data()
    {
        QTest::addColumn<Regla>("r");
        const QString x0 = QStringLiteral("TxtX0A"), p0a = QStringLiteral("TxtP0A");
        QTest::newRow("x0 rewrites the mass %") << Regla{"TxtX0A=0.5", p0a, "45.88", "", true};
        QTest::newRow("the mass % rewrites x0") << Regla{"TxtX0A=0.5;TxtP0A=36.109", x0, "0.4", "", true};
        QTest::newRow("x0 above 1") << Regla{"TxtX0A=1.5", p0a, "36.109", "ERROR: Mole fraction of A is not valid", false};
        QTest::newRow("mass % above 100") << Regla{"TxtP0A=150", x0, "0.4", "ERROR: Mass percentage of A is not valid", false};
        QTest::newRow("x0 with a bad molar mass") << Regla{"TxtMMB=0;TxtX0A=0.5", p0a, "36.109", "ERROR: Molar mass is not valid", false};
        QTest::newRow("a molar mass rewrites the mass %") << Regla{"TxtMMA=92.14", p0a, "40", "", true};
        QTest::newRow("a bad molar mass writes nothing") << Regla{"TxtMMA=0", p0a, "36.109", "", true};
        QTest::newRow("a known name fills its molar mass") << Regla{"TxtCompB=  Agua ", "TxtMMB", "18.01528", "", true};
        QTest::newRow("its accents folded") << Regla{"TxtCompA=alcohol metílico", "TxtMMA", "32.04", "", true};
        QTest::newRow("and the mass % follows it") << Regla{"TxtCompA=toluene", p0a, "40", "", true};
        QTest::newRow("a partial name fills nothing") << Regla{"TxtCompA=benc", "TxtMMA", "78.1121", "", true};
        QTest::newRow("a comma is remembered") << Regla{"TxtX0A=0,5", p0a, "45,88", "", true};
    }
    void cadaEdicionAplicaSusReglas()
    {
        QFETCH(Regla, r);
        pegar(r.ediciones);
        QCOMPARE(v->caja(r.caja)->text(), r.texto);
        QCOMPARE(v->mensaje(), r.mensaje);
        QCOMPARE(v->hijo<QTimer>(QStringLiteral("TmrACT"))->isActive(), r.refresco);
        // Whatever the box now holds is a change of the document.
        QVERIFY(v->sim().modificado());
    }

    void unaRafagaDeTeclasDaUnSoloRefresco()
    {
        auto* tmr = v->hijo<QTimer>(QStringLiteral("TmrACT"));
        v->escribir(QStringLiteral("TxtAlfa"), QStringLiteral("3"));
        for (const char* t : {".", "1", "5"}) {
            QTest::keyClicks(v->caja("TxtAlfa"), QString::fromLatin1(t));
            // Every keystroke restarts the timer instead of refreshing.
            QVERIFY(tmr->remainingTime() > 200);
            QVERIFY(!v->sim().calculada(1));
        }
        v->esperarRefresco();
        QVERIFY(v->sim().calculada(1));
    }

    // The separator numbers are written with is the one of the last number
    // read with one, in the order the view reads the boxes: the cut last.
    void elSeparadorEsElDelUltimoNumeroLeido_data()
    {
        QTest::addColumn<Separador>("c");
        QTest::newRow("mass with a comma, then alpha") << Separador{"TxtMasa0=500,5;TxtAlfa=2.45", "Total mass: 500.5 g"};
        QTest::newRow("x0 with a comma, read after the mass") << Separador{"TxtMasa0=500.5;TxtX0A=0,4", "Total mass: 500,5 g"};
        QTest::newRow("the cut read last") << Separador{"TxtMasa0=500,5;cajaAvance1=12.5", "Total mass: 437.94 g"};
    }
    void elSeparadorEsElDelUltimoNumeroLeido()
    {
        QFETCH(Separador, c);
        pegar(c.ediciones);
        v->esperarRefresco();
        QCOMPARE(v->contenido(0).section(QLatin1Char('\n'), 0, 0), c.total);
    }

    // The table option without a table shows the editor's button and keeps
    // the volatility in force. Clear empties the boxes and options and goes
    // back to alpha mode.
    void laOpcionTablaYBorrar()
    {
        v->pulsar(QStringLiteral("OptTAB"));
        QVERIFY(visible(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(!v->caja("TxtAlfa")->isVisible());
        QVERIFY(!v->sim().modoTabla());
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
        QVERIFY(!v->sim().modificado());
        // A blank page is no error: nothing is drawn and nothing said.
        v->esperarRefresco();
        QCOMPARE(v->mensaje(), QString());
        QVERIFY(v->contenido(0).isEmpty());
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

    // The simulation tells the changes of one turn once, after it, the cuts
    // from the first one moved; then the deferred refresh.
    void unaVueltaUnAnuncio()
    {
        QSignalSpy anuncios(&v->sim(), &Simulacion::cambiado);
        v->sim().elegirUnidad(1);
        for (auto [k, final] : {std::pair{4, false}, {2, true}, {5, false}}) v->sim().editarCorte(k, QStringLiteral("30"), final);
        v->sim().editar(Entrada::Alfa, QStringLiteral("3"));
        QCOMPARE(anuncios.count(), 0);
        QVERIFY(anuncios.wait(1000) && anuncios.count() == 1);
        const auto c = anuncios.takeFirst().at(0).value<Cambios>();
        QCOMPARE(c.que, unsigned(Cambios::Entradas | Cambios::Equilibrio | Cambios::Unidad | Cambios::Cortes));
        QVERIFY(c.corteDesde == 2 && c.corteFinal);
        QVERIFY(anuncios.wait(1000));
        QCOMPARE(anuncios.takeFirst().at(0).value<Cambios>().que, unsigned(Cambios::Refresco));
    }

    // The source options refresh the stills before the diagram: with a bad
    // alpha the diagram's message is the one left.
    void laFuenteRefrescaAntesQueElDiagrama()
    {
        v->orden(QStringLiteral("accionVista1"));
        v->escribir(QStringLiteral("TxtAlfa"), QStringLiteral("1"));
        v->pulsar(QStringLiteral("OptVOL"));
        QCOMPARE(v->mensaje(), QStringLiteral("ERROR: Relative volatility is out of range"));
    }

    // Each cursor, reached with Tab after its box, shows its focus and moves
    // with the keys of any slider: the arrows 1 % of its scale, the page keys
    // 10 %, Home and End to the ends.
    void losCursoresSeMuevenConElTeclado_data()
    {
        QTest::addColumn<QString>("antes");  // the box Tab leaves for the cursor
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        QTest::newRow("x0, right") << "TxtP0A" << int(Qt::Key_Right) << "TxtX0A" << "0.41";
        QTest::newRow("x0, page down") << "TxtP0A" << int(Qt::Key_PageDown) << "TxtX0A" << "0.3";
        QTest::newRow("alpha, right") << "TxtAlfa" << int(Qt::Key_Right) << "TxtAlfa" << "2.64";
        QTest::newRow("alpha, end") << "TxtAlfa" << int(Qt::Key_End) << "TxtAlfa" << "20";
    }
    void losCursoresSeMuevenConElTeclado()
    {
        QFETCH(QString, antes);
        QFETCH(int, tecla);
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        v->caja(antes)->setFocus();
        QTest::keyClick(v->caja(antes), Qt::Key_Tab);
        QWidget* c = QApplication::focusWidget();
        const QImage conFoco = c->grab().toImage();
        const int x = c->x();
        QTest::keyClick(c, static_cast<Qt::Key>(tecla));
        QCOMPARE(v->caja(caja)->text(), texto);
        QCOMPARE(c->x() > x, tecla != Qt::Key_PageDown);
        v->caja(antes)->setFocus();
        QVERIFY(c->grab().toImage() != conFoco);
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

    // Short or tall, every input box shows whole, and nothing of a view lies
    // under the inputs' scroll bar.
    void lasEntradasSeVenEnterasAlDesplazarse_data()
    {
        QTest::addColumn<int>("alto");
        QTest::newRow("too short: the inputs scroll") << 660;
        QTest::newRow("tall enough") << 1100;
    }
    void lasEntradasSeVenEnterasAlDesplazarse()
    {
        QFETCH(int, alto);
        v->w().resize(1100, alto);
        auto* area = v->hijo<QScrollArea>(QStringLiteral("desplazamientoEntradas"));
        QTRY_COMPARE(area->verticalScrollBar()->isVisible(), alto < 1000);
        const QRect vista = area->viewport()->rect();
        for (QLineEdit* caja : area->widget()->findChildren<QLineEdit*>()) {
            if (!caja->isVisibleTo(area->widget())) continue;
            const QRect r(caja->mapTo(area->viewport(), QPoint(0, 0)), caja->size());
            QVERIFY2(r.left() >= vista.left() && r.right() <= vista.right(), qPrintable(caja->objectName()));
        }
        const QWidget* fila = v->hijo<QWidget>(QStringLiteral("filaEtapas"));
        QVERIFY(fila->x() > area->geometry().right());

        // The table view's panel hides the inputs down to Calculate, which
        // stays in reach, however far they are scrolled.
        v->pulsar(QStringLiteral("pestanaVista3"));
        const QWidget* tabla = v->hijo<QWidget>(QStringLiteral("panelTabla"));
        const QWidget* calcular = v->hijo<QWidget>(QStringLiteral("botonCalcular"));
        const QWidget* columna = v->hijo<QWidget>(QStringLiteral("panelColumna"));
        for (int desplazado : {0, area->verticalScrollBar()->maximum()}) {
            area->verticalScrollBar()->setValue(desplazado);
            const QWidget* central = tabla->parentWidget();
            const int arribaCalcular = calcular->mapTo(central, QPoint(0, 0)).y();
            if (arribaCalcular >= tabla->y() + 518) QVERIFY(tabla->geometry().bottom() < arribaCalcular);
            QVERIFY(tabla->geometry().bottom() >= columna->mapTo(central, QPoint(0, columna->height())).y() - 1);
        }
    }
};

QTEST_MAIN(TstFormMain)
#include "tst_formmain.moc"
