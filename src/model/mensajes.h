#pragma once
// The one-line messages of the inputs and computations, with their twins.

#include "model/idioma.h"

namespace quillon::mensajes {

inline constexpr Texto masaMolar{"ERROR: Molar mass is not valid", "ERROR: Masa molar no válida"};
inline constexpr Texto fraccionMolarA{"ERROR: Mole fraction of A is not valid",
                                      "ERROR: Fracción molar de A no válida"};
inline constexpr Texto fraccionInicial{"ERROR: The initial mole fraction is not valid",
                                       "ERROR: Composición inicial no válida"};
inline constexpr Texto porcentajeMasico{"ERROR: Mass percentage of A is not valid",
                                        "ERROR: Porcentaje másico de A no válido"};
inline constexpr Texto masaInicial{"ERROR: Initial mass is not valid", "ERROR: Masa inicial no válida"};
inline constexpr Texto volatilidad{"ERROR: Relative volatility is out of range",
                                   "ERROR: Volatilidad relativa fuera de rango"};
inline constexpr Texto valoresIniciales{"ERROR: The initial values are not valid",
                                        "ERROR: Datos iniciales no válidos"};
// Nothing to draw and nothing to say: a document with every box empty.
inline constexpr Texto ninguno{"", ""};

}  // namespace quillon::mensajes
