// A file the program writes is a file it reads back as written: random names
// (with the characters the grammar uses as markers, accents and letters the
// code page lacks) and random close table points, through both formats.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "documents/formats/archivo_tabla.h"
#include "documents/formats/documento.h"
#include "documents/formats/etiquetas.h"

using namespace quillon;

namespace {

// Pieces of UTF-8 text: markers of the grammar, blanks, accents, the euro of
// the code page's high half, and letters it lacks.
const char* const kPiezas[] = {"<", ">", "[", "]", "[[", "]]", " ", "a", "Z", "7", ",", ".", "%",
                               "=", "á", "ñ", "Ü", "€", "α", "中", "<A=", "<VLE=TABLE>", "/"};

std::string nombreAlAzar(std::mt19937& azar)
{
    std::uniform_int_distribution<int> largo(0, 12), pieza(0, std::size(kPiezas) - 1);
    std::string s;
    for (int n = largo(azar); n > 0; --n) s += kPiezas[pieza(azar)];
    return s;
}

// 1 to 20 increasing interior points, some of them closer than 15 digits
// can tell apart.
TablaELV tablaAlAzar(std::mt19937& azar)
{
    std::uniform_real_distribution<double> u(0.01, 0.99);
    std::uniform_int_distribution<int> puntos(1, 20);
    std::vector<double> xs;
    for (int n = puntos(azar); n > 0; --n) {
        const double x = u(azar);
        xs.push_back(x);
        if (n % 3 == 0) xs.push_back(std::nextafter(x, 1.0));
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    t.x[0] = t.y[0] = 0;
    std::size_t i = 1;
    for (double x : xs) {
        t.x[i] = x;
        // Alpha 2, kept strictly increasing where two x are one ulp apart.
        t.y[i] = std::max(2 * x / (1 + x), std::nextafter(t.y[i - 1], 1.0));
        ++i;
    }
    t.x[i] = t.y[i] = 1;
    t.ultPunto = static_cast<int>(i);
    return t;
}

TEST(IdaYVuelta, ADocumentReadsBackAsWritten)
{
    std::mt19937 azar(20261206);
    for (int caso = 0; caso < 300; ++caso) {
        DocumentoDestilacion d;
        d.compA = nombreAlAzar(azar);
        d.compB = nombreAlAzar(azar);
        d.mma = nombreAlAzar(azar);
        d.avance[2] = nombreAlAzar(azar);
        d.modoTabla = true;
        d.tabla = tablaAlAzar(azar);
        const LecturaBdf r = LeerBdf(EscribirBdf(d), "x.bdf");
        ASSERT_TRUE(r.ok()) << r.error << "\n" << EscribirBdf(d);
        EXPECT_EQ(r.doc.compA, recortar(textoGuardable(d.compA))) << d.compA;
        EXPECT_EQ(r.doc.compB, recortar(textoGuardable(d.compB))) << d.compB;
        EXPECT_EQ(r.doc.mma, recortar(textoGuardable(d.mma))) << d.mma;
        EXPECT_EQ(r.doc.alfa, d.alfa);
        EXPECT_EQ(r.doc.avance[2], recortar(textoGuardable(d.avance[2])) + " ");
        EXPECT_TRUE(r.doc.modoTabla);
        EXPECT_EQ(r.doc.tabla, d.tabla);
        // A text the file holds as it is stays as it is.
        EXPECT_EQ(textoGuardable(r.doc.compA), r.doc.compA);
    }
}

TEST(IdaYVuelta, ATableFileReadsBackAsWritten)
{
    std::mt19937 azar(7);
    for (int caso = 0; caso < 300; ++caso) {
        const TablaELV t = tablaAlAzar(azar);
        const ArchivoTablaELV a{nombreAlAzar(azar), nombreAlAzar(azar), nombreAlAzar(azar), "18", t.x, t.y};
        for (char sep : {'.', ','}) {
            const LecturaVle r = LeerVle(EscribirVle(a, sep), "x.vle");
            ASSERT_TRUE(r.error.empty()) << r.error;
            EXPECT_EQ(*r.nombreA, textoGuardable(a.nombreA));
            EXPECT_EQ(*r.nombreB, textoGuardable(a.nombreB));
            EXPECT_EQ(*r.masaA, textoGuardable(a.masaA));
            EXPECT_EQ(*r.x, t.x);
            EXPECT_EQ(*r.y, t.y);
        }
    }
}

TEST(IdaYVuelta, PointsFifteenDigitsCannotTellApartKeepTheirOwnDigits)
{
    DocumentoDestilacion d;
    d.modoTabla = true;
    d.tabla.x.fill(-1);
    d.tabla.y.fill(-1);
    const double puntos[][2] = {{0, 0}, {0.1, 0.2}, {0.1000000000000001, 0.2000000000000001}, {1, 1}};
    for (std::size_t i = 0; i < 4; ++i) {
        d.tabla.x[i] = puntos[i][0];
        d.tabla.y[i] = puntos[i][1];
    }
    d.tabla.ultPunto = 3;
    const std::string bytes = EscribirBdf(d);
    // Points that 15 digits keep apart are still written with 15.
    EXPECT_NE(bytes.find("\r\n0.1  0.2\r\n"), std::string::npos) << bytes;
    const LecturaBdf r = LeerBdf(bytes, "x.bdf");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.doc.tabla, d.tabla);
}

}  // namespace
