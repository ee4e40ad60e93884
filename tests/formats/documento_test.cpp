// The distillation file (.bdf): written byte for byte and read back, the
// optional tags after the table, the checks and completion of its
// equilibrium table, the inputs it gives, and the example documents of
// examples/, each opened, computed and saved to the same bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "formats/archivo_tabla.h"
#include "formats/documento.h"
#include "model/cadena.h"
#include "model/mensajes.h"
#include "support/bytes.h"
#include "support/tabla_elv.h"

using namespace quillon;
using prueba::repetir;

namespace {

// The English start-up document, and a table-mode one with an accented
// name, pounds, three stages and four points, one of them needing 17 digits.
DocumentoDestilacion documentoArranque()
{
    DocumentoDestilacion d;
    std::tie(d.compA, d.compB, d.mma, d.mmb, d.alfa, d.x0, d.masa0) =
        std::tuple("benzene", "toluene", "78.1121", "92.14", "2.45", "0.4", "500");
    return d;
}

DocumentoDestilacion documentoPrueba()
{
    DocumentoDestilacion d = documentoArranque();
    std::tie(d.compA, d.alfa, d.unidad, d.numEtapas, d.modoTabla) = std::tuple("alcohol metílico", "2,45", 3, 3, true);
    d.avance = {"40", "50.5", "60%", "0", "0", "0"};
    d.tabla = prueba::tablaELV({0, 0.2, 1.0 / 3, 1}, {0, 0.4, 0.4 + 0.2, 1});
    return d;
}

const std::string kRuta = "/tmp/doc.bdf";

// A file of the given mode whose table block holds `bloque`.
LecturaBdf leerBloque(const std::string& bloque, bool tabla = true)
{
    return LeerBdf(std::string("<A=benzene><MMA=78.1121><VLE=") + (tabla ? "TABLE" : "ALPHA") + ">\r\n[[\r\n" + bloque + "]]\r\n",
                   kRuta);
}

// n increasing rows strictly between the pure components.
std::string filasInteriores(int n)
{
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(i / (n + 1.0)) + "  " + std::to_string(i / (n + 0.5)) + "\r\n";
    return s;
}

TEST(Bdf, WrittenDocumentsReadBackWithABlankAfterEachCut)
{
    const std::string bytes = EscribirBdf(documentoArranque());
    EXPECT_EQ(bytes, "<A=benzene>\r\n<B=toluene>\r\n<MMA=78.1121>\r\n<MMB=92.14>\r\n<ALPHA=2.45>\r\n<X0=0.4>\r\n<M0=500>\r\n"
                     "<MU=g>\r\n<NE=1>\r\n<%E1=0 >\r\n<%E2=0 >\r\n<%E3=0 >\r\n<%E4=0 >\r\n<%E5=0 >\r\n<%E6=0 >\r\n"
                     "<VLE=ALPHA>\r\n[[\r\n" + repetir("0  0\r\n", 100) + "]]\r\n");
    DocumentoDestilacion d = documentoPrueba();
    d.compB = "  toluene ";
    d.p0a = "150";  // the mass percentage box held a refused text
    const std::string t = EscribirBdf(d);
    for (const char* linea : {"<A=alcohol met\xEDlico>\r\n<B=toluene>\r\n", "<ALPHA=2,45>\r\n", "<X0=0.4>\r\n<P0A=150>\r\n<M0=500>\r\n", "<MU=lb>\r\n<NE=3>\r\n",
                              "<%E3=60% >\r\n", "<%E6=0 >\r\n<VLE=TABLE>\r\n[[\r\n0  0\r\n0.2  0.4\r\n",
                              "\r\n0.33333333333333331  0.60000000000000009\r\n1  1\r\n-1  -1\r\n"})
        EXPECT_NE(t.find(linea), std::string::npos) << linea;
    EXPECT_NE(EscribirBdf(d, ',').find("\r\n0,2  0,4\r\n0,33333333333333331  0,60000000000000009\r\n"), std::string::npos);
    // Read back, every cut has gained the blank written before ">"; the
    // start-up document (100 rows of zeros, saved before any table was
    // entered) opens in alpha mode; both save again to the same bytes.
    d.compB = "toluene";
    for (DocumentoDestilacion doc : {d, documentoArranque()}) {
        const std::string escrito = EscribirBdf(doc);
        const LecturaBdf r = LeerBdf(escrito, kRuta);
        for (std::string& a : doc.avance) a += " ";
        EXPECT_TRUE(r.ok() && r.doc == doc && EscribirBdf(r.doc) == escrito) << r.error << escrito;
    }
}

// The pressure and model of a predicted table, the column of plates and the
// heating travel after the table block in tags of their own, in this order,
// each box as typed and only when used (a column with plates, a heating box
// with anything in it): a document without them is written as it always
// was; one with them reads back whole, and what the described tags give does
// not change with them, wherever they stand.
TEST(Bdf, OptionalTagsTravelAfterTheTableOnlyWhenUsed)
{
    constexpr auto razon = PoliticaReflujo::RazonConstante, pureza = PoliticaReflujo::PurezaConstante;
    const std::string sin = EscribirBdf(documentoPrueba());
    const auto sinOpcionales = [](DocumentoDestilacion d) {
        d.condiciones.reset(), d.columna.reset(), d.calefaccion.reset();
        return EscribirBdf(d);
    };
    const struct {
        std::optional<CondicionesTermo> condiciones;
        std::optional<TextosColumnaPlatos> columna;
        std::optional<TextosCalefaccion> calefaccion;
        const char* etiquetas;
    } filas[] = {
        {CondicionesTermo{"760", 3, termo::Modelo::Ideal}, {}, {}, "<PRESSURE=760>\r\n<PRESSURE_UNIT=mmHg>\r\n<MODEL=IDEAL>\r\n"},
        {{}, TextosColumnaPlatos{" 0 ", pureza, "", "0.9", "3"}, TextosCalefaccion{"  ", 3}, ""},
        {{}, TextosColumnaPlatos{" 5 ", razon, "2,5", "0.9", "7"}, {}, "<PLATES=5>\r\n<REFLUX=2,5>\r\n"},
        {CondicionesTermo{}, TextosColumnaPlatos{"12", pureza, "x", " 75% ", "1e3"}, TextosCalefaccion{" 300 ", 3},
         "<PRESSURE=1>\r\n<PRESSURE_UNIT=atm>\r\n<MODEL=UNIFAC>\r\n<PLATES=12>\r\n<PURITY=75%>\r\n<MAX_REFLUX=1e3>\r\n"
         "<HEATING=300>\r\n<HEATING_UNIT=kmol/h>\r\n"}};
    for (const auto& f : filas) {
        DocumentoDestilacion d = documentoPrueba();
        std::tie(d.condiciones, d.columna, d.calefaccion) = std::tie(f.condiciones, f.columna, f.calefaccion);
        const std::string con = EscribirBdf(d);
        EXPECT_EQ(con, sin + f.etiquetas);
        const LecturaBdf r = LeerBdf(con, kRuta);
        EXPECT_TRUE(r.ok() && EscribirBdf(r.doc) == con && sinOpcionales(r.doc) == sin) << f.etiquetas;
    }
    // Before the document or after it, units and models in any case; the
    // largest reflux ratio is not the reflux ratio; a heating without its
    // unit is in W, a unit without a heating is none.
    const std::tuple<const char*, const char*, const char*> leidas[] = {
        {"<MODEL=IDEAL><PRESSURE_UNIT=KPA><PRESSURE= 101,3 >", "", "<PRESSURE=101,3>\r\n<PRESSURE_UNIT=kPa>\r\n<MODEL=IDEAL>\r\n"},
        {"<PRESSURE= 2 ><PRESSURE_UNIT=BAR>", "<MODEL=x>", "<PRESSURE=2>\r\n<PRESSURE_UNIT=bar>\r\n<MODEL=UNIFAC>\r\n"},
        {"<MAX_REFLUX=4><PURITY= 0.8>", "<PLATES=3>", "<PLATES=3>\r\n<PURITY=0.8>\r\n<MAX_REFLUX=4>\r\n"},
        {"<MAX_REFLUX=4>", "<REFLUX=2>", ""},
        {"<HEATING_UNIT=KMOL/H>", "<HEATING=7>", "<HEATING=7>\r\n<HEATING_UNIT=kmol/h>\r\n"},
        {"", "<HEATING=7>", "<HEATING=7>\r\n<HEATING_UNIT=W>\r\n"},
        {"<HEATING_UNIT=kW>", "", ""},
        // A model named alone holds at 1 atm.
        {"", "<MODEL=ideal>", "<PRESSURE=1>\r\n<PRESSURE_UNIT=atm>\r\n<MODEL=IDEAL>\r\n"}};
    for (const auto& [antes, despues, etiquetas] : leidas) {
        const LecturaBdf r = LeerBdf(antes + sin + despues, kRuta);
        EXPECT_TRUE(r.ok() && EscribirBdf(r.doc) == sin + etiquetas) << antes << despues;
    }
    EXPECT_DOUBLE_EQ(presionEnPascales(*LeerBdf("<PRESSURE= 101,3 ><PRESSURE_UNIT=KPA>", kRuta).doc.condiciones), 101300);
}

TEST(Bdf, TagsAreFoundAnywhereCaseSensitiveExceptTheUnitAndTheStagesRounded)
{
    const LecturaBdf r = LeerBdf("junk<M0=2>x<B= water ><A=eau><a=x><MMB=><MMA=18", kRuta);
    EXPECT_EQ(r.doc.compA + "|" + r.doc.compB + "|" + r.doc.masa0 + "|" + r.doc.mma + "|" + r.doc.avance[0], "eau| water |2||0");
    EXPECT_EQ(r.textoPresente, (std::array<bool, 7>{true, true, false, true, false, false, true}));
    const std::pair<const char*, int> unidades[] = {{"KG", 1}, {"Lb", 3}, {"oz", 2}, {"ton", 0}};
    for (auto [mu, i] : unidades) EXPECT_EQ(LeerBdf(std::string("<MU=") + mu + ">", kRuta).doc.unidad, i) << mu;
    const std::pair<const char*, int> etapas[] = {{"3", 3}, {" 4", 4}, {"2.5", 2}, {"3.5", 4}, {"5.4abc", 5}, {"6.5", 6},
                                                  {"7", 1}, {"0", 1}, {"x", 1}, {"1e300", 1}, {"-1e300", 1}};
    for (auto [ne, n] : etapas) EXPECT_EQ(LeerBdf(std::string("<NE=") + ne + ">", kRuta).doc.numEtapas, n) << ne;
    EXPECT_FALSE(LeerBdf("<VLE=table>[[0.2 0.4]]", kRuta).doc.modoTabla);
}

// Any one tag, or the table block, makes a document of what holds it; a file
// with neither is none, whatever its name.
TEST(Bdf, AFileWithoutTagsOrTableIsNoDocument)
{
    for (const std::string& no : {std::string("# Quillon\r\nA simulator <of> batch distillation."),
                                  std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), std::string("STARTFONT 2.1\nENDFONT\n"), std::string()})
        EXPECT_EQ(LeerBdf(no, kRuta).error, "ERROR: Not a document file:\r\n" + kRuta) << no;
    for (const char* si : {"notes <MU=kg> more notes", "<%E2=50", "[[0.2  0.4]]", "<MODEL=IDEAL>"}) EXPECT_TRUE(LeerBdf(si, kRuta).ok()) << si;
}

