#include "model/avance.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/composicion.h"
#include "model/numero.h"

namespace quillon {
namespace {

enum class Pasada { Primera, Segunda };

// One pass over rows 1..9999 from the charge, each step taking h of the
// charge mass. The first pass (full steps of 1/10000) stops when a component
// runs out at a row; the second, with the step shrunk to that exhaustion
// point, cannot run out: it takes absolute values.
//
// B's mass and B's share of each step have always been found as 1 less A's.
// Where A outweighs B by many orders (molar masses 1e15 and 1) that
// difference is the rounding of numbers near 1 and B's side is lost; B is
// then carried with its own mole fraction and shares. Elsewhere the steps are
// the ones they have always been, to the last bit.
template <Pasada pasada>
class Integracion {
public:
    Integracion(const ModeloELV& elv, double mma, double mmb, double x0, double h)
        : elv_(elv), mma_(mma), mmb_(mmb), h_(h), w0_(porcentajeMasicoIntegracion(x0, mma, mmb)),
          wB0_(restoPreciso(1, w0_ / 100, [&] { return fraccionB(x0, 1 - x0); })), mA_(w0_ / 100), mB_(wB0_), x_(x0),
          wPrevio_(w0_), xB_(1 - x0), xPrevio_(x0), xBPrevio_(1 - x0)
    {
    }

    // Row i into the column; false (the first pass) when a component runs out there.
    bool paso(int i, ColumnaAvance& col)
    {
        // The vapour leaving the liquid at the start of the step, averaged
        // with the previous step's (the charge itself for the first step).
        const double wy = porcentajeMasicoIntegracion(elv_.yEq(x_), mma_, mmb_);
        const double wm = (wy + wPrevio_) / 2;
        const double parteB = restoPreciso(1, wm / 100, [&] {
            return (vaporB(x_, xB_) + (i == 1 ? wB0_ : vaporB(xPrevio_, xBPrevio_))) / 2;
        });
        mA_ = mA_ - (wm / 100) * h_;
        mB_ = mB_ - parteB * h_;
        if constexpr (pasada == Pasada::Primera) {
            if (!(mA_ > 0 && mB_ > 0)) return false;
        } else {
            // With both masses taken as absolute values x is already within
            // 0..1 (a / (b + a) with a, b >= 0 rounds to at most 1): nothing
            // is left to clamp.
            mA_ = std::fabs(mA_);
            mB_ = std::fabs(mB_);
        }
        xPrevio_ = x_;
        xBPrevio_ = xB_;
        x_ = fraccionMolar(mA_, mB_, mma_, mmb_);
        xB_ = restoPreciso(1, x_, [&] { return fraccionMolar(mB_, mA_, mmb_, mma_); });
        col[static_cast<std::size_t>(i)] = x_;
        wPrevio_ = wy;
        return true;
    }

private:
    double fraccionB(double xa, double xb) const { return masaDeBEn(1, xa, xb, mma_, mmb_); }
    double vaporB(double xa, double xb) const { return fraccionB(elv_.yEq(xa), elv_.yBEq(xa, xb)); }

    const ModeloELV& elv_;
    double mma_, mmb_, h_;
    // The charge's mass percentage of A; B's share of the charge: its mass,
    // and the first step's "previous vapour".
    double w0_, wB0_;
    double mA_, mB_, x_, wPrevio_;
    // B's mole fraction now and at the step before.
    double xB_, xPrevio_, xBPrevio_;
};

// Rows desde..9999 of a pass; the row at which the first pass runs out, or 0.
template <Pasada pasada>
int integrar(Integracion<pasada>& pasos, int desde, ColumnaAvance& col)
{
    for (int i = desde; i < kPasosAvance; ++i)
        if (!pasos.paso(i, col)) return i;
    return 0;
}

constexpr double kPaso = 1.0 / kPasosAvance;

// The second pass's step: the first pass's rows up to its exhaustion row,
// spread over all the rows.
double pasoHasta(int agotado) { return static_cast<double>(agotado) / kPasosAvance / kPasosAvance; }

// The two passes side by side, the second from the expected exhaustion row
// `pista`: each row's divisions wait on the row before, so two independent
// passes take little longer than one. The first pass's rows go to a draft
// (they are the table only when it never runs out). The row it ran out at,
// or 0; the table is in `col` when that row is `pista`.
int integrarJuntas(const ModeloELV& elv, double mma, double mmb, double x0, int pista, ColumnaAvance& col)
{
    Integracion<Pasada::Primera> primera(elv, mma, mmb, x0, kPaso);
    Integracion<Pasada::Segunda> segunda(elv, mma, mmb, x0, pasoHasta(pista));
    const auto borrador = std::make_unique<ColumnaAvance>();
    for (int i = 1; i < kPasosAvance; ++i) {
        if (!primera.paso(i, *borrador)) {
            if (i == pista) integrar(segunda, i, col);
            return i;
        }
        segunda.paso(i, col);
    }
    std::copy(borrador->begin() + 1, borrador->end() - 1, col.begin() + 1);
    return 0;
}

}  // namespace

bool CrearTablaAvanceDes(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& col, int& agotamiento)
{
    if (!elv.modoTabla && !volatilidadValida(elv.alfa)) return false;
    if (elv.modoTabla && elv.superTabla == nullptr) return false;
    if (!masasMolaresValidas(mma, mmb)) return false;

    col[0] = x0;
    const int pista = agotamiento;
    if (pista > 0) {
        agotamiento = integrarJuntas(elv, mma, mmb, x0, pista, col);
    } else {
        Integracion<Pasada::Primera> primera(elv, mma, mmb, x0, kPaso);
        agotamiento = integrar(primera, 1, col);
    }
    // The rows of the first pass are all replaced.
    if (agotamiento > 0 && agotamiento != pista) {
        Integracion<Pasada::Segunda> segunda(elv, mma, mmb, x0, pasoHasta(agotamiento));
        integrar(segunda, 1, col);
    }
    col[kPasosAvance] = 0;
    return true;
}

bool CrearTablaAvanceDes(const ModeloELV& elv, double mma, double mmb, double x0, ColumnaAvance& col)
{
    int agotamiento = 0;
    return CrearTablaAvanceDes(elv, mma, mmb, x0, col, agotamiento);
}

int pasoDeAgotamiento(const ModeloELV& elv, double mma, double mmb, double x0)
{
    const auto borrador = std::make_unique<ColumnaAvance>();
    Integracion<Pasada::Primera> primera(elv, mma, mmb, x0, kPaso);
    return integrar(primera, 1, *borrador);
}

int filaDeAvance(double P) { return filaAcotada(redondearPar(P * 100)); }

}  // namespace quillon
