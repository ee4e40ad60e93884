#pragma once
// The dew point as it was first written, kept as the reference of the faster
// one (tests/model and bench/bench_termo): every stretch of 1/20 where the
// bubble vapour crosses y, bracketed on whole bubble points, the hottest
// liquid kept.

#include <cmath>

#include "model/termo.h"
#include "model/termo_raices.h"

namespace quillon::termo {

inline Rocio rocioDeReferencia(const Sistema& s, double y)
{
    auto h = [&](double x) { return s.burbuja(x).y - y; };
    Rocio r;
    r.T = -INFINITY;
    double xa = 0, ha = -y;
    for (int i = 1; i <= 20; ++i) {
        const double xb = i / 20.0, hb = i == 20 ? 1 - y : h(xb);
        if ((ha <= 0 && hb >= 0) || (ha >= 0 && hb <= 0)) {
            const double x = raizEnIntervalo(h, xa, xb, ha, hb, 0);
            const Burbuja b = s.burbuja(x);
            if (b.T > r.T) r = {b.T, x, b.avisos};
        }
        xa = xb;
        ha = hb;
    }
    return r;
}

}  // namespace quillon::termo
