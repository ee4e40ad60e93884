#include "graphs/grafico_elv.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "graphs/controles_diagrama.h"
#include "model/formato.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr Texto kCurvaVle{"VLE (Vapor-Liquid equilibrium) curve", "Curva de equilibrio líquido-vapor"};
constexpr Texto kDobleClic{"Double click: Edit VLE table", "Doble clic: Editar tabla Equilibrio líquido-vapor"};
constexpr Texto kCurvaEn{"VLE curve: x = ", "Curva de equilibrio: x = "};

}  // namespace

GraficoELV::GraficoELV(Simulacion& sim, QWidget* padre) : QWidget(padre), sim_(sim)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Arial"), 9));
    setMouseTracking(true);
    setObjectName(QStringLiteral("graficoELV"));

    lectura_ = new QLabel(this);
    lectura_->setObjectName(QStringLiteral("lecturaELV"));
    lectura_->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 255, 225); color: rgb(0, 0, 96);"
                                              " border: 1px solid rgb(200, 200, 170); padding: 1px 4px; }"));
    lectura_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lectura_->hide();

    controles_ = new ControlesDiagrama(this);
    controles_->move(22, 2);
    crearEleccionModelo();
    connect(controles_, &ControlesDiagrama::modoCambiado, this, [this] {
        lectura_->hide();
        Dibujar_VLE();
    });
    connect(controles_, &ControlesDiagrama::etapaCambiada, this, &GraficoELV::Dibujar_VLE);
    connect(controles_, &ControlesDiagrama::corteMovido, this, &GraficoELV::moverCorte);
    connect(&sim_, &Simulacion::cambiado, this, &GraficoELV::seguir);
}

void GraficoELV::seguir(const Cambios& c)
{
    const bool abierto = c.hay(Cambios::Abierto);
    // An opened document is drawn where it shows; Clear leaves a blank picture.
    if (c.hay(Cambios::Borrado | Cambios::Abierto) && !(abierto && isVisible())) limpiar();
    // Both the T-x-y diagram and the staircase show a stage at its cut.
    const bool conEtapa = muestraTxy() || sim_.hayColumna();
    const bool dibujar =
        c.hay(Cambios::Calculo | Cambios::Equilibrio | Cambios::Fuente | Cambios::Abierto | Cambios::Columna) ||
        (conEtapa && c.hay(Cambios::Entradas | Cambios::Refresco | Cambios::Cortes | Cambios::NumEtapas));
    if (isVisible() && dibujar) Dibujar_VLE();
    else sincronizarControles();
}

void GraficoELV::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (isVisible()) Dibujar_VLE();
}

ModeloELV GraficoELV::modeloActual() const { return sim_.modelo(alfaActual_); }

DatosELV GraficoELV::datos(const GeometriaELV& g)
{
    DatosELV d;
    d.g = g;
    const std::string nombre = sim_.texto(Entrada::CompA).toStdString();
    d.tituloX = QString::fromStdString(tituloEjeX(nombre));
    d.tituloY = QString::fromStdString(tituloEjeY(nombre));
    // The labels are written before alpha is read.
    d.sep = sim_.separador();
    const Texto* error = nullptr;
    d.conCurva = sim_.equilibrioParaDiagrama(d.elv, error);
    emit mensaje(error ? qtr(*error) : QString());
    d.conColumna = sim_.hayColumna();
    if (!d.conCurva || !d.conColumna) return d;
    // The chosen stage's staircase at its cut, or the message that stops it.
    ResultadoEscalera e = escaleraDeEtapa(sim_, controles_->etapa());
    if (!e.mensaje.isEmpty()) emit mensaje(e.mensaje);
    if (e.hay) d.escalera = std::move(e.escalera);
    return d;
}

void GraficoELV::Dibujar_VLE()
{
    sincronizarControles();
    if (muestraTxy()) return dibujarTxy();
    modeloTxy_->hide();
    imagen_ = imagenEnBlanco(*this);
    DatosELV d = datos(geometriaPantalla(width(), height()));
    d.primerPlano = palette().color(QPalette::WindowText);
    QPainter p(&imagen_);
    p.setFont(font());
    Lienzo l(p, Superficie::pantalla(width(), height()));
    pintarELV(l, d);
    p.end();
    update();
}

