// Scales, ticks, mappings and hit tests of the two graphs and the slider
// cursors, through their plain functions.
#include <QtTest>

#include "graphs/cursor_deslizante.h"
#include "graphs/geometria_avance.h"
#include "graphs/geometria_elv.h"
#include "graphs/imprimir.h"
#include "graphs/lienzo.h"

using namespace quillon;

class TstGeometriaGraficos : public QObject {
    Q_OBJECT
private slots:
    void pasoMarcas_data();
    void pasoMarcas();
    void marcasYEtiquetas_data();
    void marcasYEtiquetas();
    void etiquetaMarca_data();
    void etiquetaMarca();
    void maximosDeLosEjes();
    void mapeoAvance();
    void puntosDeLaCurvaDeAvance();
    void bandaYPapel();
    void geometriaELV();
    void rejillaELV();
    void titulosELV();
    void curvaELV();
    void lecturaYDentro_data();
    void lecturaYDentro();
    void sobreLaCurva();
    void alfaDeArrastre_data();
    void alfaDeArrastre();
    void cursores();
};

void TstGeometriaGraficos::pasoMarcas_data()
{
    QTest::addColumn<double>("maximo");
    QTest::addColumn<double>("paso");
    QTest::newRow("percent axis") << 100.0001 << 5.0;
    QTest::newRow("mole fraction axis") << 1.000001 << 0.05;
    QTest::newRow("250 g") << 250.0 << 10.0;
    QTest::newRow("700") << 700.0 << 20.0;
    QTest::newRow("just below log 2") << 1.99 << 0.05;
    QTest::newRow("2 is past 0.301") << 2.0 << 0.1;
    QTest::newRow("small mass") << 0.004 << 0.0002;
}

void TstGeometriaGraficos::pasoMarcas()
{
    QFETCH(double, maximo);
    QFETCH(double, paso);
    QCOMPARE(quillon::pasoMarcas(maximo), paso);
}

