// The T-x-y diagram: its curves where the model puts them, the choice that
// needs two known compounds (in either language), the stage's points
// following the slider and the cut it writes, the read-out, and Copy through
// the window.
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

QPointF centro(const QList<QPoint>& m)
{
    QPointF c;
    for (const QPoint& p : m) c += p;
    return m.isEmpty() ? c : c / m.size();
}

// The pixels of colour `c` in `b` that are not in `a`: where a point went.
QList<QPoint> nuevos(const QImage& a, const QImage& b, const QColor& c)
{
    const QPolygon antes = mancha(a, c);
    QList<QPoint> r;
    for (const QPoint& p : mancha(b, c))
        if (!antes.contains(p)) r << p;
    return r;
}

termo::Sistema sistema(const char* a, const char* b, bool unifac)
{
    return std::get<termo::Sistema>(termo::Sistema::crear(termo::compuestoDe(a), termo::compuestoDe(b),
                                                         unifac ? termo::Modelo::Unifac : termo::Modelo::Ideal, 101325));
}

double interpolar(const std::vector<PuntoTxy>& c, double x)
{
    const auto d = std::lower_bound(c.begin(), c.end(), x, [](const PuntoTxy& p, double v) { return p.x < v; });
    if (d == c.begin()) return d->T;
    const auto a = d - 1;
    return a->T + (d->T - a->T) * (x - a->x) / (d->x - a->x);
}

}  // namespace

// A binary and its azeotrope: 0 none, -1 minimum-boiling, 1 maximum-boiling.
struct Binario { const char* a; const char* b; bool unifac; int azeotropo; };
// Stages, the starting cuts, the stage shown, keys pressed on the slider, the
// cut written and whether the still is then further on.
struct Paso { int etapas; QStringList cortes; int etapa; Qt::Key tecla; int veces; QString escrito; bool adelante; };
Q_DECLARE_METATYPE(Binario)
Q_DECLARE_METATYPE(Paso)

class TstDiagramaTxy : public QObject {
    Q_OBJECT
    std::unique_ptr<Graficos> g_;

    void binarios()
    {
        QTest::addColumn<Binario>("b");
        QTest::newRow("benzene-toluene, ideal") << Binario{"benzene", "toluene", false, 0};
        QTest::newRow("ethanol-water, ideal") << Binario{"ethanol", "water", false, 0};
        QTest::newRow("ethanol-water, UNIFAC") << Binario{"ethanol", "water", true, -1};
        QTest::newRow("acetone-chloroform, UNIFAC") << Binario{"acetone", "chloroform", true, 1};
    }

private slots:
    void init()
    {
        g_ = std::make_unique<Graficos>();
        QVERIFY(g_->mostrar());
    }

    void muestreo_data() { binarios(); }
    void muestreo()
    {
        QFETCH(Binario, b);
        const termo::Sistema s = sistema(b.a, b.b, b.unifac);
        const CurvasTxy c = calcularCurvasTxy(s);
        // From pure B to pure A, both curves.
        for (const auto* curva : {&c.burbuja, &c.rocio}) {
            QCOMPARE(curva->front().x, 0.0);
            QCOMPARE(curva->back().x, 1.0);
            QVERIFY(qAbs(curva->front().T - (termo::temperaturaEbullicion(s.compuestoB(), 101325) - kCeroCelsius)) < 0.01);
            QVERIFY(qAbs(curva->back().T - (termo::temperaturaEbullicion(s.compuestoA(), 101325) - kCeroCelsius)) < 0.01);
            QVERIFY(curva->size() < 1000);
        }
        // Straight lines between the samples stay within a small part of the
        // span of the true curves, where they bend too.
        const double tramo = c.tMax - c.tMin, tolerancia = 0.002 * tramo;
        for (int i = 1; i < 1000; ++i) {
            const double x = i / 1000.0 - 0.0003;
            QVERIFY2(qAbs(interpolar(c.burbuja, x) - (s.burbuja(x).T - kCeroCelsius)) < tolerancia, qPrintable(QString::number(x)));
            QVERIFY2(qAbs(interpolar(c.rocio, x) - (s.rocio(x).T - kCeroCelsius)) < tolerancia, qPrintable(QString::number(x)));
        }
        for (const PuntoTxy& p : c.rocio) QVERIFY(interpolar(c.burbuja, p.x) <= p.T + 1e-6);
        QCOMPARE(c.azeotropo.has_value(), b.azeotropo != 0);
    }

