// The progress table of one stage: the still composition at every hundredth
// of a percent of progress.

#include <gtest/gtest.h>

#include <memory>

#include "model/avance.h"
#include "model/numero.h"

using namespace quillon;

namespace {

constexpr double kMMA = 78.1121, kMMB = 92.14;

struct Columna {
    std::unique_ptr<ColumnaAvance> filas = std::make_unique<ColumnaAvance>();
    double operator[](int i) const { return (*filas)[static_cast<std::size_t>(i)]; }
};

Columna calcular(const ModeloELV& elv, double x0, double mma = kMMA, double mmb = kMMB)
{
    Columna c;
    EXPECT_TRUE(CrearTablaAvanceDes(elv, mma, mmb, x0, *c.filas));
    return c;
}

ModeloELV alfa(double a) { return ModeloELV{false, a, nullptr}; }

TEST(ProgressTable, StartUpInputsExhaustAFewStepsBeforeTheEnd)
{
    EXPECT_EQ(pasoDeAgotamiento(alfa(2.45), kMMA, kMMB, 0.4), 9997);
}

TEST(ProgressTable, StartUpInputsGiveTheWorkedRows)
{
    const Columna c = calcular(alfa(2.45), 0.4);
    EXPECT_EQ(c[0], 0.4);
    EXPECT_NEAR(c[5000], 0.2468, 0.00005);
    EXPECT_EQ(c[kPasosAvance], 0);
    for (int i = 1; i <= kPasosAvance; ++i) ASSERT_LT(c[i], c[i - 1]) << "row " << i;
}

TEST(ProgressTable, ExhaustionStepDependsOnVolatility)
{
    EXPECT_EQ(pasoDeAgotamiento(alfa(100), kMMA, kMMB, 0.4), 9723);
    // Close to 1 nothing runs out: the first pass is the table.
    EXPECT_EQ(pasoDeAgotamiento(alfa(1.01), kMMA, kMMB, 0.4), 0);
    const Columna c = calcular(alfa(1.01), 0.4);
    EXPECT_GT(c[9999], 0);
    for (int i = 1; i <= kPasosAvance; ++i) ASSERT_LT(c[i], c[i - 1]) << "row " << i;
}

TEST(ProgressTable, ChargeOfPureBIsZeroEverywhere)
{
    const Columna c = calcular(alfa(2.45), 0);
    for (int i = 0; i <= kPasosAvance; ++i) ASSERT_EQ(c[i], 0) << "row " << i;
}

TEST(ProgressTable, ChargeOfPureAIsOneUntilTheLastRow)
{
    const Columna c = calcular(alfa(2.45), 1);
    for (int i = 0; i < kPasosAvance; ++i) ASSERT_EQ(c[i], 1) << "row " << i;
    EXPECT_EQ(c[kPasosAvance], 0);
}

TEST(ProgressTable, RowsStayMoleFractionsForExtremeVolatilities)
{
    for (double a : {1.0001, 1.5, 10.0, 100.0})
        for (double x0 : {0.001, 0.5, 0.999}) {
            const Columna c = calcular(alfa(a), x0);
            for (int i = 0; i <= kPasosAvance; ++i) ASSERT_TRUE(c[i] >= 0 && c[i] <= 1) << a << " " << x0 << " " << i;
        }
}

TEST(ProgressTable, TableModeWithTheVolatilityOfAConstantGivesTheSameRows)
{
    SuperTablaELV dense;
    dense.fill(2.45);
    const Columna tabla = calcular(ModeloELV{true, 0, &dense}, 0.4);
    const Columna constante = calcular(alfa(2.45), 0.4);
    for (int i = 0; i <= kPasosAvance; ++i) ASSERT_EQ(tabla[i], constante[i]) << "row " << i;
}

TEST(ProgressTable, RefusesInvalidInputsAndLeavesTheColumnUntouched)
{
    SuperTablaELV dense{};
    Columna c;
    c.filas->fill(9);
    for (double a : {1.0, 100.5, VALOR_NO_VALIDO}) EXPECT_FALSE(CrearTablaAvanceDes(alfa(a), kMMA, kMMB, 0.4, *c.filas));
    EXPECT_FALSE(CrearTablaAvanceDes(alfa(2.45), 0, kMMB, 0.4, *c.filas));
    EXPECT_FALSE(CrearTablaAvanceDes(ModeloELV{true, 0, &dense}, kMMA, VALOR_NO_VALIDO, 0.4, *c.filas));
    for (int i = 0; i <= kPasosAvance; ++i) ASSERT_EQ(c[i], 9);
    // Table mode takes no volatility from the box.
    EXPECT_TRUE(CrearTablaAvanceDes(ModeloELV{true, VALOR_NO_VALIDO, &dense}, kMMA, kMMB, 0.4, *c.filas));
}

struct Fila {
    double P;
    int fila;
};

class FilaDeAvance : public testing::TestWithParam<Fila> {};

TEST_P(FilaDeAvance, ReadsRowPTimes100HalvesToEven)
{
    EXPECT_EQ(filaDeAvance(GetParam().P), GetParam().fila) << GetParam().P;
}

INSTANTIATE_TEST_SUITE_P(Examples, FilaDeAvance,
                         testing::Values(Fila{0, 0}, Fila{50, 5000}, Fila{100, 10000}, Fila{0.004, 0},
                                         Fila{0.006, 1}, Fila{0.005, 0}, Fila{0.015, 2}, Fila{33.333, 3333},
                                         Fila{100.00000000000001, 10000}, Fila{-1, 0}, Fila{250, 10000}));

}  // namespace
