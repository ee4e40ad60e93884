#include "graphs/datos_avance.h"

#include "graphs/geometria_avance.h"
#include "mainwindow/estado_ventana.h"
#include "model/magnitudes.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

QString tituloDe(int indice)
{
    const InfoMagnitud& m = magnitudes()[static_cast<std::size_t>(indice)];
    return QString::fromUtf8(m.codigo.data(), static_cast<qsizetype>(m.codigo.size())) + QStringLiteral(": ") +
           QString::fromUtf8(m.nombre.data(), static_cast<qsizetype>(m.nombre.size()));
}

std::array<double, kMaxEtapas> cortesDe(const EstadoVentana& e)
{
    if (e.cortes) return e.cortes();
    std::array<double, kMaxEtapas> c{};
    c.fill(100);
    return c;
}

}  // namespace

ResultadoAvance calcularDatosAvance(EstadoVentana& estado, int etapa, int itemX, int itemY)
{
    ResultadoAvance r;
    const Entradas e = estado.leerEntradas ? estado.leerEntradas() : Entradas{};
    if ((r.error = validarEntradas(e, true, true))) return r;

    const int k = etapa < 1 ? 1 : (etapa > kMaxEtapas ? kMaxEtapas : etapa);
    const auto cortes = cortesDe(estado);
    const ModeloELV elv = estado.modelo(e.alfa);
    const double gramos = unidadesMasa()[static_cast<std::size_t>(e.unidad)].gramos;
    if (k == 1) estado.cadena.fijarCargaInicial(e.x0);
    const CargaEtapa carga =
        cargaDeEtapa(estado.cadena.x0Etapa(k - 1), masaCargaVista(cortes, k, e.m0), e.mma, e.mmb, gramos);
    if (!estado.cadena.calculada(k)) {
        plataforma::CursorEspera espera;
        if (!estado.cadena.asegurar(k, elv, e.mma, e.mmb)) return r;
    }

    const bool conX = itemX >= 0 && itemX < static_cast<int>(listaEjeX().size());
    const bool conY = itemY >= 0 && itemY < static_cast<int>(listaEjeY().size());
    const int magX = conX ? listaEjeX()[static_cast<std::size_t>(itemX)] : -1;
    const int magY = conY ? listaEjeY()[static_cast<std::size_t>(itemY)] : -1;
    if (conX) r.datos.tituloX = tituloDe(magX);
    if (conY) r.datos.tituloY = tituloDe(magY);
    r.datos.xMax = maximoEjeX(conX ? itemX : -1, carga);
    r.datos.yMax = maximoEjeY(conY ? itemY : -1, carga);
    if (!maximoUtil(r.datos.xMax) || !maximoUtil(r.datos.yMax)) return r;

    const EtapaEvaluable ev = etapaEvaluable(estado.cadena, elv, e, cortes, k);
    const std::vector<double> avances = puntosAvance();
    r.datos.valores.reserve(avances.size());
    for (double p : avances) {
        const ValoresMagnitudes v = EvaluarMagnitudes(ev, p);
        r.datos.valores.emplace_back(v[static_cast<std::size_t>(magX)], v[static_cast<std::size_t>(magY)]);
    }
    r.dibujable = true;
    return r;
}

}  // namespace quillon
