#include "platform/boton_imagen.h"

#include <QLinearGradient>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillon {

BotonImagen::BotonImagen(const QString& texto, QWidget* padre, Dibujo dibujo)
    : QWidget(padre), texto_(texto), dibujo_(dibujo)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    // Reached with Tab; a click leaves the focus where it was, as on a label
    // (the print dialog's copies box is checked when it loses the focus).
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(texto);
    resize(sizeHint());
}

void BotonImagen::setTexto(const QString& texto)
{
    texto_ = texto;
    setAccessibleName(texto);
    update();
}

void BotonImagen::setDibujo(Dibujo d)
{
    dibujo_ = d;
    update();
}

void BotonImagen::setNegrita(bool negrita)
{
    negrita_ = negrita;
    update();
}

QSize BotonImagen::sizeHint() const
{
    switch (dibujo_) {
    case Dibujo::FlechaIzquierda:
    case Dibujo::FlechaDerecha: return {40, 28};
    case Dibujo::Pestana:
    case Dibujo::PestanaActiva: return {150, 29};
    default: return {136, 30};
    }
}

void BotonImagen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The whole picture moves one pixel right and down while pressed.
    const int d = pulsado_ ? 1 : 0;
    const QRectF marco = QRectF(rect()).adjusted(0.5 + d, 0.5 + d, -1.5 + d, -1.5 + d);
    const bool activa = dibujo_ == Dibujo::PestanaActiva;
    const bool flecha = dibujo_ == Dibujo::FlechaIzquierda || dibujo_ == Dibujo::FlechaDerecha;

    QLinearGradient fondo(marco.topLeft(), marco.bottomLeft());
    if (activa) {
        fondo.setColorAt(0, QColor(255, 255, 255));
        fondo.setColorAt(1, QColor(207, 232, 255));
    } else {
        fondo.setColorAt(0, underMouse() ? QColor(236, 244, 255) : QColor(250, 251, 253));
        fondo.setColorAt(1, underMouse() ? QColor(196, 218, 242) : QColor(214, 223, 235));
    }
    QPainterPath forma;
    forma.addRoundedRect(marco, 5, 5);
    p.fillPath(forma, fondo);
    p.setPen(QPen(activa ? QColor(60, 110, 180) : QColor(140, 155, 175), 1));
    p.drawPath(forma);
    if (hasFocus()) {
        // Where the keyboard is.
        p.setPen(QPen(QColor(40, 100, 200), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(marco.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
    }

    if (flecha) {
        const QPointF c = marco.center();
        const double s = dibujo_ == Dibujo::FlechaIzquierda ? -1 : 1;
        const QPointF puntas[3] = {c + QPointF(7 * s, 0), c + QPointF(-5 * s, -7), c + QPointF(-5 * s, 7)};
        p.setBrush(QColor(40, 80, 150));
        p.setPen(Qt::NoPen);
        p.drawPolygon(puntas, 3);
        return;
    }
    QFont f(QStringLiteral("Arial"), 9);
    f.setBold(negrita_);
    p.setFont(f);
    p.setPen(isEnabled() ? QColor(10, 30, 70) : QColor(150, 150, 150));
    // The caption sits 6 pixels below the picture's top.
    p.drawText(QRectF(marco.left(), marco.top() + 6, marco.width(), marco.height() - 6),
               Qt::AlignHCenter | Qt::AlignTop, texto_);
}

void BotonImagen::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    pulsado_ = true;
    update();
}

void BotonImagen::keyPressEvent(QKeyEvent* e)
{
    const int k = e->key();
    if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) emit clicked();
    else QWidget::keyPressEvent(e);
}

void BotonImagen::mouseReleaseEvent(QMouseEvent* e)
{
    if (!pulsado_) return;
    pulsado_ = false;
    update();
    if (rect().contains(e->position().toPoint())) emit clicked();
}

}  // namespace quillon
