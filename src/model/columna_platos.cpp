#include "model/columna_platos.h"

#include "model/formato.h"
#include "model/numero.h"

namespace quillon {
namespace {

bool reflujoValido(double r) { return esNumero(r) && r >= 0 && r <= kReflujoMayor; }

constexpr Texto kEnEtapa{" in stage ", " en la etapa "};

}  // namespace

LecturaColumnaPlatos leerColumnaPlatos(const TextosColumnaPlatos& t)
{
    LecturaColumnaPlatos r;
    ColumnaPlatos& c = r.columna;
    EstadoNumerico aparte;
    const double platos = LeerNumero(t.platos, aparte);
    if (!(esNumero(platos) && platos >= 0 && platos <= kMaxPlatos && platos == static_cast<int>(platos))) {
        r.error = &mensajes::platos;
        return r;
    }
    c.platos = static_cast<int>(platos);
    c.politica = t.politica;
    if (!c.hay()) return r;
    if (c.politica == PoliticaReflujo::RazonConstante) {
        c.reflujo = LeerNumero(t.reflujo, aparte);
        if (!reflujoValido(c.reflujo)) r.error = &mensajes::reflujo;
        return r;
    }
    c.pureza = LeerNumero(t.pureza, aparte);
    if (!fraccionMolarValida(c.pureza)) {
        r.error = &mensajes::pureza;
        return r;
    }
    c.reflujoMaximo = LeerNumero(t.reflujoMaximo, aparte);
    if (!reflujoValido(c.reflujoMaximo)) r.error = &mensajes::reflujoMaximo;
    return r;
}

bool columnaEnUso(const TextosColumnaPlatos& t)
{
    EstadoNumerico aparte;
    return LeerNumero(t.platos, aparte) != 0;
}

std::string textoRechazo(const RechazoColumna& r, char sep)
{
    if (!r.mensaje) return {};
    std::string t = tr(*r.mensaje);
    if (r.detalle) t += tr(*r.detalle) + FormatoNumero(r.valor, 5, sep) + ")";
    if (r.etapa > 1) t += tr(kEnEtapa) + std::to_string(r.etapa);
    return t;
}

const std::array<InfoMagnitudColumna, 2>& magnitudesColumna()
{
    static const std::array<InfoMagnitudColumna, 2> lista{{
        {{"Reflux ratio", "Razón de reflujo"}, " Rfx"},
        {{"Mole fraction of A in the distillate leaving the condenser",
          "Fracción molar de A en el destilado que sale del condensador"},
         " XAi"},
    }};
    return lista;
}

std::string textoColumna(const ColumnaPlatos& c, double avanceReflujoMaximo, char sep)
{
    static constexpr Texto columna{"Column of ", "Columna de "};
    static constexpr Texto plato{" plate above the still, ", " plato sobre el alambique, "};
    static constexpr Texto platos{" plates above the still, ", " platos sobre el alambique, "};
    static constexpr Texto razon{"constant reflux ratio R = ", "razón de reflujo constante R = "};
    static constexpr Texto pureza{"constant distillate purity xD = ", "pureza constante del destilado xD = "};
    static constexpr Texto hasta{" up to R = ", " hasta R = "};
    static constexpr Texto alcanzada{" (reached at ", " (alcanzada al "};
    auto f = [sep](double v) { return FormatoNumero(v, 5, sep); };
    std::string t = tr(columna) + std::to_string(c.platos) + tr(c.platos == 1 ? plato : platos);
    if (c.politica == PoliticaReflujo::RazonConstante) return t + tr(razon) + f(c.reflujo);
    t += tr(pureza) + f(c.pureza) + tr(hasta) + f(c.reflujoMaximo);
    if (avanceReflujoMaximo >= 0) t += tr(alcanzada) + f(avanceReflujoMaximo) + " %)";
    return t;
}

}  // namespace quillon
