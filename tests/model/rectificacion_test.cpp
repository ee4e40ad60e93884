// Batch rectification: the staircase against a hand computation and
// Fenske's total reflux; the progress table against an independent
// integration that walks the column down with the inverse equilibrium;
// constant purity's mass balance and its switch to Rmax; the refusals; the
// column's boxes; the stage chain through the column, and simple
// distillation left as it was; a table computed in pieces.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "model/cadena.h"
#include "model/composicion.h"
#include "model/escalera.h"
#include "model/tabla_texto.h"
#include "support/etapas.h"
#include "support/tabla_elv.h"

using namespace quillon;
using namespace prueba;

namespace {

constexpr auto kRazon = PoliticaReflujo::RazonConstante;
constexpr auto kPureza = PoliticaReflujo::PurezaConstante;

struct Corrida {
    std::unique_ptr<ColumnaAvance> alambique = std::make_unique<ColumnaAvance>();
    std::unique_ptr<AvanceColumnaPlatos> cabeza = std::make_unique<AvanceColumnaPlatos>();
    RechazoColumna rechazo;
    bool ok = false;
};
Corrida rectificar(const ModeloELV& elv, const ColumnaPlatos& c, double x0 = kX0)
{
    Corrida r;
    r.ok = CrearTablaRectificacion(elv, c, kMMA, kMMB, x0, *r.alambique, *r.cabeza, r.rechazo);
    return r;
}

// --- The independent column, alpha constant: walked from the top down with
// the inverse equilibrium, solved by bisection, integrated by Simpson's rule.
double fondo(int platos, double R, double xD)  // the still's liquid under a distillate xD
{
    const auto inversa = [](double y) { return y / (kAlfa - (kAlfa - 1) * y); };
    double x = inversa(xD);
    for (int n = 0; n < platos; ++n) x = inversa((R * x + xD) / (R + 1));
    return x;
}
double biseccion(const std::function<double(double)>& f, double a, double b)  // f(a) < 0 < f(b)
{
    for (int i = 0; i < 100; ++i) ((f((a + b) / 2) < 0) ? a : b) = (a + b) / 2;
    return (a + b) / 2;
}
double destiladoAMano(int N, double R, double xW) { return biseccion([&](double xD) { return fondo(N, R, xD) - xW; }, xW, 1); }
double reflujoAMano(int N, double xD, double xW) { return biseccion([&](double R) { return xW - fondo(N, R, xD); }, 1e-9, 1e7); }
// The still's composition after mass fraction `hasta` of the charge is
// distilled, at constant R, from a still of composition x0 when m0 of the
// charge had been distilled: Rayleigh's integral in moles, in steps of ln x.
double alambiqueAMano(int platos, double R, double x0, double m0, double hasta)
{
    const auto masaMolar = [](double x) { return x * kMMA + (1 - x) * kMMB; };
    const auto f = [&](double u) { return 1 / (destiladoAMano(platos, R, std::exp(u)) / std::exp(u) - 1); };
    const double du = 1e-3;
    double lnW = 0, mPrevia = m0;
    for (double u = std::log(x0);; u -= du) {
        const double m = 1 - std::exp(-lnW) * masaMolar(std::exp(u)) / masaMolar(x0) * (1 - m0);
        if (m >= hasta) return std::exp(u + du * (m - hasta) / (m - mPrevia));
        mPrevia = m;
        lnW += du / 6 * (f(u) + 4 * f(u - du / 2) + f(u - du));
    }
}

// The staircase: one plate by hand, Fenske at total reflux, the still's
// vapour without reflux or plates, and its corners on the curve and the line.
TEST(Escalera, OnePlateByHandFenskeAtTotalRefluxAndCornersOnTheCurveAndTheLine)
{
    // alpha 2, one plate, R = 1, xW = 0.5: y0 = 2/3, the plate's liquid is
    // 2·y0 - xD and its vapour 2x/(1 + x) = xD, so 3xD² - 13xD + 8 = 0.
    const double aMano = (13 - std::sqrt(73.0)) / 6;
    EXPECT_NEAR(destiladoConReflujo(alfa(2), 1, 0.5, 1), aMano, 1e-12);
    EXPECT_NEAR(vaporDeCabeza(alfa(2), 1, 0.5, 1, aMano), aMano, 1e-12);
    EXPECT_EQ(vaporDeCabeza(alfa(2), 3, 0.5, 0, 0.9), alfa(2).yEq(0.5));
    const struct {
        double alfa, xW;
        int platos;
    } filas[] = {{kAlfa, 0.3, 1}, {kAlfa, 0.05, 10}, {1.2, 0.5, 30}, {100, 1e-4, 3}};
    for (const auto& f : filas) {
        const double fenske = std::pow(f.alfa, f.platos + 1) * f.xW / (1 - f.xW), y0 = alfa(f.alfa).yEq(f.xW);
        EXPECT_NEAR(destiladoConReflujo(alfa(f.alfa), f.platos, f.xW, 1e9), fenske / (1 + fenske), 1e-7) << f.alfa;
        EXPECT_TRUE(destiladoConReflujo(alfa(f.alfa), f.platos, f.xW, 0) == y0 && destiladoConReflujo(alfa(f.alfa), 0, f.xW, 5) == y0);
    }
    for (int platos : {0, 6}) {
        const double xW = 0.2, R = 1.5, xD = destiladoConReflujo(alfa(kAlfa), platos, xW, R);
        const EscaleraMcCabe e = escaleraMcCabe(alfa(kAlfa), platos, xW, R, xD);
        ASSERT_EQ(e.esquinas.size(), static_cast<std::size_t>(2 * platos + 2));
        EXPECT_TRUE(e.esquinas.front() == (PuntoXY{xD, xD}) && e.esquinas.back() == (PuntoXY{xW, alfa(kAlfa).yEq(xW)}));
        for (std::size_t i = 1; i < e.esquinas.size(); ++i)  // odd corners on the curve, even on the line
            EXPECT_NEAR(e.esquinas[i].y, i % 2 ? alfa(kAlfa).yEq(e.esquinas[i].x) : R / (R + 1) * e.esquinas[i].x + xD / (R + 1), 1e-12);
        EXPECT_TRUE(e.lineaDesde == (PuntoXY{0, xD / (R + 1)}) && e.lineaHasta == (PuntoXY{xD, xD}));
    }
    EXPECT_EQ(escaleraMcCabe(alfa(kAlfa), 5, 0.2, 0, alfa(kAlfa).yEq(0.2)).esquinas.size(), 2u);
}

// A guess only saves work: from near or far, on either side, the searches
// end where the unguided ones do, to far closer than any row shows; also at
// a high alpha (a strongly curved staircase), many plates, a table's
// equilibrium and a vanishing still.
TEST(Escalera, FromAnyGuessTheSearchesEndAtTheSameRoot)
{
    SuperTablaELV densa{};
    CrearSuperTABLA_ELV(tablaELV({0, 0.1, 0.4, 1}, {0, 0.3, 0.62, 1}), densa);
    const struct {
        ModeloELV elv;
        int platos;
        double xW, R;
    } filas[] = {{alfa(kAlfa), 5, 0.3, 2}, {alfa(100), 3, 0.004, 0.5}, {alfa(1.2), 30, 0.5, 20},
                 {{true, 0, &densa}, 4, 0.2, 1.5}, {alfa(kAlfa), 10, 1e-30, 3}};
    for (const auto& f : filas) {
        const double xD = destiladoConReflujo(f.elv, f.platos, f.xW, f.R);
        for (double d : {3e-9, -4e-8, 9e-8, 1e-6, -1e-4, 0.3, -0.9}) {
            EXPECT_NEAR(destiladoConReflujo(f.elv, f.platos, f.xW, f.R, xD * (1 + d)), xD, 1e-13 * xD) << f.R << " " << d;
            // The least reflux ratio giving that distillate is R again.
            EXPECT_NEAR(reflujoMinimo(f.elv, f.platos, f.xW, xD, 1e6, f.R * (1 + d)).R, f.R, 1e-9 * f.R) << f.R << " " << d;
        }
    }
}

TEST(Rectificacion, ConstantRefluxFollowsTheIndependentIntegration)
{
    const Corrida c = rectificar(alfa(kAlfa), {5, kRazon, 2, 0, 0});
    ASSERT_TRUE(c.ok);
    EXPECT_TRUE((*c.alambique)[0] == kX0 && (*c.alambique)[kPasosAvance] == 0 && c.cabeza->avanceReflujoMaximo < 0);
    for (std::size_t i : {1000, 3000, 5000, 7000}) {
        EXPECT_NEAR((*c.alambique)[i], alambiqueAMano(5, 2, kX0, 0, i / 1e4), 1e-6) << i;
        EXPECT_TRUE(std::fabs(c.cabeza->destilado[i] - destiladoAMano(5, 2, (*c.alambique)[i])) < 1e-9 && c.cabeza->reflujo[i] == 2) << i;
    }
}

// Before the switch the distillate has the purity, and the still is the
// charge less it (D = W0 (x0 - xW)/(xD - xW)); R is the least that holds
// it. The switch lies where that least is Rmax; after it R stays there and
// the distillate falls, the still following Rayleigh again.
TEST(Rectificacion, ConstantPurityHoldsItsMassBalanceUntilTheSwitchThenFallsAtRmax)
{
    const int platos = 10;
    const double xD = 0.95, Rmax = 8;
    const Corrida c = rectificar(alfa(kAlfa), {platos, kPureza, 0, xD, Rmax});
    ASSERT_TRUE(c.ok);
    const double w0 = fraccionMasica(kX0, kMMA, kMMB), wD = fraccionMasica(xD, kMMA, kMMB);
    const double xCambio = biseccion([&](double x) { return Rmax - reflujoAMano(platos, xD, x); }, 1e-6, kX0);
    const double wCambio = fraccionMasica(xCambio, kMMA, kMMB), mCambio = (w0 - wCambio) / (wD - wCambio);
    EXPECT_NEAR(c.cabeza->avanceReflujoMaximo, 100 * mCambio, 1e-7);
    for (std::size_t i = 0; i < 6000; i += 500) {
        const double m = i / 1e4, x = (*c.alambique)[i], R = c.cabeza->reflujo[i], xDi = c.cabeza->destilado[i];
        if (m < mCambio) {
            EXPECT_NEAR(x, fraccionMolar(w0 - wD * m, 1 - m - (w0 - wD * m), kMMA, kMMB), 1e-12) << i;
            EXPECT_TRUE(std::fabs(R / reflujoAMano(platos, xD, x) - 1) < 1e-4 && xDi == xD) << i;
        } else {
            EXPECT_NEAR(x, alambiqueAMano(platos, Rmax, xCambio, mCambio, m), 1e-6) << i;
            EXPECT_TRUE(std::fabs(xDi - destiladoAMano(platos, Rmax, x)) < 1e-9 && R == Rmax && xDi < c.cabeza->destilado[i - 500]) << i;
        }
    }
}

// A table with an azeotrope at x = y = 0.8: from there on its volatility
// is 1. The column reads it continuous in x: one least reflux ratio
// whatever Rmax brackets it, finite rows within their ranges; a table of
// one alpha runs as that alpha.
TEST(Rectificacion, ATablesEquilibriumGivesOneSolutionAndFiniteRowsWithinTheirRanges)
{
    SuperTablaELV densa{}, constante;
    CrearSuperTABLA_ELV(tablaELV({0, 0.05, 0.2, 0.5, 0.8, 1}, {0, 0.3, 0.5, 0.65, 0.8, 1}), densa);
    constante.fill(kAlfa);
    const ModeloELV tabla{true, 0, &densa};
    EXPECT_EQ(*rectificar({true, 0, &constante}, {4, kPureza, 0, 0.95, 6}).alambique, *rectificar(alfa(kAlfa), {4, kPureza, 0, 0.95, 6}).alambique);
    EXPECT_NEAR(reflujoMinimo(tabla, 4, 0.1, 0.75, 1e3).R, reflujoMinimo(tabla, 4, 0.1, 0.75, 60).R, 1e-9);
    for (const ColumnaPlatos& col : {ColumnaPlatos{3, kRazon, 1.5, 0, 0}, ColumnaPlatos{30, kRazon, 1e6, 0, 0}, ColumnaPlatos{4, kPureza, 0, 0.75, 6}})
        for (double x0 : {0.1, 0.3}) {
            const Corrida c = rectificar(tabla, col, x0);
            ASSERT_TRUE(c.ok) << textoRechazo(c.rechazo);
            for (std::size_t i = 1; i <= kPasosAvance; ++i) {
                const double x = (*c.alambique)[i], R = c.cabeza->reflujo[i], xD = c.cabeza->destilado[i];
                ASSERT_TRUE(x >= 0 && x <= (*c.alambique)[i - 1] && xD >= x && xD <= 0.8 && R >= 0 && R <= 1e6) << x0 << " row " << i;
            }
        }
    // The refusals, with the figure each gives (the best purity at Rmax
    // by the inverse staircase), and an alpha no column runs with.
    const struct {
        bool tabla;
        double x0, xD, Rmax;
        const char* mensaje;
    } rechazos[] = {
        {false, 0.4, 0.4, 5, "ERROR: The distillate purity must be above the charge's mole fraction of A (0.4)"},
        {true, 0.3, 0.85, 5, "ERROR: The distillate purity lies beyond an azeotrope of the equilibrium in force (x = 0.8)"},
        {true, 0.9, 0.95, 5, "ERROR: The distillate purity lies beyond an azeotrope of the equilibrium in force (x = 0.8)"},
        {false, 0.1, 0.99, 2, "ERROR: The column cannot give the distillate purity even at the largest reflux ratio (at most 0.38578)"},
        {false, 0.4, 0.7, 0, "ERROR: The column cannot give the distillate purity even at the largest reflux ratio (at most 0.62025)"}};
    for (const auto& f : rechazos) {
        const Corrida c = rectificar(f.tabla ? tabla : alfa(kAlfa), {2, kPureza, 0, f.xD, f.Rmax}, f.x0);
        EXPECT_TRUE(!c.ok && textoRechazo(c.rechazo) == f.mensaje) << textoRechazo(c.rechazo);
    }
    EXPECT_FALSE(rectificar(alfa(1), {2, kRazon, 1, 0, 0}).ok);
    // A purity the still's own vapour exceeds needs no reflux at first.
    const Corrida c = rectificar(alfa(kAlfa), {2, kPureza, 0, 0.5, 3});
    EXPECT_TRUE(c.ok && c.cabeza->reflujo[0] == 0 && c.cabeza->destilado[0] == alfa(kAlfa).yEq(kX0));
}

// Each box read with the number reader, refused with its own message.
TEST(ColumnaPlatos, EachBoxIsReadWithTheNumberReaderAndRefusedWithItsMessage)
{
    const struct {
        TextosColumnaPlatos t;
        const Texto* error;
        ColumnaPlatos c;
    } filas[] = {{{" 30 ", kPureza, "x", "75%", "1e6"}, nullptr, {30, kPureza, 0, 0.75, 1e6}},
                 {{"0", kPureza, "", "", ""}, nullptr, {0, kPureza, 0, 0, 0}},
                 {{"2.5", kRazon, "2", "", ""}, &mensajes::platos, {}},
                 {{"1", kRazon, "2e6", "", ""}, &mensajes::reflujo, {}},
                 {{"1", kPureza, "", "1.2", "2"}, &mensajes::pureza, {}},
                 {{"1", kPureza, "", "0.9", ""}, &mensajes::reflujoMaximo, {}}};
    for (const auto& f : filas) {
        const LecturaColumnaPlatos l = leerColumnaPlatos(f.t);
        EXPECT_TRUE(l.error == f.error && (f.error || l.columna == f.c)) << f.t.platos;
    }
}

// No plates leave the stage tables bit for bit as simple distillation made
// them; with plates each stage redistils the one before through the column,
// and a refusal names its stage. The table offers the column's quantities
// only with a column.
TEST(CadenaConColumna, NoPlatesIsSimpleDistillationAndEachStageRedistilsThroughTheColumn)
{
    const Entradas e{.mma = kMMA, .mmb = kMMB, .alfa = kAlfa, .x0 = kX0, .m0 = 500, .numEtapas = 3};
    const std::array<double, kMaxEtapas> cortes{50, 50, 50, 0, 0, 0};
    CadenaEtapas simple, conCero, cadena;
    conCero.fijarColumna({0, kPureza, 3, 0.9, 1});
    for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(!calcularEtapa(simple, alfa(kAlfa), e, cortes, k).error && !calcularEtapa(conCero, alfa(kAlfa), e, cortes, k).error);
        EXPECT_TRUE(simple.columna(k) == conCero.columna(k) && !etapaEvaluable(conCero, alfa(kAlfa), e, cortes, k).columnaPlatos) << k;
    }
    cadena.fijarColumna({3, kRazon, 1, 0, 0});
    const EstadoEtapa uno = calcularEtapa(cadena, alfa(kAlfa), e, cortes, 1);
    calcularEtapa(cadena, alfa(kAlfa), e, cortes, 2);
    EXPECT_TRUE(uno.destilado.x > simple.x0Etapa(1) && cadena.alambiqueEnFila(2, 0) == uno.destilado.x);
    EXPECT_EQ(cadena.cabezaEnFila(2, 0).xD, destiladoConReflujo(alfa(kAlfa), 3, uno.destilado.x, 1));
    const PeticionTabla p{"benzene", "toluene", 1, 10, {XAResid, kReflujo, kDestiladoCondensador}, '.'};
    EXPECT_EQ(ValoresTablaVista(simple, alfa(kAlfa), e, cortes, p).valores.items, std::vector<int>{XAResid});
    EXPECT_EQ(ValoresTablaVista(cadena, alfa(kAlfa), e, cortes, p).valores.filas[5],
              (std::vector<double>{cadena.columna(1)[5000], 1, cadena.cabeza(1).destilado[5000]}));
    // Cut before its switch, the first stage's distillate has the purity
    // (to within rounding): the second cannot be held at it.
    cadena.fijarColumna({5, kPureza, 0, 0.93, 20});
    EXPECT_EQ(calcularEtapa(cadena, alfa(kAlfa), e, {20, 50}, 1).error, nullptr);
    const EstadoEtapa refusada = calcularEtapa(cadena, alfa(kAlfa), e, {20, 50}, 2);
    ASSERT_TRUE(refusada.rechazo.has_value());
    EXPECT_EQ(textoRechazo(*refusada.rechazo, ','),
              "ERROR: The distillate purity must be above the charge's mole fraction of A (0,93) in stage 2");
}

