// The Spanish build: linked with the Spanish language constant, the window
// picks every Spanish twin.

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "mainwindow/formmain.h"
#include "platform/boton_imagen.h"
#include "support/dialogos_guion.h"

using namespace quillon;

class TestFormMainEsp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void losTextosSonLosEspanoles()
    {
        prueba::DialogosGuion dialogos;
        FormMain w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillon - Simulador de destilación mezcla binaria"));
        QCOMPARE(w.TxtCompA->text(), QStringLiteral("benceno"));
        QCOMPARE(w.TxtCompB->text(), QStringLiteral("tolueno"));
        QCOMPARE(w.LblMENU[0]->texto(), QStringLiteral("Inicio"));
        QCOMPARE(w.LabelB[1]->texto(), QStringLiteral("Actualizar"));
        QCOMPARE(w.menuBar()->actions().first()->text(), QStringLiteral("&Archivo"));
        QCOMPARE(w.Label3[8]->text(), QStringLiteral("A: Componente más volátil"));

        w.TxtMMA->setText(QStringLiteral("0"));
        QTRY_COMPARE(w.LblMSG->text(), QStringLiteral("ERROR: Masa molar no válida"));
        w.estado().modificado = false;
    }
};

QTEST_MAIN(TestFormMainEsp)
#include "tst_formmain_esp.moc"
