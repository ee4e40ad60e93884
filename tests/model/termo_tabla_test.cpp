// Azeotropes, the predicted equilibrium table as the program reads it, and
// the fitted constant volatility.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "documents/formats/documento.h"
#include "model/equilibrio.h"
#include "model/termo_tabla.h"

using namespace quillon;
using namespace quillon::termo;

namespace {

constexpr double kAtm = 101325;
constexpr double kCero = 273.15;

Sistema sistema(const char* a, const char* b, Modelo m = Modelo::Unifac, double P = kAtm)
{
    return std::get<Sistema>(Sistema::crear(compuestoDe(a), compuestoDe(b), m, P));
}

struct FilaAzeotropo {
    const char *a, *b;
    bool hay;
    double x, toleranciaX, celsius, toleranciaT;
    bool maximo;
};

void PrintTo(const FilaAzeotropo& f, std::ostream* os) { *os << f.a << " - " << f.b; }

class Azeotropos : public testing::TestWithParam<FilaAzeotropo> {};

TEST_P(Azeotropos, FoundWhereTheLiteraturePutsThem)
{
    const FilaAzeotropo& f = GetParam();
    const auto az = buscarAzeotropo(sistema(f.a, f.b));
    ASSERT_EQ(az.has_value(), f.hay);
    if (!f.hay) return;
    EXPECT_NEAR(az->x, f.x, f.toleranciaX);
    EXPECT_NEAR(az->T - kCero, f.celsius, f.toleranciaT);
    EXPECT_EQ(az->maximo, f.maximo);
}

// At 1 atm. Ethanol-water: x = 0.894, 78.15 C; n-hexane-ethanol: 21 % ethanol
// by mass, 58.7 C; acetone-chloroform (maximum-boiling): x = 0.34-0.38, 64.5 C.
INSTANTIATE_TEST_SUITE_P(Pairs, Azeotropos,
                         testing::Values(FilaAzeotropo{"ethanol", "water", true, 0.894, 0.02, 78.15, 0.3, false},
                                         FilaAzeotropo{"water", "ethanol", true, 0.106, 0.02, 78.15, 0.3, false},
                                         FilaAzeotropo{"n-hexane", "ethanol", true, 0.668, 0.02, 58.7, 0.5, false},
                                         FilaAzeotropo{"acetone", "chloroform", true, 0.36, 0.025, 64.5, 0.3, true},
                                         FilaAzeotropo{"chloroform", "acetone", true, 0.64, 0.025, 64.5, 0.3, true},
                                         FilaAzeotropo{"benzene", "toluene", false, 0, 0, 0, 0, false},
                                         FilaAzeotropo{"methanol", "water", false, 0, 0, 0, 0, false}));

// The largest gap in y, on the program's 1/1000 grid, between the table as
// the program reads it and the predicted bubble curve.
double errorDeLectura(const Sistema& s, const std::vector<double>& x, const std::vector<double>& y)
{
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    std::copy(x.begin(), x.end(), t.x.begin());
    std::copy(y.begin(), y.end(), t.y.begin());
    t.ultPunto = static_cast<int>(x.size()) - 1;
    SuperTablaELV denso{};
    CrearSuperTABLA_ELV(t, denso);
    const ModeloELV elv{true, 0, &denso};
    double peor = 0;
    for (int k = 0; k <= 1000; ++k) peor = std::max(peor, std::fabs(elv.yEq(k / 1000.0) - s.burbuja(k / 1000.0).y));
    return peor;
}

// Every pair with a table at 1 atm and 98 points: the table rules hold, and
// the program's reading stays within 1e-4 of the curve (9.4e-5 at worst; at
// 20 points, 2.2e-3).
TEST(TablaPredicha, EveryPairPassesTheTableRulesAndIsReadBackClosely)
{
    for (int a = 0; a < numCompuestos(); ++a)
        for (int b = a + 1; b < numCompuestos(); ++b) {
            const auto creado = Sistema::crear(a, b, Modelo::Unifac, kAtm);
            if (!std::holds_alternative<Sistema>(creado)) continue;
            const Sistema& s = std::get<Sistema>(creado);
            const auto prediccion = predecirTabla(s, 98);
            const std::string par = std::string(nombreCompuesto(a)) + " - " + std::string(nombreCompuesto(b));
            if (const auto* error = std::get_if<std::string>(&prediccion)) {
                EXPECT_NE(error->find(par), std::string::npos) << *error;
                continue;
            }
            const TablaPredicha& t = std::get<TablaPredicha>(prediccion);
            ASSERT_LE(t.x.size(), 100u) << par;
            std::array<double, kFilasTablaELV> x{}, y{};
            std::copy(t.x.begin(), t.x.end(), x.begin());
            std::copy(t.y.begin(), t.y.end(), y.begin());
            int ultimo = static_cast<int>(t.x.size()) - 1;
            EXPECT_EQ(comprobarFilas(x, y, ultimo), nullptr) << par;
            EXPECT_TRUE(completarTabla(x, y, ultimo));
            EXPECT_EQ(ultimo, static_cast<int>(t.x.size()) - 1) << par << ": the ends are in the table";
            EXPECT_LT(errorDeLectura(s, t.x, t.y), 1e-4) << par;
            EXPECT_EQ(t.T[1], s.burbuja(t.x[1]).T) << par;
        }
}

struct FilaReparto {
    const char *a, *b;
    Modelo modelo;
    int puntos;
    double tolerancia;  // a little above the error measured
};

void PrintTo(const FilaReparto& f, std::ostream* os) { *os << f.a << " - " << f.b << ", " << f.puntos << " points"; }

class Reparto : public testing::TestWithParam<FilaReparto> {};

// Points placed where the curve bends read back far better than as many
// evenly spaced ones.
TEST_P(Reparto, BeatsEvenSpacing)
{
    const FilaReparto& f = GetParam();
    const Sistema s = sistema(f.a, f.b, f.modelo);
    const TablaPredicha t = std::get<TablaPredicha>(predecirTabla(s, f.puntos));
    EXPECT_LE(static_cast<int>(t.x.size()), f.puntos + 2);
    std::vector<double> x, y;
    for (int i = 0; i <= f.puntos + 1; ++i) {
        x.push_back(static_cast<double>(i) / (f.puntos + 1));
        y.push_back(s.burbuja(x.back()).y);
    }
    const double error = errorDeLectura(s, t.x, t.y);
    EXPECT_LT(error, f.tolerancia);
    EXPECT_LT(error, errorDeLectura(s, x, y) / 2);
}

INSTANTIATE_TEST_SUITE_P(Pairs, Reparto,
                         testing::Values(FilaReparto{"ethanol", "water", Modelo::Unifac, 10, 4.5e-3},
                                         FilaReparto{"ethanol", "water", Modelo::Unifac, 20, 1.1e-3},
                                         FilaReparto{"acetone", "chloroform", Modelo::Unifac, 8, 7e-4},
                                         FilaReparto{"methanol", "water", Modelo::Unifac, 20, 2e-4},
                                         FilaReparto{"benzene", "toluene", Modelo::Ideal, 5, 8e-5}));

TEST(TablaPredicha, TwoLiquidPhasesHaveNoTable)
{
    const auto t = predecirTabla(sistema("water", "1-butanol"), 20);
    ASSERT_TRUE(std::holds_alternative<std::string>(t));
    EXPECT_NE(std::get<std::string>(t).find("water - 1-butanol"), std::string::npos);
}

TEST(TablaPredicha, SizeAndExtrapolationFollowTheRequest)
{
    const Sistema s = sistema("benzene", "toluene", Modelo::Ideal);
    EXPECT_EQ(std::get<TablaPredicha>(predecirTabla(s, 1)).x.size(), 3u);
    EXPECT_EQ(std::get<TablaPredicha>(predecirTabla(s, 500)).x.size(), 100u);
    // Benzene's constants end at 377.06 K: a little benzene in boiling
    // toluene is past them. Water and acetic acid boil within both ranges.
    EXPECT_TRUE(std::get<TablaPredicha>(predecirTabla(s, 20)).extrapolada);
    const Sistema dentro = sistema("water", "acetic acid", Modelo::Ideal);
    EXPECT_FALSE(std::get<TablaPredicha>(predecirTabla(dentro, 20)).extrapolada);
}

class AlfaAjustada : public testing::TestWithParam<double> {};

TEST_P(AlfaAjustada, RecoversTheAlphaOfAConstantVolatilityTable)
{
    const double alfa = GetParam();
    TablaPredicha t;
    for (double x : {0.0, 0.03, 0.2, 0.5, 0.77, 0.99, 1.0}) {
        t.x.push_back(x);
        t.y.push_back(alfa * x / ((alfa - 1) * x + 1));
    }
    EXPECT_NEAR(alfaAjustada(t), alfa, 1e-12 * alfa);
}

INSTANTIATE_TEST_SUITE_P(Alphas, AlfaAjustada, testing::Values(0.4, 1.0, 1.07, 2.45, 37.0));

TEST(AlfaAjustadaTabla, MinimisesTheSquares)
{
    const TablaPredicha t = std::get<TablaPredicha>(predecirTabla(sistema("ethanol", "water"), 20));
    auto cuadrados = [&t](double a) {
        double S = 0;
        for (std::size_t i = 0; i < t.x.size(); ++i) S += std::pow(t.y[i] - a * t.x[i] / ((a - 1) * t.x[i] + 1), 2);
        return S;
    };
    const double alfa = alfaAjustada(t);
    EXPECT_LT(cuadrados(alfa), cuadrados(alfa * 1.001));
    EXPECT_LT(cuadrados(alfa), cuadrados(alfa / 1.001));
    EXPECT_EQ(alfaAjustada(TablaPredicha{{0, 1}, {0, 1}, {}, false}), 1);
}

}  // namespace
