// The table editor's window, display, typing and Ok/Cancel/Clear, driven
// through its widgets.

#include <QLabel>

#include "documents/formats/documento.h"

#include "documents/tst_form_xyinput_apoyo.h"

using namespace quillon;
using namespace quillon::prueba;
using Resultado = FormXYinput::Resultado;

Q_DECLARE_METATYPE(FormXYinput::Resultado)

class TstFormXYinput : public QObject {
    Q_OBJECT
    ConDialogos dialogos;
    DialogosPrueba& d = dialogos.d;

private slots:
    void initTestCase() { fijarLocale(); }
    void init() { d.olvidar(); }

    void ventanaComoSeDibuja()
    {
        Banco b;
        FormXYinput& v = b.abrir();
        QCOMPARE(v.windowTitle(), QStringLiteral("VLE: Vapor-Liquid Equilibrium table"));
        QCOMPARE(v.minimumSize(), v.maximumSize());
        QCOMPARE(v.font().family(), QStringLiteral("Arial"));
        QCOMPARE(v.grab().toImage().pixelColor(4, 4), QColor(207, 232, 255));
        QCOMPARE(v.findChildren<QLineEdit*>().size(), 24);
        QCOMPARE(b.scroll()->minimum(), 0);
        QCOMPARE(b.scroll()->maximum(), 87);
        QCOMPARE(b.scroll()->singleStep(), 1);
        QCOMPARE(b.scroll()->pageStep(), 11);
        const QString textos[5] = {"Ok", "Cancel", "Clear", "Open...", "Save as..."};
        const QPoint lugares[5] = {{160, 409}, {305, 409}, {305, 450}, {15, 450}, {160, 450}};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(b.boton(i)->texto(), textos[i]);
            QCOMPARE(b.boton(i)->pos(), lugares[i]);
            QVERIFY(v.rect().contains(b.boton(i)->geometry()));
        }
        QCOMPARE(v.findChild<QLabel*>("Label1_3")->text(),
                 QStringLiteral("X: Mole fraction of most volatile component in liquid phase."));
        QCOMPARE(v.findChild<QLabel*>("Label1_4")->text(),
                 QStringLiteral("Y: Mole fraction of most volatile component in vapor phase."));
        // The rows sit between the explanations and the buttons, the Y box
        // right of the X box, the bar right of both.
        QVERIFY(b.x(0)->geometry().top() > v.findChild<QLabel*>("Label1_3")->geometry().bottom());
        QVERIFY(b.x(11)->geometry().bottom() < 409);
        QVERIFY(b.y(5)->geometry().left() > b.x(5)->geometry().right());
        QVERIFY(b.scroll()->geometry().left() > b.y(5)->geometry().right());
    }

    // Six significant digits; a row not in use shows empty boxes, a row with
    // X and without Y shows -1; the labels number the rows from 1.
    void filasVisibles()
    {
        Banco b;
        b.tabla = tablaCon({{0, 0}, {1.0 / 3, 0.123456789}, {0.5, -1}, {1, 1}});
        b.abrir();
        QCOMPARE(b.x(1)->text(), QStringLiteral("0.333333"));
        QCOMPARE(b.y(1)->text(), QStringLiteral("0.123457"));
        QCOMPARE(b.y(2)->text(), QStringLiteral("-1"));
        QCOMPARE(b.x(3)->text(), QStringLiteral("1"));
        QVERIFY(b.x(4)->text().isEmpty() && b.y(4)->text().isEmpty());
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM0")->text(), QStringLiteral("1"));
        b.scroll()->setValue(87);
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM0")->text(), QStringLiteral("88"));
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM11")->text(), QStringLiteral("99"));
    }

    void okCompletaLaTabla()
    {
        Banco b;
        b.abrir();
        b.escribirFila(0, "0.1", "0.2");
        b.escribirFila(1, "0.5", "0.7");
        b.ok();
        QCOMPARE(b.ventana->resultado(), Resultado::Aceptada);
        QVERIFY(!b.ventana->isVisible());
        const TablaELV& t = b.ventana->tabla();
        QCOMPARE(t.ultPunto, 3);
        const double xs[4] = {0, 0.1, 0.5, 1}, ys[4] = {0, 0.2, 0.7, 1};
        for (std::size_t i = 0; i < 4; ++i) {
            QCOMPARE(t.x[i], xs[i]);
            QCOMPARE(t.y[i], ys[i]);
        }
        QCOMPARE(t.x[4], -1.0);
        QCOMPARE(b.ventana->datos(), b.datos);
        QVERIFY(d.mensajes.isEmpty());
    }

    // Each row is "X;Y" as typed from the top; expected outcome and message.
    void okRevisaLasFilas_data()
    {
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<Resultado>("resultado");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("ultPunto");
        QTest::newRow("rows after X = 1 dropped")
            << QStringList{"0;0", "0.5;0.7", "1;1", "0.8;0.9"} << Resultado::Aceptada << QString() << 2;
        QTest::newRow("first X empty") << QStringList{} << Resultado::SinTabla << QString() << 0;
        QTest::newRow("X not increasing") << QStringList{"0.2;0.3", "0.2;0.4"} << Resultado::Cancelada
                                          << "ERROR: Invalid data" << 0;
        QTest::newRow("Y not increasing") << QStringList{"0.2;0.4", "0.3;0.4"} << Resultado::Cancelada
                                          << "ERROR: Invalid data" << 0;
        QTest::newRow("pure A with Y") << QStringList{"0;0.1"} << Resultado::Cancelada << "ERROR: Invalid data" << 0;
        QTest::newRow("Y of 1 without X") << QStringList{"0.5;1"} << Resultado::Cancelada << "ERROR: Invalid data"
                                          << 0;
        QTest::newRow("out of range") << QStringList{"0.5;1.5"} << Resultado::Cancelada
                                      << "ERROR: Data out of range [0, 1]" << 0;
        // Letters read as 0 (the leading-number reading); a number that cannot
        // be computed gives the invalid-value sentinel.
        QTest::newRow("letters") << QStringList{"0.5;abc"} << Resultado::Cancelada << "ERROR: Invalid data" << 0;
        QTest::newRow("division by zero") << QStringList{"0.5;1/0"} << Resultado::Cancelada
                                          << "ERROR: Data out of range [0, 1]" << 0;
        QTest::newRow("Y empty") << QStringList{"0.5;"} << Resultado::Cancelada << "ERROR: Data out of range [0, 1]"
                                 << 0;
        QTest::newRow("only pure components")
            << QStringList{"0;0", "1;1"} << Resultado::Cancelada
            << "ERROR: Invalid data: the table needs a point with X between 0 and 1" << 0;
        QTest::newRow("fraction and comma") << QStringList{"1/4;0,5"} << Resultado::Aceptada << QString() << 2;
    }
    void okRevisaLasFilas()
    {
        QFETCH(QStringList, filas);
        QFETCH(Resultado, resultado);
        QFETCH(QString, mensaje);
        Banco b;
        b.abrir();
        for (int k = 0; k < filas.size(); ++k) {
            const QStringList xy = filas[k].split(';');
            b.escribirFila(k, xy[0], xy[1]);
        }
        b.ok();
        if (mensaje.isEmpty()) {
            QVERIFY(d.mensajes.isEmpty());
            QCOMPARE(b.ventana->resultado(), resultado);
            QVERIFY(!b.ventana->isVisible());
            if (resultado == Resultado::Aceptada) {
                QFETCH(int, ultPunto);
                QCOMPARE(b.ventana->tabla().ultPunto, ultPunto);
                QCOMPARE(b.ventana->tabla().x[static_cast<std::size_t>(ultPunto)], 1.0);
                QCOMPARE(b.ventana->tabla().x[static_cast<std::size_t>(ultPunto) + 1], -1.0);
            }
            return;
        }
        QCOMPARE(d.mensajes.size(), 1);
        QCOMPARE(d.mensajes[0].texto, mensaje);
        QCOMPARE(d.mensajes[0].titulo, QStringLiteral("Error"));
        QCOMPARE(d.mensajes[0].icono, plataforma::Icono::Exclamacion);
        QVERIFY(b.ventana->isVisible());
        // Closing now must take the main window out of table mode.
        b.cancelar();
        QCOMPARE(b.ventana->resultado(), Resultado::CanceladaTrasOkFallido);
    }

    void okFalloMuestraLasFilasDescartadas()
    {
        Banco b;
        b.tabla = tablaCon({{0, 0}, {1, 1}, {0.5, 0.6}});
        b.abrir();
        b.ok();
        QCOMPARE(d.ultimoMensaje(), QStringLiteral("ERROR: Invalid data: the table needs a point with X between 0 and 1"));
        QVERIFY(b.x(2)->text().isEmpty());
    }

    // Emptying an X box ends the rows in use there.
    void vaciarUnaXTerminaLaTabla()
    {
        Banco b;
        b.tabla = tablaCon({{0, 0}, {0.2, 0.3}, {0.5, 0.6}, {0.8, 0.9}, {1, 1}});
        b.abrir();
        b.escribir(b.x(2), "");
        b.ok();
        QCOMPARE(b.ventana->resultado(), Resultado::Aceptada);
        QCOMPARE(b.ventana->tabla().ultPunto, 2);
        QCOMPARE(b.ventana->tabla().x[1], 0.2);
        QCOMPARE(b.ventana->tabla().x[2], 1.0);
    }

    // A fresh shared table holds zeros: shown as such, refused until cleared.
    void tablaDeCerosYBorrar()
    {
        Banco b;
        b.tabla = TablaELV{};
        b.abrir();
        for (int k = 0; k < FormXYinput::kFilasVisibles; ++k) {
            QCOMPARE(b.x(k)->text(), QStringLiteral("0"));
            QCOMPARE(b.y(k)->text(), QStringLiteral("0"));
        }
        b.ok();
        QCOMPARE(d.ultimoMensaje(), QStringLiteral("ERROR: Invalid data"));
        QVERIFY(b.ventana->isVisible());
        b.scroll()->setValue(40);
        b.borrar();
        QCOMPARE(b.scroll()->value(), 0);
        for (int k = 0; k < FormXYinput::kFilasVisibles; ++k) QVERIFY(b.x(k)->text().isEmpty());
        b.ok();
        QCOMPARE(b.ventana->resultado(), Resultado::SinTabla);
    }

    // Cancel and the close box hand nothing back.
    void cancelarYCerrar_data()
    {
        QTest::addColumn<bool>("cajaDeCierre");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelarYCerrar()
    {
        QFETCH(bool, cajaDeCierre);
        Banco b;
        b.tabla = tablaCon({{0, 0}, {0.4, 0.6}, {1, 1}});
        const TablaELV antes = b.tabla;
        b.abrir();
        b.escribirFila(1, "0.3", "0.5");
        if (cajaDeCierre)
            b.ventana->close();
        else
            b.cancelar();
        QVERIFY(!b.ventana->isVisible());
        QCOMPARE(b.ventana->resultado(), Resultado::Cancelada);
        QVERIFY(b.tabla == antes);
    }

    // A press shows the caption pressed; only a release on it runs the action.
    void botonesDeImagen()
    {
        Banco b;
        b.abrir();
        BotonImagen* cancelar = b.boton(1);
        QTest::mousePress(cancelar, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(cancelar->pulsado());
        QTest::mouseRelease(cancelar, Qt::LeftButton, {}, QPoint(-20, 10));
        QVERIFY(!cancelar->pulsado());
        QVERIFY(b.ventana->isVisible());
        b.cancelar();
        QVERIFY(!b.ventana->isVisible());
    }

    // Escape must not throw away what was typed.
    void escapeNoCierra()
    {
        Banco b;
        b.abrir();
        QTest::keyClick(b.x(0), Qt::Key_Escape);
        QVERIFY(b.ventana->isVisible());
    }

    // Only a table read from a file can fill all 100 rows; one that would
    // need a 101st row for (0, 0) or (1, 1) is refused and stays editable.
    void cienFilas_data()
    {
        QTest::addColumn<double>("primeraX");
        QTest::addColumn<double>("ultimaX");
        QTest::addColumn<bool>("cabe");
        QTest::addColumn<int>("ultPuntoConSitio");  // after the row numbered 99 is emptied
        QTest::newRow("both ends given") << 0.0 << 1.0 << true << 99;
        QTest::newRow("needs (0, 0)") << 0.005 << 1.0 << false << 99;
        QTest::newRow("needs (1, 1)") << 0.0 << 0.995 << false << 98;
    }
    void cienFilas()
    {
        QFETCH(double, primeraX);
        QFETCH(double, ultimaX);
        QFETCH(bool, cabe);
        Banco b;
        for (std::size_t i = 0; i < kFilasTablaELV; ++i) {
            const double x = primeraX + (ultimaX - primeraX) * static_cast<double>(i) / (kFilasTablaELV - 1);
            b.tabla.x[i] = x;
            b.tabla.y[i] = x;
        }
        b.abrir();
        b.ok();
        if (cabe) {
            QCOMPARE(b.ventana->resultado(), Resultado::Aceptada);
            QCOMPARE(b.ventana->tabla().ultPunto, 99);
            return;
        }
        QCOMPARE(d.ultimoMensaje(), QString::fromUtf8(quillon::tr(mensajes::demasiadosPuntos)));
        QVERIFY(b.ventana->isVisible());
        // Making room by emptying the bottom row lets it through.
        b.scroll()->setValue(87);
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM11")->text(), QStringLiteral("99"));
        b.escribir(b.x(11), "");
        b.ok();
        QCOMPARE(b.ventana->resultado(), Resultado::Aceptada);
        QFETCH(int, ultPuntoConSitio);
        QCOMPARE(b.ventana->tabla().ultPunto, ultPuntoConSitio);
    }

    // Both decimal keys type the separator in use.
    void teclaDecimal_data()
    {
        QTest::addColumn<char>("separador");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("visto");
        QTest::newRow("point with comma separator") << ',' << "0.25" << "0,25";
        QTest::newRow("comma with point separator") << '.' << "0,25" << "0.25";
        QTest::newRow("point with point separator") << '.' << "0.25" << "0.25";
    }
    void teclaDecimal()
    {
        QFETCH(char, separador);
        QFETCH(QString, tecleado);
        QFETCH(QString, visto);
        Banco b;
        b.estado.sepDecimal = separador;
        b.abrir();
        b.escribirFila(0, tecleado, "0.5");
        QCOMPARE(b.x(0)->text(), visto);
        b.ok();
        QCOMPARE(b.ventana->tabla().x[1], 0.25);
    }

    void focoSeleccionaTodo()
    {
        Banco b;
        b.tabla = tablaCon({{0.25, 0.5}, {0.5, 0.75}});
        b.abrir();
        QTest::mouseClick(b.y(1), Qt::LeftButton, {}, QPoint(3, 5));
        QVERIFY(b.y(1)->hasFocus());
        QCOMPARE(b.y(1)->selectedText(), QStringLiteral("0.75"));
        // A second click places the caret.
        QTest::mouseClick(b.y(1), Qt::LeftButton, {}, QPoint(2, 5));
        QVERIFY(!b.y(1)->hasSelectedText());
        QTest::keyClick(b.y(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b.x(2));
        QTest::keyClick(b.x(2), Qt::Key_Backtab);
        QCOMPARE(b.y(1)->selectedText(), QStringLiteral("0.75"));
    }
};

QTEST_MAIN(TstFormXYinput)
#include "tst_form_xyinput.moc"
