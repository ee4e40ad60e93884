// The table editor's keyboard and mouse: the decimal-key filter, moving
// through the boxes, whole-text selection on focus, and the wheel.

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <optional>

#include "documents/form_xyinput.h"

namespace quillon {
namespace {

using navegacion_xy::Tecla;

std::optional<Tecla> teclaDeNavegacion(int codigo)
{
    switch (codigo) {
    case Qt::Key_Down: return Tecla::Abajo;
    case Qt::Key_Up: return Tecla::Arriba;
    case Qt::Key_Left: return Tecla::Izquierda;
    case Qt::Key_Right: return Tecla::Derecha;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Tecla::Intro;
    default: return std::nullopt;
    }
}

// Where the caret stands, as the navigation reads it: at the start when it
// (or the selection) begins before the first character, at the end when it
// is after the last character or the whole text is selected.
bool alInicio(const QLineEdit* c)
{
    return (c->hasSelectedText() ? c->selectionStart() : c->cursorPosition()) == 0;
}

bool alFinal(const QLineEdit* c)
{
    if (c->hasSelectedText()) return c->selectionLength() == c->text().size();
    return c->cursorPosition() == c->text().size();
}

}  // namespace

bool FormXYinput::ubicarCaja(const QObject* objeto, Columna& columna, int& k) const
{
    for (k = 0; k < kFilasVisibles; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (objeto == TxtX[i]) return columna = Columna::X, true;
        if (objeto == TxtY[i]) return columna = Columna::Y, true;
    }
    return false;
}

bool FormXYinput::eventFilter(QObject* objeto, QEvent* evento)
{
    // Every control passes the wheel to the window, the scroll bar too (its
    // own handling would move three rows a notch).
    if (evento->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(evento));
        return true;
    }
    Columna columna;
    int k;
    if (!ubicarCaja(objeto, columna, k)) return QDialog::eventFilter(objeto, evento);
    QLineEdit* c = caja(columna, k);
    switch (evento->type()) {
    case QEvent::KeyPress: return teclaEnCaja(c, columna, k, static_cast<QKeyEvent*>(evento));
    case QEvent::FocusIn:
        c->selectAll();
        // The press that follows a click would put the caret under the mouse.
        seleccionarAlPulsar_ = static_cast<QFocusEvent*>(evento)->reason() == Qt::MouseFocusReason;
        return false;
    case QEvent::MouseButtonPress:
        if (!seleccionarAlPulsar_) return false;
        seleccionarAlPulsar_ = false;
        c->selectAll();
        return true;
    default: return false;
    }
}

bool FormXYinput::teclaEnCaja(QLineEdit* c, Columna columna, int k, QKeyEvent* evento)
{
    // Both decimal keys type the separator in use.
    if (evento->text() == QLatin1String(",") || evento->text() == QLatin1String(".")) {
        c->insert(QString(QLatin1Char(estado_.sepDecimal)));
        return true;
    }
    const auto tecla = teclaDeNavegacion(evento->key());
    if (!tecla || (evento->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const QScrollBar* b = barraFilas_;
    const navegacion_xy::Situacion s{columna, k, alInicio(c), alFinal(c), b->value(), b->minimum(), b->maximum(),
                                     kFilasVisibles};
    const auto destino = navegacion_xy::destinoTecla(*tecla, s);
    if (destino.mover) {
        if (destino.desplazamiento != 0) barraFilas_->setValue(b->value() + destino.desplazamiento);
        QLineEdit* nueva = caja(destino.columna, destino.fila);
        nueva->setFocus(Qt::OtherFocusReason);
        // Rewritten by the scroll, the box keeps the focus: ready to type over.
        nueva->selectAll();
        return true;
    }
    // Left and Right that go nowhere move the caret; the others do nothing.
    return *tecla != Tecla::Izquierda && *tecla != Tecla::Derecha;
}

// Any wheel message moves the view one row, whatever its distance.
void FormXYinput::wheelEvent(QWheelEvent* evento)
{
    const int rotacion = evento->angleDelta().y();
    if (rotacion != 0) moverConRueda(rotacion);
    evento->accept();
}

void FormXYinput::moverConRueda(int rotacion)
{
    QScrollBar* b = barraFilas_;
    if (!b->isVisible()) return;
    b->setValue(navegacion_xy::valorTrasRueda(b->value(), b->minimum(), b->maximum(), b->singleStep(), rotacion));
}

// Only the five buttons and the close box close the editor.
void FormXYinput::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace quillon
