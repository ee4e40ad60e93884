#pragma once
// The built-in list of common solvents and their molar masses, looked up by
// the name the user types.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillon {

struct Compuesto {
    std::string_view nombre;  // lower case except "CCl4", without accents
    double masaMolar;         // g/mol
    std::string_view textoMasa;  // the molar mass as written into its box
};

// ListaPM_Nombre / ListaPM_Masa, in lookup order.
std::span<const Compuesto> listaCompuestos();

// Trimmed, lower case, with the accented vowels folded (UTF-8 text).
std::string normalizarNombre(std::string_view nombre);

// The first entry whose name matches the typed one; none when unknown.
std::optional<Compuesto> BuscarCompuesto(std::string_view nombre);

}  // namespace quillon
