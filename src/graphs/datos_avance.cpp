#include "graphs/datos_avance.h"

#include <algorithm>
#include <optional>

#include "graphs/curvas_txy.h"
#include "graphs/geometria_avance.h"
#include "graphs/vista_etapa.h"
#include "model/calefaccion.h"
#include "model/magnitudes.h"
#include "model/rectificacion.h"
#include "model/temperaturas.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

QString tituloDe(int indice, Simulacion& sim)
{
    if (indice == kTempAlambique || indice == kTempDestilado) {
        // A temperature says what it is computed with.
        const InfoTemperatura& t = magnitudesTemperatura()[static_cast<std::size_t>(indice - kTempAlambique)];
        return qtexto(t.codigo) + QStringLiteral(": ") + qtr(t.nombre) + QStringLiteral(" (°C; ") +
               QString::fromStdString(sim.textoSistemaTermico()) + QStringLiteral(")");
    }
    if (esMagnitudDeColumna(indice)) {
        const InfoMagnitudColumna& c = magnitudesColumna()[static_cast<std::size_t>(indice - kReflujo)];
        return qtexto(c.codigo) + QStringLiteral(": ") + qtr(c.nombre);
    }
    const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(indice)];
    return qtexto(m.codigo) + QStringLiteral(": ") + qtexto(m.nombre);
}

// The quantity of a vertical item: the 17 of the list, then the two
// temperatures while there is a binary to compute them with, then the
// column's two while there is a column.
int magnitudY(int itemY, bool conTemperaturas, bool conColumna)
{
    const int n = static_cast<int>(listaEjeY().size());
    if (itemY >= 0 && itemY < n) return listaEjeY()[static_cast<std::size_t>(itemY)];
    if (conTemperaturas && itemY >= n && itemY < n + 2) return kTempAlambique + itemY - n;
    const int columna = n + (conTemperaturas ? 2 : 0);
    if (conColumna && itemY >= columna && itemY < columna + 2) return kReflujo + itemY - columna;
    return -1;
}

constexpr Texto kDudosas{"Doubtful temperatures: %1", "Temperaturas dudosas: %1"};
constexpr Texto kSinCalentamiento{"heat-up not included", "sin el calentamiento"};

// The stage's clock at every sampled progress, in minutes from the first
// drop; empty when the heating cannot time the stage (`error` says why).
std::vector<double> tiemposDeEtapa(Simulacion& sim, int k, const EtapaEvaluable& ev, const std::vector<double>& avances,
                                   const Texto*& error)
{
    const AcumuladoCalor* a = sim.acumuladoParaGrafico(k, error);
    const std::optional<Calefaccion> c = sim.calefaccion().calefaccion;
    std::vector<double> t;
    if (!a || !c) return t;
    for (double p : avances) {
        const auto reloj = tiempoCalorEnFila(*a, *c, ev.masaCarga * ev.gramos, filaDeAvance(p));
        if (!reloj) {
            error = &mensajes::calefaccion;
            return {};
        }
        t.push_back(reloj->minutos);
    }
    return t;
}

QString tituloTiempo(Simulacion& sim)
{
    const InfoMagnitudCalor& m = magnitudesCalor()[0];
    const auto c = sim.calefaccion().calefaccion;
    return qtexto(m.codigo) + QStringLiteral(": ") + qtr(m.nombre) + QStringLiteral("; ") +
           QString::fromStdString(textoCalefaccion(*c, sim.separador())) + QStringLiteral(", ") + qtr(kSinCalentamiento);
}

}  // namespace

ResultadoAvance calcularDatosAvance(Simulacion& sim, int etapa, int itemX, int itemY)
{
    ResultadoAvance r;
    const int k = etapaAcotada(etapa);
    const EtapaParaVista v = vistaDeEtapa(sim, k, false);
    if ((r.error = v.error) || !v.calculada) return r;
    const EtapaEvaluable& ev = v.evaluable;
    const CargaEtapa carga = cargaDeEtapa(ev.x0, ev.masaCarga, ev.mma, ev.mmb, ev.gramos);

    const termo::Sistema* sistema = sim.sistemaTermico();
    const std::vector<double> avances = puntosAvance();
    // The time from the first drop, after the six, while a heating is given.
    const bool tiempoX = itemX == static_cast<int>(listaEjeX().size()) && sim.ofrecerTiempo();
    std::vector<double> tiempos;
    if (tiempoX) {
        tiempos = tiemposDeEtapa(sim, k, ev, avances, r.error);
        if (tiempos.empty()) return r;
        r.datos.tituloX = tituloTiempo(sim);
        r.datos.xMax = tiempos.back() * 1.000001;
    }
    const bool conX = itemX >= 0 && itemX < static_cast<int>(listaEjeX().size());
    const int magX = conX ? listaEjeX()[static_cast<std::size_t>(itemX)] : -1;
    const int magY = magnitudY(itemY, sistema != nullptr, ev.columnaPlatos != nullptr);
    const bool temperaturaY = magY == kTempAlambique || magY == kTempDestilado;
    // The reflux ratio's axis follows the curve, as a temperature's does.
    const bool reflujoY = magY == kReflujo;
    const bool ejeDeCurva = temperaturaY || reflujoY;
    if (conX) r.datos.tituloX = tituloDe(magX, sim);
    if (magY >= 0) r.datos.tituloY = tituloDe(magY, sim);
    if (!tiempoX) r.datos.xMax = maximoEjeX(conX ? itemX : -1, carga);
    const bool fraccion = magY == kDestiladoCondensador;
    r.datos.yMax = ejeDeCurva ? 0 : (fraccion ? 1.000001 : maximoEjeY(magY >= 0 ? itemY : -1, carga));
    r.datos.ajustarY = temperaturaY;
    if (!maximoUtil(r.datos.xMax) || !(ejeDeCurva || maximoUtil(r.datos.yMax))) return r;

    r.datos.valores.reserve(avances.size());
    termo::Avisos avisos;
    double mayorY = 0;
    for (std::size_t i = 0; i < avances.size(); ++i) {
        const double p = avances[i];
        const ValoresMagnitudes q = EvaluarMagnitudes(ev, p);
        double y = 0;
        if (temperaturaY) {
            // One bubble point per sample, of the liquid the quantity names.
            const termo::Burbuja b = sistema->burbuja(liquidoDeTemperatura(magY, ev, q, p));
            y = b.T - kCeroCelsius;
            avisos |= b.avisos;
        } else if (esMagnitudDeColumna(magY)) {
            y = valorMagnitudColumna(magY, ev, p);
        } else {
            y = q[static_cast<std::size_t>(magY)];
        }
        mayorY = std::max(mayorY, y);
        r.datos.valores.emplace_back(tiempoX ? tiempos[i] : q[static_cast<std::size_t>(magX)], y);
    }
    // A reflux ratio's axis leaves room over its largest value (1 at least:
    // no reflux at all still draws its line at 0).
    if (reflujoY) r.datos.yMax = std::max(mayorY * 1.1, 1.0);
    if (!avisos.vacio()) r.datos.nota = qtr(kDudosas).arg(QString::fromStdString(termo::textoAvisos(avisos)));
    r.dibujable = temperaturaY || maximoUtil(r.datos.yMax);
    return r;
}

}  // namespace quillon
