// The progress graph and its side panel: drawing for the ticked items, the
// input messages, the single-tick rule of the two lists and the timer that
// keeps it, the stage options and the Copy button.
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QtTest>

#include "graphs/entorno_graficos.h"
#include "graphs/grafico_avance.h"
#include "graphs/panel_avance.h"
#include "graphs/pintar_avance.h"
#include "platform/boton_imagen.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

QPoint centroDeCasilla(QListWidget* lista, int fila)
{
    QStyleOptionViewItem opt;
    opt.initFrom(lista);
    opt.rect = lista->visualItemRect(lista->item(fila));
    opt.features |= QStyleOptionViewItem::HasCheckIndicator;
    return lista->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, lista).center();
}

QPoint centroDelNombre(QListWidget* lista, int fila) { return lista->visualItemRect(lista->item(fila)).center() + QPoint(40, 0); }

QList<int> marcadas(QListWidget* lista)
{
    QList<int> m;
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->checkState() == Qt::Checked) m << i;
    return m;
}

QList<int> datos(QListWidget* lista)
{
    QList<int> d;
    for (int i = 0; i < lista->count(); ++i) d << lista->item(i)->data(Qt::UserRole).toInt();
    return d;
}

bool todoBlanco(const QImage& im) { return pixelesDeColor(im, Qt::white, 0) == im.width() * im.height(); }

}  // namespace

class TstGraficoAvance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dibujo();
    void mensajesDeEntrada_data();
    void mensajesDeEntrada();
    void sinElementoMarcado();
    void segundaEtapa();
    void marcaUnica();
    void apagador();
    void opcionesDeEtapa();
    void copiar();

private:
    EntornoGraficos* entorno_ = nullptr;
    PanelAvance* panel_ = nullptr;
    GraficoAvance* grafico_ = nullptr;
};

void TstGraficoAvance::init()
{
    QLocale::setDefault(QLocale::c());
    entorno_ = new EntornoGraficos;
    panel_ = new PanelAvance(entorno_->estado);
    panel_->move(0, 0);
    grafico_ = new GraficoAvance(entorno_->estado, *panel_);
    grafico_->resize(650, 600);
    panel_->show();
    grafico_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_));
    QVERIFY(QTest::qWaitForWindowExposed(grafico_));
}

void TstGraficoAvance::cleanup()
{
    delete grafico_;
    delete panel_;
    delete entorno_;
}

void TstGraficoAvance::dibujo()
{
    entorno_->mensaje = QStringLiteral("old");
    panel_->LstEjeY->item(3)->setCheckState(Qt::Checked);  // Mole fraction of A in still pot
    QCOMPARE(panel_->itemY(), 3);
    grafico_->Dibujar_XAV();
    QCOMPARE(entorno_->mensaje, QString());
    const QImage im = grafico_->grab().toImage();
    guardarCaptura(im, QStringLiteral("avance_xas"));
    guardarCaptura(panel_->grab().toImage(), QStringLiteral("panel_avance"));
    QVERIFY(pixelesDeColor(im, kColorCurvaAvance, 30) > 300);
    QVERIFY(pixelesDeColor(im, kColorRejillaAvance, 5) > 1000);
    // The axes meet at (2 tw, H - 2 th) for the sample "Bqyd".
    const QFontMetricsF m(QFont(QStringLiteral("Arial"), 9), &im);
    const QPoint origen(qRound(2 * m.horizontalAdvance(QStringLiteral("Bqyd"))), qRound(600 - 2 * m.height()));
    QCOMPARE(pixelesDeColor(im.copy(QRect(origen - QPoint(1, 1), QSize(3, 3))), kColorEjesAvance, 10) > 3, true);
    QVERIFY(!grafico_->LblCOOR_XAV->isVisible());
    QVERIFY(!grafico_->ShaCURSOR->isVisible());
    QVERIFY(grafico_->ShaCURSOR->x() < 0);

    // Mass of A in the still, against the mass left in it.
    panel_->LstEjeY->item(8)->setCheckState(Qt::Checked);
    panel_->LstEJEX->item(4)->setCheckState(Qt::Checked);
    grafico_->Dibujar_XAV();
    guardarCaptura(grafico_->grab().toImage(), QStringLiteral("avance_mas_tms"));
    QVERIFY(pixelesDeColor(grafico_->grab().toImage(), kColorCurvaAvance, 30) > 300);
}

