// The VLE graph as the user meets it. The x-y diagram: the curve or the
// range message, the mouse read-out, the drag that sets alpha, the double
// click of table mode, the separator of the axis labels. The T-x-y diagram:
// its curves where the model puts them, the choice that needs two known
// compounds (in either language), the stage's points following the slider
// and the cut it writes, the read-out, and Copy through the window.
#include <QClipboard>

#include "graphs/controles_diagrama.h"
#include "graphs/curvas_txy.h"
#include "graphs/graficos.h"
#include "graphs/pintar_elv.h"
#include "graphs/pintar_txy.h"
#include "model/termo_tabla.h"
#include "support/ventana.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

// The lowest pixel (largest row) of a colour in each column.
QMap<int, int> fondos(const QPolygon& m)
{
    QMap<int, int> f;
    for (const QPoint& p : m) f[p.x()] = qMax(f.value(p.x(), -1), p.y());
    return f;
}

// The pixels of colour `c` in `b` that are not in `a`: where a point went.
QPolygon nuevos(const QImage& a, const QImage& b, const QColor& c)
{
    const QPolygon antes = mancha(a, c);
    QPolygon r;
    for (const QPoint& p : mancha(b, c))
        if (!antes.contains(p)) r << p;
    return r;
}

double interpolar(const std::vector<PuntoTxy>& c, double x)
{
    const auto d = std::lower_bound(c.begin(), c.end(), x, [](const PuntoTxy& p, double v) { return p.x < v; });
    if (d == c.begin()) return d->T;
    const auto a = d - 1;
    return a->T + (d->T - a->T) * (x - a->x) / (d->x - a->x);
}

}  // namespace

// A mouse move to `destino` (diagram units), the button held from `pulsar`
// on when it is not null; the read-out shown ("" hidden) and alpha after.
struct Raton { QString alfa; QPointF pulsar, destino; QString lectura, alfaFinal; };

