#pragma once
// What both modes of quillon-table share: exit statuses and the error line.

#include <iostream>
#include <string>


namespace quillon {

inline constexpr int kExitArgumentos = 1;
inline constexpr int kExitEntradas = 2;

inline int fallo(const std::string& mensaje, int codigo)
{
    std::cerr << mensaje << "\n";
    return codigo;
}

}  // namespace quillon