TEST(BdfTable, RowsAreCompletedWithThePureComponentsHowEverTheyAreWritten)
{
    // The second point lies below the diagonal (alpha 0.67): a valid table.
    const LecturaBdf r = leerBloque("0.2  0.4\r\n0.6  0.5\r\n");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.doc.modoTabla && r.doc.tabla.ultPunto == 3);
    const double xs[] = {0, 0.2, 0.6, 1, -1}, ys[] = {0, 0.4, 0.5, 1, -1};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_TRUE(r.doc.tabla.x[i] == xs[i] && r.doc.tabla.y[i] == ys[i]) << i;
    for (const char* otro : {"\r\n\r\n0,2    0,4\r\n\r\n\r\n  6D-1 0,5  \r\n\r\n", "0.2  0.4\r\n6d-1  5E-1\r\n",
                             "0  0\r\n0.2  0.4\r\n0.6  0.5\r\n-1  -1\r\n1  1\r\n0.2  0.1\r\n"})
        EXPECT_EQ(leerBloque(otro).doc, r.doc) << otro;
    const LecturaBdf alfa = leerBloque("0.2  0.4\r\n0.6  0.5\r\n", false);
    EXPECT_TRUE(!alfa.doc.modoTabla && alfa.doc.tabla == r.doc.tabla);  // kept, not in force
    // Blank parts of a row read as 0; a row of one number has no Y.
    EXPECT_EQ(LeerBdf("[[\r\n0.2 \r\n]]", kRuta).doc.tabla.y[0], 0.0);
    EXPECT_EQ(leerBloque("0.1  0.2\r\n0.3\r\n0.6  0.8\r\n").error, "ERROR: Data out of range [0, 1]");
}

