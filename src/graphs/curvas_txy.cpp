#include "graphs/curvas_txy.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

constexpr int kTramosIniciales = 32;
// No interval is split below this width: the cost stays bounded near a
// pure end where a curve turns sharply.
constexpr double kTramoMinimo = 1.0 / 4096;
// A midpoint this far (as a fraction of the curve's span) from the chord
// splits its interval: well under a pixel of a full-screen diagram.
constexpr double kDesvioRelativo = 0.0005;

// A curve traced along a parameter t from 0 to 1 (the liquid's x, or the
// vapour's y): f(t) is its point.
template <typename F>
std::vector<PuntoTxy> muestrear(F f, const std::vector<double>& fijos)
{
    std::vector<double> ts;
    for (int i = 0; i <= kTramosIniciales; ++i) ts.push_back(double(i) / kTramosIniciales);
    ts.insert(ts.end(), fijos.begin(), fijos.end());
    std::sort(ts.begin(), ts.end());
    ts.erase(std::unique(ts.begin(), ts.end()), ts.end());

    struct Muestra {
        double t;
        PuntoTxy p;
    };
    std::vector<Muestra> base;
    for (double t : ts) base.push_back({t, f(t)});
    const auto [lo, hi] = std::minmax_element(base.begin(), base.end(), [](auto a, auto b) { return a.p.T < b.p.T; });
    const double tolerancia = std::max(kDesvioRelativo * (hi->p.T - lo->p.T), 1e-6);

    // An interval is split where its midpoint strays from the chord, or
    // where its ends differ in their flags (so that a doubtful stretch is
    // drawn where it is).
    std::vector<PuntoTxy> r{base.front().p};
    const auto partir = [&](auto&& self, const Muestra& a, const Muestra& b) -> void {
        const Muestra m{(a.t + b.t) / 2, f((a.t + b.t) / 2)};
        const bool aparte = std::abs(m.p.T - (a.p.T + b.p.T) / 2) > tolerancia ||
                            std::abs(m.p.x - (a.p.x + b.p.x) / 2) > kDesvioRelativo || !(a.p.avisos == b.p.avisos);
        if (b.t - a.t > kTramoMinimo && aparte) {
            self(self, a, m);
            self(self, m, b);
            return;
        }
        r.push_back(m.p);
        r.push_back(b.p);
    };
    for (std::size_t i = 1; i < base.size(); ++i) partir(partir, base[i - 1], base[i]);
    return r;
}

PuntoTxy puntoDe(double x, const termo::Burbuja& b) { return {x, b.T - kCeroCelsius, b.avisos}; }

}  // namespace

CurvasTxy calcularCurvasTxy(const termo::Sistema& s, const EquilibrioTxy& e)
{
    const bool propia = !e.elv || (e.tabla && termo::tablaDelSistema(s, *e.tabla));
    const auto azeotropos = propia ? termo::buscarAzeotropos(s)
                                   : e.tabla ? termo::azeotroposDeTabla(s, *e.tabla) : std::vector<termo::Azeotropo>{};
    CurvasTxy c;
    std::vector<double> fijos;
    for (const termo::Azeotropo& az : azeotropos) {
        c.azeotropos.push_back({{az.x, az.T - kCeroCelsius, az.avisos}, az.maximo});
        // Both curves go through each azeotrope, where they touch.
        fijos.push_back(az.x);
    }
    c.burbuja = muestrear([&s](double x) { return puntoDe(x, s.burbuja(x)); }, fijos);
    if (propia) {
        c.rocio = muestrear(
            [&s](double y) {
                const termo::Rocio r = s.rocio(y);
                return PuntoTxy{y, r.T - kCeroCelsius, r.avisos};
            },
            fijos);
    } else {
        // The vapour in force over each liquid, at the liquid's temperature.
        c.rocio = muestrear([&](double x) { return puntoDe(e.elv->yEq(x), s.burbuja(x)); }, fijos);
    }
    c.dosLiquidos = termo::tramosDosLiquidos(s);
    c.tMin = c.tMax = c.burbuja.front().T;
    for (const auto* curva : {&c.burbuja, &c.rocio})
        for (const PuntoTxy& p : *curva) {
            c.tMin = std::min(c.tMin, p.T);
            c.tMax = std::max(c.tMax, p.T);
            c.avisos |= p.avisos;
        }
    return c;
}

const CurvasTxy& CurvasTxyGuardadas::de(const termo::Sistema& s, const EquilibrioTxy& e)
{
    Clave clave{s.compuestoA(), s.compuestoB(), s.modelo(), s.presion(), e.elv == nullptr, false, 0, {}};
    if (e.elv) {
        clave.modoTabla = e.elv->modoTabla;
        clave.alfa = e.elv->modoTabla ? 0 : e.elv->alfa;
        if (e.tabla) clave.tabla = *e.tabla;
    }
    if (clave_ != clave) {
        curvas_ = calcularCurvasTxy(s, e);
        clave_ = clave;
        ++generacion_;
    }
    return curvas_;
}

}  // namespace quillon
