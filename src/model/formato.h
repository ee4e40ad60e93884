#pragma once
// The display format of every number the program writes for the user.

#include <string>

namespace quillon {

// v rounded half up to a multiple of 10^(k+1). On failure sets errorEntrada
// and returns 0.
double Redondear(double v, double k, int& errorEntrada);

// Shortest plain text of v (at most 15 significant digits), with a "0" before
// a leading point and every "." written as the marker "&.".
std::string TextoNumero(double v);

// v with n significant digits; exponent form ("1.2346E-3") outside 0.01 to
// 100000; trailing zeros dropped; the decimal point written as sepDecimal.
std::string FormatoNumero(double v, double n, char sepDecimal = '.');

// v with 17 significant digits, which read back as the same double; the
// decimal point written as sepDecimal. For the files other programs read.
std::string textoCompleto(double v, char sepDecimal = '.');

}  // namespace quillon
