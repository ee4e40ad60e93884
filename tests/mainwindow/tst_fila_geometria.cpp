// The stage row's arithmetic: liquid rows, colours, the reading of progress
// texts, the arrangement of the row and its scrolling.

#include <QtTest>
#include <cmath>

#include "mainwindow/geometria_etapa.h"
#include "model/numero.h"

using namespace quillon;

class TstFilaGeometria : public QObject {
    Q_OBJECT
private slots:
    void alturas_data();
    void alturas();
    void filasDelAlambique();
    void margenDelReceptor_data();
    void margenDelReceptor();
    void filasDelReceptor();
    void colores_data();
    void colores();
    void textoDeAvance_data();
    void textoDeAvance();
    void desplazamiento_data();
    void desplazamiento();
    void disposicionDesdeElPrincipio();
    void disposicionDesplazada();
};

void TstFilaGeometria::alturas_data()
{
    QTest::addColumn<double>("avance");
    QTest::addColumn<double>("fraccion");
    QTest::addColumn<int>("alambique");
    QTest::addColumn<int>("receptor");
    QTest::newRow("full still") << 0.0 << 1.0 << 120 << 0;
    QTest::newRow("all distilled") << 100.0 << 1.0 << 0 << 130;
    QTest::newRow("second stage at 50") << 50.0 << 0.5 << 30 << 33;
    QTest::newRow("12.5 percent") << 12.5 << 1.0 << 105 << 16;
    // Whatever the charge fraction or the cut, the liquid stays in its picture.
    QTest::newRow("fraction above 1") << 0.0 << 3.0 << 120 << 0;
    QTest::newRow("cut above 100") << 250.0 << 1.0 << 0 << 130;
    QTest::newRow("negative cut") << -40.0 << 1.0 << 120 << 0;
    QTest::newRow("not a number") << std::nan("") << 1.0 << 0 << 0;
}

void TstFilaGeometria::alturas()
{
    QFETCH(double, avance);
    QFETCH(double, fraccion);
    QTEST(alturaAlambique(avance, fraccion), "alambique");
    QTEST(alturaReceptor(avance, fraccion), "receptor");
}

void TstFilaGeometria::filasDelAlambique()
{
    const auto llena = filasAlambique(120);
    QCOMPARE(llena.size(), std::size_t(120));
    QCOMPARE(llena.front().y, 337);
    QCOMPARE(llena.back().y, 218);
    QCOMPARE(llena.front().izquierda, 71 - std::sqrt(701.0));
    QCOMPARE(llena.front().derecha, 71 + std::sqrt(701.0));
    // Row 276 is the circle's equator.
    const auto ecuador = filasAlambique(62).back();
    QCOMPARE(ecuador.y, 276);
    QCOMPARE(ecuador.derecha - ecuador.izquierda, 2 * std::sqrt(4422.0));
    QVERIFY(filasAlambique(0).empty());
    QCOMPARE(filasAlambique(500).size(), std::size_t(120));
}

void TstFilaGeometria::margenDelReceptor_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<double>("margen");
    QTest::newRow("foot") << 336 << 17.0;
    QTest::newRow("end of the rounded foot") << 323 << 4.0;
    QTest::newRow("upright wall") << 322 << 3.6;
    QTest::newRow("widest") << 312 << 1.43;
    QTest::newRow("cone begins") << 306 << 1.64;
    QTest::newRow("top row") << 207 << 42.23;
}

void TstFilaGeometria::margenDelReceptor()
{
    QFETCH(int, y);
    QFETCH(double, margen);
    QVERIFY2(std::abs(margenReceptor(y) - margen) < 1e-9, qPrintable(QString::number(margenReceptor(y))));
}

void TstFilaGeometria::filasDelReceptor()
{
    const auto llena = filasReceptor(130);
    QCOMPARE(llena.size(), std::size_t(130));
    QCOMPARE(llena.front().y, 336);
    QCOMPARE(llena.front().izquierda, 23.0);
    QCOMPARE(llena.front().derecha, 121.0);
    QCOMPARE(llena.back().y, 207);
    QVERIFY(filasReceptor(-3).empty());
    QCOMPARE(filasReceptor(1000).size(), std::size_t(130));
}

void TstFilaGeometria::colores_data()
{
    QTest::addColumn<int>("esquema");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("blue, pure B") << 0 << 0.0 << 200 << 200 << 255;
    QTest::newRow("blue, pure A") << 0 << 1.0 << 0 << 0 << 120;
    QTest::newRow("green, pure A") << 3 << 1.0 << 0 << 96 << 0;
    // 191.5 goes to 192, 62.5 to 62: halves to even.
    QTest::newRow("red halfway") << 1 << 0.5 << 192 << 80 << 80;
    QTest::newRow("yellow at 0.375") << 4 << 0.375 << 249 << 204 << 62;
}

void TstFilaGeometria::colores()
{
    QFETCH(int, esquema);
    QFETCH(double, x);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    const ColorRGB c = colorLiquido(esquemasLiquido()[static_cast<std::size_t>(esquema)].color, x);
    QCOMPARE(c, (ColorRGB{r, g, b}));
}

