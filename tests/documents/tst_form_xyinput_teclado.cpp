// The table editor's keyboard navigation and mouse wheel, through key
// presses and wheel events on its widgets.

#include <QLabel>
#include <QWheelEvent>

#include "documents/tst_form_xyinput_apoyo.h"

using namespace quillon;
using namespace quillon::prueba;

class TstFormXYinputTeclado : public QObject {
    Q_OBJECT
    ConDialogos dialogos;

    // Every row in use, so that every box holds text to place a caret in.
    static TablaELV tablaLlena()
    {
        TablaELV t;
        for (std::size_t i = 0; i < kFilasTablaELV; ++i) {
            t.x[i] = static_cast<double>(i + 1) / 128;
            t.y[i] = static_cast<double>(i + 1) / 101;
        }
        return t;
    }

    static void enviarRueda(QWidget* w, int delta)
    {
        const QPointF centro = QRectF(w->rect()).center();
        QWheelEvent e(centro, w->mapToGlobal(centro), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void initTestCase() { fijarLocale(); }

    // Box where the key is pressed ("X" or "Y"), its visible row, the scroll
    // value, where the caret stands, the key; where the focus ends up and the
    // scroll value after it.
    void navegacion_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QString>("caret");  // inicio, medio, final, todo
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<int>("scrollTras");
        auto fila = [](const char* nombre, const char* caja, int k, int scroll, const char* caret, int tecla,
                       const char* destino, int scrollTras) {
            QTest::newRow(nombre) << caja << k << scroll << caret << tecla << destino << scrollTras;
        };
        fila("X down", "X", 3, 0, "todo", Qt::Key_Down, "TxtX4", 0);
        fila("X down at bottom scrolls", "X", 11, 0, "todo", Qt::Key_Down, "TxtX11", 1);
        fila("X down at bottom, last view", "X", 11, 87, "todo", Qt::Key_Down, "TxtX11", 87);
        fila("X up", "X", 3, 5, "todo", Qt::Key_Up, "TxtX2", 5);
        fila("X up at top scrolls", "X", 0, 5, "todo", Qt::Key_Up, "TxtX0", 4);
        fila("X up at top, first view", "X", 0, 0, "todo", Qt::Key_Up, "TxtX0", 0);
        fila("X left at start", "X", 3, 0, "inicio", Qt::Key_Left, "TxTY2", 0);
        fila("X left, all selected", "X", 3, 0, "todo", Qt::Key_Left, "TxTY2", 0);
        fila("X left inside the text", "X", 3, 0, "medio", Qt::Key_Left, "TxtX3", 0);
        fila("X left at top scrolls anywhere", "X", 0, 5, "medio", Qt::Key_Left, "TxTY0", 4);
        fila("X left at top, first view", "X", 0, 0, "inicio", Qt::Key_Left, "TxtX0", 0);
        fila("X right at end", "X", 3, 0, "final", Qt::Key_Right, "TxTY3", 0);
        fila("X right, all selected", "X", 3, 0, "todo", Qt::Key_Right, "TxTY3", 0);
        fila("X right inside the text", "X", 3, 0, "medio", Qt::Key_Right, "TxtX3", 0);
        fila("X enter", "X", 3, 0, "medio", Qt::Key_Return, "TxTY3", 0);
        fila("X keypad enter", "X", 11, 0, "medio", Qt::Key_Enter, "TxTY11", 0);
        fila("Y down", "Y", 3, 0, "todo", Qt::Key_Down, "TxTY4", 0);
        fila("Y down at bottom scrolls", "Y", 11, 10, "todo", Qt::Key_Down, "TxTY11", 11);
        fila("Y down at bottom, last view", "Y", 11, 87, "todo", Qt::Key_Down, "TxTY11", 87);
        fila("Y up", "Y", 5, 0, "todo", Qt::Key_Up, "TxTY4", 0);
        fila("Y up at top scrolls", "Y", 0, 3, "todo", Qt::Key_Up, "TxTY0", 2);
        fila("Y left at start", "Y", 5, 0, "inicio", Qt::Key_Left, "TxtX5", 0);
        fila("Y left inside the text", "Y", 5, 0, "medio", Qt::Key_Left, "TxTY5", 0);
        fila("Y left at top keeps the view", "Y", 0, 5, "inicio", Qt::Key_Left, "TxtX0", 5);
        fila("Y right at end", "Y", 5, 0, "final", Qt::Key_Right, "TxtX6", 0);
        fila("Y right inside the text", "Y", 5, 0, "medio", Qt::Key_Right, "TxTY5", 0);
        fila("Y right at bottom scrolls", "Y", 11, 0, "final", Qt::Key_Right, "TxtX11", 1);
        fila("Y right at bottom, last view", "Y", 11, 87, "final", Qt::Key_Right, "TxTY11", 87);
        fila("Y enter", "Y", 5, 0, "medio", Qt::Key_Return, "TxtX6", 0);
        fila("Y enter at bottom scrolls", "Y", 11, 2, "inicio", Qt::Key_Return, "TxtX11", 3);
        fila("Y enter at bottom, last view", "Y", 11, 87, "inicio", Qt::Key_Return, "TxTY11", 87);
    }
    void navegacion()
    {
        QFETCH(QString, caja);
        QFETCH(int, fila);
        QFETCH(int, scroll);
        QFETCH(QString, caret);
        QFETCH(int, tecla);
        QFETCH(QString, destino);
        QFETCH(int, scrollTras);
        Banco b;
        b.tabla = tablaLlena();
        b.abrir();
        b.scroll()->setValue(scroll);
        QLineEdit* origen = caja == "X" ? b.x(fila) : b.y(fila);
        origen->setFocus();
        QVERIFY(origen->hasFocus());
        if (caret == "inicio") origen->setCursorPosition(0);
        if (caret == "medio") origen->setCursorPosition(2);
        if (caret == "final") origen->setCursorPosition(static_cast<int>(origen->text().size()));
        if (caret == "todo") origen->selectAll();
        QTest::keyClick(origen, static_cast<Qt::Key>(tecla),
                        tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), destino);
        QCOMPARE(b.scroll()->value(), scrollTras);
        auto* llegada = static_cast<QLineEdit*>(QApplication::focusWidget());
        if (llegada != origen || scroll != scrollTras)
            QCOMPARE(llegada->selectedText(), llegada->text());  // ready to type over
        else if (caret == "medio")
            QCOMPARE(origen->cursorPosition(), tecla == Qt::Key_Left ? 1 : 3);  // the caret moved instead
    }

