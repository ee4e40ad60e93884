#pragma once
// The equilibrium table file (.vle): the two names, the two molar masses and
// the editor's 100 working rows, as written; no mode and no checks.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/equilibrio.h"

namespace quillon {

struct ArchivoTablaELV {
    std::string nombreA, nombreB, masaA, masaB;  // texts, not trimmed
    std::array<double, kFilasTablaELV> x{};
    std::array<double, kFilasTablaELV> y{};
};

// `sustituyo`, when given, says whether a text had a character the file's
// code page lacks (written as "?").
std::string EscribirVle(const ArchivoTablaELV& t, char sep = '.', bool* sustituyo = nullptr);

// What a table file (or a distillation file) gives the editor. A missing tag
// leaves the editor's text as it was; a missing block leaves its rows and
// reports the format message, the names read still count.
struct LecturaVle {
    std::optional<std::string> nombreA, nombreB, masaA, masaB;
    std::optional<std::array<double, kFilasTablaELV>> x, y;
    std::string error;
};
LecturaVle LeerVle(std::string_view bytes, std::string_view ruta);

}  // namespace quillon
