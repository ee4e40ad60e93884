#include "graphs/pintar_txy.h"

#include <QFont>
#include <QPolygonF>
#include <algorithm>

#include "graphs/geometria_elv.h"
#include "graphs/pintar_elv.h"

namespace quillon {
namespace {

const QColor kColorUnion(80, 80, 80);  // the tie line
const QColor kColorMarcoLeyenda(170, 170, 170);

// Sizes follow the text height `th` of the labels' font, so that screen and
// paper keep the same proportions.
struct Medidas {
    double th = 0;
    double radio() const { return 0.32 * th; }
    double muestra() const { return 2.2 * th; }
    double renglon() const { return 1.2 * th; }
    double relleno() const { return 0.5 * th; }
};

bool papel(const Lienzo& l) { return l.superficie().impresora; }
bool blancoYNegro(const Lienzo& l) { return l.superficie().blancoYNegro; }

void plumaDe(Lienzo& l, const QColor& c, double pixeles, double mm, Qt::PenStyle estilo = Qt::SolidLine)
{
    if (papel(l)) l.plumaMm(c, mm, estilo);
    else l.pluma(c, pixeles, estilo);
}

void fuenteEtiquetas(Lienzo& l, bool negrita = false) { l.fuente(QStringLiteral("Arial"), 9, negrita); }
void fuenteTitulos(Lienzo& l) { l.fuente(QStringLiteral("Arial"), papel(l) ? 10 : 9); }

// In black and white the dew curve is told apart by its dashes; a doubtful
// stretch of either is dotted.
void plumaCurva(Lienzo& l, bool rocio, bool dudosa = false)
{
    const bool bn = blancoYNegro(l);
    const Qt::PenStyle estilo = dudosa ? Qt::DotLine : bn && rocio ? Qt::DashLine : Qt::SolidLine;
    plumaDe(l, bn ? QColor(Qt::black) : (rocio ? kColorRocio : kColorBurbuja), 2, 0.4, estilo);
}

// The two liquids' region, hatched, also on paper and in black and white.
QBrush rellenoDosLiquidos(const Lienzo& l)
{
    QColor c = blancoYNegro(l) ? QColor(Qt::black) : kColorDosLiquidos;
    QBrush b(c, Qt::BDiagPattern);
    // A pattern is drawn in device pixels: on paper it is scaled up to keep
    // the screen's density.
    if (papel(l)) b.setTransform(QTransform::fromScale(l.superficie().escala / 4, l.superficie().escala / 4));
    return b;
}

void puntoDeEstado(Lienzo& l, const DatosTxy& d, QPointF c, double radio, bool liquido)
{
    const bool bn = blancoYNegro(l);
    plumaDe(l, d.primerPlano, 1, 0.2);
    const QColor relleno = liquido ? (bn ? QColor(Qt::black) : kColorPuntoLiquido)
                                   : (bn ? QColor(Qt::white) : kColorPuntoVapor);
    l.circulo(c, radio, relleno);
}

void rejilla(Lienzo& l, const GeometriaTxy& g)
{
    const bool p = papel(l);
    plumaDe(l, p ? QColor(Qt::black) : kColorRejillaELV, 1, 0.09);
    for (int k = 1; k <= 9; ++k) {
        const double x = g.xDe(k / 10.0);
        if (!p) l.linea({x, g.yBase}, {x, g.arriba()});
        else
            for (double s : inicioGuiones(0, g.alto)) l.linea({x, g.yBase - s}, {x, g.yBase - s - 0.7});
    }
    for (double t : marcasTemperatura(g.eje)) {
        const double y = g.yDe(t);
        if (t <= g.eje.desde || t >= g.eje.hasta) continue;  // the frame is there
        if (!p) l.linea({g.izquierda, y}, {g.izquierda + g.ancho, y});
        else
            for (double s : inicioGuiones(g.izquierda, g.ancho)) l.linea({s, y}, {s + 0.7, y});
    }
}

// Labels and titles of both axes.
void ejes(Lienzo& l, const DatosTxy& d, const GeometriaTxy& g, const Medidas& m)
{
    fuenteEtiquetas(l);
    for (int k = 0; k <= 10; ++k) {
        const QString t = QString::fromStdString(etiquetaRejilla(k, d.sep));
        l.texto({g.xDe(k / 10.0) - l.anchoTexto(t) / 2, g.yBase + 0.25 * m.th}, t, d.primerPlano);
    }
    double anchoMaximo = 0;
    for (double v : marcasTemperatura(g.eje)) {
        const QString t = QString::fromStdString(etiquetaTemperatura(v, g.eje.paso, d.sep));
        const double w = l.anchoTexto(t);
        anchoMaximo = std::max(anchoMaximo, w);
        l.texto({g.izquierda - 0.35 * m.th - w, g.yDe(v) - m.th / 2}, t, d.primerPlano);
    }
    fuenteTitulos(l);
    const double alto = l.altoTexto(d.tituloX);
    l.texto({g.izquierda + (g.ancho - l.anchoTexto(d.tituloX)) / 2, g.yBase + 1.4 * m.th}, d.tituloX, d.primerPlano);
    l.textoVertical({g.izquierda - 0.7 * m.th - anchoMaximo - alto / 2, g.yBase - g.alto / 2}, d.tituloT,
                    d.primerPlano);
}

void marco(Lienzo& l, const DatosTxy& d, const GeometriaTxy& g)
{
    plumaDe(l, d.primerPlano, 1, 0.4);
    const double izq = g.izquierda, der = g.izquierda + g.ancho, abajo = g.yBase, arriba = g.arriba();
    l.linea({izq, abajo}, {der, abajo});
    l.linea({izq, abajo}, {izq, arriba});
    l.linea({der, abajo}, {der, arriba});
    l.linea({izq, arriba}, {der, arriba});
}

// Runs of a curve in one style: a segment with a flagged end is doubtful.
void curva(Lienzo& l, const GeometriaTxy& g, const std::vector<PuntoTxy>& puntos, bool rocio)
{
    std::size_t desde = 0;
    while (desde + 1 < puntos.size()) {
        auto dudoso = [&](std::size_t i) { return !puntos[i].avisos.vacio() || !puntos[i + 1].avisos.vacio(); };
        const bool estilo = dudoso(desde);
        std::size_t hasta = desde + 1;
        while (hasta + 1 < puntos.size() && dudoso(hasta) == estilo) ++hasta;
        QPolygonF p;
        for (std::size_t i = desde; i <= hasta; ++i) p << QPointF(g.xDe(puntos[i].x), g.yDe(puntos[i].T));
        plumaCurva(l, rocio, estilo);
        l.polilinea(p);
        desde = hasta;
    }
}

// Under the bubble curve, where the boiling liquid would split.
void dosLiquidos(Lienzo& l, const CurvasTxy& c, const GeometriaTxy& g)
{
    for (const termo::Tramo& t : c.dosLiquidos) {
        QPolygonF p;
        p << QPointF(g.xDe(t.desde), g.yBase);
        for (const PuntoTxy& q : c.burbuja)
            if (q.x >= t.desde && q.x <= t.hasta) p << QPointF(g.xDe(q.x), g.yDe(q.T));
        p << QPointF(g.xDe(t.hasta), g.yBase);
        l.poligono(p, rellenoDosLiquidos(l));
    }
}

// A ring on each azeotrope, its numbers on the side no curve is: below a
// minimum, above a maximum, where the frame leaves them room.
void azeotropos(Lienzo& l, const DatosTxy& d, const GeometriaTxy& g, const Medidas& m)
{
    const CurvasTxy& c = *d.curvas;
    for (std::size_t i = 0; i < c.azeotropos.size() && i < static_cast<std::size_t>(d.azeotropos.size()); ++i) {
        const AzeotropoTxy& az = c.azeotropos[i];
        const QString& rotulo = d.azeotropos[static_cast<qsizetype>(i)];
        const QPointF centro(g.xDe(az.punto.x), g.yDe(az.punto.T));
        const double r = 1.6 * m.radio();
        plumaDe(l, blancoYNegro(l) ? QColor(Qt::black) : kColorAzeotropo, 2, 0.3);
        l.circulo(centro, r, Qt::transparent);
        fuenteEtiquetas(l);
        const double w = l.anchoTexto(rotulo);
        const double x = std::clamp(centro.x() - w / 2, g.izquierda + 0.3 * m.th, g.izquierda + g.ancho - w - 0.3 * m.th);
        const double encima = centro.y() - r - 0.2 * m.th - m.th, debajo = centro.y() + r + 0.2 * m.th;
        // A minimum on the axis's lowest tick has no room below: above, then,
        // as a maximum under the top of the frame has none above.
        const bool arriba = az.maximo ? encima >= g.arriba() : debajo + m.th > g.yBase;
        const double y = arriba ? encima : debajo;
        // On white, so that no grid line runs through the numbers.
        l.caja({x - 0.15 * m.th, y, w + 0.3 * m.th, m.th}, Qt::white, Qt::white);
        l.texto({x, y}, rotulo, d.primerPlano);
    }
}

// The legend's lines after the heading: the four fixed ones, then those
// that only some diagrams need.
QStringList lineasLeyenda(const DatosTxy& d)
{
    QStringList t = d.leyenda;
    if (!d.dudosas.isEmpty()) t << d.dudosas;
    if (!d.dosLiquidos.isEmpty()) t << d.dosLiquidos;
    return t;
}

QSizeF tamanoLeyenda(Lienzo& l, const DatosTxy& d, const Medidas& m)
{
    fuenteEtiquetas(l, true);
    double ancho = l.anchoTexto(d.modelo);
    fuenteEtiquetas(l);
    const QStringList lineas = lineasLeyenda(d);
    for (const QString& t : lineas) ancho = std::max(ancho, m.muestra() + m.relleno() + l.anchoTexto(t));
    const auto renglones = 1 + lineas.size();
    return {ancho + 2 * m.relleno(), static_cast<double>(renglones) * m.renglon() + 2 * m.relleno() - 0.2 * m.th};
}

// The sample of legend line i: a curve, a point, a dotted stretch, the hatch.
void muestraLeyenda(Lienzo& l, const DatosTxy& d, qsizetype i, QPointF inicio, const Medidas& m)
{
    const QPointF fin = inicio + QPointF(m.muestra(), 0);
    const qsizetype fijas = d.leyenda.size();
    if (i < 2) {
        plumaCurva(l, i == 0);
        l.linea(inicio, fin);
    } else if (i < fijas) {
        puntoDeEstado(l, d, {inicio.x() + m.muestra() / 2, inicio.y()}, m.radio(), i == 2);
    } else if (i == fijas && !d.dudosas.isEmpty()) {
        plumaCurva(l, false, true);
        l.linea(inicio, fin);
    } else {
        const double media = 0.4 * m.th;
        l.poligono(QRectF(inicio - QPointF(0, media), fin + QPointF(0, media)), rellenoDosLiquidos(l));
    }
}

void leyenda(Lienzo& l, const DatosTxy& d, const QRectF& r, const Medidas& m)
{
    const bool bn = blancoYNegro(l);
    l.caja(r, bn || papel(l) ? QColor(Qt::black) : kColorMarcoLeyenda, Qt::white);
    const double x = r.left() + m.relleno();
    double y = r.top() + m.relleno();
    fuenteEtiquetas(l, true);
    l.texto({x, y}, d.modelo, d.primerPlano);
    fuenteEtiquetas(l);
    const QStringList lineas = lineasLeyenda(d);
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        y += m.renglon();
        l.suavizado(true);
        muestraLeyenda(l, d, i, {x, y + m.th / 2}, m);
        l.suavizado(false);
        l.texto({x + m.muestra() + m.relleno(), y}, lineas[i], d.primerPlano);
    }
}

Medidas medidas(Lienzo& l)
{
    fuenteEtiquetas(l);
    return {l.altoTexto(QStringLiteral("Bqyd"))};
}

}  // namespace

