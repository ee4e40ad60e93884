// The distillation file (.bdf): writing byte for byte, reading back, and the
// checks and completion of the equilibrium table.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "documents/formats/documento.h"

namespace quillon {
// Failure messages show the document's fields rather than its bytes.
void PrintTo(const DocumentoDestilacion& d, std::ostream* os)
{
    *os << "{" << d.compA << "|" << d.compB << "|" << d.mma << "|" << d.mmb << "|" << d.alfa << "|" << d.x0 << "|"
        << d.masa0 << "| unit " << d.unidad << ", stages " << d.numEtapas << ", cuts";
    for (const std::string& a : d.avance) *os << " '" << a << "'";
    *os << (d.modoTabla ? ", table mode" : ", alpha mode") << ", last point " << d.tabla.ultPunto << "}";
}
}  // namespace quillon

using namespace quillon;

namespace {

const std::string kRuta = "/tmp/doc.bdf";

// What the window holds at start-up in the English build.
DocumentoDestilacion arranque()
{
    DocumentoDestilacion d;
    d.compA = "benzene";
    d.compB = "toluene";
    d.mma = "78.1121";
    d.mmb = "92.14";
    d.alfa = "2.45";
    d.x0 = "0.4";
    d.masa0 = "500";
    return d;
}

std::string repetir(const std::string& linea, int veces)
{
    std::string s;
    for (int i = 0; i < veces; ++i) s += linea;
    return s;
}

// n increasing rows strictly between the pure components.
std::string filasInteriores(int n)
{
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(i / (n + 1.0)) + "  " + std::to_string(i / (n + 0.5)) + "\r\n";
    return s;
}

// A file of the given mode whose table block holds `bloque`.
std::string archivo(const std::string& bloque, bool tabla = true)
{
    return std::string("<A=benzene><B=toluene><MMA=78.1121><MMB=92.14><ALPHA=2.45><X0=0.4><M0=500>") +
           (tabla ? "<VLE=TABLE>\r\n" : "<VLE=ALPHA>\r\n") + "[[\r\n" + bloque + "]]\r\n";
}

TEST(WriteBdf, EnglishStartUpDocumentGivesTheWholeFile)
{
    const std::string esperado = "<A=benzene>\r\n<B=toluene>\r\n<MMA=78.1121>\r\n<MMB=92.14>\r\n<ALPHA=2.45>\r\n"
                                 "<X0=0.4>\r\n<M0=500>\r\n<MU=g>\r\n<NE=1>\r\n"
                                 "<%E1=0 >\r\n<%E2=0 >\r\n<%E3=0 >\r\n<%E4=0 >\r\n<%E5=0 >\r\n<%E6=0 >\r\n"
                                 "<VLE=ALPHA>\r\n[[\r\n" +
                                 repetir("0  0\r\n", 100) + "]]\r\n";
    EXPECT_EQ(EscribirBdf(arranque()), esperado);
}

TEST(WriteBdf, TrimsTheTextsAndWritesNamesAndTableAsTheFileWants)
{
    DocumentoDestilacion d = arranque();
    d.compA = "  alcohol metílico ";
    d.alfa = " 2,45";
    d.avance[0] = " 40% ";
    d.unidad = 3;
    d.numEtapas = 6;
    d.modoTabla = true;
    d.tabla.x.fill(-1);
    d.tabla.y.fill(-1);
    d.tabla.x[0] = 1e-5;
    d.tabla.y[0] = 2.5e-5;
    d.tabla.x[1] = 1.0 / 3;
    d.tabla.y[1] = 0.1 + 0.2;
    const std::string t = EscribirBdf(d);
    for (const char* linea : {"<A=alcohol met\xEDlico>\r\n", "<ALPHA=2,45>\r\n", "<%E1=40% >\r\n",
                              "<MU=lb>\r\n<NE=6>\r\n",
                              "<VLE=TABLE>\r\n[[\r\n1E-05  2.5E-05\r\n0.33333333333333331  0.30000000000000004\r\n-1  -1\r\n"})
        EXPECT_NE(t.find(linea), std::string::npos) << linea;
    EXPECT_NE(EscribirBdf(d, ',').find("0,33333333333333331  0,30000000000000004\r\n"), std::string::npos);
}

TEST(ReadBdf, WrittenDocumentReadsBackWithABlankAfterEachCut)
{
    for (const char* nombre : {"benceno", "alcohol metílico", "tolueno"}) {
        DocumentoDestilacion d = arranque();
        d.compA = nombre;
        d.unidad = 2;
        d.numEtapas = 3;
        d.avance = {"40", "50.5", "60%", "0", "0", "0"};
        d.modoTabla = true;
        d.tabla.x.fill(-1);
        d.tabla.y.fill(-1);
        const double xs[] = {0, 0.2, 0.6, 1}, ys[] = {0, 0.4, 0.8, 1};
        std::copy(xs, xs + 4, d.tabla.x.begin());
        std::copy(ys, ys + 4, d.tabla.y.begin());
        d.tabla.ultPunto = 3;
        const LecturaBdf r = LeerBdf(EscribirBdf(d), kRuta);
        ASSERT_TRUE(r.ok()) << r.error;
        for (std::string& a : d.avance) a += " ";
        EXPECT_EQ(r.doc, d);
    }
}

TEST(ReadBdf, StartUpDocumentOpensCleanlyAndSavesAgainByteForByte)
{
    // 100 rows of zeros: what a document saved before any table was entered holds.
    const std::string bytes = EscribirBdf(arranque());
    const LecturaBdf r = LeerBdf(bytes, kRuta);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_FALSE(r.doc.modoTabla);
    EXPECT_EQ(r.doc.tabla, TablaELV{});
    EXPECT_EQ(EscribirBdf(r.doc), bytes);
}

TEST(ReadBdf, TagsAreFoundAnywhereCaseSensitiveExceptTheUnit)
{
    const LecturaBdf r = LeerBdf("junk<M0=2>x<B= water ><A=eau><a=x><MMA=18", kRuta);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.doc.compA, "eau");
    EXPECT_EQ(r.doc.compB, " water ");
    EXPECT_EQ(r.doc.masa0, "2");
    EXPECT_EQ(r.doc.mma, "");  // no ">" after the tag: as the reset left it
    EXPECT_EQ(r.doc.avance[0], "0");
    EXPECT_EQ(LeerBdf("<MU=KG>", kRuta).doc.unidad, 1);
    EXPECT_EQ(LeerBdf("<MU=Lb>", kRuta).doc.unidad, 3);
    EXPECT_EQ(LeerBdf("<MU=ton>", kRuta).doc.unidad, 0);
    EXPECT_FALSE(LeerBdf("<VLE=table>[[0.2 0.4]]", kRuta).doc.modoTabla);
}

