#pragma once
// A control of the stage row that keeps what it painted: the first paint
// draws it at rest, as its class draws it, into an image at the screen's
// pixel ratio (transparent where the class paints nothing), and later paints
// copy that image. At a pixel ratio of 2 the style's rounded frames, gradients
// and text cost far more than the copy, and a repaint of the row (another
// window passing over it, a scroll of the row, a grab) draws every control
// again although none changed.
//
// The image is dropped at any event other than a paint (a resize, a move, a
// show, a change of font, palette, style or enabled state, the mouse coming
// or going, a key, the focus) and whenever estado() gives another text than
// the one it was made with; while estado() gives none (a control pressed,
// hovered or with the focus, which the style draws apart) the control
// paints as usual.

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <optional>

namespace quillon {

template <class Base>
class ImagenGuardada : public Base {
public:
    using Base::Base;

protected:
    // What the control shows that it learns of without an event of its
    // own: its text, its value. None: paint it as usual.
    virtual std::optional<QString> estado() const = 0;
    // Paints the control at rest as its class paints it, on `p` over the
    // control's rectangle.
    virtual void pintarEnReposo(QPainter& p) const = 0;

    void paintEvent(QPaintEvent* e) override
    {
        const std::optional<QString> ahora = estado();
        if (!ahora) return Base::paintEvent(e);
        const qreal dpr = this->devicePixelRatioF();
        if (imagen_.isNull() || imagen_.devicePixelRatio() != dpr || *ahora != estadoImagen_) {
            imagen_ = QPixmap(this->size() * dpr);
            imagen_.setDevicePixelRatio(dpr);
            imagen_.fill(Qt::transparent);
            QPainter p(&imagen_);
            // As a painter on the control itself starts.
            p.setFont(this->font());
            p.setPen(this->palette().color(this->foregroundRole()));
            pintarEnReposo(p);
            estadoImagen_ = *ahora;
        }
        QPainter(this).drawPixmap(0, 0, imagen_);
    }

    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::Paint) imagen_ = QPixmap();
        return Base::event(e);
    }

private:
    QPixmap imagen_;
    QString estadoImagen_;
};

}  // namespace quillon
