#pragma once
// The thermodynamic system of two compounds named as the list names them; a
// pair the model refuses throws.

#include <variant>

#include "model/termo.h"

namespace quillon::prueba {

inline termo::Sistema sistema(const char* a, const char* b, termo::Modelo m = termo::Modelo::Unifac, double P = 101325)
{
    return std::get<termo::Sistema>(termo::Sistema::crear(termo::compuestoDe(a), termo::compuestoDe(b), m, P));
}

}  // namespace quillon::prueba
