#pragma once
// The title page of the manual.

#include <QRectF>
#include <QString>

#include "estilo.h"

class QPainter;

namespace manual {

struct Portada {
    QString titulo;     // the program's name
    QString subtitulo;  // what the program is
    QString documento;  // "User's Manual"
    QString version;    // "Version 1.7"
};

// Draws the title page into `area` (device pixels; `ppp` pixels per point).
void dibujarPortada(QPainter& p, const QRectF& area, double ppp, const Portada& portada, const Letras& letras);

// A round-bottom flask holding a coloured liquid, the program's emblem:
// bulb of radius `radio` centred on `centro`.
void dibujarMatraz(QPainter& p, QPointF centro, double radio);

}  // namespace manual
