#include "model/temperaturas.h"

#include <algorithm>

#include "model/formato.h"
#include "model/rectificacion.h"

namespace quillon {

const std::array<InfoTemperatura, 2>& magnitudesTemperatura()
{
    static const std::array<InfoTemperatura, 2> lista{{
        {{"Boiling temperature of liquid in still pot", "Temperatura de ebullición del líquido del alambique"}, " TBs"},
        {{"Boiling temperature of accumulated distillate", "Temperatura de ebullición del destilado acumulado"}, " TBd"},
    }};
    return lista;
}

std::variant<termo::Sistema, std::string> sistemaDeTemperaturas(std::string_view nombreA, std::string_view nombreB,
                                                                const std::optional<CondicionesTermo>& c)
{
    const int a = termo::compuestoDe(nombreA), b = termo::compuestoDe(nombreB);
    if (a < 0 || b < 0) return std::string(tr(mensajes::sinTemperaturas));
    const CondicionesTermo condiciones = c.value_or(CondicionesTermo{});
    const double P = presionEnPascales(condiciones);
    if (!presionValida(P))
        return rangoDePresion(mensajes::presionDocumento, condiciones.unidad,
                              idiomaDelPrograma() == Idioma::Espanol ? ',' : '.');
    auto s = termo::Sistema::crear(a, b, c ? c->modelo : termo::Modelo::Unifac, P);
    // Without a model named, a pair UNIFAC cannot predict is ideal.
    if (!c && std::holds_alternative<std::string>(s)) s = termo::Sistema::crear(a, b, termo::Modelo::Ideal, P);
    return s;
}

std::string textoModelo(const termo::Sistema& s, const std::optional<CondicionesTermo>& c)
{
    const std::string modelo = s.modelo() == termo::Modelo::Ideal ? tr(Texto{"ideal", "ideal"}) : "UNIFAC";
    const auto& unidad = unidadesPresion()[static_cast<std::size_t>(c.value_or(CondicionesTermo{}).unidad)];
    return modelo + ", " + FormatoNumero(s.presion() / unidad.pascales, 5) + " " + std::string(unidad.nombre);
}

namespace {

// Where a still's liquid of composition x ends as it empties. It moves away
// from its vapour: down while the volatility is above 1, up while it is
// below, until the volatility crosses 1 (an azeotrope it cannot pass) or the
// liquid is pure. A column's distillate lies on the same side as the still's
// own vapour, so the same holds under a column.
double composicionAlVaciarse(const ModeloELV& elv, double x)
{
    if (!elv.modoTabla) return elv.alfa > 1 ? 0 : 1;
    const double alfa = elv.alfaContinuo(x);
    if (alfa == 1) return x;
    const SuperTablaELV& a = *elv.superTabla;
    const long ultima = static_cast<long>(a.size()) - 1;
    const auto en = [&a](long i) { return a[static_cast<std::size_t>(i)]; };
    long k = std::clamp(static_cast<long>(x * 1000), 0L, ultima - 1);  // the entry at or below x
    if (alfa > 1) {
        while (k >= 0 && en(k) > 1) --k;
        if (k < 0) return 0;
    } else {
        ++k;
        while (k <= ultima && en(k) < 1) ++k;
        if (k > ultima) return 1;
        --k;
    }
    // The volatility crosses 1 between entries k and k + 1, where the
    // equilibrium in force runs straight.
    return (static_cast<double>(k) + (en(k) - 1) / (en(k) - en(k + 1))) / 1000;
}

}  // namespace

double liquidoDeTemperatura(int q, const EtapaEvaluable& e, const ValoresMagnitudes& v, double P)
{
    if (q == kTempAlambique)
        return filaDeAvance(P) == kPasosAvance ? composicionAlVaciarse(*e.elv, (*e.columna)[kPasosAvance - 1])
                                               : v[XAResid];
    if (P > 0) return v[XADest];
    // The first drop: the vapour over the charge, or what the column's
    // condenser gives from it.
    return e.columnaPlatos ? valorMagnitudColumna(kDestiladoCondensador, e, 0) : v[YAVapor];
}

Temperaturas temperaturasEn(const termo::Sistema& s, const EtapaEvaluable& e, const ValoresMagnitudes& v, double P)
{
    const termo::Burbuja alambique = s.burbuja(liquidoDeTemperatura(kTempAlambique, e, v, P));
    const termo::Burbuja destilado = s.burbuja(liquidoDeTemperatura(kTempDestilado, e, v, P));
    return {alambique.T - kCeroCelsius, destilado.T - kCeroCelsius, alambique.avisos, destilado.avisos};
}

}  // namespace quillon
