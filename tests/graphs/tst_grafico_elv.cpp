// The x-y diagram as the user meets it: the curve or the range message, the
// mouse read-out, the drag that sets alpha, the double click of table mode,
// the separator of the axis labels and the titles.
#include "graphs/graficos.h"
#include "graphs/pintar_elv.h"

using namespace quillon;
using namespace quillon::prueba;

// A mouse move to `destino` (diagram units), the button held from `pulsar`
// on when it is not null; the read-out shown ("" hidden) and alpha after.
struct Raton { QString alfa; QPointF pulsar, destino; QString lectura, alfaFinal; };
Q_DECLARE_METATYPE(Raton)

class TstGraficoELV : public QObject {
    Q_OBJECT
    std::unique_ptr<Graficos> g_;
    QPoint punto(QPointF p) const { return g_->punto(p.x(), p.y()); }
    void mover(QPointF p) { QTest::mouseMove(&g_->elv, punto(p)); }

private slots:
    void init()
    {
        g_ = std::make_unique<Graficos>();
        QVERIFY(g_->mostrar());
    }

    void curva_data()
    {
        QTest::addColumn<QString>("alfa");
        QTest::addColumn<QString>("mensaje");
        const QString fueraDeRango = QStringLiteral("ERROR: Relative volatility is out of range");
        QTest::newRow("2.45") << "2.45" << "";
        QTest::newRow("100 is drawn") << "100" << "";
        QTest::newRow("1 is refused") << "1" << fueraDeRango;
        QTest::newRow("unreadable") << "abc" << fueraDeRango;
    }
    void curva()
    {
        QFETCH(QString, alfa);
        QFETCH(QString, mensaje);
        g_->sim.editar(Entrada::Alfa, alfa);
        QCOMPARE(g_->mensaje, mensaje);
        const QPolygon curva = mancha(g_->elv.imagen(), kColorCurvaELV);
        QVERIFY(!mancha(g_->elv.imagen(), kColorRejillaELV, 5).isEmpty());  // the grid in any case
        QCOMPARE(curva.isEmpty(), !mensaje.isEmpty());
        if (curva.isEmpty()) return;
        // From corner to corner of the plot, above the diagonal.
        const QRect r(g_->punto(0, 1), g_->punto(1, 0)), caja = curva.boundingRect();
        for (const QPoint d : {caja.topLeft() - r.topLeft(), caja.bottomRight() - r.bottomRight()})
            QVERIFY(d.manhattanLength() <= 3);
        const auto encima = std::count_if(curva.begin(), curva.end(), [&r](QPoint p) {
            return (r.bottom() - p.y()) * r.width() > (p.x() - r.left()) * r.height();
        });
        QVERIFY(encima > 0.9 * curva.size());
    }

    void raton_data()
    {
        QTest::addColumn<Raton>("r");
        const QPointF nada, curvaDe2(0.5, 2.0 / 3);
        QTest::newRow("off the curve") << Raton{"3", nada, {0.25, 0.3}, "x = 0.25   y = 0.3", "3"};
        QTest::newRow("on the curve") << Raton{"3", nada, {0.5, 0.75}, "VLE curve: x = 0.5   y = 0.75", "3"};
        QTest::newRow("4 pixels off") << Raton{"3", nada, {0.5, 0.74}, "VLE curve: x = 0.5   y = 0.75", "3"};
        QTest::newRow("6 pixels off") << Raton{"3", nada, {0.5, 0.735}, "x = 0.5   y = 0.735", "3"};
        QTest::newRow("on the frame") << Raton{"3", nada, {0, 0.5}, "", "3"};
        QTest::newRow("dragged to (0.5, 0.75)") << Raton{"2", curvaDe2, {0.5, 0.75}, "x = 0.5   y = 0.75", "3"};
        QTest::newRow("three decimals") << Raton{"2", curvaDe2, {0.3, 0.5}, "x = 0.3   y = 0.5", "2.333"};
        QTest::newRow("onto the diagonal") << Raton{"2", curvaDe2, {0.6, 0.6}, "x = 0.6   y = 0.6", "1.01"};
        QTest::newRow("below the diagonal") << Raton{"2", curvaDe2, {0.75, 0.25}, "x = 0.75   y = 0.25", "1.01"};
        QTest::newRow("onto the frame") << Raton{"2", curvaDe2, {1, 0.5}, "", "2"};
        QTest::newRow("pressed off the curve") << Raton{"2", {0.5, 0.3}, {0.5, 0.75}, "x = 0.5   y = 0.75", "2"};
    }
    void raton()
    {
        QFETCH(Raton, r);
        g_->sim.editar(Entrada::Alfa, r.alfa);
        if (!r.pulsar.isNull()) QTest::mousePress(&g_->elv, Qt::LeftButton, {}, punto(r.pulsar));
        mover(r.destino);
        QCOMPARE(g_->lectura()->isVisible(), !r.lectura.isEmpty());
        if (!r.lectura.isEmpty()) QCOMPARE(g_->lectura()->text(), r.lectura);
        QCOMPARE(g_->sim.texto(Entrada::Alfa), r.alfaFinal);
        // The released curve stays where it is.
        QTest::mouseRelease(&g_->elv, Qt::LeftButton, {}, punto(r.destino));
        mover({0.4, 0.9});
        QCOMPARE(g_->sim.texto(Entrada::Alfa), r.alfaFinal);
    }