// A binary and its azeotrope: 0 none, -1 minimum-boiling, 1 maximum-boiling.
struct Binario { const char* a; const char* b; bool unifac; int azeotropo; };
// Stages, the starting cuts, the stage shown, keys pressed on the slider, the
// cut written and whether the still is then further on.
struct Paso { int etapas; QStringList cortes; int etapa; Qt::Key tecla; int veces; QString escrito; bool adelante; };
Q_DECLARE_METATYPE(Raton)
Q_DECLARE_METATYPE(Binario)
Q_DECLARE_METATYPE(Paso)

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

    void curvaXY_data()
    {
        QTest::addColumn<QString>("alfa");
        QTest::addColumn<QString>("mensaje");
        const QString fueraDeRango = QStringLiteral("ERROR: Relative volatility is out of range");
        QTest::newRow("2.45") << "2.45" << "";
        QTest::newRow("100 is drawn") << "100" << "";
        QTest::newRow("1 is refused") << "1" << fueraDeRango;
    }
    void curvaXY()
    {
        QFETCH(QString, alfa);
        QFETCH(QString, mensaje);
        g_->sim.editar(Entrada::Alfa, alfa);
        g_->seguir();
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

    void curvasTxy_data()
    {
        QTest::addColumn<Binario>("b");
        QTest::newRow("benzene-toluene, ideal") << Binario{"benzene", "toluene", false, 0};
        QTest::newRow("ethanol-water, ideal") << Binario{"ethanol", "water", false, 0};
        QTest::newRow("ethanol-water, UNIFAC") << Binario{"ethanol", "water", true, -1};
        QTest::newRow("acetone-chloroform, UNIFAC") << Binario{"acetone", "chloroform", true, 1};
    }
    void curvasTxy()
    {
        QFETCH(Binario, b);
        g_->binario(b.a, b.b, b.unifac);
        // Sampled from pure B to pure A, and where they bend too: straight
        // lines between the samples stay within a small part of the span of
        // the true curves.
        const termo::Sistema s = *g_->sim.sistemaTermico();
        const CurvasTxy t = calcularCurvasTxy(s);
        for (const auto* curva : {&t.burbuja, &t.rocio})
            QVERIFY(curva->front().x == 0 && curva->back().x == 1 && curva->size() < 1000);
        const double tolerancia = 0.002 * (t.tMax - t.tMin);
        for (int i = 1; i < 1000; ++i) {
            const double x = i / 1000.0 - 0.0003;
            QVERIFY2(qAbs(interpolar(t.burbuja, x) - (s.burbuja(x).T - kCeroCelsius)) < tolerancia, qPrintable(QString::number(x)));
            QVERIFY2(qAbs(interpolar(t.rocio, x) - (s.rocio(x).T - kCeroCelsius)) < tolerancia, qPrintable(QString::number(x)));
        }
        QVERIFY(g_->elegirTxy());
        const QImage im = g_->elv.imagen();
        const QPolygon burbuja = mancha(im, kColorBurbuja), rocio = mancha(im, kColorRocio);
        // Both curves across the plot, the bubble curve below the dew curve
        // in every column but where a point hides one of them.
        const QRect caja = burbuja.boundingRect();
        QVERIFY(caja.width() > im.width() / 2);
        QVERIFY(rocio.boundingRect().width() > im.width() / 2);
        const QMap<int, int> fb = fondos(burbuja), fr = fondos(rocio);
        int columnas = 0, debajo = 0;
        for (auto it = fb.begin(); it != fb.end(); ++it)
            if (fr.contains(it.key())) ++columnas, debajo += it.value() >= fr[it.key()] - 2;
        QVERIFY2(debajo >= 0.98 * columnas, qPrintable(QStringLiteral("%1 of %2").arg(debajo).arg(columnas)));

        // The azeotrope's ring where the model puts it: at its composition,
        // where the curves meet, at their lowest or highest.
        const QPolygon anillo = mancha(im, kColorAzeotropo);
        QCOMPARE(anillo.isEmpty(), b.azeotropo == 0);
        if (anillo.isEmpty()) return;
        const auto az = termo::buscarAzeotropo(s);
        const QPointF c = anillo.boundingRect().toRectF().center();
        QVERIFY(qAbs((c.x() - caja.left()) / caja.width() - az->x) < 0.01);
        QVERIFY(qAbs(fb.value(qRound(c.x())) - c.y()) <= 3);
        const int extremo = b.azeotropo < 0 ? *std::max_element(fb.begin(), fb.end()) : *std::min_element(fr.begin(), fr.end());
        QVERIFY(qAbs(extremo - c.y()) <= 3);
    }

    void deslizadorTxy_data()
    {
        QTest::addColumn<Paso>("p");
        QTest::newRow("a page further") << Paso{1, {"30"}, 1, Qt::Key_PageUp, 1, "40 %", true};
        QTest::newRow("three steps back") << Paso{1, {"30"}, 1, Qt::Key_Left, 3, "27 %", false};
        QTest::newRow("second stage") << Paso{2, {"50", "20"}, 2, Qt::Key_PageUp, 2, "40 %", true};
    }
    void deslizadorTxy()
    {
        QFETCH(Paso, p);
        g_->sim.elegirNumEtapas(p.etapas);
        for (int k = 1; k <= p.cortes.size(); ++k) g_->sim.editarCorte(k, p.cortes[k - 1]);
        QVERIFY(g_->elegirTxy());
        auto* etapa = g_->elv.findChild<QComboBox*>("etapaDiagrama");
        auto* slider = g_->elv.findChild<QSlider*>("deslizadorDiagrama");
        QCOMPARE(etapa->count(), p.etapas);
        etapa->setFocus();
        for (int k = 1; k < p.etapa; ++k) QTest::keyClick(etapa, Qt::Key_Down);
        // The slider shows the stage's own cut.
        QCOMPARE(slider->value(), p.cortes[p.etapa - 1].toInt());
        const QImage antes = g_->elv.imagen();
        slider->setFocus();
        for (int i = 0; i < p.veces; ++i) QTest::keyClick(slider, p.tecla);
        g_->seguir();
        QCOMPARE(g_->sim.textoCorte(p.etapa), p.escrito);
        for (int k = 1; k <= p.cortes.size(); ++k)
            if (k != p.etapa) QCOMPARE(g_->sim.textoCorte(k), p.cortes[k - 1]);
        QCOMPARE(g_->elv.findChild<QLabel*>("corteDiagrama")->text(), p.escrito);
        // As A leaves, the still's liquid gets poorer in A and boils hotter:
        // its point goes left and up, and back again.
        const QImage despues = g_->elv.imagen();
        const QPoint de = nuevos(despues, antes, kColorPuntoLiquido).boundingRect().center(),
                     a = nuevos(antes, despues, kColorPuntoLiquido).boundingRect().center();
        QVERIFY(!de.isNull() && !a.isNull());
        QCOMPARE(a.x() < de.x(), p.adelante);
        QCOMPARE(a.y() < de.y(), p.adelante);
        QVERIFY(!nuevos(antes, despues, kColorPuntoVapor).isEmpty());
        // The stage choice follows the number of stages.
        g_->sim.elegirNumEtapas(p.etapas + 1);
        g_->seguir();
        QCOMPARE(etapa->count(), p.etapas + 1);
    }

    // A cut moved in the T-x-y diagram charges the next stage at once: its
    // first row is the new distillate, not the one of the old cut.
    void laEtapaSiguienteTrasMoverElCorte()
    {
        g_->sim.elegirNumEtapas(2);
        g_->sim.editarCorte(1, QStringLiteral("50"));
        QVERIFY(g_->elegirTxy());
        auto* etapa = g_->elv.findChild<QComboBox*>("etapaDiagrama");
        etapa->setCurrentIndex(1);  // stage 2 computed from the cut at 50 %
        etapa->setCurrentIndex(0);
        auto* slider = g_->elv.findChild<QSlider*>("deslizadorDiagrama");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_PageUp);
        g_->seguir();
        etapa->setCurrentIndex(1);
        const double carga = (*g_->sim.etapaParaGrafico(2).evaluable.columna)[0];
        QCOMPARE(g_->sim.textoCorte(1), QStringLiteral("60 %"));
        QCOMPARE(carga, g_->sim.etapa(1).destilado.x);
    }

    void lecturaTxy()
    {
        // A cut that is no number: the curves, no points, and the message.
        g_->sim.editarCorte(1, QStringLiteral("half"));
        QVERIFY(g_->elegirTxy());
        QCOMPARE(g_->mensaje, "ERROR: The percentage distilled in stage 1 is not valid");
        const QImage sinPuntos = g_->elv.imagen();
        g_->sim.editarCorte(1, QStringLiteral("50"));
        g_->elv.Dibujar_VLE();
        QCOMPARE(g_->mensaje, QString());
        // The read-out over the still's point gives its composition and
        // boiling temperature.
        const QPoint liquido = nuevos(sinPuntos, g_->elv.imagen(), kColorPuntoLiquido).boundingRect().center();
        QVERIFY(!liquido.isNull());
        const double x = g_->sim.etapa(1).alambique.x;
        const double T = g_->sim.sistemaTermico()->burbuja(x).T - kCeroCelsius;
        QTest::mouseMove(&g_->elv, liquido);
        const auto partes = QRegularExpression("^x = (\\S+) +T = (\\S+) °C$").match(g_->lectura()->text());
        QVERIFY(qAbs(partes.captured(1).toDouble() - x) < 0.005);
        QVERIFY(qAbs(partes.captured(2).toDouble() - T) < 0.3);
        QTest::mouseMove(&g_->elv, QPoint(2, g_->elv.height() / 2));
        QVERIFY(!g_->lectura()->isVisible());
    }

    void txyEnLaVentana()
    {
        Ventana v;
        v.orden(QStringLiteral("accionVista1"));
        auto* grafico = v.hijo<GraficoELV>(QStringLiteral("graficoELV"));
        v.pulsar(QStringLiteral("opcionDiagramaTXY"));
        QVERIFY(grafico->muestraTxy());
        // Copy gives the picture shown.
        v.orden(QStringLiteral("accionCopiar"));
        const QImage copiada = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copiada, grafico->imagen().convertToFormat(QImage::Format_RGB32));
        QVERIFY(!mancha(copiada, kColorBurbuja).isEmpty());
        // A new charge moves the stage's points at once.
        v.escribir(QStringLiteral("TxtX0A"), QStringLiteral("0.7"));
        QVERIFY(grafico->imagen().convertToFormat(QImage::Format_RGB32) != copiada);
        // A name the list does not know brings the x-y diagram back and
        // takes the choice away; the known one gives it again, Clear not.
        auto* txy = v.hijo<QAbstractButton>(QStringLiteral("opcionDiagramaTXY"));
        v.escribir(QStringLiteral("TxtCompB"), QStringLiteral("unobtainium"));
        QVERIFY(!grafico->muestraTxy());
        QVERIFY(!txy->isEnabled());
        QVERIFY(!mancha(grafico->imagen(), kColorCurvaELV).isEmpty());
        v.escribir(QStringLiteral("TxtCompB"), QStringLiteral("agua"));
        QVERIFY(txy->isEnabled());
        v.sim().marcarGuardado();
        v.pulsar(QStringLiteral("botonBorrar"));
        QVERIFY(!txy->isEnabled());
        // Clear leaves a blank picture, not the last diagram.
        QVERIFY(mancha(grafico->imagen(), kColorRejillaELV, 5).isEmpty());
    }
};

QTEST_MAIN(TstGraficoELV)
#include "tst_grafico_elv.moc"
