#include "model/tabla_texto.h"

#include <algorithm>
#include <optional>

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

bool esTemperatura(int q) { return q >= kNumMagnitudes; }

const InfoTemperatura& temperatura(int q)
{
    return magnitudesTemperatura()[static_cast<std::size_t>(q - kNumMagnitudes)];
}

std::string codigo(int q)
{
    return std::string(esTemperatura(q) ? temperatura(q).codigo : magnitudes()[static_cast<std::size_t>(q)].codigo);
}

std::string leyenda(const PeticionTabla& p, std::string_view unidad, const std::string& modelo)
{
    std::string t;
    for (int q : p.items) {
        if (esTemperatura(q)) {
            t += codigo(q) + " = " + tr(temperatura(q).nombre) + " (°C; " + modelo + ")\r\n";
            continue;
        }
        const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(q)];
        t += std::string(m.codigo) + " = " + std::string(m.nombre);
        if (esMagnitudDeMasa(q)) t += " (" + std::string(unidad) + ")";
        t += "\r\n";
    }
    t += "\r\n";
    for (int q : p.items) t += columna12(codigo(q));
    t += "\r\n";
    return t;
}

// The row's value of quantity q, the temperatures worked out once a row.
double valor(int q, const ValoresMagnitudes& v, const std::optional<Temperaturas>& t)
{
    if (!esTemperatura(q)) return v[static_cast<std::size_t>(q)];
    return q == kTempAlambique ? t->alambique : t->destilado;
}

}  // namespace

std::string columna12(std::string s)
{
    s.resize(12, ' ');
    return s;
}

ResultadoTabla CrearTablaTexto(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                               const std::array<double, kMaxEtapas>& cortes, PeticionTabla p,
                               const TemperaturasTabla& temperaturas)
{
    ResultadoTabla r;
    // Without a binary there are no temperatures to tabulate.
    if (!temperaturas.sistema) std::erase_if(p.items, esTemperatura);
    if ((r.error = validarEntradas(e, false, true))) return r;
    cadena.fijarCargaInicial(e.x0);
    if (!cadena.asegurar(p.etapa, elv, e.mma, e.mmb)) return r;

    const EtapaEvaluable etapa = etapaEvaluable(cadena, elv, e, cortes, p.etapa);
    const std::string_view unidad = unidadesMasa()[static_cast<std::size_t>(e.unidad)].nombre;
    std::string t = cabecera(e, p, etapa.masaCarga) + leyenda(p, unidad, temperaturas.modelo);
    const double paso = 100.0 / p.intervalos;
    // Progress accumulated by repeated addition, as the rows have always been.
    const bool conTemperaturas = std::any_of(p.items.begin(), p.items.end(), esTemperatura);
    for (double P = 0; P <= 100.1; P += paso) {
        const ValoresMagnitudes v = EvaluarMagnitudes(etapa, P);
        std::optional<Temperaturas> temp;
        if (conTemperaturas) temp = temperaturasEn(*temperaturas.sistema, v[XAResid], v[XADest], P == 0, v[YAVapor]);
        for (int q : p.items) t += columna12(FormatoNumero(valor(q, v, temp), 5, p.sep));
        t += "\r\n";
    }
    r.texto = std::move(t);
    return r;
}

}  // namespace quillon
