// The window as a person sees it, view by view. With QUILLON_SHOTS set to a
// folder, every picture is also saved there (the manual's figures and the
// reviews use them).

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
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

class TestVistasCapturas : public QObject {
    Q_OBJECT
    std::unique_ptr<FormMain> w;
    std::unique_ptr<prueba::DialogosGuion> dialogos;

    QImage captura(const QString& nombre)
    {
        if (!QTest::qWaitFor([this] { return !w->TmrACT->isActive(); }, 5000)) qWarning("refresh still pending");
        QTest::qWait(150);  // the message bar's timer has had its tick
        const QImage imagen = w->grab().toImage();
        const QString carpeta = qEnvironmentVariable("QUILLON_SHOTS");
        if (!carpeta.isEmpty()) {
            QDir().mkpath(carpeta);
            imagen.save(QDir(carpeta).filePath(nombre + QStringLiteral(".png")));
        }
        return imagen;
    }
    // Pixels of the stage row that are neither white nor grey: liquid.
    static int pixelesDeColor(const QImage& imagen)
    {
        int n = 0;
        for (int y = 0; y < imagen.height(); y += 2)
            for (int x = 0; x < imagen.width(); x += 2) {
                const QColor c = imagen.pixelColor(x, y);
                if (c.saturation() > 120 && c.value() > 40) ++n;
            }
        return n;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        dialogos = std::make_unique<prueba::DialogosGuion>();
        w = std::make_unique<FormMain>();
        w->resize(1280, 800);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup()
    {
        w->estado().modificado = false;
        w.reset();
        dialogos.reset();
    }

    void principalConUnaEtapa()
    {
        w->mnu_ver_colorix_Click(3);
        w->PicMain->escribirAvance(1, QStringLiteral("35"));
        const QImage imagen = captura(QStringLiteral("main-1-stage"));
        QVERIFY(pixelesDeColor(imagen) > 500);
        QVERIFY(w->LblMSG->text().isEmpty());
    }

    void principalConSeisEtapas()
    {
        w->OptETAP_Click(6);
        for (int k = 1; k <= 6; ++k) w->PicMain->escribirAvance(k, QStringLiteral("60"));
        captura(QStringLiteral("main-6-stages"));
        // Three stills fit beside the first at this width; the rest scroll.
        QVERIFY(w->PicMain->dibujo(0)->isVisible());
        // Two stills fit beside the first here: four steps bring the receiver
        // in, and a fifth changes nothing.
        for (int i = 0; i < 5; ++i) w->PicMain->Siguiente();
        QCOMPARE(w->PicMain->primeraEtapa(), 4);
        captura(QStringLiteral("main-6-stages-scrolled"));
        QVERIFY(w->PicMain->dibujo(6)->isVisible());
        QVERIFY(!w->PicMain->dibujo(0)->isVisible());
    }

    void unErrorDejaLaFilaEnBlanco()
    {
        w->TxtMMA->setText(QStringLiteral("0"));
        captura(QStringLiteral("main-error"));
        QCOMPARE(w->LblMSG->text(), QStringLiteral("ERROR: Molar mass is not valid"));
        QCOMPARE(pixelesDeColor(w->PicMain->dibujo(0)->grab().toImage()), 0);
    }

    void modoTablaYBorrar()
    {
        // The alpha scale line: its dark pixels on the panel's row 84.
        auto oscurosEnLaEscala = [this] {
            const QImage panel = w->PicAlfa->grab().toImage();
            int n = 0;
            for (int x = 20; x < 270; ++x) n += panel.pixelColor(x, 84).value() < 150 ? 1 : 0;
            return n;
        };
        QVERIFY(oscurosEnLaEscala() > 200);
        QTest::mouseClick(w->OptTAB, Qt::LeftButton);
        captura(QStringLiteral("table-mode"));
        QCOMPARE(oscurosEnLaEscala(), 0);
        QTest::mouseClick(w->LabelB[2], Qt::LeftButton);
        captura(QStringLiteral("after-clear"));
        QVERIFY(oscurosEnLaEscala() > 200);
    }

    void lasOtrasVistas()
    {
        w->LblMENU_Click(1);
        captura(QStringLiteral("vle-graph"));
        w->LblMENU_Click(2);
        captura(QStringLiteral("progress-graph"));
        w->LblMENU_Click(3);
        captura(QStringLiteral("progress-table"));
        QVERIFY(!w->TxtXAvan->toPlainText().isEmpty());
    }
};

QTEST_MAIN(TestVistasCapturas)
#include "tst_vistas_capturas.moc"
