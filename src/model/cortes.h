#pragma once
// A stage's cut as its percent box gives it, and the check every view makes
// of the cuts it reads.

#include <array>
#include <string_view>

#include "model/cadena.h"
#include "model/idioma.h"
#include "model/numero.h"

namespace quillon {

// The text of a percent box read as the views read it: the number it holds
// (see leerTextoAvance) when that is from 0 to 100, otherwise
// VALOR_NO_VALIDO. The separator the text uses becomes the one numbers are
// written with, as for every number typed.
double leerCorte(std::string_view texto, EstadoNumerico& estado);

// The message of the first of stages 1..hasta whose cut is not valid, or
// null. A view draws nothing from an invalid cut: it would show the result of
// whatever the box held before.
const Texto* corteNoValido(const std::array<double, kMaxEtapas>& cortes, int hasta);

}  // namespace quillon
