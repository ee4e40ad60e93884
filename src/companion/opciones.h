#pragma once
// Command line of quillon-table.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/termo.h"

namespace quillon {

struct OpcionesTabla {
    std::string archivo;
    int etapa = 1;
    int filas = 20;                      // number of intervals: 10, 20, 50, 100 or 200
    std::vector<int> items{0, 2, 4, 6};  // the table view's start-up ticks
    bool csv = false;
    bool ayuda = false;
    // The two boiling temperatures after the other columns.
    bool temperaturas = false;
    // --plates, --reflux, --purity, --max-reflux: the document's column of
    // plates replaced, box by box, by these texts.
    std::optional<std::string> platos, reflujo, pureza, reflujoMaximo;
    // --heating, --heating-unit: the document's heating replaced by these.
    std::optional<std::string> calefaccion;
    std::optional<int> unidadCalefaccion;  // index into unidadesCalefaccion()

    // --equilibrium A B: the predicted bubble curve instead of a file's table.
    bool equilibrio = false;
    std::string compuestoA, compuestoB;  // as typed
    termo::Modelo modelo = termo::Modelo::Unifac;
    double presionKPa = 101.325;
    int intervalos = 20;  // --points: x = 0, 1/N, ..., 1
};

// The options, or the message of the first argument that is wrong.
std::variant<OpcionesTabla, std::string> leerOpciones(const std::vector<std::string>& args);

std::string textoAyuda();

}  // namespace quillon
