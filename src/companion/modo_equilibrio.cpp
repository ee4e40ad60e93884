#include "companion/modo_equilibrio.h"

#include "companion/salida.h"
#include "model/formato.h"
#include "model/tabla_texto.h"
#include "model/termo_tabla.h"

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

// " *s" after a number, nothing for a number without flags.
std::string marcas(termo::Avisos a) { return a.vacio() ? std::string() : " " + termo::marcasAvisos(a); }

// One line for each azeotrope, its temperature marked as the rows are.
std::string azeotropos(const termo::Sistema& s, termo::Avisos& presentes)
{
    std::string t;
    for (const termo::Azeotropo& a : termo::buscarAzeotropos(s)) {
        t += "Azeotrope: x = " + FormatoNumero(a.x, 5) + ", T = " + FormatoNumero(a.T - kCeroCelsius, 5) + " °C" +
             marcas(a.avisos) + ", " + (a.maximo ? "maximum-boiling" : "minimum-boiling") + "\n";
        presentes |= a.avisos;
    }
    return t.empty() ? t : "\n" + t;
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

    std::string t = o.csv ? "x,y,T_C,flag\n" : cabecera(s, o);
    termo::Avisos presentes;
    for (int i = 0; i <= o.intervalos; ++i) {
        const double x = static_cast<double>(i) / o.intervalos;
        const termo::Burbuja b = s.burbuja(x);
        const double celsius = b.T - kCeroCelsius;
        if (o.csv) {
            t += textoCompleto(x) + "," + textoCompleto(b.y) + "," + textoCompleto(celsius) + "," +
                 termo::nombresAvisos(b.avisos) + "\n";
        } else {
            t += columna12(FormatoNumero(x, 5)) + columna12(FormatoNumero(b.y, 5)) + FormatoNumero(celsius, 5) +
                 marcas(b.avisos) + "\n";
        }
        presentes |= b.avisos;
    }
    if (!o.csv) {
        t += azeotropos(s, presentes);
        if (!presentes.vacio()) t += "\n" + termo::notasAvisos(presentes, "\n");
    }
    std::cout << t;
    return 0;
}

}  // namespace quillon
