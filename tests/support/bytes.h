#pragma once
// A file's bytes, whole (empty when it cannot be read), and a text repeated.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quillon::prueba {

inline std::string leerBytes(const std::filesystem::path& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline std::string repetir(const std::string& s, int veces)
{
    std::string r;
    for (int i = 0; i < veces; ++i) r += s;
    return r;
}

}  // namespace quillon::prueba
