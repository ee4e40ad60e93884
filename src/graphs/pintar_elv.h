#pragma once
// Paints the x-y equilibrium diagram on a surface (picture or paper).

#include <QColor>
#include <QString>

#include <optional>

#include "graphs/datos_escalera.h"
#include "graphs/geometria_elv.h"
#include "graphs/lienzo.h"
#include "model/equilibrio.h"

namespace quillon {

inline const QColor kColorCurvaELV(64, 0, 255);
inline const QColor kColorRejillaELV(220, 220, 220);

struct DatosELV {
    GeometriaELV g;
    QString tituloX, tituloY;
    char sep = '.';
    bool conCurva = false;  // false: grid, labels, frame and diagonal only
    ModeloELV elv;
    QColor primerPlano = Qt::black;  // the surface's foreground (frame, labels, titles)
    // With a column of plates: the curve the column uses, and the staircase
    // of the chosen stage when it has one.
    bool conColumna = false;
    std::optional<EscaleraDiagrama> escalera;
};

inline const QColor kColorLineaOperacion(0, 130, 60);
inline const QColor kColorEscalera(225, 95, 0);

// Draws everything but the clearing of the surface.
void pintarELV(Lienzo& l, const DatosELV& d);

}  // namespace quillon
