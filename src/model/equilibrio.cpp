#include "model/equilibrio.h"

#include <cmath>

namespace quillon {

double volatilidadLocal(const TablaELV& t, int i)
{
    const double x = t.x[static_cast<std::size_t>(i)];
    const double y = t.y[static_cast<std::size_t>(i)];
    return y * (1 - x) / (x * (1 - y));
}

void CrearSuperTABLA_ELV(const TablaELV& t, SuperTablaELV& dense)
{
    const int ultimo = t.ultPunto < kFilasTablaELV ? t.ultPunto : kFilasTablaELV - 1;
    for (int j = 0; j < ultimo; ++j) {
        const double xa = t.x[static_cast<std::size_t>(j)];
        const double xb = t.x[static_cast<std::size_t>(j + 1)];
        // The pure-component ends borrow the volatility of their neighbour.
        const double alfaA = xa == 0 ? volatilidadLocal(t, 1) : volatilidadLocal(t, j);
        const double alfaB = xb == 1 ? volatilidadLocal(t, j) : volatilidadLocal(t, j + 1);
        const long ka = static_cast<long>(std::floor(xa * 1000 + 0.5));
        const long kb = static_cast<long>(std::floor(xb * 1000 + 0.5));
        const double pendiente = (alfaB - alfaA) / (xb - xa);
        for (long k = ka < 0 ? 0 : ka; k <= kb && k <= 1000; ++k)
            dense[static_cast<std::size_t>(k)] = (k / 1000.0 - xa) * pendiente + alfaA;
    }
}

bool tablaUtilizable(const TablaELV& t)
{
    for (int i = 0; i <= t.ultPunto && i < kFilasTablaELV; ++i) {
        const double x = t.x[static_cast<std::size_t>(i)];
        if (x > 0 && x < 1) return true;
    }
    return false;
}

bool volatilidadesFinitas(const TablaELV& t)
{
    // Every interior point's volatility is an end of the segments beside it,
    // so checking the dense table checks the points too. Entries no segment
    // reaches keep a harmless 1.
    SuperTablaELV densa;
    densa.fill(1);
    CrearSuperTABLA_ELV(t, densa);
    for (double a : densa)
        if (!(std::isfinite(a) && a > 0)) return false;
    return true;
}

}  // namespace quillon
