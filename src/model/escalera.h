#pragma once
// The column above the still at one moment: the McCabe-Thiele staircase.
//
// Assumptions: a binary mixture; N ideal plates above the still, and the
// still one more equilibrium stage; constant molal overflow, so the
// operating line y = R/(R+1)·x + xD/(R+1) is straight; a total condenser, so
// the distillate has the composition of the vapour leaving the top plate; no
// holdup on the plates nor in the condenser; and a quasi-steady column, which
// settles at each still composition before the still changes.
//
// The staircase is walked from the still upward with the equilibrium in
// force, never its inverse: the vapour leaving the still is in equilibrium
// with xW; the liquid falling onto each plate follows from the operating line
// and the vapour rising into it; each plate's vapour is in equilibrium with
// its liquid. With a table, the equilibrium is read continuous in x
// (ModeloELV::yEqContinuo): at the nearest entry of the dense table a column
// would hold several distillates over one still.
// The column's distillate is the xD whose staircase tops out at xD. A liquid
// the operating line puts outside 0..1 is taken at the nearer end, which
// keeps the top vapour monotone in xD and in R, so every root below is
// bracketed: Newton's steps, with the slope and curvature walked up the
// staircase beside it, are kept inside the bracket, and Brent's method
// finishes where they falter (a kink of a table's equilibrium, a liquid held
// at an end). None diverges, none gives NaN. From a nearby guess a root
// mostly costs one staircase.

#include <vector>

#include "model/equilibrio.h"

namespace quillon {

// The vapour leaving the top plate of a column of `platos` plates at reflux
// ratio R over a still of composition xW, when the distillate is xD.
double vaporDeCabeza(const ModeloELV& elv, int platos, double xW, double R, double xD);

// The distillate of the column at reflux ratio R over a still of
// composition xW. With no plates or no reflux it is the still's vapour.
// `pista`, a nearby xD (extrapolated from the rows before), only saves work.
double destiladoConReflujo(const ModeloELV& elv, int platos, double xW, double R, double pista = -1);

// The smallest reflux ratio in [0, Rmax] at which the column gives a
// distillate of composition xD over a still of composition xW: 0 when the
// still's vapour is already that pure. `alcanzable` false when not even Rmax
// gives it.
struct ReflujoNecesario {
    double R = 0;
    bool alcanzable = true;
};
ReflujoNecesario reflujoMinimo(const ModeloELV& elv, int platos, double xW, double xD, double Rmax, double pista = -1);

// The still composition, between xBajo and xAlto, over which the column at
// reflux ratio R gives exactly xD: the top vapour rises with the still's
// composition.
double alambiqueParaDestilado(const ModeloELV& elv, int platos, double R, double xD, double xBajo, double xAlto);

// Where the equilibrium in force stops enriching the vapour in A, from x up:
// the first composition at or above x where the volatility falls to 1 (the
// start of that region when x already lies in it). 1 when there is none, as
// always with one alpha above 1.
double azeotropoDesde(const ModeloELV& elv, double x);

// The staircase as the x-y diagram draws it.
struct PuntoXY {
    double x = 0, y = 0;
    bool operator==(const PuntoXY&) const = default;
};
struct EscaleraMcCabe {
    // From (xD, xD) on the diagonal, alternately onto the equilibrium curve
    // (horizontal) and the operating line (vertical), down to the still's
    // point (xW, yEqContinuo(xW)): 2N + 2 corners, or 2 without reflux.
    std::vector<PuntoXY> esquinas;
    // The operating line from its intercept (0, xD/(R+1)) to (xD, xD).
    PuntoXY lineaDesde, lineaHasta;
};
EscaleraMcCabe escaleraMcCabe(const ModeloELV& elv, int platos, double xW, double R, double xD);

}  // namespace quillon
