#pragma once
// Paints the x-y equilibrium diagram on a surface (picture or paper).

#include <QColor>
#include <QString>

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
};

// Draws everything but the clearing of the surface.
void pintarELV(Lienzo& l, const DatosELV& d);

}  // namespace quillon
