// The stage row driven through its real widgets: percent boxes typed into,
// sliders dragged, arrow buttons clicked; the stills read back from their
// pixels.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "mainwindow/fila_etapas.h"
#include "mainwindow/fila_etapas_dibujo.h"
#include "platform/boton_imagen.h"

using namespace quillon;

namespace {

// The still's axis, and the receiver's: nothing of the glass covers them.
constexpr int kEjeAlambique = 71;
constexpr int kEjeReceptor = 72;

// A row with its own window state; the inputs are benzene and toluene.
struct Banco {
    EstadoVentana estado;
    Entradas entradas;
    QString mensaje;
    std::unique_ptr<FilaEtapas> fila;

    explicit Banco(int numEtapas, int ancho = 1000)
    {
        entradas.mma = 78.11;
        entradas.mmb = 92.14;
        entradas.alfa = 2.5;
        entradas.x0 = 0.5;
        entradas.m0 = 100;
        estado.numEtapas = entradas.numEtapas = numEtapas;
        estado.leerEntradas = [this] { return entradas; };
        estado.mensaje = [this](const QString& t) { mensaje = t; };
        fila = std::make_unique<FilaEtapas>(estado);
        fila->resize(ancho, 600);
        fila->show();
        fila->fijarEsquemaColor(3);
    }
    // Puts the cuts in the boxes, then refreshes the row as the window does.
    void cortes(std::initializer_list<const char*> textos)
    {
        int k = 1;
        for (const char* t : textos) fila->escribirAvance(k++, QString::fromLatin1(t));
        fila->Actualizar();
        estado.modificado = false;
    }
    DibujoEtapa* dibujo(int j) const { return fila->dibujo(j); }
};

// Pixels of column x of a picture holding exactly this colour.
int filasDeColor(QWidget* w, int x, const QColor& color)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y) n += QColor(img.pixel(x, y)) == color;
    return n;
}

int filasLiquidas(DibujoEtapa* d, int x) { return filasDeColor(d, x, d->colorLiquido()); }

QColor colorDe(int esquema, double x)
{
    const ColorRGB c = colorLiquido(esquemasLiquido()[static_cast<std::size_t>(esquema)].color, x);
    return QColor(c.r, c.g, c.b);
}

QString primeraLinea(QPlainTextEdit* t) { return t->toPlainText().section(QLatin1Char('\n'), 0, 0); }

// Replaces the whole text of a percent box at once, as a paste would.
void pegar(QLineEdit* caja, const QString& texto)
{
    caja->selectAll();
    caja->insert(texto);
}

}  // namespace

class TstFilaEtapas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void unaEtapa_data();
    void unaEtapa();
    void dosEtapasAlCincuenta_data();
    void dosEtapasAlCincuenta();
    void coloresDeLosExtremos_data();
    void coloresDeLosExtremos();
    void avanceConDecimales();
    void textoNoValidoIgnorado_data();
    void textoNoValidoIgnorado();
    void corteAnteriorNoValidoAcotado_data();
    void corteAnteriorNoValidoAcotado();
    void arrastreSoloSuEtapa();
    void desplazamientoLimitado();
    void entradasNoValidas_data();
    void entradasNoValidas();
    void fondoDelReceptor();
    void focoSeleccionaTodo();
};

void TstFilaEtapas::unaEtapa_data()
{
    QTest::addColumn<QString>("corte");
    QTest::addColumn<int>("filasAlambique");
    QTest::addColumn<int>("filasReceptor");
    QTest::addColumn<QString>("alambique");
    QTest::addColumn<QString>("receptor");
    QTest::newRow("progress 0") << "0 %" << 120 << 0 << "Total mass: 100 g" << "Total mass: 0 g";
    QTest::newRow("progress 100") << "100 %" << 0 << 130 << "Total mass: 0 g" << "Total mass: 100 g";
}

