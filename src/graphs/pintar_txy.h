#pragma once
// Paints the temperature-composition diagram on a surface (picture or
// paper): what stays while the slider moves (grid, curves with their
// doubtful stretches drawn apart, the two-liquid region, azeotropes, titles,
// legend) and the state of the chosen stage over it.

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
inline const QColor kColorDosLiquidos(150, 110, 200);

struct DatosTxy {
    const CurvasTxy* curvas = nullptr;
    QString tituloX, tituloT;
    QString modelo;          // the legend's heading: "UNIFAC, 1 atm"
    QStringList leyenda;     // dew curve, bubble curve, liquid point, vapour point
    QString dudosas;         // the line of the doubtful stretches; empty for none
    QString dosLiquidos;     // the line of the two-liquid region; empty for none
    QStringList azeotropos;  // beside each mark, in the order of the curves'
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
    QRectF control;  // beside the legend's top, for a control of that size
};

// Where everything goes on this surface: the scale leaves the legend, and a
// control of size `control` beside it, clear of the curves.
DisposicionTxy disponerTxy(Lienzo& l, const DatosTxy& d, QSizeF control = {});
void pintarFondoTxy(Lienzo& l, const DatosTxy& d, const DisposicionTxy& disp);
void pintarEstadoTxy(Lienzo& l, const DatosTxy& d, const DisposicionTxy& disp, const EstadoTxy& e);

}  // namespace quillon
