// The Spanish build's texts of the graphs and the print dialog, and the
// comma of the Spanish decimal separator in the diagram.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "graphs/entorno_graficos.h"
#include "graphs/form_imprimir.h"
#include "graphs/geometria_elv.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "platform/boton_imagen.h"

using namespace quillon;
using namespace quillon::prueba;

class TstGraficosEsp : public QObject {
    Q_OBJECT
private slots:
    void titulosDelDiagrama();
    void diagramaConComa();
    void panelYDialogo();
};

void TstGraficosEsp::titulosDelDiagrama()
{
    QCOMPARE(QString::fromStdString(tituloEjeX("")),
             QStringLiteral("X: Fracción molar del componente más volátil en el líquido"));
    QCOMPARE(QString::fromStdString(tituloEjeY("benceno")), QStringLiteral("Y: Fracción molar de benceno en el vapor"));
}

void TstGraficosEsp::diagramaConComa()
{
    EntornoGraficos entorno;
    // The separator follows the numbers as typed.
    entorno.estado.numero.sepDecimal = ',';
    entorno.mma = QStringLiteral("78,11");
    entorno.mmb = QStringLiteral("92,14");
    entorno.alfa = QStringLiteral("3");
    GraficoELV g(entorno.estado);
    g.resize(450, 450);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QObject::connect(&g, &GraficoELV::alfaArrastrada, &g, [&](const QString& t) { entorno.alfa = t; });
    g.Dibujar_VLE();
    QTest::mouseMove(&g, QPoint(3, 3));
    QTest::mouseMove(&g, QPoint(225, 125));
    QCOMPARE(g.LblCOOR_VLE->text(), QStringLiteral("Curva de equilibrio: x = 0,5   y = 0,75"));
    QCOMPARE(g.toolTip(), QStringLiteral("Curva de equilibrio líquido-vapor"));
    QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(225, 125));
    QTest::mouseMove(&g, QPoint(300, 300));
    QCOMPARE(entorno.alfa, QStringLiteral("1,01"));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(300, 300));
    entorno.alfa = QStringLiteral("1");
    g.Dibujar_VLE();
    QCOMPARE(entorno.mensaje, QStringLiteral("ERROR: Volatilidad relativa fuera de rango"));
}

void TstGraficosEsp::panelYDialogo()
{
    EntornoGraficos entorno;
    PanelAvance panel(entorno.estado);
    QCOMPARE(panel.LblEtapa->text(), QStringLiteral("Etapa a graficar"));
    QCOMPARE(panel.LblEjeY->text(), QStringLiteral("Eje Y (vertical)"));
    QCOMPARE(panel.LblEjeX->text(), QStringLiteral("Eje X (horizontal)"));
    QCOMPARE(panel.LabelB6->texto(), QStringLiteral("Copiar"));

    DialogosPrueba dialogos;
    AjustesImpresion a;
    FormImprimir d(a, {});
    QCOMPARE(d.windowTitle(), QStringLiteral("Imprimir"));
    QCOMPARE(d.Label1->text(), QStringLiteral("Número de copias:"));
    QCOMPARE(d.Label2->text(), QStringLiteral("Impresora:"));
    QCOMPARE(d.ChK_BN->text(), QStringLiteral("Blanco y negro"));
    QCOMPARE(d.Image1[0]->texto(), QStringLiteral("Imprimir"));
    QCOMPARE(d.Image1[1]->texto(), QStringLiteral("Cancelar"));
    QCOMPARE(d.Combo1->itemText(0), QStringLiteral("Archivo PDF"));
    d.Text1->setText(QStringLiteral("0"));
    d.Aceptar();
    QCOMPARE(dialogos.mensajes, QStringList{QStringLiteral("El número de copias no es válido. Máximo 1999 copias.")});
}

QTEST_MAIN(TstGraficosEsp)
#include "tst_graficos_esp.moc"
