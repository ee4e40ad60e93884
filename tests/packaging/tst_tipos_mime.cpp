// The MIME definition, once installed, as Qt's file dialogs see it: the program's
// documents and tables are told apart from BDF fonts, which share ".bdf",
// and are recognised by their contents under any name.

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

class TestTiposMime : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // The definition joins the system's in one database, as the package
    // installs it. (Qt reads the globs of one folder only once a folder
    // matches, so a separate folder ahead of the system's would hide the
    // font type from it.)
    void initTestCase()
    {
        const QString paquetes = dir.filePath("share/mime/packages");
        QVERIFY(QDir().mkpath(paquetes));
        QVERIFY(QDir().mkpath(dir.filePath("home")));
        const QString sistema = QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml");
        if (!QFile::exists(sistema))
            QSKIP("the system has no shared-mime-info database");
        QVERIFY(QFile::copy(QFINDTESTDATA("../../packaging/quillon-mime.xml"), paquetes + "/quillon-mime.xml"));
        QVERIFY(QFile::copy(sistema, paquetes + "/freedesktop.org.xml"));
        qputenv("XDG_DATA_HOME", dir.filePath("home").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", dir.filePath("share").toLocal8Bit());
    }

    void tipoDeArchivo_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("tipo");

        const QDir ejemplos(QFINDTESTDATA("../../examples"));
        auto leer = [&ejemplos](const QString& nombre) {
            QFile f(ejemplos.filePath(nombre));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QString distilacion = QStringLiteral("application/x-quillon-distillation");
        const QString elv = QStringLiteral("application/x-quillon-vle");
        for (const QString& f : ejemplos.entryList({"*.bdf", "*.vle"}, QDir::Files))
            QTest::newRow(qPrintable(f)) << f << leer(f) << (f.endsWith(".bdf") ? distilacion : elv);

        QTest::newRow("BDF font") << "fixed.bdf"
                                  << QByteArray("STARTFONT 2.1\nFONT -misc-fixed-medium-r-normal--13\n")
                                  << "application/x-font-bdf";
        const QByteArray doc = leer("ethanol-water-1atm.bdf");
        QTest::newRow("document, no extension") << "destilacion" << doc << distilacion;
        QTest::newRow("table, no extension") << "tabla" << leer("ethanol-water-1atm.vle") << elv;
        QByteArray largos = doc;
        largos.replace("<A=ethanol>", "<A=" + QByteArray(300, 'e') + ">");
        largos.replace("<B=water>", "<B=" + QByteArray(300, 'w') + ">");
        QTest::newRow("long names") << "nombres-largos" << largos << distilacion;
        QTest::newRow("text that only starts alike") << "notas" << QByteArray("<A=x>\nnot ours\n") << "text/plain";
    }

    void tipoDeArchivo()
    {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, contenido);
        QFETCH(QString, tipo);
        QFile f(dir.filePath(nombre));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size());
        f.close();

        const QMimeType hallado = QMimeDatabase().mimeTypeForFile(f.fileName());
        QCOMPARE(hallado.name(), tipo);
        QVERIFY(hallado.inherits(QStringLiteral("text/plain")) || tipo == "application/x-font-bdf");
    }
};

QTEST_GUILESS_MAIN(TestTiposMime)
#include "tst_tipos_mime.moc"
