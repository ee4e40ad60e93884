// Numbers as typed and as shown, and the molar masses a typed name fills in.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "model/compuestos.h"
#include "model/formato.h"
#include "model/numero.h"
#include "model/termo.h"

using namespace quillon;

namespace {

constexpr double NO = VALOR_NO_VALIDO;
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(LeerNumero, GivesTheValueTheFailureFlagAndTheSeparatorTypedLast)
{
    // Too small for a double is 0 however it is written; too large, a failure.
    const std::string ceros(400, '0'), diminuto = "0." + ceros + "1", enorme = "1" + ceros;
    const struct {
        const char* texto;
        double valor;
        int error;
        char sep;  // after reading with ";" as the separator before
    } filas[] = {{"0,4", 0.4, 0, ','}, {"0 . 4", 0.4, 0, '.'}, {"0....4", 0.4, 0, '.'}, {"1.000,5", 1, 0, ','},
                 {"4", 4, 0, ';'}, {"", NO, 0, ';'}, {"   ", NO, 0, ';'}, {"25 %", 0.25, 0, ';'}, {"3/4/5", 0.75, 0, ';'},
                 {"/5", 0, 0, ';'}, {"/0", 0, 0, ';'}, {"2/5%", 0.02, 0, ';'}, {"abc", 0, 0, ';'}, {"12abc", 12, 0, ';'},
                 {"-3.5", -3.5, 0, '.'}, {"+7", 7, 0, ';'}, {".5", 0.5, 0, '.'}, {"1.5E3", 1500, 0, '.'},
                 {"2D2", 200, 0, ';'}, {"2d-2", 0.02, 0, ';'}, {"1e+", 1, 0, ';'}, {"1e-400", 0, 0, ';'}, {"1.28E299", NO, 0, '.'},
                 {"2/0", NO, 1, ';'}, {"20%/2", NO, 1, ';'}, {"1e400", NO, 1, ';'}, {"1e400%", NO, 1, ';'},
                 {"1e300/1e-300", NO, 1, ';'}, {"5/abc", NO, 1, ';'},
                 {diminuto.c_str(), 0, 0, '.'}, {enorme.c_str(), NO, 1, ';'}};
    for (const auto& f : filas) {
        EstadoNumerico estado{';', 0};
        EXPECT_EQ(LeerNumero(f.texto, estado), f.valor) << f.texto;
        EXPECT_EQ(estado.errorEntrada, f.error) << f.texto;
        EXPECT_EQ(estado.sepDecimal, f.sep) << f.texto;
    }
}

// A cut is what the number reader reads, when it reads the whole text.
TEST(LeerTextoAvance, TakesEveryTextTheNumberReaderReadsWhole)
{
    const struct {
        const char* texto;
        double valor;
    } filas[] = {{"12 .5", 12.5}, {"12..5", 12.5}, {"1/2", 0.5}, {"+12,5 %", 12.5}, {"35 %", 35}, {" 40\t", 40},
                 {"1e-400", 0}, {"150", 150}, {"-5", -5}, {"abc", NO}, {"12abc", NO}, {"inf", NO}, {"1/0", NO},
                 {"/5", NO}, {"3/4/5", NO}, {"1e", NO}, {"", NO}, {" % ", NO}, {"1e400", NO}, {"12.....5", NO}};
    for (const auto& f : filas) EXPECT_EQ(leerTextoAvance(f.texto), f.valor) << f.texto;
}

TEST(ValidityRules, AcceptTheLimitsOfEachRangeAndRefuseTheSentinel)
{
    const struct {
        bool (*regla)(double);
        double valido[3], invalido[3];
    } reglas[] = {
        {[](double m) { return masasMolaresValidas(m, 78.1) && masasMolaresValidas(78.1, m); }, {1e-100, 78.1, 1e100}, {0, 1e101, NO}},
        {fraccionMolarValida, {0, 0.4, 1}, {-0.0001, 1.0000001, NO}},
        {porcentajeMasicoValido, {0, 36.1, 100}, {-0.01, 100.01, NO}},
        {masaInicialValida, {0, 500, 1e200}, {-1, 1e201, NO}},
        {volatilidadValida, {1.0001, 2.45, 100}, {1, 100.0001, NO}},
    };
    for (const auto& r : reglas)
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(r.regla(r.valido[i]) && !r.regla(r.invalido[i])) << r.valido[i] << " " << r.invalido[i];
}

TEST(CompositionForms, StartUpFractionGivesTheMassPercentShownAndBack)
{
    EXPECT_NEAR(porcentajeMasicoDeFraccion(0.4, 78.1121, 92.14), 36.109, 0.0005);
    for (double x0 = 0; x0 <= 1.0; x0 += 0.05)
        EXPECT_NEAR(fraccionDePorcentajeMasico(porcentajeMasicoDeFraccion(x0, 46.07, 18.01528), 46.07, 18.01528), x0, 1e-14);
}

TEST(FormatoNumero, WritesTheExpectedText)
{
    const struct {
        double v, n;
        char sep;
        const char* texto;
    } filas[] = {{36.10912, 5, '.', "36.109"}, {0.012345678, 5, '.', "0.012346"}, {99999.4, 5, '.', "99999"},
                 {0.0012345678, 5, '.', "1.2346E-3"}, {123456, 5, '.', "1.2346E5"}, {100000, 5, '.', "1E5"},
                 {-0.0000015, 5, '.', "-1.5E-6"}, {0.0099999999, 5, '.', "1E-2"}, {-0.0099999999, 5, '.', "-1E-2"},
                 {36.10912, 5, ',', "36,109"}, {0.0012345678, 5, ',', "1,2346E-3"}, {-0.0, 1, '.', "0"},
                 {0.01, 5, '.', "0.01"}, {99999.6, 5, '.', "100000"}, {-36.10912, 5, '.', "-36.109"},
                 {453.59237, 6, '.', "453.592"}, {2.5e10, 5, '.', "2.5E10"}, {1.23456e-7, 4, '.', "1.235E-7"},
                 {0.99996, 4, '.', "1"}, {5e-5, 1, '.', "5E-5"}, {-2.5e-310, 5, '.', "-2.5E-310"}, {kInf, 5, '.', "Inf"},
                 {-kInf, 5, '.', "-Inf"}, {std::nan(""), 5, '.', "NaN"}};
    for (const auto& f : filas) EXPECT_EQ(FormatoNumero(f.v, f.n, f.sep), f.texto) << f.v;
    // At every magnitude the text reads back within half a unit of its last digit.
    for (double v = 1.234567e-9; v < 1e12; v *= 3.7)
        for (double n : {4.0, 5.0, 6.0}) {
            const std::string t = FormatoNumero(v, n);
            EXPECT_LE(std::fabs(std::stod(t) - v), 0.5000001 * std::pow(10.0, std::floor(std::log10(v)) - n + 1)) << t;
            EXPECT_EQ(t.find_first_of("+e"), std::string::npos) << t;
            EXPECT_EQ(t.find("0E"), std::string::npos) << t;
        }
}

TEST(FormatoNumero, HelpersRoundHalfUpAndMarkThePoint)
{
    int error = 7;
    EXPECT_DOUBLE_EQ(Redondear(36.10912, -4, error), 36.109);
    EXPECT_EQ(error, 0);
    EXPECT_TRUE(Redondear(2.5, -1, error) == 3 && Redondear(-2.5, -1, error) == -2 && Redondear(1250, 1, error) == 1300);
    EXPECT_EQ(Redondear(1e300, -400, error), 0);
    EXPECT_EQ(error, 1);
    EXPECT_EQ(TextoNumero(-0.25) + " " + TextoNumero(1.0 / 3), "-0&.25 0&.333333333333333");
}

TEST(BuscarCompuesto, FindsTheMolarMassOfTheWholeName)
{
    const std::pair<const char*, const char*> filas[] = {
        {"  Benceno ", "78.1121"}, {"ACETONA", "58.08"}, {"ALCOHOL METÍLICO", "32.04"}, {"Wasser", "18.01528"},
        {"ccl4", "153.8"}, {"Éter dietílico", "74.12"}, {"benc", nullptr}, {"", nullptr}, {"benceno x", nullptr},
        {"alcohol  metilico", nullptr}, {"alcohol metìlico", nullptr}, {"tolueno\t", nullptr}};
    for (auto [nombre, masa] : filas) {
        const auto c = BuscarCompuesto(nombre);
        EXPECT_EQ(c ? std::string(c->textoMasa) : "none", masa ? masa : "none") << nombre;
    }
}

double masaDeFormula(const std::string& formula)
{
    static const std::map<std::string, double> pesos{{"C", 12.011}, {"H", 1.008}, {"O", 15.999}, {"Cl", 35.45}, {"N", 14.007}};
    double masa = 0;
    for (std::size_t i = 0; i < formula.size();) {
        std::string simbolo(1, formula[i++]);
        if (i < formula.size() && std::islower(static_cast<unsigned char>(formula[i]))) simbolo += formula[i++];
        int n = 0;
        while (i < formula.size() && std::isdigit(static_cast<unsigned char>(formula[i]))) n = n * 10 + (formula[i++] - '0');
        masa += pesos.at(simbolo) * (n == 0 ? 1 : n);
    }
    return masa;
}

// The formula of every compound, and the digits the list has always had
// where they are not the formula's with the standard atomic weights to two
// decimals.
const char* const kFormulas[][3] = {
    {"ethanol", "C2H6O", ""}, {"water", "H2O", "18.01528"}, {"acetone", "C3H6O", ""}, {"ethyl acetate", "C4H8O2", ""},
    {"chloroform", "CHCl3", "119.38"}, {"ethylene glycol", "C2H6O2", "62.068"}, {"benzene", "C6H6", "78.1121"},
    {"toluene", "C7H8", ""}, {"carbon tetrachloride", "CCl4", "153.8"}, {"methanol", "CH4O", ""}, {"n-heptane", "C7H16", ""},
    {"1-propanol", "C3H8O", ""}, {"2-propanol", "C3H8O", ""}, {"1-butanol", "C4H10O", ""}, {"acetic acid", "C2H4O2", ""},
    {"formic acid", "CH2O2", ""}, {"n-hexane", "C6H14", ""}, {"cyclohexane", "C6H12", ""}, {"n-octane", "C8H18", ""},
    {"p-xylene", "C8H10", ""}, {"ethylbenzene", "C8H10", ""}, {"styrene", "C8H8", ""}, {"diethyl ether", "C4H10O", ""},
    {"dichloromethane", "CH2Cl2", ""}, {"acetonitrile", "C2H3N", ""}, {"tetrahydrofuran", "C4H8O", ""},
    {"n-pentane", "C5H12", ""}, {"phenol", "C6H6O", ""}};

// Every name of the list is one of the compounds of the equilibrium data and
// carries its formula's mass: a name sent to the wrong compound shows.
TEST(ListaCompuestos, EveryNameIsACompoundWithItsFormulasMassAndFindsItsOwnEntry)
{
    std::map<std::string, double> esperada;
    for (const auto& [compuesto, formula, masa] : kFormulas)
        esperada[compuesto] = *masa ? std::stod(masa) : std::round(masaDeFormula(formula) * 100) / 100;
    const auto lista = listaCompuestos();
    ASSERT_GE(lista.size(), 43u);
    std::set<int> compuestos;
    for (const Compuesto& c : lista) {
        const int i = termo::compuestoDe(c.nombre);
        ASSERT_GE(i, 0) << c.nombre;
        compuestos.insert(i);
        const double m = esperada.at(std::string(termo::nombreCompuesto(i)));
        EXPECT_TRUE(std::stod(std::string(c.textoMasa)) == m && c.masaMolar == m) << c.nombre;
        EXPECT_EQ(BuscarCompuesto(c.nombre)->nombre, c.nombre);  // no earlier entry hides it
    }
    EXPECT_EQ(compuestos.size(), 28u);
    // "alcohol metilico" is entry 17 and again 36: the first match wins.
    EXPECT_EQ(BuscarCompuesto("alcohol metilico")->nombre.data(), lista[17].nombre.data());
}

}  // namespace
