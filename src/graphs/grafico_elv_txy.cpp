// The T-x-y side of the equilibrium diagram: the strip's choices, the model
// chosen beside the legend, the drawing (what stays kept apart from the
// stage over it, so that a step of the slider costs little), paper and the
// mouse read-out.

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include "graphs/controles_diagrama.h"
#include "graphs/datos_txy.h"
#include "graphs/grafico_elv.h"
#include "model/cortes.h"
#include "model/formato.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr Texto kIdeal{"Ideal (Raoult's law)", "Ideal (ley de Raoult)"};
constexpr Texto kUnifac{"UNIFAC (non-ideal)", "UNIFAC (no ideal)"};
constexpr Texto kSinUnifac{"No UNIFAC parameters for this pair", "No hay parámetros UNIFAC para este par"};
constexpr Texto kEleccion{"Model of the temperatures", "Modelo de las temperaturas"};

}  // namespace

bool GraficoELV::muestraTxy() const { return controles_->txy(); }

void GraficoELV::sincronizarControles()
{
    controles_->permitirTxy(sim_.sistemaTermico() != nullptr, QString::fromStdString(sim_.motivoSinSistemaTermico()));
    controles_->mostrarEtapaConColumna(sim_.hayColumna());
    controles_->fijarNumEtapas(sim_.numEtapas());
    // Read aside, as the row shows its boxes: showing a cut is no reading
    // that decides the separator.
    const QString corte = sim_.textoCorte(controles_->etapa());
    EstadoNumerico aparte;
    controles_->mostrarCorte(corte, leerCorte(corte.toStdString(), aparte));
}

void GraficoELV::moverCorte(const QString& texto, bool final)
{
    // The diagram follows the simulation's announcement of the cut.
    sim_.editarCorte(controles_->etapa(), texto, final);
}

const CurvasTxy& GraficoELV::curvasTxy(const termo::Sistema& s)
{
    // The equilibrium in force, unless alpha is not valid (the stage says so).
    ModeloELV elv;
    const Texto* error = nullptr;
    if (!sim_.equilibrioParaDiagrama(elv, error)) return curvas_.de(s);
    return curvas_.de(s, {&elv, sim_.modoTabla() ? &sim_.tablaELV() : nullptr});
}

void GraficoELV::crearEleccionModelo()
{
    modeloTxy_ = new QComboBox(this);
    modeloTxy_->setObjectName(QStringLiteral("modeloTxy"));
    modeloTxy_->addItems({qtr(kIdeal), qtr(kUnifac)});
    modeloTxy_->setToolTip(qtr(kEleccion));
    modeloTxy_->setAccessibleName(qtr(kEleccion));
    modeloTxy_->adjustSize();
    modeloTxy_->hide();
    connect(modeloTxy_, &QComboBox::activated, this, &GraficoELV::elegirModelo);
}

void GraficoELV::mostrarEleccionModelo(const termo::Sistema& s)
{
    const QSignalBlocker bloqueo(modeloTxy_);
    modeloTxy_->setCurrentIndex(s.modelo() == termo::Modelo::Ideal ? 0 : 1);
    const bool unifac = termo::hayParametrosUnifac(s.compuestoA(), s.compuestoB());
    if (auto* modelo = qobject_cast<QStandardItemModel*>(modeloTxy_->model())) {
        modelo->item(1)->setEnabled(unifac);
        modelo->item(1)->setToolTip(unifac ? QString() : qtr(kSinUnifac));
    }
    modeloTxy_->setGeometry(disposicionTxy_.control.toRect());
    modeloTxy_->show();
}

void GraficoELV::elegirModelo(int indice)
{
    // The document then names its model, at the pressure it had.
    CondicionesTermo c = sim_.condiciones();
    c.modelo = indice == 0 ? termo::Modelo::Ideal : termo::Modelo::Unifac;
    sim_.fijarCondiciones(c);
}

DatosTxy GraficoELV::datosTxy(const CurvasTxy& c)
{
    DatosTxy d = quillon::datosTxy(sim_, c);
    d.primerPlano = palette().color(QPalette::WindowText);
    return d;
}

void GraficoELV::dibujarTxy()
{
    const termo::Sistema* s = sim_.sistemaTermico();
    if (!s) return;
    // The stage reads the boxes first: their separator writes the numbers.
    const ResultadoEstadoTxy estado = estadoTxy(sim_, *s, controles_->etapa());
    emit mensaje(estado.error ? qtr(*estado.error) : QString());
    const CurvasTxy& curvas = curvasTxy(*s);
    const DatosTxy d = datosTxy(curvas);
    const ClaveFondo clave{size(), devicePixelRatioF(), curvas_.generacion(), d.tituloX, d.modelo, d.sep,
                           d.primerPlano.rgb()};
    if (clave != claveFondo_ || fondoTxy_.isNull()) {
        fondoTxy_ = imagenEnBlanco(*this);
        QPainter p(&fondoTxy_);
        Lienzo l(p, Superficie::pantalla(width(), height()));
        disposicionTxy_ = disponerTxy(l, d, modeloTxy_->sizeHint());
        pintarFondoTxy(l, d, disposicionTxy_);
        claveFondo_ = clave;
    }
    mostrarEleccionModelo(*s);
    imagen_ = fondoTxy_;
    QPainter p(&imagen_);
    Lienzo l(p, Superficie::pantalla(width(), height()));
    pintarEstadoTxy(l, d, disposicionTxy_, estado.estado);
    p.end();
    update();
}

void GraficoELV::dibujarTxyEn(QPainter& p, const Superficie& s)
{
    const termo::Sistema* sistema = sim_.sistemaTermico();
    if (!sistema) return;
    const ResultadoEstadoTxy estado = estadoTxy(sim_, *sistema, controles_->etapa());
    emit mensaje(estado.error ? qtr(*estado.error) : QString());
    DatosTxy d = quillon::datosTxy(sim_, curvasTxy(*sistema));
    Lienzo l(p, s);
    const DisposicionTxy disp = disponerTxy(l, d);
    pintarFondoTxy(l, d, disp);
    pintarEstadoTxy(l, d, disp, estado.estado);
}

void GraficoELV::moverRatonTxy(QPointF m)
{
    dobleClicEditaTabla_ = false;
    const GeometriaTxy& g = disposicionTxy_.g;
    if (g.ancho <= 0 || g.alto <= 0) return lectura_->hide();
    const double x = g.xEn(m.x()), T = g.tEn(m.y());
    if (!(x > 0 && x < 1 && T > g.eje.desde && T < g.eje.hasta)) return lectura_->hide();
    auto F = [this](double v) { return QString::fromStdString(FormatoNumero(v, 5, sim_.separador())); };
    mostrarLectura(QStringLiteral("x = ") + F(x) + QStringLiteral("   T = ") + F(T) + QStringLiteral(" °C"), true);
}

}  // namespace quillon
