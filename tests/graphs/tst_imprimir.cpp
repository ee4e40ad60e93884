// The print dialog's rules and the Print command printing into PDF files,
// checked with poppler's pdfinfo and pdftoppm.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "graphs/entorno_graficos.h"
#include "graphs/form_imprimir.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/imprimir.h"
#include "graphs/panel_avance.h"
#include "graphs/pintar_avance.h"
#include "graphs/pintar_elv.h"
#include "platform/boton_imagen.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

// Runs `accion` on the print dialog as soon as it is shown modally.
void alAbrirseElDialogo(std::function<void(FormImprimir&)> accion)
{
    auto* reloj = new QTimer;
    QObject::connect(reloj, &QTimer::timeout, reloj, [reloj, accion] {
        auto* d = qobject_cast<FormImprimir*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        reloj->stop();
        reloj->deleteLater();
        accion(*d);
    });
    reloj->start(10);
}

void imprimirCon(int copias, bool blancoYNegro)
{
    alAbrirseElDialogo([copias, blancoYNegro](FormImprimir& d) {
        d.Combo1->setCurrentIndex(d.Combo1->count() - 1);  // "PDF file"
        d.Text1->setText(QString::number(copias));
        d.ChK_BN->setChecked(blancoYNegro);
        QTest::mouseClick(d.Image1[0], Qt::LeftButton);
    });
}

int paginas(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished();
    const QString salida = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString& linea : salida.split(QLatin1Char('\n')))
        if (linea.startsWith(QStringLiteral("Pages:"))) return linea.mid(6).trimmed().toInt();
    return -1;
}

QImage primeraPagina(const QString& pdf, const QString& nombre)
{
    const QString prefijo = pdf + QStringLiteral("_pagina");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"), QStringLiteral("1"),
                       QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-png"),
                       pdf, prefijo});
    const QImage im(prefijo + QStringLiteral(".png"));
    guardarCaptura(im, nombre);
    return im;
}

}  // namespace

class TstImprimir : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogoAlCargar();
    void eleccionDeImpresora();
    void cajaDeCopias();
    void spinner();
    void aceptarCopias_data();
    void aceptarCopias();
    void escapeCancela();
    void imprimirDiagramaEnPdf_data();
    void imprimirDiagramaEnPdf();
    void imprimirGraficoDeAvance();
    void nadaQueImprimir();
    void pdfNoEscribible();

private:
    QTemporaryDir carpeta_;
    EntornoGraficos* entorno_ = nullptr;
    DialogosPrueba* dialogos_ = nullptr;
    GraficoELV* vle_ = nullptr;
};

void TstImprimir::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(carpeta_.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) QSKIP("poppler-utils is needed");
}

void TstImprimir::init()
{
    entorno_ = new EntornoGraficos;
    dialogos_ = new DialogosPrueba;
    vle_ = new GraficoELV(entorno_->estado);
    vle_->resize(600, 560);
    vle_->show();
    vle_->Dibujar_VLE();
    ajustesImpresion().aPdf = true;
}

void TstImprimir::cleanup()
{
    delete vle_;
    delete dialogos_;
    delete entorno_;
}

void TstImprimir::dialogoAlCargar()
{
    AjustesImpresion a;
    a.imprimirOK = true;
    a.impresora = QStringLiteral("Inkjet B");
    FormImprimir d(a, {QStringLiteral("Laser A"), QStringLiteral("Inkjet B")});
    QCOMPARE(d.windowTitle(), QStringLiteral("Print"));
    QVERIFY(!a.imprimirOK);
    QCOMPARE(d.Text1->text(), QStringLiteral(" 1"));
    QCOMPARE(d.copiasDelSpinner(), 1);
    QCOMPARE(d.Combo1->count(), 3);
    QCOMPARE(d.Combo1->itemText(2), QStringLiteral("PDF file"));
    QCOMPARE(d.Combo1->currentIndex(), 1);
    QCOMPARE(d.Label1->text(), QStringLiteral("Number of copies:"));
    QCOMPARE(d.Label2->text(), QStringLiteral("Printer:"));
    QCOMPARE(d.ChK_BN->text(), QStringLiteral("Black && white"));
    QCOMPARE(d.Image1[0]->texto(), QStringLiteral("Print"));
    QCOMPARE(d.Image1[1]->texto(), QStringLiteral("Cancel"));
    QCOMPARE(d.Image1[0]->pos(), QPoint(160, 220));
    QCOMPARE(d.Image1[1]->pos(), QPoint(312, 220));
    guardarCaptura(d.grab().toImage(), QStringLiteral("frmImprimir"));
}

