#include "model/escalera.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/termo_raices.h"

namespace quillon {
namespace {

// Compositions and slopes are found to within this part of their size (or
// of the bracket's, without a guess).
constexpr double kTolerancia = 1e-13;
// A Newton step is taken as the root when the error it leaves, estimated
// from the curvature, is below the tolerance, and the step is at most this
// part of the size (where the estimate is trusted: a kink of a table's
// equilibrium within so short a step moves the root by less than
// kTolerancia). From a guess extrapolated from the rows before, most rows of
// a progress table need one staircase, this one.
constexpr double kPasoFinal = 1e-7;
// Newton's steps before the search falls back on Brent's method.
constexpr int kPasosNewton = 30;

// The operating line's slope u = R/(R+1) and the share v = 1/(R+1) of xD in
// its intercept, each computed directly: 1 - u loses the digits of v at a
// large R. The staircase multiplies by 1/u, which it needs at every plate.
struct LineaOperativa {
    double u, v, inversaU;
};
LineaOperativa lineaDeReflujo(double R) { return {R / (R + 1), 1 / (R + 1), (R + 1) / R}; }
LineaOperativa lineaDePendiente(double u) { return {u, 1 - u, 1 / u}; }

// The liquid falling onto a plate, from the vapour rising into it, by the
// operating line: outside 0..1 where the line leaves the diagram.
double liquidoDeLinea(double vaporDebajo, LineaOperativa l, double xD) { return (vaporDebajo - l.v * xD) * l.inversaU; }
// The same, taken at the nearer end outside 0..1.
double liquidoSobre(double vaporDebajo, LineaOperativa l, double xD)
{
    const double x = liquidoDeLinea(vaporDebajo, l, xD);
    return x < 0 ? 0 : (x > 1 ? 1 : x);
}

// A value with its first and second derivatives along the unknown a solver
// looks for: the slope for Newton's step, the curvature for the error that
// step leaves.
struct Tangente {
    double valor, derivada, curvatura;
};

// The vapour in equilibrium with x and its two derivatives: with alpha
// a(x), straight between the dense table's entries (slope a'),
// y = a·x / D, D = (a - 1)·x + 1, y' = N / D², N = a + a'·x·(1 - x), and
// y'' = (N'·D - 2·N·D') / D³, N' = 2·a'·(1 - x), D' = a - 1 + a'·x.
inline Tangente vaporConPendiente(const ModeloELV& elv, double x)
{
    const ModeloELV::AlfaLocal a = elv.alfaContinuoConPendiente(x);
    const double d = (a.alfa - 1) * x + 1, q = 1 / d, n = a.alfa + a.pendiente * x * (1 - x);
    const double dn = 2 * a.pendiente * (1 - x), dd = a.alfa - 1 + a.pendiente * x;
    return {vaporConVolatilidad(a.alfa, x), n * q * q, (dn * d - 2 * n * dd) * (q * q * q)};
}

// The vapour leaving the top plate, climbing from the still's vapour `y`
// (a liquid outside 0..1 taken at the nearer end). Along with it, its
// derivatives: `y`'s are those of the still's vapour, dc the first of the
// intercept v·xD, du that of the slope u (both straight in the unknown).
Tangente vaporSuperior(const ModeloELV& elv, int platos, Tangente y, LineaOperativa l, double xD, double dc, double du)
{
    for (int n = 0; n < platos; ++n) {
        double x = liquidoDeLinea(y.valor, l, xD);
        // From u·x = y - c, differentiated once and twice.
        double dx = (y.derivada - dc - x * du) * l.inversaU;
        double ddx = (y.curvatura - 2 * dx * du) * l.inversaU;
        if (x < 0 || x > 1) {
            x = x < 0 ? 0 : 1;
            dx = ddx = 0;
        }
        const Tangente e = vaporConPendiente(elv, x);
        y = {e.valor, e.derivada * dx, e.curvatura * dx * dx + e.derivada * ddx};
    }
    return y;
}

// A root of the non-increasing f (its value and slope) on [lo, hi]: lo when
// f is not positive there, hi when f is not negative there. Newton's steps
// from a nearby guess (or the middle) while each stays inside the bracket
// the signs of f have left and is at most half the step before the last;
// otherwise (a kink, a liquid held at 0 or 1) Brent's method finishes on
// that bracket. Either way every value tried lies in [lo, hi]: the search
// cannot diverge.
template <class F>
double raizDecreciente(F&& f, double lo, double hi, double pista)
{
    const bool guiada = pista > lo && pista < hi;
    const double escala = guiada ? pista : hi - lo;
    const double tolerancia = kTolerancia * escala, pasoMayor = kPasoFinal * escala;
    double a = lo, b = hi, x = guiada ? pista : lo + (hi - lo) / 2;
    double fa = 1, fb = -1;  // signs only, until an end is evaluated
    bool aVisto = false, bVisto = false;
    double paso = hi - lo, pasoAnterior = paso;
    for (int i = 0; i < kPasosNewton; ++i) {
        const Tangente t = f(x);
        if (t.valor == 0 || (x == lo && t.valor < 0) || (x == hi && t.valor > 0)) return x;
        if (t.valor > 0) {
            a = x;
            fa = t.valor;
            aVisto = true;
        } else {
            b = x;
            fb = t.valor;
            bVisto = true;
        }
        const double newton = x - t.valor / t.derivada;
        if (!(t.derivada < 0 && newton >= a && newton <= b && std::fabs(newton - x) <= pasoAnterior / 2)) break;
        pasoAnterior = paso;
        paso = std::fabs(newton - x);
        // What the step leaves: |f''| / (2 |f'|) times the step squared.
        if (paso <= pasoMayor && std::fabs(t.curvatura) * paso * paso <= 2 * tolerancia * -t.derivada) return newton;
        x = newton;
    }
    const auto valor = [&f](double v) { return f(v).valor; };
    if (!aVisto && (fa = valor(lo)) <= 0) return lo;
    if (!bVisto && (fb = valor(hi)) >= 0) return hi;
    return termo::raizEnIntervalo(valor, a, b, fa, fb, tolerancia);
}

}  // namespace

double vaporDeCabeza(const ModeloELV& elv, int platos, double xW, double R, double xD)
{
    if (R == 0) return elv.yEqContinuo(xW);  // no liquid comes down: the plates do nothing
    return vaporSuperior(elv, platos, {elv.yEqContinuo(xW), 0, 0}, lineaDeReflujo(R), xD, 0, 0).valor;
}

double destiladoConReflujo(const ModeloELV& elv, int platos, double xW, double R, double pista)
{
    if (platos == 0 || R == 0) return elv.yEqContinuo(xW);
    const LineaOperativa l = lineaDeReflujo(R);
    const Tangente y0{elv.yEqContinuo(xW), 0, 0};
    // The top vapour falls as xD rises: at xD = 0 it is at least 0, at
    // xD = 1 at most 1.
    return raizDecreciente(
        [&](double xD) {
            const Tangente y = vaporSuperior(elv, platos, y0, l, xD, l.v, 0);
            return Tangente{y.valor - xD, y.derivada - 1, y.curvatura};
        },
        0, 1, pista);
}

ReflujoNecesario reflujoMinimo(const ModeloELV& elv, int platos, double xW, double xD, double Rmax, double pista)
{
    const Tangente y0{elv.yEqContinuo(xW), 0, 0};
    if (y0.valor >= xD) return {0, true};
    // Solved in the slope u = R/(R+1), which keeps its digits from no reflux
    // to total reflux; the top vapour rises with u (the intercept's share of
    // xD, 1 - u, falls with it).
    const auto falta = [&](double u) {
        if (u <= 0) return Tangente{xD - y0.valor, 0, 0};
        const Tangente y = vaporSuperior(elv, platos, y0, lineaDePendiente(u), xD, -xD, 1);
        return Tangente{xD - y.valor, -y.derivada, -y.curvatura};
    };
    const double uMax = Rmax / (Rmax + 1);
    if (platos == 0 || falta(uMax).valor > 0) return {Rmax, false};
    const double u = raizDecreciente(falta, 0, uMax, pista >= 0 ? pista / (pista + 1) : -1);
    return {u / (1 - u), true};
}

double alambiqueParaDestilado(const ModeloELV& elv, int platos, double R, double xD, double xBajo, double xAlto)
{
    const int escalones = R == 0 ? 0 : platos;  // no reflux: the still's vapour is the distillate
    const LineaOperativa l = lineaDeReflujo(R);
    const auto falta = [&](double xW) {
        const Tangente y = vaporSuperior(elv, escalones, vaporConPendiente(elv, xW), l, xD, 0, 0);
        return Tangente{xD - y.valor, -y.derivada, -y.curvatura};
    };
    return raizDecreciente(falta, xBajo, xAlto, -1);
}

double azeotropoDesde(const ModeloELV& elv, double x)
{
    if (!elv.modoTabla) return elv.alfa > 1 ? 1 : 0;
    const SuperTablaELV& alfa = *elv.superTabla;
    const long ultima = static_cast<long>(alfa.size()) - 1;
    const auto en = [&alfa](long i) { return alfa[static_cast<std::size_t>(i)]; };
    long k = std::clamp(static_cast<long>(x * 1000), 0L, ultima - 1);  // the entry at or below x
    if (elv.alfaContinuo(x) <= 1) {
        while (k > 0 && en(k) <= 1) --k;
        if (en(k) <= 1) return 0;
    } else {
        ++k;
        while (k <= ultima && en(k) > 1) ++k;
        if (k > ultima) return 1;
        --k;
    }
    // Alpha falls through 1 between entries k and k + 1.
    return (static_cast<double>(k) + (en(k) - 1) / (en(k) - en(k + 1))) / 1000;
}

EscaleraMcCabe escaleraMcCabe(const ModeloELV& elv, int platos, double xW, double R, double xD)
{
    EscaleraMcCabe e;
    e.lineaDesde = {0, xD / (R + 1)};
    e.lineaHasta = {xD, xD};
    // Each stage's liquid and vapour, from the still up.
    std::vector<PuntoXY> etapas{{xW, elv.yEqContinuo(xW)}};
    if (R > 0) {
        const LineaOperativa l = lineaDeReflujo(R);
        for (int n = 0; n < platos; ++n) {
            const double x = liquidoSobre(etapas.back().y, l, xD);
            etapas.push_back({x, elv.yEqContinuo(x)});
        }
    }
    e.esquinas.push_back({xD, xD});
    for (std::size_t n = etapas.size() - 1; n > 0; --n) {
        e.esquinas.push_back(etapas[n]);
        e.esquinas.push_back({etapas[n].x, etapas[n - 1].y});
    }
    e.esquinas.push_back(etapas[0]);
    return e;
}

}  // namespace quillon
