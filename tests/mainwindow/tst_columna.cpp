// Batch rectification through the window: the Column panel's boxes and
// messages, a column document saved and opened again, no plates drawing as
// before, the staircase on the x-y diagram and the still's text.

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>

#include "formats/documento.h"
#include "graphs/datos_avance.h"
#include "graphs/datos_escalera.h"
#include "graphs/grafico_elv.h"
#include "graphs/pintar_elv.h"
#include "support/imagen.h"
#include "support/ventana.h"

using namespace quillon;

namespace {

const QString kEjemploReflujo = QStringLiteral(QUILLON_EJEMPLOS "/benzene-toluene-5-plates-reflux-2.bdf");
const QString kEjemploPureza = QStringLiteral(QUILLON_EJEMPLOS "/ethanol-water-4-plates-purity-0.75.bdf");

// The colour of the picture around a point, within a pixel either way.
bool colorCerca(const QImage& im, QPointF p, const QColor& c)
{
    return !prueba::mancha(im.copy(qRound(p.x()) - 1, qRound(p.y()) - 1, 3, 3), c).isEmpty();
}

}  // namespace

// A box of the column typed into (after choosing a policy) and the message.
struct Caja { QString politica, caja, texto, mensaje; int etapas = 1; };
Q_DECLARE_METATYPE(Caja)

