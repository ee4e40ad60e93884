#include "model/temperaturas.h"

#include "model/formato.h"

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

double liquidoDeTemperatura(int q, const EtapaEvaluable& e, const ValoresMagnitudes& v, double P)
{
    if (q == kTempAlambique)
        return filaDeAvance(P) == kPasosAvance ? (*e.columna)[kPasosAvance - 1] : v[XAResid];
    return P == 0 ? v[YAVapor] : v[XADest];
}

Temperaturas temperaturasEn(const termo::Sistema& s, const EtapaEvaluable& e, const ValoresMagnitudes& v, double P)
{
    const termo::Burbuja alambique = s.burbuja(liquidoDeTemperatura(kTempAlambique, e, v, P));
    const termo::Burbuja destilado = s.burbuja(liquidoDeTemperatura(kTempDestilado, e, v, P));
    return {alambique.T - kCeroCelsius, destilado.T - kCeroCelsius, alambique.avisos, destilado.avisos};
}

}  // namespace quillon