void TstImprimir::eleccionDeImpresora()
{
    AjustesImpresion a;
    a.aPdf = true;
    FormImprimir d(a, {QStringLiteral("Laser A"), QStringLiteral("Inkjet B")});
    QCOMPARE(d.Combo1->currentIndex(), 2);
    d.Combo1->setCurrentIndex(0);
    QVERIFY(!a.aPdf);
    QCOMPARE(a.impresora, QStringLiteral("Laser A"));
    // No printer installed: the PDF entry alone, chosen.
    AjustesImpresion b;
    b.impresora = QStringLiteral("Gone");
    FormImprimir sin(b, {});
    QCOMPARE(sin.Combo1->count(), 1);
    QVERIFY(b.aPdf);
}

void TstImprimir::cajaDeCopias()
{
    AjustesImpresion a;
    FormImprimir d(a, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QLineEdit* t = d.Text1;
    t->setFocus();
    t->selectAll();
    QTest::keyClick(t, Qt::Key_Backspace);
    QCOMPARE(t->text(), QStringLiteral("1"));  // an emptied box shows 1
    t->end(false);
    QTest::keyClicks(t, QStringLiteral("ab-+ ,."));
    QCOMPARE(t->text(), QStringLiteral("1"));
    QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(t, Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(t->text(), QStringLiteral("1"));
    QTest::keyClicks(t, QStringLiteral("5"));
    QCOMPARE(t->text(), QStringLiteral("15"));
    QCOMPARE(d.copiasDelSpinner(), 15);
    QTest::keyClick(t, Qt::Key_Up);
    QCOMPARE(t->text(), QStringLiteral("16"));
    QTest::keyClick(t, Qt::Key_Down);
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->text(), QStringLiteral("14"));
    QCOMPARE(d.copiasDelSpinner(), 14);
    // Too many copies stay typed until the box is left.
    t->setText(QStringLiteral("2500"));
    QCOMPARE(d.copiasDelSpinner(), 1999);
    QCOMPARE(t->text(), QStringLiteral("2500"));
    d.ChK_BN->setFocus();
    QCOMPARE(t->text(), QStringLiteral("1999"));
    t->setText(QStringLiteral("1"));
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->text(), QStringLiteral("1"));
}

void TstImprimir::spinner()
{
    AjustesImpresion a;
    FormImprimir d(a, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.Text1->setText(QStringLiteral("10"));
    QScrollBar* s = d.VScroll1;
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = Qt::Vertical;
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = opt.sliderValue = s->value();
    opt.upsideDown = s->invertedAppearance();
    opt.subControls = QStyle::SC_All;
    const QRect arriba = s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSubLine, s);
    const QRect abajo = s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, s);
    const QPoint puntoArriba = arriba.top() < abajo.top() ? arriba.center() : abajo.center();
    const QPoint puntoAbajo = arriba.top() < abajo.top() ? abajo.center() : arriba.center();
    // The upper arrow raises the number of copies, the lower one lowers it.
    QTest::mouseClick(s, Qt::LeftButton, {}, puntoArriba);
    QCOMPARE(d.Text1->text(), QStringLiteral("11"));
    QTest::mouseClick(s, Qt::LeftButton, {}, puntoAbajo);
    QTest::mouseClick(s, Qt::LeftButton, {}, puntoAbajo);
    QCOMPARE(d.Text1->text(), QStringLiteral("9"));
}

void TstImprimir::aceptarCopias_data()
{
    QTest::addColumn<QString>("copias");
    QTest::addColumn<bool>("aceptado");
    QTest::newRow("1999") << "1999" << true;
    QTest::newRow("2000") << "2000" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("one") << "1" << true;
}

