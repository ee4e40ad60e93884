// Print and Export graph through the window: the print dialog's copies
// rules, Print writing PDF files, Export graph writing PNG, SVG and PDF
// files, read back (PDF with poppler's pdfinfo and pdftoppm).
#include <QSpinBox>
#include <QSvgRenderer>
#include <cerrno>
#include <cstring>

#include "graphs/form_imprimir.h"
#include "graphs/graficos.h"
#include "graphs/pintar_avance.h"
#include "graphs/pintar_elv.h"
#include "graphs/pintar_txy.h"
#include "support/ventana.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

// Prints through the dialog as a person would: the PDF entry, the copies,
// black and white or not, then Print.
void imprimir(Ventana& v, int copias, bool blancoYNegro)
{
    QTimer::singleShot(0, [=] {
        QWidget* d = QApplication::activeModalWidget();
        auto* lista = d->findChild<QComboBox*>("listaImpresoras");
        lista->setCurrentIndex(lista->count() - 1);
        d->findChild<QLineEdit*>("cajaCopias")->setText(QString::number(copias));
        d->findChild<QCheckBox*>("casillaBlancoYNegro")->setChecked(blancoYNegro);
        QTest::mouseClick(d->findChild<QWidget*>("botonImprimir"), Qt::LeftButton);
    });
    v.orden(QStringLiteral("accionImprimir"));
}

int paginas(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished();
    return QRegularExpression("Pages: *(\\d+)").match(p.readAllStandardOutput()).captured(1).toInt();
}

QImage primeraPagina(const QString& pdf)
{
    QProcess::execute("pdftoppm", {"-r", "100", "-l", "1", "-singlefile", "-png", pdf, pdf});
    return QImage(pdf + ".png");
}

}  // namespace

// Keys typed into the copies box, then one pressed (Qt::Key_unknown: none);
// the box then, and whether Print takes it (refused with the message
// otherwise).
struct Copias { QString tecleado; Qt::Key tecla; QString caja; bool aceptado; };
// The view shown (the T-x-y diagram or not) and the copies asked for.
struct Impresion { const char* vista; bool txy; int copias; };
// The view, the format's option and the size chosen for a picture (empty:
// the screen's).
struct Exportacion { const char* vista; const char* formato; QSize tamano; };
Q_DECLARE_METATYPE(Copias)
Q_DECLARE_METATYPE(Impresion)
Q_DECLARE_METATYPE(Exportacion)

