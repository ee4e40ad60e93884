// The one write every save goes through: on a full disk it keeps the old
// file whole, leaves nothing behind and says why.

#include <QTest>

#include "platform/archivos.h"
#include "support/disco_lleno.h"

using namespace quillon;

class TstArchivos : public QObject {
    Q_OBJECT
private slots:
    void unDiscoLlenoConservaElArchivoAnterior_data()
    {
        QTest::addColumn<bool>("existia");
        QTest::newRow("replacing a file") << true;
        QTest::newRow("a new file") << false;
    }
    void unDiscoLlenoConservaElArchivoAnterior()
    {
        QFETCH(bool, existia);
        prueba::DiscoLleno disco;
        if (!disco.montado()) QSKIP("mounting a small tmpfs needs root: the full-disk case is not tried");
        const QByteArray viejo("<A=benzene>\r\n");
        if (existia) disco.escribir(QStringLiteral("doc.bdf"), viejo);
        disco.llenar();
        const std::string nuevo(3000, 'n');  // a document fits in the write buffer
        const auto fallo = plataforma::escribirArchivo(disco.ruta(QStringLiteral("doc.bdf")), nuevo);
        QVERIFY(fallo.has_value());
        QCOMPARE(fallo->existia, existia);
        QCOMPARE(fallo->numero, ENOSPC);
        QVERIFY2(fallo->descripcion.contains(QStringLiteral("space"), Qt::CaseInsensitive), qPrintable(fallo->descripcion));
        QCOMPARE(disco.archivos(), existia ? QStringList{QStringLiteral("doc.bdf")} : QStringList{});
        if (existia) {
            QFile f(disco.ruta(QStringLiteral("doc.bdf")));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), viejo);
        }
    }
};

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
