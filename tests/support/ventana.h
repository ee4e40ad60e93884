#pragma once
// The main window driven as a user drives it: boxes typed into, buttons
// clicked, menu commands triggered, all found by their object names; the
// modal dialogs answered by a script, the settings kept apart.

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

#include "mainwindow/fila_etapas_dibujo.h"
#include "mainwindow/formmain.h"
#include "platform/boton_imagen.h"
#include "simulacion/simulacion.h"
#include "support/dialogos_guion.h"

namespace quillon::prueba {

class Ventana {
public:
    Ventana()
    {
        QStandardPaths::setTestModeEnabled(true);
        w_ = std::make_unique<FormMain>();
        w_->show();
        if (!QTest::qWaitForWindowExposed(w_.get())) qWarning("the window was not exposed");
        esperarRefresco();
    }
    ~Ventana()
    {
        // Nothing to save: closing must not stop at the question.
        w_->simulacion().marcarGuardado();
    }

    FormMain& w() { return *w_; }
    Simulacion& sim() { return w_->simulacion(); }
    DialogosGuion& dialogos() { return dialogos_; }

    template <typename T = QWidget>
    T* hijo(const QString& nombre) const
    {
        T* h = w_->findChild<T*>(nombre);
        if (!h) qFatal("no child named %s", qPrintable(nombre));
        return h;
    }
    QLineEdit* caja(const QString& nombre) const { return hijo<QLineEdit>(nombre); }

    // Types `texto` into a box as a person would: the old text selected and
    // deleted, then key after key (letters outside ASCII arrive as an input
    // method would give them).
    void escribir(const QString& nombre, const QString& texto)
    {
        QLineEdit* c = caja(nombre);
        c->setFocus();
        // What entering a box does (it selects its text) runs before the keys.
        QCoreApplication::processEvents();
        c->selectAll();
        QTest::keyClick(c, Qt::Key_Delete);
        for (const QChar ch : texto) {
            if (ch.unicode() < 128) QTest::keyClicks(c, QString(ch));
            else c->insert(QString(ch));
        }
        QCoreApplication::processEvents();
    }
    // A command or a click, and the turn of the event loop after it, in
    // which the views follow what the simulation announces.
    void orden(const QString& accion)
    {
        hijo<QAction>(accion)->trigger();
        QCoreApplication::processEvents();
    }
    void pulsar(const QString& boton)
    {
        QWidget* b = hijo<QWidget>(boton);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        QCoreApplication::processEvents();
    }
    // The deferred refresh has run and the views have followed it.
    void esperarRefresco()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!hijo<QTimer>(QStringLiteral("TmrACT"))->isActive(), 5000);
        QCoreApplication::processEvents();
    }

    QString mensaje() const { return hijo<QLabel>(QStringLiteral("LblMSG"))->text(); }
    // The text beside picture j of the row (still j+1, or the receiver).
    // The picture of still j (the receiver after the last stage).
    DibujoEtapa* dibujo(int j) const { return hijo<DibujoEtapa>(QStringLiteral("dibujo%1").arg(j)); }
    QString contenido(int j) const { return hijo<QPlainTextEdit>(QStringLiteral("contenido%1").arg(j))->toPlainText(); }

private:
    DialogosGuion dialogos_;
    std::unique_ptr<FormMain> w_;
};

}  // namespace quillon::prueba
