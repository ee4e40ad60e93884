#include "model/termo_avisos.h"

namespace quillon::termo {

const std::array<InfoAviso, 4>& infoAvisos()
{
    static const std::array<InfoAviso, 4> lista{{
        {Aviso::Extrapolada, '*', "extrapolated", {"extrapolated", "extrapolada"},
         {"extrapolated: outside the range of the vapour-pressure constants of a compound in the liquid",
          "extrapolada: fuera del rango de las constantes de presión de vapor de un compuesto del líquido"}},
        {Aviso::SobreCritica, 'c', "above_critical", {"above the critical point", "sobre el punto crítico"},
         {"above the critical point: a compound in the liquid is above its critical temperature, where its vapour "
          "pressure is not valid",
          "sobre el punto crítico: un compuesto del líquido supera su temperatura crítica, donde su presión de vapor "
          "no es válida"}},
        {Aviso::BajoFusion, 'm', "below_melting", {"below the melting point", "bajo el punto de fusión"},
         {"below the melting point: a compound in the liquid is below its melting point and may freeze",
          "bajo el punto de fusión: un compuesto del líquido está bajo su punto de fusión y puede congelarse"}},
        {Aviso::DosLiquidos, 's', "two_liquids", {"two liquid phases", "dos fases líquidas"},
         {"two liquid phases: the liquid would split in two; no single liquid of this composition boils there",
          "dos fases líquidas: el líquido se separaría en dos; ningún líquido único de esta composición hierve ahí"}},
    }};
    return lista;
}

namespace {

// The parts of the flags in `a`, joined by `separador`.
template <typename Parte>
std::string unir(Avisos a, std::string_view separador, Parte parte)
{
    std::string t;
    for (const InfoAviso& i : infoAvisos())
        if (a.tiene(i.aviso)) t += (t.empty() ? std::string() : std::string(separador)) + std::string(parte(i));
    return t;
}

}  // namespace

std::string nombresAvisos(Avisos a)
{
    return unir(a, "+", [](const InfoAviso& i) { return i.nombre; });
}

std::string textoAvisos(Avisos a, std::string_view separador)
{
    return unir(a, separador, [](const InfoAviso& i) { return std::string_view(tr(i.texto)); });
}

std::string marcasAvisos(Avisos a)
{
    return unir(a, "", [](const InfoAviso& i) { return std::string_view(&i.marca, 1); });
}

std::string notasAvisos(Avisos a, std::string_view finLinea)
{
    std::string t;
    for (const InfoAviso& i : infoAvisos())
        if (a.tiene(i.aviso)) t += std::string(1, i.marca) + " " + tr(i.nota) + std::string(finLinea);
    return t;
}

}  // namespace quillon::termo
