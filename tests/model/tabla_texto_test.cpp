// The text of the progress table view. (quillon-table's tests read the whole
// start-up text and the later stages of the example.)

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/arranque.h"
#include "model/tabla_texto.h"

using namespace quillon;
using namespace quillon::prueba;

namespace {

// The lines of the table text, each of which must end with CR LF; empty
// when the table is refused, with its message in `error`.
std::vector<std::string> lineas(const Entradas& e, const PeticionTabla& p, const char** error = nullptr)
{
    CadenaEtapas cadena;
    const ResultadoTabla r = CrearTablaTexto(cadena, alfa(e.alfa), e, {}, p);
    if (error) *error = r.error ? tr(*r.error) : "";
    std::vector<std::string> l;
    std::size_t d = 0;
    for (std::size_t f; (f = r.texto.find("\r\n", d)) != std::string::npos; d = f + 2) l.push_back(r.texto.substr(d, f - d));
    EXPECT_EQ(d, r.texto.size());
    return l;
}

TEST(TablaTexto, UnitsMolarMassesAndLegendInTheHeader)
{
    Entradas e = entradasArranque();
    e.mmb = 18.01528;
    const PeticionTabla p{"benzene", "water", 1, 200, {MasaAResid, MolesAResid, PctMasaAResid, YAVapor}, '.'};
    const char* masa[] = {"0 g", "123.46 kg", "2 oz = 56.699 g  (1 oz = 28.3495 g)", "2 lb = 907.18 g  (1 lb = 453.592 g)"};
    for (int u = 0; u < 4; ++u) {
        e.unidad = u;
        e.m0 = u == 0 ? 0 : u == 1 ? 123.456 : 2;
        const auto l = lineas(e, p);
        ASSERT_EQ(l.size(), 12u + 201);
        EXPECT_EQ(l[1], std::string("Initial mass of mixture = ") + masa[u]);
    }
    const auto l = lineas(e, p);
    const std::vector<std::string> esperadas{"Molar mass of benzene (A) = 78.112 g/mol", "Molar mass of water (B) = 18.015 g/mol",
                                             "Number of the current stage of distillation = 1 / 1", "",
                                             " MAs = Mass of A in still pot (lb)", " NAs = Moles of A in still pot",
                                             "%MAs = % Mass of A in still pot", " YAd = Mole fraction of A in distilled vapor", "",
                                             " MAs         NAs        %MAs         YAd        "};
    EXPECT_EQ(std::vector<std::string>(l.begin() + 2, l.begin() + 12), esperadas);
}

TEST(TablaTexto, NoTickedItemsLeaveEmptyLinesAndInvalidInputsAMessage)
{
    Entradas e = entradasArranque();
    const auto l = lineas(e, {"a", "b", 1, 10, {}, '.'});
    ASSERT_EQ(l.size(), 6u + 2 + 11);
    for (std::size_t i = 5; i < l.size(); ++i) EXPECT_EQ(l[i], "") << i;
    const char* error = nullptr;
    e.x0 = 1.01;
    EXPECT_TRUE(lineas(e, {}, &error).empty());
    EXPECT_STREQ(error, "ERROR: The initial mole fraction is not valid");
    e.alfa = 1;
    e.x0 = 0.4;
    EXPECT_TRUE(lineas(e, {}, &error).empty());
    EXPECT_STREQ(error, "ERROR: Relative volatility is out of range");
}

}  // namespace
