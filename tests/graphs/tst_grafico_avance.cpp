// The progress graph and its panel: one tick per list through clicks, the
// stage options, the curve where its quantities put it, nothing but white
// when there is nothing to draw, and the ticks of the axes.
#include "graphs/geometria_avance.h"
#include "graphs/graficos.h"
#include "graphs/datos_avance.h"
#include "graphs/pintar_avance.h"
#include "model/magnitudes.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

QList<int> marcadas(const QListWidget* l)
{
    QList<int> m;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->checkState() == Qt::Checked) m << i;
    return m;
}

// A click on the tick box of row `fila`, or on its name.
void pulsar(QListWidget* l, int fila, bool enCasilla)
{
    QStyleOptionViewItem o;
    o.initFrom(l);
    o.rect = l->visualItemRect(l->item(fila));
    o.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect casilla = l->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &o, l);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, (enCasilla ? casilla : o.rect).center());
}

// The mean row of a curve near its left end and near its middle.
std::pair<double, double> filas(const QPolygon& m)
{
    const QRect caja = m.boundingRect();
    double suma[2] = {0, 0};
    int n[2] = {0, 0};
    for (const QPoint& p : m)
        for (int i : {0, 1})
            if (qAbs(p.x() - (i ? caja.center().x() : caja.left() + 2)) <= 2) suma[i] += p.y(), ++n[i];
    return {suma[0] / n[0], suma[1] / n[1]};
}

}  // namespace

// A click on a list, and the ticked rows of both lists after it.
struct Clic { bool vertical; int fila; bool enCasilla; QList<int> marcadasY, marcadasX; };
// Y and X items ticked, and whether the curve rises from its left end to its
// middle.
struct Curva { QString y, x; bool sube; };
// An input typed (an Entrada, or -1: the ticked item unticked), the message
// of the graph, and whether the table is still built.
struct Blanco { int caja; QString texto, mensaje; bool tablaAcepta; };
// An axis: its maximum, its tick step, the number of labels (every second
// tick from 0) and the last one, and the last tick.
struct Eje { double maximo; bool vertical; double paso; int etiquetas; QString ultimaEtiqueta; double ultimaMarca; };
Q_DECLARE_METATYPE(Clic)
Q_DECLARE_METATYPE(Curva)
Q_DECLARE_METATYPE(Blanco)
Q_DECLARE_METATYPE(Eje)

class TstGraficoAvance : public QObject {
    Q_OBJECT
    std::unique_ptr<Graficos> g_;
    QListWidget* lista(const char* nombre) { return g_->panel.findChild<QListWidget*>(QLatin1String(nombre)); }
    // Ticks the items named, by a click on each name, and draws.
    QPolygon dibujar(const QString& y, const QString& x)
    {
        for (const auto& [l, nombre] : {std::pair{lista("LstEjeY"), y}, {lista("LstEjeX"), x}})
            pulsar(l, l->row(l->findItems(nombre, Qt::MatchExactly).value(0)), false);
        g_->avance.Dibujar_XAV();
        return mancha(g_->avance.imagen(), kColorCurvaAvance);
    }

private slots:
    void init()
    {
        g_ = std::make_unique<Graficos>();
        QVERIFY(g_->mostrar());
    }

    void marcaUnica_data()
    {
        QTest::addColumn<Clic>("c");
        QTest::newRow("box of another item") << Clic{true, 4, true, {4}, {0}};
        QTest::newRow("name of another item") << Clic{true, 6, false, {6}, {0}};
        QTest::newRow("name of the ticked item") << Clic{true, 0, false, {0}, {0}};
        QTest::newRow("box of the ticked item") << Clic{true, 0, true, {}, {0}};
        QTest::newRow("the horizontal list") << Clic{false, 5, true, {0}, {5}};
    }
    void marcaUnica()
    {
        QFETCH(Clic, c);
        pulsar(lista(c.vertical ? "LstEjeY" : "LstEjeX"), c.fila, c.enCasilla);
        QCOMPARE(marcadas(lista("LstEjeY")), c.marcadasY);
        QCOMPARE(marcadas(lista("LstEjeX")), c.marcadasX);
        QCOMPARE(g_->panel.itemY(), c.marcadasY.value(0, -1));
    }