class TstColumna : public QObject {
    Q_OBJECT
    QTemporaryDir dir, ajustes;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    }

    void cadaCajaDiceSuMensaje_data()
    {
        QTest::addColumn<Caja>("c");
        QTest::newRow("31 plates") << Caja{"OptRazon", "TxtPlatos", "31", "ERROR: Number of plates is not valid"};
        QTest::newRow("negative R") << Caja{"OptRazon", "TxtReflujo", "-1", "ERROR: Reflux ratio is not valid"};
        QTest::newRow("purity above 1") << Caja{"OptPureza", "TxtPureza", "1.2", "ERROR: Distillate purity is not valid"};
        QTest::newRow("negative Rmax") << Caja{"OptPureza", "TxtReflujoMaximo", "-2", "ERROR: Largest reflux ratio is not valid"};
        QTest::newRow("out of reach") << Caja{"OptPureza", "TxtReflujoMaximo", "0.5",
            "ERROR: The column cannot give the distillate purity even at the largest reflux ratio (at most 0."};
        // A refused first stage leaves the later ones no charge: its
        // message stands, not one of theirs.
        QTest::newRow("out of reach, three stages") << Caja{"OptPureza", "TxtReflujoMaximo", "0.5",
            "ERROR: The column cannot give the distillate purity even at the largest reflux ratio (at most 0.", 3};
        QTest::newRow("a good R") << Caja{"OptRazon", "TxtReflujo", "3", ""};
    }
    void cadaCajaDiceSuMensaje()
    {
        QFETCH(Caja, c);
        prueba::Ventana v;
        v.pulsar(QStringLiteral("OptETAP%1").arg(c.etapas));
        v.escribir(QStringLiteral("TxtPlatos"), QStringLiteral("3"));
        v.pulsar(c.politica);
        v.escribir(c.caja, c.texto);
        QVERIFY(v.sim().modificado());
        v.esperarRefresco();
        QVERIFY2(c.mensaje.isEmpty() ? v.mensaje().isEmpty() : v.mensaje().startsWith(c.mensaje), qPrintable(v.mensaje()));
        QVERIFY2(!v.mensaje().contains(QStringLiteral("in stage")), qPrintable(v.mensaje()));
        // Nothing stays drawn beside a message; a good column draws its line.
        QCOMPARE(v.contenido(0).contains(QStringLiteral("R = ")), c.mensaje.isEmpty());
        // The boxes of the other policy are greyed.
        QCOMPARE(v.caja(QStringLiteral("TxtReflujo"))->isEnabled(), c.politica == QStringLiteral("OptRazon"));
    }

    // Saved, opened again, the same document and the same stills; Clear
    // leaves no column and no column quantity offered.
    void unDocumentoConColumnaVaYVuelve_data()
    {
        QTest::addColumn<QString>("ejemplo");
        QTest::newRow("constant reflux") << kEjemploReflujo;
        QTest::newRow("constant purity") << kEjemploPureza;
    }
    void unDocumentoConColumnaVaYVuelve()
    {
        QFETCH(QString, ejemplo);
        prueba::Ventana v;
        v.w().abrirDocumento(ejemplo);
        v.esperarRefresco();
        const std::string leido = EscribirBdf(v.sim().documento());
        const QString still = v.contenido(0);
        QVERIFY(still.contains(QStringLiteral("R = ")));
        const QString ruta = dir.filePath(QFileInfo(ejemplo).fileName());
        v.dialogos().rutasGuardar << ruta;
        v.orden(QStringLiteral("accionGuardarComo"));
        v.pulsar(QStringLiteral("botonBorrar"));
        QCOMPARE(v.caja(QStringLiteral("TxtPlatos"))->text(), QStringLiteral("0"));
        QVERIFY(!v.sim().documento().columna);
        v.orden(QStringLiteral("accionVista3"));
        QCOMPARE(v.hijo<QListWidget>(QStringLiteral("LstTABLA"))->count(), 23);
        v.w().abrirDocumento(ruta);
        v.esperarRefresco();
        QCOMPARE(EscribirBdf(v.sim().documento()), leido);
        v.orden(QStringLiteral("accionVista0"));
        QCOMPARE(v.contenido(0), still);
        QVERIFY(v.dibujo(0)->platosColumna() > 0);
        // The progress graph's last two vertical items are the column's,
        // after the 17 and the two temperatures of a known pair.
        for (int i : {0, 1})
            QVERIFY(calcularDatosAvance(v.sim(), 1, 0, 19 + i).datos.tituloY.startsWith(i ? QStringLiteral(" XAi: ")
                                                                                             : QStringLiteral(" Rfx: ")));
    }

    // No plates: the stills, their pictures, the lists and the diagram are
    // those of simple distillation, whatever the policy's boxes hold.
    void sinPlatosTodoEsComoAntes()
    {
        prueba::Ventana v;
        const QString antes = v.contenido(0);
        const QImage diagrama = (v.orden(QStringLiteral("accionVista1")), v.hijo<GraficoELV>(QStringLiteral("graficoELV"))->imagen());
        v.orden(QStringLiteral("accionVista0"));
        v.escribir(QStringLiteral("TxtPlatos"), QStringLiteral("4"));
        v.esperarRefresco();
        QVERIFY(v.contenido(0) != antes);
        v.escribir(QStringLiteral("TxtReflujo"), QStringLiteral("7"));
        v.escribir(QStringLiteral("TxtPlatos"), QStringLiteral("0"));
        v.esperarRefresco();
        QCOMPARE(v.contenido(0), antes);
        QCOMPARE(v.dibujo(0)->platosColumna(), 0);
        QVERIFY(!v.sim().documento().columna);
        v.orden(QStringLiteral("accionVista1"));
        QCOMPARE(v.hijo<GraficoELV>(QStringLiteral("graficoELV"))->imagen(), diagrama);
        QVERIFY(!v.hijo<QSlider>(QStringLiteral("deslizadorDiagrama"))->isVisible());
        v.orden(QStringLiteral("accionVista2"));
        QCOMPARE(v.hijo<QListWidget>(QStringLiteral("LstEjeY"))->count(), 17 + 2);  // the temperatures of benzene-toluene
    }

    // The operating line and the staircase lie where the model puts them,
    // and follow the strip's slider.
    void laEscaleraSigueAlDeslizador_data()
    {
        QTest::addColumn<QString>("ejemplo");
        QTest::newRow("constant reflux, alpha") << kEjemploReflujo;
        QTest::newRow("constant purity, table") << kEjemploPureza;
    }
    void laEscaleraSigueAlDeslizador()
    {
        QFETCH(QString, ejemplo);
        prueba::Ventana v;
        v.w().abrirDocumento(ejemplo);
        v.orden(QStringLiteral("accionVista1"));
        v.esperarRefresco();
        auto* g = v.hijo<GraficoELV>(QStringLiteral("graficoELV"));
        auto* deslizador = v.hijo<QSlider>(QStringLiteral("deslizadorDiagrama"));
        QVERIFY(deslizador->isVisible());
        double xWAntes = -1;
        for (int corte : {15, 30}) {
            deslizador->setValue(corte);
            QCoreApplication::processEvents();
            const ResultadoEscalera e = escaleraDeEtapa(v.sim(), 1);
            QVERIFY(e.hay);
            QVERIFY(e.escalera.xW != xWAntes);
            xWAntes = e.escalera.xW;
            // Where the diagram's mapping (25-pixel margins) puts a point.
            const GeometriaELV geo = geometriaPantalla(g->width(), g->height());
            const auto punto = [&geo](double x, double y) { return QPointF(geo.xDe(x), geo.yDe(y)); };
            const double xD = e.escalera.xD, R = e.escalera.reflujo;
            const QImage im = g->imagen();
            // Along y = (R x + xD) / (R + 1), short of its ends where the steps meet it.
            int enLinea = 0;
            for (double x = 0.05 * xD; x < 0.5 * xD; x += 0.05 * xD)
                enLinea += colorCerca(im, punto(x, (R * x + xD) / (R + 1)), kColorLineaOperacion);
            QVERIFY2(enLinea >= 8, qPrintable(QString::number(enLinea)));
            // The first tread leaves (xD, xD) towards the curve.
            QVERIFY(colorCerca(im, punto(xD - 0.01, xD), kColorEscalera));
            QCOMPARE(v.sim().textoCorte(1), QString::number(corte) + QStringLiteral(" %"));
        }
    }

    // Six stages under a column, at several widths: every line of every
    // text fits its box, across and down.
    void cadaTextoCabeEnSuCaja_data()
    {
        QTest::addColumn<QString>("ejemplo");
        QTest::addColumn<int>("ancho");
        for (int ancho : {940, 1600, 2400}) {
            QTest::addRow("reflux, %d px", ancho) << kEjemploReflujo << ancho;
            QTest::addRow("purity, %d px", ancho) << kEjemploPureza << ancho;
        }
    }
    void cadaTextoCabeEnSuCaja()
    {
        QFETCH(QString, ejemplo);
        QFETCH(int, ancho);
        prueba::Ventana v;
        v.w().resize(ancho, 820);
        v.w().abrirDocumento(ejemplo);
        v.pulsar(QStringLiteral("OptETAP6"));
        v.esperarRefresco();
        for (int j = 0; j <= kMaxEtapas; ++j) {
            auto* caja = v.hijo<QPlainTextEdit>(QStringLiteral("contenido%1").arg(j));
            if (!caja->isVisible()) continue;
            const QStringList lineas = caja->toPlainText().split(QLatin1Char('\n'));
            for (const QString& linea : lineas)
                QVERIFY2(caja->fontMetrics().horizontalAdvance(linea) < caja->viewport()->width(), qPrintable(linea));
            QVERIFY2(lineas.size() * caja->fontMetrics().lineSpacing() + 8 <= caja->viewport()->height(),
                     qPrintable(caja->toPlainText()));
        }
    }
};

QTEST_MAIN(TstColumna)
#include "tst_columna.moc"
