#include "model/tabla_texto.h"

#include "model/formato.h"

namespace quillon {
namespace {

constexpr Texto kDestilacion{"Distillation of binary mixture of ", "Destilación de mezcla binaria de "};
constexpr Texto kY{" (A) and ", " (A) y "};
constexpr Texto kMasaInicial{"Initial mass of mixture = ", "Masa inicial de mezcla = "};
constexpr Texto kMasaMolar{"Molar mass of ", "Masa molar de "};
constexpr Texto kEtapa{"Number of the current stage of distillation = ", "Etapa de destilación = "};

std::string cabecera(const Entradas& e, const PeticionTabla& p, double masaCarga)
{
    const UnidadMasa& unidad = unidadesMasa()[static_cast<std::size_t>(e.unidad)];
    const std::string u(unidad.nombre);
    const double g = unidad.gramos;
    auto f = [&p](double v, int n) { return FormatoNumero(v, n, p.sep); };

    std::string t;
    t += tr(kDestilacion) + p.nombreA + tr(kY) + p.nombreB + " (B)\r\n";
    t += tr(kMasaInicial) + f(masaCarga, 5) + " " + u;
    if (g != 1 && g != 1000)  // ounces and pounds also in grams
        t += " = " + f(masaCarga * g, 5) + " g  (1 " + u + " = " + f(g, 6) + " g)";
    t += "\r\n";
    t += tr(kMasaMolar) + p.nombreA + " (A) = " + f(e.mma, 5) + " g/mol\r\n";
    t += tr(kMasaMolar) + p.nombreB + " (B) = " + f(e.mmb, 5) + " g/mol\r\n";
    t += tr(kEtapa) + std::to_string(p.etapa) + " / " + std::to_string(e.numEtapas) + "\r\n\r\n";
    return t;
}

std::string leyenda(const PeticionTabla& p, std::string_view unidad)
{
    std::string t;
    for (int q : p.items) {
        const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(q)];
        t += std::string(m.codigo) + " = " + std::string(m.nombre);
        if (esMagnitudDeMasa(q)) t += " (" + std::string(unidad) + ")";
        t += "\r\n";
    }
    t += "\r\n";
    for (int q : p.items) t += columna12(std::string(magnitudes()[static_cast<std::size_t>(q)].codigo));
    t += "\r\n";
    return t;
}

}  // namespace

std::string columna12(std::string s)
{
    s.resize(12, ' ');
    return s;
}

ResultadoTabla CrearTablaTexto(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                               const std::array<double, kMaxEtapas>& cortes, const PeticionTabla& p)
{
    ResultadoTabla r;
    if ((r.error = validarEntradas(e, false, true))) return r;
    cadena.fijarCargaInicial(e.x0);
    if (!cadena.asegurar(p.etapa, elv, e.mma, e.mmb)) return r;

    const EtapaEvaluable etapa = etapaEvaluable(cadena, elv, e, cortes, p.etapa);
    const std::string_view unidad = unidadesMasa()[static_cast<std::size_t>(e.unidad)].nombre;
    std::string t = cabecera(e, p, etapa.masaCarga) + leyenda(p, unidad);
    const double paso = 100.0 / p.intervalos;
    // Progress accumulated by repeated addition, as the rows have always been.
    for (double P = 0; P <= 100.1; P += paso) {
        const ValoresMagnitudes v = EvaluarMagnitudes(etapa, P);
        for (int q : p.items) t += columna12(FormatoNumero(v[static_cast<std::size_t>(q)], 5, p.sep));
        t += "\r\n";
    }
    r.texto = std::move(t);
    return r;
}

}  // namespace quillon
