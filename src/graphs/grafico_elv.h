#pragma once
// The x-y equilibrium diagram of the main window, with its mouse read-out,
// the drag of the curve that sets alpha and the double click that opens the
// table editor.

#include <QImage>
#include <QWidget>

#include "graphs/geometria_elv.h"
#include "graphs/pintar_elv.h"

class QLabel;
class QPainter;

namespace quillon {

class Simulacion;

class GraficoELV : public QWidget {
    Q_OBJECT
public:
    explicit GraficoELV(Simulacion& sim, QWidget* padre = nullptr);

    // Redraws the diagram into the persistent image and shows it.
    void Dibujar_VLE();
    // An empty white picture (Clear).
    void limpiar();
    // The persistent image (what Copy puts on the clipboard).
    QImage imagen() const { return imagen_; }
    // Draws the diagram on paper: `p` paints on the printer in device pixels,
    // `s` describes its printable area in millimetres.
    void dibujarEnPapel(QPainter& p, const Superficie& s);

signals:
    // Double click on the curve in table mode: the table editor.
    void editarTabla();
    // The drawing's message for the message line ("" clears it).
    void mensaje(const QString& texto);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // What the drawing shows; writes the range message when alpha is bad.
    DatosELV datos(const GeometriaELV& g);
    ModeloELV modeloActual() const;
    bool puntoSobreCurva(const Lectura& l, double Y) const;
    void mostrarLectura(const QString& texto);
    void senalarCurva(bool sobre);

    Simulacion& sim_;
    QImage imagen_;
    QLabel* lectura_ = nullptr;         // the mouse read-out
    bool arrastrandoCurva_ = false;
    bool dobleClicEditaTabla_ = false;  // the pointer is on the curve in table mode
    double alfaActual_ = 0;             // alpha parsed for the mouse
};

}  // namespace quillon
