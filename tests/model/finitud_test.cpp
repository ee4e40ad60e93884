// No NaN and no infinity: every input that passes the checks gives finite
// numbers in every still, quantity and table row; an input whose arithmetic
// cannot stay finite is refused with the message of that input.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/cadena.h"
#include "model/mensajes.h"
#include "model/tabla_texto.h"

using namespace quillon;

namespace {

Entradas entradas(double mma, double mmb, double m0, double x0 = 0.4, double alfa = 2.45, int unidad = 0)
{
    Entradas e;
    e.mma = mma;
    e.mmb = mmb;
    e.m0 = m0;
    e.x0 = x0;
    e.alfa = alfa;
    e.unidad = unidad;
    return e;
}

struct Rechazo {
    Entradas e;
    const Texto* mensaje;
};

class EntradaSinFin : public testing::TestWithParam<Rechazo> {};

TEST_P(EntradaSinFin, IsRefusedWithTheMessageOfThatInput)
{
    EXPECT_EQ(validarEntradas(GetParam().e, false, true), GetParam().mensaje);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EntradaSinFin,
    testing::Values(Rechazo{entradas(1e307, 92.14, 500), &mensajes::masaMolar},
                    Rechazo{entradas(1e-310, 1e-310, 500), &mensajes::masaMolar},
                    Rechazo{entradas(78.1121, 1e101, 500), &mensajes::masaMolar},
                    Rechazo{entradas(78.1121, 92.14, 1.7e308), &mensajes::masaInicial},
                    Rechazo{entradas(78.1121, 92.14, 1e201), &mensajes::masaInicial}));

// Inputs at the edges of what the checks accept, in every unit.
class EntradaExtrema : public testing::TestWithParam<Entradas> {};

TEST_P(EntradaExtrema, GivesFiniteNumbersInEveryStillAndEveryQuantity)
{
    const Entradas e = GetParam();
    ASSERT_EQ(validarEntradas(e, false, true), nullptr);
    const ModeloELV elv{false, e.alfa, nullptr};
    auto cadena = std::make_unique<CadenaEtapas>();
    const std::array<double, kMaxEtapas> cortes{37.5, 100, 50, 0, 100, 1};
    cadena->fijarCargaInicial(e.x0);
    for (int k = 1; k <= kMaxEtapas; ++k) {
        const EstadoEtapa r = calcularEtapa(*cadena, elv, e, cortes, k);
        ASSERT_EQ(r.error, nullptr);
        for (double v : {r.alambique.masa, r.alambique.x, r.alambique.molesA, r.alambique.molesB, r.destilado.masaA,
                         r.destilado.wB, r.destilado.molesA, r.destilado.molesB})
            ASSERT_TRUE(std::isfinite(v)) << "stage " << k;
        for (double P = 0; P <= 100; P += 2.5) {
            const ValoresMagnitudes q = EvaluarMagnitudes(etapaEvaluable(*cadena, elv, e, cortes, k), P);
            for (std::size_t i = 0; i < q.size(); ++i)
                ASSERT_TRUE(std::isfinite(q[i])) << "stage " << k << " P " << P << " quantity " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, EntradaExtrema,
                         testing::Values(entradas(1e-100, 1e-100, 1e200, 0.4, 2.45, 3),
                                         entradas(1e100, 1e100, 1e200, 0.4, 100, 3),
                                         entradas(1e-100, 1e100, 1e200, 1e-310, 1.0000001, 2),
                                         entradas(1e100, 1e-100, 0, 1, 2.45, 1),
                                         entradas(78.1121, 92.14, 1e200, 0.5, 100, 3)));

}  // namespace
