#include "mainwindow/caja_contenido.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

namespace quillon {

CajaContenido::CajaContenido(QWidget* padre) : QPlainTextEdit(padre)
{
    // Every paint covers the whole viewport (the image is filled with the
    // base colour): no background is filled first only to be painted over.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(document(), &QTextDocument::contentsChanged, this, &CajaContenido::olvidarImagen);
    connect(this, &QPlainTextEdit::selectionChanged, this, &CajaContenido::olvidarImagen);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CajaContenido::olvidarImagen);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CajaContenido::olvidarImagen);
}

bool CajaContenido::event(QEvent* e)
{
    if (e->type() != QEvent::Paint) olvidarImagen();
    return QPlainTextEdit::event(e);
}

bool CajaContenido::viewportEvent(QEvent* e)
{
    if (e->type() != QEvent::Paint) olvidarImagen();
    return QPlainTextEdit::viewportEvent(e);
}

void CajaContenido::paintEvent(QPaintEvent* e)
{
    QWidget* v = viewport();
    // A selection or a caret is drawn by the text box itself, over the
    // background the viewport would have filled.
    if (hasFocus() || textCursor().hasSelection()) {
        QPainter(v).fillRect(e->rect(), v->palette().brush(v->backgroundRole()));
        return QPlainTextEdit::paintEvent(e);
    }
    const qreal dpr = v->devicePixelRatioF();
    if (imagen_.isNull() || imagen_.devicePixelRatio() != dpr || imagen_.size() != v->size() * dpr) {
        imagen_ = QPixmap(v->size() * dpr);
        imagen_.setDevicePixelRatio(dpr);
        QPainter p(&imagen_);
        pintarLineas(p);
    }
    QPainter(v).drawPixmap(0, 0, imagen_);
}

void CajaContenido::pintarLineas(QPainter& p)
{
    const QRect zona = viewport()->rect();
    p.fillRect(zona, palette().brush(QPalette::Base));
    p.setPen(palette().color(QPalette::Text));
    // Block after block from the first shown, as the text box lays them out.
    QPointF origen = contentOffset();
    for (QTextBlock b = firstVisibleBlock(); b.isValid() && origen.y() <= zona.bottom(); b = b.next()) {
        const QRectF r = blockBoundingRect(b).translated(origen);
        if (b.isVisible()) b.layout()->draw(&p, origen, {}, zona);
        origen.ry() += r.height();
    }
}

}  // namespace quillon