// A table computed in pieces is the table computed in one go, bit for bit:
// whatever the rows it stops at (a row asked for twice, or behind, changes
// nothing), around the switch to Rmax and where the still runs out of A.
// A refused charge begins nothing and leaves the columns as they were.
struct Trozos {
    ColumnaPlatos columna;
    double x0;
    std::vector<int> paradas;  // rows; -1, -2, -3: the row before, at and after the switch to Rmax
};
class TablaEnTrozos : public testing::TestWithParam<Trozos> {};
void PrintTo(const Trozos& t, std::ostream* os)
{
    const bool razon = t.columna.politica == kRazon;
    *os << t.columna.platos << " plates, " << (razon ? "R " : "xD ") << (razon ? t.columna.reflujo : t.columna.pureza) << ", stops";
    for (int p : t.paradas) *os << ' ' << p;
}

TEST_P(TablaEnTrozos, IsTheTableComputedInOneGo)
{
    const Trozos& t = GetParam();
    const Corrida entera = rectificar(alfa(kAlfa), t.columna, t.x0);
    Corrida trozos;
    trozos.alambique->fill(NAN);
    trozos.cabeza->destilado.fill(NAN);
    auto integracion =
        IntegracionColumna::iniciar(alfa(kAlfa), t.columna, kMMA, kMMB, t.x0, *trozos.alambique, *trozos.cabeza, trozos.rechazo);
    ASSERT_EQ(integracion.has_value(), entera.ok);
    if (!entera.ok) {
        EXPECT_TRUE(std::isnan((*trozos.alambique)[0]) && trozos.rechazo.mensaje);
        EXPECT_EQ(trozos.rechazo.mensaje, entera.rechazo.mensaje);
        return;
    }
    int cambio = 1;  // the first row below the purity
    while (cambio < kPasosAvance && !(entera.cabeza->destilado[static_cast<std::size_t>(cambio)] < t.columna.pureza)) ++cambio;
    int hecha = 0;
    for (int parada : t.paradas) {
        const int fila = parada >= 0 ? parada : cambio - 2 - parada;
        integracion->avanzarHasta(fila);
        hecha = std::max(hecha, fila);
        EXPECT_EQ(integracion->fila(), hecha);
        EXPECT_TRUE(hecha == kPasosAvance || std::isnan((*trozos.alambique)[static_cast<std::size_t>(hecha + 1)])) << fila;
    }
    integracion->avanzarHasta(kPasosAvance);
    EXPECT_TRUE(integracion->completa());
    EXPECT_EQ(std::memcmp(entera.alambique.get(), trozos.alambique.get(), sizeof(ColumnaAvance)), 0);
    EXPECT_EQ(std::memcmp(&entera.cabeza->reflujo, &trozos.cabeza->reflujo, sizeof(ColumnaAvance)), 0);
    EXPECT_EQ(std::memcmp(&entera.cabeza->destilado, &trozos.cabeza->destilado, sizeof(ColumnaAvance)), 0);
    EXPECT_EQ(std::memcmp(&entera.cabeza->avanceReflujoMaximo, &trozos.cabeza->avanceReflujoMaximo, sizeof(double)), 0);
}

