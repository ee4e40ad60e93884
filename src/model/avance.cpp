#include "model/avance.h"

#include <cmath>
#include <memory>

#include "model/composicion.h"
#include "model/numero.h"

namespace quillon {
namespace {

enum class Pasada { Primera, Segunda };

// One pass over rows 1..9999 from the charge, each step taking h of the
// charge mass. The first pass (full steps of 1/10000) stops when a component
// runs out and returns that row; the second, with the step shrunk to that
// exhaustion point, cannot run out: it takes absolute values. Returns 0 when
// the pass ran to the end.
template <Pasada pasada>
int integrar(const ModeloELV& elv, double mma, double mmb, double x0, double h, ColumnaAvance& col)
{
    const double w0 = porcentajeMasicoIntegracion(x0, mma, mmb);
    double mA = w0 / 100, mB = 1 - w0 / 100, x = x0, wPrevio = w0;
    for (int i = 1; i < kPasosAvance; ++i) {
        // The vapour leaving the liquid at the start of the step, averaged
        // with the previous step's (the charge itself for the first step).
        const double wy = porcentajeMasicoIntegracion(elv.yEq(x), mma, mmb);
        const double wm = (wy + wPrevio) / 2;
        mA = mA - (wm / 100) * h;
        mB = mB - (1 - wm / 100) * h;
        if constexpr (pasada == Pasada::Primera) {
            if (!(mA > 0 && mB > 0)) return i;
            x = fraccionMolar(mA, mB, mma, mmb);
        } else {
            // With both masses taken as absolute values x is already within
            // 0..1 (a / (b + a) with a, b >= 0 rounds to at most 1): nothing
            // is left to clamp.
            mA = std::fabs(mA);
            mB = std::fabs(mB);
            x = fraccionMolar(mA, mB, mma, mmb);
        }
        col[static_cast<std::size_t>(i)] = x;
        wPrevio = wy;
    }
    return 0;
}

constexpr double kPaso = 1.0 / kPasosAvance;

}  // namespace

bool CrearTablaAvanceDes(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& col)
{
    if (!elv.modoTabla && !volatilidadValida(elv.alfa)) return false;
    if (elv.modoTabla && elv.superTabla == nullptr) return false;
    if (!masasMolaresValidas(mma, mmb)) return false;

    col[0] = x0;
    const int agotado = integrar<Pasada::Primera>(elv, mma, mmb, x0, kPaso, col);
    if (agotado > 0) {
        // The rows of the first pass are all replaced.
        const double agotamiento = static_cast<double>(agotado) / kPasosAvance;
        integrar<Pasada::Segunda>(elv, mma, mmb, x0, agotamiento / kPasosAvance, col);
    }
    col[kPasosAvance] = 0;
    return true;
}

int pasoDeAgotamiento(const ModeloELV& elv, double mma, double mmb, double x0)
{
    const auto borrador = std::make_unique<ColumnaAvance>();
    return integrar<Pasada::Primera>(elv, mma, mmb, x0, kPaso, *borrador);
}

int filaDeAvance(double P) { return filaAcotada(redondearPar(P * 100)); }

}  // namespace quillon
