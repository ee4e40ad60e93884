// The stages at the edges of what the checks accept: every number finite,
// every fraction and amount within its physical range, whatever the molar
// masses and the charge, and a stage computed again when its charge changed.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string_view>

#include "model/cadena.h"
#include "model/columna_platos.h"
#include "model/magnitudes.h"
#include "model/rectificacion.h"
#include "support/etapas.h"

using namespace quillon;
using namespace prueba;

namespace {

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
