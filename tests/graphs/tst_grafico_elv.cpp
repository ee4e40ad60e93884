// The equilibrium diagram as the user meets it: drawing, mouse read-out,
// hit test of the curve, dragging it, double click in table mode, copy.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "graphs/entorno_graficos.h"
#include "graphs/grafico_elv.h"
#include "graphs/pintar_elv.h"

using namespace quillon;
using namespace quillon::prueba;

class TstGraficoELV : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dibujo_data();
    void dibujo();
    void lecturaDelRaton_data();
    void lecturaDelRaton();
    void sobreLaCurva();
    void arrastrarLaCurva();
    void cursorDeslizanteArrastrado();
    void modoTabla();
    void copiar();

private:
    void mover(QPoint p) { QTest::mouseMove(grafico_, p); }

    EntornoGraficos* entorno_ = nullptr;
    GraficoELV* grafico_ = nullptr;
};

void TstGraficoELV::init()
{
    QLocale::setDefault(QLocale::c());
    entorno_ = new EntornoGraficos;
    grafico_ = new GraficoELV(entorno_->estado);
    grafico_->resize(450, 450);
    grafico_->show();
    QVERIFY(QTest::qWaitForWindowExposed(grafico_));
    // FormMain writes the dragged alpha into TxtAlfa, whose change redraws.
    connect(grafico_, &GraficoELV::alfaArrastrada, grafico_, [this](const QString& t) {
        entorno_->alfa = t;
        grafico_->Dibujar_VLE();
    });
    grafico_->Dibujar_VLE();
    // A move to where the pointer already is gives no event: start elsewhere.
    mover(QPoint(3, 3));
}

void TstGraficoELV::cleanup()
{
    delete grafico_;
    delete entorno_;
}

void TstGraficoELV::dibujo_data()
{
    QTest::addColumn<QString>("alfa");
    QTest::addColumn<bool>("conCurva");
    QTest::newRow("alpha 2.5") << "2.5" << true;
    QTest::newRow("alpha 100 is drawn") << "100" << true;
    QTest::newRow("alpha 1 is refused") << "1" << false;
    QTest::newRow("alpha 100.5 is refused") << "100.5" << false;
    QTest::newRow("unreadable alpha") << "abc" << false;
}

void TstGraficoELV::dibujo()
{
    QFETCH(QString, alfa);
    QFETCH(bool, conCurva);
    entorno_->mensaje = QStringLiteral("old message");
    entorno_->alfa = alfa;
    grafico_->Dibujar_VLE();
    const QImage im = grafico_->grab().toImage();
    guardarCaptura(im, QStringLiteral("vle_") + QString(QTest::currentDataTag()).replace(' ', '_'));
    QCOMPARE(entorno_->mensaje,
             conCurva ? QString() : QStringLiteral("ERROR: Relative volatility is out of range"));
    QCOMPARE(pixelesDeColor(im, kColorCurvaELV, 20) > 300, conCurva);
    // Grid, frame and diagonal are there in any case.
    QVERIFY(pixelesDeColor(im, kColorRejillaELV, 5) > 2000);
    QCOMPARE(QColor(im.pixelColor(25, 200)), QColor(Qt::black));
    QCOMPARE(QColor(im.pixelColor(200, 425)), QColor(Qt::black));
    // The vertical title's area holds text only with the curve.
    const QImage titulo = im.copy(39, 31, 150, 12);
    QCOMPARE(pixelesDeColor(titulo, Qt::black, 90) > 20, conCurva);
}

void TstGraficoELV::lecturaDelRaton_data()
{
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<QString>("lectura");
    QTest::newRow("centre") << QPoint(225, 225) << "x = 0.5   y = 0.5";
    QTest::newRow("quarter") << QPoint(125, 325) << "x = 0.25   y = 0.25";
    QTest::newRow("left frame") << QPoint(25, 225) << QString();
    QTest::newRow("top frame") << QPoint(225, 25) << QString();
    QTest::newRow("margin") << QPoint(5, 5) << QString();
}

void TstGraficoELV::lecturaDelRaton()
{
    QFETCH(QPoint, punto);
    QFETCH(QString, lectura);
    mover(QPoint(200, 200));
    mover(punto);
    QCOMPARE(grafico_->LblCOOR_VLE->isVisible(), !lectura.isEmpty());
    if (!lectura.isEmpty()) QCOMPARE(grafico_->LblCOOR_VLE->text(), lectura);
    QCOMPARE(grafico_->cursor().shape(), Qt::ArrowCursor);
}

