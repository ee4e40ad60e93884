#pragma once
// What a predicted binary gives the program: its azeotropes, where its
// liquid would split in two, an x-y table for the equilibrium table, and the
// constant alpha closest to a table.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/equilibrio.h"
#include "model/termo.h"

namespace quillon::termo {

struct Azeotropo {
    double x = 0, T = 0;  // mole fraction of A, K
    bool maximo = false;  // maximum-boiling
    Avisos avisos;        // of its temperature
};

// Every composition where the bubble vapour equals the liquid: each sign
// change of y - x over the whole range (the volatility of A crossing 1),
// in order of x.
std::vector<Azeotropo> buscarAzeotropos(const Sistema& s);
// The first of them, if any.
std::optional<Azeotropo> buscarAzeotropo(const Sistema& s);

// The azeotropes of a table (the local volatility crossing 1, read as the
// program reads a table: linearly in x between the points, the pure ends
// borrowing their neighbour's), at the system's bubble temperatures.
std::vector<Azeotropo> azeotroposDeTabla(const Sistema& s, const TablaELV& t);

// Whether every point of the table lies on the system's bubble curve (within
// 1e-6 in y): a table predicted with this very system.
bool tablaDelSistema(const Sistema& s, const TablaELV& t);

// The share of the composition range where B is the more volatile (y < x),
// given the system's azeotropes, where that changes.
double parteConBMasVolatil(const Sistema& s, const std::vector<Azeotropo>& azeotropos);

// The stretches of x, in order, where the liquid at its bubble temperature
// would split into two liquid phases; their ends within 1e-6.
struct Tramo {
    double desde = 0, hasta = 0;
};
std::vector<Tramo> tramosDosLiquidos(const Sistema& s);

// Points of the predicted bubble curve, from (0, 0) to (1, 1) included; T in
// K with the flags of each.
struct TablaPredicha {
    std::vector<double> x, y, T;
    std::vector<Avisos> avisos;
    Avisos todosLosAvisos() const;  // of any point
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
