#pragma once
// One picture of the stage row: a still or the receiver with its liquid, or
// the connecting tube. The picture keeps a persistent
// image at the screen's pixel ratio, made again only when what it shows
// changes (a drawing of the same liquid keeps it), so a repaint only copies
// it.

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

#include "mainwindow/cristaleria.h"
#include "mainwindow/geometria_etapa.h"

namespace quillon {

class DibujoEtapa : public QWidget {
    Q_OBJECT
public:
    explicit DibujoEtapa(cristaleria::Pieza fondo, QWidget* padre = nullptr);

    // The glassware behind the liquid (the still or the receiver bitmap).
    void fijarFondo(cristaleria::Pieza fondo);
    cristaleria::Pieza fondo() const { return fondo_; }

    // Clears the picture: the liquid goes, the glass stays.
    void limpiar();
    // Draws these rows of liquid in one colour, over the glass.
    void dibujarLiquido(std::vector<FilaLiquido> filas, const QColor& color);
    // The thermometer in a still's neck, reading this temperature (°C), or
    // none; it shows at the next drawing.
    void fijarTermometro(std::optional<double> celsius);
    std::optional<double> termometro() const { return termometro_; }
    // The column of plates over a still, or none (0); it shows at the next
    // drawing.
    void fijarColumna(int platos);
    int platosColumna() const { return platos_; }

    int filasLiquido() const { return static_cast<int>(filas_.size()); }
    QColor colorLiquido() const { return color_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void componer();

    cristaleria::Pieza fondo_;
    std::vector<FilaLiquido> filas_;
    std::optional<double> termometro_;
    int platos_ = 0;
    QColor color_;
    QPixmap imagen_;
    // The thermometer or the column changed since the image was made.
    bool cambiado_ = false;
};

}  // namespace quillon
