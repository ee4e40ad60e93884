// The 23 result quantities of a stage at a progress, the distillate
// composition by mass balance, and the lists the views offer.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "model/magnitudes.h"
#include "model/numero.h"

using namespace quillon;

namespace {

constexpr double kMMA = 78.1121, kMMB = 92.14;

// The start-up inputs: benzene/toluene, alpha 2.45, x0 0.4, 500 g.
class EtapaArranque : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CrearTablaAvanceDes(elv, kMMA, kMMB, x0, *columna));
        etapa = EtapaEvaluable{columna.get(), &elv, x0, kMMA, kMMB, 500, 1};
    }
    ValoresMagnitudes en(double P) const { return EvaluarMagnitudes(etapa, P); }

    double x0 = 0.4;
    ModeloELV elv{false, 2.45, nullptr};
    std::unique_ptr<ColumnaAvance> columna = std::make_unique<ColumnaAvance>();
    EtapaEvaluable etapa;
};

TEST(GetXD_DEST, SpecialCasesGiveExactlyZeroOrOne)
{
    EXPECT_EQ(GetXD_DEST(0, 0.4, 0.4, kMMA, kMMB), 0);
    EXPECT_EQ(GetXD_DEST(50, 0, 0, kMMA, kMMB), 0);
    EXPECT_EQ(GetXD_DEST(0, 1, 1, kMMA, kMMB), 0);
    for (double P : {0.01, 50.0, 100.0}) EXPECT_EQ(GetXD_DEST(P, 1, 1, kMMA, kMMB), 1);
}

TEST(GetXD_DEST, WholeChargeDistilledHasTheChargeComposition)
{
    for (double x0 : {0.1, 0.4, 0.9}) EXPECT_NEAR(GetXD_DEST(100, 0, x0, kMMA, kMMB), x0, 1e-14);
}

TEST(GetXD_DEST, UnchangedStillGivesADistillateOfTheSameComposition)
{
    EXPECT_NEAR(GetXD_DEST(30, 0.4, 0.4, kMMA, kMMB), 0.4, 1e-14);
}

TEST_F(EtapaArranque, StartOfProgressShowsTheChargeAndNoDistillate)
{
    const ValoresMagnitudes v = en(0);
    for (int q : {PctMasaTotalDest, PctMolesTotalDest, PctMasaADest, XADest, MasaTotalDest, MolesTotalDest,
                  PctMasaBDest, XBDest, MasaADest, MasaBDest, MolesADest, MolesBDest})
        EXPECT_EQ(v[static_cast<std::size_t>(q)], 0) << magnitudes()[static_cast<std::size_t>(q)].codigo;
    EXPECT_EQ(v[XAResid], 0.4);
    EXPECT_NEAR(v[PctMasaAResid], 36.109, 0.0005);
    EXPECT_NEAR(v[PctMasaBResid], 100 - 36.109, 0.0005);
    EXPECT_EQ(v[MasaTotalResid], 500);
    EXPECT_NEAR(v[XBResid], 0.6, 1e-15);
    EXPECT_NEAR(v[MolesTotalResid], 500 * 0.36109 / kMMA + 500 * 0.63891 / kMMB, 1e-3);
}

TEST_F(EtapaArranque, EndOfProgressShowsAnEmptyStillAndTheWholeCharge)
{
    const ValoresMagnitudes v = en(100);
    for (int q : {XAResid, PctMasaAResid, PctMasaBResid, XBResid, MasaTotalResid, MolesTotalResid, MasaAResid,
                  MasaBResid, MolesAResid, MolesBResid})
        EXPECT_EQ(v[static_cast<std::size_t>(q)], 0) << magnitudes()[static_cast<std::size_t>(q)].codigo;
    EXPECT_NEAR(v[XADest], 0.4, 1e-14);
    EXPECT_EQ(v[MasaTotalDest], 500);
    EXPECT_DOUBLE_EQ(v[PctMolesTotalDest], 100);
}

TEST_F(EtapaArranque, MassOfAAndBIsConservedBetweenStillAndDistillate)
{
    const double w0 = porcentajeMasicoDeFraccion(x0, kMMA, kMMB) / 100;
    for (double P = 0; P <= 100; P += 0.37) {
        const ValoresMagnitudes v = en(P);
        ASSERT_NEAR(v[MasaTotalResid] + v[MasaTotalDest], 500, 1e-9) << P;
        ASSERT_NEAR(v[MasaAResid] + v[MasaADest], 500 * w0, 1e-9) << P;
        ASSERT_NEAR(v[MasaBResid] + v[MasaBDest], 500 * (1 - w0), 1e-9) << P;
        ASSERT_NEAR(v[MolesAResid] + v[MolesADest], 500 * w0 / kMMA, 1e-10) << P;
        ASSERT_NEAR(v[MolesTotalResid] + v[MolesTotalDest], 500 * (w0 / kMMA + (1 - w0) / kMMB), 1e-10) << P;
        ASSERT_NEAR(v[PctMasaAResid] + v[PctMasaBResid], P < 100 ? 100 : 0, 1e-9) << P;
    }
}

