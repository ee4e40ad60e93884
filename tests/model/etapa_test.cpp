// One stage and the train of stages: the equilibrium, the stage table, the
// result quantities, each stage's distillate as the next one's charge, the
// text of the progress table view, and no NaN nor infinity anywhere.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/cadena.h"
#include "model/composicion.h"
#include "model/mensajes.h"
#include "model/numero.h"
#include "model/tabla_texto.h"
#include "support/etapas.h"
#include "support/tabla_elv.h"

using namespace quillon;
using namespace prueba;

namespace {

double yCon(double x, double a) { return alfa(a).yEq(x); }  // a point of local volatility a

TEST(Equilibrium, ConstantAlphaAndTheDenseTableInterpolatedInX)
{
    const struct {
        TablaELV t;
        double alfa[6];  // at x = 0, 0.2, 0.4, 0.6, 0.601, 1; 0 where no segment reaches
    } casos[] = {{tablaELV({0, 0.5, 1}, {0, 0.7, 1}), {7.0 / 3, 7.0 / 3, 7.0 / 3, 7.0 / 3, 7.0 / 3, 7.0 / 3}},
                 {tablaELV({0, 0.2, 0.6, 1}, {0, yCon(0.2, 3), yCon(0.6, 2), 1}), {3, 3, 2.5, 2, 2, 2}},
                 {tablaELV({0.2, 0.6004}, {yCon(0.2, 3), yCon(0.6004, 2)}), {0, 3, 3 - 0.2 / 0.4004, 3 - 0.4 / 0.4004, 0, 0}}};
    for (const auto& c : casos) {
        SuperTablaELV dense{};
        CrearSuperTABLA_ELV(c.t, dense);
        const int k[] = {0, 200, 400, 600, 601, 1000};
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(dense[static_cast<std::size_t>(k[i])], c.alfa[i], 1e-12) << k[i];
    }
    SuperTablaELV dense{};
    for (std::size_t k = 0; k < dense.size(); ++k) dense[k] = 2 + static_cast<double>(k);
    const ModeloELV elv{true, 0, &dense};
    const double x[] = {0.0004, 0.0006, 0.0025, 0.0035, 1}, a[] = {2, 3, 4, 6, 1002};  // halves to even
    for (int i = 0; i < 5; ++i) EXPECT_EQ(elv.alfaEn(x[i]), a[i]) << x[i];
    dense[900] = 0;
    EXPECT_EQ(elv.yEq(0.9), 0);  // a never-written entry gives a vapour without A
}

TEST(StageTable, StartUpRowsAndWhereTheFirstPassRunsOut)
{
    const auto c = columna(alfa(kAlfa));
    EXPECT_EQ((*c)[0], kX0);
    EXPECT_NEAR((*c)[5000], 0.2468, 0.00005);
    EXPECT_EQ((*c)[kPasosAvance], 0);
    const struct {
        double alfa, x0;
        int paso;  // 0: the first pass runs to the end
    } filas[] = {{kAlfa, kX0, 9997}, {100, kX0, 9723}, {1.01, kX0, 0}, {kAlfa, 0, 1}, {kAlfa, 1, 1}};
    for (const auto& f : filas) EXPECT_EQ(pasoDeAgotamiento(alfa(f.alfa), kMMA, kMMB, f.x0), f.paso) << f.alfa;
}

TEST(StageTable, RowsFallFromTheChargeKeepingSomeAAndPureChargesStayPure)
{
    for (double a : {1.0001, 1.01, kAlfa, 100.0})
        for (double x0 : {0.001, 0.5, 0.999}) {
            const auto c = columna(alfa(a), x0);
            for (std::size_t i = 1; i < kPasosAvance; ++i)
                ASSERT_TRUE((*c)[i] > 0 && (*c)[i] <= (*c)[i - 1]) << a << " " << x0 << " row " << i;
        }
    // A trace of A with these molar masses: the second pass steps A's mass
    // below zero near the end, and its absolute value keeps some A there.
    EXPECT_GT((*columna(alfa(100), 1e-250, 1e-50, 1e-20))[kPasosAvance - 1], 0);
    const auto b = columna(alfa(kAlfa), 0), a = columna(alfa(kAlfa), 1);
    EXPECT_EQ(std::count(b->begin(), b->end(), 0), kPasosAvance + 1);
    EXPECT_EQ(std::count(a->begin(), a->end() - 1, 1), kPasosAvance);
}

TEST(StageTable, TableModeOfAConstantVolatilityGivesTheSameRowsAndInvalidInputsNone)
{
    SuperTablaELV dense;
    dense.fill(kAlfa);
    EXPECT_EQ(*columna(ModeloELV{true, VALOR_NO_VALIDO, &dense}), *columna(alfa(kAlfa)));
    const auto c = std::make_unique<ColumnaAvance>();
    c->fill(9);
    for (double a : {1.0, 100.5, NO}) EXPECT_FALSE(CrearTablaAvanceDes(alfa(a), kMMA, kMMB, kX0, *c));
    EXPECT_FALSE(CrearTablaAvanceDes(alfa(kAlfa), 0, kMMB, kX0, *c) || CrearTablaAvanceDes(alfa(kAlfa), kMMA, NO, kX0, *c));
    EXPECT_FALSE(CrearTablaAvanceDes(ModeloELV{true, kAlfa, nullptr}, kMMA, kMMB, kX0, *c));
    EXPECT_EQ(std::count(c->begin(), c->end(), 9), kPasosAvance + 1);
}

TEST(StageTable, ProgressReadsItsRowHalvesToEvenTheStillAsPOver100Times10000)
{
    const struct {
        double P;
        int avance, corte;
    } filas[] = {{0, 0, 0},      {50, 5000, 5000},  {100, 10000, 10000}, {0.004, 0, 0},        {0.006, 1, 1},
                 {0.005, 0, 0},  {0.015, 2, 1},     {-1, 0, 0},          {250, 10000, 10000}};
    for (const auto& f : filas) EXPECT_TRUE(filaDeAvance(f.P) == f.avance && filaDeCorte(f.P) == f.corte) << f.P;
}

// The start-up stage's quantities at P percent distilled, in a unit of
// `gramos` grams.
ValoresMagnitudes enArranque(double P, double gramos = 1)
{
    static const ModeloELV elv = alfa(kAlfa);
    static const std::unique_ptr<ColumnaAvance> col = columna(elv);
    return EvaluarMagnitudes(EtapaEvaluable{col.get(), &elv, kX0, kMMA, kMMB, kM0, gramos}, P);
}

TEST(Quantities, StartShowsTheChargeAndNoDistillateEndAnEmptyStill)
{
    // B reads 0, not 100 % of nothing, where A is 0.
    const ValoresMagnitudes inicio = enArranque(0), fin = enArranque(100);
    for (int q : {PctMolesTotalDest, PctMasaADest, XADest, MasaTotalDest, MolesTotalDest, PctMasaBDest, XBDest, MasaADest,
                  MasaBDest, MolesADest, MolesBDest})
        EXPECT_EQ(inicio[static_cast<std::size_t>(q)], 0) << magnitudes()[q].codigo;
    for (int q : {XAResid, PctMasaAResid, PctMasaBResid, XBResid, MasaTotalResid, MolesTotalResid, MasaAResid, MasaBResid,
                  MolesAResid, MolesBResid, YAVapor})
        EXPECT_EQ(fin[static_cast<std::size_t>(q)], 0) << magnitudes()[q].codigo;
    EXPECT_TRUE(inicio[XAResid] == kX0 && inicio[MasaTotalResid] == kM0 && fin[MasaTotalDest] == kM0);
    EXPECT_NEAR(inicio[PctMasaAResid], 36.109, 0.0005);
    EXPECT_NEAR(fin[XADest], kX0, 1e-14);
    EXPECT_DOUBLE_EQ(fin[PctMolesTotalDest], 100);
    // The distillate of other charges: none, pure A, the whole of it, and a
    // still that has not changed.
    EXPECT_TRUE(GetXD_DEST(50, 0, 0, kMMA, kMMB) == 0 && GetXD_DEST(0, 1, 1, kMMA, kMMB) == 0);
    EXPECT_EQ(GetXD_DEST(0.01, 1, 1, kMMA, kMMB), 1);
    for (double x0 : {0.1, 0.9}) EXPECT_NEAR(GetXD_DEST(100, 0, x0, kMMA, kMMB), x0, 1e-14);
    EXPECT_NEAR(GetXD_DEST(30, 0.4, 0.4, kMMA, kMMB), 0.4, 1e-14);
}

TEST(Quantities, StillAndDistillateShareTheChargeAndTheVapourIsInEquilibrium)
{
    const double w0 = fraccionMasica(kX0, kMMA, kMMB), n0 = kM0 * (w0 / kMMA + (1 - w0) / kMMB);
    for (double P = 0.37; P < 100; P += 0.37) {
        const ValoresMagnitudes v = enArranque(P), kg = enArranque(P, 1000);
        auto q = [&v](int i) { return v[static_cast<std::size_t>(i)]; };
        ASSERT_NEAR(q(MasaTotalResid) + q(MasaTotalDest), kM0, 1e-9) << P;
        ASSERT_NEAR(q(MasaAResid) + q(MasaADest), kM0 * w0, 1e-9) << P;
        ASSERT_NEAR(q(MasaBResid) + q(MasaBDest), kM0 * (1 - w0), 1e-9) << P;
        ASSERT_NEAR(q(MolesTotalResid) + q(MolesTotalDest), n0, 1e-10) << P;
        ASSERT_NEAR(q(PctMolesTotalDest), 100 * q(MolesTotalDest) / n0, 1e-9) << P;
        ASSERT_NEAR(q(PctMasaADest) + q(PctMasaBDest) + q(PctMasaAResid) + q(PctMasaBResid), 200, 1e-12) << P;
        ASSERT_NEAR(q(XADest) + q(XBDest) + q(XAResid) + q(XBResid), 2, 1e-15) << P;
        ASSERT_NEAR(q(MolesADest) / q(MolesTotalDest), q(XADest), 1e-14) << P;
        ASSERT_NEAR(q(MolesAResid) / q(MolesTotalResid), q(XAResid), 1e-14) << P;
        ASSERT_EQ(q(YAVapor), alfa(kAlfa).yEq(q(XAResid))) << P;
        ASSERT_TRUE(q(XADest) > q(XAResid) && q(YAVapor) > q(XAResid)) << P;
        // Another unit leaves every mass figure and multiplies every mole figure.
        for (std::size_t i = 0; i < kNumMagnitudes; ++i) {
            const bool moles = magnitudes()[i].codigo.find('N') != std::string_view::npos && magnitudes()[i].codigo[0] != '%';
            ASSERT_NEAR(kg[i], (moles ? 1000 : 1) * v[i], 1e-12 * kg[i]) << magnitudes()[i].codigo << " at " << P;
        }
    }
}

TEST(Quantities, TheGraphAxesOfferEveryQuantityOnce)
{
    std::multiset<int> ejes(listaEjeY().begin(), listaEjeY().end());
    ejes.insert(listaEjeX().begin(), listaEjeX().end());
    for (int q = 0; q < kNumMagnitudes; ++q) EXPECT_EQ(ejes.count(q), 1u) << q;
}

TEST(StageChain, TwoStagesPassTheDistillateOnAndSplitItsAAndB)
{
    Entradas e = entradas();
    const std::array<double, kMaxEtapas> cortes{50, 40, 0, 0, 0, 0};
    CadenaEtapas cadena;
    const EstadoEtapa uno = calcularEtapa(cadena, alfa(kAlfa), e, cortes, 1), dos = calcularEtapa(cadena, alfa(kAlfa), e, cortes, 2);
    ASSERT_TRUE(uno.error == nullptr && dos.error == nullptr);
    EXPECT_TRUE(uno.masaCarga == kM0 && uno.destilado.masa == 250 && uno.alambique.masa == 250 && uno.avance == 50);
    EXPECT_TRUE(dos.fraccion == 0.5 && dos.masaCarga == 250 && dos.destilado.masa == 100 && dos.avance == 40);
    EXPECT_EQ(uno.alambique.x, cadena.columna(1)[5000]);
    EXPECT_EQ(uno.destilado.x, GetXD_DEST(50, uno.alambique.x, kX0, kMMA, kMMB));
    EXPECT_TRUE(cadena.x0Etapa(1) == uno.destilado.x && cadena.columna(2)[0] == uno.destilado.x);
    EXPECT_GT(dos.destilado.x, uno.destilado.x);
    EXPECT_NEAR(dos.alambique.masaA + dos.destilado.masaA, uno.destilado.masaA, 1e-9);
    EXPECT_NEAR(dos.alambique.masaB + dos.destilado.masaB, uno.destilado.masaB, 1e-9);
    EXPECT_NEAR(dos.destilado.molesA / (dos.destilado.molesA + dos.destilado.molesB), dos.destilado.x, 1e-14);
    // The still's text, in kilograms with a decimal comma.
    EXPECT_EQ(textoContenido(contenidoDeLiquido(kX0, kM0, kMMA, kMMB, 1000), "kg", ','),
              "Total mass: 500 kg\r\n\r\nA component:\r\n  180,55 kg 36,11 %\r\n  2311,4 mol\r\n  Xa=0,4\r\n\r\n"
              "B component:\r\n  319,45 kg 63,89 %\r\n  3467,1 mol\r\n  Xb=0,6");
    const Contenido vacio = contenidoDeLiquido(0, 0, kMMA, kMMB, 1);
    EXPECT_TRUE(vacio.wB == 0 && vacio.xB == 0);  // an empty still is not pure B
}

TEST(StageChain, ChargesAreTheProductOfTheEarlierCutsAndTheCutTheTypedPercentOrTheSlider)
{
    const std::array<double, kMaxEtapas> cortes{40, 50, 25, 100, 0, 70};
    const double esperada[] = {1, 0.4, 0.2, 0.05, 0.05, 0};
    for (int k = 1; k <= kMaxEtapas; ++k)
        EXPECT_TRUE(fraccionCarga(cortes, k) == esperada[k - 1] && masaCargaVista(cortes, k, 500) == 500 * esperada[k - 1]) << k;
    // The views multiply M0 by each cut in order; the still's product of
    // fractions can differ from that in the last bit.
    EXPECT_EQ(masaCargaVista({99, 99.5, 0, 0, 0, 0}, 3, 5e-3), 5e-3 * (99.0 / 100) * (99.5 / 100));
    const double leido[] = {40, 0, 100, 37.25, NO, -1, 100.5}, efectivo[] = {40, 0, 100, 37.25, 35, 35, 35};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(corteEfectivo(leido[i], 35), efectivo[i]) << leido[i];
}

TEST(StageChain, AStageIsComputedOnceUntilInvalidatedAndFailuresAreToldInTheViewsOrder)
{
    CadenaEtapas cadena;
    for (double x0 : {0.4, 0.7}) {
        cadena.fijarCargaInicial(x0);
        ASSERT_TRUE(cadena.asegurar(1, alfa(kAlfa), kMMA, kMMB));
    }
    EXPECT_EQ(cadena.columna(1)[0], 0.4);  // not seen while the flag is set
    ASSERT_TRUE(cadena.asegurar(2, alfa(kAlfa), kMMA, kMMB));
    cadena.invalidar(1, 1);
    EXPECT_TRUE(cadena.calculada(2));
    EXPECT_TRUE(!cadena.calculada(1) && cadena.asegurar(1, alfa(kAlfa), kMMA, kMMB) && cadena.columna(1)[0] == 0.7);
    cadena.invalidar();
    Entradas e = entradas();
    EXPECT_EQ(calcularEtapa(cadena, alfa(0.5), e, {}, 1).error, &mensajes::valoresIniciales);
    const std::pair<void (*)(Entradas&), const Texto*> pasos[] = {
        {[](Entradas&) {}, nullptr}, {[](Entradas& x) { x.alfa = 1; }, &mensajes::volatilidad},
        {[](Entradas& x) { x.modoTabla = true; }, nullptr}, {[](Entradas& x) { x.x0 = 1.5; }, &mensajes::fraccionInicial},
        {[](Entradas& x) { x.m0 = 0; }, &mensajes::masaInicial}, {[](Entradas& x) { x.mmb = NO; }, &mensajes::masaMolar}};
    for (const auto& [cambio, mensaje] : pasos) {
        cambio(e);  // each failure comes before those already there
        EXPECT_EQ(validarEntradas(e, true, true), mensaje);
    }
    e = entradas();
    e.m0 = 0;  // the graph wants a mass, the other views do not
    EXPECT_EQ(validarEntradas(e, false, true), nullptr);
}

// The text of the progress table view. (quillon-table's tests read the
// start-up text and the later stages of the example.)

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
    Entradas e = entradas();
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
    Entradas e = entradas();
    const auto l = lineas(e, {"a", "b", 1, 10, {}, '.'});
    ASSERT_EQ(l.size(), 6u + 2 + 11);
    for (std::size_t i = 5; i < l.size(); ++i) EXPECT_EQ(l[i], "") << i;
    // The table checks alpha, which the stage row does not.
    const char* error = nullptr;
    e.alfa = 1;
    EXPECT_TRUE(lineas(e, {}, &error).empty());
    EXPECT_STREQ(error, "ERROR: Relative volatility is out of range");
}

}  // namespace