    void modoTabla_data()
    {
        QTest::addColumn<QPointF>("p");
        QTest::addColumn<int>("ediciones");
        QTest::newRow("double click on the curve") << QPointF(0.5, 0.75) << 1;
        QTest::newRow("double click elsewhere") << QPointF(0.5, 0.3) << 0;
    }
    void modoTabla()
    {
        QFETCH(QPointF, p);
        QFETCH(int, ediciones);
        const QString alfa = QStringLiteral("not read in table mode");
        g_->sim.editar(Entrada::Alfa, alfa);
        g_->tablaDeAlfa3();
        QCOMPARE(g_->mensaje, QString());
        QVERIFY(!mancha(g_->elv.imagen(), kColorCurvaELV).isEmpty());
        QSignalSpy editar(&g_->elv, &GraficoELV::editarTabla);
        mover(p);
        QCOMPARE(g_->elv.toolTip(), ediciones ? QStringLiteral("Double click: Edit VLE table") : QString());
        QTest::mouseDClick(&g_->elv, Qt::LeftButton, {}, punto(p));
        QCOMPARE(editar.count(), ediciones);
        // The curve cannot be dragged.
        QTest::mousePress(&g_->elv, Qt::LeftButton, {}, punto(p));
        QCOMPARE(g_->elv.cursor().shape(), Qt::ArrowCursor);
        mover({0.2, 0.9});
        QTest::mouseRelease(&g_->elv, Qt::LeftButton, {}, punto({0.2, 0.9}));
        QCOMPARE(g_->sim.texto(Entrada::Alfa), alfa);
    }

    void separadorDeEtiquetas_data()
    {
        // The boxes typed, in order, and whether the labels then use a comma.
        QTest::addColumn<QStringList>("tecleado");
        QTest::addColumn<bool>("coma");
        QTest::newRow("x0 with a comma") << QStringList{"x0", "0,4"} << true;
        QTest::newRow("alpha with a comma") << QStringList{"alfa", "2,45"} << true;
        QTest::newRow("x0 with a comma, alpha with a point") << QStringList{"x0", "0,4", "alfa", "2.45"} << false;
        QTest::newRow("alpha with a comma, x0 with a point") << QStringList{"alfa", "2,45", "x0", "0.4"} << false;
    }
    void separadorDeEtiquetas()
    {
        QFETCH(QStringList, tecleado);
        QFETCH(bool, coma);
        const auto dibujo = [this](const QStringList& t) {
            for (qsizetype i = 0; i + 1 < t.size(); i += 2)
                g_->sim.editar(t[i] == QLatin1String("x0") ? Entrada::X0 : Entrada::Alfa, t[i + 1]);
            g_->elv.Dibujar_VLE();
            return g_->elv.imagen();
        };
        // The same curve in every drawing: only the labels can differ.
        const QImage conTecleado = dibujo(tecleado);
        const QImage conPuntos = dibujo({"x0", "0.4", "alfa", "2.45"}), conComas = dibujo({"x0", "0,4", "alfa", "2,45"});
        QVERIFY(conPuntos != conComas);
        QCOMPARE(conTecleado == conComas, coma);
        QCOMPARE(conTecleado == conPuntos, !coma);
    }
};

QTEST_MAIN(TstGraficoELV)
#include "tst_grafico_elv.moc"
