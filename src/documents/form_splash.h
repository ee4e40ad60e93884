#pragma once
// The splash window, shown at start-up until its timer shows the main window,
// and again, modal and without the timer, as Help > About.

#include <QDialog>

class QTimer;

namespace quillon {

class FormSplash : public QDialog {
    Q_OBJECT
public:
    // acerca: the About window (no timer; stays until clicked or a key).
    explicit FormSplash(bool acerca, QWidget* padre = nullptr);

    // However it is closed (the window system too), the splash is over.
    void reject() override;

signals:
    // The splash is over: show the main window (once).
    void terminado();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void cerrar();
    void mostrarFuentes();
    QTimer* temporizadorCierre_ = nullptr;
    bool terminado_ = false;
};

}  // namespace quillon