DisposicionTxy disponerTxy(Lienzo& l, const DatosTxy& d, QSizeF control)
{
    const Medidas m = medidas(l);
    const Superficie& s = l.superficie();
    const auto geometria = [&s](const EjeTemperatura& e) {
        return s.impresora ? geometriaTxyPapel(e) : geometriaTxyPantalla(s.ancho, s.alto, e);
    };
    const GeometriaTxy previa = geometria({});
    const QSizeF t = tamanoLeyenda(l, d, m);
    const double margen = 0.5 * m.th;
    const bool derecha = leyendaALaDerecha(*d.curvas);
    const double aparte = control.isEmpty() ? 0 : control.width() + margen;
    const EjeTemperatura eje = ejeConLeyenda(*d.curvas, (t.width() + aparte + margen) / previa.ancho,
                                             (std::max(t.height(), control.height()) + 2 * margen) / previa.alto, derecha);
    DisposicionTxy disp{geometria(eje), {}, {}};
    const GeometriaTxy& g = disp.g;
    const double x = derecha ? g.izquierda + g.ancho - margen - t.width() : g.izquierda + margen;
    disp.leyenda = QRectF(QPointF(x, g.arriba() + margen), t);
    if (!control.isEmpty())
        disp.control = QRectF(QPointF(derecha ? x - aparte : x + t.width() + margen, g.arriba() + margen), control);
    return disp;
}

