#include "graphs/vista_etapa.h"

#include <algorithm>
#include <optional>

#include "platform/plataforma.h"

namespace quillon {

int etapaAcotada(int etapa) { return std::clamp(etapa, 1, kMaxEtapas); }

EtapaParaVista vistaDeEtapa(Simulacion& sim, int k, bool cortarAnteriores)
{
    std::optional<plataforma::CursorEspera> espera;
    if (!sim.calculada(k)) espera.emplace();
    if (cortarAnteriores)
        for (int j = 1; j < k; ++j)
            if (sim.etapa(j).error) break;
    return sim.etapaParaGrafico(k);
}

}  // namespace quillon
