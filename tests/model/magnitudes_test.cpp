// The 23 result quantities of a stage at a progress, the distillate
// composition by mass balance, and the lists the views offer.

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "model/magnitudes.h"
#include "model/numero.h"

using namespace quillon;

namespace {

constexpr double kMMA = 78.1121, kMMB = 92.14;

TEST(GetXD_DEST, SpecialCasesAndTheWholeCharge)
{
    EXPECT_EQ(GetXD_DEST(0, 0.4, 0.4, kMMA, kMMB), 0);
    EXPECT_EQ(GetXD_DEST(50, 0, 0, kMMA, kMMB), 0);
    EXPECT_EQ(GetXD_DEST(0, 1, 1, kMMA, kMMB), 0);
    for (double P : {0.01, 50.0, 100.0}) EXPECT_EQ(GetXD_DEST(P, 1, 1, kMMA, kMMB), 1);
    // Everything distilled: the distillate is the charge; an unchanged still:
    // the distillate is like it.
    for (double x0 : {0.1, 0.4, 0.9}) EXPECT_NEAR(GetXD_DEST(100, 0, x0, kMMA, kMMB), x0, 1e-14);
    EXPECT_NEAR(GetXD_DEST(30, 0.4, 0.4, kMMA, kMMB), 0.4, 1e-14);
}

// The start-up inputs: benzene/toluene, alpha 2.45, x0 0.4, 500 g.
class EtapaArranque : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CrearTablaAvanceDes(elv, kMMA, kMMB, 0.4, *columna)); }
    ValoresMagnitudes en(double P, double gramos = 1) const
    {
        return EvaluarMagnitudes(EtapaEvaluable{columna.get(), &elv, 0.4, kMMA, kMMB, 500, gramos}, P);
    }
    static const char* codigo(int q) { return magnitudes()[static_cast<std::size_t>(q)].codigo.data(); }

    ModeloELV elv{false, 2.45, nullptr};
    std::unique_ptr<ColumnaAvance> columna = std::make_unique<ColumnaAvance>();
};

TEST_F(EtapaArranque, StartOfProgressShowsTheChargeAndNoDistillate)
{
    const ValoresMagnitudes v = en(0);
    for (int q : {PctMasaTotalDest, PctMolesTotalDest, PctMasaADest, XADest, MasaTotalDest, MolesTotalDest,
                  PctMasaBDest, XBDest, MasaADest, MasaBDest, MolesADest, MolesBDest})
        EXPECT_EQ(v[static_cast<std::size_t>(q)], 0) << codigo(q);
    EXPECT_EQ(v[XAResid], 0.4);
    EXPECT_NEAR(v[XBResid], 0.6, 1e-15);
    EXPECT_NEAR(v[PctMasaAResid], 36.109, 0.0005);
    EXPECT_NEAR(v[PctMasaBResid], 100 - 36.109, 0.0005);
    EXPECT_EQ(v[MasaTotalResid], 500);
}

TEST_F(EtapaArranque, EndOfProgressShowsAnEmptyStillAndTheWholeCharge)
{
    const ValoresMagnitudes v = en(100);
    for (int q : {XAResid, PctMasaAResid, PctMasaBResid, XBResid, MasaTotalResid, MolesTotalResid, MasaAResid,
                  MasaBResid, MolesAResid, MolesBResid})
        EXPECT_EQ(v[static_cast<std::size_t>(q)], 0) << codigo(q);
    EXPECT_NEAR(v[XADest], 0.4, 1e-14);
    EXPECT_EQ(v[MasaTotalDest], 500);
    EXPECT_DOUBLE_EQ(v[PctMolesTotalDest], 100);
}

TEST_F(EtapaArranque, MassOfAAndBIsConservedBetweenStillAndDistillate)
{
    const double w0 = porcentajeMasicoDeFraccion(0.4, kMMA, kMMB) / 100;
    for (double P = 0; P <= 100; P += 0.37) {
        const ValoresMagnitudes v = en(P);
        ASSERT_NEAR(v[MasaTotalResid] + v[MasaTotalDest], 500, 1e-9) << P;
        ASSERT_NEAR(v[MasaAResid] + v[MasaADest], 500 * w0, 1e-9) << P;
        ASSERT_NEAR(v[MasaBResid] + v[MasaBDest], 500 * (1 - w0), 1e-9) << P;
        ASSERT_NEAR(v[MolesTotalResid] + v[MolesTotalDest], 500 * (w0 / kMMA + (1 - w0) / kMMB), 1e-10) << P;
        ASSERT_TRUE(P == 0 || v[XADest] > v[XAResid]) << P;
    }
}

TEST_F(EtapaArranque, KilogramsLeaveMassesAndMultiplyMolesBy1000)
{
    for (double P : {0.0, 12.5, 50.0, 99.0}) {
        const ValoresMagnitudes g = en(P), kg = en(P, 1000);
        for (int q = 0; q < kNumMagnitudes; ++q) {
            const auto i = static_cast<std::size_t>(q);
            const bool moles = magnitudes()[i].codigo.find('N') != std::string_view::npos && magnitudes()[i].codigo[0] != '%';
            EXPECT_NEAR(kg[i], (moles ? 1000 : 1) * g[i], 1e-12 * kg[i]) << codigo(q) << " at " << P;
        }
    }
}

TEST(EvaluarMagnitudes, ChargeOfPureAGivesAPureADistillate)
{
    auto columna = std::make_unique<ColumnaAvance>();
    const ModeloELV elv{false, 2.45, nullptr};
    ASSERT_TRUE(CrearTablaAvanceDes(elv, kMMA, kMMB, 1, *columna));
    for (double P : {0.01, 50.0, 100.0})
        EXPECT_EQ(EvaluarMagnitudes(EtapaEvaluable{columna.get(), &elv, 1, kMMA, kMMB, 10, 1}, P)[XADest], 1) << P;
}

TEST(ResultLists, NamesCodesAxisListsAndMassQuantities)
{
    std::set<std::string_view> codigos, masas;
    for (int q = 0; q < kNumMagnitudes; ++q) {
        const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(q)];
        EXPECT_EQ(m.codigo.size(), 4u) << m.nombre;
        codigos.insert(m.codigo);
        if (esMagnitudDeMasa(q)) masas.insert(m.codigo);
    }
    EXPECT_EQ(codigos.size(), 23u);
    EXPECT_EQ(masas, (std::set<std::string_view>{" tMd", " tMs", " MAs", " MBs", " MAd", " MBd"}));
    EXPECT_EQ(magnitudes()[4].nombre, "Accumulated mole fraction of A distilled");
    EXPECT_EQ(magnitudes()[22].nombre, "Mole fraction of A in distilled vapor");
    EXPECT_EQ(listaEjeY(), (std::array<int, 17>{2, 3, 4, 5, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
    EXPECT_EQ(listaEjeX(), (std::array<int, 6>{0, 1, 6, 7, 12, 13}));
    EXPECT_EQ(unidadesMasa()[2].gramos, 28.349523125);
    EXPECT_EQ(unidadesMasa()[3].gramos, 453.59237);
}

}  // namespace
