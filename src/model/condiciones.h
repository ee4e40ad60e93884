#pragma once
// The conditions of the boiling temperatures and of a predicted equilibrium:
// the pressure as typed with its unit, and the model.

#include <array>
#include <string>
#include <string_view>

#include "model/idioma.h"
#include "model/termo.h"

namespace quillon {

struct UnidadPresion {
    std::string_view nombre;
    double pascales;  // Pa per unit
};
// kPa, atm, bar, mmHg.
const std::array<UnidadPresion, 4>& unidadesPresion();
inline constexpr int kAtmosferas = 1;  // index of atm

struct CondicionesTermo {
    std::string presion = "1";  // as typed, in its unit
    int unidad = kAtmosferas;
    termo::Modelo modelo = termo::Modelo::Unifac;

    bool operator==(const CondicionesTermo&) const = default;
};

// The pressure in pascals: the number typed (point or comma) times its unit;
// 0 when the text holds no number.
double presionEnPascales(const CondicionesTermo& c);

// Within the range the model accepts (termo::kPresionMinima to kPresionMaxima).
bool presionValida(double pascales);

namespace mensajes {
// %1 and %2 the range of the pressure in the unit %3.
inline constexpr Texto presionEnUnidad{"ERROR: The pressure must be between %1 and %2 %3",
                                       "ERROR: La presión debe estar entre %1 y %2 %3"};
}  // namespace mensajes

// `plantilla` with the range of the pressure in unit `unidad` put in, its
// numbers written with `sep`.
std::string rangoDePresion(const Texto& plantilla, int unidad, char sep);

// The pressure typed in unit `de` written in unit `a` (6 significant digits,
// `sep` as separator); a text that holds no number stays as it is.
std::string convertirPresion(const std::string& texto, int de, int a, char sep);

// Names of the models as the document writes them: "IDEAL", "UNIFAC".
std::string_view nombreModelo(termo::Modelo m);

}  // namespace quillon
