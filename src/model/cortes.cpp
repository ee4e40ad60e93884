#include "model/cortes.h"

namespace quillon {
namespace {

constexpr Texto kCorteNoValido[kMaxEtapas] = {
    {"ERROR: The percentage distilled in stage 1 is not valid", "ERROR: Porcentaje destilado de la etapa 1 no válido"},
    {"ERROR: The percentage distilled in stage 2 is not valid", "ERROR: Porcentaje destilado de la etapa 2 no válido"},
    {"ERROR: The percentage distilled in stage 3 is not valid", "ERROR: Porcentaje destilado de la etapa 3 no válido"},
    {"ERROR: The percentage distilled in stage 4 is not valid", "ERROR: Porcentaje destilado de la etapa 4 no válido"},
    {"ERROR: The percentage distilled in stage 5 is not valid", "ERROR: Porcentaje destilado de la etapa 5 no válido"},
    {"ERROR: The percentage distilled in stage 6 is not valid", "ERROR: Porcentaje destilado de la etapa 6 no válido"},
};

}  // namespace

double leerCorte(std::string_view texto, EstadoNumerico& estado)
{
    if (texto.find('.') != std::string_view::npos) estado.sepDecimal = '.';
    if (texto.find(',') != std::string_view::npos) estado.sepDecimal = ',';
    const double v = leerTextoAvance(texto);
    return esNumero(v) && v >= 0 && v <= 100 ? v : VALOR_NO_VALIDO;
}

const Texto* corteNoValido(const std::array<double, kMaxEtapas>& cortes, int hasta)
{
    for (int k = 1; k <= hasta && k <= kMaxEtapas; ++k)
        if (!esNumero(cortes[static_cast<std::size_t>(k - 1)])) return &kCorteNoValido[k - 1];
    return nullptr;
}

}  // namespace quillon
