#pragma once
// The stage a graph shows and the simulation's view of it, shared by the
// progress graph, the T-x-y diagram and the column's staircase.

#include "simulacion/simulacion.h"

namespace quillon {

// A stage number brought into 1..kMaxEtapas.
int etapaAcotada(int etapa);

// The view of stage k, computed under the hourglass when its table is not
// there yet. With `cortarAnteriores` the stages before k are cut first, left
// to right, as the stage row cuts them: the charge of stage k is what they
// distilled, and a view of the still at its cut needs it.
EtapaParaVista vistaDeEtapa(Simulacion& sim, int k, bool cortarAnteriores);

}  // namespace quillon
