// Every molar mass of the solvent list agrees with its compound's formula,
// and the list keeps its first 43 entries in their place.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <string>

#include "model/compuestos.h"

using namespace quillon;

namespace {

// Standard atomic weights, g/mol.
double pesoAtomico(const std::string& simbolo)
{
    static const std::map<std::string, double> pesos{
        {"C", 12.011}, {"H", 1.008}, {"O", 15.999}, {"Cl", 35.45}, {"N", 14.007}};
    const auto it = pesos.find(simbolo);
    if (it == pesos.end()) throw std::invalid_argument("unknown element " + simbolo);
    return it->second;
}

// Molar mass of a plain formula such as "C2H6O" or "CCl4".
double masaDeFormula(const std::string& formula)
{
    double masa = 0;
    std::size_t i = 0;
    while (i < formula.size()) {
        std::string simbolo(1, formula[i++]);
        while (i < formula.size() && std::islower(static_cast<unsigned char>(formula[i]))) simbolo += formula[i++];
        int n = 0;
        while (i < formula.size() && std::isdigit(static_cast<unsigned char>(formula[i]))) n = n * 10 + (formula[i++] - '0');
        masa += pesoAtomico(simbolo) * (n == 0 ? 1 : n);
    }
    return masa;
}

const std::map<std::string, std::string>& formulas()
{
    static const std::map<std::string, std::string> f{
        // The original entries.
        {"etanol", "C2H6O"}, {"alcohol", "C2H6O"}, {"alcohol etilico", "C2H6O"}, {"ethanol", "C2H6O"},
        {"ethyl alcohol", "C2H6O"}, {"agua", "H2O"}, {"water", "H2O"}, {"wasser", "H2O"}, {"eau", "H2O"},
        {"aqua", "H2O"}, {"acua", "H2O"}, {"acetona", "C3H6O"}, {"propanona", "C3H6O"},
        {"dimetilcetona", "C3H6O"}, {"dimetil cetona", "C3H6O"}, {"acetone", "C3H6O"}, {"propanone", "C3H6O"},
        {"dimethylcetone", "C3H6O"}, {"dimethyl cetone", "C3H6O"}, {"acetato de etilo", "C4H8O2"},
        {"ethyl acetate", "C4H8O2"}, {"cloroformo", "CHCl3"}, {"chloroform", "CHCl3"},
        {"etilenglicol", "C2H6O2"}, {"1,2-etanodiol", "C2H6O2"}, {"ethylene glycol", "C2H6O2"},
        {"1,2-ethanediol", "C2H6O2"}, {"ethane-1,2-diol", "C2H6O2"}, {"benceno", "C6H6"}, {"benzene", "C6H6"},
        {"tolueno", "C7H8"}, {"toluene", "C7H8"}, {"CCl4", "CCl4"}, {"tetracloruro de carbono", "CCl4"},
        {"carbon tetrachloride", "CCl4"}, {"metanol", "CH4O"}, {"alcohol metilico", "CH4O"},
        {"n-heptano", "C7H16"}, {"heptano", "C7H16"}, {"n-heptane", "C7H16"}, {"heptane", "C7H16"},
        // The teaching solvents added after them.
        {"methanol", "CH4O"}, {"methyl alcohol", "CH4O"}, {"1-propanol", "C3H8O"}, {"n-propanol", "C3H8O"},
        {"propyl alcohol", "C3H8O"}, {"alcohol propilico", "C3H8O"}, {"2-propanol", "C3H8O"},
        {"isopropanol", "C3H8O"}, {"isopropyl alcohol", "C3H8O"}, {"alcohol isopropilico", "C3H8O"},
        {"1-butanol", "C4H10O"}, {"n-butanol", "C4H10O"}, {"butyl alcohol", "C4H10O"},
        {"alcohol butilico", "C4H10O"}, {"acetic acid", "C2H4O2"}, {"acido acetico", "C2H4O2"},
        {"formic acid", "CH2O2"}, {"acido formico", "CH2O2"}, {"n-hexane", "C6H14"}, {"hexane", "C6H14"},
        {"n-hexano", "C6H14"}, {"hexano", "C6H14"}, {"cyclohexane", "C6H12"}, {"ciclohexano", "C6H12"},
        {"n-octane", "C8H18"}, {"octane", "C8H18"}, {"n-octano", "C8H18"}, {"octano", "C8H18"},
        {"p-xylene", "C8H10"}, {"p-xileno", "C8H10"}, {"ethylbenzene", "C8H10"}, {"etilbenceno", "C8H10"},
        {"styrene", "C8H8"}, {"estireno", "C8H8"}, {"diethyl ether", "C4H10O"}, {"ethyl ether", "C4H10O"},
        {"eter dietilico", "C4H10O"}, {"dietil eter", "C4H10O"}, {"eter etilico", "C4H10O"},
        {"dichloromethane", "CH2Cl2"}, {"methylene chloride", "CH2Cl2"}, {"diclorometano", "CH2Cl2"},
        {"cloruro de metileno", "CH2Cl2"}, {"acetonitrile", "C2H3N"}, {"acetonitrilo", "C2H3N"},
        {"tetrahydrofuran", "C4H8O"}, {"thf", "C4H8O"}, {"tetrahidrofurano", "C4H8O"},
        {"n-pentane", "C5H12"}, {"pentane", "C5H12"}, {"n-pentano", "C5H12"}, {"pentano", "C5H12"},
        {"phenol", "C6H6O"}, {"fenol", "C6H6O"},
    };
    return f;
}

// Two of the original entries carry rounder masses than their formulas give:
// chloroform 119.38 (formula 119.369) and carbon tetrachloride 153.8
// (formula 153.811). They are kept as the program has always filled them in,
// so their tolerance is wider.
double tolerancia(const std::string& formula) { return formula == "CHCl3" || formula == "CCl4" ? 0.012 : 0.01; }

TEST(ListaCompuestos, EveryMolarMassAgreesWithItsFormula)
{
    for (const Compuesto& c : listaCompuestos()) {
        const std::string nombre(c.nombre);
        const auto it = formulas().find(nombre);
        ASSERT_NE(it, formulas().end()) << "no formula for " << nombre;
        EXPECT_NEAR(c.masaMolar, masaDeFormula(it->second), tolerancia(it->second)) << nombre;
        EXPECT_EQ(std::stod(std::string(c.textoMasa)), c.masaMolar) << nombre;
    }
}

TEST(ListaCompuestos, FormulaMassesUseTheStandardAtomicWeights)
{
    EXPECT_NEAR(masaDeFormula("H2O"), 18.015, 1e-9);
    EXPECT_NEAR(masaDeFormula("CCl4"), 153.811, 1e-9);
    EXPECT_NEAR(masaDeFormula("C2H3N"), 41.053, 1e-9);
}

TEST(ListaCompuestos, TheOriginalEntriesKeepTheirPlaceAndTheNewOnesFollow)
{
    const char* const originales[] = {
        "etanol", "alcohol", "alcohol etilico", "agua", "acetona", "propanona", "dimetilcetona", "dimetil cetona",
        "acetato de etilo", "cloroformo", "etilenglicol", "1,2-etanodiol", "benceno", "tolueno", "CCl4",
        "tetracloruro de carbono", "metanol", "alcohol metilico", "n-heptano", "heptano", "ethanol",
        "ethyl alcohol", "water", "acetone", "propanone", "dimethylcetone", "dimethyl cetone", "ethyl acetate",
        "chloroform", "ethylene glycol", "1,2-ethanediol", "ethane-1,2-diol", "benzene", "toluene",
        "carbon tetrachloride", "metanol", "alcohol metilico", "n-heptane", "heptane", "wasser", "eau", "aqua",
        "acua"};
    const auto lista = listaCompuestos();
    ASSERT_GT(lista.size(), std::size(originales));
    for (std::size_t i = 0; i < std::size(originales); ++i) EXPECT_EQ(lista[i].nombre, originales[i]) << i;
}

TEST(ListaCompuestos, NewNamesAreLowerCaseWithoutAccentsAndNotRepeated)
{
    const auto lista = listaCompuestos();
    for (std::size_t i = 43; i < lista.size(); ++i) {
        const std::string nombre(lista[i].nombre);
        for (char ch : nombre) {
            const auto u = static_cast<unsigned char>(ch);
            EXPECT_TRUE(u < 0x80 && !std::isupper(u)) << nombre;
        }
        // A name already earlier in the list would never be reached.
        EXPECT_EQ(BuscarCompuesto(nombre)->nombre.data(), lista[i].nombre.data()) << nombre;
    }
}

struct Tecleado {
    const char* texto;
    const char* masa;
};

void PrintTo(const Tecleado& t, std::ostream* os) { *os << '"' << t.texto << '"'; }

class NombresNuevos : public testing::TestWithParam<Tecleado> {};

TEST_P(NombresNuevos, FillTheMassAsTyped)
{
    const auto c = BuscarCompuesto(GetParam().texto);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->textoMasa, GetParam().masa);
}

INSTANTIATE_TEST_SUITE_P(TypedWithCapitalsAndAccents, NombresNuevos,
                         testing::Values(Tecleado{"Methanol", "32.04"}, Tecleado{" Isopropanol ", "60.1"},
                                         Tecleado{"Éter dietílico", "74.12"}, Tecleado{"ÁCIDO ACÉTICO", "60.05"},
                                         Tecleado{"THF", "72.11"}, Tecleado{"Alcohol isopropílico", "60.1"},
                                         Tecleado{"p-Xylene", "106.17"}));

}  // namespace
