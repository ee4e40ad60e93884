#include "graphs/geometria_elv.h"

#include <cmath>

#include "model/idioma.h"

namespace quillon {

GeometriaELV geometriaPantalla(double ancho, double alto) { return {25, alto - 25, ancho - 50, alto - 50}; }

GeometriaELV geometriaPapel() { return {10, 190, 180, 180}; }

std::vector<double> posicionesRejilla(double origen, double tamano, double sentido)
{
    std::vector<double> p;
    const double paso = tamano / 10.01;
    for (int k = 0; k * paso <= tamano; ++k) p.push_back(origen + sentido * k * paso);
    return p;
}

std::string etiquetaRejilla(int k, char sep)
{
    if (k <= 0) return "0";
    if (k >= 10) return "1";
    return std::string("0") + sep + static_cast<char>('0' + k);
}

std::vector<double> inicioGuiones(double desde, double longitud)
{
    std::vector<double> d;
    for (int i = 0; i * 1.4 <= longitud - 1.4; ++i) d.push_back(desde + i * 1.4);
    return d;
}

namespace {

std::string recortar(const std::string& s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

std::string tituloConNombre(const Texto& inicio, const Texto& fin, const std::string& nombreA)
{
    static constexpr Texto masVolatil{" most volatile component", "l componente más volátil"};
    const std::string n = recortar(nombreA);
    return tr(inicio) + (n.empty() ? std::string(tr(masVolatil)) : " " + n) + tr(fin);
}

std::string tituloEjeX(const std::string& nombreA)
{
    return tituloConNombre({"X: Mole fraction of", "X: Fracción molar de"}, {" in liquid phase", " en el líquido"}, nombreA);
}

std::string tituloEjeY(const std::string& nombreA)
{
    return tituloConNombre({"Y: Mole fraction of", "Y: Fracción molar de"}, {" in vapor phase", " en el vapor"}, nombreA);
}

std::vector<PuntoDiagrama> puntosCurva(const ModeloELV& elv)
{
    std::vector<PuntoDiagrama> p;
    p.reserve(101);
    p.push_back({0, 0});
    for (double x = 0.01; x <= 1.00001; x += 0.01) p.push_back({x, elv.yEq(x)});
    return p;
}

std::vector<PuntoDiagrama> puntosCurvaContinua(const ModeloELV& elv)
{
    std::vector<PuntoDiagrama> p;
    p.reserve(1001);
    for (int k = 0; k <= 1000; ++k) p.push_back({k / 1000.0, elv.yEqContinuo(k / 1000.0)});
    return p;
}

Lectura lecturaRaton(double X, double Y, double anchoImagen, double altoImagen)
{
    return {(X - 25) / (anchoImagen - 50), (altoImagen - 25 - Y) / (altoImagen - 50)};
}

double yCurvaEn(const ModeloELV& elv, double xg)
{
    const double a = elv.alfaEn(xg);
    return a * xg / (1 - (1 - a) * xg);
}

bool sobreLaCurva(const ModeloELV& elv, const Lectura& l, double Y, const GeometriaELV& g)
{
    return std::abs(g.yDe(yCurvaEn(elv, l.xg)) - Y) <= 5;
}

double alfaDeArrastre(const Lectura& l)
{
    if (l.yg <= l.xg) return 1.01;
    const double alfa = l.yg * (1 - l.xg) / (l.xg * (1 - l.yg));
    return std::floor(1000 * alfa + 0.5) / 1000;
}

}  // namespace quillon
