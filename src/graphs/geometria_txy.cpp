#include "graphs/geometria_txy.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "graphs/geometria_elv.h"

namespace quillon {

EjeTemperatura ejeTemperatura(double tMin, double tMax)
{
    const double tramo = std::max(tMax - tMin, 0.1);
    const double bruto = tramo / 8;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    const double f = bruto / potencia;
    const double paso = potencia * (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10);
    EjeTemperatura e{std::floor(tMin / paso) * paso, std::ceil(tMax / paso) * paso, paso};
    if (e.hasta - e.desde < paso / 2) e.hasta = e.desde + paso;
    return e;
}

std::vector<double> marcasTemperatura(const EjeTemperatura& e)
{
    std::vector<double> m;
    const int n = static_cast<int>(std::lround((e.hasta - e.desde) / e.paso));
    for (int i = 0; i <= n; ++i) m.push_back(e.desde + i * e.paso);
    return m;
}

std::string etiquetaTemperatura(double v, double paso, char sep)
{
    const int decimales = paso >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(paso) - 1e-9));
    // A tick at zero never reads "-0".
    if (std::abs(v) < paso * 1e-6) v = 0;
    char buf[64];
    const auto fin = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimales).ptr;
    std::string s(buf, fin);
    std::replace(s.begin(), s.end(), '.', sep);
    return s;
}

GeometriaTxy geometriaTxyPantalla(double ancho, double alto, const EjeTemperatura& eje)
{
    constexpr double izquierda = 62, derecha = 25, arriba = 54, abajo = 46;
    return {izquierda, alto - abajo, ancho - izquierda - derecha, alto - arriba - abajo, eje};
}

GeometriaTxy geometriaTxyPapel(const EjeTemperatura& eje) { return {20, 180, 170, 170, eje}; }

bool leyendaALaDerecha(const CurvasTxy& c) { return c.burbuja.back().T <= c.burbuja.front().T; }

EjeTemperatura ejeConLeyenda(const CurvasTxy& c, double fraccionAncho, double fraccionAlto, bool derecha)
{
    EjeTemperatura e = ejeTemperatura(c.tMin, c.tMax);
    if (!(fraccionAlto > 0 && fraccionAlto < 0.8)) return e;
    // The columns under the legend, with a little air at its inner side.
    const double desde = derecha ? 1 - fraccionAncho - 0.03 : 0, hasta = derecha ? 1 : fraccionAncho + 0.03;
    double debajo = e.desde;
    for (const auto* curva : {&c.burbuja, &c.rocio})
        for (const PuntoTxy& p : *curva)
            if (p.x >= desde && p.x <= hasta) debajo = std::max(debajo, p.T);
    // A few rounds: a higher top can bring a coarser step.
    for (int i = 0; i < 4 && (e.hasta - debajo) < fraccionAlto * (e.hasta - e.desde); ++i)
        e = ejeTemperatura(c.tMin, (debajo - fraccionAlto * e.desde) / (1 - fraccionAlto));
    return e;
}

std::string tituloEjeComposicion(const std::string& nombreA)
{
    return tituloConNombre({"x, y: Mole fraction of", "x, y: Fracción molar de"}, {"", ""}, nombreA);
}

std::string tituloEjeTemperatura() { return tr(Texto{"T: Temperature (°C)", "T: Temperatura (°C)"}); }

}  // namespace quillon
