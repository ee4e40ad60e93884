#pragma once
// Small pieces the binary's bubble and dew points share (termo.cpp,
// termo_rocio.cpp).

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quillon::termo::interno {

inline constexpr double kInfinito = std::numeric_limits<double>::infinity();
// No binary boils this hot below kPresionMaxima: 10^A alone exceeds it.
inline constexpr double kTMaxima = 5000;

// NaN counts as 0: a composition is always somewhere in [0, 1].
inline double fraccion(double x) { return x >= 0 ? std::min(x, 1.0) : 0; }

// ln(e^a + e^b) without overflow; one term may be minus infinity.
inline double lnSuma(const std::array<double, 2>& t)
{
    const double m = std::max(t[0], t[1]);
    return m + std::log1p(std::exp(std::min(t[0], t[1]) - m));
}

}  // namespace quillon::termo::interno
