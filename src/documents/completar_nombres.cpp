#include "documents/completar_nombres.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

namespace quillon {
namespace {

// Watches the open list. Installed after the completer's own watcher, it
// sees a press first: a press outside the list closes it, as the completer
// would, and is handed on to the window under the pointer instead of ending
// there, so that the widget it reaches also gets the release.
class ClicQueAtraviesa : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        auto* lista = qobject_cast<QWidget*>(objeto);
        if (evento->type() != QEvent::MouseButtonPress || !lista) return false;
        auto* raton = static_cast<QMouseEvent*>(evento);
        if (lista->rect().contains(lista->mapFromGlobal(raton->globalPosition().toPoint()))) return false;
        lista->hide();
        QWidget* destino = QApplication::widgetAt(raton->globalPosition().toPoint());
        QWindow* ventana = destino ? destino->window()->windowHandle() : nullptr;
        if (!ventana) return true;
        const QPointF local = ventana->mapFromGlobal(raton->globalPosition());
        QMouseEvent pulsacion(QEvent::MouseButtonPress, local, local, raton->globalPosition(), raton->button(),
                              raton->buttons(), raton->modifiers());
        QApplication::sendEvent(ventana, &pulsacion);
        return true;
    }
};

}  // namespace

void completarNombres(QLineEdit* caja, const QStringList& nombres)
{
    auto* completar = new QCompleter(nombres, caja);
    completar->setCaseSensitivity(Qt::CaseInsensitive);
    caja->setCompleter(completar);
    QAbstractItemView* lista = completar->popup();
    lista->installEventFilter(new ClicQueAtraviesa(lista));
}

}  // namespace quillon
