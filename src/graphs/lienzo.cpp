#include "graphs/lienzo.h"

#include <QFontMetricsF>
#include <QWidget>
#include <cmath>

namespace quillon {

Superficie Superficie::pantalla(double ancho, double alto)
{
    Superficie s;
    s.ancho = ancho;
    s.alto = alto;
    return s;
}

Superficie Superficie::papel(double anchoMm, double altoMm, double dpi, bool blancoYNegro)
{
    Superficie s;
    s.impresora = true;
    s.escala = dpi / 25.4;
    s.ancho = anchoMm;
    s.alto = altoMm;
    s.blancoYNegro = blancoYNegro;
    return s;
}

int pixelesDePluma(double mm, double dpi)
{
    // (w / 25.4 * 1440) twips over (1440 / dpi) twips per pixel.
    const long n = std::lround(mm / 25.4 * dpi);
    return n < 1 ? 1 : static_cast<int>(n);
}

Lienzo::Lienzo(QPainter& p, const Superficie& s) : p_(p), s_(s), dpi_(s.escala * 25.4) {}

void Lienzo::fuente(const QString& nombre, double puntos, bool negrita)
{
    QFont f(nombre);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    p_.setFont(f);
}

void Lienzo::pluma(const QColor& color, double pixeles, Qt::PenStyle estilo)
{
    QPen pen(color, pixeles, estilo);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (s_.impresora) pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
}

void Lienzo::plumaMm(const QColor& color, double mm, Qt::PenStyle estilo)
{
    pluma(color, pixelesDePluma(mm, dpi_), estilo);
}

void Lienzo::suavizado(bool si) { p_.setRenderHint(QPainter::Antialiasing, si); }

void Lienzo::linea(QPointF a, QPointF b) { p_.drawLine(dispositivo(a), dispositivo(b)); }

void Lienzo::polilinea(const QPolygonF& puntos)
{
    QPolygonF d(puntos.size());
    for (qsizetype i = 0; i < puntos.size(); ++i) d[i] = dispositivo(puntos[i]);
    p_.drawPolyline(d);
}

void Lienzo::circulo(QPointF centro, double radio, const QColor& relleno)
{
    p_.save();
    p_.setBrush(relleno);
    p_.drawEllipse(dispositivo(centro), radio * s_.escala, radio * s_.escala);
    p_.restore();
}

void Lienzo::punto(QPointF p)
{
    // A point as wide as the pen, like a dot of the current draw width.
    const QPen pen = p_.pen();
    const double w = pen.widthF() < 1 ? 1 : pen.widthF();
    const QPointF c = dispositivo(p);
    p_.fillRect(QRectF(c.x() - w / 2, c.y() - w / 2, w, w), pen.color());
}

void Lienzo::poligono(const QPolygonF& puntos, const QBrush& relleno)
{
    QPolygonF d(puntos.size());
    for (qsizetype i = 0; i < puntos.size(); ++i) d[i] = dispositivo(puntos[i]);
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(relleno);
    p_.drawPolygon(d);
    p_.restore();
}

void Lienzo::caja(const QRectF& r, const QColor& borde, const QColor& relleno)
{
    const QRectF d(dispositivo(r.topLeft()), dispositivo(r.bottomRight()));
    p_.save();
    p_.setPen(QPen(borde, 1));
    p_.setBrush(relleno);
    p_.drawRect(d);
    p_.restore();
}

void Lienzo::texto(QPointF esquina, const QString& t, const QColor& color)
{
    const QFontMetricsF m(p_.font(), p_.device());
    p_.save();
    p_.setPen(color);
    p_.drawText(dispositivo(esquina) + QPointF(0, m.ascent()), t);
    p_.restore();
}

void Lienzo::textoVertical(QPointF centro, const QString& t, const QColor& color)
{
    const QFontMetricsF m(p_.font(), p_.device());
    p_.save();
    p_.setPen(color);
    p_.translate(dispositivo(centro));
    p_.rotate(-90);
    p_.drawText(QPointF(-m.horizontalAdvance(t) / 2, m.ascent() - m.height() / 2), t);
    p_.restore();
}

double Lienzo::anchoTexto(const QString& t) const
{
    return QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(t) / s_.escala;
}

double Lienzo::altoTexto(const QString&) const { return QFontMetricsF(p_.font(), p_.device()).height() / s_.escala; }

QImage imagenEnBlanco(const QWidget& w)
{
    const qreal dpr = w.devicePixelRatioF();
    QImage imagen(w.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(dpr);
    imagen.fill(Qt::white);
    return imagen;
}

}  // namespace quillon
