// The built-in solvent list: a typed name fills in the molar mass.

#include <gtest/gtest.h>

#include "model/compuestos.h"

using namespace quillon;

namespace {

struct Busqueda {
    const char* nombre;
    const char* masa;  // text written into the box; null when nothing matches
};

void PrintTo(const Busqueda& b, std::ostream* os) { *os << '"' << b.nombre << '"'; }

class BuscarCompuestoEjemplos : public testing::TestWithParam<Busqueda> {};

TEST_P(BuscarCompuestoEjemplos, FindsTheMolarMassOfTheWholeName)
{
    const auto c = BuscarCompuesto(GetParam().nombre);
    if (GetParam().masa == nullptr) {
        EXPECT_FALSE(c.has_value());
    } else {
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->textoMasa, GetParam().masa);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BuscarCompuestoEjemplos,
    testing::Values(Busqueda{"  Benceno ", "78.1121"}, Busqueda{"Acetona", "58.08"}, Busqueda{"ACETONA", "58.08"},
                    Busqueda{"alcohol metílico", "32.04"}, Busqueda{"ALCOHOL METÍLICO", "32.04"},
                    Busqueda{"Water", "18.01528"}, Busqueda{"eau", "18.01528"}, Busqueda{"Wasser", "18.01528"},
                    Busqueda{"aqua", "18.01528"}, Busqueda{"acua", "18.01528"}, Busqueda{"ccl4", "153.8"},
                    Busqueda{"CCl4", "153.8"}, Busqueda{"tolueno", "92.14"}, Busqueda{"1,2-etanodiol", "62.068"},
                    Busqueda{"ETHANE-1,2-DIOL", "62.068"}, Busqueda{"Methanol", "32.04"},
                    Busqueda{"benc", nullptr}, Busqueda{"", nullptr}, Busqueda{"   ", nullptr},
                    Busqueda{"benceno x", nullptr}, Busqueda{"alcohol  metilico", nullptr},
                    // Only the acute vowels are folded.
                    Busqueda{"alcohol metìlico", nullptr}, Busqueda{"tolueno\t", nullptr}));

TEST(BuscarCompuesto, TheFirstMatchInListOrderWins)
{
    // "alcohol metilico" is entry 17 and again entry 36.
    const auto lista = listaCompuestos();
    ASSERT_GT(lista.size(), 36u);
    EXPECT_EQ(lista[36].nombre, lista[17].nombre);
    const auto c = BuscarCompuesto("alcohol metílico");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->nombre.data(), lista[17].nombre.data());
}

TEST(BuscarCompuesto, ListBeginsWithTheFortyThreeOriginalEntries)
{
    // Further solvents follow them; a name of the original list keeps its entry.
    const auto lista = listaCompuestos();
    ASSERT_GE(lista.size(), 43u);
    EXPECT_EQ(lista[0].nombre, "etanol");
    EXPECT_EQ(lista[14].nombre, "CCl4");
    EXPECT_EQ(lista[35].nombre, "metanol");
    EXPECT_EQ(lista[42].nombre, "acua");
}

TEST(BuscarCompuesto, EveryEntryOfTheListFindsItsOwnMass)
{
    for (const Compuesto& c : listaCompuestos()) {
        const auto encontrado = BuscarCompuesto(c.nombre);
        ASSERT_TRUE(encontrado.has_value()) << c.nombre;
        EXPECT_EQ(encontrado->masaMolar, c.masaMolar) << c.nombre;
        EXPECT_EQ(std::stod(std::string(c.textoMasa)), c.masaMolar) << c.nombre;
    }
}

TEST(NormalizarNombre, TrimsLowersAndFoldsTheAcuteVowels)
{
    EXPECT_EQ(normalizarNombre("  ÁÉÍÓÚ áéíóú Ñ "), "aeiou aeiou ñ");
}

}  // namespace
