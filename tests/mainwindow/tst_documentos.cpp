// Documents through the real window: saved and opened again, what an opened
// document brings, files refused with nothing half-loaded, the question
// before unsaved work is lost, a save on a full disk, names the file could
// not hold.

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <cerrno>
#include <sys/stat.h>

#include "formats/documento.h"
#include "platform/archivos.h"
#include "support/disco_lleno.h"
#include "support/ventana.h"

using namespace quillon;
using plataforma::Respuesta;

namespace {

QByteArray leer(const QString& ruta) { return plataforma::leerArchivo(ruta).bytes; }
void escribirArchivo(const QString& ruta, const QByteArray& bytes) { plataforma::escribirArchivo(ruta, bytes.toStdString()); }

}  // namespace

// A name typed or pasted into the box of A, and what the box keeps.
struct Nombre { bool pegado; QString escrito, queda; };
// A command that would lose the changes, the answer to the question, whether
// a name is then given to the save dialog, and whether the command goes on.
struct Pregunta { QString orden; Respuesta respuesta; bool guardar, sigue; };
Q_DECLARE_METATYPE(Nombre)
Q_DECLARE_METATYPE(Pregunta)

class TstDocumentos : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::Ventana> v;
    QTemporaryDir dir, ajustes;

    QString ruta(const QString& nombre) const { return dir.filePath(nombre); }
    void abrir(const QString& ruta)
    {
        v->dialogos().rutasAbrir << ruta;
        v->orden(QStringLiteral("accionAbrir"));
    }
    void guardarComo(const QString& ruta)
    {
        v->dialogos().rutasGuardar << ruta;
        v->orden(QStringLiteral("accionGuardarComo"));
    }
    // The document as it would be saved, its name, and every still's text.
    QStringList estado()
    {
        v->esperarRefresco();
        QStringList t{QString::fromStdString(EscribirBdf(v->sim().documento())), v->w().nombreArchivo()};
        for (int j = 0; j <= kMaxEtapas; ++j) t << v->contenido(j);
        return t;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    }
    void init()
    {
        QSettings(QStringLiteral("ALMB"), QStringLiteral("ALMB")).clear();
        v = std::make_unique<prueba::Ventana>();
    }
    void cleanup() { v.reset(); }

    // Names typed or pasted lose what the file could not hold ("<", ">",
    // "[[", "]]"); everything comes back as it was shown.
    void guardarYVolverAAbrir_data()
    {
        QTest::addColumn<Nombre>("n");
        QTest::newRow("accented, typed") << Nombre{false, "alcohol metílico", "alcohol metílico"};
        for (bool pegado : {false, true}) {
            const char* como = pegado ? "pasted" : "typed";
            QTest::addRow("tag marks, %s", como) << Nombre{pegado, "<a>cetone", "acetone"};
            QTest::addRow("table marks, %s", como) << Nombre{pegado, "x[[1]]", "x[1]"};
        }
    }
    void guardarYVolverAAbrir()
    {
        QFETCH(Nombre, n);
        const QString doc = ruta(QString::fromLatin1(QTest::currentDataTag()));
        guardarComo(doc);
        // A name typed without an extension gets it; a new document's cuts are "0".
        QCOMPARE(v->w().nombreArchivo(), doc + QStringLiteral(".bdf"));
        for (int k = 1; k <= kMaxEtapas; ++k) QVERIFY(leer(doc + QStringLiteral(".bdf")).contains(QStringLiteral("<%E%1=0 >\r\n").arg(k).toLatin1()));

        QLineEdit* a = v->caja(QStringLiteral("TxtCompA"));
        if (n.pegado) {
            QGuiApplication::clipboard()->setText(n.escrito);
            a->setFocus();
            a->selectAll();
            QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
        } else {
            v->escribir(QStringLiteral("TxtCompA"), n.escrito);
        }
        QCOMPARE(a->text(), n.queda);
        v->escribir(QStringLiteral("TxtAlfa"), QStringLiteral("3,5"));
        v->pulsar(QStringLiteral("OptUNIT_lb"));
        v->pulsar(QStringLiteral("OptETAP4"));
        v->escribir(QStringLiteral("cajaAvance1"), QStringLiteral("40"));
        v->escribir(QStringLiteral("cajaAvance2"), QStringLiteral("12.5"));
        const QStringList antes = estado();
        // Save on a named document writes there without a dialog.
        v->orden(QStringLiteral("accionGuardar"));
        QCOMPARE(v->dialogos().peticiones.size(), 1);
        QVERIFY(!v->sim().modificado());

        v->pulsar(QStringLiteral("botonBorrar"));
        QVERIFY(a->text().isEmpty());
        abrir(doc + QStringLiteral(".bdf"));
        QCOMPARE(estado(), antes);
        QVERIFY(v->hijo<QRadioButton>(QStringLiteral("OptUNIT_lb"))->isChecked());
        QVERIFY(!v->sim().modificado());
        QVERIFY(v->dialogos().mensajes.isEmpty());
    }

    // A document without molar masses gets them from the names, as typing
    // would, and x0 then the mass percentage. The equilibrium table in force
    // is the one last read, in either mode, never the volatilities of
    // another; Clear keeps it.
    void loQueTraeUnDocumento()
    {
        escribirArchivo(ruta(QStringLiteral("a.bdf")), "<A=water>\r\n<ALPHA=2>\r\n<X0=0.5>\r\n<M0=2>\r\n<NE=2>\r\n<%E1=40 >\r\n"
                                                        "<%E2=x >\r\n<VLE=ALPHA>\r\n[[\r\n0.1  0.44\r\n0.5  0.65\r\n]]\r\n");
        escribirArchivo(ruta(QStringLiteral("b.bdf")), "<VLE=ALPHA>\r\n[[\r\n0.5  0.8\r\n]]\r\n");
        // (0.5, y) is a point of the table: the dense table gives it back.
        const auto y = [this] { return qRound(v->sim().modelo(0).yEq(0.5) * 1e4); };
        abrir(ruta(QStringLiteral("a.bdf")));
        QCOMPARE(v->caja(QStringLiteral("TxtMMA"))->text(), QStringLiteral("18.01528"));
        QVERIFY(v->caja(QStringLiteral("TxtMMB"))->text().isEmpty());
        QVERIFY(v->caja(QStringLiteral("TxtP0A"))->text().isEmpty());
        v->escribir(QStringLiteral("TxtMMB"), QStringLiteral("18"));
        v->esperarRefresco();
        QVERIFY(!v->sim().etapa(1).error);
        QCOMPARE(v->mensaje(), QStringLiteral("ERROR: The percentage distilled in stage 2 is not valid"));

        v->pulsar(QStringLiteral("OptTAB"));
        QVERIFY(v->sim().modoTabla());
        QCOMPARE(y(), 6500);
        v->sim().marcarGuardado();
        abrir(ruta(QStringLiteral("b.bdf")));
        v->pulsar(QStringLiteral("OptTAB"));
        QCOMPARE(y(), 8000);
        QVERIFY(v->sim().modificado());  // choosing the source is a change of the document
        v->sim().marcarGuardado();
        v->pulsar(QStringLiteral("botonBorrar"));
        QVERIFY(!v->sim().modoTabla());
        v->pulsar(QStringLiteral("OptTAB"));
        QCOMPARE(y(), 8000);
        // The pressure and model of a predicted table come with it, and go
        // out again with the document.
        const QByteArray predicho = "<A=ethanol>\r\n<B=water>\r\n<VLE=TABLE>\r\n[[\r\n0.5  0.7\r\n]]\r\n"
                                    "<PRESSURE=50>\r\n<PRESSURE_UNIT=kPa>\r\n<MODEL=IDEAL>\r\n";
        escribirArchivo(ruta(QStringLiteral("c.bdf")), predicho);
        v->sim().marcarGuardado();
        abrir(ruta(QStringLiteral("c.bdf")));
        QCOMPARE(v->sim().condiciones(), (CondicionesTermo{"50", 0, termo::Modelo::Ideal}));
        QCOMPARE(QString::fromStdString(v->sim().textoSistemaTermico()), QStringLiteral("ideal, 50 kPa"));
        v->orden(QStringLiteral("accionGuardar"));
        QVERIFY(leer(ruta(QStringLiteral("c.bdf"))).endsWith("]]\r\n<PRESSURE=50>\r\n<PRESSURE_UNIT=kPa>\r\n<MODEL=IDEAL>\r\n"));
    }

    void unArchivoRechazadoNoCargaNada_data()
    {
        QTest::addColumn<QString>("malo");
        QTest::addColumn<QString>("mensaje");
        // The reader's own refusals are the format tests'; one is enough here.
        escribirArchivo(ruta(QStringLiteral("fuera")), "<A=x>\r\n<VLE=TABLE>\r\n[[\r\n0.2  1.4\r\n]]\r\n");
        QTest::newRow("a table out of range") << ruta(QStringLiteral("fuera")) << "ERROR: Data out of range [0, 1]";
        const QString noEs = QStringLiteral("ERROR: Not a document file:\r\n");
        QTest::newRow("a folder") << dir.path() << noEs;
        mkfifo(QFile::encodeName(ruta(QStringLiteral("tubo"))).constData(), 0600);
        QTest::newRow("a pipe nobody writes") << ruta(QStringLiteral("tubo")) << noEs;
        QTest::newRow("an endless device") << "/dev/zero" << noEs;
        QFile grande(ruta(QStringLiteral("grande")));
        if (grande.open(QIODevice::WriteOnly)) grande.resize(200 << 20);
        QTest::newRow("200 MB") << grande.fileName() << "ERROR: The file is too large for a document:\r\n";
        QTest::newRow("missing") << ruta(QStringLiteral("ausente")) << "ERROR: Unable to open the file:\r\n";
        // Files that hold no tag and no table, whatever their extension.
        const QString ninguno = QStringLiteral("ERROR: Not a document file:\r\n");
        const std::pair<const char*, QByteArray> ajenos[] = {
            {"README", "# Quillon\n\nSimulates batch distillation.\n"},
            {"picture.png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20)},
            {"font.bdf", "STARTFONT 2.1\nFONT -misc-fixed-medium-r-normal--13-120-75-75-c-70-iso10646-1\nENDFONT\n"}};
        for (const auto& [nombre, bytes] : ajenos) {
            escribirArchivo(ruta(QString::fromLatin1(nombre)), bytes);
            QTest::newRow(nombre) << ruta(QString::fromLatin1(nombre)) << ninguno;
        }
    }
    void unArchivoRechazadoNoCargaNada()
    {
        QFETCH(QString, malo);
        QFETCH(QString, mensaje);
        const bool archivo = QFileInfo(malo).isFile() && QFileInfo(malo).size() < 1000;
        const QByteArray bytesMalo = archivo ? leer(malo) : QByteArray();
        v->escribir(QStringLiteral("TxtCompA"), QStringLiteral("mine"));
        guardarComo(ruta(QStringLiteral("actual.bdf")));
        const QStringList antes = estado();

        abrir(malo);
        QCOMPARE(v->dialogos().mensajes.size(), 1);
        QVERIFY2(v->dialogos().mensajes[0].startsWith(mensaje), qPrintable(v->dialogos().mensajes[0]));
        QCOMPARE(estado(), antes);
        QVERIFY(!v->sim().modificado());
        // An edit and Save write the document that stayed open.
        v->escribir(QStringLiteral("TxtMasa0"), QStringLiteral("750"));
        v->orden(QStringLiteral("accionGuardar"));
        QVERIFY(leer(ruta(QStringLiteral("actual.bdf"))).contains("<M0=750>"));
        if (archivo) QCOMPARE(leer(malo), bytesMalo);
    }

    // A file the desktop hands over, or a recent document replaced since by
    // something else, is refused as from Open.
    void unNoDocumentoSeRechazaDesdeCualquierEntrada()
    {
        const QString png = ruta(QStringLiteral("was-a-document.bdf"));
        escribirArchivo(png, "<A=x>\r\n");
        abrir(png);
        const QByteArray imagen("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
        escribirArchivo(png, imagen);
        v->orden(QStringLiteral("accionReciente0"));
        v->w().abrirArgumento(png);
        const QString mensaje = QStringLiteral("ERROR: Not a document file:\r\n") + png;
        QCOMPARE(v->dialogos().mensajes, (QStringList{mensaje, mensaje}));
        QCOMPARE(leer(png), imagen);
    }

    // A composition box or a molar mass that holds a refused text comes back
    // as it was shown: every box, the message and the blank stills.
    void unTextoRechazadoVuelveComoSeVio_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        QTest::newRow("mass % above 100") << "TxtP0A" << "150";
        QTest::newRow("x0 above 1") << "TxtX0A" << "1.5";
        QTest::newRow("no molar mass") << "TxtMMA" << "0";
        QTest::newRow("a name past a known one") << "TxtCompB" << "toluenes";
    }
    void unTextoRechazadoVuelveComoSeVio()
    {
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        const auto visto = [this] {
            QStringList t = estado().mid(2) << v->mensaje();
            for (const QLineEdit* c : v->w().findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Txt")))) t << c->text();
            return t;
        };
        // Typed at a person's pace: the refresh of the prefix runs between keys.
        v->escribir(caja, QString());
        QTest::keyClicks(v->caja(caja), texto, Qt::NoModifier, 120);
        const QStringList antes = visto();
        guardarComo(ruta(QStringLiteral("visto.bdf")));
        // Opened, and saved again as it was opened, it comes back the same.
        for (int vez = 0; vez < 2; ++vez) {
            v->pulsar(QStringLiteral("botonBorrar"));
            abrir(ruta(QStringLiteral("visto.bdf")));
            QCOMPARE(visto(), antes);
            v->orden(QStringLiteral("accionGuardar"));
        }
    }

    // A letter the file's code page lacks stays in its box as typed; saving
    // writes it as "?" and says so in the status line.
    void unaLetraQueElArchivoNoAdmite()
    {
        auto* estadoLinea = v->w().findChild<QStatusBar*>();
        v->escribir(QStringLiteral("TxtCompA"), QStringLiteral("α-pinene"));
        QCOMPARE(v->caja(QStringLiteral("TxtCompA"))->text(), QStringLiteral("α-pinene"));
        guardarComo(ruta(QStringLiteral("griego.bdf")));
        QVERIFY(leer(ruta(QStringLiteral("griego.bdf"))).startsWith("<A=?-pinene>\r\n"));
        QCOMPARE(estadoLinea->currentMessage(), QStringLiteral("Saved. Letters the file cannot hold were written as \"?\"."));
        estadoLinea->clearMessage();
        v->escribir(QStringLiteral("TxtCompA"), QStringLiteral("pinène"));
        v->orden(QStringLiteral("accionGuardar"));
        QVERIFY(estadoLinea->currentMessage().isEmpty());
    }

    void laPreguntaAntesDePerderCambios_data()
    {
        QTest::addColumn<Pregunta>("p");
        for (const char* orden : {"close", "open", "clear"}) {
            QTest::addRow("%s, cancel", orden) << Pregunta{orden, Respuesta::Cancelar, false, false};
            QTest::addRow("%s, no", orden) << Pregunta{orden, Respuesta::No, false, true};
            QTest::addRow("%s, yes, save as cancelled", orden) << Pregunta{orden, Respuesta::Si, false, false};
            QTest::addRow("%s, yes, saved", orden) << Pregunta{orden, Respuesta::Si, true, true};
        }
    }
    void laPreguntaAntesDePerderCambios()
    {
        QFETCH(Pregunta, p);
        const QString guardado = ruta(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".bdf"));
        escribirArchivo(ruta(QStringLiteral("otro.bdf")), "<A=other>\r\n");
        v->escribir(QStringLiteral("TxtMasa0"), QStringLiteral("750"));
        v->dialogos().respuestas << p.respuesta;
        if (p.guardar) v->dialogos().rutasGuardar << guardado;
        v->dialogos().rutasAbrir << ruta(QStringLiteral("otro.bdf"));
        bool siguio = p.orden == QLatin1String("close") && v->w().close();
        if (p.orden == QLatin1String("open")) v->orden(QStringLiteral("accionAbrir"));
        if (p.orden == QLatin1String("clear")) v->pulsar(QStringLiteral("botonBorrar"));
        siguio = siguio || v->w().nombreArchivo() == ruta(QStringLiteral("otro.bdf")) ||
                 v->caja(QStringLiteral("TxtMasa0"))->text().isEmpty();
        QCOMPARE(v->dialogos().mensajes.value(0), QStringLiteral("Do you want to save changes to Untitled?"));
        QCOMPARE(v->dialogos().titulos.value(0), QStringLiteral("Quillon"));
        QCOMPARE(siguio, p.sigue);
        QCOMPARE(leer(guardado).contains("<M0=750>"), p.guardar);
        if (!p.sigue) {
            QCOMPARE(v->caja(QStringLiteral("TxtMasa0"))->text(), QStringLiteral("750"));
            QVERIFY(v->sim().modificado());
        }
    }

    void guardarEnUnDiscoLleno()
    {
        prueba::DiscoLleno disco;
        if (!disco.montado()) QSKIP("a tmpfs cannot be mounted here");
        const QString doc = disco.ruta(QStringLiteral("doc.bdf"));
        guardarComo(doc);
        const QByteArray viejo = leer(doc);
        disco.llenar();
        v->escribir(QStringLiteral("TxtMasa0"), QStringLiteral("750"));
        v->orden(QStringLiteral("accionGuardar"));
        QCOMPARE(v->dialogos().mensajes.size(), 1);
        const QString m = v->dialogos().mensajes[0];
        QVERIFY2(m.startsWith(QStringLiteral("ERROR: Unable to replace the file:\r\n") + doc + QStringLiteral("\r\nError : ")), qPrintable(m));
        QVERIFY2(m.endsWith(qt_error_string(ENOSPC)), qPrintable(m));
        QCOMPARE(leer(doc), viejo);
        QCOMPARE(disco.archivos(), QStringList{QStringLiteral("doc.bdf")});
        // Still changed: closing asks, and Cancel keeps the window.
        QVERIFY(v->sim().modificado());
        QVERIFY(!v->w().close());
        QCOMPARE(v->dialogos().iconos.value(1), plataforma::Icono::Pregunta);
    }
};

QTEST_MAIN(TstDocumentos)
#include "tst_documentos.moc"
