// The simulation without a window: what each edit does to the other boxes,
// the messages and the refresh; the separator the views write numbers with;
// the table in force; Open.

#include <QSignalSpy>
#include <QTest>

#include "documents/formats/documento.h"
#include "model/mensajes.h"
#include "simulacion/simulacion.h"

using namespace quillon;

namespace {

// The boxes named as the values of Entrada.
Entrada entradaDe(const QString& nombre)
{
    static const QStringList nombres = {"CompA", "CompB", "MMA", "MMB", "Alfa", "X0", "P0A", "Masa0"};
    QTEST_ASSERT(nombres.contains(nombre));
    return static_cast<Entrada>(nombres.indexOf(nombre));
}

// Edits given as "box=text; box=text".
void editar(Simulacion& s, const QString& ediciones)
{
    for (const QString& e : ediciones.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const auto partes = e.trimmed().split(QLatin1Char('='));
        s.editar(entradaDe(partes[0]), partes.value(1));
    }
}

QString texto(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

LecturaBdf leer(const char* bytes) { return LeerBdf(bytes, "doc.bdf"); }

}  // namespace

// Edits made in turn; after the last, what a box holds, the edit's message
// and whether the last edit asked for a refresh.
struct Regla { QString ediciones, caja, texto, mensaje; bool refresco; };
// Edits made in turn, a cut, and the first line of the still's text.
struct Separador { QString ediciones, corte1, total; };
Q_DECLARE_METATYPE(Regla)
Q_DECLARE_METATYPE(Separador)

class TstSimulacion : public QObject {
    Q_OBJECT
private slots:
    void cadaEdicionAplicaSusReglas_data()
    {
        QTest::addColumn<Regla>("r");
        QTest::newRow("x0 rewrites the mass %") << Regla{"X0=0.5", "P0A", "45.88", "", true};
        QTest::newRow("the mass % rewrites x0") << Regla{"X0=0.5;P0A=36.109", "X0", "0.4", "", true};
        QTest::newRow("x0 above 1") << Regla{"X0=1.5", "P0A", "36.109", "ERROR: Mole fraction of A is not valid", false};
        QTest::newRow("mass % above 100") << Regla{"P0A=150", "X0", "0.4", "ERROR: Mass percentage of A is not valid", false};
        QTest::newRow("x0 with a bad molar mass") << Regla{"MMB=0;X0=0.5", "P0A", "36.109", "ERROR: Molar mass is not valid", false};
        QTest::newRow("a molar mass rewrites the mass %") << Regla{"MMA=92.14", "P0A", "40", "", true};
        QTest::newRow("a bad molar mass writes nothing") << Regla{"MMA=0", "P0A", "36.109", "", true};
        QTest::newRow("a known name fills its molar mass") << Regla{"CompB=  Agua ", "MMB", "18.01528", "", true};
        QTest::newRow("its accents folded") << Regla{"CompA=alcohol metílico", "MMA", "32.04", "", true};
        QTest::newRow("and the mass % follows it") << Regla{"CompA=toluene", "P0A", "40", "", true};
        QTest::newRow("a partial name fills nothing") << Regla{"CompA=benc", "MMA", "78.1121", "", true};
        QTest::newRow("a comma is remembered") << Regla{"X0=0,5", "P0A", "45,88", "", true};
    }
    void cadaEdicionAplicaSusReglas()
    {
        QFETCH(Regla, r);
        Simulacion s;
        QSignalSpy mensajes(&s, &Simulacion::mensaje);
        QSignalSpy refrescos(&s, &Simulacion::refrescoPedido);
        const auto partes = r.ediciones.split(QLatin1Char(';'));
        editar(s, partes.mid(0, partes.size() - 1).join(QLatin1Char(';')));
        refrescos.clear();
        editar(s, partes.last());
        QCOMPARE(s.texto(entradaDe(r.caja)), r.texto);
        QCOMPARE(mensajes.isEmpty() ? QString() : mensajes.last().at(0).toString(), r.mensaje);
        QCOMPARE(!refrescos.isEmpty(), r.refresco);
        // Whatever the box now holds is a change of the document.
        QVERIFY(s.modificado());
    }

    // The separator numbers are written with is the one of the last number
    // read with one, in the order the view reads the boxes.
    void elSeparadorEsElDelUltimoNumeroLeido_data()
    {
        QTest::addColumn<Separador>("c");
        QTest::newRow("mass with a comma, then alpha") << Separador{"Masa0=500,5;Alfa=2.45", "0", "Total mass: 500.5 g"};
        QTest::newRow("x0 with a comma, read after the mass") << Separador{"Masa0=500.5;X0=0,4", "0", "Total mass: 500,5 g"};
        QTest::newRow("the cut read last") << Separador{"Masa0=500,5", "12.5", "Total mass: 437.94 g"};
    }
    void elSeparadorEsElDelUltimoNumeroLeido()
    {
        QFETCH(Separador, c);
        Simulacion s;
        editar(s, c.ediciones);
        s.etapa(1);  // computed: the cut is then read last
        s.editarCorte(1, c.corte1);
        const EstadoEtapa r = s.etapa(1);
        QVERIFY(!r.error);
        QCOMPARE(QString::fromStdString(textoContenido(r.alambique, "g", s.separador())).section(QLatin1String("\r\n"), 0, 0), c.total);
    }

    // The equilibrium table in force is the one last read or accepted, in
    // either mode, never the volatilities of another.
    void laTablaElegidaEsLaDelDocumento()
    {
        Simulacion s;
        s.cargar(leer("<A=ethanol><B=water><MMA=46.07><MMB=18.01528><ALPHA=2.45><X0=0.1><M0=100><VLE=ALPHA>"
                      "[[\r\n0.1  0.44\r\n0.5  0.65\r\n]]"));
        QVERIFY(!s.modoTabla());
        QVERIFY(!s.modificado());
        s.elegirTabla();
        QVERIFY(s.modoTabla());
        // (0.5, 0.65) is a point of the table: the dense table gives it back.
        QCOMPARE(qRound(s.modelo(0).yEq(0.5) * 1e4), 6500);
        // Another table read in alpha mode replaces it.
        s.cargar(leer("<VLE=ALPHA>[[\r\n0.5  0.8\r\n]]"));
        s.elegirTabla();
        QCOMPARE(qRound(s.modelo(0).yEq(0.5) * 1e4), 8000);
        QVERIFY(s.modificado());  // choosing the source is a change of the document
    }

    void abrirEscribeComoAlTeclear()
    {
        Simulacion s;
        s.cargar(leer("<A=water><ALPHA=2><X0=0.5><M0=2><NE=2><%E1=40 ><%E2=x >"));
        // No molar-mass tag: the name filled it, and x0 the mass percentage.
        QCOMPARE(s.texto(Entrada::MMA), QStringLiteral("18.01528"));
        QCOMPARE(s.texto(Entrada::MMB), QString());
        QCOMPARE(s.texto(Entrada::P0A), QString());
        s.editar(Entrada::MMB, QStringLiteral("18"));
        QVERIFY(!s.etapa(1).error);
        QCOMPARE(texto(*s.etapa(2).error), QStringLiteral("ERROR: The percentage distilled in stage 2 is not valid"));
    }
};

QTEST_GUILESS_MAIN(TstSimulacion)
#include "tst_simulacion.moc"
