#include "graphs/pintar_avance.h"

#include <algorithm>
#include <cmath>

#include "graphs/geometria_avance.h"

namespace quillon {
namespace {

// Pen unit k and top margin t of the surface.
struct Plumas {
    double k = 1, t = 1;
    bool papel = false;

    // A pen width of `unidades` pen units, in device pixels: whole printer
    // pixels on paper.
    double ancho(double unidades) const
    {
        if (!papel) return unidades;
        const double px = std::round(unidades * k);
        return px < 1 ? 1 : px;
    }
};

Plumas plumasDe(const Superficie& s)
{
    Plumas p;
    p.papel = s.impresora;
    if (s.impresora) {
        p.k = unidadPlumaPapel(s.escala * 25.4);
        p.t = 0.4;
    }
    return p;
}

QString etiqueta(double v) { return QString::fromStdString(etiquetaMarca(v)); }

void rejillaVertical(Lienzo& l, const EscalaAvance& e, double paso, const Plumas& k, const QColor& texto)
{
    const double W = e.ancho, H = e.alto;
    for (const Marca& m : marcasEje(paso, e.xMax, false)) {
        const double xi = e.x(m.valor);
        if (xi > 1.5 * e.tw) {
            l.pluma(kColorRejillaAvance, k.ancho(k.papel ? 1.0 / 3 : 1));
            l.linea({xi, k.t}, {xi, k.t + H - 2.1 * e.th});
        }
        if (!m.conEtiqueta) continue;
        const QString t = etiqueta(m.valor);
        const double w = l.anchoTexto(t), x = xi - w / 2;
        if (x + 1.1 * w < W) l.texto({x, H - 1.5 * e.th}, t, texto);
    }
}

void rejillaHorizontal(Lienzo& l, const EscalaAvance& e, double paso, const Plumas& k, const QColor& texto)
{
    const double W = e.ancho, H = e.alto;
    for (const Marca& m : marcasEje(paso, e.yMax, true, e.yMin)) {
        const double yj = e.y(m.valor);
        if (H - yj > 1.5 * e.th) {
            l.pluma(kColorRejillaAvance, k.ancho(k.papel ? 1.0 / 3 : 1));
            l.linea({2 * e.tw, yj}, {2 * e.tw + W - 2.9 * e.tw, yj});
        }
        if (!m.conEtiqueta) continue;
        const QString t = QStringLiteral(" ") + etiqueta(m.valor);
        const double y = yj - e.th / 2;
        if (y > 0 && y + 1.1 * l.altoTexto(t) < H) l.texto({5, y}, t, texto);
    }
}

void ejes(Lienzo& l, const EscalaAvance& e, const Plumas& k)
{
    l.pluma(kColorEjesAvance, k.ancho(2));
    const double x0 = 2 * e.tw, y0 = e.alto - 2 * e.th;
    l.linea({x0, y0}, {x0 + e.ancho - 2.9 * e.tw, y0});
    l.linea({x0, k.t}, {x0, k.t + e.alto - 2.1 * e.th});
}

// The note under the vertical title, from `y` down.
void nota(Lienzo& l, const DatosAvance& d, QPointF esquina)
{
    if (d.nota.isEmpty()) return;
    l.caja({esquina.x() - 1, esquina.y() - 1, l.anchoTexto(d.nota) + 2, l.altoTexto(d.nota) + 2}, Qt::white, Qt::white);
    l.texto(esquina, d.nota, l.superficie().blancoYNegro ? d.primerPlano : kColorNotaAvance);
}

void titulosPantalla(Lienzo& l, const EscalaAvance& e, const DatosAvance& d)
{
    const double twY = l.anchoTexto(d.tituloY), thY = l.altoTexto(d.tituloY);
    l.caja({2 * e.tw + 16, 18, twY + 8, thY + 4}, Qt::white, Qt::white);
    l.texto({2 * e.tw + 20, 20}, d.tituloY, d.primerPlano);
    nota(l, d, {2 * e.tw + 20, 22 + thY});
    const double twX = l.anchoTexto(d.tituloX), thX = l.altoTexto(d.tituloX);
    const QPointF esquina(e.ancho - l.anchoTexto(d.tituloX + QStringLiteral("AAAA")),
                          (e.alto - 2 * e.th) - 2 * thX);
    l.caja({esquina.x() - 4, esquina.y() - 2, twX + 8, thX + 4}, Qt::white, Qt::white);
    l.texto(esquina, d.tituloX, d.primerPlano);
}

// On paper the boxes are measured in the label font (9 points) and the titles
// written in 10 points; the extra "A"s leave room for the larger text.
void titulosPapel(Lienzo& l, const EscalaAvance& e, const DatosAvance& d)
{
    const QString x = d.tituloX.left(110), y = d.tituloY.left(110);
    l.caja({15, 9, l.anchoTexto(d.tituloY + QStringLiteral("AAAAA")) + 2, l.altoTexto(d.tituloY) + 2}, Qt::white,
           Qt::white);
    const double anchoX5 = l.anchoTexto(d.tituloX + QStringLiteral("AAAAA"));
    const double anchoX4 = l.anchoTexto(d.tituloX + QStringLiteral("AAAA"));
    const double altoX = l.altoTexto(d.tituloX);
    const double yX = (e.alto - 2 * e.th) - 2 * altoX;
    const double altoY = l.altoTexto(d.tituloY);
    nota(l, d, {16, 11 + altoY});
    l.fuente(QStringLiteral("Arial"), 10);
    l.texto({16, 10}, y, d.primerPlano);
    l.caja({e.ancho - anchoX5 - 1, yX - 1, anchoX4 + 2, altoX + 2}, Qt::white, Qt::white);
    l.texto({e.ancho - anchoX5, yX}, x, d.primerPlano);
}

void curva(Lienzo& l, const EscalaAvance& e, const DatosAvance& d, const Plumas& k)
{
    const QColor color = l.superficie().blancoYNegro ? QColor(Qt::black) : kColorCurvaAvance;
    l.pluma(color, k.ancho(2));
    l.suavizado(true);
    bool anteriorDibujado = false;
    QPointF anterior;
    for (const QPointF& v : d.valores) {
        const QPointF p(e.x(v.x()), e.y(v.y()));
        // Points outside the band are skipped and break the curve.
        if (dentroDeBanda(p.y(), k.t, e.alto)) {
            if (anteriorDibujado) l.linea(anterior, p);
            else l.punto(p);
            anteriorDibujado = true;
        } else {
            anteriorDibujado = false;
        }
        anterior = p;
    }
    l.suavizado(false);
}

// A temperature's axis: its values clear of the titles' bands, measured as
// the titles are drawn (in the labels' font) on this surface.
EjeAjustado ejeDeTemperatura(Lienzo& l, const EscalaAvance& e, const DatosAvance& d)
{
    double bajo = d.valores.front().y(), alto = bajo;
    for (const QPointF& v : d.valores) {
        bajo = std::min(bajo, v.y());
        alto = std::max(alto, v.y());
    }
    const bool papel = l.superficie().impresora;
    const double notaAlto = d.nota.isEmpty() ? 0 : l.altoTexto(d.nota) + 2;
    const double bandaArriba = (papel ? 13 : 26) + l.altoTexto(d.tituloY) + notaAlto - e.th;
    const double bandaAbajo = 2 * l.altoTexto(d.tituloX) + 4;
    const double plano = e.alto - 3 * e.th;
    return ejeAjustado(bajo, alto, bandaArriba / plano, bandaAbajo / plano);
}

}  // namespace

void pintarAvance(Lienzo& l, const DatosAvance& d)
{
    l.suavizado(false);
    l.fuente(QStringLiteral("Arial"), 9);
    const Superficie& s = l.superficie();
    EscalaAvance e;
    e.ancho = s.ancho;
    e.alto = s.alto;
    e.th = l.altoTexto(QStringLiteral("Bqyd"));
    e.tw = l.anchoTexto(QStringLiteral("Bqyd"));
    e.xMax = d.xMax;
    e.yMax = d.yMax;
    double pasoY = pasoMarcas(d.yMax);
    if (d.ajustarY && !d.valores.empty()) {
        const EjeAjustado eje = ejeDeTemperatura(l, e, d);
        e.yMin = eje.desde;
        e.yMax = eje.hasta;
        pasoY = eje.paso;
    }
    const double pasoX = pasoMarcas(d.xMax);
    if (!(pasoX > 0) || !(pasoY > 0)) return;
    const Plumas k = plumasDe(s);

    rejillaVertical(l, e, pasoX, k, d.primerPlano);
    rejillaHorizontal(l, e, pasoY, k, d.primerPlano);
    ejes(l, e, k);
    if (s.impresora) titulosPapel(l, e, d);
    else titulosPantalla(l, e, d);
    curva(l, e, d, k);
}

}  // namespace quillon
