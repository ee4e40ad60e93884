#pragma once
// The percent box under a still. At rest (without the focus, nothing
// selected, a short text aligned left) it paints from the image it keeps of
// its frame and its text, laid out where a line edit lays them out; with the
// focus its caret and selection are drawn as usual.

#include <QLineEdit>

#include "mainwindow/imagen_guardada.h"

namespace quillon {

class CajaAvance : public ImagenGuardada<QLineEdit> {
    Q_OBJECT
public:
    using ImagenGuardada::ImagenGuardada;

protected:
    std::optional<QString> estado() const override;
    void pintarEnReposo(QPainter& p) const override;
};

}  // namespace quillon
