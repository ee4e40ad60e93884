// The equilibrium table file (.vle), the Windows-1252 text both formats are
// written in, and the example documents of examples/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "documents/formats/archivo_tabla.h"
#include "documents/formats/codificacion.h"
#include "documents/formats/documento_prueba.h"
#include "model/cadena.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

const std::string kRuta = "/tmp/tabla.vle";

TEST(Vle, ThreeTypedRowsAreWrittenUntrimmedThenNinetySevenEmptyOnesAndReadBack)
{
    ArchivoTablaELV t{"benzene", " tolueno ", "78.1121", "92,14", {}, {}};
    t.x.fill(-1);
    t.y.fill(-1);
    std::tie(t.x[0], t.y[0], t.x[1], t.y[1], t.x[2], t.y[2]) = std::tuple(0.1, 0.21, 0.5, 0.71, 0.9, 0.96);
    const std::string bytes = EscribirVle(t);
    EXPECT_EQ(bytes, "<A=benzene>\r\n<B= tolueno >\r\n<MMA=78.1121>\r\n<MMB=92,14>\r\n[[\r\n0.1  0.21\r\n0.5  0.71\r\n"
                     "0.9  0.96\r\n" + repetir("-1  -1\r\n", 97) + "]]\r\n");
    const LecturaVle r = LeerVle(bytes, kRuta);
    EXPECT_EQ(r.error + *r.nombreA + "|" + *r.nombreB + "|" + *r.masaA + "|" + *r.masaB, "benzene| tolueno |78.1121|92,14");
    EXPECT_TRUE(*r.x == t.x && *r.y == t.y);
}

TEST(Vle, RowsAreNeitherCheckedNorCompletedAndATagOrTheBlockMayBeMissing)
{
    LecturaVle r = LeerVle("[[1E-1  1.7\r\n0,2  0.1\r\n]]", kRuta);
    EXPECT_TRUE(r.error.empty() && !r.nombreA && !r.nombreB && !r.masaA && !r.masaB && r.x && r.y);
    EXPECT_TRUE((*r.x)[0] == 0.1 && (*r.y)[0] == 1.7 && (*r.x)[1] == 0.2 && (*r.x)[2] == -1 && (*r.y)[2] == -1);
    r = LeerVle(EscribirBdf(documentoPrueba()), kRuta);  // a distillation file gives names, masses and rows
    EXPECT_EQ(r.error + *r.nombreA + "|" + *r.nombreB + "|" + *r.masaA + "|" + *r.masaB, "alcohol metílico|toluene|78.1121|92.14");
    EXPECT_TRUE(r.x == documentoPrueba().tabla.x && r.y == documentoPrueba().tabla.y);
    r = LeerVle("<A=eau>\r\n<B=benzene>\r\n<MMA=18>\r\n<MMB=78>\r\n0.1  0.2\r\n]]\r\n", kRuta);
    EXPECT_EQ(r.error, "ERROR: Invalid format:\r\n" + kRuta);
    EXPECT_TRUE(r.nombreA == "eau" && r.masaB == "78" && !r.x && !r.y);
}

TEST(Windows1252, EveryByteReadsAsItsCharacterAndIsWrittenBack)
{
    // The high half's first 32 bytes (the five the code page leaves undefined
    // read as themselves), then Latin-1.
    std::string bytes;
    for (int b = 0x80; b < 0xA2; ++b) bytes += static_cast<char>(b);
    EXPECT_EQ(desdeWindows1252(bytes + "\xE9\xF7\xFF"), "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0¡é÷ÿ");
    for (int b = 0; b < 256; ++b) EXPECT_EQ(aWindows1252(desdeWindows1252(std::string(1, static_cast<char>(b)))), std::string(1, static_cast<char>(b)));
    EXPECT_EQ(aWindows1252("Ñandú ≈ H₂O ह"), "\xD1" "and\xFA ? H?O ?");
}

std::string leer(const std::filesystem::path& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(ExampleDocuments, EachOpensComputesEveryStageAndSavesToTheSameBytes)
{
    const std::filesystem::path carpeta = QUILLON_EXAMPLES_DIR;
    for (const std::string nombre : {"benzene-toluene-3-stages", "ethanol-water-1atm", "isopropanol-water-1atm"}) {
        const std::string bytes = leer(carpeta / (nombre + ".bdf"));
        const LecturaBdf l = LeerBdf(bytes, nombre);
        ASSERT_TRUE(l.ok() && EscribirBdf(l.doc) == bytes) << nombre << ": " << l.error;
        std::array<double, kMaxEtapas> cortes{};
        EstadoNumerico estado;
        const Entradas e = entradasDeDocumento(l.doc, cortes, estado);
        SuperTablaELV superTabla{};
        if (e.modoTabla) CrearSuperTABLA_ELV(l.doc.tabla, superTabla);
        CadenaEtapas cadena;
        for (int k = 1; k <= l.doc.numEtapas; ++k) {
            const EstadoEtapa etapa = calcularEtapa(cadena, ModeloELV{e.modoTabla, e.alfa, &superTabla}, e, cortes, k);
            ASSERT_TRUE(etapa.error == nullptr && etapa.destilado.masa > 0) << nombre << " stage " << k;
        }
        if (!e.modoTabla) continue;
        // Its table file is what the editor writes, and holds the same points
        // without the pure components.
        const std::string tabla = leer(carpeta / (nombre + ".vle"));
        const LecturaVle v = LeerVle(tabla, nombre);
        ASSERT_TRUE(v.x && v.y && v.nombreA && v.nombreB && v.masaA && v.masaB) << nombre;
        EXPECT_EQ(EscribirVle({*v.nombreA, *v.nombreB, *v.masaA, *v.masaB, *v.x, *v.y}), tabla) << nombre;
        EXPECT_TRUE(std::equal(v.x->begin(), v.x->begin() + l.doc.tabla.ultPunto - 1, l.doc.tabla.x.begin() + 1)) << nombre;
    }
}

}  // namespace
