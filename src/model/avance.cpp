#include "model/avance.h"

#include <cmath>
#include <memory>

#include "model/numero.h"

namespace quillon {
namespace {

// Mass percentage of A in a mixture of mole fraction x.
inline double porcentajeMasico(double mma, double mmb, double x)
{
    return 100 * mma * x / ((1 - x) * mmb + mma * x);
}

inline double fraccionMolar(double mA, double mB, double mma, double mmb)
{
    return (mA / mma) / (mB / mmb + mA / mma);
}

// First pass: full steps of 1/10000 of the charge until a component runs out.
// Returns the row at which it ran out, or 0 when it never did.
int primeraPasada(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& col)
{
    const double h = 1.0 / kPasosAvance;
    const double w0 = porcentajeMasico(mma, mmb, x0);
    double mA = w0 / 100, mB = 1 - w0 / 100, x = x0, wPrevio = w0;
    for (int i = 1; i < kPasosAvance; ++i) {
        const double y = elv.yEq(x);
        const double wy = porcentajeMasico(mma, mmb, y);
        const double wm = (wy + wPrevio) / 2;
        mA = mA - (wm / 100) * h;
        mB = mB - (1 - wm / 100) * h;
        if (!(mA > 0 && mB > 0)) return i;
        x = fraccionMolar(mA, mB, mma, mmb);
        col[static_cast<std::size_t>(i)] = x;
        wPrevio = wy;
    }
    return 0;
}

// Second pass: the same 9999 rows with the step shrunk to the exhaustion point.
void segundaPasada(const ModeloELV& elv, double mma, double mmb, double x0, double agotamiento,
                   ColumnaAvance& col)
{
    const double h = agotamiento / kPasosAvance;
    const double w0 = porcentajeMasico(mma, mmb, x0);
    double mA = w0 / 100, mB = 1 - w0 / 100, x = x0, wPrevio = w0;
    for (int i = 1; i < kPasosAvance; ++i) {
        const double y = elv.yEq(x);
        const double wy = porcentajeMasico(mma, mmb, y);
        const double wm = (wy + wPrevio) / 2;
        mA = std::fabs(mA - (wm / 100) * h);
        mB = std::fabs(mB - (1 - wm / 100) * h);
        x = fraccionMolar(mA, mB, mma, mmb);
        x = x < 0 ? 0 : (x > 1 ? 1 : x);
        col[static_cast<std::size_t>(i)] = x;
        wPrevio = wy;
    }
}

}  // namespace

bool CrearTablaAvanceDes(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& col)
{
    if (!elv.modoTabla && !volatilidadValida(elv.alfa)) return false;
    if (elv.modoTabla && elv.superTabla == nullptr) return false;
    if (!masasMolaresValidas(mma, mmb)) return false;

    col[0] = x0;
    const int agotado = primeraPasada(elv, mma, mmb, x0, col);
    if (agotado > 0) segundaPasada(elv, mma, mmb, x0, static_cast<double>(agotado) / kPasosAvance, col);
    col[kPasosAvance] = 0;
    return true;
}

int pasoDeAgotamiento(const ModeloELV& elv, double mma, double mmb, double x0)
{
    const auto borrador = std::make_unique<ColumnaAvance>();
    return primeraPasada(elv, mma, mmb, x0, *borrador);
}

int filaDeAvance(double P)
{
    const long fila = redondearPar(P * 100);
    return fila < 0 ? 0 : (fila > kPasosAvance ? kPasosAvance : static_cast<int>(fila));
}

}  // namespace quillon
