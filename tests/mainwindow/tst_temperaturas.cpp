// Temperatures and predicted equilibrium through the window: the Predict VLE
// table dialog as a person uses it, and the still's boiling point with its
// doubts.

#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "documents/form_prediccion.h"
#include "formats/documento.h"
#include "model/termo.h"
#include "support/sistema.h"
#include "support/ventana.h"

using namespace quillon;

namespace {

// Answers the Predict VLE table dialog: `rellenar` sets its controls, then
// `boton` is pressed; `informe` gets what the dialog said.
void responderPrediccion(std::function<void(FormPrediccion&)> rellenar, QString boton, QString* informe)
{
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<FormPrediccion*>(QApplication::activeModalWidget());
        QVERIFY(d);
        rellenar(*d);
        *informe = d->findChild<QLabel*>(QStringLiteral("informePrediccion"))->text();
        QWidget* b = d->findChild<QWidget*>(boton);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        if (d->isVisible()) d->reject();  // a button that did nothing
    });
}

void escribirEn(FormPrediccion& d, const char* caja, const QString& texto)
{
    auto* c = d.findChild<QLineEdit*>(QString::fromLatin1(caja));
    c->selectAll();
    QTest::keyClicks(c, texto);
}

}  // namespace

// A still typed (names, pressure in kPa or none, charge and cut), the end of
// its text after the boiling point's number ("" for no boiling point) and
// whether the thermometer reads.
struct Alambique { QString a, b, kPa, masa, corte, texto; bool termometro; };
Q_DECLARE_METATYPE(Alambique)

class TstTemperaturas : public QObject {
    Q_OBJECT
private slots:
    void laTablaPredichaEntraComoLaDelEditor()
    {
        prueba::Ventana v;
        QString informe;
        responderPrediccion([](FormPrediccion& d) {
            escribirEn(d, "cajaCompuestoA", QStringLiteral("ethanol"));
            escribirEn(d, "cajaCompuestoB", QStringLiteral("Agua"));
            d.findChild<QSpinBox*>(QStringLiteral("cajaPuntos"))->setValue(40);
        }, QStringLiteral("botonOk"), &informe);
        v.orden(QStringLiteral("accionPredecirTabla"));
        // Ethanol-water boils lowest near x = 0.89, at about 78 °C.
        QVERIFY2(informe.contains(QRegularExpression(QStringLiteral("Azeotrope: x = 0\\.8[89]\\d* at 7[78]\\.\\d+ °C, minimum-boiling"))),
                 qPrintable(informe));
        QVERIFY(v.sim().modoTabla());
        QVERIFY(v.hijo<QRadioButton>(QStringLiteral("OptTAB"))->isChecked());
        QCOMPARE(v.sim().tablaELV().ultPunto, 40 + 1);
        QCOMPARE(v.caja(QStringLiteral("TxtCompB"))->text(), QStringLiteral("Agua"));
        QCOMPARE(v.caja(QStringLiteral("TxtMMB"))->text(), QStringLiteral("18.01528"));
        QVERIFY(v.sim().modificado());
        // The pressure and the model go with the document.
        const std::string documento = EscribirBdf(v.sim().documento());
        QVERIFY(documento.ends_with("]]\r\n<PRESSURE=1>\r\n<PRESSURE_UNIT=atm>\r\n<MODEL=UNIFAC>\r\n"));
    }

    void laAlfaAjustadaEntraEnLugarDeLaTabla()
    {
        prueba::Ventana v;
        QString informe;
        responderPrediccion([](FormPrediccion& d) { d.findChild<QRadioButton*>(QStringLiteral("opcionIdeal"))->click(); },
                            QStringLiteral("botonUsarAlfa"), &informe);
        v.orden(QStringLiteral("accionPredecirTabla"));
        QVERIFY(informe.contains(QStringLiteral("No azeotrope")));
        QVERIFY(!v.sim().modoTabla());
        // Benzene and toluene are close to ideal with alpha about 2.4.
        const double alfa = v.caja(QStringLiteral("TxtAlfa"))->text().toDouble();
        QVERIFY2(alfa > 2.2 && alfa < 2.7, qPrintable(v.caja(QStringLiteral("TxtAlfa"))->text()));
        QVERIFY(informe.contains(v.caja(QStringLiteral("TxtAlfa"))->text()));
    }

