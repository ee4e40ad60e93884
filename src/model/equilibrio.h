#pragma once
// Vapour-liquid equilibrium: a constant relative volatility, or a volatility
// interpolated in x from the user's x-y table.

#include <array>

namespace quillon {

inline constexpr int kFilasTablaELV = 100;

// The user's x-y table (TablaELV_X, TablaELV_Y) and the index of its last
// point (UltPuntoELV). Rows not in use hold -1.
struct TablaELV {
    std::array<double, kFilasTablaELV> x{};
    std::array<double, kFilasTablaELV> y{};
    int ultPunto = 0;

    bool operator==(const TablaELV&) const = default;
};

// Alpha at x = k/1000, k = 0..1000 (SuperTABLA_ELV).
using SuperTablaELV = std::array<double, 1001>;

// Local relative volatility of point i of the table.
double volatilidadLocal(const TablaELV& t, int i);

// Rebuilds the dense table from the points 0..ultPunto. Entries that no
// segment covers keep what they held.
void CrearSuperTABLA_ELV(const TablaELV& t, SuperTablaELV& dense);

// A table gives a defined volatility only with a point strictly between the
// pure components (0, 0) and (1, 1).
bool tablaUtilizable(const TablaELV& t);

// Every volatility the dense table takes from the points is a finite
// positive number. Points that pass the range and order rules can still
// give an infinite volatility (x = 1e-303 with y = 0.999999) or, between two
// points closer than the 1/1000 grid, a slope whose rounding to the grid
// leaves a negative one; with either, y is no longer a mole fraction.
bool volatilidadesFinitas(const TablaELV& t);

// Nearest integer, exact halves to the even one. Inline: a table-mode
// integration calls it once per step, on the critical path.
inline long redondearPar(double v)
{
    // Values a long cannot hold (a number read from a damaged file) are
    // clamped rather than cast, which would be undefined; NaN gives 0.
    constexpr double kLimite = 4.0e18;
    if (!(v > -kLimite && v < kLimite)) return v > 0 ? static_cast<long>(kLimite) : v < 0 ? -static_cast<long>(kLimite) : 0;
    // floor(v + 0.5) by truncation, without a call to floor.
    const double t = v + 0.5;
    long r = static_cast<long>(t);
    if (static_cast<double>(r) > t) --r;
    // An exact half that went up to an odd integer goes to the even one.
    if (static_cast<double>(r) - v == 0.5 && (r & 1) != 0) --r;
    return r;
}

// Vapour mole fraction in equilibrium with a liquid of mole fraction x at
// relative volatility a.
inline double vaporConVolatilidad(double a, double x) { return a * x / ((a - 1) * x + 1); }

// The equilibrium in force: alpha from the box or from the dense table.
struct ModeloELV {
    bool modoTabla = false;
    double alfa = 0;                           // alpha mode
    const SuperTablaELV* superTabla = nullptr;  // table mode

    double alfaEn(double x) const
    {
        if (!modoTabla) return alfa;
        long k = redondearPar(x * 1000);
        k = k < 0 ? 0 : (k > 1000 ? 1000 : k);
        return (*superTabla)[static_cast<std::size_t>(k)];
    }
    // Vapour mole fraction in equilibrium with a liquid of mole fraction x.
    double yEq(double x) const { return vaporConVolatilidad(alfaEn(x), x); }

    // Alpha with the dense table's entries joined by straight lines, as the
    // table's points join them, instead of read at the nearest entry: a
    // volatility, and so a vapour, continuous in x. The nearest entry steps
    // at every thousandth of x, by up to a thousandth in y on a steep table;
    // a column of many plates amplifies such steps until one still gives
    // several distillates. Alpha mode: the constant.
    double alfaContinuo(double x) const { return alfaContinuoConPendiente(x).alfa; }
    // The same alpha with its slope in x: 0 in alpha mode and where x lies
    // outside 0..1 (held at the ends), the slope of its segment elsewhere.
    struct AlfaLocal {
        double alfa, pendiente;
    };
    AlfaLocal alfaContinuoConPendiente(double x) const
    {
        if (!modoTabla) return {alfa, 0};
        const double s = (x < 0 ? 0 : (x > 1 ? 1 : x)) * 1000;
        const auto k = static_cast<std::size_t>(s) < 999 ? static_cast<std::size_t>(s) : 999;
        const double t = s - static_cast<double>(k);
        const double salto = (*superTabla)[k + 1] - (*superTabla)[k];
        return {(*superTabla)[k] + t * salto, x >= 0 && x <= 1 ? 1000 * salto : 0};
    }
    double yEqContinuo(double x) const { return vaporConVolatilidad(alfaContinuo(x), x); }
    // Vapour mole fraction of B, from the liquid's xB (1 − x, given apart
    // where it is known better than 1 − x): xB / ((a − 1)·x + 1).
    double yBEq(double x, double xB) const
    {
        const double a = alfaEn(x);
        return xB / ((a - 1) * x + 1);
    }
};

}  // namespace quillon