void TstFilaEtapas::unaEtapa()
{
    QFETCH(QString, corte);
    Banco b(1);
    b.cortes({qPrintable(corte)});
    QCOMPARE(b.mensaje, QString());
    QTEST(filasLiquidas(b.dibujo(0), kEjeAlambique), "filasAlambique");
    QTEST(filasLiquidas(b.dibujo(1), kEjeReceptor), "filasReceptor");
    QTEST(primeraLinea(b.fila->textoDibujo(0)), "alambique");
    QTEST(primeraLinea(b.fila->textoDibujo(1)), "receptor");
    // Before any distillation the still holds the charge's composition.
    QFETCH(int, filasAlambique);
    QCOMPARE(filasDeColor(b.dibujo(0), kEjeAlambique, colorDe(3, 0.5)), filasAlambique);
}

void TstFilaEtapas::dosEtapasAlCincuenta_data()
{
    QTest::addColumn<int>("p2");
    for (int p2 : {0, 30, 50, 100}) QTest::addRow("stage 2 at %d", p2) << p2;
}

void TstFilaEtapas::dosEtapasAlCincuenta()
{
    QFETCH(int, p2);
    Banco b(2, 1300);
    b.cortes({"50 %", qPrintable(QString::number(p2) + " %")});
    QCOMPARE(filasLiquidas(b.dibujo(0), kEjeAlambique), 60);
    // The second still starts with half of the charge.
    QCOMPARE(filasLiquidas(b.dibujo(1), kEjeAlambique), int((100 - p2) * 0.6 + 0.5));
    QCOMPARE(filasLiquidas(b.dibujo(2), kEjeReceptor), int(0.5 * 1.3 * p2 + 0.5));
    QCOMPARE(primeraLinea(b.fila->textoDibujo(1)), QStringLiteral("Total mass: %1 g").arg(50 - p2 / 2.0));
}

void TstFilaEtapas::coloresDeLosExtremos_data()
{
    QTest::addColumn<int>("esquema");
    QTest::addColumn<double>("x0");
    for (int i = 0; i < kNumEsquemas; ++i)
        for (double x : {0.0, 1.0}) QTest::addRow("scheme %d, x = %g", i, x) << i << x;
}

void TstFilaEtapas::coloresDeLosExtremos()
{
    QFETCH(int, esquema);
    QFETCH(double, x0);
    Banco b(1);
    b.entradas.x0 = x0;
    b.estado.cadena.invalidar();  // as the composition box's change handler does
    b.cortes({"0 %"});
    b.fila->fijarEsquemaColor(esquema);
    const EsquemaColor& c = esquemasLiquido()[static_cast<std::size_t>(esquema)].color;
    const int i = x0 == 0 ? 0 : 3;
    const QColor esperado(int(c[i]), int(c[i + 1]), int(c[i + 2]));
    QCOMPARE(b.dibujo(0)->grab().toImage().pixelColor(kEjeAlambique, 300), esperado);
    QCOMPARE(filasDeColor(b.dibujo(0), kEjeAlambique, esperado), 120);
}

void TstFilaEtapas::avanceConDecimales()
{
    Banco b(1);
    b.cortes({"40 %"});
    QLineEdit* caja = b.fila->cajaAvance(1);
    caja->selectAll();
    QTest::keyClicks(caja, "12.5");
    QCOMPARE(b.fila->deslizador(1)->value(), 12);
    QCOMPARE(filasLiquidas(b.dibujo(0), kEjeAlambique), 105);  // Int(87.5 * 1.2 + 0.5)
    QCOMPARE(primeraLinea(b.fila->textoDibujo(0)), QStringLiteral("Total mass: 87.5 g"));
    QCOMPARE(primeraLinea(b.fila->textoDibujo(1)), QStringLiteral("Total mass: 12.5 g"));
    QCOMPARE(b.fila->cortes()[0], 12.5);
    QVERIFY(b.estado.modificado);
}

void TstFilaEtapas::textoNoValidoIgnorado_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("letters") << "abc";
    QTest::newRow("above 100") << "150";
    QTest::newRow("negative") << "-5 %";
    QTest::newRow("empty") << "";
}

void TstFilaEtapas::textoNoValidoIgnorado()
{
    QFETCH(QString, texto);
    Banco b(1);
    b.cortes({"40 %"});
    pegar(b.fila->cajaAvance(1), texto);
    QCOMPARE(b.fila->cajaAvance(1)->text(), texto);
    QCOMPARE(b.fila->deslizador(1)->value(), 40);
    QCOMPARE(filasLiquidas(b.dibujo(0), kEjeAlambique), 72);
    QVERIFY(!b.estado.modificado);
    // A refresh draws the stage at its slider's value.
    b.fila->Actualizar();
    QCOMPARE(filasLiquidas(b.dibujo(0), kEjeAlambique), 72);
    QCOMPARE(primeraLinea(b.fila->textoDibujo(0)), QStringLiteral("Total mass: 60 g"));
}