    void etapas()
    {
        const auto opcion = [this](int k) { return g_->panel.findChild<QRadioButton*>(QStringLiteral("OptETAXAV%1").arg(k)); };
        QSignalSpy elegidas(&g_->panel, &PanelAvance::etapaElegida);
        g_->panel.mostrarEtapas(2);
        QVERIFY(opcion(2)->isVisible() && !opcion(3)->isVisible());
        const QImage primera = g_->avance.imagen();
        // Stage 2 is charged with what stage 1 distilled.
        g_->sim.editarCorte(1, QStringLiteral("50"));
        QTest::mouseClick(opcion(2), Qt::LeftButton, {}, opcion(2)->rect().center());
        QCOMPARE(elegidas, QList<QVariantList>{{2}});
        g_->avance.Dibujar_XAV();
        QVERIFY(!mancha(g_->avance.imagen(), kColorCurvaAvance).isEmpty());
        QVERIFY(g_->avance.imagen() != primera);
    }

    void curva_data()
    {
        QTest::addColumn<Curva>("c");
        const char* destilado = "% Total mass distilled";
        QTest::newRow("x of A in the still falls") << Curva{"Mole fraction of A in still pot", destilado, false};
        QTest::newRow("x of B in the still rises") << Curva{"Mole fraction of B in still pot", destilado, true};
        QTest::newRow("A distilled rises") << Curva{"% Accumulated mass of A distilled", destilado, true};
        QTest::newRow("A left against mass left") << Curva{"Mass of A in still pot", "Total mass in still pot", true};
        // As A leaves, what is left and what is collected boil hotter.
        QTest::newRow("still's temperature rises") << Curva{"Boiling temperature of liquid in still pot", destilado, true};
        QTest::newRow("distillate's temperature rises") << Curva{"Boiling temperature of accumulated distillate", destilado, true};
    }
    void curva()
    {
        QFETCH(Curva, c);
        const QPolygon curva = dibujar(c.y, c.x);
        QVERIFY(!curva.isEmpty());
        const QRect ejes = mancha(g_->avance.imagen(), kColorEjesAvance, 10).boundingRect();
        QVERIFY(ejes.adjusted(-2, -2, 2, 2).contains(curva.boundingRect()));
        const auto [izquierda, centro] = filas(curva);
        QCOMPARE(izquierda > centro, c.sube);
    }

    void temperaturas_data()
    {
        QTest::addColumn<QString>("b");  // A is "etanol"
        QTest::addColumn<bool>("ofrecidas");
        QTest::newRow("Spanish names") << "agua" << true;
        QTest::newRow("an unknown name") << "unobtainium" << false;
    }
    void temperaturas()
    {
        QFETCH(QString, b);
        QFETCH(bool, ofrecidas);
        QListWidget* y = lista("LstEjeY");
        // The start-up names are known: the still's temperature, after the
        // quantities, ticked.
        const int fila = int(listaEjeY().size());
        pulsar(y, fila, false);
        g_->sim.escribirComoTecleado(Entrada::CompA, QStringLiteral("etanol"));
        g_->sim.escribirComoTecleado(Entrada::CompB, b);
        g_->seguir();
        QCOMPARE(y->count(), fila + (ofrecidas ? 2 : 0));
        // A ticked temperature that goes leaves the first item ticked.
        QCOMPARE(marcadas(y), QList<int>{ofrecidas ? fila : 0});
        const ResultadoAvance r = calcularDatosAvance(g_->sim, 1, 0, fila);
        QCOMPARE(r.dibujable, ofrecidas);
        g_->sim.borrar();
        g_->seguir();
        QCOMPARE(y->count(), fila);
        if (!ofrecidas) return;
        // The still ends as nearly pure B, boiling where B boils.
        const int B = termo::compuestoDe(b.toStdString());
        QVERIFY(qAbs(r.datos.valores.back().y() - (termo::temperaturaEbullicion(B, 101325) - 273.15)) < 0.01);
    }

