#include "graphs/pintar_elv.h"

namespace quillon {
namespace {

QString etiqueta(int k, char sep) { return QString::fromStdString(etiquetaRejilla(k, sep)); }

// Grid line k of the vertical set (at x) on paper: dashes going up from yb.
void guionesVerticales(Lienzo& l, const GeometriaELV& g, double x)
{
    for (double d : inicioGuiones(0, g.alto)) l.linea({x, g.yBase - d}, {x, g.yBase - d - 0.7});
}

void guionesHorizontales(Lienzo& l, const GeometriaELV& g, double y)
{
    for (double d : inicioGuiones(g.margen, g.ancho)) l.linea({d, y}, {d + 0.7, y});
}

void rejillaVertical(Lienzo& l, const DatosELV& d, const QColor& rejilla)
{
    const GeometriaELV& g = d.g;
    const bool papel = l.superficie().impresora;
    const auto xs = posicionesRejilla(g.margen, g.ancho, 1);
    for (int k = 0; k < static_cast<int>(xs.size()); ++k) {
        const double x = xs[static_cast<std::size_t>(k)];
        if (k >= 1 && k <= 9) {
            l.pluma(rejilla, papel ? pixelesDePluma(0.09, l.superficie().escala * 25.4) : 1);
            if (papel) guionesVerticales(l, g, x);
            else l.linea({x, g.yBase}, {x, g.yBase - g.alto});
        }
        const QString t = etiqueta(k, d.sep);
        const QPointF esquina = papel ? QPointF(x - l.anchoTexto(t) / 2, g.yBase + 1)
                                      : QPointF(x - 2.5 * t.size(), g.yBase + 3);
        l.texto(esquina, t, d.primerPlano);
    }
}

void rejillaHorizontal(Lienzo& l, const DatosELV& d, const QColor& rejilla)
{
    const GeometriaELV& g = d.g;
    const bool papel = l.superficie().impresora;
    const auto ys = posicionesRejilla(g.yBase, g.alto, -1);
    for (int k = 0; k < static_cast<int>(ys.size()); ++k) {
        const double y = ys[static_cast<std::size_t>(k)];
        if (k >= 1 && k <= 9) {
            l.pluma(rejilla, papel ? pixelesDePluma(0.09, l.superficie().escala * 25.4) : 1);
            if (papel) guionesHorizontales(l, g, y);
            else l.linea({g.margen, y}, {g.margen + g.ancho, y});
        }
        const QString t = etiqueta(k, d.sep);
        const QPointF esquina = papel ? QPointF(g.margen - 1.5 - l.anchoTexto(t), y - 2)
                                      : QPointF(g.margen - 5 - 5.0 * t.size(), y - 7);
        l.texto(esquina, t, d.primerPlano);
    }
}

void marcoYDiagonal(Lienzo& l, const DatosELV& d)
{
    const GeometriaELV& g = d.g;
    const bool papel = l.superficie().impresora;
    const double izq = g.margen, der = g.margen + g.ancho, abajo = g.yBase, arriba = g.yBase - g.alto;
    if (papel) l.plumaMm(d.primerPlano, 0.4);
    else l.pluma(d.primerPlano, 1);
    l.linea({izq, abajo}, {der, abajo});
    l.linea({izq, abajo}, {izq, arriba});
    l.linea({der, abajo}, {der, arriba});
    l.linea({izq, arriba}, {der, arriba});
    l.suavizado(true);
    if (papel) l.plumaMm(Qt::black, 0.4);
    else l.pluma(Qt::black, 2);
    l.linea({izq, abajo}, {der, arriba});
}

void curva(Lienzo& l, const DatosELV& d)
{
    const QColor color = l.superficie().blancoYNegro ? QColor(Qt::black) : kColorCurvaELV;
    if (l.superficie().impresora) l.plumaMm(color, 0.4);
    else l.pluma(color, 2);
    // A column reads a table's volatility continuous in x: its staircase
    // sits on that curve, drawn at each entry of the dense table.
    const auto puntos = d.conColumna && d.elv.modoTabla ? puntosCurvaContinua(d.elv) : puntosCurva(d.elv);
    QPointF p(d.g.xDe(0), d.g.yDe(0));
    for (std::size_t i = 1; i < puntos.size(); ++i) {
        const QPointF c(d.g.xDe(puntos[i].x), d.g.yDe(puntos[i].y));
        l.linea(p, c);
        p = c;
    }
}

void titulos(Lienzo& l, const DatosELV& d)
{
    const Superficie& s = l.superficie();
    if (s.impresora) {
        l.fuente(QStringLiteral("Arial"), 10);
        const QString x = d.tituloX.left(110);
        l.texto({14, 13}, d.tituloY.left(110), d.primerPlano);
        l.texto({185 - l.anchoTexto(x), 184}, x, d.primerPlano);
        return;
    }
    const double M = d.g.margen;
    l.texto({39, 31}, d.tituloY, d.primerPlano);
    l.texto({s.ancho - l.anchoTexto(d.tituloX) - 1.5 * M, s.alto - l.altoTexto(d.tituloX) - 1.5 * M}, d.tituloX,
            d.primerPlano);
}

// The operating line, the staircase on it and the curve, xW and xD marked
// on the x axis, and what they are in a line under the y title.
void escalera(Lienzo& l, const DatosELV& d)
{
    const EscaleraDiagrama& e = *d.escalera;
    const TrazosEscalera t = trazosEscalera(d.g, e);
    const Superficie& s = l.superficie();
    const bool bn = s.blancoYNegro;
    const auto pluma = [&](const QColor& c, double pantalla, double mm, Qt::PenStyle estilo = Qt::SolidLine) {
        if (s.impresora) l.plumaMm(bn ? QColor(Qt::black) : c, mm, estilo);
        else l.pluma(c, pantalla, estilo);
    };
    pluma(d.primerPlano, 1, 0.2, Qt::DashLine);
    l.linea(t.puntoXW, QPointF(t.puntoXW.x(), d.g.yDe(d.elv.yEqContinuo(e.xW))));
    l.linea(QPointF(t.puntoXD.x(), d.g.yDe(0)), t.puntoXD);
    pluma(kColorLineaOperacion, 1.5, 0.3, bn ? Qt::DashLine : Qt::SolidLine);
    l.linea(t.lineaOperacion.p1(), t.lineaOperacion.p2());
    pluma(kColorEscalera, 2, 0.4);
    l.polilinea(t.escalones);
    // xW halfway up its line, xD under the diagonal's point: clear of the
    // axis title at the bottom right.
    const double alto = l.altoTexto(QStringLiteral("xW"));
    const double aparte = s.impresora ? 0.8 : 3;
    const double yMedio = (t.puntoXW.y() + d.g.yDe(d.elv.yEqContinuo(e.xW))) / 2;
    l.texto(QPointF(t.puntoXW.x() + aparte, yMedio - alto / 2), QStringLiteral("xW"), d.primerPlano);
    l.texto(QPointF(t.puntoXD.x() + aparte, t.puntoXD.y() + aparte), QStringLiteral("xD"), d.primerPlano);
    if (s.impresora) l.texto({14, 19}, e.rotulo.left(110), d.primerPlano);
    else l.texto({39, 31 + 1.6 * alto}, e.rotulo, d.primerPlano);
}

}  // namespace

void pintarELV(Lienzo& l, const DatosELV& d)
{
    // The grid and the frame are sharp lines; only the diagonal and the curve
    // are smoothed.
    l.suavizado(false);
    l.fuente(QStringLiteral("Arial"), 9);
    const QColor rejilla = l.superficie().impresora ? QColor(Qt::black) : kColorRejillaELV;
    rejillaVertical(l, d, rejilla);
    rejillaHorizontal(l, d, rejilla);
    marcoYDiagonal(l, d);
    if (!d.conCurva) return;
    curva(l, d);
    titulos(l, d);
    if (d.escalera) escalera(l, d);
}

}  // namespace quillon
