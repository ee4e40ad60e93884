#include "mainwindow/fila_etapas_dibujo.h"

#include <QPainter>
#include <cmath>
#include <map>
#include <tuple>

#include "mainwindow/cristaleria_columna.h"

namespace quillon {
namespace {

// The glass behind the liquid over the white of the row (a still under its
// column when it has plates): what every drawing of a picture starts from,
// made once per piece, plates and pixel ratio and kept.
const QPixmap& fondoOpaco(cristaleria::Pieza pieza, int platos, qreal dpr)
{
    static std::map<std::tuple<int, int, long>, QPixmap> hechos;
    const auto clave = std::make_tuple(static_cast<int>(pieza), platos, std::lround(dpr * 100));
    if (const auto it = hechos.find(clave); it != hechos.end()) return it->second;
    const QSize t = cristaleria::tamano(pieza);
    QPixmap pm(QSize(qRound(t.width() * dpr), qRound(t.height() * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::white);
    {
        QPainter p(&pm);
        p.drawPixmap(0, 0, platos > 0 ? cristaleria::imagenConColumna(platos, dpr)
                                      : cristaleria::imagen(pieza, cristaleria::Capa::Detras, dpr));
    }
    return hechos.emplace(clave, std::move(pm)).first->second;
}

}  // namespace

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

void DibujoEtapa::fijarTermometro(std::optional<double> celsius)
{
    if (celsius == termometro_) return;
    termometro_ = celsius;
    cambiado_ = true;
}

void DibujoEtapa::fijarColumna(int platos)
{
    if (platos == platos_) return;
    platos_ = platos;
    cambiado_ = true;
}

void DibujoEtapa::dibujarLiquido(std::vector<FilaLiquido> filas, const QColor& color)
{
    // The same liquid in the same glass: the image already shows it.
    if (!cambiado_ && filas == filas_ && color == color_ && !imagen_.isNull()) return;
    filas_ = std::move(filas);
    color_ = color;
    componer();
}

void DibujoEtapa::componer()
{
    const qreal dpr = devicePixelRatioF();
    const bool columna = platos_ > 0 && fondo_ == cristaleria::Pieza::Alambique;
    const QPixmap& fondo = fondoOpaco(fondo_, columna ? platos_ : 0, dpr);
    // Painted over in place: no new image for each drawing.
    if (imagen_.size() != fondo.size() || imagen_.devicePixelRatio() != dpr) {
        imagen_ = QPixmap(fondo.size());
        imagen_.setDevicePixelRatio(dpr);
    }
    QPainter p(&imagen_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawPixmap(0, 0, fondo);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Every row covers whole pixel rows; only its ends are softened.
    p.setRenderHint(QPainter::Antialiasing);
    for (const FilaLiquido& f : filas_)
        p.fillRect(QRectF(f.izquierda, f.y, f.derecha - f.izquierda, 1), color_);
    p.drawPixmap(0, 0, cristaleria::imagen(fondo_, cristaleria::Capa::Delante, dpr));
    if (termometro_ && fondo_ == cristaleria::Pieza::Alambique)
        cristaleria::pintarTermometro(p, *termometro_, columna ? cristaleria::transformacionTermometro() : QTransform());
    p.end();
    cambiado_ = false;
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