void TstGraficoAvance::mensajesDeEntrada_data()
{
    QTest::addColumn<QString>("caja");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("molar mass") << "mma" << "0" << "ERROR: Molar mass is not valid";
    QTest::newRow("mass zero") << "masa" << "0" << "ERROR: Initial mass is not valid";
    QTest::newRow("mass unreadable") << "masa" << "" << "ERROR: Initial mass is not valid";
    QTest::newRow("x0 above 1") << "x0" << "1.5" << "ERROR: The initial mole fraction is not valid";
    QTest::newRow("alpha 1") << "alfa" << "1" << "ERROR: Relative volatility is out of range";
}

void TstGraficoAvance::mensajesDeEntrada()
{
    QFETCH(QString, caja);
    QFETCH(QString, texto);
    QFETCH(QString, mensaje);
    grafico_->Dibujar_XAV();
    QVERIFY(!todoBlanco(grafico_->imagen()));
    QString* cajas[] = {&entorno_->mma, &entorno_->masa, &entorno_->x0, &entorno_->alfa};
    const QStringList nombres{"mma", "masa", "x0", "alfa"};
    *cajas[nombres.indexOf(caja)] = texto;
    grafico_->Dibujar_XAV();
    QCOMPARE(entorno_->mensaje, mensaje);
    QVERIFY(todoBlanco(grafico_->imagen()));
}

void TstGraficoAvance::sinElementoMarcado()
{
    QListWidget* y = panel_->LstEjeY;
    QTest::mouseClick(y->viewport(), Qt::LeftButton, {}, centroDeCasilla(y, 0));
    QCOMPARE(panel_->itemY(), -1);
    grafico_->Dibujar_XAV();
    QVERIFY(todoBlanco(grafico_->imagen()));
    QCOMPARE(entorno_->mensaje, QString());
    // Ticking an item changes nothing until the next drawing.
    QTest::mouseClick(y->viewport(), Qt::LeftButton, {}, centroDeCasilla(y, 2));
    QVERIFY(todoBlanco(grafico_->imagen()));
    grafico_->Dibujar_XAV();
    QVERIFY(!todoBlanco(grafico_->imagen()));
}

void TstGraficoAvance::segundaEtapa()
{
    // The stage row sets the charge of stage 2 when it cuts stage 1.
    EstadoVentana& e = entorno_->estado;
    calcularEtapa(e.cadena, e.modelo(2.5), e.leerEntradas(), entorno_->cortes, 1);
    panel_->mostrarEtapas(2);
    panel_->OptETAXAV[2]->setChecked(true);
    QCOMPARE(panel_->etapa(), 2);
    QVERIFY(!e.cadena.calculada(2));
    grafico_->Dibujar_XAV();
    QVERIFY(e.cadena.calculada(2));
    QVERIFY(pixelesDeColor(grafico_->imagen(), kColorCurvaAvance, 30) > 300);
}

