#pragma once
// Batch rectification of one stage: the still under a column of plates,
// on the same 10000 rows of progress (% of the charge's mass distilled) as
// simple distillation. The assumptions of the column are those of
// escalera.h.
//
// At constant reflux ratio the column's distillate xD follows the still's
// composition xW, and the still follows dW/W = dxW/(xD - xW) (W the moles in
// the still), integrated in the mass steps of the rows by second-order
// Adams-Bashforth steps: the masses of A and B leave the still with the
// distillate's composition.
//
// At constant purity R rises, from the least the column needs at the start,
// as the still grows poorer, so that the distillate keeps xD: the still is
// then the charge less a distillate of fixed composition (in moles,
// D = W0·(x0 - xW)/(xD - xW)), which the same steps follow exactly. Once R
// would pass Rmax the column goes on at Rmax with xD falling, and the
// progress of that switch is kept. While the still's own vapour is purer
// than xD the column needs no reflux and gives that vapour.

#include <array>
#include <optional>

#include "model/avance.h"
#include "model/columna_platos.h"
#include "model/equilibrio.h"
#include "model/magnitudes.h"

namespace quillon {

// The column's head at every row, beside the still's column.
struct AvanceColumnaPlatos {
    ColumnaAvance reflujo;    // R at row i
    ColumnaAvance destilado;  // xD leaving the condenser at row i (0 at row 10000, the still empty)
    // Constant purity: the progress (percent) at which R reached Rmax and the
    // distillate began to fall below xD; negative when it never did.
    double avanceReflujoMaximo = -1;
};

// Why a charge of composition x0 cannot be run at the column's constant
// purity, in the order they are checked: a purity not above x0 (by more than
// rounding: 1e-9), one beyond
// an azeotrope of the equilibrium in force, one the column cannot give at
// the start even at Rmax (with the best it can give). Empty at constant
// reflux ratio, which runs any charge.
std::optional<RechazoColumna> rechazoDePureza(const ModeloELV& elv, const ColumnaPlatos& c, double x0);

// The column's head at one still composition: its reflux ratio and the
// distillate leaving the condenser.
struct CabezaColumna {
    double R = -1, xD = -1;  // negative: not known (no guess for the solvers)
};

// The table of one charge through the column, computed as far as a row and
// continued later: each row follows from the row before, so the rows a view
// of the cut needs cost no more than those. A table computed in pieces is
// the one computed in one go, bit for bit. The equilibrium's dense table and
// the two columns it fills must outlive it.
class IntegracionColumna {
public:
    // The checks of CrearTablaRectificacion; when they pass, row 0.
    static std::optional<IntegracionColumna> iniciar(const ModeloELV& elv, const ColumnaPlatos& c, double mma, double mmb,
                                                     double x0, ColumnaAvance& alambique, AvanceColumnaPlatos& cabeza,
                                                     RechazoColumna& rechazo);
    // Rows up to `fila` (at most kPasosAvance) computed; the last row also
    // gives the progress at which R reached Rmax.
    void avanzarHasta(int fila);
    int fila() const { return fila_; }  // the last row computed
    bool completa() const { return fila_ == kPasosAvance; }

private:
    // The heads of the last four rows, the newest first, and from them a
    // guess of the next row's.
    class Historia {
    public:
        explicit Historia(const CabezaColumna& c) { filas_.fill(c); }
        void anotar(const CabezaColumna& c);
        CabezaColumna pista() const;

    private:
        std::array<CabezaColumna, 4> filas_;
    };

    IntegracionColumna(const ModeloELV& elv, const ColumnaPlatos& c, double mma, double mmb, double x0,
                       ColumnaAvance& alambique, AvanceColumnaPlatos& cabeza);
    void paso();
    void terminar();

    ModeloELV elv_;
    ColumnaPlatos c_;
    double mma_, mmb_;
    ColumnaAvance* alambique_;
    AvanceColumnaPlatos* cabeza_;
    double mA_;                     // mass of A in the still per unit of the charge
    CabezaColumna actual_;          // the head at the last row computed
    Historia historia_;
    double perdidaAnterior_ = -1;  // the mass fraction leaving at the row before; negative at row 0
    int fila_ = 0;
};

// Fills the still's column and the head's rows for a charge of composition
// x0 through a column with plates. False, leaving them untouched, when alpha
// (alpha mode) or a molar mass is not valid, or when the charge is refused
// (`rechazo` then says why).
bool CrearTablaRectificacion(const ModeloELV& elv, const ColumnaPlatos& c, double mma, double mmb, double x0,
                             ColumnaAvance& alambique, AvanceColumnaPlatos& cabeza, RechazoColumna& rechazo);

// A column quantity (kReflujo, kDestiladoCondensador) of a stage at
// progress P, read at the row the still's composition is read at. The stage
// must have a column.
double valorMagnitudColumna(int q, const EtapaEvaluable& etapa, double P);

}  // namespace quillon
