// The row of stills arranged over window widths and stage counts: a wider
// window shows more stills, nothing overlaps and everything lies inside the
// row, the stages go left to right with their progress controls under their
// still, and the next button keeps to the right edge; the arrows and the
// page keys move the row one still at a time to either end and no further.


#include "support/ventana.h"

using namespace quillon;

namespace {

QList<int> dibujosVisibles(prueba::Ventana& v)
{
    QList<int> l;
    for (int j = 0; j <= kMaxEtapas; ++j)
        if (v.dibujo(j)->isVisible()) l << j;
    return l;
}

}  // namespace

// A window's width, the stages chosen, and the pictures the row has room for.
struct Disposicion { int ancho, etapas, caben; };
Q_DECLARE_METATYPE(Disposicion)

class TstFilaEtapasDisposicion : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::Ventana> v;

    QRect donde(const QString& nombre, int i) const { return v->hijo(nombre + QString::number(i))->geometry(); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { v = std::make_unique<prueba::Ventana>(); }
    void cleanup() { v.reset(); }

    void desplazarLaFila_data()
    {
        QTest::addColumn<bool>("teclas");
        QTest::newRow("arrow buttons") << false;
        QTest::newRow("page keys") << true;
    }
    void desplazarLaFila()
    {
        QFETCH(bool, teclas);
        v->pulsar(QStringLiteral("OptETAP6"));
        QWidget* fila = v->hijo(QStringLiteral("filaEtapas"));
        auto paso = [&](bool siguiente) {
            if (teclas) QTest::keyClick(v->hijo(QStringLiteral("barraVistas")), siguiente ? Qt::Key_PageDown : Qt::Key_PageUp);
            else v->pulsar(siguiente ? QStringLiteral("botonSiguiente") : QStringLiteral("botonAnterior"));
        };
        // One step moves the row by one still.
        paso(true);
        QCOMPARE(dibujosVisibles(*v).first(), 1);
        for (bool siguiente : {true, false}) {
            for (int i = 0; i < kMaxEtapas; ++i) paso(siguiente);
            const QList<int> visibles = dibujosVisibles(*v);
            // One end reached: the receiver, or the first still, shows, and
            // one step more changes nothing.
            QVERIFY(visibles.contains(siguiente ? kMaxEtapas : 0));
            QVERIFY(visibles.size() < kMaxEtapas);
            QVERIFY(v->dibujo(visibles.last())->geometry().right() < fila->width());
            for (int j : visibles) QVERIFY(!v->contenido(j).isEmpty());
            paso(siguiente);
            QCOMPARE(dibujosVisibles(*v), visibles);
        }
    }

    void disposicion_data()
    {
        QTest::addColumn<Disposicion>("d");
        // A width below the narrowest window, the narrowest, widths just past
        // the room for one more still, and one wide enough for every stage.
        for (auto [ancho, caben] : {std::pair{500, 2}, {940, 2}, {1209, 3}, {1240, 3}, {1515, 4}, {1830, 5}, {2440, 7}})
            for (int n : {1, 3, 6}) QTest::addRow("%d px, %d stages", ancho, n) << Disposicion{ancho, n, caben};
    }
    void disposicion()
    {
        QFETCH(Disposicion, d);
        // Tall enough for the inputs not to scroll: their bar would take
        // its strip from the row.
        v->w().resize(d.ancho, 1100);
        v->pulsar(QStringLiteral("OptETAP%1").arg(d.etapas));
        v->esperarRefresco();
        QWidget* fila = v->hijo(QStringLiteral("filaEtapas"));

        // Each frame surrounds its text; everything else stands apart.
        QList<QWidget*> vistos;
        for (QWidget* w : fila->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->objectName().startsWith(QLatin1String("marco"))) vistos << w;
        for (qsizetype a = 0; a < vistos.size(); ++a) {
            QVERIFY2(fila->rect().contains(vistos[a]->geometry()), qPrintable(vistos[a]->objectName()));
            for (qsizetype b = a + 1; b < vistos.size(); ++b)
                QVERIFY2(!vistos[a]->geometry().intersects(vistos[b]->geometry()),
                         qPrintable(vistos[a]->objectName() + QLatin1Char('/') + vistos[b]->objectName()));
        }

        // The first pictures, as many as there is room for.
        const QList<int> dibujos = dibujosVisibles(*v);
        QCOMPARE(dibujos.size(), qMin(d.caben, d.etapas + 1));
        for (int k = 1; k < dibujos.size(); ++k) {
            QCOMPARE(dibujos[k], k);
            const QRect alambique = donde(QStringLiteral("dibujo"), k - 1);
            // Still, tube, next picture with its text before it, left to right.
            QCOMPARE(donde(QStringLiteral("tubo"), k).left(), alambique.right() + 1);
            QCOMPARE(donde(QStringLiteral("dibujo"), k).left(), donde(QStringLiteral("tubo"), k).right() + 1);
            QVERIFY(donde(QStringLiteral("contenido"), k).right() < donde(QStringLiteral("dibujo"), k).left());
            QVERIFY(donde(QStringLiteral("contenido"), k).left() > alambique.right());
            // The stage's percent box and slider under the right half of its still.
            for (const QString& control : {QStringLiteral("cajaAvance"), QStringLiteral("deslizador")}) {
                const QRect c = donde(control, k);
                QVERIFY(c.left() > alambique.center().x() && c.left() < alambique.right());
                QVERIFY(c.top() > alambique.bottom());
            }
        }
        QCOMPARE(v->hijo(QStringLiteral("botonSiguiente"))->x(), fila->width() - 100);
    }
};

QTEST_MAIN(TstFilaEtapasDisposicion)
#include "tst_fila_etapas_disposicion.moc"
