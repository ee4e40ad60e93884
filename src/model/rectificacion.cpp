#include "model/rectificacion.h"

#include <algorithm>
#include <array>
#include <limits>

#include "model/composicion.h"
#include "model/escalera.h"
#include "model/numero.h"

namespace quillon {
namespace {

constexpr Texto kNoSuperaCarga{"ERROR: The distillate purity must be above the charge's mole fraction of A",
                               "ERROR: La pureza del destilado debe superar la fracción molar de A de la carga"};
constexpr Texto kDetalleCarga{" (", " ("};
constexpr Texto kTrasAzeotropo{"ERROR: The distillate purity lies beyond an azeotrope of the equilibrium in force",
                               "ERROR: La pureza del destilado queda más allá de un azeótropo del equilibrio en uso"};
constexpr Texto kDetalleAzeotropo{" (x = ", " (x = "};
constexpr Texto kInalcanzable{"ERROR: The column cannot give the distillate purity even at the largest reflux ratio",
                              "ERROR: La columna no da la pureza del destilado ni con la razón de reflujo máxima"};
constexpr Texto kDetalleMejor{" (at most ", " (como mucho "};

// Far below any difference of composition the results can show.
constexpr double kPurezaDistinta = 1e-9;

// The head the column's policy gives over a still of composition xW; a
// guess of it (extrapolated from the rows before) saves the solvers work.
CabezaColumna cabezaEn(const ModeloELV& elv, const ColumnaPlatos& c, double xW, const CabezaColumna& pista)
{
    if (c.politica == PoliticaReflujo::RazonConstante)
        return {c.reflujo, destiladoConReflujo(elv, c.platos, xW, c.reflujo, pista.xD)};
    const double y0 = elv.yEqContinuo(xW);
    if (y0 >= c.pureza) return {0, y0};  // the still's own vapour is pure enough
    const ReflujoNecesario r = reflujoMinimo(elv, c.platos, xW, c.pureza, c.reflujoMaximo, pista.R);
    if (r.alcanzable) return {r.R, c.pureza};
    return {c.reflujoMaximo, destiladoConReflujo(elv, c.platos, xW, c.reflujoMaximo, pista.xD)};
}

// The mass of A in the still kept between none and all of what is left:
// an explicit step may overshoot where the still has run out of A.
double acotar(double mA, double resto) { return mA < 0 ? 0 : (mA > resto ? resto : mA); }

// The progress (percent) at which the column reached Rmax, between the last
// row that held the purity and the first that did not: the still
// composition there, and the distillate of fixed composition it took to get
// from that row's still to it.
double avanceDelCambio(const ModeloELV& elv, const ColumnaPlatos& c, double mma, double mmb, const ColumnaAvance& alambique,
                       const ColumnaAvance& destilado)
{
    for (int i = 1; i < kPasosAvance; ++i) {
        const auto fila = static_cast<std::size_t>(i);
        if (!(destilado[fila] < c.pureza)) continue;
        const double xCambio =
            alambiqueParaDestilado(elv, c.platos, c.reflujoMaximo, c.pureza, alambique[fila], alambique[fila - 1]);
        const double resto = static_cast<double>(kPasosAvance - i + 1) / kPasosAvance;
        const double wCambio = fraccionMasica(xCambio, mma, mmb);
        // In mass: (resto·w(x) - wD·d) / (resto - d) = w(xCambio).
        const double d = resto * (fraccionMasica(alambique[fila - 1], mma, mmb) - wCambio) /
                         (fraccionMasica(c.pureza, mma, mmb) - wCambio);
        // Within the two rows, should the rows before not have held the
        // purity by reflux (the still's own vapour purer than it).
        return 100 * (1 - resto + std::clamp(d, 0.0, 1.0 / kPasosAvance));
    }
    return -1;
}

// The still's composition after a step, from its masses: where the step
// took the still's own mass fraction it stays as it was, which the masses
// give to within roundings; one above it, which would enrich the still, is
// dropped.
double composicionTras(double x, double antes, bool propia)
{
    constexpr double kRedondeos = 4 * std::numeric_limits<double>::epsilon();
    return propia && x > antes && x - antes <= kRedondeos * antes ? antes : x;
}

}  // namespace

// A guess of the next row's head on a cubic through the last four, or,
// where that would cross zero (a composition dying away), geometrically.
// Close enough that one Newton step on the staircase mostly finishes the
// row.
void IntegracionColumna::Historia::anotar(const CabezaColumna& c)
{
    std::copy_backward(filas_.begin(), filas_.end() - 1, filas_.end());
    filas_[0] = c;
}

CabezaColumna IntegracionColumna::Historia::pista() const
{
    const auto extrapolar = [](double v0, double v1, double v2, double v3) {
        const double cubica = 4 * (v0 + v2) - 6 * v1 - v3;
        return cubica > 0 || v1 <= 0 ? cubica : v0 * (v0 / v1);
    };
    const auto f = [this](std::size_t i) { return filas_[i]; };
    return {extrapolar(f(0).R, f(1).R, f(2).R, f(3).R), extrapolar(f(0).xD, f(1).xD, f(2).xD, f(3).xD)};
}

IntegracionColumna::IntegracionColumna(const ModeloELV& elv, const ColumnaPlatos& c, double mma, double mmb, double x0,
                                       ColumnaAvance& alambique, AvanceColumnaPlatos& cabeza)
    : elv_(elv), c_(c), mma_(mma), mmb_(mmb), alambique_(&alambique), cabeza_(&cabeza),
      mA_(fraccionMasica(x0, mma, mmb)), actual_(cabezaEn(elv, c, x0, {})), historia_(actual_)
{
    alambique[0] = x0;
    cabeza.reflujo[0] = actual_.R;
    cabeza.destilado[0] = actual_.xD;
}

std::optional<IntegracionColumna> IntegracionColumna::iniciar(const ModeloELV& elv, const ColumnaPlatos& c, double mma,
                                                              double mmb, double x0, ColumnaAvance& alambique,
                                                              AvanceColumnaPlatos& cabeza, RechazoColumna& rechazo)
{
    if (!elv.modoTabla && !volatilidadValida(elv.alfa)) return std::nullopt;
    if (elv.modoTabla && elv.superTabla == nullptr) return std::nullopt;
    if (!masasMolaresValidas(mma, mmb)) return std::nullopt;
    if (const auto r = rechazoDePureza(elv, c, x0)) {
        rechazo = *r;
        return std::nullopt;
    }
    return IntegracionColumna(elv, c, mma, mmb, x0, alambique, cabeza);
}

void IntegracionColumna::avanzarHasta(int fila)
{
    while (fila_ < std::min(fila, kPasosAvance)) {
        if (fila_ + 1 == kPasosAvance) terminar();
        else paso();
        ++fila_;
    }
}

// A second-order Adams-Bashforth step of 1/10000 of the charge's mass: the
// still loses A at the mass fraction of the distillate leaving the
// condenser, extrapolated to the middle of the step from this row and the
// row before (the first step takes this row's). One head a row, which is
// also the row's reflux ratio and distillate.
void IntegracionColumna::paso()
{
    constexpr double h = 1.0 / kPasosAvance;
    const auto i = static_cast<std::size_t>(fila_);
    const double resto = static_cast<double>(kPasosAvance - fila_ - 1) / kPasosAvance;
    const double perdida = fraccionMasica(actual_.xD, mma_, mmb_);
    const double extrapolada = perdidaAnterior_ < 0 ? perdida : (3 * perdida - perdidaAnterior_) / 2;
    // Where the distillate thins fast (the still nearly out of A) the
    // extrapolation may fall below the still's own mass fraction, which
    // would enrich the still: no distillate poorer than the still leaves it
    // unless the column gives one.
    const double enAlambique = mA_ / (resto + h);
    const double tomada = std::max(extrapolada, std::min(perdida, enAlambique));
    mA_ = acotar(mA_ - h * tomada, resto);
    perdidaAnterior_ = perdida;
    ColumnaAvance& alambique = *alambique_;
    alambique[i + 1] =
        composicionTras(fraccionMolar(mA_, resto - mA_, mma_, mmb_), alambique[i], tomada == enAlambique);
    actual_ = cabezaEn(elv_, c_, alambique[i + 1], historia_.pista());
    historia_.anotar(actual_);
    cabeza_->reflujo[i + 1] = actual_.R;
    cabeza_->destilado[i + 1] = actual_.xD;
}

// The still is empty: its column gives nothing more.
void IntegracionColumna::terminar()
{
    const CabezaColumna vacio = cabezaEn(elv_, c_, 0, {});
    (*alambique_)[kPasosAvance] = 0;
    cabeza_->reflujo[kPasosAvance] = vacio.R;
    cabeza_->destilado[kPasosAvance] = vacio.xD;
    cabeza_->avanceReflujoMaximo = c_.politica == PoliticaReflujo::PurezaConstante
                                       ? avanceDelCambio(elv_, c_, mma_, mmb_, *alambique_, cabeza_->destilado)
                                       : -1;
}

std::optional<RechazoColumna> rechazoDePureza(const ModeloELV& elv, const ColumnaPlatos& c, double x0)
{
    if (c.politica != PoliticaReflujo::PurezaConstante) return std::nullopt;
    // A charge that is the distillate of a stage held at this purity has it
    // to within rounding: that is not a purity above the charge.
    if (!(c.pureza > x0 + kPurezaDistinta)) return RechazoColumna{&kNoSuperaCarga, &kDetalleCarga, x0};
    const double azeotropo = azeotropoDesde(elv, x0);
    if (c.pureza > azeotropo) return RechazoColumna{&kTrasAzeotropo, &kDetalleAzeotropo, azeotropo};
    if (!reflujoMinimo(elv, c.platos, x0, c.pureza, c.reflujoMaximo).alcanzable)
        return RechazoColumna{&kInalcanzable, &kDetalleMejor, destiladoConReflujo(elv, c.platos, x0, c.reflujoMaximo)};
    return std::nullopt;
}

bool CrearTablaRectificacion(const ModeloELV& elv, const ColumnaPlatos& c, double mma, double mmb, double x0,
                             ColumnaAvance& alambique, AvanceColumnaPlatos& cabeza, RechazoColumna& rechazo)
{
    auto integracion = IntegracionColumna::iniciar(elv, c, mma, mmb, x0, alambique, cabeza, rechazo);
    if (integracion) integracion->avanzarHasta(kPasosAvance);
    return integracion.has_value();
}

double valorMagnitudColumna(int q, const EtapaEvaluable& e, double P)
{
    const auto fila = static_cast<std::size_t>(filaDeAvance(P));
    return q == kReflujo ? e.columnaPlatos->reflujo[fila] : e.columnaPlatos->destilado[fila];
}

}  // namespace quillon
