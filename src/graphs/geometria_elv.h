#pragma once
// Geometry of the x-y equilibrium diagram: where a point of the diagram lies
// on the picture or on paper, the grid and its labels, the mouse read-out,
// the hit test of the curve and the alpha a drag of the curve sets.

#include <string>
#include <vector>

#include "model/equilibrio.h"
#include "model/idioma.h"

namespace quillon {

// M the margin, yb the bottom edge of the plot, W and H the plot size.
struct GeometriaELV {
    double margen = 0, yBase = 0, ancho = 0, alto = 0;

    double xDe(double x) const { return margen + x * ancho; }
    double yDe(double y) const { return yBase - y * alto; }
};

// Picture of `ancho` x `alto` pixels: M = 25, yb = alto - 25.
GeometriaELV geometriaPantalla(double ancho, double alto);
// Paper, millimetres: the square from (10, 10) to (190, 190).
GeometriaELV geometriaPapel();

// The 11 grid positions k = 0..10 along one axis, k * size / 10.01 from the
// origin, so the last lies 0.1 % short of the far edge.
std::vector<double> posicionesRejilla(double origen, double tamano, double sentido);

// Label k/10 of the grid: "0", "0.1" ... "0.9", "1", with `sep` as separator.
std::string etiquetaRejilla(int k, char sep);

// Dashes of a printed grid line: starts of the 0.7 mm segments, every 1.4 mm
// from `desde` along the line while they stay 1.4 mm short of its end.
std::vector<double> inicioGuiones(double desde, double longitud);

// The axis titles from the name of component A (trimmed; empty names the
// most volatile component instead).
std::string tituloEjeX(const std::string& nombreA);
std::string tituloEjeY(const std::string& nombreA);
// inicio + " " + the trimmed name + fin, the most volatile component named
// instead of an empty name.
std::string tituloConNombre(const Texto& inicio, const Texto& fin, const std::string& nombreA);

// The 101 points of the curve, x = 0, 0.01, ... 1 (accumulated), in diagram
// units: y = alpha x / ((alpha - 1) x + 1) with the alpha that applies at x.
struct PuntoDiagrama {
    double x, y;
};
std::vector<PuntoDiagrama> puntosCurva(const ModeloELV& elv);
// The 1001 points x = k/1000 of the curve with the volatility continuous in
// x (ModeloELV::yEqContinuo), which a column of plates reads.
std::vector<PuntoDiagrama> puntosCurvaContinua(const ModeloELV& elv);

// Mouse position in diagram units: xg = (X - 25) / (W - 50),
// yg = (H - 25 - Y) / (H - 50).
struct Lectura {
    double xg, yg;
};
Lectura lecturaRaton(double X, double Y, double anchoImagen, double altoImagen);

// Strictly inside the plot: the frame itself counts as outside.
inline bool dentroDelDiagrama(const Lectura& l) { return l.xg > 0 && l.xg < 1 && l.yg > 0 && l.yg < 1; }

// The curve's y at the pointer's x (alpha from the model in force, no range
// check).
double yCurvaEn(const ModeloELV& elv, double xg);

// The pointer at row Y is on the curve when the curve's row at its x lies
// within 5 pixels.
bool sobreLaCurva(const ModeloELV& elv, const Lectura& l, double Y, const GeometriaELV& g);

// Alpha set by dragging the curve to (xg, yg): 1.01 on or below the diagonal,
// otherwise the alpha whose curve passes through the point, rounded to three
// decimals.
double alfaDeArrastre(const Lectura& l);

}  // namespace quillon
