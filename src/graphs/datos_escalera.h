#pragma once
// The McCabe-Thiele staircase the x-y diagram shows with a column of plates:
// the chosen stage at the cut its percent box holds, read from the
// simulation, and where its pieces fall on the picture or on paper.

#include <QLineF>
#include <QPolygonF>
#include <QString>

#include "graphs/geometria_elv.h"
#include "model/escalera.h"
#include "model/idioma.h"

namespace quillon {

class Simulacion;

struct EscaleraDiagrama {
    EscaleraMcCabe escalera;
    double xW = 0, xD = 0, reflujo = 0;
    QString rotulo;  // "Stage 1, 40 % distilled: xW = ... xD = ... R = ..."
};

struct ResultadoEscalera {
    QString mensaje;         // the message for the message line, or empty
    bool hay = false;        // false: no staircase to draw
    EscaleraDiagrama escalera;
};
// Stage `etapa` (1..6) at its cut, through the column in force.
ResultadoEscalera escaleraDeEtapa(Simulacion& sim, int etapa);

// The staircase's pieces in the units of the surface of `g`.
struct TrazosEscalera {
    QPolygonF escalones;    // from (xD, xD) down to the still's point
    QLineF lineaOperacion;  // from its intercept on the y axis to (xD, xD)
    QPointF puntoXW;        // the still's liquid on the x axis
    QPointF puntoXD;        // the distillate on the diagonal
};
TrazosEscalera trazosEscalera(const GeometriaELV& g, const EscaleraDiagrama& e);

}  // namespace quillon
