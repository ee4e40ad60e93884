#include "companion/modo_equilibrio.h"

#include "companion/salida.h"
#include "model/formato.h"
#include "model/tabla_texto.h"

namespace quillon {

namespace {

std::string cabecera(const termo::Sistema& s, const OpcionesTabla& o)
{
    const bool ideal = s.modelo() == termo::Modelo::Ideal;
    return "Boiling curve of " + std::string(termo::nombreCompuesto(s.compuestoA())) + " (A) and " +
           std::string(termo::nombreCompuesto(s.compuestoB())) + " (B) at " + FormatoNumero(o.presionKPa, 6) +
           " kPa, " + (ideal ? "ideal (Raoult's law)" : "UNIFAC") + "\n" +
           "x = mole fraction of A in the liquid, y = in the vapour, T = boiling temperature\n\n" +
           columna12("x") + columna12("y") + "T (°C)\n";
}

}  // namespace

int imprimirEquilibrio(const OpcionesTabla& o)
{
    int compuestos[2]{};
    const std::string* nombres[2] = {&o.compuestoA, &o.compuestoB};
    for (int i = 0; i < 2; ++i)
        if ((compuestos[i] = termo::compuestoDe(*nombres[i])) < 0)
            return fallo(std::string(tr(termo::mensajes::compuestoDesconocido)) + ": " + *nombres[i], kExitEntradas);
    const auto creado = termo::Sistema::crear(compuestos[0], compuestos[1], o.modelo, o.presionKPa * 1000);
    if (const auto* error = std::get_if<std::string>(&creado)) return fallo(*error, kExitEntradas);
    const termo::Sistema& s = std::get<termo::Sistema>(creado);

    std::string t = o.csv ? "x,y,T_C\n" : cabecera(s, o);
    bool extrapolada = false;
    for (int i = 0; i <= o.intervalos; ++i) {
        const double x = static_cast<double>(i) / o.intervalos;
        const termo::Burbuja b = s.burbuja(x);
        const double celsius = b.T - kCeroCelsius;
        if (o.csv) {
            t += textoCompleto(x) + "," + textoCompleto(b.y) + "," + textoCompleto(celsius) + "\n";
        } else {
            t += columna12(FormatoNumero(x, 5)) + columna12(FormatoNumero(b.y, 5)) + FormatoNumero(celsius, 5) +
                 (b.extrapolada ? " *" : "") + "\n";
        }
        extrapolada = extrapolada || b.extrapolada;
    }
    if (extrapolada && !o.csv)
        t += "\n* extrapolated: beyond the range of the vapour-pressure constants of a compound in the liquid\n";
    std::cout << t;
    return 0;
}

}  // namespace quillon
