#include "mainwindow/cristaleria.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <map>
#include <tuple>

#include "mainwindow/geometria_etapa.h"

namespace quillon::cristaleria {
namespace {

// The glass's colours: a blue-grey wall, a pale inside, white reflections.
const QColor kPared(74, 98, 124);
const QColor kInterior(238, 245, 251);
const QColor kInteriorBorde(214, 228, 241);
const QColor kFondoGrueso(196, 213, 229);
const QColor kBrillo(255, 255, 255, 175);
const QColor kTapon(206, 221, 236);

constexpr double kGrosorPared = 1.6;
constexpr double kLuzTubo = 7;  // inner diameter of the tubes

// Where the tubes cross from one picture into the next.
constexpr double kYSalida = 42;    // the still's side arm leaves its right edge
constexpr double kYEntrada = 96;   // the tube arrives at the next picture's left edge
// One slope all along the tube, so the cut ends at the pictures' edges meet.
constexpr double kPendiente = (kYEntrada - kYSalida) / kAnchoPieza;
// Tubes run on past the edges, so each picture cuts them square.
constexpr double kMasAlla = 12;

// The still: its liquid circle, and the glass circle just outside it.
constexpr double kCx = kCentroAlambiqueX, kCy = kCentroAlambiqueY;
const double kRadioLiquido = std::sqrt(kRadio2Alambique);
const double kRadioVidrio = kRadioLiquido + kGrosorPared / 2;
constexpr double kFondoAlambique = 341.6;  // the flat seat of the bulb
constexpr double kCuelloIzq = 59, kCuelloDer = 83, kCuelloArriba = 44;

// The receiver's axis and the neck and mouth of the Erlenmeyer flask.
constexpr double kEjeReceptor = 72;
constexpr double kMitadCuello = 15;
constexpr double kBoca = 150;
constexpr double kFondoReceptor = 341.6;

void trazarTubo(QPainter& p, const QPainterPath& camino, const QColor& pared, const QColor& luz)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pared, kLuzTubo + 2 * kGrosorPared, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(camino);
    p.setPen(QPen(luz, kLuzTubo, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(camino);
}

// A thin reflection along a tube, slightly above (or left of) its axis.
void reflejoTubo(QPainter& p, const QPainterPath& camino, QPointF desvio)
{
    p.setPen(QPen(kBrillo, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(camino.translated(desvio));
}

// Walls first, then the insides: overlapping pieces fuse into one vessel.
void pintarVasija(QPainter& p, const QPainterPath& cuerpo, const QPointF& centroLuz, double radioLuz)
{
    p.setPen(QPen(kPared, 2 * kGrosorPared, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cuerpo);
    QRadialGradient dentro(centroLuz, radioLuz);
    dentro.setColorAt(0, kInterior);
    dentro.setColorAt(1, kInteriorBorde);
    p.fillPath(cuerpo, dentro);
}

// Darker towards the sides, clear in the middle third, so the liquid keeps
// its true colour on the axis and the vessel looks round.
void sombraLateral(QPainter& p, const QPainterPath& zona, double izquierda, double derecha)
{
    QLinearGradient sombra(izquierda, 0, derecha, 0);
    sombra.setColorAt(0.0, QColor(20, 50, 80, 60));
    sombra.setColorAt(0.22, QColor(20, 50, 80, 0));
    sombra.setColorAt(0.72, QColor(20, 50, 80, 0));
    sombra.setColorAt(1.0, QColor(20, 50, 80, 75));
    p.fillPath(zona, sombra);
}

// ---- The still ----

QPainterPath bulboAlambique()
{
    QPainterPath circulo;
    circulo.addEllipse(QPointF(kCx, kCy), kRadioVidrio, kRadioVidrio);
    QPainterPath encima;
    encima.addRect(QRectF(0, 0, kAnchoDibujo, kFondoAlambique));
    return circulo.intersected(encima);
}

QPainterPath cuerpoAlambique()
{
    QPainterPath cuello;
    cuello.addRect(QRectF(kCuelloIzq, kCuelloArriba, kCuelloDer - kCuelloIzq, kCy - kCuelloArriba));
    return bulboAlambique().united(cuello).simplified();
}

// The side arm rises from inside the neck (so that the two fuse) over a
// rounded top and leaves the picture with the connecting tube's slope.
// `desde` > 0 starts it further out, for the reflection outside the neck.
QPainterPath brazoLateral(double desde = 0)
{
    const QPointF base(kCx, 104), codo(112, 54);
    QPainterPath brazo(base + (codo - base) * desde);
    brazo.lineTo(codo);
    brazo.cubicTo(QPointF(120, 44.2), QPointF(130, kYSalida - 12 * kPendiente), QPointF(kAnchoDibujo, kYSalida));
    brazo.lineTo(kAnchoDibujo + kMasAlla, kYSalida + kMasAlla * kPendiente);
    return brazo;
}

// The tube from the previous picture: in with the connecting tube's slope,
// through the neck's left wall and down the neck, ending at yFin.
QPainterPath tuboEntrada(double xEje, double yFin)
{
    QPainterPath tubo(QPointF(-kMasAlla, kYEntrada - kMasAlla * kPendiente));
    tubo.lineTo(xEje - 15, kYEntrada + (xEje - 15) * kPendiente);
    tubo.quadTo(QPointF(xEje, kYEntrada + xEje * kPendiente), QPointF(xEje, kYEntrada + xEje * kPendiente + 12));
    tubo.lineTo(xEje, yFin);
    return tubo;
}

void pintarTapon(QPainter& p)
{
    QPainterPath vastago;
    vastago.moveTo(kCuelloIzq + 1.5, 26);
    vastago.lineTo(kCuelloDer - 1.5, 26);
    vastago.lineTo(kCuelloDer - 3.5, 56);
    vastago.lineTo(kCuelloIzq + 3.5, 56);
    vastago.closeSubpath();
    QLinearGradient vidrio(kCuelloIzq, 0, kCuelloDer, 0);
    vidrio.setColorAt(0, kTapon.lighter(108));
    vidrio.setColorAt(1, kTapon.darker(108));
    p.setPen(QPen(kPared, 1.2));
    p.setBrush(vidrio);
    p.drawPath(vastago);
    // Ground-glass rim of the neck, then the knob on top.
    p.drawRoundedRect(QRectF(kCuelloIzq - 3, kCuelloArriba - 3, kCuelloDer - kCuelloIzq + 6, 6), 2, 2);
    p.drawRoundedRect(QRectF(kCuelloIzq - 1, 12, kCuelloDer - kCuelloIzq + 2, 15), 6, 6);
    p.setPen(QPen(kBrillo, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kCuelloIzq + 4, 16), QPointF(kCuelloIzq + 9, 16));
}

void alambiqueDetras(QPainter& p)
{
    const QPainterPath brazo = brazoLateral();
    p.setPen(QPen(kPared, kLuzTubo + 2 * kGrosorPared, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(brazo);
    pintarVasija(p, cuerpoAlambique(), QPointF(kCx - 18, kCy - 22), kRadioVidrio * 1.15);
    p.setPen(QPen(kInterior, kLuzTubo, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(brazo);
    reflejoTubo(p, brazoLateral(0.55), QPointF(-1.2, -1.6));
    trazarTubo(p, tuboEntrada(kCx, 196), kPared, kInterior);
    reflejoTubo(p, tuboEntrada(kCx, 196), QPointF(-1.4, -1.6));
    pintarTapon(p);
    // Reflection down the neck.
    p.setPen(QPen(kBrillo, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kCuelloIzq + 3.5, 62), QPointF(kCuelloIzq + 3.5, 100));
    p.drawLine(QPointF(kCuelloIzq + 3.5, 140), QPointF(kCuelloIzq + 3.5, 200));
}

void alambiqueDelante(QPainter& p)
{
    const QPainterPath bulbo = bulboAlambique();
    // The thick glass of the seat, under the lowest row of liquid.
    QPainterPath asiento;
    asiento.addRect(QRectF(0, 338, kAnchoDibujo, 10));
    p.fillPath(bulbo.intersected(asiento), kFondoGrueso);
    sombraLateral(p, bulbo, kCx - kRadioVidrio, kCx + kRadioVidrio);
    // The rim over the liquid's stepped edges (the neck's walls stay behind).
    QPainterPath abajo;
    abajo.addRect(QRectF(0, kCy - 58, kAnchoDibujo, kAltoDibujo));
    p.save();
    p.setClipPath(abajo);
    p.setPen(QPen(kPared, kGrosorPared, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bulbo);
    p.restore();
    // A window's reflection on the upper left of the bulb.
    p.setPen(QPen(kBrillo, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kCx - 56, kCy - 56, 112, 112), 118 * 16, 50 * 16);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kCx - 56, kCy - 56, 112, 112), 176 * 16, 16 * 16);
}

// ---- The receiver ----

// The outer wall of the flask's right half, from the mouth down to the foot,
// 1.5 pixels outside the liquid rows so that they fill it exactly.
QPainterPath contornoReceptor()
{
    QPainterPath c(QPointF(kEjeReceptor - kMitadCuello, kBoca));
    c.lineTo(kEjeReceptor - kMitadCuello, 184);
    for (int y = 186; y <= 336; y += 2) c.lineTo(6 + margenReceptor(y) - 0.8, y);
    c.quadTo(6 + margenReceptor(336) - 1, kFondoReceptor, 6 + margenReceptor(336) + 6, kFondoReceptor);
    c.lineTo(138 - margenReceptor(336) - 6, kFondoReceptor);
    c.quadTo(138 - margenReceptor(336) + 1, kFondoReceptor, 138 - margenReceptor(336) + 0.8, 336);
    for (int y = 336; y >= 186; y -= 2) c.lineTo(138 - margenReceptor(y) + 0.8, y);
    c.lineTo(kEjeReceptor + kMitadCuello, 184);
    c.lineTo(kEjeReceptor + kMitadCuello, kBoca);
    c.closeSubpath();
    return c;
}

void receptorDetras(QPainter& p)
{
    pintarVasija(p, contornoReceptor(), QPointF(kEjeReceptor - 20, 280), 90);
    // The flared lip of the mouth.
    p.setPen(QPen(kPared, 1.4));
    p.setBrush(kInteriorBorde);
    p.drawRoundedRect(QRectF(kEjeReceptor - kMitadCuello - 3.5, kBoca - 3, 2 * kMitadCuello + 7, 6), 3, 3);
    p.setPen(QPen(kBrillo, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kEjeReceptor - kMitadCuello + 4, kBoca + 8), QPointF(kEjeReceptor - kMitadCuello + 4, 186));
    // The end of the tube from the last still, over the mouth.
    const QPainterPath tubo = tuboEntrada(kEjeReceptor, kBoca - 12);
    trazarTubo(p, tubo, kPared, kInterior);
    reflejoTubo(p, tubo, QPointF(-1.4, -1.6));
}

void receptorDelante(QPainter& p)
{
    const QPainterPath cuerpo = contornoReceptor();
    QPainterPath base;
    base.addRect(QRectF(0, 337, kAnchoDibujo, 10));
    p.fillPath(cuerpo.intersected(base), kFondoGrueso);
    QPainterPath conico;
    conico.addRect(QRectF(0, 190, kAnchoDibujo, kAltoDibujo));
    const QPainterPath zona = cuerpo.intersected(conico);
    sombraLateral(p, zona, 6, 138);
    p.save();
    p.setClipPath(conico);
    p.setPen(QPen(kPared, kGrosorPared, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cuerpo);
    p.restore();
    // A reflection along the left side of the cone.
    p.setPen(QPen(kBrillo, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6 + margenReceptor(214) + 7, 214), QPointF(6 + margenReceptor(300) + 6, 300));
}

// ---- The connecting tube ----

QPainterPath caminoTubo()
{
    QPainterPath t(QPointF(-kMasAlla, kYSalida - kMasAlla * kPendiente));
    t.lineTo(kAnchoPieza + kMasAlla, kYEntrada + kMasAlla * kPendiente);
    return t;
}

void tuboDetras(QPainter& p)
{
    const QPainterPath t = caminoTubo();
    trazarTubo(p, t, kPared, kInterior);
    reflejoTubo(p, t, QPointF(0, -1.8));
}

}  // namespace

QSize tamano(Pieza pieza)
{
    return pieza == Pieza::Tubo ? QSize(kAnchoPieza, kAltoPieza) : QSize(kAnchoDibujo, kAltoDibujo);
}

void pintar(QPainter& p, Pieza pieza, Capa capa)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const bool detras = capa == Capa::Detras;
    switch (pieza) {
    case Pieza::Alambique: detras ? alambiqueDetras(p) : alambiqueDelante(p); break;
    case Pieza::Receptor: detras ? receptorDetras(p) : receptorDelante(p); break;
    case Pieza::Tubo:
        if (detras) tuboDetras(p);
        break;
    }
    p.restore();
}

const QPixmap& imagen(Pieza pieza, Capa capa, qreal dpr)
{
    static std::map<std::tuple<int, int, int>, QPixmap> hechas;
    const auto clave = std::make_tuple(static_cast<int>(pieza), static_cast<int>(capa),
                                       static_cast<int>(std::lround(dpr * 100)));
    auto it = hechas.find(clave);
    if (it != hechas.end()) return it->second;
    const QSize t = tamano(pieza);
    QPixmap pm(QSize(static_cast<int>(std::ceil(t.width() * dpr)), static_cast<int>(std::ceil(t.height() * dpr))));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        pintar(p, pieza, capa);
    }
    return hechas.emplace(clave, std::move(pm)).first->second;
}

}  // namespace quillon::cristaleria

namespace quillon::cristaleria {
QColor colorPared() { return kPared; }
QColor colorInterior() { return kInterior; }
}  // namespace quillon::cristaleria
