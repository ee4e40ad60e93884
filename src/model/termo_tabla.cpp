#include "model/termo_tabla.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "model/equilibrio.h"
#include "model/termo_raices.h"

namespace quillon::termo {
namespace {

// The program looks a table up at x = k / 1000.
constexpr int kMalla = 1000;
// Below this the table already gives the curve to rounding.
constexpr double kErrorDespreciable = 1e-9;
// The grids on which the sign of y - x and the splitting liquid are looked
// for: finer than any feature of the listed pairs' curves.
constexpr int kTramosAzeotropo = 100;
constexpr int kTramosDosLiquidos = 200;

double yDeAlfa(double a, double x) { return a * x / ((a - 1) * x + 1); }

// Least squares on y: the root of dS/da, sought on ln a.
double alfaMinimosCuadrados(std::span<const double> x, std::span<const double> y)
{
    auto pendiente = [&](double u) {
        const double a = std::exp(u);
        double g = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double d = (a - 1) * x[i] + 1;
            g += (y[i] - yDeAlfa(a, x[i])) * x[i] * (1 - x[i]) / (d * d);
        }
        return g;
    };
    const bool interior = std::any_of(x.begin(), x.end(), [](double v) { return v > 0 && v < 1; });
    if (!interior) return 1;
    const double bajo = std::log(1e-6), alto = std::log(1e6);
    return std::exp(raizEnIntervalo(pendiente, bajo, alto, pendiente(bajo), pendiente(alto), 1e-14));
}

// The predicted curve on the grid, with the local volatility of each point.
struct Curva {
    std::vector<Burbuja> puntos;
    std::vector<double> x, y, alfa;
};

// Whether the stretch between table points a and b (grid indices) reads
// within `eps` of the curve. The program interpolates alpha linearly in x
// between two points and holds it constant out to a pure end, which borrows
// the alpha of its neighbour (CrearSuperTABLA_ELV).
bool cabe(const Curva& c, int a, int b, double eps)
{
    const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
    const double alfaA = a == 0 ? c.alfa[ib] : c.alfa[ia];
    const double alfaB = b == kMalla ? alfaA : c.alfa[ib];
    for (std::size_t k = ia + 1; k < ib; ++k) {
        const double alfa = alfaA + (alfaB - alfaA) * static_cast<double>(k - ia) / static_cast<double>(ib - ia);
        if (std::fabs(yDeAlfa(alfa, c.x[k]) - c.y[k]) > eps) return false;
    }
    return true;
}

// From x = 0, each point as far along as the stretch before it allows, until
// the last one reaches x = 1: the fewest points that read within eps. Empty
// when more than `maximo` would be needed.
std::vector<int> repartir(const Curva& c, double eps, int maximo)
{
    std::vector<int> p{0};
    int largo = 1;
    while (p.back() == 0 || !cabe(c, p.back(), kMalla, eps)) {
        if (static_cast<int>(p.size()) > maximo) return {};
        const int a = p.back();
        // Galloping from the last stretch's length, then bisection between
        // the longest stretch known to fit and the shortest known not to.
        int bien = a + 1, mal = kMalla;
        for (int b = a + largo; b < kMalla; b = a + 2 * (b - a)) {
            if (!cabe(c, a, b, eps)) {
                mal = b;
                break;
            }
            bien = b;
        }
        while (mal - bien > 1) {
            const int m = (bien + mal) / 2;
            (cabe(c, a, m, eps) ? bien : mal) = m;
        }
        largo = bien - a;
        p.push_back(bien);
    }
    p.push_back(kMalla);
    return p;
}

}  // namespace

std::vector<Azeotropo> buscarAzeotropos(const Sistema& s)
{
    auto lnAlfa = [&s](double x) { return std::log(s.volatilidad(x, s.burbuja(x).T)); };
    std::vector<Azeotropo> r;
    double xa = 0, ga = lnAlfa(0);
    for (int i = 1; i <= kTramosAzeotropo; ++i) {
        const double xb = static_cast<double>(i) / kTramosAzeotropo, gb = lnAlfa(xb);
        // A zero on the grid closes the stretch that reaches it, once.
        if ((ga > 0 && gb <= 0) || (ga < 0 && gb >= 0)) {
            Azeotropo a;
            a.x = raizEnIntervalo(lnAlfa, xa, xb, ga, gb, 1e-10);
            const Burbuja b = s.burbuja(a.x);
            a.T = b.T;
            a.avisos = b.avisos;
            // A is the heavier one below it: the boiling point rises towards it.
            a.maximo = ga < 0;
            r.push_back(a);
        }
        xa = xb;
        ga = gb;
    }
    return r;
}

std::optional<Azeotropo> buscarAzeotropo(const Sistema& s)
{
    const auto todos = buscarAzeotropos(s);
    return todos.empty() ? std::nullopt : std::optional<Azeotropo>(todos.front());
}