    // A flagged temperature says so, each flag on a line that fits the box,
    // and the thermometer shows no reading; a still holding nothing, or of a
    // compound the program does not know, shows neither.
    void elAlambiqueDiceSusDudas_data()
    {
        QTest::addColumn<Alambique>("c");
        QTest::newRow("two liquids") << Alambique{"water", "benzene", "", "500", "0", " °C\n  (two liquid phases)", false};
        QTest::newRow("0.1 kPa") << Alambique{"benzene", "toluene", "0.1", "500", "0",
                                              " °C\n  (extrapolated)\n  (below the melting point)", false};
        QTest::newRow("5 MPa") << Alambique{"benzene", "toluene", "5000", "500", "0",
                                            " °C\n  (extrapolated)\n  (above the critical point)", false};
        QTest::newRow("all distilled") << Alambique{"benzene", "toluene", "", "500", "100", "", false};
        QTest::newRow("no charge") << Alambique{"benzene", "toluene", "", "0", "0", "", false};
        QTest::newRow("within every limit") << Alambique{"benzene", "toluene", "", "500", "40", " °C", true};
        QTest::newRow("an unknown name") << Alambique{"unobtainium", "toluene", "", "500", "40", "", false};
    }
    void elAlambiqueDiceSusDudas()
    {
        QFETCH(Alambique, c);
        prueba::Ventana v;
        v.escribir(QStringLiteral("TxtCompA"), c.a);
        v.escribir(QStringLiteral("TxtCompB"), c.b);
        v.escribir(QStringLiteral("TxtMasa0"), c.masa);
        if (!c.kPa.isEmpty()) v.sim().fijarCondiciones({c.kPa.toStdString(), 0, termo::Modelo::Unifac});
        v.esperarRefresco();
        v.escribir(QStringLiteral("cajaAvance1"), c.corte);
        const QString texto = v.contenido(0);
        const QRegularExpression ebullicion(QStringLiteral("\nBoiling point: -?\\d+(\\.\\d+)?") +
                                            QRegularExpression::escape(c.texto) + QStringLiteral("$"));
        if (c.texto.isEmpty()) QVERIFY2(!texto.contains(QStringLiteral("Boiling")), qPrintable(texto));
        else QVERIFY2(texto.contains(ebullicion), qPrintable(texto));
        QCOMPARE(v.dibujo(0)->termometro().has_value(), c.termometro);
        auto* caja = v.hijo<QPlainTextEdit>(QStringLiteral("contenido0"));
        for (const QString& linea : texto.split(QLatin1Char('\n')))
            QVERIFY2(caja->fontMetrics().horizontalAdvance(linea) < caja->viewport()->width(), qPrintable(linea));
        // The table view offers the still's temperature with known compounds only.
        v.orden(QStringLiteral("accionVista3"));
        auto* lista = v.hijo<QListWidget>(QStringLiteral("LstTABLA"));
        QCOMPARE(lista->count(), c.a == QLatin1String("unobtainium") ? 23 : 25);
        lista->item(23 % lista->count())->setCheckState(Qt::Checked);
        QCOMPARE(v.hijo<QPlainTextEdit>(QStringLiteral("TxtXAvan"))->toPlainText().contains(
                     QStringLiteral(" TBs = Boiling temperature of liquid in still pot (°C; UNIFAC, ")),
                 lista->count() == 25);
    }

    // The ethanol-water example's hand-typed table no longer puts its
    // temperatures on Raoult's law (96.8 °C): its charge boils where UNIFAC
    // puts it, 85.8 °C (about 86 °C measured), with nothing to flag.
    void elEjemploHierveComoPrediceUnifac()
    {
        prueba::Ventana v;
        v.w().abrirDocumento(QFINDTESTDATA("../../examples/ethanol-water-1atm.bdf"));
        v.esperarRefresco();
        v.escribir(QStringLiteral("cajaAvance1"), QStringLiteral("0"));
        const double T = prueba::sistema("ethanol", "water").burbuja(0.1).T - kCeroCelsius;
        QVERIFY2(v.contenido(0).endsWith(QStringLiteral("\n\nBoiling point: 85.78 °C")), qPrintable(v.contenido(0)));
        QCOMPARE(*v.dibujo(0)->termometro(), T);
    }
};

QTEST_MAIN(TstTemperaturas)
#include "tst_temperaturas.moc"
