// The train of stages: each stage's distillate up to its cut is the charge of
// the next one.

#include <gtest/gtest.h>

#include "model/cadena.h"
#include "model/mensajes.h"
#include "model/numero.h"

using namespace quillon;

namespace {

Entradas arranque()
{
    Entradas e;
    e.mma = 78.1121;
    e.mmb = 92.14;
    e.alfa = 2.45;
    e.x0 = 0.4;
    e.m0 = 500;
    e.numEtapas = 1;
    return e;
}

const ModeloELV kAlfa{false, 2.45, nullptr};

TEST(StageChain, TwoStagesAtHalfPassTheDistillateOn)
{
    Entradas e = arranque();
    e.numEtapas = 2;
    const std::array<double, kMaxEtapas> cortes{50, 50, 0, 0, 0, 0};
    CadenaEtapas cadena;
    const EstadoEtapa uno = calcularEtapa(cadena, kAlfa, e, cortes, 1);
    ASSERT_EQ(uno.error, nullptr);
    EXPECT_EQ(uno.masaCarga, 500);
    EXPECT_DOUBLE_EQ(uno.destilado.masa, 250);
    EXPECT_DOUBLE_EQ(uno.alambique.masa, 250);
    EXPECT_EQ(uno.alambique.x, cadena.columna(1)[5000]);
    EXPECT_EQ(uno.destilado.x, GetXD_DEST(50, cadena.columna(1)[5000], 0.4, 78.1121, 92.14));
    EXPECT_EQ(cadena.x0Etapa(1), uno.destilado.x);
    EXPECT_GT(uno.destilado.x, 0.4);

    const EstadoEtapa dos = calcularEtapa(cadena, kAlfa, e, cortes, 2);
    ASSERT_EQ(dos.error, nullptr);
    EXPECT_DOUBLE_EQ(dos.fraccion, 0.5);
    EXPECT_DOUBLE_EQ(dos.masaCarga, 250);
    EXPECT_EQ(cadena.columna(2)[0], uno.destilado.x);
    EXPECT_GT(dos.destilado.x, uno.destilado.x);
    // Mass of A: the charge of stage 2 splits between its still and receiver.
    EXPECT_NEAR(dos.alambique.masaA + dos.destilado.masaA, uno.destilado.masaA, 1e-9);
}

TEST(StageChain, ChargeFractionIsTheProductOfTheEarlierCuts)
{
    const std::array<double, kMaxEtapas> cortes{40, 50, 25, 100, 0, 70};
    EXPECT_EQ(fraccionCarga(cortes, 1), 1);
    EXPECT_DOUBLE_EQ(fraccionCarga(cortes, 2), 0.4);
    EXPECT_DOUBLE_EQ(fraccionCarga(cortes, 3), 0.2);
    EXPECT_DOUBLE_EQ(fraccionCarga(cortes, 4), 0.05);
    EXPECT_DOUBLE_EQ(fraccionCarga(cortes, 5), 0.05);
    EXPECT_EQ(fraccionCarga(cortes, 6), 0);
}

TEST(StageChain, AStageIsComputedOnceUntilInvalidated)
{
    CadenaEtapas cadena;
    cadena.fijarCargaInicial(0.4);
    ASSERT_TRUE(cadena.asegurar(1, kAlfa, 78.1121, 92.14));
    cadena.fijarCargaInicial(0.7);
    ASSERT_TRUE(cadena.asegurar(1, kAlfa, 78.1121, 92.14));
    EXPECT_EQ(cadena.columna(1)[0], 0.4);  // not seen while the flag is set
    cadena.invalidar(1, 1);
    ASSERT_TRUE(cadena.asegurar(1, kAlfa, 78.1121, 92.14));
    EXPECT_EQ(cadena.columna(1)[0], 0.7);
}

struct Corte {
    double leido;
    int slider;
    double efectivo;
};

class CorteEfectivo : public testing::TestWithParam<Corte> {};

TEST_P(CorteEfectivo, TypedPercentOrElseTheSlider)
{
    EXPECT_EQ(corteEfectivo(GetParam().leido, GetParam().slider), GetParam().efectivo);
}

INSTANTIATE_TEST_SUITE_P(Examples, CorteEfectivo,
                         testing::Values(Corte{40, 10, 40}, Corte{0, 10, 0}, Corte{100, 10, 100},
                                         Corte{37.25, 10, 37.25}, Corte{VALOR_NO_VALIDO, 35, 35},
                                         Corte{-1, 35, 35}, Corte{100.5, 35, 35}));

TEST(StageChain, InvalidInputsAreReportedInTheViewsOrder)
{
    Entradas e = arranque();
    EXPECT_EQ(validarEntradas(e, false, true), nullptr);
    e.alfa = 1;
    EXPECT_EQ(validarEntradas(e, false, true), &mensajes::volatilidad);
    EXPECT_EQ(validarEntradas(e, false, false), nullptr);
    e.modoTabla = true;
    EXPECT_EQ(validarEntradas(e, false, true), nullptr);
    e.x0 = 1.5;
    EXPECT_EQ(validarEntradas(e, false, true), &mensajes::fraccionInicial);
    e.m0 = 0;
    EXPECT_EQ(validarEntradas(e, false, true), &mensajes::fraccionInicial);
    EXPECT_EQ(validarEntradas(e, true, true), &mensajes::masaInicial);
    e.mmb = VALOR_NO_VALIDO;
    EXPECT_EQ(validarEntradas(e, true, true), &mensajes::masaMolar);
}

TEST(StageChain, AStageThatCannotBeComputedSaysSo)
{
    Entradas e = arranque();
    e.alfa = 0.5;
    const std::array<double, kMaxEtapas> cortes{};
    CadenaEtapas cadena;
    EXPECT_EQ(calcularEtapa(cadena, ModeloELV{false, 0.5, nullptr}, e, cortes, 1).error, &mensajes::valoresIniciales);
    e.x0 = -0.1;
    EXPECT_EQ(calcularEtapa(cadena, kAlfa, e, cortes, 1).error, &mensajes::fraccionInicial);
}

TEST(StillContents, DescribeTheLiquidInTheMassUnit)
{
    const Contenido c = contenidoDeLiquido(0.4, 500, 78.1121, 92.14, 1);
    EXPECT_EQ(textoContenido(c, "g", '.'),
              "Total mass: 500 g\r\n\r\n"
              "A component:\r\n  180.55 g 36.11 %\r\n  2.3114 mol\r\n  Xa=0.4\r\n\r\n"
              "B component:\r\n  319.45 g 63.89 %\r\n  3.4671 mol\r\n  Xb=0.6");
    const Contenido vacio = contenidoDeLiquido(0, 0, 78.1121, 92.14, 1);
    EXPECT_EQ(vacio.wB, 0);
    EXPECT_EQ(vacio.xB, 0);
}

}  // namespace

// The still drawing reads the cut's row as P / 100 * 10000 and the views as
// P * 100: for some cuts typed with three decimals these are different rows.
TEST(CadenaEtapas, TheStillReadsItsCutAsTheDrawingDoes)
{
    EXPECT_EQ(filaDeCorte(0.015), 1);
    EXPECT_EQ(filaDeAvance(0.015), 2);
    EXPECT_EQ(filaDeCorte(40), 4000);
    EXPECT_EQ(filaDeCorte(100), 10000);
}

// The table and the graph multiply M0 by each cut over 100, in order; the
// still drawing multiplies the fractions first.
TEST(CadenaEtapas, TheViewsChargeMassFollowsTheCutsInOrder)
{
    const std::array<double, kMaxEtapas> cortes{99, 99.5, 0, 0, 0, 0};
    EXPECT_EQ(masaCargaVista(cortes, 3, 5e-3), 5e-3 * (99.0 / 100) * (99.5 / 100));
    EXPECT_EQ(masaCargaVista(cortes, 1, 500), 500);
}
