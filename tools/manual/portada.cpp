#include "portada.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace manual {
namespace {

const QColor kAzulOscuro(0x1d, 0x3f, 0x6e);
const QColor kGris(0x5a, 0x63, 0x70);

void textoCentrado(QPainter& p, const QRectF& area, double y, const QString& texto, const QFont& letra,
                   const QColor& color)
{
    p.setFont(letra);
    p.setPen(color);
    const QRectF caja(area.left(), y, area.width(), QFontMetricsF(letra, p.device()).height() * 1.4);
    p.drawText(caja, Qt::AlignHCenter | Qt::AlignTop, texto);
}

QFont letra(const QString& familia, double puntos, QFont::Weight peso)
{
    QFont f(familia);
    f.setPointSizeF(puntos);
    f.setWeight(peso);
    return f;
}

}  // namespace

void dibujarMatraz(QPainter& p, QPointF centro, double radio)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double cuello = radio * 0.36;
    const double altoCuello = radio * 1.05;
    const QRectF bulbo(centro.x() - radio, centro.y() - radio, 2 * radio, 2 * radio);
    const QRectF tubo(centro.x() - cuello / 2, bulbo.top() - altoCuello + radio * 0.12, cuello, altoCuello);
    const QRectF labio(tubo.left() - radio * 0.07, tubo.top() - radio * 0.06, cuello + radio * 0.14, radio * 0.12);

    QPainterPath vidrio;
    vidrio.setFillRule(Qt::WindingFill);
    vidrio.addEllipse(bulbo);
    vidrio.addRect(tubo);
    vidrio = vidrio.simplified();

    // Glass, then the liquid filling the bulb up to a little above its centre.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xee, 0xf5, 0xfb));
    p.drawPath(vidrio);
    QPainterPath liquido;
    liquido.addEllipse(bulbo.adjusted(radio * 0.06, radio * 0.06, -radio * 0.06, -radio * 0.06));
    QPainterPath debajo;
    debajo.addRect(QRectF(bulbo.left(), centro.y() - radio * 0.18, bulbo.width(), radio * 2));
    liquido = liquido.intersected(debajo);
    QLinearGradient degradado(bulbo.topLeft(), bulbo.bottomLeft());
    degradado.setColorAt(0.4, QColor(0x3d, 0x9b, 0xe0));
    degradado.setColorAt(1.0, QColor(0x1d, 0x4f, 0x9e));
    p.setBrush(degradado);
    p.drawPath(liquido);
    // A few bubbles rising in the liquid, as on the program's icon.
    p.setBrush(QColor(255, 255, 255, 130));
    p.drawEllipse(QPointF(centro.x() - radio * 0.31, centro.y() + radio * 0.46), radio * 0.09, radio * 0.09);
    p.drawEllipse(QPointF(centro.x() + radio * 0.23, centro.y() + radio * 0.23), radio * 0.065, radio * 0.065);
    p.drawEllipse(QPointF(centro.x() - radio * 0.03, centro.y() + radio * 0.67), radio * 0.05, radio * 0.05);

    // A highlight on the glass, then the outlines.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), radio * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(bulbo.adjusted(radio * 0.22, radio * 0.22, -radio * 0.22, -radio * 0.22), 110 * 16, 45 * 16);
    p.setPen(QPen(kAzulOscuro, radio * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(vidrio);
    p.setBrush(QColor(0xee, 0xf5, 0xfb));
    p.drawRoundedRect(labio, radio * 0.03, radio * 0.03);
    p.restore();
}

void dibujarPortada(QPainter& p, const QRectF& area, double ppp, const Portada& portada, const Letras& letras)
{
    // A band across the top carries the name.
    const QRectF banda(area.left(), area.top(), area.width(), area.height() * 0.30);
    p.fillRect(banda, kAzulOscuro);
    textoCentrado(p, banda, banda.top() + banda.height() * 0.30, portada.titulo,
                  letra(letras.titulos, 44, QFont::Bold), Qt::white);
    textoCentrado(p, banda, banda.top() + banda.height() * 0.62, portada.subtitulo,
                  letra(letras.titulos, 15, QFont::Normal), QColor(0xdd, 0xe8, 0xf5));

    dibujarMatraz(p, QPointF(area.center().x(), area.top() + area.height() * 0.55), 52 * ppp);

    textoCentrado(p, area, area.top() + area.height() * 0.74, portada.documento,
                  letra(letras.titulos, 26, QFont::Bold), kAzulOscuro);
    textoCentrado(p, area, area.top() + area.height() * 0.81, portada.version,
                  letra(letras.titulos, 12, QFont::Normal), kGris);
}

}  // namespace manual
