// What a desktop program is expected to do: open the file the desktop hands
// it, say in the title which document is open and whether it changed,
// remember the last documents and its settings, answer the keyboard, export
// to a spreadsheet, redraw at once, and say plainly when nothing can open
// the manual.

#include <QAccessible>
#include <QClipboard>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QDir>
#include <QScrollBar>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "documents/form_xyinput.h"
#include "graphs/grafico_avance.h"
#include "platform/archivos.h"
#include "support/imagen.h"
#include "support/ventana.h"

using namespace quillon;
using plataforma::Respuesta;

namespace {

const char* const kDocumento =
    "<A=ethanol>\r\n<B=water>\r\n<MMA=46.07>\r\n<MMB=18.01528>\r\n<ALPHA=3>\r\n<X0=0.1>\r\n<M0=100>\r\n";

}  // namespace

class TstEscritorio : public QObject {
    Q_OBJECT
    QTemporaryDir dir, ajustes;

    QString documento(const QString& nombre, std::string_view bytes = kDocumento)
    {
        plataforma::escribirArchivo(dir.filePath(nombre), bytes);
        return dir.filePath(nombre);
    }
    static QStringList recientes(prueba::Ventana& v)
    {
        QStringList r;
        for (QAction* a : v.hijo<QMenu>(QStringLiteral("menuRecientes"))->actions()) r << a->text();
        return r;
    }

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path()); }

    // A document handed by the desktop opens as File > Open would, its name
    // in the title with the mark of unsaved changes; a table opens the table
    // editor with it.
    void abreLoQueDaElEscritorio()
    {
        prueba::Ventana v;
        QCOMPARE(v.w().windowTitle(), QStringLiteral("Untitled[*] - Quillon - Single/Multi-stage distillation simulator"));
        QVERIFY(!v.w().isWindowModified());
        v.escribir(QStringLiteral("TxtAlfa"), QStringLiteral("3"));
        QVERIFY(v.w().isWindowModified());
        v.w().abrirArgumento(documento(QStringLiteral("ethanol-water.bdf")));
        QCOMPARE(v.w().windowTitle(), QStringLiteral("ethanol-water.bdf[*] - Quillon - Single/Multi-stage distillation simulator"));
        QVERIFY(!v.w().isWindowModified());
        QCOMPARE(v.caja(QStringLiteral("TxtAlfa"))->text(), QStringLiteral("3"));
        QTimer::singleShot(0, [] {
            auto* editor = qobject_cast<FormXYinput*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            QCOMPARE(editor->findChild<QLineEdit*>(QStringLiteral("TxtX0"))->text(), QStringLiteral("0.25"));
            editor->reject();
        });
        const QString tabla = documento(QStringLiteral("t.vle"), "<A=x>\r\n<B=y>\r\n<MMA=1>\r\n<MMB=2>\r\n[[\r\n0.25  0.5\r\n]]\r\n");
        v.w().abrirArgumento(tabla);
        QCOMPARE(v.sim().tablaELV().ultPunto, 0);  // cancelled: nothing changed
        // Its Ok puts the table in force, and the panel shows the mode in
        // force: the table option with its editor's button, no alpha box.
        // An extension in capitals names a table file too.
        QTimer::singleShot(0, [] {
            auto* editor = qobject_cast<FormXYinput*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            QWidget* ok = editor->findChild<QWidget*>(QStringLiteral("botonAceptar"));
            QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        });
        QVERIFY(QFile::rename(tabla, dir.filePath(QStringLiteral("T.VLE"))));
        v.w().abrirArgumento(dir.filePath(QStringLiteral("T.VLE")));
        QCoreApplication::processEvents();
        QVERIFY(v.sim().modoTabla());
        QVERIFY(v.hijo<QRadioButton>(QStringLiteral("OptTAB"))->isChecked());
        QVERIFY(v.hijo(QStringLiteral("botonEditarTabla"))->isVisible());
        QVERIFY(!v.caja(QStringLiteral("TxtAlfa"))->isVisible());
    }

    // The last four documents, the folder of the last one opened, the
    // liquid's colours and the table editor's folder come back at the next
    // start. A recent document is opened after the question about unsaved
    // changes; one that went away leaves the list with a word.
    void losRecientesYLosAjustesSobrevivenAlReinicio()
    {
        QSettings ajustesGuardados(QStringLiteral("ALMB"), QStringLiteral("ALMB"));
        ajustesGuardados.clear();
        ajustesGuardados.setValue(QStringLiteral("SETUP/PATH_TABLA"), dir.path());
        QStringList rutas;
        {
            prueba::Ventana v;
            QVERIFY(v.hijo<QAction>(QStringLiteral("accionColor0"))->isChecked());
            for (int i = 1; i <= 5; ++i) {
                rutas << documento(QStringLiteral("d%1.bdf").arg(i));
                v.w().abrirDocumento(rutas.last());
            }
            QCOMPARE(recientes(v), (QStringList{"&1 d5.bdf", "&2 d4.bdf", "&3 d3.bdf", "&4 d2.bdf"}));
            v.orden(QStringLiteral("accionColor2"));
            QVERIFY(v.w().close());
        }
        QCOMPARE(ajustesGuardados.value(QStringLiteral("SETUP/PATH_TABLA")), dir.path());
        // However many names the settings hold, the menu shows four.
        QStringList muchos = ajustesGuardados.value(QStringLiteral("SETUP/RECENT_FILES")).toStringList();
        for (int i = 0; i < 5000; ++i) muchos << dir.filePath(QStringLiteral("extra%1.bdf").arg(i));
        ajustesGuardados.setValue(QStringLiteral("SETUP/RECENT_FILES"), muchos);
        prueba::Ventana otra;
        QCOMPARE(recientes(otra), (QStringList{"&1 d5.bdf", "&2 d4.bdf", "&3 d3.bdf", "&4 d2.bdf"}));
        QVERIFY(otra.hijo<QAction>(QStringLiteral("accionColor2"))->isChecked());
        otra.orden(QStringLiteral("accionAbrir"));
        QCOMPARE(otra.dialogos().peticiones.last().carpeta, dir.path());
        otra.escribir(QStringLiteral("TxtAlfa"), QStringLiteral("4"));
        otra.dialogos().respuestas = {Respuesta::Cancelar};
        otra.orden(QStringLiteral("accionReciente2"));
        QCOMPARE(otra.w().nombreArchivo(), QString());
        QVERIFY(QFile::remove(rutas[2]));
        otra.sim().marcarGuardado();
        otra.orden(QStringLiteral("accionReciente2"));
        QCOMPARE(otra.dialogos().mensajes.last(),
                 QStringLiteral("ERROR: The file is no longer there:\r\n") + QDir::toNativeSeparators(rutas[2]));
        QCOMPARE(recientes(otra), (QStringList{"&1 d5.bdf", "&2 d4.bdf", "&3 d2.bdf"}));
        otra.orden(QStringLiteral("accionReciente2"));
        QCOMPARE(otra.w().nombreArchivo(), rutas[1]);
        // Reopened, it goes to the top once.
        QCOMPARE(recientes(otra), (QStringList{"&1 d2.bdf", "&2 d5.bdf", "&3 d4.bdf"}));
    }

    // With fresh settings the file dialogs start in the user's documents
    // folder, or their home without one, never the program's folder; a save
    // makes its folder the next dialog's.
    void laPrimeraCarpetaEsLaDelUsuario()
    {
        QSettings(QStringLiteral("ALMB"), QStringLiteral("ALMB")).clear();
        QTemporaryDir casa;
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(casa.path()));
        QCOMPARE(plataforma::carpetaInicial(QString()), casa.path());
        QVERIFY(QDir(casa.path()).mkdir(QStringLiteral("Documents")));
        prueba::Ventana v;
        v.dialogos().rutasGuardar << dir.filePath(QStringLiteral("aqui.bdf"));
        v.orden(QStringLiteral("accionGuardarComo"));
        v.orden(QStringLiteral("accionAbrir"));
        QCOMPARE(v.dialogos().peticiones.value(0).carpeta, casa.filePath(QStringLiteral("Documents")));
        QCOMPARE(v.dialogos().peticiones.value(1).carpeta, dir.path());
        qputenv("HOME", home);
    }

    // Every control a keyboard can reach has a name a screen reader can say,
    // and Tab goes through the input panels from top to bottom.
    void elTecladoLlegaATodoYTodoTieneNombre()
    {
        prueba::Ventana v;
        QStringList sinNombre;
        for (QWidget* w : v.w().findChildren<QWidget*>()) {
            // The lists' and the text's own scroll bars are theirs.
            const bool barraAjena = qobject_cast<QScrollBar*>(w) && !w->objectName().startsWith(QLatin1String("deslizador"));
            if (!(w->focusPolicy() & Qt::TabFocus) || barraAjena) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty()) sinNombre << w->objectName() + QLatin1Char('/') + QLatin1String(w->metaObject()->className());
        }
        QVERIFY2(sinNombre.isEmpty(), qPrintable(sinNombre.join(QLatin1String(", "))));

        QStringList orden;
        v.caja(QStringLiteral("TxtCompA"))->setFocus();
        for (int i = 0; i < 19; ++i) {
            orden << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // The column's greyed boxes (the other policy's) are passed over.
        QCOMPARE(orden, (QStringList{"TxtCompA", "TxtMMA", "TxtCompB", "TxtMMB", "TxtX0A", "TxtP0A", "cursorX0", "OptVOL",
                                     "TxtAlfa", "cursorAlfa", "botonPredecirTabla", "TxtPlatos", "OptRazon", "TxtReflujo",
                                     "TxtMasa0", "OptUNIT_g", "OptETAP1", "botonCalcular", "botonBorrar"}));
    }

    // A stage's slider takes the focus, shows it, and answers the keys of
    // any slider.
    void elDeslizadorResponde()
    {
        prueba::Ventana v;
        auto* d = v.hijo<QScrollBar>(QStringLiteral("deslizador1"));
        v.caja(QStringLiteral("TxtMasa0"))->setFocus();
        const QImage sinFoco = d->grab().toImage();
        d->setFocus();
        QVERIFY(!prueba::mancha(d->grab().toImage(), d->palette().color(QPalette::Highlight), 10).isEmpty());
        QVERIFY(prueba::mancha(sinFoco, d->palette().color(QPalette::Highlight), 10).isEmpty());
        for (const auto& [tecla, valor] : {std::pair{Qt::Key_Right, 41},
                                           {Qt::Key_Left, 39},
                                           {Qt::Key_PageUp, 50},
                                           {Qt::Key_PageDown, 30},
                                           {Qt::Key_Home, 0},
                                           {Qt::Key_End, 100}}) {
            v.escribir(QStringLiteral("cajaAvance1"), QStringLiteral("40"));
            d->setFocus();
            QVERIFY(d->hasFocus());
            QTest::keyClick(d, tecla);
            QCoreApplication::processEvents();
            QCOMPARE(d->value(), valor);
            QCOMPARE(v.caja(QStringLiteral("cajaAvance1"))->text(), QString::number(valor) + QStringLiteral(" %"));
            QVERIFY(v.contenido(0).startsWith(QStringLiteral("Total mass: ") + QString::number(500 - 5 * valor) + QStringLiteral(" g")));
        }
    }

    // The table view follows the rows, a tick and the stage at once, without
    // Calculate, and its numbers go to a spreadsheet whole: a CSV file in full
    // precision, with the separators of the document, and an HTML table on
    // the clipboard. The progress graph follows a tick at once too.
    void laTablaVaAUnaHojaDeCalculo_data()
    {
        QTest::addColumn<QString>("alfa");         // read last by the table view
        QTest::addColumn<QString>("separadores");  // of the cells, of the decimals
        QTest::newRow("point") << "2.45" << ",.";
        QTest::newRow("comma") << "2,45" << ";,";
    }
    void laTablaVaAUnaHojaDeCalculo()
    {
        QFETCH(QString, alfa);
        QFETCH(QString, separadores);
        prueba::Ventana v;
        v.escribir(QStringLiteral("TxtAlfa"), alfa);
        v.hijo<QRadioButton>(QStringLiteral("OptETAP2"))->click();
        v.orden(QStringLiteral("accionVista3"));
        auto* texto = v.hijo<QPlainTextEdit>(QStringLiteral("TxtXAvan"));
        v.hijo<QRadioButton>(QStringLiteral("OptFILTAB10"))->click();
        // Header, blank line, four legend lines, blank line, column codes, 11 rows.
        QCOMPARE(texto->toPlainText().count(QLatin1Char('\n')), 6 + 4 + 2 + 11);
        v.hijo<QListWidget>(QStringLiteral("LstTABLA"))->item(5)->setCheckState(Qt::Checked);  // XAs
        QVERIFY(texto->toPlainText().contains(QStringLiteral(" XAs = ")));

        const QString ruta = dir.filePath(QStringLiteral("tabla"));
        v.dialogos().rutasGuardar = {ruta};
        v.pulsar(QStringLiteral("botonExportarCsv"));
        QFile f(ruta + QStringLiteral(".csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));  // UTF-8, said so for the spreadsheets
        const QStringList lineas = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lineas.size(), 1 + 11);
        QCOMPARE(lineas[0], QStringLiteral("%tMd (%)") + separadores[0] + QStringLiteral("%MAd (%)") + separadores[0] +
                                QStringLiteral("XAd") + separadores[0] + QStringLiteral("XAs") + separadores[0] + QStringLiteral("tMd (g)"));
        QStringList primera = lineas[1].split(separadores[0]);
        QCOMPARE(primera[3].replace(separadores[1], QLatin1Char('.')).toDouble(), 0.4);  // XAs of the charge, exactly
        QVERIFY(lineas[6].split(separadores[0])[3].size() > 12);                          // full precision

        v.orden(QStringLiteral("accionCopiar"));
        const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
        QVERIFY(datos->text().startsWith(QStringLiteral("Distillation of")));
        QVERIFY(datos->html().contains(QStringLiteral("<th>XAs</th>")));
        QCOMPARE(datos->html().count(QStringLiteral("<tr>")), 1 + 11);

        QVERIFY(!v.hijo<QRadioButton>(QStringLiteral("OptETATAB3"))->isVisible());
        v.hijo<QRadioButton>(QStringLiteral("OptETATAB2"))->click();
        QCoreApplication::processEvents();
        QVERIFY(texto->toPlainText().contains(QStringLiteral("current stage of distillation = 2 / 2")));
        v.orden(QStringLiteral("accionVista2"));
        auto* g = v.hijo<GraficoAvance>(QStringLiteral("graficoAvance"));
        const QImage antes = g->imagen();
        v.hijo<QListWidget>(QStringLiteral("LstEjeY"))->item(3)->setCheckState(Qt::Checked);
        QVERIFY(g->imagen() != antes);
    }

    // The desktop's opener that ends in failure (xdg-open finds no program
    // for PDF files) is told from one that opened the file; a file that is
    // not there fails at once.
    void elAbridorDelEscritorioDiceSiFallo()
    {
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        QObject contexto;
        int fallos = 0;
        const auto fallo = [&] { ++fallos; };
        plataforma::abrirConEscritorio(dir.filePath(QStringLiteral("missing.pdf")), &contexto, fallo);
        for (int salida : {0, 3}) {
            plataforma::escribirArchivo(bin.filePath(QStringLiteral("xdg-open")), "#!/bin/sh\nexit " + std::to_string(salida));
            QFile::setPermissions(bin.filePath(QStringLiteral("xdg-open")), QFile::ReadOwner | QFile::ExeOwner);
            plataforma::abrirConEscritorio(documento(QStringLiteral("manual.pdf"), "%PDF-1.4\n"), &contexto, fallo);
            QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());  // the opener has ended
        }
        QCOMPARE(fallos, 2);
        qputenv("PATH", path);
    }

    // The manual missing, and the manual there with nothing to open it.
    void elManualDiceLoQuePasa()
    {
        prueba::Ventana v;
        const QString manual = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Manual_ALMB.pdf"));
        v.orden(QStringLiteral("accionManual"));
        QCOMPARE(v.dialogos().mensajes, QStringList{QStringLiteral("Sorry, cannot find/open the file:\r\n") + manual});
        QFile f(manual);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        // F1 asks for it as the menu does.
        QTest::keyClick(v.hijo(QStringLiteral("barraVistas")), Qt::Key_F1);
        QFile::remove(manual);
        QCOMPARE(v.dialogos().mensajes.last(),
                 QStringLiteral("No program is set to open PDF files. The user's manual is here:\r\n") + manual);
    }
};

QTEST_MAIN(TstEscritorio)
#include "tst_escritorio.moc"