void TstGeometriaGraficos::marcasYEtiquetas_data()
{
    QTest::addColumn<double>("maximo");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("marcas");
    QTest::addColumn<QStringList>("etiquetas");
    QTest::newRow("x percent") << 100.0001 << false << 21
                               << QStringList{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
    QTest::newRow("y mole fraction")
        << 1.000001 << true << 21
        << QStringList{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    QTest::newRow("y 250 g") << 250.0 << true << 26
                             << QStringList{"0", "20", "40", "60", "80", "100", "120", "140", "160", "180", "200",
                                            "220", "240"};
    // The horizontal axis stops at the maximum, the vertical half a step on.
    QTest::newRow("x 249") << 249.0 << false << 25
                           << QStringList{"0", "20", "40", "60", "80", "100", "120", "140", "160", "180", "200",
                                          "220", "240"};
}

void TstGeometriaGraficos::marcasYEtiquetas()
{
    QFETCH(double, maximo);
    QFETCH(bool, vertical);
    QFETCH(int, marcas);
    QFETCH(QStringList, etiquetas);
    const auto m = marcasEje(quillon::pasoMarcas(maximo), maximo, vertical);
    QCOMPARE(int(m.size()), marcas);
    QStringList conEtiqueta;
    for (const Marca& k : m)
        if (k.conEtiqueta) conEtiqueta << QString::fromStdString(quillon::etiquetaMarca(k.valor));
    QCOMPARE(conEtiqueta, etiquetas);
}

void TstGeometriaGraficos::etiquetaMarca_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("texto");
    QTest::newRow("leading point completed") << 0.05 << "0.05";
    QTest::newRow("accumulated error hidden") << 3 * 0.05 << "0.15";
    QTest::newRow("negative") << -0.5 << "-0.5";
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("zero") << 0.0 << "0";
}

void TstGeometriaGraficos::etiquetaMarca()
{
    QFETCH(double, valor);
    QFETCH(QString, texto);
    QCOMPARE(QString::fromStdString(quillon::etiquetaMarca(valor)), texto);
}

void TstGeometriaGraficos::maximosDeLosEjes()
{
    // x0 = 0.5 of equal molar masses: half the mass is A.
    const CargaEtapa c = cargaDeEtapa(0.5, 200, 78, 78, 1000);
    QCOMPARE(c.masaA, 100.0);
    QCOMPARE(c.molesA, 100.0 * 1000 / 78);
    QCOMPARE(maximoEjeX(0, c), 100.0001);
    QCOMPARE(maximoEjeX(2, c), 200 * 1.000001);
    QCOMPARE(maximoEjeX(5, c), c.molesTotales() * 1.000001);
    QCOMPARE(maximoEjeY(3, c), 1.000001);
    QCOMPARE(maximoEjeY(16, c), 1.000001);
    QCOMPARE(maximoEjeY(6, c), 100.0001);
    QCOMPARE(maximoEjeY(13, c), c.masaB * 1.000001);
    QCOMPARE(maximoEjeY(14, c), c.molesA * 1.000001);
    // No ticked item, or a charge of pure A, gives no drawing.
    QVERIFY(!maximoUtil(maximoEjeY(-1, c)));
    QVERIFY(!maximoUtil(maximoEjeY(9, cargaDeEtapa(1, 200, 78, 92, 1))));
    QVERIFY(!maximoUtil(1e199));
}

void TstGeometriaGraficos::mapeoAvance()
{
    EscalaAvance e;
    e.ancho = 600;
    e.alto = 400;
    e.tw = 30;
    e.th = 15;
    e.xMax = 100.0001;
    e.yMax = 1.000001;
    QCOMPARE(e.x(0), 60.0);
    QCOMPARE(e.x(e.xMax), 600.0 - 30);
    QCOMPARE(e.y(0), 400.0 - 30);
    QCOMPARE(e.y(e.yMax), 15.0);
}

void TstGeometriaGraficos::puntosDeLaCurvaDeAvance()
{
    const auto p = puntosAvance();
    const std::vector<double> primeros{0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0};
    for (std::size_t i = 0; i < primeros.size(); ++i) QVERIFY2(qAbs(p[i] - primeros[i]) < 1e-9, qPrintable(QString::number(i)));
    QVERIFY(qAbs(p.back() - 100) < 1e-9);
    QCOMPARE(int(p.size()), 6 + 498);
}

void TstGeometriaGraficos::bandaYPapel()
{
    QVERIFY(dentroDeBanda(1, 1, 400));
    QVERIFY(dentroDeBanda(399, 1, 400));
    QVERIFY(!dentroDeBanda(0.99, 1, 400));
    QVERIFY(!dentroDeBanda(399.5, 1, 400));
    // A wide picture fills the page's width; a tall one its height.
    const Tamano ancho = tamanoEnPapel({194, 281}, {650, 600});
    QCOMPARE(ancho.ancho, 194.0);
    QCOMPARE(ancho.alto, 600 * 194.0 / 650);
    const Tamano alto = tamanoEnPapel({194, 281}, {600, 1200});
    QCOMPARE(alto.alto, 281.0);
    QCOMPARE(alto.ancho, 600 * 281.0 / 1200);
    QVERIFY(qAbs(unidadPlumaPapel(600) - 0.4 / 25.4 * 600) < 1e-12);
    QCOMPARE(pixelesDePluma(0.4, 1200), 19);
    QCOMPARE(pixelesDePluma(0.09, 1200), 4);
    QCOMPARE(pixelesDePluma(0.09, 72), 1);
    QVERIFY(papelSuficiente(190, 260));
    QVERIFY(!papelSuficiente(189.9, 280));
    QVERIFY(!papelSuficiente(200, 259.9));
}

void TstGeometriaGraficos::geometriaELV()
{
    const GeometriaELV g = geometriaPantalla(450, 350);
    QCOMPARE(g.margen, 25.0);
    QCOMPARE(g.yBase, 325.0);
    QCOMPARE(g.ancho, 400.0);
    QCOMPARE(g.alto, 300.0);
    QCOMPARE(g.xDe(0.5), 225.0);
    QCOMPARE(g.yDe(1), 25.0);
    const GeometriaELV p = geometriaPapel();
    QCOMPARE(p.xDe(0), 10.0);
    QCOMPARE(p.xDe(1), 190.0);
    QCOMPARE(p.yDe(1), 10.0);
    QCOMPARE(p.yDe(0), 190.0);
}

void TstGeometriaGraficos::rejillaELV()
{
    const auto xs = posicionesRejilla(25, 400, 1);
    QCOMPARE(int(xs.size()), 11);
    QCOMPARE(xs.front(), 25.0);
    // The last line stands 0.1 % of the width short of the frame.
    QVERIFY(qAbs(xs.back() - (25 + 4000 / 10.01)) < 1e-9);
    const auto ys = posicionesRejilla(325, 300, -1);
    QCOMPARE(int(ys.size()), 11);
    QVERIFY(ys.back() > 25);
    QStringList etiquetas;
    for (int k = 0; k <= 10; ++k) etiquetas << QString::fromStdString(etiquetaRejilla(k, ','));
    QCOMPARE(etiquetas, (QStringList{"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1"}));
    QCOMPARE(QString::fromStdString(etiquetaRejilla(5, '.')), QStringLiteral("0.5"));
    // Dashes of 0.7 mm every 1.4 mm, the last starting 1.4 mm before the end.
    const auto d = inicioGuiones(10, 180);
    QCOMPARE(d.front(), 10.0);
    QVERIFY(d.back() <= 10 + 180 - 1.4);
    QVERIFY(d.back() + 1.4 > 10 + 180 - 1.4);
}

void TstGeometriaGraficos::titulosELV()
{
    QCOMPARE(tituloEjeX("benzene"), std::string("X: Mole fraction of benzene in liquid phase"));
    QCOMPARE(tituloEjeY("  benzene "), std::string("Y: Mole fraction of benzene in vapor phase"));
    QCOMPARE(tituloEjeX(""), std::string("X: Mole fraction of most volatile component in liquid phase"));
    QCOMPARE(tituloEjeY("   "), std::string("Y: Mole fraction of most volatile component in vapor phase"));
}

void TstGeometriaGraficos::curvaELV()
{
    const ModeloELV alfa{false, 3, nullptr};
    const auto p = puntosCurva(alfa);
    QCOMPARE(int(p.size()), 101);
    QCOMPARE(p.front().x, 0.0);
    QVERIFY(qAbs(p.back().x - 1) < 1e-9);
    QVERIFY(qAbs(p[50].y - 0.75) < 1e-9);
    // Table mode reads the dense table at the nearest thousandth.
    SuperTablaELV t{};
    t.fill(1);
    t[500] = 3;
    const auto q = puntosCurva({true, 0, &t});
    QVERIFY(qAbs(q[50].y - 0.75) < 1e-9);
    QVERIFY(qAbs(q[49].y - q[49].x) < 1e-12);
}

void TstGeometriaGraficos::lecturaYDentro_data()
{
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("xg");
    QTest::addColumn<double>("yg");
    QTest::addColumn<bool>("dentro");
    // Picture 450 x 450: the plot runs from 25 to 425 both ways.
    QTest::newRow("centre") << 225.0 << 225.0 << 0.5 << 0.5 << true;
    QTest::newRow("left frame") << 25.0 << 225.0 << 0.0 << 0.5 << false;
    QTest::newRow("right frame") << 425.0 << 225.0 << 1.0 << 0.5 << false;
    QTest::newRow("bottom frame") << 225.0 << 425.0 << 0.5 << 0.0 << false;
    QTest::newRow("top frame") << 225.0 << 25.0 << 0.5 << 1.0 << false;
    QTest::newRow("one pixel in") << 26.0 << 424.0 << 0.0025 << 0.0025 << true;
    QTest::newRow("margin") << 10.0 << 225.0 << -0.0375 << 0.5 << false;
}

void TstGeometriaGraficos::lecturaYDentro()
{
    QFETCH(double, X);
    QFETCH(double, Y);
    QFETCH(double, xg);
    QFETCH(double, yg);
    QFETCH(bool, dentro);
    const Lectura l = lecturaRaton(X, Y, 450, 450);
    QCOMPARE(l.xg, xg);
    QCOMPARE(l.yg, yg);
    QCOMPARE(dentroDelDiagrama(l), dentro);
}

void TstGeometriaGraficos::sobreLaCurva()
{
    const GeometriaELV g = geometriaPantalla(450, 450);
    const ModeloELV elv{false, 3, nullptr};
    const Lectura l = lecturaRaton(225, 0, 450, 450);
    // The curve at x = 0.5 is y = 0.75, row 425 - 300 = 125.
    QCOMPARE(yCurvaEn(elv, 0.5), 0.75);
    QVERIFY(quillon::sobreLaCurva(elv, l, 125, g));
    QVERIFY(quillon::sobreLaCurva(elv, l, 130, g));
    QVERIFY(quillon::sobreLaCurva(elv, l, 120, g));
    QVERIFY(!quillon::sobreLaCurva(elv, l, 130.5, g));
    QVERIFY(!quillon::sobreLaCurva(elv, l, 119, g));
}

void TstGeometriaGraficos::alfaDeArrastre_data()
{
    QTest::addColumn<double>("xg");
    QTest::addColumn<double>("yg");
    QTest::addColumn<double>("alfa");
    QTest::newRow("through (0.5, 0.75)") << 0.5 << 0.75 << 3.0;
    QTest::newRow("on the diagonal") << 0.4 << 0.4 << 1.01;
    QTest::newRow("below the diagonal") << 0.6 << 0.3 << 1.01;
    QTest::newRow("three decimals") << 0.3 << 0.5 << 2.333;
    QTest::newRow("rounded up") << 0.3 << 0.6 << 3.5;
    QTest::newRow("just above the diagonal") << 0.5 << 0.5001 << 1.0;
}

void TstGeometriaGraficos::alfaDeArrastre()
{
    QFETCH(double, xg);
    QFETCH(double, yg);
    QFETCH(double, alfa);
    QCOMPARE(quillon::alfaDeArrastre({xg, yg}), alfa);
}

void TstGeometriaGraficos::cursores()
{
    QCOMPARE(alfaDePorcentaje(0), 1.01);
    QCOMPARE(alfaDePorcentaje(100), 20.0);
    QCOMPARE(alfaDePorcentaje(25), 5.76);
    QCOMPARE(x0DePorcentaje(33.33), 0.333);
    QCOMPARE(x0DePorcentaje(66.66), 0.667);
    QCOMPARE(x0DePorcentaje(100), 1.0);
    QCOMPARE(posicionCursorAlfa(1), 0.0);
    QCOMPARE(posicionCursorAlfa(20), 1.0);
    QCOMPARE(posicionCursorAlfa(100), 1.0);
    QCOMPARE(posicionCursorX0(-0.5), 0.0);
    QCOMPARE(posicionCursorX0(0.25), 0.25);
    // Line from 10 to 280, cursor 11 pixels wide: its centre marks the value.
    QCOMPARE(izquierdaCursor(0.5, 10, 280, 11), 139.5);
    QCOMPARE(izquierdaCursor(0, 10, 280, 11), 4.5);
    QCOMPARE(porcentajeCursor(139.5, 10, 280, 11), 50.0);
    QCOMPARE(izquierdaArrastrada(500, 3, 10, 280, 11), 274.5);
    QCOMPARE(izquierdaArrastrada(-40, 3, 10, 280, 11), 4.5);
    QCOMPARE(izquierdaArrastrada(100, 3, 10, 280, 11), 97.0);
}

QTEST_APPLESS_MAIN(TstGeometriaGraficos)
#include "tst_geometria_graficos.moc"
