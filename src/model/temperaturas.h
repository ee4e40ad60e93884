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

// The liquid whose boiling point quantity `q` (kTempAlambique or
// kTempDestilado) is, from a stage's quantities at progress P: the still's,
// or the distillate's, which before anything is distilled (P = 0) is the
// first drop, the vapour in equilibrium with the charge.
double liquidoDeTemperatura(int q, double xAlambique, double xDestilado, double yVapor, double P);

struct Temperaturas {
    double alambique = 0, destilado = 0;  // °C
    bool extrapolada = false;
};
// Both at a still of mole fraction xAlambique and a distillate of
// xDestilado, yVapor leaving the still, at progress P.
Temperaturas temperaturasEn(const termo::Sistema& s, double xAlambique, double xDestilado, double yVapor, double P);

}  // namespace quillon
