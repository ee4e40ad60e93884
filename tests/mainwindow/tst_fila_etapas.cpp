// The row of stills driven through the real window: percent boxes typed,
// sliders dragged, a message blanking the row. Every liquid is read back
// from its picture's pixels and checked against the mass its text reports: a
// full first still is 120 rows, a receiver holding the whole charge 130.
// Under a column the row's stills need their tables only as far as the cut.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "platform/texto_qt.h"
#include "support/ventana.h"

using namespace quillon;

namespace {

// Pixel rows of a picture showing the colour its liquid was given.
int filasLiquidas(DibujoEtapa* d)
{
    const QImage img = d->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        bool hay = false;
        for (int x = 0; x < img.width() && !hay; ++x) hay = img.pixelColor(x, y) == d->colorLiquido();
        n += hay;
    }
    return n;
}

// "Total mass: 437.5 g" -> 437.5
double masa(prueba::Ventana& v, int j) { return v.contenido(j).section(QLatin1Char(' '), 2, 2).toDouble(); }

// Every liquid drawn stands as high as its mass: the full charge fills 120
// rows of a still or 130 of the receiver.
void alturasSegunMasa(prueba::Ventana& v, double carga)
{
    const int n = v.sim().numEtapas();
    for (int j = 0; j <= n; ++j) {
        const double esperadas = (j == n ? 130 : 120) * masa(v, j) / carga;
        QVERIFY2(std::abs(filasLiquidas(v.dibujo(j)) - esperadas) <= 0.51, qPrintable(QString::number(j)));
    }
}

}  // namespace

// A cut typed, the charge's x0 and the colour scheme chosen.
struct Nivel { QString corte; double x0; int esquema; };
// Boxes typed in turn ("box=text; box=text"), the message the row then
// gives, and the one of the table and the graph of stage 2 ("": none).
struct Malo { QString ediciones, mensaje, vistas; };
Q_DECLARE_METATYPE(Nivel)
Q_DECLARE_METATYPE(Malo)

class TstFilaEtapas : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::Ventana> v;