void TstGraficoELV::sobreLaCurva()
{
    // alpha 3: the curve passes (0.5, 0.75), row 125; 5 pixels count as on it.
    entorno_->alfa = QStringLiteral("3");
    grafico_->Dibujar_VLE();
    mover(QPoint(225, 130));
    QCOMPARE(grafico_->cursor().shape(), Qt::SizeVerCursor);
    QCOMPARE(grafico_->toolTip(), QStringLiteral("VLE (Vapor-Liquid equilibrium) curve"));
    QCOMPARE(grafico_->LblCOOR_VLE->text(), QStringLiteral("VLE curve: x = 0.5   y = 0.75"));
    guardarCaptura(grafico_->grab().toImage(), QStringLiteral("vle_lectura"));
    mover(QPoint(225, 132));
    QCOMPARE(grafico_->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(grafico_->toolTip(), QString());
    QCOMPARE(grafico_->LblCOOR_VLE->text(), QStringLiteral("x = 0.5   y = 0.7325"));
}

void TstGraficoELV::arrastrarLaCurva()
{
    entorno_->alfa = QStringLiteral("2");
    grafico_->Dibujar_VLE();
    // Off the curve a press drags nothing.
    QTest::mousePress(grafico_, Qt::LeftButton, {}, QPoint(225, 300));
    mover(QPoint(225, 125));
    QCOMPARE(entorno_->alfa, QStringLiteral("2"));
    QTest::mouseRelease(grafico_, Qt::LeftButton, {}, QPoint(225, 125));

    // On it (x = 0.5, y = 2/3, row 158): the curve follows the pointer.
    QSignalSpy arrastres(grafico_, &GraficoELV::alfaArrastrada);
    QTest::mousePress(grafico_, Qt::LeftButton, {}, QPoint(225, 158));
    QVERIFY(grafico_->arrastrandoCurva());
    mover(QPoint(225, 125));
    QCOMPARE(entorno_->alfa, QStringLiteral("3"));
    QVERIFY(pixelesDeColor(grafico_->grab().toImage().copy(220, 120, 10, 10), kColorCurvaELV, 30) > 5);
    mover(QPoint(300, 300));  // below the diagonal
    QCOMPARE(entorno_->alfa, QStringLiteral("1.01"));
    mover(QPoint(5, 5));  // outside: no change
    QCOMPARE(entorno_->alfa, QStringLiteral("1.01"));
    QCOMPARE(grafico_->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(arrastres.count(), 2);
    QTest::mouseRelease(grafico_, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!grafico_->arrastrandoCurva());
    mover(QPoint(225, 125));
    QCOMPARE(entorno_->alfa, QStringLiteral("1.01"));
}

void TstGraficoELV::cursorDeslizanteArrastrado()
{
    // While a slider cursor is dragged the diagram only updates its read-out.
    entorno_->alfa = QStringLiteral("3");
    grafico_->Dibujar_VLE();
    entorno_->estado.arrastrandoCursor = true;
    mover(QPoint(225, 125));
    QCOMPARE(grafico_->LblCOOR_VLE->text(), QStringLiteral("x = 0.5   y = 0.75"));
    QCOMPARE(grafico_->cursor().shape(), Qt::ArrowCursor);
}

void TstGraficoELV::modoTabla()
{
    entorno_->estado.modoTablaElv = true;
    entorno_->estado.superTabla.fill(3);
    entorno_->alfa = QStringLiteral("nothing");  // not read in table mode
    grafico_->Dibujar_VLE();
    QCOMPARE(entorno_->mensaje, QString());
    QSignalSpy editar(grafico_, &GraficoELV::editarTabla);
    QSignalSpy arrastres(grafico_, &GraficoELV::alfaArrastrada);

    mover(QPoint(225, 125));
    QCOMPARE(grafico_->toolTip(), QStringLiteral("Double click: Edit VLE table"));
    QCOMPARE(grafico_->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseDClick(grafico_, Qt::LeftButton, {}, QPoint(225, 125));
    QCOMPARE(editar.count(), 1);

    mover(QPoint(225, 300));
    QTest::mouseDClick(grafico_, Qt::LeftButton, {}, QPoint(225, 300));
    QCOMPARE(editar.count(), 1);

    // The curve cannot be dragged in table mode.
    mover(QPoint(225, 125));
    QTest::mousePress(grafico_, Qt::LeftButton, {}, QPoint(225, 125));
    mover(QPoint(225, 100));
    QTest::mouseRelease(grafico_, Qt::LeftButton, {}, QPoint(225, 100));
    QCOMPARE(arrastres.count(), 0);
}

void TstGraficoELV::copiar()
{
    grafico_->CopiarGrafVLE();
    const QImage copia = QGuiApplication::clipboard()->image();
    QCOMPARE(copia.size(), grafico_->imagen().size());
    QVERIFY(pixelesDeColor(copia, kColorCurvaELV, 20) > 300);
}

QTEST_MAIN(TstGraficoELV)
#include "tst_grafico_elv.moc"
