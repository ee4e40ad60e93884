#pragma once
// The heating of the still, as a document and the window's box give it: a
// power (W, kW) or a boil-up rate (mol/min, kmol/h) of vapour leaving the
// still. From it the stage's time from the first drop and the heat supplied
// follow (tiempo_calor.h). An empty box means no heating, and then nothing of
// it appears anywhere.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/idioma.h"

namespace quillon {

struct UnidadCalefaccion {
    std::string_view nombre;  // as the document and the box show it
    double aSI;               // to W, or to mol/s
    bool potencia;
};
// W, kW, mol/min, kmol/h, in this order (the document's and the box's).
const std::array<UnidadCalefaccion, 4>& unidadesCalefaccion();

// The box and its unit as typed: what a document keeps.
struct TextosCalefaccion {
    std::string valor;
    int unidad = 0;  // index into unidadesCalefaccion()

    bool operator==(const TextosCalefaccion&) const = default;
};
// A document carries its heating only when the box holds anything but blanks.
bool calefaccionEnUso(const TextosCalefaccion& t);

// The heating as the model runs it, in SI units.
struct Calefaccion {
    bool potencia = true;
    double valorSI = 0;  // W (power) or mol/s (boil-up rate)
    double valor = 0;    // as read, in its unit
    int unidad = 0;
};

// Beyond these (in the unit typed) a time or a heat could overflow with the
// largest charges; nothing a teacher heats a still with comes near them.
inline constexpr double kCalefaccionMinima = 1e-9, kCalefaccionMaxima = 1e12;

struct LecturaCalefaccion {
    std::optional<Calefaccion> calefaccion;  // empty: no heating
    const Texto* error = nullptr;
};
// Reads the box with the program's number reader (apart: the heating does not
// decide the separator numbers are written with). Blank: no heating.
LecturaCalefaccion leerCalefaccion(const TextosCalefaccion& t);

// "300 W", "2.5 mol/min", as the legend and the still's text name it.
std::string textoCalefaccion(const Calefaccion& c, char sep);

namespace mensajes {
inline constexpr Texto calefaccion{"ERROR: Heating is not valid", "ERROR: Calefacción no válida"};
inline constexpr Texto potenciaSinCalorLatente{
    "ERROR: A heating power needs both components to be compounds of the program's list (their latent heats): "
    "give a boil-up rate in mol/min or kmol/h instead",
    "ERROR: Una potencia de calefacción necesita que los dos componentes sean compuestos de la lista (sus calores "
    "latentes): indique un caudal de vapor en mol/min o kmol/h"};
inline constexpr Texto sobreCritica{
    "ERROR: No latent heat: the still boils at or above the critical temperature of a component",
    "ERROR: Sin calor latente: el alambique hierve a la temperatura crítica de un componente o por encima"};
}  // namespace mensajes

// The two quantities of the heating, after the column's.
inline constexpr int kTiempo = 27, kCalor = 28;
struct InfoMagnitudCalor {
    Texto nombre;
    std::string_view codigo;  // four characters, like the others
};
const std::array<InfoMagnitudCalor, 2>& magnitudesCalor();
inline bool esMagnitudDeCalor(int q) { return q == kTiempo || q == kCalor; }

// What the table's header and the progress graph say of the time: the
// heating and that the clock starts at the first drop.
std::string textoRelojCalefaccion(const Calefaccion& c, char sep);

}  // namespace quillon
