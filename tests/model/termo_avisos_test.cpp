// What makes a boiling temperature doubtful: the new limits of each compound,
// the flags of a liquid at extreme pressures and where UNIFAC foresees two
// liquid phases, and none where a textbook mixture boils as it should.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/termo.h"
#include "model/termo_tabla.h"
#include "support/sistema.h"

using namespace quillon::termo;

namespace {

constexpr double kAtm = 101325;

using quillon::prueba::sistema;

// The data's kPa and kJ/mol come out in SI units (water, IAPWS-95 and CRC),
// and for every compound in the order a liquid needs: it melts below its
// normal boiling point, which lies below its critical point.
TEST(Constantes, InSIUnitsAndInThePhysicalOrder)
{
    const Constantes agua = *constantesDe(compuestoDe("water"));
    EXPECT_DOUBLE_EQ(agua.Pc, 22064e3);
    EXPECT_DOUBLE_EQ(agua.entalpiaVaporizacion, 40650);
    for (int i = 0; i < numCompuestos(); ++i) {
        const Constantes c = *constantesDe(i);
        const double tb = temperaturaEbullicion(i, kAtm);
        EXPECT_TRUE(c.Tfusion < tb && tb < c.Tc && c.Pc > kAtm) << nombreCompuesto(i);
        // The enthalpy's own boiling point is the compound's, within 1 K.
        EXPECT_NEAR(c.tEntalpia, tb, 1) << nombreCompuesto(i);
    }
    EXPECT_FALSE(constantesDe(numCompuestos()));
}

struct FilaAvisos {
    const char *a, *b;
    Modelo modelo;
    double P, x;
    const char* avisos;  // the companion's names
    const char* marcas;  // the table's
};

void PrintTo(const FilaAvisos& f, std::ostream* os) { *os << f.a << " - " << f.b << " " << f.P << " Pa x=" << f.x; }

class AvisosDeBurbuja : public testing::TestWithParam<FilaAvisos> {};

TEST_P(AvisosDeBurbuja, NameWhatMakesTheTemperatureDoubtful)
{
    const FilaAvisos& f = GetParam();
    const Sistema s = sistema(f.a, f.b, f.modelo, f.P);
    const Burbuja b = s.burbuja(f.x);
    EXPECT_EQ(nombresAvisos(b.avisos), f.avisos) << b.T - 273.15 << " C";
    EXPECT_EQ(marcasAvisos(b.avisos), f.marcas);
    EXPECT_EQ(s.avisos(f.x, b.T), b.avisos);
    // The dew point of that vapour is the same liquid, flags and all.
    if (f.modelo == Modelo::Ideal) {
        EXPECT_EQ(s.rocio(b.y).avisos, b.avisos);
    }
}

// At 0.1 kPa benzene "boils" at -48 C, below its melting point (5.5 C), and
// toluene at -29 C, still a liquid (it melts at -95 C); both are below their
// Antoine ranges. At 5 MPa both boil above their critical points (289 and
// 319 C). Water and benzene split into two liquids over most of the range;
// an ideal liquid never does. The ethanol-water example's charge boils within
// every limit.
INSTANTIATE_TEST_SUITE_P(
    Cases, AvisosDeBurbuja,
    testing::Values(FilaAvisos{"benzene", "toluene", Modelo::Unifac, 100, 1, "extrapolated+below_melting", "*m"},
                    FilaAvisos{"benzene", "toluene", Modelo::Unifac, 100, 0, "extrapolated", "*"},
                    FilaAvisos{"benzene", "toluene", Modelo::Ideal, 5e6, 0.5, "extrapolated+above_critical", "*c"},
                    FilaAvisos{"water", "benzene", Modelo::Unifac, kAtm, 0.5, "two_liquids", "s"},
                    FilaAvisos{"water", "benzene", Modelo::Unifac, kAtm, 0.9, "two_liquids", "s"},
                    FilaAvisos{"n-heptane", "water", Modelo::Unifac, kAtm, 0.1, "two_liquids", "s"},
                    FilaAvisos{"water", "benzene", Modelo::Ideal, kAtm, 0.5, "", ""},
                    FilaAvisos{"ethanol", "water", Modelo::Unifac, kAtm, 0.1, "", ""}));

// The activity of A at fixed temperature, from the model's own coefficients.
double actividad(const Sistema& s, double x, double T) { return x * s.gammas(x, T)[0]; }

// Water-benzene splits between x = 0.074 and 0.970: inside, the activity of
// water falls as x rises at the bubble temperature; outside it rises.
// Ethanol-water never splits, and of the 370 pairs UNIFAC can predict, 56 do
// at 1 atm.
TEST(DosLiquidos, WhereTheActivityOfAFallsWithX)
{
    const Sistema s = sistema("water", "benzene");
    const auto tramos = tramosDosLiquidos(s);
    ASSERT_EQ(tramos.size(), 1u);
    EXPECT_NEAR(tramos[0].desde, 0.0742, 1e-4);
    EXPECT_NEAR(tramos[0].hasta, 0.9705, 1e-4);
    for (double x : {0.03, 0.06, 0.09, 0.5, 0.96, 0.98}) {
        const double T = s.burbuja(x).T;
        const bool dentro = x > tramos[0].desde && x < tramos[0].hasta;
        EXPECT_EQ(actividad(s, x + 1e-4, T) < actividad(s, x - 1e-4, T), dentro) << x;
    }
    EXPECT_TRUE(tramosDosLiquidos(sistema("ethanol", "water")).empty());
    EXPECT_TRUE(tramosDosLiquidos(sistema("water", "benzene", Modelo::Ideal)).empty());
    int pares = 0, separan = 0;
    for (int a = 0; a < numCompuestos(); ++a)
        for (int b = a + 1; b < numCompuestos(); ++b) {
            const auto c = Sistema::crear(a, b, Modelo::Unifac, kAtm);
            if (!std::holds_alternative<Sistema>(c)) continue;
            ++pares;
            separan += !tramosDosLiquidos(std::get<Sistema>(c)).empty();
        }
    EXPECT_EQ(pares, 370);
    EXPECT_EQ(separan, 56);
}

}  // namespace
