// The equilibrium table file (.vle), the Windows-1252 text both file
// formats are written in, and a file the program writes is a file it reads
// back as written: random names (with the characters the grammar uses as
// markers, accents and letters the code page lacks) and random close table
// points, through both formats.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "formats/archivo_tabla.h"
#include "formats/codificacion.h"
#include "formats/documento.h"
#include "formats/etiquetas.h"
#include "support/bytes.h"
#include "support/tabla_elv.h"

using namespace quillon;
using prueba::repetir;

namespace {

const std::string kRuta = "/tmp/t.vle";

TEST(Vle, ThreeTypedRowsAreWrittenUntrimmedThenNinetySevenEmptyOnesAndReadBack)
{
    const TablaELV filas = prueba::tablaELV({0.1, 0.5, 0.9}, {0.21, 0.71, 0.96});
    const ArchivoTablaELV t{"benzene", " tolueno ", "78.1121", "92,14", filas.x, filas.y};
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
    // What the code page lacks is written "?", and said so; a typed "?" is
    // no loss.
    for (const auto& [texto, bytes, sustituye] : {std::tuple("Ñandú ≈ H₂O ह", "\xD1" "and\xFA ? H?O ?", true),
                                                  std::tuple("¿Qué? €", "\xBFQu\xE9? \x80", false)}) {
        bool sustituyo = false;
        EXPECT_EQ(aWindows1252(texto, &sustituyo), bytes);
        EXPECT_EQ(sustituyo, sustituye) << texto;
    }
}

// Pieces of UTF-8 text: markers of the grammar, blanks, accents, the euro of
// the code page's high half, and letters it lacks.
const char* const kPiezas[] = {"<", ">", "[", "]", "[[", "]]", " ", "a", "Z", "7", ",", ".", "%",
                               "=", "á", "ñ", "Ü", "€", "α", "中", "<A=", "<VLE=TABLE>", "/"};

std::string nombreAlAzar(std::mt19937& azar)
{
    std::string s;
    for (int n = static_cast<int>(azar() % 13); n > 0; --n) s += kPiezas[azar() % std::size(kPiezas)];
    return s;
}

// 1 to 20 increasing interior points at alpha 2, some one ulp apart, which
// 15 digits cannot tell apart.
TablaELV tablaAlAzar(std::mt19937& azar)
{
    std::uniform_real_distribution<double> u(0.01, 0.99);
    std::vector<double> xs{0, 1};
    for (int n = 1 + static_cast<int>(azar() % 20); n > 0; --n) {
        xs.push_back(u(azar));
        if (n % 3 == 0) xs.push_back(std::nextafter(xs.back(), 1.0));
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<double> ys{0};
    for (std::size_t i = 1; i < xs.size(); ++i) ys.push_back(std::max(2 * xs[i] / (1 + xs[i]), std::nextafter(ys.back(), 1.0)));
    return prueba::tablaELV(xs, ys);
}

TEST(IdaYVuelta, DocumentsAndTableFilesReadBackAsWritten)
{
    std::mt19937 azar(20261206);
    for (int caso = 0; caso < 300; ++caso) {
        DocumentoDestilacion d;
        d.compA = nombreAlAzar(azar);
        d.compB = nombreAlAzar(azar);
        d.avance[2] = nombreAlAzar(azar);
        d.modoTabla = true;
        d.tabla = tablaAlAzar(azar);
        const LecturaBdf r = LeerBdf(EscribirBdf(d), "x.bdf");
        ASSERT_TRUE(r.ok()) << r.error << "\n" << EscribirBdf(d);
        EXPECT_EQ(r.doc.compA, recortar(textoGuardable(d.compA))) << d.compA;
        EXPECT_EQ(r.doc.compB, recortar(textoGuardable(d.compB))) << d.compB;
        EXPECT_EQ(r.doc.avance[2], recortar(textoGuardable(d.avance[2])) + " ");
        EXPECT_TRUE(r.doc.modoTabla && r.doc.tabla == d.tabla);
        EXPECT_EQ(textoGuardable(r.doc.compA), r.doc.compA);  // a text the file holds stays as it is

        const ArchivoTablaELV a{d.compA, d.compB, nombreAlAzar(azar), "18", d.tabla.x, d.tabla.y};
        const LecturaVle v = LeerVle(EscribirVle(a, caso % 2 ? ',' : '.'), "x.vle");
        ASSERT_TRUE(v.error.empty()) << v.error;
        EXPECT_EQ(*v.nombreA + "|" + *v.masaA, textoGuardable(a.nombreA) + "|" + textoGuardable(a.masaA));
        EXPECT_TRUE(*v.x == a.x && *v.y == a.y);
    }
}
}  // namespace
