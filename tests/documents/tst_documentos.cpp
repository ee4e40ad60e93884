// Documents through the real window: save and reopen, refused files, the
// question before unsaved changes are lost, saving where one cannot, settings.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "support/dialogos_guion.h"

using namespace quillon;
using plataforma::Respuesta;

namespace {

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void escribirArchivo(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray documentoTabla(const QByteArray& filas)
{
    return "<A=ethanol>\r\n<B=water>\r\n<MMA=46.07>\r\n<MMB=18.01528>\r\n<ALPHA=2.45>\r\n<X0=0.1>\r\n<M0=100>\r\n"
           "<MU=kg>\r\n<NE=2>\r\n<%E1=30 >\r\n<%E2=50 >\r\n<%E3=0 >\r\n<%E4=0 >\r\n<%E5=0 >\r\n<%E6=0 >\r\n"
           "<VLE=TABLE>\r\n[[\r\n" + filas + "]]\r\n";
}

}  // namespace

class TestDocumentos : public QObject {
    Q_OBJECT
    std::unique_ptr<FormMain> w;
    std::unique_ptr<prueba::DialogosGuion> dialogos;
    QTemporaryDir dir;

    QString ruta(const QString& nombre) const { return dir.filePath(nombre); }
    void nuevaVentana()
    {
        w = std::make_unique<FormMain>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_VERIFY(!w->TmrACT->isActive());
    }
    QStringList textos() const
    {
        QStringList t;
        for (QLineEdit* c : {w->TxtCompA, w->TxtCompB, w->TxtMMA, w->txtMMB, w->TxtAlfa, w->TxtX0A, w->TxtP0A, w->TxtMasa0})
            t << c->text();
        for (int k = 1; k <= 6; ++k) t << w->PicMain->textoAvance(k);
        return t;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QSettings(QStringLiteral("ALMB"), QStringLiteral("ALMB")).clear();
        dialogos = std::make_unique<prueba::DialogosGuion>();
        nuevaVentana();
    }
    void cleanup()
    {
        if (w) w->estado().modificado = false;
        w.reset();
        dialogos.reset();
    }

    void guardarBorrarYAbrirDevuelveCadaCaja()
    {
        w->TxtCompA->setText(QStringLiteral("alcohol metílico"));
        w->TxtAlfa->setText(QStringLiteral("3,5"));
        w->OptUNIT[3]->click();
        w->OptETAP[3]->click();
        w->PicMain->escribirAvance(1, QStringLiteral("40"));
        w->PicMain->escribirAvance(2, QStringLiteral("12.5"));
        const QStringList antes = textos();
        dialogos->rutasGuardar << ruta(QStringLiteral("uno.bdf"));
        w->mnu_Archivo_SAVE->trigger();
        QVERIFY(!w->Modificado());
        QCOMPARE(w->NombreArchivo(), ruta(QStringLiteral("uno.bdf")));
        QVERIFY(leer(ruta(QStringLiteral("uno.bdf"))).contains("<A=alcohol met\xEDlico>\r\n"));

        w->Borrar();
        dialogos->rutasAbrir << ruta(QStringLiteral("uno.bdf"));
        w->mnu_Archivo_OPEN->trigger();
        QStringList despues = textos();
        // The stage percentages come back with the blank written before ">".
        for (int i = 8; i < despues.size(); ++i) despues[i] = despues[i].trimmed();
        QCOMPARE(despues, antes);
        QVERIFY(w->OptUNIT[3]->isChecked());
        QVERIFY(w->OptETAP[3]->isChecked());
        QVERIFY(!w->Modificado());
        QCOMPARE(w->PathFile, dir.path());
    }

    void unaTablaVuelveConSuModo()
    {
        escribirArchivo(ruta(QStringLiteral("tabla.bdf")), documentoTabla("0.2  0.4\r\n0.6  0.8\r\n"));
        w->AbrirRuta(ruta(QStringLiteral("tabla.bdf")));
        QVERIFY(dialogos->mensajes.isEmpty());
        QVERIFY(w->estado().modoTablaElv);
        QVERIFY(w->OptTAB->isChecked());
        QCOMPARE(w->estado().tablaElv.ultPunto, 3);
        QCOMPARE(w->estado().tablaElv.x[1], 0.2);
        QVERIFY(w->OptUNIT[1]->isChecked());
        QVERIFY(w->OptETAP[2]->isChecked());
        QTRY_VERIFY(!w->TmrACT->isActive());
        QVERIFY(w->LblMSG->text().isEmpty());
    }