void pintarFondoTxy(Lienzo& l, const DatosTxy& d, const DisposicionTxy& disp)
{
    const Medidas m = medidas(l);
    const GeometriaTxy& g = disp.g;
    l.suavizado(false);
    rejilla(l, g);
    ejes(l, d, g, m);
    marco(l, d, g);
    dosLiquidos(l, *d.curvas, g);
    l.suavizado(true);
    curva(l, g, d.curvas->rocio, true);
    curva(l, g, d.curvas->burbuja, false);
    azeotropos(l, d, g, m);
    l.suavizado(false);
    leyenda(l, d, disp.leyenda, m);
}

void pintarEstadoTxy(Lienzo& l, const DatosTxy& d, const DisposicionTxy& disp, const EstadoTxy& e)
{
    const Medidas m = medidas(l);
    const GeometriaTxy& g = disp.g;
    l.texto({g.izquierda, g.arriba() - 1.5 * m.th}, e.rotulo, d.primerPlano);
    if (!e.conPuntos) return;
    const QPointF liquido(g.xDe(e.x), g.yDe(e.T)), vapor(g.xDe(e.y), g.yDe(e.T));
    l.suavizado(true);
    plumaDe(l, blancoYNegro(l) ? QColor(Qt::black) : kColorUnion, 1.5, 0.25, Qt::DashLine);
    l.linea(liquido, vapor);
    puntoDeEstado(l, d, liquido, m.radio(), true);
    puntoDeEstado(l, d, vapor, m.radio(), false);
    l.suavizado(false);
}

}  // namespace quillon
