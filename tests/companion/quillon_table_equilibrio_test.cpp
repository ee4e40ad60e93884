// quillon-table --equilibrium: the predicted boiling curve of a named pair.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "companion/quillon_table_apoyo.h"
#include "model/termo.h"

using namespace quillon_table;
using namespace quillon::termo;

namespace {

struct Curva {
    const char* argumentos;
    const char *a, *b;  // canonical names
    Modelo modelo;
    double presion;  // Pa
    int intervalos;
};

void PrintTo(const Curva& c, std::ostream* os) { *os << c.argumentos; }

class Equilibrio : public QuillonTable, public testing::WithParamInterface<Curva> {};

// Names in any case and accent, model, pressure in kPa and points reach the
// model; the csv holds its numbers in full, T in degrees Celsius.
TEST_P(Equilibrio, CsvGivesTheModelsBubbleCurve)
{
    const Curva& c = GetParam();
    const Salida s = correr(std::string("--equilibrium ") + c.argumentos + " --csv");
    ASSERT_EQ(s.estado, 0) << s.err;
    const auto l = lineasCsv(s.out);
    ASSERT_EQ(l.size(), static_cast<std::size_t>(c.intervalos + 2));
    EXPECT_EQ(l[0], "x,y,T_C");
    const Sistema sis = std::get<Sistema>(Sistema::crear(compuestoDe(c.a), compuestoDe(c.b), c.modelo, c.presion));
    for (int i = 0; i <= c.intervalos; ++i) {
        double x, y, t;
        ASSERT_EQ(std::sscanf(l[static_cast<std::size_t>(i + 1)].c_str(), "%lf,%lf,%lf", &x, &y, &t), 3) << l[i + 1];
        EXPECT_EQ(x, static_cast<double>(i) / c.intervalos);
        const Burbuja b = sis.burbuja(x);
        EXPECT_EQ(y, b.y) << l[i + 1];
        EXPECT_EQ(t, b.T - 273.15) << l[i + 1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Equilibrio,
    testing::Values(Curva{"Etanol AGUA", "ethanol", "water", Modelo::Unifac, 101325, 20},
                    Curva{"' BENCENO ' tolueno --model ideal --pressure 50 --points 4", "benzene", "toluene", Modelo::Ideal, 50000, 4},
                    Curva{"CCl4 'Ácido ACÉTICO' --pressure 1000 --points 7 --model unifac", "carbon tetrachloride",
                          "acetic acid", Modelo::Unifac, 1e6, 7},
                    Curva{"etilenglicol estireno --model ideal --points 1", "ethylene glycol", "styrene", Modelo::Ideal, 101325, 1}));

TEST_F(QuillonTable, EquilibriumPrintsAFixedWidthTable)
{
    // The hand-computed benzene-toluene bubble point at x = 0.5: 365.196 K.
    const Salida s = correr("--equilibrium benzene toluene --model ideal --points 2");
    ASSERT_EQ(s.estado, 0) << s.err;
    EXPECT_NE(s.out.find("benzene (A) and toluene (B) at 101.325 kPa"), std::string::npos) << s.out;
    EXPECT_TRUE(s.out.ends_with("x           y           T (°C)\n"
                                "0           0           110.61\n"
                                "0.5         0.71392     92.046\n"
                                "1           1           80.012\n"))
        << s.out;
    // A little benzene in boiling toluene (x = 0.1, 379 K) is past benzene's
    // constants (377.06 K); pure toluene is not.
    const Salida marcada = correr("--equilibrium benzene toluene --model ideal --points 10");
    EXPECT_NE(marcada.out.find(" *\n0.2         "), std::string::npos) << marcada.out;
    EXPECT_EQ(marcada.out.find(" *\n"), marcada.out.rfind(" *\n"));
    EXPECT_NE(marcada.out.find("\n* extrapolated"), std::string::npos);
}

}  // namespace
