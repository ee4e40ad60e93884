#include "model/calefaccion.h"

#include "model/formato.h"
#include "model/numero.h"
#include "model/texto.h"

namespace quillon {

const std::array<UnidadCalefaccion, 4>& unidadesCalefaccion()
{
    static const std::array<UnidadCalefaccion, 4> lista{{
        {"W", 1.0, true},
        {"kW", 1000.0, true},
        {"mol/min", 1.0 / 60, false},
        {"kmol/h", 1000.0 / 3600, false},
    }};
    return lista;
}

bool calefaccionEnUso(const TextosCalefaccion& t) { return !recortar(t.valor).empty(); }

LecturaCalefaccion leerCalefaccion(const TextosCalefaccion& t)
{
    LecturaCalefaccion r;
    if (!calefaccionEnUso(t)) return r;
    if (t.unidad < 0 || t.unidad >= static_cast<int>(unidadesCalefaccion().size())) {
        r.error = &mensajes::calefaccion;
        return r;
    }
    EstadoNumerico aparte;
    const double v = LeerNumero(t.valor, aparte);
    if (!(esNumero(v) && v >= kCalefaccionMinima && v <= kCalefaccionMaxima)) {
        r.error = &mensajes::calefaccion;
        return r;
    }
    const UnidadCalefaccion& u = unidadesCalefaccion()[static_cast<std::size_t>(t.unidad)];
    r.calefaccion = Calefaccion{u.potencia, v * u.aSI, v, t.unidad};
    return r;
}

std::string textoCalefaccion(const Calefaccion& c, char sep)
{
    return FormatoNumero(c.valor, 5, sep) + " " +
           std::string(unidadesCalefaccion()[static_cast<std::size_t>(c.unidad)].nombre);
}

const std::array<InfoMagnitudCalor, 2>& magnitudesCalor()
{
    static const std::array<InfoMagnitudCalor, 2> lista{{
        {{"Time from the first drop (min)", "Tiempo desde la primera gota (min)"}, "tmin"},
        {{"Heat supplied (kJ)", "Calor aportado (kJ)"}, "Qsup"},
    }};
    return lista;
}

std::string textoRelojCalefaccion(const Calefaccion& c, char sep)
{
    constexpr Texto kCalefaccion{"Heating = ", "Calefacción = "};
    constexpr Texto kReloj{"; time from the first drop\r\n(the heat-up of the charge is not included)",
                           "; tiempo desde la primera gota\r\n(sin el calentamiento de la carga)"};
    return tr(kCalefaccion) + textoCalefaccion(c, sep) + tr(kReloj);
}

}  // namespace quillon
