#pragma once
// The progress slider under a still: a horizontal scroll bar that takes the
// keys of any slider and shows when it has the keyboard's focus, with a frame
// in the highlight colour (the style draws none on a scroll bar). At rest
// it paints from the image it keeps.

#include <QScrollBar>

#include "mainwindow/imagen_guardada.h"

namespace quillon {

class DeslizadorEtapa : public ImagenGuardada<QScrollBar> {
    Q_OBJECT
public:
    explicit DeslizadorEtapa(QWidget* padre = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    // Its range and value; none while pressed, hovered or with the focus.
    std::optional<QString> estado() const override;
    void pintarEnReposo(QPainter& p) const override;
};

}  // namespace quillon
