#pragma once
// The glassware of the stage row, drawn with QPainter in the pictures' own
// pixel coordinates: the round-bottom still, the receiving Erlenmeyer flask
// and the connecting tube.
//
// Each piece has two layers: the glass behind the liquid (walls and the pale
// inside) and the glass in front of it (the rim over the liquid's edges, the
// thick bottom, shading and reflections). A picture paints the back layer,
// then its liquid rows, then the front layer.

#include <QPixmap>
#include <QSize>
#include <QTransform>

class QPainter;

namespace quillon::cristaleria {

enum class Pieza { Alambique, Receptor, Tubo };
enum class Capa { Detras, Delante };

// 142 x 343 for the still and the receiver, 162 x 120 for the tube.
QSize tamano(Pieza pieza);

// Paints one layer of a piece on `p`, whose coordinates are the piece's
// pixels (origin at its top left).
void pintar(QPainter& p, Pieza pieza, Capa capa);

// A thermometer down the still's neck, its bulb just above the liquid, its
// column standing at `celsius` on a scale from 0 to 250 °C (held at the ends);
// `donde` moves it elsewhere (the side neck under a column). Its glass is
// rendered once per place and pixel ratio and kept; only the column is
// painted each time.
void pintarTermometro(QPainter& p, double celsius, const QTransform& donde = {});
// The row of the top of the column at `celsius`, and the scale's ends.
double yColumnaTermometro(double celsius);
inline constexpr double kTermometroMaximo = 250;

// The layer rendered at a device pixel ratio (transparent around the glass),
// made once per ratio and kept.
const QPixmap& imagen(Pieza pieza, Capa capa, qreal dpr);

}  // namespace quillon::cristaleria

namespace quillon::cristaleria {
// The glass's wall and inside colours, for the pieces drawn over a still.
QColor colorPared();
QColor colorInterior();
}  // namespace quillon::cristaleria
