#pragma once
// PicVLE: the x-y equilibrium diagram of the main window, with its mouse
// read-out LblCOOR_VLE, the drag of the curve that sets alpha and the double
// click that opens the table editor.

#include <QImage>
#include <QWidget>

#include "graphs/geometria_elv.h"
#include "graphs/pintar_elv.h"

class QLabel;
class QPainter;

namespace quillon {

struct EstadoVentana;

class GraficoELV : public QWidget {
    Q_OBJECT
public:
    explicit GraficoELV(EstadoVentana& estado, QWidget* padre = nullptr);

    // Redraws the diagram into the persistent image and shows it.
    void Dibujar_VLE();
    // An empty white picture (Clear).
    void limpiar();
    // The persistent image (what CopiarGrafVLE puts on the clipboard).
    QImage imagen() const { return imagen_; }
    void CopiarGrafVLE() const;
    // Draws the diagram on paper: `p` paints on the printer in device pixels,
    // `s` describes its printable area in millimetres.
    void dibujarEnPapel(QPainter& p, const Superficie& s);

    QLabel* LblCOOR_VLE = nullptr;
    bool arrastrandoCurva() const { return arrastrandoCurva_; }

signals:
    // The new alpha as text (FormatoNumero, 5 digits) while the curve is dragged.
    void alfaArrastrada(const QString& texto);
    // Double click on the curve in table mode: EditarTABLA_ELV.
    void editarTabla();

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

    EstadoVentana& estado_;
    QImage imagen_;
    bool arrastrandoCurva_ = false;     // ArrastrandoCurva
    bool dobleClicEditaTabla_ = false;  // DobleClicEditaTabla
    double alfaActual_ = 0;             // alpha parsed for the mouse
};

}  // namespace quillon
