// The example documents of examples/ open through the program's readers,
// compute every stage without a message, and are byte for byte what the
// program's writers produce.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "documents/formats/archivo_tabla.h"
#include "documents/formats/documento.h"
#include "model/numero.h"
#include "model/tabla_texto.h"

using namespace quillon;
namespace fs = std::filesystem;

namespace {

const fs::path kCarpeta = QUILLON_EXAMPLES_DIR;

std::string leer(const fs::path& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> ejemplos(const std::string& extension)
{
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(kCarpeta))
        if (e.path().extension() == extension) r.push_back(e.path());
    std::sort(r.begin(), r.end());
    return r;
}

// Every stage of the row, left to right, then the table view of each.
void calcularDocumento(const DocumentoDestilacion& d, const std::string& nombre)
{
    std::array<double, kMaxEtapas> cortes{};
    EstadoNumerico estado;
    const Entradas e = entradasDeDocumento(d, cortes, estado);
    SuperTablaELV superTabla{};
    if (e.modoTabla) CrearSuperTABLA_ELV(d.tabla, superTabla);
    const ModeloELV elv{e.modoTabla, e.alfa, &superTabla};
    CadenaEtapas cadena;
    for (int k = 1; k <= d.numEtapas; ++k) {
        const EstadoEtapa etapa = calcularEtapa(cadena, elv, e, cortes, k);
        ASSERT_EQ(etapa.error, nullptr) << nombre << " stage " << k << ": " << etapa.error->eng;
        EXPECT_GT(etapa.destilado.masa, 0) << nombre << " stage " << k;
    }
    for (int k = 1; k <= d.numEtapas; ++k) {
        const PeticionTabla p{d.compA, d.compB, k, 20, {0, 2, 4, 6, 22}, '.'};
        const ResultadoTabla tabla = CrearTablaTexto(cadena, elv, e, cortes, p);
        EXPECT_EQ(tabla.error, nullptr) << nombre << " stage " << k;
        EXPECT_NE(tabla.texto.find(d.compA + " (A)"), std::string::npos) << nombre;
    }
}

TEST(ExampleDocuments, TheDocumentedExamplesAreThere)
{
    for (const char* nombre : {"benzene-toluene-3-stages.bdf", "ethanol-water-1atm.bdf", "ethanol-water-1atm.vle",
                               "isopropanol-water-1atm.bdf", "isopropanol-water-1atm.vle"})
        EXPECT_TRUE(fs::exists(kCarpeta / nombre)) << nombre;
}

TEST(ExampleDocuments, EveryDistillationFileOpensAndComputesWithoutAMessage)
{
    for (const fs::path& ruta : ejemplos(".bdf")) {
        const std::string bytes = leer(ruta);
        const LecturaBdf lectura = LeerBdf(bytes, ruta.string());
        ASSERT_TRUE(lectura.ok()) << ruta << ": " << lectura.error;
        calcularDocumento(lectura.doc, ruta.filename().string());
        // Saving it again changes nothing: the file is what the program writes.
        EXPECT_EQ(EscribirBdf(lectura.doc), bytes) << ruta;
    }
}

TEST(ExampleDocuments, EveryTableFileOpensPassesTheEditorsChecksAndComputes)
{
    for (const fs::path& ruta : ejemplos(".vle")) {
        const std::string bytes = leer(ruta);
        const LecturaVle lectura = LeerVle(bytes, ruta.string());
        ASSERT_TRUE(lectura.error.empty()) << ruta << ": " << lectura.error;
        ASSERT_TRUE(lectura.x && lectura.y && lectura.nombreA && lectura.nombreB && lectura.masaA && lectura.masaB);
        const ArchivoTablaELV archivo{*lectura.nombreA, *lectura.nombreB, *lectura.masaA, *lectura.masaB,
                                      *lectura.x, *lectura.y};
        EXPECT_EQ(EscribirVle(archivo), bytes) << ruta;

        // What "Ok" in the table editor does with the rows.
        DocumentoDestilacion d;
        d.compA = archivo.nombreA;
        d.compB = archivo.nombreB;
        d.mma = archivo.masaA;
        d.mmb = archivo.masaB;
        d.x0 = "0.1";
        d.masa0 = "100";
        d.avance[0] = "50";
        d.modoTabla = true;
        d.tabla.x = archivo.x;
        d.tabla.y = archivo.y;
        int ultimo = ultimaFilaUsada(d.tabla.x);
        ASSERT_EQ(comprobarFilas(d.tabla.x, d.tabla.y, ultimo), nullptr) << ruta;
        ASSERT_TRUE(completarTabla(d.tabla.x, d.tabla.y, ultimo)) << ruta;
        d.tabla.ultPunto = ultimo;
        ASSERT_TRUE(tablaUtilizable(d.tabla)) << ruta;
        calcularDocumento(d, ruta.filename().string());
    }
}

TEST(ExampleDocuments, EachTableDocumentHoldsTheSamePointsAsItsTableFile)
{
    for (const char* base : {"ethanol-water-1atm", "isopropanol-water-1atm"}) {
        const LecturaBdf doc = LeerBdf(leer(kCarpeta / (std::string(base) + ".bdf")), base);
        const LecturaVle tabla = LeerVle(leer(kCarpeta / (std::string(base) + ".vle")), base);
        ASSERT_TRUE(doc.ok() && tabla.x) << base;
        EXPECT_TRUE(doc.doc.modoTabla) << base;
        const int puntos = ultimaFilaUsada(*tabla.x) + 1;
        // The document adds the pure components (0, 0) and (1, 1) around them.
        ASSERT_EQ(doc.doc.tabla.ultPunto, puntos + 1) << base;
        for (int i = 0; i < puntos; ++i) {
            EXPECT_EQ(doc.doc.tabla.x[static_cast<std::size_t>(i + 1)], (*tabla.x)[static_cast<std::size_t>(i)]);
            EXPECT_EQ(doc.doc.tabla.y[static_cast<std::size_t>(i + 1)], (*tabla.y)[static_cast<std::size_t>(i)]);
        }
    }
}

TEST(ExampleDocuments, TheEthanolTableEndsAtTheAzeotropeWhereTheVolatilityIsOne)
{
    const LecturaBdf doc = LeerBdf(leer(kCarpeta / "ethanol-water-1atm.bdf"), "");
    ASSERT_TRUE(doc.ok());
    const TablaELV& t = doc.doc.tabla;
    const int azeotropo = t.ultPunto - 1;  // the last point before (1, 1)
    EXPECT_EQ(t.x[static_cast<std::size_t>(azeotropo)], 0.8943);
    EXPECT_EQ(t.y[static_cast<std::size_t>(azeotropo)], 0.8943);
    EXPECT_DOUBLE_EQ(volatilidadLocal(t, azeotropo), 1.0);
    SuperTablaELV dense{};
    CrearSuperTABLA_ELV(t, dense);
    // Above the azeotrope the liquid and the vapour are alike.
    EXPECT_DOUBLE_EQ(dense[950], 1.0);
}

}  // namespace