struct Etapas {
    const char* valor;
    int numEtapas;
};

class ReadBdfEtapas : public testing::TestWithParam<Etapas> {};

TEST_P(ReadBdfEtapas, StageCountIsRoundedHalvesToEvenAndKeptInRange)
{
    EXPECT_EQ(LeerBdf(std::string("<NE=") + GetParam().valor + ">", kRuta).doc.numEtapas, GetParam().numEtapas);
}

INSTANTIATE_TEST_SUITE_P(Examples, ReadBdfEtapas,
                         testing::Values(Etapas{"3", 3}, Etapas{" 4", 4}, Etapas{"2.5", 2}, Etapas{"3.5", 4},
                                         Etapas{"5.4abc", 5}, Etapas{"6.5", 6}, Etapas{"7", 1}, Etapas{"0", 1},
                                         Etapas{"x", 1}, Etapas{"1e300", 1}, Etapas{"-1e300", 1}));

TEST(ReadBdfTable, RowsAreCompletedWithThePureComponents)
{
    const LecturaBdf r = LeerBdf(archivo("0.2  0.4\r\n0.6  0.8\r\n"), kRuta);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.doc.modoTabla);
    EXPECT_EQ(r.doc.tabla.ultPunto, 3);
    const double xs[] = {0, 0.2, 0.6, 1, -1}, ys[] = {0, 0.4, 0.8, 1, -1};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(r.doc.tabla.x[i], xs[i]) << i;
        EXPECT_EQ(r.doc.tabla.y[i], ys[i]) << i;
    }
    // Commas, runs of blanks, empty lines and D exponents read the same.
    EXPECT_EQ(LeerBdf(archivo("\r\n\r\n0,2    0,4\r\n\r\n\r\n  6D-1 0,8  \r\n\r\n"), kRuta).doc, r.doc);
    // An alpha-mode document keeps the completed table, not in force.
    const LecturaBdf alfa = LeerBdf(archivo("0.2  0.4\r\n0.6  0.8\r\n", false), kRuta);
    EXPECT_FALSE(alfa.doc.modoTabla);
    EXPECT_EQ(alfa.doc.tabla, r.doc.tabla);
}

