// The simulation's announcement: every change of one turn of the event loop
// told once, after the turn, with all it holds.

#include <QSignalSpy>
#include <QTest>

#include "simulacion/simulacion.h"

using namespace quillon;

Q_DECLARE_METATYPE(quillon::Cambios)

class TstSimulacion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<Cambios>(); }

    void unaVueltaUnAnuncio()
    {
        Simulacion sim;
        QSignalSpy anuncios(&sim, &Simulacion::cambiado);
        sim.editar(Entrada::Alfa, QStringLiteral("3"));
        sim.elegirUnidad(1);
        sim.editarCorte(4, QStringLiteral("30"), false);
        sim.editarCorte(2, QStringLiteral("50"), true);
        sim.editarCorte(5, QStringLiteral("70"), false);
        QCOMPARE(anuncios.count(), 0);  // nothing before the turn ends
        QVERIFY(anuncios.wait(1000));
        QCOMPARE(anuncios.count(), 1);
        const auto c = anuncios.takeFirst().at(0).value<Cambios>();
        QCOMPARE(c.que, unsigned(Cambios::Entradas | Cambios::Equilibrio | Cambios::Unidad | Cambios::Cortes));
        // The stills are drawn again from the first cut moved, whole.
        QCOMPARE(c.corteDesde, 2);
        QVERIFY(c.corteFinal);
        // Then the deferred refresh, a quarter of a second after the edit.
        QVERIFY(anuncios.wait(1000));
        QCOMPARE(anuncios.takeFirst().at(0).value<Cambios>().que, unsigned(Cambios::Refresco));
    }
};

QTEST_MAIN(TstSimulacion)
#include "tst_simulacion.moc"
