// The main window driven through its real widgets: start-up, the edit cycle,
// the composition twins, messages, views and the menus.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/fila_etapas_dibujo.h"
#include "mainwindow/formmain.h"
#include "platform/boton_imagen.h"
#include "support/dialogos_guion.h"

using namespace quillon;

class TestFormMain : public QObject {
    Q_OBJECT
    std::unique_ptr<FormMain> w;
    prueba::DialogosGuion* dialogos = nullptr;

    void escribir(QLineEdit* caja, const QString& texto)
    {
        caja->setFocus();
        caja->selectAll();
        QTest::keyClick(caja, Qt::Key_Delete);
        // QTest types ASCII only; other letters arrive as an input method would.
        for (const QChar c : texto) {
            if (c.unicode() < 128) QTest::keyClicks(caja, QString(c));
            else caja->insert(QString(c));
        }
    }
    void esperarRefresco() { QTRY_VERIFY(!w->TmrACT->isActive()); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        dialogos = new prueba::DialogosGuion;
        w = std::make_unique<FormMain>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        esperarRefresco();
    }
    void cleanup()
    {
        w->estado().modificado = false;
        w.reset();
        delete dialogos;
    }

    void arrancaConBencenoYTolueno()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillon - Single/Multi-stage distillation simulator"));
        QCOMPARE(w->TxtCompA->text(), QStringLiteral("benzene"));
        QCOMPARE(w->TxtCompB->text(), QStringLiteral("toluene"));
        QCOMPARE(w->TxtP0A->text(), QStringLiteral("36.109"));
        QVERIFY(!w->Modificado());
        QVERIFY(w->LblMSG->text().isEmpty());
        QVERIFY(w->minimumSize() == QSize(940, 660));
    }

    void unaRafagaDeTeclasDaUnSoloRefresco()
    {
        escribir(w->TxtAlfa, QStringLiteral("3"));
        QVERIFY(w->TmrACT->isActive());
        QVERIFY(w->Modificado());
        QVERIFY(!w->estado().cadena.calculada(1));
        for (const char* t : {".", "1", "5"}) {
            QTest::keyClicks(w->TxtAlfa, QString::fromLatin1(t));
            // Every keystroke restarts the timer instead of refreshing.
            QVERIFY(w->TmrACT->remainingTime() > 200);
            QVERIFY(!w->estado().cadena.calculada(1));
        }
        esperarRefresco();
        QVERIFY(w->estado().cadena.calculada(1));
    }

    void lasCajasDeComposicionSeReescribenUnaVez()
    {
        escribir(w->TxtX0A, QStringLiteral("0.5"));
        QCOMPARE(w->TxtP0A->text(), QStringLiteral("45.88"));
        QCOMPARE(w->TxtX0A->text(), QStringLiteral("0.5"));
        escribir(w->TxtP0A, QStringLiteral("36.109"));
        QCOMPARE(w->TxtX0A->text(), QStringLiteral("0.4"));
        QCOMPARE(w->TxtP0A->text(), QStringLiteral("36.109"));
    }

    void mensajesDeEntradaNoValida_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("molar mass 0") << "TxtMMA" << "0" << "ERROR: Molar mass is not valid";
        QTest::newRow("x0 above 1") << "TxtX0A" << "1.5" << "ERROR: Mole fraction of A is not valid";
        QTest::newRow("mass % above 100") << "TxtP0A" << "150" << "ERROR: Mass percentage of A is not valid";
        QTest::newRow("negative mass") << "TxtMasa0" << "-1" << "ERROR: Initial mass is not valid";
    }
    void mensajesDeEntradaNoValida()
    {
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        const std::map<QString, QLineEdit*> cajas{{"TxtMMA", w->TxtMMA}, {"TxtX0A", w->TxtX0A}, {"TxtP0A", w->TxtP0A}, {"TxtMasa0", w->TxtMasa0}};
        escribir(cajas.at(caja), texto);
        QTRY_COMPARE(w->LblMSG->text(), mensaje);
        QTRY_VERIFY(w->PicMSG->isVisible());
    }

    void elNombreDeUnCompuestoDaSuMasaMolar_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("masa");
        QTest::newRow("Spanish with blanks") << " Benceno " << "78.1121";
        QTest::newRow("capitals") << "ACETONA" << "58.08";
        QTest::newRow("accent") << QStringLiteral("alcohol metílico") << "32.04";
        QTest::newRow("water in German") << "Wasser" << "18.01528";
    }
    void elNombreDeUnCompuestoDaSuMasaMolar()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, masa);
        escribir(w->TxtCompA, nombre);
        QCOMPARE(w->TxtMMA->text(), masa);
    }

    void lasVistasCambianConLaBarraYElMenu()
    {
        QVERIFY(!w->mnu_Archivo_PRINT->isEnabled());
        w->mnu_ver_panel[1]->trigger();
        QCOMPARE(w->VistaActual(), 1);
        QVERIFY(w->mnu_ver_panel[1]->isChecked());
        QVERIFY(w->LblMENU[1]->negrita());
        QVERIFY(w->mnu_Archivo_PRINT->isEnabled());
        QVERIFY(w->PicVLE->isVisible());
        QTest::mouseClick(w->LblMENU[3], Qt::LeftButton);
        QCOMPARE(w->VistaActual(), 3);
        QVERIFY(!w->mnu_Archivo_PRINT->isEnabled());
        QVERIFY(w->TxtXAvan->isVisible());
        QVERIFY(w->TxtXAvan->toPlainText().startsWith(
            QStringLiteral("Distillation of binary mixture of benzene (A) and toluene (B)")));
        w->mnu_ver_panel[2]->trigger();
        QVERIFY(w->PicXAvan->isVisible());
        QVERIFY(w->mnu_Archivo_PRINT->isEnabled());
        w->mnu_ver_panel[0]->trigger();
        QVERIFY(!w->mnu_Archivo_PRINT->isEnabled());
        QVERIFY(w->PicMain->isVisible());
    }

    void copiarEnLaVistaPrincipalNoHaceNada()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        w->mnu_edicion_copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        w->LblMENU_Click(3);
        w->mnu_edicion_copy->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\r\n")));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Distillation of")));
    }

    void borrarVaciaLasCajas()
    {
        QTest::mouseClick(w->LabelB[2], Qt::LeftButton);
        for (QLineEdit* c : {w->TxtCompA, w->TxtCompB, w->TxtMMA, w->txtMMB, w->TxtAlfa, w->TxtX0A, w->TxtP0A, w->TxtMasa0})
            QVERIFY(c->text().isEmpty());
        QVERIFY(w->OptUNIT[0]->isChecked());
        QVERIFY(w->OptETAP[1]->isChecked());
        QVERIFY(!w->Modificado());
    }

    void borrarVuelveAUnaEtapaYAlModoAlfa()
    {
        w->OptETAP_Click(6);
        for (int k = 1; k <= 6; ++k) w->PicMain->escribirAvance(k, QStringLiteral("60"));
        for (int i = 0; i < 4; ++i) w->PicMain->Siguiente();
        QTest::mouseClick(w->OptTAB, Qt::LeftButton);
        w->OptETATAB[3]->setChecked(true);
        QTest::mouseClick(w->LabelB[2], Qt::LeftButton);
        QCOMPARE(w->PicMain->primeraEtapa(), 0);
        QVERIFY(w->PicMain->dibujo(0)->isVisible());
        QVERIFY(w->OptETATAB[1]->isChecked());
        QVERIFY(!w->OptETATAB[2]->isVisible());
        for (int k = 1; k <= 6; ++k) QCOMPARE(w->PicMain->deslizador(k)->value(), 0);
        QVERIFY(w->TxtAlfa->isVisible());
        QVERIFY(!w->LabelB[0]->isVisible());
        QVERIFY(!w->Modificado());
        QTRY_COMPARE(w->LblMSG->text(), QStringLiteral("ERROR: Molar mass is not valid"));
    }

    void lasTeclasDePaginaMuevenLaFila()
    {
        w->OptETAP_Click(6);
        w->PicMain->deslizador(1)->setFocus();
        QTest::keyClick(w->PicMain->deslizador(1), Qt::Key_PageDown);
        QCOMPARE(w->PicMain->primeraEtapa(), 1);
        QCOMPARE(w->PicMain->deslizador(1)->value(), 0);
        QTest::keyClick(w->PicMain->deslizador(2), Qt::Key_PageUp);
        QCOMPARE(w->PicMain->primeraEtapa(), 0);
    }

    void laTablaSigueALasFilasYLaEtapa()
    {
        w->OptETAP_Click(2);
        w->LblMENU_Click(3);
        w->OptFILTAB[1]->setChecked(true);
        w->LabelB_Click(1);
        // Header, blank, 4 legend lines, blank, column header, 11 rows.
        QCOMPARE(w->TxtXAvan->toPlainText().count(QLatin1Char('\n')), 6 + 4 + 2 + 11);
        QVERIFY(!w->OptETATAB[3]->isVisible());
        QVERIFY(w->OptETATAB[2]->isVisible());
    }

    void laTablaModoSinTablaMuestraElBoton()
    {
        QTest::mouseClick(w->OptTAB, Qt::LeftButton);
        QVERIFY(w->LabelB[0]->isVisible());
        QVERIFY(!w->TxtAlfa->isVisible());
        // An empty table keeps the relative volatility model.
        QVERIFY(!w->estado().modoTablaElv);
        QTest::mouseClick(w->OptVOL, Qt::LeftButton);
        QVERIFY(!w->LabelB[0]->isVisible());
        QVERIFY(w->TxtAlfa->isVisible());
    }

    void ensancharLaVentanaMuestraMasEtapas()
    {
        w->OptETAP_Click(6);
        w->resize(940, 700);
        esperarRefresco();
        // One still fits beside the first at the narrowest width...
        QVERIFY(w->PicMain->dibujo(1)->isVisible());
        QVERIFY(!w->PicMain->dibujo(2)->isVisible());
        w->resize(1900, 700);
        esperarRefresco();
        // ...and four once widened, after the deferred refresh.
        QVERIFY(w->PicMain->dibujo(4)->isVisible());
        QVERIFY(!w->PicMain->dibujo(5)->isVisible());
        QCOMPARE(w->PicMain->botonSiguiente()->x(), w->PicMain->width() - 100);
        QCOMPARE(w->PicVLE->width(), w->PicMain->width());
    }

    void laVentanaNoBajaDelMinimo()
    {
        w->resize(500, 300);
        QCOMPARE(w->size(), QSize(940, 660));
    }

    void elManualAusenteDaSuMensaje()
    {
        dialogos->shellAbre = false;
        const auto acciones = w->findChildren<QAction*>();
        for (QAction* a : acciones)
            if (a->text().startsWith(QStringLiteral("User's"))) a->trigger();
        QCOMPARE(dialogos->mensajes.size(), 1);
        QVERIFY(dialogos->mensajes[0].startsWith(QStringLiteral("Sorry, cannot find/open the file:\r\n")));
        QVERIFY(dialogos->mensajes[0].endsWith(QStringLiteral("Manual_ALMB.pdf")));
        QCOMPARE(dialogos->titulos[0], QStringLiteral("Error"));
    }
};

QTEST_MAIN(TestFormMain)
#include "tst_formmain.moc"
