// The text of the progress table view. (The whole start-up text is checked
// end to end through quillon-table.)

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "model/mensajes.h"
#include "model/numero.h"
#include "model/tabla_texto.h"

using namespace quillon;

namespace {

// The lines of a text whose every line ends with CR LF.
std::vector<std::string> lineas(const std::string& texto)
{
    std::vector<std::string> r;
    std::size_t desde = 0;
    for (auto fin = texto.find("\r\n"); fin != std::string::npos; fin = texto.find("\r\n", desde)) {
        EXPECT_EQ(texto.find('\n', desde), fin + 1) << "a line end without CR";
        r.push_back(texto.substr(desde, fin - desde));
        desde = fin + 2;
    }
    EXPECT_EQ(desde, texto.size()) << "text after the last CR LF";
    return r;
}

// The cell of column c of a row, blanks trimmed.
std::string celda(const std::string& fila, int c)
{
    const std::string s = fila.substr(static_cast<std::size_t>(12 * c), 12);
    return s.substr(0, s.find(' '));
}

class TablaTexto : public testing::Test {
protected:
    TablaTexto() : e{78.1121, 92.14, 2.45, 0.4, 500}, p{"benzene", "toluene", 1, 20, {0, 2, 4, 6}, '.'} {}
    std::vector<std::string> crear() { return lineas(CrearTablaTexto(cadena, elv, e, cortes, p).texto); }
    // The rows, after the header (6 lines), the legend, a blank line and the codes.
    std::vector<std::string> filas()
    {
        const auto l = crear();
        return {l.begin() + static_cast<long>(6 + p.items.size() + 2), l.end()};
    }
    void todas()
    {
        p.items.resize(kNumMagnitudes);
        std::iota(p.items.begin(), p.items.end(), 0);
    }

    Entradas e;
    PeticionTabla p;
    ModeloELV elv{false, 2.45, nullptr};
    std::array<double, kMaxEtapas> cortes{};
    CadenaEtapas cadena;
};

class TablaTextoFilas : public TablaTexto, public testing::WithParamInterface<int> {};

TEST_P(TablaTextoFilas, HasOneRowMoreThanIntervalsEvenlyFrom0To100In12CharacterColumns)
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

TEST_F(TablaTexto, NoTickedItemsLeaveEmptyLegendCodesAndRows)
{
    p.items.clear();
    const auto l = crear();
    ASSERT_EQ(l.size(), 6u + 2 + 21);
    for (std::size_t i = 5; i < l.size(); ++i) EXPECT_EQ(l[i], "") << i;
}

TEST_F(TablaTexto, FirstRowHasNoDistillateAndLastRowAnEmptyStill)
{
    todas();
    const auto f = filas();
    for (int q : {PctMasaTotalDest, PctMolesTotalDest, PctMasaADest, XADest, MasaTotalDest, MolesTotalDest,
                  PctMasaBDest, XBDest, MasaADest, MasaBDest, MolesADest, MolesBDest})
        EXPECT_EQ(celda(f.front(), q), "0") << magnitudes()[static_cast<std::size_t>(q)].codigo;
    EXPECT_EQ(celda(f.front(), XAResid), "0.4");
    EXPECT_EQ(celda(f.front(), PctMasaAResid), "36.109");
    EXPECT_EQ(celda(f.front(), MasaTotalResid), "500");
    for (int q : {XAResid, PctMasaAResid, PctMasaBResid, XBResid, MasaTotalResid, MolesTotalResid, MasaAResid,
                  MasaBResid, MolesAResid, MolesBResid})
        EXPECT_EQ(celda(f.back(), q), "0") << magnitudes()[static_cast<std::size_t>(q)].codigo;
    EXPECT_EQ(celda(f.back(), XADest), "0.4");
}

TEST_F(TablaTexto, LegendGivesTheUnitOfMassQuantitiesOnly)
{
    todas();
    e.unidad = 1;
    const auto l = crear();
    EXPECT_EQ(l[6 + MasaAResid], " MAs = Mass of A in still pot (kg)");
    EXPECT_EQ(l[6 + MolesAResid], " NAs = Moles of A in still pot");
    EXPECT_EQ(l[6 + PctMasaAResid], "%MAs = % Mass of A in still pot");
    EXPECT_EQ(l[6 + kNumMagnitudes + 1].substr(0, 24), "%tMd        %tNd        ");
}

TEST_F(TablaTexto, SecondStageIsChargedWithTheFirstStageCut)
{
    e.numEtapas = 2;
    cortes[0] = 40;
    p.etapa = 2;
    ASSERT_EQ(calcularEtapa(cadena, elv, e, cortes, 1).error, nullptr);
    const auto l = crear();
    EXPECT_EQ(l[1], "Initial mass of mixture = 200 g");
    EXPECT_EQ(l[4], "Number of the current stage of distillation = 2 / 2");
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
    EXPECT_EQ(crear()[1], GetParam().linea);
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, TablaTextoUnidad,
    testing::Values(Unidad{0, 500, "Initial mass of mixture = 500 g"}, Unidad{1, 2, "Initial mass of mixture = 2 kg"},
                    Unidad{2, 2, "Initial mass of mixture = 2 oz = 56.699 g  (1 oz = 28.3495 g)"},
                    Unidad{3, 2, "Initial mass of mixture = 2 lb = 907.18 g  (1 lb = 453.592 g)"}));

struct Invalida {
    double Entradas::*campo;
    double valor;
    const char* mensaje;
};

class TablaTextoInvalida : public TablaTexto, public testing::WithParamInterface<Invalida> {};

TEST_P(TablaTextoInvalida, GivesTheMessageAndNoText)
{
    e.*GetParam().campo = GetParam().valor;
    const ResultadoTabla r = CrearTablaTexto(cadena, elv, e, cortes, p);
    EXPECT_EQ(r.texto, "");
    ASSERT_NE(r.error, nullptr);
    EXPECT_STREQ(tr(*r.error), GetParam().mensaje);
}

INSTANTIATE_TEST_SUITE_P(
    EachInput, TablaTextoInvalida,
    testing::Values(Invalida{&Entradas::mma, 0, "ERROR: Molar mass is not valid"},
                    Invalida{&Entradas::mmb, VALOR_NO_VALIDO, "ERROR: Molar mass is not valid"},
                    Invalida{&Entradas::m0, -1, "ERROR: Initial mass is not valid"},
                    Invalida{&Entradas::x0, 1.01, "ERROR: The initial mole fraction is not valid"},
                    Invalida{&Entradas::alfa, 1, "ERROR: Relative volatility is out of range"},
                    Invalida{&Entradas::alfa, VALOR_NO_VALIDO, "ERROR: Relative volatility is out of range"}));

}  // namespace
