// The table editor driven as a user drives it: rows typed and checked by
// Ok, Cancel and Clear, the display, the keys and the wheel.

#include <QApplication>
#include <QKeySequence>
#include <QWheelEvent>

#include "documents/editor_tabla.h"

using namespace quillon;
using namespace quillon::prueba;
using Resultado = FormXYinput::Resultado;

// A key, a click, the wheel ("wheel" and its distance) or the bar's thumb
// dragged ("drag" and where to) over `desde` (a box, the bar or, "", the
// window), with the view at `barra` and the caret at the start, inside, at
// the end or over the whole text ('s', 'i', 'e', 'a'); the box that has the
// focus then ("": not looked at), and the view.
struct Paso {
    const char* desde;
    int barra;
    char caret;
    const char* gesto;
    const char* hasta;
    int barraTras;
};
Q_DECLARE_METATYPE(Paso)

class TstFormXYinput : public QObject {
    Q_OBJECT

private slots:
    // Rows typed from the top into an empty table (or one of zeros, as a
    // fresh shared table is), then what the user presses: the buttons
    // Aceptar (Ok), Cancelar and Borrar (Clear), the close box, Escape, or
    // "fix", the first X typed again as 0.3.
    void editar_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("gestos");
        QTest::addColumn<QString>("resumen");
        const QString invalido = "ERROR: Invalid data / cancelled after Ok";
        const QString rango = "ERROR: Data out of range [0, 1] / cancelled after Ok";
        QTest::newRow("ends added") << "0.1;0.2 0.5;0.7" << "Aceptar" << "accepted 0;0 0.1;0.2 0.5;0.7 1;1";
        QTest::newRow("after X = 1 dropped") << "0;0 0.5;0.7 1;1 0.8;0.9" << "Aceptar" << "accepted 0;0 0.5;0.7 1;1";
        QTest::newRow("fraction, comma key") << "1/4;0,5" << "Aceptar" << "accepted 0;0 0.25;0.5 1;1";
        QTest::newRow("first row empty") << "" << "Aceptar" << "no table";
        QTest::newRow("X not increasing") << "0.2;0.3 0.2;0.4" << "Aceptar Cancelar" << invalido;
        QTest::newRow("above 1") << "0.5;1.5" << "Aceptar Cancelar" << rango;
        QTest::newRow("Y empty") << "0.5;" << "Aceptar Cancelar" << rango;
        QTest::newRow("not a number") << "0.5;1/0" << "Aceptar close" << rango;
        QTest::newRow("only pure components") << "0;0 1;1" << "Aceptar"
                                              << "ERROR: Invalid data: the table needs a point with X between 0 "
                                                 "and 1 / open 0;0 1;1";
        QTest::newRow("refused, then put right") << "0.5;0.4 0.4;0.6" << "Aceptar fix Aceptar"
                                                 << "ERROR: Invalid data / accepted 0;0 0.3;0.4 0.4;0.6 1;1";
        QTest::newRow("Cancel") << "0.3;0.5" << "Cancelar" << "cancelled";
        QTest::newRow("close box") << "0.3;0.5" << "close" << "cancelled";
        QTest::newRow("Escape") << "0.3;0.5" << "Escape" << "open 0.3;0.5";
        QTest::newRow("refused, rows after X = 1 gone") << "0;0.1 1;1 0.8;0.9" << "Aceptar"
                                                        << "ERROR: Invalid data / open 0;0.1 1;1";
        QTest::newRow("zeros, cleared") << "zeros" << "Aceptar Borrar Aceptar" << "ERROR: Invalid data / no table";
    }
    void editar()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, gestos);
        QFETCH(QString, resumen);
        Editor e;
        if (tecleado == "zeros") e.tabla = TablaELV{};
        e.abrir();
        if (tecleado != "zeros") e.escribirFilas(tecleado);
        for (const QString& g : gestos.split(' ')) {
            if (g == "close") e.v->close();
            else if (g == "Escape") QTest::keyClick(e.y(0), Qt::Key_Escape);
            else if (g == "fix") e.escribir(e.x(0), "0.3");
            else e.pulsar("boton" + g);
        }
        QCOMPARE(e.resumen(), resumen);
    }

    // Only a file fills all 100 rows; one that needs a 101st for (0, 0) or
    // (1, 1) is refused.
    void cienFilas_data()
    {
        QTest::addColumn<double>("primeraX");
        QTest::addColumn<double>("ultimaX");
        QTest::newRow("both ends given") << 0.0 << 1.0;
        QTest::newRow("needs (0, 0)") << 0.005 << 1.0;
        QTest::newRow("needs (1, 1)") << 0.0 << 0.995;
    }
    void cienFilas()
    {
        QFETCH(double, primeraX);
        QFETCH(double, ultimaX);
        Editor e;
        for (std::size_t i = 0; i < kFilasTablaELV; ++i)
            e.tabla.x[i] = e.tabla.y[i] = primeraX + (ultimaX - primeraX) * static_cast<double>(i) / 99;
        e.abrir();
        e.pulsar("botonAceptar");
        const bool cabe = primeraX == 0 && ultimaX == 1;
        QCOMPARE(e.dialogos.mensajes.size(), cabe ? 0 : 1);
        QCOMPARE(e.v->resultado() == Resultado::Aceptada && e.v->tabla().ultPunto == 99, cabe);
    }

    // Six significant digits with the separator in use, -1 for a missing Y,
    // nothing for a row not in use. Both decimal keys type the separator.
    void mostrar_data()
    {
        QTest::addColumn<char>("sep");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("visto");
        QTest::newRow("point") << '.' << 1.0 / 3 << 0.123456789 << "0.333333 0.123457";
        QTest::newRow("comma") << ',' << 0.5 << 2.0 / 3 << "0,5 0,666667";
        QTest::newRow("Y missing") << '.' << 0.25 << -1.0 << "0.25 -1";
        QTest::newRow("zero") << '.' << 0.0 << 0.0 << "0 0";
        QTest::newRow("not in use") << '.' << -1.0 << 0.5 << " ";
    }
    void mostrar()
    {
        QFETCH(char, sep);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, visto);
        Editor e;
        e.estado.sepDecimal = sep;
        e.tabla.x[30] = x;
        e.tabla.y[30] = y;
        e.abrir();
        e.barra()->setValue(25);
        QCOMPARE(e.numero(5), QStringLiteral("31"));
        QCOMPARE(e.x(5)->text() + ' ' + e.y(5)->text(), visto);
        // Typed into the row shown, as the view shows it again.
        e.escribir(e.x(5), "0.25");
        e.escribir(e.y(5), "0,5");
        e.barra()->setValue(0);
        e.barra()->setValue(25);
        QCOMPARE(e.x(5)->text() + ' ' + e.y(5)->text(), QString("0_25 0_5").replace('_', QChar(sep)));
    }

    void navegacion_data()
    {
        QTest::addColumn<Paso>("p");
        QTest::newRow("X down") << Paso{"TxtX3", 0, 'a', "Down", "TxtX4", 0};
        QTest::newRow("X down, bottom") << Paso{"TxtX11", 0, 'a', "Down", "TxtX11", 1};
        QTest::newRow("X down, last view") << Paso{"TxtX11", 87, 'a', "Down", "TxtX11", 87};
        QTest::newRow("X up, top") << Paso{"TxtX0", 5, 'a', "Up", "TxtX0", 4};
        QTest::newRow("X up") << Paso{"TxtX3", 5, 'a', "Up", "TxtX2", 5};
        QTest::newRow("X left at start") << Paso{"TxtX3", 0, 's', "Left", "TxtY2", 0};
        QTest::newRow("X left inside") << Paso{"TxtX3", 0, 'i', "Left", "TxtX3", 0};
        QTest::newRow("X left, top, anywhere") << Paso{"TxtX0", 5, 'i', "Left", "TxtY0", 4};
        QTest::newRow("X right, all selected") << Paso{"TxtX3", 0, 'a', "Right", "TxtY3", 0};
        QTest::newRow("X right inside") << Paso{"TxtX3", 0, 'i', "Right", "TxtX3", 0};
        QTest::newRow("X enter") << Paso{"TxtX11", 0, 'i', "Return", "TxtY11", 0};
        QTest::newRow("Y down") << Paso{"TxtY3", 0, 'a', "Down", "TxtY4", 0};
        QTest::newRow("Y up") << Paso{"TxtY5", 3, 'a', "Up", "TxtY4", 3};
        QTest::newRow("Y left at start") << Paso{"TxtY0", 5, 's', "Left", "TxtX0", 5};
        QTest::newRow("Y left inside") << Paso{"TxtY5", 0, 'i', "Left", "TxtY5", 0};
        QTest::newRow("Y right inside") << Paso{"TxtY5", 0, 'i', "Right", "TxtY5", 0};
        QTest::newRow("Y right at end") << Paso{"TxtY5", 0, 'e', "Right", "TxtX6", 0};
        QTest::newRow("Y right, bottom") << Paso{"TxtY11", 0, 'e', "Right", "TxtX11", 1};
        QTest::newRow("Y enter") << Paso{"TxtY5", 0, 'i', "Return", "TxtX6", 0};
        QTest::newRow("Y keypad enter, bottom") << Paso{"TxtY11", 2, 'i', "Num+Enter", "TxtX11", 3};
        QTest::newRow("a click in the box") << Paso{"TxtY4", 0, 'a', "click", "TxtY4", 0};
        // One row per wheel message whatever its distance; the bar alone
        // would move three.
        QTest::newRow("wheel away from the user") << Paso{"TxtX3", 10, 'a', "wheel 120", "", 9};
        QTest::newRow("wheel, three notches") << Paso{"TxtY7", 10, 'a', "wheel -360", "", 11};
        QTest::newRow("wheel, a touchpad's step") << Paso{"TxtX7", 10, 'a', "wheel 15", "", 9};
        QTest::newRow("wheel on the bar") << Paso{"barraFilas", 10, 'a', "wheel -120", "", 11};
        QTest::newRow("wheel on the window") << Paso{"", 10, 'a', "wheel 120", "", 9};
        QTest::newRow("thumb dragged") << Paso{"barraFilas", 0, 'a', "drag 30", "", 30};
    }
    void navegacion()
    {
        QFETCH(Paso, p);
        Editor e;
        for (std::size_t i = 0; i < kFilasTablaELV; ++i) e.tabla.x[i] = e.tabla.y[i] = (i + 1.0) / 128;
        e.abrir();
        e.barra()->setValue(p.barra);
        QWidget* desde = *p.desde ? e.hijo(p.desde) : e.v.get();
        auto* caja = qobject_cast<QLineEdit*>(desde);
        if (caja) {
            caja->setFocus();
            caja->setCursorPosition(p.caret == 's' ? 0 : p.caret == 'i' ? 2 : int(caja->text().size()));
            if (p.caret == 'a') caja->selectAll();
        }
        const QString gesto = p.gesto;
        if (gesto == "click") {
            QTest::mouseClick(desde, Qt::LeftButton, {}, QPoint(3, 5));
        } else if (gesto.startsWith("drag")) {
            e.barra()->setSliderDown(true);
            e.barra()->setSliderPosition(gesto.mid(5).toInt());
        } else if (gesto.startsWith("wheel")) {
            const QPointF c = QRectF(desde->rect()).center();
            QWheelEvent w(c, desde->mapToGlobal(c), {}, {0, gesto.mid(6).toInt()}, {}, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(desde, &w);
        } else {
            const QKeyCombination tecla = QKeySequence(gesto)[0];
            QTest::keyClick(desde, tecla.key(), tecla.keyboardModifiers());
        }
        QCOMPARE(e.numero(0), QString::number(p.barraTras + 1));
        if (!*p.hasta) return;
        auto* hasta = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(hasta->objectName(), QString(p.hasta));
        // Moved or scrolled, the box is ready to type over; otherwise Left
        // and Right move the caret, and a click places it.
        if (hasta != caja || p.barra != p.barraTras) QCOMPARE(hasta->selectedText(), hasta->text());
        else if (p.caret == 'i' && gesto == "Left") QCOMPARE(caja->cursorPosition(), 1);
        else if (gesto == "click") QCOMPARE(caja->selectedText(), QString());
    }
};

QTEST_MAIN(TstFormXYinput)
#include "tst_form_xyinput.moc"
