#pragma once
// The boiling temperatures of a stage: of the liquid left in the still and of
// the distillate collected so far, at the pressure of the document. They
// join the 23 result quantities after them, with their own codes, when both
// components are compounds the program knows.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/condiciones.h"
#include "model/idioma.h"
#include "model/magnitudes.h"
#include "model/termo.h"

namespace quillon {

// Indices after the 23 quantities.
inline constexpr int kTempAlambique = 23, kTempDestilado = 24;

struct InfoTemperatura {
    Texto nombre;
    std::string_view codigo;  // four characters, like the others
};
const std::array<InfoTemperatura, 2>& magnitudesTemperatura();

namespace mensajes {
inline constexpr Texto sinTemperaturas{
    "ERROR: No boiling temperatures: a component is not a compound of the program's list",
    "ERROR: Sin temperaturas de ebullición: un componente no es un compuesto de la lista"};
// %1 and %2 the range in the document's unit %3.
inline constexpr Texto presionDocumento{
    "ERROR: No boiling temperatures: the document's pressure must be between %1 and %2 %3",
    "ERROR: Sin temperaturas de ebullición: la presión del documento debe estar entre %1 y %2 %3"};
}  // namespace mensajes

// The binary the temperatures are computed for: the names typed, at the
// document's pressure (1 atm when it has none), with the model the document
// names or else, when it names none, UNIFAC wherever both compounds have its
// parameters and Raoult's law otherwise. Or the message of why there is none:
// a name that is no known compound, a bad pressure, a pair without the
// parameters of the model named, the same compound twice.
std::variant<termo::Sistema, std::string> sistemaDeTemperaturas(std::string_view nombreA, std::string_view nombreB,
                                                                const std::optional<CondicionesTermo>& c);

// How the legend names the model and the pressure: "UNIFAC, 1 atm".
std::string textoModelo(const termo::Sistema& s, const std::optional<CondicionesTermo>& c);

// The mole fraction of the liquid whose boiling point quantity `q`
// (kTempAlambique or kTempDestilado) is, from a stage's quantities `v` at
// progress P: the still's, which at 100 % is the limit of its own
// composition as it empties (the quantities read 0 there by convention): the
// pure component or the azeotrope its last liquid moves to; or the
// distillate's, which before anything is distilled (P = 0) is the first
// drop, the vapour in equilibrium with the charge or, under a column, the
// distillate its condenser gives.
double liquidoDeTemperatura(int q, const EtapaEvaluable& e, const ValoresMagnitudes& v, double P);

struct Temperaturas {
    double alambique = 0, destilado = 0;  // °C
    termo::Avisos avisosAlambique, avisosDestilado;
};
// Both, from a stage's quantities `v` at progress P.
Temperaturas temperaturasEn(const termo::Sistema& s, const EtapaEvaluable& e, const ValoresMagnitudes& v, double P);

}  // namespace quillon