TEST(BdfTable, HundredRowsAtMostWithRoomForThePureComponents)
{
    EXPECT_EQ(leerBloque("0  0\r\n" + filasInteriores(98) + "1  1\r\n" + repetir("5  5\r\n", 20)).doc.tabla.ultPunto, 99);
    EXPECT_EQ(leerBloque("0  0\r\n" + filasInteriores(98)).doc.tabla.y[99], 1);
    EXPECT_EQ(leerBloque(filasInteriores(100)).error,
              "ERROR: The table has no room for the points (0, 0) and (1, 1): at most 100 points");
    const LecturaBdf r = leerBloque(filasInteriores(100), false);
    EXPECT_TRUE(r.ok() && r.doc.tabla.ultPunto == 0 && r.doc.tabla.x[0] > 0) << r.error;
    // No point between the pure components: the document falls back to alpha.
    for (const char* bloque : {"0  0\r\n1  1\r\n", "", "\r\n  \r\n"}) {
        const LecturaBdf s = leerBloque(bloque);
        EXPECT_TRUE(s.ok() && !s.doc.modoTabla && s.doc.tabla.ultPunto == 1) << bloque;
    }
}

TEST(BdfTable, TableModeRefusesBrokenRulesWithTheMessageAlphaModeKeepsTheRowsAsRead)
{
    const std::pair<std::string, const char*> filas[] = {
        {"0.2  1.4\r\n", "ERROR: Data out of range [0, 1]"}, {"-0.1  0.2\r\n", "ERROR: Data out of range [0, 1]"},
        {"0.2  0.4\r\n0.1  0.5\r\n", "ERROR: Invalid data"}, {"0.2  0.4\r\n0.3  0.4\r\n", "ERROR: Invalid data"},
        {repetir("0  0\r\n", 100), "ERROR: Invalid data"}, {"0  0.1\r\n0.5  0.6\r\n", "ERROR: Invalid data"},
        {"0.5  0.6\r\n1  0.9\r\n", "ERROR: Invalid data"}, {"0.5  0.6\r\n0.9  1\r\n", "ERROR: Invalid data"},
        // Points that pass the rules, with an infinite volatility or, closer
        // than the 1/1000 grid, a negative one between them.
        {"1E-303  0.999999\r\n", "ERROR: Invalid data: the points give a relative volatility that is not a finite positive number"},
        {"0.1004  0.2\r\n0.1006  0.9\r\n",
         "ERROR: Invalid data: the points give a relative volatility that is not a finite positive number"}};
    for (const auto& [bloque, mensaje] : filas) {
        const LecturaBdf r = leerBloque(bloque), alfa = leerBloque(bloque, false);
        EXPECT_EQ(r.error, mensaje) << bloque;
        EXPECT_TRUE(!r.doc.modoTabla && r.doc.tabla.ultPunto == 0 && r.doc.compA == "benzene") << bloque;
        EXPECT_TRUE(alfa.ok() && alfa.doc.tabla.ultPunto == 0 && alfa.doc.tabla.x == r.doc.tabla.x) << bloque;
    }
    for (const char* texto : {"<VLE=TABLE>\r\n0.2 0.4\r\n]]\r\n", "<VLE=TABLE>[[0.2 0.4\r\n", "<VLE=TABLE>]]0.2 0.4[[", "<VLE=TABLE"}) {
        const LecturaBdf r = LeerBdf(std::string("<A=benzene>") + texto, kRuta);
        EXPECT_EQ(r.error + "|" + r.doc.compA, "ERROR: Invalid format:\r\n" + kRuta + "|benzene") << texto;
    }
    EXPECT_TRUE(LeerBdf("<A=benzene><VLE=ALPHA>", kRuta).ok() && LeerBdf("<VLE=TABLE>[[]]", kRuta).ok());
}