    void curvas_data() { binarios(); }
    void curvas()
    {
        QFETCH(Binario, b);
        g_->binario(b.a, b.b, b.unifac);
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
        const auto az = termo::buscarAzeotropo(sistema(b.a, b.b, b.unifac));
        const QPointF c = anillo.boundingRect().toRectF().center();
        QVERIFY(qAbs((c.x() - caja.left()) / caja.width() - az->x) < 0.01);
        QVERIFY(qAbs(fb.value(qRound(c.x())) - c.y()) <= 3);
        const int extremo = b.azeotropo < 0 ? *std::max_element(fb.begin(), fb.end()) : *std::min_element(fr.begin(), fr.end());
        QVERIFY(qAbs(extremo - c.y()) <= 3);
    }

    void deslizador_data()
    {
        QTest::addColumn<Paso>("p");
        QTest::newRow("a page further") << Paso{1, {"30"}, 1, Qt::Key_PageUp, 1, "40 %", true};
        QTest::newRow("three steps back") << Paso{1, {"30"}, 1, Qt::Key_Left, 3, "27 %", false};
        QTest::newRow("to the start") << Paso{1, {"30"}, 1, Qt::Key_Home, 1, "0 %", false};
        QTest::newRow("second stage") << Paso{2, {"50", "20"}, 2, Qt::Key_PageUp, 2, "40 %", true};
    }
    void deslizador()
    {
        QFETCH(Paso, p);
        g_->sim.elegirNumEtapas(p.etapas);
        for (int k = 1; k <= p.cortes.size(); ++k) g_->sim.editarCorte(k, p.cortes[k - 1]);
        QVERIFY(g_->elegirTxy());
        auto* etapa = g_->control<QComboBox>("etapaDiagrama");
        auto* slider = g_->control<QSlider>("deslizadorDiagrama");
        QCOMPARE(etapa->count(), p.etapas);
        etapa->setFocus();
        for (int k = 1; k < p.etapa; ++k) QTest::keyClick(etapa, Qt::Key_Down);
        // The slider shows the stage's own cut.
        QCOMPARE(slider->value(), p.cortes[p.etapa - 1].toInt());
        const QImage antes = g_->elv.imagen();
        slider->setFocus();
        for (int i = 0; i < p.veces; ++i) QTest::keyClick(slider, p.tecla);
        QCOMPARE(g_->sim.textoCorte(p.etapa), p.escrito);
        for (int k = 1; k <= p.cortes.size(); ++k)
            if (k != p.etapa) QCOMPARE(g_->sim.textoCorte(k), p.cortes[k - 1]);
        QCOMPARE(g_->control<QLabel>("corteDiagrama")->text(), p.escrito);
        // As A leaves, the still's liquid gets poorer in A and boils hotter:
        // its point goes left and up, and back again.
        const QImage despues = g_->elv.imagen();
        const QPointF de = centro(nuevos(despues, antes, kColorPuntoLiquido)),
                      a = centro(nuevos(antes, despues, kColorPuntoLiquido));
        QVERIFY(!de.isNull() && !a.isNull());
        QCOMPARE(a.x() < de.x(), p.adelante);
        QCOMPARE(a.y() < de.y(), p.adelante);
        QVERIFY(!nuevos(antes, despues, kColorPuntoVapor).isEmpty());
        // The stage choice follows the number of stages.
        g_->sim.elegirNumEtapas(p.etapas + 1);
        QCOMPARE(etapa->count(), p.etapas + 1);
    }

    void lectura()
    {
        g_->binario("benzene", "toluene", false);
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
        const QPointF punto = centro(nuevos(sinPuntos, g_->elv.imagen(), kColorPuntoLiquido));
        QVERIFY(!punto.isNull());
        const double x = g_->sim.etapa(1).alambique.x;
        const double T = g_->sim.sistemaTermico()->burbuja(x).T - kCeroCelsius;
        QTest::mouseMove(&g_->elv, punto.toPoint());
        const QStringList partes = g_->lectura()->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(partes.size(), 7);
        QVERIFY(qAbs(partes[2].toDouble() - x) < 0.005);
        QVERIFY(qAbs(partes[5].toDouble() - T) < 0.3);
        QCOMPARE(partes[6], "°C");
        QTest::mouseMove(&g_->elv, QPoint(2, g_->elv.height() / 2));
        QVERIFY(!g_->lectura()->isVisible());
    }

    void ventana()
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
    }
};

QTEST_MAIN(TstDiagramaTxy)
#include "tst_diagrama_txy.moc"
