#include "graphs/datos_escalera.h"

#include "graphs/vista_etapa.h"
#include "model/cortes.h"
#include "model/formato.h"
#include "model/magnitudes.h"
#include "model/rectificacion.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr Texto kRotulo{"Stage %1, %2 % distilled:   xW = %3   xD = %4   R = %5   (%6 plates)",
                        "Etapa %1, %2 % destilado:   xW = %3   xD = %4   R = %5   (%6 platos)"};

QString numero(double v, int cifras, char sep) { return QString::fromStdString(FormatoNumero(v, cifras, sep)); }

}  // namespace

ResultadoEscalera escaleraDeEtapa(Simulacion& sim, int etapa)
{
    ResultadoEscalera r;
    const int k = etapaAcotada(etapa);
    const EtapaParaVista v = vistaDeEtapa(sim, k, true);
    r.mensaje = sim.mensajeDe(v.error, k);
    if (v.error || !v.calculada || !v.evaluable.columnaPlatos) return r;
    std::array<double, kMaxEtapas> cortes{};
    const double P = cortes[static_cast<std::size_t>(k - 1)] = sim.leerCorte(k);
    if (const Texto* error = corteNoValido(cortes, k)) {
        r.mensaje = qtr(*error);
        return r;
    }
    EscaleraDiagrama& e = r.escalera;
    e.xW = EvaluarMagnitudes(v.evaluable, P)[XAResid];
    e.reflujo = valorMagnitudColumna(kReflujo, v.evaluable, P);
    e.xD = valorMagnitudColumna(kDestiladoCondensador, v.evaluable, P);
    // An empty still has no column working over it.
    if (!(e.xD > e.xW)) return r;
    e.escalera = escaleraMcCabe(*v.evaluable.elv, sim.platos(), e.xW, e.reflujo, e.xD);
    const char sep = sim.separador();
    e.rotulo = qtr(kRotulo).arg(QString::number(k), numero(P, 5, sep), numero(e.xW, 4, sep), numero(e.xD, 4, sep),
                                numero(e.reflujo, 4, sep), QString::number(sim.platos()));
    r.hay = true;
    return r;
}

TrazosEscalera trazosEscalera(const GeometriaELV& g, const EscaleraDiagrama& e)
{
    auto punto = [&g](const PuntoXY& p) { return QPointF(g.xDe(p.x), g.yDe(p.y)); };
    TrazosEscalera t;
    for (const PuntoXY& p : e.escalera.esquinas) t.escalones << punto(p);
    t.lineaOperacion = QLineF(punto(e.escalera.lineaDesde), punto(e.escalera.lineaHasta));
    t.puntoXW = QPointF(g.xDe(e.xW), g.yDe(0));
    t.puntoXD = QPointF(g.xDe(e.xD), g.yDe(e.xD));
    return t;
}

}  // namespace quillon