TEST(EntradasDeDocumento, ReadsAsTheTableViewDoesAndMarksTheCutsNoPercentBoxTakes)
{
    DocumentoDestilacion refusado = documentoArranque();
    refusado.p0a = "150";
    std::array<double, kMaxEtapas> c{};
    EstadoNumerico e0;
    EXPECT_EQ(validarEntradas(entradasDeDocumento(refusado, c, e0), false, true), &mensajes::porcentajeMasico);

    DocumentoDestilacion d = documentoArranque();
    d.mma = "78,1121";
    d.masa0 = "5,0e2";
    d.avance = {"40 ", "+12,5 %", "1 / 2", "inf", "150", "-5"};
    std::array<double, kMaxEtapas> cortes{};
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado);
    EXPECT_EQ(cortes, (std::array<double, kMaxEtapas>{40, 12.5, 0.5, VALOR_NO_VALIDO, VALOR_NO_VALIDO, VALOR_NO_VALIDO}));
    EXPECT_TRUE(e.mma == 78.1121 && e.mmb == 92.14 && e.alfa == 2.45 && e.x0 == 0.4 && e.m0 == 500);
    // The separator is the last one read, in the table view's order: stage
    // 1's computation reads x0 last, a later stage's the molar mass of B.
    EXPECT_EQ(estado.sepDecimal, '.');
    d.x0 = "0,4";
    entradasDeDocumento(d, cortes, estado);
    EXPECT_EQ(estado.sepDecimal, ',');
    entradasDeDocumento(d, cortes, estado, 3);
    EXPECT_EQ(estado.sepDecimal, '.');
    d.mmb = "92,14";
    d.x0 = "0.4";
    entradasDeDocumento(d, cortes, estado, 3);
    EXPECT_EQ(estado.sepDecimal, ',');
}

