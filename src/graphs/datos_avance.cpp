#include "graphs/datos_avance.h"

#include <optional>

#include "graphs/geometria_avance.h"
#include "model/magnitudes.h"
#include "platform/plataforma.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

QString tituloDe(int indice)
{
    const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(indice)];
    return QString::fromUtf8(m.codigo.data(), static_cast<qsizetype>(m.codigo.size())) + QStringLiteral(": ") +
           QString::fromUtf8(m.nombre.data(), static_cast<qsizetype>(m.nombre.size()));
}

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

    const bool conX = itemX >= 0 && itemX < static_cast<int>(listaEjeX().size());
    const bool conY = itemY >= 0 && itemY < static_cast<int>(listaEjeY().size());
    const int magX = conX ? listaEjeX()[static_cast<std::size_t>(itemX)] : -1;
    const int magY = conY ? listaEjeY()[static_cast<std::size_t>(itemY)] : -1;
    if (conX) r.datos.tituloX = tituloDe(magX);
    if (conY) r.datos.tituloY = tituloDe(magY);
    r.datos.xMax = maximoEjeX(conX ? itemX : -1, carga);
    r.datos.yMax = maximoEjeY(conY ? itemY : -1, carga);
    if (!maximoUtil(r.datos.xMax) || !maximoUtil(r.datos.yMax)) return r;

    const std::vector<double> avances = puntosAvance();
    r.datos.valores.reserve(avances.size());
    for (double p : avances) {
        const ValoresMagnitudes q = EvaluarMagnitudes(ev, p);
        r.datos.valores.emplace_back(q[static_cast<std::size_t>(magX)], q[static_cast<std::size_t>(magY)]);
    }
    r.dibujable = true;
    return r;
}

}  // namespace quillon
