#pragma once
// The inputs and stage tables the model's tests start from.

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "model/avance.h"
#include "model/cadena.h"
#include "model/equilibrio.h"
#include "model/numero.h"

namespace quillon::prueba {

// The start-up inputs of the English build: benzene/toluene, alpha 2.45,
// x0 0.4, 500 g, one stage.
inline constexpr double kMMA = 78.1121, kMMB = 92.14, kAlfa = 2.45, kX0 = 0.4, kM0 = 500;
inline constexpr double NO = VALOR_NO_VALIDO;
inline constexpr double kInfinito = std::numeric_limits<double>::infinity();

inline Entradas entradas(double mma = kMMA, double mmb = kMMB, double m0 = kM0, double x0 = kX0, double alfa = kAlfa, int unidad = 0)
{
    return Entradas{.mma = mma, .mmb = mmb, .alfa = alfa, .x0 = x0, .m0 = m0, .unidad = unidad};
}

inline ModeloELV alfa(double a) { return ModeloELV{false, a, nullptr}; }

// A stage table on the heap (10001 rows); the test fails if it is refused.
inline std::unique_ptr<ColumnaAvance> columna(const ModeloELV& elv, double x0 = kX0, double mma = kMMA, double mmb = kMMB)
{
    auto c = std::make_unique<ColumnaAvance>();
    if (!CrearTablaAvanceDes(elv, mma, mmb, x0, *c)) ADD_FAILURE() << "stage table refused";
    return c;
}

}  // namespace quillon::prueba
