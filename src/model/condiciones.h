#pragma once
// The conditions of the boiling temperatures and of a predicted equilibrium:
// the pressure as typed with its unit, and the model.

#include <array>
#include <string>
#include <string_view>

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

// Names of the models as the document writes them: "IDEAL", "UNIFAC".
std::string_view nombreModelo(termo::Modelo m);

}  // namespace quillon
