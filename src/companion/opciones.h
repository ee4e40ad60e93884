#pragma once
// Command line of quillon-table.

#include <string>
#include <variant>
#include <vector>

namespace quillon {

struct OpcionesTabla {
    std::string archivo;
    int etapa = 1;
    int filas = 20;                      // number of intervals: 10, 20, 50, 100 or 200
    std::vector<int> items{0, 2, 4, 6};  // the table view's start-up ticks
    bool csv = false;
    bool ayuda = false;
};

// The options, or the message of the first argument that is wrong.
std::variant<OpcionesTabla, std::string> leerOpciones(const std::vector<std::string>& args);

extern const char* const kAyuda;

}  // namespace quillon
