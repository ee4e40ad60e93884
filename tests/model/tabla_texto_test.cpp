// The text of the progress table view.

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "model/mensajes.h"
#include "model/numero.h"
#include "model/tabla_texto.h"

using namespace quillon;

namespace {

std::vector<std::string> lineas(const std::string& texto)
{
    std::vector<std::string> r;
    std::size_t desde = 0;
    for (auto fin = texto.find("\r\n"); fin != std::string::npos; fin = texto.find("\r\n", desde)) {
        r.push_back(texto.substr(desde, fin - desde));
        desde = fin + 2;
    }
    EXPECT_EQ(desde, texto.size()) << "text after the last CR LF";
    return r;
}

// The cell of column c of a row, blanks trimmed.
std::string celda(const std::string& fila, int c)
{
    std::string s = fila.substr(static_cast<std::size_t>(12 * c), 12);
    return s.substr(0, s.find(' '));
}

class TablaTexto : public testing::Test {
protected:
    TablaTexto()
    {
        e.mma = 78.1121;
        e.mmb = 92.14;
        e.alfa = 2.45;
        e.x0 = 0.4;
        e.m0 = 500;
        p.nombreA = "benzene";
        p.nombreB = "toluene";
        p.items = {0, 2, 4, 6};
    }
    ResultadoTabla crear() { return CrearTablaTexto(cadena, elv, e, cortes, p); }
    // The rows after the header (5 lines + blank), the legend, a blank and
    // the column header.
    std::vector<std::string> filas()
    {
        const auto l = lineas(crear().texto);
        return {l.begin() + static_cast<long>(6 + p.items.size() + 2), l.end()};
    }
    std::vector<int> todas() const
    {
        std::vector<int> v(kNumMagnitudes);
        std::iota(v.begin(), v.end(), 0);
        return v;
    }

