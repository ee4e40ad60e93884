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
//
// B's mass and B's share of each step have always been found as 1 less A's.
// Where A outweighs B by many orders (molar masses 1e15 and 1) that
// difference is the rounding of numbers near 1 and B's side is lost; B is
// then carried with its own mole fraction and shares. Elsewhere the steps are
// the ones they have always been, to the last bit.
template <Pasada pasada>
int integrar(const ModeloELV& elv, double mma, double mmb, double x0, double h, ColumnaAvance& col)
{
    const double w0 = porcentajeMasicoIntegracion(x0, mma, mmb);
    const auto fraccionB = [mma, mmb](double xa, double xb) { return masaDeBEn(1, xa, xb, mma, mmb); };
    const auto vaporB = [&](double xa, double xb) { return fraccionB(elv.yEq(xa), elv.yBEq(xa, xb)); };
    // B's share of the charge: its mass, and the first step's "previous vapour".
    const double wB0 = restoPreciso(1, w0 / 100, [&] { return fraccionB(x0, 1 - x0); });
    double mA = w0 / 100, mB = wB0, x = x0, wPrevio = w0;
    // B's mole fraction now and at the step before.
    double xB = 1 - x0, xPrevio = x0, xBPrevio = 1 - x0;
    for (int i = 1; i < kPasosAvance; ++i) {
        // The vapour leaving the liquid at the start of the step, averaged
        // with the previous step's (the charge itself for the first step).
        const double wy = porcentajeMasicoIntegracion(elv.yEq(x), mma, mmb);
        const double wm = (wy + wPrevio) / 2;
        const double parteB = restoPreciso(1, wm / 100, [&] {
            return (vaporB(x, xB) + (i == 1 ? wB0 : vaporB(xPrevio, xBPrevio))) / 2;
        });
        mA = mA - (wm / 100) * h;
        mB = mB - parteB * h;
        if constexpr (pasada == Pasada::Primera) {
            if (!(mA > 0 && mB > 0)) return i;
        } else {
            // With both masses taken as absolute values x is already within
            // 0..1 (a / (b + a) with a, b >= 0 rounds to at most 1): nothing
            // is left to clamp.
            mA = std::fabs(mA);
            mB = std::fabs(mB);
        }
        xPrevio = x;
        xBPrevio = xB;
        x = fraccionMolar(mA, mB, mma, mmb);
        xB = restoPreciso(1, x, [&] { return fraccionMolar(mB, mA, mmb, mma); });
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
