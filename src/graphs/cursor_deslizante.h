#pragma once
// The slider cursors of the input panels, one for the relative volatility and
// one for the mole fraction x0 of the charge: each slides along its scale
// line, from X1 to X2, following the pointer's screen position, or moved by
// the keys once Tab has given it the focus (which it shows).

#include <QWidget>

namespace quillon {

// Alpha of a cursor at `porcentaje` % of its line: the scale runs from 1.01
// to 20 (divisor 100 / 18.99 to ten digits), rounded to two decimals.
double alfaDePorcentaje(double porcentaje);
// x0 of a cursor at `porcentaje` %, rounded to three decimals.
double x0DePorcentaje(double porcentaje);

// Where the cursors stand for the typed values, as a fraction 0..1 of the
// line: alpha below 1.01 counts as 1.01, above 20 stays at the end; x0 is
// limited to 0..1.
double posicionCursorAlfa(double alfa);
double posicionCursorX0(double x0);

// Left edge of a cursor `ancho` wide centred on the fraction `f` of the line.
double izquierdaCursor(double f, double x1, double x2, double ancho);
// Left edge while dragging: pointer x minus the offset taken at the press,
// limited so the cursor's centre stays on the line.
double izquierdaArrastrada(double ratonX, double desfase, double x1, double x2, double ancho);
// Percentage of the line at the centre of a cursor whose left edge is given.
double porcentajeCursor(double izquierda, double x1, double x2, double ancho);

class CursorDeslizante : public QWidget {
    Q_OBJECT
public:
    explicit CursorDeslizante(QWidget* padre = nullptr);

    // The ends X1 < X2 of the scale line in the parent's pixels. Until set,
    // the line runs from 10 to the parent's width - 10.
    void fijarLinea(double x1, double x2);
    double x1() const;
    double x2() const;

    // Moves the cursor to the fraction `f` (0..1) of its line, where the
    // typed value puts it (see posicionCursorAlfa and posicionCursorX0).
    void colocarEnValor(double f);

    QSize sizeHint() const override { return {11, 15}; }

signals:
    // The cursor was dragged, or moved by a key, to `porcentaje` % of its line.
    void arrastrado(double porcentaje);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    // The arrows move it 1 % of its line, the page keys 10 %, Home and End
    // to the ends, as any slider.
    void keyPressEvent(QKeyEvent*) override;
    // Those keys are its own while it has the focus, not the window's
    // shortcuts (Page Up and Down scroll the row of stills).
    bool event(QEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    double fraccion_ = 0;  // where the typed value put it, 0..1 of its line
    double x1_ = -1, x2_ = -1;
    double desfase_ = 0;  // pointer x minus the cursor's left when the drag began
    bool arrastrando_ = false;
};

}  // namespace quillon
