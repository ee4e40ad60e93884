#pragma once
// What a predicted binary gives the program: its azeotrope, an x-y table
// for the equilibrium table, and the constant alpha closest to a table.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/termo.h"

namespace quillon::termo {

struct Azeotropo {
    double x = 0, T = 0;  // mole fraction of A, K
    bool maximo = false;  // maximum-boiling
};

// The composition where the bubble vapour equals the liquid, when the
// volatility of A crosses 1 between the pure ends.
std::optional<Azeotropo> buscarAzeotropo(const Sistema& s);

// Points of the predicted bubble curve, from (0, 0) to (1, 1) included; T in K.
struct TablaPredicha {
    std::vector<double> x, y, T;
    bool extrapolada = false;  // some T outside a present component's Antoine range
};

namespace mensajes {
inline constexpr Texto dosFases{
    "ERROR: The predicted x-y curve of %1 - %2 does not rise steadily (UNIFAC foresees two liquid phases): "
    "no equilibrium table can hold it",
    "ERROR: La curva x-y predicha para %1 - %2 no es creciente (UNIFAC prevé dos fases líquidas): "
    "ninguna tabla de equilibrio puede recogerla"};
}  // namespace mensajes

// At most `puntos` (1 to 98) interior points on the 1/1000 grid, placed so
// that the program's own reading of a table (local volatility interpolated in
// x) strays as little as possible from the predicted curve, in the worst
// point: they crowd where the curve bends. Refused with mensajes::dosFases
// when the curve is not strictly increasing.
std::variant<TablaPredicha, std::string> predecirTabla(const Sistema& s, int puntos);

// The constant relative volatility whose curve fits the points best, least
// squares on y; 1 for a table with no point between the pure ends.
double alfaAjustada(const TablaPredicha& t);

}  // namespace quillon::termo
