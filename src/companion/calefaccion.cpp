#include "companion/calefaccion.h"

namespace quillon {

std::optional<std::string> aplicarOpcionesCalefaccion(const OpcionesTabla& o, DocumentoDestilacion& d)
{
    if (!o.calefaccion && !o.unidadCalefaccion) return std::nullopt;
    TextosCalefaccion c = d.calefaccion.value_or(TextosCalefaccion{});
    if (o.calefaccion) c.valor = *o.calefaccion;
    if (o.unidadCalefaccion) c.unidad = *o.unidadCalefaccion;
    if (!calefaccionEnUso(c)) return "--heating-unit needs a heating: give --heating";
    d.calefaccion = c;
    return std::nullopt;
}

}  // namespace quillon
