#include "graphs/cursor_deslizante.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/plataforma.h"

namespace quillon {

double alfaDePorcentaje(double porcentaje)
{
    const double alfa = 1.01 + porcentaje / 5.265929437;
    return std::floor(100 * alfa + 0.5) / 100;
}

double x0DePorcentaje(double porcentaje) { return std::floor(1000 * (porcentaje / 100) + 0.5) / 1000; }

double posicionCursorAlfa(double alfa)
{
    const double a = alfa < 1.01 ? 1.01 : alfa;
    return std::clamp((a - 1.01) / (20 - 1.01), 0.0, 1.0);
}

double posicionCursorX0(double x0) { return std::clamp(x0, 0.0, 1.0); }

double izquierdaCursor(double f, double x1, double x2, double ancho)
{
    return std::clamp(x1 + f * (x2 - x1), x1, x2) - ancho / 2;
}

double izquierdaArrastrada(double ratonX, double desfase, double x1, double x2, double ancho)
{
    return std::clamp(ratonX - desfase, x1 - ancho / 2, x2 - ancho / 2);
}

double porcentajeCursor(double izquierda, double x1, double x2, double ancho)
{
    return (izquierda - x1 + ancho / 2) / (x2 - x1) * 100;
}

CursorDeslizante::CursorDeslizante(QWidget* padre) : QWidget(padre)
{
    resize(sizeHint());
    setCursor(Qt::SizeHorCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void CursorDeslizante::fijarLinea(double x1, double x2)
{
    x1_ = x1;
    x2_ = x2;
}

double CursorDeslizante::x1() const { return x1_ >= 0 ? x1_ : 10; }

double CursorDeslizante::x2() const
{
    if (x2_ >= 0) return x2_;
    return parentWidget() ? parentWidget()->width() - 10 : 10 + width();
}

void CursorDeslizante::colocarEnValor(double f)
{
    fraccion_ = std::clamp(f, 0.0, 1.0);
    move(static_cast<int>(std::lround(izquierdaCursor(f, x1(), x2(), width()))), y());
}

void CursorDeslizante::mousePressEvent(QMouseEvent*)
{
    arrastrando_ = true;
    desfase_ = plataforma::posicionCursor().x() - x();
}

void CursorDeslizante::mouseMoveEvent(QMouseEvent*)
{
    if (!arrastrando_) return;
    const double izquierda = izquierdaArrastrada(plataforma::posicionCursor().x(), desfase_, x1(), x2(), width());
    move(static_cast<int>(std::lround(izquierda)), y());
    emit arrastrado(porcentajeCursor(izquierda, x1(), x2(), width()));
}

void CursorDeslizante::mouseReleaseEvent(QMouseEvent*) { arrastrando_ = false; }

namespace {

// Where a key takes a cursor standing at `f` of its line; none for a key
// that is not a slider's.
std::optional<double> destinoDeTecla(int tecla, double f)
{
    switch (tecla) {
    case Qt::Key_Left:
    case Qt::Key_Down: return std::max(f - 0.01, 0.0);
    case Qt::Key_Right:
    case Qt::Key_Up: return std::min(f + 0.01, 1.0);
    case Qt::Key_PageDown: return std::max(f - 0.1, 0.0);
    case Qt::Key_PageUp: return std::min(f + 0.1, 1.0);
    case Qt::Key_Home: return 0.0;
    case Qt::Key_End: return 1.0;
    default: return std::nullopt;
    }
}

}  // namespace

void CursorDeslizante::keyPressEvent(QKeyEvent* e)
{
    const auto destino = destinoDeTecla(e->key(), fraccion_);
    if (!destino) return QWidget::keyPressEvent(e);
    // As a drag does: the cursor goes there, and says so.
    colocarEnValor(*destino);
    emit arrastrado(*destino * 100);
}

bool CursorDeslizante::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride && destinoDeTecla(static_cast<QKeyEvent*>(e)->key(), fraccion_)) {
        e->accept();
        return true;
    }
    return QWidget::event(e);
}

void CursorDeslizante::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void CursorDeslizante::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

void CursorDeslizante::paintEvent(QPaintEvent*)
{
    // A small pointer whose tip touches the scale line above it.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    QPainterPath forma;
    forma.moveTo(w / 2, 0.5);
    forma.lineTo(w - 0.5, 5);
    forma.lineTo(w - 0.5, h - 0.5);
    forma.lineTo(0.5, h - 0.5);
    forma.lineTo(0.5, 5);
    forma.closeSubpath();
    // With the keyboard's focus it turns light with a border in the
    // highlight colour, as the style marks a focused slider's handle.
    const QColor resalte = palette().color(QPalette::Highlight);
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, hasFocus() ? QColor(Qt::white) : QColor(90, 130, 200));
    g.setColorAt(1, hasFocus() ? resalte.lighter(150) : QColor(30, 60, 130));
    p.fillPath(forma, g);
    p.setPen(hasFocus() ? QPen(resalte, 2) : QPen(QColor(20, 40, 90), 1));
    p.drawPath(forma);
}

}  // namespace quillon
