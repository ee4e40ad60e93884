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

using namespace quillon;

namespace {

// The start-up inputs of the English build: benzene/toluene, alpha 2.45,
// x0 0.4, 500 g, one stage.
constexpr double kMMA = 78.1121, kMMB = 92.14, kAlfa = 2.45, kX0 = 0.4, kM0 = 500;
constexpr double NO = VALOR_NO_VALIDO;
constexpr double kInfinito = std::numeric_limits<double>::infinity();

Entradas entradas(double mma = kMMA, double mmb = kMMB, double m0 = kM0, double x0 = kX0, double alfa = kAlfa, int unidad = 0)
{
    return Entradas{.mma = mma, .mmb = mmb, .alfa = alfa, .x0 = x0, .m0 = m0, .unidad = unidad};
}

ModeloELV alfa(double a) { return ModeloELV{false, a, nullptr}; }

// A stage table on the heap (10001 rows); the test fails if it is refused.
std::unique_ptr<ColumnaAvance> columna(const ModeloELV& elv, double x0 = kX0, double mma = kMMA, double mmb = kMMB)
{
    auto c = std::make_unique<ColumnaAvance>();
    if (!CrearTablaAvanceDes(elv, mma, mmb, x0, *c)) ADD_FAILURE() << "stage table refused";
    return c;
}

TablaELV tabla(std::initializer_list<std::pair<double, double>> puntos)
{
    TablaELV t;
    t.x.fill(-1);
    t.y.fill(-1);
    for (auto [x, y] : puntos) {
        t.x[static_cast<std::size_t>(t.ultPunto)] = x;
        t.y[static_cast<std::size_t>(t.ultPunto++)] = y;
    }
    --t.ultPunto;
    return t;
}

double yCon(double x, double a) { return alfa(a).yEq(x); }  // a point of local volatility a

TEST(Equilibrium, ConstantAlphaAndTheDenseTableInterpolatedInX)
{
    const struct {
        TablaELV t;
        double alfa[6];  // at x = 0, 0.2, 0.4, 0.6, 0.601, 1; 0 where no segment reaches
    } casos[] = {{tabla({{0, 0}, {0.5, 0.7}, {1, 1}}), {7.0 / 3, 7.0 / 3, 7.0 / 3, 7.0 / 3, 7.0 / 3, 7.0 / 3}},
                 {tabla({{0, 0}, {0.2, yCon(0.2, 3)}, {0.6, yCon(0.6, 2)}, {1, 1}}), {3, 3, 2.5, 2, 2, 2}},
                 {tabla({{0.2, yCon(0.2, 3)}, {0.6004, yCon(0.6004, 2)}}), {0, 3, 3 - 0.2 / 0.4004, 3 - 0.4 / 0.4004, 0, 0}}};
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

// No NaN and no infinity: every input that passes the checks gives finite
// numbers in every still, quantity and table row. (An input whose arithmetic
// cannot stay finite is refused by the validity rules: textos_test.cpp.)

TEST(Finitud, InputsAtTheEdgesGiveFiniteNumbersInEveryStillAndEveryQuantity)
{
    const std::array<double, kMaxEtapas> cortes{37.5, 100, 50, 0, 100, 1};
    for (const Entradas& e : {entradas(1e-100, 1e-100, 1e200, 0.4, 2.45, 3), entradas(1e100, 1e100, 1e200, 0.4, 100, 3),
                              entradas(1e-100, 1e100, 1e200, 1e-310, 1.0000001, 2), entradas(1e100, 1e-100, 0, 1, 2.45, 1),
                              entradas(78.1121, 92.14, 1e200, 0.5, 100, 3)}) {
        ASSERT_EQ(validarEntradas(e, false, true), nullptr);
        const ModeloELV elv = alfa(e.alfa);
        CadenaEtapas cadena;
        for (int k = 1; k <= kMaxEtapas; ++k) {
            const EstadoEtapa r = calcularEtapa(cadena, elv, e, cortes, k);
            ASSERT_EQ(r.error, nullptr);
            for (double v : {r.alambique.masa, r.alambique.x, r.alambique.molesA, r.alambique.molesB, r.destilado.masaA,
                             r.destilado.wB, r.destilado.molesA, r.destilado.molesB})
                ASSERT_TRUE(std::isfinite(v)) << "stage " << k;
            for (double P = 0; P <= 100; P += 2.5)
                for (double q : EvaluarMagnitudes(etapaEvaluable(cadena, elv, e, cortes, k), P))
                    ASSERT_TRUE(std::isfinite(q)) << "stage " << k << " P " << P;
        }
    }
}

// A stage put in doubt by an earlier cut keeps its table only while its
// charge and the molar masses are those it was computed with.
TEST(Cadena, AStageIsComputedAgainWhenItsChargeOrAMolarMassChanged)
{
    const ModeloELV elv = alfa(kAlfa);
    CadenaEtapas cadena;
    cadena.fijarCargaInicial(kX0);
    ASSERT_TRUE(cadena.asegurar(1, elv, kMMA, kMMB));
    const struct { double corte, mma; } pasos[] = {{50, kMMA}, {50, kMMA}, {70, kMMA}, {70, 2 * kMMA}};
    for (const auto& p : pasos) {
        cadena.invalidarCargas(2);
        cadena.cortar(1, p.corte, p.mma, kMMB);
        ASSERT_TRUE(cadena.asegurar(2, elv, p.mma, kMMB));
        ColumnaAvance nueva;
        ASSERT_TRUE(CrearTablaAvanceDes(elv, p.mma, kMMB, cadena.x0Etapa(1), nueva));
        EXPECT_EQ(cadena.columna(2), nueva) << p.corte << " " << p.mma;
    }
}

// Whatever the inputs that pass the checks, every mole fraction lies in
// [0, 1], every percentage in [0, 100] and every amount is at least 0: the
// distillate is the charge less the still, a difference of nearly equal
// masses when one component outweighs the other or the charge is almost pure.
TEST(Rango, EveryFractionAndAmountStaysPhysicalForAnyMolarMassRatioAndCharge)
{
    const auto fuera = [](int q, double v) {
        const std::string_view codigo = magnitudes()[static_cast<std::size_t>(q)].codigo;
        const double tope = codigo[0] == '%' ? 100 : codigo[1] == 'X' || codigo[1] == 'Y' ? 1 : kInfinito;
        return !(v >= 0 && v <= tope);
    };
    // Simple distillation, and through a column at either policy (a purity
    // the charge cannot give is refused, and its stages are not run).
    const ColumnaPlatos columnas[] = {{}, {5, PoliticaReflujo::RazonConstante, 2, 0, 0},
                                      {3, PoliticaReflujo::PurezaConstante, 0, 0.99, 8}};
    for (const ColumnaPlatos& columna : columnas)
    for (int potencia = -15; potencia <= 15; potencia += 3)
        for (double x0 : {1e-14, 0.4, 0.999999, 1 - 1e-14})
            for (double a : {1.01, 100.0}) {
                const Entradas e = entradas(3.3 * std::pow(10.0, potencia), 1.7, 0.3, x0, a, 1);
                const ModeloELV elv = alfa(a);
                CadenaEtapas cadena;
                cadena.fijarColumna(columna);
                for (int k = 1; k <= 2; ++k) {
                    const EstadoEtapa r = calcularEtapa(cadena, elv, e, {1e-9, 70, 0, 0, 0, 0}, k);
                    if (r.rechazo) break;
                    ASSERT_EQ(r.error, nullptr) << "1e" << potencia << " x0 " << x0 << " alpha " << a << " stage " << k;
                    for (const Contenido& c : {r.alambique, r.destilado})
                        for (double v : {c.masa, c.masaA, c.masaB, c.molesA, c.molesB, 1 - c.wA, 1 - c.wB, 1 - c.x, 1 - c.xB})
                            ASSERT_GE(v, 0) << "1e" << potencia << " x0 " << x0 << " alpha " << a << " stage " << k;
                    for (double P : {0.0, 1e-9, 0.01, 12.5, 50.0, 99.99, 100.0}) {
                        const EtapaEvaluable ev = etapaEvaluable(cadena, elv, e, {1e-9, 70}, k);
                        const ValoresMagnitudes v = EvaluarMagnitudes(ev, P);
                        if (columna.hay()) {
                            const double R = valorMagnitudColumna(kReflujo, ev, P);
                            const double xD = valorMagnitudColumna(kDestiladoCondensador, ev, P);
                            ASSERT_TRUE(R >= 0 && R <= kReflujoMayor && xD >= 0 && xD <= 1)
                                << "R " << R << " xD " << xD << " at 1e" << potencia << " x0 " << x0 << " alpha " << a
                                << " stage " << k << " P " << P << " plates " << columna.platos;
                        }
                        for (int q = 0; q < kNumMagnitudes; ++q)
                            ASSERT_FALSE(fuera(q, v[static_cast<std::size_t>(q)]))
                                << magnitudes()[q].codigo << " = " << v[static_cast<std::size_t>(q)] << " at 1e" << potencia
                                << " x0 " << x0 << " alpha " << a << " stage " << k << " P " << P;
                    }
                }
            }
}

// The first pass of the stage integration as described (10000 mass steps,
// the vapour's mass fraction of A averaged with the previous step's, the
// charge's for the first), worked in long double: 11 more bits than the
// program's arithmetic, so that B's side keeps its digits where A weighs a
// billion times more.
TEST(Rango, WhereAWeighsABillionTimesMoreTheStepsKeepBsDigits)
{
    const long double mma = 2e9, a = kAlfa;
    const auto w = [&](long double x) { return mma * x / ((1 - x) + mma * x); };
    long double wPrevio = w(kX0), mA = wPrevio, mB = 1 - wPrevio, x = kX0;
    const auto c = columna(alfa(kAlfa), kX0, static_cast<double>(mma), 1);
    for (int i = 1; i <= 9000; ++i) {
        const long double wy = w(a * x / ((a - 1) * x + 1)), wm = (wy + wPrevio) / 2;
        mA -= wm / kPasosAvance;
        mB -= (1 - wm) / kPasosAvance;
        x = (mA / mma) / (mB + mA / mma);
        wPrevio = wy;
        if (i == 1 || i == 10 || i % 3000 == 0) {
            EXPECT_NEAR((*c)[static_cast<std::size_t>(i)], static_cast<double>(x), 1e-9 * x) << i;
        }
    }
}

// When one component carries all the mass, distilling half the mass takes
// half of its moles, and Rayleigh's law with a constant alpha,
// nA/nA0 = (nB/nB0)^alpha, gives what went of the other.
TEST(Rango, ADistillateOfAComponentThatWeighsNothingFollowsRayleighsLaw)
{
    const ModeloELV elv = alfa(kAlfa);
    for (const bool pesaA : {true, false}) {
        const double mma = pesaA ? 1e15 : 1, mmb = pesaA ? 1 : 1e15;
        const double nAd = kX0 * (1 - (pesaA ? 0.5 : std::pow(0.5, kAlfa)));
        const double nBd = (1 - kX0) * (1 - (pesaA ? std::pow(0.5, 1 / kAlfa) : 0.5));
        const ValoresMagnitudes v = EvaluarMagnitudes({columna(elv, kX0, mma, mmb).get(), &elv, kX0, mma, mmb, 1, 1}, 50);
        EXPECT_TRUE(std::abs(v[XADest] - nAd / (nAd + nBd)) < 1e-4 && std::abs(v[XBDest] - nBd / (nAd + nBd)) < 1e-4) << pesaA;
        EXPECT_NEAR(v[MolesBDest] / v[MolesADest], nBd / nAd, 1e-3) << pesaA;
    }
}

}  // namespace
