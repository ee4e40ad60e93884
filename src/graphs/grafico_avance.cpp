#include "graphs/grafico_avance.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "graphs/datos_avance.h"
#include "graphs/geometria_avance.h"
#include "graphs/panel_avance.h"
#include "mainwindow/estado_ventana.h"
#include "platform/plataforma.h"

namespace quillon {

GraficoAvance::GraficoAvance(EstadoVentana& estado, PanelAvance& panel, QWidget* padre)
    : QWidget(padre), estado_(estado), panel_(panel)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Arial"), 9));

    LblCOOR_XAV = new QLabel(this);
    LblCOOR_XAV->setObjectName(QStringLiteral("LblCOOR_XAV"));
    LblCOOR_XAV->hide();
    ShaCURSOR = new QFrame(this);
    ShaCURSOR->setObjectName(QStringLiteral("ShaCURSOR"));
    ShaCURSOR->setFrameShape(QFrame::Box);
    ShaCURSOR->resize(9, 9);
    ShaCURSOR->hide();
}

void GraficoAvance::ocultarCursor()
{
    LblCOOR_XAV->clear();
    LblCOOR_XAV->hide();
    ShaCURSOR->move(-20, ShaCURSOR->y());
    ShaCURSOR->hide();
}

void GraficoAvance::Dibujar_XAV()
{
    if (estado_.mensaje) estado_.mensaje(QString());
    imagen_ = imagenEnBlanco(*this);
    ocultarCursor();

    ResultadoAvance r = calcularDatosAvance(estado_, panel_.etapa(), panel_.itemX(), panel_.itemY());
    unsetCursor();
    if (r.error && estado_.mensaje) estado_.mensaje(QString::fromUtf8(quillon::tr(*r.error)));
    if (r.dibujable) {
        r.datos.primerPlano = palette().color(QPalette::WindowText);
        QPainter p(&imagen_);
        Lienzo l(p, Superficie::pantalla(width(), height()));
        pintarAvance(l, r.datos);
    }
    update();
}

void GraficoAvance::dibujarEnPapel(QPainter& p, const Superficie& s)
{
    if (estado_.mensaje) estado_.mensaje(QString());
    ocultarCursor();
    const ResultadoAvance r = calcularDatosAvance(estado_, panel_.etapa(), panel_.itemX(), panel_.itemY());
    if (r.error && estado_.mensaje) estado_.mensaje(QString::fromUtf8(quillon::tr(*r.error)));
    if (!r.dibujable || width() <= 0 || height() <= 0) return;
    Superficie papel = s;
    const Tamano t = tamanoEnPapel({s.ancho, s.alto}, {double(width()), double(height())});
    papel.ancho = t.ancho;
    papel.alto = t.alto;
    Lienzo l(p, papel);
    pintarAvance(l, r.datos);
}

void GraficoAvance::CopiarGrafXAV() const { plataforma::copiarImagen(imagen_); }

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