TEST(ReadBdfTable, RowsAfterTheEndMarkerAreDroppedSoTheTableSavesAndReadsBack)
{
    // Read as (0, 0), (0.5, 0.7), then (1, 1) appended where the marker was.
    const LecturaBdf r = LeerBdf(archivo("0  0\r\n0.5  0.7\r\n-1  -1\r\n1  1\r\n0.2  0.1\r\n"), kRuta);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.doc.tabla.ultPunto, 2);
    EXPECT_EQ(r.doc.tabla.x[4], -1);
    const LecturaBdf otra = LeerBdf(EscribirBdf(r.doc), kRuta);
    ASSERT_TRUE(otra.ok()) << otra.error;
    EXPECT_EQ(otra.doc.tabla, r.doc.tabla);
}

TEST(ReadBdfTable, HundredRowsAtMostWithRoomForThePureComponents)
{
    // More than 100 rows: the first 100 count.
    LecturaBdf r = LeerBdf(archivo("0  0\r\n" + filasInteriores(98) + "1  1\r\n" + repetir("5  5\r\n", 20)), kRuta);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.doc.tabla.ultPunto, 99);
    // 99 rows needing one end fill the table.
    r = LeerBdf(archivo("0  0\r\n" + filasInteriores(98)), kRuta);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.doc.tabla.y[99], 1);
    // 100 rows needing an end are refused in table mode, kept (not in force) in alpha mode.
    r = LeerBdf(archivo(filasInteriores(100)), kRuta);
    EXPECT_EQ(r.error, "ERROR: The table has no room for the points (0, 0) and (1, 1): at most 100 points");
    EXPECT_FALSE(r.doc.modoTabla);
    r = LeerBdf(archivo(filasInteriores(100), false), kRuta);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.doc.tabla.ultPunto, 0);
    EXPECT_NEAR(r.doc.tabla.x[0], 1 / 101.0, 1e-6);
}

TEST(ReadBdfTable, WithoutAnInteriorPointTheDocumentFallsBackToAlpha)
{
    for (const char* bloque : {"0  0\r\n1  1\r\n", "", "\r\n  \r\n"}) {
        const LecturaBdf r = LeerBdf(archivo(bloque), kRuta);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_FALSE(r.doc.modoTabla) << bloque;
        EXPECT_EQ(r.doc.tabla.ultPunto, 1);
    }
}

struct Rechazo {
    std::string bloque;
    const char* mensaje;
};

void PrintTo(const Rechazo& r, std::ostream* os) { *os << r.bloque.substr(0, 30); }

class ReadBdfTableRechazo : public testing::TestWithParam<Rechazo> {};

TEST_P(ReadBdfTableRechazo, TableModeRefusesWithTheMessageAlphaModeSaysNothing)
{
    const LecturaBdf r = LeerBdf(archivo(GetParam().bloque), kRuta);
    EXPECT_EQ(r.error, GetParam().mensaje);
    EXPECT_FALSE(r.doc.modoTabla);
    EXPECT_EQ(r.doc.tabla.ultPunto, 0);
    EXPECT_EQ(r.doc.compA, "benzene");  // the tags stay loaded
    const LecturaBdf alfa = LeerBdf(archivo(GetParam().bloque, false), kRuta);
    EXPECT_TRUE(alfa.ok()) << alfa.error;
    EXPECT_EQ(alfa.doc.tabla.ultPunto, 0);
    EXPECT_EQ(alfa.doc.tabla.x, r.doc.tabla.x);  // kept as read
}

