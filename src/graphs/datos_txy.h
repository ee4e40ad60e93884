#pragma once
// What the temperature-composition diagram shows, read from the simulation:
// the titles and legend of its binary, and the chosen stage at its cut.

#include "graphs/pintar_txy.h"
#include "model/idioma.h"

namespace quillon {

class Simulacion;

// The texts around the curves `c` of the simulation's binary.
DatosTxy datosTxy(Simulacion& sim, const CurvasTxy& c);

struct ResultadoEstadoTxy {
    const Texto* error = nullptr;  // the input message for the message line
    EstadoTxy estado;
};
// Stage `etapa` (1..6) at the cut its percent box holds: the liquid left in
// the still at its boiling temperature and the vapour leaving it.
ResultadoEstadoTxy estadoTxy(Simulacion& sim, const termo::Sistema& s, int etapa);

}  // namespace quillon
