#include "graphs/datos_avance.h"

#include <algorithm>
#include <optional>

#include "graphs/curvas_txy.h"
#include "graphs/geometria_avance.h"
#include "model/magnitudes.h"
#include "model/temperaturas.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

QString tituloDe(int indice, Simulacion& sim)
{
    if (indice >= kTempAlambique) {
        // A temperature says what it is computed with.
        const InfoTemperatura& t = magnitudesTemperatura()[static_cast<std::size_t>(indice - kTempAlambique)];
        return qtexto(t.codigo) + QStringLiteral(": ") + qtr(t.nombre) + QStringLiteral(" (°C; ") +
               QString::fromStdString(sim.textoSistemaTermico()) + QStringLiteral(")");
    }
    const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(indice)];
    return qtexto(m.codigo) + QStringLiteral(": ") + qtexto(m.nombre);
}

// The quantity of a vertical item: the 17 of the list, then the two
// temperatures while there is a binary to compute them with.
int magnitudY(int itemY, bool conTemperaturas)
{
    const int n = static_cast<int>(listaEjeY().size());
    if (itemY >= 0 && itemY < n) return listaEjeY()[static_cast<std::size_t>(itemY)];
    if (conTemperaturas && itemY >= n && itemY < n + 2) return kTempAlambique + itemY - n;
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
    const int magY = magnitudY(itemY, sistema != nullptr);
    const bool temperaturaY = magY >= kTempAlambique;
    if (conX) r.datos.tituloX = tituloDe(magX, sim);
    if (magY >= 0) r.datos.tituloY = tituloDe(magY, sim);
    r.datos.xMax = maximoEjeX(conX ? itemX : -1, carga);
    r.datos.yMax = temperaturaY ? 0 : maximoEjeY(magY >= 0 ? itemY : -1, carga);
    r.datos.ajustarY = temperaturaY;
    if (!maximoUtil(r.datos.xMax) || !(temperaturaY || maximoUtil(r.datos.yMax))) return r;

    const std::vector<double> avances = puntosAvance();
    r.datos.valores.reserve(avances.size());
    termo::Avisos avisos;
    for (double p : avances) {
        const ValoresMagnitudes q = EvaluarMagnitudes(ev, p);
        double y = 0;
        if (temperaturaY) {
            // One bubble point per sample, of the liquid the quantity names.
            const termo::Burbuja b = sistema->burbuja(liquidoDeTemperatura(magY, ev, q, p));
            y = b.T - kCeroCelsius;
            avisos |= b.avisos;
        } else {
            y = q[static_cast<std::size_t>(magY)];
        }
        r.datos.valores.emplace_back(q[static_cast<std::size_t>(magX)], y);
    }
    if (!avisos.vacio()) r.datos.nota = qtr(kDudosas).arg(QString::fromStdString(termo::textoAvisos(avisos)));
    r.dibujable = temperaturaY || maximoUtil(r.datos.yMax);
    return r;
}

}  // namespace quillon
