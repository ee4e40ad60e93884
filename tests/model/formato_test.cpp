// The display format of numbers: significant digits, the compact exponent
// form outside 0.01 to 100000, and the decimal separator.

#include <gtest/gtest.h>

#include <limits>

#include <cmath>
#include <string>

#include "model/formato.h"

using namespace quillon;

namespace {

struct Formato {
    double v;
    double n;
    char sep;
    const char* texto;
};

void PrintTo(const Formato& f, std::ostream* os) { *os << f.texto; }

class FormatoNumeroEjemplos : public testing::TestWithParam<Formato> {};

TEST_P(FormatoNumeroEjemplos, WritesTheExpectedText)
{
    const Formato& f = GetParam();
    EXPECT_EQ(FormatoNumero(f.v, f.n, f.sep), f.texto);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatoNumeroEjemplos,
    testing::Values(Formato{36.10912, 5, '.', "36.109"}, Formato{0.4, 5, '.', "0.4"},
                    Formato{0.012345678, 5, '.', "0.012346"}, Formato{99999.4, 5, '.', "99999"},
                    Formato{500, 5, '.', "500"}, Formato{0.0012345678, 5, '.', "1.2346E-3"},
                    Formato{123456, 5, '.', "1.2346E5"}, Formato{100000, 5, '.', "1E5"},
                    Formato{0.002, 5, '.', "2E-3"}, Formato{-0.0000015, 5, '.', "-1.5E-6"},
                    Formato{0.0099999999, 5, '.', "1E-2"}, Formato{-0.0099999999, 5, '.', "-1E-2"},
                    Formato{36.10912, 5, ',', "36,109"}, Formato{0.0012345678, 5, ',', "1,2346E-3"},
                    Formato{0, 5, '.', "0"}, Formato{0, 6, ',', "0"}, Formato{-0.0, 1, '.', "0"},
                    // Further cases: the limits of the fixed form and the other digit counts.
                    Formato{0.01, 5, '.', "0.01"}, Formato{99999.6, 5, '.', "100000"},
                    Formato{-36.10912, 5, '.', "-36.109"}, Formato{453.59237, 6, '.', "453.592"},
                    Formato{907.18474, 5, '.', "907.18"}, Formato{28.349523125, 6, '.', "28.3495"},
                    Formato{1000, 5, '.', "1000"}, Formato{1e-3, 5, '.', "1E-3"},
                    Formato{2.5e10, 5, '.', "2.5E10"}, Formato{1.23456e-7, 4, '.', "1.235E-7"},
                    Formato{0.123456, 4, '.', "0.1235"}, Formato{0.99996, 4, '.', "1"},
                    Formato{5e-5, 1, '.', "5E-5"}, Formato{1e-300, 5, '.', "1E-300"}));

TEST(FormatoNumero, KeepsAtMostTheAskedSignificantDigits)
{
    // A property over many magnitudes: reading the text back differs from the
    // number by at most half a unit of its last significant digit.
    for (double v = 1.234567e-9; v < 1e12; v *= 3.7) {
        for (double n : {4.0, 5.0, 6.0}) {
            std::string t = FormatoNumero(v, n);
            const double leido = std::stod(t);
            const double e = std::floor(std::log10(v));
            EXPECT_LE(std::fabs(leido - v), 0.5000001 * std::pow(10.0, e - n + 1)) << v << " -> " << t;
            EXPECT_EQ(t.find('+'), std::string::npos) << t;
            EXPECT_EQ(t.find("0E"), std::string::npos) << t;
        }
    }
}

TEST(Redondear, RoundsHalfUpToAMultipleOfTenToTheKPlusOneAndFlagsFailure)
{
    int error = 7;
    EXPECT_DOUBLE_EQ(Redondear(36.10912, -4, error), 36.109);
    EXPECT_EQ(error, 0);
    EXPECT_DOUBLE_EQ(Redondear(2.5, -1, error), 3);
    EXPECT_DOUBLE_EQ(Redondear(-2.5, -1, error), -2);
    EXPECT_DOUBLE_EQ(Redondear(1234, 1, error), 1200);
    EXPECT_EQ(Redondear(1e300, -400, error), 0);
    EXPECT_EQ(error, 1);
}

TEST(TextoNumero, MarksThePointAndWritesALeadingZero)
{
    EXPECT_EQ(TextoNumero(0.5), "0&.5");
    EXPECT_EQ(TextoNumero(-0.25), "-0&.25");
    EXPECT_EQ(TextoNumero(500), "500");
    EXPECT_EQ(TextoNumero(1.0 / 3), "0&.333333333333333");
}

}  // namespace

// Values beyond what the rounding can scale: a clear text, never a mangled
// exponent.
TEST(FormatoNumero, WritesNonFiniteAndTinyValuesSensibly)
{
    EXPECT_EQ(FormatoNumero(std::numeric_limits<double>::infinity(), 5), "Inf");
    EXPECT_EQ(FormatoNumero(-std::numeric_limits<double>::infinity(), 5), "-Inf");
    EXPECT_EQ(FormatoNumero(std::numeric_limits<double>::quiet_NaN(), 5), "NaN");
    EXPECT_EQ(FormatoNumero(1e-305, 5), "1E-305");
    EXPECT_EQ(FormatoNumero(-2.5e-310, 5), "-2.5E-310");
}
