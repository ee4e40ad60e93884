// The table editor's Open... and Save as..., through its buttons, with the
// file dialogs answered by the test and files in a temporary folder.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "documents/tst_form_xyinput_apoyo.h"

using namespace quillon;
using namespace quillon::prueba;
using Resultado = FormXYinput::Resultado;

namespace {

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class TstFormXYinputArchivos : public QObject {
    Q_OBJECT
    ConDialogos dialogos;
    DialogosPrueba& d = dialogos.d;
    QTemporaryDir carpeta;

    QString ruta(const char* nombre) const { return carpeta.filePath(QString::fromUtf8(nombre)); }

private slots:
    void initTestCase()
    {
        fijarLocale();
        QVERIFY(carpeta.isValid());
    }
    void init() { d.olvidar(); }

    // Three typed rows are saved with 97 empty rows after them and come back
    // as they were; the dialogs start in the remembered folder.
    void guardarYAbrir()
    {
        Banco b;
        b.abrir();
        b.escribirFila(0, "0.1", "0.25");
        b.escribirFila(1, "0.4", "0.6");
        b.escribirFila(2, "0.7", "0.85");
        d.respuestasGuardar << ruta("tres.vle");
        b.guardarComo();
        QCOMPARE(d.pedidosGuardar.size(), 1);
        QCOMPARE(d.pedidosGuardar[0].carpeta, plataforma::carpetaPrograma());
        QCOMPARE(d.pedidosGuardar[0].titulo, QStringLiteral("Save as"));
        QCOMPARE(d.pedidosGuardar[0].filtro,
                 QStringLiteral("Vapor-liquid equilibrium file (*.vle)|*.vle|All files (*.*)|*.*"));
        QCOMPARE(b.pathTabla, carpeta.path());
        QVERIFY(d.mensajes.isEmpty());

        const QList<QByteArray> lineas = leer(ruta("tres.vle")).split('\n');
        QCOMPARE(lineas.size(), 107);  // 106 lines, each ended by CR LF
        QCOMPARE(lineas[0], QByteArray("<A=benzene>\r"));
        QCOMPARE(lineas[3], QByteArray("<MMB=92.1387>\r"));
        QCOMPARE(lineas[4], QByteArray("[[\r"));
        QCOMPARE(lineas[5], QByteArray("0.1  0.25\r"));
        QCOMPARE(lineas[7], QByteArray("0.7  0.85\r"));
        for (int i = 8; i < 105; ++i) QCOMPARE(lineas[i], QByteArray("-1  -1\r"));
        QCOMPARE(lineas[105], QByteArray("]]\r"));

        b.borrar();
        d.respuestasAbrir << ruta("tres.vle");
        b.abrirArchivo();
        QCOMPARE(d.pedidosAbrir[0].carpeta, carpeta.path());
        QCOMPARE(d.pedidosAbrir[0].titulo, QStringLiteral("Open"));
        QCOMPARE(d.pedidosAbrir[0].filtro,
                 QStringLiteral("Vapor-liquid equilibrium file (*.vle)|*.vle|Binary distillation file (*.bdf)|*.bdf|"
                                "All files (*.*)|*.*"));
        QCOMPARE(b.x(2)->text(), QStringLiteral("0.7"));
        QVERIFY(b.x(3)->text().isEmpty());
        b.ok();
        QCOMPARE(b.ventana->resultado(), Resultado::Aceptada);
        QCOMPARE(b.ventana->tabla().ultPunto, 4);
        QCOMPARE(b.ventana->tabla().y[2], 0.6);
    }

    // A distillation file gives its names, molar masses and rows, nothing
    // else; the view goes back to the top.
    void abrirDestilacion()
    {
        escribir(ruta("mezcla.bdf"), "<A=ethanol>\r\n<B=water>\r\n<MMA=46.07>\r\n<MMB=18.015>\r\n<ALPHA=2.5>\r\n"
                                     "<X0=0.3>\r\n<VLE=TABLE>\r\n[[\r\n0,2  0,5\r\n0.6  0.75\r\n]]\r\n");
        Banco b;
        b.pathTabla = carpeta.path();
        b.tabla = tablaCon({{0, 0}, {0.3, 0.4}, {0.5, 0.6}, {1, 1}});
        b.abrir();
        b.scroll()->setValue(20);
        d.respuestasAbrir << ruta("mezcla.bdf");
        b.abrirArchivo();
        QVERIFY(d.mensajes.isEmpty());
        QCOMPARE(b.scroll()->value(), 0);
        QCOMPARE(b.x(0)->text(), QStringLiteral("0.2"));
        QVERIFY(b.x(2)->text().isEmpty());
        b.ok();
        QCOMPARE(b.ventana->resultado(), Resultado::Aceptada);
        QCOMPARE(b.ventana->datos(), (DatosCompuestos{"ethanol", "water", "46.07", "18.015"}));
        QCOMPARE(b.ventana->tabla().ultPunto, 3);
        QCOMPARE(b.ventana->tabla().x[2], 0.6);
    }

    // Without the block: the names read count, the rows stay, the path is
    // reported. Without tags: only the rows change.
    void abrirIncompleto_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("nombreA");
        QTest::addColumn<QString>("primeraX");
        QTest::addColumn<bool>("errorDeFormato");
        QTest::newRow("tags without block") << QByteArray("<A=acetone>\r\n<MMA=58.08>\r\n0.1  0.2\r\n") << "acetone"
                                            << "0.3" << true;
        QTest::newRow("block without tags") << QByteArray("[[\r\n0.15  0.3\r\n]]\r\n") << "benzene" << "0.15"
                                            << false;
        QTest::newRow("no end of block") << QByteArray("<A=hexane>\r\n[[\r\n0.15  0.3\r\n") << "hexane" << "0.3"
                                         << true;
    }
    void abrirIncompleto()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, nombreA);
        QFETCH(QString, primeraX);
        QFETCH(bool, errorDeFormato);
        escribir(ruta("incompleto.vle"), contenido);
        Banco b;
        b.tabla = tablaCon({{0.3, 0.4}});
        b.abrir();
        d.respuestasAbrir << ruta("incompleto.vle");
        b.abrirArchivo();
        if (errorDeFormato) {
            QCOMPARE(d.ultimoMensaje(), "ERROR: Invalid format:\r\n" + QDir::toNativeSeparators(ruta("incompleto.vle")));
            QCOMPARE(d.mensajes[0].titulo, QStringLiteral("Error"));
        } else {
            QVERIFY(d.mensajes.isEmpty());
        }
        QCOMPARE(b.x(0)->text(), primeraX);
        b.ok();
        QCOMPARE(b.ventana->datos().nombreA, nombreA);
        QCOMPARE(b.ventana->datos().nombreB, QStringLiteral("toluene"));
    }

    // Cancelling either dialog changes nothing, the folder included.
    void cancelarDialogos()
    {
        Banco b;
        b.pathTabla = QStringLiteral("/somewhere/else");
        b.tabla = tablaCon({{0.3, 0.4}});
        b.abrir();
        b.abrirArchivo();
        b.guardarComo();
        QCOMPARE(d.pedidosAbrir.size(), 1);
        QCOMPARE(d.pedidosGuardar.size(), 1);
        QCOMPARE(d.pedidosAbrir[0].carpeta, QStringLiteral("/somewhere/else"));
        QCOMPARE(b.pathTabla, QStringLiteral("/somewhere/else"));
        QCOMPARE(b.x(0)->text(), QStringLiteral("0.3"));
        QVERIFY(d.mensajes.isEmpty());
    }

    // Saving over a file replaces it whole.
    void guardarEncima()
    {
        escribir(ruta("viejo.vle"), QByteArray(5000, 'x'));
        Banco b;
        b.tabla = tablaCon({{0.3, 0.4}});
        b.abrir();
        d.respuestasGuardar << ruta("viejo.vle");
        b.guardarComo();
        QVERIFY(d.mensajes.isEmpty());
        const QByteArray bytes = leer(ruta("viejo.vle"));
        QVERIFY(bytes.startsWith("<A=benzene>\r\n"));
        QVERIFY(bytes.endsWith("]]\r\n"));
        QVERIFY(!bytes.contains('x'));
        // Nothing is left behind in the folder but the file itself.
        QCOMPARE(QDir(carpeta.path()).entryList({"viejo*"}, QDir::Files), QStringList{"viejo.vle"});
    }

    // Failures name the file and the system's reason, and change nothing.
    void fallosDelSistema_data()
    {
        QTest::addColumn<bool>("guardar");
        QTest::addColumn<QString>("cabecera");
        QTest::newRow("save into a missing folder") << true << "ERROR: Unable to save the file:";
        QTest::newRow("open a missing file") << false << "ERROR: Unable to open the file:";
    }
    void fallosDelSistema()
    {
        QFETCH(bool, guardar);
        QFETCH(QString, cabecera);
        const QString perdido = ruta("no-such-folder/t.vle");
        Banco b;
        b.tabla = tablaCon({{0.3, 0.4}});
        b.abrir();
        (guardar ? d.respuestasGuardar : d.respuestasAbrir) << perdido;
        guardar ? b.guardarComo() : b.abrirArchivo();
        QCOMPARE(d.mensajes.size(), 1);
        const QStringList lineas = d.mensajes[0].texto.split(QStringLiteral("\r\n"));
        QCOMPARE(lineas.size(), 3);
        QCOMPARE(lineas[0], cabecera);
        QCOMPARE(lineas[1], QDir::toNativeSeparators(perdido));
        QVERIFY2(QRegularExpression("^Error : \\d+ - \\S.*$").match(lineas[2]).hasMatch(), qPrintable(lineas[2]));
        QCOMPARE(d.mensajes[0].icono, plataforma::Icono::Exclamacion);
        QCOMPARE(d.mensajes[0].titulo, QStringLiteral("Error"));
        QVERIFY(!QFileInfo::exists(ruta("no-such-folder")));
        QCOMPARE(b.x(0)->text(), QStringLiteral("0.3"));
    }
};

QTEST_MAIN(TstFormXYinputArchivos)
#include "tst_form_xyinput_archivos.moc"
