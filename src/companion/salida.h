#pragma once
// What both modes of quillon-table share: exit statuses, the error line and
// numbers in full precision.

#include <iostream>
#include <string>

#include "model/formato.h"

namespace quillon {

inline constexpr int kExitArgumentos = 1;
inline constexpr int kExitEntradas = 2;

inline int fallo(const std::string& mensaje, int codigo)
{
    std::cerr << mensaje << "\n";
    return codigo;
}

// 17 significant digits: reads back as the same double.
inline std::string numeroCompleto(double v) { return textoCompleto(v); }

}  // namespace quillon
