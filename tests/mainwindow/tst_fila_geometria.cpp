// The row's arrangement as a user sees it, over window widths and stage
// counts: a wider window shows more stills, nothing overlaps and everything
// lies inside the row, the stages go left to right with their progress
// controls under their still, and the next button keeps to the right edge.

#include <QRadioButton>

#include "support/ventana.h"

using namespace quillon;

class TstFilaGeometria : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::Ventana> v;

    QRect donde(const QString& nombre, int i) const { return v->hijo(nombre + QString::number(i))->geometry(); }
    bool visible(const QString& nombre, int i) const { return v->hijo(nombre + QString::number(i))->isVisible(); }

private slots:
    void init() { v = std::make_unique<prueba::Ventana>(); }
    void cleanup() { v.reset(); }

    void disposicion_data()
    {
        QTest::addColumn<int>("ancho");
        QTest::addColumn<int>("etapas");
        QTest::addColumn<int>("caben");  // the pictures the row has room for
        // A width below the narrowest window, the narrowest, widths just past
        // the room for one more still, and one wide enough for every stage.
        for (auto [ancho, caben] : {std::pair{500, 2}, {940, 2}, {1209, 3}, {1240, 3}, {1515, 4}, {1830, 5}, {2440, 7}})
            for (int etapas : {1, 3, 6}) QTest::addRow("%d px, %d stages", ancho, etapas) << ancho << etapas << caben;
    }
    void disposicion()
    {
        QFETCH(int, ancho);
        QFETCH(int, etapas);
        QFETCH(int, caben);
        v->w().resize(ancho, 700);
        v->hijo<QRadioButton>(QStringLiteral("OptETAP%1").arg(etapas))->click();
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

        int dibujos = 0;
        for (int j = 0; j <= kMaxEtapas; ++j) dibujos += visible(QStringLiteral("dibujo"), j);
        QCOMPARE(dibujos, qMin(caben, etapas + 1));
        QVERIFY(visible(QStringLiteral("dibujo"), 0));
        for (int k = 1; k < dibujos; ++k) {
            QVERIFY(visible(QStringLiteral("dibujo"), k));
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

QTEST_MAIN(TstFilaGeometria)
#include "tst_fila_geometria.moc"
