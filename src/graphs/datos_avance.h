#pragma once
// What the progress graph shows for the chosen stage and list items: the
// input checks, the stage's charge and (lazily) its table, the axis maxima
// and titles, and the two quantities at every sampled progress.

#include "graphs/pintar_avance.h"
#include "model/idioma.h"

namespace quillon {

class Simulacion;

struct ResultadoAvance {
    const Texto* error = nullptr;  // the input message for the message line
    bool dibujable = false;        // false: only the cleared picture
    DatosAvance datos;
};

// `etapa` 1..6; `itemX` and `itemY` the ticked items of the two lists, -1 for
// none.
ResultadoAvance calcularDatosAvance(Simulacion& sim, int etapa, int itemX, int itemY);

}  // namespace quillon
