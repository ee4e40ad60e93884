#include "model/tabla_texto.h"

#include <algorithm>
#include <optional>

#include "model/columna_platos.h"
#include "model/formato.h"
#include "model/texto.h"

namespace quillon {
namespace {

constexpr Texto kDestilacion{"Distillation of binary mixture of ", "Destilación de mezcla binaria de "};
constexpr Texto kY{" (A) and ", " (A) y "};
constexpr Texto kMasaInicial{"Initial mass of mixture = ", "Masa inicial de mezcla = "};
constexpr Texto kMasaMolar{"Molar mass of ", "Masa molar de "};
constexpr Texto kEtapa{"Number of the current stage of distillation = ", "Etapa de destilación = "};

// `columna`: the line of the stage's column of plates, empty without one.
std::string cabecera(const Entradas& e, const PeticionTabla& p, double masaCarga, const std::string& columna)
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
    t += tr(kEtapa) + std::to_string(p.etapa) + " / " + std::to_string(e.numEtapas) + "\r\n";
    if (!columna.empty()) t += columna + "\r\n";
    t += "\r\n";
    return t;
}

bool esTemperatura(int q) { return q == kTempAlambique || q == kTempDestilado; }

const InfoMagnitudColumna& deColumna(int q) { return magnitudesColumna()[static_cast<std::size_t>(q - kReflujo)]; }

const InfoTemperatura& temperatura(int q)
{
    return magnitudesTemperatura()[static_cast<std::size_t>(q - kNumMagnitudes)];
}

const InfoMagnitudCalor& deCalor(int q) { return magnitudesCalor()[static_cast<std::size_t>(q - kTiempo)]; }

// `reloj`: the heating's line, empty when no quantity of it is ticked.
std::string leyenda(const PeticionTabla& p, std::string_view unidad, const std::string& modelo, const std::string& reloj)
{
    std::string t;
    for (int q : p.items) {
        if (esMagnitudDeCalor(q)) {
            t += codigoMagnitud(q) + " = " + tr(deCalor(q).nombre) + "\r\n";
            continue;
        }
        if (esTemperatura(q)) {
            t += codigoMagnitud(q) + " = " + tr(temperatura(q).nombre) + " (°C; " + modelo + ")\r\n";
            continue;
        }
        if (esMagnitudDeColumna(q)) {
            t += codigoMagnitud(q) + " = " + tr(deColumna(q).nombre) + "\r\n";
            continue;
        }
        const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(q)];
        t += std::string(m.codigo) + " = " + std::string(m.nombre);
        if (esMagnitudDeMasa(q)) t += " (" + std::string(unidad) + ")";
        t += "\r\n";
    }
    if (!reloj.empty()) t += reloj + "\r\n";
    t += "\r\n";
    for (int q : p.items) t += columna12(codigoMagnitud(q));
    t += "\r\n";
    return t;
}

// The row's value of quantity q, the temperatures worked out once a row.
double valor(int q, const ValoresMagnitudes& v, const std::optional<Temperaturas>& t, const EtapaEvaluable& etapa, double P,
             const std::optional<TiempoCalor>& reloj)
{
    if (esMagnitudDeCalor(q)) return q == kTiempo ? reloj->minutos : reloj->kJ.value_or(0);
    if (esMagnitudDeColumna(q)) return valorMagnitudColumna(q, etapa, P);
    if (!esTemperatura(q)) return v[static_cast<std::size_t>(q)];
    return q == kTempAlambique ? t->alambique : t->destilado;
}

termo::Avisos avisosDe(int q, const std::optional<Temperaturas>& t)
{
    if (!esTemperatura(q)) return {};
    return q == kTempAlambique ? t->avisosAlambique : t->avisosDestilado;
}

// A number of the view with the marks of its flags.
std::string celda(double x, termo::Avisos a, char sep)
{
    return FormatoNumero(x, 5, sep) + (a.vacio() ? std::string() : " " + termo::marcasAvisos(a));
}

