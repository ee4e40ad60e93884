#include "mainwindow/fila_etapas_dibujo.h"

#include <QPainter>

#include "mainwindow/cristaleria_columna.h"

namespace quillon {

DibujoEtapa::DibujoEtapa(cristaleria::Pieza fondo, QWidget* padre) : QWidget(padre), fondo_(fondo)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    componer();
}

QSize DibujoEtapa::sizeHint() const { return cristaleria::tamano(fondo_); }

void DibujoEtapa::fijarFondo(cristaleria::Pieza fondo)
{
    if (fondo == fondo_) return;
    fondo_ = fondo;
    resize(sizeHint());
    componer();
}

void DibujoEtapa::limpiar()
{
    if (filas_.empty() && !termometro_) return;
    filas_.clear();
    termometro_.reset();
    componer();
}

void DibujoEtapa::dibujarLiquido(std::vector<FilaLiquido> filas, const QColor& color)
{
    filas_ = std::move(filas);
    color_ = color;
    componer();
}

void DibujoEtapa::componer()
{
    const qreal dpr = devicePixelRatioF();
    const QSize t = cristaleria::tamano(fondo_);
    imagen_ = QPixmap(QSize(qRound(t.width() * dpr), qRound(t.height() * dpr)));
    imagen_.setDevicePixelRatio(dpr);
    imagen_.fill(Qt::white);
    QPainter p(&imagen_);
    const bool columna = platos_ > 0 && fondo_ == cristaleria::Pieza::Alambique;
    p.drawPixmap(0, 0, columna ? cristaleria::imagenConColumna(platos_, dpr)
                               : cristaleria::imagen(fondo_, cristaleria::Capa::Detras, dpr));
    // Every row covers whole pixel rows; only its ends are softened.
    p.setRenderHint(QPainter::Antialiasing);
    for (const FilaLiquido& f : filas_)
        p.fillRect(QRectF(f.izquierda, f.y, f.derecha - f.izquierda, 1), color_);
    p.drawPixmap(0, 0, cristaleria::imagen(fondo_, cristaleria::Capa::Delante, dpr));
    if (columna) p.setTransform(cristaleria::transformacionTermometro());
    if (termometro_ && fondo_ == cristaleria::Pieza::Alambique) cristaleria::pintarTermometro(p, *termometro_);
    p.end();
    update();
}

void DibujoEtapa::paintEvent(QPaintEvent*)
{
    // Moved to a screen of another pixel ratio: make the image again, crisp.
    if (!qFuzzyCompare(imagen_.devicePixelRatio(), devicePixelRatioF())) componer();
    QPainter p(this);
    p.drawPixmap(0, 0, imagen_);
}

}  // namespace quillon
