#pragma once
// quillon-table --equilibrium A B: the predicted boiling curve of a mixture.

#include "companion/opciones.h"

namespace quillon {

// Prints the curve to standard output, or the message to standard error;
// returns the exit status.
int imprimirEquilibrio(const OpcionesTabla& o);

}  // namespace quillon
