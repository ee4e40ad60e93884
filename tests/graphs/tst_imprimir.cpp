// The print dialog's copies rules, and the Print command writing PDF files,
// read back with poppler's pdfinfo and pdftoppm.
#include <cerrno>
#include <cstring>
#include <optional>

#include "graphs/form_imprimir.h"
#include "graphs/graficos.h"
#include "graphs/imprimir.h"
#include "graphs/pintar_avance.h"
#include "graphs/pintar_elv.h"
#include "graphs/pintar_txy.h"
#include "platform/archivos.h"
#include "support/dialogos_guion.h"
#include "support/disco_lleno.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

// Prints through the dialog as a person would: the PDF entry, the copies,
// black and white or not, then Print.
void imprimir(GraficoELV* vle, GraficoAvance* avance, int copias, bool blancoYNegro)
{
    QTimer::singleShot(0, [=] {
        QWidget* d = QApplication::activeModalWidget();
        auto* lista = d->findChild<QComboBox*>("listaImpresoras");
        lista->setCurrentIndex(lista->count() - 1);
        d->findChild<QLineEdit*>("cajaCopias")->setText(QString::number(copias));
        d->findChild<QCheckBox*>("casillaBlancoYNegro")->setChecked(blancoYNegro);
        QTest::mouseClick(d->findChild<QWidget*>("botonImprimir"), Qt::LeftButton);
    });
    imprimirGrafico(nullptr, vle, avance, QString());
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

class TstImprimir : public QObject {
    Q_OBJECT
    QTemporaryDir carpeta_;
    Graficos g_;
    DialogosGuion dialogos_;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) QSKIP("poppler-utils is needed");
    }
    void init() { dialogos_.mensajes.clear(); }

    void copias_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<int>("tecla");  // then pressed, Qt::Key_unknown for none
        QTest::addColumn<QString>("caja");
        QTest::addColumn<bool>("aceptado");  // refused with the message otherwise
        QTest::newRow("1999") << "1999" << int(Qt::Key_unknown) << "1999" << true;
        QTest::newRow("2000") << "2000" << int(Qt::Key_unknown) << "2000" << false;
        QTest::newRow("0") << "0" << int(Qt::Key_unknown) << "0" << false;
        QTest::newRow("letters ignored") << "7ab-,. " << int(Qt::Key_unknown) << "7" << true;
        QTest::newRow("emptied box") << "7" << int(Qt::Key_Backspace) << "1" << true;
        QTest::newRow("Up") << "15" << int(Qt::Key_Up) << "16" << true;
        QTest::newRow("Down") << "15" << int(Qt::Key_Down) << "14" << true;
        QTest::newRow("Down from 1") << "1" << int(Qt::Key_Down) << "1" << true;
        QTest::newRow("2500, box left") << "2500" << int(Qt::Key_Tab) << "1999" << true;
    }
    void copias()
    {
        QFETCH(QString, tecleado);
        QFETCH(int, tecla);
        QFETCH(QString, caja);
        QFETCH(bool, aceptado);
        AjustesImpresion a;
        FormImprimir d(a, {});
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* c = d.findChild<QLineEdit*>("cajaCopias");
        c->setFocus();
        c->selectAll();
        QTest::keyClicks(c, tecleado);
        if (tecla != Qt::Key_unknown) QTest::keyClick(c, Qt::Key(tecla));
        QCOMPARE(c->text(), caja);
        QTest::mouseClick(d.findChild<QWidget*>("botonImprimir"), Qt::LeftButton);
        QCOMPARE(d.isVisible(), !aceptado);
        QCOMPARE(dialogos_.mensajes, aceptado ? QStringList() : QStringList{"The number of copies isn't valid. Max. 1999 copies."});
        if (aceptado) QCOMPARE(a.numCopias, caja.toInt());
    }

    void pdf_data()
    {
        QTest::addColumn<QString>("grafico");  // the picture shown, none when empty
        QTest::addColumn<int>("copias");
        QTest::addColumn<int>("paginas");
        QTest::newRow("diagram, 3 copies") << "elv" << 3 << 3;
        QTest::newRow("progress graph, 2 copies") << "avance" << 2 << 2;
        QTest::newRow("T-x-y diagram, 1 copy") << "txy" << 1 << 1;
        QTest::newRow("neither graph") << "" << 2 << 1;
    }
    void pdf()
    {
        QFETCH(QString, grafico);
        QFETCH(int, copias);
        QFETCH(int, paginas);
        GraficoELV* vle = grafico == "elv" || grafico == "txy" ? &g_.elv : nullptr;
        if (grafico == "txy") QVERIFY(g_.elegirTxy());
        GraficoAvance* avance = grafico == "avance" ? &g_.avance : nullptr;
        // Names typed without ".pdf" get it.
        const QString enColor = carpeta_.filePath(grafico + "_color"), enBN = carpeta_.filePath(grafico + "_bn");
        dialogos_.rutasGuardar = QStringList{enColor, enBN};
        imprimir(vle, avance, copias, false);
        imprimir(vle, avance, 1, true);
        QCOMPARE(::paginas(enColor + ".pdf"), paginas);
        QCOMPARE(dialogos_.mensajes, QStringList());
        if (grafico.isEmpty()) return;
        // The curve in its colour, or black where the colour was.
        const QColor color = grafico == "txy" ? kColorBurbuja : vle ? kColorCurvaELV : kColorCurvaAvance;
        const QImage pagina = primeraPagina(enColor + ".pdf"), bn = primeraPagina(enBN + ".pdf");
        const QPolygon curva = mancha(pagina, color, 60);
        QVERIFY(curva.size() > bn.width() / 2);
        QVERIFY(mancha(bn, color, 60).isEmpty());
        const auto negros = std::count_if(curva.begin(), curva.end(), [&bn](QPoint p) { return qGray(bn.pixel(p)) < 128; });
        QVERIFY(negros > 0.8 * curva.size());
        // The diagram on screen is drawn again, in colour; the progress graph
        // keeps the picture's proportions.
        if (vle) QVERIFY(!mancha(g_.elv.imagen(), color).isEmpty());
        if (vle) g_.control<QAbstractButton>("opcionDiagramaXY")->click();
        if (!avance) return;
        avance->Dibujar_XAV();
        const QRectF enPapel = mancha(pagina, kColorEjesAvance, 60).boundingRect(),
                     enPantalla = mancha(avance->imagen(), kColorEjesAvance, 10).boundingRect();
        QVERIFY(qAbs(enPapel.height() / enPapel.width() / (enPantalla.height() / enPantalla.width()) - 1) < 0.05);
    }

    void pdfNoEscrito_data()
    {
        QTest::addColumn<bool>("discoLleno");  // with an old PDF on it; a folder that does not exist otherwise
        QTest::addColumn<QString>("cabecera");
        QTest::addColumn<int>("error");
        QTest::newRow("no such folder") << false << "ERROR: Unable to save the file:" << ENOENT;
        QTest::newRow("full disk") << true << "ERROR: Unable to replace the file:" << ENOSPC;
    }
    void pdfNoEscrito()
    {
        QFETCH(bool, discoLleno);
        QFETCH(QString, cabecera);
        QFETCH(int, error);
        std::optional<DiscoLleno> disco;
        QString ruta = carpeta_.filePath("no/such/folder/x.pdf");
        if (discoLleno) {
            if (!disco.emplace().montado()) QSKIP("a tmpfs cannot be mounted here");
            disco->escribir("x.pdf", "the old PDF");
            disco->llenar();
            ruta = disco->ruta("x.pdf");
        }
        dialogos_.rutasGuardar = QStringList{ruta};
        imprimir(&g_.elv, nullptr, 1, false);
        QCOMPARE(dialogos_.mensajes.size(), 1);
        const QString m = dialogos_.mensajes[0];
        QVERIFY2(m.startsWith(cabecera + "\r\n" + ruta) && m.endsWith(std::strerror(error)), qPrintable(m));
        if (!discoLleno) return;
        QCOMPARE(plataforma::leerArchivo(ruta).bytes, QByteArray("the old PDF"));
        QCOMPARE(disco->archivos(), QStringList{"x.pdf"});
    }
};

QTEST_MAIN(TstImprimir)
#include "tst_imprimir.moc"
