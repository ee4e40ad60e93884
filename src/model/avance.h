#pragma once
// The simple batch (Rayleigh) distillation of one stage: the mole fraction of
// A left in the still at every hundredth of a percent of progress.

#include <array>

#include "model/equilibrio.h"

namespace quillon {

inline constexpr int kPasosAvance = 10000;

// Row i: mole fraction of A in the still after i/10000 of the charge mass has
// been distilled (progress i/100 %). Row 10000 is always 0.
using ColumnaAvance = std::array<double, kPasosAvance + 1>;

// Integrates the mass balances of A and B in 10000 equal mass steps from a
// charge of mole fraction x0. When a component runs out before the end, the
// whole column is integrated again with steps shrunk to the exhaustion point.
// Returns false (and leaves the column untouched) when alpha (alpha mode) or a
// molar mass is not valid.
bool CrearTablaAvanceDes(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& columna);
// The same, given in `agotamiento` the row at which the first pass is
// expected to run out (that of a like charge; 0: none expected), and given
// back the row at which it did (0: it never did). The table is the same
// whatever is expected; a right guess lets both passes run together.
bool CrearTablaAvanceDes(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& columna,
                         int& agotamiento);

// Step at which the first pass (full steps of 1/10000 of the charge) runs out
// of a component, or 0 when it never does and no second pass is needed.
int pasoDeAgotamiento(const ModeloELV& elv, double mma, double mmb, double x0);

// A row number limited to the column.
inline int filaAcotada(long fila)
{
    return fila < 0 ? 0 : (fila > kPasosAvance ? kPasosAvance : static_cast<int>(fila));
}

// Row of the column read at progress P (percent): P*100 rounded, halves to even.
int filaDeAvance(double P);

inline double composicionEnAvance(const ColumnaAvance& columna, double P)
{
    return columna[static_cast<std::size_t>(filaDeAvance(P))];
}

}  // namespace quillon