void TstGraficoAvance::marcaUnica()
{
    QListWidget* y = panel_->LstEjeY;
    QCOMPARE(marcadas(y), QList<int>{0});
    QCOMPARE(datos(y).count(1), 1);
    // Ticking another item's box leaves that one alone ticked.
    QTest::mouseClick(y->viewport(), Qt::LeftButton, {}, centroDeCasilla(y, 4));
    QCOMPARE(marcadas(y), QList<int>{4});
    QCOMPARE(datos(y).indexOf(1), 4);
    QCOMPARE(datos(y).count(1), 1);
    // A click on a name ticks it as well.
    QTest::mouseClick(y->viewport(), Qt::LeftButton, {}, centroDelNombre(y, 6));
    QCOMPARE(marcadas(y), QList<int>{6});
    QCOMPARE(datos(y).indexOf(1), 6);
    // A click on the name of the ticked item keeps it; its box unticks it.
    QTest::mouseClick(y->viewport(), Qt::LeftButton, {}, centroDelNombre(y, 6));
    QCOMPARE(marcadas(y), QList<int>{6});
    QTest::mouseClick(y->viewport(), Qt::LeftButton, {}, centroDeCasilla(y, 6));
    QCOMPARE(marcadas(y), QList<int>{});
    QCOMPARE(datos(y).count(1), 0);
    QCOMPARE(panel_->itemY(), -1);
    // The horizontal list follows the same rule on its own.
    QListWidget* x = panel_->LstEJEX;
    QTest::mouseClick(x->viewport(), Qt::LeftButton, {}, centroDeCasilla(x, 5));
    QCOMPARE(marcadas(x), QList<int>{5});
    QCOMPARE(panel_->itemX(), 5);
    QCOMPARE(marcadas(y), QList<int>{});
}

void TstGraficoAvance::apagador()
{
    QListWidget* y = panel_->LstEjeY;
    QVERIFY(panel_->TimerAPAGADOR->isActive());
    QCOMPARE(panel_->TimerAPAGADOR->interval(), 400);
    {
        // Ticks the program sets itself are not corrected by the rule...
        Escribiendo guarda(entorno_->estado);
        y->item(9)->setCheckState(Qt::Checked);
        y->item(12)->setCheckState(Qt::Checked);
    }
    QCOMPARE(marcadas(y), (QList<int>{0, 9, 12}));
    // ...but the timer keeps the first one only.
    QTRY_COMPARE(marcadas(y), QList<int>{0});

    QTest::mousePress(y->viewport(), Qt::LeftButton, {}, centroDelNombre(y, 1));
    QVERIFY(!panel_->TimerAPAGADOR->isActive());
    QTest::mouseRelease(y->viewport(), Qt::LeftButton, {}, centroDelNombre(y, 1));
    QVERIFY(panel_->TimerAPAGADOR->isActive());
    panel_->activarApagador(false);
    QVERIFY(!panel_->TimerAPAGADOR->isActive());
}

void TstGraficoAvance::opcionesDeEtapa()
{
    QSignalSpy elegidas(panel_, &PanelAvance::etapaElegida);
    panel_->mostrarEtapas(3);
    for (int j = 1; j <= 6; ++j) QCOMPARE(panel_->OptETAXAV[std::size_t(j)]->isVisible(), j <= 3);
    QCOMPARE(panel_->etapa(), 1);
    QCOMPARE(elegidas.count(), 0);
    QTest::mouseClick(panel_->OptETAXAV[3], Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(panel_->etapa(), 3);
    QCOMPARE(elegidas.count(), 1);
    QCOMPARE(elegidas.at(0).at(0).toInt(), 3);
    // Silent while the program writes into the controls.
    entorno_->estado.escribiendoTexto = true;
    QTest::mouseClick(panel_->OptETAXAV[2], Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(panel_->etapa(), 2);
    QCOMPARE(elegidas.count(), 1);
}

void TstGraficoAvance::copiar()
{
    QSignalSpy copias(panel_, &PanelAvance::copiar);
    QCOMPARE(panel_->LabelB6->pos(), QPoint(145, 480));
    QCOMPARE(panel_->LabelB6->texto(), QStringLiteral("Copy"));
    QTest::mouseClick(panel_->LabelB6, Qt::LeftButton);
    QCOMPARE(copias.count(), 1);
}

QTEST_MAIN(TstGraficoAvance)
#include "tst_grafico_avance.moc"
