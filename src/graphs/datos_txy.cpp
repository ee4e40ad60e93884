#include "graphs/datos_txy.h"

#include "graphs/vista_etapa.h"
#include "model/cortes.h"
#include "model/formato.h"
#include "model/magnitudes.h"
#include "model/temperaturas.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr Texto kModelo{"Model: ", "Modelo: "};
constexpr Texto kRocio{"Dew curve (vapor)", "Curva de rocío (vapor)"};
constexpr Texto kBurbuja{"Bubble curve (liquid)", "Curva de burbuja (líquido)"};
constexpr Texto kLiquido{"Liquid in still pot", "Líquido del alambique"};
constexpr Texto kVapor{"Vapor leaving it", "Vapor que sale de él"};
constexpr Texto kDudosas{"Doubtful: %1", "Dudosa: %1"};
constexpr Texto kDosLiquidos{"Two liquid phases", "Dos fases líquidas"};
constexpr Texto kAzeotropo{"Azeotrope x = %1 at %2 °C", "Azeótropo x = %1 a %2 °C"};
constexpr Texto kEstado{"Stage %1, %2 % distilled:   liquid x = %3   vapor y = %4   T = %5 °C",
                        "Etapa %1, %2 % destilado:   líquido x = %3   vapor y = %4   T = %5 °C"};
constexpr Texto kVacio{"Stage %1: the still holds nothing", "Etapa %1: el alambique está vacío"};

QString numero(double v, int cifras, char sep) { return QString::fromStdString(FormatoNumero(v, cifras, sep)); }

}  // namespace

DatosTxy datosTxy(Simulacion& sim, const CurvasTxy& c)
{
    DatosTxy d;
    d.curvas = &c;
    d.sep = sim.separador();
    d.tituloX = QString::fromStdString(tituloEjeComposicion(sim.texto(Entrada::CompA).toStdString()));
    d.tituloT = QString::fromStdString(tituloEjeTemperatura());
    d.modelo = qtr(kModelo) + QString::fromStdString(sim.textoSistemaTermico());
    d.leyenda = {qtr(kRocio), qtr(kBurbuja), qtr(kLiquido), qtr(kVapor)};
    if (!c.avisos.vacio()) d.dudosas = qtr(kDudosas).arg(QString::fromStdString(termo::textoAvisos(c.avisos)));
    if (!c.dosLiquidos.empty()) d.dosLiquidos = qtr(kDosLiquidos);
    for (const AzeotropoTxy& az : c.azeotropos)
        d.azeotropos << qtr(kAzeotropo).arg(numero(az.punto.x, 5, d.sep), numero(az.punto.T, 5, d.sep));
    return d;
}

ResultadoEstadoTxy estadoTxy(Simulacion& sim, const termo::Sistema& s, int etapa)
{
    ResultadoEstadoTxy r;
    const int k = etapaAcotada(etapa);
    const EtapaParaVista v = vistaDeEtapa(sim, k, true);
    if ((r.error = v.error) || !v.calculada) return r;
    // The stage's own cut, checked as the row checks it.
    std::array<double, kMaxEtapas> cortes{};
    const double P = cortes[static_cast<std::size_t>(k - 1)] = sim.leerCorte(k);
    if ((r.error = corteNoValido(cortes, k))) return r;

    EstadoTxy& e = r.estado;
    if (v.evaluable.masaCarga == 0) {
        e.rotulo = qtr(kVacio).arg(k);
        return r;
    }
    const ValoresMagnitudes q = EvaluarMagnitudes(v.evaluable, P);
    e.conPuntos = true;
    // At 100 % the still's last liquid, as its temperature in the table.
    e.x = liquidoDeTemperatura(kTempAlambique, v.evaluable, q, P);
    e.y = v.evaluable.elv->yEq(e.x);
    const termo::Burbuja b = s.burbuja(e.x);
    e.T = b.T - kCeroCelsius;
    const char sep = sim.separador();
    e.rotulo = qtr(kEstado).arg(QString::number(k), numero(P, 5, sep), numero(e.x, 4, sep), numero(e.y, 4, sep),
                                numero(e.T, 4, sep));
    if (!b.avisos.vacio()) e.rotulo += QStringLiteral(" (") + QString::fromStdString(termo::textoAvisos(b.avisos)) + QLatin1Char(')');
    return r;
}

}  // namespace quillon
