// The table editor driven as a user drives it: rows typed and checked by
// Ok, Cancel and Clear, the display, the keys and the wheel; Open... and
// Save as..., with the file dialogs answered by the test and real files in
// a temporary folder.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "documents/editor_tabla.h"
#include "platform/archivos.h"

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
// Row 31 as kept (separator, X, Y) and as the boxes show it.
struct Fila { char sep; double x, y; QString visto; };
// Rows "x;y" typed from the top, the gestures that follow and what the
// user has seen and got then (Editor::resumen).
struct Edicion { QString tecleado, gestos, resumen; };
// The name typed in Save as ("" cancels), the file then written or kept,
// and the message (%1: its path).
struct Guardado { QString tecleado, archivo, mensaje; };
Q_DECLARE_METATYPE(Paso)
Q_DECLARE_METATYPE(Edicion)
Q_DECLARE_METATYPE(Guardado)
Q_DECLARE_METATYPE(Fila)

class TstFormXYinput : public QObject {
    Q_OBJECT
    QTemporaryDir carpeta;

private slots:
    // Rows typed from the top into an empty table (or one of zeros, as a
    // fresh shared table is), then what the user presses: the buttons
    // Aceptar (Ok), Cancelar and Borrar (Clear), the close box, Escape, or
    // "fix", the first X typed again as 0.3.
    void editar_data()
    {
        QTest::addColumn<Edicion>("p");
        const QString rango = "ERROR: Data out of range [0, 1] / cancelled after Ok";
        QTest::newRow("after X = 1 dropped") << Edicion{"0;0 0.5;0.7 1;1 0.8;0.9", "Aceptar", "accepted 0;0 0.5;0.7 1;1"};
        QTest::newRow("fraction, comma key") << Edicion{"1/4;0,5", "Aceptar", "accepted 0;0 0.25;0.5 1;1"};
        QTest::newRow("first row empty") << Edicion{"", "Aceptar", "no table"};
        QTest::newRow("Y empty") << Edicion{"0.5;", "Aceptar Cancelar", rango};
        QTest::newRow("not a number") << Edicion{"0.5;1/0", "Aceptar close", rango};
        QTest::newRow("only pure components")
            << Edicion{"0;0 1;1", "Aceptar", "ERROR: Invalid data: the table needs a point with X between 0 and 1 / open 0;0 1;1"};
        QTest::newRow("refused, then put right")
            << Edicion{"0.5;0.4 0.4;0.6", "Aceptar fix Aceptar", "ERROR: Invalid data / accepted 0;0 0.3;0.4 0.4;0.6 1;1"};
        QTest::newRow("Cancel") << Edicion{"0.3;0.5", "Cancelar", "cancelled"};
        QTest::newRow("Escape") << Edicion{"0.3;0.5", "Escape", "open 0.3;0.5"};
        QTest::newRow("refused, rows after X = 1 gone")
            << Edicion{"0;0.1 1;1 0.8;0.9", "Aceptar", "ERROR: Invalid data / open 0;0.1 1;1"};
        QTest::newRow("zeros, cleared") << Edicion{"zeros", "Aceptar Borrar Aceptar", "ERROR: Invalid data / no table"};
    }
    void editar()
    {
        QFETCH(Edicion, p);
        Editor e;
        if (p.tecleado == "zeros") e.tabla = TablaELV{};
        e.abrir();
        if (p.tecleado != "zeros") e.escribirFilas(p.tecleado);
        for (const QString& g : p.gestos.split(' ')) {
            if (g == "close") e.v->close();
            else if (g == "Escape") QTest::keyClick(e.y(0), Qt::Key_Escape);
            else if (g == "fix") e.escribir(e.x(0), "0.3");
            else e.pulsar("boton" + g);
        }
        QCOMPARE(e.resumen(), p.resumen);
    }

