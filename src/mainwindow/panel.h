#pragma once
// A panel of the input column: a soft blue background, a thin border, and
// optionally the horizontal scale line of a slider cursor.

#include <QFrame>

namespace quillon {

class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* padre = nullptr, QColor fondo = QColor(236, 243, 252));

    // The scale line of a slider cursor: from x1 to x2 at height y.
    void setLinea(int y, int x1, int x2);
    void setLineaVisible(bool visible);
    int lineaY() const { return lineaY_; }
    int lineaX1() const { return lineaX1_; }
    int lineaX2() const { return lineaX2_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fondo_;
    int lineaY_ = -1, lineaX1_ = 0, lineaX2_ = 0;
    bool lineaVisible_ = true;
};

}  // namespace quillon
