#include "model/condiciones.h"

#include <algorithm>

#include "model/formato.h"
#include "model/numero.h"
#include "model/texto.h"

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

bool presionValida(double pascales) { return pascales >= termo::kPresionMinima && pascales <= termo::kPresionMaxima; }

std::string rangoDePresion(const Texto& plantilla, int unidad, char sep)
{
    const int ultima = static_cast<int>(unidadesPresion().size()) - 1;
    const UnidadPresion& u = unidadesPresion()[static_cast<std::size_t>(std::clamp(unidad, 0, ultima))];
    std::string t = tr(plantilla);
    reemplazarTodo(t, "%1", FormatoNumero(termo::kPresionMinima / u.pascales, 5, sep));
    reemplazarTodo(t, "%2", FormatoNumero(termo::kPresionMaxima / u.pascales, 5, sep));
    reemplazarTodo(t, "%3", u.nombre);
    return t;
}

std::string convertirPresion(const std::string& texto, int de, int a, char sep)
{
    const double pascales = presionEnPascales({texto, de, termo::Modelo::Unifac});
    const int n = static_cast<int>(unidadesPresion().size());
    if (!(pascales > 0) || a < 0 || a >= n) return texto;
    return FormatoNumero(pascales / unidadesPresion()[static_cast<std::size_t>(a)].pascales, 6, sep);
}

std::string_view nombreModelo(termo::Modelo m) { return m == termo::Modelo::Ideal ? "IDEAL" : "UNIFAC"; }

}  // namespace quillon