TEST_F(EtapaArranque, DistillateIsRicherThanTheStillAndTheVapourRicherStill)
{
    for (double P = 1; P < 100; P += 7) {
        const ValoresMagnitudes v = en(P);
        EXPECT_GT(v[XADest], v[XAResid]) << P;
        EXPECT_GT(v[YAVapor], v[XAResid]) << P;
        EXPECT_DOUBLE_EQ(v[YAVapor], elv.yEq(v[XAResid])) << P;
        EXPECT_GT(v[PctMolesTotalDest], 0) << P;
        EXPECT_LT(v[PctMolesTotalDest], 100) << P;
    }
}

TEST_F(EtapaArranque, KilogramsLeaveMassesAndMultiplyMolesBy1000)
{
    EtapaEvaluable kg = etapa;
    kg.gramos = 1000;
    for (double P : {0.0, 12.5, 50.0, 99.0}) {
        const ValoresMagnitudes g = en(P), k = EvaluarMagnitudes(kg, P);
        for (int q = 0; q < kNumMagnitudes; ++q) {
            const auto i = static_cast<std::size_t>(q);
            const bool moles = magnitudes()[i].codigo.find('N') != std::string_view::npos &&
                               magnitudes()[i].codigo.find('%') == std::string_view::npos;
            if (moles)
                EXPECT_NEAR(k[i], 1000 * g[i], 1e-9 * k[i]) << magnitudes()[i].codigo << " at " << P;
            else
                EXPECT_DOUBLE_EQ(k[i], g[i]) << magnitudes()[i].codigo << " at " << P;
        }
    }
}

TEST(EvaluarMagnitudes, ChargeOfPureAGivesAPureADistillate)
{
    auto columna = std::make_unique<ColumnaAvance>();
    const ModeloELV elv{false, 2.45, nullptr};
    ASSERT_TRUE(CrearTablaAvanceDes(elv, kMMA, kMMB, 1, *columna));
    const EtapaEvaluable etapa{columna.get(), &elv, 1, kMMA, kMMB, 10, 1};
    for (double P : {0.01, 50.0, 100.0}) EXPECT_EQ(EvaluarMagnitudes(etapa, P)[XADest], 1) << P;
}

TEST(ResultLists, FullListHas23NamedQuantitiesWithFourCharacterCodes)
{
    std::set<std::string_view> codigos;
    for (const InfoMagnitud& m : magnitudes()) {
        EXPECT_EQ(m.codigo.size(), 4u) << m.nombre;
        codigos.insert(m.codigo);
    }
    EXPECT_EQ(codigos.size(), 23u);
    EXPECT_EQ(magnitudes()[0].nombre, "% Total mass distilled");
    EXPECT_EQ(magnitudes()[4].codigo, " XAd");
    EXPECT_EQ(magnitudes()[22].nombre, "Mole fraction of A in distilled vapor");
    EXPECT_EQ(magnitudes()[22].codigo, " YAd");
}

TEST(ResultLists, AxisListsSplitTheQuantitiesBetweenThem)
{
    const std::array<int, 17> y{2, 3, 4, 5, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    const std::array<int, 6> x{0, 1, 6, 7, 12, 13};
    EXPECT_EQ(listaEjeY(), y);
    EXPECT_EQ(listaEjeX(), x);
}

TEST(ResultLists, MassQuantitiesAreTheSixMeasuredInTheMassUnit)
{
    std::set<std::string_view> masas;
    for (int q = 0; q < kNumMagnitudes; ++q)
        if (esMagnitudDeMasa(q)) masas.insert(magnitudes()[static_cast<std::size_t>(q)].codigo);
    EXPECT_EQ(masas, (std::set<std::string_view>{" tMd", " tMs", " MAs", " MBs", " MAd", " MBd"}));
}

TEST(ResultLists, MassUnitsCarryTheirGramsPerUnit)
{
    const auto& u = unidadesMasa();
    EXPECT_EQ(u[0].nombre, "g");
    EXPECT_EQ(u[1].gramos, 1000);
    EXPECT_EQ(u[2].nombre, "oz");
    EXPECT_EQ(u[2].gramos, 28.349523125);
    EXPECT_EQ(u[3].tag, "453.59237");
}

}  // namespace
