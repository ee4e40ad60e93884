#include "mainwindow/caja_avance.h"

#include <algorithm>

#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

namespace quillon {
namespace {

// A line edit's margin on each side of its text, inside the style's contents.
constexpr int kMargenHorizontal = 2;

}  // namespace

std::optional<QString> CajaAvance::estado() const
{
    // A text wider than the box scrolls with the caret, as only the line
    // edit knows; any other alignment is drawn by the line edit too.
    if (hasFocus() || hasSelectedText() || fontMetrics().horizontalAdvance(text()) > width() / 2 ||
        alignment() != (Qt::AlignLeft | Qt::AlignVCenter))
        return std::nullopt;
    return text() + QLatin1Char('\n') + QString::number(cursorPosition());
}

void CajaAvance::pintarEnReposo(QPainter& p) const
{
    QStyleOptionFrame marco;
    initStyleOption(&marco);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &marco, &p, this);
    const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &marco, this).marginsRemoved(textMargins());
    p.setClipRect(r);
    const QFontMetrics fm = fontMetrics();
    const int alto = std::max(fm.boundingRect(text()).height(), fm.height());
    // Left in the line, centred in the height, as the box is aligned.
    const int x = r.x() + kMargenHorizontal, y = r.y() + (r.height() - alto + 1) / 2;
    QTextLayout texto(text(), font());
    texto.beginLayout();
    const QTextLine l = texto.createLine();
    texto.endLayout();
    p.setPen(palette().color(QPalette::Text));
    texto.draw(&p, QPointF(x, y - (qRound(l.ascent()) - fm.ascent())));
}

}  // namespace quillon
