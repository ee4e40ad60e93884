// The stage chain's column of plates: each stage redistils the previous
// stage's distillate through the same column.

#include "model/cadena.h"

namespace quillon {

void CadenaEtapas::fijarColumna(const ColumnaPlatos& c)
{
    if (c == columnaPlatos_) return;
    columnaPlatos_ = c;
    rechazos_ = {};
    if (c.hay() && !cabezas_) cabezas_ = std::make_unique<std::array<AvanceColumnaPlatos, kMaxEtapas + 1>>();
    invalidar(0);
}

const RechazoColumna* CadenaEtapas::rechazo(int etapa) const
{
    const auto& r = rechazos_[static_cast<std::size_t>(etapa)];
    return r ? &*r : nullptr;
}

bool CadenaEtapas::calcularConColumna(int etapa, const ModeloELV& elv, double mma, double mmb)
{
    const auto k = static_cast<std::size_t>(etapa);
    RechazoColumna rechazo;
    rechazos_[k].reset();
    integraciones_[k] =
        IntegracionColumna::iniciar(elv, columnaPlatos_, mma, mmb, x0_[k - 1], (*tablas_)[k], (*cabezas_)[k], rechazo);
    if (integraciones_[k]) return true;
    if (rechazo.mensaje) {
        rechazo.etapa = etapa;
        rechazos_[k] = rechazo;
    }
    return false;
}

}  // namespace quillon

namespace quillon {

CabezaColumna CadenaEtapas::cabezaEnFila(int etapa, int fila) const
{
    completarHasta(etapa, fila);
    const AvanceColumnaPlatos& c = (*cabezas_)[static_cast<std::size_t>(etapa)];
    const auto i = static_cast<std::size_t>(fila);
    return {c.reflujo[i], c.destilado[i]};
}

}  // namespace quillon
