#pragma once
// The graph of one quantity of a stage against another over the whole course
// of the stage.

#include <QImage>
#include <QWidget>

#include "graphs/lienzo.h"
#include "graphs/panel_avance.h"
#include "simulacion/cambios.h"

class QPainter;

namespace quillon {

class Simulacion;

class GraficoAvance : public QWidget {
    Q_OBJECT
public:
    GraficoAvance(Simulacion& sim, PanelAvance& panel, QWidget* padre = nullptr);

    // Redraws the graph into the persistent image and shows it.
    void Dibujar_XAV();
    // An empty white picture (Clear).
    void limpiar();
    QImage imagen() const { return imagen_; }
    // Draws what the screen shows on `p`, `tamano` pixels large: for Export graph.
    void dibujarEn(QPainter& p, QSizeF tamano);
    // Draws the graph on paper: `s` is the printable area in millimetres; the
    // graph keeps this picture's proportions.
    void dibujarEnPapel(QPainter& p, const Superficie& s);

signals:
    // The drawing's message for the message line ("" clears it).
    void mensaje(const QString& texto);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    // What the simulation announced: Calculate and an opened document draw
    // the graph on screen; Clear empties it.
    void seguir(const Cambios& c);

    Simulacion& sim_;
    PanelAvance& panel_;
    QImage imagen_;
};

}  // namespace quillon
