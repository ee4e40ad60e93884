// The table editor's Open... and Save as..., with the file dialogs answered
// by the test and real files: a temporary folder and a full disk.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "documents/editor_tabla.h"
#include "support/disco_lleno.h"

using namespace quillon;
using namespace quillon::prueba;

class TstFormXYinputArchivos : public QObject {
    Q_OBJECT
    QTemporaryDir carpeta;

private slots:
    // What a file gives: names, molar masses and rows, of a table or a
    // distillation file (nothing else of it), shown from the top; a missing
    // tag keeps the old text; without the block the names still count and
    // the rows stay. Cancelled or unreadable, nothing changes. %1: the path.
    void abrir_data()
    {
        QTest::addColumn<QByteArray>("contenido");  // empty: no such file
        QTest::addColumn<QString>("resumen");       // after Open and Ok
        const QString formato = "ERROR: Invalid format:\r\n%1 / accepted 0;0 0.3;0.4 1;1 with ";
        QTest::newRow("distillation file")
            << QByteArray("<A=ethanol>\r\n<B=water>\r\n<MMA=46.07>\r\n<MMB=18.015>\r\n<ALPHA=2.5>\r\n<X0=0.3>\r\n"
                          "<VLE=TABLE>\r\n[[\r\n0,2  0,5\r\n0.6  0.75\r\n]]\r\n")
            << "accepted 0;0 0.2;0.5 0.6;0.75 1;1 with ethanol water 46.07 18.015";
        QTest::newRow("no tags") << QByteArray("[[\r\n0.15  0.3\r\n]]\r\n") << "accepted 0;0 0.15;0.3 1;1";
        QTest::newRow("no block") << QByteArray("<A=acetone>\r\n<MMA=58.08>\r\n0.1  0.2\r\n")
                                  << formato + "acetone toluene 58.08 92.14";
        QTest::newRow("block not closed") << QByteArray("<B=hexane>\r\n[[\r\n0.15  0.3\r\n")
                                          << formato + "benzene hexane 78.11 92.14";
        QTest::newRow("no such file") << QByteArray()
                                      << "ERROR: Unable to open the file:\r\n%1\r\nError : 2 - No such file or "
                                         "directory / accepted 0;0 0.3;0.4 1;1";
        QTest::newRow("cancelled") << QByteArray() << "accepted 0;0 0.3;0.4 1;1";
    }
    void abrir()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, resumen);
        const QString ruta = carpeta.filePath(QTest::currentDataTag());
        const bool elegido = QTest::currentDataTag() != QLatin1String("cancelled");
        QFile archivo(ruta);
        if (!contenido.isEmpty() && archivo.open(QIODevice::WriteOnly)) archivo.write(contenido);
        archivo.close();
        Editor e;
        e.pathTabla = QStringLiteral("/elsewhere");
        e.tabla.x[0] = 0.3;
        e.tabla.y[0] = 0.4;
        e.abrir();
        e.barra()->setValue(20);
        if (elegido) e.dialogos.rutasAbrir << ruta;
        e.pulsar("botonAbrir");
        QCOMPARE(e.dialogos.peticiones[0].carpeta, QStringLiteral("/elsewhere"));
        QVERIFY(e.dialogos.peticiones[0].filtro.contains("*.bdf"));
        QCOMPARE(e.pathTabla, elegido ? carpeta.path() : QStringLiteral("/elsewhere"));
        QCOMPARE(e.barra()->value(), contenido.contains("]]") ? 0 : 20);
        e.pulsar("botonAceptar");
        QCOMPARE(e.resumen(), resumen.replace("%1", QDir::toNativeSeparators(ruta)));
    }

    // The names and the rows as they stand go out byte for byte, empty rows
    // included, under the name typed (".vle" added when it has none) and
    // over an old file; a full disk keeps the old file whole.
    void guardar_data()
    {
        QTest::addColumn<QString>("tecleado");  // "" cancels
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("mensaje");  // %1: the path
        QTest::newRow("with .vle") << "a.vle" << "a.vle" << "";
        QTest::newRow("without extension") << "b" << "b.vle" << "";
        QTest::newRow("a dot that is no extension") << "mix 1.5" << "mix 1.5.vle" << "";
        QTest::newRow("over an old file") << "old.vle" << "old.vle" << "";
        QTest::newRow("cancelled") << "" << "old.vle" << "";
        const QString sistema = "\r\n%1\r\nError : ";
        QTest::newRow("no such folder") << "no/t.vle" << "no/t.vle"
                                        << "ERROR: Unable to save the file:" + sistema + "2 - No such file or directory";
        QTest::newRow("disk full") << "full" << "old.vle"
                                   << "ERROR: Unable to replace the file:" + sistema + "28 - No space left on device";
    }
    void guardar()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, archivo);
        QFETCH(QString, mensaje);
        std::optional<DiscoLleno> disco;
        QTemporaryDir temporal;
        if (tecleado == "full") {
            disco.emplace();
            if (!disco->montado()) QSKIP("no tmpfs could be mounted (needs root)");
            tecleado = archivo;
        }
        const auto en = [&](const QString& nombre) { return disco ? disco->ruta(nombre) : temporal.filePath(nombre); };
        QFile viejo(en("old.vle"));
        QVERIFY(viejo.open(QIODevice::WriteOnly) && viejo.write("old") == 3);
        viejo.close();
        if (disco) disco->llenar();
        Editor e;
        e.datos.nombreA = QStringLiteral("éter");
        e.abrir();
        e.escribirFilas("0.1;0.25 0.4;0.6 0.7;");
        if (!tecleado.isEmpty()) e.dialogos.rutasGuardar << en(tecleado);
        e.pulsar("botonGuardarComo");
        QCOMPARE(e.dialogos.peticiones[0].carpeta, plataforma::carpetaPrograma());
        QCOMPARE(e.pathTabla, tecleado.isEmpty() ? QString() : QFileInfo(en(archivo)).path());
        // The rows stay as they stand.
        const QString filas = "open 0.1;0.25 0.4;0.6 0.7;";
        mensaje.replace("%1", QDir::toNativeSeparators(en(archivo)));
        QCOMPARE(e.resumen(), mensaje.isEmpty() ? filas : mensaje + " / " + filas);
        QByteArray esperado = "<A=\xe9ter>\r\n<B=toluene>\r\n<MMA=78.11>\r\n<MMB=92.14>\r\n[[\r\n"
                              "0.1  0.25\r\n0.4  0.6\r\n0.7  -1\r\n";
        for (int i = 0; i < 97; ++i) esperado += "-1  -1\r\n";
        const bool guardado = !tecleado.isEmpty() && mensaje.isEmpty();
        QFile escrito(en(guardado ? archivo : "old.vle"));
        QVERIFY(escrito.open(QIODevice::ReadOnly));
        QCOMPARE(escrito.readAll(), guardado ? esperado + "]]\r\n" : QByteArray("old"));
        if (disco) QCOMPARE(disco->archivos(), QStringList{"old.vle"});
    }
};

QTEST_MAIN(TstFormXYinputArchivos)
#include "tst_form_xyinput_archivos.moc"