private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { v = std::make_unique<prueba::Ventana>(); }
    void cleanup() { v.reset(); }

    void nivelYColor_data()
    {
        QTest::addColumn<Nivel>("n");
        QTest::newRow("full still of B, blue") << Nivel{"0", 0.0, 0};
        QTest::newRow("full still of A, green") << Nivel{"0", 1.0, 3};
        QTest::newRow("halfway, red") << Nivel{"0", 0.5, 1};
        QTest::newRow("all distilled, yellow") << Nivel{"100", 0.25, 4};
    }
    void nivelYColor()
    {
        QFETCH(Nivel, n);
        v->orden(QStringLiteral("accionColor%1").arg(n.esquema));
        v->escribir(QStringLiteral("TxtX0A"), QString::number(n.x0));
        v->escribir(QStringLiteral("cajaAvance1"), n.corte);
        v->esperarRefresco();
        QCOMPARE(v->mensaje(), QString());
        const bool todo = n.corte == QLatin1String("100");
        QCOMPARE(filasLiquidas(v->dibujo(0)), todo ? 0 : 120);
        QCOMPARE(filasLiquidas(v->dibujo(1)), todo ? 130 : 0);
        // Before any distillation, and once all is distilled, the liquid has
        // the charge's composition: its colour lies that far from pure B to A.
        const EsquemaColor& c = esquemasLiquido()[static_cast<std::size_t>(n.esquema)].color;
        const QColor color = v->dibujo(todo ? 1 : 0)->colorLiquido();
        const int rgb[] = {color.red(), color.green(), color.blue()};
        for (std::size_t i = 0; i < 3; ++i) QVERIFY(std::abs(rgb[i] - ((1 - n.x0) * c[i] + n.x0 * c[i + 3])) <= 0.5);
    }

    void corteConDecimales()
    {
        auto* deslizador = v->hijo<QScrollBar>(QStringLiteral("deslizador1"));
        v->escribir(QStringLiteral("cajaAvance1"), QStringLiteral("12.5"));
        QCOMPARE(deslizador->value(), 12);
        // Drawn at the exact text, not at the slider's whole percent.
        QCOMPARE(masa(*v, 1) / (masa(*v, 0) + masa(*v, 1)), 0.125);
        alturasSegunMasa(*v, masa(*v, 0) + masa(*v, 1));
        QVERIFY(v->sim().modificado());
        // Entering the box again selects its whole text.
        QLineEdit* caja = v->caja(QStringLiteral("cajaAvance1"));
        v->caja(QStringLiteral("TxtMasa0"))->setFocus();
        QTest::mouseClick(caja, Qt::LeftButton, {}, QPoint(5, caja->height() / 2));
        QTRY_COMPARE(caja->selectedText(), QStringLiteral("12.5"));
        // A cut set in another view shows in the box and the slider too.
        v->sim().editarCorte(1, QStringLiteral("35 %"));
        QCoreApplication::processEvents();
        QCOMPARE(caja->text(), QStringLiteral("35 %"));
        QCOMPARE(deslizador->value(), 35);
    }

    // A bad value, typed as fast as a person types, leaves its message on
    // the message line, at every refresh, and no picture keeps a stale
    // liquid or text, nor shows the result of a prefix; the table and the
    // progress graph of stage 2 refuse what they read too. The value
    // corrected, the row is drawn again.
    void unErrorDejaLaFilaEnBlanco_data()
    {
        QTest::addColumn<Malo>("m");
        const QString corte1 = QStringLiteral("ERROR: The percentage distilled in stage 1 is not valid");
        const QString masaMolar = QStringLiteral("ERROR: Molar mass is not valid");
        const QString porcentaje = QStringLiteral("ERROR: Mass percentage of A is not valid");
        const QString x0 = QStringLiteral("ERROR: The initial mole fraction is not valid");
        const QString masa = QStringLiteral("ERROR: Initial mass is not valid");
        QTest::newRow("cut 150 typed") << Malo{"cajaAvance1=150", corte1, corte1};
        QTest::newRow("empty cut") << Malo{"cajaAvance1=", corte1, corte1};
        // The views of stage 2 read the cuts before it only.
        QTest::newRow("cut of letters, stage 2")
            << Malo{"cajaAvance2=abc %", "ERROR: The percentage distilled in stage 2 is not valid", ""};
        QTest::newRow("mass % 150 typed") << Malo{"TxtP0A=150", porcentaje, porcentaje};
        QTest::newRow("x0 1.5") << Malo{"TxtX0A=1.5", x0, x0};
        QTest::newRow("initial mass -1") << Malo{"TxtMasa0=-1", masa, masa};
        // The molar masses are read first.
        QTest::newRow("initial mass, then molar mass") << Malo{"TxtMasa0=-1;TxtMMA=x", masaMolar, masaMolar};
        QTest::newRow("alpha 1") << Malo{"TxtAlfa=1", "ERROR: The initial values are not valid",
                                         "ERROR: Relative volatility is out of range"};
    }
    void unErrorDejaLaFilaEnBlanco()
    {
        QFETCH(Malo, m);
        v->pulsar(QStringLiteral("OptETAP2"));
        v->escribir(QStringLiteral("cajaAvance1"), QStringLiteral("40"));
        QList<std::pair<QString, QString>> buenos;  // each box typed into and its text before, last first
        for (const QString& e : m.ediciones.split(QLatin1Char(';'))) {
            const QString caja = e.section(QLatin1Char('='), 0, 0);
            buenos.prepend({caja, v->caja(caja)->text()});
            v->escribir(caja, e.section(QLatin1Char('='), 1));
        }
        v->esperarRefresco();
        QCOMPARE(v->mensaje(), m.mensaje);
        QTRY_VERIFY(v->hijo(QStringLiteral("barraMensajes"))->isVisible());
        v->orden(QStringLiteral("accionCalcular"));
        QCOMPARE(v->mensaje(), m.mensaje);
        for (int j = 0; j <= 2; ++j) {
            QVERIFY(v->contenido(j).isEmpty());
            QCOMPARE(filasLiquidas(v->dibujo(j)), 0);
        }
        PeticionTabla p;
        p.etapa = 2;
        for (const Texto* error : {v->sim().tablaTexto(p).error, v->sim().etapaParaGrafico(2).error})
            QCOMPARE(error ? qtr(*error) : QString(), m.vistas);
        for (const auto& [caja, texto] : buenos) v->escribir(caja, texto);
        v->esperarRefresco();
        QTRY_COMPARE(v->mensaje(), QString());
        QVERIFY(filasLiquidas(v->dibujo(0)) > 0);
        alturasSegunMasa(*v, masa(*v, 0) + masa(*v, 1) + masa(*v, 2));
    }

    void arrastrarSoloRedibujaSuEtapa()
    {
        v->pulsar(QStringLiteral("OptETAP2"));
        v->escribir(QStringLiteral("cajaAvance1"), QStringLiteral("50"));
        v->escribir(QStringLiteral("cajaAvance2"), QStringLiteral("50"));
        v->sim().marcarGuardado();
        const QString antes1 = v->contenido(1), antes2 = v->contenido(2);
        const double carga = masa(*v, 0) * 2;
        auto* s = v->hijo<QScrollBar>(QStringLiteral("deslizador1"));
        const QPoint pulgar = s->rect().center();  // at 50 % the thumb is in the middle
        QTest::mousePress(s, Qt::LeftButton, {}, pulgar);
        QTest::mouseMove(s, pulgar + QPoint(60, 0));
        QCoreApplication::processEvents();
        QVERIFY(s->value() > 50);
        QCOMPARE(v->caja(QStringLiteral("cajaAvance1"))->text(), QStringLiteral("%1 %").arg(s->value()));
        QCOMPARE(masa(*v, 0), carga * (100 - s->value()) / 100);
        QCOMPARE(v->contenido(1), antes1);
        QCOMPARE(v->contenido(2), antes2);
        QVERIFY(!v->sim().modificado());

        QTest::mouseRelease(s, Qt::LeftButton, {}, pulgar + QPoint(60, 0));
        QCoreApplication::processEvents();
        QCOMPARE(masa(*v, 1) + masa(*v, 2), carga * s->value() / 100);
        alturasSegunMasa(*v, carga);
        QVERIFY(v->sim().modificado());
        QCOMPARE(v->dibujo(1)->fondo(), cristaleria::Pieza::Alambique);
        QCOMPARE(v->dibujo(2)->fondo(), cristaleria::Pieza::Receptor);
    }

    // The slider, the percent box and the labels under a still paint what a
    // control of their class with the same settings paints, each time the
    // slider is moved (typed into its box or dragged) and after it was drawn
    // held down.
    void controlesComoSuClase_data()
    {
        QTest::addColumn<QString>("corte");
        QTest::addColumn<bool>("arrastrado");
        QTest::newRow("typed 0") << QStringLiteral("0") << false;
        QTest::newRow("typed 37") << QStringLiteral("37") << false;
        QTest::newRow("typed 100") << QStringLiteral("100") << false;
        QTest::newRow("dragged") << QString() << true;
    }
    void controlesComoSuClase()
    {
        QFETCH(QString, corte);
        QFETCH(bool, arrastrado);
        auto* s = v->hijo<QScrollBar>(QStringLiteral("deslizador1"));
        QWidget* fila = s->parentWidget();
        const auto imagen = [](QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_ARGB32); };
        imagen(s);  // drawn once at its first value
        if (arrastrado) {
            QTest::mousePress(s, Qt::LeftButton, {}, s->rect().center());
            QTest::mouseMove(s, s->rect().center() + QPoint(40, 0));
            imagen(s);
            QTest::mouseRelease(s, Qt::LeftButton, {}, s->rect().center() + QPoint(40, 0));
            QTest::mouseMove(fila, QPoint(1, 1));
            s->clearFocus();  // the click gave it the focus, and its frame
        } else {
            v->escribir(QStringLiteral("cajaAvance1"), corte);
        }
        v->esperarRefresco();
        QScrollBar igual(Qt::Horizontal, fila);
        igual.setRange(s->minimum(), s->maximum());
        igual.setPageStep(s->pageStep());
        igual.setValue(s->value());
        igual.setGeometry(s->geometry());
        QCOMPARE(imagen(s), imagen(&igual));
        auto* caja = v->caja(QStringLiteral("cajaAvance1"));
        caja->clearFocus();
        QLineEdit copiaCaja(caja->text(), fila);
        copiaCaja.setGeometry(caja->geometry());
        QCOMPARE(imagen(caja), imagen(&copiaCaja));
        for (const QString& nombre : {QStringLiteral("etiquetaAvance1"), QStringLiteral("etiquetaEtapa1")}) {
            auto* l = v->hijo<QLabel>(nombre);
            QLabel copia(l->text(), fila);
            copia.setFont(l->font());
            copia.setGeometry(l->geometry());
            QCOMPARE(imagen(l), imagen(&copia));
        }
    }

    // Under a column the row computes each stage's table only as far as its
    // cut: its texts are those it shows once the table is whole, and the
    // table view then has every row, down to the still emptied at 100 %.
    void conColumnaHastaElCorte()
    {
        v->pulsar(QStringLiteral("OptETAP2"));
        v->escribir(QStringLiteral("TxtPlatos"), QStringLiteral("5"));
        v->esperarRefresco();
        QStringList hastaCorte;
        for (int j = 0; j <= 2; ++j) hastaCorte << v->contenido(j);
        QVERIFY(hastaCorte[0].contains(QStringLiteral("R = ")));
        QVERIFY(!v->sim().calculada(1) && !v->sim().calculada(2));
        v->orden(QStringLiteral("accionVista3"));
        v->hijo<QRadioButton>(QStringLiteral("OptFILTAB10"))->click();
        v->hijo<QListWidget>(QStringLiteral("LstTABLA"))->item(5)->setCheckState(Qt::Checked);  // XAs
        QVERIFY(v->sim().calculada(1));
        // The still grows poorer row by row, past the cut too, and is empty
        // at 100 %: the last 11 lines, under the column codes.
        const QStringList l =
            v->hijo<QPlainTextEdit>(QStringLiteral("TxtXAvan"))->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const auto xas = l[l.size() - 12].split(QLatin1Char(' '), Qt::SkipEmptyParts).indexOf(QStringLiteral("XAs"));
        double anterior = 1;
        for (qsizetype i = l.size() - 11; i < l.size(); ++i) {
            const double x = l[i].split(QLatin1Char(' '), Qt::SkipEmptyParts)[xas].toDouble();
            QVERIFY2(i + 1 == l.size() ? x == 0 : x > 0 && x < anterior, qPrintable(l[i]));
            anterior = x;
        }
        v->orden(QStringLiteral("accionVista0"));
        v->sim().invalidarDesde(2);
        v->sim().recalcular();
        for (int j = 0; j <= 2; ++j) QTRY_COMPARE(v->contenido(j), hastaCorte[j]);
    }
};

QTEST_MAIN(TstFilaEtapas)
#include "tst_fila_etapas.moc"