    // Down held in the bottom box walks the view to rows 88..99 and stops;
    // what is typed there lands in the row the label shows.
    void bajarHastaElFinal()
    {
        Banco b;
        b.tabla = tablaLlena();
        b.abrir();
        b.x(11)->setFocus();
        for (int i = 0; i < 100; ++i) QTest::keyClick(b.x(11), Qt::Key_Down);
        QCOMPARE(b.scroll()->value(), 87);
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM0")->text(), QStringLiteral("88"));
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM11")->text(), QStringLiteral("99"));
        QVERIFY(b.x(11)->hasFocus());
        QCOMPARE(b.x(11)->text(), QStringLiteral("0.773438"));  // 99/128 to six digits
        QTest::keyClicks(b.x(11), "0.5");
        b.scroll()->setValue(0);
        QCOMPARE(b.x(11)->text(), QStringLiteral("0.09375"));  // 12/128: row 12 untouched
        b.scroll()->setValue(87);
        QCOMPARE(b.x(11)->text(), QStringLiteral("0.5"));
    }

    // One row per wheel message whatever its distance, over any part of the
    // window, the scroll bar included.
    void rueda_data()
    {
        QTest::addColumn<QString>("sobre");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("final");
        QTest::newRow("away from the user") << "TxtX3" << 10 << 120 << 9;
        QTest::newRow("towards the user") << "TxtX3" << 10 << -120 << 11;
        QTest::newRow("three notches at once") << "TxTY7" << 10 << -360 << 11;
        QTest::newRow("a touchpad's small step") << "TxTY7" << 10 << 15 << 9;
        QTest::newRow("on a row label") << "LblNUM4" << 10 << -120 << 11;
        QTest::newRow("on the scroll bar") << "VScroll1" << 10 << -120 << 11;
        QTest::newRow("on a button") << "LabelB2" << 10 << 120 << 9;
        QTest::newRow("on the window") << "FormXYinput" << 10 << -120 << 11;
        QTest::newRow("stops at the top") << "TxtX0" << 0 << 120 << 0;
        QTest::newRow("stops at the bottom") << "VScroll1" << 87 << -120 << 87;
    }
    void rueda()
    {
        QFETCH(QString, sobre);
        QFETCH(int, inicio);
        QFETCH(int, delta);
        QFETCH(int, final);
        Banco b;
        b.tabla = tablaLlena();
        b.abrir();
        b.scroll()->setValue(inicio);
        QWidget* destino = sobre == "FormXYinput" ? b.ventana.get() : b.ventana->findChild<QWidget*>(sobre);
        QVERIFY(destino);
        enviarRueda(destino, delta);
        QCOMPARE(b.scroll()->value(), final);
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM0")->text(), QString::number(final + 1));
    }

    // Dragging the thumb refreshes the rows as it goes.
    void arrastrarElCursorRefresca()
    {
        Banco b;
        b.tabla = tablaLlena();
        b.abrir();
        QScrollBar* s = b.scroll();
        s->setSliderDown(true);
        s->setSliderPosition(30);
        QCOMPARE(b.ventana->findChild<QLabel*>("LblNUM0")->text(), QStringLiteral("31"));
        QCOMPARE(b.x(0)->text(), QStringLiteral("0.242188"));  // 31/128 to six digits
        s->setSliderDown(false);
    }
};

QTEST_MAIN(TstFormXYinputTeclado)
#include "tst_form_xyinput_teclado.moc"