class TstImprimir : public QObject {
    Q_OBJECT
    QTemporaryDir carpeta_;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) QSKIP("poppler-utils is needed");
    }

    void copias_data()
    {
        QTest::addColumn<Copias>("c");
        QTest::newRow("1999") << Copias{"1999", Qt::Key_unknown, "1999", true};
        QTest::newRow("2000") << Copias{"2000", Qt::Key_unknown, "2000", false};
        QTest::newRow("0") << Copias{"0", Qt::Key_unknown, "0", false};
        QTest::newRow("letters ignored") << Copias{"7ab-,. ", Qt::Key_unknown, "7", true};
        QTest::newRow("emptied box") << Copias{"7", Qt::Key_Backspace, "1", true};
        QTest::newRow("Up") << Copias{"15", Qt::Key_Up, "16", true};
        QTest::newRow("Down") << Copias{"15", Qt::Key_Down, "14", true};
        QTest::newRow("Down from 1") << Copias{"1", Qt::Key_Down, "1", true};
        QTest::newRow("2500, box left") << Copias{"2500", Qt::Key_Tab, "1999", true};
    }
    void copias()
    {
        QFETCH(Copias, c);
        DialogosGuion dialogos;
        AjustesImpresion a;
        FormImprimir d(a, {});
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* caja = d.findChild<QLineEdit*>("cajaCopias");
        caja->setFocus();
        caja->selectAll();
        QTest::keyClicks(caja, c.tecleado);
        if (c.tecla != Qt::Key_unknown) QTest::keyClick(caja, c.tecla);
        QCOMPARE(caja->text(), c.caja);
        QTest::mouseClick(d.findChild<QWidget*>("botonImprimir"), Qt::LeftButton);
        QCOMPARE(d.isVisible(), !c.aceptado);
        QCOMPARE(dialogos.mensajes, c.aceptado ? QStringList() : QStringList{"The number of copies isn't valid. Max. 1999 copies."});
        if (c.aceptado) QCOMPARE(a.numCopias, c.caja.toInt());
    }

    void pdf_data()
    {
        QTest::addColumn<Impresion>("i");
        QTest::newRow("diagram, 3 copies") << Impresion{"accionVista1", false, 3};
        QTest::newRow("progress graph, 2 copies") << Impresion{"accionVista2", false, 2};
        QTest::newRow("T-x-y diagram, 1 copy") << Impresion{"accionVista1", true, 1};
    }
    void pdf()
    {
        QFETCH(Impresion, i);
        Ventana v;
        v.orden(i.vista);
        if (i.txy) v.pulsar(QStringLiteral("opcionDiagramaTXY"));
        auto* vle = v.hijo<GraficoELV>(QStringLiteral("graficoELV"));
        // Names typed without ".pdf" get it.
        const QString enColor = carpeta_.filePath(QTest::currentDataTag()), enBN = enColor + "_bn";
        v.dialogos().rutasGuardar = QStringList{enColor, enBN};
        imprimir(v, i.copias, false);
        imprimir(v, 1, true);
        QCOMPARE(paginas(enColor + ".pdf"), i.copias);
        QCOMPARE(v.dialogos().mensajes, QStringList());
        // The curve in its colour, or black where the colour was.
        const QColor color = i.txy ? kColorBurbuja : vle->isVisible() ? kColorCurvaELV : kColorCurvaAvance;
        const QImage pagina = primeraPagina(enColor + ".pdf"), bn = primeraPagina(enBN + ".pdf");
        const QPolygon curva = mancha(pagina, color, 60);
        QVERIFY(curva.size() > bn.width() / 2);
        QVERIFY(mancha(bn, color, 60).isEmpty());
        const auto negros = std::count_if(curva.begin(), curva.end(), [&bn](QPoint p) { return qGray(bn.pixel(p)) < 128; });
        QVERIFY(negros > 0.8 * curva.size());
        // The diagram on screen is drawn again, in colour; the progress graph
        // keeps the picture's proportions.
        if (vle->isVisible()) {
            QVERIFY(!mancha(vle->imagen(), color).isEmpty());
            return;
        }
        const QRectF enPapel = mancha(pagina, kColorEjesAvance, 60).boundingRect(),
                     enPantalla = mancha(v.hijo<GraficoAvance>("graficoAvance")->imagen(), kColorEjesAvance, 10).boundingRect();
        QVERIFY(qAbs(enPapel.height() / enPapel.width() / (enPantalla.height() / enPantalla.width()) - 1) < 0.05);
    }

    // A PDF that cannot be written says why, as every save does (the old
    // file kept on a full disk is the document save's test).
    void pdfNoEscrito()
    {
        const QString ruta = carpeta_.filePath("no/such/folder/x.pdf");
        Ventana v;
        v.orden(QStringLiteral("accionVista1"));
        v.dialogos().rutasGuardar = QStringList{ruta};
        imprimir(v, 1, false);
        QCOMPARE(v.dialogos().mensajes, QStringList{"ERROR: Unable to save the file:\r\n" + ruta + "\r\nError : 2 - " + std::strerror(ENOENT)});
    }

    void exportar_data()
    {
        QTest::addColumn<Exportacion>("e");
        QTest::newRow("diagram, PNG as on screen") << Exportacion{"accionVista1", "opcionPng", QSize()};
        QTest::newRow("diagram, SVG") << Exportacion{"accionVista1", "opcionSvg", QSize()};
        QTest::newRow("diagram, PDF") << Exportacion{"accionVista1", "opcionPdf", QSize()};
        QTest::newRow("progress graph, PNG") << Exportacion{"accionVista2", "opcionPng", QSize(800, 600)};
        QTest::newRow("progress graph, SVG") << Exportacion{"accionVista2", "opcionSvg", QSize()};
    }
    void exportar()
    {
        QFETCH(Exportacion, e);
        Ventana v;
        v.orden(e.vista);
        const bool diagrama = e.vista == QLatin1String("accionVista1");
        QWidget* grafico = v.hijo(diagrama ? "graficoELV" : "graficoAvance");
        const QString sufijo = QString(e.formato).mid(6).toLower(), ruta = carpeta_.filePath(QTest::currentDataTag());
        v.dialogos().rutasGuardar = {ruta};
        QTimer::singleShot(0, [&] {
            QWidget* d = QApplication::activeModalWidget();
            d->findChild<QRadioButton*>(e.formato)->click();
            if (e.tamano.isValid()) {
                d->findChild<QRadioButton*>("opcionTamanoElegido")->click();
                d->findChild<QSpinBox*>("cajaAncho")->setValue(e.tamano.width());
                d->findChild<QSpinBox*>("cajaAlto")->setValue(e.tamano.height());
            }
            qobject_cast<QDialog*>(d)->accept();
        });
        v.orden(QStringLiteral("accionExportarGrafico"));
        const QString archivo = ruta + QLatin1Char('.') + sufijo;
        if (sufijo == QLatin1String("pdf")) {
            QCOMPARE(paginas(archivo), 1);
            // A pixel of the screen is a point of the page (rendered here at
            // 100 per inch), and the drawing fills the page.
            const QImage pagina = primeraPagina(archivo);
            QVERIFY(qAbs(pagina.width() - grafico->width() * 100.0 / 72) <= 1);
            const QRect curva = mancha(pagina, kColorCurvaELV).boundingRect();
            QVERIFY2(curva.right() > 0.8 * pagina.width() && curva.top() < 0.2 * pagina.height(),
                     qPrintable(QStringLiteral("%1 %2").arg(curva.right()).arg(curva.top())));
        } else if (sufijo == QLatin1String("svg")) {
            QSvgRenderer svg(archivo);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(grafico->size())));
        } else {
            // At the screen's pixel ratio or the size chosen, the curve in its colour.
            const QImage imagen(archivo);
            QCOMPARE(imagen.size(), e.tamano.isValid() ? e.tamano : grafico->size() * grafico->devicePixelRatioF());
            QVERIFY(!mancha(imagen, diagrama ? kColorCurvaELV : kColorCurvaAvance).isEmpty());
        }
    }
};

QTEST_MAIN(TstImprimir)
#include "tst_imprimir.moc"
