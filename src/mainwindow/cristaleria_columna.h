#pragma once
// The column of plates drawn over a still: where the still's neck stood, a
// glass column with its plates (up to ten drawn, the number written beside
// beyond that), the reflux divider with the distillate's take-off to the
// next picture and the condenser on top; the charge comes in by a side neck
// on the left, the thermometer hangs in one on the right.

#include <QPixmap>
#include <QTransform>

class QPainter;

namespace quillon::cristaleria {

inline constexpr int kPlatosDibujados = 10;

// Paints the column over a still's back layer, covering what stood above
// the bulb in white (`blanco`) or leaving that to the caller.
void pintarColumna(QPainter& p, int platos, bool blanco = true);
// The still's back layer with its column painted over, rendered at a device
// pixel ratio, made once per number of plates and ratio and kept.
const QPixmap& imagenConColumna(int platos, qreal dpr);

// The rows of the plates drawn, top to bottom: at most kPlatosDibujados.
int platosDibujados(int platos);
double yPlato(int i, int dibujados);

// Where the still's thermometer goes with a column: into the right side neck.
QTransform transformacionTermometro();

}  // namespace quillon::cristaleria
