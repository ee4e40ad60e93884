#pragma once
// Export graph: either graph as a PNG picture (at the screen's pixel ratio or
// at a chosen size), an SVG drawing or a PDF page, drawn as on the screen and
// written through the checked file write.

#include <QDialog>
#include <QSizeF>
#include <functional>

class QPainter;
class QRadioButton;
class QSpinBox;

namespace quillon {

class BotonImagen;

enum class FormatoGrafico { Png, Svg, Pdf };

// The graph drawn on `p` as the screen shows it, `tamano` pixels large.
using DibujoGrafico = std::function<void(QPainter& p, QSizeF tamano)>;

// The drawing in a format's bytes: a PNG of `pixeles` (`escala` device
// pixels per pixel of the drawing), an SVG or a one-page PDF of `tamano`.
QByteArray bytesDeGrafico(const DibujoGrafico& dibujo, FormatoGrafico formato, QSizeF tamano, double escala);

// The options of an export: the format and, for a picture, its size.
class FormExportar : public QDialog {
    Q_OBJECT
public:
    // `tamano`: the graph on the screen; `escala`: the screen's pixel ratio.
    FormExportar(QSize tamano, double escala, QWidget* padre = nullptr);

    FormatoGrafico formato() const;
    // The size to draw at and the device pixels per pixel of the picture.
    QSizeF tamano() const;
    double escala() const;

private:
    QRadioButton *opcionPng_ = nullptr, *opcionSvg_ = nullptr, *opcionPdf_ = nullptr;
    QRadioButton *opcionPantalla_ = nullptr, *opcionElegido_ = nullptr;
    QSpinBox *cajaAncho_ = nullptr, *cajaAlto_ = nullptr;
    QSize tamanoPantalla_;
    double escalaPantalla_;
};

// The whole command: the options, the save dialog, the file. `carpeta` is
// where the dialog starts.
void exportarGrafico(QWidget* padre, const DibujoGrafico& dibujo, QSize tamano, double escala, const QString& carpeta);

}  // namespace quillon
