#pragma once
// The arithmetic of the stage row: the liquid rows of a still and of the
// receiver, the liquid colour, where every control of the row goes and how
// far the row scrolls. Plain functions, so that tests call them directly and
// the widgets only apply what they return.

#include <QRect>
#include <array>
#include <string_view>
#include <vector>

#include "model/cadena.h"
#include "model/idioma.h"

namespace quillon {

// Sizes of the row's pieces, in pixels.
inline constexpr int kAnchoDibujo = 142, kAltoDibujo = 343;  // a still or the receiver
inline constexpr int kAnchoPieza = 162, kAltoPieza = 120;    // the connecting tube
inline constexpr int kAnchoTexto = 160, kAltoTexto = 197;    // the text of a liquid
inline constexpr int kAnchoAvance = kAnchoTexto + 130;       // a stage's progress controls
inline constexpr int kAnchoEtiquetaEtapa = 300;              // "Stage k"
inline constexpr int kNumDibujos = kMaxEtapas + 1;           // the stills and the receiver
inline constexpr int kDesdeDerechaSiguiente = 100;           // the next-stage button from the right edge

// The tallest liquids a picture holds.
inline constexpr int kMaxFilasAlambique = 120, kMaxFilasReceptor = 130;

// The centre of the still's liquid circle and its radius squared.
inline constexpr double kCentroAlambiqueX = 71, kCentroAlambiqueY = 276, kRadio2Alambique = 4422;

// One pixel row of liquid, from x = izquierda to x = derecha.
struct FilaLiquido {
    int y = 0;
    double izquierda = 0, derecha = 0;
    bool operator==(const FilaLiquido&) const = default;
};

// Liquid height of a still in rows: Int((100 - P) * F * 1.2 + 0.5), kept
// within the picture (0..120) whatever the cut and charge fraction say.
int alturaAlambique(double avance, double fraccion);
// Liquid height of the receiver in rows: Int(F * 1.3 * P + 0.5), within 0..130.
int alturaReceptor(double avance, double fraccion);

// Half-width of the still's liquid at row y: a circle of radius sqrt(4422)
// centred at (71, 276).
double semiAnchoAlambique(int y);
// Inset of the receiver's liquid at row y from either side of its 132-pixel
// foot: a rounded foot, then the conical body of an Erlenmeyer flask.
double margenReceptor(int y);

// The rows of a still holding h rows of liquid, from y = 337 upwards.
std::vector<FilaLiquido> filasAlambique(int h);
// The rows of the receiver holding h2 rows, from y = 336 upwards.
std::vector<FilaLiquido> filasReceptor(int h2);

// A liquid colour scheme: red, green, blue of pure B (x = 0)
// followed by those of pure A (x = 1).
using EsquemaColor = std::array<double, 6>;

struct ColorRGB {
    int r = 0, g = 0, b = 0;
    bool operator==(const ColorRGB&) const = default;
};

struct EsquemaLiquido {
    Texto nombre;  // the caption of its View > Liquid color item
    EsquemaColor color;
};
inline constexpr int kNumEsquemas = 5;
const std::array<EsquemaLiquido, kNumEsquemas>& esquemasLiquido();

// The colour of a liquid of mole fraction x: (1 - x)·B + x·A per component,
// each rounded to a whole number with halves to even.
ColorRGB colorLiquido(const EsquemaColor& esquema, double x);

// Number of stages that fit beside the first picture of a row this wide
// (integer part of (width - 304) / 306, never negative).
int etapasQueCaben(int anchoFila);
// The first picture after scrolling one stage right: stops once the last
// stage is visible.
int primeraTrasSiguiente(int primera, int numEtapas, int caben);
// The first picture after scrolling one stage left: stops at 0.
int primeraTrasAnterior(int primera);

// Heights of the controls under a still, which the arrangement stacks.
struct AltosFila {
    int etiquetaAvance = 16;  // "% Mass distilled"
    int cajaAvance = 22;      // the percent box
    int deslizador = 17;      // the slider
    int etiquetaEtapa = 18;   // "Stage k"
    // How far the texts beside the pictures reach above their place, for a
    // line more (a column's): the tube before a still ends well above them.
    int textoArriba = 0;
};

// Where the row's controls go and which are shown. Index j of the picture
// arrays is picture j (still j+1, or the receiver); index k of the stage
// arrays is stage k (index 0 unused).
struct DisposicionFila {
    int caben = 0;
    int ultima = 0;  // last stage shown
    std::array<bool, kNumDibujos> dibujoVisible{};  // the picture, its text and frame
    std::array<QRect, kNumDibujos> dibujo, texto, marco;
    std::array<bool, kNumDibujos> etapaVisible{};  // the tube, the progress controls, the stage label
    std::array<QRect, kNumDibujos> pieza, deslizador, cajaAvance, etiquetaAvance, etiquetaEtapa;
};

// The arrangement of the visible part of a row of `anchoFila` pixels whose
// first picture shown is `primera`.
DisposicionFila disponerFila(int anchoFila, int primera, int numEtapas, const AltosFila& altos = {});

}  // namespace quillon
