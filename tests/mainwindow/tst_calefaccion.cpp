// The heating of the still through the window: its box and unit as a person
// reaches them, what appears with a heating and what an empty box leaves
// exactly as it was, the messages, and each stage's own clock.

#include <QComboBox>
#include <QListWidget>

#include "formats/documento.h"
#include "graphs/datos_avance.h"
#include "support/ventana.h"

using namespace quillon;

namespace {

// What the person sees and what a save writes: the stills' texts, the row's
// pixels, the table view with every quantity ticked, the graph's lists and
// the document's bytes.
struct Vistas {
    QStringList textos;
    QImage fila;
    QString tabla;
    int itemsTabla = 0, itemsEjeX = 0;
    std::string documento;
    bool operator==(const Vistas&) const = default;
};

Vistas vistas(prueba::Ventana& v)
{
    Vistas r;
    v.orden(QStringLiteral("accionVista0"));
    v.esperarRefresco();
    for (int j = 0; j <= 3; ++j) r.textos << v.contenido(j);
    r.fila = v.hijo<QWidget>(QStringLiteral("filaEtapas"))->grab().toImage();
    auto* lista = v.hijo<QListWidget>(QStringLiteral("LstTABLA"));
    r.itemsTabla = lista->count();
    r.itemsEjeX = v.hijo<QListWidget>(QStringLiteral("LstEjeX"))->count();
    for (int i = 0; i < lista->count(); ++i) lista->item(i)->setCheckState(Qt::Checked);
    v.orden(QStringLiteral("accionVista3"));
    r.tabla = v.hijo<QPlainTextEdit>(QStringLiteral("TxtXAvan"))->toPlainText();
    r.documento = EscribirBdf(v.sim().documento());
    return r;
}

}  // namespace

class TstCalefaccion : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // A heating brings the time to the stills, tmin and Qsup to the table, the
    // time to the graph's abscissae and two tags to the file; emptied again,
    // the box leaves every view and the file as they were, to the bit.
    void unaCajaVaciaNoCambiaNada()
    {
        prueba::Ventana v;
        v.sim().elegirNumEtapas(3);
        const Vistas antes = vistas(v);
        v.orden(QStringLiteral("accionVista0"));
        v.escribir(QStringLiteral("TxtCalor"), QStringLiteral("300"));
        const Vistas con = vistas(v);
        QVERIFY(con.textos[0].contains(QRegularExpression(QStringLiteral("\nFrom 1st drop: \\d+\\.?\\d* min$"))));
        QCOMPARE(con.itemsTabla, antes.itemsTabla + 2);
        QCOMPARE(con.itemsEjeX, antes.itemsEjeX + 1);
        QVERIFY(con.tabla.contains(QStringLiteral("Heating = 300 W; time from the first drop\n(the heat-up of the charge is not included)")));
        QVERIFY(con.documento.ends_with("<HEATING=300>\r\n<HEATING_UNIT=W>\r\n"));
        v.orden(QStringLiteral("accionVista0"));
        v.escribir(QStringLiteral("TxtCalor"), QString());
        QVERIFY(vistas(v) == antes);
    }

    // The box and its unit are reached with Tab and show their focus; the
    // unit is chosen with the keys. A power needs known compounds and says
    // what to give instead; a boil-up rate times any, without the heat.
    void elTecladoYLosMensajes()
    {
        prueba::Ventana v;
        QLineEdit* caja = v.caja(QStringLiteral("TxtCalor"));
        auto* unidad = v.hijo<QComboBox>(QStringLiteral("CmbUnidadCalor"));
        const QImage sinFoco = caja->grab().toImage();
        v.escribir(QStringLiteral("TxtCompA"), QStringLiteral("unobtainium"));
        v.escribir(QStringLiteral("TxtCalor"), QStringLiteral("2"));
        QVERIFY(caja->hasFocus() && caja->grab().toImage() != sinFoco);
        QTRY_VERIFY(v.mensaje().startsWith(QStringLiteral("ERROR: A heating power needs both components")));
        QTest::keyClick(caja, Qt::Key_Tab);
        QTRY_VERIFY(unidad->hasFocus());
        QTest::keyClick(unidad, Qt::Key_Down);
        QTest::keyClick(unidad, Qt::Key_Down);
        QCOMPARE(v.sim().textosCalefaccion().unidad, 2);  // mol/min
        v.esperarRefresco();
        QCOMPARE(v.mensaje(), QString());
        QVERIFY(v.contenido(0).contains(QStringLiteral("From 1st drop: ")));
        auto* lista = v.hijo<QListWidget>(QStringLiteral("LstTABLA"));
        QCOMPARE(lista->item(lista->count() - 1)->text(), QStringLiteral("Time from the first drop (min)"));
    }

    // Each stage starts its own clock: a second stage at 0 % has boiled for
    // no time, whatever the first took; the graph's time axis ends at the
    // stage's whole time.
    void cadaEtapaSuReloj()
    {
        prueba::Ventana v;
        v.sim().elegirNumEtapas(2);
        v.sim().editarCorte(1, QStringLiteral("50 %"));
        v.escribir(QStringLiteral("TxtCalor"), QStringLiteral("1"));
        v.esperarRefresco();
        QVERIFY(v.contenido(1).endsWith(QStringLiteral("\nFrom 1st drop: 0 min")));
        QVERIFY(!v.contenido(0).endsWith(QStringLiteral("\nFrom 1st drop: 0 min")));
        const ResultadoAvance r = calcularDatosAvance(v.sim(), 1, 6, 0);
        QVERIFY(r.dibujable);
        QVERIFY(r.datos.tituloX.startsWith(QStringLiteral("tmin: Time from the first drop (min); 1 W, heat-up not included")));
        QCOMPARE(r.datos.valores.front().x(), 0.0);
        QVERIFY(r.datos.valores.back().x() > 0 && r.datos.valores.back().x() < r.datos.xMax);
    }
};

QTEST_MAIN(TstCalefaccion)
#include "tst_calefaccion.moc"