void TstFilaEtapas::corteAnteriorNoValidoAcotado_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("letters") << "abc";
    QTest::newRow("huge") << "1e300";
    QTest::newRow("above 100") << "250";
    QTest::newRow("negative") << "-20";
}

void TstFilaEtapas::corteAnteriorNoValidoAcotado()
{
    QFETCH(QString, texto);
    Banco b(2, 1300);
    b.cortes({"50 %", "0 %"});
    pegar(b.fila->cajaAvance(1), texto);
    b.fila->Actualizar();
    // Stage 1's cut falls back to its slider: stage 2 gets half the charge.
    QCOMPARE(b.fila->cortes()[0], 50.0);
    QCOMPARE(b.mensaje, QString());
    QCOMPARE(filasLiquidas(b.dibujo(1), kEjeAlambique), 60);
    QCOMPARE(primeraLinea(b.fila->textoDibujo(1)), QStringLiteral("Total mass: 50 g"));
    QCOMPARE(filasLiquidas(b.dibujo(2), kEjeReceptor), 0);
}

void TstFilaEtapas::arrastreSoloSuEtapa()
{
    Banco b(2, 1300);
    b.cortes({"50 %", "50 %"});
    QScrollBar* s = b.fila->deslizador(1);
    const int antes2 = filasLiquidas(b.dibujo(1), kEjeAlambique);
    const int antesReceptor = filasLiquidas(b.dibujo(2), kEjeReceptor);
    // The thumb sits in the middle at 50 %.
    const QPoint pulgar(s->width() / 2, s->height() / 2);
    QTest::mousePress(s, Qt::LeftButton, {}, pulgar);
    QVERIFY(s->isSliderDown());
    QTest::mouseMove(s, pulgar + QPoint(60, 0));
    QVERIFY(s->value() > 50);
    const QString arrastrado = QString::number(s->value()) + QStringLiteral(" %");
    QCOMPARE(b.fila->cajaAvance(1)->text(), arrastrado);
    QCOMPARE(filasLiquidas(b.dibujo(0), kEjeAlambique), int((100 - s->value()) * 1.2 + 0.5));
    QCOMPARE(filasLiquidas(b.dibujo(1), kEjeAlambique), antes2);
    QCOMPARE(filasLiquidas(b.dibujo(2), kEjeReceptor), antesReceptor);
    QVERIFY(!b.estado.modificado);

    QTest::mouseRelease(s, Qt::LeftButton, {}, pulgar + QPoint(60, 0));
    const double f = s->value() / 100.0;
    QCOMPARE(filasLiquidas(b.dibujo(1), kEjeAlambique), int(50 * f * 1.2 + 0.5));
    QCOMPARE(filasLiquidas(b.dibujo(2), kEjeReceptor), int(f * 1.3 * 50 + 0.5));
    QVERIFY(b.estado.modificado);
}

void TstFilaEtapas::desplazamientoLimitado()
{
    Banco b(6, 1000);  // room for two stages beside the first picture
    b.cortes({"10 %"});
    for (int i = 0; i < 8; ++i) QTest::mouseClick(b.fila->botonSiguiente(), Qt::LeftButton);
    QCOMPARE(b.fila->primeraEtapa(), 4);
    QVERIFY(b.dibujo(6)->isVisible());
    QVERIFY(!b.dibujo(3)->isVisible());
    QVERIFY(!b.fila->deslizador(4)->isVisible());
    QCOMPARE(b.dibujo(4)->pos(), QPoint(166, 65));
    QCOMPARE(b.fila->textoDibujo(4)->pos(), QPoint(6, 211));
    QVERIFY(!b.fila->textoDibujo(6)->toPlainText().isEmpty());
    for (int i = 0; i < 8; ++i) QTest::mouseClick(b.fila->botonAnterior(), Qt::LeftButton);
    QCOMPARE(b.fila->primeraEtapa(), 0);
    QVERIFY(b.dibujo(0)->isVisible());
    QVERIFY(!b.dibujo(3)->isVisible());

    // Widening shows more stills; the next button keeps to the right edge.
    b.fila->resize(2140, 600);
    QCOMPARE(b.fila->botonSiguiente()->pos(), QPoint(2040, 430));
    b.fila->Actualizar();
    QVERIFY(b.dibujo(6)->isVisible());
    b.fila->Siguiente();
    QCOMPARE(b.fila->primeraEtapa(), 0);
}

