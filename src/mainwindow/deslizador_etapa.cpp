#include "mainwindow/deslizador_etapa.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace quillon {

DeslizadorEtapa::DeslizadorEtapa(QWidget* padre) : ImagenGuardada(Qt::Horizontal, padre)
{
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys move the view; a slider's move the value.
    setInvertedControls(false);
}

void DeslizadorEtapa::paintEvent(QPaintEvent* e)
{
    ImagenGuardada::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

std::optional<QString> DeslizadorEtapa::estado() const
{
    if (isSliderDown() || underMouse() || hasFocus()) return std::nullopt;
    return QStringLiteral("%1 %2 %3 %4 %5").arg(minimum()).arg(maximum()).arg(pageStep()).arg(value()).arg(sliderPosition());
}

void DeslizadorEtapa::pintarEnReposo(QPainter& p) const
{
    // As the scroll bar paints itself with no part pressed nor hovered.
    QStyleOptionSlider opcion;
    initStyleOption(&opcion);
    opcion.subControls = QStyle::SC_All;
    opcion.activeSubControls = QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_ScrollBar, &opcion, &p, this);
}

}  // namespace quillon
