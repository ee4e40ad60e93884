#pragma once
// The start-up inputs of the English build: benzene/toluene, alpha 2.45,
// x0 0.4, 500 g, one stage, and the stage table they give.

#include <gtest/gtest.h>

#include <memory>

#include "model/cadena.h"
#include "model/numero.h"

namespace quillon::prueba {

inline constexpr double kMMA = 78.1121, kMMB = 92.14, kAlfa = 2.45, kX0 = 0.4, kM0 = 500;
inline constexpr double NO = VALOR_NO_VALIDO;

inline Entradas entradasArranque()
{
    Entradas e;
    e.mma = kMMA;
    e.mmb = kMMB;
    e.alfa = kAlfa;
    e.x0 = kX0;
    e.m0 = kM0;
    return e;
}

inline ModeloELV alfa(double a) { return ModeloELV{false, a, nullptr}; }

// A stage table on the heap (10001 rows); the test fails if it is refused.
inline std::unique_ptr<ColumnaAvance> columna(const ModeloELV& elv, double x0 = kX0, double mma = kMMA,
                                              double mmb = kMMB)
{
    auto c = std::make_unique<ColumnaAvance>();
    if (!CrearTablaAvanceDes(elv, mma, mmb, x0, *c)) ADD_FAILURE() << "stage table refused";
    return c;
}

}  // namespace quillon::prueba