void TstFilaEtapas::entradasNoValidas_data()
{
    QTest::addColumn<double>("mma");
    QTest::addColumn<double>("m0");
    QTest::addColumn<double>("x0");
    QTest::addColumn<double>("alfa");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("molar mass 0") << 0.0 << 100.0 << 0.5 << 2.5 << "ERROR: Molar mass is not valid";
    QTest::newRow("molar mass not a number") << VALOR_NO_VALIDO << 100.0 << 0.5 << 2.5
                                             << "ERROR: Molar mass is not valid";
    QTest::newRow("negative mass") << 78.11 << -1.0 << 0.5 << 2.5 << "ERROR: Initial mass is not valid";
    QTest::newRow("x0 above 1") << 78.11 << 100.0 << 1.5 << 2.5 << "ERROR: The initial mole fraction is not valid";
    QTest::newRow("alpha below 1") << 78.11 << 100.0 << 0.5 << 0.5 << "ERROR: The initial values are not valid";
}

void TstFilaEtapas::entradasNoValidas()
{
    Banco b(2, 1300);
    b.cortes({"50 %", "50 %"});
    QFETCH(double, mma);
    QFETCH(double, m0);
    QFETCH(double, x0);
    QFETCH(double, alfa);
    b.entradas.mma = mma;
    b.entradas.m0 = m0;
    b.entradas.x0 = x0;
    b.entradas.alfa = alfa;
    b.estado.cadena.invalidar();
    b.fila->Actualizar();
    QTEST(b.mensaje, "mensaje");
    for (int j = 0; j <= 2; ++j) QVERIFY(b.fila->textoDibujo(j)->toPlainText().isEmpty());
    // The message bar's timer blanks the pictures.
    b.fila->blanquear();
    for (int j = 0; j <= 2; ++j) QCOMPARE(b.dibujo(j)->filasLiquido(), 0);
    QCOMPARE(filasDeColor(b.dibujo(0), kEjeAlambique, colorDe(3, 0.5)), 0);
    // A valid value draws again and clears the message.
    b.entradas = Banco(2).entradas;
    b.fila->Actualizar();
    QCOMPARE(b.mensaje, QString());
    QCOMPARE(filasLiquidas(b.dibujo(0), kEjeAlambique), 60);
}

void TstFilaEtapas::fondoDelReceptor()
{
    Banco b(1);
    b.cortes({"30 %"});
    QCOMPARE(b.dibujo(1)->fondo(), cristaleria::Pieza::Receptor);
    b.estado.numEtapas = 3;
    b.fila->Actualizar();
    QCOMPARE(b.dibujo(1)->fondo(), cristaleria::Pieza::Alambique);
    QCOMPARE(b.dibujo(3)->fondo(), cristaleria::Pieza::Receptor);
    // With the guard set the colour changes but nothing is redrawn.
    const QColor antes = b.dibujo(0)->colorLiquido();
    b.estado.escribiendoTexto = true;
    b.fila->fijarEsquemaColor(0);
    QCOMPARE(b.dibujo(0)->colorLiquido(), antes);
    b.estado.escribiendoTexto = false;
    b.fila->Actualizar();
    QVERIFY(b.dibujo(0)->colorLiquido() != antes);
}

void TstFilaEtapas::focoSeleccionaTodo()
{
    Banco b(1);
    b.cortes({"35 %"});
    QLineEdit* caja = b.fila->cajaAvance(1);
    b.fila->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b.fila.get()));
    QTest::mouseClick(caja, Qt::LeftButton, {}, QPoint(5, caja->height() / 2));
    QTRY_COMPARE(caja->selectedText(), QStringLiteral("35 %"));
}

QTEST_MAIN(TstFilaEtapas)
#include "tst_fila_etapas.moc"
