#include "companion/columna.h"

namespace quillon {

std::optional<std::string> aplicarOpcionesColumna(const OpcionesTabla& o, DocumentoDestilacion& d)
{
    const bool politica = o.reflujo || o.pureza || o.reflujoMaximo;
    if (!politica && !o.platos) return std::nullopt;
    TextosColumnaPlatos c = d.columna.value_or(TextosColumnaPlatos{});
    if (o.platos) c.platos = *o.platos;
    if (o.reflujo) {
        c.politica = PoliticaReflujo::RazonConstante;
        c.reflujo = *o.reflujo;
    }
    if (o.pureza) {
        c.politica = PoliticaReflujo::PurezaConstante;
        c.pureza = *o.pureza;
    }
    if (o.reflujoMaximo) {
        if (c.politica != PoliticaReflujo::PurezaConstante)
            return "--max-reflux belongs to a constant purity: give --purity too";
        c.reflujoMaximo = *o.reflujoMaximo;
    }
    if (politica && !columnaEnUso(c)) return "--reflux, --purity and --max-reflux need a column: give --plates 1 to 30";
    d.columna = c;
    return std::nullopt;
}

}  // namespace quillon