// A column's heading for a spreadsheet: its code and, when it has one, its unit.
std::string encabezado(int q, std::string_view unidad)
{
    std::string c = recortar(codigoMagnitud(q));
    if (esTemperatura(q)) return c + " (°C)";
    if (esMagnitudDeColumna(q)) return c;
    if (esMagnitudDeCalor(q)) return c + (q == kTiempo ? " (min)" : " (kJ)");
    if (c.find('%') != std::string::npos) return c + " (%)";
    if (esMagnitudDeMasa(q)) return c + " (" + std::string(unidad) + ")";
    if (c.find('N') != std::string::npos) return c + " (mol)";
    return c;
}

// A still that boils above a critical temperature has no latent heat to
// give a power's time or the heat.
const Texto* errorDeAcumulado(const AcumuladoCalor& a, const Calefaccion& c, const std::vector<int>& items)
{
    const bool pideCalor = c.potencia || std::find(items.begin(), items.end(), kCalor) != items.end();
    return a.sobreCritica && pideCalor ? &mensajes::sobreCritica : nullptr;
}

}  // namespace

std::string codigoMagnitud(int q)
{
    if (esMagnitudDeCalor(q)) return std::string(deCalor(q).codigo);
    if (esMagnitudDeColumna(q)) return std::string(deColumna(q).codigo);
    return std::string(esTemperatura(q) ? temperatura(q).codigo : magnitudes()[static_cast<std::size_t>(q)].codigo);
}

std::string columna12(std::string s)
{
    s.resize(12, ' ');
    return s;
}

ResultadoValores ValoresTablaVista(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                                   const std::array<double, kMaxEtapas>& cortes, PeticionTabla p,
                                   const TemperaturasTabla& temperaturas, const CalorTabla& calor)
{
    ResultadoValores r;
    // Without a binary there are no temperatures to tabulate.
    if (!temperaturas.sistema) std::erase_if(p.items, esTemperatura);
    if ((r.error = validarEntradas(e, false, true))) return r;
    cadena.fijarCargaInicial(e.x0);
    if (!cadena.asegurar(p.etapa, elv, e.mma, e.mmb)) return r;

    const EtapaEvaluable etapa = etapaEvaluable(cadena, elv, e, cortes, p.etapa);
    // Nor without a column its reflux ratio and distillate.
    if (!etapa.columnaPlatos) std::erase_if(p.items, esMagnitudDeColumna);
    // Nor without a heating its time, nor without latent heats its heat.
    if (!calor.calefaccion) std::erase_if(p.items, esMagnitudDeCalor);
    if (!calor.sistema) std::erase(p.items, kCalor);
    const AcumuladoCalor* reloj = nullptr;
    if (std::any_of(p.items.begin(), p.items.end(), esMagnitudDeCalor)) {
        // A power needs the latent heats.
        if (calor.calefaccion->potencia && !calor.sistema) {
            r.error = &mensajes::potenciaSinCalorLatente;
            return r;
        }
        reloj = &calor.reloj->acumulado(cadena, p.etapa, elv, e.mma, e.mmb, calor.sistema);
        if ((r.error = errorDeAcumulado(*reloj, *calor.calefaccion, p.items))) return r;
        r.valores.calorIncierto = reloj->conCalor && (calorLatenteIncierto(calor.sistema->compuestoA()) ||
                                                      calorLatenteIncierto(calor.sistema->compuestoB()));
    }
    ValoresTabla& v = r.valores;
    v.items = p.items;
    v.unidad = unidadesMasa()[static_cast<std::size_t>(e.unidad)].nombre;
    v.masaCarga = etapa.masaCarga;
    const double paso = 100.0 / p.intervalos;
    const bool conTemperaturas = std::any_of(p.items.begin(), p.items.end(), esTemperatura);
    // Progress accumulated by repeated addition, as the rows have always been.
    for (double P = 0; P <= 100.1; P += paso) {
        const ValoresMagnitudes m = EvaluarMagnitudes(etapa, P);
        std::optional<Temperaturas> temp;
        if (conTemperaturas) temp = temperaturasEn(*temperaturas.sistema, etapa, m, P);
        std::optional<TiempoCalor> tiempo;
        if (reloj) {
            tiempo = tiempoCalorEnFila(*reloj, *calor.calefaccion, etapa.masaCarga * etapa.gramos, filaDeAvance(P));
            if (!tiempo) {
                r.error = &mensajes::calefaccion;
                return r;
            }
        }
        std::vector<double>& fila = v.filas.emplace_back();
        std::vector<termo::Avisos>& avisos = v.avisos.emplace_back();
        for (int q : p.items) {
            fila.push_back(valor(q, m, temp, etapa, P, tiempo));
            avisos.push_back(avisosDe(q, temp));
        }
    }
    r.valido = true;
    return r;
}

