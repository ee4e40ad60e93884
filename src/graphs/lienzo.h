#pragma once
// A drawing surface in the program's own units: pixels on a picture,
// millimetres on the printer. The painting code of both graphs writes through
// a Lienzo, so screen and paper share every line of it; only the surface
// description differs.

#include <QColor>
#include <QImage>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QWidget;

namespace quillon {

struct Superficie {
    bool impresora = false;
    double escala = 1;        // device pixels per unit (1 on screen, dpi / 25.4 on paper)
    double ancho = 0, alto = 0;  // scale width and height, in units
    bool blancoYNegro = false;   // curves in black (printing in black and white)

    static Superficie pantalla(double ancho, double alto);
    // The printable area of a device of `dpi` dots per inch, sizes in mm.
    static Superficie papel(double anchoMm, double altoMm, double dpi, bool blancoYNegro);
};

// A pen width of w millimetres as the nearest whole number of printer pixels
// (at least one, so a thin line never vanishes).
int pixelesDePluma(double mm, double dpi);

class Lienzo {
public:
    Lienzo(QPainter& p, const Superficie& s);

    const Superficie& superficie() const { return s_; }

    // Font by name and size in points.
    void fuente(const QString& nombre, double puntos, bool negrita = false);
    // Pen of `pixeles` device pixels (screen pixels or whole printer pixels).
    void pluma(const QColor& color, double pixeles, Qt::PenStyle estilo = Qt::SolidLine);
    // Pen of `mm` millimetres on paper, rounded to whole printer pixels.
    void plumaMm(const QColor& color, double mm, Qt::PenStyle estilo = Qt::SolidLine);
    void suavizado(bool si);

    void linea(QPointF a, QPointF b);
    // One path through the points: a long curve costs one call, not one per
    // segment.
    void polilinea(const QPolygonF& puntos);
    void punto(QPointF p);
    // A disc of radio units outlined with the current pen, filled with
    // `relleno` (Qt::transparent for a ring).
    void circulo(QPointF centro, double radio, const QColor& relleno);
    // A polygon filled with `relleno`, without outline.
    void poligono(const QPolygonF& puntos, const QBrush& relleno);
    // A box outlined with the pen colour `borde` and filled with `relleno`.
    void caja(const QRectF& r, const QColor& borde, const QColor& relleno);
    // Text with its top-left corner at `esquina`, in the given colour.
    void texto(QPointF esquina, const QString& t, const QColor& color);
    // Text turned a quarter to the left (read upwards), centred on `centro`.
    void textoVertical(QPointF centro, const QString& t, const QColor& color);
    double anchoTexto(const QString& t) const;
    double altoTexto(const QString& t) const;

private:
    QPointF dispositivo(QPointF p) const { return p * s_.escala; }

    QPainter& p_;
    Superficie s_;
    double dpi_;
};

// A white picture the size of `w`, at its screen's pixel ratio: the
// persistent image a graph draws into.
QImage imagenEnBlanco(const QWidget& w);

}  // namespace quillon
