#pragma once
// The Print command: the print dialog, then one page per copy of the graph
// shown, drawn on the printer (or into a PDF file) in millimetres.

#include <QString>

class QWidget;

namespace quillon {

class GraficoAvance;
class GraficoELV;

// `vle` and `avance` are the graph pictures that are visible (null for the
// others); `textoMensaje` the caption of the message line: with an input
// error shown nothing is printed.
void imprimirGrafico(QWidget* padre, GraficoELV* vle, GraficoAvance* avance, const QString& textoMensaje);

// The printable area the pages need, in millimetres.
inline constexpr double kAnchoMinimoPapel = 190, kAltoMinimoPapel = 260;
inline bool papelSuficiente(double anchoMm, double altoMm)
{
    return !(anchoMm < kAnchoMinimoPapel || altoMm < kAltoMinimoPapel);
}

}  // namespace quillon