std::vector<Azeotropo> azeotroposDeTabla(const Sistema& s, const TablaELV& t)
{
    std::vector<Azeotropo> r;
    for (int j = 0; j < t.ultPunto && j + 1 < kFilasTablaELV; ++j) {
        const double xa = t.x[static_cast<std::size_t>(j)], xb = t.x[static_cast<std::size_t>(j + 1)];
        const double alfaA = volatilidadLocal(t, xa == 0 ? 1 : j), alfaB = volatilidadLocal(t, xb == 1 ? j : j + 1);
        if ((alfaA > 1) == (alfaB > 1)) continue;
        Azeotropo a;
        a.x = xa + (1 - alfaA) / (alfaB - alfaA) * (xb - xa);
        // A point on the diagonal ends one stretch and starts the next.
        if (!r.empty() && r.back().x == a.x) continue;
        const Burbuja b = s.burbuja(a.x);
        a.T = b.T;
        a.avisos = b.avisos;
        a.maximo = alfaA < 1;
        r.push_back(a);
    }
    return r;
}

bool tablaDelSistema(const Sistema& s, const TablaELV& t)
{
    for (int i = 0; i <= t.ultPunto && i < kFilasTablaELV; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!(std::fabs(s.burbuja(t.x[k]).y - t.y[k]) <= 1e-6)) return false;
    }
    return true;
}

double parteConBMasVolatil(const Sistema& s, const std::vector<Azeotropo>& azeotropos)
{
    if (azeotropos.empty()) return s.volatilidad(0.5, s.burbuja(0.5).T) < 1 ? 1 : 0;
    // Below a maximum-boiling azeotrope B is the more volatile, above it A:
    // the kind of each says what the stretch on either side is.
    double parte = 0, desde = 0;
    for (const Azeotropo& a : azeotropos) {
        if (a.maximo) parte += a.x - desde;
        desde = a.x;
    }
    if (!azeotropos.back().maximo) parte += 1 - desde;
    return parte;
}

std::vector<Tramo> tramosDosLiquidos(const Sistema& s)
{
    std::vector<Tramo> r;
    if (s.modelo() == Modelo::Ideal) return r;
    auto separa = [&s](double x) { return s.burbuja(x).avisos.tiene(Aviso::DosLiquidos); };
    // The boundary between a and b (one splits, the other not), by bisection.
    auto frontera = [&](double a, double b) {
        const bool enA = separa(a);
        while (b - a > 1e-6) {
            const double m = (a + b) / 2;
            (separa(m) == enA ? a : b) = m;
        }
        return (a + b) / 2;
    };
    bool antes = false;  // a pure liquid never splits
    double xa = 0;
    for (int i = 1; i <= kTramosDosLiquidos; ++i) {
        const double xb = static_cast<double>(i) / kTramosDosLiquidos;
        const bool ahora = separa(xb);
        if (ahora && !antes) r.push_back({frontera(xa, xb), 1});
        if (!ahora && antes) r.back().hasta = frontera(xa, xb);
        antes = ahora;
        xa = xb;
    }
    return r;
}

Avisos TablaPredicha::todosLosAvisos() const
{
    Avisos todos;
    for (Avisos a : avisos) todos |= a;
    return todos;
}

std::variant<TablaPredicha, std::string> predecirTabla(const Sistema& s, int puntos)
{
    puntos = std::clamp(puntos, 1, kFilasTablaELV - 2);
    Curva c;
    for (int k = 0; k <= kMalla; ++k) {
        const double x = static_cast<double>(k) / kMalla;
        const Burbuja b = s.burbuja(x);
        if (k > 0 && !(b.y > c.y.back())) return textoDelPar(mensajes::dosFases, s.compuestoA(), s.compuestoB());
        c.puntos.push_back(b);
        c.x.push_back(x);
        c.y.push_back(b.y);
        c.alfa.push_back(k > 0 && k < kMalla ? b.y * (1 - x) / (x * (1 - b.y)) : 1);
    }

    std::vector<int> elegidos = repartir(c, kErrorDespreciable, puntos);
    if (elegidos.empty()) {
        // The smallest error `puntos` points reach, by bisection on its
        // logarithm (to 1 %); any one point reads within 1.
        elegidos = repartir(c, 1, puntos);
        for (double bajo = std::log(kErrorDespreciable), alto = 0; alto - bajo > 0.01;) {
            const double medio = (bajo + alto) / 2;
            auto p = repartir(c, std::exp(medio), puntos);
            if (p.empty()) {
                bajo = medio;
            } else {
                alto = medio;
                elegidos = std::move(p);
            }
        }
    }

    TablaPredicha t;
    for (int k : elegidos) {
        const auto i = static_cast<std::size_t>(k);
        t.x.push_back(c.x[i]);
        t.y.push_back(c.y[i]);
        t.T.push_back(c.puntos[i].T);
        t.avisos.push_back(c.puntos[i].avisos);
    }
    return t;
}

double alfaAjustada(const TablaPredicha& t) { return alfaMinimosCuadrados(t.x, t.y); }

}  // namespace quillon::termo
