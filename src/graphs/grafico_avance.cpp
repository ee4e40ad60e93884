#include "graphs/grafico_avance.h"

#include <QPainter>

#include "graphs/datos_avance.h"
#include "graphs/geometria_avance.h"
#include "graphs/panel_avance.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {

GraficoAvance::GraficoAvance(Simulacion& sim, PanelAvance& panel, QWidget* padre)
    : QWidget(padre), sim_(sim), panel_(panel)
{
    setObjectName(QStringLiteral("graficoAvance"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Arial"), 9));
    connect(&sim_, &Simulacion::cambiado, this, &GraficoAvance::seguir);
    // Another quantity ticked is drawn at once.
    connect(&panel_, &PanelAvance::eleccionCambiada, this, [this] {
        if (isVisible()) Dibujar_XAV();
    });
    panel_.mostrarTemperaturas(sim_.sistemaTermico() != nullptr);
    panel_.mostrarColumna(sim_.hayColumna());
    panel_.mostrarTiempo(sim_.ofrecerTiempo());
}

void GraficoAvance::seguir(const Cambios& c)
{
    // The temperatures are offered while both names are known compounds.
    if (c.hay(Cambios::Equilibrio | Cambios::Borrado | Cambios::Abierto))
        panel_.mostrarTemperaturas(sim_.sistemaTermico() != nullptr);
    // The column's quantities, while the document has a column.
    if (c.hay(Cambios::Columna | Cambios::Borrado | Cambios::Abierto)) panel_.mostrarColumna(sim_.hayColumna());
    // Time is an abscissa while a heating is given.
    if (c.hay(Cambios::Calefaccion | Cambios::Borrado | Cambios::Abierto)) panel_.mostrarTiempo(sim_.ofrecerTiempo());
    const bool abierto = c.hay(Cambios::Abierto);
    if (c.hay(Cambios::Borrado | Cambios::Abierto) && !(abierto && isVisible())) limpiar();
    if (isVisible() && c.hay(Cambios::Calculo | Cambios::Abierto)) Dibujar_XAV();
}

void GraficoAvance::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (isVisible()) Dibujar_XAV();
}

void GraficoAvance::Dibujar_XAV()
{
    emit mensaje(QString());
    imagen_ = imagenEnBlanco(*this);
    ResultadoAvance r = calcularDatosAvance(sim_, panel_.etapa(), panel_.itemX(), panel_.itemY());
    unsetCursor();
    if (r.error) emit mensaje(sim_.mensajeDe(r.error, panel_.etapa()));
    if (r.dibujable) {
        r.datos.primerPlano = palette().color(QPalette::WindowText);
        QPainter p(&imagen_);
        Lienzo l(p, Superficie::pantalla(width(), height()));
        pintarAvance(l, r.datos);
    }
    update();
}

void GraficoAvance::dibujarEn(QPainter& p, QSizeF tamano)
{
    ResultadoAvance r = calcularDatosAvance(sim_, panel_.etapa(), panel_.itemX(), panel_.itemY());
    if (!r.dibujable) return;
    r.datos.primerPlano = palette().color(QPalette::WindowText);
    p.setFont(font());
    Lienzo l(p, Superficie::pantalla(tamano.width(), tamano.height()));
    pintarAvance(l, r.datos);
}

void GraficoAvance::dibujarEnPapel(QPainter& p, const Superficie& s)
{
    emit mensaje(QString());
    const ResultadoAvance r = calcularDatosAvance(sim_, panel_.etapa(), panel_.itemX(), panel_.itemY());
    if (r.error) emit mensaje(qtr(*r.error));
    if (!r.dibujable || width() <= 0 || height() <= 0) return;
    Superficie papel = s;
    const Tamano t = tamanoEnPapel({s.ancho, s.alto}, {double(width()), double(height())});
    papel.ancho = t.ancho;
    papel.alto = t.alto;
    Lienzo l(p, papel);
    pintarAvance(l, r.datos);
}

void GraficoAvance::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPointF(0, 0), imagen_);
}

void GraficoAvance::limpiar()
{
    imagen_ = imagenEnBlanco(*this);
    update();
}

}  // namespace quillon
