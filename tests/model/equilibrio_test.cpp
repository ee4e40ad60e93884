// The equilibrium: constant volatility, the dense table built from the x-y
// points, and its lookup.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "model/equilibrio.h"

using namespace quillon;

namespace {

// A table from its points, unused rows at -1 as the file reader leaves them.
TablaELV tabla(std::initializer_list<std::pair<double, double>> puntos)
{
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    int i = 0;
    for (auto [x, y] : puntos) {
        t.x[static_cast<std::size_t>(i)] = x;
        t.y[static_cast<std::size_t>(i)] = y;
        ++i;
    }
    t.ultPunto = i - 1;
    return t;
}

// y for which point (x, y) has local volatility a.
double yDeVolatilidad(double x, double a) { return a * x / ((a - 1) * x + 1); }

TEST(ConstantVolatility, GivesTheVapourOfTheRelation)
{
    const ModeloELV elv{false, 2, nullptr};
    EXPECT_NEAR(elv.yEq(0.5), 0.6667, 0.00005);
    EXPECT_EQ(elv.yEq(0), 0);
    EXPECT_EQ(elv.yEq(1), 1);
}

TEST(DenseTable, OneInteriorPointGivesItsVolatilityEverywhere)
{
    const TablaELV t = tabla({{0, 0}, {0.5, 0.7}, {1, 1}});
    EXPECT_NEAR(volatilidadLocal(t, 1), 2.3333, 0.00005);
    SuperTablaELV dense{};
    CrearSuperTABLA_ELV(t, dense);
    for (double a : dense) EXPECT_DOUBLE_EQ(a, volatilidadLocal(t, 1));
}

TEST(DenseTable, InterpolatesBetweenInteriorPointsAndHoldsTheEnds)
{
    const TablaELV t = tabla({{0, 0}, {0.2, yDeVolatilidad(0.2, 3)}, {0.6, yDeVolatilidad(0.6, 2)}, {1, 1}});
    SuperTablaELV dense{};
    CrearSuperTABLA_ELV(t, dense);
    for (int k = 0; k <= 200; ++k) EXPECT_NEAR(dense[static_cast<std::size_t>(k)], 3, 1e-12) << k;
    EXPECT_NEAR(dense[400], 2.5, 1e-12);
    for (int k = 200; k < 600; ++k) EXPECT_GT(dense[static_cast<std::size_t>(k)], dense[static_cast<std::size_t>(k + 1)]);
    for (int k = 600; k <= 1000; ++k) EXPECT_NEAR(dense[static_cast<std::size_t>(k)], 2, 1e-12) << k;
}

TEST(DenseTable, EntriesOutsideTheTableKeepTheirStaleValues)
{
    // No pure-component rows: only x = 0.2 .. 0.6 is covered.
    const TablaELV t = tabla({{0.2, yDeVolatilidad(0.2, 3)}, {0.6, yDeVolatilidad(0.6, 2)}});
    SuperTablaELV dense;
    dense.fill(7);
    CrearSuperTABLA_ELV(t, dense);
    EXPECT_EQ(dense[199], 7);
    EXPECT_NEAR(dense[200], 3, 1e-12);
    EXPECT_NEAR(dense[600], 2, 1e-12);
    EXPECT_EQ(dense[601], 7);

    // A never-written entry (0) gives a vapour without A.
    SuperTablaELV fresca{};
    CrearSuperTABLA_ELV(t, fresca);
    const ModeloELV elv{true, 0, &fresca};
    EXPECT_EQ(elv.yEq(0.9), 0);
}

TEST(DenseTableLookup, RoundsXTimes1000ToTheNearestEntryHalvesToEven)
{
    SuperTablaELV dense{};
    for (std::size_t k = 0; k < dense.size(); ++k) dense[k] = 2 + static_cast<double>(k);
    const ModeloELV elv{true, 0, &dense};
    EXPECT_EQ(elv.alfaEn(0.0004), 2);
    EXPECT_EQ(elv.alfaEn(0.0006), 3);
    EXPECT_EQ(elv.alfaEn(0.0025), 4);  // 2.5 -> 2
    EXPECT_EQ(elv.alfaEn(0.0035), 6);  // 3.5 -> 4
    EXPECT_EQ(elv.alfaEn(0.5), 502);
    EXPECT_EQ(elv.alfaEn(1), 1002);
}

struct Redondeo {
    double v;
    long esperado;
};

class RedondearPar : public testing::TestWithParam<Redondeo> {};

TEST_P(RedondearPar, GoesToTheNearestIntegerAndExactHalvesToTheEvenOne)
{
    EXPECT_EQ(redondearPar(GetParam().v), GetParam().esperado) << GetParam().v;
}

INSTANTIATE_TEST_SUITE_P(Examples, RedondearPar,
                         testing::Values(Redondeo{0.4, 0}, Redondeo{0.6, 1}, Redondeo{0.5, 0}, Redondeo{1.5, 2},
                                         Redondeo{2.5, 2}, Redondeo{2.5000001, 3}, Redondeo{-0.5, 0},
                                         Redondeo{-1.5, -2}, Redondeo{-2.5, -2}, Redondeo{4999.5, 5000},
                                         Redondeo{5000.5, 5000}, Redondeo{-0.4, 0}, Redondeo{-0.6, -1},
                                         // Out of the range of long: clamped, not cast.
                                         Redondeo{1e300, 4000000000000000000},
                                         Redondeo{-1e300, -4000000000000000000},
                                         Redondeo{std::nan(""), 0}));

}  // namespace