    void unArchivoRechazadoNoCargaNada_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("no block") << QByteArray("<A=x>\r\n<VLE=TABLE>\r\n") << "ERROR: Invalid format:\r\n";
        QTest::newRow("out of range") << documentoTabla("0.2  1.4\r\n") << "ERROR: Data out of range [0, 1]";
        QTest::newRow("not increasing") << documentoTabla("0.2  0.4\r\n0.2  0.5\r\n") << "ERROR: Invalid data";
        QTest::newRow("pure component") << documentoTabla("0  0.1\r\n") << "ERROR: Invalid data";
    }
    void unArchivoRechazadoNoCargaNada()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, mensaje);
        escribirArchivo(ruta(QStringLiteral("malo.bdf")), contenido);
        const QStringList antes = textos();
        dialogos->rutasAbrir << ruta(QStringLiteral("malo.bdf"));
        w->mnu_Archivo_OPEN->trigger();
        QCOMPARE(dialogos->mensajes.size(), 1);
        QVERIFY2(dialogos->mensajes[0].startsWith(mensaje), qPrintable(dialogos->mensajes[0]));
        QCOMPARE(dialogos->titulos[0], QStringLiteral("Error"));
        QCOMPARE(dialogos->iconos[0], plataforma::Icono::Exclamacion);
        QCOMPARE(textos(), antes);
        QVERIFY(!w->estado().modoTablaElv);
        QVERIFY(w->NombreArchivo().isEmpty());
    }

    void unaEtiquetaAusenteDejaLaCajaComoQuedo()
    {
        escribirArchivo(ruta(QStringLiteral("sinmasa.bdf")), "<A=Benceno>\r\n<B=water>\r\n<X0=0.5>\r\n<M0=10>\r\n");
        w->AbrirRuta(ruta(QStringLiteral("sinmasa.bdf")));
        QVERIFY(dialogos->mensajes.isEmpty());
        // The names' lookup filled the molar masses; no tag overwrote them.
        QCOMPARE(w->TxtMMA->text(), QStringLiteral("78.1121"));
        QCOMPARE(w->txtMMB->text(), QStringLiteral("18.01528"));
        QVERIFY(w->TxtAlfa->text().isEmpty());
    }

    void laPreguntaAlCerrar_data()
    {
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<bool>("cierra");
        QTest::newRow("cancel") << int(Respuesta::Cancelar) << false;
        QTest::newRow("no") << int(Respuesta::No) << true;
        QTest::newRow("yes, save as cancelled") << int(Respuesta::Si) << false;
    }
    void laPreguntaAlCerrar()
    {
        QFETCH(int, respuesta);
        QFETCH(bool, cierra);
        w->TxtMasa0->setText(QStringLiteral("750"));
        QVERIFY(w->Modificado());
        dialogos->respuestas << Respuesta(respuesta);
        QCOMPARE(w->close(), cierra);
        QCOMPARE(dialogos->mensajes.value(0), QStringLiteral("Do you want to save changes to ?"));
        QCOMPARE(dialogos->iconos.value(0), plataforma::Icono::Pregunta);
    }

    void siGuardaAntesDeAbrir()
    {
        w->TxtMasa0->setText(QStringLiteral("750"));
        dialogos->respuestas << Respuesta::Si;
        dialogos->rutasGuardar << ruta(QStringLiteral("antes.bdf"));
        dialogos->rutasAbrir << QString();  // then cancels the open dialog
        w->mnu_Archivo_OPEN->trigger();
        QVERIFY(QFile::exists(ruta(QStringLiteral("antes.bdf"))));
        QVERIFY(!w->Modificado());
        QCOMPARE(w->TxtMasa0->text(), QStringLiteral("750"));
    }

    void cerrarSinCambiosNoPregunta()
    {
        QVERIFY(w->close());
        QVERIFY(dialogos->mensajes.isEmpty());
    }

    void guardarDondeNoSePuede()
    {
        // A folder that is not there; a read-only one too where the user is
        // not root (root writes anywhere).
        QStringList destinos{ruta(QStringLiteral("no-such-folder/doc.bdf"))};
        if (geteuid() != 0) {
            QDir(dir.path()).mkdir(QStringLiteral("ro"));
            QFile::setPermissions(ruta(QStringLiteral("ro")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            destinos << ruta(QStringLiteral("ro/doc.bdf"));
        }
        for (const QString& destino : destinos) {
            dialogos->mensajes.clear();
            w->TxtMasa0->setText(QStringLiteral("750"));
            w->Save(destino);
            QCOMPARE(dialogos->mensajes.size(), 1);
            QVERIFY(dialogos->mensajes[0].startsWith(QStringLiteral("ERROR: Unable to save the file:\r\n")));
            QVERIFY(dialogos->mensajes[0].contains(QStringLiteral("\r\nError : ")));
            QVERIFY(w->Modificado());
            QVERIFY(w->NombreArchivo().isEmpty());
        }
    }

    void unArchivoExistenteQueNoSePuedeReemplazar()
    {
        // A folder in the way cannot be replaced by a file, even for root.
        QDir(dir.path()).mkdir(QStringLiteral("carpeta.bdf"));
        w->Save(ruta(QStringLiteral("carpeta.bdf")));
        QCOMPARE(dialogos->mensajes.size(), 1);
        QVERIFY(dialogos->mensajes[0].startsWith(QStringLiteral("ERROR: Unable to replace the file:\r\n")));
    }

    void losAjustesSobrevivenAlReinicio()
    {
        escribirArchivo(ruta(QStringLiteral("a.bdf")), "<A=x>\r\n");
        dialogos->rutasAbrir << ruta(QStringLiteral("a.bdf"));
        w->mnu_Archivo_OPEN->trigger();
        w->mnu_ver_colorix[2]->trigger();
        w->PathTabla = dir.path() + QStringLiteral("/tablas");
        QVERIFY(w->close());
        nuevaVentana();
        QCOMPARE(w->PathFile, dir.path());
        QCOMPARE(w->PathTabla, dir.path() + QStringLiteral("/tablas"));
        QVERIFY(w->mnu_ver_colorix[2]->isChecked());
        dialogos->rutasAbrir << QString();
        w->mnu_Archivo_OPEN->trigger();
        QCOMPARE(dialogos->peticiones.last().carpeta, dir.path());
    }

    void sinAjustesElColorEsElPrimero()
    {
        QVERIFY(w->mnu_ver_colorix[0]->isChecked());
    }
};

QTEST_MAIN(TestDocumentos)
#include "tst_documentos.moc"
