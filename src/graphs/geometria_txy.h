#pragma once
// Geometry of the temperature-composition diagram: its temperature scale,
// where a point (x, T) lies on the picture or on paper, the corner the
// curves leave free for the legend and the axis titles.

#include <string>
#include <vector>

#include "graphs/curvas_txy.h"

namespace quillon {

struct EjeTemperatura {
    double desde = 0, hasta = 1, paso = 1;  // °C
};

// A scale holding tMin..tMax in 5 to 10 steps of 1, 2 or 5 times a power of
// ten, both ends on a step.
EjeTemperatura ejeTemperatura(double tMin, double tMax);
// The ticks from desde to hasta.
std::vector<double> marcasTemperatura(const EjeTemperatura& e);
// A tick as text, with the decimals its step needs and `sep` as separator.
std::string etiquetaTemperatura(double v, double paso, char sep);

// The plot: left edge, bottom edge, size; x runs 0..1, T the scale.
struct GeometriaTxy {
    double izquierda = 0, yBase = 0, ancho = 0, alto = 0;
    EjeTemperatura eje;

    double xDe(double x) const { return izquierda + x * ancho; }
    double yDe(double T) const { return yBase - (T - eje.desde) / (eje.hasta - eje.desde) * alto; }
    double xEn(double X) const { return (X - izquierda) / ancho; }
    double tEn(double Y) const { return eje.desde + (yBase - Y) / alto * (eje.hasta - eje.desde); }
    double arriba() const { return yBase - alto; }
};

// On a picture (pixels): room above for the view's controls and the stage
// line, at the left and below for the labels and the titles.
GeometriaTxy geometriaTxyPantalla(double ancho, double alto, const EjeTemperatura& eje);
// On paper (millimetres): a square of 170 mm under a line of text.
GeometriaTxy geometriaTxyPapel(const EjeTemperatura& eje);

// The legend goes to the top corner of the component that boils lower: the
// curves are lowest at that end.
bool leyendaALaDerecha(const CurvasTxy& c);

// The scale of the curves, raised where needed so that a legend of
// `fraccionAncho` x `fraccionAlto` of the plot in its top corner stays clear
// of both curves.
EjeTemperatura ejeConLeyenda(const CurvasTxy& c, double fraccionAncho, double fraccionAlto, bool derecha);

// "x, y: Mole fraction of <A>", and the temperature axis title.
std::string tituloEjeComposicion(const std::string& nombreA);
std::string tituloEjeTemperatura();

}  // namespace quillon
