// Dragging a slider cursor along its line with the pointer's screen position.
#include <QCursor>
#include <QSignalSpy>
#include <QtTest>

#include "graphs/cursor_deslizante.h"
#include "graphs/entorno_graficos.h"

using namespace quillon;
using namespace quillon::prueba;

class TstCursorDeslizante : public QObject {
    Q_OBJECT
private slots:
    void arrastrar();
    void lineaPorDefecto();
};

void TstCursorDeslizante::arrastrar()
{
    EntornoGraficos entorno;
    QWidget panel;
    panel.resize(290, 110);
    CursorDeslizante cursor(entorno.estado, &panel);
    cursor.fijarLinea(10, 280);
    cursor.move(0, 88);
    cursor.colocarEnValor(posicionCursorAlfa(1.01));
    QCOMPARE(cursor.x(), 10 - 5);  // 11 wide: centred on X1, rounded
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy arrastres(&cursor, &CursorDeslizante::arrastrado);

    // The pointer grabs the cursor 3 pixels right of its left edge.
    const QPoint agarre(3, 7);
    QCursor::setPos(cursor.mapToGlobal(agarre));
    QTest::mousePress(&cursor, Qt::LeftButton, {}, agarre);
    QVERIFY(entorno.estado.arrastrandoCursor);
    QCursor::setPos(cursor.mapToGlobal(agarre) + QPoint(135, 0));
    QTest::mouseMove(&cursor, agarre + QPoint(135, 0));
    QCOMPARE(cursor.x(), 5 + 135);
    QCOMPARE(arrastres.count(), 1);
    const double P = arrastres.at(0).at(0).toDouble();
    QCOMPARE(P, (140 - 10 + 5.5) / 270 * 100);
    QCOMPARE(alfaDePorcentaje(P), 10.54);
    // Far to the right it stops with its centre on X2.
    QCursor::setPos(panel.mapToGlobal(QPoint(600, 90)));
    QTest::mouseMove(&cursor, cursor.mapFromGlobal(QCursor::pos()));
    QCOMPARE(cursor.x(), 280 - 5);  // 274.5 rounded to the nearest pixel
    QCOMPARE(arrastres.last().at(0).toDouble(), 100.0);
    QTest::mouseRelease(&cursor, Qt::LeftButton, {}, cursor.mapFromGlobal(QCursor::pos()));
    QVERIFY(!entorno.estado.arrastrandoCursor);
    // Without a press the cursor does not follow the pointer.
    QCursor::setPos(panel.mapToGlobal(QPoint(50, 90)));
    QTest::mouseMove(&cursor, cursor.mapFromGlobal(QCursor::pos()));
    QCOMPARE(arrastres.count(), 2);
}

void TstCursorDeslizante::lineaPorDefecto()
{
    EntornoGraficos entorno;
    QWidget panel;
    panel.resize(290, 110);
    CursorDeslizante cursor(entorno.estado, &panel);
    QCOMPARE(cursor.x1(), 10.0);
    QCOMPARE(cursor.x2(), 280.0);
    cursor.colocarEnValor(posicionCursorX0(0.5));
    QCOMPARE(cursor.x(), 145 - 5);
}

QTEST_MAIN(TstCursorDeslizante)
#include "tst_cursor_deslizante.moc"