void GraficoELV::dibujarEn(QPainter& p, QSizeF tamano)
{
    const Superficie s = Superficie::pantalla(tamano.width(), tamano.height());
    p.setFont(font());
    if (muestraTxy()) return dibujarTxyEn(p, s);
    DatosELV d = datos(geometriaPantalla(tamano.width(), tamano.height()));
    d.primerPlano = palette().color(QPalette::WindowText);
    Lienzo l(p, s);
    pintarELV(l, d);
}

void GraficoELV::dibujarEnPapel(QPainter& p, const Superficie& s)
{
    sincronizarControles();
    if (muestraTxy()) return dibujarTxyEn(p, s);
    const DatosELV d = datos(geometriaPapel());
    Lienzo l(p, s);
    pintarELV(l, d);
}

void GraficoELV::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPointF(0, 0), imagen_);
}

void GraficoELV::mostrarLectura(const QString& texto, bool abajo)
{
    lectura_->setText(texto);
    lectura_->adjustSize();
    // Under the T-x-y diagram: the strip of controls takes the top.
    lectura_->move(width() - lectura_->width() - 25, abajo ? height() - lectura_->height() - 3 : 3);
    lectura_->show();
}

bool GraficoELV::puntoSobreCurva(const Lectura& l, double Y) const
{
    return sobreLaCurva(modeloActual(), l, Y, geometriaPantalla(width(), height()));
}

void GraficoELV::senalarCurva(bool sobre)
{
    if (sobre) setCursor(Qt::SizeVerCursor);
    else unsetCursor();
    setToolTip(sobre ? qtr(kCurvaVle) : QString());
}

void GraficoELV::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF m = e->position();
    if (muestraTxy()) return moverRatonTxy(m);
    const Lectura l = lecturaRaton(m.x(), m.y(), width(), height());
    const bool dentro = dentroDelDiagrama(l);
    auto F = [this](double v) { return QString::fromStdString(FormatoNumero(v, 5, sim_.separador())); };
    if (dentro) mostrarLectura(QStringLiteral("x = ") + F(l.xg) + QStringLiteral("   y = ") + F(l.yg));
    else lectura_->hide();
    dobleClicEditaTabla_ = false;
    alfaActual_ = sim_.modoTabla() ? 0 : sim_.leer(Entrada::Alfa);

    if (arrastrandoCurva_) {
        if (sim_.modoTabla()) return;
        // Written into the alpha box as typing would write it: the diagram
        // follows, as after any edit of alpha.
        if (dentro) sim_.escribirComoTecleado(Entrada::Alfa, F(alfaDeArrastre(l)));
        senalarCurva(dentro);
        return;
    }
    if (!dentro) return;
    if (!puntoSobreCurva(l, m.y())) {
        senalarCurva(false);
        return;
    }
    if (!sim_.modoTabla()) setCursor(Qt::SizeVerCursor);
    else dobleClicEditaTabla_ = true;
    mostrarLectura(qtr(kCurvaEn) + F(l.xg) + QStringLiteral("   y = ") + F(yCurvaEn(modeloActual(), l.xg)));
    setToolTip(qtr(sim_.modoTabla() ? kDobleClic : kCurvaVle));
}

void GraficoELV::mousePressEvent(QMouseEvent* e)
{
    if (muestraTxy()) return;
    const QPointF m = e->position();
    const Lectura l = lecturaRaton(m.x(), m.y(), width(), height());
    alfaActual_ = sim_.modoTabla() ? 0 : sim_.leer(Entrada::Alfa);
    if (!dentroDelDiagrama(l) || !puntoSobreCurva(l, m.y())) return;
    if (!sim_.modoTabla()) {
        arrastrandoCurva_ = true;
        setCursor(Qt::SizeVerCursor);
    }
    setToolTip(qtr(kCurvaVle));
}

void GraficoELV::mouseReleaseEvent(QMouseEvent*)
{
    arrastrandoCurva_ = false;
    senalarCurva(false);
}

void GraficoELV::mouseDoubleClickEvent(QMouseEvent*)
{
    if (dobleClicEditaTabla_) emit editarTabla();
}

void GraficoELV::limpiar()
{
    modeloTxy_->hide();
    imagen_ = imagenEnBlanco(*this);
    update();
}

}  // namespace quillon
