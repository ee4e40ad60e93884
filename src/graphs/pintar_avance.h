#pragma once
// Paints the quantity-versus-progress graph on a surface (picture or paper).

#include <QColor>
#include <QPointF>
#include <QString>
#include <vector>

#include "graphs/lienzo.h"

namespace quillon {

inline const QColor kColorRejillaAvance(210, 210, 230);
inline const QColor kColorEjesAvance(0, 0, 96);
inline const QColor kColorCurvaAvance(255, 0, 96);
inline const QColor kColorNotaAvance(160, 0, 0);

// What one drawing shows: the two axes and the curve's values.
struct DatosAvance {
    QString tituloX, tituloY;
    QString nota;  // under the vertical title, what makes the values doubtful; empty for none
    double xMax = 1, yMax = 1;
    // A temperature's axis is fitted to its values (yMax unused) and leaves
    // the titles clear of the curve.
    bool ajustarY = false;
    std::vector<QPointF> valores;  // (X quantity, Y quantity) at each sampled progress
    QColor primerPlano = Qt::black;
};

// Draws axes, grid, labels, titles and curve; the surface is cleared by the
// caller. Ends early (nothing drawn) when a tick step comes out zero.
void pintarAvance(Lienzo& l, const DatosAvance& d);

}  // namespace quillon
