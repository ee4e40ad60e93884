#pragma once
// quillon-table's column options over a document's column of plates.

#include <optional>
#include <string>

#include "companion/opciones.h"
#include "formats/documento.h"

namespace quillon {

// The document's column with each box the options give replaced: --reflux
// runs it at constant reflux ratio, --purity at constant purity. The message
// when the options ask for a policy the resulting column cannot have (no
// plates, or a largest reflux ratio at constant reflux ratio).
std::optional<std::string> aplicarOpcionesColumna(const OpcionesTabla& o, DocumentoDestilacion& d);

}  // namespace quillon