    // Only a file fills all 100 rows; one that needs a 101st for (1, 1) is
    // refused.
    void cienFilas_data()
    {
        QTest::addColumn<double>("ultimaX");  // the first is 0
        QTest::newRow("both ends given") << 1.0;
        QTest::newRow("needs (1, 1)") << 0.995;
    }
    void cienFilas()
    {
        QFETCH(double, ultimaX);
        Editor e;
        for (std::size_t i = 0; i < kFilasTablaELV; ++i)
            e.tabla.x[i] = e.tabla.y[i] = ultimaX * static_cast<double>(i) / 99;
        e.abrir();
        e.pulsar("botonAceptar");
        const bool cabe = ultimaX == 1;
        QCOMPARE(e.dialogos.mensajes.size(), cabe ? 0 : 1);
        QCOMPARE(e.v->resultado() == Resultado::Aceptada && e.v->tabla().ultPunto == 99, cabe);
    }

    // Six significant digits with the separator in use, -1 for a missing Y,
    // nothing for a row not in use. Both decimal keys type the separator.
    void mostrar_data()
    {
        QTest::addColumn<Fila>("f");
        QTest::newRow("point") << Fila{'.', 1.0 / 3, 0.123456789, "0.333333 0.123457"};
        QTest::newRow("comma") << Fila{',', 0.5, 2.0 / 3, "0,5 0,666667"};
        QTest::newRow("Y missing") << Fila{'.', 0.25, -1.0, "0.25 -1"};
        QTest::newRow("zero") << Fila{'.', 0.0, 0.0, "0 0"};
        QTest::newRow("not in use") << Fila{'.', -1.0, 0.5, " "};
    }
    void mostrar()
    {
        QFETCH(Fila, f);
        Editor e;
        e.estado.sepDecimal = f.sep;
        e.tabla.x[30] = f.x;
        e.tabla.y[30] = f.y;
        e.abrir();
        e.barra()->setValue(25);
        QCOMPARE(e.numero(5), QStringLiteral("31"));
        QCOMPARE(e.x(5)->text() + ' ' + e.y(5)->text(), f.visto);
        // Typed into the row shown, as the view shows it again.
        e.escribir(e.x(5), "0.25");
        e.escribir(e.y(5), "0,5");
        e.barra()->setValue(0);
        e.barra()->setValue(25);
        QCOMPARE(e.x(5)->text() + ' ' + e.y(5)->text(), QString("0_25 0_5").replace('_', QChar(f.sep)));
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

    // What a file gives: names, molar masses and rows, of a table or a
    // distillation file (nothing else of it), shown from the top; a missing
    // tag keeps the old text; without the block the names still count and
    // the rows stay. Cancelled or unreadable, nothing changes. %1: the path.
    void abrir_data()
    {
        QTest::addColumn<QByteArray>("contenido");  // empty: no such file
        QTest::addColumn<QString>("resumen");       // after Open and Ok
        QTest::newRow("distillation file")
            << QByteArray("<A=ethanol>\r\n<B=water>\r\n<MMA=46.07>\r\n<MMB=18.015>\r\n<ALPHA=2.5>\r\n<X0=0.3>\r\n"
                          "<VLE=TABLE>\r\n[[\r\n0,2  0,5\r\n0.6  0.75\r\n]]\r\n")
            << "accepted 0;0 0.2;0.5 0.6;0.75 1;1 with ethanol water 46.07 18.015";
        QTest::newRow("no block") << QByteArray("<A=acetone>\r\n<MMA=58.08>\r\n0.1  0.2\r\n")
                                  << "ERROR: Invalid format:\r\n%1 / accepted 0;0 0.3;0.4 1;1 with acetone toluene 58.08 92.14";
        QTest::newRow("no such file") << QByteArray()
                                      << "ERROR: Unable to open the file:\r\n%1\r\nError : 2 - No such file or "
                                         "directory / accepted 0;0 0.3;0.4 1;1";
        QTest::newRow("cancelled") << QByteArray() << "accepted 0;0 0.3;0.4 1;1";
    }
    void abrir()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, resumen);
        const QString ruta = carpeta.filePath(QTest::currentDataTag());
        const bool elegido = QTest::currentDataTag() != QLatin1String("cancelled");
        if (!contenido.isEmpty()) QVERIFY(!plataforma::escribirArchivo(ruta, contenido.toStdString()));
        Editor e;
        e.pathTabla = QStringLiteral("/elsewhere");
        e.tabla.x[0] = 0.3;
        e.tabla.y[0] = 0.4;
        e.abrir();
        e.barra()->setValue(20);
        if (elegido) e.dialogos.rutasAbrir << ruta;
        e.pulsar("botonAbrir");
        QCOMPARE(e.dialogos.peticiones[0].carpeta, QStringLiteral("/elsewhere"));
        QVERIFY(e.dialogos.peticiones[0].filtro.contains("*.bdf"));
        QCOMPARE(e.pathTabla, elegido ? carpeta.path() : QStringLiteral("/elsewhere"));
        QCOMPARE(e.barra()->value(), contenido.contains("]]") ? 0 : 20);
        e.pulsar("botonAceptar");
        QCOMPARE(e.resumen(), resumen.replace("%1", QDir::toNativeSeparators(ruta)));
    }

    // The names and the rows as they stand go out byte for byte, empty rows
    // included, under the name typed (".vle" added when it has none) and
    // over an old file. (A full disk is the document save's test: every save
    // is the same checked write.)
    void guardar_data()
    {
        QTest::addColumn<Guardado>("g");
        QTest::newRow("without extension") << Guardado{"b", "b.vle", ""};
        QTest::newRow("a dot that is no extension") << Guardado{"mix 1.5", "mix 1.5.vle", ""};
        QTest::newRow("over an old file") << Guardado{"old.vle", "old.vle", ""};
        QTest::newRow("cancelled") << Guardado{"", "old.vle", ""};
        const QString sistema = "\r\n%1\r\nError : ";
        QTest::newRow("no such folder")
            << Guardado{"no/t.vle", "no/t.vle", "ERROR: Unable to save the file:" + sistema + "2 - No such file or directory"};
    }
    void guardar()
    {
        QFETCH(Guardado, g);
        QString mensaje = g.mensaje;
        QTemporaryDir temporal;
        const auto en = [&](const QString& nombre) { return temporal.filePath(nombre); };
        QVERIFY(!plataforma::escribirArchivo(en("old.vle"), "old"));
        Editor e;
        e.datos.nombreA = QStringLiteral("éter");
        e.abrir();
        e.escribirFilas("0.1;0.25 0.4;0.6 0.7;");
        if (!g.tecleado.isEmpty()) e.dialogos.rutasGuardar << en(g.tecleado);
        e.pulsar("botonGuardarComo");
        // A table editor never opened before starts where the main window does.
        QCOMPARE(e.dialogos.peticiones[0].carpeta, plataforma::carpetaInicial(QString()));
        QCOMPARE(e.pathTabla, g.tecleado.isEmpty() ? QString() : QFileInfo(en(g.archivo)).path());
        // The rows stay as they stand.
        const QString filas = "open 0.1;0.25 0.4;0.6 0.7;";
        mensaje.replace("%1", QDir::toNativeSeparators(en(g.archivo)));
        QCOMPARE(e.resumen(), mensaje.isEmpty() ? filas : mensaje + " / " + filas);
        QByteArray esperado = "<A=\xe9ter>\r\n<B=toluene>\r\n<MMA=78.11>\r\n<MMB=92.14>\r\n[[\r\n"
                              "0.1  0.25\r\n0.4  0.6\r\n0.7  -1\r\n";
        for (int i = 0; i < 97; ++i) esperado += "-1  -1\r\n";
        const bool guardado = !g.tecleado.isEmpty() && mensaje.isEmpty();
        QCOMPARE(plataforma::leerArchivo(en(guardado ? g.archivo : "old.vle")).bytes,
                 guardado ? esperado + "]]\r\n" : QByteArray("old"));
    }
};

QTEST_MAIN(TstFormXYinput)
#include "tst_form_xyinput.moc"
