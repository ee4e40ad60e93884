#pragma once
// Scales of the quantity-versus-progress graph: axis maxima of the list items,
// tick steps, ticks and their labels, the mapping of values to the surface,
// the progress values sampled for the curve and the band a point must lie in.

#include <string>
#include <vector>

namespace quillon {

// The charge of the shown stage, in the mass unit and in moles.
struct CargaEtapa {
    double masa = 0, masaA = 0, masaB = 0;
    double molesA = 0, molesB = 0;
    double molesTotales() const { return molesA + molesB; }
};
CargaEtapa cargaDeEtapa(double x0, double masa, double mma, double mmb, double gramos);

// Axis maximum of item `item` of the horizontal list (0..5) or of the
// vertical list (0..16); 0 for no item (-1).
double maximoEjeX(int item, const CargaEtapa& c);
double maximoEjeY(int item, const CargaEtapa& c);
// The drawing goes on only with a maximum inside (1e-199, 1e+199).
bool maximoUtil(double maximo);

// Step between ticks for an axis that ends at `maximo`: a twentieth, a tenth
// or a fifth of the power of ten below it (100.0001 gives 5, 250 gives 10).
double pasoMarcas(double maximo);

// The ticks of one axis; every second one carries a label.
struct Marca {
    double valor;
    bool conEtiqueta;
};
// Horizontal axis: i * paso <= maximo; vertical: j * paso <= maximo + paso / 2;
// counted from `minimo` (which bears a label).
std::vector<Marca> marcasEje(double paso, double maximo, bool vertical, double minimo = 0);

// A temperature's vertical axis, fitted to its values tMin..tMax (°C), with
// bands of `libreArriba` and `libreAbajo` (fractions of the plot's height)
// left clear of them for the titles; its ends and labels on whole steps.
struct EjeAjustado {
    double desde = 0, hasta = 1, paso = 1;  // paso: between ticks
};
EjeAjustado ejeAjustado(double tMin, double tMax, double libreArriba, double libreAbajo);

// A tick value as label text: shortest form with up to 15 significant
// digits, a "0" before a leading point, always "." as the point.
std::string etiquetaMarca(double v);

// Value-to-surface mapping, from the surface size and the text metrics of
// the sample "Bqyd" (tw wide, th high); the vertical axis runs from yMin.
struct EscalaAvance {
    double ancho = 0, alto = 0, tw = 0, th = 0, xMax = 1, yMax = 1, yMin = 0;

    double x(double v) const { return 2 * tw + v * (ancho - 3 * tw) / xMax; }
    double y(double v) const { return (alto - 2 * th) - (v - yMin) * (alto - 3 * th) / (yMax - yMin); }
};

// Progress values of the curve: 0 to 0.5 % by 0.1, then by 0.2 while
// p <= 100.09 (0.6, 0.8 ... 100).
std::vector<double> puntosAvance();

// A point is drawn when its y lies within [t, H - t].
inline bool dentroDeBanda(double y, double t, double alto) { return y >= t && y <= alto - t; }

// The graph on paper keeps the proportions of the picture: the printable
// area shrinks in width or in height, whichever does not limit.
struct Tamano {
    double ancho, alto;
};
Tamano tamanoEnPapel(Tamano imprimible, Tamano imagen);

// Pen unit on paper: printer pixels in 0.4 mm, 1 if not positive.
double unidadPlumaPapel(double dpi);

}  // namespace quillon
