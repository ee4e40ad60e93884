#include "graphs/datos_avance.h"

#include <algorithm>
#include <optional>

#include "graphs/curvas_txy.h"
#include "graphs/geometria_avance.h"
#include "model/magnitudes.h"
#include "model/rectificacion.h"
#include "model/temperaturas.h"
#include "platform/plataforma.h"
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

}  // namespace

ResultadoAvance calcularDatosAvance(Simulacion& sim, int etapa, int itemX, int itemY)
{
    ResultadoAvance r;
    const int k = etapa < 1 ? 1 : (etapa > kMaxEtapas ? kMaxEtapas : etapa);
    EtapaParaVista v;
    {
        std::optional<plataforma::CursorEspera> espera;
        if (!sim.calculada(k)) espera.emplace();
        v = sim.etapaParaGrafico(k);
    }
    if ((r.error = v.error) || !v.calculada) return r;
    const EtapaEvaluable& ev = v.evaluable;
    const CargaEtapa carga = cargaDeEtapa(ev.x0, ev.masaCarga, ev.mma, ev.mmb, ev.gramos);

    const termo::Sistema* sistema = sim.sistemaTermico();
    const bool conX = itemX >= 0 && itemX < static_cast<int>(listaEjeX().size());
    const int magX = conX ? listaEjeX()[static_cast<std::size_t>(itemX)] : -1;
    const int magY = magnitudY(itemY, sistema != nullptr, ev.columnaPlatos != nullptr);
    const bool temperaturaY = magY == kTempAlambique || magY == kTempDestilado;
    // The reflux ratio's axis follows the curve, as a temperature's does.
    const bool reflujoY = magY == kReflujo;
    const bool ejeDeCurva = temperaturaY || reflujoY;
    if (conX) r.datos.tituloX = tituloDe(magX, sim);
    if (magY >= 0) r.datos.tituloY = tituloDe(magY, sim);
    r.datos.xMax = maximoEjeX(conX ? itemX : -1, carga);
    const bool fraccion = magY == kDestiladoCondensador;
    r.datos.yMax = ejeDeCurva ? 0 : (fraccion ? 1.000001 : maximoEjeY(magY >= 0 ? itemY : -1, carga));
    r.datos.ajustarY = temperaturaY;
    if (!maximoUtil(r.datos.xMax) || !(ejeDeCurva || maximoUtil(r.datos.yMax))) return r;

    const std::vector<double> avances = puntosAvance();
    r.datos.valores.reserve(avances.size());
    termo::Avisos avisos;
    double mayorY = 0;
    for (double p : avances) {
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
        r.datos.valores.emplace_back(q[static_cast<std::size_t>(magX)], y);
    }
    // A reflux ratio's axis leaves room over its largest value (1 at least:
    // no reflux at all still draws its line at 0).
    if (reflujoY) r.datos.yMax = std::max(mayorY * 1.1, 1.0);
    if (!avisos.vacio()) r.datos.nota = qtr(kDudosas).arg(QString::fromStdString(termo::textoAvisos(avisos)));
    r.dibujable = temperaturaY || maximoUtil(r.datos.yMax);
    return r;
}

}  // namespace quillon
