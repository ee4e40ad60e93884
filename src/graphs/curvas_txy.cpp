#include "graphs/curvas_txy.h"

#include <algorithm>
#include <cmath>

#include "model/termo_tabla.h"

namespace quillon {
namespace {

constexpr int kTramosIniciales = 32;
// No interval is split below this width: the cost stays bounded near a
// pure end where a curve turns sharply.
constexpr double kTramoMinimo = 1.0 / 4096;
// A midpoint this far (as a fraction of the curve's span) from the chord
// splits its interval: well under a pixel of a full-screen diagram.
constexpr double kDesvioRelativo = 0.0005;

struct Muestra {
    double T = 0;
    termo::Avisos avisos;
};

// Samples f over 0..1 (plus the compositions in `fijos`), halving every
// interval whose midpoint strays from the straight line between its ends.
template <typename F>
std::vector<PuntoTxy> muestrear(F f, const std::vector<double>& fijos, termo::Avisos& avisos)
{
    std::vector<double> xs;
    for (int i = 0; i <= kTramosIniciales; ++i) xs.push_back(double(i) / kTramosIniciales);
    xs.insert(xs.end(), fijos.begin(), fijos.end());
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    std::vector<PuntoTxy> base;
    for (double x : xs) {
        const Muestra m = f(x);
        avisos |= m.avisos;
        base.push_back({x, m.T});
    }
    const auto [lo, hi] = std::minmax_element(base.begin(), base.end(), [](auto a, auto b) { return a.T < b.T; });
    const double tolerancia = std::max(kDesvioRelativo * (hi->T - lo->T), 1e-6);

    std::vector<PuntoTxy> r{base.front()};
    const auto partir = [&](auto&& self, PuntoTxy a, PuntoTxy b) -> void {
        const double xm = (a.x + b.x) / 2;
        const Muestra m = f(xm);
        avisos |= m.avisos;
        if (b.x - a.x > kTramoMinimo && std::abs(m.T - (a.T + b.T) / 2) > tolerancia) {
            self(self, a, {xm, m.T});
            self(self, {xm, m.T}, b);
            return;
        }
        r.push_back({xm, m.T});
        r.push_back(b);
    };
    for (std::size_t i = 1; i < base.size(); ++i) partir(partir, base[i - 1], base[i]);
    return r;
}

}  // namespace

CurvasTxy calcularCurvasTxy(const termo::Sistema& s)
{
    CurvasTxy c;
    std::vector<double> fijos;
    if (const auto az = termo::buscarAzeotropo(s)) {
        c.azeotropo = PuntoTxy{az->x, az->T - kCeroCelsius};
        c.azeotropoMaximo = az->maximo;
        // Both curves go through the azeotrope itself, where they touch.
        fijos.push_back(az->x);
    }
    c.burbuja = muestrear(
        [&s](double x) {
            const termo::Burbuja b = s.burbuja(x);
            return Muestra{b.T - kCeroCelsius, b.avisos};
        },
        fijos, c.avisos);
    c.rocio = muestrear(
        [&s](double y) {
            const termo::Rocio r = s.rocio(y);
            return Muestra{r.T - kCeroCelsius, r.avisos};
        },
        fijos, c.avisos);
    c.tMin = c.tMax = c.burbuja.front().T;
    for (const auto* curva : {&c.burbuja, &c.rocio})
        for (const PuntoTxy& p : *curva) {
            c.tMin = std::min(c.tMin, p.T);
            c.tMax = std::max(c.tMax, p.T);
        }
    return c;
}

const CurvasTxy& CurvasTxyGuardadas::de(const termo::Sistema& s)
{
    const Clave clave{s.compuestoA(), s.compuestoB(), s.modelo(), s.presion()};
    if (clave_ != clave) {
        curvas_ = calcularCurvasTxy(s);
        clave_ = clave;
        ++generacion_;
    }
    return curvas_;
}

}  // namespace quillon
