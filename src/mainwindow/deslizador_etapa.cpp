#include "mainwindow/deslizador_etapa.h"

#include <QPainter>

namespace quillon {

DeslizadorEtapa::DeslizadorEtapa(QWidget* padre) : QScrollBar(Qt::Horizontal, padre)
{
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys move the view; a slider's move the value.
    setInvertedControls(false);
}

void DeslizadorEtapa::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quillon
