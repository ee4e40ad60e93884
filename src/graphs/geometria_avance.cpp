#include "graphs/geometria_avance.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "graphs/geometria_txy.h"

namespace quillon {

CargaEtapa cargaDeEtapa(double x0, double masa, double mma, double mmb, double gramos)
{
    CargaEtapa c;
    c.masa = masa;
    const double w0 = 100 * x0 * mma / (x0 * mma + (1 - x0) * mmb);
    c.masaA = w0 * masa / 100;
    c.masaB = (100 - w0) * masa / 100;
    c.molesA = c.masaA * gramos / mma;
    c.molesB = c.masaB * gramos / mmb;
    return c;
}

double maximoEjeX(int item, const CargaEtapa& c)
{
    switch (item) {
    case 0:
    case 1: return 100.0001;
    case 2:
    case 4: return c.masa * 1.000001;
    case 3:
    case 5: return c.molesTotales() * 1.000001;
    default: return 0;
    }
}

double maximoEjeY(int item, const CargaEtapa& c)
{
    switch (item) {
    case 0:
    case 1:
    case 4:
    case 6: return 100.0001;
    case 2:
    case 3:
    case 5:
    case 7:
    case 16: return 1.000001;
    case 8:
    case 12: return c.masaA * 1.000001;
    case 9:
    case 13: return c.masaB * 1.000001;
    case 10:
    case 14: return c.molesA * 1.000001;
    case 11:
    case 15: return c.molesB * 1.000001;
    default: return 0;
    }
}

bool maximoUtil(double maximo) { return maximo > 1e-199 && maximo < 1e199; }

double pasoMarcas(double maximo)
{
    const double L = std::log10(maximo);
    const double P = std::pow(10.0, std::floor(L));
    const double f = L - std::floor(L);
    if (f <= 0.301) return P / 20;
    if (f <= 0.602) return P / 10;
    return P / 5;
}

std::vector<Marca> marcasEje(double paso, double maximo, bool vertical, double minimo)
{
    std::vector<Marca> m;
    const double limite = vertical ? maximo + paso / 2 : maximo;
    for (int i = 0; minimo + i * paso <= limite; ++i) m.push_back({minimo + i * paso, i % 2 == 0});
    return m;
}

EjeAjustado ejeAjustado(double tMin, double tMax, double libreArriba, double libreAbajo)
{
    // The values fill 1 - libreArriba - libreAbajo of the axis at most: a
    // scale a little wider is sought, a few rounds, as its steps round it out.
    const double libre = std::clamp(libreArriba + libreAbajo, 0.0, 0.8);
    EjeTemperatura e = ejeTemperatura(tMin, tMax);
    for (int i = 0; i < 4; ++i) {
        const double tramo = e.hasta - e.desde;
        if (e.hasta - tMax >= libreArriba * tramo && tMin - e.desde >= libreAbajo * tramo) break;
        const double necesario = std::max(tMax - tMin, 0.1) / (1 - libre);
        e = ejeTemperatura(tMin - libreAbajo * std::max(necesario, tramo), tMax + libreArriba * std::max(necesario, tramo));
    }
    // A tick between every two labels.
    return {e.desde, e.hasta, e.paso / 2};
}

std::string etiquetaMarca(double v)
{
    std::string s = QString::number(v, 'g', 15).toUpper().toStdString();
    if (s.rfind("-.", 0) == 0) s.insert(s.begin() + 1, '0');
    if (s.rfind(".", 0) == 0) s.insert(s.begin(), '0');
    return s;
}

std::vector<double> puntosAvance()
{
    std::vector<double> p;
    p.reserve(510);
    // The first steps are finer, where the compositions change fastest.
    for (double v = 0; v <= 100.09; v += v < 0.55 ? 0.1 : 0.2) p.push_back(v);
    return p;
}

Tamano tamanoEnPapel(Tamano imprimible, Tamano imagen)
{
    Tamano t = imprimible;
    if (t.alto / t.ancho < imagen.alto / imagen.ancho) t.ancho = imagen.ancho * t.alto / imagen.alto;
    else t.alto = imagen.alto * t.ancho / imagen.ancho;
    return t;
}

double unidadPlumaPapel(double dpi)
{
    const double k = 0.4 / 25.4 * dpi;
    return k > 0 ? k : 1;
}

}  // namespace quillon
