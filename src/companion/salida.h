#pragma once
// What both modes of quillon-table share: exit statuses and the error line.

#include <iostream>
#include <string>


namespace quillon {

inline constexpr int kExitArgumentos = 1;
inline constexpr int kExitEntradas = 2;

// The messages the window shows put a file's path on a line of its own
// after CR LF; a terminal's line end is LF alone.
inline int fallo(std::string mensaje, int codigo)
{
    for (std::size_t i; (i = mensaje.find("\r\n")) != std::string::npos;) mensaje.erase(i, 1);
    std::cerr << mensaje << "\n";
    return codigo;
}

}  // namespace quillon
