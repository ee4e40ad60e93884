// The T-x-y diagram against the x-y one and the model: the azeotropes of the
// equilibrium in force, the two-liquid region and its legend line, the model
// chosen beside the legend, and a document that names no model written back
// as it was read.

#include <QComboBox>

#include "formats/documento.h"
#include "graphs/datos_txy.h"
#include "graphs/graficos.h"
#include "support/bytes.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

std::string leerEjemplo(const std::string& nombre) { return leerBytes(QUILLON_EJEMPLOS "/" + nombre); }

// The columns (as fractions of the plot's width) where a colour shows
// (closely: where two curves cross, their mixed edge is a third colour),
// below `desde` (a row).
QList<double> columnas(const QImage& im, const QColor& c, const GeometriaTxy& g, int desde = 0)
{
    QList<double> x;
    for (const QPoint& p : mancha(im, c, 16))
        if (p.y() >= desde) x << g.xEn(p.x());
    return x;
}

}  // namespace

// The equilibrium the diagram is drawn with, and the azeotropes it then shows.
struct Equilibrio { QString fuente; QList<double> azeotropos; };
Q_DECLARE_METATYPE(Equilibrio)

class TstDiagramaTxy : public QObject {
    Q_OBJECT
    std::unique_ptr<Graficos> g_;

private slots:
    void init()
    {
        g_ = std::make_unique<Graficos>();
        QVERIFY(g_->mostrar());
    }

    // What the x-y diagram shows, the T-x-y shows: no azeotrope with a
    // constant alpha, the hand-typed table's own at x = 0.8943, the model's
    // at 0.897 with the table it predicted; both of 1-butanol and acetic acid.
    void azeotroposDelEquilibrioEnVigor_data()
    {
        QTest::addColumn<Equilibrio>("e");
        QTest::newRow("ethanol-water, alpha") << Equilibrio{"alpha", {}};
        QTest::newRow("ethanol-water, typed table") << Equilibrio{"ethanol-water-1atm.bdf", {0.8943}};
        QTest::newRow("ethanol-water, predicted") << Equilibrio{"ethanol water", {0.8973}};
        QTest::newRow("1-butanol-acetic acid, predicted") << Equilibrio{"1-butanol|acetic acid", {0.2204, 0.7311}};
    }
    void azeotroposDelEquilibrioEnVigor()
    {
        QFETCH(Equilibrio, e);
        if (e.fuente.endsWith(".bdf")) {
            g_->sim.cargar(LeerBdf(leerEjemplo(e.fuente.toStdString()), "ejemplo"));
        } else if (e.fuente == "alpha") {
            g_->binario("ethanol", "water", false);
        } else {
            const QStringList par = e.fuente.split(e.fuente.contains('|') ? '|' : ' ');
            g_->binario(par[0], par[1], true);
        }
        QVERIFY(g_->elegirTxy());
        const termo::Sistema& s = *g_->sim.sistemaTermico();
        ModeloELV elv;
        const Texto* error = nullptr;
        QVERIFY(g_->sim.equilibrioParaDiagrama(elv, error));
        const CurvasTxy c = calcularCurvasTxy(s, {&elv, g_->sim.modoTabla() ? &g_->sim.tablaELV() : nullptr});
        QCOMPARE(c.azeotropos.size(), std::size_t(e.azeotropos.size()));
        for (std::size_t i = 0; i < c.azeotropos.size(); ++i)
            QVERIFY(qAbs(c.azeotropos[i].punto.x - e.azeotropos[int(i)]) < 1e-4);
        // A ring drawn on each.
        const GeometriaTxy geo = geometriaTxyPantalla(g_->elv.width(), g_->elv.height(), {});
        const QList<double> anillos = columnas(g_->elv.imagen(), kColorAzeotropo, geo);
        for (double x : e.azeotropos)
            QVERIFY(std::any_of(anillos.begin(), anillos.end(), [x](double a) { return qAbs(a - x) < 0.02; }));
        QCOMPARE(anillos.isEmpty(), e.azeotropos.isEmpty());
    }

    // Water and benzene split into two liquids between x = 0.074 and 0.970:
    // the region under the bubble curve is hatched there only, and the
    // legend names it and the doubtful stretches.
    void dosLiquidos()
    {
        // Named only: UNIFAC, with alpha in force.
        g_->sim.escribirComoTecleado(Entrada::CompA, "water");
        g_->sim.escribirComoTecleado(Entrada::CompB, "benzene");
        QVERIFY(g_->elegirTxy());
        const GeometriaTxy geo = geometriaTxyPantalla(g_->elv.width(), g_->elv.height(), {});
        // Below the legend, in the top corner.
        const QList<double> rayas = columnas(g_->elv.imagen(), kColorDosLiquidos, geo, g_->elv.height() / 2);
        QVERIFY(!rayas.isEmpty());
        QVERIFY(*std::min_element(rayas.begin(), rayas.end()) > 0.06);
        QVERIFY(*std::max_element(rayas.begin(), rayas.end()) < 0.98);
        const DatosTxy d = datosTxy(g_->sim, calcularCurvasTxy(*g_->sim.sistemaTermico()));
        QCOMPARE(d.dosLiquidos, QStringLiteral("Two liquid phases"));
        QVERIFY2(d.dudosas.startsWith("Doubtful: ") && d.dudosas.endsWith("two liquid phases"), qPrintable(d.dudosas));
    }

    // The choice beside the legend names the document's model, marks it
    // changed and redraws; a pair UNIFAC cannot predict offers Raoult's law
    // only. Before any choice, a document that names no model is written
    // back byte for byte.
    void elModeloSeEligeJuntoALaLeyenda()
    {
        const std::string ejemplo = leerEjemplo("ethanol-water-1atm.bdf");
        g_->sim.cargar(LeerBdf(ejemplo, "ejemplo"));
        QVERIFY(g_->elegirTxy());
        auto* modelo = g_->elv.findChild<QComboBox*>("modeloTxy");
        QVERIFY(modelo->isVisible());
        QCOMPARE(modelo->currentText(), QStringLiteral("UNIFAC (non-ideal)"));
        QVERIFY(!g_->sim.modificado());
        QCOMPARE(EscribirBdf(g_->sim.documento()), ejemplo);
        const QImage antes = g_->elv.imagen();
        modelo->setFocus();
        QTest::keyClick(modelo, Qt::Key_Up);
        QTRY_VERIFY(g_->sim.modificado());
        QVERIFY(EscribirBdf(g_->sim.documento()).ends_with("<PRESSURE=1>\r\n<PRESSURE_UNIT=atm>\r\n<MODEL=IDEAL>\r\n"));
        QCOMPARE(g_->sim.textoSistemaTermico(), "ideal, 1 atm");
        QTRY_VERIFY(g_->elv.imagen() != antes);
        g_->sim.escribirComoTecleado(Entrada::CompA, "etilenglicol");
        g_->sim.escribirComoTecleado(Entrada::CompB, "styrene");
        g_->elv.Dibujar_VLE();
        auto* items = qobject_cast<QStandardItemModel*>(modelo->model());
        QVERIFY(items->item(0)->isEnabled() && !items->item(1)->isEnabled());
    }
};

QTEST_MAIN(TstDiagramaTxy)
#include "tst_diagrama_txy.moc"