    // A temperature's axis fits its curve, which stays clear of the title and
    // of the note that names its doubts: water and benzene split into two
    // liquids, and their still's temperature swings by a few degrees only.
    void temperaturaAjustada_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("nota");
        QTest::newRow("acetone-chloroform") << "acetone" << "chloroform" << false;
        QTest::newRow("water-benzene, doubtful") << "water" << "benzene" << true;
    }
    void temperaturaAjustada()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, nota);
        g_->sim.escribirComoTecleado(Entrada::CompA, a);
        g_->sim.escribirComoTecleado(Entrada::CompB, b);
        const QPolygon curva = dibujar(lista("LstEjeY")->item(int(listaEjeY().size()))->text(), "% Total mass distilled");
        const QImage im = g_->avance.imagen();
        const QRect ejes = mancha(im, kColorEjesAvance, 10).boundingRect(), caja = curva.boundingRect();
        QVERIFY2(caja.height() > ejes.height() / 2, qPrintable(QStringLiteral("%1 of %2").arg(caja.height()).arg(ejes.height())));
        // The title's (and the note's) letters: dark pixels right of the
        // vertical axis, in the top half.
        QRect letras;
        for (const QColor& c : {QColor(Qt::black), kColorNotaAvance})
            for (const QPoint& p : mancha(im, c, 60))
                if (p.x() > ejes.left() + 4 && p.y() < im.height() / 2) letras |= QRect(p, QSize(1, 1));
        QVERIFY(!letras.isEmpty());
        for (const QPoint& p : curva) QVERIFY2(!letras.adjusted(-2, -2, 2, 2).contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(!mancha(im, kColorNotaAvance, 20).isEmpty(), nota);
    }

    void enBlanco_data()
    {
        QTest::addColumn<Blanco>("b");
        QTest::newRow("no ticked item") << Blanco{-1, "", "", true};
        QTest::newRow("initial mass 0") << Blanco{int(Entrada::Masa0), "0", "ERROR: Initial mass is not valid", true};
        QTest::newRow("alpha 1") << Blanco{int(Entrada::Alfa), "1", "ERROR: Relative volatility is out of range", false};
    }
    void enBlanco()
    {
        QFETCH(Blanco, b);
        if (b.caja < 0) pulsar(lista("LstEjeY"), 0, true);
        else g_->sim.editar(Entrada(b.caja), b.texto);
        g_->avance.Dibujar_XAV();
        QCOMPARE(g_->mensaje, b.mensaje);
        const QImage im = g_->avance.imagen();
        QCOMPARE(mancha(im, Qt::white, 0).size(), im.width() * im.height());
        // The table wants no charge to draw.
        QCOMPARE(g_->sim.tablaTexto({}).error == nullptr, b.tablaAcepta);
    }

    void marcas_data()
    {
        QTest::addColumn<Eje>("e");
        QTest::newRow("700") << Eje{700, false, 20, 18, "680", 700};
        QTest::newRow("below log 2") << Eje{1.99, false, 0.05, 20, "1.9", 1.95};
        QTest::newRow("2 is past log 2") << Eje{2, false, 0.1, 11, "2", 2};
        // The vertical axis goes on half a step past its maximum.
        QTest::newRow("249 upwards") << Eje{249, true, 10, 13, "240", 250};
    }
    void marcas()
    {
        QFETCH(Eje, e);
        QCOMPARE(pasoMarcas(e.maximo), e.paso);
        QStringList escritas;
        const auto m = marcasEje(e.paso, e.maximo, e.vertical);
        for (const Marca& k : m)
            if (k.conEtiqueta) escritas << QString::fromStdString(etiquetaMarca(k.valor));
        QCOMPARE(escritas.size(), e.etiquetas);
        QCOMPARE(escritas.last(), e.ultimaEtiqueta);
        QCOMPARE(m.back().valor, e.ultimaMarca);
    }
};

QTEST_MAIN(TstGraficoAvance)
#include "tst_grafico_avance.moc"
