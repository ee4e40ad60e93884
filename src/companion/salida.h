#pragma once
// What both modes of quillon-table share: exit statuses, the error line and
// numbers in full precision.

#include <charconv>
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

// 17 significant digits: reads back as the same double.
inline std::string numeroCompleto(double v)
{
    char buf[64];
    const auto fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17).ptr;
    return std::string(buf, fin);
}

}  // namespace quillon
