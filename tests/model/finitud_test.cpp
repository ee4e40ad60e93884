// No NaN and no infinity: every input that passes the checks gives finite
// numbers in every still, quantity and table row; an input whose arithmetic
// cannot stay finite is refused with the message of that input.

#include <gtest/gtest.h>

#include <cmath>

#include "model/arranque.h"
#include "model/mensajes.h"

using namespace quillon;

namespace {

Entradas entradas(double mma, double mmb, double m0, double x0 = 0.4, double alfa = 2.45, int unidad = 0)
{
    return Entradas{.mma = mma, .mmb = mmb, .alfa = alfa, .x0 = x0, .m0 = m0, .unidad = unidad, .numEtapas = kMaxEtapas};
}

TEST(Finitud, InputsWhoseArithmeticOverflowsAreRefusedWithTheirMessage)
{
    const std::pair<Entradas, const Texto*> filas[] = {
        {entradas(1e307, 92.14, 500), &mensajes::masaMolar}, {entradas(1e-310, 1e-310, 500), &mensajes::masaMolar},
        {entradas(78.1121, 1e101, 500), &mensajes::masaMolar}, {entradas(78.1121, 92.14, 1.7e308), &mensajes::masaInicial},
        {entradas(78.1121, 92.14, 1e201), &mensajes::masaInicial}};
    for (const auto& [e, mensaje] : filas) EXPECT_EQ(validarEntradas(e, false, true), mensaje) << e.mma << " " << e.m0;
}

TEST(Finitud, InputsAtTheEdgesGiveFiniteNumbersInEveryStillAndEveryQuantity)
{
    const std::array<double, kMaxEtapas> cortes{37.5, 100, 50, 0, 100, 1};
    for (const Entradas& e : {entradas(1e-100, 1e-100, 1e200, 0.4, 2.45, 3), entradas(1e100, 1e100, 1e200, 0.4, 100, 3),
                              entradas(1e-100, 1e100, 1e200, 1e-310, 1.0000001, 2), entradas(1e100, 1e-100, 0, 1, 2.45, 1),
                              entradas(78.1121, 92.14, 1e200, 0.5, 100, 3)}) {
        ASSERT_EQ(validarEntradas(e, false, true), nullptr);
        const ModeloELV elv = prueba::alfa(e.alfa);
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

}  // namespace
