#include "model/cadena.h"

#include "model/composicion.h"
#include "model/formato.h"
#include "model/mensajes.h"
#include "model/numero.h"

namespace quillon {

const Texto* validarEntradas(const Entradas& e, bool masaPositiva, bool comprobarAlfa)
{
    if (!masasMolaresValidas(e.mma, e.mmb)) return &mensajes::masaMolar;
    if (!masaInicialValida(e.m0) || (masaPositiva && e.m0 == 0)) return &mensajes::masaInicial;
    if (!fraccionMolarValida(e.x0)) return &mensajes::fraccionInicial;
    if (!porcentajeMasicoValido(e.p0a)) return &mensajes::porcentajeMasico;
    if (comprobarAlfa && !e.modoTabla && !volatilidadValida(e.alfa)) return &mensajes::volatilidad;
    return nullptr;
}

double corteEfectivo(double textoLeido, int valorSlider)
{
    if (esNumero(textoLeido) && textoLeido >= 0 && textoLeido <= 100) return textoLeido;
    return valorSlider;
}

double fraccionCarga(const std::array<double, kMaxEtapas>& cortes, int etapa)
{
    double f = 1;
    for (int j = 1; j < etapa; ++j) f = cortes[static_cast<std::size_t>(j - 1)] * f / 100;
    return f;
}

double masaCargaVista(const std::array<double, kMaxEtapas>& cortes, int etapa, double m0)
{
    double m = m0;
    for (int j = 1; j < etapa; ++j) m = m * (cortes[static_cast<std::size_t>(j - 1)] / 100);
    return m;
}

int filaDeCorte(double P) { return filaAcotada(redondearPar(P / 100 * kPasosAvance)); }

CadenaEtapas::CadenaEtapas() : tablas_(std::make_unique<std::array<ColumnaAvance, kMaxEtapas + 1>>()) {}

void CadenaEtapas::invalidar(int desde, int hasta)
{
    for (int k = desde < 0 ? 0 : desde; k <= hasta && k <= kMaxEtapas; ++k) {
        calculada_[static_cast<std::size_t>(k)] = false;
        calculos_[static_cast<std::size_t>(k)].reutilizable = false;
        integraciones_[static_cast<std::size_t>(k)].reset();
    }
}

void CadenaEtapas::invalidarCargas(int desde, int hasta)
{
    for (int k = desde < 1 ? 1 : desde; k <= hasta && k <= kMaxEtapas; ++k) {
        const auto i = static_cast<std::size_t>(k);
        // Only a table that was valid can be kept.
        if (calculada_[i]) calculos_[i].reutilizable = true;
        calculada_[i] = false;
    }
}

bool CadenaEtapas::asegurarHasta(int etapa, int fila, const ModeloELV& elv, double mma, double mmb)
{
    const auto k = static_cast<std::size_t>(etapa);
    if (continuar(etapa, fila)) return true;
    Calculo& c = calculos_[k];
    if (c.reutilizable && c.x0 == x0_[k - 1] && c.mma == mma && c.mmb == mmb) {
        c.reutilizable = false;
        calculada_[k] = true;
        return continuar(etapa, fila);
    }
    c = {x0_[k - 1], mma, mmb, false};
    // A table computed again is a new one for whatever was worked out from it.
    versiones_[k] = ++ultimaVersion_;
    if (columnaPlatos_.hay()) return (calculada_[k] = calcularConColumna(etapa, elv, mma, mmb)) && continuar(etapa, fila);
    // A stage's charge runs out where it did the last time, or where the
    // stage before ran out, more often than not.
    int& agotamiento = agotamientos_[k];
    if (agotamiento == 0) agotamiento = agotamientos_[k - 1];
    calculada_[k] = CrearTablaAvanceDes(elv, mma, mmb, x0_[k - 1], (*tablas_)[k], agotamiento);
    return calculada_[k];
}

bool CadenaEtapas::continuar(int etapa, int fila)
{
    if (!calculada_[static_cast<std::size_t>(etapa)]) return false;
    completarHasta(etapa, fila);
    return true;
}

void CadenaEtapas::completarHasta(int etapa, int fila) const
{
    auto& integracion = integraciones_[static_cast<std::size_t>(etapa)];
    if (!integracion || integracion->fila() >= fila) return;
    integracion->avanzarHasta(fila);
    if (integracion->completa()) integracion.reset();
}

ComposicionDestilado CadenaEtapas::cortar(int etapa, double P, double mma, double mmb)
{
    const auto k = static_cast<std::size_t>(etapa);
    const double x = alambiqueEnFila(etapa, filaDeCorte(P));
    const ComposicionDestilado d = composicionDestilado(P, x, x0_[k - 1], mma, mmb);
    x0_[k] = d.xA;
    return d;
}

Contenido contenidoDeLiquido(double x, double xB, double masa, double mma, double mmb, double gramos)
{
    Contenido c;
    c.masa = masa;
    c.x = x;
    c.wA = fraccionMasica(x, mma, mmb);
    c.masaA = c.wA * masa;
    c.wB = restoPreciso(1, c.wA, [&] { return masaDeBEn(1, x, xB, mma, mmb); });
    c.masaB = masa * c.wB;
    c.xB = xB;
    // An empty still reads as zeros, not as pure B.
    if (c.wA == 0) c.wB = c.xB = 0;
    c.molesA = moles(c.masaA, gramos, mma);
    c.molesB = moles(c.masaB, gramos, mmb);
    return c;
}

std::string textoContenido(const Contenido& c, std::string_view unidad, char sep)
{
    static constexpr Texto total{"Total mass: ", "Masa total: "};
    static constexpr Texto compA{"A component:", "Componente A:"};
    static constexpr Texto compB{"B component:", "Componente B:"};
    const std::string u(unidad);
    auto f = [sep](double v, int n) { return FormatoNumero(v, n, sep); };
    std::string t;
    t += tr(total) + f(c.masa, 5) + " " + u + "\r\n\r\n";
    t += std::string(tr(compA)) + "\r\n";
    t += "  " + f(c.masaA, 5) + " " + u + " " + f(c.wA * 100, 4) + " %\r\n";
    t += "  " + f(c.molesA, 5) + " mol\r\n";
    t += "  Xa=" + f(c.x, 4) + "\r\n\r\n";
    t += std::string(tr(compB)) + "\r\n";
    t += "  " + f(c.masaB, 5) + " " + u + " " + f(c.wB * 100, 4) + " %\r\n";
    t += "  " + f(c.molesB, 5) + " mol\r\n";
    t += "  Xb=" + f(c.xB, 4);
    return t;
}

EstadoEtapa calcularEtapa(CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                          const std::array<double, kMaxEtapas>& cortes, int etapa)
{
    EstadoEtapa r;
    if ((r.error = validarEntradas(e, false, false))) return r;
    cadena.fijarCargaInicial(e.x0);
    r.fraccion = fraccionCarga(cortes, etapa);
    r.masaCarga = r.fraccion * e.m0;
    r.avance = cortes[static_cast<std::size_t>(etapa - 1)];
    // The failure flag of earlier parses is not consulted: a stage is drawn
    // from the inputs as they stand now, never from an old failure.
    if (!cadena.asegurarHasta(etapa, filaDeCorte(r.avance), elv, e.mma, e.mmb)) {
        r.error = &mensajes::valoresIniciales;
        if (const RechazoColumna* rechazo = cadena.rechazo(etapa)) {
            r.rechazo = *rechazo;
            r.error = rechazo->mensaje;
        }
        return r;
    }
    const double P = r.avance;
    const double destilada = P * r.masaCarga / 100;
    const double x = cadena.alambiqueEnFila(etapa, filaDeCorte(P));
    const ComposicionDestilado d = cadena.cortar(etapa, P, e.mma, e.mmb);
    const double gramos = unidadesMasa()[static_cast<std::size_t>(e.unidad)].gramos;
    r.alambique = contenidoDeLiquido(x, masaQueQueda(r.masaCarga, destilada), e.mma, e.mmb, gramos);
    r.destilado = contenidoDeLiquido(d.xA, d.xB, destilada, e.mma, e.mmb, gramos);
    return r;
}

EtapaEvaluable etapaEvaluable(const CadenaEtapas& cadena, const ModeloELV& elv, const Entradas& e,
                              const std::array<double, kMaxEtapas>& cortes, int etapa)
{
    EtapaEvaluable ev;
    ev.columna = &cadena.columna(etapa);
    ev.elv = &elv;
    ev.x0 = cadena.x0Etapa(etapa - 1);
    ev.mma = e.mma;
    ev.mmb = e.mmb;
    ev.masaCarga = masaCargaVista(cortes, etapa, e.m0);
    ev.gramos = unidadesMasa()[static_cast<std::size_t>(e.unidad)].gramos;
    if (cadena.columnaPlatos().hay()) ev.columnaPlatos = &cadena.cabeza(etapa);
    return ev;
}

}  // namespace quillon
