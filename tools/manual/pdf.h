#pragma once
// Writes the manual: title page, contents, then the body's pages with a
// running head and page numbers.

#include <QString>

#include "estilo.h"
#include "portada.h"

class QPdfWriter;
class QTextDocument;

namespace manual {

// Geometry of every page in device pixels.
struct Plana {
    QRectF pagina;     // the whole paint area inside the margins
    QRectF cuerpo;     // the text
    double ppp = 1;    // device pixels per point
};

Plana planaDe(const QPdfWriter& pdf);

// `cuerpo` is laid out on `pdf` with the page size of `plana.cuerpo`.
// Returns the number of pages written.
int escribirManual(QPdfWriter& pdf, const Plana& plana, QTextDocument& cuerpo, const Portada& portada,
                   const Letras& letras);

}  // namespace manual
