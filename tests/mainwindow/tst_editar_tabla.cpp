// The equilibrium table editor opened from the main window: the button of
// table mode and the double click on the curve, and what Ok, Cancel and an
// empty table hand back.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "documents/form_xyinput.h"
#include "graphs/geometria_elv.h"
#include "graphs/grafico_elv.h"
#include "mainwindow/formmain.h"
#include "platform/boton_imagen.h"
#include "support/dialogos_guion.h"

using namespace quillon;

namespace {

// Runs `accion` on the editor as soon as it is shown modally.
void alAbrirElEditor(std::function<void(QDialog*)> accion)
{
    QTimer::singleShot(0, [accion] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(editor && editor->objectName() == QStringLiteral("FormXYinput"));
        accion(editor);
    });
}

void escribirFila(QDialog* editor, int k, const QString& x, const QString& y)
{
    editor->findChild<QLineEdit*>(QStringLiteral("TxtX%1").arg(k))->setText(x);
    editor->findChild<QLineEdit*>(QStringLiteral("TxTY%1").arg(k))->setText(y);
}

void pulsar(QDialog* editor, int boton)
{
    QTest::mouseClick(editor->findChild<BotonImagen*>(QStringLiteral("LabelB%1").arg(boton)), Qt::LeftButton);
}

}  // namespace

class TestEditarTabla : public QObject {
    Q_OBJECT
    std::unique_ptr<FormMain> w;
    std::unique_ptr<prueba::DialogosGuion> dialogos;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        dialogos = std::make_unique<prueba::DialogosGuion>();
        w = std::make_unique<FormMain>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(w->OptTAB, Qt::LeftButton);
    }
    void cleanup()
    {
        w->estado().modificado = false;
        w.reset();
        dialogos.reset();
    }

    void okEntregaLaTablaCompletada()
    {
        alAbrirElEditor([](QDialog* e) {
            pulsar(e, 2);  // Clear: the untouched table holds zeros
            escribirFila(e, 0, QStringLiteral("0.1"), QStringLiteral("0.2"));
            escribirFila(e, 1, QStringLiteral("0.5"), QStringLiteral("0.7"));
            pulsar(e, 0);
        });
        QTest::mouseClick(w->LabelB[0], Qt::LeftButton);
        QVERIFY(w->estado().modoTablaElv);
        QCOMPARE(w->estado().tablaElv.ultPunto, 3);
        QCOMPARE(w->estado().tablaElv.x[3], 1.0);
        QVERIFY(w->estado().superTabla[500] > 1);
        QVERIFY(w->Modificado());
        // The stills follow the new table.
        QVERIFY(!w->estado().cadena.calculada(1));
        QTRY_VERIFY(w->estado().cadena.calculada(1));
        QVERIFY(w->LblMSG->text().isEmpty());
    }

    void unaTablaVaciaVuelveAlModoAlfa()
    {
        alAbrirElEditor([](QDialog* e) {
            pulsar(e, 2);
            pulsar(e, 0);  // Ok with the first row empty
        });
        QTest::mouseClick(w->LabelB[0], Qt::LeftButton);
        QVERIFY(!w->estado().modoTablaElv);
        QVERIFY(w->OptVOL->isChecked());
        QVERIFY(w->TxtAlfa->isVisible());
    }

    void cancelarNoCambiaNada()
    {
        const TablaELV antes = w->estado().tablaElv;
        alAbrirElEditor([](QDialog* e) {
            escribirFila(e, 0, QStringLiteral("0.3"), QStringLiteral("0.6"));
            pulsar(e, 1);
        });
        QTest::mouseClick(w->LabelB[0], Qt::LeftButton);
        QVERIFY(w->estado().tablaElv == antes);
        // The table was never usable, so the window is back in alpha mode.
        QVERIFY(w->OptVOL->isChecked());
    }

    void elDobleClicEnLaCurvaAbreElEditor()
    {
        alAbrirElEditor([](QDialog* e) {
            pulsar(e, 2);
            escribirFila(e, 0, QStringLiteral("0.5"), QStringLiteral("0.75"));
            pulsar(e, 0);
        });
        QTest::mouseClick(w->LabelB[0], Qt::LeftButton);
        QVERIFY(w->estado().modoTablaElv);
        w->LblMENU_Click(1);
        // alpha 3 everywhere: the curve passes through (0.5, 0.75).
        const GeometriaELV g = geometriaPantalla(w->PicVLE->width(), w->PicVLE->height());
        const QPoint sobreCurva(qRound(g.xDe(0.5)), qRound(g.yDe(0.75)));
        QTest::mouseMove(w->PicVLE, sobreCurva);
        bool abierto = false;
        alAbrirElEditor([&abierto](QDialog* e) {
            abierto = true;
            pulsar(e, 1);
        });
        QTest::mouseDClick(w->PicVLE, Qt::LeftButton, {}, sobreCurva);
        QVERIFY(abierto);
    }
};

QTEST_MAIN(TestEditarTabla)
#include "tst_editar_tabla.moc"
