// Whatever bytes a file holds, reading it neither crashes nor leaves a
// document the rest of the program cannot use.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "documents/formats/archivo_tabla.h"
#include "documents/formats/documento.h"

using namespace quillon;

namespace {

// A good table-mode file to cut and damage.
std::string archivoBueno()
{
    DocumentoDestilacion d;
    d.compA = "alcohol metílico";
    d.compB = "agua";
    d.mma = "32.04";
    d.mmb = "18.01528";
    d.alfa = "3";
    d.x0 = "0,25";
    d.masa0 = "1/2";
    d.numEtapas = 4;
    d.avance = {"10", "20%", "30", "40", "x", ""};
    d.modoTabla = true;
    d.tabla.x.fill(-1);
    d.tabla.y.fill(-1);
    const double xs[] = {0, 0.05, 0.3, 0.7, 1}, ys[] = {0, 0.3, 0.65, 0.85, 1};
    for (std::size_t i = 0; i < 5; ++i) {
        d.tabla.x[i] = xs[i];
        d.tabla.y[i] = ys[i];
    }
    d.tabla.ultPunto = 4;
    return EscribirBdf(d);
}

// What the window relies on after any read.
void comprobarDocumento(const LecturaBdf& r, const std::string& bytes)
{
    const DocumentoDestilacion& d = r.doc;
    ASSERT_TRUE(d.unidad >= 0 && d.unidad < 4) << bytes;
    ASSERT_TRUE(d.numEtapas >= 1 && d.numEtapas <= kMaxEtapas) << bytes;
    ASSERT_TRUE(d.tabla.ultPunto >= 0 && d.tabla.ultPunto < kFilasTablaELV) << bytes;
    if (d.modoTabla) {
        ASSERT_TRUE(r.ok());
        ASSERT_TRUE(tablaUtilizable(d.tabla)) << bytes;
        ASSERT_EQ(comprobarFilas(d.tabla.x, d.tabla.y, d.tabla.ultPunto), nullptr) << bytes;
    }
    if (d.tabla.ultPunto > 0) {
        ASSERT_EQ(d.tabla.x[0], 0);
        ASSERT_EQ(d.tabla.x[static_cast<std::size_t>(d.tabla.ultPunto)], 1);
    }
    // Saving what was read and reading it again gives the same table.
    const LecturaBdf otra = LeerBdf(EscribirBdf(d), "x");
    ASSERT_EQ(otra.doc.modoTabla, d.modoTabla) << bytes;
    if (d.modoTabla) {
        ASSERT_EQ(otra.doc.tabla, d.tabla) << bytes;
    }
}

void leer(const std::string& bytes)
{
    comprobarDocumento(LeerBdf(bytes, "x"), bytes);
    const LecturaVle v = LeerVle(bytes, "x");
    ASSERT_EQ(v.x.has_value(), v.error.empty());
}

TEST(RobustReading, EveryTruncationOfAGoodFileReads)
{
    const std::string bueno = archivoBueno();
    ASSERT_TRUE(LeerBdf(bueno, "x").doc.modoTabla);
    for (std::size_t n = 0; n <= bueno.size(); ++n) ASSERT_NO_FATAL_FAILURE(leer(bueno.substr(0, n)));
}

TEST(RobustReading, DamagedCopiesOfAGoodFileRead)
{
    const std::string bueno = archivoBueno();
    std::mt19937 azar(20240601);
    const std::string especiales = "<>[]=,.- \r\n0123456789%/eEdD";
    for (int vuelta = 0; vuelta < 3000; ++vuelta) {
        std::string s = bueno;
        const int cambios = 1 + static_cast<int>(azar() % 8);
        for (int c = 0; c < cambios; ++c) {
            const std::size_t pos = azar() % s.size();
            switch (azar() % 4) {
            case 0: s[pos] = static_cast<char>(azar() % 256); break;
            case 1: s[pos] = especiales[azar() % especiales.size()]; break;
            case 2: s.erase(pos, 1 + azar() % 20); break;
            default: s.insert(pos, s.substr(azar() % s.size(), 1 + azar() % 30)); break;
            }
            if (s.empty()) s = "[";
        }
        ASSERT_NO_FATAL_FAILURE(leer(s));
    }
}

TEST(RobustReading, RandomBytesRead)
{
    std::mt19937 azar(7);
    for (int vuelta = 0; vuelta < 2000; ++vuelta) {
        std::string s(azar() % 600, '\0');
        for (char& c : s) c = static_cast<char>(azar() % 256);
        if (vuelta % 2) s = "<VLE=TABLE>[[" + s + "]]";
        ASSERT_NO_FATAL_FAILURE(leer(s));
    }
}

}  // namespace
