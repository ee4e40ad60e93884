#include "model/escalera.h"

#include <algorithm>
#include <limits>

#include "model/termo_raices.h"

namespace quillon {
namespace {

// Compositions and slopes are found to within this part of their size (or
// of the bracket's, without a guess); Brent's method gets there in a few
// steps once a bracket is narrow.
constexpr double kTolerancia = 1e-13;

// The operating line's slope u = R/(R+1) and the share v = 1/(R+1) of xD in
// its intercept, each computed directly: 1 - u loses the digits of v at a
// large R.
struct LineaOperativa {
    double u, v;
};
LineaOperativa lineaDeReflujo(double R) { return {R / (R + 1), 1 / (R + 1)}; }

// The liquid falling onto a plate, from the vapour rising into it, by the
// operating line; a liquid outside 0..1 is taken at the nearer end.
double liquidoSobre(double vaporDebajo, LineaOperativa l, double xD)
{
    const double x = (vaporDebajo - l.v * xD) / l.u;
    return x < 0 ? 0 : (x > 1 ? 1 : x);
}

double vaporSuperior(const ModeloELV& elv, int platos, double xW, LineaOperativa l, double xD)
{
    double y = elv.yEqContinuo(xW);
    for (int n = 0; n < platos; ++n) y = elv.yEqContinuo(liquidoSobre(y, l, xD));
    return y;
}

// A root of the non-increasing f on [lo, hi]: lo when f is not positive
// there, hi when f is not negative there. Around a nearby guess the bracket
// is searched outward first, which costs two or three values instead of a
// wide bracket's many; the guess's size sets the tolerance, so that a
// vanishing composition is still found to its own digits.
template <class F>
double raizDecreciente(F&& f, double lo, double hi, double pista)
{
    double a = lo, b = hi, fa, fb;
    const bool guiada = pista > lo && pista < hi;
    if (guiada) {
        // Never a step of 0: for a guess among the denormal numbers 1e-6
        // of it vanishes, and the bracket would never widen.
        double d = std::max(1e-6 * pista, std::numeric_limits<double>::min());
        a = std::max(lo, pista - d);
        b = std::min(hi, pista + d);
        fa = f(a);
        fb = f(b);
        while (fa < 0 && a > lo) {  // the root lies below a
            b = a;
            fb = fa;
            d *= 8;
            a = std::max(lo, pista - d);
            fa = f(a);
        }
        while (fb > 0 && b < hi) {  // the root lies above b
            a = b;
            fa = fb;
            d *= 8;
            b = std::min(hi, pista + d);
            fb = f(b);
        }
    } else {
        fa = f(a);
        fb = f(b);
    }
    if (fa <= 0) return a;
    if (fb >= 0) return b;
    return termo::raizEnIntervalo(f, a, b, fa, fb, kTolerancia * (guiada ? pista : hi - lo));
}

}  // namespace

double vaporDeCabeza(const ModeloELV& elv, int platos, double xW, double R, double xD)
{
    if (R == 0) return elv.yEqContinuo(xW);  // no liquid comes down: the plates do nothing
    return vaporSuperior(elv, platos, xW, lineaDeReflujo(R), xD);
}

double destiladoConReflujo(const ModeloELV& elv, int platos, double xW, double R, double pista)
{
    if (platos == 0 || R == 0) return elv.yEqContinuo(xW);
    const LineaOperativa l = lineaDeReflujo(R);
    // The top vapour falls as xD rises: at xD = 0 it is at least 0, at
    // xD = 1 at most 1.
    return raizDecreciente([&](double xD) { return vaporSuperior(elv, platos, xW, l, xD) - xD; }, 0, 1, pista);
}

ReflujoNecesario reflujoMinimo(const ModeloELV& elv, int platos, double xW, double xD, double Rmax, double pista)
{
    const double y0 = elv.yEqContinuo(xW);
    if (y0 >= xD) return {0, true};
    // Solved in the slope u = R/(R+1), which keeps its digits from no reflux
    // to total reflux; the top vapour rises with u.
    const auto falta = [&](double u) {
        return u <= 0 ? xD - y0 : xD - vaporSuperior(elv, platos, xW, {u, 1 - u}, xD);
    };
    const double uMax = Rmax / (Rmax + 1);
    if (platos == 0 || falta(uMax) > 0) return {Rmax, false};
    const double u = raizDecreciente(falta, 0, uMax, pista >= 0 ? pista / (pista + 1) : -1);
    return {u / (1 - u), true};
}

double alambiqueParaDestilado(const ModeloELV& elv, int platos, double R, double xD, double xBajo, double xAlto)
{
    return raizDecreciente([&](double xW) { return xD - vaporDeCabeza(elv, platos, xW, R, xD); }, xBajo, xAlto, -1);
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
