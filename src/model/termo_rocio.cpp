// Dew points: the liquid whose bubble vapour is a given vapour.

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/termo.h"
#include "model/termo_interno.h"
#include "model/termo_raices.h"

namespace quillon::termo {

using namespace interno;

namespace {

// A few steps from the straight line between two points of the bubble curve
// 1/20 apart; a stretch that needs more goes to the bracket.
constexpr int kPasosNewton = 16;

// ln(1 + e^z) without overflow.
double lnUnoMasExp(double z) { return std::max(z, 0.0) + std::log1p(std::exp(-std::fabs(z))); }

double logit(double x) { return std::log(x) - std::log1p(-x); }  // -inf at 0, +inf at 1

struct Logit {
    double x, lnX, lnUnoMenosX;
};
Logit desdeLogit(double u)
{
    const double lnX = -lnUnoMasExp(-u);
    return {std::exp(lnX), lnX, -lnUnoMasExp(u)};
}

}  // namespace

Rocio Sistema::rocio(double y) const
{
    y = fraccion(y);
    // The bubble vapour goes from 0 to 1 as x does, but where UNIFAC foresees
    // two liquids it is not monotonic and several liquids share one vapour.
    // Cooling the vapour condenses the hottest of them first: look in every
    // stretch of the kept curve where the vapour crosses y, keep the hottest
    // liquid.
    Rocio r;
    r.T = -kInfinito;
    for (std::size_t i = 1; i < curva_.size(); ++i) {
        const double ha = curva_[i - 1].y - y, hb = curva_[i].y - y;
        if (!((ha <= 0 && hb >= 0) || (ha >= 0 && hb <= 0))) continue;
        const double x = liquidoDeRocio(y, curva_[i - 1], curva_[i]);
        const Burbuja b = burbuja(x);
        if (b.T > r.T) r = {b.T, x, b.avisos};
    }
    return r;
}

double Sistema::liquidoDeRocio(double y, const PuntoCurva& a, const PuntoCurva& b) const
{
    const double ha = a.y - y, hb = b.y - y;
    if (ha == 0) return a.x;
    if (hb == 0) return b.x;
    // At a pure end the vapour climbs steeply (Henry's law): start from the
    // infinitely dilute liquid there, then from the straight line.
    std::optional<double> x;
    if (const auto inicio = inicioDiluido(y, a, b)) x = liquidoPorNewton(y, a, b, *inicio);
    if (!x) {
        const double t = (y - a.y) / (b.y - a.y);
        x = liquidoPorNewton(y, a, b, {a.x + t * (b.x - a.x), y, a.T + t * (b.T - a.T)});
    }
    if (x) return *x;
    // Where Newton's steps would leave the stretch: the bracket, which cannot
    // fail. Relative tolerance only: a liquid that splits can have its vapour
    // change by 0.2 between x = 0 and x = 1e-9.
    auto h = [&](double x) {
        const auto t = lnParciales(x, temperaturaBurbuja(x));
        return std::exp(t[0] - lnSuma(t)) - y;
    };
    return raizEnIntervalo(h, a.x, b.x, ha, hb, 0);
}

// Where a vapour y of a stretch that ends at a pure liquid would be if the
// other compound followed Henry's law at that liquid's boiling point; empty
// for an inner stretch, or when that falls outside the stretch.
std::optional<Sistema::PuntoCurva> Sistema::inicioDiluido(double y, const PuntoCurva& a, const PuntoCurva& b) const
{
    if (a.x == 0) {
        const double K = std::exp(lnGammas(0, a.T)[0] + lnPsat(0, a.T) - lnP_);
        const double x = y / K;
        if (x > 0 && x < b.x) return PuntoCurva{x, y, a.T};
    } else if (b.x == 1) {
        const double K = std::exp(lnGammas(1, b.T)[1] + lnPsat(1, b.T) - lnP_);
        const double x = 1 - (1 - y) / K;
        if (x > a.x && x < 1) return PuntoCurva{x, y, b.T};
    }
    return std::nullopt;
}

// Both partial pressures at once, ln(x_i gamma_i Psat_i(T)) = ln(y_i P),
// solved by Newton's method for T and u = ln(x / (1 - x)), in which a dilute
// liquid's equations are nearly straight (Henry's law), from the liquid
// `inicio`. The slopes of the activity coefficients by forward differences;
// a step that would leave the stretch is shortened. Empty when the steps do
// not settle.
std::optional<double> Sistema::liquidoPorNewton(double y, const PuntoCurva& a, const PuntoCurva& b,
                                                const PuntoCurva& inicio) const
{
    const double objetivo[2] = {std::log(y) + lnP_, std::log1p(-y) + lnP_};
    const double uA = logit(a.x), uB = logit(b.x);
    double u = logit(inicio.x), T = inicio.T;
    for (int paso = 0; paso < kPasosNewton; ++paso) {
        const Logit l = desdeLogit(u);
        const auto g = lnGammas(l.x, T);
        const double r0 = l.lnX + g[0] + lnPsat(0, T) - objetivo[0];
        const double r1 = l.lnUnoMenosX + g[1] + lnPsat(1, T) - objetivo[1];
        double j00 = 1 - l.x, j01 = pendienteLnPsat(0, T), j10 = -l.x, j11 = pendienteLnPsat(1, T);
        if (unifac_) {
            constexpr double hu = 1e-6, hT = 1e-4;
            const auto gu = lnGammas(desdeLogit(u + hu).x, T), gT = lnGammas(l.x, T + hT);
            j00 += (gu[0] - g[0]) / hu;
            j10 += (gu[1] - g[1]) / hu;
            j01 += (gT[0] - g[0]) / hT;
            j11 += (gT[1] - g[1]) / hT;
        }
        const double det = j00 * j11 - j01 * j10;
        double du = (r1 * j01 - r0 * j11) / det, dT = (r0 * j10 - r1 * j00) / det;
        if (!(std::isfinite(du) && std::isfinite(dT))) return std::nullopt;
        if (std::fabs(du) <= 1e-12 && std::fabs(dT) <= 1e-9) return desdeLogit(u + du).x;
        int acortado = 0;
        while (!(u + du > uA && u + du < uB && T + dT > tMinima_ && T + dT < kTMaxima)) {
            if (++acortado > 30) return std::nullopt;
            du /= 2;
            dT /= 2;
        }
        u += du;
        T += dT;
    }
    return std::nullopt;
}

}  // namespace quillon::termo
