#pragma once
// A root finder that cannot diverge: Brent's method on a bracket.

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon::termo {

// A root of f in [a, b], given fa = f(a) and fb = f(b) of opposite signs (or
// one of them zero). Inverse quadratic interpolation where it behaves,
// bisection where it does not, so every step stays inside the bracket; the
// root lies within `tol` of the result.
template <class F>
double raizEnIntervalo(F&& f, double a, double b, double fa, double fb, double tol)
{
    if (fa == 0) return a;
    if (fb == 0) return b;
    constexpr double kEps = std::numeric_limits<double>::epsilon();
    double c = a, fc = fa, d = b - a, e = d;
    for (int i = 0; i < 200; ++i) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 = 2 * kEps * std::fabs(b) + 0.25 * tol;
        const double xm = 0.5 * (c - b);
        if (std::fabs(xm) <= tol1 || fb == 0) return b;
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * xm * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * xm * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            if (2 * p < std::min(3 * xm * q - std::fabs(tol1 * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol1 ? d : std::copysign(tol1, xm);
        fb = f(b);
    }
    return b;
}

}  // namespace quillon::termo
