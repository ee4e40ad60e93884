#pragma once
// Paints the temperature-composition diagram on a surface (picture or
// paper): what stays while the slider moves (grid, curves, azeotrope,
// titles, legend) and the state of the chosen stage over it.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "graphs/curvas_txy.h"
#include "graphs/geometria_txy.h"
#include "graphs/lienzo.h"

namespace quillon {

inline const QColor kColorBurbuja(0, 90, 200);
inline const QColor kColorRocio(220, 50, 30);
inline const QColor kColorPuntoLiquido(0, 200, 255);
inline const QColor kColorPuntoVapor(255, 170, 0);
inline const QColor kColorAzeotropo(0, 150, 60);

struct DatosTxy {
    const CurvasTxy* curvas = nullptr;
    QString tituloX, tituloT;
    QString modelo;          // the legend's heading: "UNIFAC, 1 atm"
    QStringList leyenda;     // dew curve, bubble curve, liquid point, vapour point
    QString nota;            // about extrapolated temperatures; empty for none
    QString azeotropo;       // beside its mark
    char sep = '.';
    QColor primerPlano = Qt::black;
};

// The stage's liquid (x, T) and the vapour leaving it (y, T).
struct EstadoTxy {
    bool conPuntos = false;
    double x = 0, y = 0, T = 0;
    QString rotulo;  // the line above the plot
};

struct DisposicionTxy {
    GeometriaTxy g;
    QRectF leyenda;
};

// Where everything goes on this surface: the scale leaves the legend clear
// of the curves.
DisposicionTxy disponerTxy(Lienzo& l, const DatosTxy& d);
void pintarFondoTxy(Lienzo& l, const DatosTxy& d, const DisposicionTxy& disp);
void pintarEstadoTxy(Lienzo& l, const DatosTxy& d, const DisposicionTxy& disp, const EstadoTxy& e);

}  // namespace quillon