void TstImprimir::aceptarCopias()
{
    QFETCH(QString, copias);
    QFETCH(bool, aceptado);
    AjustesImpresion a;
    FormImprimir d(a, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.Text1->setText(copias);
    d.ChK_BN->setChecked(true);
    QTest::mouseClick(d.Image1[0], Qt::LeftButton);
    QCOMPARE(d.isVisible(), !aceptado);
    QCOMPARE(dialogos_->mensajes,
             aceptado ? QStringList() : QStringList{QStringLiteral("The number of copies isn't valid. Max. 1999 copies.")});
    if (aceptado) {
        QVERIFY(a.imprimirOK);
        QVERIFY(a.imprimirBN);
        QCOMPARE(a.numCopias, copias.toInt());
    }
}

void TstImprimir::escapeCancela()
{
    AjustesImpresion a;
    FormImprimir d(a, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.Text1->setFocus();
    QTest::keyClick(d.Text1, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QVERIFY(!a.imprimirOK);
    FormImprimir otro(a, {});
    otro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&otro));
    QTest::mouseClick(otro.Image1[1], Qt::LeftButton);
    QVERIFY(!otro.isVisible());
    QCOMPARE(otro.result(), int(QDialog::Rejected));
}

void TstImprimir::imprimirDiagramaEnPdf_data()
{
    QTest::addColumn<int>("copias");
    QTest::addColumn<bool>("blancoYNegro");
    QTest::newRow("three copies in colour") << 3 << false;
    QTest::newRow("one copy in black and white") << 1 << true;
}

void TstImprimir::imprimirDiagramaEnPdf()
{
    QFETCH(int, copias);
    QFETCH(bool, blancoYNegro);
    const QString ruta = carpeta_.filePath(QStringLiteral("vle_%1").arg(copias));
    dialogos_->rutaGuardar = ruta;  // without suffix: ".pdf" is added
    imprimirCon(copias, blancoYNegro);
    imprimirGrafico(nullptr, vle_, nullptr, QString());
    QCOMPARE(dialogos_->guardados, 1);
    QCOMPARE(paginas(ruta + QStringLiteral(".pdf")), copias);
    const QImage pagina = primeraPagina(ruta + QStringLiteral(".pdf"), blancoYNegro ? "pdf_vle_bn" : "pdf_vle");
    QVERIFY(!pagina.isNull());
    QCOMPARE(pixelesDeColor(pagina, kColorCurvaELV, 50) > 100, !blancoYNegro);
    QVERIFY(pixelesDeColor(pagina, Qt::black, 60) > 500);
    // The picture on screen is drawn again, in colour.
    QVERIFY(pixelesDeColor(vle_->imagen(), kColorCurvaELV, 20) > 300);
}

void TstImprimir::imprimirGraficoDeAvance()
{
    PanelAvance panel(entorno_->estado);
    GraficoAvance avance(entorno_->estado, panel);
    avance.resize(650, 600);
    const QString ruta = carpeta_.filePath(QStringLiteral("avance.pdf"));
    dialogos_->rutaGuardar = ruta;
    imprimirCon(2, false);
    imprimirGrafico(nullptr, nullptr, &avance, QString());
    QCOMPARE(paginas(ruta), 2);
    const QImage pagina = primeraPagina(ruta, QStringLiteral("pdf_avance"));
    QVERIFY(pixelesDeColor(pagina, kColorCurvaAvance, 50) > 100);
    QVERIFY(pixelesDeColor(pagina, kColorEjesAvance, 30) > 100);
}

void TstImprimir::nadaQueImprimir()
{
    // An input error on the message line: no dialog at all.
    imprimirGrafico(nullptr, vle_, nullptr, QStringLiteral("ERROR: Molar mass is not valid"));
    QVERIFY(!QApplication::activeModalWidget());
    // Cancelled dialog, or cancelled file name: nothing written.
    alAbrirseElDialogo([](FormImprimir& d) { d.Cancelar(); });
    imprimirGrafico(nullptr, vle_, nullptr, QString());
    QCOMPARE(dialogos_->guardados, 0);
    dialogos_->rutaGuardar.clear();
    imprimirCon(1, false);
    imprimirGrafico(nullptr, vle_, nullptr, QString());
    QCOMPARE(dialogos_->guardados, 1);
    QCOMPARE(dialogos_->mensajes, QStringList());
    // Neither graph shown: an empty document.
    dialogos_->rutaGuardar = carpeta_.filePath(QStringLiteral("vacio.pdf"));
    imprimirCon(2, false);
    imprimirGrafico(nullptr, nullptr, nullptr, QString());
    QCOMPARE(paginas(dialogos_->rutaGuardar), 1);
}

void TstImprimir::pdfNoEscribible()
{
    const QString ruta = carpeta_.filePath(QStringLiteral("no/such/folder/x.pdf"));
    dialogos_->rutaGuardar = ruta;
    imprimirCon(1, false);
    imprimirGrafico(nullptr, vle_, nullptr, QString());
    QCOMPARE(dialogos_->mensajes.size(), 1);
    QVERIFY(dialogos_->mensajes[0].startsWith(QStringLiteral("ERROR: Unable to save the file:\r\n") + ruta + QStringLiteral("\r\nError : ")));
}

QTEST_MAIN(TstImprimir)
#include "tst_imprimir.moc"
