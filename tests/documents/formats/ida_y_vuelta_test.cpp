// A file the program writes is a file it reads back as written: random names
// (with the characters the grammar uses as markers, accents and letters the
// code page lacks) and random close table points, through both formats.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "documents/formats/archivo_tabla.h"
#include "documents/formats/documento_prueba.h"
#include "documents/formats/etiquetas.h"

using namespace quillon;

namespace {

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
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        t.x[i] = xs[i];
        t.y[i] = i == 0 ? 0 : std::max(2 * xs[i] / (1 + xs[i]), std::nextafter(t.y[i - 1], 1.0));
    }
    t.ultPunto = static_cast<int>(xs.size()) - 1;
    return t;
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
