#pragma once
// PicXAvan: the graph of one quantity of a stage against another over the
// whole course of the stage, with its read-out label LblCOOR_XAV and the
// marker shape ShaCURSOR (both kept out of sight by every drawing).

#include <QImage>
#include <QWidget>

#include "graphs/lienzo.h"
#include "graphs/panel_avance.h"

class QFrame;
class QLabel;
class QPainter;

namespace quillon {

struct EstadoVentana;

class GraficoAvance : public QWidget {
    Q_OBJECT
public:
    GraficoAvance(EstadoVentana& estado, PanelAvance& panel, QWidget* padre = nullptr);

    // Redraws the graph into the persistent image and shows it.
    void Dibujar_XAV();
    // An empty white picture (Clear).
    void limpiar();
    QImage imagen() const { return imagen_; }
    void CopiarGrafXAV() const;
    // Draws the graph on paper: `s` is the printable area in millimetres; the
    // graph keeps this picture's proportions.
    void dibujarEnPapel(QPainter& p, const Superficie& s);

    QLabel* LblCOOR_XAV = nullptr;
    QFrame* ShaCURSOR = nullptr;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void ocultarCursor();

    EstadoVentana& estado_;
    PanelAvance& panel_;
    QImage imagen_;
};

}  // namespace quillon