    Entradas e;
    PeticionTabla p;
    ModeloELV elv{false, 2.45, nullptr};
    std::array<double, kMaxEtapas> cortes{};
    CadenaEtapas cadena;
};

TEST_F(TablaTexto, StartUpTableBeginsWithHeaderLegendAndColumnCodes)
{
    const std::string t = crear().texto;
    const std::string esperado =
        "Distillation of binary mixture of benzene (A) and toluene (B)\r\n"
        "Initial mass of mixture = 500 g\r\n"
        "Molar mass of benzene (A) = 78.112 g/mol\r\n"
        "Molar mass of toluene (B) = 92.14 g/mol\r\n"
        "Number of the current stage of distillation = 1 / 1\r\n"
        "\r\n"
        "%tMd = % Total mass distilled\r\n"
        "%MAd = % Accumulated mass of A distilled\r\n"
        " XAd = Accumulated mole fraction of A distilled\r\n"
        " tMd = Total mass distilled (g)\r\n"
        "\r\n"
        "%tMd        %MAd         XAd         tMd        \r\n"
        "0           0           0           0           \r\n"
        "5           ";
    EXPECT_EQ(t.substr(0, esperado.size()), esperado);
    EXPECT_EQ(t.substr(t.size() - 50), "100         36.109      0.4         500         \r\n");
}

class TablaTextoFilas : public TablaTexto, public testing::WithParamInterface<int> {};

TEST_P(TablaTextoFilas, HasOneRowMoreThanIntervalsEvenlyFrom0To100)
{
    p.intervalos = GetParam();
    const auto f = filas();
    ASSERT_EQ(f.size(), static_cast<std::size_t>(GetParam() + 1));
    for (std::size_t i = 0; i < f.size(); ++i) {
        EXPECT_EQ(f[i].size(), 48u);
        EXPECT_NEAR(std::stod(celda(f[i], 0)), 100.0 * static_cast<double>(i) / GetParam(), 1e-9) << f[i];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryChoice, TablaTextoFilas, testing::Values(10, 20, 50, 100, 200));

TEST_F(TablaTexto, NoTickedItemsLeaveEmptyLegendHeaderAndRows)
{
    p.items.clear();
    const auto l = lineas(crear().texto);
    ASSERT_EQ(l.size(), 6u + 2 + 21);
    for (std::size_t i = 5; i < l.size(); ++i) EXPECT_EQ(l[i], "") << i;
}

TEST_F(TablaTexto, FirstRowHasNoDistillateAndLastRowAnEmptyStill)
{
    p.items = todas();
    const auto f = filas();
    const std::string primera = f.front(), ultima = f.back();
    for (int q : {PctMasaTotalDest, PctMolesTotalDest, PctMasaADest, XADest, MasaTotalDest, MolesTotalDest,
                  PctMasaBDest, XBDest, MasaADest, MasaBDest, MolesADest, MolesBDest})
        EXPECT_EQ(celda(primera, q), "0") << q;
    EXPECT_EQ(celda(primera, XAResid), "0.4");
    EXPECT_EQ(celda(primera, PctMasaAResid), "36.109");
    EXPECT_EQ(celda(primera, MasaTotalResid), "500");
    for (int q : {XAResid, PctMasaAResid, PctMasaBResid, XBResid, MasaTotalResid, MolesTotalResid, MasaAResid,
                  MasaBResid, MolesAResid, MolesBResid})
        EXPECT_EQ(celda(ultima, q), "0") << q;
    EXPECT_EQ(celda(ultima, XADest), "0.4");
    EXPECT_EQ(celda(ultima, PctMolesTotalDest), "100");
}

TEST_F(TablaTexto, LegendGivesTheUnitOfMassQuantitiesOnly)
{
    p.items = todas();
    e.unidad = 1;
    const auto l = lineas(crear().texto);
    EXPECT_EQ(l[6 + MasaAResid], " MAs = Mass of A in still pot (kg)");
    EXPECT_EQ(l[6 + MolesAResid], " NAs = Moles of A in still pot");
    EXPECT_EQ(l[6 + PctMasaAResid], "%MAs = % Mass of A in still pot");
    EXPECT_EQ(l[6 + kNumMagnitudes + 1].size(), 12u * kNumMagnitudes);
}

TEST_F(TablaTexto, SecondStageChargeIsTheFirstStageDistillate)
{
    e.numEtapas = 2;
    cortes = {40, 0, 0, 0, 0, 0};
    p.etapa = 2;
    ASSERT_EQ(calcularEtapa(cadena, elv, e, cortes, 1).error, nullptr);
    const auto l = lineas(crear().texto);
    EXPECT_EQ(l[1], "Initial mass of mixture = 200 g");
    EXPECT_EQ(l[4], "Number of the current stage of distillation = 2 / 2");
    EXPECT_EQ(celda(filas().back(), 3), "200");  // at 100 % the whole charge is distilled
}

struct Unidad {
    int indice;
    double masa;
    const char* linea;
};

class TablaTextoUnidad : public TablaTexto, public testing::WithParamInterface<Unidad> {};

TEST_P(TablaTextoUnidad, MassLineGivesGramsForOuncesAndPounds)
{
    e.unidad = GetParam().indice;
    e.m0 = GetParam().masa;
    EXPECT_EQ(lineas(crear().texto)[1], GetParam().linea);
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, TablaTextoUnidad,
    testing::Values(Unidad{0, 500, "Initial mass of mixture = 500 g"},
                    Unidad{1, 2, "Initial mass of mixture = 2 kg"},
                    Unidad{2, 2, "Initial mass of mixture = 2 oz = 56.699 g  (1 oz = 28.3495 g)"},
                    Unidad{3, 2, "Initial mass of mixture = 2 lb = 907.18 g  (1 lb = 453.592 g)"}));

TEST_F(TablaTexto, NumbersUseTheSeparatorAsked)
{
    p.sep = ',';
    const std::string t = crear().texto;
    EXPECT_NE(t.find("Molar mass of benzene (A) = 78,112 g/mol"), std::string::npos);
    EXPECT_NE(t.find("36,109"), std::string::npos);
}

struct Invalida {
    double Entradas::*campo;
    double valor;
    const Texto* mensaje;
};

class TablaTextoInvalida : public TablaTexto, public testing::WithParamInterface<Invalida> {};

TEST_P(TablaTextoInvalida, GivesTheMessageAndNoText)
{
    e.*GetParam().campo = GetParam().valor;
    const ResultadoTabla r = crear();
    EXPECT_EQ(r.texto, "");
    ASSERT_NE(r.error, nullptr);
    EXPECT_STREQ(tr(*r.error), tr(*GetParam().mensaje));
}

INSTANTIATE_TEST_SUITE_P(
    EachInput, TablaTextoInvalida,
    testing::Values(Invalida{&Entradas::mma, 0, &mensajes::masaMolar},
                    Invalida{&Entradas::mmb, VALOR_NO_VALIDO, &mensajes::masaMolar},
                    Invalida{&Entradas::m0, -1, &mensajes::masaInicial},
                    Invalida{&Entradas::x0, 1.01, &mensajes::fraccionInicial},
                    Invalida{&Entradas::alfa, 1, &mensajes::volatilidad},
                    Invalida{&Entradas::alfa, VALOR_NO_VALIDO, &mensajes::volatilidad}));

TEST(Columna12, PadsOrCutsToTwelveCharacters)
{
    EXPECT_EQ(columna12("36.109"), "36.109      ");
    EXPECT_EQ(columna12("1234567890ABCDEF"), "1234567890AB");
    EXPECT_EQ(columna12(""), std::string(12, ' '));
}

TEST(MessagesText, EnglishTextsOfTheBuild)
{
    EXPECT_STREQ(tr(mensajes::volatilidad), "ERROR: Relative volatility is out of range");
    EXPECT_STREQ(tr(mensajes::masaMolar), "ERROR: Molar mass is not valid");
    EXPECT_STREQ(tr(mensajes::fraccionInicial), "ERROR: The initial mole fraction is not valid");
    EXPECT_STREQ(tr(mensajes::masaInicial), "ERROR: Initial mass is not valid");
    EXPECT_STREQ(tr(mensajes::valoresIniciales), "ERROR: The initial values are not valid");
}

}  // namespace