INSTANTIATE_TEST_SUITE_P(EachRule, ReadBdfTableRechazo,
                         testing::Values(Rechazo{"0.2  1.4\r\n", "ERROR: Data out of range [0, 1]"},
                                         Rechazo{"-0.1  0.2\r\n", "ERROR: Data out of range [0, 1]"},
                                         Rechazo{"0.2\r\n", "ERROR: Data out of range [0, 1]"},
                                         Rechazo{"0.2  0.4\r\n0.1  0.5\r\n", "ERROR: Invalid data"},
                                         Rechazo{"0.2  0.4\r\n0.3  0.4\r\n", "ERROR: Invalid data"},
                                         Rechazo{repetir("0  0\r\n", 100), "ERROR: Invalid data"},
                                         Rechazo{"0  0.1\r\n0.5  0.6\r\n", "ERROR: Invalid data"},
                                         Rechazo{"0.5  0.6\r\n1  0.9\r\n", "ERROR: Invalid data"},
                                         Rechazo{"0.5  0.6\r\n0.9  1\r\n", "ERROR: Invalid data"},
                                         // Points that pass the rules, with an infinite volatility or,
                                         // closer than the 1/1000 grid, a negative one between them.
                                         Rechazo{"1E-303  0.999999\r\n", "ERROR: Data out of range [0, 1]"},
                                         Rechazo{"0.1004  0.2\r\n0.1006  0.9\r\n",
                                                 "ERROR: Data out of range [0, 1]"}));

TEST(ReadBdfTable, TableModeWithoutTheBlockIsAFormatError)
{
    for (const char* texto : {"<VLE=TABLE>\r\n0.2 0.4\r\n]]\r\n", "<VLE=TABLE>\r\n[[\r\n0.2 0.4\r\n",
                              "<VLE=TABLE>]]0.2 0.4[[", "<VLE=TABLE"}) {
        const LecturaBdf r = LeerBdf(std::string("<A=benzene>") + texto, kRuta);
        EXPECT_EQ(r.error, "ERROR: Invalid format:\r\n" + kRuta) << texto;
        EXPECT_EQ(r.doc.compA, "benzene");
    }
    EXPECT_TRUE(LeerBdf("<A=benzene><VLE=ALPHA>", kRuta).ok());  // alpha mode does without it
}

}  // namespace

// Blank lines and missing second numbers in the block read as 0, as the
// row rule says; a row of a single number is refused.
TEST(LeerBdf, BlankPartsOfARowReadAsZero)
{
    const std::string cabeza = "<VLE=TABLE>[[ \r\n";
    const LecturaBdf l = LeerBdf(cabeza + "0.2  0.4\r\n0.6  0.8\r\n]]", "f.bdf");
    ASSERT_TRUE(l.ok()) << l.error;
    EXPECT_EQ(l.doc.tabla.ultPunto, 3);
    EXPECT_EQ(l.doc.tabla.x[1], 0.2);

    // (0.2, 0) breaks the pure-component rule: alpha mode keeps it as read.
    const LecturaBdf cola = LeerBdf("[[\r\n0.2 \r\n]]", "f.bdf");
    EXPECT_EQ(cola.doc.tabla.x[0], 0.2);
    EXPECT_EQ(cola.doc.tabla.y[0], 0.0);

    EXPECT_EQ(LeerBdf("<VLE=TABLE>[[\r\n0.2\r\n]]", "f.bdf").error, "ERROR: Data out of range [0, 1]");
}

// A missing tag is told apart from an empty value, so opening leaves its box
// as Clear left it.
TEST(LeerBdf, TellsWhichTextTagsThereAre)
{
    const LecturaBdf l = LeerBdf("<A=benzene><MMB=><M0=5>", "f.bdf");
    const std::array<bool, 7> esperado{true, false, false, true, false, false, true};
    EXPECT_EQ(l.textoPresente, esperado);
}

// A document's cuts are read as the percent boxes read them: a text the box
// refuses (a fraction, letters, out of range) leaves the slider at 0.
TEST(EntradasDeDocumento, CutsAreReadAsThePercentBoxesReadThem)
{
    DocumentoDestilacion d;
    d.mma = "78,1121";
    d.avance = {"40 ", "12.5 %", "1/2", "abc", "150", ""};
    std::array<double, kMaxEtapas> cortes{};
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado);
    const std::array<double, kMaxEtapas> esperados{40, 12.5, 0, 0, 0, 0};
    EXPECT_EQ(cortes, esperados);
    EXPECT_EQ(e.mma, 78.1121);
    EXPECT_EQ(estado.sepDecimal, ',');
}
