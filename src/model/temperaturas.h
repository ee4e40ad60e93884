#pragma once
// The boiling temperatures of a stage: of the liquid left in the still and of
// the distillate collected so far, at the pressure of the document. They
// join the 23 result quantities after them, with their own codes, when both
// components are compounds the program knows.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/condiciones.h"
#include "model/idioma.h"
#include "model/termo.h"

namespace quillon {

// Indices after the 23 quantities.
inline constexpr int kTempAlambique = 23, kTempDestilado = 24;

struct InfoTemperatura {
    Texto nombre;
    std::string_view codigo;  // four characters, like the others
};
const std::array<InfoTemperatura, 2>& magnitudesTemperatura();

// The binary the temperatures are computed for: the names typed, the
// document's pressure (1 atm when it has none) and the model the table was
// predicted with (`tablaPredicha`), or else the ideal one. Empty
// when a name is not a known compound or the pair cannot be computed.
std::optional<termo::Sistema> sistemaDeTemperaturas(std::string_view nombreA, std::string_view nombreB,
                                                    const CondicionesTermo& c, bool tablaPredicha);

// How the legend names the model and the pressure: "UNIFAC, 1 atm".
std::string textoModelo(const termo::Sistema& s, const CondicionesTermo& c);

struct Temperaturas {
    double alambique = 0, destilado = 0;  // °C
    bool extrapolada = false;
};
// At a still of mole fraction xAlambique and a distillate of xDestilado.
// Before anything is distilled the distillate is the first drop, the vapour
// yPrimeraGota in equilibrium with the charge.
Temperaturas temperaturasEn(const termo::Sistema& s, double xAlambique, double xDestilado, bool sinDestilado,
                            double yPrimeraGota);

}  // namespace quillon
