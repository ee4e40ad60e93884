#pragma once
// The equilibrium diagram of the main window. The x-y diagram, with its
// mouse read-out, the drag of the curve that sets alpha and the double click
// that opens the table editor; or, when both components are known compounds
// and the user picks it, the T-x-y diagram with the chosen stage at its cut.

#include <QImage>
#include <QWidget>

#include "graphs/curvas_txy.h"
#include "graphs/geometria_elv.h"
#include "graphs/pintar_elv.h"
#include "graphs/pintar_txy.h"
#include "simulacion/cambios.h"

class QComboBox;
class QLabel;
class QPainter;

namespace quillon {

class ControlesDiagrama;
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
    // Draws what the screen shows (either diagram) on `p`, `tamano` pixels
    // large: for Export graph.
    void dibujarEn(QPainter& p, QSizeF tamano);
    void dibujarEnPapel(QPainter& p, const Superficie& s);
    // The T-x-y diagram is shown instead of the x-y one.
    bool muestraTxy() const;

signals:
    // Double click on the curve in table mode: the table editor.
    void editarTabla();
    // The drawing's message for the message line ("" clears it).
    void mensaje(const QString& texto);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // What the drawing shows; writes the range message when alpha is bad.
    DatosELV datos(const GeometriaELV& g);
    ModeloELV modeloActual() const;
    bool puntoSobreCurva(const Lectura& l, double Y) const;
    void mostrarLectura(const QString& texto, bool abajo = false);
    void senalarCurva(bool sobre);

    // The T-x-y diagram (grafico_elv_txy.cpp).
    void sincronizarControles();
    void dibujarTxy();
    void dibujarTxyEn(QPainter& p, const Superficie& s);
    void moverRatonTxy(QPointF m);
    void moverCorte(const QString& texto, bool final);
    // What the simulation announced: the x-y curve follows the equilibrium,
    // the T-x-y diagram every edit and cut too; Clear empties the picture.
    void seguir(const Cambios& c);
    DatosTxy datosTxy(const CurvasTxy& c);
    // The curves of the binary with the equilibrium in force.
    const CurvasTxy& curvasTxy(const termo::Sistema& s);
    // The choice of the temperatures' model beside the legend.
    void crearEleccionModelo();
    void mostrarEleccionModelo(const termo::Sistema& s);
    void elegirModelo(int indice);

    Simulacion& sim_;
    QImage imagen_;
    QLabel* lectura_ = nullptr;         // the mouse read-out
    bool arrastrandoCurva_ = false;
    bool dobleClicEditaTabla_ = false;  // the pointer is on the curve in table mode
    double alfaActual_ = 0;             // alpha parsed for the mouse

    ControlesDiagrama* controles_ = nullptr;
    QComboBox* modeloTxy_ = nullptr;
    CurvasTxyGuardadas curvas_;
    // What stays of a T-x-y drawing while the slider moves, and what it was
    // drawn for.
    struct ClaveFondo {
        QSize tamano;
        qreal escala = 0;
        int generacion = -1;
        QString tituloX, modelo;
        char sep = 0;
        QRgb primerPlano = 0;
        bool operator==(const ClaveFondo&) const = default;
    };
    QImage fondoTxy_;
    ClaveFondo claveFondo_;
    DisposicionTxy disposicionTxy_;
};

}  // namespace quillon
