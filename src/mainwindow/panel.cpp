#include "mainwindow/panel.h"

#include <QLinearGradient>
#include <QPainter>

namespace quillon {

Panel::Panel(QWidget* padre, QColor fondo) : QFrame(padre), fondo_(fondo) {}

void Panel::setLinea(int y, int x1, int x2)
{
    lineaY_ = y;
    lineaX1_ = x1;
    lineaX2_ = x2;
    update();
}

void Panel::setLineaVisible(bool visible)
{
    lineaVisible_ = visible;
    update();
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, fondo_.lighter(104));
    g.setColorAt(1, fondo_.darker(103));
    p.fillRect(rect(), g);
    p.setPen(QColor(170, 188, 212));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (lineaY_ >= 0 && lineaVisible_) {
        // The scale the cursor slides on, with end ticks.
        p.setPen(QPen(QColor(70, 90, 130), 1));
        p.drawLine(lineaX1_, lineaY_, lineaX2_, lineaY_);
        p.drawLine(lineaX1_, lineaY_ - 3, lineaX1_, lineaY_ + 3);
        p.drawLine(lineaX2_, lineaY_ - 3, lineaX2_, lineaY_ + 3);
    }
}

}  // namespace quillon