ResultadoTabla CrearTablaTexto(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                               const std::array<double, kMaxEtapas>& cortes, PeticionTabla p,
                               const TemperaturasTabla& temperaturas, const CalorTabla& calor)
{
    const ResultadoValores valores = ValoresTablaVista(cadena, elv, e, cortes, p, temperaturas, calor);
    ResultadoTabla r;
    r.error = valores.error;
    if (!valores.valido) return r;
    const ValoresTabla& v = valores.valores;
    p.items = v.items;
    const ColumnaPlatos& columna = cadena.columnaPlatos();
    const std::string lineaColumna =
        columna.hay() ? textoColumna(columna, cadena.cabeza(p.etapa).avanceReflujoMaximo, p.sep) : std::string();
    const bool conReloj = std::any_of(p.items.begin(), p.items.end(), esMagnitudDeCalor);
    const std::string reloj = conReloj ? textoRelojCalefaccion(*calor.calefaccion, p.sep) : std::string();
    std::string t = cabecera(e, p, v.masaCarga, lineaColumna) + leyenda(p, v.unidad, temperaturas.modelo, reloj);
    termo::Avisos presentes;
    for (std::size_t i = 0; i < v.filas.size(); ++i) {
        for (std::size_t j = 0; j < v.filas[i].size(); ++j) {
            t += columna12(celda(v.filas[i][j], v.avisos[i][j], p.sep));
            presentes |= v.avisos[i][j];
        }
        t += "\r\n";
    }
    if (!presentes.vacio()) t += "\r\n" + termo::notasAvisos(presentes, "\r\n");
    if (v.calorIncierto) t += "\r\n" + notaCalorLatenteIncierto() + "\r\n";
    r.texto = std::move(t);
    r.valores = v;
    return r;
}

std::string CrearTablaCsv(const ValoresTabla& v, char sep)
{
    const char separador = sep == ',' ? ';' : ',';
    std::string t;
    for (std::size_t i = 0; i < v.items.size(); ++i) t += (i ? std::string(1, separador) : std::string()) + encabezado(v.items[i], v.unidad);
    t += "\r\n";
    for (const auto& fila : v.filas) {
        for (std::size_t i = 0; i < fila.size(); ++i) t += (i ? std::string(1, separador) : std::string()) + textoCompleto(fila[i], sep);
        t += "\r\n";
    }
    return t;
}

std::string CrearTablaHtml(const ValoresTabla& v, char sep)
{
    std::string t = "<table>\r\n<tr>";
    for (int q : v.items) t += "<th>" + encabezado(q, v.unidad) + "</th>";
    t += "</tr>\r\n";
    for (const auto& fila : v.filas) {
        t += "<tr>";
        for (double x : fila) t += "<td>" + FormatoNumero(x, 5, sep) + "</td>";
        t += "</tr>\r\n";
    }
    return t + "</table>\r\n";
}

}  // namespace quillon