TEST(ExampleDocuments, EachOpensComputesEveryStageAndSavesToTheSameBytes)
{
    const std::filesystem::path carpeta = QUILLON_EXAMPLES_DIR;
    // Each document, and the table file of its table.
    const std::pair<std::string, std::string> ejemplos[] = {
        {"benzene-toluene-3-stages", ""}, {"ethanol-water-1atm", "ethanol-water-1atm"},
        {"isopropanol-water-1atm", "isopropanol-water-1atm"}, {"benzene-toluene-5-plates-reflux-2", ""},
        {"ethanol-water-4-plates-purity-0.75", "ethanol-water-1atm"}};
    for (const auto& [nombre, nombreTabla] : ejemplos) {
        const std::string bytes = prueba::leerBytes(carpeta / (nombre + ".bdf"));
        const LecturaBdf l = LeerBdf(bytes, nombre);
        ASSERT_TRUE(l.ok() && EscribirBdf(l.doc) == bytes) << nombre << ": " << l.error;
        std::array<double, kMaxEtapas> cortes{};
        EstadoNumerico estado;
        const Entradas e = entradasDeDocumento(l.doc, cortes, estado);
        SuperTablaELV superTabla{};
        if (e.modoTabla) CrearSuperTABLA_ELV(l.doc.tabla, superTabla);
        CadenaEtapas cadena;
        const LecturaColumnaPlatos columna = leerColumnaPlatos(l.doc.columna.value_or(TextosColumnaPlatos{}));
        ASSERT_EQ(columna.error, nullptr) << nombre;
        EXPECT_EQ(columna.columna.hay(), nombre.find("plates") != std::string::npos) << nombre;
        cadena.fijarColumna(columna.columna);
        for (int k = 1; k <= l.doc.numEtapas; ++k) {
            const EstadoEtapa etapa = calcularEtapa(cadena, ModeloELV{e.modoTabla, e.alfa, &superTabla}, e, cortes, k);
            ASSERT_TRUE(etapa.error == nullptr && etapa.destilado.masa > 0) << nombre << " stage " << k;
        }
        // Read as a table file, a document gives its names, masses and rows.
        const LecturaVle comoTabla = LeerVle(bytes, nombre);
        EXPECT_TRUE(*comoTabla.nombreA == l.doc.compA && *comoTabla.masaB == l.doc.mmb && *comoTabla.y == l.doc.tabla.y) << nombre;
        if (nombreTabla.empty()) continue;
        // Its table file is what the editor writes, and holds the same points
        // without the pure components.
        const std::string tabla = prueba::leerBytes(carpeta / (nombreTabla + ".vle"));
        const LecturaVle v = LeerVle(tabla, nombre);
        ASSERT_TRUE(v.x && v.y && v.nombreA && v.nombreB && v.masaA && v.masaB) << nombre;
        EXPECT_EQ(EscribirVle({*v.nombreA, *v.nombreB, *v.masaA, *v.masaB, *v.x, *v.y}), tabla) << nombre;
        EXPECT_TRUE(std::equal(v.x->begin(), v.x->begin() + l.doc.tabla.ultPunto - 1, l.doc.tabla.x.begin() + 1)) << nombre;
    }
}

}  // namespace
