#pragma once
// quillon-table's heating options over a document's heating.

#include <optional>
#include <string>

#include "companion/opciones.h"
#include "formats/documento.h"

namespace quillon {

// The document's heating with the value and the unit the options give; the
// message when a unit is given with no heating to apply it to.
std::optional<std::string> aplicarOpcionesCalefaccion(const OpcionesTabla& o, DocumentoDestilacion& d);

}  // namespace quillon