INSTANTIATE_TEST_SUITE_P(Rectificacion, TablaEnTrozos,
                         testing::Values(Trozos{{5, kRazon, 2, 0, 0}, kX0, {0, 1, 2, 6000, 6000, 9999}},
                                         Trozos{{10, kPureza, 0, 0.95, 8}, kX0, {1500, -1, -2, -3, 7000}},
                                         Trozos{{10, kPureza, 0, 0.95, 8}, kX0, {-2, 4000}},
                                         Trozos{{10, kPureza, 0, 0.95, 8}, kX0, {6000, 5000, 10000}},
                                         Trozos{{20, kRazon, 20, 0, 0}, kX0, {3550, 3600, 3650, 3700}},
                                         Trozos{{3, kPureza, 0, 0.99, 5}, kX0, {100}}));

// The chain computes a column's stage for its still as far as its cut: the
// cut's liquids are those of the whole table, a row read past the cut is
// computed first; kept through a charge of the
// same value, it goes on with what it was begun with (alpha 0 would refuse
// it) to the whole table; another column drops it.
TEST(CadenaConColumna, AStageComputedAsFarAsItsCutGivesWhatTheWholeTableGives)
{
    const Entradas e = entradas();
    CadenaEtapas hastaCorte, entera;
    for (CadenaEtapas* c : {&hastaCorte, &entera}) c->fijarColumna({10, kPureza, 0, 0.95, 8});
    entera.fijarCargaInicial(kX0);
    ASSERT_TRUE(entera.asegurar(1, alfa(kAlfa), kMMA, kMMB));
    const EstadoEtapa a = calcularEtapa(hastaCorte, alfa(kAlfa), e, {30}, 1), b = calcularEtapa(entera, alfa(kAlfa), e, {30}, 1);
    EXPECT_TRUE(hastaCorte.calculadaHasta(1, 3000) && !hastaCorte.calculadaHasta(1, 3001) && !hastaCorte.calculada(1));
    EXPECT_TRUE(a.alambique.x == b.alambique.x && hastaCorte.x0Etapa(1) == entera.x0Etapa(1));
    // A row past the cut read is computed first.
    EXPECT_EQ(hastaCorte.cabezaEnFila(1, 5000).R, entera.cabeza(1).reflujo[5000]);
    const unsigned long version = hastaCorte.version(1);
    hastaCorte.invalidarCargas(1);
    ASSERT_TRUE(hastaCorte.asegurar(1, alfa(0), kMMA, kMMB));
    EXPECT_TRUE(hastaCorte.version(1) == version && hastaCorte.columna(1) == entera.columna(1));
    EXPECT_EQ(hastaCorte.cabeza(1).avanceReflujoMaximo, entera.cabeza(1).avanceReflujoMaximo);
    hastaCorte.fijarColumna({10, kPureza, 0, 0.95, 9});
    EXPECT_TRUE(!hastaCorte.calculadaHasta(1, 0) && !hastaCorte.continuar(1, 100));
}

}  // namespace
