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

std::optional<termo::Sistema> sistemaDeTemperaturas(std::string_view nombreA, std::string_view nombreB,
                                                    const CondicionesTermo& c, bool tablaPredicha)
{
    const int a = termo::compuestoDe(nombreA), b = termo::compuestoDe(nombreB);
    if (a < 0 || b < 0) return std::nullopt;
    const termo::Modelo modelo = tablaPredicha ? c.modelo : termo::Modelo::Ideal;
    auto s = termo::Sistema::crear(a, b, modelo, presionEnPascales(c));
    if (auto* sistema = std::get_if<termo::Sistema>(&s)) return *sistema;
    return std::nullopt;
}

std::string textoModelo(const termo::Sistema& s, const CondicionesTermo& c)
{
    const std::string modelo = s.modelo() == termo::Modelo::Ideal ? tr(Texto{"ideal", "ideal"}) : "UNIFAC";
    const auto& unidad = unidadesPresion()[static_cast<std::size_t>(c.unidad)];
    return modelo + ", " + FormatoNumero(s.presion() / unidad.pascales, 5) + " " + std::string(unidad.nombre);
}

double liquidoDeTemperatura(int q, double xAlambique, double xDestilado, double yVapor, double P)
{
    if (q == kTempAlambique) return xAlambique;
    return P == 0 ? yVapor : xDestilado;
}

Temperaturas temperaturasEn(const termo::Sistema& s, double xAlambique, double xDestilado, double yVapor, double P)
{
    const termo::Burbuja alambique = s.burbuja(liquidoDeTemperatura(kTempAlambique, xAlambique, xDestilado, yVapor, P));
    const termo::Burbuja destilado = s.burbuja(liquidoDeTemperatura(kTempDestilado, xAlambique, xDestilado, yVapor, P));
    return {alambique.T - kCeroCelsius, destilado.T - kCeroCelsius, alambique.extrapolada || destilado.extrapolada};
}

}  // namespace quillon
