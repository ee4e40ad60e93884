#include "model/condiciones.h"

#include "model/numero.h"

namespace quillon {

const std::array<UnidadPresion, 4>& unidadesPresion()
{
    static const std::array<UnidadPresion, 4> lista{{
        {"kPa", 1000},
        {"atm", 101325},
        {"bar", 100000},
        {"mmHg", 133.322387415},
    }};
    return lista;
}

double presionEnPascales(const CondicionesTermo& c)
{
    if (c.unidad < 0 || c.unidad >= static_cast<int>(unidadesPresion().size())) return 0;
    EstadoNumerico aparte;
    const double v = LeerNumero(c.presion, aparte);
    if (!esNumero(v)) return 0;
    return v * unidadesPresion()[static_cast<std::size_t>(c.unidad)].pascales;
}

std::string_view nombreModelo(termo::Modelo m) { return m == termo::Modelo::Ideal ? "IDEAL" : "UNIFAC"; }

}  // namespace quillon
