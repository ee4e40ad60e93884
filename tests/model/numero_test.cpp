// Typed numbers: the one parser, the validity rules and the two forms of the
// charge composition.

#include <gtest/gtest.h>

#include "model/numero.h"

using namespace quillon;

namespace {

struct Lectura {
    const char* texto;
    double valor;
};

class LeerNumeroValor : public testing::TestWithParam<Lectura> {};

TEST_P(LeerNumeroValor, GivesTheNumberWithoutRaisingTheErrorFlag)
{
    EstadoNumerico estado;
    EXPECT_DOUBLE_EQ(LeerNumero(GetParam().texto, estado), GetParam().valor) << GetParam().texto;
    EXPECT_EQ(estado.errorEntrada, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LeerNumeroValor,
    testing::Values(Lectura{"0,4", 0.4}, Lectura{"0.4", 0.4}, Lectura{"0 . 4", 0.4}, Lectura{"0..4", 0.4},
                    Lectura{"0....4", 0.4}, Lectura{"40%", 0.4}, Lectura{"2/5", 0.4}, Lectura{"/5", 0},
                    Lectura{"2/5%", 0.02}, Lectura{"1/4", 0.25}, Lectura{"25 %", 0.25}, Lectura{"abc", 0},
                    Lectura{"12abc", 12}, Lectura{"1.5E3", 1500}, Lectura{"1.5e-3", 0.0015},
                    Lectura{"2D2", 200}, Lectura{"-3.5", -3.5}, Lectura{"+7", 7}, Lectura{".5", 0.5},
                    Lectura{"5.", 5}, Lectura{"1E", 1}, Lectura{"1e+", 1}, Lectura{"-", 0},
                    Lectura{"1e-400", 0}, Lectura{"1/3", 1.0 / 3}, Lectura{"3/4/5", 0.75}));

class LeerNumeroFallo : public testing::TestWithParam<const char*> {};

TEST_P(LeerNumeroFallo, GivesTheSentinelAndRaisesTheErrorFlag)
{
    EstadoNumerico estado;
    EXPECT_EQ(LeerNumero(GetParam(), estado), VALOR_NO_VALIDO) << GetParam();
    EXPECT_EQ(estado.errorEntrada, 1) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Examples, LeerNumeroFallo,
                         testing::Values("2/0", "20%/2", "2%/5", "1e400", "1e400%", "1e300/1e-300", "5/abc"));

TEST(LeerNumero, EmptyOrBlankTextGivesTheSentinelWithoutTheErrorFlag)
{
    for (const char* texto : {"", " ", "   "}) {
        EstadoNumerico estado;
        EXPECT_EQ(LeerNumero(texto, estado), VALOR_NO_VALIDO);
        EXPECT_EQ(estado.errorEntrada, 0);
    }
}

struct Separador {
    const char* texto;
    char antes, despues;
};

class LeerNumeroSeparador : public testing::TestWithParam<Separador> {};

TEST_P(LeerNumeroSeparador, RemembersTheSeparatorTypedLastCommaWinning)
{
    EstadoNumerico estado;
    estado.sepDecimal = GetParam().antes;
    LeerNumero(GetParam().texto, estado);
    EXPECT_EQ(estado.sepDecimal, GetParam().despues) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(Examples, LeerNumeroSeparador,
                         testing::Values(Separador{"0,4", '.', ','}, Separador{"0.4", ',', '.'},
                                         Separador{"1.000,5", '.', ','}, Separador{"1,000.5", '.', ','},
                                         Separador{"4", ',', ','}, Separador{"4", '.', '.'},
                                         Separador{"", ',', ','}));

TEST(ValidityRules, AcceptTheLimitsOfEachRangeAndRefuseTheSentinel)
{
    EXPECT_TRUE(masasMolaresValidas(78.1121, 92.14));
    EXPECT_FALSE(masasMolaresValidas(0, 92.14));
    EXPECT_FALSE(masasMolaresValidas(78.1121, -1));
    EXPECT_TRUE(fraccionMolarValida(0));
    EXPECT_TRUE(fraccionMolarValida(1));
    EXPECT_FALSE(fraccionMolarValida(1.0000001));
    EXPECT_FALSE(fraccionMolarValida(-0.0001));
    EXPECT_TRUE(porcentajeMasicoValido(0));
    EXPECT_TRUE(porcentajeMasicoValido(100));
    EXPECT_FALSE(porcentajeMasicoValido(100.01));
    EXPECT_TRUE(masaInicialValida(0));
    EXPECT_FALSE(masaInicialValida(-1));
    EXPECT_FALSE(volatilidadValida(1));
    EXPECT_TRUE(volatilidadValida(1.0001));
    EXPECT_TRUE(volatilidadValida(100));
    EXPECT_FALSE(volatilidadValida(100.0001));
    // Every rule refuses the sentinel of a text that gives no number.
    EXPECT_FALSE(masasMolaresValidas(VALOR_NO_VALIDO, 92.14));
    EXPECT_FALSE(masasMolaresValidas(78.1121, VALOR_NO_VALIDO));
    EXPECT_FALSE(fraccionMolarValida(VALOR_NO_VALIDO));
    EXPECT_FALSE(porcentajeMasicoValido(VALOR_NO_VALIDO));
    EXPECT_FALSE(masaInicialValida(VALOR_NO_VALIDO));
    EXPECT_FALSE(volatilidadValida(VALOR_NO_VALIDO));
}

TEST(CompositionForms, StartUpMoleFractionGivesTheMassPercentShown)
{
    const double p = porcentajeMasicoDeFraccion(0.4, 78.1121, 92.14);
    EXPECT_NEAR(p, 36.109, 0.0005);
    EXPECT_DOUBLE_EQ(porcentajeMasicoDeFraccion(1, 78.1121, 92.14), 100);
    EXPECT_DOUBLE_EQ(porcentajeMasicoDeFraccion(0, 78.1121, 92.14), 0);
}

TEST(CompositionForms, EachConversionUndoesTheOther)
{
    for (double x0 = 0; x0 <= 1.0; x0 += 0.05) {
        const double p = porcentajeMasicoDeFraccion(x0, 46.07, 18.01528);
        EXPECT_NEAR(fraccionDePorcentajeMasico(p, 46.07, 18.01528), x0, 1e-14);
    }
}

}  // namespace
