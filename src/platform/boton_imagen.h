#pragma once
// A picture button with a caption: pressing the mouse on it moves picture and
// caption one pixel right and down; releasing puts them back; a click runs
// its action. It takes the focus like any button, and Space or Enter press
// it. Used for the label buttons of every window.

#include <QWidget>

namespace quillon {

class BotonImagen : public QWidget {
    Q_OBJECT
public:
    enum class Dibujo { Boton, Pestana, PestanaActiva, FlechaIzquierda, FlechaDerecha };

    explicit BotonImagen(const QString& texto, QWidget* padre = nullptr, Dibujo dibujo = Dibujo::Boton);

    void setTexto(const QString& texto);
    QString texto() const { return texto_; }
    void setDibujo(Dibujo d);
    void setNegrita(bool negrita);
    bool negrita() const { return negrita_; }
    bool pulsado() const { return pulsado_; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QString texto_;
    Dibujo dibujo_;
    bool negrita_ = false;
    bool pulsado_ = false;
};

}  // namespace quillon