void TstFilaGeometria::textoDeAvance_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");  // NaN: not a number
    const double no = std::nan("");
    QTest::newRow("as the slider writes it") << "35 %" << 35.0;
    QTest::newRow("decimals") << "12.5" << 12.5;
    QTest::newRow("decimal comma") << "12,5 %" << 12.5;
    QTest::newRow("blanks around") << "  7 " << 7.0;
    QTest::newRow("exponent") << "1e1" << 10.0;
    QTest::newRow("out of range is still a number") << "150" << 150.0;
    QTest::newRow("letters") << "abc" << no;
    QTest::newRow("number then letters") << "12abc" << no;
    QTest::newRow("empty") << "" << no;
    QTest::newRow("percent alone") << "%" << no;
    QTest::newRow("infinity") << "inf" << no;
}

void TstFilaGeometria::textoDeAvance()
{
    QFETCH(QString, texto);
    QFETCH(double, valor);
    const double leido = leerTextoAvance(texto.toStdString());
    if (std::isnan(valor)) QCOMPARE(leido, VALOR_NO_VALIDO);
    else QCOMPARE(leido, valor);
}

void TstFilaGeometria::desplazamiento_data()
{
    QTest::addColumn<int>("ancho");
    QTest::addColumn<int>("caben");
    QTest::addColumn<int>("numEtapas");
    QTest::addColumn<int>("primera");
    QTest::addColumn<int>("siguiente");
    QTest::addColumn<int>("anterior");
    QTest::newRow("narrow, room for one") << 647 << 1 << 6 << 0 << 1 << 0;
    QTest::newRow("stops when the last stage shows") << 1000 << 2 << 6 << 4 << 4 << 3;
    QTest::newRow("reaches the last") << 1000 << 2 << 6 << 3 << 4 << 2;
    QTest::newRow("everything fits") << 2140 << 6 << 6 << 0 << 0 << 0;
    QTest::newRow("one stage, wide") << 1000 << 2 << 1 << 0 << 0 << 0;
    QTest::newRow("too narrow for any") << 609 << 0 << 1 << 0 << 1 << 0;
    QTest::newRow("never past the receiver") << 300 << 0 << 6 << 6 << 6 << 5;
}

void TstFilaGeometria::desplazamiento()
{
    QFETCH(int, ancho);
    QFETCH(int, caben);
    QFETCH(int, numEtapas);
    QFETCH(int, primera);
    QCOMPARE(etapasQueCaben(ancho), caben);
    QTEST(primeraTrasSiguiente(primera, numEtapas, caben), "siguiente");
    QTEST(primeraTrasAnterior(primera), "anterior");
}

void TstFilaGeometria::disposicionDesdeElPrincipio()
{
    const DisposicionFila d = disponerFila(1000, 0, 6, AltosFila{16, 22, 17, 18});
    QCOMPARE(d.ultima, 2);
    QCOMPARE(d.texto[0], QRect(6, 211, 160, 197));
    QCOMPARE(d.marco[0], QRect(5, 210, 162, 199));
    QCOMPARE(d.dibujo[0], QRect(166, 65, 142, 343));
    QCOMPARE(d.pieza[1], QRect(308, 65, 162, 120));
    QCOMPARE(d.dibujo[1], QRect(470, 65, 142, 343));
    QCOMPARE(d.texto[1], QRect(310, 211, 160, 197));
    // Stage 1's controls under the right half of its still, its label above.
    QCOMPARE(d.etiquetaAvance[1], QRect(247, 414, 290, 16));
    QCOMPARE(d.cajaAvance[1], QRect(247, 432, 290, 22));
    QCOMPARE(d.deslizador[1], QRect(247, 458, 290, 17));
    QCOMPARE(d.etiquetaEtapa[1], QRect(247, 35, 300, 18));
    QCOMPARE(d.dibujo[2].x(), 774);
    QCOMPARE(d.deslizador[2].x(), 551);
    const std::array<bool, 7> dibujos{true, true, true, false, false, false, false};
    const std::array<bool, 7> etapas{false, true, true, false, false, false, false};
    QCOMPARE(d.dibujoVisible, dibujos);
    QCOMPARE(d.etapaVisible, etapas);
}

void TstFilaGeometria::disposicionDesplazada()
{
    const DisposicionFila d = disponerFila(1000, 4, 6);
    QCOMPARE(d.dibujo[4], QRect(166, 65, 142, 343));
    QCOMPARE(d.texto[4], QRect(6, 211, 160, 197));
    QCOMPARE(d.dibujo[6].x(), 166 + 2 * 304);
    const std::array<bool, 7> dibujos{false, false, false, false, true, true, true};
    const std::array<bool, 7> etapas{false, false, false, false, false, true, true};
    QCOMPARE(d.dibujoVisible, dibujos);
    QCOMPARE(d.etapaVisible, etapas);
    // Scrolled past the last stage: nothing is left to show.
    const DisposicionFila nada = disponerFila(1000, 2, 1);
    QCOMPARE(nada.dibujoVisible, (std::array<bool, 7>{}));
}

QTEST_GUILESS_MAIN(TstFilaGeometria)
#include "tst_fila_geometria.moc"
