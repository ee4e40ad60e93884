// Predict VLE table on its own, as a person fills it: what it says for each
// cause it cannot or should not hand a table or an alpha over, the pressure
// that follows its unit, the swap it offers, and a completion list that lets
// the next click through.

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

#include "documents/form_prediccion.h"

using namespace quillon;

namespace {

void escribir(QWidget* caja, const QString& texto)
{
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(caja, texto);
}

}  // namespace

// Compounds, pressure (in atm) and points typed; the report's first line
// that counts, and which buttons it leaves usable.
struct Caso {
    QString a, b, presion, puntos, dice;
    bool ok, alfa, intercambio;
};
Q_DECLARE_METATYPE(Caso)

class TstFormPrediccion : public QObject {
    Q_OBJECT
private slots:
    void loQueDice_data()
    {
        QTest::addColumn<Caso>("c");
        QTest::newRow("an azeotrope: no alpha holds it")
            << Caso{"ethanol", "water", "1", "30", "No constant alpha describes a mixture with an azeotrope", true, true, false};
        QTest::newRow("B the more volatile: swap, no alpha")
            << Caso{"water", "ethanol", "1", "30", "B is the more volatile component over most of the range", true, false, true};
        QTest::newRow("frozen benzene")
            << Caso{"benzene", "toluene", "0.001", "30",
                    "Doubtful temperatures in the table: extrapolated, below the melting point.", true, true, false};
        QTest::newRow("two liquids")
            << Caso{"water", "benzene", "1", "30", "ERROR: The predicted x-y curve of water - benzene does not rise", false, false, false};
        QTest::newRow("the same compound")
            << Caso{"water", "Agua", "1", "30", "ERROR: A and B are the same compound (water)", false, false, false};
        QTest::newRow("unknown compound") << Caso{"benzene", "unobtainium", "1", "30", "ERROR: Unknown compound", false, false, false};
        QTest::newRow("pressure in its unit")
            << Caso{"benzene", "toluene", "200", "30", "ERROR: The pressure must be between 9.8692E-4 and 98.692 atm", false, false, false};
        QTest::newRow("10000 points, not 10")
            << Caso{"benzene", "toluene", "1", "10000", "ERROR: The number of points must be between 10 and 98", false, false, false};
    }
    void loQueDice()
    {
        QFETCH(Caso, c);
        FormPrediccion d(c.a, c.b, {c.presion.toStdString(), kAtmosferas, termo::Modelo::Unifac}, '.');
        d.show();
        auto* puntos = d.findChild<QSpinBox*>("cajaPuntos");
        escribir(puntos, c.puntos);
        QCOMPARE(puntos->text(), c.puntos);
        const QString informe = d.findChild<QLabel*>("informePrediccion")->text();
        QVERIFY2(informe.contains(c.dice), qPrintable(informe));
        QCOMPARE(d.findChild<QWidget*>("botonOk")->isEnabled(), c.ok);
        QCOMPARE(d.findChild<QWidget*>("botonUsarAlfa")->isEnabled(), c.alfa);
        QCOMPARE(d.findChild<QWidget*>("botonIntercambiar")->isVisible(), c.intercambio);
        if (!c.intercambio) return;
        QTest::mouseClick(d.findChild<QWidget*>("botonIntercambiar"), Qt::LeftButton);
        QCOMPARE(d.nombreA(), c.b);
        QCOMPARE(d.nombreB(), c.a);
        QVERIFY(d.findChild<QWidget*>("botonUsarAlfa")->isEnabled());
        QVERIFY(!d.findChild<QWidget*>("botonIntercambiar")->isVisible());
    }

    // The same pressure in each unit chosen in turn with the keyboard (six
    // significant digits: a millimetre of mercury is not exactly 1/760 atm);
    // a text that is no number stays.
    void laPresionSigueASuUnidad()
    {
        FormPrediccion d("benzene", "toluene", {"1", kAtmosferas, termo::Modelo::Ideal}, '.');
        d.show();
        auto* unidades = d.findChild<QComboBox*>("listaUnidadesPresion");
        auto* presion = d.findChild<QLineEdit*>("cajaPresion");
        unidades->setFocus();
        for (auto [tecla, queda] : {std::pair{Qt::Key_Up, "101.325"}, {Qt::Key_Down, "1"}, {Qt::Key_Down, "1.01325"},
                                    {Qt::Key_Down, "760"}}) {
            QTest::keyClick(unidades, tecla);
            QCOMPARE(presion->text(), QString::fromLatin1(queda));
            QVERIFY(qAbs(presionEnPascales(d.condiciones()) - 101325) <= 0.5);
        }
        escribir(presion, "abc");
        QTest::keyClick(unidades, Qt::Key_Up);
        QCOMPARE(presion->text(), QStringLiteral("abc"));
    }

    // The list opened by typing closes at a click on Cancel, and Cancel still
    // cancels. The click comes through the window, as a real one does, where
    // the open list sees it first.
    void laListaDejaPasarElClic()
    {
        FormPrediccion d("", "toluene", {}, '.');
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* a = d.findChild<QLineEdit*>("cajaCompuestoA");
        escribir(a, "eth");
        QTRY_VERIFY(a->completer()->popup()->isVisible());
        QWidget* cancelar = d.findChild<QWidget*>("botonCancelar");
        QTest::mouseClick(d.windowHandle(), Qt::LeftButton, {}, cancelar->mapTo(&d, cancelar->rect().center()));
        QVERIFY(!a->completer()->popup()->isVisible());
        QVERIFY(!d.isVisible());
        QCOMPARE(d.resultado(), FormPrediccion::Resultado::Cancelada);
    }
};

QTEST_MAIN(TstFormPrediccion)
#include "tst_form_prediccion.moc"
