#include "graphs/grafico_elv.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "mainwindow/estado_ventana.h"
#include "model/formato.h"
#include "model/mensajes.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

constexpr Texto kCurvaVle{"VLE (Vapor-Liquid equilibrium) curve", "Curva de equilibrio líquido-vapor"};
constexpr Texto kDobleClic{"Double click: Edit VLE table", "Doble clic: Editar tabla Equilibrio líquido-vapor"};
constexpr Texto kCurvaEn{"VLE curve: x = ", "Curva de equilibrio: x = "};

// quillon::tr by its full name: inside a QObject, tr means QObject::tr.
QString qtr(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

Entradas entradasDe(const EstadoVentana& e) { return e.leerEntradas ? e.leerEntradas() : Entradas{}; }

}  // namespace

GraficoELV::GraficoELV(EstadoVentana& estado, QWidget* padre) : QWidget(padre), estado_(estado)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(QFont(QStringLiteral("Arial"), 9));
    setMouseTracking(true);

    LblCOOR_VLE = new QLabel(this);
    LblCOOR_VLE->setObjectName(QStringLiteral("LblCOOR_VLE"));
    LblCOOR_VLE->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 255, 225); color: rgb(0, 0, 96);"
                                              " border: 1px solid rgb(200, 200, 170); padding: 1px 4px; }"));
    LblCOOR_VLE->setAttribute(Qt::WA_TransparentForMouseEvents);
    LblCOOR_VLE->hide();
}

ModeloELV GraficoELV::modeloActual() const { return estado_.modelo(alfaActual_); }

DatosELV GraficoELV::datos(const GeometriaELV& g)
{
    DatosELV d;
    d.g = g;
    const std::string nombre = estado_.nombreA ? estado_.nombreA() : std::string();
    d.tituloX = QString::fromStdString(tituloEjeX(nombre));
    d.tituloY = QString::fromStdString(tituloEjeY(nombre));
    const Entradas e = entradasDe(estado_);
    d.sep = estado_.sep();
    d.elv = estado_.modelo(e.alfa);
    d.conCurva = estado_.modoTablaElv || volatilidadValida(e.alfa);
    if (estado_.mensaje) estado_.mensaje(d.conCurva ? QString() : qtr(mensajes::volatilidad));
    return d;
}

void GraficoELV::Dibujar_VLE()
{
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

void GraficoELV::dibujarEnPapel(QPainter& p, const Superficie& s)
{
    const DatosELV d = datos(geometriaPapel());
    Lienzo l(p, s);
    pintarELV(l, d);
}

void GraficoELV::CopiarGrafVLE() const { plataforma::copiarImagen(imagen_); }

void GraficoELV::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPointF(0, 0), imagen_);
}

void GraficoELV::mostrarLectura(const QString& texto)
{
    LblCOOR_VLE->setText(texto);
    LblCOOR_VLE->adjustSize();
    LblCOOR_VLE->move(width() - LblCOOR_VLE->width() - 25, 3);
    LblCOOR_VLE->show();
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
    const Lectura l = lecturaRaton(m.x(), m.y(), width(), height());
    const bool dentro = dentroDelDiagrama(l);
    auto F = [this](double v) { return QString::fromStdString(FormatoNumero(v, 5, estado_.sep())); };
    if (dentro) mostrarLectura(QStringLiteral("x = ") + F(l.xg) + QStringLiteral("   y = ") + F(l.yg));
    else LblCOOR_VLE->hide();
    dobleClicEditaTabla_ = false;
    if (estado_.arrastrandoCursor) return;
    alfaActual_ = entradasDe(estado_).alfa;

    if (arrastrandoCurva_) {
        if (estado_.modoTablaElv) return;
        if (dentro) emit alfaArrastrada(F(alfaDeArrastre(l)));
        senalarCurva(dentro);
        return;
    }
    if (!dentro) return;
    if (!puntoSobreCurva(l, m.y())) {
        senalarCurva(false);
        return;
    }
    if (!estado_.modoTablaElv) setCursor(Qt::SizeVerCursor);
    else dobleClicEditaTabla_ = true;
    mostrarLectura(qtr(kCurvaEn) + F(l.xg) + QStringLiteral("   y = ") + F(yCurvaEn(modeloActual(), l.xg)));
    setToolTip(qtr(estado_.modoTablaElv ? kDobleClic : kCurvaVle));
}

void GraficoELV::mousePressEvent(QMouseEvent* e)
{
    const QPointF m = e->position();
    const Lectura l = lecturaRaton(m.x(), m.y(), width(), height());
    alfaActual_ = entradasDe(estado_).alfa;
    if (!dentroDelDiagrama(l) || !puntoSobreCurva(l, m.y())) return;
    if (!estado_.modoTablaElv) {
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
    imagen_ = imagenEnBlanco(*this);
    update();
}

}  // namespace quillon
